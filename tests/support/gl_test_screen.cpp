#include "gl_test_screen.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/base/log.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/screen.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/window.h"
#include "support/scratch_files.h"

namespace {
bool g_started = false;
}

void StartTestEngine(int width, int height) {
    if (g_started) return;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    // The log goes to a fresh folder of this test process's own: ctest runs test programs side
    // by side, and each start-up deletes the log it finds.
    setenv("TMPDIR", MakeScratchFolder("tmp").c_str(), 1);
    Startup() = StartupSettings{};
    Startup().width = width;
    Startup().height = height;
    EngineInit("", 1, "Zolv test");
    g_started = true;
}

RgbImage ReadScreen() {
    RgbImage img;
    img.width = PlatformLogicalWidth();
    img.height = PlatformLogicalHeight();
    std::vector<uint8_t> raw(size_t(img.width) * img.height * 3);
    FlushBatch();
    BindLogicalScreen();
    ReadPixels(0, 0, img.width, img.height, PixelOrder::kRgb, raw.data());
    img.rgb.resize(raw.size());
    const size_t row = size_t(img.width) * 3;
    for (int y = 0; y < img.height; ++y)
        std::copy(raw.data() + (img.height - 1 - y) * row, raw.data() + (img.height - y) * row,
                  img.rgb.data() + y * row);
    return img;
}

bool WritePngFile(const std::string& path, int width, int height, const uint8_t* pixels,
                  bool with_alpha) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = with_alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, pixels, 0, nullptr) != 0;
}

bool ReadPngRgb(const std::string& path, RgbImage& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = image.width;
    out.height = image.height;
    out.rgb.assign(PNG_IMAGE_SIZE(image), 0);
    return png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
}

std::string CompareWithGolden(const std::string& name, const RgbImage& image) {
    const std::string golden =
        std::string(ZOLV_SOURCE_DIR) + "/tests/runtime/gfx/golden/" + name + ".png";
    const char* update = std::getenv("ZOLV_UPDATE_GOLDENS");
    if (update && std::string(update) == "1") {
        if (!WritePngFile(golden, image.width, image.height, image.rgb.data(), false))
            return "could not write " + golden;
        std::fprintf(stderr, "golden written: %s\n", golden.c_str());
        return "";
    }
    RgbImage want;
    if (!ReadPngRgb(golden, want)) return "no reference picture " + golden;
    const std::string kept = TestScratchFolder("golden_out") + "/" + name + ".png";
    if (want.width != image.width || want.height != image.height) {
        WritePngFile(kept, image.width, image.height, image.rgb.data(), false);
        return "size differs from " + golden + "; drawn picture in " + kept;
    }
    size_t differing = 0;
    for (size_t i = 0; i < want.rgb.size(); i += 3)
        if (want.rgb[i] != image.rgb[i] || want.rgb[i + 1] != image.rgb[i + 1] ||
            want.rgb[i + 2] != image.rgb[i + 2])
            ++differing;
    if (differing == 0) return "";
    WritePngFile(kept, image.width, image.height, image.rgb.data(), false);
    return std::to_string(differing) + " pixels differ from " + golden + "; drawn picture in " +
           kept;
}

std::string TestScratchFolder(const std::string& name) {
    std::string folder = MakeScratchFolder(name);
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string ReadLogText() {
    std::ifstream in(LogFilePath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
