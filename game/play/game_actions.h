// The game actions as the play loop calls them, on the game's variables: one frame of moving,
// refusing and cell effects (AzioniGIOCO) and the points of a step (Punteggi). The rules
// themselves are in play_rules.h; this is where they meet the game's variables, the replay
// texts and the sound.
#pragma once
#include "game/play/play_rules.h"

namespace game {

// One frame of play: the info marker while recording, then the rules' frame for `tasdir`.
// Sets ok to 1 when the move is refused. Called once per frame while editor is 0.
void AzioniGIOCO();
// Adds the points of the cell just arrived at (tipo_Str, tipo2_Str) to punti, doubled in
// turbo; pt holds the points before doubling.
void Punteggi();

// The play state as the game's variables hold it now, and back. Copying back rewrites
// mappa_Str only when a cell changed.
void PlayStateFromGame(PlayState& state);
void PlayStateToGame(const PlayState& state);
// The piece rules of the loaded piece table (pezzi_Str, chrdiff, chghibuco, chsotto,
// fattorex, fattorey).
void PieceRulesFromGame(PieceRules& rules);

}  // namespace game
