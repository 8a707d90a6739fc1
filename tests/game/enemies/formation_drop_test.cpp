// Formation drops: where a fire sets the formation down, the refill that
// pulls flying records back to the owner, the drift that quickens with the
// number of records in flight, the cull below the field and the kill box.
#include "large_enemy_fixture.h"

#include "game/enemies/large_enemy_weapons.h"

namespace {

template <size_t N> void ExpectFormation(const FormationDropRecord (&pool)[N], const float (&at)[N][2]) {
    for (size_t k = 0; k < N; ++k) {
        EXPECT_EQ(pool[k].active, 1) << k;
        EXPECT_EQ(pool[k].x, at[k][0]) << k;
        EXPECT_EQ(pool[k].y, at[k][1]) << k;
    }
}

void Free(FormationDropRecord& r) { r.active = 0, r.x = ParkX, r.y = ParkY; }

} // namespace

TEST_F(LargeEnemyWorld, FormationDropsSetTheirShapeAtTheOwnerAndARefillPullsThemAllBack) {
    largeEnemyS53L.x = 300.0f, largeEnemyS53L.y = 100.0f;
    LargeEnemyS53L_Shot3_Fire();
    ExpectFormation(largeEnemyS53LShot3Pool, {{420, 190}, {420, 220}, {360, 220}, {360, 190}});
    largeEnemyS54L.x = 200.0f, largeEnemyS54L.y = 50.0f;
    LargeEnemyS54L_Shot1_Fire();
    ExpectFormation(largeEnemyS54LShot1Pool,
                    {{320, 110}, {320, 155}, {320, 170}, {260, 170}, {260, 155}, {260, 110}});
    largeEnemyT60.x = 100.0f, largeEnemyT60.y = 0.0f;
    LargeEnemyT60_Shot1_Fire();
    ExpectFormation(largeEnemyT60Shot1Pool,
                    {{340, 60}, {340, 105}, {340, 120}, {140, 120}, {140, 105}, {140, 60}});

    // While all four fly a fire changes nothing; once one is gone the refill
    // sets the whole square down at the owner again.
    LargeEnemyS53L_Shot3_Move();
    largeEnemyS53L.x = 250.0f, largeEnemyS53L.y = 120.0f;
    LargeEnemyS53L_Shot3_Fire();
    EXPECT_EQ(largeEnemyS53LShot3Pool[3].y, 190.0f + 2.1875f);
    Free(largeEnemyS53LShot3Pool[2]);
    LargeEnemyS53L_Shot3_Fire();
    ExpectFormation(largeEnemyS53LShot3Pool, {{370, 210}, {370, 240}, {310, 240}, {310, 210}});
}

TEST_F(LargeEnemyWorld, SpreadingDropsDriftOncePerRecordInFlightAndFallOutOnlyAtTheBottom) {
    largeEnemyS50L.x = 300.0f, largeEnemyS50L.y = 100.0f;
    LargeEnemyS50L_Shot3_Fire();
    LargeEnemyS50L_Shot3_Move(); // four in flight: 4 x 20 px/s apart, 150 px/s down
    ExpectFormation(largeEnemyS50LShot3Pool,
                    {{421.25f, 192.34375f}, {420, 222.34375f}, {360, 222.34375f}, {358.75f, 192.34375f}});
    Free(largeEnemyS50LShot3Pool[1]);
    Free(largeEnemyS50LShot3Pool[2]);
    LargeEnemyS50L_Shot3_Move(); // two in flight: half the drift
    EXPECT_EQ(largeEnemyS50LShot3Pool[0].x, 421.875f);
    EXPECT_EQ(largeEnemyS50LShot3Pool[3].x, 358.125f);

    largeEnemyS54R.x = 200.0f, largeEnemyS54R.y = 50.0f;
    LargeEnemyS54R_Shot1_Fire();
    LargeEnemyS54R_Shot1_Move(); // six in flight: 6 x (28, 14, 0, 0, -14, -28) px/s
    const float x[6] = {322.625f, 321.3125f, 320, 260, 258.6875f, 257.375f};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(largeEnemyS54RShot1Pool[k].x, x[k]) << k;

    // Exactly 600 stays, below it goes; far to the side a record flies on.
    FormationDropRecord& r = largeEnemyS50LShot3Pool[0];
    r.x = 900.0f, r.y = 600.0f - 2.34375f;
    Free(largeEnemyS50LShot3Pool[3]);
    LargeEnemyS50L_Shot3_Move();
    EXPECT_EQ(r.active, 1);
    EXPECT_EQ(r.y, 600.0f);
    LargeEnemyS50L_Shot3_Move();
    EXPECT_EQ(r.active, 0);
    EXPECT_EQ(r.y, ParkY);
    clearEnemyShots = 1; // a bomb's clear parks everything in flight
    LargeEnemyS54R_Shot1_Move();
    for (const FormationDropRecord& c : largeEnemyS54RShot1Pool)
        EXPECT_EQ(c.active, 0);
}

TEST_F(LargeEnemyWorld, FormationDropStrikesInsideItsBoxAfterItsFallAndDrawsWrapTheirStrip) {
    // One record of the square, falling 2.1875 px a frame; box 10..30 by 20..30.
    const float cases[][3] = {{10, 20, 1}, {30, 30, 1}, {9, 20, 0}, {31, 25, 0}, {20, 19, 0}, {20, 31, 0}};
    for (const auto& c : cases) {
        FormationDropRecord& r = largeEnemyS53RShot3Pool[1];
        r.active = 1, r.x = playerX + c[0], r.y = playerY + c[1] - 2.1875f;
        playerVulnerable = 1;
        LargeEnemyS53R_Shot3_Move();
        EXPECT_EQ(playerVulnerable, 1 - int32_t(c[2])) << c[0] << ", " << c[1];
    }
    // The 24-cell strip wraps after cell 23; the 7-cell strip wraps at once
    // even from the start cells beyond it that the world reset may give.
    largeEnemyS53RShot3Pool[0].frame = 22;
    largeEnemyS53RShot3Pool[1].frame = 23;
    LargeEnemyS53R_Shot3_Draw();
    EXPECT_EQ(largeEnemyS53RShot3Pool[0].frame, 23);
    EXPECT_EQ(largeEnemyS53RShot3Pool[1].frame, 0);
    largeEnemyT60Shot1Pool[0].frame = 6;
    largeEnemyT60Shot1Pool[1].frame = 9;
    LargeEnemyT60_Shot1_Draw();
    EXPECT_EQ(largeEnemyT60Shot1Pool[0].frame + largeEnemyT60Shot1Pool[1].frame, 0);
}
