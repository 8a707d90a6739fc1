// The lock sight, the enemy scan and the bosses' lock points.
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/squads.h"
#include "game/player/lock_sight.h"
#include "weapons_fixture.h"

namespace {

class LockSight : public WeaponsTest {};

template <size_t N> int LockedCount(const LockMarker (&markers)[N]) {
    int n = 0;
    for (const LockMarker& m : markers)
        n += m.locked != 0;
    return n;
}

} // namespace

TEST_F(LockSight, TheSightFollowsTheShipAndTheScanLocksWhatItCovers) {
    // Parked by the reset: nothing can be locked.
    EXPECT_EQ(lockSightX, -500);
    EXPECT_EQ(lockSightY, 500);
    weaponType = 1;
    ScanLockMarkers();
    EXPECT_EQ(LockedCount(enemyBLockMarkers), 0);

    playerX = 370.0f;
    playerY = 520.0f;
    playerVulnerable = 0; // a ship that was hit leaves the sight where it was
    MoveLockSight();
    EXPECT_EQ(lockSightX, -500);
    playerVulnerable = 1;
    MoveLockSight();
    EXPECT_EQ(lockSightX, 80);
    EXPECT_EQ(lockSightY, 20);

    // 80 >= 300 - 640 + 20 and 80 <= 360; 20 >= 100 - 500 + 40 and 20 <= 160.
    enemyBPool[1].x = 300.0f;
    enemyBPool[1].y = 100.0f;
    // x + 60 must reach the sight: an EnemyB at 19 misses by one pixel.
    enemyBPool[0].x = 19.0f;
    enemyBPool[0].y = 100.0f;
    // A slot that cannot be hit is not locked.
    enemyBPool[2].x = 300.0f;
    enemyBPool[2].y = 100.0f;
    enemyBPool[2].collideOff = 1;
    // Squads lock by their own window; a member above y -30 is skipped.
    squadV4BSlots[3].x = 400.0f;
    squadV4BSlots[3].y = 0.0f;
    squadV4BSlots[4].x = 400.0f;
    squadV4BSlots[4].y = -31.0f;
    ScanLockMarkers();
    EXPECT_EQ(enemyBLockMarkers[0].locked, 0);
    EXPECT_EQ(enemyBLockMarkers[1].locked, 1);
    EXPECT_EQ(enemyBLockMarkers[2].locked, 0);
    EXPECT_EQ(squadV4BLockMarkers[3].locked, 1);
    EXPECT_EQ(squadV4BLockMarkers[4].locked, 0);
    // The scan only locks: positions are the enemies' own business.
    EXPECT_EQ(enemyBLockMarkers[1].x, -500);
    EXPECT_EQ(enemyBLockMarkers[1].y, 500);
    enemyBPool[0].x = 20.0f;
    ScanLockMarkers();
    EXPECT_EQ(enemyBLockMarkers[0].locked, 1);

    // The lightning's sight is smaller and sits closer to the ship.
    weaponType = 2;
    MoveLockSight();
    EXPECT_EQ(lockSightX, 250);
    EXPECT_EQ(lockSightY, 250);
    enemyTPool[0].x = 500.0f; // sx 250 >= 500 - 300 + 30 and <= 560
    enemyTPool[0].y = 400.0f; // sy 250 >= 400 - 240 + 30 and <= 460
    enemyTPool[1].x = 189.0f; // too far left: 250 > 189 + 60
    enemyTPool[1].y = 400.0f;
    ScanLockMarkers();
    EXPECT_EQ(enemyTLockMarkers[0].locked, 1);
    EXPECT_EQ(enemyTLockMarkers[1].locked, 0);

    // The setters ignore indices outside their arrays; the spare arrays lock alone.
    LockEnemyQ(3);
    LockEnemyQ(-1);
    LockSquadV3A(5);
    EXPECT_EQ(LockedCount(enemyQLockMarkers), 0);
    EXPECT_EQ(LockedCount(squadV3ALockMarkers), 0);
    LockSpareMarkerB(2);
    EXPECT_EQ(spareLockMarkersB[2].locked, 1);
    EXPECT_EQ(LockedCount(spareLockMarkersA), 0);
}

TEST_F(LockSight, ABossUnderTheSightsCentreHasAllItsPointsLockedAndPlaced) {
    lockSightX = 300; // centre (450, 220)
    lockSightY = 100;
    scene2Boss.x = 200.0f; // 240 <= 450 <= 600, 100 <= 220 <= 380
    scene2Boss.y = 60.0f;
    UpdateBossLockOn();
    for (int k = 0; k < kScene2BossLockPoints; ++k) {
        const int used = k < kScene2BossLockPointsUsed;
        EXPECT_EQ(scene2BossLockPointsA[k].locked, used) << k;
        EXPECT_EQ(scene2BossLockPointsB[k].locked, used) << k;
        if (used) {
            EXPECT_EQ(scene2BossLockPointsA[k].x, 390);
            EXPECT_EQ(scene2BossLockPointsA[k].y, 210);
            EXPECT_EQ(scene2BossLockPointsB[k].x, 390);
        } else {
            // The spare entry of the array is never touched.
            EXPECT_EQ(scene2BossLockPointsA[k].x, -500);
            EXPECT_EQ(scene2BossLockPointsA[k].y, 500);
        }
    }
    LockBossPoint(kScene2BossRow, LockSide::A, 3);
    EXPECT_EQ(scene2BossLockPointsA[3].locked, 0);

    // Nine points of the scene-7 boss, each at its own place on the body.
    scene2Boss.x = ParkX;
    scene7Boss.x = 100.0f; // 140 <= 450 <= 500
    scene7Boss.y = 0.0f;   // 40 <= 220 <= 340
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene7BossLockPointsA), 9);
    EXPECT_EQ(LockedCount(scene7BossLockPointsB), 9);
    EXPECT_EQ(scene7BossLockPointsA[0].x, 300);
    EXPECT_EQ(scene7BossLockPointsA[0].y, 170);
    EXPECT_EQ(scene7BossLockPointsB[8].x, 420);
    EXPECT_EQ(scene7BossLockPointsB[8].y, 70);
    scene7Boss.x = ParkX;

    // The first five bosses are offered from y -10, the last three from 0.
    scene6Boss.x = 250.0f;
    scene6Boss.y = -11.0f;
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene6BossLockPointsA), 0);
    scene6Boss.y = -10.0f;
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene6BossLockPointsA), 5);
    EXPECT_EQ(LockedCount(scene6BossLockPointsB), 5);
    EXPECT_EQ(scene6BossLockPointsA[5].locked, 0); // beyond the five used
    scene6Boss.x = ParkX;
    scene9Boss.x = 250.0f;
    scene9Boss.y = -1.0f;
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene9BossLockPointsA), 0);
    scene9Boss.y = 0.0f;
    scene9Boss.deadFlag = 1;
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene9BossLockPointsA), 0);
    scene9Boss.deadFlag = 0;
    UpdateBossLockOn();
    EXPECT_EQ(LockedCount(scene9BossLockPointsA), 5);
    // The sight's centre must lie at least 40 px inside the body.
    scene9Boss.x = 411.0f; // 451 > 450
    scene9BossLockPointsA[0] = LockMarker{-500, 500, 0, 0};
    UpdateBossLockOn();
    EXPECT_EQ(scene9BossLockPointsA[0].locked, 0);
}

TEST_F(LockSight, EachBossIsOfferedOutToItsOwnReach) {
    struct Reach {
        BossRecord& boss;
        LockMarker* points;
        int count;
        int x, y;
    };
    const Reach reaches[] = {
        {scene2Boss, scene2BossLockPointsA, kScene2BossLockPoints, 400, 320},
        {scene4Boss, scene4BossLockPointsA, kScene4BossLockPoints, 400, 340},
        {scene8Boss, scene8BossLockPointsA, kScene8BossLockPoints, 420, 340},
        {scene5Boss, scene5BossLockPointsA, kScene5BossLockPoints, 340, 340},
        {scene6Boss, scene6BossLockPointsA, kScene6BossLockPoints, 340, 340},
        {scene7Boss, scene7BossLockPointsA, kScene7BossLockPoints, 400, 340},
        {scene3Boss, scene3BossLockPointsA, kScene3BossLockPoints, 460, 340},
        {scene9Boss, scene9BossLockPointsA, kScene9BossLockPoints, 440, 340},
    };
    lockSightX = 300; // centre (450, 400)
    lockSightY = 280;
    for (const Reach& r : reaches)
        r.boss.x = ParkX;
    // The sight's centre as far right of and below the boss's corner as its
    // reach allows, and one pixel further each way.
    auto offered = [](const Reach& r, int dx, int dy) {
        for (int k = 0; k < r.count; ++k)
            r.points[k].locked = 0;
        r.boss.x = float(450 - dx);
        r.boss.y = float(400 - dy);
        UpdateBossLockOn();
        r.boss.x = ParkX;
        return r.points[0].locked == 1;
    };
    for (const Reach& r : reaches) {
        EXPECT_TRUE(offered(r, r.x, r.y)) << r.x << " " << r.y;
        EXPECT_FALSE(offered(r, r.x + 1, r.y)) << r.x;
        EXPECT_FALSE(offered(r, r.x, r.y + 1)) << r.y;
    }
}

TEST_F(LockSight, ALockedPointKeepsItsPlaceUntilAnotherPointLocks) {
    scene4Boss.x = 100.0f;
    scene4Boss.y = 50.0f;
    LockBossPoint(kScene4BossRow, LockSide::A, 0);
    EXPECT_EQ(scene4BossLockPointsA[0].locked, 1);
    EXPECT_EQ(scene4BossLockPointsA[1].locked, 0);
    EXPECT_EQ(scene4BossLockPointsA[0].x, 290);
    EXPECT_EQ(scene4BossLockPointsA[0].y, 210);
    EXPECT_EQ(scene4BossLockPointsA[2].x, 360); // every point is placed
    EXPECT_EQ(scene4BossLockPointsA[2].y, 170);
    EXPECT_EQ(scene4BossLockPointsB[0].locked, 0); // B has its own setter

    scene4Boss.x = 200.0f;
    LockBossPoint(kScene4BossRow, LockSide::A, 0); // already locked: nothing
    EXPECT_EQ(scene4BossLockPointsA[0].x, 290);
    LockBossPoint(kScene4BossRow, LockSide::A, 1); // a new lock moves the whole array
    EXPECT_EQ(scene4BossLockPointsA[0].x, 390);
    EXPECT_EQ(scene4BossLockPointsA[1].x, 320);
    EXPECT_EQ(scene4BossLockPointsA[1].locked, 1);

    // The scene-2 boss places only the point being locked.
    scene2Boss.x = 0.0f;
    scene2Boss.y = 0.0f;
    LockBossPoint(kScene2BossRow, LockSide::B, 1);
    EXPECT_EQ(scene2BossLockPointsB[1].x, 190);
    EXPECT_EQ(scene2BossLockPointsB[1].y, 150);
    EXPECT_EQ(scene2BossLockPointsB[0].x, -500);
    EXPECT_EQ(scene2BossLockPointsB[2].x, -500);

    // A boss far beyond the int range still places its points in range.
    scene8Boss.x = 3.0e38f;
    scene8Boss.y = -3.0e38f;
    LockBossPoint(kScene8BossRow, LockSide::A, 4);
    EXPECT_EQ(scene8BossLockPointsA[4].x, INT32_MAX);
    EXPECT_EQ(scene8BossLockPointsA[4].y, INT32_MIN + 110);
}
