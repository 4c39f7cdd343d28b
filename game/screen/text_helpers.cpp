// Text in the game's sprite font and zero-padded numbers.
#include "game/screen/local_vars.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"

namespace game {

namespace {
// Codes passed as x: centre the text on the screen, or end it at the right edge.
constexpr double kCentred = 888;
constexpr double kRightAligned = 999;
}  // namespace

double TextStartX(double x, int length, double zo) {
    if (x == kRightAligned) return 316 - (length + 1) * zo;
    if (x == kCentred) return 160 - (length + 1) * zo * 0.5;
    return x;
}

double ScriveTESTO(TextValue testo_Str, double x, double y, double zo, double st) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Text("testo_Str", testo_Str).Number("x", x).Number("y", y).Number("zo", zo);
    locals.Number("st", st);
    locals.Note();
    const int length = Len(testo_Str);
    x = TextStartX(x, length, zo);
    // The font has one sprite per character from code 32 on, the first being chchr. A control
    // character (a tab in a text file) has no sprite: it keeps its place but draws nothing, so
    // it can never name a sprite below the font or outside the sprite table.
    for (int t = 0; t < length; ++t) {
        const int code = CharAt(testo_Str, t);
        if (code >= 32) {
            ch = code + chchr - 32;
            DrawSpriteZoomed(static_cast<int>(ch), static_cast<int>(x), static_cast<int>(y), st,
                             st);
        }
        x = x + zo;
    }
    return 0;
}

TextValue FormattaNUMERO(double numero, double cifre) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("numero", numero).Number("cifre", cifre);
    locals.Note();
    n_Str = NumberToText(numero);
    m_Str = "";
    for (int zeros = static_cast<int>(cifre) - Len(n_Str); zeros >= 1; --zeros) m_Str += "0";
    return m_Str + NumberToText(numero);
}

}  // namespace game
