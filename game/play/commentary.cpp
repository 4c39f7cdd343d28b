#include "game/play/commentary.h"

#include <cmath>
#include <numbers>

#include "game/maps/board_render.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

TextValue CommentaryFileName() {
    return "Media/Zolv-" + mapset_Str + "-info-" + CharText(static_cast<int>(48 + lingua)) + "." +
           estdoc_Str;
}

double CommentaryRotation(double rotation, double last_move) {
    if (last_move < 0 || last_move > 3) return rotation;
    return AvvolgiVALORE(rotation + 2 - last_move, 0, 3);
}

void TestoINTRO() {
    CallDepthScope depth;
    exmf = mappafissa;
    exzo = zoom;
    exro = rotazione;
    exgd = giocdir;
    giocdir = 2;
    rotazione = CommentaryRotation(rotazione, ext);
    mappafissa = 0;
    zoom = 2;
    riga_Str = ReadFileLine(CommentaryFileName(), tasdir);
    SetBlendAlpha(0);
    Cls();
    MappaRENDER();

    // A lens over the middle of the board: five half-transparent passes darken the top and
    // bottom edges towards the background colour.
    SetBlendAlpha(-0.5);
    b = 70;
    for (a1 = 120; a1 >= 40; a1 -= 20) {
        for (r = 0; r <= 320; ++r) {
            a = a1;
            if (r > 70 && r < 250) a = 70 * std::sin((r - 70) * std::numbers::pi / 180.0);
            const int colour = static_cast<int>(coloresfondo);
            DrawLine(r, 0, r, a, colour);
            DrawLine(r, 240, r, 240 - a, colour);
        }
    }

    // Words flow from the top left; lines skip the middle band where the board shows, and
    // the right margin moves in a character with every word.
    SetBlendAlpha(0);
    tes_Str = "";
    xt = 0;
    yt = 0;
    tst = 9;
    xmax = 320 + tst;
    const int length = Len(riga_Str);
    for (f = 0; f < length; ++f) {
        tes_Str += Substring(riga_Str, static_cast<int>(f), 1);
        if (CharAt(riga_Str, static_cast<int>(f)) != ' ' && f != length - 1) continue;
        xxt = Len(tes_Str) * tst;
        if (xt + xxt > xmax) {
            xt = 0;
            yt += 20;
        }
        if (yt > 70 && yt < 170) {
            yt = 170;
            xt = 0;
        }
        ScriveTESTO(tes_Str, xt, yt, tst, 0.8);
        xt = xt + xxt - tst / 2;
        tes_Str = "";
        xmax -= tst;
        if (xmax < 180 + tst) xmax = 320 + tst;
    }
    DrawSprite(static_cast<int>(chvarie) + 4, 280, 210);
    mostraschermo();
    WaitAnyKey();
    zoom = exzo;
    mappafissa = exmf;
    rotazione = exro;
    giocdir = exgd;
}

}  // namespace game
