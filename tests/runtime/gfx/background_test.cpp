// Background pictures: tiles, drawing under every frame, failed loads, the cross-fade.
#include "gfx_fixture.h"
#include "runtime/frame/fade.h"
#include "runtime/gfx/fonts.h"

namespace {
// A picture larger than one 512-pixel tile both ways, every pixel different from its neighbours.
std::string WriteBigPicture() {
    const int w = 600, h = 520;
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = rgb.data() + (size_t(y) * w + x) * 3;
            p[0] = uint8_t(x * 3);
            p[1] = uint8_t(y * 5);
            p[2] = uint8_t(x + y);
        }
    }
    const std::string path = TestScratchFolder("backgrounds") + "/big.png";
    EXPECT_TRUE(WritePngFile(path, w, h, rgb.data(), false));
    return path;
}

uint32_t BigPictureColour(int x, int y) {
    return uint8_t(x * 3) | (uint8_t(y * 5) << 8) | (uint8_t(x + y) << 16);
}

void ExpectScreenShowsBigPicture(const char* when) {
    const RgbImage s = ReadScreen();
    int wrong = 0;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const uint32_t want = x < 600 ? BigPictureColour(x, y) : 0;
            if (s.Colour(x, y) != want) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << when;
}

TEST_F(GfxTest, BackgroundIsTiledDrawnAtOnceAndUnderEveryFrame) {
    LoadBackground(WriteBigPicture());
    const BackgroundSlot& slot = Gfx()->backgrounds[0];
    EXPECT_EQ(slot.columns, 2);
    EXPECT_EQ(slot.rows, 2);
    EXPECT_EQ(slot.tile_width[0], 512);
    ExpectScreenShowsBigPicture("after LoadBackground");
    FillBox(0, 0, 50, 50, 0xFFFFFF);
    ShowFrame();
    ExpectScreenShowsBigPicture("after ShowFrame");
    ClearFrame();
    EXPECT_EQ(Gfx()->backgrounds[0].columns, 0);
    EXPECT_EQ(Gfx()->backgrounds[0].texture[0], 0u);
}

TEST_F(GfxTest, FailedBackgroundLoadsLeaveNoBackgroundAndAClearScreen) {
    const std::string bad = TestScratchFolder("backgrounds") + "/bad.bmp";
    {
        std::FILE* f = std::fopen(bad.c_str(), "wb");
        std::fputs("BM this is not a picture", f);
        std::fclose(f);
    }
    LoadBackground(WriteBigPicture());
    FillBox(0, 0, 10, 10, 0xFFFFFF);
    LoadBackground(bad);
    EXPECT_EQ(Gfx()->backgrounds[0].columns, 0);
    EXPECT_EQ(ReadScreen().Colour(5, 5), 0u);
    EXPECT_NE(ReadLogText().find("Image not loaded: " + bad), std::string::npos);

    LoadBackground(WriteBigPicture());
    LoadBackground("no such picture.bmp");
    EXPECT_EQ(Gfx()->backgrounds[0].columns, 0);
    EXPECT_EQ(ReadScreen().Colour(5, 5), 0u);
    EXPECT_NE(ReadLogText().find("Loadbmp\r\nShoeboxing\r\nfailed\r\n"
                                 "Image not loaded: no such picture.bmp: not found\r\n"),
              std::string::npos);
    FadeToImage("no such title.bmp");
    EXPECT_NE(ReadLogText().find("Image not loaded: no such title.bmp: not found"),
              std::string::npos);
    LoadFont("no such font.bmp", 1);
    EXPECT_NE(ReadLogText().find("Image not loaded: no such font.bmp: not found"),
              std::string::npos);
}

TEST_F(GfxTest, FadeToImageEndsWithThePictureAsBackground) {
    FillBox(0, 0, 640, 480, 0x00FF00);
    const double start = NowMs();
    FadeToImage(WriteBigPicture());
    EXPECT_GE(NowMs() - start, 1400);
    EXPECT_EQ(Gfx()->backgrounds[0].columns, 2);
    EXPECT_EQ(Gfx()->backgrounds[1].columns, 0);
    EXPECT_EQ(Gfx()->backgrounds[2].columns, 0);
    ExpectScreenShowsBigPicture("after the fade");
    ClearFrame();
}
}  // namespace
