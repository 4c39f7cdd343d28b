// Sprite, line and box drawing on the current target.
#include "runtime/gfx/draw2d.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_draw.h"
#include "runtime/gfx/sprite_atlas.h"

namespace {
using recording::Pen;

void SetColour(Pen& p, float r, float g, float b, float a) {
    p.colour[0] = r;
    p.colour[1] = g;
    p.colour[2] = b;
    p.colour[3] = a;
}
void SetColourBytes(Pen& p, int r, int g, int b, int a) {
    SetColour(p, r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}

// Lines and boxes: untextured, no alpha test, the key colour written with alpha 0, and the
// projection moved by 3/8 pixel so edges fall between pixel centres the same way everywhere.
void BeginFlat(int rgb) {
    const OpenGLDirezaze* g = Gfx();
    Pen p = CurrentPen();
    p.alpha_test = false;
    const int a = rgb == g->key_colour ? 0 : static_cast<GLubyte>(g->alpha * 255);
    SetColourBytes(p, rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF, a);
    p.texturing = false;
    p.nudged = true;
    SetPen(p);
}

// Back to sprites, in white of `colour`'s alpha.
void EndFlat(const float (&colour)[4]) {
    Pen p = CurrentPen();
    std::copy(colour, colour + 4, p.colour);
    p.nudged = false;
    p.alpha_test = true;
    SetPen(p);
}
}  // namespace

void ClearFrame() {
    EndBatch();
    if (OpenGLDirezaze* g = Gfx()) {
        for (auto& t : g->backgrounds[0].texture) DeleteTextureName(t);
        g->backgrounds[0] = BackgroundSlot{};
    }
    RecClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void DrawSprite(int n, int x, int y) {
    if (!Gfx()) return;
    const SpriteImage& s = SpriteAt(n);
    if (!s.texture) return;
    UseTexturing(true);
    const int w = s.image_width, h = s.image_height;
    const float left = float(x), right = float(x + w), top = float(y), bottom = float(y + h);
    // Texel on pixel at the sprite's own size, where linear filtering gives exactly what
    // nearest gives: nearest is drawn, the software renderer's far cheaper path.
    if (s.atlas) {
        // The page's neighbouring blocks are never sampled, so the picture is the one its own
        // texture gives.
        const float size = float(AtlasPageSize());
        const float u0 = s.atlas_x / size, v0 = s.atlas_y / size;
        const float u1 = (s.atlas_x + w) / size, v1 = (s.atlas_y + h) / size;
        const float xyuv[16] = {right, top,    u1, v1, left,  top,    u0, v1,
                                left,  bottom, u0, v0, right, bottom, u1, v0};
        BatchQuad(s.atlas, QuadFilter::kNearest, QuadKind::kQuad, xyuv);
        return;
    }
    const float u = float(w) / s.texture_width, v = float(h) / s.texture_height;
    const float xyuv[16] = {right, top,    u, v, left,  top,    0, v,
                            left,  bottom, 0, 0, right, bottom, u, 0};
    BatchQuad(s.texture, QuadFilter::kNearest, QuadKind::kQuad, xyuv);
}

void DrawSpriteStretched(int n, int x, int y, int w, int h) {
    if (!Gfx()) return;
    const SpriteImage& s = SpriteAt(n);
    if (!s.texture) return;
    UseTexturing(true);
    // A mirrored quad winds the other way; switch the front face so culling keeps it. With
    // both w and h negative the winding is unchanged: the picture shows turned half a turn.
    const bool flipped = (w < 0) != (h < 0);
    if (flipped) UseFrontFaceClockwise(true);
    BatchQuadFan(s.texture, SpriteFilter(), float(x), float(y), float(x + w), float(y + h), 0, 0,
                 float(s.image_width) / s.texture_width, float(s.image_height) / s.texture_height);
    if (flipped) UseFrontFaceClockwise(false);
}

void DrawSpriteZoomed(int n, int x, int y, double sx, double sy) {
    if (!Gfx()) return;
    const SpriteImage& s = SpriteAt(n);
    const double w = s.image_width, h = s.image_height;
    // Far beyond any screen, but inside what an int holds.
    auto whole = [](double v) { return static_cast<int>(std::clamp(v, -1e7, 1e7)); };
    const int left = whole(x - (sx * w - w) / 2);
    const int top = whole(y - (sy * h - h) / 2);
    const int width = whole(static_cast<float>(sx * w));
    const int height = whole(static_cast<float>(sy * h));
    DrawSpriteStretched(n, left, top, width, height);
}

void DrawSpriteRotated(int n, int x, int y, double angle) {
    DrawSpriteRotZoom(n, x, y, angle, 1);
}

void DrawSpriteRotZoom(int n, int x, int y, double angle, double zoom) {
    if (!Gfx()) return;
    const SpriteImage& s = SpriteAt(n);
    if (!s.texture) return;
    UseTexturing(true);
    const float hw = static_cast<float>(zoom * s.image_width / 2);
    const float hh = static_cast<float>(zoom * s.image_height / 2);
    const float tw = s.texture_width, th = s.texture_height;
    // The turn is in the matrix: this quad is drawn alone.
    Pen p = CurrentPen();
    p.turned = true;
    p.turn_x = float(x + (s.image_width >> 1));
    p.turn_y = float(y + (s.image_height >> 1));
    p.turn_angle = static_cast<float>(angle);
    SetPen(p);
    // Half a texel in from the edges so linear filtering never reaches the unused texels.
    BatchQuadFan(s.texture, SpriteFilter(), -hw, -hh, hw, hh, 0.5f / tw, 0.5f / th,
                 (s.image_width - 0.5f) / tw, (s.image_height - 0.5f) / th);
    p = CurrentPen();
    p.turned = false;
    p.turn_x = p.turn_y = p.turn_angle = 0;
    SetPen(p);
}

void DrawLine(int x1, int y1, int x2, int y2, int rgb) {
    if (!Gfx()) return;
    BeginFlat(rgb);
    const int line[4] = {x1, y1, x2, y2};
    RecDrawFlat(GL_LINES, line, 2);
    RecDrawFlat(GL_POINTS, line + 2, 1);
    const float after = static_cast<GLubyte>(Gfx()->alpha * 255) / 255.0f;
    EndFlat({1, 1, 1, after});
}

void FillBox(int x, int y, int w, int h, int rgb) {
    if (!Gfx()) return;
    BeginFlat(rgb);
    const int x0 = w >= 0 ? x : x + w + 1, x1 = w >= 0 ? x + w : x + 1;
    const int y0 = h >= 0 ? y : y + h + 1, y1 = h >= 0 ? y + h : y + 1;
    const int quad[8] = {x0, y1, x1, y1, x1, y0, x0, y0};
    RecDrawFlat(GL_QUADS, quad, 4);
    EndFlat({1, 1, 1, Gfx()->alpha});
}

void SpriteSize(double n, double& w, double& h) {
    w = h = 0;
    if (!Gfx()) return;
    const SpriteImage& s = SpriteAt(static_cast<int>(n));
    w = s.image_width;
    h = s.image_height;
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
    // The lines and boxes' nudge, a turn, the colour: all as a new viewport has them.
    Pen p = CurrentPen();
    p.viewport[0] = x;
    p.viewport[1] = screen_h - h - y;
    p.viewport[2] = w;
    p.viewport[3] = h;
    p.screen_w = w;
    p.screen_h = h;
    p.nudged = p.turned = false;
    p.turn_x = p.turn_y = p.turn_angle = 0;
    p.texturing = true;
    p.front_cw = false;
    p.alpha_test = true;
    p.standard = true;
    SetColour(p, 1, 1, 1, 1);
    p.clear_known = true;
    const float black[4] = {0, 0, 0, 1};
    std::copy(black, black + 4, p.clear);
    SetPen(p);
    UseTexture(0);
}

void SetBlendAlpha(double x) {
    OpenGLDirezaze* g = Gfx();
    const float a = static_cast<float>(x);
    Pen p = CurrentPen();
    p.blend = a != 0;
    if (a != 0) {
        p.blend_source = GL_SRC_ALPHA;
        p.blend_destination = a > 0 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA;
    }
    const float alpha = a == 0 ? 1.0f : std::fmin(std::fabs(a), 1.0f);
    if (g) g->alpha = alpha;
    SetColour(p, 1, 1, 1, alpha);
    SetPen(p);
}

void SetFiltering(int on) {
    if (OpenGLDirezaze* g = Gfx()) g->filtering = on != 0 ? 1 : 0;
}

void SetKeyColour(int rgb) {
    if (OpenGLDirezaze* g = Gfx()) g->key_colour = g->load_key_colour = rgb;
}
