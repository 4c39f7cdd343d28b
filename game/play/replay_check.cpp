#include "game/play/replay_check.h"

#include <cmath>
#include <cstdio>

#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/state/game_state.h"
#include "runtime/base/errors.h"
#include "runtime/frame/engine.h"

namespace game {

namespace {

struct ReplayCheck {
    bool active = false;
    ReplayCheckRequest request;
    long frames = 0;       // frames of play since the attempt started
    long idle_frames = 0;  // frames at rest since the moves ran out
} g_check;

}  // namespace

void StartReplayCheck(const ReplayCheckRequest& request) {
    g_check = ReplayCheck{};
    g_check.active = true;
    g_check.request = request;
}

bool ReplayCheckActive() {
    return g_check.active;
}

EntryPoint ReplayCheckBegin() {
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

void ReplayCheckAttemptStart() {
    replay_Str = g_check.request.moves;
    rep = 0;
    g_check.frames = 0;
    g_check.idle_frames = 0;
}

void ReplayCheckFrame() {
    ++g_check.frames;
    // Once the moves have run out and the player rests, the level has a little longer than
    // the level-end count to finish; then the check reports that it did not.
    const bool moves_left = rep >= 0 && rep < Len(replay_Str);
    if (moves_left || movimento != -1 || scivolo != -1) {
        g_check.idle_frames = 0;
        return;
    }
    if (++g_check.idle_frames > 2 * lfps + 8) ReplayCheckEnd(false);
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

void ReplayCheckEnd(bool finished) {
    const std::string report = ReplayCheckReport(finished);
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    Errors().number = 0;
    Errors().line = Errors().current_line;
    EndProgram();
}

}  // namespace game
