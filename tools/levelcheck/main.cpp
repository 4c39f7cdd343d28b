// levelcheck MEDIA_DIR SOLUTIONS [--expand]
// levelcheck MEDIA_DIR --solve
// Plays every solution line on the map of the same number and reports how each ends. With
// --expand the lines hold only the player's own moves, and the full replay lines (slide moves
// added, as the game records them) are printed. With --solve it prints the shortest solution of
// every map instead, as the player's own moves; a help for designing levels.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "level_rules.h"

namespace {
std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> out;
    std::ifstream f(path, std::ios::binary);
    std::string l;
    while (std::getline(f, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: levelcheck MEDIA_DIR SOLUTIONS [--expand]\n");
        return 2;
    }
    std::string media = argv[1];
    bool expand = argc > 3 && std::strcmp(argv[3], "--expand") == 0;
    levelcheck::PieceTable pieces;
    if (!pieces.Load(media + "/Media/Zolv-dat1.txt")) {
        std::fprintf(stderr, "levelcheck: cannot read the piece table\n");
        return 2;
    }
    auto maps = ReadLines(media + "/Media/Zolv-sch1-mappe.txt");
    if (std::strcmp(argv[2], "--solve") == 0) {
        for (size_t m = 0; m < maps.size(); ++m) {
            std::string keys = levelcheck::Solve(pieces, maps[m]);
            std::printf("map %zu: %s\n", m, keys.empty() ? "no solution found" : keys.c_str());
        }
        return 0;
    }
    auto sols = ReadLines(argv[2]);
    int failed = 0;
    for (size_t m = 0; m < maps.size(); ++m) {
        std::string sol = m < sols.size() ? sols[m] : "";
        auto o = levelcheck::Play(pieces, maps[m], sol, expand);
        if (expand) std::printf("%s\n", o.replay.c_str());
        std::fprintf(expand ? stderr : stdout,
                     "map %zu: %s, %d steps, %d points, about %.0f s%s%s\n", m,
                     o.finished ? "finished" : "NOT FINISHED", o.steps, o.points, o.seconds,
                     o.reason.empty() ? "" : ": ", o.reason.c_str());
        if (!o.finished) ++failed;
    }
    return failed ? 1 : 0;
}
