// The settings files agree with the sheets and give the game everything it addresses.
#include <gtest/gtest.h>

#include <fstream>

#include "media_data.h"

namespace {
class SettingsData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { settings = new MediaSettings(ReadSettings(MediaDir())); }
    static void TearDownTestSuite() { delete settings; }
    static MediaSettings* settings;

    static const Image& Sheet(const std::string& name) {
        static std::map<std::string, Image> cache;
        auto it = cache.find(name);
        if (it == cache.end()) {
            Image img;
            EXPECT_TRUE(ReadBmp24(MediaDir() + "/Media/Zolv-" + name + ".bmp", img)) << name;
            it = cache.emplace(name, img).first;
        }
        return it->second;
    }
    // Counts the opaque pixels of a sprite, checking it lies inside its sheet.
    static int OpaquePixels(int sprite) {
        auto it = settings->sprites.find(sprite);
        if (it == settings->sprites.end()) return -1;
        const Sprite& s = it->second;
        const Image& img = Sheet(s.sheet);
        EXPECT_LE(s.x + s.w, img.w) << "sprite " << sprite;
        EXPECT_LE(s.y + s.h, img.h) << "sprite " << sprite;
        int n = 0;
        for (int y = s.y; y < s.y + s.h; ++y)
            for (int x = s.x; x < s.x + s.w; ++x) n += img.Opaque(x, y);
        return n;
    }
    static int FirstSprite(int piece) {
        return std::atoi(settings->pieces[piece].substr(4, 3).c_str());
    }
};
MediaSettings* SettingsData::settings = nullptr;

// Closed sides of each cabin kind as a bit set: 1 top, 2 right, 4 bottom, 8 left.
const int kCabinSides[10] = {9, 3, 6, 12, 5, 10, 8, 1, 2, 4};
int TurnSides(int sides, int quarters) {
    for (int q = 0; q < quarters; ++q) sides = ((sides << 1) | (sides >> 3)) & 15;
    return sides;
}
}  // namespace

TEST_F(SettingsData, EveryPieceShowsANonEmptySprite) {
    int pieces = 0;
    for (int p = 0; p < 128; ++p) {
        const std::string& e = settings->pieces[p];
        if (e.empty()) continue;
        ++pieces;
        ASSERT_GE(e.size(), 9u) << "piece " << char(p + 35);
        EXPECT_GT(OpaquePixels(FirstSprite(p)), 0) << "piece " << char(p + 35);
        for (size_t f = 9; f < e.size(); ++f)
            EXPECT_FALSE(settings->pieces[e[f] - 35].empty())
                << "animation frame " << e[f] << " of piece " << char(p + 35);
    }
    EXPECT_GT(pieces, 60);
}

TEST_F(SettingsData, RotationCharactersFormTheTurnCycle) {
    for (int p = 0; p < 128; ++p) {
        const std::string& e = settings->pieces[p];
        if (e.empty()) continue;
        const char self = char(p + 35);
        ASSERT_EQ(e[0], self) << "rotation 0 of " << self;
        const char k1 = e[7], k2 = e[8];
        for (int r = 0; r < 4; ++r) {
            const std::string& twin = settings->pieces[e[r] - 35];
            ASSERT_FALSE(twin.empty()) << self << " turns into unknown " << e[r];
            // Turning r then s quarters is turning r + s.
            for (int s = 0; s < 4; ++s)
                EXPECT_EQ(twin[s], e[(r + s) % 4]) << self << " rotations " << r << "+" << s;
            if (k1 == 'G') {
                EXPECT_EQ(twin[7], 'G');
                EXPECT_EQ(twin[8] - '0', (k2 - '0' + r) % 4) << "slide " << self << " turned " << r;
            } else if (k1 == 'C') {
                ASSERT_EQ(twin[7], 'C');
                EXPECT_EQ(kCabinSides[twin[8] - '0'], TurnSides(kCabinSides[k2 - '0'], r))
                    << "cabin " << self << " turned " << r;
            } else {
                EXPECT_EQ(e[r], self) << self << " is not directional and must stay itself";
            }
        }
    }
    // The fixed turn of a cabin that is left matches the rotation table.
    const std::string from = ";<=>?@WX{}", to = "<=>;@?X{}W";
    for (size_t i = 0; i < from.size(); ++i) EXPECT_EQ(settings->pieces[from[i] - 35][1], to[i]);
}

TEST_F(SettingsData, RolesAndSpriteGroupsAreSet) {
    for (const char* role : {"SOTT", "GIOC", "VUOT", "GHIA", "UOVO", "PULC", "CABI"}) {
        ASSERT_TRUE(settings->roles.count(role)) << role;
        int p = settings->roles[role];
        ASSERT_TRUE(p >= 0 && p < 128) << role;
        EXPECT_FALSE(settings->pieces[p].empty()) << role;
    }
    // Sprites the code addresses by offset from a role's first sprite.
    const int player = FirstSprite(settings->roles["GIOC"]);
    for (int f : {0, 7, 8, 15, 16, 23, 24, 31, 33, 34, 35, 36, 37, 38, 40, 41, 42})
        EXPECT_GT(OpaquePixels(player + f), 0) << "player frame " << f;
    const int chick = FirstSprite(settings->roles["PULC"]);
    for (int f = 4; f < 8; ++f) EXPECT_GT(OpaquePixels(chick + f), 0) << "chick frame " << f;
    const int glass = FirstSprite(settings->roles["CABI"]);
    for (int f = 0; f < 6; ++f) EXPECT_GT(OpaquePixels(glass + f), 0) << "cabin pane " << f + 1;
    // Ice sinks through eight sprites from its first.
    for (int p = 0; p < 128; ++p)
        if (!settings->pieces[p].empty() && settings->pieces[p][8] == 'A') {
            for (int f = 0; f < 8; ++f) EXPECT_GT(OpaquePixels(FirstSprite(p) + f), 0);
        }
    ASSERT_GT(settings->indicatorsFirst, 0);
    for (int f = 0; f < 6; ++f) EXPECT_GT(OpaquePixels(settings->indicatorsFirst + f), 0);
    ASSERT_GT(settings->fontFirst, 0);
    for (int c = 33; c <= 126; ++c)
        EXPECT_GT(OpaquePixels(settings->fontFirst + c - 32), 0) << "character " << char(c);
    ASSERT_GT(settings->titleFirst, 0);
    for (int f = 0; f < 4; ++f) EXPECT_GT(OpaquePixels(settings->titleFirst + f), 0);
    // Final scene: saucer +0..+3 and its dome +4, +5; two figures of four frames; four rays.
    ASSERT_GT(settings->saucerFirst, 0);
    for (int f = 0; f < 6; ++f) EXPECT_GT(OpaquePixels(settings->saucerFirst + f), 0);
    ASSERT_GT(settings->partnerFirst, 0);
    for (int f = 0; f < 8; ++f) EXPECT_GT(OpaquePixels(settings->partnerFirst + f), 0);
    ASSERT_GT(settings->rayFirst, 0);
    for (int f = 0; f < 4; ++f) EXPECT_GT(OpaquePixels(settings->rayFirst + f), 0);
}

TEST_F(SettingsData, FontLettersStayNarrowEnoughForTheGamesSpacing) {
    // Panel texts go 8 pixels apart at scale 0.75 and commentary 9 apart at 0.8: a letter's ink
    // and rim must stay within 12 of the sprite's 20 columns or neighbours run together.
    ASSERT_GT(settings->fontFirst, 0);
    for (int c = 33; c <= 126; ++c) {
        const Sprite& s = settings->sprites[settings->fontFirst + c - 32];
        const Image& img = Sheet(s.sheet);
        int lo = s.w, hi = -1;
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x)
                if (img.Opaque(s.x + x, s.y + y)) lo = std::min(lo, x), hi = std::max(hi, x);
        EXPECT_LE(hi - lo + 1, 12) << "character " << char(c);
    }
}

TEST_F(SettingsData, TextsAndMenusExistInBothLanguages) {
    ASSERT_EQ(settings->ttmenu, 11);
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i <= settings->ttmenu; ++i)
            EXPECT_FALSE(settings->menu[std::make_pair(i, lang)].empty())
                << "menu " << i << " language " << lang;
        for (int i = 0; i <= 14; ++i)
            EXPECT_FALSE(settings->texts[std::make_pair(i, lang)].empty())
                << "text " << i << " language " << lang;
    }
}

TEST_F(SettingsData, LargeTextsFitTheScreen) {
    // Widths where the game writes these texts large on the 320-pixel screen: failure messages
    // from x 20 at 24 pixels a character, the ending's "..." + text + "!!!" from x 10 at 14,
    // "RECORD " + label + "!!!" from x 20 at 20, 1.5 times larger. A letter's ink (with its rim)
    // ends at column 15 of its 20-pixel sprite, a "!" at column 11, before scaling.
    for (int lang = 0; lang < 2; ++lang) {
        auto len = [&](int i) { return int(settings->texts[std::make_pair(i, lang)].size()); };
        for (int i = 10; i <= 12; ++i) EXPECT_LE(20 + 24 * (len(i) - 1) + 15 * 2, 320) << i;
        for (int i = 6; i <= 7; ++i) EXPECT_LE(10 + 14 * (len(i) + 5) + 11, 320) << i;
        for (int i = 2; i <= 4; ++i) EXPECT_LE(20 + 20 * (len(i) + 9) + 11 * 1.5, 320) << i;
        EXPECT_LE(settings->menu[std::make_pair(settings->ttmenu, lang)].size(), 6u)
            << "the exit entry is drawn 2.5 times larger";
    }
}

TEST_F(SettingsData, KeysOptionsAndMapSet) {
    EXPECT_EQ(settings->arrows, "0583");
    for (const char* b : {"AA", "BB", "XX", "YY", "LL", "RR", "SL", "ST"}) {
        EXPECT_GT(settings->buttons1[b], 0) << b;
        EXPECT_GT(settings->buttons2[b], 0) << b;
    }
    EXPECT_EQ(settings->options["LFPS"], "60");
    EXPECT_EQ(settings->mapset, "sch1");
    auto maps = ReadLines(MediaDir() + "/Media/Zolv-sch1-mappe.txt");
    EXPECT_EQ(settings->mapmax, int(maps.size()) - 1);
}

TEST_F(SettingsData, EverySoundSlotHoldsAValidWave) {
    for (int slot = 2; slot <= 15; ++slot) {
        ASSERT_TRUE(settings->sounds.count(slot)) << "slot " << slot;
        WaveInfo w = ReadWave(MediaDir() + "/Media/Zolv-" + settings->sounds[slot] + ".wav");
        EXPECT_TRUE(w.valid) << "slot " << slot;
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.rate, 22050);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_GT(w.dataBytes, 1000u);
    }
}

TEST_F(SettingsData, DirectiveFieldsStayInTheirColumns) {
    for (int file = 1; file <= 2; ++file) {
        auto lines = ReadLines(MediaDir() + "/Media/Zolv-dat" + std::to_string(file) + ".txt");
        ASSERT_LE(lines.size(), 256u);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines[0].substr(0, 1), "=") << "line 0 is never read";
        for (const auto& l : lines) {
            if (l.empty() || l[0] != '=') continue;
            EXPECT_EQ(l.size() > 6 ? l[6] : ' ', ' ') << l;
            EXPECT_EQ(l.size() > 11 ? l[11] : ' ', ' ') << l;
            EXPECT_EQ(l.size() > 14 ? l[14] : ' ', ' ') << l;
        }
    }
}
