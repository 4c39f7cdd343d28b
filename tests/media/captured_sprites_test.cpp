// The sheets cut by the runtime's own loader and capture, as the settings reader will cut them:
// every sprite shows exactly the opaque pixels of its sheet cell, and the key colour turns
// transparent. Also writes contact sheets (build/test_scratch/media_contact/media_contact_N.png)
// for looking at the cut sprites with their numbers.
#include <gtest/gtest.h>

#include "media_data.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/fonts.h"
#include "support/gl_test_screen.h"

namespace {
constexpr int kBackdrop = 0xFF00FF;  // magenta, a colour the media set never uses

class CapturedSprites : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartTestEngine(640, 480);
        settings = new MediaSettings(ReadSettings(MediaDir()));
        // Cut sheet by sheet, in the order the settings file loads them.
        std::string sheet;
        for (const auto& [n, s] : settings->sprites) {
            if (s.sheet != sheet) {
                sheet = s.sheet;
                SelectTarget(-1);
                SetBlendAlpha(0);
                ClearFrame();
                LoadBackground(MediaDir() + "/Media/Zolv-" + sheet + ".bmp");
                SetKeyColour(0);
            }
            CaptureSprite(n, s.x, s.y, s.w, s.h);
        }
        ClearFrame();
    }
    static void TearDownTestSuite() { delete settings; }
    static MediaSettings* settings;
};
MediaSettings* CapturedSprites::settings = nullptr;
}  // namespace

TEST_F(CapturedSprites, EverySpriteShowsItsSheetCell) {
    std::map<std::string, Image> sheets;
    for (const auto& [n, s] : settings->sprites) {
        if (!sheets.count(s.sheet)) {
            ASSERT_TRUE(ReadBmp24(MediaDir() + "/Media/Zolv-" + s.sheet + ".bmp", sheets[s.sheet]));
        }
        const Image& img = sheets[s.sheet];
        ClearFrame();
        FillBox(0, 0, 200, 200, kBackdrop);
        DrawSprite(n, 10, 10);
        const RgbImage screen = ReadScreen();
        int wrong = 0;
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) {
                const uint32_t got = screen.Colour(10 + x, 10 + y);
                uint32_t want = kBackdrop;
                if (img.Opaque(s.x + x, s.y + y)) {
                    size_t i = (size_t(s.y + y) * img.w + s.x + x) * 3;
                    want = img.rgb[i] | img.rgb[i + 1] << 8 | img.rgb[i + 2] << 16;
                }
                wrong += got != want;
            }
        EXPECT_EQ(wrong, 0) << "sprite " << n << " of sheet " << s.sheet;
    }
}

TEST_F(CapturedSprites, ContactSheetsForLooking) {
    // Sprites in rows on grey with their numbers; one picture per filled screen.
    int page = 0, x = 4, y = 4, rowH = 0;
    auto flush = [&]() {
        const RgbImage s = ReadScreen();
        const std::string path = TestScratchFolder("media_contact") + "/media_contact_" +
                                 std::to_string(page++) + ".png";
        EXPECT_TRUE(WritePngFile(path, s.width, s.height, s.rgb.data(), false)) << path;
    };
    ClearFrame();
    FillBox(0, 0, 640, 480, 0x585048);
    for (const auto& [n, s] : settings->sprites) {
        const int w = std::max(s.w, 24), h = s.h + 10;
        if (x + w > 636) x = 4, y += rowH + 4, rowH = 0;
        if (y + h > 476) {
            flush();
            ClearFrame();
            FillBox(0, 0, 640, 480, 0x585048);
            x = 4, y = 4, rowH = 0;
        }
        DrawSprite(n, x, y);
        PrintNumber(n, x, y + s.h + 1);
        x += w + 4;
        rowH = std::max(rowH, h);
    }
    flush();
    EXPECT_GE(page, 1);
}
