#include "harness/reset_globals.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/frame_timer.h"
#include "kit/system/joystick.h"
#include "platform/time.h"

#include <gtest/gtest.h>

namespace {
class FrameTimer : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        plat::UseVirtualClockForTests(true);
        plat::SetVirtualClockForTests(20000);
        plat::SetPerfCounterAvailableForTests(true);
        RunStartupInitialisers();
    }
    void TearDown() override { ResetGameGlobals(); }
};
} // namespace

using FrameTimerStartup = FreshGlobals;

TEST_F(FrameTimerStartup, BuiltBeforeMain) {
    // The timer object raised the timer resolution before main() ran.
    EXPECT_EQ(plat::TimerPeriodRequests(), 1);
    EXPECT_EQ(frameRate, 60u);
    EXPECT_EQ(framePacing, 1);
    EXPECT_EQ(vsyncWait, 0);
    // 2π is a double: angles built from it keep double precision.
    EXPECT_EQ(twoPi, 2.0 * 3.141592653589793);
}

TEST_F(FrameTimer, OneDueFramePerPeriod) {
    EXPECT_EQ(usePerfCounter, 1);
    EXPECT_EQ(useTimeGetTime, 1);
    EXPECT_EQ(ticksPerFrame, plat::PerfFrequency() / 60);
    EXPECT_EQ(FrameWait(), 0); // the period starts at start-up
    plat::AdvanceVirtualClockForTests(16);
    EXPECT_EQ(FrameWait(), 0);
    EXPECT_EQ(FrameMsUntilDue(), 1u);
    plat::AdvanceVirtualClockForTests(1);
    EXPECT_EQ(FrameMsUntilDue(), 0u);
    EXPECT_EQ(FrameWait(), 1);
    EXPECT_FLOAT_EQ(frameDt, 0.017f);
    // Asked again within the period: not due, and frameDt keeps its value.
    EXPECT_EQ(FrameWait(), 0);
    EXPECT_FLOAT_EQ(frameDt, 0.017f);
    EXPECT_EQ(FrameMsUntilDue(), 17u);

    // The period starts when a frame is granted: a late frame does not make
    // the next one early.
    plat::AdvanceVirtualClockForTests(40);
    EXPECT_EQ(FrameWait(), 1);
    EXPECT_FLOAT_EQ(frameDt, 0.040f);
    plat::AdvanceVirtualClockForTests(16);
    EXPECT_EQ(FrameWait(), 0);

    // A frame every 17 ms makes 60 frames in 1020 ms, never two in one period.
    int granted = 0;
    for (int ms = 0; ms < 1020; ++ms) {
        plat::AdvanceVirtualClockForTests(1);
        granted += FrameWait();
    }
    EXPECT_EQ(granted, 60);
}

TEST_F(FrameTimer, PacingOffGrantsEveryCall) {
    SetFramePacing(0);
    EXPECT_EQ(vsyncWait, 1);
    EXPECT_EQ(FrameWait(), 1);
    EXPECT_EQ(FrameWait(), 1);
    EXPECT_EQ(frameDt, 0.0f);
    EXPECT_EQ(FrameMsUntilDue(), 0u);
    SetFramePacing(1);
    EXPECT_EQ(vsyncWait, 0);
    // A rate of 0 has no period: every call is due.
    FrameTimerInit(0);
    EXPECT_EQ(ticksPerFrame, 0u);
    EXPECT_EQ(FrameWait(), 1);
}

TEST_F(FrameTimer, ClockGoingBackwardsRestartsThePeriod) {
    plat::AdvanceVirtualClockForTests(17);
    ASSERT_EQ(FrameWait(), 1);
    plat::SetVirtualClockForTests(10000); // backwards
    EXPECT_EQ(FrameWait(), 0);
    EXPECT_EQ(timerLast, timerNow);
    // No wait of any length: the next frame is one period after the jump.
    plat::AdvanceVirtualClockForTests(16);
    EXPECT_EQ(FrameWait(), 0);
    plat::AdvanceVirtualClockForTests(1);
    EXPECT_EQ(FrameWait(), 1);
    // frameDt is an unsigned millisecond difference across the jump.
    EXPECT_GT(frameDt, 4000000.0f);

    // With pacing off the backwards step still grants the frame.
    SetFramePacing(0);
    plat::SetVirtualClockForTests(5000);
    EXPECT_EQ(FrameWait(), 1);
}

TEST_F(FrameTimer, MillisecondFallbackHasA16msPeriod) {
    plat::SetPerfCounterAvailableForTests(false);
    FrameTimerInit(60);
    EXPECT_EQ(usePerfCounter, 0);
    EXPECT_EQ(ticksPerFrame, 16u);
    EXPECT_EQ(timerNow, uint64_t(plat::TimeMs()));
    plat::AdvanceVirtualClockForTests(15);
    EXPECT_EQ(FrameWait(), 0);
    EXPECT_EQ(FrameMsUntilDue(), 1u);
    plat::AdvanceVirtualClockForTests(1);
    EXPECT_EQ(FrameWait(), 1);
    EXPECT_FLOAT_EQ(frameDt, 0.016f);
    int granted = 0;
    for (int ms = 0; ms < 1000; ++ms) {
        plat::AdvanceVirtualClockForTests(1);
        granted += FrameWait();
    }
    EXPECT_EQ(granted, 62); // 62.5 frames a second
}

TEST_F(FrameTimer, LongGapCarriesIntoFrameDt) {
    plat::AdvanceVirtualClockForTests(17);
    ASSERT_EQ(FrameWait(), 1);
    plat::AdvanceVirtualClockForTests(5000);
    ASSERT_EQ(FrameWait(), 1);
    EXPECT_NEAR(frameDt, 5.0f, 1e-4f);
}
