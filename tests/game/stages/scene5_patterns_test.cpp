// The third stage's widest fans: fifteen bullets 12 degrees apart about the
// ship, five volleys a 260-tick cycle of which a 181-call window after the
// world reset fires four; and its turning streams, whose switched-off
// segments still strike where they stopped.
#include <gtest/gtest.h>

#include <cmath>

#include "game/shell/world_reset.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene5/scene5_patterns.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/pool_counts.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"

namespace {

class Scene5Patterns : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        scene5Boss.x = 180.0f;
        scene5Boss.y = 0.0f;
    }
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
    EXPECT_EQ(CountActive(pool), 60);
    EXPECT_EQ(pool[60].active, 0);
    EXPECT_EQ(pool[0].tick, 181);
}

TEST_F(Scene5Patterns, TurningStreamsTurnByTheirOwnStepAndStrikeWhereTheirReleasedSegmentsStopped) {
    Scene5Boss_TurningStream1_Spawn();
    Scene5Boss_TurningStream3_Spawn();
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(scene5BossTurningStream1Pool[k].x, 385.0f);
        EXPECT_EQ(scene5BossTurningStream1Pool[k].y, 30.0f);
        EXPECT_EQ(scene5BossTurningStream3Pool[k].x, 345.0f);
        EXPECT_EQ(scene5BossTurningStream3Pool[k].y, 20.0f);
        EXPECT_EQ(scene5BossTurningStream1Pool[k].heading, float(-kPi / 5));
    }
    // Down and to the left, each stream turning by its own step per call.
    frameDt = 1.0f / 60;
    for (int n = 0; n < 10; ++n) {
        Scene5Boss_TurningStream1_Move();
        Scene5Boss_TurningStream3_Move();
    }
    const TurningStreamRecord& head = scene5BossTurningStream1Pool[6];
    EXPECT_LT(head.x, 385.0f);
    EXPECT_GT(head.y, 30.0f);
    EXPECT_NEAR(head.heading, -kPi / 5 - 10 * 2 * kPi / 280, 1e-5);
    EXPECT_NEAR(scene5BossTurningStream3Pool[6].heading, -kPi / 5 - 10 * 2 * kPi / 320, 1e-5);

    // The tail leaves the screen: every segment is switched off where it is,
    // and a ship in a switched-off segment's box is still struck, at both ends.
    scene5BossTurningStream1Pool[0].y = 600.5f;
    Scene5Boss_TurningStream1_Move();
    const TurningStreamRecord r3 = scene5BossTurningStream1Pool[3];
    EXPECT_EQ(r3.active + head.active, 0);
    for (float dx : {0.0f, 30.0f}) {
        playerX = r3.x - dx;
        playerY = r3.y - 10.0f;
        playerVulnerable = 1;
        Scene5Boss_TurningStream1_Move();
        EXPECT_EQ(playerVulnerable, 0) << dx;
    }
    playerX = r3.x - 30.5f;
    playerVulnerable = 1;
    Scene5Boss_TurningStream1_Move();
    EXPECT_EQ(playerVulnerable, 1);

    // Released as a whole, the stream fires again from the boss.
    Scene5Boss_TurningStream1_Spawn();
    EXPECT_EQ(scene5BossTurningStream1Pool[3].active, 1);
    EXPECT_EQ(scene5BossTurningStream1Pool[3].x, 385.0f);
}
