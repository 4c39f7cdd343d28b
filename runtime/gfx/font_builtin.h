// The built-in 8 x 8 font: 96 glyphs of 5 x 6 pixels for codes 32 to 127.
#pragma once
#include <cstdint>
#include <vector>

// Glyph mask of code c (32 to 127): bit (row * 5 + column) is the pixel at that column (0 to 4,
// left to right) and row (0 to 5, top to bottom). 0 for other codes.
uint32_t BuiltinGlyphMask(int code);

// The font picture: 128 x 64 RGBA, rows from the top, 16 columns and 8 rows of 8 x 8 cells.
// Each glyph sits at (1, 1) of its cell in white, ringed by dark grey (8, 8, 8) on every free
// pixel beside a glyph pixel; the rest is transparent.
constexpr int kBuiltinFontWidth = 128;
constexpr int kBuiltinFontHeight = 64;
std::vector<uint8_t> BuiltinFontPixels();
