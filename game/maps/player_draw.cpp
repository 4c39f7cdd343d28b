// The player at its cell: walking, blinking, spinning on a slide, dancing on the exit, with the
// level-end counter that runs while it dances.
#include <cmath>

#include "game/maps/board_render.h"
#include "game/maps/editor.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/values/random.h"

namespace game {

namespace {

// Frames of the player's sprite group, one digit per animation step, added to 32.
constexpr const char* kSpinFrames = "32211123";
constexpr const char* kDanceFrames = "55664465";

double FrameDigit(const char* frames) {
    return CharAt(frames, static_cast<int>(animazione)) - '0';
}

}  // namespace

void DisegnaPERSONAGGIO() {
    CallDepthScope depth;
    if (giocx != xr || giocy != yr || sceltamenu != -1) return;
    zxp = xg * 20 + bordox;
    zyp = yg * 12 + bordoy;
    // In the editor the cursor box stands here instead of the player.
    if (editor != 0) {
        DrawEditorCursor();
        return;
    }
    pers = SpritePEZZO(chgioca);
    ani = giocdir * 8;
    // In turbo a glide has half the steps, so every second walking frame shows.
    if (movimento > -1) ani = giocdir * 8 + (turbo + 1) * movimento;
    // Facing up has no blink frame.
    if (movimento == -1 && giocdir > 0 && animazione == 0) {
        if (Random(10) == 5) ani = giocdir + 39;
    }
    if (tipo_Str == "G" && movimento == -1) {
        ani = 32 + FrameDigit(kSpinFrames);
        SuonaEFFETTO(7, 1);
    }
    if (tipo_Str == "X" && finelivello > 0) {
        // The play loop ends the level when this count reaches 2 * lfps + 2.
        finelivello = finelivello + 1;
        ani = 32 + FrameDigit(kDanceFrames);
        if (suonofine == 0) {
            SuonaEFFETTO(10, 0);
            suonofine = 1;
        }
    }
    pers = pers + ani;
    // On a fixed board the player glides over it; a scrolling board moves under the player.
    if (mappafissa == 1) {
        zxp = zxp + (turbo + 1) * movx;
        zyp = zyp + (turbo + 1) * movy;
    }
    // On ice the player bobs 2, 2, 1, 1, 0, 0, 1, 1 pixels down over the 8 frames.
    if (tipo2_Str == "A") zyp = zyp + std::fabs(static_cast<int>(animazione * 0.5) - 2);
    DisegnaTILE(0, pers, zxp, zyp, -14);
}

}  // namespace game
