// The help over each screen, with the shipped keys and texts in both languages: its box and
// every line on the 320 x 240 screen, and the play help naming the aids' keys and pad pairs.
#include "game/screen/help_overlay.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game/flow/player_options.h"
#include "game/maps/settings_file.h"
#include "game/media_folder.h"
#include "game/screen/extra_texts.h"
#include "game/state/game_state.h"
#include "runtime/values/line_file.h"

namespace {

class HelpShipped : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        if (!game_test::ShippedMediaPresent()) GTEST_SKIP();
        CopyShippedMedia();
        game::ForgetExtraTexts();
        game::SetSettingsDefaults();
        DimArray(game::pezzi_Str, 128);
        DimArray(game::pressioni, 16);
        DimArray(game::menu_Str, 16, 2);
        DimArray(game::testi_Str, 16, 2);
        game::ReadSettingsFile(1);
        game::ReadSettingsFile(2);
    }
    void TearDown() override {
        game::ForgetExtraTexts();
        InMediaFolder::TearDown();
    }
};

TEST_F(HelpShipped, EveryScreensHelpFitsTheScreenInBothLanguages) {
    // As the help box lays them out: 12 pixels a line plus the closing line and 6 of margin,
    // 7 pixels a character from 12 (keys) or 40 (meanings) within the box's right edge at 313.
    for (int language = 0; language <= 1; ++language) {
        game::lingua = language;
        game::ForgetExtraTexts();
        for (game::HelpScreen screen :
             {game::HelpScreen::kTitle, game::HelpScreen::kMenu, game::HelpScreen::kPlay,
              game::HelpScreen::kEditor, game::HelpScreen::kEditorMore}) {
            const std::vector<std::string> lines = game::HelpLines(screen);
            const int height = static_cast<int>(lines.size() + 1) * 12 + 6;
            EXPECT_LE(height, 240) << "language " << language << ", " << lines[0];
            EXPECT_LE(7 * static_cast<int>(game::ExtraText("HELP_CLOSE").size()), 306);
            EXPECT_LE(7 * static_cast<int>(game::ExtraText("HELP_NEXT_PAGE").size()), 306);
            for (size_t i = 1; i < lines.size(); ++i) {
                const int left = i % 2 == 0 ? 40 : 12;
                EXPECT_LE(left + 7 * static_cast<int>(lines[i].size()), 313)
                    << "language " << language << ": " << lines[i];
            }
        }
    }
}

TEST_F(HelpShipped, MenuHelpNamesTheOptionsKey) {
    // The player's options (undo, hints, one step per tap...) open only with F2 in the menu.
    const std::vector<std::string> lines = game::HelpLines(game::HelpScreen::kMenu);
    const auto f2 = std::find(lines.begin(), lines.end(), "F2");
    ASSERT_NE(f2, lines.end());
    ASSERT_NE(f2 + 1, lines.end());
    EXPECT_EQ(f2[1], game::ExtraText("HELP_MENU_OPTIONS"));
    EXPECT_FALSE(f2[1].empty());
}

TEST_F(HelpShipped, PlayHelpNamesTheAidKeysAndThePadPairs) {
    game::lingua = 1;
    const std::vector<std::string> lines = game::HelpLines(game::HelpScreen::kPlay);
    bool found = false;
    for (size_t i = 1; i + 1 < lines.size(); i += 2) {
        if (lines[i] != "U  I  H    PAD B+X  B+Y  B+A") continue;
        found = true;
        EXPECT_EQ(lines[i + 1], "UNDO / REDO / NEXT MOVE");
    }
    EXPECT_TRUE(found);
}

TEST_F(HelpShipped, AidsSwitchedOffAreNotOffered) {
    game::lingua = 1;
    game::nome_Str = "ABC";
    game::ApplyPlayerOptions();  // the shipped keys, for a valid line
    // The player's options line with undo and hints off, then on again.
    for (const bool aids : {false, true}) {
        game::PlayerOptions o = game::CurrentOptions();
        o.aids = aids;
        WriteFileLine(TextValue("Media/Zolv-opzioni.txt"), 0,
                      TextValue(game::OptionsLine("ABC", o).c_str()));
        FlushLineFile();
        game::ApplyPlayerOptions();
        ASSERT_EQ(game::CurrentOptions().aids, aids);
        bool listed = false;
        for (const std::string& line : game::HelpLines(game::HelpScreen::kPlay))
            listed = listed || line == "UNDO / REDO / NEXT MOVE";
        EXPECT_EQ(listed, aids) << "aids " << (aids ? "on" : "off");
    }
}

}  // namespace
