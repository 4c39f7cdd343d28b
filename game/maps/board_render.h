// Drawing the board in play and in the editor: the slanted board back to front with the
// player between its layers, the information panel over it, and the still picture of a map
// for the level preview.
#pragma once

namespace game {

// One whole picture of the board: background, cells, player, panel (outside menus), turned
// by `video` degrees through off-screen target 0 when `video` is above 0.
void MappaRENDER();
// Every visible cell of the board, back row first, with the player drawn at its depth.
void DisegnaSCHEMA();
// Loads map `map` and leaves its picture (without the panel) in sprite 0, 320 x 240.
void Sprite0();

// The player at its cell, when the renderer is drawing that cell (xr, yr). Also where the
// level-end counter finelivello grows while the player stands on an exit.
void DisegnaPERSONAGGIO();
// The information panel: mask, wall indicator, level, eggs and chicks, time, points, steps,
// the replay and recording marks and the test-play frame.
void DisegnaINFO();

}  // namespace game
