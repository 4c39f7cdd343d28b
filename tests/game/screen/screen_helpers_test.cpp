// Drawing helpers on the real OpenGL path: text placement, board sprites with culling and
// zoom, the screen clear, and cutting sprites from the screen.
#include "game/screen/screen_helpers.h"

#include <gtest/gtest.h>

#include <string>

#include "game/maps/settings_file.h"
#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/gfx/draw2d.h"
#include "screen_test_support.h"

namespace {

using game_test::ScreenPixel;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0;

class Screen : public testing::Test {
  protected:
    void SetUp() override {
        game_test::StartEngine();
        game::ResetGameState();
        game::SetSettingsDefaults();
        SetBlendAlpha(0);
        ClearFrame();
    }
    // A sprite of w x h in one colour, cut from a scratch corner of the screen.
    static void MakeSprite(int n, int w, int h, int rgb) {
        ClearFrame();
        FillBox(600, 400, w, h, rgb);
        CaptureSprite(n, 600, 400, w, h);
        ClearFrame();
    }
};

TEST_F(Screen, CentredTextOfFourCharactersStartsAt135) {
    game::chchr = 100;
    MakeSprite(100 + ('A' - 32), 10, 8, kWhite);
    game::ScriveTESTO("AAAA", 888, 100, 10, 1);
    EXPECT_EQ(ScreenPixel(134, 103), kBlack);
    EXPECT_EQ(ScreenPixel(135, 103), kWhite);
    EXPECT_EQ(ScreenPixel(174, 103), kWhite);
    EXPECT_EQ(ScreenPixel(175, 103), kBlack);
    EXPECT_EQ(game::ch, 100 + ('A' - 32));

    game::ch = -7;
    game::ScriveTESTO("", 888, 100, 10, 1);
    EXPECT_EQ(game::ch, -7);
}

// A control character has no sprite of the font: a tab (code 9) would name sprite chchr - 23,
// below the font (outside the sprite table when chchr is below 23). It keeps its place and
// draws nothing; here the sprites it would have named are white, so a draw would show.
TEST_F(Screen, ControlCharactersInTextDrawNothing) {
    game::chchr = 40;
    MakeSprite(40 + ('A' - 32), 10, 8, kWhite);
    MakeSprite(40 + (9 - 32), 10, 8, kWhite);
    MakeSprite(40 + (1 - 32), 10, 8, kWhite);
    game::ch = -7;
    game::ScriveTESTO("\t", 40, 100, 10, 1);
    EXPECT_EQ(game::ch, -7);
    game::ScriveTESTO("\tA\001A", 40, 100, 10, 1);
    EXPECT_EQ(ScreenPixel(45, 103), kBlack);
    EXPECT_EQ(ScreenPixel(55, 103), kWhite);
    EXPECT_EQ(ScreenPixel(65, 103), kBlack);
    EXPECT_EQ(ScreenPixel(75, 103), kWhite);
    EXPECT_EQ(game::ch, 40 + ('A' - 32));
}

TEST_F(Screen, ClearUsesTheBackgroundColour) {
    game::coloresfondo = 0x204080;
    game::Cls();
    EXPECT_EQ(ScreenPixel(0, 0), 0x204080u);
    EXPECT_EQ(ScreenPixel(319, 239), 0x204080u);
}

TEST_F(Screen, TileDrawnWhenAnyCornerIsOnScreen) {
    MakeSprite(7, 20, 12, 0x00FF00);
    game::exam = 0;
    game::DisegnaTILE(0, 7, -5, -5, 0);
    EXPECT_EQ(game::okdisegna, 1);
    EXPECT_EQ(ScreenPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(14, 6), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(15, 7), kBlack);

    // Wholly off screen: nothing drawn, and the blend value is not taken over.
    game::DisegnaTILE(-0.5, 7, -30, 100, 0);
    EXPECT_EQ(game::okdisegna, 0);
    EXPECT_EQ(game::exam, 0);
    game::DisegnaTILE(0, 7, 310, 235, 0);
    EXPECT_EQ(game::okdisegna, 1);
    EXPECT_EQ(ScreenPixel(310, 239), 0x00FF00u);
}

TEST_F(Screen, TileRaisedByItsOffsetAndBlendRemembered) {
    MakeSprite(7, 20, 12, 0x00FF00);
    game::DisegnaTILE(3, 7, 40, 60, -16);
    EXPECT_EQ(game::exam, 3);
    EXPECT_EQ(ScreenPixel(40, 44), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(40, 43), kBlack);
    EXPECT_EQ(ScreenPixel(40, 56), kBlack);
}

TEST_F(Screen, ZoomedTileAndTheWallOffset) {
    MakeSprite(7, 20, 12, 0x0000FF);
    game::zoom = 2;
    game::mappafissa = 0;
    // Zoomed twice about its centre: (50, 48) at zoom 2 is (100, 96), so the 40 x 24 sprite
    // covers x 90 to 129 and y 90 to 113.
    game::tipo_Str = "B";
    // Nearest-pixel scaling for exact edges; the next frame turns filtering back on.
    SetFiltering(0);
    game::DisegnaTILE(0, 7, 50, 50, 0);
    EXPECT_EQ(game::zo, 2);
    EXPECT_EQ(ScreenPixel(90, 90), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(89, 90), kBlack);
    EXPECT_EQ(ScreenPixel(90, 89), kBlack);
    EXPECT_EQ(ScreenPixel(129, 113), 0x0000FFu);

    // A wall sits 3 rows lower before zooming, plus the media's own offset in pixels.
    ClearFrame();
    game::tipo_Str = "M";
    game::fix069 = 4;
    game::DisegnaTILE(0, 7, 50, 50, 0);
    EXPECT_EQ(game::zydiff2, 4);
    EXPECT_EQ(ScreenPixel(90, 99), kBlack);
    EXPECT_EQ(ScreenPixel(90, 100), 0x0000FFu);
}

// Paints every screen column x in its own colour, so a sprite's left column tells where it
// was cut. Colours avoid black, the key colour.
int ColumnColour(int x) {
    return (x & 0xFF) | (1 + x / 256) << 8 | 0x400000;
}
void PaintColumns() {
    for (int x = 0; x < 640; ++x) FillBox(x, 0, 1, 480, ColumnColour(x));
}
// Left column of sprite n, drawn alone on a cleared screen.
int CutColumn(int n) {
    ClearFrame();
    DrawSprite(n, 200, 200);
    const uint32_t c = ScreenPixel(200, 200);
    return static_cast<int>((c & 0xFF) + (((c >> 8) & 0xFF) - 1) * 256);
}

TEST_F(Screen, CellHeightTwelveThenThreeCuts) {
    PaintColumns();
    ASSERT_EQ(ScreenPixel(43, 5), static_cast<uint32_t>(ColumnColour(43)));
    game::ysp = 1;
    game::spr = 10;
    ASSERT_TRUE(game::ApplySettingsLine(TextValue("=ALTEZ      12")));
    EXPECT_EQ(game::sx, 20);
    EXPECT_EQ(game::sy, 12);
    EXPECT_EQ(game::xsp, 1);
    game::ApplySettingsLine(TextValue("=PEZZI      03"));
    EXPECT_EQ(game::spr, 13);
    EXPECT_EQ(game::xsp, 64);
    const int expected[] = {1, 22, 43};
    for (int i = 0; i < 3; ++i) {
        double w = 0, h = 0;
        SpriteSize(10 + i, w, h);
        EXPECT_EQ(w, 20);
        EXPECT_EQ(h, 12);
        EXPECT_EQ(CutColumn(10 + i), expected[i]) << "sprite " << 10 + i;
    }
}

TEST_F(Screen, CutPastColumn319StartsANewRow) {
    PaintColumns();
    game::sx = 20;
    game::sy = 12;
    game::xsp = 274;
    game::ysp = 1;
    game::spr = 20;
    game::nspr = 2;
    game::SpriteMEMO();
    EXPECT_EQ(CutColumn(20), 274);
    EXPECT_EQ(CutColumn(21), 295);
    EXPECT_EQ(game::xsp, 1);
    EXPECT_EQ(game::ysp, 14);
    EXPECT_EQ(game::spr, 22);

    game::nspr = 0;
    game::SpriteMEMO();
    EXPECT_EQ(game::spr, 22);
}

TEST_F(Screen, PieceDirectiveCutsOneSpriteAndWritesTheEntry) {
    PaintColumns();
    DimArray(game::pezzi_Str, 128);
    game::spr = 7;
    game::xsp = 1;
    game::ysp = 1;
    game::sy = 12;
    game::ApplySettingsLine(TextValue("=PEZZO #### MA"));
    EXPECT_EQ(game::pezzi_Str(0), "####007MA");
    EXPECT_EQ(game::sp_Str, "007");
    EXPECT_EQ(game::spr, 8);
    EXPECT_EQ(game::SpritePEZZO(0), 7);
}

TEST_F(Screen, PresentingCountsDownTheVolumeBar) {
    game::tasvol2 = 3;
    game::volumebase = 0.75;
    game::volumemax = 1.5;
    game::vecchiatv = 30;
    game::mostraschermo();
    EXPECT_EQ(game::tasvol2, 2);
    EXPECT_EQ(game::vovo, 50);
}

}  // namespace
