#pragma once
// What locks the lock markers: the lock sight that follows the ship, the scan
// that locks the enemies inside it, and the boss test that locks every lock
// point of a boss whose body holds the sight's centre. UpdateBossLockOn is
// declared with the stage frames' calls in game/player/player_api.h.
#include <cstdint>

#include "game/enemies/lock_marker.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"

// Lock points each boss uses of its arrays A and B; the arrays may hold more.
constexpr int32_t kScene2BossLockPointsUsed = 3;
constexpr int32_t kScene3BossLockPointsUsed = 5;
constexpr int32_t kScene4BossLockPointsUsed = 3;
constexpr int32_t kScene5BossLockPointsUsed = 3;
constexpr int32_t kScene6BossLockPointsUsed = 5;
constexpr int32_t kScene7BossLockPointsUsed = 9;
constexpr int32_t kScene8BossLockPointsUsed = 5;
constexpr int32_t kScene9BossLockPointsUsed = 5;
static_assert(kScene2BossLockPointsUsed <= kScene2BossLockPoints);
static_assert(kScene3BossLockPointsUsed <= kScene3BossLockPoints);
static_assert(kScene4BossLockPointsUsed <= kScene4BossLockPoints);
static_assert(kScene5BossLockPointsUsed <= kScene5BossLockPoints);
static_assert(kScene6BossLockPointsUsed <= kScene6BossLockPoints);
static_assert(kScene7BossLockPointsUsed <= kScene7BossLockPoints);
static_assert(kScene8BossLockPointsUsed <= kScene8BossLockPoints);
static_assert(kScene9BossLockPointsUsed <= kScene9BossLockPoints);

// Two marker arrays no target carries; only their own setters lock them.
extern LockMarker spareLockMarkersA[3];
extern LockMarker spareLockMarkersB[3];

// Puts the sight above the ship while it can be hit; nothing calls it in play.
void MoveLockSight();
// Locks the markers of the enemies inside the sight; nothing calls it in play.
void ScanLockMarkers();

// Lock setters: locked := 1 on the marker of the given slot. An index outside
// the array is ignored.
void LockEnemyB(int32_t slot);
void LockEnemyC(int32_t slot);
void LockEnemyJ(int32_t slot);
void LockEnemyK(int32_t slot);
void LockEnemyM(int32_t slot);
void LockEnemyN(int32_t slot);
void LockEnemyQ(int32_t slot);
void LockEnemyT(int32_t slot);
void LockSquadV3A(int32_t slot);
void LockSquadV3B(int32_t slot);
void LockSquadV4A(int32_t slot);
void LockSquadV4B(int32_t slot);
void LockSpareMarkerA(int32_t slot);
void LockSpareMarkerB(int32_t slot);

// Boss lock-point setters: lock point k unless it is locked already, and put
// the array's points on the boss's body. An index beyond the boss's points is
// ignored.
void LockScene2BossA(int32_t k);
void LockScene2BossB(int32_t k);
void LockScene3BossA(int32_t k);
void LockScene3BossB(int32_t k);
void LockScene4BossA(int32_t k);
void LockScene4BossB(int32_t k);
void LockScene5BossA(int32_t k);
void LockScene5BossB(int32_t k);
void LockScene6BossA(int32_t k);
void LockScene6BossB(int32_t k);
void LockScene7BossA(int32_t k);
void LockScene7BossB(int32_t k);
void LockScene8BossA(int32_t k);
void LockScene8BossB(int32_t k);
void LockScene9BossA(int32_t k);
void LockScene9BossB(int32_t k);
