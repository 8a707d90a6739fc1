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
constexpr int32_t kBossBodyMargin = 40;
constexpr int32_t kSightCentreX = 150; // centre of the 300 x 240 boss sight
constexpr int32_t kSightCentreY = 120;

// Every boss's points fit its offsets and its arrays (the used counts are
// checked against the arrays where they are declared).
static_assert(std::all_of(std::begin(kBossRoster), std::end(kBossRoster), [](const BossRosterRow& r) {
    return r.lockPointsUsed > 0 && r.lockPointsUsed <= kMaxBossLockPoints;
}));

// A locked point keeps its place: a new lock moves the whole array onto the
// boss only when the point was free.
void LockPointOf(const BossRosterRow& def, LockMarker* points, int32_t k) {
    if (k < 0 || k >= def.lockPointsUsed) return;
    if (points[k].locked != 0) return;
    points[k].locked = 1;
    const int64_t bx = FloatToInt(def.boss->x);
    const int64_t by = FloatToInt(def.boss->y);
    for (int32_t j = 0; j < def.lockPointsUsed; ++j) {
        if (def.ownPointOnly && j != k) continue;
        points[j].x = Sat32(bx + def.lockOffsets[j].dx);
        points[j].y = Sat32(by + def.lockOffsets[j].dy);
    }
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
    for (int32_t i = 0; i < kBossRosterRows; ++i) {
        const BossRosterRow& def = kBossRoster[i];
        const BossRecord& b = *def.boss;
        // Every point is offered or none: the test does not depend on k.
        for (int32_t k = 0; k < def.lockPointsUsed; ++k) {
            if (b.deadFlag != 0 || b.y < def.sightLowestY) continue;
            const int64_t bx = FloatToInt(b.x);
            const int64_t by = FloatToInt(b.y);
            if (bx + kBossBodyMargin <= cx && cx <= bx + def.sightXReach && by + kBossBodyMargin <= cy &&
                cy <= by + def.sightYReach) {
                LockBossPoint(i, LockSide::A, k);
                LockBossPoint(i, LockSide::B, k);
            }
        }
    }
}

void LockBossPoint(int32_t row, LockSide side, int32_t k) {
    if (row < 0 || row >= kBossRosterRows) return;
    const BossRosterRow& def = kBossRoster[row];
    LockPointOf(def, LockOnSideOf(def, side).points, k);
}
