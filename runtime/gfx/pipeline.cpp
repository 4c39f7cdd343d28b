// The drawing pipeline: two small shaders on OpenGL 3.3 core, OpenGL ES 3.0 and WebGL 2.
//
// What the fixed functions kept (texturing on or off, the alpha test, the colour, the two
// matrix stacks) is kept here and handed to two small shaders as uniforms; the rest (blending,
// culling, the scissor, viewport and clear colour) is OpenGL's own state on every version and
// goes straight through. The matrices are multiplied in single precision in the fixed
// functions' own order, quads become two triangles split as a fan, and textures are given and
// read as RGBA, the one order every version takes: the pixels are those of the fixed
// functions.
#include "runtime/gfx/pipeline.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/base/log.h"
#include "runtime/platform/gl_ext.h"

namespace {

using Matrix = std::array<float, 16>;  // column-major

constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
constexpr size_t kStackDepth = 32;

// a * b, each entry summed left to right in single precision.
Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix p{};
    for (int i = 0; i < 4; ++i) {
        const float ai0 = a[i], ai1 = a[4 + i], ai2 = a[8 + i], ai3 = a[12 + i];
        for (int j = 0; j < 4; ++j)
            p[j * 4 + i] =
                ai0 * b[j * 4] + ai1 * b[j * 4 + 1] + ai2 * b[j * 4 + 2] + ai3 * b[j * 4 + 3];
    }
    return p;
}

// What the shaders are told: the fixed functions' state.
struct Fixed {
    bool texturing = false;
    bool alpha_test = false;
    uint32_t alpha_function = GL_ALWAYS;
    float alpha_reference = 0;
    float colour[4] = {1, 1, 1, 1};
    bool on_projection = false;
    uint32_t bound = 0;  // the texture bound, for whether a quad is textured
};

// One program for each way a draw can be made: textured or flat, and each alpha comparison
// (the enum less GL_NEVER; 7, always, for no test). Each is made the first time it is wanted,
// so a pixel runs only the work its draw asks for. What it was last given is kept, so
// unchanged uniforms are not sent again.
struct Program {
    GLuint name = 0;
    GLint mvp = -1, colour = -1, alpha_reference = -1;
    Matrix sent_mvp{};
    float sent_colour[4] = {-1, -1, -1, -1};
    float sent_reference = -1;
};

constexpr GLenum kPassed[] = {GL_BLEND,        GL_CULL_FACE, GL_SCISSOR_TEST,       GL_DEPTH_TEST,
                              GL_STENCIL_TEST, GL_DITHER,    GL_POLYGON_OFFSET_FILL};

struct Pipeline {
    bool started = false;
    bool es = false;
    GLuint vertex_array = 0, buffer = 0;
    Program programs[2][8];
    Program* in_use = nullptr;
    Fixed fixed;
    std::vector<Matrix> projection{kIdentity}, modelview{kIdentity};
    std::vector<float> vertices;  // x, y, u, v each
    std::vector<uint8_t> texels;
} g_pipe;

bool IsPassed(uint32_t cap) {
    for (GLenum c : kPassed)
        if (c == cap) return true;
    return false;
}

Matrix& Top() {
    return g_pipe.fixed.on_projection ? g_pipe.projection.back() : g_pipe.modelview.back();
}

const char* const kVertex = R"(
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texcoord;
uniform vec4 mvp[4];
out vec2 uv;
void main() {
    uv = texcoord;
    vec4 p = vec4(position, 0.0, 1.0);
    gl_Position = vec4(dot(mvp[0], p), dot(mvp[1], p), dot(mvp[2], p), dot(mvp[3], p));
    gl_PointSize = 1.0;
}
)";

// TEXTURED and ALPHA_FUNCTION are defined before this. The alpha and the reference are
// compared as the 8-bit colour buffers hold them, as the software renderer's fixed functions
// compare them: compared as floats, edge pixels of a turned sprite get through that they keep
// out.
const char* const kFragment = R"(
uniform sampler2D picture;
uniform vec4 colour;
uniform float alpha_reference;
in vec2 uv;
out vec4 fragment;
void main() {
#if TEXTURED
    vec4 c = texture(picture, uv) * colour;
#else
    vec4 c = colour;
#endif
#if ALPHA_FUNCTION != 7
    float a = floor(c.a * 255.0 + 0.5), r = floor(alpha_reference * 255.0 + 0.5);
#if ALPHA_FUNCTION == 0
    bool pass = false;
#elif ALPHA_FUNCTION == 1
    bool pass = a < r;
#elif ALPHA_FUNCTION == 2
    bool pass = a == r;
#elif ALPHA_FUNCTION == 3
    bool pass = a <= r;
#elif ALPHA_FUNCTION == 4
    bool pass = a > r;
#elif ALPHA_FUNCTION == 5
    bool pass = a != r;
#else
    bool pass = a >= r;
#endif
    if (!pass) discard;
#endif
    fragment = c;
}
)";

GLuint Compile(GLenum kind, const char* body, const std::string& defines) {
    const std::string head =
        (g_pipe.es ? "#version 300 es\nprecision highp float;\n" : "#version 330 core\n") + defines;
    const char* parts[2] = {head.c_str(), body};
    const GLuint shader = Gl().CreateShader(kind);
    Gl().ShaderSource(shader, 2, parts, nullptr);
    Gl().CompileShader(shader);
    GLint ok = GL_FALSE;
    Gl().GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        Gl().DeleteShader(shader);
        return 0;
    }
    return shader;
}

// Makes the program for textured or flat draws with that alpha comparison; false when the
// shaders do not compile or link.
bool Make(Program& program, bool textured, int function) {
    const std::string defines = "#define TEXTURED " + std::to_string(textured ? 1 : 0) +
                                "\n#define ALPHA_FUNCTION " + std::to_string(function) + "\n";
    const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertex, defines);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragment, defines);
    GLint linked = GL_FALSE;
    if (vertex && fragment) {
        program.name = Gl().CreateProgram();
        Gl().AttachShader(program.name, vertex);
        Gl().AttachShader(program.name, fragment);
        Gl().LinkProgram(program.name);
        Gl().GetProgramiv(program.name, GL_LINK_STATUS, &linked);
    }
    if (vertex) Gl().DeleteShader(vertex);
    if (fragment) Gl().DeleteShader(fragment);
    if (linked != GL_TRUE) {
        if (program.name) Gl().DeleteProgram(program.name);
        program = Program{};
        return false;
    }
    Gl().UseProgram(program.name);
    g_pipe.in_use = &program;
    program.mvp = Gl().GetUniformLocation(program.name, "mvp");
    program.colour = Gl().GetUniformLocation(program.name, "colour");
    program.alpha_reference = Gl().GetUniformLocation(program.name, "alpha_reference");
    if (textured) Gl().Uniform1i(Gl().GetUniformLocation(program.name, "picture"), 0);
    return true;
}

// The matrix by rows: each coordinate a dot product, as the fixed functions transform.
void SendRows(GLint at, const Matrix& m) {
    float rows[16];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) rows[r * 4 + c] = m[static_cast<size_t>(c * 4 + r)];
    Gl().Uniform4fv(at, 4, rows);
}

// Puts the program for a draw, textured or not, in use with its uniforms up to date; false
// when it cannot be made (the draw is left out).
bool Prepare(bool textured) {
    Pipeline& p = g_pipe;
    const int function =
        p.fixed.alpha_test ? static_cast<int>(p.fixed.alpha_function - GL_NEVER) : 7;
    Program& program = p.programs[textured ? 1 : 0][function];
    if (!program.name && !Make(program, textured, function)) return false;
    if (p.in_use != &program) {
        Gl().UseProgram(program.name);
        p.in_use = &program;
    }
    const Matrix mvp = Multiply(p.projection.back(), p.modelview.back());
    if (mvp != program.sent_mvp) {
        SendRows(program.mvp, mvp);
        program.sent_mvp = mvp;
    }
    if (std::memcmp(p.fixed.colour, program.sent_colour, sizeof program.sent_colour) != 0) {
        Gl().Uniform4fv(program.colour, 1, p.fixed.colour);
        std::memcpy(program.sent_colour, p.fixed.colour, sizeof program.sent_colour);
    }
    // The fixed functions clamp the reference to [0, 1].
    const float reference = std::fmin(std::fmax(p.fixed.alpha_reference, 0.0f), 1.0f);
    if (function != 7 && reference != program.sent_reference) {
        Gl().Uniform1f(program.alpha_reference, reference);
        program.sent_reference = reference;
    }
    return true;
}

void Draw(GLenum mode) {
    Pipeline& p = g_pipe;
    Gl().BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(p.vertices.size() * sizeof(float)),
                    p.vertices.data(), GL_STREAM_DRAW);
    glDrawArrays(mode, 0, static_cast<GLsizei>(p.vertices.size() / 4));
}

// A quad's four vertices (4 floats each) as two triangles: 0 1 2 and 0 2 3.
void AddQuad(const float* q) {
    std::vector<float>& v = g_pipe.vertices;
    for (int k : {0, 1, 2, 0, 2, 3}) v.insert(v.end(), q + k * 4, q + k * 4 + 4);
}

}  // namespace

bool PipeStart(const char** error) {
    if (error) *error = nullptr;
    Pipeline& p = g_pipe;
    if (p.started) return true;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    p.es = version && std::strstr(version, "OpenGL ES") != nullptr;
    AppendLog(std::string("drawing through shaders on OpenGL ") + (version ? version : "?"));
    // The programs sprites and boxes are drawn with, made now to know the shaders work here.
    if (!Make(p.programs[1][GL_GREATER - GL_NEVER], true, GL_GREATER - GL_NEVER) ||
        !Make(p.programs[0][7], false, 7)) {
        if (error) *error = "the drawing shaders do not compile on this OpenGL";
        PipeStop();
        return false;
    }
    Gl().GenVertexArrays(1, &p.vertex_array);
    Gl().BindVertexArray(p.vertex_array);
    Gl().GenBuffers(1, &p.buffer);
    Gl().BindBuffer(GL_ARRAY_BUFFER, p.buffer);
    Gl().EnableVertexAttribArray(0);
    Gl().EnableVertexAttribArray(1);
    Gl().VertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
    Gl().VertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float),
                             reinterpret_cast<const void*>(2 * sizeof(float)));
    p.started = true;
    return true;
}

void PipeStop() {
    Pipeline& p = g_pipe;
    if (p.buffer) Gl().DeleteBuffers(1, &p.buffer);
    if (p.vertex_array) Gl().DeleteVertexArrays(1, &p.vertex_array);
    for (auto& row : p.programs)
        for (Program& program : row) {
            if (program.name) Gl().DeleteProgram(program.name);
            program = Program{};
        }
    p.buffer = p.vertex_array = 0;
    p.in_use = nullptr;
    p.started = false;
}

void PipeEnable(uint32_t cap) {
    if (cap == GL_TEXTURE_2D)
        g_pipe.fixed.texturing = true;
    else if (cap == GL_ALPHA_TEST)
        g_pipe.fixed.alpha_test = true;
    else if (IsPassed(cap))
        glEnable(cap);
}
void PipeDisable(uint32_t cap) {
    if (cap == GL_TEXTURE_2D)
        g_pipe.fixed.texturing = false;
    else if (cap == GL_ALPHA_TEST)
        g_pipe.fixed.alpha_test = false;
    else if (IsPassed(cap))
        glDisable(cap);
}
bool PipeEnabled(uint32_t cap) {
    if (cap == GL_TEXTURE_2D) return g_pipe.fixed.texturing;
    if (cap == GL_ALPHA_TEST) return g_pipe.fixed.alpha_test;
    return IsPassed(cap) && glIsEnabled(cap) == GL_TRUE;
}
void PipeBindTexture(uint32_t name) {
    glBindTexture(GL_TEXTURE_2D, name);
    g_pipe.fixed.bound = name;
}
uint32_t PipeBoundTexture() {
    return g_pipe.fixed.bound;
}
void PipeTexParameter(uint32_t parameter, int value) {
    glTexParameteri(GL_TEXTURE_2D, parameter, value);
}
void PipeFrontFace(uint32_t mode) {
    glFrontFace(mode);
}
void PipeCullFace(uint32_t mode) {
    glCullFace(mode);
}
void PipeBlendFunc(uint32_t source, uint32_t destination) {
    glBlendFunc(source, destination);
}
void PipeColour(float r, float g, float b, float a) {
    float* c = g_pipe.fixed.colour;
    c[0] = r;
    c[1] = g;
    c[2] = b;
    c[3] = a;
}
void PipeColourBytes(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    PipeColour(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}
void PipeCurrentColour(float (&rgba)[4]) {
    std::memcpy(rgba, g_pipe.fixed.colour, sizeof rgba);
}
void PipeAlphaFunc(uint32_t function, float reference) {
    if (function < GL_NEVER || function > GL_ALWAYS) return;
    g_pipe.fixed.alpha_function = function;
    g_pipe.fixed.alpha_reference = reference;
}
void PipeViewport(int x, int y, int width, int height) {
    glViewport(x, y, width, height);
}
void PipeScissor(int x, int y, int width, int height) {
    glScissor(x, y, width, height);
}
void PipeClearColour(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
}
void PipeClear(uint32_t mask) {
    glClear(mask);
}

void PipeMatrixMode(uint32_t mode) {
    g_pipe.fixed.on_projection = mode == GL_PROJECTION;
}
void PipePushMatrix() {
    auto& stack = g_pipe.fixed.on_projection ? g_pipe.projection : g_pipe.modelview;
    if (stack.size() < kStackDepth) stack.push_back(stack.back());
}
void PipePopMatrix() {
    auto& stack = g_pipe.fixed.on_projection ? g_pipe.projection : g_pipe.modelview;
    if (stack.size() > 1) stack.pop_back();
}
void PipeLoadIdentity() {
    Top() = kIdentity;
}
void PipeOrtho(double left, double right, double bottom, double top, double near_, double far_) {
    const float l = float(left), r = float(right), b = float(bottom), t = float(top);
    const float n = float(near_), f = float(far_);
    if (l == r || b == t || n == f) return;
    Matrix o = kIdentity;
    o[0] = 2.0f / (r - l);
    o[12] = -(r + l) / (r - l);
    o[5] = 2.0f / (t - b);
    o[13] = -(t + b) / (t - b);
    o[10] = -2.0f / (f - n);
    o[14] = -(f + n) / (f - n);
    Top() = Multiply(Top(), o);
}
void PipeTranslate(float x, float y, float z) {
    Matrix& m = Top();
    for (int i = 0; i < 4; ++i) m[12 + i] = m[i] * x + m[4 + i] * y + m[8 + i] * z + m[12 + i];
}
void PipeRotate(float angle, float x, float y, float z) {
    const float s = static_cast<float>(std::sin(angle * 3.14159265358979323846 / 180.0));
    const float c = static_cast<float>(std::cos(angle * 3.14159265358979323846 / 180.0));
    Matrix r = kIdentity;
    if (x == 0 && y == 0 && z != 0) {
        r[0] = r[5] = c;
        r[4] = z < 0 ? s : -s;
        r[1] = z < 0 ? -s : s;
    } else {
        const float length = std::sqrt(x * x + y * y + z * z);
        if (length == 0) return;
        x /= length;
        y /= length;
        z /= length;
        const float one_c = 1 - c;
        r[0] = one_c * x * x + c;
        r[4] = one_c * x * y - z * s;
        r[8] = one_c * z * x + y * s;
        r[1] = one_c * x * y + z * s;
        r[5] = one_c * y * y + c;
        r[9] = one_c * y * z - x * s;
        r[2] = one_c * z * x - y * s;
        r[6] = one_c * y * z + x * s;
        r[10] = one_c * z * z + c;
    }
    Top() = Multiply(Top(), r);
}

void PipeDrawQuads(const float* xyuv, int quads, bool) {
    if (!g_pipe.started || quads <= 0) return;
    // A fan of four vertices and a quad are the same two triangles.
    if (!Prepare(g_pipe.fixed.texturing && g_pipe.fixed.bound != 0)) return;
    g_pipe.vertices.clear();
    for (int q = 0; q < quads; ++q) AddQuad(xyuv + q * 16);
    Draw(GL_TRIANGLES);
}

void PipeDrawFlat(uint32_t mode, const float* xy, int vertices) {
    if (!g_pipe.started || vertices <= 0 || !Prepare(false)) return;
    std::vector<float>& v = g_pipe.vertices;
    v.clear();
    auto add = [&](int i) { v.insert(v.end(), {xy[i * 2], xy[i * 2 + 1], 0.0f, 0.0f}); };
    if (mode == GL_QUADS) {
        for (int q = 0; q + 3 < vertices; q += 4)
            for (int k : {0, 1, 2, 0, 2, 3}) add(q + k);
        Draw(GL_TRIANGLES);
        return;
    }
    for (int i = 0; i < vertices; ++i) add(i);
    Draw(mode);
}

void PipeTexImage(int w, int h, bool bgra, const void* texels) {
    const void* rgba = texels;
    if (bgra && texels) {
        std::vector<uint8_t>& t = g_pipe.texels;
        const auto* in = static_cast<const uint8_t*>(texels);
        t.assign(in, in + static_cast<size_t>(w) * h * 4);
        for (size_t i = 0; i < t.size(); i += 4) std::swap(t[i], t[i + 2]);
        rgba = t.data();
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void PipeReadPixels(int x, int y, int w, int h, bool bgra, bool rgb, void* out, int row_length) {
    if (w <= 0 || h <= 0) return;
    std::vector<uint8_t>& t = g_pipe.texels;
    t.resize(static_cast<size_t>(w) * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, t.data());
    const size_t size = rgb ? 3 : 4;
    const size_t stride = static_cast<size_t>(row_length > 0 ? row_length : w) * size;
    auto* o = static_cast<uint8_t*>(out);
    for (int row = 0; row < h; ++row) {
        const uint8_t* from = t.data() + static_cast<size_t>(row) * w * 4;
        uint8_t* to = o + static_cast<size_t>(row) * stride;
        for (int i = 0; i < w; ++i, from += 4, to += size) {
            to[0] = bgra ? from[2] : from[0];
            to[1] = from[1];
            to[2] = bgra ? from[0] : from[2];
            if (!rgb) to[3] = from[3];
        }
    }
}

int PipeAlphaBits() {
    GLint framebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    GLint bits = 0;
#ifdef __EMSCRIPTEN__
    const GLenum attachment = framebuffer ? GL_COLOR_ATTACHMENT0 : GL_BACK;
#else
    const GLenum attachment = framebuffer ? GL_COLOR_ATTACHMENT0 : GL_BACK_LEFT;
#endif
    Gl().GetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment,
                                             GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE, &bits);
    return bits;
}
