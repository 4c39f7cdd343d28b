// The window and its OpenGL context, the processor's present into it, and event pumping
// (window.cpp, window_surface.cpp, events.cpp; the scaling itself is in scaler.h). The logical
// screen the game draws on is the drawing layer's (runtime/gfx/screen.h); this layer knows its
// size, fits the window to it and shows the pictures it is given. The window may be resized
// and toggled to full-screen desktop (Alt+Enter, F11).
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
    void (*on_expose)() = nullptr;                  // resized or uncovered: show the frame again
};
void PlatformSetEventHandlers(const PlatformEventHandlers& handlers);

// Chooses drivers that need no display and no sound card (an off-screen window, a sound
// device that plays into nothing), for runs nobody watches. Call before the window opens.
void PlatformUseHeadlessDrivers();

// Opens the window for a logical screen of width x height, with a compatibility-profile
// context offering framebuffer objects. On failure returns false and fills `error`.
bool PlatformWindowOpen(int width, int height, const std::string& title, std::string* error);
void PlatformWindowClose();
bool PlatformWindowIsOpen();
void PlatformWindowSetTitle(const std::string& title);
void PlatformWindowShow(bool visible);
void PlatformWindowRaise();

// Windowed or full-screen desktop; false when the switch was refused.
bool PlatformSetFullscreen(bool fullscreen);
bool PlatformIsFullscreen();

// The logical screen's size, set by the drawing layer when it makes the screen (the mouse is
// mapped onto it); a new size fits the window to it when windowed.
void PlatformSetLogicalSize(int width, int height);
int PlatformLogicalWidth();
int PlatformLogicalHeight();

// Whether the processor puts the picture into the window: under a software renderer, unless
// ZOLV_GL_PRESENT is set (chosen when the window opens). A GPU blits and swaps instead.
bool PlatformCpuPresent();
// Scales rectangles of `picture` (w x h BGRA words, bottom row first; all of it when `rects`
// is null), given in OpenGL's terms, by a whole factor into the window's own framebuffer and
// shows them; a new or resized window surface gets the whole picture. False when that cannot
// be done (no framebuffer, another pixel format, a window smaller than the picture).
bool PlatformShowPicture(const std::vector<uint32_t>& picture, int w, int h,
                         const PresentRect* rects, int count);
// The next picture shown goes in whole.
void PlatformForgetShownPicture();
// The window's drawable size in pixels, and the buffer swap after a blit into it.
void PlatformDrawableSize(int* width, int* height);
void PlatformSwapWindow();

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
