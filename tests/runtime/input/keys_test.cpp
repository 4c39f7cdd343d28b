// The keyboard as the game sees it: key codes of the SDL table, KeyDown, CharacterKey and
// the key waits, driven by the injectable keyboard.
#include <SDL2/SDL_scancode.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "runtime/core/input.h"
#include "runtime/core/platform/keyboard.h"

namespace {
constexpr int kEsc = 1, kA = 30, kB = 48, kLeftShift = 42, kRightShift = 54;
constexpr int kUp = 200, kLeft = 203, kRight = 205, kDown = 208;

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

TEST(KeyTable, ExtendedAndOrdinaryKeysHaveTheirCodes) {
    const std::map<SDL_Scancode, int> expected = {
        {SDL_SCANCODE_ESCAPE, 1},
        {SDL_SCANCODE_1, 2},
        {SDL_SCANCODE_0, 11},
        {SDL_SCANCODE_BACKSPACE, 14},
        {SDL_SCANCODE_TAB, 15},
        {SDL_SCANCODE_Q, 16},
        {SDL_SCANCODE_P, 25},
        {SDL_SCANCODE_RETURN, 28},
        {SDL_SCANCODE_LCTRL, 29},
        {SDL_SCANCODE_A, 30},
        {SDL_SCANCODE_L, 38},
        {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_Z, 44},
        {SDL_SCANCODE_M, 50},
        {SDL_SCANCODE_RSHIFT, 54},
        {SDL_SCANCODE_LALT, 56},
        {SDL_SCANCODE_SPACE, 57},
        {SDL_SCANCODE_F1, 59},
        {SDL_SCANCODE_F4, 62},
        {SDL_SCANCODE_F10, 68},
        {SDL_SCANCODE_KP_7, 71},
        {SDL_SCANCODE_KP_0, 82},
        {SDL_SCANCODE_F11, 87},
        {SDL_SCANCODE_F12, 88},
        {SDL_SCANCODE_KP_ENTER, 156},
        {SDL_SCANCODE_RCTRL, 157},
        {SDL_SCANCODE_KP_DIVIDE, 181},
        {SDL_SCANCODE_RALT, 184},
        {SDL_SCANCODE_HOME, 199},
        {SDL_SCANCODE_UP, 200},
        {SDL_SCANCODE_PAGEUP, 201},
        {SDL_SCANCODE_LEFT, 203},
        {SDL_SCANCODE_RIGHT, 205},
        {SDL_SCANCODE_END, 207},
        {SDL_SCANCODE_DOWN, 208},
        {SDL_SCANCODE_PAGEDOWN, 209},
        {SDL_SCANCODE_INSERT, 210},
        {SDL_SCANCODE_DELETE, 211},
        {SDL_SCANCODE_LGUI, 219},
        {SDL_SCANCODE_RGUI, 220},
        {SDL_SCANCODE_APPLICATION, 221},
    };
    for (const auto& [sdl, code] : expected)
        EXPECT_EQ(PlatformKeyCodeFromScancode(sdl), code) << "SDL scancode " << sdl;

    // No two keys share a code, and keys outside the table have none.
    std::set<int> seen;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int code = PlatformKeyCodeFromScancode(sc);
        if (code == 0) continue;
        EXPECT_TRUE(seen.insert(code).second) << "code " << code << " twice";
        EXPECT_LT(code, 256);
    }
    EXPECT_EQ(PlatformKeyCodeFromScancode(SDL_SCANCODE_AC_BACK), 0);
}

TEST_F(Keys, KeyDownUsesTheLowEightBitsOfTheCode) {
    EXPECT_EQ(KeyDown(257), 0);
    PlatformSetKey(kEsc, true);
    EXPECT_EQ(KeyDown(257), 1);
    EXPECT_EQ(KeyDown(1), 1);
    EXPECT_EQ(KeyDown(-255), 1);  // ...01 in the low byte
    EXPECT_EQ(KeyDown(2), 0);
    PlatformSetKey(kEsc, false);
    EXPECT_EQ(KeyDown(257), 0);
}

TEST_F(Keys, CharacterKeyGivesTheLayoutsCharacterOnce) {
    PlatformSetKey(kA, true);
    EXPECT_EQ(CharacterKey(), 'a');
    EXPECT_EQ(CharacterKey(), 0);  // held: reported once
    PlatformSetKey(kA, false);
    EXPECT_EQ(CharacterKey(), 0);
    PlatformSetKey(kA, true);
    EXPECT_EQ(CharacterKey(), 'a');  // pressed again
    PlatformSetKey(kA, false);
    CharacterKey();

    PlatformSetKey(kRightShift, true);
    PlatformSetKey(kB, true);
    EXPECT_EQ(CharacterKey(), 'B');
    PlatformSetKey(kRightShift, false);
    EXPECT_EQ(CharacterKey(), 0);  // the same letter, lower-cased, counts as held
}

TEST_F(Keys, OnlyCharacterKeysGiveCharacters) {
    const std::map<int, int> gives = {{14, 8},   {28, 10},  {156, 10}, {57, ' '}, {2, '1'},
                                      {11, '0'}, {16, 'q'}, {51, ','}, {53, '/'}, {55, '*'}};
    for (const auto& [code, c] : gives) EXPECT_EQ(PlatformKeyCharacter(code), c) << code;
    for (int code :
         {kEsc,  15,     29,    kLeftShift, kRightShift, 56,  58,  59,  62,  88,  157, 184, kUp,
          kLeft, kRight, kDown, 199,        201,         207, 209, 210, 211, 219, 221, 0,   255})
        EXPECT_EQ(PlatformKeyCharacter(code), 0) << code;
}

TEST_F(Keys, ArrowsNeverEndWaitAnyKey) {
    std::vector<std::vector<ScriptedKey>> script;
    script.push_back({{kUp, true}, {kLeft, true}});
    for (int i = 0; i < 6; ++i) script.push_back({});
    script.push_back({{kUp, false}, {kRight, true}, {kDown, true}, {kLeftShift, true}});
    for (int i = 0; i < 6; ++i) script.push_back({});
    const int press_at = static_cast<int>(script.size());
    script.push_back({{kA, true}});
    PlatformSetKeyScript(script);
    WaitAnyKey();
    EXPECT_GT(PlatformKeyScriptStepsUsed(), press_at);
}

TEST_F(Keys, AHeldCharacterKeyEndsOnlyOneWait) {
    // The first step is the keyboard as the wait finds it: nothing held yet.
    std::vector<std::vector<ScriptedKey>> script = {{}};
    script.push_back({{kA, true}});
    for (int i = 0; i < 10; ++i) script.push_back({});  // still held
    const int release_at = static_cast<int>(script.size());
    script.push_back({{kA, false}});
    script.push_back({});
    script.push_back({{kA, true}});
    PlatformSetKeyScript(script);
    WaitAnyKey();
    EXPECT_LT(PlatformKeyScriptStepsUsed(), release_at);
    WaitAnyKey();
    EXPECT_GT(PlatformKeyScriptStepsUsed(), release_at + 1);
}

TEST_F(Keys, EscapeEndsTheProgramInsideTheIdleWaitOnlyWhenAsked) {
    PlatformSetKey(kEsc, true);
    SetEscapeEnds(0);
    InputIdle();  // a key is down: returns at once
    SetEscapeEnds(1);
    EXPECT_EXIT(InputIdle(), ::testing::ExitedWithCode(0), "");
    SetEscapeEnds(0);
}

TEST(Joysticks, AbsentOnesReadAsCentred) {
    const JoystickState j = ReadJoystick(3);
    EXPECT_EQ(j.x, 0);
    EXPECT_EQ(j.pov[0], -1);
    EXPECT_EQ(j.buttons[0], 0);
    EXPECT_EQ(ReadJoystick(-1).pov[3], -1);
}
}  // namespace
