#include "runtime/platform/joystick.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Open {
    SDL_Joystick* device = nullptr;
    std::string name;
};
std::vector<Open> g_sticks;
bool g_started = false;
}  // namespace

int PlatformJoysticksOpen(bool* started) {
    PlatformJoysticksClose();
    g_started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (started) *started = g_started;
    const int attached = g_started ? SDL_NumJoysticks() : 0;
    for (int i = 0; i < attached && static_cast<int>(g_sticks.size()) < kMaxJoysticks; ++i) {
        SDL_Joystick* j = SDL_JoystickOpen(i);
        if (!j) continue;
        const char* name = SDL_JoystickName(j);
        char product[32];
        std::snprintf(product, sizeof product, "%04x:%04x", SDL_JoystickGetVendor(j),
                      SDL_JoystickGetProduct(j));
        // The device's own name, then which product it is (USB vendor and product ids).
        g_sticks.push_back({j, std::string(name ? name : "Joystick") + ", " + product});
    }
    return static_cast<int>(g_sticks.size());
}

void PlatformJoysticksClose() {
    for (Open& o : g_sticks) SDL_JoystickClose(o.device);
    g_sticks.clear();
    if (g_started) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        g_started = false;
    }
}

int PlatformJoystickCount() {
    return static_cast<int>(g_sticks.size());
}

std::string PlatformJoystickName(int index) {
    if (index < 0 || index >= PlatformJoystickCount()) return {};
    return g_sticks[static_cast<size_t>(index)].name;
}

int32_t PlatformPovFromHat(int hat) {
    switch (hat) {
        case SDL_HAT_UP:
            return 0;
        case SDL_HAT_RIGHTUP:
            return 4500;
        case SDL_HAT_RIGHT:
            return 9000;
        case SDL_HAT_RIGHTDOWN:
            return 13500;
        case SDL_HAT_DOWN:
            return 18000;
        case SDL_HAT_LEFTDOWN:
            return 22500;
        case SDL_HAT_LEFT:
            return 27000;
        case SDL_HAT_LEFTUP:
            return 31500;
        default:
            return -1;
    }
}

bool PlatformJoystickRead(int index, PlatformJoystick* out) {
    if (index < 0 || index >= PlatformJoystickCount()) return false;
    SDL_Joystick* j = g_sticks[static_cast<size_t>(index)].device;
    SDL_JoystickUpdate();
    PlatformJoystick s;
    const int axes = SDL_JoystickNumAxes(j);
    for (int a = 0; a < axes && a < 8; ++a) {
        const int32_t v = SDL_JoystickGetAxis(j, a);
        if (a < 6)
            s.axes[static_cast<size_t>(a)] = v;
        else
            s.sliders[static_cast<size_t>(a - 6)] = v;
    }
    const int hats = std::min(SDL_JoystickNumHats(j), 4);
    for (int h = 0; h < hats; ++h)
        s.pov[static_cast<size_t>(h)] = PlatformPovFromHat(SDL_JoystickGetHat(j, h));
    const int buttons = std::min(SDL_JoystickNumButtons(j), 32);
    for (int b = 0; b < buttons; ++b)
        s.buttons[static_cast<size_t>(b)] = SDL_JoystickGetButton(j, b) ? 0x80 : 0;
    *out = s;
    return true;
}

int PlatformJoystickAttachVirtual(int axes, int buttons, int hats) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return -1;
    // The subsystem reference taken here keeps the device until it is detached.
    const int index =
        SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, hats);
    if (index < 0) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    return index;
}

void PlatformJoystickDetachVirtual(int device_index) {
    if (!SDL_WasInit(SDL_INIT_JOYSTICK)) return;
    if (SDL_JoystickDetachVirtual(device_index) == 0) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void PlatformJoystickSetVirtualAxis(int index, int axis, int value) {
    if (index < 0 || index >= PlatformJoystickCount()) return;
    SDL_JoystickSetVirtualAxis(g_sticks[static_cast<size_t>(index)].device, axis,
                               static_cast<Sint16>(std::clamp(value, -32768, 32767)));
}

void PlatformJoystickSetVirtualButton(int index, int button, bool down) {
    if (index < 0 || index >= PlatformJoystickCount()) return;
    SDL_JoystickSetVirtualButton(g_sticks[static_cast<size_t>(index)].device, button,
                                 down ? SDL_PRESSED : SDL_RELEASED);
}

void PlatformJoystickSetVirtualPov(int index, int hat, int32_t pov) {
    if (index < 0 || index >= PlatformJoystickCount()) return;
    Uint8 value = SDL_HAT_CENTERED;
    for (Uint8 h = 0; h < 16; ++h)
        if (pov != -1 && PlatformPovFromHat(h) == pov) value = h;
    SDL_JoystickSetVirtualHat(g_sticks[static_cast<size_t>(index)].device, hat, value);
}
