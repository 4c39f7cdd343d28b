// Start-up, the end report and the ways the program ends. Each case runs the engine in a
// child process (EndProgram exits the process) and reads the log it leaves behind.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "runtime/base/errors.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/pipeline.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/keyboard.h"
#include "runtime/platform/window.h"
#include "support/test_env.h"

namespace {

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UsePrivateTempFolder();
        UseOffscreenVideo();
    }
    static void Start() {
        Startup() = StartupSettings{};
        EngineInit("", 1, "");
        ClearErrorState();
    }
};

TEST_F(ShellTest, StartUpStagesAreLoggedInOrderAndANormalEndReportsZero) {
    EXPECT_EXIT(
        {
            Start();
            StopErrorZero();
        },
        ::testing::ExitedWithCode(0), "");
    std::vector<std::string> log = ReadLogEntries();
    std::vector<std::string> stages;
    for (const auto& e : log)
        if (e.rfind("Init ", 0) == 0) stages.push_back(e);
    EXPECT_EQ(stages, (std::vector<std::string>{"Init GFX", "Init Input", "Init Sound",
                                                "Init Network", "Init Window", "Init Finalized"}));
    ASSERT_GE(log.size(), 5u);
    const size_t end = log.size() - 5;
    EXPECT_EQ(log[end], "-End On Line");
    EXPECT_EQ(log[end + 1], "0");
    EXPECT_EQ(log[end + 4], "0");  // the game's file number
}

TEST_F(ShellTest, RuntimeErrorReportsItsNumberAndLinesAndExitsNonZero) {
    EXPECT_EXIT(
        {
            Start();
            NoteLine();
            RuntimeFail(kErrorIndex);
        },
        ::testing::ExitedWithCode(1), "runtime error 9");
    std::vector<std::string> log = ReadLogEntries();
    ASSERT_GE(log.size(), 5u);
    const size_t end = log.size() - 5;
    EXPECT_EQ(log[end], "-End On Line");
    EXPECT_EQ(log[end + 1], "9");
    // The report gives the line before the failing statement's line, then the current line.
    const int current = std::stoi(log[end + 3]);
    EXPECT_GT(current, 0);
    EXPECT_EQ(std::stoi(log[end + 2]), current - 1);
}

TEST_F(ShellTest, ClosingTheWindowDuringAWaitEndsWithErrorZero) {
    EXPECT_EXIT(
        {
            Start();
            PlatformRequestClose();
            for (int i = 0; i < 100; ++i) ShowFrame();
            std::_Exit(3);  // never reached when the close request is honoured
        },
        ::testing::ExitedWithCode(0), "");
    std::vector<std::string> log = ReadLogEntries();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[log.size() - 5], "-End On Line");
    EXPECT_EQ(log[log.size() - 4], "0");
}

// A fresh player has no score file: the missing-file error 3 stays recorded, yet closing the
// window is a normal end.
TEST_F(ShellTest, ClosingTheWindowAfterANonFatalErrorEndsWithZero) {
    EXPECT_EXIT(
        {
            Start();
            SetErrorNumber(kErrorFile);
            PlatformRequestClose();
            for (int i = 0; i < 100; ++i) ShowFrame();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    const std::vector<std::string> log = ReadLogEntries();
    ASSERT_GE(log.size(), 5u);
    const size_t end = log.size() - 5;
    EXPECT_EQ(log[end], "-End On Line");
    EXPECT_EQ(log[end + 1], "0");
    EXPECT_EQ(std::stoi(log[end + 2]), std::stoi(log[end + 3]) - 1);
}

// Alt+F4 held as the frame is shown ends the program with either Alt key.
TEST_F(ShellTest, AltF4WithEitherAltKeyEndsWithZero) {
    for (int alt : {kKeyLeftAlt, kKeyRightAlt}) {
        EXPECT_EXIT(
            {
                Start();
                SetErrorNumber(kErrorShape);
                PlatformSetKey(alt, true);
                PlatformSetKey(kKeyF4, true);
                ShowFrame();
                std::_Exit(3);
            },
            ::testing::ExitedWithCode(0), "")
            << alt;
        const std::vector<std::string> log = ReadLogEntries();
        ASSERT_GE(log.size(), 5u);
        EXPECT_EQ(log[log.size() - 4], "0");
    }
}

TEST_F(ShellTest, EveryLogEntryEndsInCrLf) {
    EXPECT_EXIT(
        {
            Start();
            StopErrorZero();
        },
        ::testing::ExitedWithCode(0), "");
    for (const auto& e : ReadLogEntries()) EXPECT_EQ(e.find("<no CR LF>"), std::string::npos) << e;
}

TEST_F(ShellTest, TheLogicalScreenHasNoAlphaChannelAndTheRequestedSize) {
    EXPECT_EXIT(
        {
            Start();
            const int alpha = PipeAlphaBits();
            GLint viewport[4] = {};
            glGetIntegerv(GL_VIEWPORT, viewport);
            const bool ok = alpha == 0 && ScreenWidth() == 640 && ScreenHeight() == 480 &&
                            viewport[2] == 640 && viewport[3] == 480;
            SetDisplayMode(320, 240, 0);
            const bool switched =
                ScreenWidth() == 320 && ScreenHeight() == 240 && PlatformLogicalWidth() == 320;
            std::_Exit(ok && switched ? 0 : 4);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
