// Board pieces. A piece sprite is drawn with its top-left at the cell's screen position raised by
// its kind's offset, so every function takes g, the sprite row where the cell's 20 x 12 ground face
// starts (0 for pieces drawn level with the board, 16 for walls, 8 for eggs and so on).
#pragma once

#include "canvas.h"

namespace mediagen::art {

// Ground level (sprite 20 x 16: a 12-row face and a 4-row front edge).
void Floor(Canvas& c, int x, int y, int g = 0);
void Water(Canvas& c, int x, int y);
void Hole(Canvas& c, int x, int y);
void TakenMark(Canvas& c, int x, int y);  // where a pickup was
void Shells(Canvas& c, int x, int y);     // where a chick sat
void Flowers(Canvas& c, int x, int y, int variant);
void Star(Canvas& c, int x, int y);  // the special pickup (second letter U, first V), g = 12
void Ice(Canvas& c, int x, int y, int frame);  // 0, 1 bob; 1..7 sinking
void Slide(Canvas& c, int x, int y, int dir, int frame);
void Exit(Canvas& c, int x, int y, int state);
void Switch(Canvas& c, int x, int y, Rgb colour);  // drawn over the floor
void BarrierDown(Canvas& c, int x, int y, Rgb colour);
void GateOpen(Canvas& c, int x, int y);
void CabinBase(Canvas& c, int x, int y, int kind);

// Raised pieces.
void Wall(Canvas& c, int x, int y, int variant);      // g = 16; 0 plain, 1 window, 2 mossy
void Brazier(Canvas& c, int x, int y, int frame);     // g = 10, three flame frames
void GlassBlock(Canvas& c, int x, int y);             // g = 20, sprite 32 tall
void BarrierUp(Canvas& c, int x, int y, Rgb colour);  // g = 12
void GateClosed(Canvas& c, int x, int y);             // g = 12
void Rock(Canvas& c, int x, int y);                   // g = 12
void Egg(Canvas& c, int x, int y);                    // g = 8
void Chick(Canvas& c, int x, int y, int pose);        // g = 8; 0..3 standing, 4..7 walking
void Gem(Canvas& c, int x, int y);                    // g = 12
void Bush(Canvas& c, int x, int y, int frame);        // g = 8
void Hen(Canvas& c, int x, int y, int frame);         // g = 8
void CabinPane(Canvas& c, int x, int y, int pane);    // g = 13; panes 1..6

}  // namespace mediagen::art
