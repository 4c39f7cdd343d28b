#include "runtime/gfx/gl_check.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/base/log.h"
#include "runtime/platform/gl_ext.h"
#include "runtime/platform/switches.h"

namespace {

// What a raw call would change: the binding, the enables, blending, viewport, clear colour,
// the target, the program and the vertices. The colour, the alpha test and the matrices are
// the drawing pipeline's own, out of reach of raw calls.
constexpr GLenum kInts[] = {
    GL_TEXTURE_BINDING_2D, GL_BLEND_SRC_RGB,        GL_BLEND_DST_RGB,
    GL_FRONT_FACE,         GL_CULL_FACE_MODE,       GL_DRAW_FRAMEBUFFER_BINDING,
    GL_CURRENT_PROGRAM,    GL_VERTEX_ARRAY_BINDING, GL_ARRAY_BUFFER_BINDING};
const char* const kIntNames[] = {"texture binding", "blend source", "blend destination",
                                 "front face",      "cull face",    "draw framebuffer",
                                 "program",         "vertex array", "vertex buffer"};
constexpr GLenum kEnables[] = {GL_BLEND, GL_SCISSOR_TEST, GL_CULL_FACE, GL_DEPTH_TEST,
                               GL_STENCIL_TEST};
const char* const kEnableNames[] = {"blending", "scissor test", "culling", "depth test",
                                    "stencil test"};
constexpr size_t kIntCount = sizeof kInts / sizeof kInts[0];
constexpr size_t kEnableCount = sizeof kEnables / sizeof kEnables[0];

struct GlSnapshot {
    std::array<GLint, kIntCount + kEnableCount> ints{};
    std::array<GLfloat, 8> floats{};  // clear colour, viewport
};

GlSnapshot Take() {
    GlSnapshot s;
    size_t i = 0;
    for (GLenum e : kInts) glGetIntegerv(e, &s.ints[i++]);
    for (GLenum e : kEnables) s.ints[i++] = glIsEnabled(e);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, &s.floats[0]);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int k = 0; k < 4; ++k) s.floats[4 + k] = static_cast<GLfloat>(viewport[k]);
    return s;
}

std::string Difference(const GlSnapshot& a, const GlSnapshot& b) {
    std::string out;
    auto add = [&out](const char* what) {
        if (out.find(what) != std::string::npos) return;
        out += out.empty() ? "" : ", ";
        out += what;
    };
    for (size_t i = 0; i < kIntCount; ++i)
        if (a.ints[i] != b.ints[i]) add(kIntNames[i]);
    for (size_t i = 0; i < kEnableCount; ++i)
        if (a.ints[kIntCount + i] != b.ints[kIntCount + i]) add(kEnableNames[i]);
    for (size_t i = 0; i < a.floats.size(); ++i)
        if (a.floats[i] != b.floats[i]) add(i < 4 ? "clear colour" : "viewport");
    return out;
}

struct Check {
    bool active = false;
    GlSnapshot at_begin;
    GLuint query = 0;
} g_check;

[[noreturn]] void Fail(const std::string& what) {
    const std::string text =
        "OpenGL was called outside the drawing commands while a frame was "
        "recorded (" +
        what + ")";
    AppendLog(text);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::abort();
}
}  // namespace

void GlCheckRecordingBegins() {
    if (!Switches().gl_check) return;
    const GlExt& gl = Gl();
    g_check.at_begin = Take();
    g_check.active = true;
    if (gl.GenQueries && gl.BeginQuery && gl.EndQuery && gl.GetQueryObjectuiv) {
        if (!g_check.query) gl.GenQueries(1, &g_check.query);
        gl.BeginQuery(GL_SAMPLES_PASSED, g_check.query);
    }
}

void GlCheckRecordingEnds(const char* where) {
    if (!g_check.active) return;
    g_check.active = false;
    const GlExt& gl = Gl();
    GLuint samples = 0;
    if (g_check.query) {
        gl.EndQuery(GL_SAMPLES_PASSED);
        gl.GetQueryObjectuiv(g_check.query, GL_QUERY_RESULT, &samples);
    }
    if (samples > 0) Fail(std::to_string(samples) + " samples drawn, found at " + where);
    const std::string changed = Difference(g_check.at_begin, Take());
    if (!changed.empty()) Fail(changed + " changed, found at " + where);
}
