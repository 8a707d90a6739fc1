#include "harness/game_harness.h"

#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"

#include <gtest/gtest.h>

TEST(MainLoop, StartsHeadlessAndQuitsOnEsc) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.RunFrames(5), 5);
    EXPECT_EQ(currentScene, 1);
    ASSERT_NE(backBuffer, nullptr);
    h.Tap(plat::kVkEscape);
    EXPECT_EQ(h.RunToExit(), 0);
    EXPECT_EQ(closingFlag, 2);
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_TRUE(h.MessageBoxes().empty());
}
