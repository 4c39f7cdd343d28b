// The mouse through SDL: pointer position in logical-screen pixels, relative motion when
// captured, wheel steps and buttons.
#pragma once

struct PlatformMouse {
    int dx = 0, dy = 0;  // motion since the last read, window pixels
    int wheel = 0;       // wheel steps since the last read, up positive
    int x = 0, y = 0;    // pointer in logical-screen pixels (may lie outside the screen)
    // Held now, or pressed since the last read (a click quicker than a frame counts once).
    bool left = false, right = false, middle = false;
};

// Starts collecting wheel motion (idempotent).
void PlatformMouseInit();
// Captured: relative motion and no cursor; else the arrow cursor is shown. False when the
// capture cannot be had.
bool PlatformMouseCapture(bool captured);
PlatformMouse PlatformMouseRead();
// Puts the system pointer over logical-screen pixel (x, y) of the window.
void PlatformMouseWarp(int x, int y);

// A pointer position in window points to logical-screen pixels, through where the logical
// screen is shown in the window (points and drawable pixels differ on high-density screens).
// Positions on the black borders map outside 0 .. logical size - 1.
void PlatformWindowToLogical(int wx, int wy, int points_w, int points_h, int pixels_w, int pixels_h,
                             int logical_w, int logical_h, int* x, int* y);
