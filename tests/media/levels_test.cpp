// The maps, the files a new player finds, and the solutions of the shipped levels.
#include <gtest/gtest.h>

#include <fstream>

#include "media_data.h"
#include "support/scratch_files.h"

namespace {
const std::string kMedia = "/Media/";

// A scratch folder holding a copy of the shipped Media folder, for runs of the game.
std::string MediaCopy(const std::string& name) {
    std::string dir = MakeScratchFolder(name);
    EXPECT_EQ(RunProgram("cp -r " + MediaDir() + "/Media " + dir), 0);
    return dir;
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

TEST(Levels, DemonstrationFinishesLevelZeroAndHasItsPages) {
    MediaSettings s = ReadSettings(MediaDir());
    const std::string demo = s.options["DEMO"];
    ASSERT_FALSE(demo.empty());
    // Played through the real main loop, commentary stops and all.
    std::string dir = MediaCopy("levels_demo");
    RunProgram("SDL_AUDIODRIVER=dummy " + std::string(ZOLV_BINARY_DIR) +
               "/app/zolv --replay-check 0 " + demo + " --dir " + dir + " > " + dir + "out.txt");
    auto report = ReadLines(dir + "out.txt");
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], "finished=1");
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
        // Each level's shortest solution, played by the level checks in CI.
        EXPECT_FALSE(replays[m].empty());
        EXPECT_EQ(replays[m].find_first_not_of("0123"), std::string::npos) << replays[m];
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
