// The pictures we ship load through the engine and show pixel for pixel as the reader decodes
// them; sheets cut into sprites lose their black.
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "gfx_fixture.h"
#include "runtime/gfx/fonts.h"
#include "runtime/image/image_decode.h"

namespace {
std::vector<std::string> ShippedPictures() {
    std::vector<std::string> paths;
    const std::filesystem::path folder = std::string(ZOLV_SOURCE_DIR) + "/media/Media";
    if (!std::filesystem::exists(folder)) return paths;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().extension() == ".bmp") paths.push_back(e.path().string());
    return paths;
}

TEST_F(GfxTest, ShippedPicturesShowAsDecoded) {
    const std::vector<std::string> pictures = ShippedPictures();
    if (pictures.empty()) GTEST_SKIP() << "no media folder";
    for (const std::string& path : pictures) {
        SCOPED_TRACE(path);
        DecodedImage img;
        ASSERT_TRUE(LoadImageFile(path, img));
        ClearFrame();
        LoadBackground(path);
        const RgbImage s = ReadScreen();
        int wrong = 0;
        for (int y = 0; y < std::min(img.height, s.height); ++y)
            for (int x = 0; x < std::min(img.width, s.width); ++x)
                wrong +=
                    std::memcmp(s.At(x, y), &img.rgba[(size_t(y) * img.width + x) * 4], 3) != 0;
        EXPECT_EQ(wrong, 0);
    }
    ClearFrame();
}

TEST_F(GfxTest, ShippedFontLoads) {
    const std::string font = std::string(ZOLV_SOURCE_DIR) + "/media/smalfont.bmp";
    if (!std::filesystem::exists(font)) GTEST_SKIP() << "no shipped font";
    LoadFont(font, 3);
    const SpriteImage& s = Gfx()->sprites[OpenGLDirezaze::kFontSpriteBase + 3];
    DecodedImage img;
    ASSERT_TRUE(LoadImageFile(font, img));
    EXPECT_EQ(s.image_width, img.width);
    EXPECT_EQ(s.image_height, img.height);
    PrintText("Zolv 0123", 10, 10);
    const RgbImage shot = ReadScreen();
    int lit = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) lit += shot.Colour(x, y) != 0;
    EXPECT_GT(lit, 20);
    SetFont(0);
}
}  // namespace
