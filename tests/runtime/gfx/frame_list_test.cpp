// Recorded frames made by hand (no window, no OpenGL): where their draws land, where two of
// them differ (only the draws that changed are redrawn, each where it was and where it is;
// anything a rectangle cannot mend asks for the whole frame), and when a capture in the middle
// of a frame copies what it copied before.
#include "runtime/gfx/frame_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
using namespace recording;

// The pen of a 640 x 480 screen drawn whole, a texture bound.
Pen ScreenPen(uint32_t texture = 7, uint32_t generation = 1) {
    Pen p;
    p.texture = texture;
    p.generation = generation;
    p.texturing = true;
    p.standard = true;
    p.clear_known = true;
    p.clear[3] = 1;
    p.viewport[2] = p.screen_w = 640;
    p.viewport[3] = p.screen_h = 480;
    return p;
}

class Frame {
  public:
    Frame() {
        list.width = 640;
        list.height = 480;
        list.valid = true;
    }
    // A clear's pen holds its colour alone, as the recorder keeps it.
    Frame& Clear(const Pen& pen = ScreenPen()) {
        Pen colour;
        colour.clear_known = pen.clear_known;
        std::copy(pen.clear, pen.clear + 4, colour.clear);
        Command c;
        c.kind = Kind::kClear;
        c.first = kColourBufferBit;
        c.pen = AddPen(colour);
        list.commands.push_back(c);
        return *this;
    }
    // A w x h sprite at (x, y) of the screen, texture coordinates from u.
    Frame& Sprite(float x, float y, float w, float h, float u = 0, const Pen& pen = ScreenPen()) {
        Command c;
        c.kind = Kind::kQuads;
        c.count = 1;
        c.first = static_cast<uint32_t>(list.payload.size());
        c.pen = AddPen(pen);
        const float q[16] = {x + w, y,     u + 1, 1, x,     y,     u,     1,
                             x,     y + h, u,     0, x + w, y + h, u + 1, 0};
        list.payload.insert(list.payload.end(), q, q + 16);
        list.commands.push_back(c);
        return *this;
    }
    FrameList list;

  private:
    uint32_t AddPen(const Pen& pen) {
        if (list.pens.empty() || !(list.pens.back() == pen)) list.pens.push_back(pen);
        return static_cast<uint32_t>(list.pens.size() - 1);
    }
};

// Differences of copies: it works out the lists' boxes as it needs them.
bool Diff(FrameList before, FrameList now, std::vector<Box>& out) {
    return Differences(before, now, out);
}

TEST(FrameLanding, DrawsLandInWindowPixelsOnePixelWiderAllRound) {
    const float sprite[8] = {10, 20, 26, 20, 26, 36, 10, 36};  // x, y four times, y down
    // The whole screen: y counts from the bottom in window pixels.
    Box b = Landing(ScreenPen(), sprite, 4, 2, 640, 480);
    EXPECT_EQ(b.x0, 9);
    EXPECT_EQ(b.x1, 27);
    EXPECT_EQ(b.y0, 480 - 36 - 1);
    EXPECT_EQ(b.y1, 480 - 20 + 1);

    // A viewport of 100 x 50 at (200, 300) of the window: coordinates are the viewport's.
    Pen small = ScreenPen();
    small.viewport[0] = 200;
    small.viewport[1] = 300;
    small.viewport[2] = small.screen_w = 100;
    small.viewport[3] = small.screen_h = 50;
    b = Landing(small, sprite, 4, 2, 640, 480);
    EXPECT_EQ(b.x0, 209);
    EXPECT_EQ(b.x1, 227);
    EXPECT_EQ(b.y0, 300 + 50 - 36 - 1);
    EXPECT_EQ(b.y1, 300 + 50 - 20 + 1);

    // The present puts the viewport back on the whole window while the projection stays the
    // small screen's: the coordinates are stretched to it.
    small.viewport[0] = small.viewport[1] = 0;
    small.viewport[2] = 640;
    small.viewport[3] = 480;
    b = Landing(small, sprite, 4, 2, 640, 480);
    EXPECT_EQ(b.x0, 63);   // 10 * 6.4 - 1
    EXPECT_EQ(b.x1, 168);  // 26 * 6.4 = 166.4, up, + 1

    // A quarter turn about (100, 100) of a 20 x 4 sprite centred on it: 4 wide, 20 high (and a
    // pixel more where the sine's rounding moves an edge off the whole pixel).
    Pen turned = ScreenPen();
    turned.turned = true;
    turned.turn_x = turned.turn_y = 100;
    turned.turn_angle = 90;
    const float bar[8] = {-10, -2, 10, -2, 10, 2, -10, 2};
    b = Landing(turned, bar, 4, 2, 640, 480);
    EXPECT_GE(b.x0, 96);
    EXPECT_LE(b.x0, 97);
    EXPECT_GE(b.x1, 103);
    EXPECT_LE(b.x1, 104);
    EXPECT_GE(b.y0, 480 - 110 - 2);
    EXPECT_LE(b.y1, 480 - 90 + 2);
    EXPECT_GE(b.y1 - b.y0, 22);

    // Beyond the screen's edge: clipped. No screen size known: anywhere.
    const float off[8] = {630, -10, 700, -10, 700, 5, 630, 5};
    b = Landing(ScreenPen(), off, 4, 2, 640, 480);
    EXPECT_EQ(b.x1, 640);
    EXPECT_EQ(b.y1, 480);
    Pen unknown;
    b = Landing(unknown, sprite, 4, 2, 640, 480);
    EXPECT_EQ(b.Area(), 640L * 480);
}

TEST(FrameDifferences, OnlyChangedDrawsAreRedrawnWhereTheyWereAndWhereTheyAre) {
    const FrameList before = Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16).list;
    std::vector<Box> out;

    // The same frame: nothing to draw.
    ASSERT_TRUE(
        Diff(before, Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16).list, out));
    EXPECT_TRUE(out.empty());

    // A sprite moved by a step: its old and new places, joined as they touch.
    ASSERT_TRUE(
        Diff(before, Frame().Clear().Sprite(14, 10, 16, 16).Sprite(300, 200, 16, 16).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 9);
    EXPECT_EQ(out[0].x1, 31);
    EXPECT_EQ(out[0].y0, 480 - 26 - 1);
    EXPECT_EQ(out[0].y1, 480 - 10 + 1);

    // The same place, other texels of the texture (a changed letter of a text): that box alone.
    ASSERT_TRUE(Diff(
        before, Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16, 0.5f).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 299);

    // Both changed, far apart: two rectangles, not one round both.
    ASSERT_TRUE(Diff(
        before, Frame().Clear().Sprite(10, 12, 16, 16).Sprite(300, 200, 16, 16, 0.5f).list, out));
    EXPECT_EQ(out.size(), 2u);

    // Drawn in another colour: the draw's pen changed, so its box is redrawn.
    Pen dim = ScreenPen();
    dim.colour[0] = 0.5f;
    ASSERT_TRUE(Diff(
        before, Frame().Clear().Sprite(10, 10, 16, 16, 0, dim).Sprite(300, 200, 16, 16).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 9);

    // The texture of the second sprite rewritten between the frames (a sprite captured anew):
    // the same quad, a new generation of texels, so its box is redrawn and nothing else.
    ASSERT_TRUE(Diff(
        before,
        Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16, 0, ScreenPen(7, 2)).list,
        out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 299);
    EXPECT_EQ(out[0].x1, 317);
}

TEST(FrameDifferences, DrawsAddedOrTakenAwayAreRedrawnAlone) {
    const FrameList before = Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16).list;
    std::vector<Box> out;
    // A label appearing between the two: its box alone.
    ASSERT_TRUE(Diff(before,
                     Frame()
                         .Clear()
                         .Sprite(10, 10, 16, 16)
                         .Sprite(100, 100, 40, 8)
                         .Sprite(300, 200, 16, 16)
                         .list,
                     out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 99);
    EXPECT_EQ(out[0].x1, 141);
    EXPECT_EQ(out[0].y0, 480 - 108 - 1);
    // The first sprite gone: where it was, and nothing of the second.
    ASSERT_TRUE(Diff(before, Frame().Clear().Sprite(300, 200, 16, 16).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 9);
    EXPECT_EQ(out[0].x1, 27);
    // One more and one moved: the run between the first and the last difference.
    ASSERT_TRUE(Diff(
        before,
        Frame().Clear().Sprite(12, 10, 16, 16).Sprite(300, 200, 16, 16).Sprite(500, 20, 8, 8).list,
        out));
    EXPECT_EQ(out.size(), 3u);
}

TEST(FrameDifferences, WhatARectangleCannotMendAsksForTheWholeFrame) {
    const FrameList before = Frame().Clear().Sprite(10, 10, 16, 16).list;
    std::vector<Box> out;
    // A second clear appearing after the draws (a screen drawn anew in the frame).
    EXPECT_FALSE(Diff(
        before, Frame().Clear().Sprite(10, 10, 16, 16).Clear().Sprite(10, 10, 16, 16).list, out));
    // The screen cleared to another colour.
    Pen grey = ScreenPen();
    grey.clear[0] = 0.25f;
    EXPECT_FALSE(Diff(before, Frame().Clear(grey).Sprite(10, 10, 16, 16).list, out));
    // Nothing on the screen to build on, or a screen of another size.
    FrameList unshown = before;
    unshown.valid = false;
    EXPECT_FALSE(Diff(unshown, before, out));
    FrameList smaller = Frame().Clear().Sprite(10, 10, 16, 16).list;
    smaller.width = 320;
    EXPECT_FALSE(Diff(before, smaller, out));
}

// The capture asked for was made, its writes into its sprite and the atlas giving texture 7
// (drawn at generation 1 before it) generation 2.
void Made(CaptureMemo& memo) {
    memo.made = memo.armed;
    memo.written = 2;
}

TEST(CaptureInAFrame, LeftOutOnlyWhenTheSameDrawingIsCopiedAgain) {
    const std::array<int, 6> preview = {12, 0, 0, 320, 240, 0};
    const FrameList board = Frame().Clear().Sprite(10, 10, 16, 16).list;
    CaptureMemo memo;
    // The first capture of a frame drawn from a clear: made, and kept for the next frame once
    // it was made.
    EXPECT_FALSE(CaptureRepeats(memo, board, preview));
    EXPECT_TRUE(memo.armed);
    Made(memo);
    EXPECT_TRUE(CaptureRepeats(memo, Frame().Clear().Sprite(10, 10, 16, 16).list, preview));
    // Its own writes are no change: the texture drawn at the generation the capture gave it.
    EXPECT_TRUE(CaptureRepeats(
        memo, Frame().Clear().Sprite(10, 10, 16, 16, 0, ScreenPen(7, 2)).list, preview));
    // Another rectangle, or a sprite moved, or its texture rewritten since: made again.
    EXPECT_FALSE(CaptureRepeats(memo, board, {12, 0, 0, 160, 120, 0}));
    Made(memo);
    EXPECT_FALSE(CaptureRepeats(memo, board, preview));
    Made(memo);
    EXPECT_TRUE(CaptureRepeats(memo, board, preview));
    EXPECT_FALSE(CaptureRepeats(
        memo, Frame().Clear().Sprite(10, 10, 16, 16, 0, ScreenPen(7, 3)).list, preview));
    Made(memo);
    EXPECT_FALSE(CaptureRepeats(memo, Frame().Clear().Sprite(11, 10, 16, 16).list, preview));
    // A capture that was asked for but never made (memo.made left false) is no ground.
    EXPECT_FALSE(CaptureRepeats(memo, Frame().Clear().Sprite(11, 10, 16, 16).list, preview));
    // Drawn over what the frame before left (no clear first): always made, never kept.
    memo.made = true;
    const FrameList over = Frame().Sprite(10, 10, 16, 16).list;
    EXPECT_FALSE(CaptureRepeats(memo, over, preview));
    EXPECT_FALSE(memo.armed);
    EXPECT_FALSE(CaptureRepeats(memo, over, preview));
}
}  // namespace
