// Test helpers for drawing: a started engine on an off-screen OpenGL context, read-backs of the
// logical screen, PNG files and golden-image comparison.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Starts the engine once per test program on a width x height logical screen (Mesa's
// off-screen driver unless SDL_VIDEODRIVER is set). The log file goes to a scratch folder.
void StartTestEngine(int width = 640, int height = 480);

// An RGB picture, rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* At(int x, int y) const { return rgb.data() + (size_t(y) * width + x) * 3; }
    uint32_t Colour(int x, int y) const {  // 0x00BBGGRR like the drawing commands
        const uint8_t* p = At(x, y);
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
};

// The whole logical screen as drawn so far.
RgbImage ReadScreen();

bool WritePngFile(const std::string& path, int width, int height, const uint8_t* pixels,
                  bool with_alpha);
bool ReadPngRgb(const std::string& path, RgbImage& out);

// Compares with tests/runtime/gfx/golden/NAME.png. The comparison is exact (tolerance 0 on
// every channel): Mesa's software renderers draw bit-exactly. With ZOLV_UPDATE_GOLDENS=1 the
// picture is written as the new reference instead. On a mismatch the drawn picture is kept in
// the build folder and the message says how many pixels differ. Empty string = equal.
std::string CompareWithGolden(const std::string& name, const RgbImage& image);

// A fresh folder for a test's files (a new one on every call, so parallel tests never share).
std::string TestScratchFolder(const std::string& name);

// The whole log file as text.
std::string ReadLogText();
