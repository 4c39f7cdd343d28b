#include "game/play/level_curve.h"

#include <map>

namespace solver {

namespace {

std::string Map(int m) {
    return "map " + std::to_string(m);
}

// The cells in which two boards differ (a cell one board lacks counts as differing).
int Difference(const std::string& a, const std::string& b) {
    int d = static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) ++d;
    return d;
}

}  // namespace

std::vector<std::string> CurveFaults(const std::vector<LevelFigures>& levels) {
    std::vector<std::string> faults;
    std::map<std::string, int> seen;
    int newer = 0, newer_dead = 0;
    for (const LevelFigures& l : levels) {
        const auto [at, fresh] = seen.emplace(l.moves, l.map);
        if (!fresh)
            faults.push_back(Map(l.map) + ": the same shortest solution as " + Map(at->second));
        if (l.map >= kCurveFirstMap) {
            if (l.plain_alike)
                faults.push_back(Map(l.map) + ": its switches, ice and cabins play no part (each " +
                                 "kind made floor, it still takes " + std::to_string(l.steps) +
                                 " steps)");
            ++newer;
            if (l.dead_ends) ++newer_dead;
        }
    }
    for (size_t i = 0; i < levels.size(); ++i)
        for (size_t j = i + 1; j < levels.size(); ++j) {
            const int d = Difference(levels[i].board, levels[j].board);
            if (d < kLeastBoardDifference)
                faults.push_back(Map(levels[j].map) + ": its board differs from " +
                                 Map(levels[i].map) + "'s in only " + std::to_string(d) +
                                 (d == 1 ? " cell" : " cells") + ", fewer than " +
                                 std::to_string(kLeastBoardDifference));
        }
    if (newer > 0 && newer_dead * 2 < newer)
        faults.push_back("only " + std::to_string(newer_dead) + " of the " + std::to_string(newer) +
                         " levels from " + Map(kCurveFirstMap) +
                         " on have dead ends, fewer than half");
    for (size_t first = 0; first < levels.size(); first += 10) {
        const size_t last = first + 9;
        if (last >= levels.size() || levels[first].map < kCurveFirstMap) continue;
        const LevelFigures& top = levels[last];
        for (size_t i = first; i < last; ++i) {
            if (levels[i].steps >= top.steps)
                faults.push_back(Map(levels[i].map) + " takes " + std::to_string(levels[i].steps) +
                                 " steps, not fewer than the block's last " + Map(top.map) + " (" +
                                 std::to_string(top.steps) + ")");
            if (levels[i].states >= top.states)
                faults.push_back(Map(levels[i].map) + " has " + std::to_string(levels[i].states) +
                                 " positions, not fewer than the block's last " + Map(top.map) +
                                 " (" + std::to_string(top.states) + ")");
        }
        const bool late = top.map >= 70;
        const uint64_t min_states = late ? 50000 : 20000;
        const int min_steps = late ? 80 : 60;
        if (top.states < min_states || top.steps < min_steps)
            faults.push_back(Map(top.map) + " ends its block with " + std::to_string(top.steps) +
                             " steps and " + std::to_string(top.states) + " positions, under the " +
                             std::to_string(min_steps) + " and " + std::to_string(min_states) +
                             " it needs");
    }
    return faults;
}

}  // namespace solver
