// Calling the game's parameterless procedures by name.
#include "game/flow/procedure_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/base/errors.h"

namespace {

const std::set<std::string> kAllProcedures = {"AzioniGIOCO",        "Cls",
                                              "ControlloVOLUME",    "DisegnaINFO",
                                              "DisegnaPERSONAGGIO", "DisegnaSCHEMA",
                                              "GiocatoreDATI",      "Impostazioni",
                                              "MappaCARICA",        "MappaLeggeTILE",
                                              "MappaLeggeTILE2",    "MappaModificaXY",
                                              "MappaRENDER",        "MappaSALVA",
                                              "MappaSceglie",       "Margini",
                                              "Punteggi",           "Sprite0",
                                              "SpriteMEMO",         "Tasti",
                                              "TastiAZZERA",        "TestoINTRO",
                                              "mostraschermo"};

TEST(ProcedureTable, HoldsOnlyKnownNamesInByteOrder) {
    const NamedProcedure* table = game::ProcedureTable();
    const int n = game::ProcedureCount();
    ASSERT_GE(n, 10);
    for (int i = 0; i < n; ++i) {
        EXPECT_TRUE(kAllProcedures.count(table[i].name)) << table[i].name;
        EXPECT_NE(table[i].procedure, nullptr);
        if (i > 0) {
            EXPECT_LT(std::strcmp(table[i - 1].name, table[i].name), 0) << table[i].name;
        }
    }
}

TEST(ProcedureTable, CallByNameRunsTheNamedProcedure) {
    game::ResetGameState();
    game::InstallProcedureTable();
    game::mappafissa = 0;
    game::zoom = 2;
    ASSERT_EQ(CallByName(std::string("Margini")), 1);
    EXPECT_EQ(game::bordox, -24);
    EXPECT_EQ(game::bordoy, -2);

    game::mappa_Str = std::string(256, '#');
    game::newtipo_Str = "$";
    game::giocx = 3;
    game::giocy = 1;
    ASSERT_EQ(CallByName(std::string("MappaModificaXY")), 1);
    EXPECT_EQ(CharAt(game::mappa_Str, 19), '$');

    // A two-piece table: "#" shows "$" under rotation 0.
    game::chrdiff = 35;
    DimArray(game::pezzi_Str, 128);
    game::pezzi_Str(0) = "$$$$001MA";
    game::pezzi_Str(1) = "$$$$002GX";
    game::xr = 0;
    game::yr = 0;
    game::xrR = 3;
    game::yrR = 1;
    ASSERT_EQ(CallByName(std::string("MappaLeggeTILE")), 1);
    EXPECT_EQ(game::pez, 0);
    EXPECT_EQ(game::tipo_Str, "G");
    ASSERT_EQ(CallByName(std::string("MappaLeggeTILE2")), 1);
    EXPECT_EQ(game::pezR, 1);
    EXPECT_EQ(game::tipoR2_Str, "X");
}

TEST(ProcedureTable, NamesAreCaseSensitive) {
    game::InstallProcedureTable();
    game::ResetGameState();
    game::mappafissa = 1;
    EXPECT_EQ(CallByName(std::string("margini")), 0);
    EXPECT_EQ(game::bordoy, 0);
    EXPECT_EQ(CallByName(std::string("Margini ")), 0);
}

}  // namespace
