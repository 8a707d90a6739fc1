// Aimed fans and rings: the kinds' five-way fans, the big fans of three, five
// and seven, and the ring bursts of twelve, launched on their ticks and aimed
// at the ship.
#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/fan_volley.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "game/state/assets.h"
#include "pattern_fixture.h"

namespace {

constexpr double kFanStep = 12.0 * kDegree;

} // namespace

using FanVolleyTest = PatternTest;

TEST_F(FanVolleyTest, KindFansLeaveSlotZeroEveryFortyTicksCentredOnTheShip) {
    enemyJPool[0].x = 300.0f; // slot 0 fires whether it is alive or not
    enemyJPool[0].y = 100.0f;
    playerX = 450.0f;
    playerY = 400.0f;
    const double base = std::atan(280.0 / 138.0); // aim (470, 420) from the muzzle (332, 140)

    for (int call = 1; call < 40; ++call)
        EnemyJ_Shot7_Fire();
    EXPECT_EQ(CountActive(enemyJShot7Pool), 0);
    EnemyJ_Shot7_Fire();
    ASSERT_EQ(CountActive(enemyJShot7Pool), 5);
    for (int k = 0; k < 5; ++k) {
        const FanVolleyKindRecord& r = enemyJShot7Pool[k];
        EXPECT_EQ(r.active, 1);
        EXPECT_EQ(r.x, 332.0f);
        EXPECT_EQ(r.y, 140.0f);
        EXPECT_EQ(r.speed, 180.0f);
        EXPECT_NEAR(r.angle, base + (k - 2) * kFanStep, 1e-6) << k;
    }
    for (int call = 41; call <= 200; ++call)
        EnemyJ_Shot7_Fire();
    EXPECT_EQ(CountActive(enemyJShot7Pool), 25);
    for (int call = 201; call <= 250; ++call)
        EnemyJ_Shot7_Fire();
    EXPECT_EQ(enemyJShot7Pool[0].tick, 0); // the ticks run 0..249

    // A volley that comes due while some of its bullets fly relaunches only
    // the parked ones.
    enemyJShot7Pool[1].x = 500.0f;
    for (int k : {0, 2, 3, 4})
        ParkRecord(enemyJShot7Pool[k]);
    enemyJPool[0].x = 200.0f;
    for (int call = 251; call <= 290; ++call)
        EnemyJ_Shot7_Fire();
    EXPECT_EQ(enemyJShot7Pool[1].x, 500.0f);
    for (int k : {0, 2, 3, 4}) {
        EXPECT_EQ(enemyJShot7Pool[k].active, 1);
        EXPECT_EQ(enemyJShot7Pool[k].x, 232.0f);
    }
}

TEST_F(FanVolleyTest, AFanAimsThroughAtanAndTurnsBackWhenTheShipIsLeftOrAbove) {
    FanVolleyKindRecord pool[5] = {};
    enemyKPool[0].x = 300.0f;
    enemyKPool[0].y = 100.0f; // muzzle (332, 140)
    auto centre = [&] {
        for (auto& r : pool)
            r.active = 0;
        FanVolley_FireOne(kEnemyKShot7, pool, 2, 0);
        return pool[2].angle;
    };
    playerX = 100.0f; // left: atan plus pi, whatever the sign of dy
    playerY = 400.0f;
    EXPECT_NEAR(centre(), std::atan(280.0 / -212.0) + kPi, 1e-6);
    playerX = 312.0f; // straight below the muzzle
    EXPECT_NEAR(centre(), kPi / 2, 1e-6);
    playerY = 120.0f; // straight above, or level: up
    EXPECT_NEAR(centre(), 3 * kPi / 2, 1e-6);
    playerY = 0.0f;
    EXPECT_NEAR(centre(), 3 * kPi / 2, 1e-6);
    // A flying record is never re-armed.
    pool[2].angle = 1.0f;
    FanVolley_FireOne(kEnemyKShot7, pool, 2, 0);
    EXPECT_EQ(pool[2].angle, 1.0f);
}

TEST_F(FanVolleyTest, FanBulletsStayOnTheBoundsAndKillInsideTheirBox) {
    FanVolleyKindRecord pool[6] = {};
    const float xs[6] = {800.0f, 800.5f, -16.0f, -16.5f, 300.0f, 300.0f};
    const float ys[6] = {300.0f, 300.0f, -16.0f, 300.0f, 600.0f, 600.5f};
    for (int i = 0; i < 6; ++i)
        pool[i] = LiveAt<FanVolleyKindRecord>(xs[i], ys[i]);
    FanVolley_Move(kEnemyJShot7, pool);
    const int32_t live[6] = {1, 0, 1, 0, 1, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pool[i].active, live[i]) << i;
        if (!live[i]) {
            EXPECT_EQ(pool[i].y, ParkY) << i;
        }
    }

    // Kill box 14..30 by 24..30 from the ship's corner, edges included; the
    // bullet flies on.
    playerX = 100.0f;
    playerY = 100.0f;
    auto hits = [&](float x, float y) {
        playerVulnerable = 1;
        FanVolleyKindRecord r[1] = {LiveAt<FanVolleyKindRecord>(x, y)};
        FanVolley_Move(kEnemyJShot7, r);
        return playerVulnerable == 0 && r[0].active == 1;
    };
    EXPECT_TRUE(hits(114.0f, 124.0f));
    EXPECT_TRUE(hits(130.0f, 130.0f));
    EXPECT_FALSE(hits(113.5f, 124.0f));
    EXPECT_FALSE(hits(114.0f, 130.5f));

    clearEnemyShots = 1;
    FanVolleyKindRecord r[1] = {LiveAt<FanVolleyKindRecord>(300.0f, 300.0f)};
    FanVolley_Move(kEnemyJShot7, r);
    EXPECT_EQ(r[0].active, 0);
}

using BigFanVolleyTest = PatternTest;

TEST_F(BigFanVolleyTest, FansOfThreeFiveAndSevenTurnAboutTheirCentreMember) {
    enemyOPool[0].x = 200.0f;
    enemyOPool[0].y = 50.0f;
    playerX = 400.0f;
    playerY = 450.0f;
    // Middle fan of five from (285, 170), aim (415, 465).
    for (int k = 0; k < 5; ++k)
        EnemyO_Shot1_FireOne(10 + k, 10);
    const double o1 = std::atan(295.0 / 130.0);
    for (int k = 0; k < 5; ++k) {
        const BigFanVolleyRecord& r = enemyOShot1Pool[10 + k];
        EXPECT_EQ(r.x, 285.0f);
        EXPECT_EQ(r.y, 170.0f);
        EXPECT_EQ(r.speed, 220.0f);
        EXPECT_NEAR(r.angle, o1 + (k - 2) * kFanStep, 1e-6) << k;
    }
    // The side fans of three keep centre 2: the aim and two steps on its
    // smaller-angle side.
    for (int k = 0; k < 3; ++k)
        EnemyO_Shot2_FireOne(k, 0);
    const double o2 = std::atan(295.0 / 210.0); // from (205, 170)
    EXPECT_NEAR(enemyOShot2Pool[0].angle, o2 - 2 * kFanStep, 1e-6);
    EXPECT_NEAR(enemyOShot2Pool[1].angle, o2 - kFanStep, 1e-6);
    EXPECT_NEAR(enemyOShot2Pool[2].angle, o2, 1e-6);

    // The boss's fan of seven, centred on member 3, from boss + (210, 130),
    // aimed 20 pixels into the ship; a ship to the left adds pi.
    scene2Boss.x = 180.0f;
    scene2Boss.y = 0.0f;
    playerX = 100.0f;
    for (int k = 0; k < 7; ++k)
        Scene2Boss_BigFanVolley3_FireOne(7 + k, 7);
    const double b3 = std::atan(340.0 / -270.0) + kPi;
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(scene2BossBigFanVolley3Pool[7 + k].speed, 200.0f);
        EXPECT_NEAR(scene2BossBigFanVolley3Pool[7 + k].angle, b3 + (k - 3) * kFanStep, 1e-5) << k;
    }
    // Straight below and straight above the muzzle.
    playerX = 370.0f;
    scene2BossBigFanVolley1Pool[2].active = 0;
    Scene2Boss_BigFanVolley1_FireOne(2, 0); // from (380, 130), aim + 10
    EXPECT_NEAR(scene2BossBigFanVolley1Pool[2].angle, kPi / 2, 1e-6);
    playerY = 120.0f;
    scene2BossBigFanVolley1Pool[2].active = 0;
    Scene2Boss_BigFanVolley1_FireOne(2, 0);
    EXPECT_NEAR(scene2BossBigFanVolley1Pool[2].angle, 3 * kPi / 2, 1e-6);
}

TEST_F(BigFanVolleyTest, SchedulesLaunchWholeVolleysAndSkipTheGroupsTheirCycleNeverReaches) {
    // Fans of three on a 100-tick cycle: the fifth group never leaves.
    for (int call = 1; call < 20; ++call)
        EnemyO_Shot2_FireVolleys();
    EXPECT_EQ(CountActive(enemyOShot2Pool), 0);
    EnemyO_Shot2_FireVolleys();
    EXPECT_EQ(CountActive(std::span(enemyOShot2Pool, 3)), 3);
    for (int call = 21; call <= 100; ++call)
        EnemyO_Shot2_FireVolleys();
    EXPECT_EQ(CountActive(std::span(enemyOShot2Pool, 12)), 12);
    EXPECT_EQ(CountActive(std::span(enemyOShot2Pool + 12, 3)), 0);
    for (auto& r : enemyOShot2Pool)
        ParkRecord(r);
    // After the fourth volley the first comes again 40 ticks later.
    for (int call = 101; call < 120; ++call)
        EnemyO_Shot2_FireVolleys();
    EXPECT_EQ(CountActive(enemyOShot2Pool), 0);
    EnemyO_Shot2_FireVolleys();
    EXPECT_EQ(CountActive(enemyOShot2Pool), 3);

    // The boss's fans of seven on a 150-tick cycle launch four volleys.
    for (int call = 1; call <= 300; ++call)
        Scene2Boss_BigFanVolley3_Schedule();
    EXPECT_EQ(CountActive(scene2BossBigFanVolley3Pool), 28);
    // The boss's first fan leaves on the 40th call, from the boss's position.
    scene2Boss.x = 180.0f;
    scene2Boss.y = 0.0f;
    for (int call = 1; call < 40; ++call)
        Scene2Boss_BigFanVolley1_Schedule();
    EXPECT_EQ(CountActive(scene2BossBigFanVolley1Pool), 0);
    Scene2Boss_BigFanVolley1_Schedule();
    EXPECT_EQ(CountActive(scene2BossBigFanVolley1Pool), 5);
    EXPECT_EQ(scene2BossBigFanVolley1Pool[4].x, 380.0f);
    EXPECT_EQ(scene2BossBigFanVolley1Pool[4].y, 130.0f);
}

TEST_F(BigFanVolleyTest, TheTwoRotatedFormsTurnByOneDegreeApartAndStayInTheTable) {
    // 10.5 degrees: 360 - 10.5 - 90 truncated is 259; 270 - trunc(10.5) is 260.
    const float a = static_cast<float>(10.5 * kDegree);
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::Rotated, a), 259);
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::RotatedLarge, a), 260);
    // Steeply up: beyond 270 degrees and below -89 both reduce into 0..359.
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::RotatedLarge, static_cast<float>(300.5 * kDegree)), 330);
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::Rotated, static_cast<float>(300.5 * kDegree)), 330);
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::RotatedLarge, static_cast<float>(-100.5 * kDegree)), 10);
    EXPECT_EQ(BigFanVolley_BlitAngle(BigFanDraw::Rotated, static_cast<float>(-100.5 * kDegree)), 10);

    // The large form writes every record's whole degrees, parked ones too;
    // the animated form advances every record's cell and wraps at 24.
    for (auto& r : scene2BossBigFanVolley1Pool)
        r.angleDeg = 999;
    scene2BossBigFanVolley1Pool[3].angle = static_cast<float>(123.7 * kDegree);
    Scene2Boss_BigFanVolley1_Draw();
    EXPECT_EQ(scene2BossBigFanVolley1Pool[3].angleDeg, 123);
    for (const auto& r : scene2BossBigFanVolley1Pool)
        EXPECT_NE(r.angleDeg, 999);
    scene2BossBigFanVolley2Pool[0].frame = 23;
    scene2BossBigFanVolley2Pool[1].frame = 5;
    Scene2Boss_BigFanVolley2_Draw();
    EXPECT_EQ(scene2BossBigFanVolley2Pool[0].frame, 0);
    EXPECT_EQ(scene2BossBigFanVolley2Pool[1].frame, 6);
}

TEST_F(BigFanVolleyTest, TheLargeFanKeepsItsFortyPixelMarginAndWideKillBox) {
    auto stays = [](float x, float y) {
        scene2BossBigFanVolley1Pool[0] = LiveAt<BigFanVolleyRecord>(x, y);
        Scene2Boss_BigFanVolley1_Move();
        return scene2BossBigFanVolley1Pool[0].active == 1;
    };
    EXPECT_TRUE(stays(-40.0f, -40.0f));
    EXPECT_TRUE(stays(800.0f, 600.0f));
    EXPECT_FALSE(stays(-40.5f, 300.0f));
    EXPECT_FALSE(stays(300.0f, -40.5f));
    EXPECT_FALSE(stays(800.5f, 300.0f));
    // The ship 10 pixels right of the bullet is still hit.
    playerX = 300.0f;
    playerY = 300.0f;
    EXPECT_TRUE(stays(290.0f, 300.0f));
    EXPECT_EQ(playerVulnerable, 0);
    playerVulnerable = 1;
    EXPECT_TRUE(stays(289.5f, 300.0f));
    EXPECT_EQ(playerVulnerable, 1);
}

using AimedRingBurstTest = PatternTest;

namespace {
float ringOwnerX = 200.0f;
float ringOwnerY = 50.0f;
// The large enemy D52's rings: ten rings of twelve, one every 60 ticks.
constexpr AimedRingBurstConstants kRings = {
    .owner = {&ringOwnerX, &ringOwnerY},
    .offsetX = {92.0f},
    .offsetY = {32.0f},
    .speed = 150.0f,
    .aim = 20.0f,
    .ringSize = 12,
    .step = kPatternTwoPi / 12.0,
    .schedule = {660, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}},
    .look = {&imgVAL3, 16, 16, 16.0f, {14.0f, 30.0f, 24.0f, 30.0f}},
};
AimedRingBurstRecord ringPool[120];
} // namespace

TEST_F(AimedRingBurstTest, EveryRingIsTwelveBulletsThirtyDegreesApartOneAimedAtTheShip) {
    for (auto& r : ringPool)
        r = Parked<AimedRingBurstRecord>();
    playerX = 372.0f; // aim (392, 470) from the muzzle (292, 82)
    const double base = std::atan(388.0 / 100.0);
    for (int call = 1; call < 60; ++call)
        AimedRingBurst_Schedule(kRings, ringPool);
    for (const auto& r : ringPool)
        EXPECT_EQ(r.active, 0);
    AimedRingBurst_Schedule(kRings, ringPool);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(ringPool[i].active, 1);
        EXPECT_EQ(ringPool[i].x, 292.0f);
        EXPECT_EQ(ringPool[i].speed, 150.0f);
        EXPECT_NEAR(ringPool[i].angle, base + i * 30.0 * kDegree, 1e-5) << i;
    }
    EXPECT_EQ(ringPool[12].active, 0);
    // The next ring turns on by its pool index, steps 12 to 23: the same
    // twelve directions, from where the owner is now.
    ringOwnerY = 80.0f;
    playerY = 480.0f;
    for (int call = 61; call <= 120; ++call)
        AimedRingBurst_Schedule(kRings, ringPool);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(ringPool[12 + i].y, 112.0f);
        ExpectSameDirection(ringPool[12 + i].angle, base + i * 30.0 * kDegree);
    }
    // A ring still flying when its tick comes round again relaunches only its
    // parked bullets.
    for (int call = 121; call <= 660; ++call)
        AimedRingBurst_Schedule(kRings, ringPool);
    ringPool[3].active = 0;
    ringPool[5].x = 1.0f;
    for (int call = 1; call <= 60; ++call)
        AimedRingBurst_Schedule(kRings, ringPool);
    EXPECT_EQ(ringPool[3].active, 1);
    EXPECT_EQ(ringPool[3].y, 112.0f);
    EXPECT_EQ(ringPool[5].x, 1.0f);
    EXPECT_EQ(ringPool[0].y, 82.0f);

    // Straight below the muzzle, the first bullet flies straight down.
    playerX = 272.0f;
    ringPool[24].active = 0;
    AimedRingBurst_FireOne(kRings, ringPool, 24);
    ExpectSameDirection(ringPool[24].angle, kPi / 2);
    ringOwnerX = 200.0f;
    ringOwnerY = 50.0f;
}
