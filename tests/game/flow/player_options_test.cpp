// The player options line: what is stored reads back, and a line that would give two entries
// one key, or is cut or padded, is not taken.
#include "game/flow/player_options.h"

#include <gtest/gtest.h>

#include <string>

namespace {

game::PlayerOptions Sample() {
    game::PlayerOptions o;
    const int keys[20] = {200, 205, 208, 203, 57, 28, 45, 44, 17, 16,
                          14,  15,  42,  29,  31, 30, 19, 18, 1,  25};
    for (int k = 0; k < 20; ++k) o.keys[k] = keys[k];
    o.one_step = true;
    o.tv = false;
    return o;
}

TEST(PlayerOptions, LineReadsBack) {
    const game::PlayerOptions o = Sample();
    std::string name;
    game::PlayerOptions back;
    ASSERT_TRUE(game::ParseOptionsLine(game::OptionsLine("ABC", o), &name, &back));
    EXPECT_EQ(name, "ABC");
    EXPECT_TRUE(back.one_step);
    EXPECT_FALSE(back.tv);
    EXPECT_TRUE(back.aids);
    for (int k = 0; k < 20; ++k) EXPECT_EQ(back.keys[k], o.keys[k]) << k;
}

TEST(PlayerOptions, BadLinesAreRefused) {
    std::string name;
    game::PlayerOptions back;
    const std::string good = game::OptionsLine("ABC", Sample());
    EXPECT_FALSE(game::ParseOptionsLine("", &name, &back));
    EXPECT_FALSE(game::ParseOptionsLine("NO_DATA", &name, &back));
    EXPECT_FALSE(game::ParseOptionsLine(good.substr(0, good.size() - 3), &name, &back));
    EXPECT_FALSE(game::ParseOptionsLine(good + " 7", &name, &back));
    game::PlayerOptions twice = Sample();
    twice.keys[19] = twice.keys[0];
    EXPECT_FALSE(game::ParseOptionsLine(game::OptionsLine("ABC", twice), &name, &back));
    game::PlayerOptions outside = Sample();
    outside.keys[3] = 300;
    EXPECT_FALSE(game::ParseOptionsLine(game::OptionsLine("ABC", outside), &name, &back));
}

TEST(PlayerOptions, TakenKeys) {
    const game::PlayerOptions o = Sample();
    EXPECT_TRUE(game::KeyTaken(o, 0, 57));   // button A of set 1
    EXPECT_FALSE(game::KeyTaken(o, 4, 57));  // its own key
    EXPECT_TRUE(game::KeyTaken(o, 0, 22));   // undo stays free of settings
    EXPECT_TRUE(game::KeyTaken(o, 0, 60));   // F2 opens the screen
    EXPECT_FALSE(game::KeyTaken(o, 0, 37));  // K is free
}

}  // namespace
