// The map editor: a mode of the play loop in which the player's cell is a cursor. The loop
// reads the keys as in play and hands them to the editor; the editor changes only mappa_Str
// in memory until the map is saved.
#pragma once
#include <optional>

#include "game/state/entry_point.h"

namespace game {

// The editor's keys of one input frame, in their order: Select+Start back to the menu, B with
// a direction shifts the board, X picks the piece under the cursor, Y puts the chosen one (Y
// with Start saves), A with a direction steps the choice, Select with a direction chooses
// another map. `keys_read` says the keys were read this frame. Returns where the main
// program goes next when the frame ends here; empty when the frame goes on (the cursor moves
// later in the frame).
std::optional<EntryPoint> EditorKeys(bool keys_read);
// Test play opened the editor with Select+Start: those keys leave it again only once they
// have been let go.
void EditorEnteredWithSelectStart();
// The cursor follows the held direction within the board, unless A is held (A steps the
// choice instead).
void EditorCursorMove();

// The cursor box over the cell (zxp, zyp), its colour cycling with the frame counter.
void DrawEditorCursor();
// The 13 pieces from `scelta` along the bottom edge, the chosen one in the middle with its
// cell character blinking above it; the chosen one also on its own above the row's right end
// (the left end while the cursor is there), with its name in the player's language, unless a
// notice stands there.
void DrawPieceRow();

// Moves `map` one step of the map grid (ten wide) in the held direction, within 0 to
// `mapgioc`: the highest map reached, or every map of the set in test play.
void MappaSceglie();

}  // namespace game
