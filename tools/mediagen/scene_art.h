// Sprites outside the board: the panel indicators, the four title letters, the final scene's
// saucer and rays, and the 320 x 240 title picture.
#pragma once

#include "canvas.h"

namespace mediagen::art {

void Indicator(Canvas& c, int x, int y, int index);  // 40 x 28; 0 wall, 1 overlay, 2..5 arrows
// Title letters Z, O, L, V in boxes of 64 x 122, 85 x 125, 66 x 92 and 73 x 120.
void TitleLetter(Canvas& c, int x, int y, int w, int h, char letter);
void Saucer(Canvas& c, int x, int y, int frame);      // 62 x 30
void SaucerPart(Canvas& c, int x, int y, int frame);  // 22 x 17
void Ray(Canvas& c, int x, int y, int index);         // 44 x 14
Canvas TitlePicture();

}  // namespace mediagen::art
