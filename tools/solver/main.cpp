// solver MEDIA_DIR [MAP...] [--write-replays | --check-replays] [--check-curve [--check-ideas]]
//        [--levels-doc FILE --ideas FILE] [--max-states N] [--max-memory-mb N]
//        [--first-move MAP:D ...] [--hint-times]
// Loads the media set in MEDIA_DIR (the folder holding Media/) the game's way, checks every
// map (or the maps named) and searches each for its fewest steps on the game's own rules.
// Prints per map the shortest steps, the points of that solution, the reachable positions,
// the positions expanded per second and the solution's replay line, or why the level is
// refused. --write-replays stores each solution as the map's line of the replay file;
// --check-replays refuses a map whose stored replay line does not finish it in its fewest steps;
// --check-curve refuses a set that breaks the difficulty curve (game/play/level_curve.h), and
// with --check-ideas also a level from 40 on whose switches, ice and cabins play no part;
// --levels-doc writes the table of levels (ideas one a line from --ideas). Exit status 0 when
// every map is solved, 1 when one is refused, 2 on a usage error. --first-move MAP:D checks that
// move D (0 up ... 3 left, "none" for no move) from MAP's start begins a shortest solution
// (refusing the map when it does not); --hint-times prints the processor time of the hint's
// search (the first finish only) from each map's start. Names are UTF-8 and files go
// through the platform layer, so the tool works on Windows as well.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/play/game_actions.h"
#include "game/play/level_curve.h"
#include "game/play/records.h"
#include "game/play/solver_search.h"
#include "game/state/game_state.h"
#include "runtime/base/whole_file.h"
#include "runtime/platform/arguments.h"
#include "runtime/platform/files.h"
#include "runtime/values/line_file.h"

namespace {

[[noreturn]] void Usage(const std::string& why) {
    std::fprintf(
        stderr,
        "solver: %s\nusage: solver MEDIA_DIR [MAP...] [--write-replays | --check-replays]\n"
        "              [--check-curve [--check-ideas]]\n"
        "              [--levels-doc FILE --ideas FILE] [--max-states N] "
        "[--max-memory-mb N]\n",
        why.c_str());
    std::exit(2);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> out;
    std::vector<uint8_t> bytes;
    ReadWholeFile(path, bytes);
    std::istringstream f(std::string(bytes.begin(), bytes.end()));
    std::string l;
    while (std::getline(f, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

std::string Join(const std::vector<std::string>& words) {
    std::string s;
    for (const auto& w : words) s += (s.empty() ? "" : ", ") + w;
    return s;
}

long Whole(const std::string& option, const char* text) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!end || *end != 0 || v < 0) Usage(option + " needs a whole number");
    return v;
}

struct Row {
    int map = 0;
    std::vector<std::string> mechanics;
    solver::Solution solution;
    bool plain_alike = false;  // with --check-ideas: see solver::LevelFigures
};

// The absolute form of a name given on the command line, as UTF-8.
std::string Absolute(const std::string& name) {
    return PlatformPathText(std::filesystem::absolute(PlatformPath(name)));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = PlatformArguments(argc, argv);
    if (args.size() < 2) Usage("no media folder");
    const std::filesystem::path media = std::filesystem::absolute(PlatformPath(args[1]));
    std::vector<int> wanted;
    bool write_replays = false, check_replays = false, check_curve = false, check_ideas = false;
    std::string doc_path, ideas_path;
    std::vector<std::pair<int, int>> first_moves;
    bool hint_times = false;
    solver::Limits limits;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a == "--write-replays") {
            write_replays = true;
        } else if (a == "--check-replays") {
            check_replays = true;
        } else if (a == "--check-curve") {
            check_curve = true;
        } else if (a == "--check-ideas") {
            check_ideas = true;
        } else if (a == "--levels-doc" && has_value) {
            doc_path = Absolute(args[++i]);
        } else if (a == "--ideas" && has_value) {
            ideas_path = Absolute(args[++i]);
        } else if (a == "--max-states" && has_value) {
            limits.max_states = static_cast<uint32_t>(Whole(a, args[++i].c_str()));
        } else if (a == "--max-memory-mb" && has_value) {
            limits.max_bytes = static_cast<uint64_t>(Whole(a, args[++i].c_str())) << 20;
        } else if (a == "--first-move" && has_value) {
            const std::string v = args[++i];
            const size_t colon = v.find(':');
            if (colon == std::string::npos) Usage("--first-move needs MAP:D");
            const std::string d = v.substr(colon + 1);
            first_moves.emplace_back(static_cast<int>(Whole(a, v.substr(0, colon).c_str())),
                                     d == "none" ? -1 : static_cast<int>(Whole(a, d.c_str())));
        } else if (a == "--hint-times") {
            hint_times = true;
        } else if (!a.empty() && a[0] != '-') {
            wanted.push_back(static_cast<int>(Whole("a map", a.c_str())));
        } else {
            Usage("unknown option " + a);
        }
    }
    if (check_curve && !wanted.empty()) Usage("--check-curve needs every map");
    if (check_ideas && !check_curve) Usage("--check-ideas needs --check-curve");
    if (!doc_path.empty() && ideas_path.empty()) Usage("--levels-doc needs --ideas");
    const std::vector<std::string> ideas =
        ideas_path.empty() ? std::vector<std::string>{} : ReadLines(ideas_path);
    std::error_code error;
    std::filesystem::current_path(media, error);
    if (error) Usage("cannot enter " + PlatformPathText(media));

    // The game's own start-up reads the settings and the piece table (no window needed).
    game::Impostazioni();
    game::suoni = 0;
    game::PieceRules rules;
    game::PieceRulesFromGame(rules);
    limits.max_steps = static_cast<int>(game::troppipassi);
    solver::Roles roles;
    roles.start = static_cast<uint8_t>(game::chrdiff + game::chgioca);
    roles.egg = static_cast<uint8_t>(game::pezzi_Str(game::chuovo).str()[0]);
    roles.chick = static_cast<uint8_t>(game::pezzi_Str(game::chuovo2).str()[0]);

    const std::vector<std::string> maps = ReadLines(game::MapFileName().str());
    if (maps.empty()) Usage("no maps in " + game::MapFileName().str());
    if (wanted.empty())
        for (int m = 0; m < static_cast<int>(maps.size()); ++m) wanted.push_back(m);

    int refused = 0;
    std::vector<Row> rows;
    const Row* largest = nullptr;
    for (int m : wanted) {
        if (m >= static_cast<int>(maps.size())) {
            std::printf("map %d: refused: there is no such map\n", m);
            ++refused;
            continue;
        }
        game::map = m;
        game::editor = 0;
        game::turbo = 0;
        game::rotazione = 0;
        game::MappaCARICA();
        game::PlayState start;
        game::PlayStateFromGame(start);
        const std::vector<std::string> faults = solver::CheckLevel(maps[m], start, rules, roles);
        if (!faults.empty()) {
            for (const auto& f : faults) std::printf("map %d: refused: %s\n", m, f.c_str());
            ++refused;
            continue;
        }
        Row row;
        row.map = m;
        row.mechanics = solver::Mechanics(start, rules);
        row.solution = solver::Solve(start, rules, limits, true);
        const solver::Solution& s = row.solution;
        if (!s.solved) {
            std::printf("map %d: refused: %s\n", m, s.refusal.c_str());
            ++refused;
            continue;
        }
        const double rate = s.seconds > 0 ? s.expanded / s.seconds : 0;
        std::printf(
            "map %d: steps=%d points=%d states=%llu%s expanded=%llu rate=%.0f/s%s "
            "line=%s\n",
            m, s.steps, s.points, static_cast<unsigned long long>(s.states), s.gave_up ? "+" : "",
            static_cast<unsigned long long>(s.expanded), rate, s.dead_ends ? " dead-ends" : "",
            s.line.c_str());
        if (check_ideas && m >= solver::kCurveFirstMap) {
            // Each kind of piece made plain in turn: alike while none changes the fewest steps.
            row.plain_alike = true;
            for (const solver::PlainKind kind :
                 {solver::PlainKind::kSwitches, solver::PlainKind::kIce,
                  solver::PlainKind::kCabins}) {
                bool has = false;
                const game::PlayState plain = solver::Plain(start, rules, kind, &has);
                if (!has) continue;
                const solver::Solution p = solver::Solve(plain, rules, limits, false);
                if (!p.solved || p.steps != s.steps) row.plain_alike = false;
            }
        }
        if (write_replays) WriteFileLine(game::ReplayFileName(), m, TextValue(s.line));
        for (const auto& [fm, d] : first_moves) {
            if (fm != m) continue;
            // The move must leave a position whose own shortest way makes up the rest.
            bool shortest = false;
            int after = -1;
            if (d >= 0 && d < 4) {
                game::PlayState next = start;
                const game::StepOutcome step = game::Step(next, rules, d);
                const int taken = next.passi - start.passi;
                const solver::Solution rest = solver::Solve(next, rules, limits, false);
                after = rest.solved ? rest.steps : -1;
                shortest = step.result == game::StepResult::kMoved && rest.solved &&
                           taken + rest.steps == s.steps;
            }
            std::printf("map %d: first move %d %s (%d steps after it, %d in all)\n", m, d,
                        shortest ? "begins a shortest solution" : "refused: not a shortest start",
                        after, s.steps);
            if (!shortest) ++refused;
        }
        if (hint_times) {
            solver::Limits quick = limits;
            quick.stop_at_first = true;
            const solver::Solution h = solver::Solve(start, rules, quick, false);
            std::printf("hint: map %d: %.1f ms, %llu positions, first move %d, %d steps\n", m,
                        h.seconds * 1000, static_cast<unsigned long long>(h.states), h.first_move,
                        h.steps);
        }
        if (check_replays) {
            const std::string stored = ReadFileLine(game::ReplayFileName(), m).str();
            const solver::LineResult replay = solver::PlayLine(start, rules, stored);
            if (!replay.finished || replay.steps != s.steps) {
                std::printf("map %d: refused: the replay file's line %s\n", m,
                            replay.finished ? ("takes " + std::to_string(replay.steps) +
                                               " steps, not the fewest")
                                                  .c_str()
                                            : "does not finish the level");
                ++refused;
            }
        }
        rows.push_back(row);
    }
    if (write_replays) FlushLineFile();
    if (check_curve && refused == 0) {
        std::vector<solver::LevelFigures> figures;
        for (const Row& r : rows) {
            std::string moves;
            for (char c : r.solution.line)
                if (c >= '0' && c <= '3') moves += c;
            figures.push_back({r.map, r.solution.steps, r.solution.states, r.solution.dead_ends,
                               moves, maps[static_cast<size_t>(r.map)].substr(0, 256),
                               r.plain_alike});
        }
        const std::vector<std::string> faults = solver::CurveFaults(figures);
        for (const auto& f : faults) std::printf("curve: refused: %s\n", f.c_str());
        refused += static_cast<int>(faults.size());
    }
    for (const Row& r : rows)
        if (!largest || r.solution.states > largest->solution.states) largest = &r;
    if (largest) {
        // Timed again on its own, without the dead-end pass, for the speed figure.
        game::map = largest->map;
        game::MappaCARICA();
        game::PlayState start;
        game::PlayStateFromGame(start);
        const solver::Solution s = solver::Solve(start, rules, limits, false);
        std::printf(
            "speed: map %d, %llu positions, %llu expanded in %.3f s: %.0f expanded "
            "positions per second\n",
            largest->map, static_cast<unsigned long long>(s.states),
            static_cast<unsigned long long>(s.expanded), s.seconds,
            s.seconds > 0 ? s.expanded / s.seconds : 0);
    }
    if (!doc_path.empty()) {
        std::ostringstream doc;
        doc << "# Levels\n\n"
               "Written by `tools/solver` (`solver media --levels-doc docs/levels.md --ideas "
               "tools/solver/level_ideas.txt`); edit the ideas file or the levels, not this "
               "table. Steps are the fewest a finish takes as the game counts them, states "
               "the positions reachable from the start; a dead end is a position from which "
               "the level can no longer be finished.\n\n"
               "| Level | Idea | Mechanics | Steps | Points | States | Dead ends |\n"
               "| --- | --- | --- | --- | --- | --- | --- |\n";
        for (const Row& r : rows) {
            const std::string idea =
                r.map < static_cast<int>(ideas.size()) ? ideas[static_cast<size_t>(r.map)] : "";
            doc << "| " << r.map << " | " << idea << " | " << Join(r.mechanics) << " | "
                << r.solution.steps << " | " << r.solution.points << " | " << r.solution.states
                << (r.solution.gave_up ? "+" : "") << " | " << (r.solution.dead_ends ? "yes" : "no")
                << " |\n";
        }
        std::string error;
        if (!PlatformReplaceFile(doc_path, doc.str(), &error)) {
            std::fprintf(stderr, "solver: cannot write %s (%s)\n", doc_path.c_str(), error.c_str());
            return 2;
        }
    }
    return refused > 0 ? 1 : 0;
}
