// The helpers every screen uses: presenting the frame, clearing it, text in the sprite font,
// padded numbers, piece sprites, positioned sound effects and the small value helpers of the
// board. Their parameters are locals of the call; everything else they touch is game state.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

// Presents the finished frame with the old-television lines and the volume bar on top.
double mostraschermo();
// Fills the whole 320 x 240 screen with the background colour.
double Cls();

// Text in the sprite font from x, y, `zo` pixels per character, sprites scaled by `st`.
// x 888 centres the text on the screen, x 999 aligns it to the right edge.
double ScriveTESTO(TextValue testo_Str, double x, double y, double zo, double st);
// `numero` as text with leading zeros up to `cifre` digits (never cut): (7, 3) gives "007".
TextValue FormattaNUMERO(double numero, double cifre);
// First sprite number of piece `valore` (characters 4 to 6 of its table entry).
double SpritePEZZO(double valore);
// Plays sound slot `numero` panned and faded by the player's screen position. With
// `aspetta` 1 the effect plays only about once in lfps + 1 calls (idle sounds).
double SuonaEFFETTO(double numero, double aspetta);
// Wraps `variabile` into mi .. ma by at most one correction of ma + 1 each way.
double AvvolgiVALORE(double variabile, double mi, double ma);
// Step of direction `valore` (0 up, 1 right, 2 down, 3 left): x step for `pos` 0, y for 2.
double DirezioneXY(double valore, double pos);
// Draws board sprite `numero` at board position (zxs, zys) raised by `zydiff`, with blend
// value `alfamode`, zoomed on a scrolling board and skipped when wholly off screen.
double DisegnaTILE(double alfamode, double numero, double zxs, double zys, double zydiff);

// Pan (-1 left .. 1 right) and volume an effect gets with the player drawn at (zxp, zyp)
// on the 320 x 240 screen: centred and loudest at x 150, y 180.
struct EffectPlacement {
    double pan;
    double volume;
};
EffectPlacement PlaceEffect(double zxp, double zyp, double volumebase, double stereo);

// Left edge of a text of `length` characters drawn from x at `zo` pixels per character,
// after the 888 (centre) and 999 (right edge) codes.
double TextStartX(double x, int length, double zo);

}  // namespace game
