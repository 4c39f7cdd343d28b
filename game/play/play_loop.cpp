#include "game/play/play_loop.h"

#include <cmath>

#include "game/flow/player_options.h"
#include "game/maps/board_render.h"
#include "game/maps/editor.h"
#include "game/maps/map_file.h"
#include "game/play/commentary.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/play/level_names.h"
#include "game/play/play_aids.h"
#include "game/play/records.h"
#include "game/play/replay_check.h"
#include "game/screen/extra_texts.h"
#include "game/screen/help_overlay.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// What the attempt's frame does next after its work.
EntryPoint FinishLevel();
bool ReplayRanOut();
EntryPoint EndUnfinishedReplay();

// Replay mode chosen with B and a direction in test play: up views, down records, right and
// left switch both off.
constexpr char kReplayModes[] = "0100-100";

// Select alone in the editor: the next restart keeps the board being edited.
bool g_keep_edited_board = false;

// The demonstration: map 0 viewed from the menu's demonstration entry, which notes the
// chosen map in map3 (the replay entry notes 111).
bool Demonstration() {
    return rivede == 1 && map3 >= 0 && map3 < 100 && map == 0;
}

}  // namespace

double AttemptFailure() {
    double reason = 0;
    if (editor != 0) return 0;
    if (tempo > troppotempo) reason = 1;
    if (punti < pochipunti) reason = 2;
    if (passi > troppipassi) reason = 3;
    return reason;
}

namespace {
// Frames left to show the level's name over the board at the start of a level.
int name_frames = 0;
}  // namespace

EntryPoint AttemptStart() {
    tempo = 0;
    name_frames = static_cast<int>(2 * lfps);
    return AttemptRestart();
}

EntryPoint AttemptRestart() {
    giocdir = 2;
    passi = 0;
    mosse_Str = "";
    testoreplay = 0;
    suonofine = 0;
    punti = 0;
    replay_Str = "";
    // No move of the last attempt (a level can end mid-glide) carries over into this one.
    movimento = -1;
    movx = 0;
    movy = 0;
    direzione = -1;
    scivolo = -1;
    animaffonda = 0;
    if (rivede == 1 || editor == 1) ReadReplayLine();
    // The demonstration plays the settings' line whatever the replay file holds.
    if (Demonstration()) rep = 0;
    if (ReplayCheckActive()) ReplayCheckAttemptStart();
    AidsAttemptStart();
    const bool keep_board = editor == 1 && g_keep_edited_board;
    g_keep_edited_board = false;
    if (!keep_board) MappaCARICA();
    return EntryPoint::kFrame;
}

void DrawPlayFrame() {
    MappaRENDER();
    AidsDraw();
    reinizia = AttemptFailure();
    if (reinizia != 0) ScriveTESTO(testi_Str(reinizia + 9, lingua), 20, 100, 24, 2);
    // Not while a replay is viewed: its blinking label stands where the name would.
    if (name_frames > 0 && reinizia == 0 && editor == 0 && rivede != 1) {
        --name_frames;
        DrawLevelName(map, 160, 30, 300);
    }
}

EntryPoint PlayFrame() {
    DrawPlayFrame();
    if (reinizia == 0 && !ReplayCheckActive() && HelpAsked()) {
        // The attempt stands still under the help: its clock counts frames played.
        ShowHelp(editor != 0 ? HelpScreen::kEditor : HelpScreen::kPlay);
        return EntryPoint::kFrame;
    }
    mostraschermo();
    if (reinizia != 0) {
        if (ReplayCheckActive()) return ReplayCheckEnd(false);
        SuonaEFFETTO(12, 0);
        WaitAnyKey();
        return EntryPoint::kMenuRestart;
    }
    return PlayStep();
}

EntryPoint PlayStep() {
    animazione += 1;
    if (animazione == 8) animazione = 0;
    TastiAZZERA();
    if (scivolo == -1) tasdir = -1;
    if (finelivello == 0) tempo += 1 / lfps;
    if (ReplayCheckActive() && ReplayCheckFrame()) return ReplayCheckEnd(false);

    // Controls, on input frames while the player stands still.
    const double every = ogni > 0 ? ogni : 1;
    const double share = animazione / every;
    const bool keys_read = share == static_cast<long>(share) && movimento == -1;
    bool aid_taken = false;
    if (keys_read) {
        Tasti();
        AidsPadButtons();
        if (editor == 0) OneStepPerTap();
        aid_taken = AidsKeys();
        if (mappafissa == 0 && tasa == 1 && tassta == 1) {
            zoom = std::fabs(3 - zoom);
            return EntryPoint::kFrame;
        }
        if (editor == 0) {
            if (prova != 0 && tasb == 1) {
                for (int d = 0; d <= 3; ++d) {
                    if (tasdir != d) continue;
                    rivede = TextToNumber(Substring(kReplayModes, 2 * d, 2));
                    if (d == 2) replay_Str = "";
                }
                if (tasdir > -1) return EntryPoint::kAttemptStart;
            }
            if (rivede == 1) {
                if (map3 >= 0 && map3 < 100 && map == 0 && rep == 0) replay_Str = demo_Str;
                if (ReplayRanOut()) return EndUnfinishedReplay();
                tasdir = CharAt(replay_Str, static_cast<int>(rep)) - 48;
                if (tasdir < 4) ext = tasdir;
                if (tasdir > 3) {
                    testoreplay = 1;
                    tasdir -= 17;
                    TestoINTRO();
                    rep += 1;
                    tasdir = -1;
                }
            }
        }
    }

    // View keys.
    if (tasb == 1 && tastlr != 0) {
        video = std::fabs(180 - video);
        if (tasl == 1) rotazione = AvvolgiVALORE(rotazione + 2, 0, 3);
        return EntryPoint::kFrame;
    }

    if (editor != 0) {
        if (const auto next = EditorKeys(keys_read)) return *next;
    } else {
        if (prova != 0 && tassel == 1 && tassta == 1) {
            editor = 1;
            EditorEnteredWithSelectStart();
            return EntryPoint::kAttemptStart;
        }
        if (prova == 0 && tassel == 1 && tassta == 1) return EntryPoint::kMenuSetUp;
        // Test play chooses among all maps of the set with Select and a direction.
        if (prova != 0 && tassel == 1 && tasdir > -1 && rivede == 0) {
            MappaSceglie();
            replay_Str = "";
            rivede = 0;
            return EntryPoint::kAttemptStart;
        }
    }

    if (tassel == 1) {
        rivede = 0;
        tasdir = -1;
        if (map3 > -1) return EntryPoint::kMenuLoop;
        if (editor != 0) g_keep_edited_board = true;
        return EntryPoint::kAttemptRestart;
    }

    if (editor == 0) {
        if (prova != 0 && tasx == 1 && tasy == 1) {
            tasx = 0;
            tasy = 0;
            mostramuri = 1 - mostramuri;
        }
        if (tasy == 1) lfps += 10;
        if (tasx == 1) lfps -= 10;
        if (tasy == 1 || tasx == 1) {
            lfps = AvvolgiVALORE(lfps, 10, 99);
            SetFrameLimit(lfps);
        }
    }
    if (tastlr != 0) {
        rotazione = AvvolgiVALORE(rotazione + tastlr, 0, 3);
        giocdir = AvvolgiVALORE(giocdir + tastlr, 0, 3);
    }
    const bool slide_leg = scivolo > -1;
    if (slide_leg) {
        tasdir = AvvolgiVALORE(scivolo - rotazione, 0, 3);
        scivolo = -1;
    }
    if (aid_taken) tasdir = -1;
    if (tassta == 1) {
        mappafissa = std::fabs(1 - mappafissa);
        Margini();
    }
    if (editor != 0) EditorCursorMove();

    if (editor == 0) {
        ok = 0;
        AidsBeforeActions(slide_leg);
        AzioniGIOCO();
        AidsAfterActions();
        if (ok == 1) return EntryPoint::kFrame;
    }
    if (finelivello >= 2 * lfps + 2) return FinishLevel();
    return EntryPoint::kFrame;
}

namespace {

// Viewing a replay that has no move left while the level is not finishing: there was none,
// or it stops short of the exit (a map changed since it was recorded).
bool ReplayRanOut() {
    // Asked once the controls that started the viewing are let go, so the key wait below
    // waits for a new press. No replay at all leaves rep at -1.
    const bool controls_free = tasa == 0 && tasb == 0 && tasx == 0 && tasy == 0 && tassel == 0 &&
                               tassta == 0 && tasdir == -1;
    return controls_free && !ReplayCheckActive() && (rep < 0 || rep >= Len(replay_Str)) &&
           finelivello == 0 && movimento == -1 && scivolo == -1;
}

// Says so over the board, waits for a key and goes back to the menu, where the clock would
// otherwise run on until Select.
EntryPoint EndUnfinishedReplay() {
    ScriveTESTO(TextValue(ExtraText(replay_Str.empty() ? "REPLAY_NONE" : "REPLAY_RAN_OUT").c_str()),
                888, 100, 10, 0.75);
    ScriveTESTO(TextValue(ExtraText("TITLE_PRESS_KEY").c_str()), 888, 120, 10, 0.75);
    mostraschermo();
    WaitAnyKey();
    rivede = 0;
    return EntryPoint::kMenuSetUp;
}

EntryPoint FinishLevel() {
    if (ReplayCheckActive()) return ReplayCheckEnd(true);
    if (editor == 0 && rivede == -1 && !replay_Str.empty()) {
        // A finished recording is saved and shown at once (unless a file line cannot hold it:
        // then the old replay stays and is shown).
        if (!StoreRecording()) {
            mostraschermo();
            WaitAnyKey();
        }
        rivede = 1;
        return EntryPoint::kAttemptStart;
    }
    if (rivede == 1) {
        rivede = 0;
        return EntryPoint::kMenuSetUp;
    }
    if (editor == 0 && rivede == 0) RecordsAtFinish();
    if (prova == 0) rivede = 0;
    map += 1;
    StoreProgress();
    if (map < mapmax + 1) return EntryPoint::kAttemptStart;
    return EntryPoint::kFinalSequence;
}

}  // namespace

}  // namespace game
