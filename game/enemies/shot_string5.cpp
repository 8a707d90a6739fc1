#include "game/enemies/shot_string5.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/kit_system.h"

namespace {

// Record k of every string falls at 140 + 20k px/s.
constexpr float StringSpeed(int32_t k) { return float(140 + 20 * k); }

} // namespace

void ShotString5Fire(const ShotString5Group& g) {
    for (int32_t p = 0; p < int32_t(g.pool.size()); ++p) {
        StraightShotRecord(&string)[5] = g.pool[p];
        for (int32_t k = 0; k < 5; ++k) {
            StraightShotRecord& r = string[k];
            if (r.active != 0) continue;
            r.active = 1;
            r.x = g.owner.x(p) + g.offsetX;
            r.y = g.owner.y(p) + g.offsetY;
            // The whole string's speeds are written again; the records in
            // flight already hold these values.
            for (int32_t j = 0; j < 5; ++j)
                string[j].vy = StringSpeed(j);
            switch (g.side) {
            case StringSide::Zero:
                r.vx = 0.0f;
                break;
            case StringSide::Drift:
                r.vx = g.drift;
                break;
            case StringSide::DiagonalRight:
                for (int32_t j = 0; j < 5; ++j)
                    string[j].vx = StringSpeed(j);
                break;
            case StringSide::DiagonalLeft:
                for (int32_t j = 0; j < 5; ++j)
                    string[j].vx = -StringSpeed(j);
                break;
            }
        }
    }
}

void ShotString5Draw(const ShotString5Group& g) {
    for (StraightShotRecord(&string)[5] : g.pool)
        for (const StraightShotRecord& r : string)
            if (r.active != 0)
                BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), *g.image, g.srcLeft, g.srcTop, g.srcRight,
                             g.srcBottom);
}

void ShotString5Move(const ShotString5Group& g) {
    const KillBox box{g.hitLowX, 30.0f, 10.0f, 30.0f};
    for (StraightShotRecord(&string)[5] : g.pool) {
        for (StraightShotRecord& r : string) {
            if (r.active != 0) {
                r.y += r.vy * frameDt;
                if (g.movesX) r.x += r.vx * frameDt;
            }
            // No sideways bound: a diagonal bullet leaves the field at the side
            // and flies on, clipped, until its y leaves.
            if (r.y + g.topMargin < 0.0f || r.y > 600.0f || clearEnemyShots == 1) ParkRecord(r);
            TestPlayer(r.x, r.y, box);
        }
    }
}

namespace {

// One row per group: pool, owner, image and its source rectangle (left, top,
// right, bottom), start offset x and y, sideways speed and drift, whether the
// move applies it, top margin, the kill box's lower dx bound.
// clang-format off
constexpr ShotString5Group kEnemyAShot3{ enemyAShot3Pool,  SlotsOf<enemyAPool>(), &imgVAL15L,   0, 0, 15, 30, 27, 66, StringSide::Zero,            0, false, 16, 14};
constexpr ShotString5Group kEnemyIShot1{ enemyIShot1Pool,  SlotsOf<enemyIPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 54, StringSide::Zero,            0, false, 16, 14};
constexpr ShotString5Group kEnemyLShot6{ enemyLShot6Pool,  SlotsOf<enemyLPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 70, StringSide::Zero,            0, false, 16, 14};
constexpr ShotString5Group kEnemyLShot7{ enemyLShot7Pool,  SlotsOf<enemyLPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 67, StringSide::Drift,          -8, true,  16, 14};
constexpr ShotString5Group kEnemyLShot8{ enemyLShot8Pool,  SlotsOf<enemyLPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 67, StringSide::Drift,           8, true,  16, 14};
constexpr ShotString5Group kEnemyLShot9{ enemyLShot9Pool,  SlotsOf<enemyLPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 63, StringSide::Drift,         -17, true,  16, 14};
constexpr ShotString5Group kEnemyLShot10{enemyLShot10Pool, SlotsOf<enemyLPool>(), &imgVAL15L,   0, 0, 15, 30, 32, 63, StringSide::Drift,          17, true,  16, 14};
constexpr ShotString5Group kEnemyQShot1{ enemyQShot1Pool,  SlotsOf<enemyQPool>(), &imgVAL151L,  0, 0, 30, 30, 50, 50, StringSide::DiagonalRight,   0, true,  30, 0};
constexpr ShotString5Group kEnemyRShot1{ enemyRShot1Pool,  SlotsOf<enemyRPool>(), &imgVAL151L,  0, 0, 30, 30, 50, 50, StringSide::DiagonalRight,   0, true,  30, 0};
constexpr ShotString5Group kEnemyTShot1{ enemyTShot1Pool,  SlotsOf<enemyTPool>(), &imgVAL151L, 30, 0, 60, 30, 10, 50, StringSide::DiagonalLeft,    0, true,  30, 0};
constexpr ShotString5Group kEnemyUShot1{ enemyUShot1Pool,  SlotsOf<enemyUPool>(), &imgVAL151L, 30, 0, 60, 30, 10, 50, StringSide::DiagonalLeft,    0, true,  30, 0};
// clang-format on

constexpr const ShotString5Group* kGroups[] = {&kEnemyAShot3, &kEnemyIShot1, &kEnemyLShot6,  &kEnemyLShot7,
                                               &kEnemyLShot8, &kEnemyLShot9, &kEnemyLShot10, &kEnemyQShot1,
                                               &kEnemyRShot1, &kEnemyTShot1, &kEnemyUShot1};

} // namespace

std::span<const ShotString5Group* const> ShotString5Groups() { return kGroups; }

void EnemyA_Shot3_Fire() { ShotString5Fire(kEnemyAShot3); }
void EnemyA_Shot3_Draw() { ShotString5Draw(kEnemyAShot3); }
void EnemyA_Shot3_Move() { ShotString5Move(kEnemyAShot3); }

void EnemyI_Shot1_Fire() { ShotString5Fire(kEnemyIShot1); }
void EnemyI_Shot1_Draw() { ShotString5Draw(kEnemyIShot1); }
void EnemyI_Shot1_Move() { ShotString5Move(kEnemyIShot1); }

void EnemyL_Shot6_Fire() { ShotString5Fire(kEnemyLShot6); }
void EnemyL_Shot6_Draw() { ShotString5Draw(kEnemyLShot6); }
void EnemyL_Shot6_Move() { ShotString5Move(kEnemyLShot6); }

void EnemyL_Shot7_Fire() { ShotString5Fire(kEnemyLShot7); }
void EnemyL_Shot7_Draw() { ShotString5Draw(kEnemyLShot7); }
void EnemyL_Shot7_Move() { ShotString5Move(kEnemyLShot7); }

void EnemyL_Shot8_Fire() { ShotString5Fire(kEnemyLShot8); }
void EnemyL_Shot8_Draw() { ShotString5Draw(kEnemyLShot8); }
void EnemyL_Shot8_Move() { ShotString5Move(kEnemyLShot8); }

void EnemyL_Shot9_Fire() { ShotString5Fire(kEnemyLShot9); }
void EnemyL_Shot9_Draw() { ShotString5Draw(kEnemyLShot9); }
void EnemyL_Shot9_Move() { ShotString5Move(kEnemyLShot9); }

void EnemyL_Shot10_Fire() { ShotString5Fire(kEnemyLShot10); }
void EnemyL_Shot10_Draw() { ShotString5Draw(kEnemyLShot10); }
void EnemyL_Shot10_Move() { ShotString5Move(kEnemyLShot10); }

void EnemyQ_Shot1_Fire() { ShotString5Fire(kEnemyQShot1); }
void EnemyQ_Shot1_Draw() { ShotString5Draw(kEnemyQShot1); }
void EnemyQ_Shot1_Move() { ShotString5Move(kEnemyQShot1); }

void EnemyR_Shot1_Fire() { ShotString5Fire(kEnemyRShot1); }
void EnemyR_Shot1_Draw() { ShotString5Draw(kEnemyRShot1); }
void EnemyR_Shot1_Move() { ShotString5Move(kEnemyRShot1); }

void EnemyT_Shot1_Fire() { ShotString5Fire(kEnemyTShot1); }
void EnemyT_Shot1_Draw() { ShotString5Draw(kEnemyTShot1); }
void EnemyT_Shot1_Move() { ShotString5Move(kEnemyTShot1); }

void EnemyU_Shot1_Fire() { ShotString5Fire(kEnemyUShot1); }
void EnemyU_Shot1_Draw() { ShotString5Draw(kEnemyUShot1); }
void EnemyU_Shot1_Move() { ShotString5Move(kEnemyUShot1); }
