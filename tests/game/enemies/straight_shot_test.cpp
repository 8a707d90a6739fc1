// The straight shots of the enemy kinds: where they start, how fast they
// fall and drift, where they are freed, and the kill box.
#include "kind_shot_groups_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/straight_shot.h"

TEST_F(KindShotGroups, StraightShotsStartAtTheMuzzleWithTheirFallAndDrift) {
    PlaceSlot(enemyIPool, 0, 200.0f, 100.0f);
    PlaceSlot(enemyIPool, 2, 400.0f, 300.0f);
    // Slot 1 is free and parked (kind I parks at -500, -500): it fires all
    // the same, far outside the field.
    kitSystem::SeedRandom(99);
    EnemyI_Shot2_Fire();
    kitSystem::SeedRandom(99);
    const int fall0 = 140 + kitSystem::Random() % 70;
    const int fall1 = 140 + kitSystem::Random() % 70;
    const int fall2 = 140 + kitSystem::Random() % 70;
    const uint32_t after = kitSystem::RandomState();
    EXPECT_EQ(enemyIShot2Pool[0].x, 222.0f);
    EXPECT_EQ(enemyIShot2Pool[0].y, 150.0f);
    EXPECT_EQ(enemyIShot2Pool[0].vy, float(fall0));
    EXPECT_EQ(enemyIShot2Pool[1].vy, float(fall1));
    EXPECT_EQ(enemyIShot2Pool[1].y, -450.0f);
    EXPECT_EQ(enemyIShot2Pool[2].x, 422.0f);
    EXPECT_EQ(enemyIShot2Pool[2].vy, float(fall2));
    for (const StraightShotRecord& r : enemyIShot2Pool) {
        EXPECT_EQ(r.active, 1);
        EXPECT_EQ(r.vx, 0.0f);
    }

    // A second fire finds every record live: nothing is armed and nothing drawn.
    enemyIPool[0].x = 50.0f;
    EnemyI_Shot2_Fire();
    EXPECT_EQ(kitSystem::RandomState(), after);
    EXPECT_EQ(enemyIShot2Pool[0].x, 222.0f);

    // One move: the parked slot's bullet is freed, the others fall and do not drift.
    frameDt = 0.1f;
    EnemyI_Shot2_Move();
    EXPECT_EQ(enemyIShot2Pool[1].active, 0);
    EXPECT_EQ(enemyIShot2Pool[1].y, 2550.0f);
    EXPECT_FLOAT_EQ(enemyIShot2Pool[0].y, 150.0f + fall0 * 0.1f);
    EXPECT_EQ(enemyIShot2Pool[0].x, 222.0f);

    // Fixed speeds with drift: kind I's third group to the left, its fourth to the right.
    EnemyI_Shot3_Fire();
    EnemyI_Shot4_Fire();
    EXPECT_EQ(enemyIShot3Pool[0].vy, 150.0f);
    EXPECT_EQ(enemyIShot3Pool[0].vx, 20.0f);
    EnemyI_Shot3_Move();
    EnemyI_Shot4_Move();
    EXPECT_FLOAT_EQ(enemyIShot3Pool[2].x, 420.0f);
    EXPECT_FLOAT_EQ(enemyIShot4Pool[2].x, 424.0f);
    EXPECT_FLOAT_EQ(enemyIShot4Pool[2].y, 365.0f);
}

TEST_F(KindShotGroups, StraightShotsAreFreedOnlyByTheirHeight) {
    // Kind J's left-drifting shots from a slot at the field's left edge: they
    // cross x 180 and leave the screen sideways, and stay live all the same.
    PlaceSlot(enemyJPool, 0, 90.0f, 0.0f);
    EnemyJ_Shot5_Fire();
    StraightShotRecord& r = enemyJShot5Pool[0];
    r.vy = 10.0f;
    frameDt = 1.0f;
    for (int f = 0; f < 20; ++f)
        EnemyJ_Shot5_Move();
    EXPECT_EQ(r.active, 1);
    EXPECT_FLOAT_EQ(r.x, 122.0f - 600.0f);
    EXPECT_FLOAT_EQ(r.y, 250.0f);

    // The height bounds, each inclusive: y 600 and -16 stay, beyond them the
    // record is parked with its speeds kept.
    frameDt = 0.0f;
    const float heights[] = {600.0f, 600.25f, -16.0f, -16.25f};
    for (const float y : heights) {
        r.active = 1;
        r.x = 300.0f;
        r.y = y;
        EnemyJ_Shot5_Move();
        const bool stays = y == 600.0f || y == -16.0f;
        EXPECT_EQ(r.active, stays ? 1 : 0) << y;
        EXPECT_EQ(r.x, stays ? 300.0f : -500.0f) << y;
        EXPECT_EQ(r.y, stays ? y : 2550.0f) << y;
        EXPECT_EQ(r.vx, 30.0f);
        EXPECT_EQ(r.vy, 10.0f);
    }

    // A bomb clears the groups that test it and leaves the others flying.
    PlaceSlot(enemyOPool, 0, 200.0f, 100.0f);
    PlaceSlot(enemyIPool, 0, 200.0f, 100.0f);
    EnemyO_Shot4_Fire();
    EnemyI_Shot2_Fire();
    clearEnemyShots = 1;
    EnemyO_Shot4_Move();
    EnemyI_Shot2_Move();
    EXPECT_EQ(enemyOShot4Pool[0].active, 1);
    EXPECT_EQ(enemyIShot2Pool[0].active, 0);
    EXPECT_EQ(enemyIShot2Pool[0].y, 2550.0f);
}

TEST_F(KindShotGroups, AStraightShotKillsInsideItsBoxOnly) {
    // dx 14..30 and dy 24..30, or 20..30 in the widest right drift, every
    // edge inclusive; one pixel outside any edge is a miss.
    struct Case {
        float dx, dy;
        bool kills;
    };
    const Case q2[] = {{14, 24, true},  {30, 30, true},  {14, 30, true},  {30, 24, true}, {13, 27, false},
                       {31, 27, false}, {20, 23, false}, {20, 31, false}, {20, 20, false}};
    const Case q6[] = {{14, 20, true}, {30, 20, true}, {20, 19, false}, {13, 20, false}};
    frameDt = 0.0f;
    auto check = [](void (*move)(), StraightShotRecord& r, const Case& c) {
        playerVulnerable = 1;
        r.active = 1;
        r.x = playerX + c.dx;
        r.y = playerY + c.dy;
        move();
        EXPECT_EQ(playerVulnerable, c.kills ? 0 : 1) << "dx " << c.dx << " dy " << c.dy;
        // A hit does not end the bullet.
        EXPECT_EQ(r.active, 1);
    };
    for (const Case& c : q2)
        check(EnemyQ_Shot2_Move, enemyQShot2Pool[1], c);
    for (const Case& c : q6)
        check(EnemyQ_Shot6_Move, enemyQShot6Pool[1], c);

    // While the ship cannot be hit nothing is tested.
    playerVulnerable = 0;
    enemyQShot2Pool[1].x = playerX + 20.0f;
    enemyQShot2Pool[1].y = playerY + 25.0f;
    EnemyQ_Shot2_Move();
    EXPECT_EQ(playerVulnerable, 0);
}

TEST_F(KindShotGroups, KindLShotsShowSixteenFramesAndKeepTheirFrameAcrossShots) {
    // After a reset each record starts from a random frame 0..9 (kind I's from 0).
    bool anyNonZero = false;
    for (const StraightShotGroup* g : StraightShotGroups()) {
        const bool kindI = g->pool.data() == enemyIShot2Pool || g->pool.data() == enemyIShot3Pool ||
                           g->pool.data() == enemyIShot4Pool;
        for (const StraightShotRecord& r : g->pool) {
            EXPECT_GE(r.frame, 0);
            EXPECT_LE(r.frame, 9);
            if (kindI) {
                EXPECT_EQ(r.frame, 0);
            }
            anyNonZero |= r.frame != 0;
        }
    }
    EXPECT_TRUE(anyNonZero);

    enemyLShot1Pool[0].frame = 9;
    PlaceSlot(enemyLPool, 0, 300.0f, 100.0f);
    EnemyL_Shot1_Fire();
    EXPECT_EQ(enemyLShot1Pool[0].frame, 9); // the fire leaves the frame alone
    for (int i = 0; i < 7; ++i)
        EnemyL_Shot1_Draw();
    EXPECT_EQ(enemyLShot1Pool[0].frame, 0); // 9 + 7 wraps at 16
    // A free record is not drawn and its frame stands still; the next bullet
    // in it goes on from there.
    for (int i = 0; i < 5; ++i)
        EnemyL_Shot1_Draw();
    enemyLShot1Pool[0].y = 700.0f;
    EnemyL_Shot1_Move();
    ASSERT_EQ(enemyLShot1Pool[0].active, 0);
    EnemyL_Shot1_Draw();
    EXPECT_EQ(enemyLShot1Pool[0].frame, 5);
    EnemyL_Shot1_Fire();
    EnemyL_Shot1_Draw();
    EXPECT_EQ(enemyLShot1Pool[0].frame, 6);
    // Slot 1 and 2 (parked) were never drawn while live.
    EXPECT_EQ(enemyLShot1Pool[1].active, 1);
}
