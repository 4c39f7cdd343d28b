#include "runtime/gfx/sprite_atlas.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/gl_ext.h"

namespace {
constexpr int kPageSize = 1024;
constexpr int kLargestBlock = 256;
constexpr int kMostPages = 8;

// Blocks are placed left to right on shelves, shelves from the bottom up.
struct Page {
    uint32_t texture = 0;
    int shelf_x = 0, shelf_y = 0, shelf_height = 0;
};

struct Atlas {
    std::vector<Page> pages;
} g_atlas;

bool NewPage() {
    if (static_cast<int>(g_atlas.pages.size()) >= kMostPages) return false;
    const uint32_t name = NewTexture(kPageSize, kPageSize, TexelFilter::kLinear, TexelWrap::kRepeat,
                                     PixelOrder::kRgba, nullptr);
    g_atlas.pages.push_back(Page{name, 0, 0, 0});
    return true;
}

// A place for a block of w x h texels: the page's texture and the block's corner.
bool Place(int w, int h, uint32_t& texture, int& x, int& y) {
    if (g_atlas.pages.empty() && !NewPage()) return false;
    Page* p = &g_atlas.pages.back();
    if (p->shelf_x + w > kPageSize) {
        p->shelf_y += p->shelf_height;
        p->shelf_x = p->shelf_height = 0;
    }
    if (p->shelf_y + h > kPageSize) {
        if (!NewPage()) return false;
        p = &g_atlas.pages.back();
    }
    texture = p->texture;
    x = p->shelf_x;
    y = p->shelf_y;
    p->shelf_x += w;
    p->shelf_height = std::max(p->shelf_height, h);
    return true;
}
}  // namespace

void AtlasStore(SpriteImage& s) {
    const GlExt& gl = Gl();
    if (!gl.CopyImageSubData || s.target || !s.texture) return;
    if (s.texture_width > kLargestBlock || s.texture_height > kLargestBlock) return;
    if (!s.atlas) {
        uint32_t texture = 0;
        int x = 0, y = 0;
        if (!Place(s.texture_width, s.texture_height, texture, x, y)) return;
        s.atlas = texture;
        s.atlas_x = static_cast<int16_t>(x);
        s.atlas_y = static_cast<int16_t>(y);
    }
    EndBatch();
    RecTexelsChange(s.atlas);
    gl.CopyImageSubData(s.texture, GL_TEXTURE_2D, 0, 0, 0, 0, s.atlas, GL_TEXTURE_2D, 0, s.atlas_x,
                        s.atlas_y, 0, s.texture_width, s.texture_height, 1);
}

void AtlasReset() {
    for (Page& p : g_atlas.pages) DeleteTextureName(p.texture);
    g_atlas = Atlas{};
}

int AtlasPageSize() {
    return kPageSize;
}
