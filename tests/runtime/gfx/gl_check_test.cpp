// The drawing seam's check: a frame recorded through the drawing commands passes it; a raw
// OpenGL state change or draw made while the frame is recorded stops the program, naming it.
#include <GL/gl.h>

#include <cstdlib>

#include "gfx_fixture.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/platform/switches.h"

namespace {
class GlCheckTest : public GfxTest {
  protected:
    void SetUp() override {
        GfxTest::SetUp();
        setenv("ZOLV_GL_CHECK", "1", 1);
        ReloadSwitches();
        FrameRecordSwitch(true);
    }
    void TearDown() override {
        FrameRecordSwitch(false);
        unsetenv("ZOLV_GL_CHECK");
        ReloadSwitches();
        GfxTest::TearDown();
    }
    // A frame of boxes and a sprite drawn through the commands, with `raw` in the middle.
    static void Frame(void (*raw)()) {
        FrameRecordBegin(640, 480);
        FillBox(10, 10, 40, 30, 0x00FF00);
        DrawSprite(1, 100, 100);
        if (raw) raw();
        FillBox(200, 10, 40, 30, 0xFF0000);
        FrameRecordFinish();
    }
};

TEST_F(GlCheckTest, RecordedFramesPassAndRawCallsInThemStopTheProgram) {
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    MakeSheetSprite(1);
    Frame(nullptr);
    Frame(nullptr);  // the second is compared with the first and drawn in parts
    // A sync (here a read-back) plays the list first: raw calls after it are allowed.
    FrameRecordBegin(640, 480);
    FillBox(10, 10, 40, 30, 0x00FF00);
    FlushBatch();
    glEnable(GL_BLEND);
    glDisable(GL_BLEND);
    FrameRecordFinish();

    EXPECT_DEATH(Frame([] { glEnable(GL_BLEND); }), "blending changed");
    // The colour is the pipeline's own, out of reach of raw calls; the blend function is not.
    EXPECT_DEATH(Frame([] { glBlendFunc(GL_ONE, GL_ONE); }), "blend destination changed");
    EXPECT_DEATH(Frame([] { glBindTexture(GL_TEXTURE_2D, 0); }), "texture binding changed");
    // The pipeline's program and vertices are still bound: a raw draw changes no state.
    EXPECT_DEATH(Frame([] { glDrawArrays(GL_TRIANGLES, 0, 3); }), "samples drawn");
}
}  // namespace
