// The window, its OpenGL context and the logical screen, and event pumping (window.cpp,
// logical_screen.cpp, events.cpp; the scaling itself is in scaler.h).
//
// The game draws into the logical screen: an off-screen framebuffer of exactly the client
// size it asked for (RGB colour, no alpha channel, depth and stencil). Presenting scales it
// to the real window by the largest whole factor that fits, nearest-neighbour, centred on
// black. The window may be resized and toggled to full-screen desktop (Alt+Enter, F11).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/platform/scaler.h"

struct PlatformEventHandlers {
    void (*on_close)() = nullptr;                   // close button, Alt+F4, quit request
    void (*on_focus)(bool gained) = nullptr;        // keyboard focus gained or lost
    void (*on_key)(int code, bool down) = nullptr;  // game key code, after the table update
    void (*on_end_signal)() = nullptr;              // an end signal caught (signals.h)
};
void PlatformSetEventHandlers(const PlatformEventHandlers& handlers);

// Chooses drivers that need no display and no sound card (an off-screen window, a sound
// device that plays into nothing), for runs nobody watches. Call before the window opens.
void PlatformUseHeadlessDrivers();

// Opens the window with a compatibility-profile context and the logical screen of
// width x height. On failure returns false and fills `error`.
bool PlatformWindowOpen(int width, int height, const std::string& title, std::string* error);
void PlatformWindowClose();
bool PlatformWindowIsOpen();
void PlatformWindowSetTitle(const std::string& title);
void PlatformWindowShow(bool visible);
void PlatformWindowRaise();

// Windowed or full-screen desktop; false when the switch was refused.
bool PlatformSetFullscreen(bool fullscreen);
bool PlatformIsFullscreen();

// Changes the logical screen's size; the window is resized to fit it when windowed.
bool PlatformResizeLogicalScreen(int width, int height);
int PlatformLogicalWidth();
int PlatformLogicalHeight();

// Makes the logical screen the draw and read target again.
void PlatformBindLogicalScreen();
unsigned PlatformLogicalFramebuffer();

// Scales the logical screen into the window and shows it. The game then draws on a logical
// screen that is bound and is to be cleared: the other of two (holding the frame before last)
// where a GPU scales the picture, the same one where the processor does.
void PlatformPresent();
// Whether the processor scales the picture (under a software renderer): then a present can
// show parts of the logical screen, and the logical screen keeps the frame presented.
bool PlatformPresentsParts();
// Shows only these rectangles of the logical screen; the rest of the window keeps the frame
// shown before. Presents the whole screen where parts cannot be shown.
void PlatformPresentParts(const PresentRect* rects, int count);
// The last presented frame as the processor's present keeps it (BGRA words, bottom row first;
// empty where a GPU presents).
const std::vector<uint32_t>& PlatformPresentedFrame();

// Dispatches one pending event; false when none was pending. An end signal caught is answered
// first, through on_end_signal.
bool PlatformPumpOne();
// Dispatches every pending event.
void PlatformPumpAll();

// Asks the window to close, as its close button does (scripted input and tests).
void PlatformRequestClose();

// GL_RENDERER of the context, or "" without one.
std::string PlatformRenderer();

// A message box; under tests (ZOLV_TEST set) or without a display only logged to stderr.
void PlatformMessageBox(const std::string& caption, const std::string& text);
