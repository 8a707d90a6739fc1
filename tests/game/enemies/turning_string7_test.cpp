// The turning strings of seven of enemy kind A: flight, drift, turn, the
// mirror pair, and the string freed as a unit where its bullets are.
#include "kind_shot_groups_fixture.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/turning_string7.h"
#include "kit/draw/screen.h"

namespace {

constexpr float kSpeeds[7] = {223, 231, 238, 244, 248, 251, 253};

float StartHeading() { return float(twoPi / 10.0); }

} // namespace

TEST_F(KindShotGroups, TurningStringsLeaveTogetherDriftFromTheSecondMoveAndMirrorEachOther) {
    PlaceSlot(enemyAPool, 0, 300.0f, 100.0f);
    EnemyA_Shot1_Fire();
    EnemyA_Shot2_Fire();
    for (int k = 0; k < 7; ++k) {
        const TurningString7Record& r = enemyAShot1Pool[0][k];
        EXPECT_EQ(r.active, 1);
        EXPECT_EQ(r.x, 320.0f);
        EXPECT_EQ(r.y, 120.0f);
        EXPECT_EQ(r.speed, kSpeeds[k]);
        EXPECT_EQ(r.heading, -StartHeading());
        EXPECT_EQ(enemyAShot2Pool[0][k].heading, StartHeading());
    }
    // The parked slots fire too, far below the screen; the first move frees them.
    EXPECT_EQ(enemyAShot1Pool[2][0].active, 1);

    // First move: the flight alone, down and to the left at 36 degrees.
    const double dt = 1.0 / 60.0;
    const double h0 = 36.0 * 3.14159265358979 / 180.0;
    EnemyA_Shot1_Move();
    EnemyA_Shot2_Move();
    EXPECT_EQ(enemyAShot1Pool[2][0].active, 0);
    for (int k = 0; k < 7; ++k) {
        const TurningString7Record& r = enemyAShot1Pool[0][k];
        EXPECT_NEAR(r.x, 320.0 - std::cos(h0) * kSpeeds[k] * dt, 1e-3) << k;
        EXPECT_NEAR(r.y, 120.0 + std::sin(h0) * kSpeeds[k] * dt, 1e-3) << k;
    }
    // Second move: one turn step further down, plus the drift 16 - 7k
    // against the flight on each axis.
    float x1[7], y1[7];
    for (int k = 0; k < 7; ++k) {
        x1[k] = enemyAShot1Pool[0][k].x;
        y1[k] = enemyAShot1Pool[0][k].y;
    }
    EnemyA_Shot1_Move();
    EnemyA_Shot2_Move();
    const double h1 = h0 + twoPi / 320.0;
    for (int k = 0; k < 7; ++k) {
        const TurningString7Record& r = enemyAShot1Pool[0][k];
        const double drift = 16 - 7 * k;
        EXPECT_NEAR(r.x, x1[k] - std::cos(h1) * kSpeeds[k] * dt - drift * dt, 1e-3) << k;
        EXPECT_NEAR(r.y, y1[k] + std::sin(h1) * kSpeeds[k] * dt - drift * dt, 1e-3) << k;
    }

    // Group 2 is group 1 mirrored about the muzzle's x: same heights, x on
    // the other side, all along the flight.
    for (int f = 0; f < 100; ++f) {
        EnemyA_Shot1_Move();
        EnemyA_Shot2_Move();
    }
    for (int k = 0; k < 7; ++k) {
        const TurningString7Record& left = enemyAShot1Pool[0][k];
        const TurningString7Record& right = enemyAShot2Pool[0][k];
        ASSERT_EQ(left.active, 1);
        EXPECT_LT(left.x, 320.0f);
        EXPECT_EQ(left.y, right.y) << k;
        EXPECT_NEAR(left.x + right.x, 640.0f, 1e-2) << k;
        EXPECT_EQ(left.heading, -right.heading);
    }
    // The string spreads: every later bullet lies below the first.
    for (int k = 1; k < 7; ++k)
        EXPECT_GT(enemyAShot1Pool[0][k].y, enemyAShot1Pool[0][k - 1].y);
}

TEST_F(KindShotGroups, TurningStringsTurnOnlyWhileTheirClockIsWithinSeventeen) {
    const float step = float(twoPi / 320.0);
    PlaceSlot(enemyAPool, 0, 300.0f, 100.0f);
    PlaceSlot(enemyAPool, 1, 300.0f, 100.0f);
    EnemyA_Shot1_Fire();

    // A 0.85 s frame brings the clock to exactly 17: the turn still runs,
    // then the clock is set to 18 and never turns again.
    frameDt = 0.85f;
    EnemyA_Shot1_Move();
    const TurningString7Record& r = enemyAShot1Pool[0][3];
    EXPECT_EQ(r.turnTimer, 18.0f);
    EXPECT_FLOAT_EQ(r.heading, -StartHeading() - step);
    EnemyA_Shot1_Move();
    EXPECT_EQ(r.turnTimer, 18.0f);
    EXPECT_FLOAT_EQ(r.heading, -StartHeading() - step);

    // A 0.9 s frame jumps past 17 at once: no turn at all.
    ResetWorldA();
    PlaceSlot(enemyAPool, 0, 300.0f, 100.0f);
    EnemyA_Shot2_Fire();
    frameDt = 0.9f;
    EnemyA_Shot2_Move();
    EXPECT_EQ(enemyAShot2Pool[0][3].turnTimer, 18.0f);
    EXPECT_EQ(enemyAShot2Pool[0][3].heading, StartHeading());

    // At 60 frames a second the clock passes 17 on the 51st or 52nd move, so
    // the strings turn about 57 degrees.
    ResetWorldA();
    PlaceSlot(enemyAPool, 0, 300.0f, 100.0f);
    EnemyA_Shot2_Fire();
    frameDt = 1.0f / 60.0f;
    for (int f = 0; f < 60; ++f)
        EnemyA_Shot2_Move();
    const float turned = (enemyAShot2Pool[0][0].heading - StartHeading()) / step;
    EXPECT_GE(turned, 50.5f);
    EXPECT_LE(turned, 52.5f);
}

TEST_F(KindShotGroups, ATurningStringIsFreedInPlaceOnceItsFirstBulletLeavesTheScreenArea) {
    struct Edge {
        float x0, y0;
        bool stays;
    };
    const Edge edges[] = {
        {800.0f, 300.0f, true}, {800.5f, 300.0f, false}, {-30.0f, 300.0f, true}, {-30.5f, 300.0f, false},
        {300.0f, 600.0f, true}, {300.0f, 600.5f, false}, {300.0f, -30.0f, true}, {300.0f, -30.5f, false},
    };
    frameDt = 0.0f; // nothing flies: the positions are the ones tested
    playerX = 0.0f; // and the ship is far from every bullet
    playerY = 0.0f;
    for (const Edge& e : edges) {
        SCOPED_TRACE(testing::Message() << "first bullet at " << e.x0 << ", " << e.y0);
        ResetWorldA();
        PlaceSlot(enemyAPool, 1, 300.0f, 100.0f);
        EnemyA_Shot1_Fire();
        auto& string = enemyAShot1Pool[1];
        string[0].x = e.x0;
        string[0].y = e.y0;
        string[6].x = 900.0f; // a faster bullet already off the screen
        EnemyA_Shot1_Move();
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(string[k].active, e.stays ? 1 : 0) << k;
            if (e.stays) continue;
            // Freed where it was, with its start values back.
            EXPECT_EQ(string[k].x, k == 0 ? e.x0 : k == 6 ? 900.0f : 320.0f);
            EXPECT_EQ(string[k].heading, -StartHeading());
            EXPECT_EQ(string[k].turnTimer, 0.0f);
            EXPECT_EQ(string[k].driftX, 0.0f);
            EXPECT_EQ(string[k].driftY, 0.0f);
        }
        EXPECT_EQ(playerVulnerable, 1);
    }

    // A freed record is still tested where it lies. In play no string is
    // freed inside the field (see the sweep below), so this never hits there.
    auto& string = enemyAShot1Pool[1];
    ASSERT_EQ(string[3].active, 0);
    playerX = string[3].x - 15.0f;
    playerY = string[3].y - 20.0f;
    EnemyA_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 0);
}

// Every place kind A can fire from, at 60, 30 and 15 frames a second: where
// the string's records lie when it is freed. They stay there, free but still
// tested, so none may lie in the play field.
TEST_F(KindShotGroups, NoTurningStringIsFreedInsideThePlayField) {
    playerVulnerable = 0; // only the positions matter here
    for (const float fps : {60.0f, 30.0f, 15.0f}) {
        SCOPED_TRACE(testing::Message() << fps << " frames a second");
        frameDt = 1.0f / fps;
        int strings = 0, sideExits = 0, freedInField = 0;
        for (int sx = 210; sx < 520; sx += 10) {
            for (int sy = -80; sy <= 600; sy += 10) {
                for (const TurningString7Group* g : TurningString7Groups()) {
                    ResetWorldA();
                    playerVulnerable = 0;
                    PlaceSlot(enemyAPool, 0, float(sx), float(sy));
                    TurningString7Fire(*g);
                    const auto& string = g->pool[0];
                    for (int f = 0; f < 2000 && string[0].active != 0; ++f)
                        TurningString7Move(*g);
                    ASSERT_EQ(string[0].active, 0);
                    ++strings;
                    if (string[0].x + 30.0f < 0.0f || string[0].x > 800.0f) ++sideExits;
                    for (const TurningString7Record& r : string)
                        if (r.x + 30.0f > 180.0f && r.x < 620.0f && r.y + 30.0f > 0.0f && r.y < 600.0f)
                            ++freedInField;
                }
            }
        }
        EXPECT_EQ(strings, 31 * 69 * 2);
        EXPECT_EQ(freedInField, 0);
        // The turn is a step per frame: at lower rates the strings turn less
        // and some leave through the sides.
        if (fps == 60.0f)
            EXPECT_EQ(sideExits, 0);
        else
            EXPECT_GT(sideExits, 0);
    }
}
