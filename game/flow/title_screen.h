// Start-up of the game and its title screen.
#pragma once
#include "game/state/entry_point.h"

namespace game {

// The settings files define the game, then the 320 x 240 display and the preview target.
EntryPoint StartUp();
// The title picture fades in, the letters and the credits line go over it, a key moves on.
EntryPoint TitleScreen();
// What the title leaves for the menu once a key is pressed: map 0 in the chooser, the highest
// map reached as the one it comes back to past the demonstration entry, the records entry
// chosen.
EntryPoint TitleToMenu();
// What the title draws over its picture: the four letters and the credits line.
void DrawTitleLetters();

}  // namespace game
