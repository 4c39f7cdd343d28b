// The move rules of the game applied to a map and a replay line, without drawing or timing: a
// data-checking aid that tells whether a level's solution finishes it within the limits.
#pragma once

#include <string>
#include <vector>

namespace levelcheck {

// Piece entries as the settings file gives them: entry p is for the character of code p + 35.
struct PieceTable {
    std::vector<std::string> entry = std::vector<std::string>(128);
    int floor = -1, start = -1, egg = -1, chick = -1, hole = -1;
    // Reads the PEZZO, PEZNO and SPRIT lines of a settings file; false when it cannot be read.
    bool Load(const std::string& path);
};

struct Outcome {
    bool finished = false;
    std::string reason;  // why not, or empty
    int steps = 0, points = 0;
    int moves = 0;       // move characters consumed
    double seconds = 0;  // estimated play time at 60 frames per second
    std::string replay;  // every move start, slides included: the form the game records
    std::string board;   // the map after the last move, and where the player stands
    int x = -1, y = -1;
};

// Plays `keys` (directions "0".."3"; letters are information stops and skipped) on the map line.
// With expand, keys hold only the player's own moves and the slide moves are added; without it,
// slide moves must appear in the line as the game records them.
Outcome Play(const PieceTable& pieces, const std::string& map, const std::string& keys,
             bool expand);

// The shortest line of the player's own moves that finishes the map (slide moves not written),
// found by trying every move from every board reached; empty when none is found among
// `limit` boards.
std::string Solve(const PieceTable& pieces, const std::string& map, size_t limit = 200000);

}  // namespace levelcheck
