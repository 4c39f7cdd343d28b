// Options of our own, per player, beside the player file: one step per tap, the keys of the
// directions and both button sets, the old-television lines, and whether undo and hints are
// allowed. Kept in "Media/Zolv-opzioni.txt", one line per player: the name, then the four
// switches and the twenty key codes, separated by spaces. With no line the game plays as its
// settings say.
#pragma once
#include <string>

#include "game/state/entry_point.h"

namespace game {

struct PlayerOptions {
    bool one_step = false;  // one step per tap, repeating after a hold
    bool tv = true;         // the old-television lines, as the settings have them
    bool aids = true;       // undo, redo and hints allowed
    int keys[20] = {};  // up, right, down, left, then set 1 and set 2 as the settings order them
};

// The options in force for the current player.
const PlayerOptions& CurrentOptions();
// Reads the current player's line (nome_Str) and puts its keys and switches in force; the
// settings' own keys and lines are kept the first time, for players without a line.
void ApplyPlayerOptions();
// The line of a player's options, and back; false when the line is not one.
std::string OptionsLine(const std::string& name, const PlayerOptions& options);
bool ParseOptionsLine(const std::string& line, std::string* name, PlayerOptions* options);
// Whether `code` is a key of another entry than `entry` (0 to 19).
bool KeyTaken(const PlayerOptions& options, int entry, int code);

// The options screen, from the menu with F2: up and down choose, left and right change,
// Enter then a key sets a key, Esc leaves and saves.
EntryPoint OptionsScreen();

// With one step per tap on, after Tasti: a direction or view turn held since the last read
// counts once, and a direction repeats only after a hold of about a third of a second.
void OneStepPerTap();
// With one step per tap on, in the menu: L and R held together switch the editor once per
// press, not at every reading of the keys while held.
void OneEditorSwitchPerPress();

}  // namespace game
