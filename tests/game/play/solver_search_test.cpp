// The solver on small hand-made boards whose fewest steps are known, and each reason it
// refuses a level, on the shipped piece table.
#include "game/play/solver_search.h"

#include <gtest/gtest.h>

#include <map>
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

// What tells two positions apart: the cells, the player's cell, what is left to take and
// whether the exit is already being stood on.
std::string PositionKey(const game::PlayState& s) {
    return std::string(reinterpret_cast<const char*>(s.cells), game::kBoardCells) +
           std::to_string(s.giocx) + "," + std::to_string(s.giocy) + "," + std::to_string(s.uova) +
           "," + std::to_string(s.uova2) + "," + std::to_string(s.finelivello > 0);
}

TEST_F(Solver, CountsThePositionsFromWhichNoFinishIsReachable) {
    // The ice below the start melts behind the player: the cell under it is a trap.
    // Every position reached, found step by step, and then, until nothing changes, those with
    // a move to a position that can finish: the rest are the dead ends.
    const auto count_dead = [this](const std::string& board, uint64_t* reached) {
        std::map<std::string, std::vector<std::string>> next;
        std::map<std::string, bool> finish;
        std::vector<game::PlayState> work{Load(board)};
        finish[PositionKey(work[0])] = false;
        while (!work.empty()) {
            const game::PlayState here = work.back();
            work.pop_back();
            const std::string key = PositionKey(here);
            finish[key] = game::FinishedAtRest(here, rules_);
            if (finish[key]) continue;  // a finish is not moved on from
            for (int d = 0; d < 4; ++d) {
                game::PlayState there = here;
                if (game::Step(there, rules_, d).result != game::StepResult::kMoved) continue;
                const std::string to = PositionKey(there);
                next[key].push_back(to);
                if (finish.emplace(to, false).second) work.push_back(there);
            }
        }
        std::map<std::string, bool> alive = finish;
        for (bool changed = true; changed;) {
            changed = false;
            for (auto& [key, is_alive] : alive)
                for (const std::string& to : next[key])
                    if (!is_alive && alive[to]) is_alive = changed = true;
        }
        *reached = alive.size();
        uint64_t dead = 0;
        for (const auto& [key, is_alive] : alive) dead += !is_alive;
        return dead;
    };
    int partly = 0;
    for (const std::string& board :
         {Island({"%,##5"}), Island({"%,#5", "#", ".", "#"}), Island({"%2225", "#,##$", "###5$"}),
          Island({"5#%.,", "#####"}), Island({"$,", "$C", "%#A#D5"}), Island({"%#C,#5"})}) {
        uint64_t reached = 0;
        const uint64_t dead = count_dead(board, &reached);
        const solver::Solution s = Solve(board);
        ASSERT_TRUE(s.dead_ends_counted) << board.substr(0, 48);
        EXPECT_EQ(s.states, reached) << board.substr(0, 48);
        EXPECT_EQ(s.dead_end_positions, dead) << board.substr(0, 48);
        EXPECT_EQ(s.dead_ends, s.solved && dead > 0);
        partly += dead > 0 && dead < reached;
    }
    EXPECT_GE(partly, 2) << "boards with some dead ends and some ways on";
    // A search that gives up has not seen every position: nothing is counted.
    solver::Limits few;
    few.max_states = 3;
    const solver::Solution s = Solve(Island({"$,", "$C", "%#A#D5"}), few);
    ASSERT_TRUE(s.gave_up);
    EXPECT_FALSE(s.dead_ends_counted);
    EXPECT_EQ(s.dead_end_positions, 0u);
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

// Each kind made plain floor on its own, the rest of the board untouched; a barrier that only
// its switch opens then shuts the level.
TEST_F(Solver, PlainTurnsOneKindOfPieceIntoFloor) {
    const game::PlayState start = Load(Island({"%A.?C,5"}));
    const uint8_t floor = rules_.floor;
    bool changed = false;
    const game::PlayState no_switch =
        solver::Plain(start, rules_, solver::PlainKind::kSwitches, &changed);
    EXPECT_TRUE(changed);
    const game::PlayState no_ice = solver::Plain(start, rules_, solver::PlainKind::kIce);
    const game::PlayState no_cabin = solver::Plain(start, rules_, solver::PlainKind::kCabins);
    for (int x = 1; x < 7; ++x) {
        EXPECT_EQ(no_switch.cells[x], x == 1 ? floor : start.cells[x]) << x;
        EXPECT_EQ(no_ice.cells[x], x == 2 ? floor : start.cells[x]) << x;
        EXPECT_EQ(no_cabin.cells[x], x == 3 ? floor : start.cells[x]) << x;
    }
    EXPECT_TRUE(solver::Solve(start, rules_, {}, false).solved);
    EXPECT_FALSE(solver::Solve(no_switch, rules_, {}, false).solved);
    solver::Plain(Load(Island({"%,5"})), rules_, solver::PlainKind::kIce, &changed);
    EXPECT_FALSE(changed);
}

}  // namespace
