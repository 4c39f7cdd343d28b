// The game's text font: one 20 x 32 sprite per character from code 32 to 126, drawn from a
// 5 x 9 pixel design (7 rows plus 2 for descenders) two times wider and three times taller,
// with a dark rim.
#pragma once

#include "canvas.h"

namespace mediagen::art {

inline constexpr int kFirstChar = 32, kLastChar = 126;
void Glyph(Canvas& c, int x, int y, char ch);
// The same design at any whole scale, for the title picture and the contact sheet.
void GlyphScaled(Canvas& c, int x, int y, char ch, int scale, Rgb top, Rgb bottom, bool rim);
void GlyphScaled(Canvas& c, int x, int y, char ch, int sx, int sy, Rgb top, Rgb bottom, bool rim);
int TextWidth(const char* s, int scale);  // 6 × scale per character
void Text(Canvas& c, int x, int y, const char* s, int scale, Rgb top, Rgb bottom, bool rim);
// The runtime's own small font (its start-up line), in the same design at 1x.
Canvas SmallFont();

}  // namespace mediagen::art
