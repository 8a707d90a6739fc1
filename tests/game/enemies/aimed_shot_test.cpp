// Aimed single shots: the aim on a known ship, the speed drawn per bullet,
// the screen bounds and the kill box.
#include "kind_shot_groups_fixture.h"

#include <cmath>

#include "game/enemies/aimed_shot.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"

TEST_F(KindShotGroups, AnAimedShotFliesAtTheShipAtItsDrawnSpeed) {
    playerX = 400.0f;
    playerY = 450.0f;
    PlaceSlot(enemyFPool, 0, 200.0f, 100.0f);
    PlaceSlot(enemyFPool, 2, 600.0f, 300.0f);
    kitSystem::SeedRandom(7);
    EnemyF_Shot1_Fire();
    kitSystem::SeedRandom(7);
    float speeds[3];
    for (float& s : speeds)
        s = float(kitSystem::Random() % 50 + 130);

    // Each bullet heads for the ship's top-left + 15 and covers its speed.
    const float aimX = playerX + 15.0f, aimY = playerY + 15.0f;
    const AimedShotRecord start[3] = {enemyFShot1Pool[0], enemyFShot1Pool[1], enemyFShot1Pool[2]};
    frameDt = 0.1f;
    EnemyF_Shot1_Move();
    for (int k : {0, 2}) {
        EXPECT_EQ(start[k].x, enemyFPool[k].x + 25.0f);
        EXPECT_EQ(start[k].y, enemyFPool[k].y + 50.0f);
        EXPECT_EQ(start[k].speed, speeds[k]);
        const AimedShotRecord& r = enemyFShot1Pool[k];
        const float len = std::hypot(aimX - start[k].x, aimY - start[k].y);
        EXPECT_NEAR(r.x - start[k].x, (aimX - start[k].x) / len * speeds[k] * 0.1f, 1e-3) << k;
        EXPECT_NEAR(r.y - start[k].y, (aimY - start[k].y) / len * speeds[k] * 0.1f, 1e-3) << k;
    }
    // The parked slot's bullet, born far below the screen, is gone.
    EXPECT_EQ(start[1].active, 1);
    EXPECT_EQ(enemyFShot1Pool[1].active, 0);

    // Straight above the aim point the bullet falls; straight below it climbs.
    ResetWorldA();
    playerY = 100.0f;
    PlaceSlot(enemyEPool, 0, playerX, 300.0f);
    PlaceSlot(enemyEPool, 1, playerX, 0.0f);
    EnemyE_Shot1_Fire();
    frameDt = 0.1f;
    const float y0 = enemyEShot1Pool[0].y, y1 = enemyEShot1Pool[1].y;
    EnemyE_Shot1_Move();
    EXPECT_NEAR(enemyEShot1Pool[0].y, y0 - enemyEShot1Pool[0].speed * 0.1f, 1e-3);
    EXPECT_NEAR(enemyEShot1Pool[0].x, playerX + 15.0f, 1e-3);
    EXPECT_NEAR(enemyEShot1Pool[1].y, y1 + enemyEShot1Pool[1].speed * 0.1f, 1e-3);
}

TEST_F(KindShotGroups, AnAimedShotLivesOnTheWholeScreenAndKillsInItsBox) {
    frameDt = 0.0f;
    playerX = 0.0f;
    playerY = 0.0f;
    struct Place {
        float x, y;
        bool stays;
    };
    // The screen, not the field: -30 and 800 across, -30 and 600 down.
    const Place places[] = {{-30, 300, true}, {-30.5f, 300, false}, {800, 300, true}, {800.5f, 300, false},
                            {400, -30, true}, {400, -30.5f, false}, {400, 600, true}, {400, 600.5f, false}};
    AimedShotLongRecord& r = enemyNShot1Pool[1];
    for (const Place& p : places) {
        r.active = 1;
        r.x = p.x;
        r.y = p.y;
        EnemyN_Shot1_Move();
        EXPECT_EQ(r.active, p.stays ? 1 : 0) << p.x << ", " << p.y;
        EXPECT_EQ(r.x, p.stays ? p.x : -500.0f);
    }

    // Kill box 0..30 by 10..30, every edge inclusive.
    playerX = 300.0f;
    playerY = 400.0f;
    struct Hit {
        float dx, dy;
        bool kills;
    };
    const Hit hits[] = {{0, 10, true},   {30, 30, true},  {0, 30, true},  {30, 10, true},
                        {-1, 20, false}, {31, 20, false}, {15, 9, false}, {15, 31, false}};
    for (const Hit& h : hits) {
        playerVulnerable = 1;
        r.active = 1;
        r.x = playerX + h.dx;
        r.y = playerY + h.dy;
        EnemyN_Shot1_Move();
        EXPECT_EQ(playerVulnerable, h.kills ? 0 : 1) << h.dx << ", " << h.dy;
        EXPECT_EQ(r.active, 1);
    }

    // A bullet that sits on the ship kills on every frame the ship can be hit.
    r.x = playerX + 10.0f;
    r.y = playerY + 20.0f;
    for (int f = 0; f < 3; ++f) {
        playerVulnerable = 1;
        EnemyN_Shot1_Move();
        EXPECT_EQ(playerVulnerable, 0);
    }
}
