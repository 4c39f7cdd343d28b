// The logical screen the game draws on, and its presents into the window.
//
// The logical screen is an off-screen framebuffer of exactly the client size the game asked
// for (RGB colour, no alpha channel, depth and stencil). Presenting scales it to the real
// window by the largest whole factor that fits, nearest-neighbour, centred on black: by
// OpenGL's blit and a buffer swap where a GPU draws, by the processor through the window's
// own framebuffer under a software renderer (see PlatformShowPicture).
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/platform/scaler.h"

// Makes the logical screen once the window is open (again at a new size); false when the
// context offers no framebuffer objects. The window is fitted to it when windowed.
bool CreateLogicalScreen(int width, int height);
// Frees it; before the window (and its context) closes.
void DestroyLogicalScreen();
// A new size; false when it cannot be made.
bool ResizeLogicalScreen(int width, int height);

// Makes the logical screen the draw and read target again.
void BindLogicalScreen();
unsigned LogicalFramebuffer();

// Scales the logical screen into the window and shows it. The game then draws on a logical
// screen that is bound and is to be cleared: the other of two (holding the frame before last)
// where a GPU scales the picture, the same one where the processor does.
void PresentScreen();
// Whether the processor scales the picture (under a software renderer): then a present can
// show parts of the logical screen, and the logical screen keeps the frame presented.
bool PresentsParts();
// Shows only these rectangles of the logical screen (OpenGL's terms); the rest of the window
// keeps the frame shown before. Presents the whole screen where parts cannot be shown.
void PresentScreenParts(const PresentRect* rects, int count);
// The last presented frame as the processor's present keeps it (BGRA words, bottom row first;
// empty where a GPU presents).
const std::vector<uint32_t>& PresentedFrame();
// Shows the last presented frame again (the window was resized or uncovered), leaving every
// OpenGL state it touches as it found it.
void ShowLastFrame();

// For headless runs nobody watches: every draw from now on fills one pixel only.
void ConfineDrawingToOnePixel();
// Ends a frame that is not presented: its drawing is finished (so the renderer frees what it
// used) and the screen cleared for the next.
void FinishUnshownFrame();
