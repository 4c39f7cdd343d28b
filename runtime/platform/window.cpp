#include "runtime/platform/window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/platform/gamepad.h"
#include "runtime/platform/gl_ext.h"
#include "runtime/platform/keyboard.h"
#include "runtime/platform/message_box.h"
#include "runtime/platform/signals.h"

namespace {
SDL_Window* g_window = nullptr;
// Headless runs on a system without an off-screen OpenGL driver keep their window hidden.
bool g_never_show = false;
SDL_GLContext g_context = nullptr;
GlExt g_gl;
PlatformEventHandlers g_handlers;
bool g_has_focus = true;

// The logical screen is one of two framebuffers of the same size, drawn in turn: presenting
// shows the one just drawn and hands the other over for the next frame (which starts by
// clearing it). The one shown stays untouched until the next present, so the window can be
// redrawn from it when it is resized or uncovered while the game waits for a key and presents
// nothing; nothing is copied to keep it.
struct LogicalScreen {
    GLuint fbo[2] = {0, 0};
    GLuint colour[2] = {0, 0};
    GLuint depth = 0;  // shared: each frame clears it
    int drawn = 0;     // the framebuffer the game draws on; the other was shown last
    int width = 0;
    int height = 0;
} g_screen;

// Under a software renderer the picture is scaled into the window by the processor and put
// there through the window's own framebuffer (shared memory with the X server), not by a
// scaled blit and a buffer swap: the renderer's blit shades every window pixel and the swap
// copies them once more. Chosen at window open; a GPU keeps the blit. Then the logical screen
// is one framebuffer that keeps the presented frame (the next is drawn over it), a copy of it
// stays in memory for redrawing the window, and a present may show only the parts that changed.
bool g_cpu_present = false;
std::vector<uint32_t> g_mirror;                // the presented frame, bottom row first
const SDL_Surface* g_shown_surface = nullptr;  // the surface the whole mirror was last put on
int g_shown_w = 0, g_shown_h = 0;

bool SoftwareRenderer() {
    const GLubyte* r = glGetString(GL_RENDERER);
    if (!r) return false;
    const std::string name = reinterpret_cast<const char*>(r);
    return name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos;
}

// Reads the rectangles of the logical screen into the mirror.
void ReadIntoMirror(const PresentRect* rects, int count) {
    const int w = g_screen.width;
    GLint read_fb = 0, pack_alignment = 4, row_length = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_fb);
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack_alignment);
    glGetIntegerv(GL_PACK_ROW_LENGTH, &row_length);
    g_gl.BindFramebuffer(GL_READ_FRAMEBUFFER, g_screen.fbo[g_screen.drawn]);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, w);
    for (int i = 0; i < count; ++i) {
        const PresentRect& r = rects[i];
        glReadPixels(r.x, r.y, r.width, r.height, GL_BGRA, GL_UNSIGNED_BYTE,
                     g_mirror.data() + static_cast<size_t>(r.y) * w + r.x);
    }
    glPixelStorei(GL_PACK_ROW_LENGTH, row_length);
    glPixelStorei(GL_PACK_ALIGNMENT, pack_alignment);
    g_gl.BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
}

// Scales the rectangles of the mirror (all of it when `rects` is null) by a whole factor into
// the window's framebuffer and shows them. False when that cannot be done (no framebuffer,
// another pixel format, a window smaller than the picture); the caller blits instead.
bool CpuShow(const PresentRect* rects, int count) {
    const int w = g_screen.width, h = g_screen.height;
    SDL_Surface* surface = SDL_GetWindowSurface(g_window);
    if (!surface) return false;
    const Uint32 format = surface->format->format;
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) return false;
    const PresentRect r = PlatformPresentRect(surface->w, surface->h, w, h);
    const int factor = w > 0 ? r.width / w : 0;
    if (factor < 1 || r.width != w * factor || r.height != h * factor) return false;
    if (g_mirror.size() != static_cast<size_t>(w) * h) return false;
    // A new surface (the window was resized) has nothing on it yet.
    const PresentRect all{0, 0, w, h};
    if (surface != g_shown_surface || surface->w != g_shown_w || surface->h != g_shown_h) {
        rects = nullptr;
    }
    if (!rects) {
        rects = &all;
        count = 1;
    }

    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
    if (rects == &all && (r.x != 0 || r.y != 0 || r.width != surface->w || r.height != surface->h))
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    auto* pixels = static_cast<uint8_t*>(surface->pixels);
    std::vector<SDL_Rect> shown;
    for (int i = 0; i < count; ++i) {
        const PresentRect& part = rects[i];
        const size_t row_bytes = static_cast<size_t>(part.width) * factor * 4;
        // OpenGL's rows run bottom up; each texel becomes factor x factor pixels.
        for (int gy = part.y; gy < part.y + part.height; ++gy) {
            const int y = h - 1 - gy;
            const uint32_t* src = g_mirror.data() + static_cast<size_t>(gy) * w + part.x;
            uint8_t* first = pixels + static_cast<size_t>(r.y + y * factor) * surface->pitch +
                             static_cast<size_t>(r.x + part.x * factor) * 4;
            auto* dst = reinterpret_cast<uint32_t*>(first);
            for (int x = 0; x < part.width; ++x) {
                const uint32_t c = src[x] | 0xff000000u;
                for (int k = 0; k < factor; ++k) *dst++ = c;
            }
            for (int k = 1; k < factor; ++k)
                std::memcpy(first + k * surface->pitch, first, row_bytes);
        }
        shown.push_back(SDL_Rect{r.x + part.x * factor, r.y + (h - part.y - part.height) * factor,
                                 part.width * factor, part.height * factor});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    const bool whole = rects == &all;
    const int status = whole ? SDL_UpdateWindowSurface(g_window)
                             : SDL_UpdateWindowSurfaceRects(g_window, shown.data(),
                                                            static_cast<int>(shown.size()));
    if (status != 0) return false;
    if (whole) {
        g_shown_surface = surface;
        g_shown_w = surface->w;
        g_shown_h = surface->h;
    }
    return true;
}

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
    Load(g_gl.MultiDrawArrays, "glMultiDrawArrays");
    Load(g_gl.CopyImageSubData, "glCopyImageSubData");
}

void DestroyScreen() {
    g_mirror.clear();
    if (!g_screen.fbo[0]) return;
    g_gl.DeleteFramebuffers(2, g_screen.fbo);
    g_gl.DeleteRenderbuffers(2, g_screen.colour);
    g_gl.DeleteRenderbuffers(1, &g_screen.depth);
    g_screen = LogicalScreen{};
}

// Scales the last presented frame into the window and swaps, leaving every GL state it
// touches as it found it.
void ShowLastFrame() {
    if (!g_window || !g_screen.fbo[0]) return;
    if (g_cpu_present) {
        if (g_mirror.size() != static_cast<size_t>(g_screen.width) * g_screen.height) {
            // Nothing presented yet on this screen: what it holds is the picture.
            g_mirror.assign(static_cast<size_t>(g_screen.width) * g_screen.height, 0);
            const PresentRect all{0, 0, g_screen.width, g_screen.height};
            ReadIntoMirror(&all, 1);
        }
        g_shown_surface = nullptr;
        if (CpuShow(nullptr, 0)) return;
    }
    GLint draw_fb = 0, read_fb = 0, viewport[4] = {};
    GLfloat clear[4] = {};
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw_fb);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_fb);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    if (scissor) glDisable(GL_SCISSOR_TEST);

    int ww = 0, wh = 0;
    SDL_GL_GetDrawableSize(g_window, &ww, &wh);
    PresentRect r = PlatformPresentRect(ww, wh, g_screen.width, g_screen.height);
    // With the processor's present the one framebuffer holds the frame shown.
    const int shown = g_cpu_present ? g_screen.drawn : g_screen.drawn ^ 1;
    g_gl.BindFramebuffer(GL_READ_FRAMEBUFFER, g_screen.fbo[shown]);
    g_gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // Black borders only where the picture leaves any.
    if (r.x != 0 || r.y != 0 || r.width != ww || r.height != wh) {
        glViewport(0, 0, ww, wh);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    g_gl.BlitFramebuffer(0, 0, g_screen.width, g_screen.height, r.x, r.y, r.x + r.width,
                         r.y + r.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    SDL_GL_SwapWindow(g_window);

    if (scissor) glEnable(GL_SCISSOR_TEST);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    g_gl.BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
    g_gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_fb));
}

bool CreateScreen(int width, int height) {
    DestroyScreen();
    g_gl.GenRenderbuffers(1, &g_screen.depth);
    g_gl.BindRenderbuffer(GL_RENDERBUFFER, g_screen.depth);
    g_gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    g_gl.GenRenderbuffers(2, g_screen.colour);
    g_gl.GenFramebuffers(2, g_screen.fbo);
    // The second is made first, so the first is left bound; both start black.
    for (int i = 1; i >= 0; --i) {
        g_gl.BindRenderbuffer(GL_RENDERBUFFER, g_screen.colour[i]);
        g_gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
        g_gl.BindFramebuffer(GL_FRAMEBUFFER, g_screen.fbo[i]);
        g_gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                     g_screen.colour[i]);
        g_gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                     g_screen.depth);
        if (g_gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
        glViewport(0, 0, width, height);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    }
    g_screen.drawn = 0;
    g_screen.width = width;
    g_screen.height = height;
    return true;
}

// The largest whole multiple of the logical size that fits in 90 % of the usable desktop.
void FitWindowTo(int width, int height) {
    if (!g_window || PlatformIsFullscreen()) return;
    SDL_Rect usable{0, 0, 1280, 1024};
    int display = SDL_GetWindowDisplayIndex(g_window);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        usable = SDL_Rect{0, 0, 1280, 1024};
    }
    int factor = std::min(usable.w * 9 / 10 / width, usable.h * 9 / 10 / height);
    factor = std::max(factor, 1);
    SDL_SetWindowSize(g_window, width * factor, height * factor);
    SDL_SetWindowPosition(g_window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void HandleEvent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            if (g_handlers.on_close) g_handlers.on_close();
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                if (g_handlers.on_close) g_handlers.on_close();
            } else if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                       e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                ShowLastFrame();
            } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                g_has_focus = true;
                if (g_handlers.on_focus) g_handlers.on_focus(true);
            } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                g_has_focus = false;
                PlatformClearKeyboard();
                if (g_handlers.on_focus) g_handlers.on_focus(false);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const bool down = e.type == SDL_KEYDOWN;
            const SDL_Scancode sc = e.key.keysym.scancode;
            const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            if (down && !e.key.repeat) {
                // Without a window manager nobody turns Alt+F4 into a close request.
                if (sc == SDL_SCANCODE_F4 && alt) {
                    if (g_handlers.on_close) g_handlers.on_close();
                    break;
                }
                if (sc == SDL_SCANCODE_F11 || (sc == SDL_SCANCODE_RETURN && alt)) {
                    PlatformSetFullscreen(!PlatformIsFullscreen());
                    break;
                }
            }
            if (!g_has_focus) break;
            int code = PlatformKeyCodeFromScancode(sc);
            if (code) {
                PlatformSetKey(code, down);
                if (g_handlers.on_key) g_handlers.on_key(code, down);
            }
            break;
        }
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
            PlatformGamepadEvent(e);
            break;
        default:
            break;
    }
}
}  // namespace

const GlExt& Gl() {
    return g_gl;
}

void PlatformSetEventHandlers(const PlatformEventHandlers& handlers) {
    g_handlers = handlers;
    // The end signals are ours (signals.h): SDL would turn them into a quit event only where
    // events are pumped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

void PlatformUseHeadlessDrivers() {
#ifdef _WIN32
    // SDL's off-screen driver makes its OpenGL contexts through EGL, which Windows lacks: the
    // system's own driver draws into a window that is never shown.
    g_never_show = true;
#else
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
#endif
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
}

bool PlatformWindowOpen(int width, int height, const std::string& title, std::string* error) {
    if (g_window) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = std::string("video start failed: ") + SDL_GetError();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    g_window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                         height, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!g_window) {
        if (error) *error = std::string("the window could not be created: ") + SDL_GetError();
        return false;
    }
    g_context = SDL_GL_CreateContext(g_window);
    if (!g_context || SDL_GL_MakeCurrent(g_window, g_context) != 0) {
        if (error) *error = std::string("no OpenGL context: ") + SDL_GetError();
        PlatformWindowClose();
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // the runtime paces frames itself
    LoadGlExt();
    if (!g_gl.framebuffer_objects || !CreateScreen(width, height)) {
        if (error) *error = "the OpenGL context offers no framebuffer objects";
        PlatformWindowClose();
        return false;
    }
    // The window's framebuffer is SDL's own (shared memory with the X server), never one drawn
    // through a second OpenGL context.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    g_cpu_present = SoftwareRenderer() && !std::getenv("ZOLV_GL_PRESENT");
    FitWindowTo(width, height);
    if (!g_never_show) SDL_ShowWindow(g_window);
    g_has_focus = true;
    return true;
}

void PlatformWindowClose() {
    if (g_context) {
        DestroyScreen();
        SDL_GL_DeleteContext(g_context);
        g_context = nullptr;
    }
    if (g_window) {
        SDL_DestroyWindow(g_window);
        g_window = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool PlatformWindowIsOpen() {
    return g_window != nullptr;
}

void PlatformWindowSetTitle(const std::string& title) {
    if (g_window) SDL_SetWindowTitle(g_window, title.c_str());
}

void PlatformWindowShow(bool visible) {
    if (!g_window) return;
    if (visible && !g_never_show)
        SDL_ShowWindow(g_window);
    else
        SDL_HideWindow(g_window);
}

void PlatformWindowRaise() {
    if (g_window) SDL_RaiseWindow(g_window);
}

bool PlatformSetFullscreen(bool fullscreen) {
    if (!g_window) return false;
    if (SDL_SetWindowFullscreen(g_window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        return false;
    if (!fullscreen) FitWindowTo(g_screen.width, g_screen.height);
    return true;
}

bool PlatformIsFullscreen() {
    return g_window && (SDL_GetWindowFlags(g_window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool PlatformResizeLogicalScreen(int width, int height) {
    if (!g_window || width <= 0 || height <= 0) return false;
    if (width == g_screen.width && height == g_screen.height) return true;
    if (!CreateScreen(width, height)) return false;
    FitWindowTo(width, height);
    return true;
}

int PlatformLogicalWidth() {
    return g_screen.width;
}
int PlatformLogicalHeight() {
    return g_screen.height;
}

void PlatformBindLogicalScreen() {
    if (g_screen.fbo[0]) g_gl.BindFramebuffer(GL_FRAMEBUFFER, g_screen.fbo[g_screen.drawn]);
}

unsigned PlatformLogicalFramebuffer() {
    return g_screen.fbo[g_screen.drawn];
}

PresentRect PlatformPresentRect(int window_w, int window_h, int logical_w, int logical_h) {
    if (logical_w <= 0 || logical_h <= 0 || window_w <= 0 || window_h <= 0) return {0, 0, 0, 0};
    int factor = std::min(window_w / logical_w, window_h / logical_h);
    int w, h;
    if (factor >= 1) {
        w = logical_w * factor;
        h = logical_h * factor;
    } else {
        // A window smaller than the logical screen: shrink it, keeping the proportions.
        double s = std::min(double(window_w) / logical_w, double(window_h) / logical_h);
        w = std::max(1, int(logical_w * s));
        h = std::max(1, int(logical_h * s));
    }
    return {(window_w - w) / 2, (window_h - h) / 2, w, h};
}

const std::vector<uint32_t>& PlatformPresentedFrame() {
    return g_mirror;
}

bool PlatformPresentsParts() {
    return g_window && g_cpu_present;
}

void PlatformPresentParts(const PresentRect* rects, int count) {
    if (!g_window || !g_screen.fbo[0]) return;
    if (!g_cpu_present ||
        g_mirror.size() != static_cast<size_t>(g_screen.width) * g_screen.height) {
        PlatformPresent();
        return;
    }
    if (count > 0) {
        ReadIntoMirror(rects, count);
        if (!CpuShow(rects, count)) ShowLastFrame();
    }
    PlatformBindLogicalScreen();
    glViewport(0, 0, g_screen.width, g_screen.height);
}

void PlatformPresent() {
    if (!g_window || !g_screen.fbo[0]) return;
    if (g_cpu_present) {
        g_mirror.resize(static_cast<size_t>(g_screen.width) * g_screen.height);
        const PresentRect all{0, 0, g_screen.width, g_screen.height};
        ReadIntoMirror(&all, 1);
        if (!CpuShow(nullptr, 0)) ShowLastFrame();
    } else {
        g_screen.drawn ^= 1;
        ShowLastFrame();
    }
    PlatformBindLogicalScreen();
    glViewport(0, 0, g_screen.width, g_screen.height);
}

bool PlatformPumpOne() {
    if (PlatformEndSignal() != 0 && g_handlers.on_end_signal) g_handlers.on_end_signal();
    SDL_Event e;
    if (!SDL_PollEvent(&e)) return false;
    HandleEvent(e);
    return true;
}

void PlatformPumpAll() {
    while (PlatformPumpOne()) {
    }
}

void PlatformRequestClose() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

std::string PlatformRenderer() {
    if (!g_context) return "";
    const GLubyte* r = glGetString(GL_RENDERER);
    return r ? reinterpret_cast<const char*>(r) : "";
}

void PlatformMessageBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (std::getenv("ZOLV_TEST")) return;  // a modal box would hang an unattended run
    if (PlatformSystemWarningBox(caption, text)) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(), g_window);
}
