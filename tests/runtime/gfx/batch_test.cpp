// Drawing held in the batch and the state cache: order, read-backs, reused texture names, the
// two logical screens presented in turn and the picture put into the window.
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "gfx_fixture.h"
#include "runtime/gfx/fonts.h"
#include "runtime/gfx/screen.h"
#include "runtime/platform/window.h"

namespace {

constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

// Sprite n: a w x h box of one colour.
void MakeBoxSprite(int n, int w, int h, int rgb) {
    FillBox(0, 0, w, h, rgb);
    CaptureSprite(n, 0, 0, w, h);
    ClearFrame();
}

TEST_F(GfxTest, HeldQuadsKeepTheirOrderAcrossTextures) {
    MakeBoxSprite(1, 10, 10, kRed);
    MakeBoxSprite(2, 10, 10, kGreen);
    // Red, green over it, red again over that: the two red quads share a texture but must not
    // be drawn together past the green one.
    DrawSprite(1, 20, 20);
    DrawSprite(2, 25, 20);
    DrawSprite(1, 30, 20);
    PrintText("A", 100, 100);
    DrawSprite(2, 100, 100);  // over the letter
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(22, 25), kRed);
    EXPECT_EQ(s.Colour(27, 25), kGreen);
    EXPECT_EQ(s.Colour(32, 25), kRed);
    EXPECT_EQ(s.Colour(37, 25), kRed);
    for (int y = 100; y < 110; ++y)
        for (int x = 100; x < 110; ++x) ASSERT_EQ(s.Colour(x, y), kGreen) << x << ", " << y;
}

TEST_F(GfxTest, HeldQuadsAreDrawnBeforeCapturesClearsAndBoxes) {
    MakeBoxSprite(1, 8, 8, kRed);
    DrawSprite(1, 0, 0);
    CaptureSprite(3, 0, 0, 8, 8);  // must see the red box just drawn
    ClearFrame();
    DrawSprite(3, 40, 40);
    EXPECT_EQ(ReadScreen().Colour(44, 44), kRed);

    DrawSprite(1, 60, 60);
    ClearFrame();  // the held quad belongs before the clear, not after it
    EXPECT_EQ(ReadScreen().Colour(62, 62), 0u);

    DrawSprite(1, 60, 60);
    FillBox(60, 60, 4, 4, kWhite);  // the box goes over the sprite drawn before it
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(61, 61), kWhite);
    EXPECT_EQ(s.Colour(66, 66), kRed);
}

TEST_F(GfxTest, ATextureMadeAnewGetsTheFilterItIsDrawnWith) {
    // A sprite with a white left half and a red right half, stretched 4 times: nearest
    // filtering gives pure colours only.
    auto make = [](int n, int w) {
        FillBox(0, 0, w / 2, 8, kWhite);
        FillBox(w / 2, 0, w / 2, 8, kRed);
        CaptureSprite(n, 0, 0, w, 8);
        ClearFrame();
    };
    auto only_pure = [](const RgbImage& s, int y, int x0, int x1) {
        for (int x = x0; x < x1; ++x) {
            const uint32_t c = s.Colour(x, y);
            if (c != kWhite && c != kRed && c != 0) return false;
        }
        return true;
    };
    make(4, 8);
    SetFiltering(0);
    DrawSpriteStretched(4, 0, 100, 32, 32);
    EXPECT_TRUE(only_pure(ReadScreen(), 110, 0, 32));
    // A new size deletes the texture; the next one made may reuse its name and starts out
    // with linear filtering, whatever was set on the old one.
    make(4, 64);
    SetFiltering(0);
    ClearFrame();
    DrawSpriteStretched(4, 0, 100, 256, 32);
    EXPECT_TRUE(only_pure(ReadScreen(), 110, 0, 256));
    SetFiltering(1);
    ClearFrame();
    DrawSpriteStretched(4, 0, 100, 256, 32);
    EXPECT_FALSE(only_pure(ReadScreen(), 110, 0, 256)) << "linear filtering blends the halves";
}

TEST_F(GfxTest, SpritesShowTheirLatestPictureWhereverTheyAreKept) {
    // Recaptured at the same size: the texture is reused and the shared copy must follow.
    MakeBoxSprite(5, 10, 10, kRed);
    DrawSprite(5, 0, 0);
    MakeBoxSprite(5, 10, 10, kGreen);
    DrawSprite(5, 20, 0);
    DrawSpriteZoomed(5, 40, 0, 1, 1);
    RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(25, 5), kGreen);
    EXPECT_EQ(s.Colour(45, 5), kGreen);
    // A captured sprite made an off-screen target shows what is drawn into it.
    ClearFrame();
    MakeBoxSprite(6, 16, 16, kRed);
    CreateOffscreen(1, 6, 16, 16);
    SelectTarget(1);
    FillBox(0, 0, 16, 16, kGreen);
    SelectTarget(-1);
    DrawSprite(6, 100, 100);
    SelectTarget(1);
    FillBox(0, 0, 16, 16, kWhite);
    SelectTarget(-1);
    DrawSprite(6, 120, 100);
    s = ReadScreen();
    EXPECT_EQ(s.Colour(105, 105), kGreen);
    EXPECT_EQ(s.Colour(125, 105), kWhite);
}

TEST_F(GfxTest, EachFrameStartsClearOnEitherScreen) {
    FillBox(10, 10, 20, 20, kWhite);
    const unsigned first = LogicalFramebuffer();
    // A GPU's present hands the other of two framebuffers over; the processor's keeps one.
    const bool two = !PresentsParts();
    ShowFrame();
    if (two) {
        EXPECT_NE(LogicalFramebuffer(), first) << "the next frame is drawn on the other";
    }
    EXPECT_EQ(ReadScreen().Colour(15, 15), 0u);
    ShowFrame();
    EXPECT_EQ(LogicalFramebuffer(), first);
    EXPECT_EQ(ReadScreen().Colour(15, 15), 0u) << "nothing left of the frame before last";
    MakeBoxSprite(1, 8, 8, kRed);
    DrawSprite(1, 0, 0);
    ShowFrame();  // the held quad goes into the frame shown, not the next one
    EXPECT_EQ(ReadScreen().Colour(2, 2), 0u);
}

// Under a software renderer the frame reaches the window through the processor: each pixel a
// whole-factor square, the picture centred, black around it.
TEST_F(GfxTest, TheWindowShowsEachPixelAsASquareInsideBlackBorders) {
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!renderer || std::string(renderer).find("llvmpipe") == std::string::npos)
        GTEST_SKIP() << "the window is drawn through OpenGL on this renderer";
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    SDL_SetWindowSize(window, 1400, 1000);  // factor 2: 1280 x 960 at (60, 20)
    FillBox(0, 0, 640, 480, kWhite);
    FillBox(0, 0, 1, 1, kRed);
    FillBox(639, 479, 1, 1, kGreen);
    FillBox(300, 200, 3, 2, kRed);
    FrameWait();
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 1400);
    ASSERT_EQ(surface->h, 1000);
    ASSERT_EQ(surface->format->BytesPerPixel, 4);
    auto at = [&](int x, int y) {
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &r, &g, &b);
        return static_cast<uint32_t>(r | g << 8 | b << 16);  // as the drawing commands give it
    };
    for (int k : {0, 1}) {
        EXPECT_EQ(at(60 + k, 20 + k), kRed);
        EXPECT_EQ(at(60 + 1278 + k, 20 + 958 + k), kGreen);
    }
    EXPECT_EQ(at(62, 20), kWhite);
    for (int y = 400; y < 404; ++y)
        for (int x = 600; x < 606; ++x) ASSERT_EQ(at(60 + x, 20 + y), kRed) << x << ", " << y;
    EXPECT_EQ(at(60 + 606, 20 + 400), kWhite);
    EXPECT_EQ(at(60 + 600, 20 + 404), kWhite);
    for (int x = 0; x < 1400; x += 7) {
        ASSERT_EQ(at(x, 19), 0u) << x;
        ASSERT_EQ(at(x, 980), 0u) << x;
    }
    for (int y = 0; y < 1000; y += 7) {
        ASSERT_EQ(at(59, y), 0u) << y;
        ASSERT_EQ(at(1340, y), 0u) << y;
    }
    SDL_SetWindowSize(window, 640, 480);
}

}  // namespace
