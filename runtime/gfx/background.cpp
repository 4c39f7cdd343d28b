// Background pictures: loading into tiled slots, drawing them, grabbing the screen, the
// background load command and the cross-fade's pictures.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <string>

#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/gl_draw.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/image/image_decode.h"
#include "runtime/values/media_lookup.h"

namespace {
void EmptySlot(BackgroundSlot& slot) {
    for (auto& t : slot.texture) DeleteTextureName(t);
    slot = BackgroundSlot{};
}

GLuint NewTileTexture(int size, const void* pixels) {
    // Tiles are drawn at their natural size, texel on pixel.
    return NewTexture(size, size, TexelFilter::kNearest, TexelWrap::kClampToEdge, PixelOrder::kRgba,
                      pixels);
}

void SetTile(BackgroundSlot& slot, int i, GLuint texture, int size) {
    slot.texture[i] = texture;
    slot.texture_width[i] = slot.texture_height[i] = size;
    slot.tile_width[i] = slot.tile_height[i] = size;
}

// Cuts the picture into square tiles; each tile's texture holds its part of the picture with
// the picture's top row at the top of the texture.
bool LoadIntoSlot(int slot_index, const std::string& path) {
    OpenGLDirezaze* g = Gfx();
    BackgroundSlot& slot = g->backgrounds[slot_index];
    const int tile = std::min(MaxTextureSize(), 512);
    EmptySlot(slot);
    DecodedImage image;
    if (!LoadImageFile(path, image)) return false;
    const int columns = (image.width + tile - 1) / tile;
    const int rows = (image.height + tile - 1) / tile;
    if (columns > 8 || rows > 8) {
        AppendLog("Image not loaded: " + path + ": too large for a background");
        return false;
    }
    std::vector<uint8_t> block(static_cast<size_t>(tile) * tile * 4);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::fill(block.begin(), block.end(), 0);
            const int x0 = column * tile, y0 = row * tile;
            const int w = std::min(tile, image.width - x0), h = std::min(tile, image.height - y0);
            for (int y = 0; y < h; ++y) {
                const uint8_t* src = image.rgba.data() + (size_t(y0 + y) * image.width + x0) * 4;
                std::copy(src, src + w * 4, block.data() + size_t(tile - 1 - y) * tile * 4);
            }
            SetTile(slot, column * 8 + row, NewTileTexture(tile, block.data()), tile);
        }
    }
    slot.columns = columns;
    slot.rows = rows;
    return true;
}

void DrawSlot(const BackgroundSlot& slot) {
    if (slot.columns == 0 || slot.rows == 0) return;
    UseAlphaTest(false);
    UseTexturing(true);
    int left = 0;
    for (int i = 0; i < slot.columns; ++i) {
        int top = 0;
        for (int j = 0; j < slot.rows; ++j) {
            const int k = i * 8 + j;
            // Tiles keep the nearest filter they were made with.
            BatchQuadFan(slot.texture[k], QuadFilter::kKeep, float(left), float(top),
                         float(left + slot.tile_width[k]), float(top + slot.tile_height[k]), 0, 0,
                         1, 1);
            top += slot.tile_height[k];
        }
        left += slot.tile_width[i * 8];
    }
    UseAlphaTest(true);
}

// Copies the current screen into tiles of one size, reusing tiles that already have it.
void GrabScreenIntoSlot(BackgroundSlot& slot) {
    FlushBatch();
    const int screen_w = ScreenPixelsWide(), screen_h = ScreenPixelsHigh();
    const int max_size = MaxTextureSize();
    int size = 128;
    while (size < std::max(screen_w, screen_h) && size < max_size) size *= 2;
    const int columns = std::min(8, (screen_w + size - 1) / size);
    const int rows = std::min(8, (screen_h + size - 1) / size);
    for (int k = 0; k < BackgroundSlot::kMaxTiles; ++k) {
        const bool used = k / 8 < columns && k % 8 < rows;
        if (!used || slot.texture_width[k] != size) DeleteTextureName(slot.texture[k]);
    }
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            const int k = i * 8 + j;
            if (!slot.texture[k]) SetTile(slot, k, NewTileTexture(size, nullptr), size);
            const int w = std::min(size, screen_w - i * size);
            const int h = std::min(size, screen_h - j * size);
            CopyIntoTexture(slot.texture[k], 0, size - h, i * size, screen_h - j * size - h, w, h);
        }
    }
    slot.columns = columns;
    slot.rows = rows;
}
}  // namespace

void DrawBackground() {
    if (const OpenGLDirezaze* g = Gfx()) DrawSlot(g->backgrounds[0]);
}

void LoadBackground(std::string_view file) {
    if (!Gfx()) return;
    AppendLog("Loadbmp");
    AppendLog("Shoeboxing");
    const std::string path = ResolveMediaName(std::string(file));
    if (!path.empty()) {
        AppendLog("OK?");
        if (LoadIntoSlot(0, path)) {
            DrawBackground();
            return;
        }
    } else {
        AppendLog("failed");
        AppendLog("Image not loaded: " + std::string(file) + ": not found");
    }
    ClearFrame();
}

bool FadeBegin(std::string_view file, std::string* path) {
    OpenGLDirezaze* g = Gfx();
    if (!g) return false;
    *path = ResolveMediaName(std::string(file));
    if (path->empty()) {
        AppendLog("Image not loaded: " + std::string(file) + ": not found");
        return false;
    }
    GrabScreenIntoSlot(g->backgrounds[2]);
    LoadIntoSlot(1, *path);
    ClearFrame();
    return true;
}

void FadeDraw(double x) {
    OpenGLDirezaze* g = Gfx();
    if (!g) return;
    SetBlendAlpha(x);
    DrawSlot(g->backgrounds[2]);
    SetBlendAlpha(1 - x);
    DrawSlot(g->backgrounds[1]);
}

void FadeEnd(const std::string& path) {
    OpenGLDirezaze* g = Gfx();
    if (!g) return;
    EmptySlot(g->backgrounds[1]);
    EmptySlot(g->backgrounds[2]);
    LoadIntoSlot(0, path);
    SetBlendAlpha(0);
    DrawBackground();
}
