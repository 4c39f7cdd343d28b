// Procedures of play the play loop calls, built in their own files.
#pragma once
#include "game/maps/board_render.h"

namespace game {

void AzioniGIOCO();
void Tasti();
void TastiAZZERA();
void ControlloVOLUME();

}  // namespace game
