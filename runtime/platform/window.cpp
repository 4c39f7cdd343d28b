// The window and its OpenGL context: opening, closing, full screen, the extension loader.
#include "runtime/platform/window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "runtime/platform/gl_ext.h"
#include "runtime/platform/message_box.h"
#include "runtime/platform/software_renderer.h"
#include "runtime/platform/switches.h"
#include "runtime/platform/window_parts.h"

namespace {
GlExt g_gl;

template <typename T>
bool Load(T& fn, const char* name) {
    fn = reinterpret_cast<T>(SDL_GL_GetProcAddress(name));
    return fn != nullptr;
}

void LoadGlExt() {
    g_gl = GlExt{};
    bool ok = true;
    ok &= Load(g_gl.GenFramebuffers, "glGenFramebuffers");
    ok &= Load(g_gl.DeleteFramebuffers, "glDeleteFramebuffers");
    ok &= Load(g_gl.BindFramebuffer, "glBindFramebuffer");
    ok &= Load(g_gl.FramebufferTexture2D, "glFramebufferTexture2D");
    ok &= Load(g_gl.FramebufferRenderbuffer, "glFramebufferRenderbuffer");
    ok &= Load(g_gl.CheckFramebufferStatus, "glCheckFramebufferStatus");
    ok &= Load(g_gl.GenRenderbuffers, "glGenRenderbuffers");
    ok &= Load(g_gl.DeleteRenderbuffers, "glDeleteRenderbuffers");
    ok &= Load(g_gl.BindRenderbuffer, "glBindRenderbuffer");
    ok &= Load(g_gl.RenderbufferStorage, "glRenderbufferStorage");
    ok &= Load(g_gl.BlitFramebuffer, "glBlitFramebuffer");
    g_gl.framebuffer_objects = ok;
    bool shaders = true;
    shaders &= Load(g_gl.CreateShader, "glCreateShader");
    shaders &= Load(g_gl.ShaderSource, "glShaderSource");
    shaders &= Load(g_gl.CompileShader, "glCompileShader");
    shaders &= Load(g_gl.GetShaderiv, "glGetShaderiv");
    shaders &= Load(g_gl.DeleteShader, "glDeleteShader");
    shaders &= Load(g_gl.CreateProgram, "glCreateProgram");
    shaders &= Load(g_gl.AttachShader, "glAttachShader");
    shaders &= Load(g_gl.LinkProgram, "glLinkProgram");
    shaders &= Load(g_gl.GetProgramiv, "glGetProgramiv");
    shaders &= Load(g_gl.DeleteProgram, "glDeleteProgram");
    shaders &= Load(g_gl.UseProgram, "glUseProgram");
    shaders &= Load(g_gl.GetUniformLocation, "glGetUniformLocation");
    shaders &= Load(g_gl.Uniform1i, "glUniform1i");
    shaders &= Load(g_gl.Uniform1f, "glUniform1f");
    shaders &= Load(g_gl.Uniform4fv, "glUniform4fv");
    shaders &= Load(g_gl.GenVertexArrays, "glGenVertexArrays");
    shaders &= Load(g_gl.BindVertexArray, "glBindVertexArray");
    shaders &= Load(g_gl.DeleteVertexArrays, "glDeleteVertexArrays");
    shaders &= Load(g_gl.GenBuffers, "glGenBuffers");
    shaders &= Load(g_gl.BindBuffer, "glBindBuffer");
    shaders &= Load(g_gl.DeleteBuffers, "glDeleteBuffers");
    shaders &= Load(g_gl.BufferData, "glBufferData");
    shaders &= Load(g_gl.EnableVertexAttribArray, "glEnableVertexAttribArray");
    shaders &= Load(g_gl.VertexAttribPointer, "glVertexAttribPointer");
    shaders &=
        Load(g_gl.GetFramebufferAttachmentParameteriv, "glGetFramebufferAttachmentParameteriv");
    g_gl.shaders = shaders;
    Load(g_gl.CopyImageSubData, "glCopyImageSubData");
    Load(g_gl.GenQueries, "glGenQueries");
    Load(g_gl.DeleteQueries, "glDeleteQueries");
    Load(g_gl.BeginQuery, "glBeginQuery");
    Load(g_gl.EndQuery, "glEndQuery");
    Load(g_gl.GetQueryObjectuiv, "glGetQueryObjectuiv");
}
}  // namespace

WindowParts& Parts() {
    static WindowParts parts;
    return parts;
}

GlExt& GlFunctions() {
    return g_gl;
}

// The largest whole multiple of the logical size that fits in 90 % of the usable desktop.
void FitWindowTo(int width, int height) {
    if (!Parts().window || PlatformIsFullscreen()) return;
    SDL_Rect usable{0, 0, 1280, 1024};
    int display = SDL_GetWindowDisplayIndex(Parts().window);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        usable = SDL_Rect{0, 0, 1280, 1024};
    }
    int factor = std::min(usable.w * 9 / 10 / width, usable.h * 9 / 10 / height);
    factor = std::max(factor, 1);
    SDL_SetWindowSize(Parts().window, width * factor, height * factor);
    SDL_SetWindowPosition(Parts().window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

const GlExt& Gl() {
    return g_gl;
}

void PlatformUseHeadlessDrivers() {
#ifdef _WIN32
    // SDL's off-screen driver makes its OpenGL contexts through EGL, which Windows lacks: the
    // system's own driver draws into a window that is never shown.
    Parts().never_show = true;
#else
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
#endif
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
}

bool PlatformWindowOpen(int width, int height, const std::string& title, std::string* error) {
    if (Parts().window) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = std::string("video start failed: ") + SDL_GetError();
        return false;
    }
#ifdef __EMSCRIPTEN__
    // WebGL 2.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
#else
    // The least the drawing shaders need, and nothing of the fixed functions.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
#endif
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    Parts().window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                         height, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!Parts().window) {
        if (error) *error = std::string("the window could not be created: ") + SDL_GetError();
        return false;
    }
    Parts().context = SDL_GL_CreateContext(Parts().window);
    if (!Parts().context || SDL_GL_MakeCurrent(Parts().window, Parts().context) != 0) {
        if (error) *error = std::string("no OpenGL 3.3 context: ") + SDL_GetError();
        PlatformWindowClose();
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // the runtime paces frames itself
    LoadGlExt();
    if (!g_gl.framebuffer_objects || !g_gl.shaders) {
        if (error) *error = "the OpenGL context offers no framebuffer objects or shaders";
        PlatformWindowClose();
        return false;
    }
    // The window's framebuffer is SDL's own (shared memory with the X server), never one drawn
    // through a second OpenGL context.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    Parts().cpu_present = ClassifyRenderer(PlatformRenderer(), false) == SoftwareRenderer::kQuiet &&
                          !Switches().gl_present;
    Parts().logical_w = width;
    Parts().logical_h = height;
    FitWindowTo(width, height);
    if (!Parts().never_show) SDL_ShowWindow(Parts().window);
    Parts().has_focus = true;
    return true;
}

void PlatformWindowClose() {
    if (Parts().context) {
        SDL_GL_DeleteContext(Parts().context);
        Parts().context = nullptr;
    }
    if (Parts().window) {
        SDL_DestroyWindow(Parts().window);
        Parts().window = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool PlatformWindowIsOpen() {
    return Parts().window != nullptr;
}

void PlatformWindowSetTitle(const std::string& title) {
    if (Parts().window) SDL_SetWindowTitle(Parts().window, title.c_str());
}

void PlatformWindowShow(bool visible) {
    if (!Parts().window) return;
    if (visible && !Parts().never_show)
        SDL_ShowWindow(Parts().window);
    else
        SDL_HideWindow(Parts().window);
}

void PlatformWindowRaise() {
    if (Parts().window) SDL_RaiseWindow(Parts().window);
}

bool PlatformSetFullscreen(bool fullscreen) {
    if (!Parts().window) return false;
    if (SDL_SetWindowFullscreen(Parts().window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) !=
        0)
        return false;
    if (!fullscreen) FitWindowTo(Parts().logical_w, Parts().logical_h);
    return true;
}

bool PlatformIsFullscreen() {
    return Parts().window &&
           (SDL_GetWindowFlags(Parts().window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void PlatformSetLogicalSize(int width, int height) {
    if (width == Parts().logical_w && height == Parts().logical_h) return;
    Parts().logical_w = width;
    Parts().logical_h = height;
    FitWindowTo(width, height);
}

int PlatformLogicalWidth() {
    return Parts().logical_w;
}
int PlatformLogicalHeight() {
    return Parts().logical_h;
}

bool PlatformCpuPresent() {
    return Parts().cpu_present;
}

void PlatformDrawableSize(int* width, int* height) {
    *width = *height = 0;
    if (Parts().window) SDL_GL_GetDrawableSize(Parts().window, width, height);
}

void PlatformSwapWindow() {
    if (Parts().window) SDL_GL_SwapWindow(Parts().window);
}

std::string PlatformRenderer() {
    if (!Parts().context) return "";
    const GLubyte* r = glGetString(GL_RENDERER);
    return r ? reinterpret_cast<const char*>(r) : "";
}

void PlatformMessageBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (Switches().test) return;  // a modal box would hang an unattended run
    if (PlatformSystemWarningBox(caption, text)) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(), Parts().window);
}
