// The fourth boss's patterns by their own calls: the turning pair that leaves
// outward and, once its tail is gone, still strikes where its segments
// stopped; the big fans that fire four volleys a cycle; the arches of five,
// straight and slanted.
#include <gtest/gtest.h>

#include <cmath>

#include "game/shell/world_reset.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"

namespace {

constexpr double kPi = 3.141592653589793;

class Scene6Patterns : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        scene6Boss.x = 210.0f;
        scene6Boss.y = 0.0f;
        frameDt = 0.1f;
        playerX = 400.0f;
        playerY = 500.0f;
    }
};

} // namespace

TEST_F(Scene6Patterns, TurningPairLeavesOutwardAndStrikesWhereItsReleasedSegmentsStopped) {
    Scene6Boss_TurningStream1_Spawn();
    Scene6Boss_TurningStream2_Spawn();
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(scene6BossTurningStream1Pool[k].x, 385.0f);
        EXPECT_EQ(scene6BossTurningStream1Pool[k].y, 30.0f);
        EXPECT_EQ(scene6BossTurningStream1Pool[k].heading, float(-kPi / 5));
        EXPECT_EQ(scene6BossTurningStream2Pool[k].heading, float(kPi / 5));
    }
    // Down and out: left for the first, right for its mirror.
    frameDt = 1.0f / 60;
    for (int n = 0; n < 30; ++n) {
        Scene6Boss_TurningStream1_Move();
        Scene6Boss_TurningStream2_Move();
    }
    const TurningStreamRecord& left = scene6BossTurningStream1Pool[6];
    const TurningStreamRecord& right = scene6BossTurningStream2Pool[6];
    EXPECT_LT(left.x, 385.0f);
    EXPECT_GT(right.x, 385.0f);
    EXPECT_NEAR(left.x + right.x, 770.0f, 0.01f);
    EXPECT_GT(left.y, 30.0f);
    EXPECT_NEAR(left.y, right.y, 0.01f);
    // The tail leaves the screen: every segment is switched off where it is.
    scene6BossTurningStream1Pool[0].y = 600.5f;
    Scene6Boss_TurningStream1_Move();
    const TurningStreamRecord r3 = scene6BossTurningStream1Pool[3];
    EXPECT_EQ(r3.active + scene6BossTurningStream1Pool[6].active, 0);
    // Switched off, segment 3 still strikes a ship in its box, at both ends.
    for (float dx : {0.0f, 30.0f}) {
        playerX = r3.x - dx;
        playerY = r3.y - 10.0f;
        playerVulnerable = 1;
        Scene6Boss_TurningStream1_Move();
        EXPECT_EQ(playerVulnerable, 0) << dx;
    }
    // Released as a whole, the stream launches anew.
    Scene6Boss_TurningStream1_Spawn();
    EXPECT_EQ(scene6BossTurningStream1Pool[3].active, 1);
    EXPECT_EQ(scene6BossTurningStream1Pool[3].x, 385.0f);
}

TEST_F(Scene6Patterns, BigFansFireFourVolleysOfSevenPerCycleAtTheShip) {
    for (int call = 1; call <= 300; ++call) {
        Scene6Boss_BigFanVolley1_Schedule();
        Scene6Boss_BigFanVolley2_Schedule();
        if (call == 30) {
            // The middle bullet flies at the ship + (20, 20), the others 12
            // degrees apart on either side.
            const BigFanVolleyRecord& mid = scene6BossBigFanVolley1Pool[3];
            EXPECT_EQ(mid.x, 260.0f);
            EXPECT_EQ(mid.y, 80.0f);
            EXPECT_NEAR(mid.angle, std::atan2(520.0 - 80.0, 420.0 - 260.0), 1e-5);
            EXPECT_NEAR(scene6BossBigFanVolley1Pool[0].angle, mid.angle - 3 * 2 * kPi / 30, 1e-5);
            EXPECT_EQ(scene6BossBigFanVolley2Pool[6].x, 420.0f);
            EXPECT_EQ(scene6BossBigFanVolley1Pool[7].active, 0);
        }
    }
    // Nothing moved them: volleys 0 to 3 are out, the fifth never came.
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(scene6BossBigFanVolley1Pool[i].active, i < 28 ? 1 : 0) << i;
}

TEST_F(Scene6Patterns, TimedVolleysArmWholeArchesThatOpenAsTheyFall) {
    for (int call = 0; call < 10; ++call)
        Scene6Boss_TimedVolley1_Schedule();
    const float arch[5] = {90.0f, 113.0f, 120.0f, 113.0f, 90.0f};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(scene6BossTimedVolley1Pool[k].active, 1);
        EXPECT_EQ(scene6BossTimedVolley1Pool[k].x, 380.0f);
        EXPECT_EQ(scene6BossTimedVolley1Pool[k].y, arch[k]);
    }
    EXPECT_EQ(scene6BossTimedVolley1Pool[5].active, 0);
    // The arch opens into a fan as it falls at 155 px/s.
    Scene6Boss_TimedVolley1_Move();
    EXPECT_FLOAT_EQ(scene6BossTimedVolley1Pool[0].x, 370.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley1Pool[2].x, 380.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley1Pool[4].x, 390.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley1Pool[2].y, 135.5f);

    // The small arches of the fourth and fifth slant right and left, the
    // sixth's come every 30 ticks.
    for (int call = 0; call < 10; ++call) {
        Scene6Boss_TimedVolley4_Schedule();
        Scene6Boss_TimedVolley5_Schedule();
    }
    Scene6Boss_TimedVolley4_Move();
    Scene6Boss_TimedVolley5_Move();
    EXPECT_FLOAT_EQ(scene6BossTimedVolley4Pool[2].x, 380.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley4Pool[0].x, 370.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley5Pool[4].x, 410.0f);
    EXPECT_FLOAT_EQ(scene6BossTimedVolley5Pool[2].y, 102.0f);
    for (int call = 0; call < 29; ++call)
        Scene6Boss_TimedVolley6_Schedule();
    EXPECT_EQ(scene6BossTimedVolley6Pool[0].active, 0);
    Scene6Boss_TimedVolley6_Schedule();
    EXPECT_EQ(scene6BossTimedVolley6Pool[0].x, 340.0f);
}
