#pragma once
// Aimed strings: a group of four or five bullets that one fixed slot of its
// parent (an enemy kind or a squad) fires together at the player. Each record
// has its own speed, so a string fired at once flies along one line and
// stretches as it goes. Groups of four always leave from slot 0, groups of
// five from slot 1, whatever slot asked for the fire.
#include <cstdint>

#include "game/enemies/bullet_records.h"
#include "game/enemies/pattern_support.h"

// The heading of the vector (dx, dy) toward an aim point: pi/2 when it is
// vertical, turned by pi when it points left, or straight up (dy <= 0).
inline float AimedString5Heading(float dx, float dy) {
    return AimTurnBack(static_cast<float>(AimBase(dx, dy)), dx, dy);
}

// How a group lets its records go.
enum class StringCull : uint8_t {
    // Each record on its own: parked once it leaves the field or while a bomb
    // clears the screen.
    PerRecord,
    // The whole string when its slowest record (record 0) leaves the field;
    // freed records stay where they are and the bomb does not touch them.
    WithFirst,
};

struct AimedString5 {
    AimedString5Record* pool;
    int32_t count;      // 4 or 5
    const float* fromX; // x and y of the parent slot the string leaves from
    const float* fromY;
    float offsetX;
    float offsetY;
    float speeds[5]; // record i flies at speeds[i]
    const int32_t* image;
    int32_t cells; // 20x20 cells in the image's strip
    StringCull cull;
};

void AimedString5Draw(const AimedString5& g);
void AimedString5Fire(const AimedString5& g);
void AimedString5Move(const AimedString5& g);

// The enemy kinds' strings, fired by the stage drivers.
void EnemyJ_Shot2_Draw();
void EnemyJ_Shot2_Fire();
void EnemyJ_Shot2_Move();
void EnemyJ_Shot3_Draw();
void EnemyJ_Shot3_Fire();
void EnemyJ_Shot3_Move();
void EnemyK_Shot2_Draw();
void EnemyK_Shot2_Fire();
void EnemyK_Shot2_Move();
void EnemyK_Shot3_Draw();
void EnemyK_Shot3_Fire();
void EnemyK_Shot3_Move();
void EnemyM_Shot2_Draw();
void EnemyM_Shot2_Fire();
void EnemyM_Shot2_Move();
void EnemyM_Shot3_Draw();
void EnemyM_Shot3_Fire();
void EnemyM_Shot3_Move();
void EnemyN_Shot2_Draw();
void EnemyN_Shot2_Fire();
void EnemyN_Shot2_Move();
void EnemyN_Shot3_Draw();
void EnemyN_Shot3_Fire();
void EnemyN_Shot3_Move();

// The squads' strings: fired by the squad's own move, drawn and moved by the
// stage drivers.
void SquadV1A_Shot1_Draw();
void SquadV1A_Shot1_Fire();
void SquadV1A_Shot1_Move();
void SquadV1A_Shot2_Draw();
void SquadV1A_Shot2_Fire();
void SquadV1A_Shot2_Move();
void SquadV1B_Shot1_Draw();
void SquadV1B_Shot1_Fire();
void SquadV1B_Shot1_Move();
void SquadV1B_Shot2_Draw();
void SquadV1B_Shot2_Fire();
void SquadV1B_Shot2_Move();
void SquadV1C_Shot1_Draw();
void SquadV1C_Shot1_Fire();
void SquadV1C_Shot1_Move();
void SquadV1C_Shot2_Draw();
void SquadV1C_Shot2_Fire();
void SquadV1C_Shot2_Move();
void SquadV1D_Shot1_Draw();
void SquadV1D_Shot1_Fire();
void SquadV1D_Shot1_Move();
void SquadV1D_Shot2_Draw();
void SquadV1D_Shot2_Fire();
void SquadV1D_Shot2_Move();
void SquadV3A_Shot1_Draw();
void SquadV3A_Shot1_Fire();
void SquadV3A_Shot1_Move();
void SquadV3A_Shot2_Draw();
void SquadV3A_Shot2_Fire();
void SquadV3A_Shot2_Move();
void SquadV3B_Shot1_Draw();
void SquadV3B_Shot1_Fire();
void SquadV3B_Shot1_Move();
void SquadV3B_Shot2_Draw();
void SquadV3B_Shot2_Fire();
void SquadV3B_Shot2_Move();
