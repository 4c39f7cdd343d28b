// What the window's files share: the window and its context (window.cpp), the processor's
// present (window_surface.cpp) and the event pump (events.cpp). Only they include it.
#pragma once
#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

#include "runtime/platform/gl_ext.h"
#include "runtime/platform/window.h"

struct WindowParts {
    SDL_Window* window = nullptr;
    // Headless runs on a system without an off-screen OpenGL driver keep their window hidden.
    bool never_show = false;
    SDL_GLContext context = nullptr;
    PlatformEventHandlers handlers;
    bool has_focus = true;
    int logical_w = 0, logical_h = 0;  // the logical screen's size, as the drawing layer made it
    // Under a software renderer the picture is scaled into the window by the processor and put
    // there through the window's own framebuffer (shared memory with the X server), not by a
    // scaled blit and a buffer swap: the renderer's blit shades every window pixel and the swap
    // copies them once more. Chosen at window open; a GPU keeps the blit. Then the logical screen
    // is one framebuffer that keeps the presented frame (the next is drawn over it), a copy of it
    // stays in memory for redrawing the window, and a present may show only the parts that changed.
    bool cpu_present = false;
    const SDL_Surface* shown_surface = nullptr;  // the surface a whole picture was last put on
    int shown_w = 0, shown_h = 0;
};
WindowParts& Parts();
GlExt& GlFunctions();

// window.cpp: the largest whole multiple of the logical size that fits in 90 % of the usable
// desktop.
void FitWindowTo(int width, int height);
