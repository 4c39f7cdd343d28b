// The fixed points the game's screens hand over through. Each step of the main program does
// its work (usually one frame) and returns the entry point to go to next, so a jump back to
// the menu is a returned value and the stack stays flat however long a player plays.
#pragma once

namespace game {

enum class EntryPoint {
    kStartUp,
    kTitle,
    kMenuSetUp,
    kMenuRestart,
    kMenuLoop,
    kAttemptStart,    // a level from its start, time reset
    kAttemptRestart,  // the same level again, time kept
    kFrame,           // one frame of play
    kFinalSequence,   // after the last map of the set
};

// The entry point's name, for logs and the headless summary.
const char* EntryPointName(EntryPoint entry);

}  // namespace game
