// A capture in the middle of a recorded frame (the menu's preview: a board drawn, captured and
// shown small) is left out when it would copy what the same capture copied the frame before,
// and made again when anything it copies changed; the screen is the one unrecorded frames
// draw either way.
#include <cstdint>
#include <vector>

#include "gfx_fixture.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_draw.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/sprite_atlas.h"
#include "runtime/gfx/texture_io.h"

namespace {
constexpr int kPreview = 7;

class CaptureRecordTest : public GfxTest {
  protected:
    void TearDown() override {
        FrameRecordSwitch(false);
        GfxTest::TearDown();
    }
    // A board of a box and sprite 1 captured into the preview sprite, then the frame: the
    // preview at half size and a marker that moves with `step`.
    static void Scene(int board_colour, int step) {
        ClearFrame();
        FillBox(0, 0, 128, 96, board_colour);
        DrawSprite(1, 40, 30);
        CaptureSprite(kPreview, 0, 0, 128, 96);
        ClearFrame();
        DrawSpriteZoomed(kPreview, 300, 200, 0.5, 0.5);
        FillBox(10 + 4 * step, 400, 6, 6, 0xFFFFFF);
    }
    static RgbImage Recorded(int board_colour, int step) {
        FrameRecordBegin(640, 480);
        Scene(board_colour, step);
        FrameRecordFinish();
        return ReadScreen();
    }
    static RgbImage Unrecorded(int board_colour, int step) {
        FrameRecordSwitch(false);
        Scene(board_colour, step);
        const RgbImage picture = ReadScreen();
        FrameRecordSwitch(true);
        return picture;
    }
    static long Kept() { return FrameRecordFigures().captures_kept; }
};

TEST_F(CaptureRecordTest, TheSameCaptureIsLeftOutAndAChangedOneMadeAgain) {
    MakeSheetSprite(1);
    FrameRecordSwitch(true);
    const long kept = Kept();
    // The first capture is made; the next frames copy the same drawing and keep it.
    for (int step = 0; step < 4; ++step) {
        const RgbImage recorded = Recorded(0x204060, step);
        EXPECT_EQ(Kept(), kept + step) << "frame " << step;
        const RgbImage whole = Unrecorded(0x204060, step);
        EXPECT_TRUE(recorded.rgb == whole.rgb) << "frame " << step;
        Recorded(0x204060, step);  // back to a recorded screen after the unrecorded frame
    }
    // Another board colour: captured again, and the preview shows it.
    const long before = Kept();
    const RgbImage changed = Recorded(0x806020, 5);
    EXPECT_EQ(Kept(), before);
    EXPECT_TRUE(changed.rgb == Unrecorded(0x806020, 5).rgb);
}

TEST_F(CaptureRecordTest, ASpriteRewrittenBetweenFramesIsCapturedAgain) {
    MakeSheetSprite(1);
    FrameRecordSwitch(true);
    Recorded(0x204060, 0);
    Recorded(0x204060, 1);
    const long kept = Kept();
    // Sprite 1's texels become yellow where they are kept (its texture, or the atlas page that
    // holds a copy), the texture keeping its name: the board's commands are the same, the
    // pixels it copies are not.
    const SpriteImage& s = SpriteAt(1);
    const uint32_t name = s.atlas ? s.atlas : s.texture;
    const int size = s.atlas ? AtlasPageSize() : s.texture_width;
    ASSERT_TRUE(s.atlas || s.texture_width == s.texture_height);
    std::vector<uint8_t> yellow;
    for (int i = 0; i < size * size; ++i) yellow.insert(yellow.end(), {255, 255, 0, 255});
    WriteTexture(name, size, size, PixelOrder::kRgba, yellow.data());
    UseTexture(SpriteAt(kPreview).texture);  // bound again as the last frame left it
    const RgbImage after = Recorded(0x204060, 2);
    EXPECT_EQ(Kept(), kept) << "the capture after the sprite changed is made";
    EXPECT_TRUE(after.rgb == Unrecorded(0x204060, 2).rgb);
    // The sprite sits at (40, 30) of the board; the preview's corner is at (332, 224).
    const uint8_t* p = after.At(355, 243);
    EXPECT_GT(p[0], 200);
    EXPECT_GT(p[1], 200);
    EXPECT_LT(p[2], 60);
}
}  // namespace
