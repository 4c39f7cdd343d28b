// The one way texels go into textures and pixels come back from the screen: every texture is
// made and written here, and every read-back of a drawn picture goes through ReadPixels (the
// processor's present in the platform layer reads its own framebuffer). A read draws what is
// recorded and batched first, so its pixels are those of everything drawn before it; a write
// first draws a recorded frame that draws the texture, and moves the texture's generation on.
#pragma once
#include <cstdint>

enum class TexelFilter { kNearest, kLinear };
enum class TexelWrap { kRepeat, kClampToEdge };
// 4 bytes a texel or pixel, red first or blue first; or 3 bytes a pixel (read-back only),
// rows packed with no padding.
enum class PixelOrder { kRgba, kBgra, kRgb };

// A new w x h texture of RGBA8 texels with its filter and wrap set, filled from `texels`
// (w x h, rows from the bottom, kRgba or kBgra) or left undefined when null. The binding the
// draws had stays.
uint32_t NewTexture(int w, int h, TexelFilter filter, TexelWrap wrap, PixelOrder order,
                    const void* texels);
// Replaces every texel of `name` (of w x h, made by NewTexture) from `texels`.
void WriteTexture(uint32_t name, int w, int h, PixelOrder order, const void* texels);
// Copies w x h pixels at (x, y) of the framebuffer being read (y from the bottom) into `name`
// with their lower-left corner at (tx, ty).
void CopyIntoTexture(uint32_t name, int tx, int ty, int x, int y, int w, int h);
// Reads w x h pixels at (x, y) of the framebuffer being read (y from the bottom) into `out`,
// rows from the bottom, `row_length` pixels apart (0: w).
void ReadPixels(int x, int y, int w, int h, PixelOrder order, void* out, int row_length = 0);
