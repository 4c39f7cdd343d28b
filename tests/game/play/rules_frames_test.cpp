// AzioniGIOCO on the game's variables, frame by frame through the play loop's own step
// (PlayStep), against the step function: the same replay lines give the same boards, steps and
// points after every move, under every view rotation; and what only the frame procedure does (the
// move texts, ok, Punteggi).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/maps/settings_file.h"
#include "game/play/controls.h"
#include "game/play/play_loop.h"
#include "game/screen/screen_helpers.h"
#include "game/state/entry_point.h"
#include "rules_fixture.h"
#include "runtime/audio/sound.h"
#include "runtime/platform/keyboard.h"
#include "support/wave_file.h"

namespace {

using namespace rules_test;

// What a move leaves behind that the two paths must agree on.
struct Snapshot {
    std::string cells;
    int x, y, eggs, chicks, finelivello, passi, punti;
    bool operator==(const Snapshot&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
    return out << "(" << s.x << "," << s.y << ") eggs " << s.eggs << " chicks " << s.chicks
               << " end " << s.finelivello << " steps " << s.passi << " points " << s.punti
               << " board " << s.cells;
}
Snapshot Take(const game::PlayState& s) {
    return {std::string(s.cells, s.cells + 256),
            s.giocx,
            s.giocy,
            s.uova,
            s.uova2,
            s.finelivello,
            s.passi,
            s.punti};
}

class Frames : public ShippedRules {
  protected:
    // Plays `line` as a replay being viewed, frame by frame through the play loop's own step
    // (no picture is drawn, so the level-end count never runs out), and notes the state each
    // time a started move comes to rest.
    std::vector<Snapshot> PlayFrames(const std::string& line) {
        game::rivede = 1;
        game::map3 = -1;  // not the demonstration: the map's own line is viewed
        game::prova = 0;
        game::ogni = game::ControlsEvery(game::turbo);
        game::rep = 0;
        game::replay_Str = line;
        game::mosse_Str = "";
        std::vector<Snapshot> seen;
        bool pending = false;
        for (int frame = 0; frame < 400000; ++frame) {
            const int recorded = Len(game::mosse_Str);
            const game::EntryPoint next = game::PlayStep();
            EXPECT_EQ(next, game::EntryPoint::kFrame) << "frame " << frame;
            if (next != game::EntryPoint::kFrame) break;
            if (Len(game::mosse_Str) > recorded && game::scivolo == -1) pending = true;
            const bool resting = game::movimento == -1 && game::scivolo == -1;
            if (pending && resting) {
                game::PlayState now;
                game::PlayStateFromGame(now);
                seen.push_back(Take(now));
                pending = false;
            }
            if (resting && game::rep >= Len(game::replay_Str)) break;
        }
        return seen;
    }
    // The same line through the step function, noting the state after every step.
    std::vector<Snapshot> PlaySteps(game::PlayState& s, const std::string& line) {
        std::vector<Snapshot> seen;
        size_t at = 0;
        while (at < line.size()) {
            const int request = line[at] - '0';
            if (request > 3) {
                ++at;
                continue;
            }
            at += game::Step(s, rules_, request).moves;
            seen.push_back(Take(s));
        }
        return seen;
    }
    game::PlayState LoadMap(int m, int rotation, int turbo = 0) {
        game::map = m;
        game::editor = 0;
        game::MappaCARICA();
        game::rotazione = rotation;
        game::turbo = turbo;
        game::PlayState s;
        game::PlayStateFromGame(s);
        return s;
    }
};

TEST_F(Frames, EveryShippedSolutionGivesTheSameMovesFrameByFrameAndByStep) {
    const std::vector<std::string> solutions = ShippedSolutions();
    ASSERT_FALSE(solutions.empty());
    for (size_t m = 0; m < solutions.size(); ++m) {
        for (int rotation : {0, 3}) {
            SCOPED_TRACE(testing::Message() << "map " << m << " rotation " << rotation);
            game::PlayState state = LoadMap(static_cast<int>(m), rotation);
            const std::vector<Snapshot> by_step = PlaySteps(state, solutions[m]);
            LoadMap(static_cast<int>(m), rotation);
            const std::vector<Snapshot> by_frame = PlayFrames(solutions[m]);
            ASSERT_EQ(by_frame.size(), by_step.size());
            for (size_t i = 0; i < by_step.size(); ++i) ASSERT_EQ(by_frame[i], by_step[i]) << i;
            EXPECT_EQ(game::mosse_Str, solutions[m]) << "every move and slide leg recorded";
            EXPECT_EQ(game::rep, Len(game::replay_Str));
        }
    }
}

TEST_F(Frames, TheSameMovesUnderEveryRotationGiveTheSameGameAndTurboDoubles) {
    const std::vector<std::string> solutions = ShippedSolutions();
    for (size_t m = 0; m < solutions.size(); ++m) {
        SCOPED_TRACE(testing::Message() << "map " << m);
        game::PlayState first = LoadMap(static_cast<int>(m), 0);
        const std::vector<Snapshot> at_rotation_0 = PlaySteps(first, solutions[m]);
        for (int rotation = 1; rotation < 4; ++rotation) {
            game::PlayState s = LoadMap(static_cast<int>(m), rotation);
            EXPECT_EQ(PlaySteps(s, solutions[m]), at_rotation_0) << "rotation " << rotation;
        }
        game::PlayState fast = LoadMap(static_cast<int>(m), 0, 1);
        const std::vector<Snapshot> turbo = PlaySteps(fast, solutions[m]);
        ASSERT_EQ(turbo.size(), at_rotation_0.size());
        EXPECT_EQ(turbo.back().cells, at_rotation_0.back().cells);
        EXPECT_EQ(turbo.back().punti, 2 * at_rotation_0.back().punti);
        EXPECT_GE(turbo.back().passi, 2 * at_rotation_0.back().passi)
            << "double, and slide legs after the first cost one each";
    }
}

TEST_F(Frames, ARefusedMoveIsRecordedAndConsumedButNotCounted) {
    game::PlayState s = Load(Board({"", "", "###############%"}));
    ASSERT_EQ(s.giocx, 15);
    game::rivede = -1;
    game::replay_Str = "";
    game::mosse_Str = "";
    game::tasdir = kRight;
    game::ok = 0;
    game::AzioniGIOCO();
    EXPECT_EQ(game::ok, 1);
    EXPECT_EQ(game::mosse_Str, "1");
    EXPECT_EQ(game::replay_Str, "1");
    EXPECT_EQ(game::passi, 0);
    EXPECT_EQ(game::movimento, -1);
    EXPECT_EQ(game::giocx, 15);
    EXPECT_EQ(game::giocdir, kRight);

    // Viewing a replay, the refused move consumes its character.
    game::rivede = 1;
    game::rep = 0;
    game::replay_Str = "11";
    game::ok = 0;
    game::AzioniGIOCO();
    EXPECT_EQ(game::ok, 1);
    EXPECT_EQ(game::rep, 1);
}

TEST_F(Frames, AGlideShowsItsFramesInTheGameVariables) {
    Load(Board({"%,"}));
    game::rivede = 0;
    game::tasdir = kRight;
    game::AzioniGIOCO();
    EXPECT_EQ(game::movimento, 1);
    EXPECT_EQ(game::movx, 2.5);
    EXPECT_EQ(game::mx, 1);
    EXPECT_EQ(game::extipo_Str, "F");
    EXPECT_EQ(game::tipo_Str, "O");
    EXPECT_EQ(game::tipo2_Str, "P");
    game::tasdir = -1;
    for (int f = 2; f <= 7; ++f) game::AzioniGIOCO();
    EXPECT_EQ(game::movimento, 7);
    EXPECT_EQ(game::movx, 17.5);
    EXPECT_EQ(game::giocx, 0) << "still on the cell being left";
    game::AzioniGIOCO();
    EXPECT_EQ(game::movimento, -1);
    EXPECT_EQ(game::giocx, 1);
    EXPECT_EQ(game::movx, 0);
    EXPECT_EQ(game::direzione, -1);
    EXPECT_EQ(CharAt(game::mappa_Str, 1), kFloor);
    EXPECT_EQ(game::newtipo_Str, "#");
    EXPECT_EQ(game::uova, 0);
    EXPECT_EQ(game::finelivello, 1);
    EXPECT_EQ(game::pt, 25);
    EXPECT_EQ(game::punti, 25);
}

TEST_F(Frames, PunteggiScoresTheCellArrivedAtInOrderAndDoublesInTurbo) {
    struct Case {
        const char* kind;
        const char* kind2;
        int points;
    };
    // A later test replaces an earlier one: a cabin with a pickup letter still costs 1.
    for (const Case& c :
         {Case{"F", "U", 15}, Case{"F", "A", -5}, Case{"I", "A", -10}, Case{"O", "U", 25},
          Case{"P", "P", 35}, Case{"C", "U", -1}, Case{"F", "-", 0}, Case{"", "", 0}}) {
        for (int turbo = 0; turbo <= 1; ++turbo) {
            game::tipo_Str = c.kind;
            game::tipo2_Str = c.kind2;
            game::turbo = turbo;
            game::punti = 100;
            game::Punteggi();
            EXPECT_EQ(game::pt, c.points) << c.kind << c.kind2;
            EXPECT_EQ(game::punti, 100 + c.points * (turbo + 1)) << c.kind << c.kind2;
        }
    }
}

TEST_F(Frames, ASlideLetterPastThreeNeverAsksForAMoveOutsideTheFourDirections) {
    game::pezzi_Str('Z' - 35) = "ZZZZ000G9";
    Load(Board({"", "", "", "", "", "%Z"}));
    game::rivede = 0;
    game::tasdir = kRight;
    for (int f = 0; f < 8; ++f) {
        game::AzioniGIOCO();
        game::tasdir = -1;
    }
    EXPECT_EQ(game::scivolo, 1) << "9 slides as 1";
    EXPECT_EQ(game::movimento, 0);
}

}  // namespace

namespace {

// Enter pressed and let go over and over, so the key wait after the marker ends.
void ScriptKeyPresses() {
    std::vector<std::vector<ScriptedKey>> steps;
    for (int i = 0; i < 10; ++i) {
        steps.push_back({{28, true}});
        steps.push_back({});
        steps.push_back({{28, false}});
        steps.push_back({});
    }
    PlatformSetKeyScript(steps);
}

TEST_F(Frames, AnInformationStopWhileRecordingGoesBeforeTheMoveOfItsFrame) {
    Load(Board({"%"}));
    game::rivede = -1;
    game::replay_Str = "";
    game::testoreplay = 0;
    for (const char* expected : {"A1", "A1B3"}) {
        ScriptKeyPresses();
        game::tasa = 1;
        game::tasdir = game::giocx == 0 ? kRight : kLeft;
        game::AzioniGIOCO();
        game::tasa = 0;
        game::tasdir = -1;
        while (game::movimento != -1) game::AzioniGIOCO();
        EXPECT_EQ(game::replay_Str, expected);
    }
    EXPECT_EQ(game::testoreplay, 2);
    PlatformSetKeyScript({});
}

}  // namespace

namespace {

TEST_F(Frames, ACellOutsideThePieceTableStopsTheGameWithError9) {
    Load(Board({"%"}));
    game::mappa_Str = "#\xC8" + Substring(game::mappa_Str, 2, 254);
    game::tasdir = kRight;
    EXPECT_EXIT(game::AzioniGIOCO(), testing::ExitedWithCode(1), "runtime error 9");
}

}  // namespace

namespace {

// Peak of the next 512 frames of mixed output, left channel.
int Heard() {
    std::vector<int16_t> out(1024);
    SoundRender(out.data(), 512);
    int peak = 0;
    for (size_t i = 0; i < out.size(); i += 2) peak = std::max(peak, std::abs(int{out[i]}));
    return peak;
}

TEST_F(Frames, TheFramePlaysTheReportedEffectsSoTheLastOneIsHeard) {
    SoundCreate();
    ASSERT_TRUE(SoundInitDevice(SoundOutput::kPulled));
    // Effect 6 (egg) quiet, effect 5 (last egg or chick) loud.
    for (const auto& [slot, level] : {std::pair{6, 2000}, std::pair{5, 12000}}) {
        std::vector<int16_t> square(4000);
        for (size_t i = 0; i < square.size(); ++i)
            square[i] = static_cast<int16_t>((i / 20) % 2 ? level : -level);
        const std::string file = WriteTestFile("rules_effect_" + std::to_string(slot) + ".wav",
                                               MakeWave({}, Pcm16(square)));
        ASSERT_EQ(LoadSoundSlot(file, slot, 1), 1);
    }
    auto heard_alone = [](int slot) {
        StopAllSounds();
        PlaySoundSlot(slot, 0, 1);
        return Heard();
    };
    const int egg = heard_alone(6), last = heard_alone(5);
    ASSERT_LT(egg, last);
    StopAllSounds();

    Load(Board({"%,,"}));
    game::suoni = 1;
    game::stereo = 0;
    game::volumebase = 1;
    game::rivede = 0;
    for (int expected : {egg, last}) {
        game::tasdir = kRight;
        game::AzioniGIOCO();
        game::tasdir = -1;
        while (game::movimento != -1) game::AzioniGIOCO();
        EXPECT_EQ(Heard(), expected);
    }
    SoundShutdown();
}

}  // namespace
