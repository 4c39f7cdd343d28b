// The logical screen (the framebuffers the game draws on) and its presents into the window.
#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

#include "runtime/platform/scaler.h"
#include "runtime/platform/window.h"
#include "runtime/platform/window_parts.h"

namespace {
// Reads the rectangles of the logical screen into the mirror.
void ReadIntoMirror(const PresentRect* rects, int count) {
    const int w = Parts().screen.width;
    GLint read_fb = 0, pack_alignment = 4, row_length = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_fb);
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack_alignment);
    glGetIntegerv(GL_PACK_ROW_LENGTH, &row_length);
    GlFunctions().BindFramebuffer(GL_READ_FRAMEBUFFER, Parts().screen.fbo[Parts().screen.drawn]);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, w);
    for (int i = 0; i < count; ++i) {
        const PresentRect& r = rects[i];
        glReadPixels(r.x, r.y, r.width, r.height, GL_BGRA, GL_UNSIGNED_BYTE,
                     Parts().mirror.data() + static_cast<size_t>(r.y) * w + r.x);
    }
    glPixelStorei(GL_PACK_ROW_LENGTH, row_length);
    glPixelStorei(GL_PACK_ALIGNMENT, pack_alignment);
    GlFunctions().BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
}

// Scales the rectangles of the mirror (all of it when `rects` is null) by a whole factor into
// the window's framebuffer and shows them. False when that cannot be done (no framebuffer,
// another pixel format, a window smaller than the picture); the caller blits instead.
bool CpuShow(const PresentRect* rects, int count) {
    const int w = Parts().screen.width, h = Parts().screen.height;
    SDL_Surface* surface = SDL_GetWindowSurface(Parts().window);
    if (!surface) return false;
    const Uint32 format = surface->format->format;
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) return false;
    const PresentRect r = PlatformPresentRect(surface->w, surface->h, w, h);
    const int factor = w > 0 ? r.width / w : 0;
    if (factor < 1 || r.width != w * factor || r.height != h * factor) return false;
    if (Parts().mirror.size() != static_cast<size_t>(w) * h) return false;
    // A new surface (the window was resized) has nothing on it yet.
    const PresentRect all{0, 0, w, h};
    if (surface != Parts().shown_surface || surface->w != Parts().shown_w ||
        surface->h != Parts().shown_h) {
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
        const PresentRect s = ScaleWholeFactor(Parts().mirror.data(), w, h, rects[i], factor,
                                               pixels, surface->pitch, r.x, r.y);
        shown.push_back(SDL_Rect{s.x, s.y, s.width, s.height});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    const bool whole = rects == &all;
    const int status = whole ? SDL_UpdateWindowSurface(Parts().window)
                             : SDL_UpdateWindowSurfaceRects(Parts().window, shown.data(),
                                                            static_cast<int>(shown.size()));
    if (status != 0) return false;
    if (whole) {
        Parts().shown_surface = surface;
        Parts().shown_w = surface->w;
        Parts().shown_h = surface->h;
    }
    return true;
}
}  // namespace

bool CreateScreen(int width, int height) {
    DestroyScreen();
    GlFunctions().GenRenderbuffers(1, &Parts().screen.depth);
    GlFunctions().BindRenderbuffer(GL_RENDERBUFFER, Parts().screen.depth);
    GlFunctions().RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    GlFunctions().GenRenderbuffers(2, Parts().screen.colour);
    GlFunctions().GenFramebuffers(2, Parts().screen.fbo);
    // The second is made first, so the first is left bound; both start black.
    for (int i = 1; i >= 0; --i) {
        GlFunctions().BindRenderbuffer(GL_RENDERBUFFER, Parts().screen.colour[i]);
        GlFunctions().RenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
        GlFunctions().BindFramebuffer(GL_FRAMEBUFFER, Parts().screen.fbo[i]);
        GlFunctions().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                              Parts().screen.colour[i]);
        GlFunctions().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT,
                                              GL_RENDERBUFFER, Parts().screen.depth);
        if (GlFunctions().CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
            return false;
        glViewport(0, 0, width, height);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    }
    Parts().screen.drawn = 0;
    Parts().screen.width = width;
    Parts().screen.height = height;
    return true;
}

void DestroyScreen() {
    Parts().mirror.clear();
    if (!Parts().screen.fbo[0]) return;
    GlFunctions().DeleteFramebuffers(2, Parts().screen.fbo);
    GlFunctions().DeleteRenderbuffers(2, Parts().screen.colour);
    GlFunctions().DeleteRenderbuffers(1, &Parts().screen.depth);
    Parts().screen = LogicalScreen{};
}

// Scales the last presented frame into the window and swaps, leaving every GL state it
// touches as it found it.
void ShowLastFrame() {
    if (!Parts().window || !Parts().screen.fbo[0]) return;
    if (Parts().cpu_present) {
        if (Parts().mirror.size() !=
            static_cast<size_t>(Parts().screen.width) * Parts().screen.height) {
            // Nothing presented yet on this screen: what it holds is the picture.
            Parts().mirror.assign(static_cast<size_t>(Parts().screen.width) * Parts().screen.height,
                                  0);
            const PresentRect all{0, 0, Parts().screen.width, Parts().screen.height};
            ReadIntoMirror(&all, 1);
        }
        Parts().shown_surface = nullptr;
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
    SDL_GL_GetDrawableSize(Parts().window, &ww, &wh);
    PresentRect r = PlatformPresentRect(ww, wh, Parts().screen.width, Parts().screen.height);
    // With the processor's present the one framebuffer holds the frame shown.
    const int shown = Parts().cpu_present ? Parts().screen.drawn : Parts().screen.drawn ^ 1;
    GlFunctions().BindFramebuffer(GL_READ_FRAMEBUFFER, Parts().screen.fbo[shown]);
    GlFunctions().BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // Black borders only where the picture leaves any.
    if (r.x != 0 || r.y != 0 || r.width != ww || r.height != wh) {
        glViewport(0, 0, ww, wh);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    GlFunctions().BlitFramebuffer(0, 0, Parts().screen.width, Parts().screen.height, r.x, r.y,
                                  r.x + r.width, r.y + r.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    SDL_GL_SwapWindow(Parts().window);

    if (scissor) glEnable(GL_SCISSOR_TEST);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    GlFunctions().BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
    GlFunctions().BindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_fb));
}

int PlatformLogicalWidth() {
    return Parts().screen.width;
}
int PlatformLogicalHeight() {
    return Parts().screen.height;
}

void PlatformBindLogicalScreen() {
    if (Parts().screen.fbo[0])
        GlFunctions().BindFramebuffer(GL_FRAMEBUFFER, Parts().screen.fbo[Parts().screen.drawn]);
}

unsigned PlatformLogicalFramebuffer() {
    return Parts().screen.fbo[Parts().screen.drawn];
}

const std::vector<uint32_t>& PlatformPresentedFrame() {
    return Parts().mirror;
}

bool PlatformPresentsParts() {
    return Parts().window && Parts().cpu_present;
}

void PlatformPresentParts(const PresentRect* rects, int count) {
    if (!Parts().window || !Parts().screen.fbo[0]) return;
    if (!Parts().cpu_present || Parts().mirror.size() != static_cast<size_t>(Parts().screen.width) *
                                                             Parts().screen.height) {
        PlatformPresent();
        return;
    }
    if (count > 0) {
        ReadIntoMirror(rects, count);
        if (!CpuShow(rects, count)) ShowLastFrame();
    }
    PlatformBindLogicalScreen();
    glViewport(0, 0, Parts().screen.width, Parts().screen.height);
}

void PlatformPresent() {
    if (!Parts().window || !Parts().screen.fbo[0]) return;
    if (Parts().cpu_present) {
        Parts().mirror.resize(static_cast<size_t>(Parts().screen.width) * Parts().screen.height);
        const PresentRect all{0, 0, Parts().screen.width, Parts().screen.height};
        ReadIntoMirror(&all, 1);
        if (!CpuShow(nullptr, 0)) ShowLastFrame();
    } else {
        Parts().screen.drawn ^= 1;
        ShowLastFrame();
    }
    PlatformBindLogicalScreen();
    glViewport(0, 0, Parts().screen.width, Parts().screen.height);
}
