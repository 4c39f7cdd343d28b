// The readme viewer: the readme of the chosen language, 16 lines at a time.
#pragma once
#include "game/state/entry_point.h"
#include "runtime/values/text_value.h"

namespace game {

// "Leggimi.txt" (language 0) or "Read_Me.txt" (language 1), beside the program.
TextValue ReadmeFileName();

// Shows the readme from its first line; up and down scroll a line per press, and the page
// settles on the last 16 lines before the "EOF" line. A, X, Y, L, R, Start or Select leave
// it, back to the menu loop.
EntryPoint ReadmeViewer();

}  // namespace game
