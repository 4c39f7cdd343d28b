#include "runtime/input/input.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "runtime/base/log.h"
#include "runtime/base/program_end.h"
#include "runtime/headless/headless.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/browser.h"
#include "runtime/platform/clock.h"
#include "runtime/platform/gamepad.h"
#include "runtime/platform/joystick.h"
#include "runtime/platform/keyboard.h"
#include "runtime/platform/mouse.h"
#include "runtime/platform/window.h"

namespace {
constexpr int kIdleRounds = 15;
constexpr int kIdleSleepMs = 5;
// A stick pushed past a tenth of its travel counts as activity.
constexpr double kStickThreshold = 0.1;

struct Input {
    std::array<uint8_t, 256> keys{};
    // Keys that went down and up again before this frame: they read as held in it.
    std::array<uint8_t, 256> tapped{};
    std::array<int, kPadKeyCount + 1> pad_keys{};  // the last: the help control
    int escape_ends = 0;
    int previous_character = 0;
    bool devices = false;
    bool mouse_hidden = false;
    bool new_frame = false;
    MouseState mouse;
    // Motion read since the last new frame, taken by the first mouse read after it.
    int pending_dx = 0, pending_dy = 0, pending_wheel = 0;
} g_input;

// Marks the keys the pad controls in `controls` stand for.
void MarkPadKeys(uint32_t controls, std::array<uint8_t, 256>* keys) {
    if (controls == 0) return;
    for (int c = 0; c <= kPadKeyCount; ++c) {
        const int code = g_input.pad_keys[static_cast<size_t>(c)] & 0xFF;
        if (code != 0 && (controls & (1u << static_cast<unsigned>(c)))) (*keys)[code] = 0x80;
    }
}

void RefreshKeyboard() {
    if (HeadlessActive()) {
        std::memcpy(g_input.keys.data(), HeadlessKeys(), g_input.keys.size());
    } else {
        PlatformKeyboardRefresh();
        std::memcpy(g_input.keys.data(), PlatformKeyboardState(), g_input.keys.size());
    }
    MarkPadKeys(PlatformGamepadsHeld(), &g_input.keys);
}

void TakeTaps() {
    g_input.tapped.fill(0);
    if (HeadlessActive())
        std::memcpy(g_input.tapped.data(), HeadlessTaps(), g_input.tapped.size());
    else
        PlatformTakePresses(g_input.tapped.data());
    MarkPadKeys(PlatformGamepadsTakePresses(), &g_input.tapped);
}

bool Down(int code) {
    return (g_input.keys[static_cast<size_t>(code & 0xFF)] & 0x80) != 0;
}

// Clamps a position to the screen the game draws on (nothing to clamp to before start-up).
void ClampToScreen(int* x, int* y) {
    const int w = PlatformLogicalWidth(), h = PlatformLogicalHeight();
    if (w > 0) *x = std::clamp(*x, 0, w - 1);
    if (h > 0) *y = std::clamp(*y, 0, h - 1);
}

void EndOnEscape() {
    if (g_input.escape_ends && (Down(kKeyEscExtended) || Down(kKeyEsc))) EndNormally();
}

bool AnyKeyDown() {
    for (int code = 0; code < 255; ++code)
        if (Down(code)) return true;
    return false;
}

bool JoystickActive(int index) {
    const JoystickState j = ReadJoystick(index);
    for (uint8_t b : j.buttons)
        if (b & 0x80) return true;
    for (int32_t axis : {j.x, j.y, j.z}) {
        const double v = std::clamp(axis / 32767.0, -1.0, 1.0);
        if (std::fabs(v) > kStickThreshold) return true;
    }
    const int32_t pov = j.pov[0];
    return pov == 0 || pov == 9000 || pov == 18000 || pov == 27000;
}
}  // namespace

void InputCreate() {
    g_input = Input{};
}

void InputInitDevices(int hide_mouse) {
    PlatformMouseInit();
    InputMouseSetup(hide_mouse);
    bool started = false;
    PlatformJoysticksOpen(&started);
    if (!started) AppendLog("No DX_Input");
    const PadNotice notice = [](const std::string& name) { AppendLog("Game pad: " + name); };
    if (!PlatformGamepadsStart(notice)) AppendLog("No game pads");
    g_input.pad_keys[kPadKeyCount] = kKeyF1;
    g_input.devices = true;
}

void InputMouseSetup(int hide_mouse) {
    const bool hide = hide_mouse != 0;
    // Freed again, the system pointer appears where the game's hidden pointer was.
    if (g_input.mouse_hidden && !hide) PlatformMouseWarp(g_input.mouse.x, g_input.mouse.y);
    if (!PlatformMouseCapture(hide)) {
        AppendLog("No DX_Mouse");
        PlatformMouseCapture(false);
        g_input.mouse_hidden = false;
        return;
    }
    g_input.mouse_hidden = hide;
}

void InputShutdown() {
    if (g_input.devices) {
        PlatformMouseCapture(false);
        if (g_input.mouse_hidden) PlatformMouseWarp(g_input.mouse.x, g_input.mouse.y);
        PlatformGamepadsStop();
        PlatformJoysticksClose();
        g_input.devices = false;
    }
    g_input.keys.fill(0);
}

void InputNewFrame() {
    RefreshKeyboard();
    TakeTaps();
    g_input.new_frame = true;
}

int KeyDown(int code) {
    RefreshKeyboard();
    if (Down(code)) {
        // Seen held: its press needs no keeping for the next frame.
        if (!HeadlessActive()) PlatformForgetPress(code);
        return 1;
    }
    return (g_input.tapped[static_cast<size_t>(code & 0xFF)] & 0x80) ? 1 : 0;
}

void SetPadKeys(const std::array<int, kPadKeyCount>& codes) {
    std::copy(codes.begin(), codes.end(), g_input.pad_keys.begin());
}

int PadCount() {
    return PlatformGamepadCount();
}

uint32_t PadControlsHeld() {
    return PlatformGamepadsHeld();
}

void SetEscapeEnds(int on) {
    g_input.escape_ends = on;
}
int EscapeEnds() {
    return g_input.escape_ends;
}

int CharacterKey() {
    RefreshKeyboard();
    int c = 0;
    for (int code = 0; code < 255 && c == 0; ++code) {
        if (Down(code)) c = PlatformKeyCharacter(code);
    }
    if (std::isalpha(c)) {
        const bool shift = Down(kKeyLeftShift) || Down(kKeyRightShift);
        if (shift != PlatformCapsLock()) c = std::toupper(c);
    }
    const int lower = std::tolower(c);
    if (lower == g_input.previous_character) return 0;
    g_input.previous_character = lower;
    return c;
}

void WaitAnyKey() {
    if (HeadlessActive()) {
        HeadlessWaitForKey();
        RefreshKeyboard();
        return;
    }
    PlatformConsoleLog("waiting for a key");
    while (CharacterKey() != 0) {
    }
    while (CharacterKey() == 0) {
        PlatformPumpAll();
        InputIdle();
        // The idle wait returns at once while any key is held (an arrow, Shift): rest a
        // moment so holding one does not spin a core.
        if (AnyKeyDown()) PlatformSleepMs(1);
    }
    while (CharacterKey() != 0) {
    }
}

bool WaitAnyKeyOr(int code) {
    if (HeadlessActive()) {
        HeadlessWaitForKey();
        RefreshKeyboard();
        return Down(code);
    }
    PlatformConsoleLog("waiting for a key");
    while (CharacterKey() != 0) {
    }
    bool other = false;
    while (CharacterKey() == 0) {
        PlatformPumpAll();
        InputIdle();
        RefreshKeyboard();
        if (Down(code)) {
            other = true;
            break;
        }
        if (AnyKeyDown()) PlatformSleepMs(1);
    }
    while (CharacterKey() != 0) {
    }
    return other;
}

namespace {
// Lets time pass while waiting: a frame of the virtual clock headless, else a short sleep.
void WaitAMoment() {
    if (HeadlessActive()) {
        HeadlessWaitFrame();
        return;
    }
    PlatformPumpAll();
    EndOnEscape();
    PlatformSleepMs(kIdleSleepMs);
}

void WaitAllUp() {
    for (;;) {
        RefreshKeyboard();
        if (!AnyKeyDown()) return;
        WaitAMoment();
    }
}
}  // namespace

void WaitKeyPress() {
    WaitAllUp();
    if (HeadlessActive()) {
        HeadlessWaitForKey();
    } else {
        for (;;) {
            WaitAMoment();
            RefreshKeyboard();
            if (AnyKeyDown()) break;
            std::array<uint8_t, 256> taps{};
            PlatformTakePresses(taps.data());
            MarkPadKeys(PlatformGamepadsTakePresses(), &taps);
            if (std::any_of(taps.begin(), taps.end(), [](uint8_t t) { return t != 0; })) break;
        }
    }
    WaitAllUp();
    // What ended the wait is not a press for the game.
    g_input.tapped.fill(0);
    if (!HeadlessActive()) PlatformTakePresses(g_input.tapped.data());
    PlatformGamepadsTakePresses();
    g_input.tapped.fill(0);
}

std::string KeyName(int code) {
    std::string name = PlatformKeyName(code & 0xFF);
    if (name.empty()) return std::to_string(code & 0xFF);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

void InputIdle() {
    MouseState m = ReadMouse();
    PlatformMouse first = PlatformMouseRead();
    ClampToScreen(&first.x, &first.y);
    g_input.pending_dx += first.dx;
    g_input.pending_dy += first.dy;
    g_input.pending_wheel += first.wheel;
    for (int round = 0; round < kIdleRounds; ++round) {
        PlatformPumpAll();
        RefreshKeyboard();
        EndOnEscape();
        if (AnyKeyDown()) return;
        PlatformMouse now = PlatformMouseRead();
        ClampToScreen(&now.x, &now.y);
        const bool moved = g_input.mouse_hidden ? (now.dx != 0 || now.dy != 0)
                                                : (now.x != first.x || now.y != first.y);
        if (moved || now.left != (m.left != 0) || now.right != (m.right != 0)) {
            // Keep the motion for the game's next mouse read.
            g_input.pending_dx += now.dx;
            g_input.pending_dy += now.dy;
            g_input.pending_wheel += now.wheel;
            return;
        }
        g_input.pending_wheel += now.wheel;
        for (int j = JoystickCount() - 1; j >= 0; --j)
            if (JoystickActive(j)) return;
        PlatformSleepMs(kIdleSleepMs);
    }
}

MouseState ReadMouse() {
    if (HeadlessActive()) {
        // The scripted mouse stands for the pointer shown over the window.
        const HeadlessMouse h = HeadlessMouseState();
        MouseState& m = g_input.mouse;
        m.dx = h.x - m.x;
        m.dy = h.y - m.y;
        m.x = h.x;
        m.y = h.y;
        m.wheel = (h.wheel > 0) - (h.wheel < 0);
        m.left = h.left ? 1 : 0;
        m.right = h.right ? 1 : 0;
        m.middle = 0;
        return m;
    }
    const PlatformMouse p = PlatformMouseRead();
    g_input.pending_dx += p.dx;
    g_input.pending_dy += p.dy;
    g_input.pending_wheel += p.wheel;
    MouseState& m = g_input.mouse;
    if (g_input.new_frame) {
        g_input.new_frame = false;
        m.dx = g_input.pending_dx;
        m.dy = g_input.pending_dy;
        m.wheel = (g_input.pending_wheel > 0) - (g_input.pending_wheel < 0);
        g_input.pending_dx = g_input.pending_dy = g_input.pending_wheel = 0;
        if (g_input.mouse_hidden) {
            m.x += m.dx;
            m.y += m.dy;
        } else {
            m.x = p.x;
            m.y = p.y;
        }
        ClampToScreen(&m.x, &m.y);
    }
    m.left = p.left ? 1 : 0;
    m.right = p.right ? 1 : 0;
    m.middle = p.middle ? 1 : 0;
    return m;
}

int JoystickCount() {
    return PlatformJoystickCount();
}
std::string JoystickName(int index) {
    return PlatformJoystickName(index);
}

JoystickState ReadJoystick(int index) {
    JoystickState s;
    PlatformJoystick p;
    if (!PlatformJoystickRead(index, &p)) return s;
    s.x = p.axes[0];
    s.y = p.axes[1];
    s.z = p.axes[2];
    s.rx = p.axes[3];
    s.ry = p.axes[4];
    s.rz = p.axes[5];
    s.sliders = p.sliders;
    s.pov = p.pov;
    s.buttons = p.buttons;
    return s;
}
