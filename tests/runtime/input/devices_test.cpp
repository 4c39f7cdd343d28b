// Joysticks (through SDL's virtual joystick) and where the pointer lands on the logical screen.
#include <gtest/gtest.h>

#include "runtime/input/input.h"
#include "runtime/platform/joystick.h"
#include "runtime/platform/mouse.h"

namespace {
TEST(Joysticks, AVirtualPadReadsAsAxesPovAndButtons) {
    const int device = PlatformJoystickAttachVirtual(6, 32, 1);
    ASSERT_GE(device, 0);
    bool started = false;
    ASSERT_EQ(PlatformJoysticksOpen(&started), 1);
    EXPECT_TRUE(started);
    EXPECT_EQ(JoystickCount(), 1);
    EXPECT_FALSE(JoystickName(0).empty());

    PlatformJoystickSetVirtualAxis(0, 0, -32768);
    PlatformJoystickSetVirtualAxis(0, 1, 32767);
    PlatformJoystickSetVirtualAxis(0, 5, 1234);
    PlatformJoystickSetVirtualButton(0, 0, true);
    PlatformJoystickSetVirtualButton(0, 31, true);
    PlatformJoystickSetVirtualPov(0, 0, 9000);
    JoystickState j = ReadJoystick(0);
    EXPECT_EQ(j.x, -32768);
    EXPECT_EQ(j.y, 32767);
    EXPECT_EQ(j.rz, 1234);
    EXPECT_EQ(j.buttons[0], 0x80);
    EXPECT_EQ(j.buttons[1], 0);
    EXPECT_EQ(j.buttons[31], 0x80);
    EXPECT_EQ(j.pov[0], 9000);
    EXPECT_EQ(j.pov[1], -1);  // the pad has one hat only

    for (int pov : {0, 4500, 18000, 27000, 31500, -1}) {
        PlatformJoystickSetVirtualPov(0, 0, pov);
        EXPECT_EQ(ReadJoystick(0).pov[0], pov);
    }
    PlatformJoystickSetVirtualButton(0, 0, false);
    EXPECT_EQ(ReadJoystick(0).buttons[0], 0);

    PlatformJoysticksClose();
    EXPECT_EQ(JoystickCount(), 0);
    PlatformJoystickDetachVirtual(device);
}

TEST(Joysticks, AbsentOnesReadAsCentred) {
    const JoystickState j = ReadJoystick(3);
    EXPECT_EQ(j.x, 0);
    EXPECT_EQ(j.pov[0], -1);
    EXPECT_EQ(j.buttons[0], 0);
    EXPECT_EQ(ReadJoystick(-1).pov[3], -1);
}

TEST(MousePosition, WindowPointsMapOntoTheScaledLogicalScreen) {
    int x = 0, y = 0;
    // 320 x 240 shown four times over in a 1280 x 960 window.
    PlatformWindowToLogical(640, 480, 1280, 960, 1280, 960, 320, 240, &x, &y);
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 120);
    PlatformWindowToLogical(1279, 959, 1280, 960, 1280, 960, 320, 240, &x, &y);
    EXPECT_EQ(x, 319);
    EXPECT_EQ(y, 239);
    // A wider window: three times over (960 x 720) centred, with 160-pixel borders left and right.
    PlatformWindowToLogical(160, 120, 1280, 720, 1280, 720, 320, 240, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 40);
    PlatformWindowToLogical(10, 0, 1280, 720, 1280, 720, 320, 240, &x, &y);
    EXPECT_LT(x, 0);  // on the border, left of the screen
    // A high-density screen: 640 x 480 points are 1280 x 960 pixels.
    PlatformWindowToLogical(320, 240, 640, 480, 1280, 960, 320, 240, &x, &y);
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 120);
}
}  // namespace
