// The third stage's widest fans: fifteen bullets 12 degrees apart about the
// ship, five volleys a 260-tick cycle of which a 181-call window after the
// world reset fires four.
#include <gtest/gtest.h>

#include <cmath>

#include "game/shell/world_reset.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene5/scene5_patterns.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"

namespace {

class Scene5Patterns : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetWorldA();
        ResetWorldB();
        scene5Boss.x = 180.0f;
        scene5Boss.y = 0.0f;
    }
    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = dt_, playerX = x_, playerY = y_;
    }

  private:
    const float dt_ = frameDt, x_ = playerX, y_ = playerY;
};

constexpr double kPi = 3.14159265358979323846;

} // namespace

TEST_F(Scene5Patterns, AFanOfFifteenSpreadsSevenStepsEitherSideOfTheShip) {
    // The muzzle is boss + (200, 130) = (380, 130); the ship + 10 straight
    // below it, so the middle bullet flies straight down.
    playerX = 370.0f;
    playerY = 400.0f;
    auto& pool = scene5BossBigFanVolley19Pool;
    for (int i = 0; i < 39; ++i)
        Scene5Boss_BigFanVolley19_Schedule();
    EXPECT_EQ(pool[7].active, 0);
    Scene5Boss_BigFanVolley19_Schedule(); // tick 40: the first volley, records 0 to 14
    for (int i = 0; i < 15; ++i) {
        ASSERT_EQ(pool[i].active, 1) << i;
        EXPECT_FLOAT_EQ(pool[i].x, 380.0f);
        EXPECT_FLOAT_EQ(pool[i].y, 130.0f);
        EXPECT_NEAR(pool[i].angle, kPi / 2 + (i - 7) * 2 * kPi / 30, 1e-5) << i;
    }
    EXPECT_EQ(pool[15].active, 0);

    // One move: the outer bullets fly 6 degrees below the horizontal, left
    // and right, at 220 px/s.
    frameDt = 0.5f;
    Scene5Boss_BigFanVolley19_Move();
    EXPECT_NEAR(pool[7].y, 240.0f, 1e-3);
    EXPECT_NEAR(pool[0].x, 380.0f + 110.0f * std::cos(6 * kPi / 180), 1e-3);
    EXPECT_NEAR(pool[14].x, 380.0f - 110.0f * std::cos(6 * kPi / 180), 1e-3);
    EXPECT_NEAR(pool[14].y, 130.0f + 110.0f * std::sin(6 * kPi / 180), 1e-3);

    // The rest of a 181-call window fires volleys at 80, 120 and 160 only.
    SetUp();
    for (int i = 0; i < 181; ++i)
        Scene5Boss_BigFanVolley19_Schedule();
    int32_t flying = 0;
    for (const BigFanVolleyRecord& r : pool)
        flying += r.active;
    EXPECT_EQ(flying, 60);
    EXPECT_EQ(pool[60].active, 0);
    EXPECT_EQ(pool[0].tick, 181);
}
