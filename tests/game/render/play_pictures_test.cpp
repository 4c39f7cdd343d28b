// Play's own pictures and the attempt's set-up: the failure text over the board, a frame of
// the final scene, the limits of an attempt and what a new attempt starts from.
#include <gtest/gtest.h>

#include <string>

#include "game/play/commentary.h"
#include "game/play/final_sequence.h"
#include "game/play/play_loop.h"
#include "render_fixture.h"

namespace {

using game_test::BoardDrawing;

void ExpectGolden(const std::string& name) {
    const std::string problem = CompareWithGolden(name, ReadScreen());
    EXPECT_TRUE(problem.empty()) << problem;
}

TEST_F(BoardDrawing, FailureTextOverTheLastFrame) {
    LoadMap(3);
    game::passi = 1281;
    SeedRandom(7);
    SetBlendAlpha(0);
    game::exam = 0;
    ClearFrame();
    game::DrawPlayFrame();
    EXPECT_EQ(game::reinizia, 3);
    ExpectGolden("play_failure_steps");
}

TEST_F(BoardDrawing, FinalSceneWithTheSaucerDown) {
    game::PlaceFinalActors();
    // The actors where phase 7 finds them: everyone met, the saucer landed.
    game::animfine(0, 1) = 140;
    game::animfine(1, 1) = 159;
    game::animfine(2, 0) = 146;
    game::animfine(3, 0) = 190;
    game::animfine(4, 0) = 340 - 6 * 32;
    game::animfine(4, 1) = -40 + 4 * 32;
    SeedRandom(7);
    game::DrawFinalFrame(7, 1, 1, 2);
    ExpectGolden("final_scene_phase7");
}

TEST(AttemptLimits, StepsPointsAndTimeFailJustPastTheirLimits) {
    game::ResetGameState();
    game::troppipassi = 1280;
    game::pochipunti = -999;
    game::troppotempo = 899;
    game::passi = 1280;
    game::punti = -999;
    game::tempo = 899;
    EXPECT_EQ(game::AttemptFailure(), 0);
    game::passi = 1281;
    EXPECT_EQ(game::AttemptFailure(), 3);
    game::passi = 0;
    game::punti = -1000;
    EXPECT_EQ(game::AttemptFailure(), 2);
    game::punti = 0;
    game::tempo = 899.01;
    EXPECT_EQ(game::AttemptFailure(), 1);
    // A later limit wins; the editor knows no limits.
    game::passi = 1281;
    EXPECT_EQ(game::AttemptFailure(), 3);
    game::editor = 1;
    EXPECT_EQ(game::AttemptFailure(), 0);
}

TEST_F(BoardDrawing, ANewAttemptStartsAtRestWhateverTheLastOneLeft) {
    // A level can end in the middle of a glide; the next one must not finish it.
    game::movimento = 3;
    game::movx = 7.5;
    game::movy = -4.5;
    game::direzione = 1;
    game::scivolo = 2;
    game::animaffonda = 1;
    game::tempo = 12;
    game::rivede = 0;
    EXPECT_EQ(game::AttemptRestart(), game::EntryPoint::kFrame);
    EXPECT_EQ(game::movimento, -1);
    EXPECT_EQ(game::movx, 0);
    EXPECT_EQ(game::movy, 0);
    EXPECT_EQ(game::direzione, -1);
    EXPECT_EQ(game::scivolo, -1);
    EXPECT_EQ(game::animaffonda, 0);
    EXPECT_EQ(game::tempo, 12) << "a restart keeps the time";
    EXPECT_EQ(game::AttemptStart(), game::EntryPoint::kFrame);
    EXPECT_EQ(game::tempo, 0);
}

TEST(Commentary, PageTurnsWithTheLastMoveOnly) {
    EXPECT_EQ(game::CommentaryRotation(0, 0), 2);
    EXPECT_EQ(game::CommentaryRotation(1, 3), 0);
    EXPECT_EQ(game::CommentaryRotation(3, 2), 3);
    // Past the end of a replay there is no last move: the view stays.
    EXPECT_EQ(game::CommentaryRotation(1, -48), 1);
    EXPECT_EQ(game::CommentaryRotation(2, 4), 2);
}

}  // namespace
