// Our own screens' texts: the player's language first, English for a missing key, the key
// itself when neither file has it, and either line end.
#include "game/screen/extra_texts.h"

#include <fstream>
#include <set>

#include "game/media_folder.h"
#include "game/state/game_state.h"

namespace {

class ExtraTextsTest : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        game::ForgetExtraTexts();
    }
    void TearDown() override {
        game::ForgetExtraTexts();
        InMediaFolder::TearDown();
    }
};

TEST_F(ExtraTextsTest, LanguageFirstThenEnglishThenTheKey) {
    WriteMedia("Zolv-testi-0.txt", "HELLO=CIAO\r\nEQ=A=B\r\n");
    WriteMedia("Zolv-testi-1.txt", "HELLO=HELLO THERE\nONLY_EN=ENGLISH ONLY\rLAST=NO END");
    game::lingua = 0;
    EXPECT_EQ(game::ExtraText("HELLO"), "CIAO");
    EXPECT_EQ(game::ExtraText("EQ"), "A=B");
    EXPECT_EQ(game::ExtraText("ONLY_EN"), "ENGLISH ONLY");
    EXPECT_EQ(game::ExtraText("NOWHERE"), "NOWHERE");
    game::lingua = 1;
    EXPECT_EQ(game::ExtraText("HELLO"), "HELLO THERE");
    EXPECT_EQ(game::ExtraText("LAST"), "NO END");
    EXPECT_EQ(game::ExtraTextIn("HELLO", 0), "CIAO");
}

// Both shipped files name the same keys, each with a text of its own.
TEST(ExtraTextsShipped, BothLanguagesHoldTheSameKeys) {
    if (!game_test::ShippedMediaPresent()) GTEST_SKIP();
    auto keys = [](int language) {
        std::set<std::string> out;
        std::ifstream in(game_test::ShippedMediaFolder() + "/Zolv-testi-" +
                         std::to_string(language) + ".txt");
        for (std::string line; std::getline(in, line);) {
            const size_t eq = line.find('=');
            EXPECT_NE(eq, std::string::npos) << line;
            EXPECT_GT(line.size(), eq + 2) << "an empty text: " << line;
            out.insert(line.substr(0, eq));
        }
        return out;
    };
    const std::set<std::string> italian = keys(0), english = keys(1);
    EXPECT_FALSE(italian.empty());
    EXPECT_EQ(italian, english);
}

}  // namespace
