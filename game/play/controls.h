// The controls: four direction keys read through the view rotation, two sets of eight
// buttons (A, B, X, Y, R, L, Select, Start in settings order) and the fixed volume keys.
#pragma once

namespace game {

// Reads the keys into tasdir and the button flags (only ever setting them), works out tastlr
// and, with sound on, the volume keys.
void Tasti();
// Clears tastlr, the button flags and tasvol (not tasdir), once at the top of every frame.
void TastiAZZERA();
// Page Down and 1 turn the effects down, Page Up and 2 up, a fiftieth of the range per frame.
void ControlloVOLUME();

}  // namespace game
