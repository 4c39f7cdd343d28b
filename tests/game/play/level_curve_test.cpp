// The difficulty curve's rules on made-up figures: a set that keeps it, then one fault each.
#include "game/play/level_curve.h"

#include <gtest/gtest.h>

namespace {

// Forty teaching levels (no curve), then blocks climbing to a last level that just meets its
// block's minimum, with dead ends on every other level; every board differs from every other
// in all its cells.
std::vector<solver::LevelFigures> Keeping(int count = 50) {
    std::vector<solver::LevelFigures> set;
    for (int m = 0; m < count; ++m) {
        const bool last = m >= 40 && m % 10 == 9;
        const int steps = m >= 70 ? 80 : 60;
        const uint64_t states = m >= 70 ? 50000 : 20000;
        set.push_back({m, last ? steps : 10 + m % 10, last ? states : 100u + m, m % 2 == 1,
                       std::string(static_cast<size_t>(m + 1), '1'),
                       std::string(256, static_cast<char>(35 + m))});
    }
    return set;
}

bool Mentions(const std::vector<std::string>& faults, const std::string& what) {
    for (const auto& f : faults)
        if (f.find(what) != std::string::npos) return true;
    return false;
}

TEST(LevelCurve, KeptCurveHasNoFaultsAndTeachingLevelsAreFree) {
    auto set = Keeping();
    EXPECT_TRUE(solver::CurveFaults(set).empty());
    // The first blocks may be in any order.
    set[3].steps = 500;
    set[3].states = 900000;
    EXPECT_TRUE(solver::CurveFaults(set).empty());
    // An unfinished last block is not judged.
    set.push_back({50, 200, 999999, true, "2", std::string(256, 'z')});
    EXPECT_TRUE(solver::CurveFaults(set).empty());
}

TEST(LevelCurve, EachBrokenRuleIsNamed) {
    auto more_steps = Keeping();
    more_steps[45].steps = 60;
    EXPECT_TRUE(Mentions(solver::CurveFaults(more_steps), "map 45 takes 60 steps"));

    auto more_states = Keeping();
    more_states[41].states = 30000;
    EXPECT_TRUE(Mentions(solver::CurveFaults(more_states), "map 41 has 30000 positions"));

    auto short_top = Keeping();
    short_top[49].steps = 59;
    EXPECT_TRUE(Mentions(solver::CurveFaults(short_top), "map 49 ends its block"));

    auto small_top = Keeping();
    small_top[49].states = 19999;
    EXPECT_TRUE(Mentions(solver::CurveFaults(small_top), "map 49 ends its block"));

    auto twins = Keeping();
    twins[47].moves = twins[2].moves;
    EXPECT_TRUE(
        Mentions(solver::CurveFaults(twins), "map 47: the same shortest solution as map 2"));

    // A board changed in nine cells from another is a near-copy; in ten it is a board of its own.
    auto copy = Keeping(60);
    copy[57].board = copy[12].board;
    for (size_t i = 0; i < 9; ++i) copy[57].board[i * 20] = '$';
    EXPECT_TRUE(Mentions(solver::CurveFaults(copy),
                         "map 57: its board differs from map 12's in only 9 cells"));
    copy[57].board[200] = '$';
    EXPECT_TRUE(solver::CurveFaults(copy).empty());
    // Among the teaching levels too, and a shorter board counts its missing cells.
    copy[5].board = copy[4].board.substr(0, 250);
    EXPECT_TRUE(
        Mentions(solver::CurveFaults(copy), "map 5: its board differs from map 4's in only 6"));

    // A level whose switches, ice and cabins play no part is refused from level 40 on only.
    auto walk = Keeping();
    walk[44].plain_alike = true;
    walk[12].plain_alike = true;
    const auto walk_faults = solver::CurveFaults(walk);
    EXPECT_EQ(walk_faults.size(), 1u);
    EXPECT_TRUE(Mentions(walk_faults, "map 44: its switches, ice and cabins play no part"));

    auto open = Keeping();
    open[41].dead_ends = false;
    EXPECT_TRUE(Mentions(solver::CurveFaults(open), "only 4 of the 10 levels"));
}

TEST(LevelCurve, LaterBlocksNeedMore) {
    auto set = Keeping(80);
    EXPECT_TRUE(solver::CurveFaults(set).empty());
    set[79].steps = 79;
    EXPECT_TRUE(Mentions(solver::CurveFaults(set), "map 79 ends its block with 79 steps"));
    set[79].steps = 80;
    set[79].states = 49999;
    EXPECT_TRUE(Mentions(solver::CurveFaults(set), "under the 80 and 50000"));
    // What is enough before level 70 is not enough from it on.
    set[79].steps = set[69].steps;
    set[79].states = set[69].states;
    EXPECT_TRUE(Mentions(solver::CurveFaults(set), "map 79 ends its block"));
}

}  // namespace
