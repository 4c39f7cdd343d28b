#include "runtime/platform/scaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
// A surface of w x h 32-bit pixels with `pad` unused bytes at the end of each row.
struct Surface {
    int w, h, pitch;
    std::vector<uint8_t> bytes;
    Surface(int w_, int h_, int pad) : w(w_), h(h_), pitch(w_ * 4 + pad), bytes(pitch * h_, 0xAB) {}
    uint32_t At(int x, int y) const {
        uint32_t v;
        std::memcpy(&v, bytes.data() + static_cast<size_t>(y) * pitch + x * 4, 4);
        return v;
    }
};
}  // namespace

TEST(PresentRect, ScalesByTheLargestWholeFactorAndCentres) {
    PresentRect r = PlatformPresentRect(1280, 1024, 320, 240);
    EXPECT_EQ(r.width, 1280);
    EXPECT_EQ(r.height, 960);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 32);
    r = PlatformPresentRect(1000, 700, 320, 240);  // factor 2, black borders around
    EXPECT_EQ(r.width, 640);
    EXPECT_EQ(r.height, 480);
    EXPECT_EQ(r.x, 180);
    EXPECT_EQ(r.y, 110);
    r = PlatformPresentRect(320, 120, 320, 240);  // too small: shrink, keep proportions
    EXPECT_EQ(r.width, 160);
    EXPECT_EQ(r.height, 120);
    EXPECT_EQ(r.x, 80);
    r = PlatformPresentRect(0, 100, 320, 240);  // no window: nothing
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(ScaleWholeFactor, EachTexelASquareRowsFlippedOpaqueAndNothingOutsideTouched) {
    // A 3 x 2 picture, bottom row first as OpenGL reads it: the top row is 4, 5, 6.
    const std::vector<uint32_t> picture = {1, 2, 3, 4, 5, 6};
    Surface s(12, 9, 8);
    const PresentRect all{0, 0, 3, 2};
    const PresentRect written =
        ScaleWholeFactor(picture.data(), 3, 2, all, 3, s.bytes.data(), s.pitch, 1, 2);
    EXPECT_EQ(written.x, 1);
    EXPECT_EQ(written.y, 2);
    EXPECT_EQ(written.width, 9);
    EXPECT_EQ(written.height, 6);
    for (int y = 0; y < s.h; ++y) {
        for (int x = 0; x < s.w; ++x) {
            const bool inside = x >= 1 && x < 10 && y >= 2 && y < 8;
            if (!inside) {
                EXPECT_EQ(s.At(x, y), 0xABABABABu) << x << "," << y;
                continue;
            }
            const int px = (x - 1) / 3, py = (y - 2) / 3;  // picture cell, top row first
            const uint32_t want = picture[static_cast<size_t>(1 - py) * 3 + px] | 0xff000000u;
            EXPECT_EQ(s.At(x, y), want) << x << "," << y;
        }
    }
    // The row padding beyond the pixels is never written.
    for (int y = 0; y < s.h; ++y)
        for (int b = s.w * 4; b < s.pitch; ++b)
            EXPECT_EQ(s.bytes[static_cast<size_t>(y) * s.pitch + b], 0xAB);
}

TEST(ScaleWholeFactor, APartLandsWhereTheWholePictureWouldPutIt) {
    // The picture 4 x 4, texel value = 10 * row + column (row 0 at the bottom).
    std::vector<uint32_t> picture(16);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) picture[r * 4 + c] = static_cast<uint32_t>(10 * r + c);
    Surface whole(8, 8, 0), part(8, 8, 0);
    ScaleWholeFactor(picture.data(), 4, 4, {0, 0, 4, 4}, 2, whole.bytes.data(), whole.pitch, 0, 0);
    // Columns 1-2 of rows 2-3 (the top two rows in OpenGL's terms).
    const PresentRect p{1, 2, 2, 2};
    const PresentRect w =
        ScaleWholeFactor(picture.data(), 4, 4, p, 2, part.bytes.data(), part.pitch, 0, 0);
    EXPECT_EQ(w.x, 2);
    EXPECT_EQ(w.y, 0);  // the top of the window
    EXPECT_EQ(w.width, 4);
    EXPECT_EQ(w.height, 4);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= w.x && x < w.x + w.width && y >= w.y && y < w.y + w.height;
            if (inside)
                EXPECT_EQ(part.At(x, y), whole.At(x, y)) << x << "," << y;
            else
                EXPECT_EQ(part.At(x, y), 0xABABABABu) << x << "," << y;
        }
    }
}
