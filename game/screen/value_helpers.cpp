// Small value helpers of the board: piece sprites, wrapping and direction steps.
#include "game/screen/local_vars.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"

namespace game {

namespace {
// Two characters per step, x then y, for directions 0 up, 1 right, 2 down, 3 left.
constexpr const char* kDirectionSteps = " 0-1 1 0 0 1-1 0";
// Characters 4 to 6 of a piece-table entry hold its first sprite number.
constexpr int kSpriteDigits = 4;
}  // namespace

double SpritePEZZO(double valore) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("valore", valore);
    locals.Note();
    AssignSubstring(numero_Str, pezzi_Str(valore), kSpriteDigits, 3);
    return TextToNumber(numero_Str);
}

double AvvolgiVALORE(double variabile, double mi, double ma) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("variabile", variabile).Number("mi", mi).Number("ma", ma);
    locals.Note();
    if (variabile > ma) variabile = variabile - (ma + 1);
    if (variabile < mi) variabile = variabile + (ma + 1);
    return variabile;
}

double DirezioneXY(double valore, double pos) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("valore", valore).Number("pos", pos);
    locals.Note();
    // A direction past 3 reads past the table: the empty text, so a step of 0.
    game::numero = TextToInteger(Substring(kDirectionSteps, static_cast<int>(4 * valore + pos), 2));
    return game::numero;
}

}  // namespace game
