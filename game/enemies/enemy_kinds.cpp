#include "game/enemies/enemy_kinds.h"

#include "game/enemies/pool_util.h"

EnemyRecord enemyAPool[3];
EnemyRecord enemyBPool[3];
EnemyRecord enemyCPool[3];
EnemyRecord enemyDPool[4];
EnemyRecord enemyEPool[4];
EnemyRecordSpinF enemyFPool[3];
EnemyRecordSpinF enemyGPool[3];
EnemyRecordSpinF enemyHPool[3];
EnemyRecord enemyIPool[3];
EnemyRecordSpinJ enemyJPool[3];
EnemyRecordSpinK enemyKPool[3];
EnemyRecordAnimFirst enemyLPool[3];
EnemyRecordAnimFirst enemyMPool[3];
EnemyRecordAnimFirst enemyNPool[3];
EnemyRecordAnimFirst enemyOPool[1];
EnemyRecordAnimFirst enemyPPool[1];
EnemyRecordAnimFirst enemyQPool[3];
EnemyRecordAnimFirst enemyRPool[2];
EnemyRecordTimed enemySPool[5];
EnemyRecordAnimFirst enemyTPool[3];
EnemyRecordAnimFirst enemyUPool[2];
EnemyRecordTimed enemyVPool[5];

LockMarker enemyBLockMarkers[3];
LockMarker enemyCLockMarkers[3];
LockMarker enemyJLockMarkers[3];
LockMarker enemyKLockMarkers[3];
LockMarker enemyMLockMarkers[3];
LockMarker enemyNLockMarkers[3];
LockMarker enemyQLockMarkers[3];
LockMarker enemyTLockMarkers[3];

void EnemyA_SetHit(int32_t slot) { MarkSlotHit(enemyAPool, slot); }
void EnemyB_SetHit(int32_t slot) { MarkSlotHit(enemyBPool, slot); }
void EnemyC_SetHit(int32_t slot) { MarkSlotHit(enemyCPool, slot); }
void EnemyD_SetHit(int32_t slot) { MarkSlotHit(enemyDPool, slot); }
void EnemyE_SetHit(int32_t slot) { MarkSlotHit(enemyEPool, slot); }
void EnemyF_SetHit(int32_t slot) { MarkSlotHit(enemyFPool, slot); }
void EnemyG_SetHit(int32_t slot) { MarkSlotHit(enemyGPool, slot); }
void EnemyH_SetHit(int32_t slot) { MarkSlotHit(enemyHPool, slot); }
void EnemyI_SetHit(int32_t slot) { MarkSlotHit(enemyIPool, slot); }
void EnemyJ_SetHit(int32_t slot) { MarkSlotHit(enemyJPool, slot); }
void EnemyK_SetHit(int32_t slot) { MarkSlotHit(enemyKPool, slot); }
void EnemyL_SetHit(int32_t slot) { MarkSlotHit(enemyLPool, slot); }
void EnemyM_SetHit(int32_t slot) { MarkSlotHit(enemyMPool, slot); }
void EnemyN_SetHit(int32_t slot) { MarkSlotHit(enemyNPool, slot); }
void EnemyO_SetHit(int32_t slot) { MarkSlotHit(enemyOPool, slot); }
void EnemyP_SetHit(int32_t slot) { MarkSlotHit(enemyPPool, slot); }
void EnemyQ_SetHit(int32_t slot) { MarkSlotHit(enemyQPool, slot); }
void EnemyR_SetHit(int32_t slot) { MarkSlotHit(enemyRPool, slot); }
void EnemyS_SetHit(int32_t slot) { MarkSlotHit(enemySPool, slot); }
void EnemyT_SetHit(int32_t slot) { MarkSlotHit(enemyTPool, slot); }
void EnemyU_SetHit(int32_t slot) { MarkSlotHit(enemyUPool, slot); }
void EnemyV_SetHit(int32_t slot) { MarkSlotHit(enemyVPool, slot); }
