// Bitmap fonts: 32 font slots of 16 columns of equal cells each, and text drawing with them.
#pragma once
#include <string_view>

// Makes f (0 to 31) the current font and loads a BMP or PNG picture into it; pixels of the
// key colour turn transparent. A file that is missing or unreadable gives the built-in font.
void LoadFont(std::string_view file, int f);
// Current font = f limited to 0 .. 31.
void SetFont(int f);
int CurrentFont();
// Cell size of the current font in pixels.
void FontCharSize(double& width, double& height);
// Draws the text with the current font, top-left of the first cell at (x, y); no line breaks.
void PrintText(std::string_view text, double x, double y);
// Draws the number as the game writes numbers (10 significant digits, whole numbers bare).
void PrintNumber(double value, double x, double y);
