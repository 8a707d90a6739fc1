#pragma once
// The ten large enemies: one record each (not a pool), the pools of their
// weapons, and each copy's spawn, draw, move and hit setter. The stage
// drivers call Spawn in their windows and Move and Draw every frame; the
// player's collision code calls SetHit. Their weapons' operations are in
// large_enemy_weapons.h.
#include <cstdint>

#include "game/enemies/bullet_records.h"

// Descending form: D50, D51, D52.
struct LargeEnemyRecord {
    int32_t explosionCycle;
    int32_t explosionFrame;
    float x;
    float y;
    float vy;
    int32_t noCollide; // only the world reset writes it (0)
    int32_t active;
    int32_t hit;
};

// Stop-and-fire form: S53L, S53R, S50L, S50R, S54L, S54R.
struct LargeEnemyStopRecord {
    int32_t explosionCycle;
    int32_t explosionFrame;
    int32_t spiralTick1; // SpiralStream schedule ticks; neither spawn nor reset touch them
    int32_t spiralTick2;
    float x;
    float y;
    float vx;
    float leaveSpeed;
    float phase;
    int32_t noCollide;
    int32_t active;
    int32_t hit;
};

// Timed-step form: T60.
struct LargeEnemyStepRecord {
    int32_t explosionCycle;
    int32_t explosionFrame;
    int32_t step;
    int32_t hitsTaken; // SetHit only once this reaches 25
    float x;
    float y;
    int32_t noCollide;
    int32_t active;
    int32_t hit;
};

extern LargeEnemyRecord largeEnemyD50;
extern LargeEnemyRecord largeEnemyD51;
extern LargeEnemyRecord largeEnemyD52;
extern LargeEnemyStopRecord largeEnemyS53L;
extern LargeEnemyStopRecord largeEnemyS53R;
extern LargeEnemyStopRecord largeEnemyS50L;
extern LargeEnemyStopRecord largeEnemyS50R;
extern LargeEnemyStopRecord largeEnemyS54L;
extern LargeEnemyStopRecord largeEnemyS54R;
extern LargeEnemyStepRecord largeEnemyT60;

// Weapons of LargeEnemyD51.
extern BigFanVolleyRecord largeEnemyD51Shot1Pool[25];
extern BigFanVolleyRecord largeEnemyD51Shot2Pool[15];
extern BigFanVolleyRecord largeEnemyD51Shot3Pool[15];
extern TimedVolleyLongRecord largeEnemyD51Shot4Pool[20];
extern TimedVolleyLongRecord largeEnemyD51Shot5Pool[20];
extern FanVolleyRecord largeEnemyD51Shot6Pool[25];
extern FanVolleyRecord largeEnemyD51Shot7Pool[25];
extern FanVolleyRecord largeEnemyD51Shot8Pool[25];

// Weapons of LargeEnemyD52.
extern TimedVolleyLongRecord largeEnemyD52Shot1Pool[20];
extern TimedVolleyLongRecord largeEnemyD52Shot2Pool[20];
extern FanVolleyRecord largeEnemyD52Shot3Pool[25];
extern AimedRingBurstRecord largeEnemyD52Shot4Pool[120];

// Weapons of the stop-and-fire and timed-step copies.
extern SpiralStreamRecord largeEnemyS53LShot1Pool[36];
extern SpiralStreamRecord largeEnemyS53LShot2Pool[36];
extern FormationDropRecord largeEnemyS53LShot3Pool[4];
extern SpiralStreamRecord largeEnemyS53RShot1Pool[36];
extern SpiralStreamRecord largeEnemyS53RShot2Pool[36];
extern FormationDropRecord largeEnemyS53RShot3Pool[4];
extern TurningStreamRecord largeEnemyS50LShot1Pool[7];
extern TurningStreamRecord largeEnemyS50LShot2Pool[7];
extern FormationDropRecord largeEnemyS50LShot3Pool[4];
extern TurningStreamRecord largeEnemyS50RShot1Pool[7];
extern TurningStreamRecord largeEnemyS50RShot2Pool[7];
extern FormationDropRecord largeEnemyS50RShot3Pool[4];
extern FormationDropRecord largeEnemyS54LShot1Pool[6];
extern FormationDropRecord largeEnemyS54RShot1Pool[6];
extern FormationDropRecord largeEnemyT60Shot1Pool[6];

// Spawn arms the copy only while it is free; a call while it flies or
// explodes in place does nothing.
void LargeEnemyD50_Spawn();
void LargeEnemyD51_Spawn();
void LargeEnemyD52_Spawn();
void LargeEnemyS53L_Spawn();
void LargeEnemyS53R_Spawn();
void LargeEnemyS50L_Spawn();
void LargeEnemyS50R_Spawn();
void LargeEnemyS54L_Spawn();
void LargeEnemyS54R_Spawn();
void LargeEnemyT60_Spawn();

// The body, or the explosion once hit.
void LargeEnemyD50_Draw();
void LargeEnemyD51_Draw();
void LargeEnemyD52_Draw();
void LargeEnemyS53L_Draw();
void LargeEnemyS53R_Draw();
void LargeEnemyS50L_Draw();
void LargeEnemyS50R_Draw();
void LargeEnemyS54L_Draw();
void LargeEnemyS54R_Draw();
void LargeEnemyT60_Draw();

// The stop-and-fire and timed-step copies fire their own weapons from here.
void LargeEnemyD50_Move();
void LargeEnemyD51_Move();
void LargeEnemyD52_Move();
void LargeEnemyS53L_Move();
void LargeEnemyS53R_Move();
void LargeEnemyS50L_Move();
void LargeEnemyS50R_Move();
void LargeEnemyS54L_Move();
void LargeEnemyS54R_Move();
void LargeEnemyT60_Move();

// Each sets its single record's hit flag.
void LargeEnemyD50_SetHit();
void LargeEnemyD51_SetHit();
void LargeEnemyD52_SetHit();
void LargeEnemyS53L_SetHit();
void LargeEnemyS53R_SetHit();
void LargeEnemyS50L_SetHit();
void LargeEnemyS50R_SetHit();
void LargeEnemyS54L_SetHit();
void LargeEnemyS54R_SetHit();
void LargeEnemyT60_SetHit();
