#include "game/enemies/aimed_shot.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/pattern_support.h"
#include "game/state/assets.h"
#include "kit/draw/rotate.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

constexpr float kPi = 3.14159265f;
// The bullets fly at a point 15 pixels right of and below the ship's top-left.
constexpr float kAimOffset = 15.0f;
constexpr int32_t kSize = 30;

} // namespace

template <typename Record> void AimedShotFire(const AimedShotGroup<Record>& g) {
    for (int32_t k = 0; k < int32_t(g.pool.size()); ++k) {
        Record& r = g.pool[k];
        if (r.active != 0) continue;
        r.active = 1;
        r.x = g.owner.x(k) + g.muzzleX;
        r.y = g.owner.y(k) + g.muzzleY;
        r.speed = float(kitSystem::Random() % g.speedRange + g.speedBase);
        r.dx = playerX + kAimOffset - r.x;
        r.dy = playerY + kAimOffset - r.y;
        // Straight above or below the aim point: down when the ship is
        // below, up otherwise.
        r.angle = AimHeadingFloat(r.dx, r.dy);
    }
}

template <typename Record> void AimedShotDraw(const AimedShotGroup<Record>& g) {
    for (const Record& r : g.pool) {
        if (r.active == 0) continue;
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        const int32_t angle = 270 - FloatToInt(r.angle * 180.0f / kPi);
        BlitRotated(x, y, x + kSize, y + kSize, NormaliseAngle(angle), *g.image, 0, 0, kSize, kSize);
    }
}

template <typename Record> void AimedShotMove(const AimedShotGroup<Record>& g) {
    const KillBox box{0.0f, 30.0f, 10.0f, 30.0f};
    for (Record& r : g.pool) {
        if (r.active != 0) {
            r.y += std::sin(r.angle) * r.speed * frameDt;
            r.x += std::cos(r.angle) * r.speed * frameDt;
        }
        const bool inside = r.x + 30.0f >= 0.0f && r.x <= 800.0f && r.y + 30.0f >= 0.0f && r.y <= 600.0f;
        if (!inside || clearEnemyShots == 1) ParkRecord(r);
        TestPlayer(r.x, r.y, box);
    }
}

template void AimedShotFire(const AimedShotGroup<AimedShotRecord>&);
template void AimedShotDraw(const AimedShotGroup<AimedShotRecord>&);
template void AimedShotMove(const AimedShotGroup<AimedShotRecord>&);
template void AimedShotFire(const AimedShotGroup<AimedShotLongRecord>&);
template void AimedShotDraw(const AimedShotGroup<AimedShotLongRecord>&);
template void AimedShotMove(const AimedShotGroup<AimedShotLongRecord>&);

namespace {

using Short = AimedShotGroup<AimedShotRecord>;
using Long = AimedShotGroup<AimedShotLongRecord>;

// One row per group: pool, owner, image, muzzle x and y, speed base and range.
// clang-format off
constexpr Long  kEnemyDShot1{enemyDShot1Pool, SlotsOf<enemyDPool>(), &imgVALL302, 15, 50, 100, 100};
constexpr Short kEnemyEShot1{enemyEShot1Pool, SlotsOf<enemyEPool>(), &imgVALL302, 15, 50, 100, 100};
constexpr Short kEnemyFShot1{enemyFShot1Pool, SlotsOf<enemyFPool>(), &imgVALL302, 25, 50, 130,  50};
constexpr Short kEnemyGShot1{enemyGShot1Pool, SlotsOf<enemyGPool>(), &imgVALL302, 25, 50, 140,  50};
constexpr Short kEnemyHShot1{enemyHShot1Pool, SlotsOf<enemyHPool>(), &imgVALL302, 25, 50, 150,  50};
constexpr Long  kEnemyMShot1{enemyMShot1Pool, SlotsOf<enemyMPool>(), &imgVALL302, 25, 30, 150,  50};
constexpr Long  kEnemyNShot1{enemyNShot1Pool, SlotsOf<enemyNPool>(), &imgVALL302, 25, 30, 150,  50};
// clang-format on

constexpr const Short* kShortGroups[] = {&kEnemyEShot1, &kEnemyFShot1, &kEnemyGShot1, &kEnemyHShot1};
constexpr const Long* kLongGroups[] = {&kEnemyDShot1, &kEnemyMShot1, &kEnemyNShot1};

} // namespace

std::span<const AimedShotGroup<AimedShotRecord>* const> AimedShotGroups() { return kShortGroups; }
std::span<const AimedShotGroup<AimedShotLongRecord>* const> AimedShotLongGroups() { return kLongGroups; }

void EnemyD_Shot1_Fire() { AimedShotFire(kEnemyDShot1); }
void EnemyD_Shot1_Draw() { AimedShotDraw(kEnemyDShot1); }
void EnemyD_Shot1_Move() { AimedShotMove(kEnemyDShot1); }

void EnemyE_Shot1_Fire() { AimedShotFire(kEnemyEShot1); }
void EnemyE_Shot1_Draw() { AimedShotDraw(kEnemyEShot1); }
void EnemyE_Shot1_Move() { AimedShotMove(kEnemyEShot1); }

void EnemyF_Shot1_Fire() { AimedShotFire(kEnemyFShot1); }
void EnemyF_Shot1_Draw() { AimedShotDraw(kEnemyFShot1); }
void EnemyF_Shot1_Move() { AimedShotMove(kEnemyFShot1); }

void EnemyG_Shot1_Fire() { AimedShotFire(kEnemyGShot1); }
void EnemyG_Shot1_Draw() { AimedShotDraw(kEnemyGShot1); }
void EnemyG_Shot1_Move() { AimedShotMove(kEnemyGShot1); }

void EnemyH_Shot1_Fire() { AimedShotFire(kEnemyHShot1); }
void EnemyH_Shot1_Draw() { AimedShotDraw(kEnemyHShot1); }
void EnemyH_Shot1_Move() { AimedShotMove(kEnemyHShot1); }

void EnemyM_Shot1_Fire() { AimedShotFire(kEnemyMShot1); }
void EnemyM_Shot1_Draw() { AimedShotDraw(kEnemyMShot1); }
void EnemyM_Shot1_Move() { AimedShotMove(kEnemyMShot1); }

void EnemyN_Shot1_Fire() { AimedShotFire(kEnemyNShot1); }
void EnemyN_Shot1_Draw() { AimedShotDraw(kEnemyNShot1); }
void EnemyN_Shot1_Move() { AimedShotMove(kEnemyNShot1); }
