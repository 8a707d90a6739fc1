#pragma once
// AimedRotString5: from each parent slot, a string of five bullets aimed at
// the ship along one line at rising speeds, drawn rotated along their heading.
// The string lives and dies with its first, slowest bullet: when that one
// leaves the area, the whole string is freed where it stands.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/enemy_kinds.h"

constexpr int kRotStringLength = 5;
using RotString = AimedRotString5Record[kRotStringLength];

struct AimedRotString5Constants {
    float offsetX; // muzzle, from the parent slot's position
    float offsetY;
    float aim;        // aim point: the ship's position plus this on both axes
    float speed0;     // record 0, the slowest
    float speedStep;  // added per record
    float areaMargin; // the string lives while record 0 lies in -margin..right, -margin..bottom
    float areaRight;
    float areaBottom;
    const int32_t* image;
    int32_t cell;
    KillBox box;
};

// Arms every free record of every string from its parent slot, whatever the
// slot's own state.
void AimedRotString5_Fire(const AimedRotString5Constants& c, std::span<RotString> pool,
                          std::span<const EnemyRecordSpinJ> parents);
void AimedRotString5_Fire(const AimedRotString5Constants& c, std::span<RotString> pool,
                          std::span<const EnemyRecordSpinK> parents);
void AimedRotString5_Draw(const AimedRotString5Constants& c, std::span<RotString> pool);
void AimedRotString5_Move(const AimedRotString5Constants& c, std::span<RotString> pool);

// The heading of a bullet fired from (x, y) toward the aim point at (x + dx,
// y + dy), in single precision.
float AimedRotString5_Heading(float dx, float dy);
// The whole-degree turn the draw passes for a heading: 270 - trunc(deg), in 0..359.
int32_t AimedRotString5_BlitAngle(float angle);

extern const AimedRotString5Constants kEnemyJShot1;
extern const AimedRotString5Constants kEnemyKShot1;
void EnemyJ_Shot1_Draw();
void EnemyJ_Shot1_Fire();
void EnemyJ_Shot1_Move();
void EnemyK_Shot1_Draw();
void EnemyK_Shot1_Fire();
void EnemyK_Shot1_Move();
