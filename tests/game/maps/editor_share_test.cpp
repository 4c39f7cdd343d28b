// Reading a level shared as one line of text, on the shipped piece table: what is refused
// (a wrong start, a board of the wrong length or of characters that name no piece, anything
// after the board but a replay, line ends inside, a replay the replay file cannot hold or of
// characters that are no moves) and a line written by the editor read back unchanged.
#include "game/maps/editor_share.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/play/rules_fixture.h"
#include "runtime/values/line_file.h"

namespace {

// The boards of the shipped map file, in their order.
std::vector<std::string> ShippedBoards() {
    const std::string maps =
        ReadWholeFile(std::string(ZOLV_SOURCE_DIR) + "/media/Media/Zolv-sch1-mappe.txt");
    std::vector<std::string> boards;
    for (size_t from = 0, at; (at = maps.find('\n', from)) != std::string::npos; from = at + 1) {
        std::string b = maps.substr(from, at - from);
        if (!b.empty() && b.back() == '\r') b.pop_back();
        if (b.size() == 256) boards.push_back(b);
    }
    return boards;
}

class ShareLine : public rules_test::ShippedRules {
  protected:
    void SetUp() override {
        ShippedRules::SetUp();
        // Map 1 of the shipped set: a start, chicks, an egg and an exit.
        board_ = ShippedBoards().at(1);
    }
    // Whether `line` reads, keeping what it read.
    bool Reads(const std::string& line) {
        read_board_ = "unset";
        read_replay_ = "unset";
        return game::ReadShareLine(line, &read_board_, &read_replay_);
    }
    std::string board_, read_board_, read_replay_;
};

TEST_F(ShareLine, WrongStartIsRefused) {
    for (const char* start : {"", "ZOLV-MAP", "zolv-map ", "ZOLV-MAP2 ", "ZOLV-MAPS ", "ZOLV MAP ",
                              "X ZOLV-MAP ", "ZOLV-MAP\t", "ZOLV-MAP 2 "})
        EXPECT_FALSE(Reads(start + board_)) << start;
    // The untouched outputs: a refusal writes nothing.
    EXPECT_EQ(read_board_, "unset");
    EXPECT_EQ(read_replay_, "unset");
    EXPECT_FALSE(Reads(""));
    EXPECT_FALSE(Reads("   \r\n"));
}

TEST_F(ShareLine, BoardOfTheWrongLengthOrOfCharactersNoMapLineHoldsIsRefused) {
    EXPECT_FALSE(Reads("ZOLV-MAP " + board_.substr(0, 255)));
    EXPECT_FALSE(Reads("ZOLV-MAP " + board_ + "#"));
    EXPECT_FALSE(Reads("ZOLV-MAP " + board_.substr(1) + " 0123"));  // the replay's space moves in
    // Characters below the table (a space, control characters, a NUL), past it (bytes of
    // another encoding) and within it but naming an empty entry.
    std::string empty_entry;
    for (int c = 35; c < 127 && empty_entry.empty(); ++c)
        if (game::pezzi_Str(c - 35).empty()) empty_entry = std::string(1, static_cast<char>(c));
    ASSERT_FALSE(empty_entry.empty()) << "the shipped table has no empty entry below 127";
    for (const std::string& bad :
         {std::string(" "), std::string("\t"), std::string(1, '\0'), std::string("\x7f"),
          std::string("\xc3"), std::string("\xff"), std::string("\""), empty_entry}) {
        std::string b = board_;
        b.replace(100, 1, bad);
        EXPECT_FALSE(Reads("ZOLV-MAP " + b)) << "character " << static_cast<int>(bad[0] & 0xFF);
    }
    // Every character of the shipped boards reads.
    EXPECT_TRUE(Reads("ZOLV-MAP " + board_));
    EXPECT_EQ(read_board_, board_);
}

TEST_F(ShareLine, AnythingAfterTheBoardButAReplayIsRefused) {
    for (const char* tail : {"x", "  0123", " 0123 x", " 01 23", " 0123\t", " 0123#"})
        EXPECT_FALSE(Reads("ZOLV-MAP " + board_ + tail)) << '"' << tail << '"';
    // Spaces and a line end round the line are what a paste brings along.
    EXPECT_TRUE(Reads("  ZOLV-MAP " + board_ + " 0123  \r\n"));
    EXPECT_EQ(read_replay_, "0123");
    EXPECT_TRUE(Reads("ZOLV-MAP " + board_ + " "));
    EXPECT_EQ(read_replay_, "");
}

TEST_F(ShareLine, LineEndsInsideAreRefused) {
    const std::string line = "ZOLV-MAP " + board_ + " 0123";
    for (size_t at : {size_t{4}, size_t{9}, size_t{9 + 128}, size_t{9 + 256}, line.size() - 2})
        for (const char* end : {"\r", "\n", "\r\n"}) {
            std::string cut = line;
            cut.insert(at, end);
            EXPECT_FALSE(Reads(cut)) << "line end at " << at;
        }
    // Two levels pasted at once are not one level.
    EXPECT_FALSE(Reads(line + "\r\n" + line));
}

TEST_F(ShareLine, ReplayTheReplayFileCannotHoldIsRefused) {
    // Moves 0 to 3 and stops A to Z; nothing else is a replay.
    for (const char* replay : {"4", "0a", "01-2", "9", "0\x80"})
        EXPECT_FALSE(Reads("ZOLV-MAP " + board_ + " " + replay)) << replay;
    EXPECT_TRUE(Reads("ZOLV-MAP " + board_ + " 0A1Z23"));
    // A line of the replay file keeps 16383 characters: a longer replay would be cut.
    const size_t longest = LineFileCache::kMaxLineLength;
    EXPECT_TRUE(Reads("ZOLV-MAP " + board_ + " " + std::string(longest, '1')));
    EXPECT_EQ(read_replay_.size(), longest);
    EXPECT_FALSE(Reads("ZOLV-MAP " + board_ + " " + std::string(longest + 1, '1')));
    EXPECT_FALSE(Reads("ZOLV-MAP " + board_ + " " + std::string(1 << 20, 'A')));
}

TEST_F(ShareLine, LineWrittenByTheEditorReadsBackUnchanged) {
    game::mappa_Str = TextValue(board_);
    for (const std::string& replay : {std::string(), std::string("001A111122233233311111")}) {
        const std::string line = game::ShareLine(replay);
        ASSERT_TRUE(Reads(line)) << line;
        EXPECT_EQ(read_board_, board_);
        EXPECT_EQ(read_replay_, replay);
        EXPECT_EQ(line, game::ShareLine(read_replay_));
    }
    // Every shipped board goes round as well.
    int boards = 0;
    for (const std::string& b : ShippedBoards()) {
        game::mappa_Str = TextValue(b);
        EXPECT_TRUE(Reads(game::ShareLine("0123"))) << "board " << boards;
        EXPECT_EQ(read_board_, b);
        ++boards;
    }
    EXPECT_GT(boards, 10);
}

}  // namespace
