// The board renderer: each visible cell's floor and piece, back row first, with the player and
// the glass of a cabin drawn at their depth, and the cell ahead of a moving player drawn with
// the player's cell so that the player slides in front of it.
#include "game/maps/board_render.h"

#include <cmath>

#include "game/maps/map_file.h"
#include "game/maps/tile_read.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/values/random.h"

namespace game {

namespace {

// Kind letters that matter to the drawing.
bool First(const char* letter) {
    return tipo_Str == letter;
}
bool Second(const char* letter) {
    return tipo2_Str == letter;
}

// Glass layers of the ten cabin kinds, four digits each: the glass sprite (1 to 6 after the
// cabin piece's first sprite, 0 none) of layers behind the player (first two) and in front.
constexpr const char* kCabinGlass = "1650123002340654014026350650010002300040";
constexpr int kGlassRaise = -13;

// Screen pixels of a cell: 20 wide, 12 deep.
constexpr double kCellWidth = 20;
constexpr double kCellDepth = 12;

// The piece of an animated kind shows the frame characters after its kind letters, one per
// two animation steps.
double AnimatedPiece(double piece) {
    return CharAt(pezzi_Str(piece), 9 + static_cast<int>(animazione / 2)) - chrdiff;
}

bool IsPlayerCell(double column, double row) {
    return column == giocx && row == giocy;
}

// Sprite of the floor drawn under a piece whose floor marker is `marker` (1: the first).
double FloorSprite(double marker) {
    return SpritePEZZO(chsotto) + marker - 1;
}

// Sprite, raise, alpha and floor of the cell read last with MappaLeggeTILE, into tile, diff,
// am, sotto.
void ApplyKindRules() {
    tile = SpritePEZZO(va);
    diff = 0;
    am = 0;
    sotto = 0;
    if (editor == 1 && Second("!")) {
        diff = -14;
        sotto = 1;
        tile = tile + 4 * animazione;
    }
    if (Second("P")) {
        diff = -8;
        sotto = 1;
        // Chicks fidget, more often as fewer are left.
        if (First("N") && Random(2 * uova2 + 1) == uova2) tile = tile + 1 + Random(1);
    }
    if (First("B")) {
        diff = -20;
        am = -0.8;
        sotto = 1;
    }
    if (First("M")) {
        diff = -16;
        if (Second("X")) {
            diff = -10;
            sotto = 1;
            if (Random(50) < 5) tile = tile + 2;
        }
        if (Second("Y")) {
            diff = -10;
            sotto = 1;
            if (Random(50) < 5) tile = tile - 2;
        }
    }
    if (Second("U")) {
        diff = -12;
        sotto = 1;
    }
    if (First("I")) {
        diff = 0;
        sotto = 1;
    }
    if (First("X") && finelivello == 0) {
        am = -0.5;
        sotto = 1;
    }
    if (First("X") && finelivello > 0 && animazione > 3) {
        if (Second("1")) tile = tile + 1;
        if (Second("2")) tile = tile - 1;
    }
    if (First("G")) {
        am = traspscivolo;
        diff = 0;
    }
    if (Second("A") && IsPlayerCell(xr, yr)) {
        // Ice sinks through its frames while the player leaves it, and bobs under a player
        // standing on it.
        if (animaffonda == 1) tile = tile + movimento;
        if (animaffonda == 0) tile = tile + static_cast<int>(animazione / 4);
    }
}

// The cell one step ahead of the moving player, drawn with the player's cell one row lower
// on the screen (the player moves down the screen when this happens).
void DrawNextCell() {
    xrR = xr + DirezioneXY(direzione, 0);
    yrR = yr + DirezioneXY(direzione, 2);
    MappaLeggeTILE2();
    if (tipoR_Str == "G") vaR = AnimatedPiece(vaR);
    tileR = SpritePEZZO(vaR);
    diffR = 0;
    amR = 0;
    sottoR = 0;
    if (tipoR2_Str == "P") {
        diffR = -8;
        sottoR = 1;
    }
    if (tipoR2_Str == "U") {
        diffR = -12;
        sottoR = 1;
    }
    if (tipoR_Str == "I") {
        diffR = 0;
        sottoR = 1;
    }
    if (tipoR_Str == "X" && finelivello == 0) {
        amR = -0.5;
        sottoR = 1;
    }
    if (tipoR_Str == "X" && finelivello > 0 && animazione > 3) {
        if (tipoR2_Str == "1") tileR = tileR + 1;
        if (tipoR2_Str == "2") tileR = tileR - 1;
    }
    if (tipoR_Str == "G") amR = traspscivolo;
    if (tipoR2_Str == "A" && IsPlayerCell(xrR, yrR)) {
        if (animaffonda == 1) tileR = tileR + movimento;
        if (animaffonda == 0) tileR = tileR + static_cast<int>(animazione / 4);
    }
    if (sottoR > 0) {
        sottoR = FloorSprite(sottoR);
        DisegnaTILE(0, sottoR, zx, zy + kCellDepth, 0);
    }
    DisegnaTILE(amR, tileR, zx, zy + kCellDepth, diffR);
}

// The player, inside the glass of a cabin when this cell holds one.
void DrawPlayerAndCabin() {
    if (!First("C")) {
        DisegnaPERSONAGGIO();
        return;
    }
    spcabina = SpritePEZZO(chcabin);
    cabina = TextToNumber(tipo2_Str);
    // A loop counter of its own: DisegnaTILE uses the game's `c` for its corners.
    for (int layer = 0; layer < 4; ++layer) {
        lc = CharAt(kCabinGlass, static_cast<int>(cabina) * 4 + layer) - '0';
        if (layer == 2) DisegnaPERSONAGGIO();
        if (lc > 0 && vetri == 1) DisegnaTILE(trasparenza, lc + spcabina - 1, zx, zy, kGlassRaise);
    }
}

// Cell (xr, yr) at grid place (xg, yg).
void DrawCell() {
    ritraccia2 = 0;
    ritraccia = 1;
    V006 = 0;
    if (movimento > -1 && giocdir == 2) {
        // These use the kind letters of the cells read before this one.
        if (IsPlayerCell(xr - DirezioneXY(direzione, 0), yr - DirezioneXY(direzione, 2)))
            ritraccia = 0;
        if (IsPlayerCell(xr, yr)) {
            ritraccia2 = 1;
            if (tipo_Str == "G" || tipoR_Str == "G") V006 = 1;
        }
    }
    MappaLeggeTILE();
    if (First("G")) {
        va = AnimatedPiece(va);
        if (ritraccia == 0 && ritraccia2 == 1) ritraccia2 = 0;
    }
    ApplyKindRules();

    mostramuri2 = 1;
    if (mostramuri == 0 && editor == 0 && Second(".") && !First("V")) {
        mostramuri2 = 0;
        sotto = 0;
    }

    zx = xg * kCellWidth + bordox;
    zy = yg * kCellDepth + bordoy;
    if (mappafissa == 0) {
        // A scrolling board moves under the player during a glide.
        zx = zx - (turbo + 1) * movx;
        zy = zy - (turbo + 1) * movy;
    }

    if (ritraccia == 1 || V006 == 1) {
        if (sotto > 0) {
            sotto = FloorSprite(sotto);
            DisegnaTILE(0, sotto, zx, zy, 0);
        }
        if (mostramuri2 == 1) DisegnaTILE(am, tile, zx, zy, diff);
    }
    if (ritraccia2 == 1) DrawNextCell();
    DrawPlayerAndCabin();
    // Low pieces ahead of the player come in front of it again.
    if (ritraccia == 0 && (First("I") || Second("U") || Second("P")))
        DisegnaTILE(am, tile, zx, zy, diff);
}

}  // namespace

void DisegnaSCHEMA() {
    CallDepthScope depth;
    SetViewWindow();
    for (double ym = 0; ym <= xym; ++ym) {
        for (double xm = xm1; xms > 0 ? xm <= xm2 : xm >= xm2; xm += xms) {
            if (!GridCell(xm, ym)) continue;
            xg = xm;
            yg = ym;
            DrawCell();
        }
    }
}

void MappaRENDER() {
    CallDepthScope depth;
    Margini();
    SelectTarget(video > 0 ? 0 : -1);
    // At zoom 3 the left part of the screen keeps what was drawn there.
    const double width = zoom == 3 ? 180 : 320;
    FillBox(static_cast<int>(320 - width), 0, static_cast<int>(width), 240,
            static_cast<int>(coloresfondo));
    DisegnaSCHEMA();
    if (sceltamenu == -1) {
        exam = 0;
        SetBlendAlpha(0);
        DisegnaINFO();
    }
    SelectTarget(-1);
    if (video > 0) {
        SetBlendAlpha(0);
        DrawSpriteRotated(0, 0, 0, video);
    }
}

void Sprite0() {
    CallDepthScope depth;
    sceltamenu = 0;
    ClearFrame();
    MappaCARICA();
    MappaRENDER();
    CaptureSprite(0, 0, 0, 320, 240);
    SetBlendAlpha(0);
}

}  // namespace game
