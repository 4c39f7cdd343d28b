// The information panel over the board.
#include "game/maps/board_render.h"
#include "game/maps/editor.h"
#include "game/maps/editor_history.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"

namespace game {

namespace {

constexpr int kRed = 255;

TextValue LanguageText(int entry) {
    return testi_Str(entry, lingua);
}

// The edges a scrolling board at zoom 1 leaves ragged, covered in black.
void DrawMask() {
    out = 40;
    co = 0;
    if (mappafissa != 0 || zoom != 1) return;
    const int o = static_cast<int>(out);
    FillBox(0, 0, o, 240, co);
    FillBox(320 - o, 0, o, 240, co);
    FillBox(0, 0, 320, o, co);
    FillBox(0, 240 - o, 320, o, co);
}

// Time, points and steps along the bottom, and the marks of viewing and recording.
void DrawPlayCounters() {
    t1 = static_cast<int>(tempo / 60);
    t1_Str = FormattaNUMERO(t1, 2);
    t2 = static_cast<int>(tempo - t1 * 60);
    t2_Str = FormattaNUMERO(t2, 2);
    ScriveTESTO(LanguageText(2) + ":" + t1_Str + "." + t2_Str, 0, 216, 8, 0.5);
    ScriveTESTO(LanguageText(4) + ":" + passi, 999, 216, 8, 0.5);
    ScriveTESTO(LanguageText(3) + ":" + punti, 888, 216, 8, 0.5);
    // The replay label blinks until the replay's first information stop, just below the wall
    // indicator (over it the two could not be read).
    if (rivede == 1 && testoreplay == 0 && animazione < 4)
        ScriveTESTO(menu_Str(2, lingua), 888, 28, 12, 0.75);
    // What follows pulses over the animation cycle (no blending on its first frame).
    SetBlendAlpha(-animazione / 10);
    if (animazione < 6 && rivede == -1) {
        FillBox(0, 200, 24, 24, kRed);
        ScriveTESTO("REGISTRA!", 32, 200, 10, 0.75);
    }
}

}  // namespace

void DisegnaINFO() {
    CallDepthScope depth;
    DrawMask();
    f = 140;
    if (mostramuri == 1) {
        // The wall indicator, its arrow turning with the view.
        DrawSprite(static_cast<int>(chvarie), static_cast<int>(f), 0);
        DrawSprite(static_cast<int>(chvarie + 2 + rotazione), static_cast<int>(f), 0);
        DrawSprite(static_cast<int>(chvarie + 1), static_cast<int>(f), 0);
    }
    if (zoom < 3) {
        a_Str = "";
        if (editor == 1 && !replay_Str.empty()) a_Str = "(REC!)";
        // Test play shows its speed, in tens of frames per second.
        if (prova != 0) ScriveTESTO(a_Str + NumberToText(lfps / 10), f + 6, 8, 8, 0.5);
        // In the editor a star beside the number says the board differs from its file.
        ScriveTESTO(LanguageText(1) + ":" + map + (editor == 1 && EditorBoardChanged() ? "*" : ""),
                    999, -4, 8, 0.75);
        ScriveTESTO(LanguageText(0) + ":" + uova + "+" + uova2, 0, -4, 8, 0.75);
        if (editor == 0) DrawPlayCounters();
    }
    if (editor == 1) DrawPieceRow();
    if (prova != 0) {
        DrawLine(0, 0, 319, 0, kRed);
        DrawLine(0, 0, 0, 239, kRed);
        DrawLine(0, 240, 320, 240, kRed);
        DrawLine(320, 0, 320, 240, kRed);
    }
}

}  // namespace game
