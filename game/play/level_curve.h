// The difficulty curve the shipped map set keeps, checked on the solver's figures: levels come
// in blocks of ten whose last level is the hardest (most steps and most positions of its
// block); from level 40 on that last level has at least 20,000 positions and 60 steps, from
// level 70 on at least 50,000 positions and 80 steps; at least half of the levels from 40 on
// have dead ends; no two levels share a shortest solution; and no two boards are near-copies
// (they differ in at least kLeastBoardDifference cells); and from level 40 on a level's
// switches, ice or cabins play a part: one kind of them made plain floor, the level can no
// longer be finished or takes another number of steps.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace solver {

struct LevelFigures {
    int map = 0;
    int steps = 0;
    uint64_t states = 0;
    bool dead_ends = false;
    std::string moves;  // the shortest solution's moves (replay line without stops)
    std::string board;  // the map's cells as stored
    // Its switches, its ice and its cabins (whichever it has) each made plain floor
    // (solver::Plain), the level still takes its fewest steps: none of them plays a part.
    bool plain_alike = false;
};

// Where the curve starts being kept: blocks before this map are the teaching levels.
inline constexpr int kCurveFirstMap = 40;

// The fewest cells in which two boards of the set must differ: the two closest of the first
// forty levels differ in 10.
inline constexpr int kLeastBoardDifference = 10;

// One line of text per broken rule; none when the set keeps the curve. `levels` holds every
// map of the set, in map order.
std::vector<std::string> CurveFaults(const std::vector<LevelFigures>& levels);

}  // namespace solver
