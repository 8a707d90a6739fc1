#pragma once
// The 22 small enemy kinds EnemyA .. EnemyV: their slot records, pools and
// lock markers, their spawn, draw and move, and the hit setters the
// collision code calls.
#include <cstdint>

#include "game/enemies/lock_marker.h"

// Plain form, kinds A, B, C, D, E and I.
struct EnemyRecord {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t animFrame; // exhaust flame, kinds A, I
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff; // the collision code skips the slot while not 0
    int32_t active;
    int32_t hit;
};

// Plain form with the animation word first: kinds L, M, N, O, P, Q, R, T, U.
struct EnemyRecordAnimFirst {
    int32_t explosionLoop;
    int32_t animFrame;
    int32_t explosionFrame;
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff;
    int32_t active;
    int32_t hit;
};

// Spinning kinds F, G, H.
struct EnemyRecordSpinF {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spare0;
    int32_t spinAngle; // whole degrees, +7 per drawn frame
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff;
    int32_t active;
    int32_t hit;
};

// Spinning kind J.
struct EnemyRecordSpinJ {
    int32_t explosionLoop;
    int32_t spare0;
    int32_t spare1;
    int32_t explosionFrame;
    int32_t spinAngle;
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff;
    int32_t active;
    int32_t hit;
};

// Spinning kind K.
struct EnemyRecordSpinK {
    int32_t explosionLoop;
    int32_t spare0;
    int32_t spare1;
    int32_t spinAngle;
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff;
    int32_t active;
    int32_t hit;
    int32_t explosionFrame;
};

// Timed-wave kinds S and V.
struct EnemyRecordTimed {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spare0;
    int32_t waveTimer; // per-slot tick of the timed wave
    int32_t spare1;
    int32_t spare2;
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff;
    int32_t active;
    int32_t hit;
};

extern EnemyRecord enemyAPool[3];
extern EnemyRecord enemyBPool[3];
extern EnemyRecord enemyCPool[3];
extern EnemyRecord enemyDPool[4];
extern EnemyRecord enemyEPool[4];
extern EnemyRecordSpinF enemyFPool[3];
extern EnemyRecordSpinF enemyGPool[3];
extern EnemyRecordSpinF enemyHPool[3];
extern EnemyRecord enemyIPool[3];
extern EnemyRecordSpinJ enemyJPool[3];
extern EnemyRecordSpinK enemyKPool[3];
extern EnemyRecordAnimFirst enemyLPool[3];
extern EnemyRecordAnimFirst enemyMPool[3];
extern EnemyRecordAnimFirst enemyNPool[3];
extern EnemyRecordAnimFirst enemyOPool[1];
extern EnemyRecordAnimFirst enemyPPool[1];
extern EnemyRecordAnimFirst enemyQPool[3];
extern EnemyRecordAnimFirst enemyRPool[2];
extern EnemyRecordTimed enemySPool[5];
extern EnemyRecordAnimFirst enemyTPool[3];
extern EnemyRecordAnimFirst enemyUPool[2];
extern EnemyRecordTimed enemyVPool[5];

// Marker i belongs to slot i; R and U share the first two of Q and T.
extern LockMarker enemyBLockMarkers[3];
extern LockMarker enemyCLockMarkers[3];
extern LockMarker enemyJLockMarkers[3];
extern LockMarker enemyKLockMarkers[3];
extern LockMarker enemyMLockMarkers[3];
extern LockMarker enemyNLockMarkers[3];
extern LockMarker enemyQLockMarkers[3];
extern LockMarker enemyTLockMarkers[3];

// Spawn arms every free slot of the pool at once; Draw draws the slots and
// runs one explosion step of each hit one; Move flies them and parks those
// that leave the kind's bounds. The stage drivers call Move and Draw every
// frame, spawned or not.
void EnemyA_Spawn();
void EnemyA_Draw();
void EnemyA_Move();
void EnemyB_Spawn();
void EnemyB_Draw();
void EnemyB_Move();
void EnemyC_Spawn();
void EnemyC_Draw();
void EnemyC_Move();
void EnemyD_Spawn();
void EnemyD_Draw();
void EnemyD_Move();
void EnemyE_Spawn();
void EnemyE_Draw();
void EnemyE_Move();
void EnemyF_Spawn();
void EnemyF_Draw();
void EnemyF_Move();
void EnemyG_Spawn();
void EnemyG_Draw();
void EnemyG_Move();
void EnemyH_Spawn();
void EnemyH_Draw();
void EnemyH_Move();
void EnemyI_Spawn();
void EnemyI_Draw();
void EnemyI_Move();
void EnemyJ_Spawn();
void EnemyJ_Draw();
void EnemyJ_Move();
void EnemyK_Spawn();
void EnemyK_Draw();
void EnemyK_Move();
void EnemyL_Spawn();
void EnemyL_Draw();
void EnemyL_Move();
void EnemyM_Spawn();
void EnemyM_Draw();
void EnemyM_Move();
void EnemyN_Spawn();
void EnemyN_Draw();
void EnemyN_Move();
void EnemyO_Spawn();
void EnemyO_Draw();
void EnemyO_Move();
void EnemyP_Spawn();
void EnemyP_Draw();
void EnemyP_Move();
void EnemyQ_Spawn();
void EnemyQ_Draw();
void EnemyQ_Move();
void EnemyR_Spawn();
void EnemyR_Draw();
void EnemyR_Move();
void EnemyT_Spawn();
void EnemyT_Draw();
void EnemyT_Move();
void EnemyU_Spawn();
void EnemyU_Draw();
void EnemyU_Move();

// The timed-wave kinds: SpawnTimed offers slot k on call 100·(k + 1) of each
// cycle of 501 calls; SpawnSlot arms that one slot if it is free.
void EnemyS_SpawnSlot(int32_t slot);
void EnemyS_SpawnTimed();
void EnemyS_Draw();
void EnemyS_Move();
void EnemyV_SpawnSlot(int32_t slot);
void EnemyV_SpawnTimed();
void EnemyV_Draw();
void EnemyV_Move();

// Mark a slot as hit; its own draw plays the explosion and frees it. Active
// or not, the slot is marked; an index outside the pool is ignored.
void EnemyA_SetHit(int32_t slot);
void EnemyB_SetHit(int32_t slot);
void EnemyC_SetHit(int32_t slot);
void EnemyD_SetHit(int32_t slot);
void EnemyE_SetHit(int32_t slot);
void EnemyF_SetHit(int32_t slot);
void EnemyG_SetHit(int32_t slot);
void EnemyH_SetHit(int32_t slot);
void EnemyI_SetHit(int32_t slot);
void EnemyJ_SetHit(int32_t slot);
void EnemyK_SetHit(int32_t slot);
void EnemyL_SetHit(int32_t slot);
void EnemyM_SetHit(int32_t slot);
void EnemyN_SetHit(int32_t slot);
void EnemyO_SetHit(int32_t slot);
void EnemyP_SetHit(int32_t slot);
void EnemyQ_SetHit(int32_t slot);
void EnemyR_SetHit(int32_t slot);
void EnemyS_SetHit(int32_t slot);
void EnemyT_SetHit(int32_t slot);
void EnemyU_SetHit(int32_t slot);
void EnemyV_SetHit(int32_t slot);
