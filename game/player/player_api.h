#pragma once
// What the scenes and stage frames call of the player: the ship, its shots,
// the collision pass, the power-up item, the bomb, the homing chains and the
// lock-on weapons. Every function takes nothing and returns nothing unless
// noted.
#include <cstdint>

#include "game/bosses/boss_roster.h"

// Ship and player state.
void UpdatePlayer();               // drawing half: steers, banks and draws the ship
void MovePlayer();                 // after the present: reads the keys, moves the ship
void DrawPlayerShots();            // drawing half, before UpdatePlayer
void ShowGameOver();               // after DrawHud
void ContinueCheck(int32_t bombs); // paused frames: Y continues in place
void AddScore(int32_t points);

// Shot release and collisions.
void ReleaseNarrowShots();
void ReleaseWideShots();
void ReleaseBurstShots();
void PlayerShotsUpdate();

// Power-up item.
void PowerItem_Spawn();
void PowerItem_Draw();
void PowerItem_Move();

// Bomb.
void PlayerBomb_Draw();
void PlayerBomb_Update();
void PlayerBomb_Move();

// Homing chains (game mode 3).
void HomingChainJ_Schedule();
void HomingChainK_Schedule();
void HomingChainM_Schedule();
void HomingChainN_Schedule();
void HomingChainJ_Move();
void HomingChainK_Move();
void HomingChainM_Move();
void HomingChainN_Move();

// Lock sight and lock-on shots on enemy kinds and squads.
void UpdateBossLockOn();
void LockOnShotB_Spawn();
void LockOnShotC_Spawn();
void LockOnShotQ_Spawn();
void LockOnShotT_Spawn();
void LockOnShotSquadV3A_Spawn();
void LockOnShotSquadV3B_Spawn();
void LockOnShotSquadV4A_Spawn();
void LockOnShotSquadV4B_Spawn();
void LockOnShotB_Move();
void LockOnShotC_Move();
void LockOnShotQ_Move();
void LockOnShotT_Move();
void LockOnShotSquadV3A_Move();
void LockOnShotSquadV3B_Move();
void LockOnShotSquadV4A_Move();
void LockOnShotSquadV4B_Move();

// Lock-on shots on the bosses' lock points A and B: every boss's spawns, A
// then B, in the roster's order; or one side of the boss in roster row `row`
// (game/bosses/boss_roster.h). A row outside the roster does nothing.
void SpawnBossLockOnShots();
void SpawnBossLockOnShots(int32_t row, LockSide side);
void MoveBossLockOnShots(int32_t row, LockSide side);
