// What counts as activity for the idle wait. Each of its rounds reads the keyboard once, so
// the scripted keyboard's step count tells how many rounds it waited (15 at most).
#include <gtest/gtest.h>

#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/joystick.h"
#include "runtime/platform/keyboard.h"

namespace {
int IdleRounds() {
    PlatformSetKeyScript(std::vector<std::vector<ScriptedKey>>(30));
    InputIdle();
    const int rounds = PlatformKeyScriptStepsUsed();
    PlatformSetKeyScript({});
    return rounds;
}

class Idle : public ::testing::Test {
  protected:
    void SetUp() override {
        InputCreate();
        PlatformClearKeyboard();
    }
    void TearDown() override { PlatformClearKeyboard(); }
};

TEST_F(Idle, WaitsFifteenRoundsWithoutActivityAndEndsOnAnyKey) {
    EXPECT_EQ(IdleRounds(), 15);
    PlatformSetKey(kKeyUp, true);  // an arrow: any key counts here
    EXPECT_EQ(IdleRounds(), 1);
}

TEST_F(Idle, JoystickButtonsStraightPovsAndPushedSticksCount) {
    const int device = PlatformJoystickAttachVirtual(6, 32, 1);
    ASSERT_GE(device, 0);
    ASSERT_EQ(PlatformJoysticksOpen(nullptr), 1);

    EXPECT_EQ(IdleRounds(), 15);
    PlatformJoystickSetVirtualButton(0, 17, true);
    EXPECT_EQ(IdleRounds(), 1);
    PlatformJoystickSetVirtualButton(0, 17, false);

    PlatformJoystickSetVirtualAxis(0, 0, 3300);  // just over a tenth of the travel
    EXPECT_EQ(IdleRounds(), 1);
    PlatformJoystickSetVirtualAxis(0, 0, 3000);  // within the dead band
    EXPECT_EQ(IdleRounds(), 15);
    PlatformJoystickSetVirtualAxis(0, 0, 0);
    PlatformJoystickSetVirtualAxis(0, 3, 32767);  // Rx is not watched
    EXPECT_EQ(IdleRounds(), 15);
    PlatformJoystickSetVirtualAxis(0, 3, 0);

    PlatformJoystickSetVirtualPov(0, 0, 27000);
    EXPECT_EQ(IdleRounds(), 1);
    PlatformJoystickSetVirtualPov(0, 0, 4500);  // diagonals do not count
    EXPECT_EQ(IdleRounds(), 15);

    PlatformJoysticksClose();
    PlatformJoystickDetachVirtual(device);
}
}  // namespace
