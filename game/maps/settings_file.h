// The settings data files "Media/Zolv-dat1.txt" and "Media/Zolv-dat2.txt": sprite sheets and
// their cutting, the piece table and its roles, menu and information texts, keys, map set,
// sounds and option switches. Lines starting with "=" are directives, fields by column:
//
//   =CMMND TYPE VV information...
//   0 1    7    12 15
#pragma once
#include <string>

#include "runtime/values/text_value.h"

namespace game {

// Start-up: every default, the player's name, the arrays, both settings files, then the
// player's own preferences on top.
void Impostazioni();
// Cuts nspr sprites of sx x sy from the screen at xsp, ysp onwards into sprites spr, spr + 1,
// ..., one pixel between cells, wrapping to the next row before a cell would pass x 319.
void SpriteMEMO();

// Frames per reading of the controls in play: every 4th frame, every 2nd in turbo.
double ControlsEvery(double turbo_on);

// The highest map the player has reached (`map2`), from player-file lines 1 and 2.
void GiocatoreDATI();

// The pieces of Impostazioni, in the order it runs them.
void SetSettingsDefaults();
void ReadSettingsFile(int digit);
// nome_Str from line 0 of the player file: its first three characters, or "PL1".
void ReadPlayerName();
// Whether every character of the name is printable (codes 32 to 126).
bool PrintableName(const TextValue& name_Str);
// Whether the name entry refuses the three-letter name.
bool RefusedName(const TextValue& name_Str);
void ReadPlayerPreferences();
// Splits one line into comando_Str, tipo_Str, tipo2_Str and info_Str and applies it. False
// when it ends the file ("FINE!"); lines not starting with "=" change nothing.
bool ApplySettingsLine(const TextValue& line_Str);

// What the game cannot start without, noted as the directives give it.
enum SettingsGiven : unsigned { kSettingsMenu = 1, kSettingsKeys = 2, kSettingsPieces = 4 };
void NoteSettingsGiven(SettingsGiven what);
// Refuses the directive line being read: a message naming the file, the line and the
// directive, with `why`, to the log and standard error.
void RefuseSettingsLine(const std::string& why);
// After both files: a file missing, holding no directive, or the menu texts, keys or pieces
// given by neither stops start-up with a message naming the file and what is missing.
void RequireSettingsGiven();

// "Media/Zolv-dat" + digit + "." + text extension.
TextValue SettingsFileName(int digit);

}  // namespace game
