// The solver on small hand-made boards whose fewest steps are known, and each reason it
// refuses a level, on the shipped piece table.
#include "game/play/solver_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/play/rules_fixture.h"

namespace {

using namespace rules_test;

// A board of water with the rows given from the top left.
std::string Island(const std::vector<std::string>& rows) {
    std::string board(256, kEmpty);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) board[y * 16 + x] = rows[y][x];
    return board;
}

class Solver : public ShippedRules {
  protected:
    solver::Solution Solve(const std::string& board, const solver::Limits& limits = {}) {
        const game::PlayState start = Load(board);
        EXPECT_TRUE(Check(board).empty()) << Check(board)[0];
        solver::Solution s = solver::Solve(start, rules_, limits, true);
        if (s.solved) {
            // The line is what the game records: it replays to a finish in the same steps.
            const solver::LineResult replay = solver::PlayLine(start, rules_, s.line);
            EXPECT_TRUE(replay.finished) << s.line;
            EXPECT_EQ(replay.steps, s.steps) << s.line;
            EXPECT_EQ(replay.points, s.points) << s.line;
        }
        return s;
    }
    std::vector<std::string> Check(const std::string& board) {
        const game::PlayState loaded = Load(board);
        solver::Roles roles;
        roles.start = kStart;
        roles.egg = kEgg;
        roles.chick = kChick;
        return solver::CheckLevel(board, loaded, rules_, roles);
    }
    // The first refusal of `board`, or "" when it passes the checks.
    std::string Refusal(const std::string& board) {
        const auto reasons = Check(board);
        return reasons.empty() ? "" : reasons[0];
    }
};

TEST_F(Solver, FindsTheFewestStepsOnBoardsWithAKnownAnswer) {
    // A straight corridor: four steps right.
    solver::Solution s = Solve(Island({"%,##5"}));
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 4);
    EXPECT_EQ(s.line, "1111");
    EXPECT_EQ(s.points, 25);
    EXPECT_FALSE(s.dead_ends);
    EXPECT_FALSE(s.gave_up);

    // Over the ice to the egg is quickest, but the ice melts: the way back goes round below,
    // eight steps where floor would take six.
    s = Solve(Island({"5#%.,", "#####"}));
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 8);
    s = Solve(Island({"5#%#,", "#####"}));
    ASSERT_TRUE(s.solved);
    EXPECT_EQ(s.steps, 6);

    // Slide to slide costs no step at normal speed; each slide leg is a move character.
    s = Solve(Island({"%,22#5"}));
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 4);
    EXPECT_EQ(s.line, "11111");

    // The red switch opens the way to the egg and shuts the way out; it must be used again.
    s = Solve(Island({"$,", "$C", "%#A#D5"}));
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 11);

    // The cabin is open left and right; left once, it turns open up and down.
    s = Solve(Island({"$$,", "$$##", "%#?#", "$$#", "$$5"}));
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 10);
}

TEST_F(Solver, ZeroCostSlideLegsMakeTheLongerLineTheShorterSolution) {
    // From the egg, the exit below is three steps over floor; the slides above reach the
    // other exit in two steps but four move characters.
    const std::string board = Island({"%2225", "#,##$", "###5$"});
    const solver::Solution s = Solve(board);
    ASSERT_TRUE(s.solved) << s.refusal;
    EXPECT_EQ(s.steps, 4);
    EXPECT_EQ(s.line, "210111");
    const solver::LineResult floor = solver::PlayLine(Load(board), rules_, "21112");
    EXPECT_TRUE(floor.finished);
    EXPECT_EQ(floor.steps, 5) << "fewer characters, more steps";
    // Sliding to the top exit before the egg leaves the player stuck there.
    EXPECT_TRUE(s.dead_ends);
}

TEST_F(Solver, ReportsNoSolutionAndGivingUp) {
    solver::Solution s = Solve(Island({"%#C,#5"}));
    EXPECT_FALSE(s.solved);
    EXPECT_FALSE(s.gave_up);
    EXPECT_NE(s.refusal.find("no solution"), std::string::npos) << s.refusal;

    solver::Limits tight;
    tight.max_states = 3;
    s = Solve(Island({"%,##5"}), tight);
    EXPECT_FALSE(s.solved);
    EXPECT_TRUE(s.gave_up);
    EXPECT_NE(s.refusal.find("gave up"), std::string::npos) << s.refusal;

    // Steps past the limit fail the level: a solution of 4 steps is out of reach of 3.
    solver::Limits few;
    few.max_steps = 3;
    s = Solve(Island({"%,##5"}), few);
    EXPECT_FALSE(s.solved);
}

TEST_F(Solver, RefusesBrokenLevels) {
    EXPECT_EQ(Refusal(Island({"%,##5"})), "");
    std::string outside = Island({"%,##5"});
    outside[20] = '\xC8';
    EXPECT_NE(Refusal(outside).find("outside the piece table"), std::string::npos);
    EXPECT_NE(Refusal(Island({"%,%#5"})).find("2 start cells"), std::string::npos);
    EXPECT_NE(Refusal(Island({"#,##5"})).find("0 start cells"), std::string::npos);
    EXPECT_NE(Refusal(Island({"%###5"})).find("no egg or chick"), std::string::npos);
    EXPECT_NE(Refusal(Island({"%,###"})).find("no exit"), std::string::npos);
    EXPECT_NE(Refusal(Island({"%,24#5"})).find("cycle"), std::string::npos);
    // A chain that leads out of itself is fine.
    EXPECT_EQ(Refusal(Island({"%,22#5"})), "");
}

TEST_F(Solver, RefusesPieceTablesTheRulesDisagreeWith) {
    // A second egg piece the loader does not count: the level could never finish.
    game::pezzi_Str('Z' - 35) = "ZZZZ000OP";
    Rebuild();
    EXPECT_NE(Refusal(Island({"%,Z#5"})).find("the loader counts 1 eggs"), std::string::npos);

    // Ice that turns into floor when the view turns: a different level under rotation 1.
    game::pezzi_Str('.' - 35) = ".#..000FA";
    Rebuild();
    EXPECT_NE(Refusal(Island({"%.,#5"})).find("under rotation 1"), std::string::npos);
    // A slide's twins differ in direction only, by design.
    EXPECT_EQ(Refusal(Island({"%,22#5"})), "");
}

TEST_F(Solver, MechanicsNameThePiecesABoardUses) {
    const auto words = solver::Mechanics(Load(Island({"%,-.2A?+05"})), rules_);
    const std::vector<std::string> expected = {"eggs",   "chicks",           "gems",   "ice",
                                               "slides", "barrier switches", "cabins", "glass"};
    EXPECT_EQ(words, expected);
}

}  // namespace
