#include "game/flow/readme.h"

#include "game/maps/board_render.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

constexpr int kRows = 16;

// Draws the page from line `readme`; meeting "EOF" moves the page up until the end marker
// sits just below it.
void DrawPage() {
    for (;;) {
        TastiAZZERA();
        SetBlendAlpha(0);
        Cls();
        bool settled = true;
        for (r = readme; r <= readme + kRows - 1; ++r) {
            a_Str = ReadFileLine(ReadmeFileName(), r);
            if (UpperCase(a_Str) == "NO_DATA") a_Str = " ";
            if (a_Str == "EOF") {
                readme -= 1;
                readme1 = readme;
                settled = false;
                break;
            }
            ScriveTESTO(a_Str, -6, (r - readme) * 14, 8, 0.6);
        }
        if (settled) break;
    }
    SetBlendAlpha(-0.5);
    if (readme1 > readme) DrawSprite(static_cast<int>(chvarie) + 4, 290, 220);
    if (readme > 0) DrawSprite(static_cast<int>(chvarie) + 2, 290, 0);
    SetBlendAlpha(0);
}

}  // namespace

TextValue ReadmeFileName() {
    return Substring("LeggimiRead_Me", static_cast<int>(7 * lingua), 7) + ".txt";
}

EntryPoint ReadmeViewer() {
    readme = 0;
    readme1 = 255;
    for (;;) {
        // The page is drawn anew for every frame: a presented frame leaves a cleared screen.
        DrawPage();
        mostraschermo();
        // One step per press: the direction of the last read does not linger.
        tasdir = -1;
        Tasti();
        if (tasa == 1 || tasx == 1 || tasy == 1 || tasl == 1 || tasr == 1 || tassta == 1 ||
            tassel == 1)
            return EntryPoint::kMenuLoop;
        if (tasdir == 0 && readme > 0) {
            readme -= 1;
            readme1 = 255;
        }
        if (tasdir == 2 && readme1 > readme) {
            readme += 1;
            readme1 = 255;
        }
    }
}

}  // namespace game
