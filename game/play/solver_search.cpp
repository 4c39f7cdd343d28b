#include "game/play/solver_search.h"

#include <time.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace solver {

namespace {

constexpr int kDirections = 4;

// Processor time of this thread: the search's speed on one core, however busy the machine.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
constexpr uint32_t kNone = 0xFFFFFFFFu;

// What a position keeps: the cells and what PositionHash covers besides them.
struct Position {
    uint8_t cells[game::kBoardCells];
    int8_t x, y;
    int16_t eggs, chicks;
    uint8_t finishing;
    uint8_t pad[1];
};

struct NodeInfo {
    uint32_t parent = kNone;
    int32_t cost = 0;
    uint8_t move = 0;      // the move from the parent
    uint8_t expanded = 0;  // 1 once its moves were tried
};

void Keep(Position& p, const game::PlayState& s) {
    std::memcpy(p.cells, s.cells, game::kBoardCells);
    p.x = s.giocx;
    p.y = s.giocy;
    p.eggs = s.uova;
    p.chicks = s.uova2;
    p.finishing = s.finelivello > 0;
    p.pad[0] = 0;
}

// A state at rest holding position `p`, everything else as in `base`.
void Restore(game::PlayState& s, const Position& p, const game::PlayState& base) {
    s = base;
    std::memcpy(s.cells, p.cells, game::kBoardCells);
    s.giocx = p.x;
    s.giocy = p.y;
    s.uova = p.eggs;
    s.uova2 = p.chicks;
    s.finelivello = p.finishing;
    s.passi = 0;
    s.punti = 0;
}

// Positions kept in blocks (never moved once stored), found again through an open-addressed
// index whose slots hold a position's number and a tag from its hash, so that most probes
// settle without reading the position itself.
class PositionSet {
  public:
    explicit PositionSet(uint32_t capacity) : capacity_(capacity) { Grow(1u << 12); }

    uint32_t size() const { return size_; }
    const Position& at(uint32_t i) const { return blocks_[i >> kBlockBits][i & kBlockMask]; }
    NodeInfo& info(uint32_t i) { return info_[i]; }
    uint64_t bytes() const {
        return static_cast<uint64_t>(blocks_.size()) * kBlock * sizeof(Position) +
               info_.capacity() * sizeof(NodeInfo) + slots_.size() * sizeof(Slot);
    }

    // The index of `s`'s position, added when new; kNone when the set is full.
    uint32_t Find(const game::PlayState& s, bool* added) {
        const uint64_t h = game::PositionHash(s);
        const uint32_t tag = static_cast<uint32_t>(h >> 32);
        size_t slot = h & mask_;
        for (;;) {
            const Slot& at_slot = slots_[slot];
            if (at_slot.index == kNone) break;
            if (at_slot.tag == tag && Same(at(at_slot.index), s)) {
                *added = false;
                return at_slot.index;
            }
            slot = (slot + 1) & mask_;
        }
        *added = true;
        if (size_ >= capacity_) return kNone;
        const uint32_t i = size_++;
        if ((i & kBlockMask) == 0) blocks_.emplace_back(new Position[kBlock]);
        Keep(blocks_.back()[i & kBlockMask], s);
        slots_[slot] = Slot{i, tag};
        info_.emplace_back();
        if (static_cast<size_t>(size_) * 2 > slots_.size()) Grow(slots_.size() * 2);
        return i;
    }

  private:
    static constexpr int kBlockBits = 14;
    static constexpr uint32_t kBlock = 1u << kBlockBits, kBlockMask = kBlock - 1;
    struct Slot {
        uint32_t index = kNone;
        uint32_t tag = 0;
    };

    static bool Same(const Position& p, const game::PlayState& s) {
        return p.x == s.giocx && p.y == s.giocy && p.eggs == s.uova && p.chicks == s.uova2 &&
               p.finishing == (s.finelivello > 0) &&
               std::memcmp(p.cells, s.cells, game::kBoardCells) == 0;
    }
    void Grow(size_t count) {
        slots_.assign(count, Slot{});
        mask_ = count - 1;
        const game::PlayState blank;
        game::PlayState s;
        for (uint32_t i = 0; i < size_; ++i) {
            Restore(s, at(i), blank);
            const uint64_t h = game::PositionHash(s);
            size_t slot = h & mask_;
            while (slots_[slot].index != kNone) slot = (slot + 1) & mask_;
            slots_[slot] = Slot{i, static_cast<uint32_t>(h >> 32)};
        }
    }

    uint32_t capacity_;
    uint32_t size_ = 0;
    size_t mask_ = 0;
    std::vector<Slot> slots_;
    std::vector<std::unique_ptr<Position[]>> blocks_;
    std::vector<NodeInfo> info_;
};

}  // namespace

std::vector<std::string> CheckLevel(const std::string& line, const game::PlayState& loaded,
                                    const game::PieceRules& rules, const Roles& roles) {
    std::vector<std::string> out;
    int starts = 0, exits = 0;
    for (size_t i = 0; i < line.size() && i < game::kBoardCells; ++i) {
        const uint8_t c = static_cast<uint8_t>(line[i]);
        if (rules.cell[0][c].fault) {
            out.push_back("cell " + std::to_string(i % 16) + "," + std::to_string(i / 16) +
                          ": character '" + std::string(1, line[i]) +
                          "' is outside the piece table");
            return out;
        }
        starts += c == roles.start;
    }
    if (line.size() < game::kBoardCells) out.push_back("the map line is shorter than a board");
    if (starts != 1) out.push_back(std::to_string(starts) + " start cells, not one");
    if (loaded.uova + loaded.uova2 == 0) out.push_back("no egg or chick");

    // The rules read every cell through the piece shown under the view rotation: a cell's
    // twins must agree on every letter the rules read, or the level plays differently when
    // the view is turned. Slides and cabins change their second letter by design.
    for (int rot = 0; rot < 4; ++rot) {
        int eggs = 0, chicks = 0, exits_here = 0;
        for (int i = 0; i < game::kBoardCells; ++i) {
            const game::CellRule& r = rules.cell[rot][loaded.cells[i]];
            if (r.fault) {
                out.push_back("cell " + std::to_string(i % 16) + "," + std::to_string(i / 16) +
                              ": its turned piece under rotation " + std::to_string(rot) +
                              " is outside the piece table");
                return out;
            }
            eggs += r.kind == 'O';
            chicks += r.kind == 'P';
            exits_here += r.kind == 'X';
            const game::CellRule& r0 = rules.cell[0][loaded.cells[i]];
            const bool turns = r0.kind == 'G' || r0.kind == 'C';
            const bool second_read = r0.kind2 == 'A' || r0.kind2 == 'U' || r0.kind == 'I' ||
                                     r.kind2 == 'A' || r.kind2 == 'U';
            if (rot > 0 && (r.kind != r0.kind || (!turns && second_read && r.kind2 != r0.kind2))) {
                out.push_back("cell " + std::to_string(i % 16) + "," + std::to_string(i / 16) +
                              ": piece '" + std::string(1, static_cast<char>(loaded.cells[i])) +
                              "' reads kind " + std::string(1, static_cast<char>(r0.kind)) +
                              std::string(1, static_cast<char>(r0.kind2 ? r0.kind2 : '-')) +
                              " but " + std::string(1, static_cast<char>(r.kind)) +
                              std::string(1, static_cast<char>(r.kind2 ? r.kind2 : '-')) +
                              " under rotation " + std::to_string(rot));
                return out;
            }
        }
        if (rot == 0) exits = exits_here;
        if (eggs != loaded.uova || chicks != loaded.uova2) {
            out.push_back("the loader counts " + std::to_string(loaded.uova) + " eggs and " +
                          std::to_string(loaded.uova2) + " chicks, the rules take " +
                          std::to_string(eggs) + " and " + std::to_string(chicks) + " (rotation " +
                          std::to_string(rot) + ")");
            break;
        }
    }
    if (exits == 0) out.push_back("no exit");

    // A slide chain that leads back into itself never lets the player stop.
    for (int rot = 0; rot < 4 && out.empty(); ++rot) {
        static constexpr int kDx[4] = {0, 1, 0, -1}, kDy[4] = {-1, 0, 1, 0};
        for (int i = 0; i < game::kBoardCells; ++i) {
            if (rules.cell[rot][loaded.cells[i]].kind != 'G') continue;
            int x = i % 16, y = i / 16;
            bool seen[game::kBoardCells] = {};
            while (true) {
                const game::CellRule& r = rules.cell[rot][loaded.cells[y * 16 + x]];
                if (r.kind != 'G') break;
                if (seen[y * 16 + x]) {
                    out.push_back("the slides from cell " + std::to_string(i % 16) + "," +
                                  std::to_string(i / 16) + " form a cycle (rotation " +
                                  std::to_string(rot) + ")");
                    break;
                }
                seen[y * 16 + x] = true;
                // The slide's direction is on the screen; on the board it is turned back.
                const int d = game::SlideRequest(r.slide, rot);
                x += kDx[d];
                y += kDy[d];
                if (x < 0 || x > 15 || y < 0 || y > 15) break;
            }
            if (!out.empty()) break;
        }
    }
    return out;
}

Solution Solve(const game::PlayState& start, const game::PieceRules& rules, const Limits& limits,
               bool find_dead_ends) {
    const double began = CpuSeconds();
    Solution out;
    const uint64_t per_state = sizeof(Position) + sizeof(NodeInfo) + 4 * sizeof(uint64_t) +
                               (find_dead_ends ? 5 * sizeof(uint32_t) : 0);
    const uint64_t by_memory = limits.max_bytes / per_state;
    const uint32_t capacity = static_cast<uint32_t>(
        std::min<uint64_t>(limits.max_states, std::max<uint64_t>(by_memory, 1)));
    PositionSet set(capacity);
    // Costs per step are small and never negative: one queue per step count (0-cost moves,
    // slide to slide, go to the queue being worked on).
    std::vector<std::vector<uint32_t>> queues(static_cast<size_t>(limits.max_steps) + 1);
    std::vector<uint32_t> successors;  // 4 per expanded position, for the dead-end pass

    game::PlayState base = start;
    base.passi = 0;
    base.punti = 0;
    bool added = false;
    const uint32_t first = set.Find(base, &added);
    queues[0].push_back(first);
    uint32_t goal = kNone;

    game::PlayState here, next;
    for (int cost = 0; cost <= limits.max_steps && out.refusal.empty(); ++cost) {
        std::vector<uint32_t>& queue = queues[static_cast<size_t>(cost)];
        for (size_t qi = 0; qi < queue.size() && out.refusal.empty(); ++qi) {
            const uint32_t i = queue[qi];
            NodeInfo& node = set.info(i);
            if (node.expanded || node.cost != cost) continue;
            node.expanded = 1;
            Restore(here, set.at(i), base);
            if (find_dead_ends) {
                if (successors.size() < (static_cast<size_t>(i) + 1) * kDirections)
                    successors.resize((static_cast<size_t>(i) + 1) * kDirections, kNone);
            }
            if (game::FinishedAtRest(here, rules)) {
                if (goal == kNone) goal = i;
                if (limits.stop_at_first) break;
                continue;
            }
            ++out.expanded;
            if (limits.max_seconds > 0 && (out.expanded & 255) == 0 &&
                CpuSeconds() - began > limits.max_seconds) {
                out.gave_up = true;
                break;
            }
            for (int d = 0; d < kDirections; ++d) {
                next = here;
                const game::StepOutcome step = game::Step(next, rules, d);
                if (step.result == game::StepResult::kRefused) continue;
                if (step.result == game::StepResult::kEndless) {
                    out.refusal = "the slides never stop (a cycle)";
                    break;
                }
                if (step.result == game::StepResult::kFault) {
                    out.refusal = "a cell outside the piece table is reached";
                    break;
                }
                const int reached = cost + next.passi;
                if (reached > limits.max_steps) continue;
                const uint32_t j = set.Find(next, &added);
                if (j == kNone) {
                    out.gave_up = true;
                    continue;
                }
                if (find_dead_ends) successors[static_cast<size_t>(i) * kDirections + d] = j;
                NodeInfo& to = set.info(j);
                if (added || (!to.expanded && reached < to.cost)) {
                    to.cost = reached;
                    to.parent = i;
                    to.move = static_cast<uint8_t>(d);
                    queues[static_cast<size_t>(reached)].push_back(j);
                }
            }
            if (set.bytes() > limits.max_bytes) {
                out.gave_up = true;
                break;
            }
        }
        if (out.gave_up || (limits.stop_at_first && goal != kNone)) break;
        std::vector<uint32_t>().swap(queue);
    }
    out.states = set.size();
    out.seconds = CpuSeconds() - began;
    if (!out.refusal.empty()) return out;

    if (goal == kNone) {
        if (find_dead_ends && !out.gave_up) {
            out.dead_ends_counted = true;
            out.dead_end_positions = out.states;
        }
        out.refusal = out.gave_up ? "gave up: no solution within " + std::to_string(out.states) +
                                        " positions (limit reached)"
                                  : "no solution: every reachable position (" +
                                        std::to_string(out.states) + ") tried";
        return out;
    }
    std::string moves;
    for (uint32_t i = goal; set.info(i).parent != kNone; i = set.info(i).parent)
        moves += static_cast<char>('0' + set.info(i).move);
    if (!moves.empty()) out.first_move = moves.back() - '0';
    // The replay line: every move started, slide legs included, as the game records them.
    game::PlayState s = base;
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        int request = *it - '0';
        for (;;) {
            const game::FrameReport frame = game::AdvanceFrame(s, rules, request, nullptr);
            if (frame.started) out.line += static_cast<char>('0' + frame.move_char);
            request = -1;
            if (s.scivolo > -1) {
                request = game::SlideRequest(s.scivolo, s.rotazione);
                s.scivolo = -1;
            }
            if (request == -1 && s.movimento <= -1) break;
        }
    }
    const LineResult check = PlayLine(base, rules, out.line);
    out.steps = set.info(goal).cost;
    out.points = check.points;
    if (!check.finished || check.steps != out.steps) {
        out.refusal = "the solution found does not replay (" + std::to_string(check.steps) +
                      " steps against " + std::to_string(out.steps) + ")";
        return out;
    }
    out.solved = true;

    if (find_dead_ends && !out.gave_up) {
        // Backwards from every finish: whatever is not reached can no longer finish.
        const uint32_t n = set.size();
        successors.resize(static_cast<size_t>(n) * kDirections, kNone);
        std::vector<uint32_t> start_of(n + 1, 0), from;
        for (uint32_t e = 0; e < successors.size(); ++e)
            if (successors[e] != kNone) ++start_of[successors[e] + 1];
        for (uint32_t k = 0; k < n; ++k) start_of[k + 1] += start_of[k];
        from.resize(start_of[n]);
        std::vector<uint32_t> fill(start_of.begin(), start_of.end() - 1);
        for (uint32_t e = 0; e < successors.size(); ++e)
            if (successors[e] != kNone) from[fill[successors[e]]++] = e / kDirections;
        std::vector<uint8_t> alive(n, 0);
        std::vector<uint32_t> work;
        for (uint32_t k = 0; k < n; ++k) {
            game::PlayState t;
            Restore(t, set.at(k), base);
            if (game::FinishedAtRest(t, rules)) {
                alive[k] = 1;
                work.push_back(k);
            }
        }
        while (!work.empty()) {
            const uint32_t k = work.back();
            work.pop_back();
            for (uint32_t e = start_of[k]; e < start_of[k + 1]; ++e)
                if (!alive[from[e]]) {
                    alive[from[e]] = 1;
                    work.push_back(from[e]);
                }
        }
        for (uint32_t k = 0; k < n; ++k) out.dead_end_positions += alive[k] == 0;
        out.dead_ends = out.dead_end_positions > 0;
        out.dead_ends_counted = true;
    }
    return out;
}

LineResult PlayLine(const game::PlayState& start, const game::PieceRules& rules,
                    const std::string& line) {
    game::PlayState s = start;
    s.passi = 0;
    s.punti = 0;
    const game::ReplayOutcome run = game::PlayReplay(s, rules, line);
    LineResult out;
    out.finished = run.consumed == static_cast<int>(line.size()) && !run.endless && !run.fault &&
                   !run.stuck && game::FinishedAtRest(s, rules);
    out.steps = s.passi;
    out.points = s.punti;
    return out;
}

std::vector<std::string> Mechanics(const game::PlayState& loaded, const game::PieceRules& rules) {
    bool egg = false, chick = false, ice = false, slide = false, cabin = false, pickup = false,
         blocks = false, white = false, coloured = false;
    for (uint8_t c : loaded.cells) {
        const game::CellRule& r = rules.cell[0][c];
        egg |= r.kind == 'O';
        chick |= r.kind == 'P';
        ice |= r.kind2 == 'A';
        slide |= r.kind == 'G';
        cabin |= r.kind == 'C';
        pickup |= r.kind2 == 'U' && !r.blocks;
        blocks |= r.kind == 'B';
        white |= r.kind == 'I' && r.kind2 == '0';
        coloured |= r.kind == 'I' && r.kind2 != '0';
    }
    std::vector<std::string> out;
    if (egg) out.push_back("eggs");
    if (chick) out.push_back("chicks");
    if (pickup) out.push_back("gems");
    if (ice) out.push_back("ice");
    if (slide) out.push_back("slides");
    if (white) out.push_back("gate switch");
    if (coloured) out.push_back("barrier switches");
    if (cabin) out.push_back("cabins");
    if (blocks) out.push_back("glass");
    return out;
}

game::PlayState Plain(const game::PlayState& loaded, const game::PieceRules& rules, PlainKind kind,
                      bool* changed) {
    game::PlayState plain = loaded;
    bool any = false;
    for (uint8_t& c : plain.cells) {
        const game::CellRule& r = rules.cell[0][c];
        const bool made_plain = kind == PlainKind::kSwitches ? r.kind == 'I'
                                : kind == PlainKind::kIce    ? r.kind2 == 'A'
                                                             : r.kind == 'C';
        if (made_plain) {
            c = rules.floor;
            any = true;
        }
    }
    if (changed) *changed = any;
    return plain;
}

}  // namespace solver
