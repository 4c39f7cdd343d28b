// Settings directives that need no screen: defaults, file ends, roles, texts, keys, switches
// and the player's preferences.
#include "game/maps/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "game/maps/media_check.h"
#include "game/media_folder.h"
#include "game/state/game_state.h"
#include "game/text_print.h"

namespace {

using game_test::CrLfLines;

// "=" + command + type + value + information, each field padded to its columns.
std::string Directive(const std::string& command, const std::string& type = "",
                      const std::string& value = "", const std::string& info = "") {
    auto pad = [](std::string s, size_t n) {
        s.resize(n, ' ');
        return s;
    };
    return "=" + pad(command, 5) + " " + pad(type, 4) + " " + pad(value, 2) + " " + info;
}

class Settings : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        game::SetSettingsDefaults();
        DimArray(game::pezzi_Str, 128);
        DimArray(game::pressioni, 16);
        DimArray(game::menu_Str, 16, 2);
        DimArray(game::testi_Str, 16, 2);
    }
    bool Apply(const std::string& line) { return game::ApplySettingsLine(TextValue(line)); }
    void WriteSettings(int digit, const std::vector<std::string>& lines) {
        WriteMedia("Zolv-dat" + std::to_string(digit) + ".txt", CrLfLines(lines));
    }
};

TEST_F(Settings, DefaultsBeforeAnyFile) {
    game::ResetGameState();
    game::SetSettingsDefaults();
    EXPECT_EQ(game::troppipassi, 1280);
    EXPECT_EQ(game::pochipunti, -999);
    EXPECT_EQ(game::troppotempo, 899);
    EXPECT_EQ(game::lingua, 1);
    EXPECT_EQ(game::suoni, 1);
    EXPECT_EQ(game::stereo, 1);
    EXPECT_EQ(game::trasparenza, -0.25);
    EXPECT_EQ(game::ogni, 4);
    EXPECT_EQ(game::ttmenu, -1);
    EXPECT_EQ(game::sceltamenu, -1);
    EXPECT_EQ(game::map3, -1);
    EXPECT_EQ(game::movimento, -1);
    EXPECT_EQ(game::scivolo, -1);
    EXPECT_EQ(game::tasdir, -1);
    EXPECT_EQ(game::giocdir, 2);
    EXPECT_EQ(game::fattorex, 2.5);
    EXPECT_EQ(game::fattorey, 1.5);
    EXPECT_EQ(game::chrdiff, 35);
    EXPECT_EQ(game::mapmax, 99);
    EXPECT_EQ(game::sx, 20);
    EXPECT_EQ(game::sy, 0);
    EXPECT_EQ(game::spr, 1);
    EXPECT_EQ(game::zoom, 1);
    EXPECT_EQ(game::null_Str, "Ruto_Software");
    EXPECT_EQ(game::mapset_Str, "sch1");
    EXPECT_EQ(game::estgfx_Str, "bmp");
    EXPECT_EQ(game::estsfx_Str, "wav");
    EXPECT_EQ(game::estdoc_Str, "txt");
    EXPECT_EQ(game::filegioc_Str, "Media/Zolv-gioc.txt");
    EXPECT_EQ(game::SettingsFileName(2), "Media/Zolv-dat2.txt");
}

TEST_F(Settings, FineEndsTheFileInAnyCaseButNotWithABlank) {
    WriteSettings(1,
                  {"title line, never read", Directive("MENUT", "", "05"), Directive("FINE "),
                   Directive("MENUT", "", "06"), Directive("fine!"), Directive("MENUT", "", "07")});
    WriteSettings(2, {"", "not a directive", Directive("MAPPE", "abcd", "12")});
    game::ReadSettingsFile(1);
    EXPECT_EQ(game::ttmenu, 6);
    game::ReadSettingsFile(2);
    EXPECT_EQ(game::mapset_Str, "abcd");
    EXPECT_EQ(game::mapmax, 12);
}

TEST_F(Settings, LineZeroIsNeverRead) {
    WriteSettings(1, {Directive("MENUT", "", "09")});
    game::ReadSettingsFile(1);
    EXPECT_EQ(game::ttmenu, -1);
}

TEST_F(Settings, SpritGivesRoleToThePieceOfTheDirectiveBefore) {
    // First directive of all: the piece is whatever tipochr was before reading (0).
    EXPECT_TRUE(Apply(Directive("SPRIT", "SOTT")));
    EXPECT_EQ(game::chsotto, 0);
    Apply(Directive("ANISC", "K   "));
    Apply(Directive("SPRIT", "GIOC"));
    EXPECT_EQ(game::chgioca, 'K' - 35);
    // The SPRIT line itself moved tipochr on to its own type field, "G".
    Apply(Directive("SPRIT", "UOVO"));
    EXPECT_EQ(game::chuovo, 'G' - 35);
    for (const char* role : {"CABI", "VUOT", "GHIA", "PULC", "UFOS", "WIFE", "RAGG"}) {
        Apply(Directive("XXXXX", "N   "));
        Apply(Directive("SPRIT", role));
    }
    EXPECT_EQ(game::chcabin, 'N' - 35);
    EXPECT_EQ(game::chraggio, 'N' - 35);
    EXPECT_EQ(game::chuovo2, 'N' - 35);
}

TEST_F(Settings, BackgroundColourFromThreeComponents) {
    Apply(Directive("SETTA", "SFON", "00", "255 128 000"));
    EXPECT_EQ(game::coloresfondo, 33023);
    // Each component keeps its low 8 bits.
    Apply(Directive("SETTA", "SFON", "00", "256 001 300"));
    EXPECT_EQ(game::coloresfondo, 0 + 1 * 256 + 44 * 65536);
}

TEST_F(Settings, SwitchesByTypeField) {
    Apply(Directive("setta", "TVTV", "40"));
    Apply(Directive("SETTA", "LFPS", "25"));
    Apply(Directive("SETTA", "VIDE", "03"));
    Apply(Directive("SETTA", "TRAS", "30"));
    Apply(Directive("SETTA", "SCIV", "50"));
    Apply(Directive("SETTA", "ESCE", "1 "));
    Apply(Directive("SETTA", "tvtv", "99"));  // type fields keep their case
    EXPECT_EQ(game::vecchiatv, 40);
    EXPECT_EQ(game::lfps, 25);
    EXPECT_EQ(game::video, 30);
    EXPECT_EQ(game::trasparenza, -0.3);
    EXPECT_EQ(game::traspscivolo, -0.5);
    EXPECT_EQ(game::t, 50);
    EXPECT_EQ(game::esce, 0);
    Apply(Directive("SETTA", "ESCE", "01"));
    EXPECT_EQ(game::esce, 1);

    Apply(Directive("SETTA", "NULL", "k7"));
    Apply(Directive("SETTA", "TEST", "k7"));
    Apply(Directive("SETTA", "EDIT", "K7"));
    EXPECT_EQ(game::prova, 1);
    EXPECT_EQ(game::editor, 0);

    Apply(Directive("SETTA", "VETR", "SI"));
    EXPECT_EQ(game::vetri, 1);
    Apply(Directive("SETTA", "VETR", "si"));
    EXPECT_EQ(game::vetri, 0);

    Apply(Directive("SETTA", "DEMO", "00", "1122334"));
    EXPECT_EQ(game::demo_Str, "1122334");
}

TEST_F(Settings, MenuTextsKeysAndAnimationFrames) {
    Apply(Directive("MENU0", "", "03", "GIOCA"));
    Apply(Directive("MENU1", "", "03", "PLAY"));
    Apply(Directive("INFO1", "", "15", "STEPS"));
    EXPECT_EQ(game::menu_Str(3, 0), "GIOCA");
    EXPECT_EQ(game::menu_Str(3, 1), "PLAY");
    EXPECT_EQ(game::testi_Str(15, 1), "STEPS");

    Apply(Directive("TASTI", "WXYZ"));
    EXPECT_EQ(game::rotaz_Str, "WXYZWXYZ");
    Apply(Directive("TASGP", "200", "LL"));
    Apply(Directive("TASCE", "57", "ST"));
    Apply(Directive("TASGP", "99", "QQ"));
    EXPECT_EQ(game::pressioni(4), 200);
    EXPECT_EQ(game::pressioni(15), 57);

    game::pezzi_Str('G' - 35) = "GGGG012G0";
    Apply(Directive("ANISC", "GHIJ"));
    Apply(Directive("ANISC", "GKLM"));
    EXPECT_EQ(game::pezzi_Str('G' - 35), "GGGG012G0GHIJGKLM");
}

TEST_F(Settings, CellSizeRows) {
    game::spr = 40;
    game::ysp = 77;
    Apply(Directive("ALTEZ", "", "12"));
    EXPECT_EQ(game::sx, 20);
    EXPECT_EQ(game::sy, 12);
    EXPECT_EQ(game::xsp, 1);
    EXPECT_EQ(game::ysp, 77);
    Apply(Directive("ALTEZ", "", "99"));
    EXPECT_EQ(game::sx, 40);
    EXPECT_EQ(game::sy, 28);
    EXPECT_EQ(game::chvarie, 40);
    Apply(Directive("ALTEZ", "", "88"));
    EXPECT_EQ(game::sy, 32);
    EXPECT_EQ(game::chchr, 40);
    Apply(Directive("ALTEZ", "", "cc"));
    EXPECT_EQ(game::sx, 66);
    EXPECT_EQ(game::xsp, 152);
    EXPECT_EQ(game::ysp, 77);
    Apply(Directive("ALTEZ", "", "CC"));  // not a row: a 20 x 0 cell
    EXPECT_EQ(game::sx, 20);
    EXPECT_EQ(game::sy, 0);
    Apply(Directive("ALTEZ", "", "TT"));
    EXPECT_EQ(game::ysp, 1);
    EXPECT_EQ(game::chtitolo, 40);
    Apply(Directive("ALTEZ", "", "R1"));
    EXPECT_EQ(game::sx, 44);
    EXPECT_EQ(game::ysp, 180);
    EXPECT_EQ(game::chraggio, 40);
    Apply(Directive("ALTEZ", "", "UF"));
    EXPECT_EQ(game::chufo, 40);
    EXPECT_EQ(game::ysp, 126);
}

TEST_F(Settings, PlayerFileStoresSwitchesInverted) {
    WriteMedia("Zolv-gioc.txt", CrLfLines({"ZED", "aa", "bb", "1", "0", "1", "1", "1"}));
    game::ReadPlayerName();
    game::ReadPlayerPreferences();
    EXPECT_EQ(game::nome_Str, "ZED");
    EXPECT_EQ(game::suoni, 0);
    EXPECT_EQ(game::mostramuri, 1);
    EXPECT_EQ(game::vetri, 0);
    EXPECT_EQ(game::turbo, 1);
    EXPECT_EQ(game::lingua, 0);
}

TEST_F(Settings, MissingPlayerFileMeansEverythingOn) {
    game::suoni = 0;
    game::lingua = 0;
    game::ReadPlayerName();
    game::ReadPlayerPreferences();
    EXPECT_EQ(game::nome_Str, "PL1");
    EXPECT_EQ(game::suoni, 1);
    EXPECT_EQ(game::mostramuri, 1);
    EXPECT_EQ(game::vetri, 1);
    EXPECT_EQ(game::lingua, 1);
    EXPECT_EQ(game::turbo, 0);
}

TEST_F(Settings, PlayerFileValuesOutsideTheirRangeCountAsOn) {
    // Language 2 and turbo 3 would index past the text tables and make a glide worth more.
    WriteMedia("Zolv-gioc.txt", CrLfLines({"ZED", "B", "C", "7", "-1", "0.5", "3", "-1"}));
    game::ReadPlayerPreferences();
    EXPECT_EQ(game::suoni, 1);
    EXPECT_EQ(game::mostramuri, 1);
    EXPECT_EQ(game::vetri, 1);
    EXPECT_EQ(game::turbo, 1);
    EXPECT_EQ(game::lingua, 1);
}

TEST_F(Settings, ProgressStaysWithinTheSet) {
    game::mapmax = 18;
    game::GiocatoreDATI();
    EXPECT_EQ(game::map2, 0) << "no player file";
    FlushLineFile();
    WriteMedia("Zolv-gioc.txt", CrLfLines({"ZED", "B", "C"}));
    game::GiocatoreDATI();
    EXPECT_EQ(game::map2, 12);
    FlushLineFile();
    WriteMedia("Zolv-gioc.txt", CrLfLines({"ZED", "Z", "Z"}));
    game::GiocatoreDATI();
    EXPECT_EQ(game::map2, 18);
    FlushLineFile();
    WriteMedia("Zolv-gioc.txt", CrLfLines({"ZED", "0", "A"}));
    game::GiocatoreDATI();
    EXPECT_EQ(game::map2, 0);
}

TEST_F(Settings, MissingFrameRateCountsAsSixty) {
    WriteSettings(1, {"", Directive("PEZZO", "AAAA", "00"), Directive("fine!")});
    WriteSettings(2, {"", Directive("MENUT", "", "00"), Directive("TASGP", "0001", "AA")});
    game::Impostazioni();
    EXPECT_EQ(game::lfps, 60);
}

TEST_F(Settings, ShortPlayerNameFallsBackToDefault) {
    WriteMedia("Zolv-gioc.txt", CrLfLines({"AB"}));
    game::ReadPlayerName();
    EXPECT_EQ(game::nome_Str, "PL1");
}

TEST_F(Settings, ValuesOutsideTheTablesAreRefusedNamingTheLine) {
    WriteSettings(
        2, {"title", "comment", Directive("MENUT", "", "99"), Directive("MENU0", "", "16", "X"),
            Directive("INFO1", "", "99", "Y"), Directive("MENU1", "", "15", "LAST")});
    testing::internal::CaptureStderr();
    game::ReadSettingsFile(2);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(game::ttmenu, -1);
    EXPECT_EQ(game::menu_Str(15, 1), "LAST");
    EXPECT_NE(said.find("Media/Zolv-dat2.txt line 3: =MENUT"), std::string::npos) << said;
    EXPECT_NE(said.find("line 4: =MENU0"), std::string::npos) << said;
    EXPECT_NE(said.find("line 5: =INFO1"), std::string::npos) << said;
    EXPECT_EQ(said.find("line 6"), std::string::npos) << said;
}

TEST_F(Settings, PieceOutsideThePieceTableIsRefusedAndGetsNoRole) {
    game::chgioca = 7;
    testing::internal::CaptureStderr();
    // Type character 0xFF is piece 220 of a table of 128; "#" is piece 0.
    EXPECT_TRUE(Apply(Directive("ANISC", "\xff   ")));
    EXPECT_TRUE(Apply(Directive("SPRIT", "GIOC")));
    EXPECT_TRUE(Apply(Directive("ANISC", "#   ")));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("=ANISC refused: piece 220"), std::string::npos) << said;
    EXPECT_EQ(game::chgioca, 7);
    EXPECT_EQ(game::pezzi_Str(0), "#   ");
}

}  // namespace

namespace {

TEST(MissingMediaDeath, StartUpEndsNamingTheFolderSearched) {
    const std::string empty = MakeScratchFolder("nomedia");
    EXPECT_EXIT(
        {
            FlushLineFile();
            std::filesystem::current_path(empty);
            game::ResetGameState();
            game::Impostazioni();
        },
        testing::ExitedWithCode(1),
        "Media folder not found: \".*nomedia_.*/Media\" has no \"Zolv-dat1.txt\"");
}

TEST(MissingMedia, PresentFolderPassesTheCheck) {
    const std::string folder = MakeScratchFolder("withmedia");
    std::filesystem::create_directories(folder + "Media");
    ASSERT_TRUE(WriteWholeFile(folder + "Media/Zolv-dat1.txt", "title only\r\n"));
    const auto old = std::filesystem::current_path();
    FlushLineFile();
    std::filesystem::current_path(folder);
    game::RequireMediaFolder("Media/Zolv-dat1.txt");
    FlushLineFile();
    std::filesystem::current_path(old);
    SUCCEED() << "a settings file with nothing but its title line is not a missing folder";
}

// Start-up stops, naming the file, when a settings file or what the game needs is missing.
TEST(SettingsDeath, StartUpStopsNamingWhatIsMissing) {
    const struct {
        const char* name;
        std::string dat1, dat2, said;
    } cases[] = {
        {"no second file", Directive("PEZZO", "AAAA", "00"), "", "Zolv-dat2.txt is missing"},
        {"empty second file", Directive("PEZZO", "AAAA", "00"), "-", "Zolv-dat2.txt is empty"},
        {"no keys", Directive("PEZZO", "AAAA", "00"), Directive("MENUT", "", "00"),
         "Zolv-dat2.txt gives no keys"},
        {"no pieces", Directive("MENUT", "", "00"), Directive("TASGP", "0001", "AA"),
         "Zolv-dat1.txt gives no pieces"},
    };
    for (const auto& c : cases) {
        const std::string folder = MakeScratchFolder("settings");
        std::filesystem::create_directories(folder + "Media");
        ASSERT_TRUE(WriteWholeFile(folder + "Media/Zolv-dat1.txt", CrLfLines({"", c.dat1})));
        const std::string dat2 = c.dat2 == "-" ? "" : CrLfLines({"", c.dat2});
        if (!c.dat2.empty()) {
            ASSERT_TRUE(WriteWholeFile(folder + "Media/Zolv-dat2.txt", dat2));
        }
        EXPECT_EXIT(
            {
                FlushLineFile();
                std::filesystem::current_path(folder);
                game::ResetGameState();
                game::Impostazioni();
            },
            testing::ExitedWithCode(1), c.said)
            << c.name;
    }
}

}  // namespace
