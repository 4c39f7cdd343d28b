// Reading cells through the view rotation, and the drawing grid's window over the board.
#include "game/maps/tile_read.h"

#include <gtest/gtest.h>

#include <string>

#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/base/errors.h"

namespace {

class TileRead : public testing::Test {
  protected:
    void SetUp() override {
        game::ResetGameState();
        game::chrdiff = 35;
        DimArray(game::pezzi_Str, 128);
        // A slide pointing up ("B") turns into right "C", down "D", left "E"; each names the
        // one a quarter turn further. "#" is plain floor, the same under every rotation.
        game::pezzi_Str('#' - 35) = "####001 P";
        game::pezzi_Str('B' - 35) = "BCDE010G0";
        game::pezzi_Str('C' - 35) = "CDEB011G1";
        game::pezzi_Str('D' - 35) = "DEBC012G2";
        game::pezzi_Str('E' - 35) = "EBCD013G3";
        game::mappa_Str = std::string(256, '#');
    }
};

TEST_F(TileRead, RotationPicksTheTurnedPieceAndItsKindLetters) {
    game::mappa_Str = "B" + game::mappa_Str.str().substr(1);
    game::xr = 0;
    game::yr = 0;
    const char* second[] = {"0", "1", "2", "3"};
    for (int r = 0; r < 4; ++r) {
        game::rotazione = r;
        game::MappaLeggeTILE();
        EXPECT_EQ(game::pez, 'B' - 35);
        EXPECT_EQ(game::va, 'B' - 35 + r);
        EXPECT_EQ(game::tipo_Str, "G");
        EXPECT_EQ(game::tipo2_Str, second[r]);
    }
    for (int r = 0; r < 4; ++r) {
        game::rotazione = r;
        game::xr = 5;
        game::MappaLeggeTILE();
        EXPECT_EQ(game::va, 0) << "floor looks the same under rotation " << r;
        EXPECT_EQ(game::tipo2_Str, "P");
    }
}

TEST_F(TileRead, SecondReaderKeepsItsOwnVariables) {
    game::mappa_Str = "#D" + game::mappa_Str.str().substr(2);
    game::xr = 0;
    game::yr = 0;
    game::xrR = 1;
    game::yrR = 0;
    game::MappaLeggeTILE();
    game::MappaLeggeTILE2();
    EXPECT_EQ(game::va, 0);
    EXPECT_EQ(game::tipo_Str, " ");
    EXPECT_EQ(game::vaR, 'D' - 35);
    EXPECT_EQ(game::tipoR_Str, "G");
    EXPECT_EQ(game::tipoR2_Str, "2");
}

TEST_F(TileRead, ShortEntryGivesEmptyKindLetters) {
    game::pezzi_Str('#' - 35) = "####001";
    game::MappaLeggeTILE();
    EXPECT_TRUE(game::tipo_Str.empty());
    EXPECT_TRUE(game::tipo2_Str.empty());
}

TEST_F(TileRead, CellPastTheBoardEndReadsFromTheTableEnd) {
    // Code 0 past the end is piece -35, which counts back from the end of the table.
    game::mappa_Str = "##";
    game::pezzi_Str(128 - 35) = "$$$$099XY";
    game::pezzi_Str('$' - 35) = "$$$$002AB";
    game::xr = 4;
    game::MappaLeggeTILE();
    EXPECT_EQ(game::pez, -35);
    EXPECT_EQ(game::va, 1);
    EXPECT_EQ(game::tipo_Str, "A");
}

TEST(TileReadDeath, PieceOutsideTheTableIsIndexError) {
    game::ResetGameState();
    game::chrdiff = 35;
    DimArray(game::pezzi_Str, 128);
    game::mappa_Str = std::string(256, static_cast<char>(200));  // piece 165
    EXPECT_EXIT(game::MappaLeggeTILE(), testing::ExitedWithCode(1), "");
}

TEST(ViewWindow, FixedBoardRotationsShowTheTurnedCorners) {
    game::ResetGameState();
    game::mappafissa = 1;
    game::zoom = 1;
    game::SetViewWindow();
    EXPECT_EQ(game::xym, 15);
    const int expected[4][2] = {{0, 0}, {0, 15}, {15, 15}, {15, 0}};
    for (int r = 0; r < 4; ++r) {
        game::rotazione = r;
        ASSERT_TRUE(game::GridCell(0, 0));
        EXPECT_EQ(game::xr, expected[r][0]) << "rotation " << r;
        EXPECT_EQ(game::yr, expected[r][1]) << "rotation " << r;
    }
    // Grid place (3, 5) under rotation 1 is cell (5, 12).
    game::rotazione = 1;
    game::GridCell(3, 5);
    EXPECT_EQ(game::xr, 5);
    EXPECT_EQ(game::yr, 12);
}

TEST(ViewWindow, ScrollingWindowFollowsThePlayerAndSkipsOffBoardCells) {
    game::ResetGameState();
    game::mappafissa = 0;
    game::zoom = 1;
    game::giocx = 0;
    game::giocy = 0;
    game::SetViewWindow();
    EXPECT_EQ(game::xym, 13);
    EXPECT_EQ(game::rx0, -6);
    EXPECT_EQ(game::ry0, -6);
    int drawn = 0, lowest = 99, highest = -99;
    for (int ym = 0; ym <= game::xym; ++ym)
        for (int xm = 0; xm <= game::xym; ++xm)
            if (game::GridCell(xm, ym)) {
                ++drawn;
                lowest = std::min(lowest, static_cast<int>(game::xr));
                highest = std::max(highest, static_cast<int>(game::xr));
            }
    EXPECT_EQ(drawn, 8 * 8);
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 7);
}

TEST(ViewWindow, ColumnsRunBackwardsWhenFacingRightAndNarrowAtZoom3) {
    game::ResetGameState();
    game::mappafissa = 0;
    game::zoom = 2;
    game::giocdir = 1;
    game::SetViewWindow();
    EXPECT_EQ(game::xym, 11);
    EXPECT_EQ(game::xm1, 11);
    EXPECT_EQ(game::xm2, 0);
    EXPECT_EQ(game::xms, -1);
    game::zoom = 3;
    game::SetViewWindow();
    EXPECT_EQ(game::xm1, 11);
    EXPECT_EQ(game::xm2, 4);
    game::giocdir = 2;
    game::SetViewWindow();
    EXPECT_EQ(game::xm1, 4);
    EXPECT_EQ(game::xm2, 6);
    EXPECT_EQ(game::xms, 1);
}

TEST(BoardValueHelpers, WrapAndDirectionSteps) {
    EXPECT_EQ(game::AvvolgiVALORE(4, 0, 3), 0);
    EXPECT_EQ(game::AvvolgiVALORE(-1, 0, 3), 3);
    EXPECT_EQ(game::AvvolgiVALORE(2, 0, 3), 2);
    EXPECT_EQ(game::AvvolgiVALORE(110, 10, 99), 10);
    EXPECT_EQ(game::AvvolgiVALORE(100, 10, 99), 100);
    EXPECT_EQ(game::AvvolgiVALORE(0, 10, 99), 100);

    const int steps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(game::DirezioneXY(d, 0), steps[d][0]) << d;
        EXPECT_EQ(game::DirezioneXY(d, 2), steps[d][1]) << d;
    }
    EXPECT_EQ(game::numero, 0);  // the last step read, left's y
    EXPECT_EQ(game::DirezioneXY(4, 0), 0);
    EXPECT_EQ(game::DirezioneXY(-1, 2), 0);
}

TEST(BoardValueHelpers, SpriteNumberAndPaddedNumbers) {
    game::ResetGameState();
    DimArray(game::pezzi_Str, 128);
    game::pezzi_Str(5) = "((((042MA";
    game::pezzi_Str(127) = "~~~~300  ";
    EXPECT_EQ(game::SpritePEZZO(5), 42);
    EXPECT_EQ(game::numero_Str, "042");
    EXPECT_EQ(game::SpritePEZZO(-1), 300);
    EXPECT_EQ(game::SpritePEZZO(6), 0);

    EXPECT_EQ(game::FormattaNUMERO(7, 3), "007");
    EXPECT_EQ(game::FormattaNUMERO(1234, 3), "1234");
    EXPECT_EQ(game::FormattaNUMERO(-5, 3), "0-5");
    EXPECT_EQ(game::n_Str, "-5");
}

TEST(BoardValueHelpersDeath, SpriteOfPieceOutsideTableIsIndexError) {
    game::ResetGameState();
    DimArray(game::pezzi_Str, 128);
    EXPECT_EXIT(game::SpritePEZZO(128), testing::ExitedWithCode(1), "");
}

}  // namespace

namespace {

TEST(HelperLocals, DebuggerSeesTheCallsParametersAndDepth) {
    ResetDebugger();
    Debugger().break_request = 1;
    const int32_t depth = CallDepth();
    game::AvvolgiVALORE(5, 0, 3);
    const DebuggerRecord& record = Debugger();
    ASSERT_EQ(record.local_count, 3);
    ASSERT_NE(record.locals, nullptr);
    EXPECT_STREQ(record.locals[0].name, "variabile");
    EXPECT_STREQ(record.locals[2].name, "ma");
    EXPECT_EQ(record.locals[1].kind, kVarNumber);
    EXPECT_EQ(record.global_count, 274);
    EXPECT_EQ(CallDepth(), depth) << "the call's depth is given back";

    // A breakpoint on the helper's own line stops there with its locals.
    ResetDebugger();
    Debugger().break_request = 1;
    game::DirezioneXY(1, 0);
    const int32_t line = Debugger().line;
    ResetDebugger();
    Debugger().break_request = 0;
    AddBreakpoint(0, line);
    game::AvvolgiVALORE(1, 0, 3);
    EXPECT_NE(Debugger().line, line) << "another helper's line does not stop";
    game::DirezioneXY(2, 2);
    EXPECT_EQ(Debugger().line, line);
    ASSERT_EQ(Debugger().local_count, 2);
    EXPECT_STREQ(Debugger().locals[1].name, "pos");
    ResetDebugger();
    Debugger().break_request = 0;
}

}  // namespace
