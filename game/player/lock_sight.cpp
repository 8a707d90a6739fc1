#include "game/player/lock_sight.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/squads.h"
#include "game/player/player_api.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/fint.h"

LockMarker spareLockMarkersA[3];
LockMarker spareLockMarkersB[3];

namespace {

template <std::size_t N> void LockSlot(LockMarker (&markers)[N], int32_t slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= N) return;
    markers[slot].locked = 1;
}

// --- Enemy scan -------------------------------------------------------------------
// The sight's top-left must lie in a window around the enemy's top-left:
// tx - W + a <= sx <= tx + b and ty - H + c <= sy <= ty + d.
struct ScanWindow {
    int32_t a, b, c, d;
};

constexpr ScanWindow kScanB{20, 60, 40, 60};
constexpr ScanWindow kScanC{40, 60, 60, 60};
constexpr ScanWindow kScanJK{20, 60, 20, 60};
constexpr ScanWindow kScanMN{20, 60, 0, 60};
constexpr ScanWindow kScanQT{30, 60, 30, 60};
constexpr ScanWindow kScanSquad{40, 80, 40, 80};
constexpr float kScanLowestY = -30.0f;

struct SightSize {
    int32_t width, height;
};

template <typename Record, std::size_t N>
void ScanPool(const SightSize& sight, Record (&pool)[N], void (*lock)(int32_t), const ScanWindow& w) {
    const int64_t sx = lockSightX;
    const int64_t sy = lockSightY;
    for (std::size_t i = 0; i < N; ++i) {
        const Record& r = pool[i];
        if (r.collideOff != 0 || r.y < kScanLowestY) continue;
        const int64_t tx = FloatToInt(r.x);
        const int64_t ty = FloatToInt(r.y);
        if (tx - sight.width + w.a <= sx && sx <= tx + w.b && ty - sight.height + w.c <= sy && sy <= ty + w.d)
            lock(int32_t(i));
    }
}

// --- Boss lock points -------------------------------------------------------------
struct LockOffset {
    int32_t dx, dy;
};

constexpr int32_t kMaxBossLockPoints = 9;

struct BossLockDef {
    BossRecord* boss;
    LockMarker* pointsA;
    LockMarker* pointsB;
    int32_t count;
    float lowestY;     // a boss above this is not offered
    int32_t xReach;    // the sight's centre must lie in (bx + 40 .. bx + xReach,
    int32_t yReach;    //                                 by + 40 .. by + yReach)
    bool ownPointOnly; // the locking setter places only its own point
    LockOffset offsets[kMaxBossLockPoints];
    void (*lockA)(int32_t);
    void (*lockB)(int32_t);
};

constexpr int32_t kBossBodyMargin = 40;
constexpr int32_t kSightCentreX = 150; // centre of the 300 x 240 boss sight
constexpr int32_t kSightCentreY = 120;

// In the order the sight offers them.
constexpr BossLockDef kBossLocks[] = {
    {&scene2Boss,
     scene2BossLockPointsA,
     scene2BossLockPointsB,
     kScene2BossLockPointsUsed,
     -10.0f,
     400,
     320,
     true,
     {{190, 150}, {190, 150}, {190, 150}},
     LockScene2BossA,
     LockScene2BossB},
    {&scene4Boss,
     scene4BossLockPointsA,
     scene4BossLockPointsB,
     kScene4BossLockPointsUsed,
     -10.0f,
     400,
     340,
     false,
     {{190, 160}, {120, 120}, {260, 120}},
     LockScene4BossA,
     LockScene4BossB},
    {&scene8Boss,
     scene8BossLockPointsA,
     scene8BossLockPointsB,
     kScene8BossLockPointsUsed,
     -10.0f,
     420,
     340,
     false,
     {{200, 160}, {130, 90}, {270, 90}, {80, 110}, {320, 110}},
     LockScene8BossA,
     LockScene8BossB},
    {&scene5Boss,
     scene5BossLockPointsA,
     scene5BossLockPointsB,
     kScene5BossLockPointsUsed,
     -10.0f,
     340,
     340,
     false,
     {{190, 180}, {20, 140}, {360, 140}},
     LockScene5BossA,
     LockScene5BossB},
    {&scene6Boss,
     scene6BossLockPointsA,
     scene6BossLockPointsB,
     kScene6BossLockPointsUsed,
     -10.0f,
     340,
     340,
     false,
     {{160, 100}, {110, 40}, {210, 40}, {40, 110}, {280, 110}},
     LockScene6BossA,
     LockScene6BossB},
    {&scene7Boss,
     scene7BossLockPointsA,
     scene7BossLockPointsB,
     kScene7BossLockPointsUsed,
     0.0f,
     400,
     340,
     false,
     {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110}, {120, 120}, {280, 120}, {80, 70}, {320, 70}},
     LockScene7BossA,
     LockScene7BossB},
    {&scene3Boss,
     scene3BossLockPointsA,
     scene3BossLockPointsB,
     kScene3BossLockPointsUsed,
     0.0f,
     460,
     340,
     false,
     {{220, 120}, {150, 230}, {290, 230}, {80, 90}, {360, 90}},
     LockScene3BossA,
     LockScene3BossB},
    {&scene9Boss,
     scene9BossLockPointsA,
     scene9BossLockPointsB,
     kScene9BossLockPointsUsed,
     0.0f,
     440,
     340,
     false,
     {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}},
     LockScene9BossA,
     LockScene9BossB},
};
// Every boss's points fit its offsets and its arrays (the used counts are
// checked against the arrays where they are declared).
static_assert(std::all_of(std::begin(kBossLocks), std::end(kBossLocks),
                          [](const BossLockDef& d) { return d.count > 0 && d.count <= kMaxBossLockPoints; }));
constexpr std::size_t kBossScene2 = 0, kBossScene4 = 1, kBossScene8 = 2, kBossScene5 = 3, kBossScene6 = 4,
                      kBossScene7 = 5, kBossScene3 = 6, kBossScene9 = 7;

// A locked point keeps its place: a new lock moves the whole array onto the
// boss only when the point was free.
void LockBossPoint(const BossLockDef& def, LockMarker* points, int32_t k) {
    if (k < 0 || k >= def.count) return;
    if (points[k].locked != 0) return;
    points[k].locked = 1;
    const int64_t bx = FloatToInt(def.boss->x);
    const int64_t by = FloatToInt(def.boss->y);
    for (int32_t j = 0; j < def.count; ++j) {
        if (def.ownPointOnly && j != k) continue;
        points[j].x = Sat32(bx + def.offsets[j].dx);
        points[j].y = Sat32(by + def.offsets[j].dy);
    }
}

void LockBossPointA(std::size_t boss, int32_t k) {
    LockBossPoint(kBossLocks[boss], kBossLocks[boss].pointsA, k);
}
void LockBossPointB(std::size_t boss, int32_t k) {
    LockBossPoint(kBossLocks[boss], kBossLocks[boss].pointsB, k);
}

} // namespace

void MoveLockSight() {
    if (playerVulnerable == 0) return;
    if (weaponType == 1) {
        lockSightX = FloatToInt(playerX) - 290;
        lockSightY = FloatToInt(playerY) - 500;
    } else if (weaponType == 2) {
        lockSightX = FloatToInt(playerX) - 120;
        lockSightY = FloatToInt(playerY) - 270;
    }
}

void ScanLockMarkers() {
    SightSize sight;
    if (weaponType == 1)
        sight = {640, 500};
    else if (weaponType == 2)
        sight = {300, 240};
    else
        return; // no sight for any other weapon
    ScanPool(sight, enemyBPool, LockEnemyB, kScanB);
    ScanPool(sight, enemyCPool, LockEnemyC, kScanC);
    ScanPool(sight, enemyJPool, LockEnemyJ, kScanJK);
    ScanPool(sight, enemyKPool, LockEnemyK, kScanJK);
    ScanPool(sight, enemyMPool, LockEnemyM, kScanMN);
    ScanPool(sight, enemyNPool, LockEnemyN, kScanMN);
    ScanPool(sight, enemyQPool, LockEnemyQ, kScanQT);
    ScanPool(sight, enemyTPool, LockEnemyT, kScanQT);
    ScanPool(sight, squadV3ASlots, LockSquadV3A, kScanSquad);
    ScanPool(sight, squadV3BSlots, LockSquadV3B, kScanSquad);
    ScanPool(sight, squadV4ASlots, LockSquadV4A, kScanSquad);
    ScanPool(sight, squadV4BSlots, LockSquadV4B, kScanSquad);
}

void LockEnemyB(int32_t slot) { LockSlot(enemyBLockMarkers, slot); }
void LockEnemyC(int32_t slot) { LockSlot(enemyCLockMarkers, slot); }
void LockEnemyJ(int32_t slot) { LockSlot(enemyJLockMarkers, slot); }
void LockEnemyK(int32_t slot) { LockSlot(enemyKLockMarkers, slot); }
void LockEnemyM(int32_t slot) { LockSlot(enemyMLockMarkers, slot); }
void LockEnemyN(int32_t slot) { LockSlot(enemyNLockMarkers, slot); }
void LockEnemyQ(int32_t slot) { LockSlot(enemyQLockMarkers, slot); }
void LockEnemyT(int32_t slot) { LockSlot(enemyTLockMarkers, slot); }
void LockSquadV3A(int32_t slot) { LockSlot(squadV3ALockMarkers, slot); }
void LockSquadV3B(int32_t slot) { LockSlot(squadV3BLockMarkers, slot); }
void LockSquadV4A(int32_t slot) { LockSlot(squadV4ALockMarkers, slot); }
void LockSquadV4B(int32_t slot) { LockSlot(squadV4BLockMarkers, slot); }
void LockSpareMarkerA(int32_t slot) { LockSlot(spareLockMarkersA, slot); }
void LockSpareMarkerB(int32_t slot) { LockSlot(spareLockMarkersB, slot); }

void UpdateBossLockOn() {
    const int64_t cx = int64_t(lockSightX) + kSightCentreX;
    const int64_t cy = int64_t(lockSightY) + kSightCentreY;
    for (const BossLockDef& def : kBossLocks) {
        const BossRecord& b = *def.boss;
        // Every point is offered or none: the test does not depend on k.
        for (int32_t k = 0; k < def.count; ++k) {
            if (b.deadFlag != 0 || b.y < def.lowestY) continue;
            const int64_t bx = FloatToInt(b.x);
            const int64_t by = FloatToInt(b.y);
            if (bx + kBossBodyMargin <= cx && cx <= bx + def.xReach && by + kBossBodyMargin <= cy &&
                cy <= by + def.yReach) {
                def.lockA(k);
                def.lockB(k);
            }
        }
    }
}

void LockScene2BossA(int32_t k) { LockBossPointA(kBossScene2, k); }
void LockScene2BossB(int32_t k) { LockBossPointB(kBossScene2, k); }
void LockScene3BossA(int32_t k) { LockBossPointA(kBossScene3, k); }
void LockScene3BossB(int32_t k) { LockBossPointB(kBossScene3, k); }
void LockScene4BossA(int32_t k) { LockBossPointA(kBossScene4, k); }
void LockScene4BossB(int32_t k) { LockBossPointB(kBossScene4, k); }
void LockScene5BossA(int32_t k) { LockBossPointA(kBossScene5, k); }
void LockScene5BossB(int32_t k) { LockBossPointB(kBossScene5, k); }
void LockScene6BossA(int32_t k) { LockBossPointA(kBossScene6, k); }
void LockScene6BossB(int32_t k) { LockBossPointB(kBossScene6, k); }
void LockScene7BossA(int32_t k) { LockBossPointA(kBossScene7, k); }
void LockScene7BossB(int32_t k) { LockBossPointB(kBossScene7, k); }
void LockScene8BossA(int32_t k) { LockBossPointA(kBossScene8, k); }
void LockScene8BossB(int32_t k) { LockBossPointB(kBossScene8, k); }
void LockScene9BossA(int32_t k) { LockBossPointA(kBossScene9, k); }
void LockScene9BossB(int32_t k) { LockBossPointB(kBossScene9, k); }
