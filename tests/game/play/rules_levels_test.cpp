// Every shipped level finished by its hand-written solution line under the game's own rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules_fixture.h"

namespace {

struct Expected {
    int steps, points;
};
// Steps and points of each solution as the level checker's separate reading of the rules
// counts them (tools/levelcheck): the two readings must agree.
const std::vector<Expected> kExpected = {{24, 75},  {21, 130}, {21, 85},  {11, 50}, {11, 50},
                                         {11, 5},   {14, 75},  {14, 40},  {14, 40}, {10, 23},
                                         {23, 115}, {16, 64},  {12, 5},   {20, 38}, {22, 100},
                                         {27, 74},  {34, 94},  {23, 110}, {16, 100}};

class Levels : public rules_test::ShippedRules {};

TEST_F(Levels, EveryHandWrittenSolutionFinishesItsLevel) {
    const std::vector<std::string> solutions = rules_test::ShippedSolutions();
    ASSERT_EQ(solutions.size(), kExpected.size());
    for (size_t m = 0; m < solutions.size(); ++m) {
        SCOPED_TRACE(testing::Message() << "map " << m << ": " << solutions[m]);
        game::map = static_cast<double>(m);
        game::editor = 0;
        game::MappaCARICA();
        game::PlayState s;
        game::PlayStateFromGame(s);
        ASSERT_GT(s.uova + s.uova2, 0);
        const game::ReplayOutcome run = game::PlayReplay(s, rules_, solutions[m]);
        EXPECT_EQ(run.consumed, static_cast<int>(solutions[m].size()));
        EXPECT_FALSE(run.endless || run.fault || run.stuck);
        EXPECT_TRUE(game::FinishedAtRest(s, rules_));
        EXPECT_EQ(s.passi, kExpected[m].steps);
        EXPECT_EQ(s.punti, kExpected[m].points);
    }
}

}  // namespace
