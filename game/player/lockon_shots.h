#pragma once
// Lock-on shots: one homing shot per locked, on-screen marker of the enemy
// kinds B, C, Q, T, the squads V3A, V3B, V4A, V4B and the bosses' lock points
// A and B. An arriving shot strikes its target, frees the marker and scores
// 300. Spawns and moves are declared with the stage frames' calls in
// game/player/player_api.h; no frame calls the draws.
#include <cstdint>

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

// The boss members draw by their own table of looks; some draw nothing for a
// weapon type, and the point-B draws of scenes 3 and 9 never draw.
void LockOnShotScene2BossA_Draw();
void LockOnShotScene2BossB_Draw();
void LockOnShotScene3BossA_Draw();
void LockOnShotScene3BossB_Draw();
void LockOnShotScene4BossA_Draw();
void LockOnShotScene4BossB_Draw();
void LockOnShotScene5BossA_Draw();
void LockOnShotScene5BossB_Draw();
void LockOnShotScene6BossA_Draw();
void LockOnShotScene6BossB_Draw();
void LockOnShotScene7BossA_Draw();
void LockOnShotScene7BossB_Draw();
void LockOnShotScene8BossA_Draw();
void LockOnShotScene8BossB_Draw();
void LockOnShotScene9BossA_Draw();
void LockOnShotScene9BossB_Draw();
