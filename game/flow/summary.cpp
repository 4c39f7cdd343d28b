#include "game/flow/summary.h"

#include <string>

#include "game/flow/main_program.h"
#include "game/state/game_state.h"
#include "runtime/core/headless.h"

namespace game {

void InstallHeadlessSummary() {
    SetHeadlessSummary([] {
        std::string s;
        s += "entry=" + std::string(EntryPointName(CurrentEntryPoint())) + "\n";
        s += "map=" + NumberToText(map).str() + "\n";
        return s;
    });
}

}  // namespace game
