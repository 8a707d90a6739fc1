#include "game/enemies/straight_shot.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

void StraightShotFire(const StraightShotGroup& g) {
    for (int32_t i = 0; i < int32_t(g.pool.size()); ++i) {
        StraightShotRecord& r = g.pool[i];
        if (r.active != 0) continue;
        r.active = 1;
        r.x = g.owner.x(i) + g.offsetX;
        r.y = g.owner.y(i) + g.offsetY;
        int32_t fall = g.fallBase;
        if (g.fallRange > 0) fall += kitSystem::Random() % g.fallRange;
        r.vy = float(fall);
        r.vx = g.drift;
    }
}

void StraightShotDraw(const StraightShotGroup& g) {
    for (StraightShotRecord& r : g.pool) {
        if (r.active == 0) continue;
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        if (!g.animated) {
            BlitAdditive(x, y, *g.image, 0, 0, 16, 16);
            continue;
        }
        // One frame per drawn frame, not per second; a re-armed record goes
        // on from the frame it last showed.
        BlitAdditive(x, y, *g.image, 16 * r.frame, 0, 16 * r.frame + 16, 16);
        r.frame += 1;
        if (r.frame >= 16) r.frame = 0;
    }
}

void StraightShotMove(const StraightShotGroup& g) {
    const KillBox box{14.0f, 30.0f, g.hitLowY, 30.0f};
    for (StraightShotRecord& r : g.pool) {
        if (r.active != 0) {
            r.y += r.vy * frameDt;
            if (g.driftSide == DriftSide::Left) r.x -= r.vx * frameDt;
            if (g.driftSide == DriftSide::Right) r.x += r.vx * frameDt;
        }
        // Only y is bounded; free records are tested too, where they are parked.
        if (r.y + 16.0f < 0.0f || r.y > 600.0f || (g.testsClear && clearEnemyShots == 1)) ParkRecord(r);
        TestPlayer(r.x, r.y, box);
    }
}

namespace {

// One row per group, as the kinds' table gives them: pool, owner, image,
// animated, muzzle x and y, fall speed base and random range, drift and its
// side, the kill box's lower dy bound, whether a bomb clears it.
// clang-format off
constexpr StraightShotGroup kEnemyIShot2{enemyIShot2Pool, SlotsOf<enemyIPool>(), &imgVAL13,  false,  22, 50, 140, 70,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyIShot3{enemyIShot3Pool, SlotsOf<enemyIPool>(), &imgVAL13,  false,  22, 50, 150,  0, 20, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyIShot4{enemyIShot4Pool, SlotsOf<enemyIPool>(), &imgVAL13,  false,  22, 50, 150,  0, 20, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyJShot4{enemyJShot4Pool, SlotsOf<enemyJPool>(), &imgVAL12,  false,  32, 50, 100, 50,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyJShot5{enemyJShot5Pool, SlotsOf<enemyJPool>(), &imgVAL12,  false,  32, 50, 100, 50, 30, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyJShot6{enemyJShot6Pool, SlotsOf<enemyJPool>(), &imgVAL12,  false,  32, 50, 100, 50, 30, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyKShot4{enemyKShot4Pool, SlotsOf<enemyKPool>(), &imgVAL12,  false,  32, 50, 100, 50,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyKShot5{enemyKShot5Pool, SlotsOf<enemyKPool>(), &imgVAL12,  false,  32, 50, 100, 50, 30, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyKShot6{enemyKShot6Pool, SlotsOf<enemyKPool>(), &imgVAL12,  false,  32, 50, 100, 50, 30, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyLShot1{enemyLShot1Pool, SlotsOf<enemyLPool>(), &imgVAL2,   true,   32, 70, 100, 50,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyLShot2{enemyLShot2Pool, SlotsOf<enemyLPool>(), &imgVAL2,   true,   32, 70, 100, 50, 30, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyLShot3{enemyLShot3Pool, SlotsOf<enemyLPool>(), &imgVAL2,   true,   32, 70, 100, 50, 30, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyLShot4{enemyLShot4Pool, SlotsOf<enemyLPool>(), &imgVAL2,   true,   32, 70, 100, 50, 46, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyLShot5{enemyLShot5Pool, SlotsOf<enemyLPool>(), &imgVAL2,   true,   32, 70, 100, 50, 46, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyMShot4{enemyMShot4Pool, SlotsOf<enemyMPool>(), &imgVAL13,  false,  32, 50, 100, 30,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyMShot5{enemyMShot5Pool, SlotsOf<enemyMPool>(), &imgVAL13,  false,  32, 50, 100, 30, 30, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyMShot6{enemyMShot6Pool, SlotsOf<enemyMPool>(), &imgVAL13,  false,  32, 50, 100, 30, 30, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyNShot4{enemyNShot4Pool, SlotsOf<enemyNPool>(), &imgVAL13,  false,  32, 50, 100, 30,  0, DriftSide::None,   24, true};
constexpr StraightShotGroup kEnemyNShot5{enemyNShot5Pool, SlotsOf<enemyNPool>(), &imgVAL13,  false,  32, 50, 100, 30, 30, DriftSide::Left,   24, true};
constexpr StraightShotGroup kEnemyNShot6{enemyNShot6Pool, SlotsOf<enemyNPool>(), &imgVAL13,  false,  32, 50, 100, 30, 30, DriftSide::Right,  24, true};
constexpr StraightShotGroup kEnemyOShot4{enemyOShot4Pool, SlotsOf<enemyOPool>(), &imgVAL11,  false, 112, 50, 110,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyOShot5{enemyOShot5Pool, SlotsOf<enemyOPool>(), &imgVAL11,  false, 112, 50, 105,  0, 10, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyOShot6{enemyOShot6Pool, SlotsOf<enemyOPool>(), &imgVAL11,  false, 112, 50, 105,  0, 10, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyOShot7{enemyOShot7Pool, SlotsOf<enemyOPool>(), &imgVAL11,  false, 112, 50, 96,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyOShot8{enemyOShot8Pool, SlotsOf<enemyOPool>(), &imgVAL11,  false, 112, 50, 96,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyPShot4{enemyPShot4Pool, SlotsOf<enemyPPool>(), &imgVAL11,  false, 112, 50, 110,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyPShot5{enemyPShot5Pool, SlotsOf<enemyPPool>(), &imgVAL11,  false, 112, 50, 105,  0, 10, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyPShot6{enemyPShot6Pool, SlotsOf<enemyPPool>(), &imgVAL11,  false, 112, 50, 105,  0, 10, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyPShot7{enemyPShot7Pool, SlotsOf<enemyPPool>(), &imgVAL11,  false, 112, 50, 96,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyPShot8{enemyPShot8Pool, SlotsOf<enemyPPool>(), &imgVAL11,  false, 112, 50, 96,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyQShot2{enemyQShot2Pool, SlotsOf<enemyQPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyQShot3{enemyQShot3Pool, SlotsOf<enemyQPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyQShot4{enemyQShot4Pool, SlotsOf<enemyQPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyQShot5{enemyQShot5Pool, SlotsOf<enemyQPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyQShot6{enemyQShot6Pool, SlotsOf<enemyQPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
constexpr StraightShotGroup kEnemyRShot2{enemyRShot2Pool, SlotsOf<enemyRPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyRShot3{enemyRShot3Pool, SlotsOf<enemyRPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyRShot4{enemyRShot4Pool, SlotsOf<enemyRPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyRShot5{enemyRShot5Pool, SlotsOf<enemyRPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyRShot6{enemyRShot6Pool, SlotsOf<enemyRPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
constexpr StraightShotGroup kEnemySShot1{enemySShot1Pool, SlotsOf<enemySPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemySShot2{enemySShot2Pool, SlotsOf<enemySPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemySShot3{enemySShot3Pool, SlotsOf<enemySPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemySShot4{enemySShot4Pool, SlotsOf<enemySPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemySShot5{enemySShot5Pool, SlotsOf<enemySPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
constexpr StraightShotGroup kEnemyTShot2{enemyTShot2Pool, SlotsOf<enemyTPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyTShot3{enemyTShot3Pool, SlotsOf<enemyTPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyTShot4{enemyTShot4Pool, SlotsOf<enemyTPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyTShot5{enemyTShot5Pool, SlotsOf<enemyTPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyTShot6{enemyTShot6Pool, SlotsOf<enemyTPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
constexpr StraightShotGroup kEnemyUShot2{enemyUShot2Pool, SlotsOf<enemyUPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyUShot3{enemyUShot3Pool, SlotsOf<enemyUPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyUShot4{enemyUShot4Pool, SlotsOf<enemyUPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyUShot5{enemyUShot5Pool, SlotsOf<enemyUPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyUShot6{enemyUShot6Pool, SlotsOf<enemyUPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
constexpr StraightShotGroup kEnemyVShot1{enemyVShot1Pool, SlotsOf<enemyVPool>(), &imgVAL13,  false,  37, 40, 130,  0,  0, DriftSide::None,   24, false};
constexpr StraightShotGroup kEnemyVShot2{enemyVShot2Pool, SlotsOf<enemyVPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyVShot3{enemyVShot3Pool, SlotsOf<enemyVPool>(), &imgVAL13,  false,  37, 44, 130,  0, 20, DriftSide::Right,  24, false};
constexpr StraightShotGroup kEnemyVShot4{enemyVShot4Pool, SlotsOf<enemyVPool>(), &imgVAL13,  false,  37, 30, 130,  0, 40, DriftSide::Left,   24, false};
constexpr StraightShotGroup kEnemyVShot5{enemyVShot5Pool, SlotsOf<enemyVPool>(), &imgVAL13,  false,  42, 30, 130,  0, 40, DriftSide::Right,  20, false};
// clang-format on

constexpr const StraightShotGroup* kGroups[] = {
    &kEnemyIShot2, &kEnemyIShot3, &kEnemyIShot4, &kEnemyJShot4, &kEnemyJShot5, &kEnemyJShot6, &kEnemyKShot4,
    &kEnemyKShot5, &kEnemyKShot6, &kEnemyLShot1, &kEnemyLShot2, &kEnemyLShot3, &kEnemyLShot4, &kEnemyLShot5,
    &kEnemyMShot4, &kEnemyMShot5, &kEnemyMShot6, &kEnemyNShot4, &kEnemyNShot5, &kEnemyNShot6, &kEnemyOShot4,
    &kEnemyOShot5, &kEnemyOShot6, &kEnemyOShot7, &kEnemyOShot8, &kEnemyPShot4, &kEnemyPShot5, &kEnemyPShot6,
    &kEnemyPShot7, &kEnemyPShot8, &kEnemyQShot2, &kEnemyQShot3, &kEnemyQShot4, &kEnemyQShot5, &kEnemyQShot6,
    &kEnemyRShot2, &kEnemyRShot3, &kEnemyRShot4, &kEnemyRShot5, &kEnemyRShot6, &kEnemySShot1, &kEnemySShot2,
    &kEnemySShot3, &kEnemySShot4, &kEnemySShot5, &kEnemyTShot2, &kEnemyTShot3, &kEnemyTShot4, &kEnemyTShot5,
    &kEnemyTShot6, &kEnemyUShot2, &kEnemyUShot3, &kEnemyUShot4, &kEnemyUShot5, &kEnemyUShot6, &kEnemyVShot1,
    &kEnemyVShot2, &kEnemyVShot3, &kEnemyVShot4, &kEnemyVShot5};

} // namespace

std::span<const StraightShotGroup* const> StraightShotGroups() { return kGroups; }

void EnemyI_Shot2_Fire() { StraightShotFire(kEnemyIShot2); }
void EnemyI_Shot2_Draw() { StraightShotDraw(kEnemyIShot2); }
void EnemyI_Shot2_Move() { StraightShotMove(kEnemyIShot2); }

void EnemyI_Shot3_Fire() { StraightShotFire(kEnemyIShot3); }
void EnemyI_Shot3_Draw() { StraightShotDraw(kEnemyIShot3); }
void EnemyI_Shot3_Move() { StraightShotMove(kEnemyIShot3); }

void EnemyI_Shot4_Fire() { StraightShotFire(kEnemyIShot4); }
void EnemyI_Shot4_Draw() { StraightShotDraw(kEnemyIShot4); }
void EnemyI_Shot4_Move() { StraightShotMove(kEnemyIShot4); }

void EnemyJ_Shot4_Fire() { StraightShotFire(kEnemyJShot4); }
void EnemyJ_Shot4_Draw() { StraightShotDraw(kEnemyJShot4); }
void EnemyJ_Shot4_Move() { StraightShotMove(kEnemyJShot4); }

void EnemyJ_Shot5_Fire() { StraightShotFire(kEnemyJShot5); }
void EnemyJ_Shot5_Draw() { StraightShotDraw(kEnemyJShot5); }
void EnemyJ_Shot5_Move() { StraightShotMove(kEnemyJShot5); }

void EnemyJ_Shot6_Fire() { StraightShotFire(kEnemyJShot6); }
void EnemyJ_Shot6_Draw() { StraightShotDraw(kEnemyJShot6); }
void EnemyJ_Shot6_Move() { StraightShotMove(kEnemyJShot6); }

void EnemyK_Shot4_Fire() { StraightShotFire(kEnemyKShot4); }
void EnemyK_Shot4_Draw() { StraightShotDraw(kEnemyKShot4); }
void EnemyK_Shot4_Move() { StraightShotMove(kEnemyKShot4); }

void EnemyK_Shot5_Fire() { StraightShotFire(kEnemyKShot5); }
void EnemyK_Shot5_Draw() { StraightShotDraw(kEnemyKShot5); }
void EnemyK_Shot5_Move() { StraightShotMove(kEnemyKShot5); }

void EnemyK_Shot6_Fire() { StraightShotFire(kEnemyKShot6); }
void EnemyK_Shot6_Draw() { StraightShotDraw(kEnemyKShot6); }
void EnemyK_Shot6_Move() { StraightShotMove(kEnemyKShot6); }

void EnemyL_Shot1_Fire() { StraightShotFire(kEnemyLShot1); }
void EnemyL_Shot1_Draw() { StraightShotDraw(kEnemyLShot1); }
void EnemyL_Shot1_Move() { StraightShotMove(kEnemyLShot1); }

void EnemyL_Shot2_Fire() { StraightShotFire(kEnemyLShot2); }
void EnemyL_Shot2_Draw() { StraightShotDraw(kEnemyLShot2); }
void EnemyL_Shot2_Move() { StraightShotMove(kEnemyLShot2); }

void EnemyL_Shot3_Fire() { StraightShotFire(kEnemyLShot3); }
void EnemyL_Shot3_Draw() { StraightShotDraw(kEnemyLShot3); }
void EnemyL_Shot3_Move() { StraightShotMove(kEnemyLShot3); }

void EnemyL_Shot4_Fire() { StraightShotFire(kEnemyLShot4); }
void EnemyL_Shot4_Draw() { StraightShotDraw(kEnemyLShot4); }
void EnemyL_Shot4_Move() { StraightShotMove(kEnemyLShot4); }

void EnemyL_Shot5_Fire() { StraightShotFire(kEnemyLShot5); }
void EnemyL_Shot5_Draw() { StraightShotDraw(kEnemyLShot5); }
void EnemyL_Shot5_Move() { StraightShotMove(kEnemyLShot5); }

void EnemyM_Shot4_Fire() { StraightShotFire(kEnemyMShot4); }
void EnemyM_Shot4_Draw() { StraightShotDraw(kEnemyMShot4); }
void EnemyM_Shot4_Move() { StraightShotMove(kEnemyMShot4); }

void EnemyM_Shot5_Fire() { StraightShotFire(kEnemyMShot5); }
void EnemyM_Shot5_Draw() { StraightShotDraw(kEnemyMShot5); }
void EnemyM_Shot5_Move() { StraightShotMove(kEnemyMShot5); }

void EnemyM_Shot6_Fire() { StraightShotFire(kEnemyMShot6); }
void EnemyM_Shot6_Draw() { StraightShotDraw(kEnemyMShot6); }
void EnemyM_Shot6_Move() { StraightShotMove(kEnemyMShot6); }

void EnemyN_Shot4_Fire() { StraightShotFire(kEnemyNShot4); }
void EnemyN_Shot4_Draw() { StraightShotDraw(kEnemyNShot4); }
void EnemyN_Shot4_Move() { StraightShotMove(kEnemyNShot4); }

void EnemyN_Shot5_Fire() { StraightShotFire(kEnemyNShot5); }
void EnemyN_Shot5_Draw() { StraightShotDraw(kEnemyNShot5); }
void EnemyN_Shot5_Move() { StraightShotMove(kEnemyNShot5); }

void EnemyN_Shot6_Fire() { StraightShotFire(kEnemyNShot6); }
void EnemyN_Shot6_Draw() { StraightShotDraw(kEnemyNShot6); }
void EnemyN_Shot6_Move() { StraightShotMove(kEnemyNShot6); }

void EnemyO_Shot4_Fire() { StraightShotFire(kEnemyOShot4); }
void EnemyO_Shot4_Draw() { StraightShotDraw(kEnemyOShot4); }
void EnemyO_Shot4_Move() { StraightShotMove(kEnemyOShot4); }

void EnemyO_Shot5_Fire() { StraightShotFire(kEnemyOShot5); }
void EnemyO_Shot5_Draw() { StraightShotDraw(kEnemyOShot5); }
void EnemyO_Shot5_Move() { StraightShotMove(kEnemyOShot5); }

void EnemyO_Shot6_Fire() { StraightShotFire(kEnemyOShot6); }
void EnemyO_Shot6_Draw() { StraightShotDraw(kEnemyOShot6); }
void EnemyO_Shot6_Move() { StraightShotMove(kEnemyOShot6); }

void EnemyO_Shot7_Fire() { StraightShotFire(kEnemyOShot7); }
void EnemyO_Shot7_Draw() { StraightShotDraw(kEnemyOShot7); }
void EnemyO_Shot7_Move() { StraightShotMove(kEnemyOShot7); }

void EnemyO_Shot8_Fire() { StraightShotFire(kEnemyOShot8); }
void EnemyO_Shot8_Draw() { StraightShotDraw(kEnemyOShot8); }
void EnemyO_Shot8_Move() { StraightShotMove(kEnemyOShot8); }

void EnemyP_Shot4_Fire() { StraightShotFire(kEnemyPShot4); }
void EnemyP_Shot4_Draw() { StraightShotDraw(kEnemyPShot4); }
void EnemyP_Shot4_Move() { StraightShotMove(kEnemyPShot4); }

void EnemyP_Shot5_Fire() { StraightShotFire(kEnemyPShot5); }
void EnemyP_Shot5_Draw() { StraightShotDraw(kEnemyPShot5); }
void EnemyP_Shot5_Move() { StraightShotMove(kEnemyPShot5); }

void EnemyP_Shot6_Fire() { StraightShotFire(kEnemyPShot6); }
void EnemyP_Shot6_Draw() { StraightShotDraw(kEnemyPShot6); }
void EnemyP_Shot6_Move() { StraightShotMove(kEnemyPShot6); }

void EnemyP_Shot7_Fire() { StraightShotFire(kEnemyPShot7); }
void EnemyP_Shot7_Draw() { StraightShotDraw(kEnemyPShot7); }
void EnemyP_Shot7_Move() { StraightShotMove(kEnemyPShot7); }

void EnemyP_Shot8_Fire() { StraightShotFire(kEnemyPShot8); }
void EnemyP_Shot8_Draw() { StraightShotDraw(kEnemyPShot8); }
void EnemyP_Shot8_Move() { StraightShotMove(kEnemyPShot8); }

void EnemyQ_Shot2_Fire() { StraightShotFire(kEnemyQShot2); }
void EnemyQ_Shot2_Draw() { StraightShotDraw(kEnemyQShot2); }
void EnemyQ_Shot2_Move() { StraightShotMove(kEnemyQShot2); }

void EnemyQ_Shot3_Fire() { StraightShotFire(kEnemyQShot3); }
void EnemyQ_Shot3_Draw() { StraightShotDraw(kEnemyQShot3); }
void EnemyQ_Shot3_Move() { StraightShotMove(kEnemyQShot3); }

void EnemyQ_Shot4_Fire() { StraightShotFire(kEnemyQShot4); }
void EnemyQ_Shot4_Draw() { StraightShotDraw(kEnemyQShot4); }
void EnemyQ_Shot4_Move() { StraightShotMove(kEnemyQShot4); }

void EnemyQ_Shot5_Fire() { StraightShotFire(kEnemyQShot5); }
void EnemyQ_Shot5_Draw() { StraightShotDraw(kEnemyQShot5); }
void EnemyQ_Shot5_Move() { StraightShotMove(kEnemyQShot5); }

void EnemyQ_Shot6_Fire() { StraightShotFire(kEnemyQShot6); }
void EnemyQ_Shot6_Draw() { StraightShotDraw(kEnemyQShot6); }
void EnemyQ_Shot6_Move() { StraightShotMove(kEnemyQShot6); }

void EnemyR_Shot2_Fire() { StraightShotFire(kEnemyRShot2); }
void EnemyR_Shot2_Draw() { StraightShotDraw(kEnemyRShot2); }
void EnemyR_Shot2_Move() { StraightShotMove(kEnemyRShot2); }

void EnemyR_Shot3_Fire() { StraightShotFire(kEnemyRShot3); }
void EnemyR_Shot3_Draw() { StraightShotDraw(kEnemyRShot3); }
void EnemyR_Shot3_Move() { StraightShotMove(kEnemyRShot3); }

void EnemyR_Shot4_Fire() { StraightShotFire(kEnemyRShot4); }
void EnemyR_Shot4_Draw() { StraightShotDraw(kEnemyRShot4); }
void EnemyR_Shot4_Move() { StraightShotMove(kEnemyRShot4); }

void EnemyR_Shot5_Fire() { StraightShotFire(kEnemyRShot5); }
void EnemyR_Shot5_Draw() { StraightShotDraw(kEnemyRShot5); }
void EnemyR_Shot5_Move() { StraightShotMove(kEnemyRShot5); }

void EnemyR_Shot6_Fire() { StraightShotFire(kEnemyRShot6); }
void EnemyR_Shot6_Draw() { StraightShotDraw(kEnemyRShot6); }
void EnemyR_Shot6_Move() { StraightShotMove(kEnemyRShot6); }

void EnemyS_Shot1_Fire() { StraightShotFire(kEnemySShot1); }
void EnemyS_Shot1_Draw() { StraightShotDraw(kEnemySShot1); }
void EnemyS_Shot1_Move() { StraightShotMove(kEnemySShot1); }

void EnemyS_Shot2_Fire() { StraightShotFire(kEnemySShot2); }
void EnemyS_Shot2_Draw() { StraightShotDraw(kEnemySShot2); }
void EnemyS_Shot2_Move() { StraightShotMove(kEnemySShot2); }

void EnemyS_Shot3_Fire() { StraightShotFire(kEnemySShot3); }
void EnemyS_Shot3_Draw() { StraightShotDraw(kEnemySShot3); }
void EnemyS_Shot3_Move() { StraightShotMove(kEnemySShot3); }

void EnemyS_Shot4_Fire() { StraightShotFire(kEnemySShot4); }
void EnemyS_Shot4_Draw() { StraightShotDraw(kEnemySShot4); }
void EnemyS_Shot4_Move() { StraightShotMove(kEnemySShot4); }

void EnemyS_Shot5_Fire() { StraightShotFire(kEnemySShot5); }
void EnemyS_Shot5_Draw() { StraightShotDraw(kEnemySShot5); }
void EnemyS_Shot5_Move() { StraightShotMove(kEnemySShot5); }

void EnemyT_Shot2_Fire() { StraightShotFire(kEnemyTShot2); }
void EnemyT_Shot2_Draw() { StraightShotDraw(kEnemyTShot2); }
void EnemyT_Shot2_Move() { StraightShotMove(kEnemyTShot2); }

void EnemyT_Shot3_Fire() { StraightShotFire(kEnemyTShot3); }
void EnemyT_Shot3_Draw() { StraightShotDraw(kEnemyTShot3); }
void EnemyT_Shot3_Move() { StraightShotMove(kEnemyTShot3); }

void EnemyT_Shot4_Fire() { StraightShotFire(kEnemyTShot4); }
void EnemyT_Shot4_Draw() { StraightShotDraw(kEnemyTShot4); }
void EnemyT_Shot4_Move() { StraightShotMove(kEnemyTShot4); }

void EnemyT_Shot5_Fire() { StraightShotFire(kEnemyTShot5); }
void EnemyT_Shot5_Draw() { StraightShotDraw(kEnemyTShot5); }
void EnemyT_Shot5_Move() { StraightShotMove(kEnemyTShot5); }

void EnemyT_Shot6_Fire() { StraightShotFire(kEnemyTShot6); }
void EnemyT_Shot6_Draw() { StraightShotDraw(kEnemyTShot6); }
void EnemyT_Shot6_Move() { StraightShotMove(kEnemyTShot6); }

void EnemyU_Shot2_Fire() { StraightShotFire(kEnemyUShot2); }
void EnemyU_Shot2_Draw() { StraightShotDraw(kEnemyUShot2); }
void EnemyU_Shot2_Move() { StraightShotMove(kEnemyUShot2); }

void EnemyU_Shot3_Fire() { StraightShotFire(kEnemyUShot3); }
void EnemyU_Shot3_Draw() { StraightShotDraw(kEnemyUShot3); }
void EnemyU_Shot3_Move() { StraightShotMove(kEnemyUShot3); }

void EnemyU_Shot4_Fire() { StraightShotFire(kEnemyUShot4); }
void EnemyU_Shot4_Draw() { StraightShotDraw(kEnemyUShot4); }
void EnemyU_Shot4_Move() { StraightShotMove(kEnemyUShot4); }

void EnemyU_Shot5_Fire() { StraightShotFire(kEnemyUShot5); }
void EnemyU_Shot5_Draw() { StraightShotDraw(kEnemyUShot5); }
void EnemyU_Shot5_Move() { StraightShotMove(kEnemyUShot5); }

void EnemyU_Shot6_Fire() { StraightShotFire(kEnemyUShot6); }
void EnemyU_Shot6_Draw() { StraightShotDraw(kEnemyUShot6); }
void EnemyU_Shot6_Move() { StraightShotMove(kEnemyUShot6); }

void EnemyV_Shot1_Fire() { StraightShotFire(kEnemyVShot1); }
void EnemyV_Shot1_Draw() { StraightShotDraw(kEnemyVShot1); }
void EnemyV_Shot1_Move() { StraightShotMove(kEnemyVShot1); }

void EnemyV_Shot2_Fire() { StraightShotFire(kEnemyVShot2); }
void EnemyV_Shot2_Draw() { StraightShotDraw(kEnemyVShot2); }
void EnemyV_Shot2_Move() { StraightShotMove(kEnemyVShot2); }

void EnemyV_Shot3_Fire() { StraightShotFire(kEnemyVShot3); }
void EnemyV_Shot3_Draw() { StraightShotDraw(kEnemyVShot3); }
void EnemyV_Shot3_Move() { StraightShotMove(kEnemyVShot3); }

void EnemyV_Shot4_Fire() { StraightShotFire(kEnemyVShot4); }
void EnemyV_Shot4_Draw() { StraightShotDraw(kEnemyVShot4); }
void EnemyV_Shot4_Move() { StraightShotMove(kEnemyVShot4); }

void EnemyV_Shot5_Fire() { StraightShotFire(kEnemyVShot5); }
void EnemyV_Shot5_Draw() { StraightShotDraw(kEnemyVShot5); }
void EnemyV_Shot5_Move() { StraightShotMove(kEnemyVShot5); }
