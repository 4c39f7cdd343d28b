#include "game/maps/map_file.h"

#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {
constexpr int kCells = 256;
// Red 64, green 32, blue 222 as 0x00BBGGRR: the tint over a freshly saved board.
constexpr int kSavedTint = 0xDE2040;
constexpr const char* kSavedText = "MAPPA SALVATA!";
constexpr const char* kNotSavedText = "MAPPA NON SALVATA!";
// What the last save said, for the headless summary.
const char* g_save_notice = "";
}  // namespace

const char* LastSaveNotice() {
    return g_save_notice;
}

bool LastSaveWritten() {
    return g_save_notice == kSavedText;
}

TextValue MapFileName() {
    return "Media/Zolv-" + mapset_Str + "-mappe." + estdoc_Str;
}

void MappaCARICA() {
    CallDepthScope depth;
    uova = 0;
    uova2 = 0;
    pulcini = 0;
    finelivello = 0;
    riga_Str = ReadFileLine(MapFileName(), map);
    const TextValue start_Str = CharText(static_cast<int>(chrdiff + chgioca));
    const TextValue floor_Str = CharText(static_cast<int>(chrdiff + chsotto));
    const TextValue empty_Str = CharText(static_cast<int>(chrdiff + chvuoto));
    const TextValue egg_Str = Substring(pezzi_Str(chuovo), 0, 1);
    const TextValue chick_Str = Substring(pezzi_Str(chuovo2), 0, 1);
    const int pieces = static_cast<int>(ArrayBounds(pezzi_Str, 0));
    int unknown = 0, first_unknown = -1, first_byte = 0;
    mappa_Str = "";
    for (f = 0; f < kCells; ++f) {
        TextValue cell_Str = Substring(riga_Str, static_cast<int>(f), 1);
        // A short or missing line ("NO_DATA") is made up to a whole board of empty cells,
        // so play and the editor always work on 256 cells.
        if (cell_Str.empty()) cell_Str = empty_Str;
        // A byte naming no piece (a map saved in another encoding) shows as an empty cell
        // rather than stopping the game in the middle of drawing.
        const int piece = CharAt(cell_Str, 0) - static_cast<int>(chrdiff);
        if (piece < 0 || piece >= pieces) {
            if (unknown++ == 0) {
                first_unknown = static_cast<int>(f);
                first_byte = CharAt(cell_Str, 0);
            }
            cell_Str = empty_Str;
        }
        if (cell_Str == start_Str) {
            giocy = static_cast<int>(f / 16);
            giocx = f - 16 * giocy;
            if (editor == 0) cell_Str = floor_Str;
        }
        if (cell_Str == egg_Str) ++uova;
        if (cell_Str == chick_Str) ++uova2;
        mappa_Str += cell_Str;
    }
    if (unknown > 0) {
        AppendLog("Map " + NumberToText(map).str() + ": cell " + std::to_string(first_unknown) +
                  " (byte " + std::to_string(first_byte) + ")" +
                  (unknown > 1 ? " and " + std::to_string(unknown - 1) + " more" : "") +
                  " name no piece; shown empty");
    }
}

void MappaSALVA() {
    CallDepthScope depth;
    const int failures = LineFiles().write_failures();
    WriteFileLine(MapFileName(), map, mappa_Str);
    // The confirmation stands for a map on disk: the file is written now rather than at the
    // cache's next flush, whose failure only the log would hear of. A map file that could not
    // be read refuses the write, which the flush alone would not tell.
    const bool written = LineFiles().Flush() && LineFiles().write_failures() == failures;
    if (!written) {
        AppendLog("Map " + NumberToText(map).str() + " not saved: " + MapFileName().str() +
                  " could not be written");
    }
    g_save_notice = written ? kSavedText : kNotSavedText;
    SetBlendAlpha(-0.25);
    FillBox(0, 0, static_cast<int>(320 * zoom), static_cast<int>(240 * zoom), kSavedTint);
    SetBlendAlpha(0);
    // The settings' Italian text, or ours in the player's other language.
    const TextValue shown_Str =
        lingua == 0 ? TextValue(g_save_notice)
                    : TextValue(ExtraText(written ? "EDITOR_SAVED" : "EDITOR_NOT_SAVED").c_str());
    ScriveTESTO(shown_Str, 32, 100, 16, 1.5);
    mostraschermo();
    WaitAnyKey();
}

void MappaModificaXY() {
    CallDepthScope depth;
    p = giocy * 16 + giocx;
    // Exactly one cell changes, or none: an empty text or a position off the board leaves
    // the board as it is, so it always keeps its 256 cells.
    if (newtipo_Str.empty() || p < 0 || p >= kCells) return;
    const int at = static_cast<int>(p);
    temp_Str = Substring(mappa_Str, 0, at) + Substring(newtipo_Str, 0, 1) +
               Substring(mappa_Str, at + 1, kCells - at);
    mappa_Str = temp_Str;
}

void Margini() {
    CallDepthScope depth;
    if (mappafissa == 1) {
        bordox = 0;
        bordoy = 28;
        if (editor == 1) bordoy = 12;
    } else {
        bordox = 24 - (zoom - 1) * 48;
        bordoy = 38 - (zoom - 1) * 40;
    }
    if (zoom == 3) {
        bordox = -24;
        bordoy = -24;
    }
}

}  // namespace game
