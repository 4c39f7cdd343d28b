#include "runtime/platform/mouse.h"

#include <SDL2/SDL.h>

#include <atomic>
#include <cmath>

#include "runtime/platform/window.h"

namespace {
std::atomic<int> g_wheel{0};
// Buttons pressed since the last read (bit 0 left, 1 right, 2 middle): a click quicker than a
// frame still reads as held once.
std::atomic<int> g_pressed{0};
bool g_watching = false;

int WatchWheel(void*, SDL_Event* e) {
    if (e->type == SDL_MOUSEWHEEL) {
        int y = e->wheel.y;
        if (e->wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
        g_wheel += y;
    }
    if (e->type == SDL_MOUSEBUTTONDOWN) {
        if (e->button.button == SDL_BUTTON_LEFT) g_pressed |= 1;
        if (e->button.button == SDL_BUTTON_RIGHT) g_pressed |= 2;
        if (e->button.button == SDL_BUTTON_MIDDLE) g_pressed |= 4;
    }
    return 0;
}
}  // namespace

void PlatformMouseInit() {
    if (g_watching) return;
    SDL_AddEventWatch(&WatchWheel, nullptr);
    g_watching = true;
}

bool PlatformMouseCapture(bool captured) {
    if (captured) {
        if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) return false;
        SDL_GetRelativeMouseState(nullptr, nullptr);  // drop motion from before the capture
        return true;
    }
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_ShowCursor(SDL_ENABLE);
    return true;
}

PlatformMouse PlatformMouseRead() {
    PlatformMouse m;
    int wx = 0, wy = 0;
    const Uint32 buttons = SDL_GetMouseState(&wx, &wy);
    SDL_GetRelativeMouseState(&m.dx, &m.dy);
    m.wheel = g_wheel.exchange(0);
    const int pressed = g_pressed.exchange(0);
    m.left = (buttons & SDL_BUTTON_LMASK) != 0 || (pressed & 1) != 0;
    m.right = (buttons & SDL_BUTTON_RMASK) != 0 || (pressed & 2) != 0;
    m.middle = (buttons & SDL_BUTTON_MMASK) != 0 || (pressed & 4) != 0;

    // Window points to logical-screen pixels, through where the logical screen is shown.
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    const int lw = PlatformLogicalWidth(), lh = PlatformLogicalHeight();
    if (!window || lw <= 0 || lh <= 0) {
        m.x = wx;
        m.y = wy;
        return m;
    }
    int points_w = 0, points_h = 0, pixels_w = 0, pixels_h = 0;
    SDL_GetWindowSize(window, &points_w, &points_h);
    SDL_GL_GetDrawableSize(window, &pixels_w, &pixels_h);
    PlatformWindowToLogical(wx, wy, points_w, points_h, pixels_w, pixels_h, lw, lh, &m.x, &m.y);
    return m;
}

void PlatformWindowToLogical(int wx, int wy, int points_w, int points_h, int pixels_w, int pixels_h,
                             int logical_w, int logical_h, int* x, int* y) {
    *x = wx;
    *y = wy;
    if (points_w <= 0 || points_h <= 0 || logical_w <= 0 || logical_h <= 0) return;
    const PresentRect r = PlatformPresentRect(pixels_w, pixels_h, logical_w, logical_h);
    if (r.width <= 0 || r.height <= 0) return;
    const double px = static_cast<double>(wx) * pixels_w / points_w;
    const double py = static_cast<double>(wy) * pixels_h / points_h;
    *x = static_cast<int>(std::floor((px - r.x) * logical_w / r.width));
    *y = static_cast<int>(std::floor((py - r.y) * logical_h / r.height));
}

void PlatformMouseWarp(int x, int y) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    const int lw = PlatformLogicalWidth(), lh = PlatformLogicalHeight();
    if (!window || lw <= 0 || lh <= 0) return;
    int points_w = 0, points_h = 0, pixels_w = 0, pixels_h = 0;
    SDL_GetWindowSize(window, &points_w, &points_h);
    SDL_GL_GetDrawableSize(window, &pixels_w, &pixels_h);
    const PresentRect r = PlatformPresentRect(pixels_w, pixels_h, lw, lh);
    if (r.width <= 0 || r.height <= 0 || pixels_w <= 0 || pixels_h <= 0) return;
    // The middle of the logical pixel, back to window points.
    const double px = r.x + (x + 0.5) * r.width / lw;
    const double py = r.y + (y + 0.5) * r.height / lh;
    SDL_WarpMouseInWindow(window, static_cast<int>(px * points_w / pixels_w),
                          static_cast<int>(py * points_h / pixels_h));
}
