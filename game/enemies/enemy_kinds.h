#pragma once
// The 22 small enemy kinds EnemyA .. EnemyV: their slot records, pools and
// lock markers, and the hit setters the collision code calls. The kinds'
// spawn, draw and move come with the enemy behaviour.
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
