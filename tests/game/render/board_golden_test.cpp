// Pictures of the board as play draws it, compared exactly with the references in the
// golden folder: a shipped level under the four view rotations, zoomed and scrolling, a
// cabin with the player inside its glass, the player in the middle of a glide, the turned
// view and the information panel.
#include <gtest/gtest.h>

#include <string>

#include "render_fixture.h"

namespace {

using game_test::BoardDrawing;

void ExpectGolden(const std::string& name) {
    const std::string problem = CompareWithGolden(name, ReadScreen());
    EXPECT_TRUE(problem.empty()) << problem;
}

TEST_F(BoardDrawing, LevelUnderEachRotation) {
    for (int r = 0; r < 4; ++r) {
        game::rotazione = r;
        Render();
        ExpectGolden("board_rotation_" + std::to_string(r));
    }
}

TEST_F(BoardDrawing, ScrollingBoardAtZoomOneAndTwo) {
    game::mappafissa = 0;
    Render();
    ExpectGolden("board_scrolling_zoom1");
    game::zoom = 2;
    Render();
    ExpectGolden("board_scrolling_zoom2");
}

// Map 16's cabin "?" at (7, 4) is shut at top and bottom: its top pane stands behind the
// player, its bottom pane in front.
TEST_F(BoardDrawing, PlayerInsideACabin) {
    LoadMap(16);
    game::giocx = 7;
    game::giocy = 4;
    game::mappafissa = 0;
    game::zoom = 2;
    Render();
    ExpectGolden("board_cabin_player");
}

// Halfway down from the ice at (2, 6) to the egg at (2, 7): the ice sinks, the egg's cell is
// drawn with the player's and the egg again over the player.
TEST_F(BoardDrawing, PlayerMidGlide) {
    game::giocx = 2;
    game::giocy = 6;
    game::direzione = 2;
    game::giocdir = 2;
    game::movimento = 4;
    game::movy = 6;
    game::animaffonda = 1;
    game::mappafissa = 0;
    game::zoom = 2;
    Render();
    ExpectGolden("board_glide_scrolling_zoom2");
    game::mappafissa = 1;
    game::zoom = 1;
    Render();
    ExpectGolden("board_glide_fixed");
}

TEST_F(BoardDrawing, TurnedView) {
    game::video = 30;
    Render();
    ExpectGolden("board_video_30");
}

// The panel in test play while recording, with every counter showing.
TEST_F(BoardDrawing, InformationPanel) {
    game::mappafissa = 0;
    game::prova = 1;
    game::rivede = -1;
    game::animazione = 2;
    game::tempo = 65.9;
    game::passi = 42;
    game::punti = -35;
    game::lfps = 60;
    game::uova = 3;
    game::uova2 = 1;
    Render();
    ExpectGolden("panel_test_play_recording");
}

}  // namespace
