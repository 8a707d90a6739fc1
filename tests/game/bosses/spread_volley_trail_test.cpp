// The spread volley trail through the scene-3 boss's first instance: where a
// volley leaves, on which schedule calls, how its outer shots drift, the
// relaunch that re-places a volley in flight, the cull and the kill box.
#include "game/bosses/spread_volley_trail.h"

#include <gtest/gtest.h>

#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "boss_pattern_fixture.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

class SpreadVolleyTrail : public BossPatternTest {
  protected:
    void SetUp() override {
        BossPatternTest::SetUp();
        scene3Boss.x = 150.0f;
        scene3Boss.y = 0.0f;
    }
    static inline SpreadShot (&pool)[50] = scene3BossSpreadVolleyTrail1Pool;
};

} // namespace

TEST_F(SpreadVolleyTrail, VolleysLeaveEveryTenCallsAsAnArchAndTheCycleIs150) {
    // Volley k leaves on call 10 (k + 1); the boss moves in between, and each
    // volley is placed from where the boss is at its call.
    for (int32_t call = 1; call <= 150; ++call) {
        scene3Boss.x = 100.0f + float(call);
        Scene3Boss_SpreadVolleyTrail1_Schedule();
        const int32_t due = call % 10 == 0 && call <= 100 ? call / 10 : 0;
        ASSERT_EQ(CountActive(pool), 5 * (call <= 100 ? call / 10 : 10)) << call;
        if (due == 0) continue;
        // Middle at boss x + 120, neighbours 22 and 44 to the sides.
        const int32_t first = 5 * (due - 1);
        const float bx = 100.0f + float(call);
        const float xs[5] = {bx + 76.0f, bx + 98.0f, bx + 120.0f, bx + 142.0f, bx + 164.0f};
        const float ys[5] = {50.0f, 73.0f, 80.0f, 73.0f, 50.0f};
        for (int32_t j = 0; j < 5; ++j) {
            EXPECT_FLOAT_EQ(pool[first + j].x, xs[j]) << call << " " << j;
            EXPECT_FLOAT_EQ(pool[first + j].y, ys[j]) << call << " " << j;
        }
    }
    EXPECT_EQ(pool[0].tick, 0); // 150 wrapped before the tests
    // Nothing has moved, so the next cycle's ticks find every volley flying:
    // a full volley fires nothing and is not re-placed.
    pool[0].x = 10.0f;
    for (int32_t call = 1; call <= 10; ++call)
        Scene3Boss_SpreadVolleyTrail1_Schedule();
    EXPECT_FLOAT_EQ(pool[0].x, 10.0f);
}

TEST_F(SpreadVolleyTrail, OuterShotsDriftApartFlyingOrParkedAndALaunchReplacesTheVolley) {
    for (int32_t call = 0; call < 10; ++call)
        Scene3Boss_SpreadVolleyTrail1_Schedule();
    Scene3Boss_SpreadVolleyTrail1_Move(); // half a second: 50 px apart, 90 down
    const float xs[5] = {226.0f - 50.0f, 248.0f, 270.0f, 292.0f, 314.0f + 50.0f};
    for (int32_t j = 0; j < 5; ++j) {
        EXPECT_FLOAT_EQ(pool[j].x, xs[j]) << j;
        EXPECT_FLOAT_EQ(pool[j].vy, 180.0f);
    }
    EXPECT_FLOAT_EQ(pool[0].y, 140.0f);
    EXPECT_FLOAT_EQ(pool[2].y, 170.0f);
    // Parked volleys drift too; their middle shots do not.
    EXPECT_FLOAT_EQ(pool[5].x, ParkX - 50.0f);
    EXPECT_FLOAT_EQ(pool[9].x, ParkX + 50.0f);
    EXPECT_FLOAT_EQ(pool[7].x, ParkX);

    // The middle shot freed, the outer ones flying: at the volley's next tick
    // the launch through the free shot puts the whole volley back at the boss
    // and arms the middle one alone.
    pool[2].active = 0;
    pool[1].active = 0;
    pool[1].x = 5.0f;
    for (int32_t call = 10; call < 160; ++call) // the next cycle's call 10
        Scene3Boss_SpreadVolleyTrail1_Schedule();
    EXPECT_FLOAT_EQ(pool[0].x, 226.0f);
    EXPECT_FLOAT_EQ(pool[0].y, 50.0f);
    EXPECT_FLOAT_EQ(pool[4].x, 314.0f);
    EXPECT_EQ(pool[1].active, 1);
    EXPECT_EQ(pool[2].active, 1);
    EXPECT_EQ(pool[0].active + pool[3].active + pool[4].active, 3);
}

TEST_F(SpreadVolleyTrail, ShotsParkPast600AndHitInsideTheirBox) {
    for (int32_t call = 0; call < 10; ++call)
        Scene3Boss_SpreadVolleyTrail1_Schedule();
    pool[2].y = 510.0f; // 600 after the move: still flying
    pool[1].y = 510.5f; // 600.5: parked
    Scene3Boss_SpreadVolleyTrail1_Move();
    EXPECT_EQ(pool[2].active, 1);
    EXPECT_EQ(pool[1].active, 0);
    EXPECT_FLOAT_EQ(pool[1].x, ParkX);

    // Both box corners are inside: (x - playerX, y - playerY) = (10, 20)
    // and (30, 30); one pixel beyond either misses.
    struct Case {
        float dx, dy;
        int32_t hit;
    };
    for (const Case c : {Case{10, 20, 1}, Case{30, 30, 1}, Case{9.5f, 25, 0}, Case{20, 30.5f, 0}}) {
        SetUp();
        Scene3Boss_SpreadVolleyTrail1_Launch(2, 0); // the middle shot at (270, 80)
        playerX = 270.0f - c.dx;
        playerY = 170.0f - c.dy;
        Scene3Boss_SpreadVolleyTrail1_Move();
        EXPECT_EQ(playerVulnerable, 1 - c.hit) << c.dx << " " << c.dy;
    }
}

TEST_F(SpreadVolleyTrail, EveryShotStepsItsGlowCellParkedOrNot) {
    // The world reset starts each cell at rand() % 10 on the game's stream.
    kitSystem::SeedRandom(7);
    ResetWorldA();
    ResetWorldB();
    int32_t before[50];
    for (int32_t i = 0; i < 50; ++i) {
        before[i] = pool[i].animFrame;
        ASSERT_GE(before[i], 0);
        ASSERT_LT(before[i], 10);
    }
    for (int32_t draw = 1; draw <= 30; ++draw) {
        Scene3Boss_SpreadVolleyTrail1_Draw();
        for (int32_t i = 0; i < 50; ++i)
            ASSERT_EQ(pool[i].animFrame, (before[i] + draw) % 24) << i;
    }
}
