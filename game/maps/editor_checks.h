// The editor's checks of the board in memory: a start, an exit and something to collect, and
// what the solver's search finds on it, told in the player's language; the shortest solution
// can become the map's replay.
#pragma once
#include <string>

#include "game/play/solver_search.h"

namespace game {

struct EditorVerdict {
    int starts = 0, exits = 0, to_collect = 0;
    solver::Solution solution;
};

// Positions the editor's search keeps at most, so that the verdict comes within about a
// second on the largest shipped level.
constexpr uint32_t kEditorSearchStates = 1500000;

// The play state mappa_Str starts from, as the map loader would make it (every start cell
// becomes floor, the last one is the player's), and the rules of the piece table; the
// verdict's counts filled in, its search not run.
EditorVerdict EditorStartState(PlayState* start, PieceRules* rules);
// Judges mappa_Str as the map would be played (the start becoming floor).
EditorVerdict JudgeEditorBoard();
// The checks on one line, then the search's finding: solvable in how many steps or not, and
// on a line of its own the positions reached with the share of dead ends; or giving up.
std::string EditorVerdictText(const EditorVerdict& verdict);
// Judges the board and shows the verdict as the editor's notice, under `first_line` if any.
void ShowEditorVerdict(const std::string& first_line = "");
// Judges the board and, when it is solvable, writes its shortest solution as the map's
// replay line; tells which it did.
void StoreEditorSolution();

}  // namespace game
