// The main menu: level chooser with its live preview, records table, replay, language,
// demonstration, readme, player name, four option switches and the exit.
#pragma once
#include "game/state/entry_point.h"

namespace game {

// Reads the player's progress, sets the view for the preview and captures it.
EntryPoint MenuSetUp();
// Restarts the menu's animation.
EntryPoint MenuRestart();
// One menu frame (10 a second): input, drawing and the chosen action.
EntryPoint MenuLoop();
// The hand-over to play of the level chosen (`map`, `editor`, `rivede` set): play's zoom and
// frame rate, the renderer drawing for play; then the attempt starts.
EntryPoint LevelStart();

}  // namespace game
