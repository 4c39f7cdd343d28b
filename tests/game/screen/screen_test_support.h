// The real window for the game's drawing tests, on the runtime's shared test screen.
#pragma once
#include <cstdint>

#include "support/gl_test_screen.h"

namespace game_test {

// The engine at 640 x 480, the size the settings files are read at.
inline void StartEngine() {
    StartTestEngine(640, 480);
}

// Colour of one pixel of the logical screen as 0x00BBGGRR, y counted from the top.
inline uint32_t ScreenPixel(int x, int y) {
    return ReadScreen().Colour(x, y);
}

}  // namespace game_test
