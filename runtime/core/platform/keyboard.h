// The keyboard as 256 entries indexed by the game's key codes (PC set-1 scan codes, with
// 128 added for the extended keys: arrows 200/203/205/208, Home 199, End 207 and so on).
#pragma once
#include <cstdint>

// The game key code of an SDL scancode, 0 when the key has none.
int PlatformKeyCodeFromScancode(int sdl_scancode);

// Current state: entry is 0x80 while the key is held, else 0. Filled by event pumping
// while the window has the keyboard focus; cleared when the focus is lost.
const uint8_t* PlatformKeyboardState();

// Sets one key's state directly (tests and scripted input use this; pumping does too).
void PlatformSetKey(int code, bool down);
void PlatformClearKeyboard();
