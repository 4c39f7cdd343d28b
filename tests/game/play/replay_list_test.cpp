// Reading a replay list: the fields of a check, the moves taken verbatim, line numbers that
// count blank lines, and the lines that are refused.
#include <gtest/gtest.h>

#include <string>

#include "game/play/replay_check.h"

namespace {

using game::ParseReplayList;

TEST(ReplayList, LinesBecomeChecksWithTheirNumbersAndMovesVerbatim) {
    const auto lines = ParseReplayList("3 0 0 0123A\r\n\n  \n12 1 3 2 1\n7 0 2\n40 1 1 \n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].number, 1);
    EXPECT_EQ(lines[0].request.map, 3);
    EXPECT_EQ(lines[0].request.turbo, 0);
    EXPECT_EQ(lines[0].request.rotation, 0);
    EXPECT_EQ(lines[0].request.moves, "0123A");  // the CR of a CRLF file is not a move
    // Blank lines are left out but counted.
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(lines[1].request.map, 12);
    EXPECT_EQ(lines[1].request.turbo, 1);
    EXPECT_EQ(lines[1].request.rotation, 3);
    EXPECT_EQ(lines[1].request.moves, "2 1");
    // No moves at all, with or without the space before them.
    EXPECT_EQ(lines[2].request.rotation, 2);
    EXPECT_EQ(lines[2].request.moves, "");
    EXPECT_EQ(lines[3].request.moves, "");
    for (const auto& line : lines) EXPECT_EQ(line.error, "") << line.number;
}

TEST(ReplayList, MalformedLinesAreRefusedOneByOne) {
    const char* bad[] = {"bad line",  "3 2 0 01", "3 0 4 01",          "3 0", "-1 0 0 01",
                         "3  0 0 01", "3 0 0x01", "1234567890 0 0 01", "3 1"};
    std::string text;
    for (const char* b : bad) text += std::string(b) + "\n";
    text += "5 1 1 0\n";
    const auto lines = ParseReplayList(text);
    ASSERT_EQ(lines.size(), std::size(bad) + 1);
    for (size_t i = 0; i < std::size(bad); ++i) {
        EXPECT_NE(lines[i].error.find(bad[i]), std::string::npos) << bad[i];
        EXPECT_EQ(lines[i].number, static_cast<int>(i) + 1);
    }
    // The line after them is still read.
    EXPECT_EQ(lines.back().error, "");
    EXPECT_EQ(lines.back().request.map, 5);
    EXPECT_EQ(lines.back().request.moves, "0");
}

}  // namespace
