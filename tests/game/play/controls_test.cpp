// The controls read from the keyboard: directions through the view rotation, both button sets
// with the fifth and sixth buttons crossed, the shoulder direction and the volume keys.
#include "game/play/controls.h"

#include <gtest/gtest.h>

#include "game/state/game_state.h"
#include "runtime/input/input.h"
#include "runtime/platform/keyboard.h"

namespace {

constexpr int kUpArrow = 200, kLeftArrow = 203, kRightArrow = 205, kDownArrow = 208;
constexpr int kPageUp = 201, kPageDown = 209, kKey1 = 2, kKey2 = 3;
// Two button sets in settings order A, B, X, Y, "LL", "RR", Select, Start.
constexpr int kSet1[8] = {57, 28, 45, 44, 17, 16, 14, 15};
constexpr int kSet2[8] = {42, 29, 31, 30, 19, 18, 1, 25};

class Controls : public testing::Test {
  protected:
    void SetUp() override {
        InputCreate();
        PlatformSetKeyScript({});
        PlatformClearKeyboard();
        game::ResetGameState();
        game::rotaz_Str = "05830583";
        DimArray(game::pressioni, 16);
        for (int b = 0; b < 8; ++b) {
            game::pressioni(b) = kSet1[b];
            game::pressioni(8 + b) = kSet2[b];
        }
        game::tasdir = -1;
        game::suoni = 1;
        game::volumemax = 1.5;
        game::volumebase = 1;
    }
    void TearDown() override { PlatformClearKeyboard(); }
    // Holds exactly these keys and reads the controls afresh.
    void Hold(std::initializer_list<int> keys) {
        PlatformClearKeyboard();
        for (int k : keys) PlatformSetKey(k, true);
        game::TastiAZZERA();
        game::tasdir = -1;
        game::Tasti();
    }
};

TEST_F(Controls, DirectionKeysTurnWithTheViewAndTheHighestWins) {
    // Board direction asked by Up, Right, Down, Left on the screen, for each rotation.
    const int arrows[4] = {kUpArrow, kRightArrow, kDownArrow, kLeftArrow};
    const int expected[4][4] = {{0, 1, 2, 3}, {3, 0, 1, 2}, {2, 3, 0, 1}, {1, 2, 3, 0}};
    for (int r = 0; r < 4; ++r) {
        game::rotazione = r;
        for (int k = 0; k < 4; ++k) {
            Hold({arrows[k]});
            EXPECT_EQ(game::tasdir, expected[r][k]) << "rotation " << r << " key " << k;
        }
    }
    game::rotazione = 0;
    Hold({kUpArrow, kLeftArrow});
    EXPECT_EQ(game::tasdir, 3);
    Hold({});
    EXPECT_EQ(game::tasdir, -1);
    // No direction line: every direction polls key code 152.
    game::rotaz_Str = "";
    Hold({152});
    EXPECT_EQ(game::tasdir, 3);
}

TEST_F(Controls, BothButtonSetsSetTheFlagsWithTheFifthDrivingRAndTheSixthL) {
    double* const flags[8] = {&game::tasa, &game::tasb, &game::tasx,   &game::tasy,
                              &game::tasr, &game::tasl, &game::tassel, &game::tassta};
    for (const int* set : {kSet1, kSet2}) {
        for (int b = 0; b < 8; ++b) {
            Hold({set[b]});
            for (int f = 0; f < 8; ++f)
                EXPECT_EQ(*flags[f], f == b ? 1 : 0) << "button " << b << " flag " << f;
        }
    }
    Hold({kSet1[4]});
    EXPECT_EQ(game::tastlr, 1) << "the fifth button is R";
    Hold({kSet2[5]});
    EXPECT_EQ(game::tastlr, -1) << "the sixth button is L";
    Hold({kSet1[4], kSet2[5]});
    EXPECT_EQ(game::tastlr, 0);
}

TEST_F(Controls, TastiOnlySetsFlagsAndTastiAzzeraClearsAllButTheDirection) {
    Hold({kSet1[0], kRightArrow});
    PlatformClearKeyboard();
    game::Tasti();
    EXPECT_EQ(game::tasa, 1) << "a flag is never cleared by reading";
    EXPECT_EQ(game::tasdir, 1);
    game::tastlr = 1;
    game::tasvol = 1;
    game::TastiAZZERA();
    EXPECT_EQ(game::tasa, 0);
    EXPECT_EQ(game::tastlr, 0);
    EXPECT_EQ(game::tasvol, 0);
    EXPECT_EQ(game::tasdir, 1);
}

TEST_F(Controls, VolumeKeysMoveAFiftiethOfTheRangeWithinItsLimits) {
    Hold({kPageUp});
    EXPECT_EQ(game::tasvol, 1);
    EXPECT_EQ(game::tasvol2, 25);
    EXPECT_DOUBLE_EQ(game::volumebase, 1.03);
    Hold({kPageDown, kKey1});
    EXPECT_EQ(game::tasvol, -2);
    EXPECT_DOUBLE_EQ(game::volumebase, 0.97);
    game::tasvol2 = 0;
    Hold({kPageUp, kPageDown});
    EXPECT_EQ(game::tasvol2, 0) << "opposite keys cancel";
    EXPECT_DOUBLE_EQ(game::volumebase, 0.97);
    game::volumebase = 1.49;
    Hold({kKey2, kPageUp});
    EXPECT_EQ(game::volumebase, 1.5);
    game::volumebase = 0.01;
    Hold({kKey1});
    EXPECT_EQ(game::volumebase, 0);
    game::suoni = 0;
    Hold({kPageUp});
    EXPECT_EQ(game::volumebase, 0) << "sound off: the volume keys are not read";
}

}  // namespace
