// What the window's files share: the window and its context (window.cpp), the logical screen
// and its presents (logical_screen.cpp), and the event pump (events.cpp). Only they include it.
#pragma once
#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

#include "runtime/platform/gl_ext.h"
#include "runtime/platform/window.h"

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
};

struct WindowParts {
    SDL_Window* window = nullptr;
    // Headless runs on a system without an off-screen OpenGL driver keep their window hidden.
    bool never_show = false;
    SDL_GLContext context = nullptr;
    PlatformEventHandlers handlers;
    bool has_focus = true;
    LogicalScreen screen;
    // Under a software renderer the picture is scaled into the window by the processor and put
    // there through the window's own framebuffer (shared memory with the X server), not by a
    // scaled blit and a buffer swap: the renderer's blit shades every window pixel and the swap
    // copies them once more. Chosen at window open; a GPU keeps the blit. Then the logical screen
    // is one framebuffer that keeps the presented frame (the next is drawn over it), a copy of it
    // stays in memory for redrawing the window, and a present may show only the parts that changed.
    bool cpu_present = false;
    std::vector<uint32_t> mirror;                // the presented frame, bottom row first
    const SDL_Surface* shown_surface = nullptr;  // the surface the whole mirror was last put on
    int shown_w = 0, shown_h = 0;
};
WindowParts& Parts();
GlExt& GlFunctions();

// logical_screen.cpp
bool CreateScreen(int width, int height);
void DestroyScreen();
// Scales the last presented frame into the window and swaps, leaving every GL state it
// touches as it found it.
void ShowLastFrame();

// window.cpp: the largest whole multiple of the logical size that fits in 90 % of the usable
// desktop.
void FitWindowTo(int width, int height);
