// Off-screen targets, with framebuffer objects and with the capture fallback.
#include "gfx_fixture.h"

namespace {
constexpr int kTargetSprite = 900;

// Draws a small scene into target 0 and returns to the screen.
void DrawIntoTarget() {
    SelectTarget(0);
    FillBox(0, 0, 64, 48, 0x204060);
    DrawSprite(1, 4, 4);
    DrawLine(0, 47, 63, 0, 0x00FFFF);
    FillBox(40, 30, 10, 10, 0x000000);  // the key colour: a hole in the target
    SelectTarget(-1);
}

RgbImage TargetDrawnRotated(bool framebuffer_objects) {
    GfxAllowFramebufferObjects(framebuffer_objects);
    ClearFrame();
    // Something on the screen where the fallback borrows the corner.
    FillBox(0, 0, 100, 80, 0x0000C0);
    CreateOffscreen(0, kTargetSprite, 64, 48);
    EXPECT_EQ(Gfx()->targets[0].renderbuffer_width != 0, framebuffer_objects);
    DrawIntoTarget();
    const RgbImage after = ReadScreen();
    EXPECT_EQ(after.Colour(10, 10), 0x0000C0u) << "the screen under the target is put back";
    EXPECT_EQ(after.Colour(99, 79), 0x0000C0u);
    DrawSpriteRotated(kTargetSprite, 300, 200, 30);
    DrawSprite(kTargetSprite, 100, 300);
    return ReadScreen();
}

TEST_F(GfxTest, OffscreenTargetDrawnRotatedLooksTheSameWithAndWithoutFramebufferObjects) {
    MakeSheetSprite(1);
    const RgbImage with_fbo = TargetDrawnRotated(true);
    const RgbImage fallback = TargetDrawnRotated(false);
    EXPECT_EQ(with_fbo.Colour(120, 310), 0x204060u);
    EXPECT_EQ(with_fbo.Colour(145, 335), 0x000000u) << "key-coloured pixels are transparent";
    EXPECT_EQ(with_fbo.Colour(110, 310), 0x0000FFu) << "the sprite drawn into the target";
    EXPECT_TRUE(with_fbo.rgb == fallback.rgb);
    EXPECT_EQ(CompareWithGolden("offscreen_rotated", with_fbo), "");
    EXPECT_EQ(CompareWithGolden("offscreen_rotated_fallback", fallback), "");
}

TEST_F(GfxTest, FrameWaitLeavesTheActiveTarget) {
    for (bool fbo : {true, false}) {
        GfxAllowFramebufferObjects(fbo);
        CreateOffscreen(3, kTargetSprite + 1, 32, 32);
        SelectTarget(3);
        FillBox(0, 0, 32, 32, 0x00FF00);
        ShowFrame();
        EXPECT_EQ(Gfx()->active_target, -1);
        ClearFrame();
        DrawSprite(kTargetSprite + 1, 200, 200);
        EXPECT_EQ(ReadScreen().Colour(210, 210), 0x00FF00u) << (fbo ? "fbo" : "fallback");
    }
}

TEST_F(GfxTest, CaptureInsideATargetCutsFromTheTarget) {
    CreateOffscreen(1, kTargetSprite + 3, 40, 30);
    SelectTarget(1);
    FillBox(0, 0, 40, 30, 0x101010);
    FillBox(10, 20, 5, 4, 0x0000FF);
    CaptureSprite(kTargetSprite + 4, 10, 20, 5, 4);
    SelectTarget(-1);
    DrawSprite(kTargetSprite + 4, 300, 300);
    const RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(300, 300), 0x0000FFu);
    EXPECT_EQ(s.Colour(304, 303), 0x0000FFu);
}

TEST_F(GfxTest, SelectTargetIgnoresNumbersAbove31AndResetsTheViewport) {
    CreateOffscreen(0, kTargetSprite, 64, 48);
    SelectTarget(0);
    SelectTarget(40);
    EXPECT_EQ(Gfx()->active_target, 0);
    SelectTarget(-1);
    EXPECT_EQ(Gfx()->active_target, -1);
    ResetViewport(10, 10, 100, 100);
    SelectTarget(-1);
    EXPECT_EQ(Gfx()->viewport_w, 640);
    EXPECT_EQ(Gfx()->viewport_h, 480);
    CreateOffscreen(32, kTargetSprite + 2, 8, 8);  // ignored, like SelectTarget(32+)
    EXPECT_EQ(Gfx()->sprites[kTargetSprite + 2].texture, 0u);
}
}  // namespace
