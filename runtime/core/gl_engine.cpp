// The graphics engine object, the drawing state commands and the helpers shared by drawing.
#include "runtime/core/gl_engine.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "runtime/core/draw2d.h"
#include "runtime/core/gl_draw.h"
#include "runtime/core/platform/gl_ext.h"
#include "runtime/core/platform/window.h"
#include "runtime/core/sprite_atlas.h"

namespace {
std::unique_ptr<OpenGLDirezaze> g_engine;
bool g_fbo_allowed = true;
}  // namespace

OpenGLDirezaze::OpenGLDirezaze() : sprites(kSpriteCount) {}

OpenGLDirezaze::~OpenGLDirezaze() {
    for (auto& s : sprites) FreeSprite(s);
    for (auto& slot : backgrounds)
        for (auto& t : slot.texture) DeleteTextureName(t);
    const GlExt& gl = Gl();
    for (auto& t : targets) {
        if (!gl.framebuffer_objects) break;
        if (t.framebuffer) gl.DeleteFramebuffers(1, &t.framebuffer);
        if (t.depth_renderbuffer) gl.DeleteRenderbuffers(1, &t.depth_renderbuffer);
    }
}

OpenGLDirezaze* Gfx() {
    return g_engine.get();
}
void GfxCreate() {
    ForgetGlState();
    if (!g_engine) g_engine = std::make_unique<OpenGLDirezaze>();
}
void GfxDestroy() {
    if (g_engine && g_engine->active_target >= 0) SelectTarget(-1);
    g_engine.reset();
    AtlasReset();
}
void GfxAllowFramebufferObjects(bool allowed) {
    g_fbo_allowed = allowed;
}
bool GfxFramebufferObjectsAllowed() {
    return g_fbo_allowed && Gl().framebuffer_objects;
}

SpriteImage& SpriteAt(int n) {
    return g_engine->sprites[static_cast<uint16_t>(n)];
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

void FreeSprite(SpriteImage& s) {
    DeleteTextureName(s.texture);
    DeleteTextureName(s.texture2);
    s = SpriteImage{};
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
    GLuint name = 0;
    glGenTextures(1, &name);
    ForgetTextureParameters(name);
    UseTexture(name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tw, th, 0, GL_RGBA, GL_UNSIGNED_BYTE, block.data());
    s.texture = name;
    s.texture_width = static_cast<int16_t>(tw);
    s.texture_height = static_cast<int16_t>(th);
    s.image_width = static_cast<int16_t>(width);
    s.image_height = static_cast<int16_t>(height);
}

void ResetViewport() {
    ResetViewport(0, 0, 0, 0);
}

void ResetViewport(int x, int y, int w, int h) {
    // Everything is set again below, whatever the cache believes.
    ForgetGlState();
    OpenGLDirezaze* g = Gfx();
    const int screen_h = ScreenPixelsHigh();
    if (w <= 0 || h <= 0) {
        x = y = 0;
        w = ScreenPixelsWide();
        h = screen_h;
    }
    if (g) {
        g->viewport_x = x;
        g->viewport_y = y;
        g->viewport_w = w;
        g->viewport_h = h;
        g->filtering = 1;
    }
    glViewport(x, screen_h - h - y, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    UseTexturing(true);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    UseFrontFaceClockwise(false);
    UseAlphaTest(true);
    glAlphaFunc(GL_GREATER, 0.05f);
    for (GLenum cap : {GL_DEPTH_TEST, GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH,
                       GL_STENCIL_TEST, GL_NORMALIZE, GL_LIGHTING, GL_COLOR_MATERIAL, GL_DITHER,
                       GL_POLYGON_OFFSET_POINT, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T})
        glDisable(cap);
    glShadeModel(GL_FLAT);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
    UseTexture(0);
}

void SetBlendAlpha(double x) {
    OpenGLDirezaze* g = Gfx();
    const float a = static_cast<float>(x);
    // The held quads were drawn with the colour and blend function of before.
    FlushBatch();
    UseBlend(a != 0);
    if (a != 0) glBlendFunc(GL_SRC_ALPHA, a > 0 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    const float alpha = a == 0 ? 1.0f : std::fmin(std::fabs(a), 1.0f);
    if (g) g->alpha = alpha;
    glColor4f(1, 1, 1, alpha);
}

void SetFiltering(int on) {
    if (OpenGLDirezaze* g = Gfx()) g->filtering = on != 0 ? 1 : 0;
}

void SetKeyColour(int rgb) {
    if (OpenGLDirezaze* g = Gfx()) g->key_colour = g->load_key_colour = rgb;
}
