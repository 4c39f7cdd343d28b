// The controls: four direction keys read through the view rotation, two sets of eight
// buttons (A, B, X, Y, R, L, Select, Start in settings order) and the fixed volume keys.
#pragma once

namespace game {

// Reads the keys into tasdir and the button flags (only ever setting them), works out tastlr
// and, with sound on, the volume keys.
void Tasti();
// Tells the runtime which keys a game pad stands for: its directions for the direction keys
// as set, its A, B, X, Y, L, R, Select and Start for the first set's buttons as the settings
// name them. Tasti does it on every read, so keys changed while playing apply to pads too.
void PadKeys();
// Clears tastlr, the button flags and tasvol (not tasdir), once at the top of every frame.
void TastiAZZERA();
// Page Down and 1 turn the effects down, Page Up and 2 up, a fiftieth of the range per frame.
void ControlloVOLUME();

}  // namespace game
