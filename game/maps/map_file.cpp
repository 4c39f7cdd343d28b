#include "game/maps/map_file.h"

#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/core/draw2d.h"
#include "runtime/core/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {
constexpr int kCells = 256;
// Red 64, green 32, blue 222 as 0x00BBGGRR: the tint over a freshly saved board.
constexpr int kSavedTint = 0xDE2040;
}  // namespace

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
    const TextValue egg_Str = Substring(pezzi_Str(chuovo), 0, 1);
    const TextValue chick_Str = Substring(pezzi_Str(chuovo2), 0, 1);
    mappa_Str = "";
    for (f = 0; f < kCells; ++f) {
        TextValue cell_Str = Substring(riga_Str, static_cast<int>(f), 1);
        // A short line (a missing map reads "NO_DATA") simply ends the board early: cells
        // past its end hold nothing and count as neither egg nor chick.
        if (cell_Str.empty()) continue;
        if (cell_Str == start_Str) {
            giocy = static_cast<int>(f / 16);
            giocx = f - 16 * giocy;
            if (editor == 0) cell_Str = floor_Str;
        }
        if (cell_Str == egg_Str) ++uova;
        if (cell_Str == chick_Str) ++uova2;
        mappa_Str += cell_Str;
    }
}

void MappaSALVA() {
    CallDepthScope depth;
    WriteFileLine(MapFileName(), map, mappa_Str);
    SetBlendAlpha(-0.25);
    FillBox(0, 0, static_cast<int>(320 * zoom), static_cast<int>(240 * zoom), kSavedTint);
    SetBlendAlpha(0);
    ScriveTESTO("MAPPA SALVATA!", 32, 100, 16, 1.5);
    mostraschermo();
    WaitAnyKey();
}

void MappaModificaXY() {
    CallDepthScope depth;
    p = giocy * 16 + giocx;
    const int at = static_cast<int>(p);
    temp_Str =
        Substring(mappa_Str, 0, at) + newtipo_Str + Substring(mappa_Str, at + 1, kCells - at);
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
