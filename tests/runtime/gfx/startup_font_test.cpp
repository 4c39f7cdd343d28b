// Start-up loads font 0 from "smalfont.png", else "smalfont.bmp", else keeps the built-in font.
// Each case starts the engine in a fresh child process with the font files beside the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "runtime/frame/engine.h"
#include "runtime/gfx/fonts.h"
#include "runtime/gfx/gl_engine.h"
#include "runtime/platform/folders.h"
#include "support/gl_test_screen.h"
#include "support/test_env.h"

namespace {
const std::string kPng = PlatformProgramFolder() + "smalfont.png";
const std::string kBmp = PlatformProgramFolder() + "smalfont.bmp";

void WriteFontPng(int width, int height) {
    std::vector<uint8_t> rgb(size_t(width) * height * 3, 200);
    ASSERT_TRUE(WritePngFile(kPng, width, height, rgb.data(), false));
}

// A 24-bit BMP of the given size, every pixel grey.
void WriteFontBmp(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    std::vector<uint8_t> b(54 + size_t(stride) * height, 200);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
    };
    std::fill(b.begin(), b.begin() + 54, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(2, uint32_t(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    b[26] = 1;
    b[28] = 24;
    std::FILE* f = std::fopen(kBmp.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

// Starts the engine and exits 0 when font 0 is current and w x h.
[[noreturn]] void StartAndCheckFont(int w, int h) {
    Startup() = StartupSettings{};
    EngineInit("", 1, "");
    const SpriteImage& s = Gfx()->sprites[OpenGLDirezaze::kFontSpriteBase];
    std::fprintf(stderr, "font 0: %d x %d\n", s.image_width, s.image_height);
    std::_Exit(CurrentFont() == 0 && s.image_width == w && s.image_height == h ? 0 : 1);
}

class StartupFontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        UsePrivateTempFolder();
        UseOffscreenVideo();
        std::remove(kPng.c_str());
        std::remove(kBmp.c_str());
    }
    void TearDown() override {
        std::remove(kPng.c_str());
        std::remove(kBmp.c_str());
    }
};

// One test for the three cases: they share the files beside the program, so they must not run
// side by side.
TEST_F(StartupFontTest, PngBeforeBmpBeforeTheBuiltinFont) {
    WriteFontPng(256, 128);
    WriteFontBmp(128, 256);
    EXPECT_EXIT(StartAndCheckFont(256, 128), ::testing::ExitedWithCode(0), "") << "png and bmp";
    std::remove(kPng.c_str());
    EXPECT_EXIT(StartAndCheckFont(128, 256), ::testing::ExitedWithCode(0), "") << "bmp only";
    std::remove(kBmp.c_str());
    EXPECT_EXIT(StartAndCheckFont(128, 64), ::testing::ExitedWithCode(0), "") << "neither";
}
}  // namespace
