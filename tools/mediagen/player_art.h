// Zolv, the player character: a small green visitor with one big eye and an antenna.
// Sprites are 20 x 28, drawn 14 pixels above the cell, so the ground face starts at row 14.
#pragma once

#include "canvas.h"

namespace mediagen::art {

inline constexpr int kPlayerFrames = 43;
// frame: 0..31 walking (facing × 8 + step), 33..35 spinning, 36..38 dancing, 40..42 blinking.
void Player(Canvas& c, int x, int y, int frame);
// Zolv's partner in the final scene: 20 x 22, frames 0..7.
void Partner(Canvas& c, int x, int y, int frame);

}  // namespace mediagen::art
