// The maps, the files a new player finds, and the solutions of the shipped levels.
#include <gtest/gtest.h>

#include <fstream>

#include "media_data.h"
#include "support/scratch_files.h"

namespace {
const std::string kMedia = "/Media/";

std::string SolutionsFile() {
    return std::string(ZOLV_SOURCE_DIR) + "/tools/levelcheck/solutions.txt";
}
}  // namespace

TEST(Levels, MapLinesHoldKnownPiecesAndOneStart) {
    MediaSettings s = ReadSettings(MediaDir());
    auto maps = ReadLines(MediaDir() + kMedia + "Zolv-sch1-mappe.txt");
    ASSERT_GE(maps.size(), 12u);
    const char start = char(s.roles["GIOC"] + 35), egg = char(s.roles["UOVO"] + 35),
               chick = char(s.roles["PULC"] + 35);
    for (size_t m = 0; m < maps.size(); ++m) {
        const std::string& map = maps[m];
        ASSERT_EQ(map.size(), 256u) << "map " << m;
        int starts = 0, gather = 0, exits = 0;
        for (char c : map) {
            int p = static_cast<unsigned char>(c) - 35;
            ASSERT_TRUE(p >= 0 && p < 128 && !s.pieces[p].empty()) << "map " << m << " piece " << c;
            starts += c == start;
            gather += c == egg || c == chick;
            exits += s.pieces[p][7] == 'X';
        }
        EXPECT_EQ(starts, 1) << "map " << m;
        EXPECT_GT(gather, 0) << "map " << m << " could never be finished";
        EXPECT_GT(exits, 0) << "map " << m;
    }
}

TEST(Levels, EverySolutionFinishesItsLevelWithinTheLimits) {
    auto maps = ReadLines(MediaDir() + kMedia + "Zolv-sch1-mappe.txt");
    auto solutions = ReadLines(SolutionsFile());
    ASSERT_EQ(solutions.size(), maps.size());
    EXPECT_EQ(RunProgram(ToolPath("levelcheck") + " " + MediaDir() + " " + SolutionsFile() +
                         " > /dev/null"),
              0);
}

TEST(Levels, CheckerRefusesABrokenSolution) {
    // Guards the check above: a solution that stops one move short must fail.
    auto solutions = ReadLines(SolutionsFile());
    ASSERT_FALSE(solutions.empty());
    std::string dir = MakeScratchFolder("levels_short");
    std::string shortened;
    for (auto& l : solutions) shortened += l.substr(0, l.size() - 1) + "\n";
    ASSERT_TRUE(WriteWholeFile(dir + "short.txt", shortened));
    EXPECT_EQ(
        RunProgram(ToolPath("levelcheck") + " " + MediaDir() + " " + dir + "short.txt > /dev/null"),
        1);
}

TEST(Levels, DemonstrationFinishesLevelZeroAndHasItsPages) {
    MediaSettings s = ReadSettings(MediaDir());
    const std::string demo = s.options["DEMO"];
    ASSERT_FALSE(demo.empty());
    std::string dir = MakeScratchFolder("levels_demo");
    ASSERT_TRUE(WriteWholeFile(dir + "demo.txt", demo + "\n"));
    // Only map 0 has a line: the others report unfinished, so read map 0's verdict.
    std::string out = dir + "out.txt";
    RunProgram(ToolPath("levelcheck") + " " + MediaDir() + " " + dir + "demo.txt > " + out);
    auto report = ReadLines(out);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0].rfind("map 0: finished", 0), 0u) << report[0];
    int stops = 0;
    for (char c : demo) stops = std::max(stops, c >= 'A' && c <= 'Z' ? c - 'A' + 1 : 0);
    for (int lang = 0; lang < 2; ++lang) {
        auto pages =
            ReadLines(MediaDir() + kMedia + "Zolv-sch1-info-" + std::to_string(lang) + ".txt");
        ASSERT_GE(int(pages.size()), stops) << "language " << lang;
        for (int p = 0; p < stops; ++p) EXPECT_FALSE(pages[p].empty());
    }
}

TEST(NewPlayerFiles, RecordsReplaysAndPlayerAreReady) {
    auto maps = ReadLines(MediaDir() + kMedia + "Zolv-sch1-mappe.txt");
    auto scores = ReadLines(MediaDir() + kMedia + "Zolv-sch1-punti.txt");
    auto replays = ReadLines(MediaDir() + kMedia + "Zolv-sch1-memo.txt");
    ASSERT_EQ(scores.size(), maps.size());
    ASSERT_EQ(replays.size(), maps.size());
    for (size_t m = 0; m < maps.size(); ++m) {
        ASSERT_EQ(scores[m].size(), 30u) << scores[m];
        char num[32];
        std::snprintf(num, sizeof num, "%02zu", m);
        EXPECT_EQ(scores[m].substr(0, 2), num);
        // Any first finish beats them: steps and time compared as texts must be smaller,
        // points greater, even for negative points ("00-5", "-999").
        EXPECT_LT(std::string("1280"), scores[m].substr(3, 4));
        EXPECT_GT(std::string("-999"), scores[m].substr(12, 4));
        EXPECT_GT(std::string("00-5"), scores[m].substr(12, 4));
        EXPECT_LT(std::string("1459"), scores[m].substr(21, 4));
        EXPECT_EQ(replays[m], "Ruto_Software");
    }
    auto player = ReadLines(MediaDir() + kMedia + "Zolv-gioc.txt");
    ASSERT_GE(player.size(), 8u);
    EXPECT_EQ(player[0], "PL1");
    EXPECT_EQ(player[1], "A");
    EXPECT_EQ(player[2], "A");
    for (int l = 3; l <= 7; ++l) EXPECT_EQ(player[l], "0") << "line " << l;
}

TEST(NewPlayerFiles, ReadmesEndWithTheMarkerAndFitTheViewer) {
    for (const char* name : {"/Leggimi.txt", "/Read_Me.txt"}) {
        auto lines = ReadLines(MediaDir() + name);
        ASSERT_GT(lines.size(), 20u) << name;
        ASSERT_LE(lines.size(), 256u);
        EXPECT_EQ(lines.back(), "EOF") << name;
        for (const auto& l : lines) {
            EXPECT_LE(l.size(), 40u) << name << ": " << l;
            for (char c : l) EXPECT_TRUE(c >= 32 && c <= 126) << name << ": " << l;
        }
    }
}

TEST(LevelChecker, AppliesTheMoveRules) {
    // Tiny one-row boards played by the checker with the shipped piece table: each pair is a
    // board row and a replay line, with the verdict the game's rules give.
    struct Case {
        const char* row;
        const char* replay;
        bool finishes;
    };
    const Case cases[] = {
        {"%,5", "11", true},       // egg, then the exit
        {"%,5", "1", false},       // not on the exit
        {"%?,5", "111", true},     // cabin open left and right
        {"%;,5", "111", false},    // cabin closed on the left refuses the way in
        {"%=,5", "111", false},    // cabin closed on the right refuses the way out
        {"%2,5", "111", true},     // the slide's own move is recorded in the line
        {"%2,5", "11", false},     // so without it the line falls short
        {"%A,C5", "1111", true},   // the red switch lowers the barrier
        {"%#,C5", "1111", false},  // a raised barrier stops the player
        {",#%5", "33111", true},   // there and back over floor
        {",.%5", "33111", false},  // ice melts behind the player: no way back
    };
    std::string dir = MakeScratchFolder("levelcheck_rules");
    std::string maps, lines;
    for (const auto& c : cases) {
        std::string map = c.row;
        map.resize(256, '$');
        maps += map + "\r\n";
        lines += std::string(c.replay) + "\n";
    }
    ASSERT_EQ(RunProgram("mkdir -p " + dir + "Media"), 0);
    ASSERT_TRUE(WriteWholeFile(dir + "Media/Zolv-sch1-mappe.txt", maps));
    ASSERT_TRUE(WriteWholeFile(dir + "Media/Zolv-dat1.txt",
                               ReadWholeFile(MediaDir() + kMedia + "Zolv-dat1.txt")));
    ASSERT_TRUE(WriteWholeFile(dir + "lines.txt", lines));
    RunProgram(ToolPath("levelcheck") + " " + dir + " " + dir + "lines.txt > " + dir + "out.txt");
    auto report = ReadLines(dir + "out.txt");
    ASSERT_EQ(report.size(), std::size(cases));
    for (size_t i = 0; i < report.size(); ++i)
        EXPECT_EQ(report[i].find(": finished") != std::string::npos, cases[i].finishes)
            << cases[i].row << " with " << cases[i].replay << ": " << report[i];
}

TEST(LevelChecker, SolverFindsEveryShippedLevelAndNotABlockedOne) {
    std::string dir = MakeScratchFolder("levelcheck_solve");
    RunProgram(ToolPath("levelcheck") + " " + MediaDir() + " --solve > " + dir + "out.txt");
    auto report = ReadLines(dir + "out.txt");
    auto maps = ReadLines(MediaDir() + kMedia + "Zolv-sch1-mappe.txt");
    ASSERT_EQ(report.size(), maps.size());
    for (const auto& l : report) EXPECT_EQ(l.find("no solution"), std::string::npos) << l;

    // A board whose only egg sits behind a raised barrier with no switch has no solution.
    ASSERT_EQ(RunProgram("mkdir -p " + dir + "blocked/Media"), 0);
    std::string map = "%#C,#5";
    map.resize(256, '$');
    ASSERT_TRUE(WriteWholeFile(dir + "blocked/Media/Zolv-sch1-mappe.txt", map + "\r\n"));
    ASSERT_TRUE(WriteWholeFile(dir + "blocked/Media/Zolv-dat1.txt",
                               ReadWholeFile(MediaDir() + kMedia + "Zolv-dat1.txt")));
    RunProgram(ToolPath("levelcheck") + " " + dir + "blocked --solve > " + dir + "blocked.txt");
    auto blocked = ReadLines(dir + "blocked.txt");
    ASSERT_EQ(blocked.size(), 1u);
    EXPECT_NE(blocked[0].find("no solution"), std::string::npos) << blocked[0];
}
