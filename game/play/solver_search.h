// The level solver: checks a level for faults that make it unplayable and searches for its
// fewest steps as the game counts them, on the game's own rules (game/play/play_rules.h).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/play/play_rules.h"

namespace solver {

// The role characters a level is loaded with (start, egg, chick), as the map loader reads them.
struct Roles {
    uint8_t start = 0, egg = 0, chick = 0;
};

// Reasons a level is refused before any search, each one line of text; none when it is sound.
// `line` is the map line as stored (before the start becomes floor), `loaded` the play state
// made from it (egg and chick counters as the loader counted them).
std::vector<std::string> CheckLevel(const std::string& line, const game::PlayState& loaded,
                                    const game::PieceRules& rules, const Roles& roles);

struct Limits {
    uint32_t max_states = 4000000;    // distinct positions kept
    uint64_t max_bytes = 1ull << 30;  // memory for positions and their index
    int max_steps = 1280;             // a position past this many steps has failed the level
    bool stop_at_first = false;       // end at the first finish (the fewest steps; for hints)
    double max_seconds = 0;           // processor time before giving up, 0 for no limit
};

struct Solution {
    bool solved = false;
    bool gave_up = false;    // a limit was reached before the search ended
    std::string refusal;     // why the level has no solution (empty when solved)
    int steps = 0;           // fewest steps, as the game counts them
    int points = 0;          // points of the solution found
    std::string line;        // the replay line the game records for it
    uint64_t states = 0;     // distinct positions reached (all of them unless gave_up)
    uint64_t expanded = 0;   // positions whose four moves were tried
    double seconds = 0;      // time the search took
    bool dead_ends = false;  // some reachable position can no longer finish the level
    // With the dead-end pass over a whole search: how many of the positions reached can no
    // longer finish the level (every one of them when none finishes).
    bool dead_ends_counted = false;
    uint64_t dead_end_positions = 0;
    int first_move = -1;  // the first move of the solution (0 up ... 3 left), -1 when none
};

// Searches from `start` (at rest) for the fewest steps to rest on an exit with every egg and
// chick taken, moves tried in the order up, right, down, left. The whole reachable set is
// explored so that its size can be reported; a position that finishes the level is not moved
// on from. With `find_dead_ends` the positions from which no finish is reachable are counted
// too (a second, backward pass over the graph). `start` may be any state at rest, mid-attempt
// included; with limits.stop_at_first the search ends at the first finish it reaches.
Solution Solve(const game::PlayState& start, const game::PieceRules& rules, const Limits& limits,
               bool find_dead_ends = false);

// Plays `line` from `start` and tells whether it finishes the level, with its steps and points.
struct LineResult {
    bool finished = false;
    int steps = 0, points = 0;
};
LineResult PlayLine(const game::PlayState& start, const game::PieceRules& rules,
                    const std::string& line);

// The mechanics a board uses, as short words ("ice", "slides", "cabins"...), from the kind
// letters of its cells.
std::vector<std::string> Mechanics(const game::PlayState& loaded, const game::PieceRules& rules);

// The pieces that make a level more than a walk, in kinds that can be made plain floor.
enum class PlainKind { kSwitches, kIce, kCabins };
// The same position with every piece of `kind` turned into plain floor; `changed` (when given)
// tells whether the board had any.
game::PlayState Plain(const game::PlayState& loaded, const game::PieceRules& rules, PlainKind kind,
                      bool* changed = nullptr);

}  // namespace solver
