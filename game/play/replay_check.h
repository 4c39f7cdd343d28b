// The replay check: a line of moves played on one map through the real main loop, headless,
// with a report of how the attempt ended. Tests, tools and CI use it to prove that a replay
// finishes its level by the game's own rules. A replay list plays many checks in one run,
// each from the state the program has after start-up, as a run of its own would.
#pragma once
#include <string>
#include <vector>

#include "game/state/entry_point.h"

namespace game {

struct ReplayCheckRequest {
    int map = 0;
    std::string moves;  // the replay line's own characters: "0".."3" moves, "A".. stops
    int turbo = 0;
    int rotation = 0;  // the view's rotation at the start
};

// One line of a replay list: "MAP TURBO ROTATION MOVES" (TURBO 0 or 1, ROTATION 0 to 3, the
// moves the rest of the line after one space, possibly none). `error` says why a line is
// not one; blank lines are left out of the list.
struct ReplayListLine {
    int number = 0;  // the line's number in the file, from 1
    ReplayCheckRequest request;
    std::string error;
};
std::vector<ReplayListLine> ParseReplayList(const std::string& text);

// Arms the check (or the list); the main program then goes from start-up straight to the
// attempt.
void StartReplayCheck(const ReplayCheckRequest& request);
void StartReplayList(std::vector<ReplayListLine> lines);
bool ReplayCheckActive();

// After start-up: the attempt's settings, and the entry point to go to.
EntryPoint ReplayCheckBegin();
// Called by the play loop: at attempt start (the moves become the replay), and every frame,
// which answers true once the moves have run out and the player has rested longer than the
// level-end count (the attempt has failed).
void ReplayCheckAttemptStart();
bool ReplayCheckFrame();
// The attempt ended (finished or failed): prints the report. A single check then ends the
// program; a list goes on with its next line (the entry point returned) and ends the program
// after its last, with exit status 1 when a line was not a check or did not finish.
EntryPoint ReplayCheckEnd(bool finished);

// The report's lines: finished, frames, steps, points, time, eggs, chicks, cell, board.
std::string ReplayCheckReport(bool finished);

}  // namespace game
