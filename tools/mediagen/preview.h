// Pictures for looking at the art: a contact sheet of every cut sprite with its number, and each
// level drawn the way the board appears in play (back row first, pieces raised by their kind).
#pragma once

#include <string>

#include "media_set.h"

namespace mediagen {

Canvas ContactSheet(const Sheets& sheets);
Canvas LevelPicture(const Sheets& sheets, const std::string& map);
Canvas TextSamples(const Sheets& sheets);

}  // namespace mediagen
