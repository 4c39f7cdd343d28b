// Start-up settings and map saving with the real window: the whole of Impostazioni on a
// small media folder, on the shipped set, the missing-folder stop, saving a map, and the
// procedures that need a screen called by name.
#include <gtest/gtest.h>

#include <string>

#include "game/flow/procedure_table.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/media_folder.h"
#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/keyboard.h"
#include "runtime/values/line_file.h"
#include "screen_test_support.h"

namespace {

using game_test::CrLfLines;

// Enter held for two keyboard refreshes and let go for two, over and over, so a key wait sees
// a fresh press however many refreshes come before it.
void ScriptOneKeyPress() {
    std::vector<std::vector<ScriptedKey>> steps;
    for (int i = 0; i < 10; ++i) {
        steps.push_back({{kKeyEnter, true}});
        steps.push_back({});
        steps.push_back({{kKeyEnter, false}});
        steps.push_back({});
    }
    PlatformSetKeyScript(steps);
}

class ScreenMedia : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        game_test::StartEngine();
        InMediaFolder::SetUp();
    }
    void CopyFixture(const std::string& name) {
        const std::string from =
            std::string(ZOLV_SOURCE_DIR) + "/tests/game/fixtures/Media/" + name;
        WriteMedia(name, ReadWholeFile(from));
    }
};

TEST_F(ScreenMedia, SettingsOnASmallMediaFolder) {
    for (const char* name : {"Zolv-dat1.txt", "Zolv-dat2.txt", "Zolv-tiny.bmp"}) CopyFixture(name);
    WriteMedia("Zolv-gioc.txt", CrLfLines({"BOB", "", "", "1"}));
    game::volumemax = 7;
    game::Impostazioni();

    EXPECT_EQ(game::nome_Str, "BOB");
    EXPECT_EQ(game::suoni, 0) << "line 3 of the player file is 1";
    EXPECT_EQ(game::vetri, 1);
    EXPECT_EQ(game::ttmenu, 2);
    EXPECT_EQ(game::menu_Str(2, 1), "EXIT");
    // Floor "#", wall "$" and start "%" cut from the sheet's first row, the font after them.
    EXPECT_EQ(game::pezzi_Str(0), "####001 P");
    EXPECT_EQ(game::pezzi_Str(1), "$$$$002M.");
    EXPECT_EQ(game::chsotto, 0);
    EXPECT_EQ(game::chgioca, 2);
    EXPECT_EQ(game::chchr, 4);
    EXPECT_EQ(game::spr, 7);
    double w = 0, h = 0;
    SpriteSize(2, w, h);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 28);
    // The second file is read after the first ended with "fine!".
    EXPECT_EQ(game::mapset_Str, "tiny");
    EXPECT_EQ(game::coloresfondo, 33023);
    // stereo 2 in the second file leaves volumemax as it was.
    EXPECT_EQ(game::stereo, 2);
    EXPECT_EQ(game::volumemax, 7);
    EXPECT_EQ(game::volumebase, 7);
    EXPECT_EQ(game::turbo, 0);
    EXPECT_EQ(game::ogni, 4);
    EXPECT_TRUE(game::info_Str.empty());
    EXPECT_EQ(game::bordox, 24) << "Margini ran for a scrolling board";
    EXPECT_EQ(game::bordoy, 38);
}

TEST_F(ScreenMedia, ShippedSettingsLoad) {
    if (!game_test::ShippedMediaPresent()) GTEST_SKIP() << "media set not in this tree";
    CopyShippedMedia();
    game::Impostazioni();
    EXPECT_GT(game::spr, 100);
    EXPECT_GT(game::chchr, 0);
    EXPECT_GE(game::ttmenu, 1);
    EXPECT_EQ(game::volumemax, 1.5);
    EXPECT_EQ(game::suoni, 1);
    // Every role names a piece with an entry, and the font covers codes 32 to 126.
    for (double role : {game::chgioca, game::chsotto, game::chvuoto, game::chuovo, game::chuovo2,
                        game::chghibuco, game::chcabin}) {
        EXPECT_GE(Len(game::pezzi_Str(role)), 9) << "piece " << role;
    }
    double w = 0, h = 0;
    SpriteSize(game::chchr + ('~' - 32), w, h);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 32);

    // Every board of the shipped set is whole, has its start and something to collect, and
    // every cell names a piece of the table.
    ASSERT_GE(game::mapmax, 1);
    for (game::map = 0; game::map <= game::mapmax; ++game::map) {
        game::giocx = -1;
        game::MappaCARICA();
        EXPECT_EQ(Len(game::mappa_Str), 256) << "map " << game::map;
        EXPECT_GE(game::giocx, 0) << "map " << game::map << " has no start";
        EXPECT_GT(game::uova + game::uova2, 0) << "map " << game::map;
        for (int cell = 0; cell < Len(game::mappa_Str); ++cell) {
            const int piece = CharAt(game::mappa_Str, cell) - 35;
            ASSERT_TRUE(piece >= 0 && piece < 128 && !game::pezzi_Str(piece).empty())
                << "map " << game::map << " cell " << cell;
        }
    }
}

TEST_F(ScreenMedia, SavingMapThreeOfATwoLineFile) {
    WriteMedia("Zolv-sch1-mappe.txt", CrLfLines({std::string(256, '#'), std::string(256, '$')}));
    game::SetSettingsDefaults();
    game::map = 3;
    game::mappa_Str = std::string(255, '%') + "&";
    ScriptOneKeyPress();
    game::MappaSALVA();
    FlushLineFile();
    EXPECT_EQ(
        ReadMedia("Zolv-sch1-mappe.txt"),
        CrLfLines({std::string(256, '#'), std::string(256, '$'), "", std::string(255, '%') + "&"}));
    EXPECT_GE(PlatformKeyScriptStepsUsed(), 2) << "waited for the key";
}

TEST_F(ScreenMedia, ProceduresNeedingTheScreenByName) {
    game::InstallProcedureTable();
    CopyFixture("Zolv-dat1.txt");
    CopyFixture("Zolv-dat2.txt");
    CopyFixture("Zolv-tiny.bmp");
    ASSERT_EQ(CallByName(std::string("Impostazioni")), 1);
    EXPECT_EQ(game::chchr, 4);

    game::coloresfondo = 0x00FF00;
    ASSERT_EQ(CallByName(std::string("Cls")), 1);
    EXPECT_EQ(game_test::ScreenPixel(5, 5), 0x00FF00u);

    game::nspr = 2;
    const double before = game::spr;
    ASSERT_EQ(CallByName(std::string("SpriteMEMO")), 1);
    EXPECT_EQ(game::spr, before + 2);

    game::tasvol2 = 2;
    ASSERT_EQ(CallByName(std::string("mostraschermo")), 1);
    EXPECT_EQ(game::tasvol2, 1);

    WriteMedia("Zolv-tiny-mappe.txt", CrLfLines({std::string(20, '#') + "%"}));
    ASSERT_EQ(CallByName(std::string("MappaCARICA")), 1);
    EXPECT_EQ(game::giocx, 4);
    EXPECT_EQ(game::giocy, 1);

    ScriptOneKeyPress();
    ASSERT_EQ(CallByName(std::string("MappaSALVA")), 1);
    FlushLineFile();
    // The short line was made up to a whole board when it loaded.
    EXPECT_EQ(ReadMedia("Zolv-tiny-mappe.txt"), CrLfLines({std::string(256, '#')}));
}

}  // namespace
