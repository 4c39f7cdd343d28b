// The keyboard as 256 entries indexed by the game's key codes (PC set-1 scan codes, with
// 128 added for the extended keys: arrows 200/203/205/208, Home 199, End 207 and so on).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The game key code of an SDL scancode, 0 when the key has none.
int PlatformKeyCodeFromScancode(int sdl_scancode);

// Current state: entry is 0x80 while the key is held, else 0. Filled by event pumping
// while the window has the keyboard focus; cleared when the focus is lost.
const uint8_t* PlatformKeyboardState();

// Sets one key's state directly (tests and scripted input use this; pumping does too).
void PlatformSetKey(int code, bool down);
void PlatformClearKeyboard();

// Keys that went down since they were last taken, kept even when released again before the
// game reads them (a quick tap between two frames). Taking marks them 0x80 in `out` (256
// entries) and forgets them; a key read while held is forgotten on its own.
void PlatformTakePresses(uint8_t* out);
void PlatformForgetPress(int code);

// The character the key with this game code gives under the current keyboard layout, with
// no modifier held (letters lower case), or 0 for a key that gives none. Backspace is 8,
// Enter and keypad Enter 10; keypad digits give digits only while Num Lock is on.
int PlatformKeyCharacter(int code);

// Brings the keyboard state up to date for a read. With a key script set (tests), applies
// its next step first.
void PlatformKeyboardRefresh();

// A scripted keyboard for tests: each refresh applies the next step's key changes (code,
// down) to the state; once the script runs out the state stays as it is.
struct ScriptedKey {
    int code;
    bool down;
};
void PlatformSetKeyScript(std::vector<std::vector<ScriptedKey>> steps);
// Steps applied since the script was set.
int PlatformKeyScriptStepsUsed();

// The key's name as the keyboard shows it ("Space", "Left Shift"), empty for a code of none.
std::string PlatformKeyName(int code);

// True while Caps Lock is on.
bool PlatformCapsLock();
