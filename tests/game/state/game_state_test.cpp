// The game's variables: how many of each kind, their registration for the debugger, and the
// reset tests rely on.
#include "game/state/game_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/text_print.h"
#include "runtime/base/errors.h"

namespace {

TEST(GameState, DeclaresEveryVariableOfEachKind) {
    const game::GameStateCounts n = game::CountGameState();
    EXPECT_EQ(n.numbers, 219);
    EXPECT_EQ(n.texts, 49);
    EXPECT_EQ(n.number_arrays, 2);
    EXPECT_EQ(n.text_arrays, 3);
    EXPECT_EQ(n.integers, 1);
}

TEST(GameState, RegistersEachVariableOnceWithItsKindAndStorage) {
    const DebugVarTable& table = GlobalVarTable();
    ASSERT_EQ(table.count(), 274);
    std::set<std::string> names;
    for (const DebugVarEntry& e : table.entries()) {
        EXPECT_TRUE(names.insert(e.name).second) << e.name << " registered twice";
        const bool text_name = std::string(e.name).ends_with("_Str");
        if (e.kind == kVarText || e.kind == kVarTextArray)
            EXPECT_TRUE(text_name) << e.name;
        else
            EXPECT_FALSE(text_name) << e.name;
    }
    struct Expected {
        const char* name;
        int32_t kind;
        const void* address;
    };
    const Expected samples[] = {
        {"giocx", kVarNumber, &game::giocx},
        {"y1", kVarNumber, &game::y1},
        {"V006", kVarNumber, &game::V006},
        {"mappa_Str", kVarText, &game::mappa_Str},
        {"pressioni", kVarNumberArray, &game::pressioni},
        {"animfine", kVarNumberArray, &game::animfine},
        {"menu_Str", kVarTextArray, &game::menu_Str},
        {"pezzi_Str", kVarTextArray, &game::pezzi_Str},
        {"co", kVarInteger, &game::co},
    };
    for (const Expected& s : samples) {
        const DebugVarEntry* e = table.Find(s.name);
        ASSERT_NE(e, nullptr) << s.name;
        EXPECT_EQ(e->kind, s.kind) << s.name;
        EXPECT_EQ(e->address, s.address) << s.name;
    }
}

TEST(GameState, ResetReturnsEveryKindToItsStartValue) {
    game::giocx = 7;
    game::co = 0x123456;
    game::nome_Str = "ABC";
    DimArray(game::pezzi_Str, 128);
    game::pezzi_Str(3) = "xyz";
    DimArray(game::pressioni, 16);
    game::ResetGameState();
    EXPECT_EQ(game::giocx, 0);
    EXPECT_EQ(game::co, 0);
    EXPECT_TRUE(game::nome_Str.empty());
    EXPECT_FALSE(game::pezzi_Str.sized());
    EXPECT_FALSE(game::pressioni.sized());
    // The registration still points at the same storage.
    EXPECT_EQ(GlobalVarTable().Find("nome_Str")->address, &game::nome_Str);
}

TEST(GameStateDeath, UnsizedArrayIsIndexError) {
    game::ResetGameState();
    EXPECT_EXIT(game::menu_Str(0, 0) = "x", testing::ExitedWithCode(1), "");
}

}  // namespace
