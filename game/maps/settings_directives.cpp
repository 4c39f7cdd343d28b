// One directive of a settings file, and cutting sprites from the screen.
#include <string>

#include "game/maps/settings_file.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/audio/sound.h"
#include "runtime/gfx/draw2d.h"

namespace game {

namespace {

// Field columns of a directive line.
constexpr int kCommandAt = 1;
constexpr int kTypeAt = 7;
constexpr int kValueAt = 12;
constexpr int kInfoAt = 15;

// Whether `index` names an element of the table's first dimension (negative indices count back
// from its end, as the tables' own indexing does, when `from_end` allows them).
bool TableHolds(const TextArray& table, double index, bool from_end) {
    const double size = ArrayBounds(table, 0);
    return index < size && index >= (from_end ? -size : 0);
}

// A value the table cannot hold is refused with a message naming the file, line and
// directive; the line then changes nothing.
bool Holds(const TextArray& table, double index, bool from_end, const char* what) {
    if (TableHolds(table, index, from_end)) return true;
    RefuseSettingsLine(what + std::string(" ") + NumberToText(index).str() +
                       " is outside its table");
    return false;
}

double ValueNumber() {
    return TextToNumber(tipo2_Str);
}
int ValueInteger() {
    return TextToInteger(tipo2_Str);
}

// "SPRIT": the piece of the directive before takes the role named by the type field.
void GiveRole() {
    struct Role {
        const char* type;
        double* piece;
    };
    const Role roles[] = {{"CABI", &chcabin}, {"GIOC", &chgioca},   {"VUOT", &chvuoto},
                          {"SOTT", &chsotto}, {"GHIA", &chghibuco}, {"UOVO", &chuovo},
                          {"PULC", &chuovo2}, {"UFOS", &chufo},     {"WIFE", &chwife},
                          {"RAGG", &chraggio}};
    // A piece refused by its own line gets no role either.
    if (!TableHolds(pezzi_Str, tipochr, true)) return;
    for (const Role& role : roles)
        if (tipo_Str == role.type) *role.piece = tipochr;
}

// "ALTEZ": cell size and sheet position of the next cuts. The fixed cells belong to the
// sheets of title letters, saucer, partner and rays; some also note where their group starts.
void SetCellSize() {
    sy = ValueNumber();
    sx = 20;
    xsp = 1;
    struct Cell {
        const char* value;
        double sx, sy, xsp, ysp;  // ysp below 0: unchanged
        double* first_sprite;
    };
    const Cell cells[] = {
        {"TT", 64, 122, 1, 1, &chtitolo}, {"UU", 85, 125, 66, -1, nullptr},
        {"cc", 66, 92, 152, -1, nullptr}, {"SS", 73, 120, 219, -1, nullptr},
        {"UF", 62, 30, 1, 126, &chufo},   {"U2", 22, 17, 253, 126, nullptr},
        {"WW", 20, 22, 1, 157, &chwife},  {"R1", 44, 14, 1, 180, &chraggio},
        {"R2", 44, 14, 1, 195, nullptr},  {"R3", 44, 14, 1, 210, nullptr},
        {"R4", 44, 14, 1, 225, nullptr},
    };
    if (sy == 99) {
        sx = 40;
        sy = 28;
        chvarie = spr;
        return;
    }
    if (sy == 88) {
        sy = 32;
        chchr = spr;
        return;
    }
    for (const Cell& cell : cells) {
        if (tipo2_Str != cell.value) continue;
        sx = cell.sx;
        sy = cell.sy;
        xsp = cell.xsp;
        if (cell.ysp >= 0) ysp = cell.ysp;
        if (cell.first_sprite) *cell.first_sprite = spr;
        return;
    }
}

// Place 0 to 7 of the value field among the button names, or -1.
int ButtonPlace() {
    static const char* const kButtons = "AABBXXYYLLRRSLST";
    for (int t = 0; t < 8; ++t)
        if (tipo2_Str == Substring(kButtons, t * 2, 2)) return t;
    return -1;
}

// Colour components live at info columns 0, 4 and 8, three digits each.
int InfoComponent(int at) {
    return TextToInteger(Substring(info_Str, at, 3)) & 0xFF;
}

// "SETTA": one option switch named by the type field.
void SetSwitch() {
    const double number = ValueNumber();
    if (tipo_Str == "TVTV") vecchiatv = number;
    if (tipo_Str == "SMTH") smoo = number;
    if (tipo_Str == "SFON")
        coloresfondo = InfoComponent(0) + InfoComponent(4) * 256 + InfoComponent(8) * 65536;
    if (tipo_Str == "ESCE" && tipo2_Str == "01") esce = 1;
    if (tipo_Str == "SCRN") fullscrn = number;
    if (tipo_Str == "MURI") mostramuri = number;
    if (tipo_Str == "DEMO") demo_Str = info_Str;
    if (tipo_Str == "NULL") lebbo_Str = tipo2_Str;
    if (tipo_Str == "TEST") prova = tipo2_Str == lebbo_Str ? 1 : 0;
    if (tipo_Str == "LFPS") lfps = number;
    if (tipo_Str == "MAPP") mappafissa = number;
    if (tipo_Str == "ZOOM") zoom = number;
    if (tipo_Str == "TURB") turbo = number;
    if (tipo_Str == "RIVE") rivede = number;
    if (tipo_Str == "VIDE") video = number * 10;
    if (tipo_Str == "EDIT") editor = tipo2_Str == lebbo_Str ? 1 : 0;
    if (tipo_Str == "VETR" && tipo2_Str != "SI") vetri = 0;
    if (tipo_Str == "TRAS") {
        t = number;
        trasparenza = number / -100;
    }
    if (tipo_Str == "SCIV") {
        t = number;
        traspscivolo = number / -100;
    }
    if (tipo_Str == "AUDI") suoni = number;
    if (tipo_Str == "STER") stereo = number;
    if (tipo_Str == "V069") fix069 = number;
}

}  // namespace

void SpriteMEMO() {
    CallDepthScope depth;
    for (s = 1; s <= nspr; ++s) {
        CaptureSprite(static_cast<int>(spr), static_cast<int>(xsp), static_cast<int>(ysp),
                      static_cast<int>(sx), static_cast<int>(sy));
        xsp = xsp + sx + 1;
        if (xsp + sx > 319) {
            xsp = 1;
            ysp = ysp + sy + 1;
        }
        spr = spr + 1;
    }
}

bool ApplySettingsLine(const TextValue& line_Str) {
    if (CharAt(line_Str, 0) != '=') return true;
    comando_Str = UpperCase(Substring(line_Str, kCommandAt, 5));
    tipo_Str = Substring(line_Str, kTypeAt, 4);
    tipo2_Str = Substring(line_Str, kValueAt, 2);
    info_Str = Substring(line_Str, kInfoAt, -1);
    if (comando_Str == "FINE!") return false;
    if (comando_Str == "SPRIT") GiveRole();
    tipochr = CharCode(tipo_Str) - chrdiff;

    if (comando_Str == "GFXLD" && tipo2_Str == "BM") {
        ClearFrame();
        LoadBackground(("Media/Zolv-" + tipo_Str + "." + estgfx_Str).view());
        SetKeyColour(0);
        xsp = 1;
        ysp = 1;
    }
    if (comando_Str == "ALTEZ") SetCellSize();
    if (comando_Str == "MENUT" && Holds(menu_Str, ValueNumber(), false, "menu entries up to")) {
        ttmenu = ValueNumber();
        NoteSettingsGiven(kSettingsMenu);
    }
    if ((comando_Str == "MENU0" || comando_Str == "MENU1") &&
        Holds(menu_Str, ValueInteger(), false, "menu entry"))
        menu_Str(ValueInteger(), comando_Str == "MENU0" ? 0 : 1) = info_Str;
    if ((comando_Str == "INFO0" || comando_Str == "INFO1") &&
        Holds(testi_Str, ValueInteger(), false, "text"))
        testi_Str(ValueInteger(), comando_Str == "INFO0" ? 0 : 1) = info_Str;
    if (comando_Str == "TASTI") rotaz_Str = tipo_Str + tipo_Str;
    if (comando_Str == "TASGP" || comando_Str == "TASCE") {
        const int place = ButtonPlace();
        // A value naming no button assigns nothing.
        if (place >= 0) {
            pressioni(place + (comando_Str == "TASCE" ? 8 : 0)) = TextToInteger(tipo_Str);
            NoteSettingsGiven(kSettingsKeys);
        }
    }
    const bool piece_line =
        comando_Str == "ANISC" || comando_Str == "PEZZO" || comando_Str == "PEZNO";
    const bool piece_held = !piece_line || Holds(pezzi_Str, tipochr, true, "piece");
    if (comando_Str == "ANISC" && piece_held) pezzi_Str(tipochr) += tipo_Str;
    if (comando_Str == "PEZZI") {
        nspr = ValueNumber();
        SpriteMEMO();
    }
    if (comando_Str == "PEZZO" || comando_Str == "PEZNO") {
        sp_Str = FormattaNUMERO(spr, 3);
        if (piece_held) {
            pezzi_Str(tipochr) = tipo_Str + sp_Str + tipo2_Str;
            NoteSettingsGiven(kSettingsPieces);
        }
        // A refused piece still takes its sprite, so the pieces after it keep theirs.
        nspr = 1;
        SpriteMEMO();
    }
    if (comando_Str == "MAPPE") {
        mapset_Str = tipo_Str;
        mapmax = ValueNumber();
    }
    if (comando_Str == "SETTA") SetSwitch();
    if (comando_Str == "SUONO")
        LoadSoundSlot(("Media/Zolv-" + tipo_Str + "." + estsfx_Str).str(), ValueInteger(), 1);
    return true;
}

}  // namespace game
