// The records line of a map, the replay a steps record leaves, and which replay lines count.
#include "game/play/records.h"

#include <gtest/gtest.h>

#include <string>

#include "game/media_folder.h"
#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/base/log.h"
#include "runtime/values/line_file.h"

namespace {

using game_test::CrLfLines;

class Records : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        game::mapset_Str = "sch1";
        game::estdoc_Str = "txt";
        game::null_Str = "Ruto_Software";
        game::nome_Str = "ABC";
    }
    // The line that comparing an attempt against `stored` leaves, and whether it beat any.
    std::string Compare(const std::string& stored, double steps, double points, double seconds,
                        bool* beaten = nullptr) {
        game::a_Str = stored;
        game::passi = steps;
        game::punti = points;
        game::t1 = static_cast<int>(seconds / 60);
        game::t2 = seconds - 60 * game::t1;
        const bool any = game::CompareRecords();
        if (beaten) *beaten = any;
        return game::a_Str.str();
    }
};

TEST_F(Records, BeatingEveryRecordWritesTheWholeLine) {
    game::map = 3;
    bool beaten = false;
    const std::string line = Compare("03 0100 OLD 0100 OLD 0200 OLD ", 42, 150, 65, &beaten);
    EXPECT_TRUE(beaten);
    EXPECT_EQ(line, "03 0042 ABC 0150 ABC 0105 ABC ");
    EXPECT_EQ(line.size(), 30u);
}

TEST_F(Records, OnlyTheBeatenFieldAndItsHolderChange) {
    game::map = 7;
    EXPECT_EQ(Compare("07 0010 AAA 0050 BBB 0001 CCC ", 24, 75, 12),
              "07 0010 AAA 0075 ABC 0001 CCC ");
    bool beaten = true;
    Compare("07 0010 AAA 0050 BBB 0001 CCC ", 10, 50, 1, &beaten);
    EXPECT_FALSE(beaten) << "equal results are no records";
}

TEST_F(Records, FieldsThatHoldNoNumberAreBeatenByAnyResult) {
    game::map = 0;
    // The shipped placeholders, a missing line and a short hand-edited one.
    EXPECT_EQ(Compare("00 9999 --- ---- --- 9999 --- ", 24, -30, 12),
              "00 0024 ABC 0-30 ABC 0012 ABC ");
    EXPECT_EQ(Compare("NO_DATA", 24, 75, 12), "00 0024 ABC 0075 ABC 0012 ABC ");
    EXPECT_EQ(Compare("", 5, 0, 0), "00 0005 ABC 0000 ABC 0000 ABC ");
    EXPECT_EQ(Compare("00 0030 AB", 31, 1, 1), "00 0030 AB  0001 ABC 0001 ABC ");
}

TEST_F(Records, PointsCompareAsNumbersAlsoBelowZero) {
    game::map = 1;
    // As texts "00-5" sorts above "00-1"; as numbers -1 beats -5 and -5 does not beat -1.
    EXPECT_EQ(Compare("01 0010 AAA 00-5 BBB 0100 CCC ", 20, -1, 100),
              "01 0010 AAA 00-1 ABC 0100 CCC ");
    bool beaten = true;
    Compare("01 0010 AAA 00-1 BBB 0100 CCC ", 20, -5, 100, &beaten);
    EXPECT_FALSE(beaten);
    double value = 0;
    EXPECT_TRUE(game::RecordFieldValue("0-30", &value));
    EXPECT_EQ(value, -30);
    for (const char* field : {"----", "DATA", "", "12", "1 34", "00-", "-0-1"})
        EXPECT_FALSE(game::RecordFieldValue(field, &value)) << field;
}

TEST_F(Records, ATooLongStepsRecordKeepsTheOldReplay) {
    game::map = 0;
    WriteMedia("Zolv-sch1-memo.txt", CrLfLines({"0123"}));
    game::mosse_Str = std::string(LineFileCache::kMaxLineLength + 1, '1');
    EXPECT_FALSE(game::StoreStepsReplay());
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-sch1-memo.txt"), CrLfLines({"0123"}));

    game::mosse_Str = "0011";
    EXPECT_TRUE(game::StoreStepsReplay());
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-sch1-memo.txt"), CrLfLines({"0011"}));
}

TEST_F(Records, ATooLongRecordingKeepsTheOldReplay) {
    game::map = 1;
    WriteMedia("Zolv-sch1-memo.txt", CrLfLines({"0123", "2211"}));
    game::replay_Str = std::string(LineFileCache::kMaxLineLength + 1, '2');
    EXPECT_FALSE(game::StoreRecording());
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-sch1-memo.txt"), CrLfLines({"0123", "2211"}));

    game::replay_Str = std::string(LineFileCache::kMaxLineLength, '3');
    EXPECT_TRUE(game::StoreRecording());
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-sch1-memo.txt"),
              CrLfLines({"0123", std::string(LineFileCache::kMaxLineLength, '3')}));
}

TEST_F(Records, MarkerAndMissingLinesMeanNoReplay) {
    game::map = 1;
    game::ReadReplayLine();
    EXPECT_EQ(game::rep, -1) << "no replay file";
    EXPECT_EQ(game::replay_Str, "");
    FlushLineFile();
    WriteMedia("Zolv-sch1-memo.txt", CrLfLines({"0A1", "Ruto_Software"}));
    game::ReadReplayLine();
    EXPECT_EQ(game::rep, -1) << "the marker";
    game::map = 5;
    game::ReadReplayLine();
    EXPECT_EQ(game::rep, -1) << "a missing line";
    game::map = 0;
    game::ReadReplayLine();
    EXPECT_EQ(game::rep, 0);
    EXPECT_EQ(game::replay_Str, "0A1");
}

TEST_F(Records, ProgressLettersFollowTheNextMapWithinTheSet) {
    game::filegioc_Str = "Media/Zolv-gioc.txt";
    game::mapmax = 39;
    game::map2 = 5;
    game::map = 37;
    game::StoreProgress();
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-gioc.txt"), CrLfLines({"", "D", "H"}));
    game::map = 40;
    game::StoreProgress();
    FlushLineFile();
    EXPECT_EQ(ReadMedia("Zolv-gioc.txt"), CrLfLines({"", "D", "H"})) << "past the set";
}

}  // namespace
