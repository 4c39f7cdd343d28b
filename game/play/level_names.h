// Level names: one name per map line, in a file per map set and language beside the
// commentary pages (Media/Zolv-SET-nomi-LANGUAGE.txt), read through the line files. A map
// without a name (no file, a short file, an empty line) shows none.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

TextValue LevelNamesFileName();
// The name of map `m` in the player's language, or empty.
TextValue LevelName(double m);
// Draws the name of map `m` on a dark band centred on x `centre` at height `y`, its letters
// made smaller where needed to fit `width_limit` pixels.
void DrawLevelName(double m, double centre, double y, double width_limit);

}  // namespace game
