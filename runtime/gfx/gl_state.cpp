// The OpenGL state cache and the quad batch of the drawing files.
#include "runtime/gfx/gl_state.h"

#include <GL/gl.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "runtime/gfx/frame_record.h"
#include "runtime/platform/gl_ext.h"

namespace {
// -1: not known, else 0 or 1.
struct Known {
    int texture_2d = -1;
    int alpha_test = -1;
    int blend = -1;
    int front_cw = -1;
    int64_t bound = -1;  // texture name bound to GL_TEXTURE_2D
};

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
    Known known;
    std::unordered_map<uint32_t, TextureParameters> textures;
    Batch batch;
} g_state;

void SetCap(int& known, GLenum cap, bool on) {
    if (known == (on ? 1 : 0)) return;
    EndBatch();
    if (on)
        RecEnable(cap);
    else
        RecDisable(cap);
    known = on ? 1 : 0;
}

// The bound texture's parameters as the batch's quads want them.
void ApplyParameters(uint32_t texture, QuadFilter filter, QuadKind kind) {
    TextureParameters& p = g_state.textures[texture];
    if (filter != QuadFilter::kKeep && p.filter != static_cast<int8_t>(filter)) {
        const GLint f = filter == QuadFilter::kLinear ? GL_LINEAR : GL_NEAREST;
        RecTexParameteri(GL_TEXTURE_MIN_FILTER, f);
        RecTexParameteri(GL_TEXTURE_MAG_FILTER, f);
        p.filter = static_cast<int8_t>(filter);
    }
    // A quad at its own size leaves the wrap mode as it is; a fan clamps, and the texture
    // keeps that for later quads.
    if (kind == QuadKind::kFan && p.clamped != 1) {
        RecTexParameteri(GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        RecTexParameteri(GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        p.clamped = 1;
    }
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
}

void ForgetGlState() {
    EndBatch();
    g_state.known = Known{};
}

void UseTexture(uint32_t name) {
    if (g_state.known.bound == static_cast<int64_t>(name)) return;
    EndBatch();
    RecBindTexture(name);
    g_state.known.bound = name;
}

void UseTexturing(bool on) {
    SetCap(g_state.known.texture_2d, GL_TEXTURE_2D, on);
}
void UseAlphaTest(bool on) {
    SetCap(g_state.known.alpha_test, GL_ALPHA_TEST, on);
}
void UseBlend(bool on) {
    SetCap(g_state.known.blend, GL_BLEND, on);
}
void UseFrontFaceClockwise(bool clockwise) {
    if (g_state.known.front_cw == (clockwise ? 1 : 0)) return;
    EndBatch();
    RecFrontFace(clockwise ? GL_CW : GL_CCW);
    g_state.known.front_cw = clockwise ? 1 : 0;
}

void ForgetTextureParameters(uint32_t name) {
    g_state.textures.erase(name);
}

void DeleteTextureName(uint32_t& name) {
    if (!name) return;
    FlushBatch();
    GLuint n = name;
    glDeleteTextures(1, &n);
    // Deleting the bound texture binds 0.
    if (g_state.known.bound == static_cast<int64_t>(name)) g_state.known.bound = 0;
    g_state.textures.erase(name);
    name = 0;
}

void BatchQuad(uint32_t texture, QuadFilter filter, QuadKind kind, const float (&xyuv)[16]) {
    Batch& b = g_state.batch;
    if (b.xyuv.empty() || b.texture != texture || b.filter != filter || b.kind != kind) {
        EndBatch();
        UseTexture(texture);
        ApplyParameters(texture, filter, kind);
        b.texture = texture;
        b.filter = filter;
        b.kind = kind;
    }
    b.xyuv.insert(b.xyuv.end(), xyuv, xyuv + 16);
}
