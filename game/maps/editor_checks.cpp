#include "game/maps/editor_checks.h"

#include <cstdio>

#include "game/maps/editor_history.h"
#include "game/play/game_actions.h"
#include "game/play/records.h"
#include "game/screen/extra_texts.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// The text of `key` with each "#" replaced by the next of the values.
std::string Filled(const char* key, std::initializer_list<std::string> values) {
    std::string text = ExtraText(key);
    size_t from = 0;
    for (const std::string& v : values) {
        const size_t at = text.find('#', from);
        if (at == std::string::npos) break;
        text.replace(at, 1, v);
        from = at + v.size();
    }
    return text;
}

std::string Number(uint64_t n) {
    return std::to_string(n);
}

// The positions reached and the share of them that can no longer finish, in whole per cent
// rounded down: "0" only when there is none, "<1" for some, "100" only when every one is.
std::string Reached(const solver::Solution& s) {
    if (!s.dead_ends_counted || s.states == 0)
        return Filled("EDITOR_POSITIONS", {Number(s.states)});
    const uint64_t per_cent = s.dead_end_positions * 100 / s.states;
    const std::string share = per_cent == 0 && s.dead_end_positions > 0 ? "<1" : Number(per_cent);
    return Filled("EDITOR_DEAD_END_SHARE", {Number(s.states), share});
}

const std::string& YesNo(bool yes) {
    return ExtraText(yes ? "EDITOR_YES" : "EDITOR_NO");
}

}  // namespace

EditorVerdict JudgeEditorBoard() {
    PieceRules rules;
    PlayState start;
    EditorVerdict v = EditorStartState(&start, &rules);
    if (v.starts == 0) return v;
    solver::Limits limits;
    limits.max_states = kEditorSearchStates;
    v.solution = solver::Solve(start, rules, limits, true);
    return v;
}

EditorVerdict EditorStartState(PlayState* start_state, PieceRules* rules_out) {
    EditorVerdict v;
    PieceRules& rules = *rules_out;
    PieceRulesFromGame(rules);
    PlayState& start = *start_state;
    PlayStateFromGame(start);
    const auto start_char = static_cast<uint8_t>(chrdiff + chgioca);
    const auto floor_char = static_cast<uint8_t>(chrdiff + chsotto);
    const std::string board = mappa_Str.str();
    // As the map loader does: the last start cell is the player's, every start becomes floor.
    start.uova = start.uova2 = 0;
    for (int i = 0; i < kBoardCells && i < static_cast<int>(board.size()); ++i) {
        const auto c = static_cast<uint8_t>(board[static_cast<size_t>(i)]);
        if (c == start_char) {
            ++v.starts;
            start.giocx = static_cast<int8_t>(i % 16);
            start.giocy = static_cast<int8_t>(i / 16);
            start.cells[i] = floor_char;
        }
        const CellRule& r = rules.cell[0][c];
        v.exits += r.kind == 'X';
        start.uova += r.kind == 'O';
        start.uova2 += r.kind == 'P';
    }
    v.to_collect = start.uova + start.uova2;
    start.finelivello = start.passi = start.punti = 0;
    start.turbo = 0;
    start.rotazione = 0;
    start.movimento = -1;
    start.direzione = -1;
    start.giocdir = 2;
    start.scivolo = -1;
    start.animaffonda = 0;
    start.movx = start.movy = 0;
    return v;
}

std::string EditorVerdictText(const EditorVerdict& v) {
    std::string checks = ExtraText("EDITOR_CHECK_START") + YesNo(v.starts > 0) + "  " +
                         ExtraText("EDITOR_CHECK_EXIT") + YesNo(v.exits > 0) + "  " +
                         ExtraText("EDITOR_CHECK_COLLECT") + YesNo(v.to_collect > 0);
    const solver::Solution& s = v.solution;
    std::string found;
    if (v.starts == 0)
        found = ExtraText("EDITOR_NO_START");
    else if (s.solved)
        found =
            Filled("EDITOR_SOLVED", {Number(static_cast<uint64_t>(s.steps))}) + "\n" + Reached(s);
    else if (s.gave_up)
        found = Filled("EDITOR_GAVE_UP", {Number(s.states)});
    else
        found = ExtraText("EDITOR_UNSOLVABLE") + "\n" + Reached(s);
    return checks + "\n" + found;
}

void ShowEditorVerdict(const std::string& first_line) {
    const EditorVerdict v = JudgeEditorBoard();
    const std::string text = EditorVerdictText(v);
    EditorNotice(first_line.empty() ? text : first_line + "\n" + text);
    // The log keeps the verdict with the search's time, for level makers comparing boards.
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", v.solution.seconds);
    std::string line = "Editor verdict on map " + std::to_string(static_cast<long>(map)) + " (" +
                       seconds + " s): " + text;
    for (char& c : line)
        if (c == '\n') c = ';';
    AppendLog(line);
}

void StoreEditorSolution() {
    const EditorVerdict v = JudgeEditorBoard();
    if (!v.solution.solved) {
        EditorNotice(EditorVerdictText(v) + "\n" + ExtraText("EDITOR_NO_SOLUTION_TO_STORE"));
        return;
    }
    WriteFileLine(ReplayFileName(), map, v.solution.line);
    LineFiles().Flush();
    replay_Str = v.solution.line;
    EditorNotice(EditorVerdictText(v) + "\n" + ExtraText("EDITOR_SOLUTION_STORED"));
}

}  // namespace game
