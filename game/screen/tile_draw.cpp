// Drawing one board sprite.
#include "game/screen/local_vars.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"

namespace game {

double DisegnaTILE(double alfamode, double numero, double zxs, double zys, double zydiff) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("alfamode", alfamode).Number("numero", numero).Number("zxs", zxs);
    locals.Number("zys", zys).Number("zydiff", zydiff);
    locals.Note();
    SpriteSize(numero, xss, yss);
    const bool zoomed = zoom > 1 && mappafissa == 0;
    zo = 1;
    if (zoomed) {
        zo = zoom;
        if (zydiff == 0) zydiff = -zoom;
    }
    // Drawn when any corner lands on the 320 x 240 screen: left top, right bottom, left
    // bottom, right top.
    okdisegna = 0;
    for (c = 0; c < 4; ++c) {
        const bool right = c == 1 || c == 3;
        const bool bottom = c == 1 || c == 2;
        xs1 = zo * (right ? zxs + xss : zxs);
        ys1 = zo * (bottom ? zys + yss + zydiff : zys + zydiff);
        if (xs1 > -1 && xs1 < 320 && ys1 > -1 && ys1 < 240) okdisegna = 1;
    }
    if (okdisegna == 0) return 0;
    // The blend state is the costly switch in a board of a few hundred sprites.
    if (alfamode != exam) SetBlendAlpha(alfamode);
    if (zoomed) {
        zydiff2 = 0;
        // Walls of a zoomed board sit a little lower, plus the media's own correction.
        if (tipo_Str == "M") {
            zydiff = zydiff + 3;
            zydiff2 = fix069;
        }
        DrawSpriteZoomed(static_cast<int>(numero), static_cast<int>(zoom * zxs),
                         static_cast<int>((zys + zydiff) * zoom + zydiff2), zoom, zoom);
    } else {
        DrawSprite(static_cast<int>(numero), static_cast<int>(zxs), static_cast<int>(zys + zydiff));
    }
    exam = alfamode;
    return 0;
}

}  // namespace game
