// The play loop: an attempt at a level, frame by frame, and what follows a finished level.
#pragma once
#include "game/state/entry_point.h"

namespace game {

// A level from its start, with the time reset.
EntryPoint AttemptStart();
// The same level again, time kept.
EntryPoint AttemptRestart();
// One frame of play, in its fixed order.
EntryPoint PlayFrame();

// The picture of a frame of play: the board, and the failure text over it when a limit
// was passed (`reinizia` says which).
void DrawPlayFrame();

// The limits of an attempt: 0, or the reason it failed (1 time, 2 points, 3 steps).
double AttemptFailure();

}  // namespace game
