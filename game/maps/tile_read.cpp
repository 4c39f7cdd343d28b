#include "game/maps/tile_read.h"

#include "game/state/game_state.h"

namespace game {

namespace {

// Kind letters sit at characters 7 and 8 of a piece-table entry.
constexpr int kKindLetter = 7;
constexpr int kSecondKindLetter = 8;

// The shared steps of both readers. The piece number indexes pezzi_Str, whose checked
// access ends the program with error 9 for a number outside the table.
void ReadCell(double column, double row, double& stored, double& shown, TextValue& kind_Str,
              TextValue& kind2_Str) {
    stored = CharAt(mappa_Str, static_cast<int>(row * 16 + column)) - chrdiff;
    shown = CharAt(pezzi_Str(stored), static_cast<int>(rotazione)) - chrdiff;
    // Written into the kind texts' own buffers: every cell of every frame reads them.
    const TextValue& entry_Str = pezzi_Str(shown);
    AssignSubstring(kind_Str, entry_Str, kKindLetter, 1);
    AssignSubstring(kind2_Str, entry_Str, kSecondKindLetter, 1);
}

}  // namespace

void MappaLeggeTILE() {
    CallDepthScope depth;
    ReadCell(xr, yr, pez, va, tipo_Str, tipo2_Str);
}

void MappaLeggeTILE2() {
    CallDepthScope depth;
    ReadCell(xrR, yrR, pezR, vaR, tipoR_Str, tipoR2_Str);
}

void SetViewWindow() {
    xym = 15;
    if (mappafissa == 0) xym = zoom > 1 ? 11 : 13;
    xm1 = 0;
    xm2 = xym;
    xms = 1;
    if (zoom == 3) {
        xm1 = 4;
        xm2 = 6;
    }
    if (giocdir == 1) {
        xms = -1;
        xm2 = xm1;
        xm1 = xym;
    }
    if (mappafissa == 1) {
        rx0 = 0;
        ry0 = 0;
        rx1 = 15;
        ry1 = 15;
    } else {
        st = static_cast<int>(xym / 2);
        rx0 = giocx - st;
        rx1 = giocx + st;
        ry0 = giocy - st;
        ry1 = giocy + st;
    }
}

bool GridCell(double xm, double ym) {
    switch (static_cast<int>(rotazione)) {
        case 0:
            xr = xm + rx0;
            yr = ym + ry0;
            break;
        case 1:
            xr = ym + rx0;
            yr = ry1 - xm;
            break;
        case 2:
            xr = rx1 - xm;
            yr = ry1 - ym;
            break;
        case 3:
            xr = rx1 - ym;
            yr = xm + ry0;
            break;
        default:
            break;
    }
    return xr >= 0 && xr <= 15 && yr >= 0 && yr <= 15;
}

}  // namespace game
