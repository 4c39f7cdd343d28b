// The helpers the drawing, capture, background and font files share.
#include "runtime/gfx/gl_draw.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "runtime/gfx/texture_io.h"
#include "runtime/platform/window.h"

SpriteImage& SpriteAt(int n) {
    return Gfx()->sprites[static_cast<uint16_t>(n)];
}

int ScreenPixelsWide() {
    return PlatformLogicalWidth();
}
int ScreenPixelsHigh() {
    return PlatformLogicalHeight();
}

int CurrentTargetHeight() {
    const OpenGLDirezaze* g = Gfx();
    if (g && g->active_target >= 0) {
        const OffscreenTarget& t = g->targets[g->active_target];
        if (t.renderbuffer_width != 0) return g->sprites[t.sprite].image_height;
    }
    return ScreenPixelsHigh();
}

QuadFilter SpriteFilter() {
    return Gfx()->filtering ? QuadFilter::kLinear : QuadFilter::kNearest;
}

void BatchQuadFan(uint32_t texture, QuadFilter filter, float x0, float y0, float x1, float y1,
                  float u0, float v0, float u1, float v1) {
    const float xyuv[16] = {x0, y1, u0, v0, x1, y1, u1, v0, x1, y0, u1, v1, x0, y0, u0, v1};
    BatchQuad(texture, filter, QuadKind::kFan, xyuv);
}

int MaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size > 0 ? size : 64;
}

int PowerOfTwoAtLeast(int size, int minimum) {
    int p = minimum;
    while (p < size && p < (1 << 30)) p <<= 1;
    return p;
}

void UploadSprite(SpriteImage& s, const uint8_t* rgba, int width, int height) {
    FreeSprite(s);
    const int tw = PowerOfTwoAtLeast(width, 2);
    const int th = PowerOfTwoAtLeast(height, 2);
    std::vector<uint8_t> block(static_cast<size_t>(tw) * th * 4, 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = rgba + static_cast<size_t>(y) * width * 4;
        std::copy(src, src + width * 4,
                  block.data() + static_cast<size_t>(height - 1 - y) * tw * 4);
    }
    s.texture = NewTexture(tw, th, TexelFilter::kLinear, TexelWrap::kRepeat, PixelOrder::kRgba,
                           block.data());
    s.texture_width = static_cast<int16_t>(tw);
    s.texture_height = static_cast<int16_t>(th);
    s.image_width = static_cast<int16_t>(width);
    s.image_height = static_cast<int16_t>(height);
}
