#include "game/flow/summary.h"

#include <cmath>
#include <string>

#include "game/flow/main_program.h"
#include "game/maps/editor_history.h"
#include "game/maps/map_file.h"
#include "game/play/play_aids.h"
#include "game/play/records.h"
#include "game/state/game_state.h"
#include "runtime/headless/headless.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {
// -1: not noted (the run ended otherwise); else 0 or 1.
int g_unsaved_before_end = -1;
}  // namespace

void NoteUnsavedBeforeEnd() {
    g_unsaved_before_end = LineFiles().changed() ? 1 : 0;
}

void InstallHeadlessSummary() {
    SetHeadlessSummary([] {
        std::string s;
        s += "entry=" + std::string(EntryPointName(CurrentEntryPoint())) + "\n";
        const auto number = [&s](const char* name, double value) {
            s += std::string(name) + "=" + NumberToText(value).str() + "\n";
        };
        number("map", map);
        number("map2", map2);
        number("opz", opz);
        number("lingua", lingua);
        number("editor", editor);
        number("rivede", rivede);
        number("steps", passi);
        number("points", punti);
        number("readme", readme);
        number("testoreplay", testoreplay);
        number("lettera", lettera);
        number("prova", prova);
        number("cursor_x", giocx);
        number("cursor_y", giocy);
        number("scelta", scelta);
        // The view and speed of play, and the attempt's time in whole seconds.
        number("lfps", lfps);
        number("zoom", zoom);
        number("rotation", rotazione);
        number("video", video);
        number("fixed_board", mappafissa);
        number("walls", mostramuri);
        number("time", std::floor(tempo));
        number("aided", AttemptAided() ? 1 : 0);
        s += "hint=" + LastHint() + "\n";
        number("turbo", turbo);
        s += "save=" + std::string(LastSaveNotice()) + "\n";
        s += "editor_notice=" + LastEditorNotice() + "\n";
        number("board_changed", EditorBoardChanged() ? 1 : 0);
        number("records_saved", RecordsSaved() ? 1 : 0);
        // Whether the line-file cache still holds changes the disk has not seen yet.
        number("unsaved",
               g_unsaved_before_end >= 0 ? g_unsaved_before_end : (LineFiles().changed() ? 1 : 0));
        s += "name=" + nome_Str.str() + "\n";
        s += "menu=" +
             (ttmenu >= 0 && opz >= 0 && opz <= ttmenu ? menu_Str(opz, lingua).str()
                                                       : std::string()) +
             "\n";
        return s;
    });
}

}  // namespace game
