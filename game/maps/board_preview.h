// A plain drawing of the current map: every cell back to front with its floor, then the
// player facing down. It shows a board before the full board renderer (glass around the
// player, animation, the rotated view) takes over.
#pragma once

namespace game {

// How far the piece of the cell last read with MappaLeggeTILE stands above its cell, in
// pixels of the 320 x 240 screen (negative: drawn higher).
double PieceRaise();

// Draws the loaded map (MappaCARICA, Margini) at the board offsets bordox, bordoy.
void DrawBoardPreview();

}  // namespace game
