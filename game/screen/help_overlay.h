// Help over every screen: F1 (or a game pad's help control) shows what each key does on the
// screen in front, with the keys named from the key settings in force (both sets) and the
// texts in the player's language. Any key closes it; the screen under it waits meanwhile.
#pragma once
#include <string>
#include <vector>

namespace game {

// The editor's help comes in two pages: its keys from the key settings, then its own keys and
// the mouse.
enum class HelpScreen { kTitle, kMenu, kPlay, kEditor, kEditorMore };

// True while F1 (or the pad's help control) is held or was tapped since the last frame.
bool HelpAsked();

// The help's lines for a screen: a keys line then its meaning, in pairs, keys named from
// the settings as they stand now.
std::vector<std::string> HelpLines(HelpScreen screen);

// Draws the help over the frame being drawn, presents it and waits for a key. The caller
// draws its screen again afterwards.
void ShowHelp(HelpScreen screen);

}  // namespace game
