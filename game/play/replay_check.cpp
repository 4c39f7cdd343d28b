#include "game/play/replay_check.h"

#include <cmath>
#include <cstdio>

#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/state/game_state.h"
#include "runtime/audio/sound.h"
#include "runtime/base/errors.h"
#include "runtime/frame/engine.h"
#include "runtime/headless/headless.h"
#include "runtime/values/random.h"

namespace game {

namespace {

// What a check starts from in a list: everything play reads or changes that start-up left,
// taken once start-up is over. Play writes no file when it views a replay, and the media
// loaded at start-up stay as they are; the pictures drawn do not count.
struct AfterStartUp {
    GameStateCopy game;
    IsaacGenerator random;
    HeadlessPoint headless;
    FrameSchedule schedule;
};

struct ReplayCheck {
    bool active = false;
    ReplayCheckRequest request;
    long frames = 0;       // frames of play since the attempt started
    long idle_frames = 0;  // frames at rest since the moves ran out
    bool list = false;
    std::vector<ReplayListLine> lines;
    size_t next = 0;      // the list's next line
    bool failed = false;  // a line of the list was not a check or did not finish
    AfterStartUp start;
} g_check;

// The text from `at` up to the next space (or the end), moving `at` past it; false when it
// is not a number of at most 9 digits.
bool ReadNumber(const std::string& line, size_t& at, int& n) {
    const size_t from = at;
    n = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - from < 9)
        n = n * 10 + (line[at++] - '0');
    return at > from && (at == line.size() || line[at] == ' ');
}

ReplayListLine ParseLine(const std::string& line, int number) {
    ReplayListLine out;
    out.number = number;
    ReplayCheckRequest& q = out.request;
    size_t at = 0;
    const bool read = ReadNumber(line, at, q.map) && at++ < line.size() &&
                      ReadNumber(line, at, q.turbo) && q.turbo <= 1 && at++ < line.size() &&
                      ReadNumber(line, at, q.rotation) && q.rotation <= 3;
    if (!read) {
        out.error = "not MAP TURBO ROTATION MOVES (TURBO 0 or 1, ROTATION 0 to 3): " + line;
        return out;
    }
    if (at < line.size()) q.moves = line.substr(at + 1);
    return out;
}

EntryPoint BeginCheck() {
    const ReplayCheckRequest& q = g_check.request;
    map = q.map;
    editor = 0;
    prova = 0;
    rivede = 1;
    map3 = -1;
    turbo = q.turbo != 0 ? 1 : 0;
    ogni = ControlsEvery(turbo);
    rotazione = q.rotation;
    zoom = 2;
    mappafissa = 0;
    testoreplay = 0;
    sceltamenu = -1;
    SetFrameLimit(lfps);
    Margini();
    return EntryPoint::kAttemptStart;
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void BackToAfterStartUp() {
    const AfterStartUp& s = g_check.start;
    RestoreGameState(s.game);
    RestoreRandomGenerator(s.random);
    HeadlessGoBack(s.headless);
    RestoreFrameSchedule(s.schedule);
    StopAllSounds();
}

// The list's next line that is a check begins from the state after start-up; a line that is
// not one is reported in its place. The program ends after the last line.
EntryPoint NextInList() {
    while (g_check.next < g_check.lines.size()) {
        const ReplayListLine& line = g_check.lines[g_check.next++];
        BackToAfterStartUp();
        std::string refusal = line.error;
        if (refusal.empty() && line.request.map > mapmax) {
            refusal = "map " + std::to_string(line.request.map) + " is not in the set (maps 0 to " +
                      NumberToText(mapmax).str() + ")";
        }
        if (!refusal.empty()) {
            Print("line " + std::to_string(line.number) + ": " + refusal + "\n\n");
            g_check.failed = true;
            continue;
        }
        g_check.request = line.request;
        g_check.frames = 0;
        g_check.idle_frames = 0;
        return BeginCheck();
    }
    Errors().number = 0;
    Errors().line = Errors().current_line;
    EndProgramWithStatus(g_check.failed ? 1 : 0);
}

}  // namespace

std::vector<ReplayListLine> ParseReplayList(const std::string& text) {
    std::vector<ReplayListLine> lines;
    int number = 0;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        lines.push_back(ParseLine(line, number));
    }
    return lines;
}

void StartReplayCheck(const ReplayCheckRequest& request) {
    g_check = ReplayCheck{};
    g_check.active = true;
    g_check.request = request;
}

void StartReplayList(std::vector<ReplayListLine> lines) {
    g_check = ReplayCheck{};
    g_check.active = true;
    g_check.list = true;
    g_check.lines = std::move(lines);
}

bool ReplayCheckActive() {
    return g_check.active;
}

EntryPoint ReplayCheckBegin() {
    if (!g_check.list) return BeginCheck();
    g_check.start = {CopyGameState(), RandomGeneratorCopy(), HeadlessWhere(),
                     CurrentFrameSchedule()};
    return NextInList();
}

void ReplayCheckAttemptStart() {
    replay_Str = g_check.request.moves;
    rep = 0;
    g_check.frames = 0;
    g_check.idle_frames = 0;
}

bool ReplayCheckFrame() {
    ++g_check.frames;
    // Once the moves have run out and the player rests, the level has a little longer than
    // the level-end count to finish; then the check reports that it did not.
    const bool moves_left = rep >= 0 && rep < Len(replay_Str);
    if (moves_left || movimento != -1 || scivolo != -1) {
        g_check.idle_frames = 0;
        return false;
    }
    return ++g_check.idle_frames > 2 * lfps + 8;
}

std::string ReplayCheckReport(bool finished) {
    const long seconds = static_cast<long>(std::floor(tempo));
    std::string s;
    s += "finished=" + std::string(finished ? "1" : "0") + "\n";
    s += "frames=" + std::to_string(g_check.frames) + "\n";
    s += "steps=" + NumberToText(passi).str() + "\n";
    s += "points=" + NumberToText(punti).str() + "\n";
    s += "time=" + std::to_string(seconds) + "\n";
    s += "eggs=" + NumberToText(uova).str() + "\n";
    s += "chicks=" + NumberToText(uova2).str() + "\n";
    s += "cell=" + NumberToText(giocx).str() + "," + NumberToText(giocy).str() + "\n";
    s += "board=" + mappa_Str.str() + "\n";
    return s;
}

EntryPoint ReplayCheckEnd(bool finished) {
    Print(ReplayCheckReport(finished));
    if (g_check.list) {
        Print("\n");
        if (!finished) g_check.failed = true;
        return NextInList();
    }
    Errors().number = 0;
    Errors().line = Errors().current_line;
    EndProgram();
}

}  // namespace game
