#pragma once
// AimedShot: one bullet per owner slot, fired from a point on the owner's
// sprite at the ship with a random speed, flying straight and drawn as a
// 30-pixel sprite turned along its heading. Two record layouts carry it (the
// world reset parks them differently); the template serves both.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"

template <typename Record> struct AimedShotGroup {
    std::span<Record> pool; // record k belongs to owner slot k
    OwnerSlots owner;
    const int32_t* image;
    float muzzleX; // from the owner slot's top-left
    float muzzleY;
    int32_t speedBase; // speed = rand() % speedRange + speedBase, drawn per bullet
    int32_t speedRange;
};

template <typename Record> void AimedShotFire(const AimedShotGroup<Record>& g);
template <typename Record> void AimedShotDraw(const AimedShotGroup<Record>& g);
template <typename Record> void AimedShotMove(const AimedShotGroup<Record>& g);

// Every group, by record layout.
std::span<const AimedShotGroup<AimedShotRecord>* const> AimedShotGroups();
std::span<const AimedShotGroup<AimedShotLongRecord>* const> AimedShotLongGroups();

void EnemyD_Shot1_Fire();
void EnemyD_Shot1_Draw();
void EnemyD_Shot1_Move();

void EnemyE_Shot1_Fire();
void EnemyE_Shot1_Draw();
void EnemyE_Shot1_Move();

void EnemyF_Shot1_Fire();
void EnemyF_Shot1_Draw();
void EnemyF_Shot1_Move();

void EnemyG_Shot1_Fire();
void EnemyG_Shot1_Draw();
void EnemyG_Shot1_Move();

void EnemyH_Shot1_Fire();
void EnemyH_Shot1_Draw();
void EnemyH_Shot1_Move();

void EnemyM_Shot1_Fire();
void EnemyM_Shot1_Draw();
void EnemyM_Shot1_Move();

void EnemyN_Shot1_Fire();
void EnemyN_Shot1_Draw();
void EnemyN_Shot1_Move();
