// The large enemies' instances of the shared pattern templates: each leaves
// from its own point on its owner, on its own tick, in its own shape.
#include "large_enemy_fixture.h"

#include <cmath>

#include "game/enemies/large_enemy_weapons.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The direction from (x, y) toward the ship's position plus the aim offset.
double Toward(float x, float y, float aim) { return std::atan2(playerY + aim - y, playerX + aim - x); }

// The angle difference brought into -pi..pi.
double Turn(double a, double b) { return std::remainder(a - b, 2 * kPi); }

template <typename Record> void ExpectLaunch(const Record& r, float x, float y) {
    EXPECT_EQ(r.active, 1);
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
}

} // namespace

TEST_F(LargeEnemyWorld, DescendingCopiesWeaponsLeaveFromTheirOwnPointsOnTheirOwnTicks) {
    largeEnemyD51.x = 200.0f;
    largeEnemyD51.y = 100.0f;
    largeEnemyD52.x = 250.0f;
    largeEnemyD52.y = 50.0f;
    for (int n = 1; n <= 60; ++n) {
        EXPECT_EQ(largeEnemyD51Shot4Pool[0].active, n > 10 ? 1 : 0) << n;
        EXPECT_EQ(largeEnemyD51Shot1Pool[0].active, n > 40 ? 1 : 0) << n;
        EXPECT_EQ(largeEnemyD51Shot6Pool[0].active + largeEnemyD52Shot4Pool[0].active, 0) << n;
        LargeEnemyD51_Shot1_Schedule();
        LargeEnemyD51_Shot4_Schedule();
        LargeEnemyD51_Shot5_Schedule();
        LargeEnemyD51_Shot6_Schedule();
        LargeEnemyD52_Shot4_Schedule();
    }
    // Pairs 80 apart under the middle; the opening pair parts at 120 px/s.
    ExpectLaunch(largeEnemyD51Shot4Pool[0], 260.0f, 230.0f);
    ExpectLaunch(largeEnemyD51Shot4Pool[1], 340.0f, 230.0f);
    ExpectLaunch(largeEnemyD51Shot5Pool[1], 340.0f, 230.0f);
    LargeEnemyD51_Shot5_Move();
    EXPECT_EQ(largeEnemyD51Shot5Pool[0].x, 260.0f - 1.875f);
    EXPECT_EQ(largeEnemyD51Shot5Pool[1].x, 340.0f + 1.875f);
    // Fans of five, 12 degrees apart and centred on the ship.
    for (int k = 0; k < 5; ++k) {
        ExpectLaunch(largeEnemyD51Shot1Pool[k], 305.0f, 230.0f);
        ExpectLaunch(largeEnemyD51Shot6Pool[k], 312.0f, 170.0f);
        EXPECT_EQ(largeEnemyD51Shot1Pool[k].speed, 220.0f);
        EXPECT_EQ(largeEnemyD51Shot6Pool[k].speed, 150.0f);
        EXPECT_NEAR(Turn(largeEnemyD51Shot1Pool[k].angle, Toward(305, 230, 15)), (k - 2) * kPi / 15, 1e-5);
        EXPECT_NEAR(Turn(largeEnemyD51Shot6Pool[k].angle, Toward(312, 170, 20)), (k - 2) * kPi / 15, 1e-5);
    }
    EXPECT_EQ(largeEnemyD51Shot6Pool[5].active, 0);
    // A ring of twelve, 30 degrees apart, the first at the ship.
    for (int k = 0; k < 12; ++k) {
        ExpectLaunch(largeEnemyD52Shot4Pool[k], 342.0f, 82.0f);
        EXPECT_NEAR(Turn(largeEnemyD52Shot4Pool[k].angle, Toward(342, 82, 20) + k * kPi / 6), 0.0, 1e-5);
    }
    EXPECT_EQ(largeEnemyD52Shot4Pool[12].active, 0);
}

TEST_F(LargeEnemyWorld, S53SpiralsLaunchEveryOtherTickTurningTenDegreesEachOnTheOwnersTicks) {
    largeEnemyS53R.x = 400.0f;
    largeEnemyS53R.y = 120.0f;
    largeEnemyS53R.spiralTick1 = 0;
    largeEnemyS53R.spiralTick2 = 0;
    for (int n = 1; n <= 8; ++n) {
        LargeEnemyS53R_Shot1_Schedule();
        LargeEnemyS53R_Shot2_Schedule();
        const int launched = n / 2; // record r leaves on tick 2r
        for (int r = 0; r <= 5; ++r) {
            const bool out = r >= 1 && r <= launched;
            EXPECT_EQ(largeEnemyS53RShot1Pool[r].active, out ? 1 : 0) << n << " " << r;
            EXPECT_EQ(largeEnemyS53RShot2Pool[r].active, out ? 1 : 0) << n << " " << r;
        }
    }
    EXPECT_EQ(largeEnemyS53R.spiralTick1, 8);
    for (int r = 1; r <= 4; ++r) {
        ExpectLaunch(largeEnemyS53RShot1Pool[r], 435.0f, 220.0f);
        ExpectLaunch(largeEnemyS53RShot2Pool[r], 535.0f, 220.0f);
        EXPECT_NEAR(largeEnemyS53RShot1Pool[r].angle, -r * kPi / 18, 1e-6);
        EXPECT_NEAR(largeEnemyS53RShot2Pool[r].angle, r * kPi / 18, 1e-6);
    }
    // Shot1 starts out to the left and turns down; Shot2 its mirror image.
    LargeEnemyS53R_Shot1_Move();
    LargeEnemyS53R_Shot2_Move();
    EXPECT_LT(largeEnemyS53RShot1Pool[1].x, 435.0f);
    EXPECT_GT(largeEnemyS53RShot1Pool[1].y, 220.0f);
    EXPECT_NEAR(largeEnemyS53RShot2Pool[1].x - 535.0f, 435.0f - largeEnemyS53RShot1Pool[1].x, 1e-4);
    EXPECT_EQ(largeEnemyS53RShot2Pool[1].y, largeEnemyS53RShot1Pool[1].y);

    // Ticks 69, 0 and 1 launch nothing; record 1 leaves again on tick 2 of the
    // next cycle, and record 0 never.
    for (SpiralStreamRecord& r : largeEnemyS53RShot1Pool)
        r.active = 0;
    largeEnemyS53R.spiralTick1 = 68;
    for (int n = 1; n <= 4; ++n) {
        LargeEnemyS53R_Shot1_Schedule();
        EXPECT_EQ(largeEnemyS53RShot1Pool[0].active, 0) << n;
        EXPECT_EQ(largeEnemyS53RShot1Pool[1].active, n == 4 ? 1 : 0) << n;
    }
}
