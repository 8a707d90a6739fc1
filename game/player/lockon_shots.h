#pragma once
// Lock-on shots: one homing shot per locked, on-screen marker of the enemy
// kinds B, C, Q, T, the squads V3A, V3B, V4A, V4B and the bosses' lock points
// A and B. An arriving shot strikes its target, frees the marker and scores
// 300. Spawns and moves are declared with the stage frames' calls in
// game/player/player_api.h; no frame calls the draws.
#include <cstdint>

#include "game/bosses/boss_roster.h"
#include "game/enemies/lock_marker.h"
#include "game/player/player_pools.h"

constexpr int32_t kLockOnHitPoints = 300;

// The zigzag bolt of the lightning weapon, from inside the ship along the
// shot's launch vector to the marker; four fresh random draws per call.
void LockOnLightning(const LockOnShot& shot, const LockMarker& marker);

// Bar sprite (weaponType 1) or lightning bolt (weaponType 2) of each flying shot.
void LockOnShotB_Draw();
void LockOnShotC_Draw();
void LockOnShotQ_Draw();
void LockOnShotT_Draw();
void LockOnShotSquadV3A_Draw();
void LockOnShotSquadV3B_Draw();
void LockOnShotSquadV4A_Draw();
void LockOnShotSquadV4B_Draw();

// The shots on one side of the boss in roster row `row` draw by that side's
// look; some draw nothing for a weapon type, and point B of the scene-3 and
// scene-9 bosses never draws. A row outside the roster draws nothing.
void DrawBossLockOnShots(int32_t row, LockSide side);
