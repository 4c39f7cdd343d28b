// Where the logical screen lands in the window, and its whole-factor scaling by the processor.
// Pure functions: no window, no OpenGL.
#pragma once
#include <cstdint>

// A rectangle in pixels: of the window (y from the top) or of the logical screen in OpenGL's
// terms (y from the bottom), as each function says.
struct PresentRect {
    int x, y, width, height;
};

// Where a logical screen of logical_w x logical_h lands in a window of window_w x window_h:
// the largest whole factor that fits, centred; a window smaller than the screen shrinks it,
// keeping the proportions. All zero when either size is empty.
PresentRect PlatformPresentRect(int window_w, int window_h, int logical_w, int logical_h);

// Copies the rectangle `part` (OpenGL's terms) of `picture`, width x height words with the
// bottom row first, into `pixels`, a 32-bit surface with `pitch` bytes a row from the top:
// each word becomes a factor x factor square, opaque, the picture's top-left corner landing at
// (origin_x, origin_y). Returns the rectangle of the surface written (y from the top). The
// caller keeps `part` inside the picture and the squares inside the surface.
PresentRect ScaleWholeFactor(const uint32_t* picture, int width, int height,
                             const PresentRect& part, int factor, uint8_t* pixels, int pitch,
                             int origin_x, int origin_y);
