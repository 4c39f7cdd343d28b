// Joysticks and game pads through SDL's joystick interface (up to 10).
#pragma once
#include <array>
#include <cstdint>
#include <string>

constexpr int kMaxJoysticks = 10;

struct PlatformJoystick {
    std::array<int32_t, 6> axes{};  // X, Y, Z, Rx, Ry, Rz: -32768..32767
    std::array<int32_t, 2> sliders{};
    std::array<int32_t, 4> pov{-1, -1, -1, -1};  // hundredths of a degree, -1 centred
    std::array<uint8_t, 32> buttons{};           // 0x80 while held
};

// Opens the attached joysticks; returns how many (0 when the subsystem does not start,
// with `started` false).
int PlatformJoysticksOpen(bool* started);
void PlatformJoysticksClose();
int PlatformJoystickCount();
std::string PlatformJoystickName(int index);
// The POV value of an SDL hat position.
int32_t PlatformPovFromHat(int hat);
// Reads one joystick; false (state left as given) for an index not open.
bool PlatformJoystickRead(int index, PlatformJoystick* out);

// A virtual joystick (tests and scripted input): attached before PlatformJoysticksOpen it is
// opened like a real one. Returns its SDL device index, or -1.
int PlatformJoystickAttachVirtual(int axes, int buttons, int hats);
void PlatformJoystickDetachVirtual(int device_index);
// Sets a control of the opened joystick `index`.
void PlatformJoystickSetVirtualAxis(int index, int axis, int value);
void PlatformJoystickSetVirtualButton(int index, int button, bool down);
// POV in hundredths of a degree (multiples of 4500), -1 centred.
void PlatformJoystickSetVirtualPov(int index, int hat, int32_t pov);
