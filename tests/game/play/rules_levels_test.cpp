// Every shipped level finished by its line of the shipped replay file under the game's own rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules_fixture.h"

namespace {

class Levels : public rules_test::ShippedRules {};

TEST_F(Levels, EveryShippedReplayFinishesItsLevelWithinTheLimits) {
    const std::vector<std::string> solutions = rules_test::ShippedSolutions();
    const std::string maps =
        ReadWholeFile(std::string(ZOLV_SOURCE_DIR) + "/media/Media/Zolv-sch1-mappe.txt");
    ASSERT_EQ(solutions.size(), static_cast<size_t>(std::count(maps.begin(), maps.end(), '\n')))
        << "one replay line per map";
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
        EXPECT_LE(s.passi, game::troppipassi);
        EXPECT_GE(s.punti, game::pochipunti);
    }
}

}  // namespace
