// The keyboard as the game sees it: key codes of the SDL table, KeyDown, CharacterKey and
// the key waits, driven by the injectable keyboard.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/keyboard.h"

namespace {

class Keys : public ::testing::Test {
  protected:
    void SetUp() override {
        InputCreate();
        PlatformClearKeyboard();
        PlatformSetKeyScript({});
        CharacterKey();  // forget the previous test's last character
    }
    void TearDown() override {
        PlatformSetKeyScript({});
        PlatformClearKeyboard();
    }
};

// SDL scancodes are the USB keyboard usage ids; the table is checked against those numbers.
TEST(KeyTable, ExtendedAndOrdinaryKeysHaveTheirCodes) {
    const std::map<int, int> expected = {
        {41, 1},     // Esc
        {30, 2},     // 1
        {39, 11},    // 0
        {42, 14},    // Backspace
        {43, 15},    // Tab
        {20, 16},    // Q
        {19, 25},    // P
        {40, 28},    // Enter
        {224, 29},   // left Ctrl
        {4, 30},     // A
        {15, 38},    // L
        {225, 42},   // left Shift
        {29, 44},    // Z (where Y is on a German keyboard)
        {16, 50},    // M
        {229, 54},   // right Shift
        {226, 56},   // left Alt
        {44, 57},    // Space
        {58, 59},    // F1
        {61, 62},    // F4
        {67, 68},    // F10
        {95, 71},    // keypad 7
        {98, 82},    // keypad 0
        {68, 87},    // F11
        {69, 88},    // F12
        {88, 156},   // keypad Enter
        {228, 157},  // right Ctrl
        {84, 181},   // keypad /
        {230, 184},  // right Alt
        {74, 199},   // Home
        {82, 200},   // Up
        {75, 201},   // Page Up
        {80, 203},   // Left
        {79, 205},   // Right
        {77, 207},   // End
        {81, 208},   // Down
        {78, 209},   // Page Down
        {73, 210},   // Insert
        {76, 211},   // Delete
        {227, 219},  // left Windows key
        {231, 220},  // right Windows key
        {101, 221},  // menu key
    };
    for (const auto& [usage, code] : expected)
        EXPECT_EQ(PlatformKeyCodeFromScancode(usage), code) << "usage id " << usage;

    // No two keys share a code, and keys outside the table have none.
    std::set<int> seen;
    for (int usage = 0; usage < 512; ++usage) {
        const int code = PlatformKeyCodeFromScancode(usage);
        if (code == 0) continue;
        EXPECT_TRUE(seen.insert(code).second) << "code " << code << " twice";
        EXPECT_LT(code, 256);
    }
    EXPECT_EQ(PlatformKeyCodeFromScancode(270), 0);  // the browser Back key
}

TEST_F(Keys, KeyDownUsesTheLowEightBitsOfTheCode) {
    EXPECT_EQ(KeyDown(256 + kKeyEsc), 0);
    PlatformSetKey(kKeyEsc, true);
    EXPECT_EQ(KeyDown(256 + kKeyEsc), 1);
    EXPECT_EQ(KeyDown(kKeyEsc), 1);
    EXPECT_EQ(KeyDown(-255), 1);  // ...01 in the low byte
    EXPECT_EQ(KeyDown(kKey1), 0);
    PlatformSetKey(kKeyEsc, false);
    EXPECT_EQ(KeyDown(256 + kKeyEsc), 0);
}

TEST_F(Keys, CharacterKeyGivesTheLayoutsCharacterOnce) {
    PlatformSetKey(kKeyA, true);
    EXPECT_EQ(CharacterKey(), 'a');
    EXPECT_EQ(CharacterKey(), 0);  // held: reported once
    PlatformSetKey(kKeyA, false);
    EXPECT_EQ(CharacterKey(), 0);
    PlatformSetKey(kKeyA, true);
    EXPECT_EQ(CharacterKey(), 'a');  // pressed again
    PlatformSetKey(kKeyA, false);
    CharacterKey();

    PlatformSetKey(kKeyRightShift, true);
    PlatformSetKey(kKeyB, true);
    EXPECT_EQ(CharacterKey(), 'B');
    PlatformSetKey(kKeyRightShift, false);
    EXPECT_EQ(CharacterKey(), 0);  // the same letter, lower-cased, counts as held
}

TEST_F(Keys, OnlyCharacterKeysGiveCharacters) {
    const std::map<int, int> gives = {{14, 8},   {28, 10},  {156, 10}, {57, ' '}, {2, '1'},
                                      {11, '0'}, {16, 'q'}, {51, ','}, {53, '/'}, {55, '*'}};
    for (const auto& [code, c] : gives) EXPECT_EQ(PlatformKeyCharacter(code), c) << code;
    for (int code : std::initializer_list<int>{kKeyEsc,
                                               kKeyTab,
                                               kKeyLeftCtrl,
                                               kKeyLeftShift,
                                               kKeyRightShift,
                                               kKeyLeftAlt,
                                               kKeyCapsLock,
                                               kKeyF1,
                                               kKeyF4,
                                               kKeyF12,
                                               kKeyRightCtrl,
                                               kKeyRightAlt,
                                               kKeyUp,
                                               kKeyLeft,
                                               kKeyRight,
                                               kKeyDown,
                                               kKeyHome,
                                               kKeyPageUp,
                                               kKeyEnd,
                                               kKeyPageDown,
                                               kKeyInsert,
                                               kKeyDelete,
                                               kKeyLeftWindows,
                                               kKeyMenu,
                                               0,
                                               255})
        EXPECT_EQ(PlatformKeyCharacter(code), 0) << code;
}

TEST_F(Keys, ArrowsNeverEndWaitAnyKey) {
    std::vector<std::vector<ScriptedKey>> script;
    script.push_back({{kKeyUp, true}, {kKeyLeft, true}});
    for (int i = 0; i < 6; ++i) script.push_back({});
    script.push_back({{kKeyUp, false}, {kKeyRight, true}, {kKeyDown, true}, {kKeyLeftShift, true}});
    for (int i = 0; i < 6; ++i) script.push_back({});
    const int press_at = static_cast<int>(script.size());
    script.push_back({{kKeyA, true}});
    PlatformSetKeyScript(script);
    WaitAnyKey();
    EXPECT_GT(PlatformKeyScriptStepsUsed(), press_at);
}

TEST_F(Keys, AHeldCharacterKeyEndsOnlyOneWait) {
    // The first step is the keyboard as the wait finds it: nothing held yet.
    std::vector<std::vector<ScriptedKey>> script = {{}};
    script.push_back({{kKeyA, true}});
    for (int i = 0; i < 10; ++i) script.push_back({});  // still held
    const int release_at = static_cast<int>(script.size());
    script.push_back({{kKeyA, false}});
    script.push_back({});
    script.push_back({{kKeyA, true}});
    PlatformSetKeyScript(script);
    WaitAnyKey();
    EXPECT_LT(PlatformKeyScriptStepsUsed(), release_at);
    WaitAnyKey();
    EXPECT_GT(PlatformKeyScriptStepsUsed(), release_at + 1);
}

TEST_F(Keys, EscapeEndsTheProgramInsideTheIdleWaitOnlyWhenAsked) {
    PlatformSetKey(kKeyEsc, true);
    SetEscapeEnds(0);
    InputIdle();  // a key is down: returns at once
    SetEscapeEnds(1);
    EXPECT_EXIT(InputIdle(), ::testing::ExitedWithCode(0), "");
    SetEscapeEnds(0);
}

}  // namespace

namespace {

// A key that goes down and up again between two frames reads as held through the next frame
// only; a held key reads as it is, and its repeats are no new presses.
TEST_F(Keys, ATapBetweenFramesIsHeldThroughTheNextFrameOnly) {
    PlatformTakePresses(std::array<uint8_t, 256>{}.data());
    PlatformSetKey(kKeyDown, true);
    PlatformSetKey(kKeyDown, false);
    EXPECT_EQ(KeyDown(kKeyDown), 0);  // not before the frame it belongs to
    InputNewFrame();
    EXPECT_EQ(KeyDown(kKeyDown), 1);
    EXPECT_EQ(KeyDown(kKeyDown), 1);  // every read of that frame
    EXPECT_EQ(KeyDown(kKeyUp), 0);
    InputNewFrame();
    EXPECT_EQ(KeyDown(kKeyDown), 0);

    // Held across frames, then let go after a read: nothing is left over for later.
    PlatformSetKey(kKeyEnter, true);
    InputNewFrame();
    EXPECT_EQ(KeyDown(kKeyEnter), 1);
    PlatformSetKey(kKeyEnter, true);  // a system repeat
    InputNewFrame();
    EXPECT_EQ(KeyDown(kKeyEnter), 1);
    PlatformSetKey(kKeyEnter, false);
    InputNewFrame();
    EXPECT_EQ(KeyDown(kKeyEnter), 0);
}

// The key names the help shows come from the keyboard table, in capitals.
TEST(KeyNames, NamesAreTheKeyboardsInCapitals) {
    EXPECT_EQ(KeyName(kKeyA), "A");
    EXPECT_EQ(KeyName(57), "SPACE");
    EXPECT_EQ(KeyName(kKeyLeftShift), "LEFT SHIFT");
    EXPECT_EQ(KeyName(200), "UP");
    EXPECT_EQ(KeyName(0), "0");
}

}  // namespace
