// The scene after the last map of the set: the player meets the chicks and the partner, the
// saucer comes down and flies off with everyone. It ends at the title.
#pragma once
#include "game/state/entry_point.h"

namespace game {

EntryPoint FinalSequence();

}  // namespace game
