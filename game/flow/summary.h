// What a headless run reports about the game when it ends.
#pragma once

namespace game {

// Adds the game's lines to the headless summary: where the main program was, the map, and
// the attempt's counters.
void InstallHeadlessSummary();
// Notes whether the line-file cache holds unsaved changes now, before a normal end saves the
// options, so that the summary still tells what the game itself left unsaved.
void NoteUnsavedBeforeEnd();

}  // namespace game
