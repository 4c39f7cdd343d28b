#include "game/flow/main_program.h"

#include "game/flow/menu.h"
#include "game/flow/summary.h"
#include "game/flow/title_screen.h"
#include "game/play/final_sequence.h"
#include "game/play/play_loop.h"
#include "game/play/replay_check.h"
#include "game/state/game_state.h"
#include "runtime/base/program_end.h"
#include "runtime/platform/browser.h"
#include "runtime/values/text_value.h"

namespace game {
namespace {

EntryPoint g_current = EntryPoint::kStartUp;

// A normal end other than the exit entry keeps the options as that entry does.
void AtNormalEnd() {
    NoteUnsavedBeforeEnd();
    SaveOptions();
}

// In the browser the console tells where the main program went: what a page's visitor or a
// test sees of the game without reading its pixels. Once per change, not per frame: the menu
// passes through its restart at most of its frames, which is left out.
void NoteOnConsole(EntryPoint entry) {
    static EntryPoint noted = EntryPoint::kFinalSequence;
    if (entry == EntryPoint::kMenuRestart || (entry == noted && entry != EntryPoint::kStartUp))
        return;
    noted = entry;
    std::string note = std::string("screen: ") + EntryPointName(entry);
    if (entry == EntryPoint::kAttemptStart) note += ", map " + NumberToText(map).str();
    PlatformConsoleLog(note);
}

}  // namespace

const char* EntryPointName(EntryPoint entry) {
    switch (entry) {
        case EntryPoint::kStartUp:
            return "start-up";
        case EntryPoint::kTitle:
            return "title";
        case EntryPoint::kMenuSetUp:
            return "menu set-up";
        case EntryPoint::kMenuRestart:
            return "menu restart";
        case EntryPoint::kMenuLoop:
            return "menu loop";
        case EntryPoint::kAttemptStart:
            return "attempt start";
        case EntryPoint::kAttemptRestart:
            return "attempt restart";
        case EntryPoint::kFrame:
            return "frame";
        case EntryPoint::kFinalSequence:
            return "final sequence";
    }
    return "?";
}

EntryPoint CurrentEntryPoint() {
    return g_current;
}

EntryPoint RunEntryPoint(EntryPoint entry) {
    NoteOnConsole(entry);
    g_current = entry;
    switch (entry) {
        case EntryPoint::kStartUp: {
            const EntryPoint next = StartUp();
            if (ReplayCheckActive()) return ReplayCheckBegin();
            // From now on every normal end keeps the options, as the exit entry does.
            SetNormalEndStep(&AtNormalEnd);
            return next;
        }
        case EntryPoint::kTitle:
            return TitleScreen();
        case EntryPoint::kMenuSetUp:
            return MenuSetUp();
        case EntryPoint::kMenuRestart:
            return MenuRestart();
        case EntryPoint::kMenuLoop:
            return MenuLoop();
        case EntryPoint::kAttemptStart:
            return AttemptStart();
        case EntryPoint::kAttemptRestart:
            return AttemptRestart();
        case EntryPoint::kFrame:
            return PlayFrame();
        case EntryPoint::kFinalSequence:
            return FinalSequence();
    }
    return EntryPoint::kTitle;
}

}  // namespace game

void MainProgram() {
    game::EntryPoint entry = game::EntryPoint::kStartUp;
    for (;;) entry = game::RunEntryPoint(entry);
}
