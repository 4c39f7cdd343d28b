// The shipped media set read by the game's own settings reader: what it builds agrees with what
// the media tests read from the files, and contact sheets of every cut sprite (with its number)
// and every piece (with its character and kind letters) are written for looking, to
// build/test_scratch/media_reader_contact/.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/maps/settings_file.h"
#include "game/state/game_state.h"
#include "media_data.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/fonts.h"
#include "runtime/values/line_file.h"
#include "support/gl_test_screen.h"
#include "support/scratch_files.h"

namespace fs = std::filesystem;

namespace {
class SettingsReader : public ::testing::Test {
  protected:
    void SetUp() override {
        StartTestEngine(640, 480);
        expected_ = ReadSettings(MediaDir());
        old_ = fs::current_path();
        folder_ = MakeScratchFolder("media_reader");
        fs::copy(MediaDir(), folder_, fs::copy_options::recursive);
        FlushLineFile();
        fs::current_path(folder_);
        game::ResetGameState();
        game::Impostazioni();
    }
    void TearDown() override {
        FlushLineFile();
        fs::current_path(old_);
    }
    MediaSettings expected_;
    fs::path old_;
    std::string folder_;
};

void SavePage(const std::string& name) {
    const RgbImage s = ReadScreen();
    const std::string path = TestScratchFolder("media_reader_contact") + "/" + name + ".png";
    EXPECT_TRUE(WritePngFile(path, s.width, s.height, s.rgb.data(), false)) << path;
}
}  // namespace

TEST_F(SettingsReader, BuildsThePieceTableRolesAndSpriteGroupsWeMeant) {
    for (int p = 0; p < 128; ++p)
        EXPECT_EQ(game::pezzi_Str(p).str(), expected_.pieces[p]) << "piece " << char(p + 35);
    EXPECT_EQ(game::chsotto, expected_.roles["SOTT"]);
    EXPECT_EQ(game::chgioca, expected_.roles["GIOC"]);
    EXPECT_EQ(game::chvuoto, expected_.roles["VUOT"]);
    EXPECT_EQ(game::chuovo, expected_.roles["UOVO"]);
    EXPECT_EQ(game::chuovo2, expected_.roles["PULC"]);
    EXPECT_EQ(game::chghibuco, expected_.roles["GHIA"]);
    EXPECT_EQ(game::chcabin, expected_.roles["CABI"]);
    EXPECT_EQ(game::chchr, expected_.fontFirst);
    EXPECT_EQ(game::chvarie, expected_.indicatorsFirst);
    EXPECT_EQ(game::chtitolo, expected_.titleFirst);
    EXPECT_EQ(game::chufo, expected_.saucerFirst);
    EXPECT_EQ(game::chwife, expected_.partnerFirst);
    EXPECT_EQ(game::chraggio, expected_.rayFirst);
    for (const auto& [n, s] : expected_.sprites) {
        double w = 0, h = 0;
        SpriteSize(n, w, h);
        EXPECT_EQ(w, s.w) << "sprite " << n;
        EXPECT_EQ(h, s.h) << "sprite " << n;
    }
}

TEST_F(SettingsReader, ReadsTextsKeysAndOptionsWeMeant) {
    EXPECT_EQ(game::ttmenu, 11);
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i <= 11; ++i)
            EXPECT_EQ(game::menu_Str(i, lang).str(), expected_.menu[std::make_pair(i, lang)]);
        for (int i = 0; i <= 14; ++i)
            EXPECT_EQ(game::testi_Str(i, lang).str(), expected_.texts[std::make_pair(i, lang)]);
    }
    EXPECT_EQ(game::rotaz_Str.str(), "05830583");
    const char* names[8] = {"AA", "BB", "XX", "YY", "LL", "RR", "SL", "ST"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(game::pressioni(i), expected_.buttons1[names[i]]) << names[i];
        EXPECT_EQ(game::pressioni(8 + i), expected_.buttons2[names[i]]) << names[i];
    }
    EXPECT_EQ(game::mapset_Str.str(), "sch1");
    EXPECT_EQ(game::mapmax, expected_.mapmax);
    EXPECT_EQ(game::lfps, 60);
    EXPECT_EQ(game::mappafissa, 1);
    EXPECT_EQ(game::demo_Str.str(), expected_.options["DEMO"]);
    // The new player's file: English, sound, walls and glass on, no turbo.
    EXPECT_EQ(game::nome_Str.str(), "PL1");
    EXPECT_EQ(game::lingua, 1);
    EXPECT_EQ(game::suoni, 1);
    EXPECT_EQ(game::mostramuri, 1);
    EXPECT_EQ(game::vetri, 1);
    EXPECT_EQ(game::turbo, 0);
}

TEST_F(SettingsReader, ContactSheets) {
    // Every cut sprite with its number.
    int page = 0, x = 4, y = 4, rowH = 0;
    auto newPage = [&]() {
        SetBlendAlpha(0);
        ClearFrame();
        FillBox(0, 0, 640, 480, 0x585048);
        x = 4, y = 4, rowH = 0;
    };
    newPage();
    for (int n = 1; n < int(game::spr); ++n) {
        double w = 0, h = 0;
        SpriteSize(n, w, h);
        const int cw = std::max(int(w), 24), ch = int(h) + 10;
        if (x + cw > 636) x = 4, y += rowH + 4, rowH = 0;
        if (y + ch > 476) {
            SavePage("sprites_" + std::to_string(page++));
            newPage();
        }
        DrawSprite(n, x, y);
        PrintNumber(n, x, y + int(h) + 1);
        x += cw + 4;
        rowH = std::max(rowH, ch);
    }
    SavePage("sprites_" + std::to_string(page++));
    // Every piece on its floor, drawn as the board raises it, with character and kind letters.
    newPage();
    int shown = 0;
    for (int p = 0; p < 128; ++p) {
        const std::string e = game::pezzi_Str(p).str();
        if (e.size() < 9) continue;
        const int px = 8 + (shown % 16) * 39, py = 40 + (shown / 16) * 72;
        const int sprite = std::stoi(e.substr(4, 3));
        int diff = 0;
        const char k1 = e[7], k2 = e[8];
        if (k2 == 'P') diff = -8;
        if (k1 == 'B') diff = -20;
        if (k1 == 'M') diff = (k2 == 'X' || k2 == 'Y') ? -10 : -16;
        if (k2 == 'U') diff = -12;
        if (k2 == '!') diff = -14;
        DrawSprite(int(game::chsotto) == p
                       ? sprite
                       : std::stoi(game::pezzi_Str(game::chsotto).str().substr(4, 3)),
                   px, py);
        DrawSprite(sprite, px, py + diff);
        PrintText(e.substr(0, 1) + " " + e.substr(7, 2), px, py + 20);
        ++shown;
    }
    SavePage("pieces");
    EXPECT_GT(shown, 60);
}
