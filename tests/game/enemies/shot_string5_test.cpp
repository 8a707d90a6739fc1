// Strings of five: one point, five speeds, the diagonal and drifting forms,
// the margins and the kill box.
#include "kind_shot_groups_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/shot_string5.h"

TEST_F(KindShotGroups, AStringOfFiveStartsAtOnePointAndDrawsApartTwentyPixelsASecond) {
    PlaceSlot(enemyAPool, 1, 300.0f, 100.0f);
    EnemyA_Shot3_Fire();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(enemyAShot3Pool[1][k].x, 327.0f);
        EXPECT_EQ(enemyAShot3Pool[1][k].y, 166.0f);
        EXPECT_EQ(enemyAShot3Pool[1][k].vy, float(140 + 20 * k));
    }
    frameDt = 0.5f;
    EnemyA_Shot3_Move();
    for (int k = 0; k < 5; ++k) {
        EXPECT_FLOAT_EQ(enemyAShot3Pool[1][k].y, 166.0f + 0.5f * float(140 + 20 * k)) << k;
        EXPECT_EQ(enemyAShot3Pool[1][k].x, 327.0f);
    }
    // The parked slots' strings were freed by that move.
    EXPECT_EQ(enemyAShot3Pool[0][4].active, 0);

    // With two records still flying, a fire re-arms only the other three, at
    // the slot's position of the moment.
    enemyAShot3Pool[1][2].y = 700.0f;
    enemyAShot3Pool[1][3].y = 700.0f;
    enemyAShot3Pool[1][4].y = 700.0f;
    frameDt = 0.0f;
    EnemyA_Shot3_Move();
    enemyAPool[1].y = 150.0f;
    EnemyA_Shot3_Fire();
    EXPECT_FLOAT_EQ(enemyAShot3Pool[1][0].y, 236.0f);
    EXPECT_FLOAT_EQ(enemyAShot3Pool[1][1].y, 246.0f);
    for (int k = 2; k < 5; ++k) {
        EXPECT_EQ(enemyAShot3Pool[1][k].active, 1);
        EXPECT_EQ(enemyAShot3Pool[1][k].y, 216.0f);
    }
}

TEST_F(KindShotGroups, DiagonalAndDriftingStringsGoSidewaysTheirOwnWay) {
    PlaceSlot(enemyQPool, 0, 200.0f, 100.0f);
    PlaceSlot(enemyTPool, 0, 500.0f, 100.0f);
    PlaceSlot(enemyLPool, 0, 300.0f, 100.0f);
    PlaceSlot(enemyAPool, 0, 300.0f, 100.0f);
    EnemyQ_Shot1_Fire();
    EnemyT_Shot1_Fire();
    EnemyL_Shot7_Fire();
    EnemyL_Shot10_Fire();
    EnemyA_Shot3_Fire();
    frameDt = 0.25f;
    EnemyQ_Shot1_Move();
    EnemyT_Shot1_Move();
    EnemyL_Shot7_Move();
    EnemyL_Shot10_Move();
    for (int k = 0; k < 5; ++k) {
        const float fall = 0.25f * float(140 + 20 * k);
        // Q: 45 degrees down to the right from (250, 150); T: down to the left from (510, 150).
        EXPECT_FLOAT_EQ(enemyQShot1Pool[0][k].x, 250.0f + fall) << k;
        EXPECT_FLOAT_EQ(enemyQShot1Pool[0][k].y, 150.0f + fall) << k;
        EXPECT_FLOAT_EQ(enemyTShot1Pool[0][k].x, 510.0f - fall) << k;
        EXPECT_FLOAT_EQ(enemyTShot1Pool[0][k].y, 150.0f + fall) << k;
        // L's seventh string drifts 8 px/s left, its tenth 17 px/s right.
        EXPECT_FLOAT_EQ(enemyLShot7Pool[0][k].x, 332.0f - 2.0f) << k;
        EXPECT_FLOAT_EQ(enemyLShot10Pool[0][k].x, 332.0f + 4.25f) << k;
    }
    // A string of the y-only form never moves sideways, whatever its vx holds.
    enemyAShot3Pool[0][0].vx = 100.0f;
    const float x = enemyAShot3Pool[0][0].x;
    EnemyA_Shot3_Move();
    EXPECT_EQ(enemyAShot3Pool[0][0].x, x);

    // A diagonal string that has left the field sideways flies on until its
    // y leaves: no sideways bound.
    enemyQShot1Pool[0][0].x = 900.0f;
    enemyQShot1Pool[0][0].y = 590.0f;
    frameDt = 0.05f;
    EnemyQ_Shot1_Move();
    EXPECT_EQ(enemyQShot1Pool[0][0].active, 1);
    EnemyQ_Shot1_Move();
    EXPECT_EQ(enemyQShot1Pool[0][0].active, 0);
}

TEST_F(KindShotGroups, StringsKeepTheirMarginsAndKillBoxes) {
    frameDt = 0.0f;
    // Top margin 16 for the narrow strings, 30 for the diagonal ones; the
    // bottom is 600 for both; equal values stay.
    struct Bound {
        void (*move)();
        StraightShotRecord* r;
        float y;
        bool stays;
    };
    const Bound bounds[] = {
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], -16.0f, true},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], -16.5f, false},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 600.0f, true},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 600.5f, false},
        {EnemyU_Shot1_Move, &enemyUShot1Pool[1][2], -30.0f, true},
        {EnemyU_Shot1_Move, &enemyUShot1Pool[1][2], -30.5f, false},
        {EnemyU_Shot1_Move, &enemyUShot1Pool[1][2], 600.5f, false},
    };
    for (const Bound& b : bounds) {
        b.r->active = 1;
        b.r->x = 300.0f;
        b.r->y = b.y;
        b.move();
        EXPECT_EQ(b.r->active, b.stays ? 1 : 0) << b.y;
        EXPECT_EQ(b.r->y, b.stays ? b.y : 2550.0f) << b.y;
    }

    // Kill box: dx from 14 (narrow) or 0 (diagonal) to 30, dy 10 to 30.
    struct Hit {
        void (*move)();
        StraightShotRecord* r;
        float dx, dy;
        bool kills;
    };
    const Hit hits[] = {
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 14, 10, true},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 30, 30, true},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 13.9f, 20, false},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 31, 20, false},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 20, 9, false},
        {EnemyA_Shot3_Move, &enemyAShot3Pool[2][4], 20, 31, false},
        {EnemyR_Shot1_Move, &enemyRShot1Pool[0][0], 0, 10, true},
        {EnemyR_Shot1_Move, &enemyRShot1Pool[0][0], 30, 30, true},
        {EnemyR_Shot1_Move, &enemyRShot1Pool[0][0], -1, 20, false},
    };
    for (const Hit& h : hits) {
        playerVulnerable = 1;
        h.r->active = 1;
        h.r->x = playerX + h.dx;
        h.r->y = playerY + h.dy;
        h.move();
        EXPECT_EQ(playerVulnerable, h.kills ? 0 : 1) << h.dx << ", " << h.dy;
    }

    // A bomb frees every string; a record parked by it cannot hit.
    playerVulnerable = 1;
    PlaceSlot(enemyRPool, 0, playerX, playerY - 50.0f);
    EnemyR_Shot1_Fire();
    enemyRShot1Pool[0][0].y = playerY + 20.0f;
    clearEnemyShots = 1;
    EnemyR_Shot1_Move();
    for (const auto& string : enemyRShot1Pool)
        for (const StraightShotRecord& r : string)
            EXPECT_EQ(r.active, 0);
    EXPECT_EQ(playerVulnerable, 1);
}
