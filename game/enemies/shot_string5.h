#pragma once
// ShotString5: every owner slot drops a string of five. One fire arms every
// free record of every slot at the slot plus an offset, and record k falls at
// 140 + 20k px/s, so five fired together start at one point and draw apart
// into a line. Some strings also go sideways: a small drift per record, or a
// sideways speed equal to the fall, which makes a diagonal string.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"

// How a fire sets the sideways speed of record k.
enum class StringSide : uint8_t {
    Zero,          // 0
    Drift,         // the group's drift, the same for all five
    DiagonalRight, // +(140 + 20k), for all five records of the string
    DiagonalLeft,  // -(140 + 20k), for all five records of the string
};

struct ShotString5Group {
    std::span<StraightShotRecord[5]> pool; // string p belongs to owner slot p
    OwnerSlots owner;
    const int32_t* image;
    int32_t srcLeft; // source rectangle in the image
    int32_t srcTop;
    int32_t srcRight;
    int32_t srcBottom;
    float offsetX; // where the string starts, from the owner slot's top-left
    float offsetY;
    StringSide side;
    float drift;     // StringSide::Drift only
    bool movesX;     // the move applies vx; the strings without it never move sideways
    float topMargin; // freed once y + topMargin < 0
    float hitLowX;   // lower dx bound of the kill box
};

void ShotString5Fire(const ShotString5Group& g);
void ShotString5Draw(const ShotString5Group& g);
void ShotString5Move(const ShotString5Group& g);

std::span<const ShotString5Group* const> ShotString5Groups();

void EnemyA_Shot3_Fire();
void EnemyA_Shot3_Draw();
void EnemyA_Shot3_Move();

void EnemyI_Shot1_Fire();
void EnemyI_Shot1_Draw();
void EnemyI_Shot1_Move();

void EnemyL_Shot6_Fire();
void EnemyL_Shot6_Draw();
void EnemyL_Shot6_Move();
void EnemyL_Shot7_Fire();
void EnemyL_Shot7_Draw();
void EnemyL_Shot7_Move();
void EnemyL_Shot8_Fire();
void EnemyL_Shot8_Draw();
void EnemyL_Shot8_Move();
void EnemyL_Shot9_Fire();
void EnemyL_Shot9_Draw();
void EnemyL_Shot9_Move();
void EnemyL_Shot10_Fire();
void EnemyL_Shot10_Draw();
void EnemyL_Shot10_Move();

void EnemyQ_Shot1_Fire();
void EnemyQ_Shot1_Draw();
void EnemyQ_Shot1_Move();

void EnemyR_Shot1_Fire();
void EnemyR_Shot1_Draw();
void EnemyR_Shot1_Move();

void EnemyT_Shot1_Fire();
void EnemyT_Shot1_Draw();
void EnemyT_Shot1_Move();

void EnemyU_Shot1_Fire();
void EnemyU_Shot1_Draw();
void EnemyU_Shot1_Move();
