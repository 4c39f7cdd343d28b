// Level names: one name per map line, in a file per map set and language beside the
// commentary pages (Media/Zolv-SET-nomi-LANGUAGE.txt), read through the line files. A map
// without a name (no file, a short file, an empty line) shows none.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

TextValue LevelNamesFileName();
// The name of map `m` in the player's language, or empty.
TextValue LevelName(double m);
// Draws the name of map `m` centred on x 160 at height `y`, small enough to fit 320 pixels.
void DrawLevelName(double m, double y);

}  // namespace game
