// Every variable of the game, under its own name, in namespace game. The game's procedures
// take no parameters and talk to each other only through these.
//
// They live in a namespace because some names (y1, for one) are also C library functions at
// global scope; game code is written inside namespace game, where these names win.
#pragma once
#include <cstdint>

#include "game/state/game_variables_list.h"
#include "runtime/values/game_array.h"
#include "runtime/values/text_value.h"

namespace game {

#define ZOLV_DECLARE_NUMBER(name) extern double name;
#define ZOLV_DECLARE_TEXT(name) extern TextValue name;
#define ZOLV_DECLARE_NUMBER_ARRAY(name) extern NumberArray name;
#define ZOLV_DECLARE_TEXT_ARRAY(name) extern TextArray name;
#define ZOLV_DECLARE_INTEGER(name) extern int32_t name;
ZOLV_GAME_VARIABLES(ZOLV_DECLARE_NUMBER, ZOLV_DECLARE_TEXT, ZOLV_DECLARE_NUMBER_ARRAY,
                    ZOLV_DECLARE_TEXT_ARRAY, ZOLV_DECLARE_INTEGER)
#undef ZOLV_DECLARE_NUMBER
#undef ZOLV_DECLARE_TEXT
#undef ZOLV_DECLARE_NUMBER_ARRAY
#undef ZOLV_DECLARE_TEXT_ARRAY
#undef ZOLV_DECLARE_INTEGER

// Puts every variable back to its value before the main program: numbers and co 0, texts
// empty, arrays unsized. The debugger registration stays valid (the storage does not move).
void ResetGameState();

// A copy of every variable, to put the whole game state back where it was (the replay list
// starts each of its checks from the state after start-up).
struct GameStateCopy {
#define ZOLV_COPY_NUMBER(name) double name = 0;
#define ZOLV_COPY_TEXT(name) TextValue name;
#define ZOLV_COPY_NUMBER_ARRAY(name) NumberArray name;
#define ZOLV_COPY_TEXT_ARRAY(name) TextArray name;
#define ZOLV_COPY_INTEGER(name) int32_t name = 0;
    ZOLV_GAME_VARIABLES(ZOLV_COPY_NUMBER, ZOLV_COPY_TEXT, ZOLV_COPY_NUMBER_ARRAY,
                        ZOLV_COPY_TEXT_ARRAY, ZOLV_COPY_INTEGER)
#undef ZOLV_COPY_NUMBER
#undef ZOLV_COPY_TEXT
#undef ZOLV_COPY_NUMBER_ARRAY
#undef ZOLV_COPY_TEXT_ARRAY
#undef ZOLV_COPY_INTEGER
};
GameStateCopy CopyGameState();
// Every variable takes the copy's value (the storage stays where it is).
void RestoreGameState(const GameStateCopy& copy);

// How many variables of each kind the list declares.
struct GameStateCounts {
    int numbers = 0;
    int texts = 0;
    int number_arrays = 0;
    int text_arrays = 0;
    int integers = 0;
};
GameStateCounts CountGameState();

}  // namespace game
