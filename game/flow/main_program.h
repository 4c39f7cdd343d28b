// The game's main program, run by the entry between EngineInit and EndProgram.
#pragma once
#include "game/state/entry_point.h"

// Runs the game from start-up on; it ends only through EndProgram.
void MainProgram();

namespace game {

// One step of the main program: runs the work of `entry` and returns where to go next.
EntryPoint RunEntryPoint(EntryPoint entry);

// The entry point the main program runs now (for the headless summary).
EntryPoint CurrentEntryPoint();

}  // namespace game
