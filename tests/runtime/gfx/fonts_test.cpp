// Fonts: the built-in font, cell layouts of loaded fonts, slots and text drawing.
#include "runtime/gfx/fonts.h"

#include "gfx_fixture.h"
#include "runtime/gfx/font_builtin.h"

namespace {
// A font picture whose cell i is filled with colour (i, 255 - i, 77), cell 0 black.
std::string WriteCellFont(const std::string& name, int width, int height) {
    const int cw = width / 16, rows = width < height ? 16 : 8, ch = height / rows;
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cell = (y / ch) * 16 + x / cw;
            uint8_t* p = rgb.data() + (size_t(y) * width + x) * 3;
            p[0] = uint8_t(cell);
            p[1] = uint8_t(cell == 0 ? 0 : 255 - cell);
            p[2] = cell == 0 ? 0 : 77;
        }
    }
    const std::string path = TestScratchFolder("fonts") + "/" + name;
    EXPECT_TRUE(WritePngFile(path, width, height, rgb.data(), false));
    return path;
}

uint32_t CellColour(int cell) {
    return cell | ((255 - cell) << 8) | (77 << 16);
}

class FontTest : public GfxTest {};

TEST_F(FontTest, BuiltinLoadingTextGolden) {
    LoadFont("", 0);
    double w = 0, h = 0;
    FontCharSize(w, h);
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 8);
    EXPECT_EQ((640 - 10 * w) / 2, 280);
    EXPECT_EQ((480 - h) / 2, 236);
    PrintText("Loading...", 280, 236);
    const RgbImage s = ReadScreen();
    int white = 0, outside = 0;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            if (s.Colour(x, y) == 0) continue;
            if (x < 280 || x >= 360 || y < 236 || y >= 244) ++outside;
            if (s.Colour(x, y) == 0xFFFFFF) ++white;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(white, 40);
    EXPECT_EQ(CompareWithGolden("loading_text", s), "");
}

TEST_F(FontTest, BuiltinGlyphsFitTheirCellAndAreOutlinedInDarkGrey) {
    for (int c = 33; c < 128; ++c) {
        EXPECT_NE(BuiltinGlyphMask(c), 0u) << c;
        EXPECT_LT(BuiltinGlyphMask(c), 1u << 30) << c;
    }
    EXPECT_EQ(BuiltinGlyphMask(32), 0u);
    // 'A' (code 65, cell column 1, row 4) as the font picture shows it, white on its cell.
    {
        const std::vector<uint8_t> px = BuiltinFontPixels();
        const char* const want[6] = {".###.", ".#.#.", ".###.", ".#.#.", ".#.#.", "....."};
        for (int r = 0; r < 6; ++r) {
            std::string row;
            for (int c = 0; c < 5; ++c) {
                const int x = 1 * 8 + 1 + c, y = 4 * 8 + 1 + r;
                row += px[(y * kBuiltinFontWidth + x) * 4] == 255 ? '#' : '.';
            }
            EXPECT_EQ(row, want[r]) << "row " << r;
        }
    }
    // 'I' (code 73, cell column 9, row 4): its top bar is glyph row 0, columns 1 to 3.
    const std::vector<uint8_t> px = BuiltinFontPixels();
    auto at = [&](int x, int y) { return px.data() + (y * kBuiltinFontWidth + x) * 4; };
    const int cx = 9 * 8, cy = 4 * 8;
    EXPECT_EQ(at(cx + 2, cy + 1)[0], 255);  // glyph pixel (1, 0)
    EXPECT_EQ(at(cx + 2, cy + 0)[0], 8);    // above it: outline
    EXPECT_EQ(at(cx + 2, cy + 0)[3], 255);
    EXPECT_EQ(at(cx + 0, cy + 0)[3], 0);  // diagonal only: transparent
}

TEST_F(FontTest, SlotsAreLimitedAndMissingFilesGiveTheBuiltinFont) {
    SetFont(40);
    EXPECT_EQ(CurrentFont(), 31);
    SetFont(-2);
    EXPECT_EQ(CurrentFont(), 0);
    LoadFont("no such font.png", 5);
    EXPECT_EQ(CurrentFont(), 5);
    const SpriteImage& s = Gfx()->sprites[OpenGLDirezaze::kFontSpriteBase + 5];
    EXPECT_EQ(s.image_width, 128);
    EXPECT_EQ(s.image_height, 64);
    SetFont(0);
}

TEST_F(FontTest, WideFontHas128CharactersAndTallFontHas256) {
    LoadFont(WriteCellFont("wide.png", 256, 128), 1);
    double w = 0, h = 0;
    FontCharSize(w, h);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 16);
    FillBox(0, 0, 640, 480, 0x402000);
    PrintText("\xC8H\x01", 10, 10);
    RgbImage s = ReadScreen();
    EXPECT_EQ(s.Colour(18, 18), CellColour(72)) << "code 200 draws the cell of code 72";
    EXPECT_EQ(s.Colour(34, 18), CellColour(72));
    EXPECT_EQ(s.Colour(50, 18), CellColour(1)) << "control codes draw their cells";

    LoadFont(WriteCellFont("tall.png", 128, 256), 2);
    FontCharSize(w, h);
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 16);
    ClearFrame();
    FillBox(0, 0, 640, 480, 0x402000);
    PrintText("\xC8\x00", 10.2, 10);
    s = ReadScreen();
    EXPECT_EQ(s.Colour(15, 18), CellColour(200));
    // Cell 0 is black, the load key colour: transparent, the box shows through.
    EXPECT_EQ(s.Colour(23, 18), 0x402000u);
    SetFont(0);
}

TEST_F(FontTest, PrintNumberWritesWholeNumbersWithoutAPoint) {
    LoadFont("", 0);
    PrintText("12.5 -3", 0, 0);
    const RgbImage text = ReadScreen();
    ClearFrame();
    PrintNumber(12.5, 0, 0);
    PrintNumber(-3.0, 40, 0);
    EXPECT_TRUE(ReadScreen().rgb == text.rgb);
}
}  // namespace
