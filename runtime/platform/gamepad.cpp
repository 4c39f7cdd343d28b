#include "runtime/platform/gamepad.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <vector>

namespace {
// A stick pushed past half its travel counts as a direction.
constexpr int kStickDirection = 16384;

struct Pads {
    bool started = false;
    std::vector<SDL_GameController*> open;
    uint32_t pressed = 0;
    SDL_Joystick* virtual_stick = nullptr;
    int virtual_index = -1;
    PadNotice notice = nullptr;
} g_pads;

bool IsOpen(SDL_JoystickID id) {
    for (SDL_GameController* c : g_pads.open)
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) == id) return true;
    return false;
}

void OpenDevice(int device_index) {
    if (!SDL_IsGameController(device_index)) return;
    if (IsOpen(SDL_JoystickGetDeviceInstanceID(device_index))) return;
    SDL_GameController* c = SDL_GameControllerOpen(device_index);
    if (!c) return;
    g_pads.open.push_back(c);
    const char* name = SDL_GameControllerName(c);
    if (g_pads.notice) g_pads.notice(name ? name : "unnamed");
}

void CloseDevice(SDL_JoystickID id) {
    for (size_t i = 0; i < g_pads.open.size(); ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(g_pads.open[i])) != id) continue;
        SDL_GameControllerClose(g_pads.open[i]);
        g_pads.open.erase(g_pads.open.begin() + static_cast<long>(i));
        return;
    }
}

// The control an SDL button stands for, or -1.
int ControlOfButton(int button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return kPadA;
        case SDL_CONTROLLER_BUTTON_B:
            return kPadB;
        case SDL_CONTROLLER_BUTTON_X:
            return kPadX;
        case SDL_CONTROLLER_BUTTON_Y:
            return kPadY;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return kPadL;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return kPadR;
        case SDL_CONTROLLER_BUTTON_BACK:
            return kPadSelect;
        case SDL_CONTROLLER_BUTTON_START:
            return kPadStart;
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return kPadHelp;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return kPadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return kPadRight;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return kPadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return kPadLeft;
        default:
            return -1;
    }
}

uint32_t Bit(int control) {
    return 1u << static_cast<unsigned>(control);
}

uint32_t HeldOn(SDL_GameController* c) {
    uint32_t held = 0;
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        const int control = ControlOfButton(b);
        if (control >= 0 &&
            SDL_GameControllerGetButton(c, static_cast<SDL_GameControllerButton>(b)))
            held |= Bit(control);
    }
    if (SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_LEFTSTICK) &&
        SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_RIGHTSTICK))
        held |= Bit(kPadHelp);
    const int x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    const int y = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    if (y < -kStickDirection) held |= Bit(kPadUp);
    if (y > kStickDirection) held |= Bit(kPadDown);
    if (x < -kStickDirection) held |= Bit(kPadLeft);
    if (x > kStickDirection) held |= Bit(kPadRight);
    return held;
}
}  // namespace

bool PlatformGamepadsStart(PadNotice notice) {
    PlatformGamepadsStop();
    g_pads.notice = notice;
    // SDL reads SDL_GAMECONTROLLERCONFIG itself when the subsystem starts.
    g_pads.started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!g_pads.started) return false;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) OpenDevice(i);
    return true;
}

void PlatformGamepadsStop() {
    PlatformGamepadDetachVirtual();
    for (SDL_GameController* c : g_pads.open) SDL_GameControllerClose(c);
    g_pads.open.clear();
    g_pads.pressed = 0;
    if (g_pads.started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    g_pads.started = false;
}

int PlatformGamepadCount() {
    return static_cast<int>(g_pads.open.size());
}

void PlatformGamepadEvent(const SDL_Event& e) {
    if (!g_pads.started) return;
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            OpenDevice(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            CloseDevice(e.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN: {
            const int control = ControlOfButton(e.cbutton.button);
            if (control >= 0) g_pads.pressed |= Bit(control);
            break;
        }
        default:
            break;
    }
}

uint32_t PlatformGamepadsHeld() {
    uint32_t held = 0;
    for (SDL_GameController* c : g_pads.open) held |= HeldOn(c);
    return held;
}

uint32_t PlatformGamepadsTakePresses() {
    const uint32_t pressed = g_pads.pressed;
    g_pads.pressed = 0;
    return pressed;
}

bool PlatformGamepadAttachVirtual() {
    if (!g_pads.started || g_pads.virtual_stick) return g_pads.virtual_stick != nullptr;
    // Scripted play has no window with the focus, which would make SDL drop the presses.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // A virtual pad of the game-controller kind gets SDL's standard mapping: buttons in the
    // order of SDL's button list, axes in the order of its axis list.
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    if (index < 0) return false;
    g_pads.virtual_index = index;
    g_pads.virtual_stick = SDL_JoystickOpen(index);
    OpenDevice(index);
    return g_pads.virtual_stick != nullptr;
}

void PlatformGamepadSetVirtual(uint32_t held) {
    if (!g_pads.virtual_stick) return;
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        const int control = ControlOfButton(b);
        const bool down = control >= 0 && (held & Bit(control)) != 0;
        SDL_JoystickSetVirtualButton(g_pads.virtual_stick, b, down ? SDL_PRESSED : SDL_RELEASED);
    }
    // The new state takes effect now, not at the next event pump.
    SDL_JoystickUpdate();
}

void PlatformGamepadDetachVirtual() {
    if (!g_pads.virtual_stick) return;
    CloseDevice(SDL_JoystickInstanceID(g_pads.virtual_stick));
    SDL_JoystickClose(g_pads.virtual_stick);
    SDL_JoystickDetachVirtual(g_pads.virtual_index);
    g_pads.virtual_stick = nullptr;
    g_pads.virtual_index = -1;
}
