#include "harness/reset_globals.h"
#include "platform/display.h"
#include "platform/time.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Display = FreshGlobals;
using VirtualClock = FreshGlobals;

TEST_F(VirtualClock, MovesOnlyThroughSleepsAndWaits) {
    plat::UseVirtualClockForTests(true);
    plat::SetVirtualClockForTests(1000);
    EXPECT_EQ(plat::TimeMs(), 1000u);
    EXPECT_EQ(plat::PerfCounter(), 1000u * plat::PerfFrequency() / 1000);
    plat::SleepMs(25);
    EXPECT_EQ(plat::TimeMs(), 1025u);
    // Up to a point on the counter: the next whole millisecond at or past it.
    plat::SleepUntilPerf(plat::PerfCounter() + plat::PerfFrequency() / 2000);
    EXPECT_EQ(plat::TimeMs(), 1026u);
    plat::SleepUntilPerf(0);
    EXPECT_EQ(plat::TimeMs(), 1026u);

    // The vertical blank: edges every 1/60 s on the counter.
    plat::SetVirtualClockForTests(0);
    plat::WaitForVerticalBlank();
    EXPECT_EQ(plat::TimeMs(), 17u); // 16.67 ms, rounded up to the clock
    plat::WaitForVerticalBlank();
    EXPECT_EQ(plat::TimeMs(), 34u);
    for (int i = 0; i < 58; ++i)
        plat::WaitForVerticalBlank();
    EXPECT_EQ(plat::TimeMs(), 1000u); // sixty edges a second

    plat::SetVirtualCalendarForTests(123456);
    EXPECT_EQ(plat::CalendarSeconds(), 123456);
    uint64_t f = 0;
    plat::SetPerfCounterAvailableForTests(false);
    EXPECT_FALSE(plat::QueryPerfFrequency(&f));
    plat::SetPerfCounterAvailableForTests(true);
    EXPECT_TRUE(plat::QueryPerfFrequency(&f));
    EXPECT_EQ(f, plat::PerfFrequency());
}

TEST_F(Display, HeadlessDeviceModesAndSurfaces) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(plat::InitWindowing());
    plat::WindowClass wc;
    wc.proc = [](plat::Window*, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
    wc.className = "D";
    ASSERT_TRUE(plat::RegisterWindowClass(wc));
    plat::Window* w = plat::CreateAppWindow("D", "d", plat::kWsPopup, 0, 0, 800, 600);
    ASSERT_NE(w, nullptr);

    plat::Display* d = nullptr;
    ASSERT_EQ(plat::CreateDisplay(nullptr, &d), plat::kOk);
    EXPECT_EQ(plat::DesktopBitsPerPixel(), 32);
    // The mode needs the exclusive level first, and only 16 bits are shown.
    EXPECT_NE(plat::SetDisplayMode(d, 800, 600, 16), plat::kOk);
    ASSERT_EQ(plat::SetCooperativeLevel(d, w, plat::kCoopExclusive | plat::kCoopFullscreen), plat::kOk);
    EXPECT_EQ(plat::SetDisplayMode(d, 800, 600, 32), plat::kErrInvalidMode);
    EXPECT_EQ(plat::SetDisplayMode(d, 640, 480, 16), plat::kOk);
    EXPECT_EQ(plat::DesktopBitsPerPixel(), 16);

    plat::Surface* primary = nullptr;
    ASSERT_EQ(plat::CreateDisplaySurface(d, plat::kSurfPrimary, 1, 1, &primary), plat::kOk);
    EXPECT_EQ(primary->width, 640); // the mode's size
    EXPECT_EQ(primary->height, 480);
    EXPECT_TRUE(primary->isPrimary);
    plat::PixelMasks masks{};
    EXPECT_EQ(plat::GetSurfacePixelFormat(primary, &masks), plat::kOk);
    EXPECT_EQ(masks.green, 0x07E0u);
    const int presents = plat::PresentCountForTests();
    plat::PresentPrimary(primary); // nothing to show headless, and no harm
    plat::PresentPrimary(nullptr);
    EXPECT_EQ(plat::PresentCountForTests(), presents + 2);

    EXPECT_EQ(plat::RestoreDisplayMode(d), plat::kOk);
    EXPECT_EQ(plat::DesktopBitsPerPixel(), 32);
    plat::ReleaseDisplaySurface(primary);
    plat::ReleaseDisplay(d);

    plat::FailDisplayCallForTests(plat::DisplayCall::Create, true);
    EXPECT_EQ(plat::CreateDisplay(nullptr, &d), plat::kErrNoDisplay);
    EXPECT_EQ(d, nullptr);
    plat::ResetDisplayHooksForTests();
    plat::ShutdownWindowing();
    // With the video system down there is no display to create.
    EXPECT_EQ(plat::CreateDisplay(nullptr, &d), plat::kErrNoDisplay);
}
