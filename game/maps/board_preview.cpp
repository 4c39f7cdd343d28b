#include "game/maps/board_preview.h"

#include "game/maps/tile_read.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"

namespace game {

double PieceRaise() {
    if (tipo_Str == "B") return -20;
    if (tipo_Str == "M") return tipo2_Str == "X" || tipo2_Str == "Y" ? -10 : -16;
    if (tipo2_Str == "U") return -12;
    if (tipo2_Str == "P") return -8;
    return 0;
}

void DrawBoardPreview() {
    exam = 0;
    const double floor = SpritePEZZO(chsotto);
    for (yr = 0; yr < 16; ++yr) {
        for (xr = 0; xr < 16; ++xr) {
            MappaLeggeTILE();
            const double zxs = bordox + xr * 20;
            const double zys = bordoy + yr * 12;
            // Walls stand on no floor; glass blocks are see-through.
            if (tipo_Str != "M") DisegnaTILE(0, floor, zxs, zys, 0);
            DisegnaTILE(tipo_Str == "B" ? -0.75 : 0, SpritePEZZO(va), zxs, zys, PieceRaise());
        }
    }
    zxp = bordox + giocx * 20;
    zyp = bordoy + giocy * 12 - 14;
    // Sprite 16 of the player's group: standing, facing down.
    DisegnaTILE(0, SpritePEZZO(chgioca) + 16, zxp, zyp, 0);
}

}  // namespace game
