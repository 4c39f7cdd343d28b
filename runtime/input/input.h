// The input object: keyboard by game key code, key waits, mouse and joysticks.
//
// Key codes are the keyboard's set-1 scan codes, 128 added for the extended keys (arrows
// 200/203/205/208, Home 199, End 207, ...); only the low 8 bits of a code count.
#pragma once
#include <array>
#include <cstdint>
#include <string>

// Start-up: create the input object, then open its devices on the window.
void InputCreate();
void InputInitDevices(int hide_mouse);
void InputShutdown();

// Mouse set-up after start-up or a display mode change: hidden means captured (relative
// motion, no cursor), visible means the arrow cursor follows the system pointer.
void InputMouseSetup(int hide_mouse);

// Copies the keyboard state for the new frame and marks a new frame for the mouse.
void InputNewFrame();

// 1 while the key with this code (low 8 bits used) is held, else 0. A key that went down
// and up again between two frames reads as held throughout the frame that follows, so a
// tap shorter than a frame is not lost; held keys read as they are.
int KeyDown(int code);

// Game pads drive keys: while a pad control is held, KeyDown reports the key code it stands
// for. Order: Up, Right, Down, Left, A, B, X, Y, L, R, Select, Start (0: none). The pad's
// help control (Guide, or both sticks pressed in) stands for F1.
constexpr int kPadKeyCount = 12;
void SetPadKeys(const std::array<int, kPadKeyCount>& codes);
// Game pads attached.
int PadCount();
// The pad controls held on any pad, one bit (1 << PadControl) each, read as they are now:
// for combinations of pad buttons that stand for no key.
uint32_t PadControlsHeld();

// The character of a newly pressed key under the current keyboard layout: 8 for Backspace,
// 10 for Enter, 32..127 for the rest (letters upper case while Shift is held), else 0.
// A held key is reported once; pressed again after release it is reported again.
int CharacterKey();

// Waits for a key that gives a character, Backspace or Enter (arrows, Shift, Ctrl, Alt, Esc,
// Tab and function keys do not end it). Events are pumped throughout, so closing the window
// still ends the program.
void WaitAnyKey();

// As WaitAnyKey, but `code` (any key, F1 say) ends it too; true when that key ended it.
bool WaitAnyKeyOr(int code);

// Waits until no key is held, then for any key or pad control to go down and be let go
// again (a screen shown over the game, closed by any key). Events are pumped throughout.
void WaitKeyPress();

// The key's name in capitals as the keyboard shows it ("SPACE", "LEFT SHIFT"), or its code.
std::string KeyName(int code);

// Waits up to about 75 ms for any keyboard, mouse or joystick activity. Ends the program on
// Esc when SetEscapeEnds is on.
void InputIdle();

// Esc (codes 1 and 129) ends the program in ShowFrame and InputIdle when on.
void SetEscapeEnds(int on);
int EscapeEnds();

// The mouse: motion since the last new frame, wheel direction (-1, 0, 1), position in
// logical-screen pixels and the left, right and middle buttons (1 while held).
struct MouseState {
    int dx = 0;
    int dy = 0;
    int wheel = 0;
    int x = 100;
    int y = 100;
    int left = 0;
    int right = 0;
    int middle = 0;
};
MouseState ReadMouse();

// One joystick: axes X, Y, Z, Rx, Ry, Rz (-32768..32767), two sliders, four POV values in
// hundredths of a degree clockwise from up (-1 when centred), 32 buttons (0x80 while held).
struct JoystickState {
    int32_t x = 0, y = 0, z = 0, rx = 0, ry = 0, rz = 0;
    std::array<int32_t, 2> sliders{};
    std::array<int32_t, 4> pov{-1, -1, -1, -1};
    std::array<uint8_t, 32> buttons{};
};
int JoystickCount();
std::string JoystickName(int index);
// An index outside 0 .. JoystickCount() - 1 reads as all zero with centred POVs.
JoystickState ReadJoystick(int index);
