// The scripted mouse of headless play: what each command does frame by frame, through the
// game's own mouse read, and the lines the parser refuses.
#include <gtest/gtest.h>

#include <string>

#include "runtime/headless/headless.h"
#include "runtime/input/input.h"

namespace {

// Starts headless play with the script and moves to frame 0.
void Start(const std::string& script) {
    HeadlessOptions options;
    options.script = script;
    options.write_summary = false;
    std::string error;
    ASSERT_TRUE(StartHeadless(options, &error)) << error;
    HeadlessNextFrame();
}

MouseState Frame() {
    InputNewFrame();
    return ReadMouse();
}

TEST(HeadlessMouse, MoveClickDragAndWheelFollowTheScriptFrameByFrame) {
    Start("mouse 40 50\nclick right\nmouse 10 20\ndrag 50 20 4\nwheel -2\nclick left\n");
    MouseState m = Frame();  // frame 0: right held at (40, 50)
    EXPECT_EQ(m.x, 40);
    EXPECT_EQ(m.y, 50);
    EXPECT_EQ(m.right, 1);
    EXPECT_EQ(m.left, 0);
    HeadlessNextFrame();  // frame 1: released
    m = Frame();
    EXPECT_EQ(m.right, 0);
    // Frames 2 to 5: left held while the pointer goes from (10, 20) to (50, 20).
    int last_x = 10;
    for (int f = 2; f <= 5; ++f) {
        HeadlessNextFrame();
        m = Frame();
        EXPECT_EQ(m.left, 1) << f;
        EXPECT_GT(m.x, last_x) << f;
        EXPECT_EQ(m.y, 20);
        last_x = m.x;
    }
    EXPECT_EQ(m.x, 50);
    HeadlessNextFrame();  // frame 6: released where the drag ended
    m = Frame();
    EXPECT_EQ(m.left, 0);
    EXPECT_EQ(m.x, 50);
    // Frames 7 and 8: one step down each, then a frame at rest.
    for (int f = 7; f <= 8; ++f) {
        HeadlessNextFrame();
        EXPECT_EQ(Frame().wheel, -1) << f;
    }
    HeadlessNextFrame();
    EXPECT_EQ(Frame().wheel, 0);
    HeadlessNextFrame();  // frame 10: the last click
    m = Frame();
    EXPECT_EQ(m.left, 1);
    EXPECT_EQ(m.x, 50);
}

TEST(HeadlessMouse, KeysAndTheMouseShareTheScriptsFrames) {
    // A key press takes two frames; the click after it falls on frame 2.
    Start("press A\nclick left\n");
    EXPECT_EQ(Frame().left, 0);
    HeadlessNextFrame();
    EXPECT_EQ(Frame().left, 0);
    HeadlessNextFrame();
    EXPECT_EQ(Frame().left, 1);
}

TEST(HeadlessMouse, BadMouseLinesAreRefused) {
    std::string error;
    for (const char* line : {"click middle", "click", "mouse 10", "mouse a 10", "drag 1 2",
                             "drag 1 2 0", "wheel 0", "wheel", "mouse 1 2 3", "hold A 4 5"}) {
        EXPECT_FALSE(ParseKeyScript(line, &error)) << line;
    }
    EXPECT_TRUE(ParseKeyScript("mouse -5 300\ndrag 0 0 1\nwheel 3\nclick right\n", &error))
        << error;
}

TEST(HeadlessKeyScript, PadPlugLinesTakeOnOrOffAlone) {
    std::string error;
    for (const char* line : {"pad", "pad up", "pad off 3", "pad on on"})
        EXPECT_FALSE(ParseKeyScript(line, &error)) << line;
    EXPECT_TRUE(ParseKeyScript("hold PadUp 4\npad off\nwait 3\npad on\npress PadA\n", &error))
        << error;
}

TEST(HeadlessKeyScript, PictureLinesNameOneFile) {
    std::string error;
    for (const char* line : {"picture", "picture a.ppm b.ppm"})
        EXPECT_FALSE(ParseKeyScript(line, &error)) << line;
    EXPECT_TRUE(ParseKeyScript("wait 3\npicture shot.ppm\npicture again.ppm\nwait 1\n", &error))
        << error;
}

}  // namespace
