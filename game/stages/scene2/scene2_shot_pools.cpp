#include "game/stages/scene2/scene2_shot_pools.h"

#include "game/bosses/aimed_quad_volley.h"
#include "game/bosses/aimed_shot_pool.h"
#include "game/bosses/paired_drop_shot.h"
#include "game/bosses/straight_drop_stream.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/state/assets.h"

#include <span>

namespace {

// The fans of pools 3 to 5 and 6 to 8 spread 18 degrees either side of the aim.
constexpr float kTenthTurn = float(3.14159265358979323846 / 10.0);

// The 30x30 shots of pools 3 to 10; the 20x20 strips of pools 1 and 2 have a
// tighter box of their own.
constexpr KillBox kBigHitBox = {0.0f, 30.0f, 10.0f, 30.0f};

// Pools 1 and 2: strings of 20-pixel strip shots aimed straight at the ship.
constexpr AimedShotPoolConsts StripPool(std::span<AimedShotPoolRecord> pool, float launchX) {
    return {
        .boss = &scene2Boss,
        .pool = pool,
        .launchX = launchX,
        .launchY = 100.0f,
        .speeds = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f},
        .aim = 20.0f,
        .headingOffset = 0.0f,
        .margin = 20.0f,
        .drift = 0,
        .hitBox = {10.0f, 30.0f, 20.0f, 30.0f},
        .draw = ShotPoolDraw::Animated,
        .image = &imgVAL201,
        .cell = 20,
        .cells = 7,
    };
}

// Pools 3 to 10: strings of 30-pixel shots turned to their heading, some
// fanned a tenth of a turn either side of the aim.
constexpr AimedShotPoolConsts TurnedPool(std::span<AimedShotPoolRecord> pool, float launchX, float aim,
                                         float headingOffset) {
    return {
        .boss = &scene2Boss,
        .pool = pool,
        .launchX = launchX,
        .launchY = 100.0f,
        .speeds = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f},
        .aim = aim,
        .headingOffset = headingOffset,
        .margin = 30.0f,
        .drift = 0,
        .hitBox = kBigHitBox,
        .draw = ShotPoolDraw::Rotated,
        .image = &imgVALL301,
        .cell = 30,
        .cells = 0,
    };
}

constexpr AimedShotPoolConsts kAimedShotPool1 = StripPool(scene2BossAimedShotPool1Pool, 90.0f);
constexpr AimedShotPoolConsts kAimedShotPool2 = StripPool(scene2BossAimedShotPool2Pool, 330.0f);
constexpr AimedShotPoolConsts kAimedShotPool3 =
    TurnedPool(scene2BossAimedShotPool3Pool, 85.0f, 15.0f, kTenthTurn);
constexpr AimedShotPoolConsts kAimedShotPool4 = TurnedPool(scene2BossAimedShotPool4Pool, 85.0f, 9.0f, 0.0f);
constexpr AimedShotPoolConsts kAimedShotPool5 =
    TurnedPool(scene2BossAimedShotPool5Pool, 85.0f, 9.0f, -kTenthTurn);
constexpr AimedShotPoolConsts kAimedShotPool6 =
    TurnedPool(scene2BossAimedShotPool6Pool, 325.0f, 15.0f, kTenthTurn);
constexpr AimedShotPoolConsts kAimedShotPool7 = TurnedPool(scene2BossAimedShotPool7Pool, 325.0f, 15.0f, 0.0f);
constexpr AimedShotPoolConsts kAimedShotPool8 =
    TurnedPool(scene2BossAimedShotPool8Pool, 325.0f, 15.0f, -kTenthTurn);
constexpr AimedShotPoolConsts kAimedShotPool9 = TurnedPool(scene2BossAimedShotPool9Pool, 105.0f, 15.0f, 0.0f);
constexpr AimedShotPoolConsts kAimedShotPool10 =
    TurnedPool(scene2BossAimedShotPool10Pool, 305.0f, 15.0f, 0.0f);

constexpr AimedQuadVolleyConsts kAimedQuadVolley1 = {
    .boss = &scene2Boss,
    .pool = scene2BossAimedQuadVolley1Pool,
    .wrap = 630,
    .groupTicks = {100, 200, 300, 440, 500},
    .launch = {{150.0f, 100.0f}, {270.0f, 100.0f}, {90.0f, 150.0f}, {330.0f, 150.0f}},
    .speedBase = 180,
    .speedSpread = 30,
    .aim = 20.0f,
    .hitBox = {10.0f, 30.0f, 20.0f, 30.0f},
    .image = &imgVALL20,
    .cell = 20,
};

constexpr StraightDropStreamConsts kStraightDropStream1 = {
    .boss = &scene2Boss,
    .pool = scene2BossStraightDropStream1Pool,
    .launchX = 0.0f,
    .launchY = 100.0f,
    .fallSpeed = 150.0f,
    .xSpeed = 0.0f,
    .hitBox = {-120.0f, 30.0f, -140.0f, 30.0f},
    .image = &imgVALARM11,
    .cellW = 150,
    .cellH = 180,
};

constexpr StraightDropStreamConsts kStraightDropStream2 = {
    .boss = &scene2Boss,
    .pool = scene2BossStraightDropStream2Pool,
    .launchX = 290.0f,
    .launchY = 100.0f,
    .fallSpeed = 150.0f,
    .xSpeed = 0.0f,
    .hitBox = {-120.0f, 30.0f, -140.0f, 30.0f},
    .image = &imgVALARM12,
    .cellW = 150,
    .cellH = 180,
};

constexpr PairedDropShotConsts kPairedDropShot1 = {
    .boss = &scene2Boss,
    .pool = scene2BossPairedDropShot1Pool,
    .launchX = 212.0f,
    .launchY = 200.0f,
    .fallSpeed = 190.0f,
    .drift = {-30.0f, 30.0f},
    .driftEveryPass = true,
    .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
    .image = &imgVAL12,
    .cell = 16,
    .cells = 0,
};

constexpr PairedDropShotConsts kPairedDropShot2 = {
    .boss = &scene2Boss,
    .pool = scene2BossPairedDropShot2Pool,
    .launchX = 212.0f,
    .launchY = 200.0f,
    .fallSpeed = 220.0f,
    .drift = {-23.0f, 23.0f},
    .driftEveryPass = true,
    .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
    .image = &imgVAL12,
    .cell = 16,
    .cells = 0,
};

constexpr PairedDropShotConsts kPairedDropShot3 = {
    .boss = &scene2Boss,
    .pool = scene2BossPairedDropShot3Pool,
    .launchX = 212.0f,
    .launchY = 200.0f,
    .fallSpeed = 260.0f,
    .drift = {-7.0f, 7.0f, -20.0f, 20.0f},
    .driftEveryPass = true,
    .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
    .image = &imgVAL12,
    .cell = 16,
    .cells = 0,
};

} // namespace

void Scene2Boss_AimedShotPool1_Spawn() { AimedShotPool_Spawn(kAimedShotPool1); }
void Scene2Boss_AimedShotPool1_Move() { AimedShotPool_Move(kAimedShotPool1); }
void Scene2Boss_AimedShotPool1_Draw() { AimedShotPool_Draw(kAimedShotPool1); }

void Scene2Boss_AimedShotPool2_Spawn() { AimedShotPool_Spawn(kAimedShotPool2); }
void Scene2Boss_AimedShotPool2_Move() { AimedShotPool_Move(kAimedShotPool2); }
void Scene2Boss_AimedShotPool2_Draw() { AimedShotPool_Draw(kAimedShotPool2); }

void Scene2Boss_AimedShotPool3_Spawn() { AimedShotPool_Spawn(kAimedShotPool3); }
void Scene2Boss_AimedShotPool3_Move() { AimedShotPool_Move(kAimedShotPool3); }
void Scene2Boss_AimedShotPool3_Draw() { AimedShotPool_Draw(kAimedShotPool3); }

void Scene2Boss_AimedShotPool4_Spawn() { AimedShotPool_Spawn(kAimedShotPool4); }
void Scene2Boss_AimedShotPool4_Move() { AimedShotPool_Move(kAimedShotPool4); }
void Scene2Boss_AimedShotPool4_Draw() { AimedShotPool_Draw(kAimedShotPool4); }

void Scene2Boss_AimedShotPool5_Spawn() { AimedShotPool_Spawn(kAimedShotPool5); }
void Scene2Boss_AimedShotPool5_Move() { AimedShotPool_Move(kAimedShotPool5); }
void Scene2Boss_AimedShotPool5_Draw() { AimedShotPool_Draw(kAimedShotPool5); }

void Scene2Boss_AimedShotPool6_Spawn() { AimedShotPool_Spawn(kAimedShotPool6); }
void Scene2Boss_AimedShotPool6_Move() { AimedShotPool_Move(kAimedShotPool6); }
void Scene2Boss_AimedShotPool6_Draw() { AimedShotPool_Draw(kAimedShotPool6); }

void Scene2Boss_AimedShotPool7_Spawn() { AimedShotPool_Spawn(kAimedShotPool7); }
void Scene2Boss_AimedShotPool7_Move() { AimedShotPool_Move(kAimedShotPool7); }
void Scene2Boss_AimedShotPool7_Draw() { AimedShotPool_Draw(kAimedShotPool7); }

void Scene2Boss_AimedShotPool8_Spawn() { AimedShotPool_Spawn(kAimedShotPool8); }
void Scene2Boss_AimedShotPool8_Move() { AimedShotPool_Move(kAimedShotPool8); }
void Scene2Boss_AimedShotPool8_Draw() { AimedShotPool_Draw(kAimedShotPool8); }

void Scene2Boss_AimedShotPool9_Spawn() { AimedShotPool_Spawn(kAimedShotPool9); }
void Scene2Boss_AimedShotPool9_Move() { AimedShotPool_Move(kAimedShotPool9); }
void Scene2Boss_AimedShotPool9_Draw() { AimedShotPool_Draw(kAimedShotPool9); }

void Scene2Boss_AimedShotPool10_Spawn() { AimedShotPool_Spawn(kAimedShotPool10); }
void Scene2Boss_AimedShotPool10_Move() { AimedShotPool_Move(kAimedShotPool10); }
void Scene2Boss_AimedShotPool10_Draw() { AimedShotPool_Draw(kAimedShotPool10); }

void Scene2Boss_AimedQuadVolley1_Schedule() { AimedQuadVolley_Schedule(kAimedQuadVolley1); }
void Scene2Boss_AimedQuadVolley1_Move() { AimedQuadVolley_Move(kAimedQuadVolley1); }
void Scene2Boss_AimedQuadVolley1_Draw() { AimedQuadVolley_Draw(kAimedQuadVolley1); }

void Scene2Boss_StraightDropStream1_Schedule() { StraightDropStream_Schedule(kStraightDropStream1); }
void Scene2Boss_StraightDropStream1_FireOne(int32_t i, int32_t j) {
    StraightDropStream_FireOne(kStraightDropStream1, i, j);
}
void Scene2Boss_StraightDropStream1_Move() { StraightDropStream_Move(kStraightDropStream1); }
void Scene2Boss_StraightDropStream1_Draw() { StraightDropStream_Draw(kStraightDropStream1); }

void Scene2Boss_StraightDropStream2_Schedule() { StraightDropStream_Schedule(kStraightDropStream2); }
void Scene2Boss_StraightDropStream2_FireOne(int32_t i, int32_t j) {
    StraightDropStream_FireOne(kStraightDropStream2, i, j);
}
void Scene2Boss_StraightDropStream2_Move() { StraightDropStream_Move(kStraightDropStream2); }
void Scene2Boss_StraightDropStream2_Draw() { StraightDropStream_Draw(kStraightDropStream2); }

void Scene2Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene2Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene2Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene2Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene2Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene2Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene2Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene2Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene2Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }
