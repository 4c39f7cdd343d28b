#include "runtime/platform/keyboard.h"

#include <SDL2/SDL.h>

#include <array>
#include <cstring>

namespace {
std::array<uint8_t, 256> g_state{};
std::array<uint8_t, 256> g_pressed{};
std::vector<std::vector<ScriptedKey>> g_script;
size_t g_script_next = 0;

struct KeyPair {
    SDL_Scancode sdl;
    uint8_t code;
};

// One table from SDL scancodes to the game's key codes.
constexpr KeyPair kKeyTable[] = {
    {SDL_SCANCODE_ESCAPE, 1},
    {SDL_SCANCODE_1, 2},
    {SDL_SCANCODE_2, 3},
    {SDL_SCANCODE_3, 4},
    {SDL_SCANCODE_4, 5},
    {SDL_SCANCODE_5, 6},
    {SDL_SCANCODE_6, 7},
    {SDL_SCANCODE_7, 8},
    {SDL_SCANCODE_8, 9},
    {SDL_SCANCODE_9, 10},
    {SDL_SCANCODE_0, 11},
    {SDL_SCANCODE_MINUS, 12},
    {SDL_SCANCODE_EQUALS, 13},
    {SDL_SCANCODE_BACKSPACE, 14},
    {SDL_SCANCODE_TAB, 15},
    {SDL_SCANCODE_Q, 16},
    {SDL_SCANCODE_W, 17},
    {SDL_SCANCODE_E, 18},
    {SDL_SCANCODE_R, 19},
    {SDL_SCANCODE_T, 20},
    {SDL_SCANCODE_Y, 21},
    {SDL_SCANCODE_U, 22},
    {SDL_SCANCODE_I, 23},
    {SDL_SCANCODE_O, 24},
    {SDL_SCANCODE_P, 25},
    {SDL_SCANCODE_LEFTBRACKET, 26},
    {SDL_SCANCODE_RIGHTBRACKET, 27},
    {SDL_SCANCODE_RETURN, 28},
    {SDL_SCANCODE_LCTRL, 29},
    {SDL_SCANCODE_A, 30},
    {SDL_SCANCODE_S, 31},
    {SDL_SCANCODE_D, 32},
    {SDL_SCANCODE_F, 33},
    {SDL_SCANCODE_G, 34},
    {SDL_SCANCODE_H, 35},
    {SDL_SCANCODE_J, 36},
    {SDL_SCANCODE_K, 37},
    {SDL_SCANCODE_L, 38},
    {SDL_SCANCODE_SEMICOLON, 39},
    {SDL_SCANCODE_APOSTROPHE, 40},
    {SDL_SCANCODE_GRAVE, 41},
    {SDL_SCANCODE_LSHIFT, 42},
    {SDL_SCANCODE_BACKSLASH, 43},
    {SDL_SCANCODE_Z, 44},
    {SDL_SCANCODE_X, 45},
    {SDL_SCANCODE_C, 46},
    {SDL_SCANCODE_V, 47},
    {SDL_SCANCODE_B, 48},
    {SDL_SCANCODE_N, 49},
    {SDL_SCANCODE_M, 50},
    {SDL_SCANCODE_COMMA, 51},
    {SDL_SCANCODE_PERIOD, 52},
    {SDL_SCANCODE_SLASH, 53},
    {SDL_SCANCODE_RSHIFT, 54},
    {SDL_SCANCODE_KP_MULTIPLY, 55},
    {SDL_SCANCODE_LALT, 56},
    {SDL_SCANCODE_SPACE, 57},
    {SDL_SCANCODE_CAPSLOCK, 58},
    {SDL_SCANCODE_F1, 59},
    {SDL_SCANCODE_F2, 60},
    {SDL_SCANCODE_F3, 61},
    {SDL_SCANCODE_F4, 62},
    {SDL_SCANCODE_F5, 63},
    {SDL_SCANCODE_F6, 64},
    {SDL_SCANCODE_F7, 65},
    {SDL_SCANCODE_F8, 66},
    {SDL_SCANCODE_F9, 67},
    {SDL_SCANCODE_F10, 68},
    {SDL_SCANCODE_NUMLOCKCLEAR, 69},
    {SDL_SCANCODE_SCROLLLOCK, 70},
    {SDL_SCANCODE_KP_7, 71},
    {SDL_SCANCODE_KP_8, 72},
    {SDL_SCANCODE_KP_9, 73},
    {SDL_SCANCODE_KP_MINUS, 74},
    {SDL_SCANCODE_KP_4, 75},
    {SDL_SCANCODE_KP_5, 76},
    {SDL_SCANCODE_KP_6, 77},
    {SDL_SCANCODE_KP_PLUS, 78},
    {SDL_SCANCODE_KP_1, 79},
    {SDL_SCANCODE_KP_2, 80},
    {SDL_SCANCODE_KP_3, 81},
    {SDL_SCANCODE_KP_0, 82},
    {SDL_SCANCODE_KP_PERIOD, 83},
    {SDL_SCANCODE_NONUSBACKSLASH, 86},
    {SDL_SCANCODE_F11, 87},
    {SDL_SCANCODE_F12, 88},
    {SDL_SCANCODE_F13, 100},
    {SDL_SCANCODE_F14, 101},
    {SDL_SCANCODE_F15, 102},
    {SDL_SCANCODE_KP_EQUALS, 141},
    {SDL_SCANCODE_KP_ENTER, 156},
    {SDL_SCANCODE_RCTRL, 157},
    {SDL_SCANCODE_MUTE, 160},
    {SDL_SCANCODE_VOLUMEDOWN, 174},
    {SDL_SCANCODE_VOLUMEUP, 176},
    {SDL_SCANCODE_KP_DIVIDE, 181},
    {SDL_SCANCODE_PRINTSCREEN, 183},
    {SDL_SCANCODE_RALT, 184},
    {SDL_SCANCODE_PAUSE, 197},
    {SDL_SCANCODE_HOME, 199},
    {SDL_SCANCODE_UP, 200},
    {SDL_SCANCODE_PAGEUP, 201},
    {SDL_SCANCODE_LEFT, 203},
    {SDL_SCANCODE_RIGHT, 205},
    {SDL_SCANCODE_END, 207},
    {SDL_SCANCODE_DOWN, 208},
    {SDL_SCANCODE_PAGEDOWN, 209},
    {SDL_SCANCODE_INSERT, 210},
    {SDL_SCANCODE_DELETE, 211},
    {SDL_SCANCODE_LGUI, 219},
    {SDL_SCANCODE_RGUI, 220},
    {SDL_SCANCODE_APPLICATION, 221},
};

SDL_Scancode ScancodeFromKeyCode(int code) {
    for (const auto& k : kKeyTable)
        if (k.code == code) return k.sdl;
    return SDL_SCANCODE_UNKNOWN;
}

// Before the video subsystem has read the layout (and without a display) SDL knows no key
// characters: use the US layout, which is also SDL's own default.
SDL_Keycode UsKey(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'a' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    switch (sc) {
        case SDL_SCANCODE_0:
            return '0';
        case SDL_SCANCODE_SPACE:
            return ' ';
        case SDL_SCANCODE_MINUS:
            return '-';
        case SDL_SCANCODE_EQUALS:
            return '=';
        case SDL_SCANCODE_LEFTBRACKET:
            return '[';
        case SDL_SCANCODE_RIGHTBRACKET:
            return ']';
        case SDL_SCANCODE_BACKSLASH:
        case SDL_SCANCODE_NONUSBACKSLASH:
            return '\\';
        case SDL_SCANCODE_SEMICOLON:
            return ';';
        case SDL_SCANCODE_APOSTROPHE:
            return '\'';
        case SDL_SCANCODE_GRAVE:
            return '`';
        case SDL_SCANCODE_COMMA:
            return ',';
        case SDL_SCANCODE_PERIOD:
            return '.';
        case SDL_SCANCODE_SLASH:
            return '/';
        default:
            return SDLK_UNKNOWN;
    }
}

// Keypad keys give their character only while Num Lock is on, as on the desktop.
int KeypadCharacter(SDL_Scancode sc) {
    const bool num_lock = (SDL_GetModState() & KMOD_NUM) != 0;
    switch (sc) {
        case SDL_SCANCODE_KP_MULTIPLY:
            return '*';
        case SDL_SCANCODE_KP_MINUS:
            return '-';
        case SDL_SCANCODE_KP_PLUS:
            return '+';
        case SDL_SCANCODE_KP_DIVIDE:
            return '/';
        case SDL_SCANCODE_KP_PERIOD:
            return num_lock ? '.' : 0;
        case SDL_SCANCODE_KP_0:
            return num_lock ? '0' : 0;
        default:
            if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9)
                return num_lock ? '1' + (sc - SDL_SCANCODE_KP_1) : 0;
            return -1;
    }
}
}  // namespace

int PlatformKeyCodeFromScancode(int sdl_scancode) {
    for (const auto& k : kKeyTable)
        if (k.sdl == sdl_scancode) return k.code;
    return 0;
}

int PlatformKeyCharacter(int code) {
    switch (code) {
        case 14:
            return 8;
        case 28:
        case 156:
            return 10;
        default:
            break;
    }
    const SDL_Scancode sc = ScancodeFromKeyCode(code);
    if (sc == SDL_SCANCODE_UNKNOWN) return 0;
    const int keypad = KeypadCharacter(sc);
    if (keypad >= 0) return keypad;
    // The layout's key code of a printable key is the character it types unshifted.
    SDL_Keycode key = SDL_GetKeyFromScancode(sc);
    if (key == SDLK_UNKNOWN) key = UsKey(sc);
    return key >= 32 && key < 127 ? static_cast<int>(key) : 0;
}

std::string PlatformKeyName(int code) {
    const SDL_Scancode sc = ScancodeFromKeyCode(code);
    if (sc == SDL_SCANCODE_UNKNOWN) return {};
    const char* name = SDL_GetScancodeName(sc);
    return name ? name : "";
}

bool PlatformCapsLock() {
    return (SDL_GetModState() & KMOD_CAPS) != 0;
}

void PlatformKeyboardRefresh() {
    if (g_script_next < g_script.size()) {
        for (const ScriptedKey& k : g_script[g_script_next]) PlatformSetKey(k.code, k.down);
        ++g_script_next;
    }
}

void PlatformSetKeyScript(std::vector<std::vector<ScriptedKey>> steps) {
    g_script = std::move(steps);
    g_script_next = 0;
}

int PlatformKeyScriptStepsUsed() {
    return static_cast<int>(g_script_next);
}

const uint8_t* PlatformKeyboardState() {
    return g_state.data();
}

void PlatformSetKey(int code, bool down) {
    if (code <= 0 || code > 255) return;
    const size_t at = static_cast<size_t>(code);
    // Only a key going down counts as a press: the system's repeats of a held key do not.
    if (down && g_state[at] == 0) g_pressed[at] = 0x80;
    g_state[at] = down ? 0x80 : 0;
}

void PlatformClearKeyboard() {
    g_state.fill(0);
    g_pressed.fill(0);
}

void PlatformTakePresses(uint8_t* out) {
    for (size_t i = 0; i < g_pressed.size(); ++i) out[i] |= g_pressed[i];
    g_pressed.fill(0);
}

void PlatformForgetPress(int code) {
    g_pressed[static_cast<size_t>(code & 0xFF)] = 0;
}
