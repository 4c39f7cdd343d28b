// The mouse through SDL: pointer position in logical-screen pixels, relative motion when
// captured, wheel steps and buttons.
#pragma once

struct PlatformMouse {
    int dx = 0, dy = 0;  // motion since the last read, window pixels
    int wheel = 0;       // wheel steps since the last read, up positive
    int x = 0, y = 0;    // pointer in logical-screen pixels (may lie outside the screen)
    bool left = false, right = false, middle = false;
};

// Starts collecting wheel motion (idempotent).
void PlatformMouseInit();
// Captured: relative motion and no cursor; else the arrow cursor is shown. False when the
// capture cannot be had.
bool PlatformMouseCapture(bool captured);
PlatformMouse PlatformMouseRead();
