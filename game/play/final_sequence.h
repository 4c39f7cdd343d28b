// The scene after the last map of the set: the player meets the chicks and the partner, the
// saucer comes down and flies off with everyone. It ends at the title.
#pragma once
#include "game/state/entry_point.h"

namespace game {

EntryPoint FinalSequence();

// The actors at their starting places (chicks, player, partner twice, saucer).
void PlaceFinalActors();
// One frame of the scene in `phase` (0 to 15), step k of the phase, frames j and fr of the
// step, then every actor moved on by its speed. Nothing is presented.
void DrawFinalFrame(int phase, double k, int j, int fr);

}  // namespace game
