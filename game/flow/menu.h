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
// The parts of a menu frame around its keys, for the loop and for tools that draw the menu
// without them. MenuFrameBegin steps the animation, sets the preview's view (no rotation,
// zoom 1, fixed board) and clears the frame. DrawMenuFrame draws the picture as the keys left
// the menu: the chosen map's live preview captured afresh (not while a name is edited), the
// lines, the list and the letters over it; presenting it is the caller's.
void MenuFrameBegin();
void DrawMenuFrame();
// The hand-over to play of the level chosen (`map`, `editor`, `rivede` set): play's zoom and
// frame rate, the renderer drawing for play; then the attempt starts.
EntryPoint LevelStart();
// Writes the option switches and the language to player-file lines 3 to 7, as the exit entry
// does before it ends the program; every other normal end does the same.
void SaveOptions();

}  // namespace game
