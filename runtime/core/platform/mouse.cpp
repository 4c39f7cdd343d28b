#include "runtime/core/platform/mouse.h"

#include <SDL2/SDL.h>

#include <atomic>

#include "runtime/core/platform/window.h"

namespace {
std::atomic<int> g_wheel{0};
bool g_watching = false;

int WatchWheel(void*, SDL_Event* e) {
    if (e->type == SDL_MOUSEWHEEL) {
        int y = e->wheel.y;
        if (e->wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
        g_wheel += y;
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
    m.left = (buttons & SDL_BUTTON_LMASK) != 0;
    m.right = (buttons & SDL_BUTTON_RMASK) != 0;
    m.middle = (buttons & SDL_BUTTON_MMASK) != 0;

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
    if (points_w <= 0 || points_h <= 0) return m;
    const PresentRect r = PlatformPresentRect(pixels_w, pixels_h, lw, lh);
    if (r.width <= 0 || r.height <= 0) return m;
    const double px = static_cast<double>(wx) * pixels_w / points_w;
    const double py = static_cast<double>(wy) * pixels_h / points_h;
    m.x = static_cast<int>((px - r.x) * lw / r.width);
    m.y = static_cast<int>((py - r.y) * lh / r.height);
    return m;
}
