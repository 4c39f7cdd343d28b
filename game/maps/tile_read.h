// Reading a board cell through the view rotation, and which cell each place of the drawing
// grid shows.
#pragma once

namespace game {

// Cell (xr, yr): pez the piece stored there, va the piece shown for it under `rotazione`,
// tipo_Str and tipo2_Str the kind letters of va.
void MappaLeggeTILE();
// The same for cell (xrR, yrR) into pezR, vaR, tipoR_Str, tipoR2_Str.
void MappaLeggeTILE2();

// The drawing grid for the current board mode, zoom and facing: grid size xym, columns xm1
// to xm2 by xms (backwards when the player faces right, so nearer sprites come last), and
// the window rx0..rx1, ry0..ry1 of board cells it covers (around the player on a scrolling
// board).
void SetViewWindow();
// The board cell shown at grid place (xm, ym) under `rotazione`, into xr, yr. False when
// that cell lies off the board. A rotation outside 0 to 3 leaves xr, yr as they were.
bool GridCell(double xm, double ym);

}  // namespace game
