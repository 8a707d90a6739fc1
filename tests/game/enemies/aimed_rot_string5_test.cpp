// Rotated aimed strings of kinds J and K: five bullets per slot along one
// aimed line at rising speeds, drawn turned along their heading, and freed as
// a whole, where they stand, when the first one leaves.
#include "game/enemies/aimed_rot_string5.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "pattern_fixture.h"

using AimedRotString5Test = PatternTest;

TEST_F(AimedRotString5Test, EachSlotFiresAStringOfFiveAimedAtTheShip) {
    enemyJPool[0].x = 300.0f;
    enemyJPool[0].y = 100.0f;
    enemyJPool[1].x = 500.0f;
    enemyJPool[1].y = 50.0f;
    playerX = 300.0f; // aim (315, 415)
    playerY = 400.0f;
    EnemyJ_Shot1_Fire();
    for (int k = 0; k < 5; ++k) {
        const AimedRotString5Record& r = enemyJShot1Pool[0][k];
        EXPECT_EQ(r.active, 1);
        EXPECT_EQ(r.x, 325.0f);
        EXPECT_EQ(r.y, 125.0f);
        EXPECT_EQ(r.speed, 260.0f + 20.0f * k);
        EXPECT_NEAR(r.angle, std::atan(290.0 / -10.0) + kPi, 1e-5);
        EXPECT_NEAR(enemyJShot1Pool[1][k].angle, std::atan(340.0 / -210.0) + kPi, 1e-5);
    }
    // The parked slot's string starts beside the parking place and the next
    // move frees it.
    EXPECT_EQ(enemyJShot1Pool[2][0].x, ParkX + 25.0f);
    EnemyJ_Shot1_Move();
    EXPECT_EQ(enemyJShot1Pool[2][4].active, 0);
    EXPECT_EQ(enemyJShot1Pool[0][4].active, 1);

    // A live string is never re-armed, but the same call arms the free ones.
    enemyJPool[0].x = 100.0f;
    enemyJPool[2].x = 200.0f;
    enemyJPool[2].y = 0.0f;
    EnemyJ_Shot1_Fire();
    EXPECT_EQ(enemyJShot1Pool[0][0].x, 325.0f);
    EXPECT_EQ(enemyJShot1Pool[2][0].active, 1);
    EXPECT_EQ(enemyJShot1Pool[2][0].x, 225.0f);
}

TEST_F(AimedRotString5Test, HeadingAndDrawAngleStraightBelowAndAbove) {
    EXPECT_NEAR(AimedRotString5_Heading(0.0f, 50.0f), kPi / 2, 1e-6);
    EXPECT_NEAR(AimedRotString5_Heading(0.0f, -50.0f), 3 * kPi / 2, 1e-6);
    EXPECT_NEAR(AimedRotString5_Heading(0.0f, 0.0f), 3 * kPi / 2, 1e-6);
    EXPECT_EQ(AimedRotString5_BlitAngle(AimedRotString5_Heading(0.0f, 50.0f)), 180);
    EXPECT_EQ(AimedRotString5_BlitAngle(AimedRotString5_Heading(0.0f, -50.0f)), 0);
    EXPECT_EQ(AimedRotString5_BlitAngle(AimedRotString5_Heading(-30.0f, -1.0f)), 89);
    // Headings outside -pi/2 .. 3pi/2 still come out in the table.
    EXPECT_EQ(AimedRotString5_BlitAngle(static_cast<float>(300.5 * kDegree)), 330);
}

TEST_F(AimedRotString5Test, TheFirstBulletDecidesWhenTheWholeStringIsFreedInPlace) {
    auto place = [](int p, float x0) {
        for (int k = 0; k < 5; ++k)
            enemyKShot1Pool[p][k] = LiveAt<AimedRotString5Record>(x0 + 40.0f * k, 300.0f);
    };
    place(0, 800.0f);
    place(1, 800.5f);
    place(2, -30.0f);
    EnemyK_Shot1_Move();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(enemyKShot1Pool[0][k].active, 1) << k; // beyond 800, but record 0 is on it
        EXPECT_EQ(enemyKShot1Pool[1][k].active, 0) << k;
        EXPECT_EQ(enemyKShot1Pool[1][k].x, 800.5f + 40.0f * k); // freed where it stands
        EXPECT_EQ(enemyKShot1Pool[2][k].active, 1) << k;
    }
    // A freed bullet is no longer drawn but still meets the ship.
    playerX = 790.0f;
    playerY = 280.0f;
    EnemyK_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 0);

    // A bomb frees every string.
    playerVulnerable = 1;
    clearEnemyShots = 1;
    EnemyK_Shot1_Move();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(enemyKShot1Pool[2][k].active, 0);
}
