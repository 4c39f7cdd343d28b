#include "game/play/controls.h"

#include <array>

#include "game/state/game_state.h"
#include "runtime/input/input.h"

namespace game {

namespace {

// A direction key is kept as one character whose code plus 152 is the key code ("0" is
// code 200, Up).
constexpr int kDirectionKeyBase = 152;

// Volume keys, fixed: key codes and the step each gives.
struct VolumeKey {
    int code;
    int step;
};
constexpr VolumeKey kVolumeKeys[] = {{209, -1},  // Page Down
                                     {201, 1},   // Page Up
                                     {2, -1},    // 1 on the main keyboard
                                     {3, 1}};    // 2 on the main keyboard

// Frames the volume bar stays on screen after a change.
constexpr int kVolumeBarFrames = 25;

bool Held(double code) {
    return KeyDown(static_cast<int>(code)) != 0;
}

}  // namespace

void PadKeys() {
    // A pad's directions stand for the direction keys as set (not turned with the view), its
    // buttons for the first set's keys.
    std::array<int, kPadKeyCount> codes{};
    for (int d = 0; d < 4; ++d)
        codes[static_cast<size_t>(d)] = CharAt(rotaz_Str, d) + kDirectionKeyBase;
    for (int b = 0; b < 8; ++b) codes[static_cast<size_t>(4 + b)] = static_cast<int>(pressioni(b));
    SetPadKeys(codes);
}

void Tasti() {
    CallDepthScope depth;
    PadKeys();
    // rotaz_Str holds the four keys twice, so reading from the rotation on turns the keys with
    // the view; the highest direction held wins.
    for (int d = 0; d < 4; ++d)
        if (Held(CharAt(rotaz_Str, static_cast<int>(rotazione) + d) + kDirectionKeyBase))
            tasdir = d;
    // The fifth button of a set, named "LL" in the settings, drives R and the sixth drives L.
    double* const flags[8] = {&tasa, &tasb, &tasx, &tasy, &tasr, &tasl, &tassel, &tassta};
    for (int k = 0; k <= 8; k += 8)
        for (int b = 0; b < 8; ++b)
            if (Held(pressioni(k + b))) *flags[b] = 1;
    tastlr = 0;
    if (tasr == 0 && tasl == 1) tastlr = -1;
    if (tasr == 1 && tasl == 0) tastlr = 1;
    if (suoni != 0) ControlloVOLUME();
}

void TastiAZZERA() {
    CallDepthScope depth;
    tastlr = 0;
    tasa = 0;
    tasb = 0;
    tasx = 0;
    tasy = 0;
    tasr = 0;
    tasl = 0;
    tassel = 0;
    tassta = 0;
    tasvol = 0;
}

void ControlloVOLUME() {
    CallDepthScope depth;
    tasvol = 0;
    for (const VolumeKey& key : kVolumeKeys)
        if (Held(key.code)) tasvol = tasvol + key.step;
    if (tasvol == 0) return;
    tasvol2 = kVolumeBarFrames;
    volumebase = volumebase + volumemax * tasvol / 50;
    if (volumebase < 0) volumebase = 0;
    if (volumebase > volumemax) volumebase = volumemax;
}

}  // namespace game
