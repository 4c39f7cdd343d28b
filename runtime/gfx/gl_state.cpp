// The pen and the quad batch of the drawing files.
#include "runtime/gfx/gl_state.h"

#include <GL/gl.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/pipeline.h"
#include "runtime/platform/gl_ext.h"

namespace {
using recording::Pen;

// A texture's parameters as the draws left them (-1: as it was made).
struct TextureParameters {
    int8_t filter = -1;   // 0 nearest, 1 linear
    int8_t clamped = -1;  // 1 when both axes clamp to the edge
};

struct Batch {
    uint32_t texture = 0;
    QuadFilter filter = QuadFilter::kKeep;
    QuadKind kind = QuadKind::kQuad;
    std::vector<float> xyuv;  // 16 floats a quad
};

struct GlState {
    std::unordered_map<uint32_t, TextureParameters> textures;
    Batch batch;
} g_state;

// The pen with the bound texture's parameters as known.
void TakeParameters(Pen& pen) {
    const auto it = g_state.textures.find(pen.texture);
    const TextureParameters p = it == g_state.textures.end() ? TextureParameters{} : it->second;
    pen.filter = p.filter;
    pen.clamped = p.clamped;
}
}  // namespace

void EndBatch() {
    Batch& b = g_state.batch;
    if (b.xyuv.empty()) return;
    RecDrawQuads(b.xyuv.data(), static_cast<int>(b.xyuv.size() / 16), b.kind == QuadKind::kFan);
    b.xyuv.clear();
}

void FlushBatch() {
    EndBatch();
    FrameRecordSync();
    RecApplyPen();
}

void ForgetGlState() {
    EndBatch();
    RecForgetApplied();
}

const Pen& CurrentPen() {
    return DrawingPen();
}

void SetPen(const Pen& pen) {
    if (pen == DrawingPen()) return;
    EndBatch();
    DrawingPenToChange() = pen;
}

void UseTexture(uint32_t name) {
    if (DrawingPen().texture == name) return;
    Pen p = DrawingPen();
    p.texture = name;
    TakeParameters(p);
    SetPen(p);
}

void UseTexturing(bool on) {
    Pen p = DrawingPen();
    p.texturing = on;
    SetPen(p);
}
void UseAlphaTest(bool on) {
    Pen p = DrawingPen();
    p.alpha_test = on;
    SetPen(p);
}
void UseBlend(bool on) {
    Pen p = DrawingPen();
    p.blend = on;
    SetPen(p);
}
void UseFrontFaceClockwise(bool clockwise) {
    Pen p = DrawingPen();
    p.front_cw = clockwise;
    SetPen(p);
}

void ForgetTextureParameters(uint32_t name) {
    g_state.textures.erase(name);
    RecForgetParameters(name);
    if (DrawingPen().texture == name) {
        Pen p = DrawingPen();
        TakeParameters(p);
        SetPen(p);
    }
}

void DeleteTextureName(uint32_t& name) {
    if (!name) return;
    EndBatch();
    // A recorded list that draws it is drawn first; the pen no longer binds it.
    RecTexelsChange(name, true);
    GLuint n = name;
    glDeleteTextures(1, &n);
    // Deleting the bound texture binds 0.
    if (PipeBoundTexture() == name) PipeBindTexture(0);
    g_state.textures.erase(name);
    name = 0;
}

void BatchQuad(uint32_t texture, QuadFilter filter, QuadKind kind, const float (&xyuv)[16]) {
    Batch& b = g_state.batch;
    if (b.xyuv.empty() || b.texture != texture || b.filter != filter || b.kind != kind) {
        EndBatch();
        // The bound texture's parameters as the quads want them: a quad at its own size leaves
        // the wrap mode as it is; a fan clamps, and the texture keeps that for later quads.
        TextureParameters& t = g_state.textures[texture];
        if (filter != QuadFilter::kKeep) t.filter = static_cast<int8_t>(filter);
        if (kind == QuadKind::kFan) t.clamped = 1;
        Pen p = DrawingPen();
        p.texture = texture;
        p.filter = t.filter;
        p.clamped = t.clamped;
        SetPen(p);
        b.texture = texture;
        b.filter = filter;
        b.kind = kind;
    }
    b.xyuv.insert(b.xyuv.end(), xyuv, xyuv + 16);
}
