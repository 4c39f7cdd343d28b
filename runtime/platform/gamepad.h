// Game pads through SDL's game-controller mapping (its built-in database and the mappings in
// SDL_GAMECONTROLLERCONFIG): the controls the game knows, read from every pad attached. Pads
// may be plugged in or out at any time; the event pump passes their events here.
#pragma once
#include <cstdint>
#include <string>

union SDL_Event;

enum PadControl : int {
    kPadUp,
    kPadRight,
    kPadDown,
    kPadLeft,
    kPadA,
    kPadB,
    kPadX,
    kPadY,
    kPadL,
    kPadR,
    kPadSelect,
    kPadStart,
    kPadHelp,  // the Guide button, or both sticks pressed in together
    kPadControls
};

// Called with the name of each pad opened, for the log.
using PadNotice = void (*)(const std::string& name);

// Starts the game-controller subsystem and opens the pads attached; false when it does not
// start (the game then runs without pads). `notice` hears of every pad opened from then on.
bool PlatformGamepadsStart(PadNotice notice);
void PlatformGamepadsStop();
// Pads attached and opened.
int PlatformGamepadCount();

// Device added, removed or remapped, and button presses: called by the event pump.
void PlatformGamepadEvent(const SDL_Event& e);

// One bit (1 << control) per control held on any pad: the d-pad or the left stick past half
// its travel for the directions.
uint32_t PlatformGamepadsHeld();
// Controls whose button went down since the last take (kept when released again before).
uint32_t PlatformGamepadsTakePresses();

// A virtual pad for scripted play: attached and opened at once; then its controls follow the
// bits given (the stick stays centred). False when SDL cannot make one.
bool PlatformGamepadAttachVirtual();
void PlatformGamepadSetVirtual(uint32_t held);
void PlatformGamepadDetachVirtual();
