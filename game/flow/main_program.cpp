#include "game/flow/main_program.h"

#include "game/flow/title_screen.h"
#include "game/maps/board_render.h"
#include "game/maps/map_file.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/core/draw2d.h"

namespace game {
namespace {

EntryPoint g_current = EntryPoint::kStartUp;

// Until the menu exists, the title leads straight to the first level.
EntryPoint MenuSetUp() {
    map = 0;
    editor = 0;
    return EntryPoint::kAttemptStart;
}

// Until play exists, an attempt shows the board of its map until the window is closed.
EntryPoint AttemptStart() {
    mappafissa = 1;
    zoom = 1;
    rotazione = 0;
    MappaCARICA();
    Margini();
    SetBlendAlpha(0);
    return EntryPoint::kFrame;
}

EntryPoint Frame() {
    MappaRENDER();
    mostraschermo();
    return EntryPoint::kFrame;
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
    g_current = entry;
    switch (entry) {
        case EntryPoint::kStartUp:
            return StartUp();
        case EntryPoint::kTitle:
            return TitleScreen();
        case EntryPoint::kMenuSetUp:
            return MenuSetUp();
        case EntryPoint::kAttemptStart:
            return AttemptStart();
        case EntryPoint::kFrame:
            return Frame();
        // Not built yet: back to the title.
        case EntryPoint::kMenuRestart:
        case EntryPoint::kMenuLoop:
        case EntryPoint::kAttemptRestart:
        case EntryPoint::kFinalSequence:
            return EntryPoint::kTitle;
    }
    return EntryPoint::kTitle;
}

}  // namespace game

void MainProgram() {
    game::EntryPoint entry = game::EntryPoint::kStartUp;
    for (;;) entry = game::RunEntryPoint(entry);
}
