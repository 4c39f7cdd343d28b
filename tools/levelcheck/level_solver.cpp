#include <deque>
#include <set>

#include "level_rules.h"

namespace levelcheck {

std::string Solve(const PieceTable& pieces, const std::string& map, size_t limit) {
    // Breadth first over key lines; a board and position reached before is not tried again.
    std::deque<std::string> queue{""};
    std::set<std::string> seen;
    while (!queue.empty() && seen.size() < limit) {
        std::string keys = queue.front();
        queue.pop_front();
        Outcome here = Play(pieces, map, keys, true);
        for (char d = '0'; d <= '3'; ++d) {
            Outcome o = Play(pieces, map, keys + d, true);
            if (o.finished) return keys + d;
            if (!o.reason.empty() && o.reason != "eggs or chicks left" &&
                o.reason != "does not end on an exit")
                continue;                                                           // over a limit
            if (o.board == here.board && o.x == here.x && o.y == here.y) continue;  // refused
            if (seen.insert(o.board + char(o.x) + char(o.y)).second) queue.push_back(keys + d);
        }
    }
    return "";
}

}  // namespace levelcheck
