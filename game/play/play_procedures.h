// Procedures of play the play loop calls, built in their own files.
#pragma once

namespace game {

void AzioniGIOCO();
void Tasti();
void TastiAZZERA();
void ControlloVOLUME();
void MappaRENDER();
void Sprite0();

}  // namespace game
