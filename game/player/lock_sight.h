#pragma once
// What locks the lock markers: the lock sight that follows the ship, the scan
// that locks the enemies inside it, and the boss test that locks every lock
// point of a boss whose body holds the sight's centre. UpdateBossLockOn is
// declared with the stage frames' calls in game/player/player_api.h.
#include <cstdint>

#include "game/bosses/boss_roster.h"
#include "game/enemies/lock_marker.h"

// Two marker arrays no target carries; only their own setters lock them.
extern LockMarker spareLockMarkersA[3];
extern LockMarker spareLockMarkersB[3];

// Puts the sight above the ship while it can be hit; nothing calls it in play.
void MoveLockSight();
// Locks the markers of the enemies inside the sight; nothing calls it in play.
void ScanLockMarkers();

// Lock setters: lock the marker of the given slot. An index outside
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

// Boss lock-point setter: locks point k of one side of the boss in roster
// row `row` unless it is locked already, and puts that side's points on the
// boss's body. A row outside the roster or an index beyond the boss's points
// is ignored.
void LockBossPoint(int32_t row, LockSide side, int32_t k);
