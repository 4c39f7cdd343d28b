// A saved map never keeps a replay or records of another board: after a save that changed the
// map, a replay that no longer finishes it moves, with the map's records line, to the backup
// file beside the others, and both lines become those of a fresh map.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

// "Media/Zolv-" + set + "-backup." + text extension: lines "map N replay ..." and
// "map N records ...", oldest first.
TextValue BackupFileName();

// Run after the save of map `map` whose file line was `old_board`; true when lines moved
// (the editor's notice says so).
bool MoveStaleRecords(const TextValue& old_board);

}  // namespace game
