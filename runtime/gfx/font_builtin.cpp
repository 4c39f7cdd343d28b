#include "runtime/gfx/font_builtin.h"

#include <array>

namespace {
// Codes 32 to 127, six to a line; bit (row * 5 + column) set where the glyph has a pixel.
constexpr std::array<uint32_t, 96> kMasks = {
    0x00000000, 0x08021080, 0x00002940, 0x15F57D40, 0x08E619C4, 0x14222140, 0x0ED114E0, 0x00001080,
    0x08210880, 0x04421040, 0x09575480, 0x08471080, 0x04400000, 0x00070000, 0x08000000, 0x04222100,
    0x00E5294E, 0x004210C4, 0x00E1390E, 0x00E4390E, 0x0084394A, 0x00E4384E, 0x00E5384E, 0x0042210E,
    0x00E5394E, 0x00E4394E, 0x00020080, 0x00220080, 0x00820888, 0x000701C0, 0x00222082, 0x0040310E,
    0x00E0B526, 0x00A5394E, 0x00E5194E, 0x00E5094E, 0x00E52946, 0x00E1384E, 0x0021384E, 0x00E5284E,
    0x00A5394A, 0x00E2108E, 0x00E5210C, 0x00A5194A, 0x00E10842, 0x015AD6BF, 0x00A5294E, 0x00E5294E,
    0x0021394E, 0x00F294A7, 0x00A5194E, 0x00E4384E, 0x0042108E, 0x00E5294A, 0x0045294A, 0x01FAD6B5,
    0x00A5114A, 0x0042394A, 0x00E1110E, 0x00610846, 0x01041041, 0x00621086, 0x00000144, 0x00E00000,
    0x00000082, 0x00E53000, 0x00E53842, 0x00E13800, 0x00E53908, 0x08273800, 0x00423888, 0x08873800,
    0x00A51842, 0x00421004, 0x04421004, 0x00A32842, 0x00421084, 0x015ABC00, 0x00A51800, 0x00E53800,
    0x04E51800, 0x10E53000, 0x00253800, 0x00E409C0, 0x00C23884, 0x00C52800, 0x00452800, 0x00EAD400,
    0x00A22800, 0x1C872800, 0x00E121C0, 0x00821888, 0x00421084, 0x00223082, 0x0002A800, 0x3F18C63F,
};
}  // namespace

uint32_t BuiltinGlyphMask(int code) {
    return code >= 32 && code < 128 ? kMasks[code - 32] : 0;
}

std::vector<uint8_t> BuiltinFontPixels() {
    constexpr int W = kBuiltinFontWidth, H = kBuiltinFontHeight;
    std::vector<uint8_t> rgba(W * H * 4, 0);
    auto lit = [](uint32_t mask, int column, int row) {
        return column >= 0 && column < 5 && row >= 0 && row < 6 &&
               (mask >> (row * 5 + column)) & 1u;
    };
    for (int code = 32; code < 128; ++code) {
        const uint32_t mask = BuiltinGlyphMask(code);
        const int cell_x = (code % 16) * 8, cell_y = (code / 16) * 8;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                // Glyph pixel (c, r) sits at cell pixel (c + 1, r + 1).
                const int c = x - 1, r = y - 1;
                uint8_t* p = rgba.data() + ((cell_y + y) * W + cell_x + x) * 4;
                if (lit(mask, c, r)) {
                    p[0] = p[1] = p[2] = p[3] = 255;
                } else if (lit(mask, c - 1, r) || lit(mask, c + 1, r) || lit(mask, c, r - 1) ||
                           lit(mask, c, r + 1)) {
                    p[0] = p[1] = p[2] = 8;
                    p[3] = 255;
                }
            }
        }
    }
    return rgba;
}
