// The frame schedule: due times stay on whole intervals and late frames are not made up.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/frame/engine.h"
#include "support/test_env.h"

namespace {

TEST(FrameSchedule, ASlowFrameSkipsToTheNextWholeInterval) {
    const double interval = 1000.0 / 60.0;
    // On time: one interval on.
    EXPECT_DOUBLE_EQ(AdvanceDueTime(100.0, interval, 100.5), 100.0 + interval);
    // A frame that took 40 ms: the next due time is the next multiple, not two quick frames.
    const double due = AdvanceDueTime(100.0, interval, 140.0);
    EXPECT_DOUBLE_EQ(due, 100.0 + 3 * interval);
    EXPECT_GE(due, 140.0);
    EXPECT_LT(due - 140.0, interval);
}

TEST(FrameSchedule, NoFrameRateGivesTwoMilliseconds) {
    SetFrameLimit(0);
    EXPECT_DOUBLE_EQ(FrameInterval(), 2.0);
    SetFrameLimit(-5);
    EXPECT_DOUBLE_EQ(FrameInterval(), 2.0);
    SetFrameLimit(60.9);  // truncated to 60
    EXPECT_DOUBLE_EQ(FrameInterval(), 1000.0 / 60.0);
    SetFrameLimit(60);
}

TEST(FrameWait, KeepsTheDueTimeOnWholeIntervalsAndNeverReturnsZero) {
    UsePrivateTempFolder();
    UseOffscreenVideo();
    EXPECT_EXIT(
        {
            EngineInit("", 1, "");
            SetFrameLimit(60);
            const double interval = FrameInterval();
            FrameWait();
            const double first_due = NextFrameDue();
            bool ok = true;
            for (int i = 0; i < 6; ++i) {
                if (i == 2) SleepMs(40);  // one slow frame
                const double result = FrameWait();
                ok = ok && result >= 1.0;
                const double steps = (NextFrameDue() - first_due) / interval;
                ok = ok && std::fabs(steps - std::round(steps)) < 1e-6;
                ok = ok && NextFrameDue() >= NowMs() - 0.001;
            }
            std::_Exit(ok ? 0 : 5);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
