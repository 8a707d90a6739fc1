#pragma once
// StraightShot: one bullet per owner slot, fired from a fixed point of the
// owner's sprite, falling at a constant speed with an optional constant
// sideways drift. Only y leaves the field: a drifting bullet that crosses the
// side of the play field flies on, clipped, until its y does.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"

enum class DriftSide : int8_t { Left = -1, None = 0, Right = 1 };

struct StraightShotGroup {
    std::span<StraightShotRecord> pool; // record i belongs to owner slot i
    OwnerSlots owner;
    const int32_t* image;
    bool animated; // a strip of 16 frames of 16x16, one frame per draw; else the top-left 16x16
    float offsetX; // muzzle, from the owner slot's top-left
    float offsetY;
    int32_t fallBase;  // vy = fallBase, plus rand() % fallRange drawn per bullet when fallRange > 0
    int32_t fallRange; //
    float drift;       // vx, never negative; driftSide says which way the move applies it
    DriftSide driftSide;
    float hitLowY;   // lower dy bound of the kill box (24, or 20 in the widest right drift)
    bool testsClear; // the move frees every bullet while clearEnemyShots is 1
};

void StraightShotFire(const StraightShotGroup& g);
void StraightShotDraw(const StraightShotGroup& g);
void StraightShotMove(const StraightShotGroup& g);

// Every group, in kind order, for passes over all of them (benchmark, checks).
std::span<const StraightShotGroup* const> StraightShotGroups();

void EnemyI_Shot2_Fire();
void EnemyI_Shot2_Draw();
void EnemyI_Shot2_Move();
void EnemyI_Shot3_Fire();
void EnemyI_Shot3_Draw();
void EnemyI_Shot3_Move();
void EnemyI_Shot4_Fire();
void EnemyI_Shot4_Draw();
void EnemyI_Shot4_Move();

void EnemyJ_Shot4_Fire();
void EnemyJ_Shot4_Draw();
void EnemyJ_Shot4_Move();
void EnemyJ_Shot5_Fire();
void EnemyJ_Shot5_Draw();
void EnemyJ_Shot5_Move();
void EnemyJ_Shot6_Fire();
void EnemyJ_Shot6_Draw();
void EnemyJ_Shot6_Move();

void EnemyK_Shot4_Fire();
void EnemyK_Shot4_Draw();
void EnemyK_Shot4_Move();
void EnemyK_Shot5_Fire();
void EnemyK_Shot5_Draw();
void EnemyK_Shot5_Move();
void EnemyK_Shot6_Fire();
void EnemyK_Shot6_Draw();
void EnemyK_Shot6_Move();

void EnemyL_Shot1_Fire();
void EnemyL_Shot1_Draw();
void EnemyL_Shot1_Move();
void EnemyL_Shot2_Fire();
void EnemyL_Shot2_Draw();
void EnemyL_Shot2_Move();
void EnemyL_Shot3_Fire();
void EnemyL_Shot3_Draw();
void EnemyL_Shot3_Move();
void EnemyL_Shot4_Fire();
void EnemyL_Shot4_Draw();
void EnemyL_Shot4_Move();
void EnemyL_Shot5_Fire();
void EnemyL_Shot5_Draw();
void EnemyL_Shot5_Move();

void EnemyM_Shot4_Fire();
void EnemyM_Shot4_Draw();
void EnemyM_Shot4_Move();
void EnemyM_Shot5_Fire();
void EnemyM_Shot5_Draw();
void EnemyM_Shot5_Move();
void EnemyM_Shot6_Fire();
void EnemyM_Shot6_Draw();
void EnemyM_Shot6_Move();

void EnemyN_Shot4_Fire();
void EnemyN_Shot4_Draw();
void EnemyN_Shot4_Move();
void EnemyN_Shot5_Fire();
void EnemyN_Shot5_Draw();
void EnemyN_Shot5_Move();
void EnemyN_Shot6_Fire();
void EnemyN_Shot6_Draw();
void EnemyN_Shot6_Move();

void EnemyO_Shot4_Fire();
void EnemyO_Shot4_Draw();
void EnemyO_Shot4_Move();
void EnemyO_Shot5_Fire();
void EnemyO_Shot5_Draw();
void EnemyO_Shot5_Move();
void EnemyO_Shot6_Fire();
void EnemyO_Shot6_Draw();
void EnemyO_Shot6_Move();
void EnemyO_Shot7_Fire();
void EnemyO_Shot7_Draw();
void EnemyO_Shot7_Move();
void EnemyO_Shot8_Fire();
void EnemyO_Shot8_Draw();
void EnemyO_Shot8_Move();

void EnemyP_Shot4_Fire();
void EnemyP_Shot4_Draw();
void EnemyP_Shot4_Move();
void EnemyP_Shot5_Fire();
void EnemyP_Shot5_Draw();
void EnemyP_Shot5_Move();
void EnemyP_Shot6_Fire();
void EnemyP_Shot6_Draw();
void EnemyP_Shot6_Move();
void EnemyP_Shot7_Fire();
void EnemyP_Shot7_Draw();
void EnemyP_Shot7_Move();
void EnemyP_Shot8_Fire();
void EnemyP_Shot8_Draw();
void EnemyP_Shot8_Move();

void EnemyQ_Shot2_Fire();
void EnemyQ_Shot2_Draw();
void EnemyQ_Shot2_Move();
void EnemyQ_Shot3_Fire();
void EnemyQ_Shot3_Draw();
void EnemyQ_Shot3_Move();
void EnemyQ_Shot4_Fire();
void EnemyQ_Shot4_Draw();
void EnemyQ_Shot4_Move();
void EnemyQ_Shot5_Fire();
void EnemyQ_Shot5_Draw();
void EnemyQ_Shot5_Move();
void EnemyQ_Shot6_Fire();
void EnemyQ_Shot6_Draw();
void EnemyQ_Shot6_Move();

void EnemyR_Shot2_Fire();
void EnemyR_Shot2_Draw();
void EnemyR_Shot2_Move();
void EnemyR_Shot3_Fire();
void EnemyR_Shot3_Draw();
void EnemyR_Shot3_Move();
void EnemyR_Shot4_Fire();
void EnemyR_Shot4_Draw();
void EnemyR_Shot4_Move();
void EnemyR_Shot5_Fire();
void EnemyR_Shot5_Draw();
void EnemyR_Shot5_Move();
void EnemyR_Shot6_Fire();
void EnemyR_Shot6_Draw();
void EnemyR_Shot6_Move();

void EnemyS_Shot1_Fire();
void EnemyS_Shot1_Draw();
void EnemyS_Shot1_Move();
void EnemyS_Shot2_Fire();
void EnemyS_Shot2_Draw();
void EnemyS_Shot2_Move();
void EnemyS_Shot3_Fire();
void EnemyS_Shot3_Draw();
void EnemyS_Shot3_Move();
void EnemyS_Shot4_Fire();
void EnemyS_Shot4_Draw();
void EnemyS_Shot4_Move();
void EnemyS_Shot5_Fire();
void EnemyS_Shot5_Draw();
void EnemyS_Shot5_Move();

void EnemyT_Shot2_Fire();
void EnemyT_Shot2_Draw();
void EnemyT_Shot2_Move();
void EnemyT_Shot3_Fire();
void EnemyT_Shot3_Draw();
void EnemyT_Shot3_Move();
void EnemyT_Shot4_Fire();
void EnemyT_Shot4_Draw();
void EnemyT_Shot4_Move();
void EnemyT_Shot5_Fire();
void EnemyT_Shot5_Draw();
void EnemyT_Shot5_Move();
void EnemyT_Shot6_Fire();
void EnemyT_Shot6_Draw();
void EnemyT_Shot6_Move();

void EnemyU_Shot2_Fire();
void EnemyU_Shot2_Draw();
void EnemyU_Shot2_Move();
void EnemyU_Shot3_Fire();
void EnemyU_Shot3_Draw();
void EnemyU_Shot3_Move();
void EnemyU_Shot4_Fire();
void EnemyU_Shot4_Draw();
void EnemyU_Shot4_Move();
void EnemyU_Shot5_Fire();
void EnemyU_Shot5_Draw();
void EnemyU_Shot5_Move();
void EnemyU_Shot6_Fire();
void EnemyU_Shot6_Draw();
void EnemyU_Shot6_Move();

void EnemyV_Shot1_Fire();
void EnemyV_Shot1_Draw();
void EnemyV_Shot1_Move();
void EnemyV_Shot2_Fire();
void EnemyV_Shot2_Draw();
void EnemyV_Shot2_Move();
void EnemyV_Shot3_Fire();
void EnemyV_Shot3_Draw();
void EnemyV_Shot3_Move();
void EnemyV_Shot4_Fire();
void EnemyV_Shot4_Draw();
void EnemyV_Shot4_Move();
void EnemyV_Shot5_Fire();
void EnemyV_Shot5_Draw();
void EnemyV_Shot5_Move();
