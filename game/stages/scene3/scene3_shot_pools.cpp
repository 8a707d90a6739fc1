#include "game/bosses/aimed_shot_pool.h"
#include "game/bosses/paired_drop_shot.h"
#include "game/bosses/straight_drop_stream.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "game/state/assets.h"

namespace {

// --- Aimed shot pools -------------------------------------------------------

// Each pool turns its line by a whole number of these from the aimed one.
constexpr float kPoolStep = float(3.14159265358979323846 * 2.0 / 20.0);

constexpr AimedShotPoolConsts BossLine(std::span<AimedShotPoolRecord> pool, float x, int32_t steps,
                                       const int32_t* image) {
    return {
        .boss = &scene3Boss,
        .pool = pool,
        .launchX = x,
        .launchY = 100.0f,
        .speeds = {170.0f, 200.0f, 230.0f, 250.0f, 270.0f},
        .aim = 15.0f,
        .headingOffset = float(steps) * kPoolStep,
        .margin = 30.0f,
        .drift = 0,
        .hitBox = {0.0f, 30.0f, 10.0f, 30.0f},
        .draw = ShotPoolDraw::Rotated,
        .image = image,
        .cell = 30,
        .cells = 0,
    };
}

// The left spray turns from +3 to -2 steps about the aim, the right one from
// -3 to +2; the line straight at the ship has its own picture.
constexpr AimedShotPoolConsts kAimedShotPool1 =
    BossLine(scene3BossAimedShotPool1Pool, 115.0f, 3, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool2 =
    BossLine(scene3BossAimedShotPool2Pool, 115.0f, 2, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool3 =
    BossLine(scene3BossAimedShotPool3Pool, 115.0f, 1, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool4 =
    BossLine(scene3BossAimedShotPool4Pool, 115.0f, 0, &imgVALL302);
constexpr AimedShotPoolConsts kAimedShotPool5 =
    BossLine(scene3BossAimedShotPool5Pool, 115.0f, -1, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool6 =
    BossLine(scene3BossAimedShotPool6Pool, 115.0f, -2, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool7 =
    BossLine(scene3BossAimedShotPool7Pool, 355.0f, -3, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool8 =
    BossLine(scene3BossAimedShotPool8Pool, 355.0f, -2, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool9 =
    BossLine(scene3BossAimedShotPool9Pool, 355.0f, -1, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool10 =
    BossLine(scene3BossAimedShotPool10Pool, 355.0f, 0, &imgVALL302);
constexpr AimedShotPoolConsts kAimedShotPool11 =
    BossLine(scene3BossAimedShotPool11Pool, 355.0f, 1, &imgVALL301);
constexpr AimedShotPoolConsts kAimedShotPool12 =
    BossLine(scene3BossAimedShotPool12Pool, 355.0f, 2, &imgVALL301);

// --- Straight drop streams --------------------------------------------------

constexpr float kStreamFall = 143.0f;

// Every drop point sprays three ways: straight down, down-left and down-right.
constexpr StraightDropStreamConsts BossStream(std::span<StreamShot> pool, float x, float y, float xSpeed,
                                              const int32_t* image, int32_t w, int32_t h, float boxLowX,
                                              float boxLowY) {
    return {
        .boss = &scene3Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = kStreamFall,
        .xSpeed = xSpeed,
        .hitBox = {boxLowX, 30.0f, boxLowY, 30.0f},
        .image = image,
        .cellW = w,
        .cellH = h,
    };
}

// The middle of the boss: the big 120x120 shots.
constexpr StraightDropStreamConsts kStraightDropStream1 = BossStream(
    scene3BossStraightDropStream1Pool, 190.0f, 126.0f, 0.0f, &imgVALARM70, 120, 120, -90.0f, -80.0f);
constexpr StraightDropStreamConsts kStraightDropStream2 = BossStream(
    scene3BossStraightDropStream2Pool, 190.0f, 150.0f, -kStreamFall, &imgVALARM71, 120, 120, -90.0f, -80.0f);
constexpr StraightDropStreamConsts kStraightDropStream3 = BossStream(
    scene3BossStraightDropStream3Pool, 190.0f, 150.0f, kStreamFall, &imgVALARM72, 120, 120, -90.0f, -80.0f);
// The left side.
constexpr StraightDropStreamConsts kStraightDropStream4 =
    BossStream(scene3BossStraightDropStream4Pool, 30.0f, 66.0f, 0.0f, &imgVALARM73, 60, 120, -30.0f, -80.0f);
constexpr StraightDropStreamConsts kStraightDropStream5 = BossStream(
    scene3BossStraightDropStream5Pool, 30.0f, 90.0f, -kStreamFall, &imgVALARM74, 60, 60, -30.0f, -20.0f);
constexpr StraightDropStreamConsts kStraightDropStream6 = BossStream(
    scene3BossStraightDropStream6Pool, 30.0f, 90.0f, kStreamFall, &imgVALARM75, 60, 60, -30.0f, -20.0f);
// The right side.
constexpr StraightDropStreamConsts kStraightDropStream7 =
    BossStream(scene3BossStraightDropStream7Pool, 410.0f, 66.0f, 0.0f, &imgVALARM73, 60, 120, -30.0f, -80.0f);
constexpr StraightDropStreamConsts kStraightDropStream8 = BossStream(
    scene3BossStraightDropStream8Pool, 410.0f, 90.0f, -kStreamFall, &imgVALARM74, 60, 60, -30.0f, -20.0f);
constexpr StraightDropStreamConsts kStraightDropStream9 = BossStream(
    scene3BossStraightDropStream9Pool, 410.0f, 90.0f, kStreamFall, &imgVALARM75, 60, 60, -30.0f, -20.0f);

// --- Paired drop shots ------------------------------------------------------

// Later bosses drift their drop shots once a frame, all records alike.
constexpr PairedDropShotConsts BossDrops(std::span<DropShot> pool, float x, float y, float fall, float d0,
                                         float d1, float d2, float d3) {
    return {
        .boss = &scene3Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = fall,
        .drift = {d0, d1, d2, d3},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL1,
        .cell = 16,
        .cells = 16,
    };
}

constexpr PairedDropShotConsts kPairedDropShot1 =
    BossDrops(scene3BossPairedDropShot1Pool, 242.0f, 200.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot2 =
    BossDrops(scene3BossPairedDropShot2Pool, 212.0f, 110.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot3 =
    BossDrops(scene3BossPairedDropShot3Pool, 272.0f, 110.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot4 =
    BossDrops(scene3BossPairedDropShot4Pool, 242.0f, 200.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot5 =
    BossDrops(scene3BossPairedDropShot5Pool, 192.0f, 150.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot6 =
    BossDrops(scene3BossPairedDropShot6Pool, 292.0f, 150.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot7 =
    BossDrops(scene3BossPairedDropShot7Pool, 162.0f, 110.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot8 =
    BossDrops(scene3BossPairedDropShot8Pool, 322.0f, 110.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kPairedDropShot9 =
    BossDrops(scene3BossPairedDropShot9Pool, 242.0f, 200.0f, 110.0f, -28.0f, 28.0f, -80.0f, 80.0f);

} // namespace

void Scene3Boss_AimedShotPool1_Spawn() { AimedShotPool_Spawn(kAimedShotPool1); }
void Scene3Boss_AimedShotPool1_Move() { AimedShotPool_Move(kAimedShotPool1); }
void Scene3Boss_AimedShotPool1_Draw() { AimedShotPool_Draw(kAimedShotPool1); }

void Scene3Boss_AimedShotPool2_Spawn() { AimedShotPool_Spawn(kAimedShotPool2); }
void Scene3Boss_AimedShotPool2_Move() { AimedShotPool_Move(kAimedShotPool2); }
void Scene3Boss_AimedShotPool2_Draw() { AimedShotPool_Draw(kAimedShotPool2); }

void Scene3Boss_AimedShotPool3_Spawn() { AimedShotPool_Spawn(kAimedShotPool3); }
void Scene3Boss_AimedShotPool3_Move() { AimedShotPool_Move(kAimedShotPool3); }
void Scene3Boss_AimedShotPool3_Draw() { AimedShotPool_Draw(kAimedShotPool3); }

void Scene3Boss_AimedShotPool4_Spawn() { AimedShotPool_Spawn(kAimedShotPool4); }
void Scene3Boss_AimedShotPool4_Move() { AimedShotPool_Move(kAimedShotPool4); }
void Scene3Boss_AimedShotPool4_Draw() { AimedShotPool_Draw(kAimedShotPool4); }

void Scene3Boss_AimedShotPool5_Spawn() { AimedShotPool_Spawn(kAimedShotPool5); }
void Scene3Boss_AimedShotPool5_Move() { AimedShotPool_Move(kAimedShotPool5); }
void Scene3Boss_AimedShotPool5_Draw() { AimedShotPool_Draw(kAimedShotPool5); }

void Scene3Boss_AimedShotPool6_Spawn() { AimedShotPool_Spawn(kAimedShotPool6); }
void Scene3Boss_AimedShotPool6_Move() { AimedShotPool_Move(kAimedShotPool6); }
void Scene3Boss_AimedShotPool6_Draw() { AimedShotPool_Draw(kAimedShotPool6); }

void Scene3Boss_AimedShotPool7_Spawn() { AimedShotPool_Spawn(kAimedShotPool7); }
void Scene3Boss_AimedShotPool7_Move() { AimedShotPool_Move(kAimedShotPool7); }
void Scene3Boss_AimedShotPool7_Draw() { AimedShotPool_Draw(kAimedShotPool7); }

void Scene3Boss_AimedShotPool8_Spawn() { AimedShotPool_Spawn(kAimedShotPool8); }
void Scene3Boss_AimedShotPool8_Move() { AimedShotPool_Move(kAimedShotPool8); }
void Scene3Boss_AimedShotPool8_Draw() { AimedShotPool_Draw(kAimedShotPool8); }

void Scene3Boss_AimedShotPool9_Spawn() { AimedShotPool_Spawn(kAimedShotPool9); }
void Scene3Boss_AimedShotPool9_Move() { AimedShotPool_Move(kAimedShotPool9); }
void Scene3Boss_AimedShotPool9_Draw() { AimedShotPool_Draw(kAimedShotPool9); }

void Scene3Boss_AimedShotPool10_Spawn() { AimedShotPool_Spawn(kAimedShotPool10); }
void Scene3Boss_AimedShotPool10_Move() { AimedShotPool_Move(kAimedShotPool10); }
void Scene3Boss_AimedShotPool10_Draw() { AimedShotPool_Draw(kAimedShotPool10); }

void Scene3Boss_AimedShotPool11_Spawn() { AimedShotPool_Spawn(kAimedShotPool11); }
void Scene3Boss_AimedShotPool11_Move() { AimedShotPool_Move(kAimedShotPool11); }
void Scene3Boss_AimedShotPool11_Draw() { AimedShotPool_Draw(kAimedShotPool11); }

void Scene3Boss_AimedShotPool12_Spawn() { AimedShotPool_Spawn(kAimedShotPool12); }
void Scene3Boss_AimedShotPool12_Move() { AimedShotPool_Move(kAimedShotPool12); }
void Scene3Boss_AimedShotPool12_Draw() { AimedShotPool_Draw(kAimedShotPool12); }

void Scene3Boss_StraightDropStream1_Schedule() { StraightDropStream_Schedule(kStraightDropStream1); }
void Scene3Boss_StraightDropStream1_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream1, i, k);
}
void Scene3Boss_StraightDropStream1_Move() { StraightDropStream_Move(kStraightDropStream1); }
void Scene3Boss_StraightDropStream1_Draw() { StraightDropStream_Draw(kStraightDropStream1); }

void Scene3Boss_StraightDropStream2_Schedule() { StraightDropStream_Schedule(kStraightDropStream2); }
void Scene3Boss_StraightDropStream2_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream2, i, k);
}
void Scene3Boss_StraightDropStream2_Move() { StraightDropStream_Move(kStraightDropStream2); }
void Scene3Boss_StraightDropStream2_Draw() { StraightDropStream_Draw(kStraightDropStream2); }

void Scene3Boss_StraightDropStream3_Schedule() { StraightDropStream_Schedule(kStraightDropStream3); }
void Scene3Boss_StraightDropStream3_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream3, i, k);
}
void Scene3Boss_StraightDropStream3_Move() { StraightDropStream_Move(kStraightDropStream3); }
void Scene3Boss_StraightDropStream3_Draw() { StraightDropStream_Draw(kStraightDropStream3); }

void Scene3Boss_StraightDropStream4_Schedule() { StraightDropStream_Schedule(kStraightDropStream4); }
void Scene3Boss_StraightDropStream4_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream4, i, k);
}
void Scene3Boss_StraightDropStream4_Move() { StraightDropStream_Move(kStraightDropStream4); }
void Scene3Boss_StraightDropStream4_Draw() { StraightDropStream_Draw(kStraightDropStream4); }

void Scene3Boss_StraightDropStream5_Schedule() { StraightDropStream_Schedule(kStraightDropStream5); }
void Scene3Boss_StraightDropStream5_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream5, i, k);
}
void Scene3Boss_StraightDropStream5_Move() { StraightDropStream_Move(kStraightDropStream5); }
void Scene3Boss_StraightDropStream5_Draw() { StraightDropStream_Draw(kStraightDropStream5); }

void Scene3Boss_StraightDropStream6_Schedule() { StraightDropStream_Schedule(kStraightDropStream6); }
void Scene3Boss_StraightDropStream6_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream6, i, k);
}
void Scene3Boss_StraightDropStream6_Move() { StraightDropStream_Move(kStraightDropStream6); }
void Scene3Boss_StraightDropStream6_Draw() { StraightDropStream_Draw(kStraightDropStream6); }

void Scene3Boss_StraightDropStream7_Schedule() { StraightDropStream_Schedule(kStraightDropStream7); }
void Scene3Boss_StraightDropStream7_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream7, i, k);
}
void Scene3Boss_StraightDropStream7_Move() { StraightDropStream_Move(kStraightDropStream7); }
void Scene3Boss_StraightDropStream7_Draw() { StraightDropStream_Draw(kStraightDropStream7); }

void Scene3Boss_StraightDropStream8_Schedule() { StraightDropStream_Schedule(kStraightDropStream8); }
void Scene3Boss_StraightDropStream8_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream8, i, k);
}
void Scene3Boss_StraightDropStream8_Move() { StraightDropStream_Move(kStraightDropStream8); }
void Scene3Boss_StraightDropStream8_Draw() { StraightDropStream_Draw(kStraightDropStream8); }

void Scene3Boss_StraightDropStream9_Schedule() { StraightDropStream_Schedule(kStraightDropStream9); }
void Scene3Boss_StraightDropStream9_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream9, i, k);
}
void Scene3Boss_StraightDropStream9_Move() { StraightDropStream_Move(kStraightDropStream9); }
void Scene3Boss_StraightDropStream9_Draw() { StraightDropStream_Draw(kStraightDropStream9); }

void Scene3Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene3Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene3Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene3Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene3Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene3Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene3Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene3Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene3Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene3Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene3Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene3Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene3Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene3Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene3Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }

void Scene3Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kPairedDropShot6); }
void Scene3Boss_PairedDropShot6_Move() { PairedDropShot_Move(kPairedDropShot6); }
void Scene3Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kPairedDropShot6); }

void Scene3Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kPairedDropShot7); }
void Scene3Boss_PairedDropShot7_Move() { PairedDropShot_Move(kPairedDropShot7); }
void Scene3Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kPairedDropShot7); }

void Scene3Boss_PairedDropShot8_Spawn() { PairedDropShot_Spawn(kPairedDropShot8); }
void Scene3Boss_PairedDropShot8_Move() { PairedDropShot_Move(kPairedDropShot8); }
void Scene3Boss_PairedDropShot8_Draw() { PairedDropShot_Draw(kPairedDropShot8); }

void Scene3Boss_PairedDropShot9_Spawn() { PairedDropShot_Spawn(kPairedDropShot9); }
void Scene3Boss_PairedDropShot9_Move() { PairedDropShot_Move(kPairedDropShot9); }
void Scene3Boss_PairedDropShot9_Draw() { PairedDropShot_Draw(kPairedDropShot9); }
