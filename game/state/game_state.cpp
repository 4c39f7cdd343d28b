#include "game/state/game_state.h"

#include "runtime/base/errors.h"

namespace game {

#define ZOLV_DEFINE_NUMBER(name) double name = 0;
#define ZOLV_DEFINE_TEXT(name) TextValue name;
#define ZOLV_DEFINE_NUMBER_ARRAY(name) NumberArray name;
#define ZOLV_DEFINE_TEXT_ARRAY(name) TextArray name;
#define ZOLV_DEFINE_INTEGER(name) int32_t name = 0;
ZOLV_GAME_VARIABLES(ZOLV_DEFINE_NUMBER, ZOLV_DEFINE_TEXT, ZOLV_DEFINE_NUMBER_ARRAY,
                    ZOLV_DEFINE_TEXT_ARRAY, ZOLV_DEFINE_INTEGER)

void ResetGameState() {
#define ZOLV_RESET_NUMBER(name) name = 0;
#define ZOLV_RESET_TEXT(name) name.Clear();
#define ZOLV_RESET_ARRAY(name) name = decltype(name){};
#define ZOLV_RESET_INTEGER(name) name = 0;
    ZOLV_GAME_VARIABLES(ZOLV_RESET_NUMBER, ZOLV_RESET_TEXT, ZOLV_RESET_ARRAY, ZOLV_RESET_ARRAY,
                        ZOLV_RESET_INTEGER)
}

GameStateCopy CopyGameState() {
    GameStateCopy copy;
#define ZOLV_COPY_OUT(name) copy.name = name;
    ZOLV_GAME_VARIABLES(ZOLV_COPY_OUT, ZOLV_COPY_OUT, ZOLV_COPY_OUT, ZOLV_COPY_OUT, ZOLV_COPY_OUT)
    return copy;
}

void RestoreGameState(const GameStateCopy& copy) {
#define ZOLV_COPY_IN(name) name = copy.name;
    ZOLV_GAME_VARIABLES(ZOLV_COPY_IN, ZOLV_COPY_IN, ZOLV_COPY_IN, ZOLV_COPY_IN, ZOLV_COPY_IN)
}

GameStateCounts CountGameState() {
    GameStateCounts n;
#define ZOLV_COUNT_NUMBER(name) ++n.numbers;
#define ZOLV_COUNT_TEXT(name) ++n.texts;
#define ZOLV_COUNT_NUMBER_ARRAY(name) ++n.number_arrays;
#define ZOLV_COUNT_TEXT_ARRAY(name) ++n.text_arrays;
#define ZOLV_COUNT_INTEGER(name) ++n.integers;
    ZOLV_GAME_VARIABLES(ZOLV_COUNT_NUMBER, ZOLV_COUNT_TEXT, ZOLV_COUNT_NUMBER_ARRAY,
                        ZOLV_COUNT_TEXT_ARRAY, ZOLV_COUNT_INTEGER)
    return n;
}

namespace {

// Registers every variable with the debugger's global table during static initialisation,
// so the table is complete before the program entry runs. The variables above are defined
// earlier in this file, so they exist by then.
struct GlobalRegistration {
    GlobalRegistration() {
        DebugVarTable& table = GlobalVarTable();
#define ZOLV_REGISTER(kind) \
    [&](const char* name, void* address) { table.Register(name, kind, address); }
        const auto number = ZOLV_REGISTER(kVarNumber);
        const auto text = ZOLV_REGISTER(kVarText);
        const auto number_array = ZOLV_REGISTER(kVarNumberArray);
        const auto text_array = ZOLV_REGISTER(kVarTextArray);
        const auto integer = ZOLV_REGISTER(kVarInteger);
#define ZOLV_REGISTER_NUMBER(name) number(#name, &name);
#define ZOLV_REGISTER_TEXT(name) text(#name, &name);
#define ZOLV_REGISTER_NUMBER_ARRAY(name) number_array(#name, &name);
#define ZOLV_REGISTER_TEXT_ARRAY(name) text_array(#name, &name);
#define ZOLV_REGISTER_INTEGER(name) integer(#name, &name);
        ZOLV_GAME_VARIABLES(ZOLV_REGISTER_NUMBER, ZOLV_REGISTER_TEXT, ZOLV_REGISTER_NUMBER_ARRAY,
                            ZOLV_REGISTER_TEXT_ARRAY, ZOLV_REGISTER_INTEGER)
    }
};
const GlobalRegistration g_registration;

}  // namespace

}  // namespace game
