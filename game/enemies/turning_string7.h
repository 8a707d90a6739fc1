#pragma once
// TurningString7: every owner slot fires a string of seven rotated bullets
// that leave together at one heading, spread out by their own speeds and
// drifts, and turn together for their first moments before flying on
// straight. The string is freed as a unit, in place, when its first (slowest)
// bullet leaves the screen area.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"

struct TurningString7Group {
    std::span<TurningString7Record[7]> pool; // string s belongs to owner slot s
    OwnerSlots owner;
    const int32_t* image;
    // The left-hand string starts down and to the left and turns further
    // down; the right-hand one is its mirror image.
    bool rightHand;
};

void TurningString7Fire(const TurningString7Group& g);
void TurningString7Draw(const TurningString7Group& g);
void TurningString7Move(const TurningString7Group& g);

std::span<const TurningString7Group* const> TurningString7Groups();

void EnemyA_Shot1_Fire();
void EnemyA_Shot1_Draw();
void EnemyA_Shot1_Move();
void EnemyA_Shot2_Fire();
void EnemyA_Shot2_Draw();
void EnemyA_Shot2_Move();
