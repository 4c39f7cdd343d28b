// The play loop: an attempt at a level, frame by frame, and what follows a finished level.
#pragma once
#include "game/state/entry_point.h"

namespace game {

// A level from its start, with the time reset.
EntryPoint AttemptStart();
// The same level again, time kept.
EntryPoint AttemptRestart();
// One frame of play, in its fixed order: the picture, presented; a passed limit waits for a
// key and goes back to the menu; otherwise PlayStep.
EntryPoint PlayFrame();
// The work of a frame of play after its picture, when no limit was passed: the animation and
// the time, the controls or the replay's next move, the view keys, the editor or the moves and
// rules, the end of a level. Returns where the main program goes next. It waits for a key at a
// replay's information stop, at a stop added while recording and at new records.
EntryPoint PlayStep();

// The picture of a frame of play: the board, and the failure text over it when a limit
// was passed (`reinizia` says which).
void DrawPlayFrame();

// The limits of an attempt: 0, or the reason it failed (1 time, 2 points, 3 steps).
double AttemptFailure();

}  // namespace game
