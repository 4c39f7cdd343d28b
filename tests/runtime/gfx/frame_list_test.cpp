// Where two recorded frames differ, from lists made by hand (no window, no OpenGL): only the
// draws that changed are redrawn, each where it was and where it is; anything a rectangle
// cannot mend asks for the whole frame.
#include "runtime/gfx/frame_list.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {
using namespace recording;

Slot MakeSlot(uint64_t key, std::initializer_list<double> values) {
    Slot s;
    s.key = key;
    std::copy(values.begin(), values.end(), s.v.begin());
    return s;
}

// A state with a colour and a clear colour (slots sorted by key, as the recorder keeps them).
State MakeState(double red = 1, double clear_red = 0) {
    return {MakeSlot(Key(kSlotColour), {0, red, 1, 1, 1}),
            MakeSlot(Key(kSlotClearColour), {clear_red, 0, 0, 1})};
}

class Frame {
  public:
    Frame() {
        list.width = 640;
        list.height = 480;
        list.valid = true;
    }
    Frame& Clear(const State& st = MakeState()) {
        Op op;
        op.code = Code::kClear;
        op.state = AddState(st);
        list.ops.push_back(op);
        return *this;
    }
    // A w x h sprite at (x, y), texture coordinates from u.
    Frame& Sprite(float x, float y, float w, float h, float u = 0, const State& st = MakeState()) {
        Op op;
        op.code = Code::kQuads;
        op.count = 1;
        op.first = static_cast<uint32_t>(list.payload.size());
        op.box = static_cast<uint32_t>(list.boxes.size());
        op.state = AddState(st);
        const float q[16] = {x + w, y,     u + 1, 1, x,     y,     u,     1,
                             x,     y + h, u,     0, x + w, y + h, u + 1, 0};
        list.payload.insert(list.payload.end(), q, q + 16);
        list.boxes.push_back({int(x) - 1, int(y) - 1, int(x + w) + 1, int(y + h) + 1});
        list.ops.push_back(op);
        return *this;
    }
    FrameList list;

  private:
    uint32_t AddState(const State& st) {
        if (list.states.empty() || !(list.states.back() == st)) list.states.push_back(st);
        return static_cast<uint32_t>(list.states.size() - 1);
    }
};

TEST(FrameDifferences, OnlyChangedDrawsAreRedrawnWhereTheyWereAndWhereTheyAre) {
    const FrameList before = Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16).list;
    std::vector<Box> out;

    // The same frame: nothing to draw.
    ASSERT_TRUE(Differences(
        before, Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16).list, out));
    EXPECT_TRUE(out.empty());

    // A sprite moved by a step: its old and new places, joined as they touch.
    ASSERT_TRUE(Differences(
        before, Frame().Clear().Sprite(14, 10, 16, 16).Sprite(300, 200, 16, 16).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 9);
    EXPECT_EQ(out[0].x1, 31);
    EXPECT_EQ(out[0].y0, 9);
    EXPECT_EQ(out[0].y1, 27);

    // The same place, other texels (a changed letter of a text): that sprite's box alone.
    ASSERT_TRUE(Differences(
        before, Frame().Clear().Sprite(10, 10, 16, 16).Sprite(300, 200, 16, 16, 0.5f).list, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 299);
    EXPECT_EQ(out[0].y1, 217);

    // Both changed, far apart: two rectangles, not one round both.
    ASSERT_TRUE(Differences(
        before, Frame().Clear().Sprite(10, 12, 16, 16).Sprite(300, 200, 16, 16, 0.5f).list, out));
    EXPECT_EQ(out.size(), 2u);

    // Drawn in another colour: the draw's state changed, so its box is redrawn.
    ASSERT_TRUE(Differences(
        before,
        Frame().Clear().Sprite(10, 10, 16, 16, 0, MakeState(0.5)).Sprite(300, 200, 16, 16).list,
        out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x0, 9);
}

TEST(FrameDifferences, WhatARectangleCannotMendAsksForTheWholeFrame) {
    const FrameList before = Frame().Clear().Sprite(10, 10, 16, 16).list;
    std::vector<Box> out;
    // A label appearing: a draw more.
    EXPECT_FALSE(Differences(
        before, Frame().Clear().Sprite(10, 10, 16, 16).Sprite(100, 100, 40, 8).list, out));
    // The screen cleared to another colour.
    EXPECT_FALSE(
        Differences(before, Frame().Clear(MakeState(1, 0.25)).Sprite(10, 10, 16, 16).list, out));
    // A clear depends on its colour alone: another drawing colour changes nothing of it.
    EXPECT_TRUE(
        Differences(before, Frame().Clear(MakeState(0.5)).Sprite(10, 10, 16, 16).list, out));
    EXPECT_TRUE(out.empty());
    // Nothing on the screen to build on, or a screen of another size.
    FrameList unshown = before;
    unshown.valid = false;
    EXPECT_FALSE(Differences(unshown, before, out));
    FrameList smaller = Frame().Clear().Sprite(10, 10, 16, 16).list;
    smaller.width = 320;
    EXPECT_FALSE(Differences(before, smaller, out));
}
}  // namespace
