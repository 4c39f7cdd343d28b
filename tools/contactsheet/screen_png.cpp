#include "screen_png.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/screen.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/window.h"

bool SaveScreenPng(const std::string& path) {
    FlushBatch();
    BindLogicalScreen();
    const int w = PlatformLogicalWidth();
    const int h = PlatformLogicalHeight();
    std::vector<uint8_t> pixels(static_cast<size_t>(w) * h * 3);
    ReadPixels(0, 0, w, h, PixelOrder::kRgb, pixels.data());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // OpenGL rows run bottom-up.
    for (int row = h - 1; row >= 0; --row)
        png_write_row(png, pixels.data() + static_cast<size_t>(row) * w * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return true;
}
