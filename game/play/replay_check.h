// The replay check: a line of moves played on one map through the real main loop, headless,
// with a report of how the attempt ended. Tests, tools and CI use it to prove that a replay
// finishes its level by the game's own rules.
#pragma once
#include <string>

#include "game/state/entry_point.h"

namespace game {

struct ReplayCheckRequest {
    int map = 0;
    std::string moves;  // the replay line's own characters: "0".."3" moves, "A".. stops
    int turbo = 0;
    int rotation = 0;  // the view's rotation at the start
};

// Arms the check; the main program then goes from start-up straight to the attempt.
void StartReplayCheck(const ReplayCheckRequest& request);
bool ReplayCheckActive();

// After start-up: the attempt's settings, and the entry point to go to.
EntryPoint ReplayCheckBegin();
// Called by the play loop: at attempt start (the moves become the replay), every frame, and
// when the attempt ends (finished or failed). The end prints the report and ends the program.
void ReplayCheckAttemptStart();
void ReplayCheckFrame();
[[noreturn]] void ReplayCheckEnd(bool finished);

// The report's lines: finished, frames, steps, points, time, eggs, chicks, cell, board.
std::string ReplayCheckReport(bool finished);

}  // namespace game
