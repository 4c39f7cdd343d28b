#include "game/play/play_aids.h"

#include <vector>

#include "game/flow/player_options.h"
#include "game/play/game_actions.h"
#include "game/play/solver_search.h"
#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/platform/gamepad.h"

namespace game {

namespace {

// What a move changes: the play state at rest before it and the move texts being recorded.
struct Snapshot {
    PlayState state;
    std::string moves, recording;
    double testo = 0;
};

struct Aids {
    std::vector<Snapshot> undo;
    std::vector<int> redo;  // board directions of the moves taken back, last on top
    Snapshot pending;
    bool pending_valid = false;
    bool redoing = false;
    bool aided = false;
    bool was_down[3] = {};
    int hint_move = -1;  // board direction shown, -1 none
    bool hint_none = false;
    int hint_frames = 0;  // frames the hint stays on screen
    std::string last_hint;
    bool requested[3] = {};      // undo, redo, hint asked for by another input
    bool pad_pair_held[3] = {};  // B with X, Y, A at the last reading
} g;

// The pad's pairs: B held with the button, and the aid each asks for.
struct PadPair {
    PadControl button;
    AidRequest aid;
    double* flag;  // the button's own flag, set by Tasti from the key it stands for
};

// Frames a hint or message stays on screen (about two seconds at the usual 60 frames).
constexpr int kHintFrames = 120;
// Positions the hint search may reach before it gives up: a count, not a time, so that a hint
// is the same on every machine (a slow one, or a sanitizer build, only takes longer). The
// hardest shipped level needs about 210,000; this many take about half a second here.
constexpr uint32_t kHintPositions = 600000;

// True on the read where the key went down.
bool Pressed(int which, int code) {
    const bool down = KeyDown(code) != 0;
    const bool pressed = down && !g.was_down[which];
    g.was_down[which] = down;
    return pressed;
}

Snapshot Take() {
    Snapshot s;
    PlayStateFromGame(s.state);
    s.moves = mosse_Str.str();
    s.recording = replay_Str.str();
    s.testo = testoreplay;
    return s;
}

void Put(const Snapshot& s) {
    PlayStateToGame(s.state);
    mosse_Str = s.moves;
    replay_Str = s.recording;
    testoreplay = s.testo;
}

void Hint() {
    PlayState state;
    PlayStateFromGame(state);
    PieceRules rules;
    PieceRulesFromGame(rules);
    solver::Limits limits;
    limits.stop_at_first = true;
    limits.max_states = kHintPositions;
    limits.max_bytes = 512ull << 20;
    const solver::Solution found = solver::Solve(state, rules, limits);
    g.hint_move = found.solved ? found.first_move : -1;
    g.hint_none = !found.solved && !found.gave_up;
    g.hint_frames = kHintFrames;
    g.last_hint = NumberToText(map).str() + ":" +
                  (found.solved ? std::to_string(found.first_move)
                                : std::string(found.gave_up ? "unknown" : "none"));
    AppendLog("hint: map " + g.last_hint + " in " + std::to_string(found.steps) + " steps, " +
              std::to_string(found.states) + " positions, " +
              std::to_string(static_cast<int>(found.seconds * 1000)) + " ms");
}

// The screen direction (0 up ... 3 left) of board direction `d` under the view rotation: the
// one whose key Tasti reads for it.
int ScreenDirection(int d) {
    return (d + static_cast<int>(rotazione)) % 4;
}

std::string DirectionName(int d) {
    static const char* const kNames[4] = {"AID_UP", "AID_RIGHT", "AID_DOWN", "AID_LEFT"};
    return ExtraText(kNames[ScreenDirection(d)]);
}

// The wall indicator's arrow, turned to the move, over the cell the move leads to: the player
// was last drawn at (zxp, zyp) in board pixels, cells are 20 by 12, and a zoomed board is
// drawn `zoom` times larger.
void DrawHintArrow(int d) {
    static constexpr int kDx[4] = {0, 20, 0, -20}, kDy[4] = {-12, 0, 12, 0};
    const int screen = ScreenDirection(d);
    const double zo = zoom > 1 && mappafissa == 0 ? zoom : 1;
    double w = 0, h = 0;
    SpriteSize(chvarie + 2, w, h);
    const double cx = zo * (zxp + 10 + kDx[screen]);
    const double cy = zo * (zyp + kDy[screen] - 2);
    DrawSpriteZoomed(static_cast<int>(chvarie + 2 + screen), static_cast<int>(cx - w * 0.3),
                     static_cast<int>(cy - h * 0.3), 0.6, 0.6);
}

}  // namespace

void RequestAid(AidRequest which) {
    g.requested[static_cast<int>(which)] = true;
}

void AidsPadButtons() {
    const PadPair pairs[3] = {{kPadX, AidRequest::kUndo, &tasx},
                              {kPadY, AidRequest::kRedo, &tasy},
                              {kPadA, AidRequest::kHint, &tasa}};
    const bool on = editor == 0 && rivede != 1 && finelivello == 0 && CurrentOptions().aids;
    const uint32_t held = on ? PadControlsHeld() : 0;
    const bool b = (held & (1u << kPadB)) != 0;
    for (int k = 0; k < 3; ++k) {
        const bool pair = b && (held & (1u << pairs[k].button)) != 0;
        if (pair && !g.pad_pair_held[k]) RequestAid(pairs[k].aid);
        if (pair) *pairs[k].flag = 0;
        g.pad_pair_held[k] = pair;
    }
}

void AidsAttemptStart() {
    g.undo.clear();
    g.redo.clear();
    g.pending_valid = false;
    g.redoing = false;
    g.aided = false;
    g.hint_frames = 0;
}

bool AidsKeys() {
    // A request from another input counts once, at this reading, whether it is taken or not.
    bool asked[3];
    for (int k = 0; k < 3; ++k) {
        asked[k] = g.requested[k];
        g.requested[k] = false;
    }
    if (editor != 0 || rivede == 1 || finelivello != 0 || !CurrentOptions().aids) return false;
    const bool undo = Pressed(0, kUndoKey) || asked[0];
    const bool redo = Pressed(1, kRedoKey) || asked[1];
    const bool hint = Pressed(2, kHintKey) || asked[2];
    if (movimento != -1 || scivolo != -1) return false;
    if (undo && !g.undo.empty()) {
        const int direction = CharAt(mosse_Str, Len(g.undo.back().moves)) - 48;
        Put(g.undo.back());
        g.undo.pop_back();
        g.redo.push_back(direction);
        g.aided = true;
        g.hint_frames = 0;
        tasdir = -1;
        return true;
    }
    if (redo && !g.redo.empty()) {
        tasdir = g.redo.back();
        g.redoing = true;
        return false;
    }
    if (hint) {
        g.aided = true;
        Hint();
        tasdir = -1;
        return true;
    }
    return false;
}

void AidsBeforeActions(bool slide_leg) {
    g.pending_valid = false;
    if (editor != 0 || rivede == 1 || slide_leg) return;
    if (tasdir < 0 || movimento != -1 || scivolo != -1) return;
    g.pending = Take();
    g.pending_valid = true;
}

void AidsAfterActions() {
    if (!g.pending_valid) return;
    g.pending_valid = false;
    const bool started = Len(mosse_Str) > static_cast<long>(g.pending.moves.size());
    if (!started || ok == 1) {
        g.redoing = false;
        return;
    }
    g.undo.push_back(std::move(g.pending));
    if (g.redoing && !g.redo.empty()) {
        g.redo.pop_back();
    } else {
        g.redo.clear();
    }
    g.redoing = false;
    g.hint_frames = 0;
}

void AidsDraw() {
    if (g.hint_frames <= 0) return;
    --g.hint_frames;
    // On a dark band under the panel, clear of the counters.
    SetBlendAlpha(0);
    if (g.hint_move >= 0) {
        if (g.hint_frames % 20 < 14) DrawHintArrow(g.hint_move);
        SetBlendAlpha(0);
        FillBox(0, 32, 320, 18, 0x010101);
        ScriveTESTO(ExtraText("AID_HINT") + " " + DirectionName(g.hint_move), 8, 34, 12, 0.75);
    } else {
        FillBox(0, 32, 320, 30, 0x010101);
        ScriveTESTO(ExtraText(g.hint_none ? "AID_NO_WAY" : "AID_NO_HINT"), 4, 34, 9, 0.5);
        ScriveTESTO(ExtraText("AID_UNDO_OR_RESTART"), 4, 48, 9, 0.5);
    }
}

bool AttemptAided() {
    return g.aided;
}

const std::string& LastHint() {
    return g.last_hint;
}

}  // namespace game
