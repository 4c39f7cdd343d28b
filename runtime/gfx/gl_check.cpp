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

// What a raw call would change: the binding, the enables, blending, colour, viewport, the
// matrices and the target. The shader pipeline keeps the fixed functions' part itself, where
// no raw call reaches it, and OpenGL keeps its program and vertex arrays.
#ifdef ZOLV_SHADER_PIPELINE
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
#else
constexpr GLenum kInts[] = {GL_TEXTURE_BINDING_2D,
                            GL_MATRIX_MODE,
                            GL_BLEND_SRC,
                            GL_BLEND_DST,
                            GL_FRONT_FACE,
                            GL_ALPHA_TEST_FUNC,
                            GL_SHADE_MODEL,
                            GL_CULL_FACE_MODE,
                            GL_DRAW_FRAMEBUFFER_BINDING,
                            GL_MODELVIEW_STACK_DEPTH,
                            GL_PROJECTION_STACK_DEPTH};
constexpr GLenum kEnables[] = {GL_TEXTURE_2D, GL_BLEND,      GL_ALPHA_TEST,  GL_SCISSOR_TEST,
                               GL_CULL_FACE,  GL_DEPTH_TEST, GL_STENCIL_TEST};
const char* const kIntNames[] = {"texture binding",   "matrix mode",     "blend source",
                                 "blend destination", "front face",      "alpha function",
                                 "shade model",       "cull face",       "draw framebuffer",
                                 "modelview depth",   "projection depth"};
const char* const kEnableNames[] = {"texturing", "blending",   "alpha test",  "scissor test",
                                    "culling",   "depth test", "stencil test"};

#endif
constexpr size_t kIntCount = sizeof kInts / sizeof kInts[0];
constexpr size_t kEnableCount = sizeof kEnables / sizeof kEnables[0];

struct GlSnapshot {
    std::array<GLint, kIntCount + kEnableCount> ints{};
    std::array<GLfloat, 40> floats{};
};

GlSnapshot Take() {
    GlSnapshot s;
    size_t i = 0;
    for (GLenum e : kInts) glGetIntegerv(e, &s.ints[i++]);
    for (GLenum e : kEnables) s.ints[i++] = glIsEnabled(e);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, &s.floats[4]);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int k = 0; k < 4; ++k) s.floats[8 + k] = static_cast<GLfloat>(viewport[k]);
#ifndef ZOLV_SHADER_PIPELINE
    glGetFloatv(GL_CURRENT_COLOR, &s.floats[0]);
    glGetFloatv(GL_MODELVIEW_MATRIX, &s.floats[12]);
    glGetFloatv(GL_ALPHA_TEST_REF, &s.floats[28]);
    // The projection's first twelve entries tell the 2D projections apart.
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int k = 0; k < 11; ++k) s.floats[29 + k] = projection[k];
#endif
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
    for (size_t i = 0; i < a.floats.size(); ++i) {
        if (a.floats[i] == b.floats[i]) continue;
        if (i < 4)
            add("colour");
        else if (i < 8)
            add("clear colour");
        else if (i < 12)
            add("viewport");
        else if (i < 28)
            add("modelview matrix");
        else if (i == 28)
            add("alpha reference");
        else
            add("projection matrix");
    }
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
