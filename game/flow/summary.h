// What a headless run reports about the game when it ends.
#pragma once

namespace game {

// Adds the game's lines to the headless summary: where the main program was, the map, and
// the attempt's counters.
void InstallHeadlessSummary();

}  // namespace game
