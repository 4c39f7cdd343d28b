// What every kind of cell does to the player, on small boards with the shipped piece table,
// through the step function: refusals, cabins from every side under every view rotation,
// switches, ice, chicks, eggs, pickups, slides and turbo.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "rules_fixture.h"

namespace {

using game::PlayState;
using game::SoundList;
using game::Step;
using game::StepResult;
using namespace rules_test;

std::vector<int> Sounds(const SoundList& list) {
    return std::vector<int>(list.slot, list.slot + list.count);
}

// Board steps of the four directions.
constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {-1, 0, 1, 0};

class Rules : public ShippedRules {};

TEST_F(Rules, WallsGlassEmptyBarriersAndTheEdgeRefuseWithoutCountingAStep) {
    for (char blocker : {kWall, kGlass, kEmpty, kHole, kBarrier}) {
        PlayState s = Load(Board({std::string("%") + blocker}));
        const game::StepOutcome out = Step(s, rules_, kRight);
        EXPECT_EQ(out.result, StepResult::kRefused) << blocker;
        EXPECT_EQ(out.moves, 1) << "a refused move is still a move character";
        EXPECT_EQ(s.giocx, 0);
        EXPECT_EQ(s.passi, 0);
        EXPECT_EQ(s.giocdir, kRight) << "the player turns to face the refused way";
        EXPECT_TRUE(game::AtRest(s));
    }
    PlayState s = Load(Board({"%"}));
    EXPECT_EQ(Step(s, rules_, kUp).result, StepResult::kRefused);
    EXPECT_EQ(Step(s, rules_, kLeft).result, StepResult::kRefused);
    EXPECT_EQ(Step(s, rules_, kDown).result, StepResult::kMoved);
    EXPECT_EQ(s.passi, 1);
    EXPECT_EQ(s.punti, 0);
}

// The closed sides of each cabin character, as the cabins are drawn: bit d is the side the
// player crosses moving in direction d out of the cabin (0 top, 1 right, 2 bottom, 3 left).
const std::map<char, int> kClosedSides = {
    {';', 0b1001}, {'<', 0b0011}, {'=', 0b0110}, {'>', 0b1100}, {'?', 0b0101},
    {'@', 0b1010}, {'W', 0b1000}, {'X', 0b0001}, {'{', 0b0010}, {'}', 0b0100}};
const std::map<char, char> kTurned = {{';', '<'}, {'<', '='}, {'=', '>'}, {'>', ';'}, {'?', '@'},
                                      {'@', '?'}, {'W', 'X'}, {'X', '{'}, {'{', '}'}, {'}', 'W'}};

TEST_F(Rules, EveryCabinIsEnteredAndLeftThroughItsOpenSidesOnlyUnderEveryRotation) {
    for (int rotation = 0; rotation < 4; ++rotation) {
        for (const auto& [cabin, closed] : kClosedSides) {
            for (int d = 0; d < 4; ++d) {
                SCOPED_TRACE(testing::Message() << "cabin " << cabin << " direction " << d
                                                << " rotation " << rotation);
                // Entering moving d crosses the cabin's side facing back, d + 2.
                PlayState in = Load(Board({}), rotation);
                in.giocx = 5;
                in.giocy = 5;
                in.cells[(5 + kDy[d]) * 16 + 5 + kDx[d]] = static_cast<uint8_t>(cabin);
                const bool enter_closed = closed & (1 << ((d + 2) % 4));
                const game::StepOutcome entered = Step(in, rules_, d);
                EXPECT_EQ(entered.result, enter_closed ? StepResult::kRefused : StepResult::kMoved);
                if (!enter_closed) {
                    EXPECT_EQ(in.punti, -1);
                    EXPECT_EQ(Cell(in, 5 + kDx[d], 5 + kDy[d]), cabin) << "turns only when left";
                }
                // Leaving moving d crosses side d.
                PlayState out = Load(Board({}), rotation);
                out.giocx = 5;
                out.giocy = 5;
                out.cells[5 * 16 + 5] = static_cast<uint8_t>(cabin);
                SoundList sounds;
                const bool leave_closed = closed & (1 << d);
                EXPECT_EQ(Step(out, rules_, d, &sounds).result,
                          leave_closed ? StepResult::kRefused : StepResult::kMoved);
                if (!leave_closed) {
                    EXPECT_EQ(Cell(out, 5, 5), kTurned.at(cabin));
                    EXPECT_EQ(Sounds(sounds), std::vector<int>{2});
                    EXPECT_EQ(out.passi, 1);
                } else {
                    EXPECT_EQ(Cell(out, 5, 5), cabin);
                    EXPECT_EQ(sounds.count, 0);
                }
            }
        }
    }
}

// Stepping on each switch rewrites the whole board once: every cell by the first pair naming
// it, so a pair's second character is never rewritten again in the same switch.
TEST_F(Rules, EachSwitchRewritesEveryCellOnceAndAnUnknownOneOnlyCosts) {
    struct Case {
        char piece;
        std::vector<std::string> pairs;  // cell before, cell after
    };
    const std::vector<Case> cases = {
        {'7', {"9:", ":9", ";<", "<=", "=>", ">;", "?@", "@?", "WX", "X{", "{}", "}W"}},
        {'A', {"Cc", "cC", "Dd", "dD"}},
        {'B', {"Ee", "eE", "Ff", "fF"}},
        {'O', {"Gg", "gG", "Hh", "hH"}},
        {'P', {"IJ", "JI", "KL", "LK", "MN", "NM"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.piece);
        std::string row;
        for (const std::string& pair : c.pairs) row += pair[0];
        PlayState s = Load(Board({std::string("%") + c.piece, "", row}));
        SoundList sounds;
        ASSERT_EQ(Step(s, rules_, kRight, &sounds).result, StepResult::kMoved);
        for (size_t i = 0; i < c.pairs.size(); ++i)
            EXPECT_EQ(Cell(s, static_cast<int>(i), 2), c.pairs[i][1]) << c.pairs[i];
        EXPECT_EQ(Cell(s, 0, 0), kFloor);
        EXPECT_EQ(Cell(s, 1, 0), c.piece) << "a switch stays a switch";
        EXPECT_EQ(s.punti, -10);
        EXPECT_EQ(Sounds(sounds), std::vector<int>{4});
    }
    // A switch whose second letter names no rewrite.
    game::pezzi_Str('Z' - 35) = "ZZZZ000I7";
    Rebuild();
    const std::string board = Board({"%Z", "", "9:;CcEeGgIJKLMN"});
    PlayState s = Load(board);
    SoundList sounds;
    ASSERT_EQ(Step(s, rules_, kRight, &sounds).result, StepResult::kMoved);
    EXPECT_EQ(std::string(s.cells + 32, s.cells + 48), board.substr(32, 16));
    EXPECT_EQ(s.punti, -10);
    EXPECT_EQ(Sounds(sounds), std::vector<int>{4});
}

TEST_F(Rules, IceCostsOnArrivalSinksWhileLeftAndLeavesAHoleThatRefuses) {
    PlayState s = Load(Board({"%.#"}));
    ASSERT_EQ(Step(s, rules_, kRight).result, StepResult::kMoved);
    EXPECT_EQ(s.punti, -5);
    EXPECT_EQ(Cell(s, 1, 0), kIce);
    // Off the ice: it sinks during the glide and is a hole afterwards.
    game::FrameReport frame = game::AdvanceFrame(s, rules_, kRight, nullptr);
    EXPECT_EQ(s.animaffonda, 1);
    EXPECT_FALSE(frame.completed);
    SoundList sounds;
    while (!frame.completed) frame = game::AdvanceFrame(s, rules_, -1, &sounds);
    EXPECT_EQ(s.animaffonda, 0);
    EXPECT_EQ(Cell(s, 1, 0), kHole);
    EXPECT_EQ(Sounds(sounds), std::vector<int>{3});
    EXPECT_EQ(s.punti, -5);
    EXPECT_EQ(Step(s, rules_, kLeft).result, StepResult::kRefused);
    EXPECT_EQ(s.passi, 2);
}

TEST_F(Rules, AChickIsCountedOffWhenLeftAndTheLastOneStartsTheLevelEnd) {
    PlayState s = Load(Board({"%-#,"}));
    ASSERT_EQ(s.uova2, 1);
    ASSERT_EQ(s.uova, 1);
    SoundList sounds;
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(s.punti, 35);
    EXPECT_EQ(s.uova2, 1);
    EXPECT_EQ(Cell(s, 1, 0), kChick);
    EXPECT_EQ(sounds.count, 0);
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(Cell(s, 1, 0), kTakenChick);
    EXPECT_EQ(s.uova2, 0);
    EXPECT_EQ(s.finelivello, 0) << "an egg is left";
    EXPECT_EQ(Sounds(sounds), std::vector<int>{8});

    PlayState last = Load(Board({"%-#"}));
    sounds.count = 0;
    Step(last, rules_, kRight, &sounds);
    Step(last, rules_, kRight, &sounds);
    EXPECT_EQ(last.finelivello, 1);
    EXPECT_EQ(Sounds(sounds), (std::vector<int>{8, 5}));
}

TEST_F(Rules, AnEggIsTakenOnArrivalAndTheLastOneThenOnAnExitFinishes) {
    PlayState s = Load(Board({"%,5,"}));
    ASSERT_EQ(s.uova, 2);
    SoundList sounds;
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(Cell(s, 1, 0), kFloor);
    EXPECT_EQ(s.uova, 1);
    EXPECT_EQ(s.punti, 25);
    EXPECT_EQ(Sounds(sounds), std::vector<int>{6});
    Step(s, rules_, kRight);
    EXPECT_FALSE(game::FinishedAtRest(s, rules_)) << "on the exit with an egg left";
    sounds.count = 0;
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(s.finelivello, 1);
    EXPECT_EQ(Sounds(sounds), (std::vector<int>{6, 5}));
    EXPECT_FALSE(game::FinishedAtRest(s, rules_)) << "not on the exit";
    Step(s, rules_, kLeft);
    EXPECT_TRUE(game::FinishedAtRest(s, rules_));
    EXPECT_EQ(s.passi, 4);
    EXPECT_EQ(s.punti, 50);
}

TEST_F(Rules, PickupsBecomeTakenAndTheSpecialOneSounds) {
    PlayState s = Load(Board({"%0Q"}));
    SoundList sounds;
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(Cell(s, 1, 0), kTaken);
    EXPECT_EQ(s.punti, 15);
    EXPECT_EQ(sounds.count, 0);
    Step(s, rules_, kRight, &sounds);
    EXPECT_EQ(Cell(s, 2, 0), kTaken);
    EXPECT_EQ(s.punti, 30);
    EXPECT_EQ(Sounds(sounds), std::vector<int>{11});
}

TEST_F(Rules, OneCompletionPlaysItsEffectsInTheGameOrder) {
    // Leaving a cabin onto a switch: the cabin turns (2), then the switch (4) turns it back.
    PlayState s = Load(Board({";7"}));
    s.giocx = 0;
    s.giocy = 0;
    SoundList sounds;
    ASSERT_EQ(Step(s, rules_, kRight, &sounds).result, StepResult::kMoved);
    EXPECT_EQ(Sounds(sounds), (std::vector<int>{2, 4}));
    EXPECT_EQ(Cell(s, 0, 0), '=') << "turned once by leaving, once more by the switch";
    // Leaving a chick onto the last egg: chick (8), egg (6), level end (5).
    PlayState t = Load(Board({"-,"}));
    t.giocx = 0;
    t.giocy = 0;
    sounds.count = 0;
    ASSERT_EQ(Step(t, rules_, kRight, &sounds).result, StepResult::kMoved);
    EXPECT_EQ(Sounds(sounds), (std::vector<int>{8, 6, 5}));
    EXPECT_EQ(t.punti, 25);
}

TEST_F(Rules, TwoSlidesInARowCostOneStepAtNormalSpeedAndThreeInTurbo) {
    for (int turbo = 0; turbo <= 1; ++turbo) {
        SCOPED_TRACE(turbo);
        PlayState s = Load(Board({"", "", "", "", "", "%22#"}), 0, turbo);
        SoundList sounds;
        const game::StepOutcome out = Step(s, rules_, kRight, &sounds);
        EXPECT_EQ(out.result, StepResult::kMoved);
        EXPECT_EQ(s.giocx, 3) << "slides on to the floor after them";
        EXPECT_EQ(out.moves, 3) << "the move and two slide legs";
        EXPECT_EQ(out.frames, turbo ? 12 : 24);
        EXPECT_EQ(s.passi, turbo ? 5 : 2);
        EXPECT_EQ(Sounds(sounds), std::vector<int>{9}) << "only entering the first slide";
        EXPECT_TRUE(game::AtRest(s));
    }
}

TEST_F(Rules, TurboDoublesStepsAndPointsAndHalvesTheGlide) {
    PlayState s = Load(Board({"%,."}), 0, 1);
    EXPECT_EQ(Step(s, rules_, kRight).frames, 4);
    EXPECT_EQ(s.punti, 50);
    Step(s, rules_, kRight);
    EXPECT_EQ(s.punti, 40);
    EXPECT_EQ(s.passi, 4);
}

TEST_F(Rules, ASlideLetterPastThreeWrapsIntoTheFourDirections) {
    game::pezzi_Str('Z' - 35) = "ZZZZ000G6";
    Rebuild();
    PlayState s = Load(Board({"", "", "", "", "", "%Z"}));
    const game::StepOutcome out = Step(s, rules_, kRight);
    EXPECT_EQ(out.result, StepResult::kMoved);
    EXPECT_EQ(s.giocx, 1);
    EXPECT_EQ(s.giocy, 6) << "letter 6 slides as 2, down, onto the floor below";
    EXPECT_EQ(out.moves, 2);
}

TEST_F(Rules, SlidesInACycleAreReportedEndless) {
    PlayState s = Load(Board({"", "", "", "", "", "%24"}));
    EXPECT_EQ(Step(s, rules_, kRight).result, StepResult::kEndless);
}

TEST_F(Rules, ACellOutsideThePieceTableIsAFault) {
    PlayState s = Load(Board({"%"}));
    s.cells[1] = 200;  // piece 165, past the table
    EXPECT_EQ(Step(s, rules_, kRight).result, StepResult::kFault);
}

TEST_F(Rules, PositionsDifferByCellsPlaceAndCountersNotByScore) {
    PlayState a = Load(Board({"%,"}));
    PlayState b = a;
    b.passi = 7;
    b.punti = -3;
    b.giocdir = 0;
    EXPECT_TRUE(game::SamePosition(a, b));
    EXPECT_EQ(game::PositionHash(a), game::PositionHash(b));
    b.cells[200] = kWall;
    EXPECT_FALSE(game::SamePosition(a, b));
    EXPECT_NE(game::PositionHash(a), game::PositionHash(b));
    b = a;
    b.giocx = 3;
    EXPECT_FALSE(game::SamePosition(a, b));
    b = a;
    b.uova = 0;
    EXPECT_FALSE(game::SamePosition(a, b));
}

}  // namespace
