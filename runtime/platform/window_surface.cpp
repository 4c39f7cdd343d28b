// The processor's present: a picture scaled by a whole factor into the window's own
// framebuffer (shared memory with the X server), whole or in parts.
#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

#include "runtime/platform/scaler.h"
#include "runtime/platform/window.h"
#include "runtime/platform/window_parts.h"

bool PlatformShowPicture(const std::vector<uint32_t>& picture, int w, int h,
                         const PresentRect* rects, int count) {
    SDL_Surface* surface = SDL_GetWindowSurface(Parts().window);
    if (!surface) return false;
    const Uint32 format = surface->format->format;
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) return false;
    const PresentRect r = PlatformPresentRect(surface->w, surface->h, w, h);
    const int factor = w > 0 ? r.width / w : 0;
    if (factor < 1 || r.width != w * factor || r.height != h * factor) return false;
    if (picture.size() != static_cast<size_t>(w) * h) return false;
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
        const PresentRect s = ScaleWholeFactor(picture.data(), w, h, rects[i], factor, pixels,
                                               surface->pitch, r.x, r.y);
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

void PlatformForgetShownPicture() {
    Parts().shown_surface = nullptr;
}
