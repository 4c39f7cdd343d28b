// Drawing commands read back pixel by pixel: box spans, blend modes, zoom spans, captures.
#include <GL/gl.h>

#include <cstdlib>

#include "gfx_fixture.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/pipeline.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;

TEST_F(GfxTest, FillBoxSpansFollowTheSignOfWidthAndHeight) {
    FillBox(10, 20, -3, 1, kWhite);
    FillBox(10, 30, 3, 1, kWhite);
    FillBox(50, 50, 1, -3, kWhite);
    const RgbImage s = ReadScreen();
    for (int x = 6; x <= 13; ++x) {
        EXPECT_EQ(s.Colour(x, 20), (x >= 8 && x <= 10) ? kWhite : 0u) << "w = -3, column " << x;
        EXPECT_EQ(s.Colour(x, 30), (x >= 10 && x <= 12) ? kWhite : 0u) << "w = 3, column " << x;
    }
    for (int y = 46; y <= 52; ++y)
        EXPECT_EQ(s.Colour(50, y), (y >= 48 && y <= 50) ? kWhite : 0u) << "h = -3, row " << y;
    EXPECT_EQ(s.Colour(10, 21), 0u);
    EXPECT_EQ(CompareWithGolden("fillbox_spans", s), "");
}

TEST_F(GfxTest, DrawLineIncludesBothEnds) {
    DrawLine(20, 40, 29, 40, kWhite);
    DrawLine(60, 10, 60, 14, 0x00FF00);
    const RgbImage s = ReadScreen();
    for (int x = 18; x <= 31; ++x)
        EXPECT_EQ(s.Colour(x, 40), (x >= 20 && x <= 29) ? kWhite : 0u) << x;
    for (int y = 8; y <= 16; ++y) EXPECT_EQ(s.Colour(60, y), (y >= 10 && y <= 14) ? 0xFF00u : 0u);
}

TEST_F(GfxTest, BlendModesMixTheSpriteWithTheScreen) {
    MakeSheetSprite(1);
    FillBox(0, 0, 200, 40, 0x404040);
    SetBlendAlpha(-0.5);
    EXPECT_FLOAT_EQ(Gfx()->alpha, 0.5f);
    DrawSprite(1, 10, 10);
    SetBlendAlpha(0);
    EXPECT_FLOAT_EQ(Gfx()->alpha, 1.0f);
    EXPECT_FALSE(CurrentPen().blend);
    DrawSprite(1, 50, 10);
    SetBlendAlpha(3);
    EXPECT_FLOAT_EQ(Gfx()->alpha, 1.0f);
    EXPECT_EQ(CurrentPen().blend_destination, static_cast<uint32_t>(GL_ONE));
    DrawSprite(1, 90, 10);
    SetBlendAlpha(0);
    const RgbImage s = ReadScreen();
    // The red quarter's corner pixel (6, 6) over grey 64: half and half, as is, added.
    const uint8_t* half = s.At(16, 16);
    EXPECT_NEAR(half[0], 160, 1);
    EXPECT_NEAR(half[1], 32, 1);
    EXPECT_EQ(s.Colour(56, 16), 0x0000FFu);
    EXPECT_EQ(s.Colour(96, 16), 0x4040FFu);
    // The keyed hole shows the grey under every mode.
    EXPECT_EQ(s.Colour(13, 13), 0x404040u);
    EXPECT_EQ(s.Colour(53, 13), 0x404040u);
    EXPECT_EQ(s.Colour(93, 13), 0x404040u);
    EXPECT_EQ(CompareWithGolden("blend_modes", s), "");
}

TEST_F(GfxTest, ZoomedSpritesGrowAboutTheirCentre) {
    FillBox(0, 0, 16, 16, kWhite);
    CaptureSprite(2, 0, 0, 16, 16);
    ClearFrame();
    DrawSprite(2, 30, 30);
    const RgbImage plain = ReadScreen();
    ClearFrame();
    DrawSpriteZoomed(2, 30, 30, 1, 1);
    EXPECT_EQ(ReadScreen().rgb, plain.rgb) << "zoom 1 covers what DrawSprite covers";

    ClearFrame();
    SetFiltering(0);  // so the edge columns are not blended with the texels beyond the picture
    DrawSpriteZoomed(2, 100, 100, 2, 1);
    const RgbImage s = ReadScreen();
    for (int x = 88; x <= 128; ++x)
        EXPECT_EQ(s.Colour(x, 105), (x >= 92 && x < 124) ? kWhite : 0u) << "column " << x;
}

TEST_F(GfxTest, ZoomedSpansGolden) {
    MakeSheetSprite(3);
    DrawSpriteZoomed(3, 40, 40, 2, 2);
    DrawSpriteZoomed(3, 120, 40, 0.5, 0.5);
    DrawSpriteZoomed(3, 200, 40, 3, 1);
    DrawSpriteZoomed(3, 300, 40, -1, 1);   // mirrored left to right
    DrawSpriteZoomed(3, 360, 40, 1, -2);   // mirrored top to bottom
    DrawSpriteZoomed(3, 420, 40, -1, -1);  // both: half a turn
    DrawSpriteStretched(3, 480, 40, 40, 10);
    const RgbImage s = ReadScreen();
    // Mirrored copies put the red quarter on the other side.
    EXPECT_EQ(s.Colour(309, 47), 0x0000FFu);
    EXPECT_EQ(s.Colour(302, 42), 0x00FF00u);
    EXPECT_EQ(s.Colour(430, 50), 0x0000FFu);
    EXPECT_EQ(CompareWithGolden("zoomed_spans", s), "");
}

TEST_F(GfxTest, RotatedSpritesGolden) {
    MakeSheetSprite(4);
    DrawSpriteRotated(4, 50, 50, 30);
    DrawSpriteRotated(4, 100, 50, 90);
    DrawSpriteRotated(4, 150, 50, -45);
    DrawSpriteRotZoom(4, 220, 50, 180, 2);
    const RgbImage s = ReadScreen();
    // A quarter turn counter-clockwise brings the green quarter to the top-left.
    // The rotated quad samples half a texel in from the edges, so colours blend a little.
    auto near = [&](int x, int y, int r, int g, int b) {
        const uint8_t* p = s.At(x, y);
        return std::abs(p[0] - r) < 16 && std::abs(p[1] - g) < 16 && std::abs(p[2] - b) < 16;
    };
    EXPECT_TRUE(near(102, 52, 0, 255, 0));
    EXPECT_TRUE(near(106, 59, 255, 0, 0));
    EXPECT_EQ(CompareWithGolden("rotated", s), "");
}

TEST_F(GfxTest, CaptureOnTheScreenKeysOutBlack) {
    ASSERT_EQ(PipeAlphaBits(), 0) << "the logical screen has no alpha channel";

    // A sheet drawn as the game draws its sprite sheets: shapes on black.
    FillBox(0, 0, 40, 20, 0x000000);
    FillBox(5, 5, 10, 10, 0x3080F0);
    FillBox(20, 2, 4, 16, 0x080808);  // near black stays opaque
    CaptureSprite(5, 0, 0, 40, 20);
    ClearFrame();
    FillBox(0, 0, 640, 480, 0x804000);
    DrawSprite(5, 100, 100);
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(101, 101), 0x804000u) << "black became transparent";
    EXPECT_EQ(s.Colour(110, 110), 0x3080F0u);
    EXPECT_EQ(s.Colour(121, 110), 0x080808u);
    EXPECT_EQ(CompareWithGolden("capture_keys_black", s), "");
}

// The first capture of the program made while an off-screen target (a texture with alpha) is
// selected must not make later captures from the screen keep their black.
TEST_F(GfxTest, AFirstCaptureOnATargetStillKeysOutBlackOnTheScreen) {
    Gfx()->screen_alpha_bits = -1;  // as at start-up: nothing captured yet
    CreateOffscreen(0, 901, 32, 32);
    SelectTarget(0);
    FillBox(0, 0, 8, 8, 0x3080F0);
    CaptureSprite(7, 0, 0, 8, 8);
    SelectTarget(-1);
    FillBox(0, 0, 40, 20, 0x000000);
    FillBox(5, 5, 10, 10, 0x3080F0);
    CaptureSprite(5, 0, 0, 40, 20);
    ClearFrame();
    FillBox(0, 0, 640, 480, 0x804000);
    DrawSprite(5, 100, 100);
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(101, 101), 0x804000u) << "black became transparent";
    EXPECT_EQ(s.Colour(110, 110), 0x3080F0u);
}

// What the settings reader does with every sheet: load it as the background, cut sprites with
// black as the key colour.
TEST_F(GfxTest, SheetLoadedAsBackgroundLosesItsBlackWhenCut) {
    const int w = 41, h = 29;  // one 20 x 28 cell at (1, 1) and its neighbour
    std::vector<uint8_t> rgb(size_t(w) * h * 3, 0);
    auto put = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = rgb.data() + (size_t(y) * w + x) * 3;
        p[0] = r;
        p[1] = g;
        p[2] = b;
    };
    for (int y = 5; y < 20; ++y)
        for (int x = 4; x < 16; ++x) put(x, y, 200, 120, 40);
    for (int x = 4; x < 16; ++x) put(x, 20, 8, 8, 8);  // near black: an opaque dark edge
    const std::string sheet = TestScratchFolder("sheets") + "/sheet.png";
    ASSERT_TRUE(WritePngFile(sheet, w, h, rgb.data(), false));
    LoadBackground(sheet);
    SetKeyColour(0);
    CaptureSprite(8, 1, 1, 20, 28);
    ClearFrame();
    FillBox(0, 0, 640, 480, 0xFF00FF);
    DrawSprite(8, 200, 100);
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(200, 100), 0xFF00FFu) << "black around the piece is gone";
    EXPECT_EQ(s.Colour(210, 110), 0x2878C8u);  // (200, 120, 40) as 0x00BBGGRR
    EXPECT_EQ(s.Colour(210, 119), 0x080808u);
    EXPECT_EQ(s.Colour(210, 120), 0xFF00FFu);
}

TEST_F(GfxTest, CaptureKeysTheKeyColourAsTheScreenStoresIt) {
    SetKeyColour(OpenGLDirezaze::kDefaultKeyColour);
    FillBox(0, 0, 20, 10, 0x00FF00);
    FillBox(5, 0, 5, 10, OpenGLDirezaze::kDefaultKeyColour);
    FillBox(4, 4, 1, 1, 0x123456);  // the probe pixel must come back unchanged
    CaptureSprite(6, 0, 0, 20, 10);
    EXPECT_EQ(ReadScreen().Colour(4, 4), 0x123456u);
    ClearFrame();
    FillBox(0, 0, 100, 100, 0x0000FF);
    DrawSprite(6, 50, 50);
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(51, 51), 0x00FF00u);
    EXPECT_EQ(s.Colour(56, 51), 0x0000FFu);
    EXPECT_EQ(s.Colour(54, 54), 0x123456u);
}

TEST_F(GfxTest, CaptureReusesTexturesOfTheSameSize) {
    CaptureSprite(7, 0, 0, 20, 40);
    const SpriteImage first = Gfx()->sprites[7];
    EXPECT_EQ(first.texture_width, 32);
    EXPECT_EQ(first.texture_height, 64);
    EXPECT_EQ(first.image_width, 20);
    EXPECT_EQ(first.image_height, 40);
    CaptureSprite(7, 0, 0, 30, 40);
    EXPECT_EQ(Gfx()->sprites[7].texture, first.texture);
    EXPECT_EQ(Gfx()->sprites[7].image_width, 30);
    CaptureSprite(7, 0, 0, 33, 40);
    EXPECT_EQ(Gfx()->sprites[7].texture_width, 64);
    double w = 0, h = 0;
    SpriteSize(7, w, h);
    EXPECT_EQ(w, 33);
    EXPECT_EQ(h, 40);
    CaptureSprite(7, 0, 0, 100000, 40);  // no texture that large: refused, sprite kept
    EXPECT_EQ(Gfx()->sprites[7].image_width, 33);
    EXPECT_NE(ReadLogText().find("CaptureSprite: 100000 x 40"), std::string::npos);
    SpriteSize(60000, w, h);
    EXPECT_EQ(w, 0) << "a sprite never captured has no size";
    DrawSprite(60000, 0, 0);  // and draws nothing
    EXPECT_EQ(ReadScreen().Colour(0, 0), 0u);
}

TEST_F(GfxTest, FilteringLastsUntilTheNextFrame) {
    SetFiltering(0);
    EXPECT_EQ(Gfx()->filtering, 0);
    ShowFrame();
    EXPECT_EQ(Gfx()->filtering, 1);
}
}  // namespace
