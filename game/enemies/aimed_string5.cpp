#include "game/enemies/aimed_string5.h"

#include "game/enemies/bullet_rules.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/squads.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/kit_system.h"

namespace {

constexpr float kAimOffset = 22.0f;
constexpr float kSize = 20.0f; // cull margin on the left and top edges
constexpr float kRightLimit = 620.0f;
constexpr float kBottomLimit = 600.0f;
constexpr KillBox kKillBox{10.0f, 30.0f, 20.0f, 30.0f};

bool OutOfField(const AimedString5Record& r) {
    return r.x + kSize < 0.0f || r.x > kRightLimit || r.y + kSize < 0.0f || r.y > kBottomLimit;
}

} // namespace

void AimedString5Draw(const AimedString5& g) {
    for (int32_t i = 0; i < g.count; ++i) {
        AimedString5Record& r = g.pool[i];
        // The world reset may leave a frame beyond a short strip; the record is
        // parked then, and wrapping keeps the source inside the strip.
        const int32_t cell = r.frame % g.cells;
        BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), *g.image, 20 * cell, 0, 20 * cell + 20, 20);
        r.frame += 1;
        if (r.frame >= g.cells) r.frame = 0;
    }
}

void AimedString5Fire(const AimedString5& g) {
    for (int32_t i = 0; i < g.count; ++i) {
        AimedString5Record& r = g.pool[i];
        if (r.active == 1) continue;
        r.active = 1;
        r.x = *g.fromX + g.offsetX;
        r.y = *g.fromY + g.offsetY;
        for (int32_t k = 0; k < g.count; ++k)
            g.pool[k].speed = g.speeds[k];
        r.dx = (playerX + kAimOffset) - r.x;
        r.dy = (playerY + kAimOffset) - r.y;
        r.angle = AimedString5Heading(r.dx, r.dy);
    }
}

void AimedString5Move(const AimedString5& g) {
    const AimedString5Record& first = g.pool[0];
    for (int32_t i = 0; i < g.count; ++i) {
        AimedString5Record& r = g.pool[i];
        if (r.active == 1) {
            r.y += std::sin(r.angle) * r.speed * frameDt;
            r.x += std::cos(r.angle) * r.speed * frameDt;
        }
        if (g.cull == StringCull::PerRecord) {
            if (OutOfField(r) || clearEnemyShots == 1) ParkRecord(r);
            TestPlayer(r.x, r.y, kKillBox);
        } else {
            if (OutOfField(first)) r.active = 0;
            // A record freed here stays where it is, so only live ones can
            // touch the ship.
            if (r.active == 1) TestPlayer(r.x, r.y, kKillBox);
        }
    }
}

namespace {

constexpr float kKindSpeeds[5] = {120, 160, 200, 240, 280};
constexpr float kV1FastFour[5] = {230, 270, 310, 350, 0};
constexpr float kV1FastFive[5] = {200, 230, 260, 290, 340};
constexpr float kV1SlowSpeeds[5] = {80, 100, 120, 140, 160};
constexpr float kV3Speeds[5] = {260, 280, 300, 320, 340};

template <typename Slot>
constexpr AimedString5 KindString(AimedString5Record* pool, int32_t count, Slot& from, float ox, float oy) {
    return {pool,
            count,
            &from.x,
            &from.y,
            ox,
            oy,
            {kKindSpeeds[0], kKindSpeeds[1], kKindSpeeds[2], kKindSpeeds[3], kKindSpeeds[4]},
            &imgVAL201,
            7,
            StringCull::PerRecord};
}

constexpr AimedString5 SquadString(AimedString5Record* pool, int32_t count, SquadSlot& from, float ox,
                                   const float (&speeds)[5], StringCull cull) {
    return {pool,
            count,
            &from.x,
            &from.y,
            ox,
            50.0f,
            {speeds[0], speeds[1], speeds[2], speeds[3], speeds[4]},
            &imgVAL2024,
            24,
            cull};
}

constexpr StringCull kPer = StringCull::PerRecord;
constexpr StringCull kWithFirst = StringCull::WithFirst;

// Strings of four leave from slot 0, strings of five from slot 1.
constexpr AimedString5 kEnemyJShot2 = KindString(enemyJShot2Pool, 4, enemyJPool[0], 30, 50);
constexpr AimedString5 kEnemyJShot3 = KindString(enemyJShot3Pool, 5, enemyJPool[1], 30, 50);
constexpr AimedString5 kEnemyKShot2 = KindString(enemyKShot2Pool, 4, enemyKPool[0], 30, 50);
constexpr AimedString5 kEnemyKShot3 = KindString(enemyKShot3Pool, 5, enemyKPool[1], 30, 50);
constexpr AimedString5 kEnemyMShot2 = KindString(enemyMShot2Pool, 4, enemyMPool[0], 30, 40);
constexpr AimedString5 kEnemyMShot3 = KindString(enemyMShot3Pool, 5, enemyMPool[1], 30, 40);
constexpr AimedString5 kEnemyNShot2 = KindString(enemyNShot2Pool, 4, enemyNPool[0], 30, 40);
constexpr AimedString5 kEnemyNShot3 = KindString(enemyNShot3Pool, 5, enemyNPool[1], 30, 40);

constexpr AimedString5 kSquadV1AShot1 =
    SquadString(squadV1AShot1Pool, 4, squadV1ASlots[0], 40, kV1FastFour, kPer);
constexpr AimedString5 kSquadV1AShot2 =
    SquadString(squadV1AShot2Pool, 5, squadV1ASlots[1], 40, kV1FastFive, kPer);
constexpr AimedString5 kSquadV1BShot1 =
    SquadString(squadV1BShot1Pool, 4, squadV1BSlots[0], 40, kV1FastFour, kPer);
constexpr AimedString5 kSquadV1BShot2 =
    SquadString(squadV1BShot2Pool, 5, squadV1BSlots[1], 40, kV1FastFive, kPer);
constexpr AimedString5 kSquadV1CShot1 =
    SquadString(squadV1CShot1Pool, 4, squadV1CSlots[0], 40, kV1SlowSpeeds, kPer);
constexpr AimedString5 kSquadV1CShot2 =
    SquadString(squadV1CShot2Pool, 5, squadV1CSlots[1], 40, kV1SlowSpeeds, kPer);
constexpr AimedString5 kSquadV1DShot1 =
    SquadString(squadV1DShot1Pool, 4, squadV1DSlots[0], 40, kV1SlowSpeeds, kPer);
constexpr AimedString5 kSquadV1DShot2 =
    SquadString(squadV1DShot2Pool, 5, squadV1DSlots[1], 40, kV1SlowSpeeds, kPer);
constexpr AimedString5 kSquadV3AShot1 =
    SquadString(squadV3AShot1Pool, 4, squadV3ASlots[0], 50, kV3Speeds, kWithFirst);
constexpr AimedString5 kSquadV3AShot2 =
    SquadString(squadV3AShot2Pool, 5, squadV3ASlots[1], 50, kV3Speeds, kWithFirst);
constexpr AimedString5 kSquadV3BShot1 =
    SquadString(squadV3BShot1Pool, 4, squadV3BSlots[0], 50, kV3Speeds, kWithFirst);
constexpr AimedString5 kSquadV3BShot2 =
    SquadString(squadV3BShot2Pool, 5, squadV3BSlots[1], 50, kV3Speeds, kWithFirst);

} // namespace

void EnemyJ_Shot2_Draw() { AimedString5Draw(kEnemyJShot2); }
void EnemyJ_Shot2_Fire() { AimedString5Fire(kEnemyJShot2); }
void EnemyJ_Shot2_Move() { AimedString5Move(kEnemyJShot2); }
void EnemyJ_Shot3_Draw() { AimedString5Draw(kEnemyJShot3); }
void EnemyJ_Shot3_Fire() { AimedString5Fire(kEnemyJShot3); }
void EnemyJ_Shot3_Move() { AimedString5Move(kEnemyJShot3); }
void EnemyK_Shot2_Draw() { AimedString5Draw(kEnemyKShot2); }
void EnemyK_Shot2_Fire() { AimedString5Fire(kEnemyKShot2); }
void EnemyK_Shot2_Move() { AimedString5Move(kEnemyKShot2); }
void EnemyK_Shot3_Draw() { AimedString5Draw(kEnemyKShot3); }
void EnemyK_Shot3_Fire() { AimedString5Fire(kEnemyKShot3); }
void EnemyK_Shot3_Move() { AimedString5Move(kEnemyKShot3); }
void EnemyM_Shot2_Draw() { AimedString5Draw(kEnemyMShot2); }
void EnemyM_Shot2_Fire() { AimedString5Fire(kEnemyMShot2); }
void EnemyM_Shot2_Move() { AimedString5Move(kEnemyMShot2); }
void EnemyM_Shot3_Draw() { AimedString5Draw(kEnemyMShot3); }
void EnemyM_Shot3_Fire() { AimedString5Fire(kEnemyMShot3); }
void EnemyM_Shot3_Move() { AimedString5Move(kEnemyMShot3); }
void EnemyN_Shot2_Draw() { AimedString5Draw(kEnemyNShot2); }
void EnemyN_Shot2_Fire() { AimedString5Fire(kEnemyNShot2); }
void EnemyN_Shot2_Move() { AimedString5Move(kEnemyNShot2); }
void EnemyN_Shot3_Draw() { AimedString5Draw(kEnemyNShot3); }
void EnemyN_Shot3_Fire() { AimedString5Fire(kEnemyNShot3); }
void EnemyN_Shot3_Move() { AimedString5Move(kEnemyNShot3); }

void SquadV1A_Shot1_Draw() { AimedString5Draw(kSquadV1AShot1); }
void SquadV1A_Shot1_Fire() { AimedString5Fire(kSquadV1AShot1); }
void SquadV1A_Shot1_Move() { AimedString5Move(kSquadV1AShot1); }
void SquadV1A_Shot2_Draw() { AimedString5Draw(kSquadV1AShot2); }
void SquadV1A_Shot2_Fire() { AimedString5Fire(kSquadV1AShot2); }
void SquadV1A_Shot2_Move() { AimedString5Move(kSquadV1AShot2); }
void SquadV1B_Shot1_Draw() { AimedString5Draw(kSquadV1BShot1); }
void SquadV1B_Shot1_Fire() { AimedString5Fire(kSquadV1BShot1); }
void SquadV1B_Shot1_Move() { AimedString5Move(kSquadV1BShot1); }
void SquadV1B_Shot2_Draw() { AimedString5Draw(kSquadV1BShot2); }
void SquadV1B_Shot2_Fire() { AimedString5Fire(kSquadV1BShot2); }
void SquadV1B_Shot2_Move() { AimedString5Move(kSquadV1BShot2); }
void SquadV1C_Shot1_Draw() { AimedString5Draw(kSquadV1CShot1); }
void SquadV1C_Shot1_Fire() { AimedString5Fire(kSquadV1CShot1); }
void SquadV1C_Shot1_Move() { AimedString5Move(kSquadV1CShot1); }
void SquadV1C_Shot2_Draw() { AimedString5Draw(kSquadV1CShot2); }
void SquadV1C_Shot2_Fire() { AimedString5Fire(kSquadV1CShot2); }
void SquadV1C_Shot2_Move() { AimedString5Move(kSquadV1CShot2); }
void SquadV1D_Shot1_Draw() { AimedString5Draw(kSquadV1DShot1); }
void SquadV1D_Shot1_Fire() { AimedString5Fire(kSquadV1DShot1); }
void SquadV1D_Shot1_Move() { AimedString5Move(kSquadV1DShot1); }
void SquadV1D_Shot2_Draw() { AimedString5Draw(kSquadV1DShot2); }
void SquadV1D_Shot2_Fire() { AimedString5Fire(kSquadV1DShot2); }
void SquadV1D_Shot2_Move() { AimedString5Move(kSquadV1DShot2); }
void SquadV3A_Shot1_Draw() { AimedString5Draw(kSquadV3AShot1); }
void SquadV3A_Shot1_Fire() { AimedString5Fire(kSquadV3AShot1); }
void SquadV3A_Shot1_Move() { AimedString5Move(kSquadV3AShot1); }
void SquadV3A_Shot2_Draw() { AimedString5Draw(kSquadV3AShot2); }
void SquadV3A_Shot2_Fire() { AimedString5Fire(kSquadV3AShot2); }
void SquadV3A_Shot2_Move() { AimedString5Move(kSquadV3AShot2); }
void SquadV3B_Shot1_Draw() { AimedString5Draw(kSquadV3BShot1); }
void SquadV3B_Shot1_Fire() { AimedString5Fire(kSquadV3BShot1); }
void SquadV3B_Shot1_Move() { AimedString5Move(kSquadV3BShot1); }
void SquadV3B_Shot2_Draw() { AimedString5Draw(kSquadV3BShot2); }
void SquadV3B_Shot2_Fire() { AimedString5Fire(kSquadV3BShot2); }
void SquadV3B_Shot2_Move() { AimedString5Move(kSquadV3BShot2); }
