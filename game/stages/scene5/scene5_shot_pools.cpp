#include "game/stages/scene5/scene5_patterns.h"

#include <cstddef>

#include "game/bosses/aimed_shot_pool.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/state/assets.h"

namespace {

// Aim offsets come in twelfths of a turn, positive turning clockwise.
constexpr float Twelfths(int32_t n) { return float(n * 2.0 * 3.14159265358979323846 / 12.0); }

constexpr float kSlowSpeeds[] = {170.0f, 200.0f, 230.0f, 250.0f, 270.0f};
constexpr float kFastSpeeds[] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f};
constexpr float kDriftSpeeds[] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f, 360.0f, 380.0f, 400.0f};

// Every pool launches from boss + (205 + ox, oy) at the ship + (15, 15) with
// the 30x30 shot turned to its flight.
template <std::size_t N>
constexpr AimedShotPoolConsts ShotPool(std::span<AimedShotPoolRecord> pool, float ox, float oy,
                                       const float (&speeds)[N], int32_t twelfths, int32_t drift) {
    AimedShotPoolConsts c = {
        .boss = &scene5Boss,
        .pool = pool,
        .launchX = 205.0f + ox,
        .launchY = oy,
        .speeds = {},
        .aim = 15.0f,
        .headingOffset = Twelfths(twelfths),
        .margin = 30.0f,
        .drift = drift,
        .hitBox = {0.0f, 30.0f, 10.0f, 30.0f},
        .draw = ShotPoolDraw::Rotated,
        .image = &imgVALL3011,
        .cell = 30,
        .cells = 0,
    };
    for (std::size_t k = 0; k < N; ++k)
        c.speeds[k] = speeds[k];
    return c;
}

constexpr AimedShotPoolConsts kAimedShotPool1 =
    ShotPool(scene5BossAimedShotPool1Pool, -120.0f, 100.0f, kSlowSpeeds, 5, 0);
constexpr AimedShotPoolConsts kAimedShotPool2 =
    ShotPool(scene5BossAimedShotPool2Pool, -120.0f, 100.0f, kSlowSpeeds, 4, 0);
constexpr AimedShotPoolConsts kAimedShotPool3 =
    ShotPool(scene5BossAimedShotPool3Pool, -120.0f, 100.0f, kSlowSpeeds, 3, 0);
constexpr AimedShotPoolConsts kAimedShotPool4 =
    ShotPool(scene5BossAimedShotPool4Pool, -120.0f, 100.0f, kSlowSpeeds, 2, 0);
constexpr AimedShotPoolConsts kAimedShotPool5 =
    ShotPool(scene5BossAimedShotPool5Pool, -120.0f, 100.0f, kSlowSpeeds, 1, 0);
constexpr AimedShotPoolConsts kAimedShotPool6 =
    ShotPool(scene5BossAimedShotPool6Pool, -120.0f, 100.0f, kSlowSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool7 =
    ShotPool(scene5BossAimedShotPool7Pool, -120.0f, 100.0f, kSlowSpeeds, -1, 0);
constexpr AimedShotPoolConsts kAimedShotPool8 =
    ShotPool(scene5BossAimedShotPool8Pool, -120.0f, 100.0f, kSlowSpeeds, -2, 0);
constexpr AimedShotPoolConsts kAimedShotPool9 =
    ShotPool(scene5BossAimedShotPool9Pool, -120.0f, 100.0f, kSlowSpeeds, -3, 0);
constexpr AimedShotPoolConsts kAimedShotPool10 =
    ShotPool(scene5BossAimedShotPool10Pool, -120.0f, 100.0f, kSlowSpeeds, -4, 0);
constexpr AimedShotPoolConsts kAimedShotPool11 =
    ShotPool(scene5BossAimedShotPool11Pool, -120.0f, 100.0f, kSlowSpeeds, -5, 0);
constexpr AimedShotPoolConsts kAimedShotPool12 =
    ShotPool(scene5BossAimedShotPool12Pool, -120.0f, 100.0f, kSlowSpeeds, -6, 0);
constexpr AimedShotPoolConsts kAimedShotPool13 =
    ShotPool(scene5BossAimedShotPool13Pool, 120.0f, 100.0f, kSlowSpeeds, -5, 0);
constexpr AimedShotPoolConsts kAimedShotPool14 =
    ShotPool(scene5BossAimedShotPool14Pool, 120.0f, 100.0f, kSlowSpeeds, -4, 0);
constexpr AimedShotPoolConsts kAimedShotPool15 =
    ShotPool(scene5BossAimedShotPool15Pool, 120.0f, 100.0f, kSlowSpeeds, -3, 0);
constexpr AimedShotPoolConsts kAimedShotPool16 =
    ShotPool(scene5BossAimedShotPool16Pool, 120.0f, 100.0f, kSlowSpeeds, -2, 0);
constexpr AimedShotPoolConsts kAimedShotPool17 =
    ShotPool(scene5BossAimedShotPool17Pool, 120.0f, 100.0f, kSlowSpeeds, -1, 0);
constexpr AimedShotPoolConsts kAimedShotPool18 =
    ShotPool(scene5BossAimedShotPool18Pool, 120.0f, 100.0f, kSlowSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool19 =
    ShotPool(scene5BossAimedShotPool19Pool, 120.0f, 100.0f, kSlowSpeeds, 1, 0);
constexpr AimedShotPoolConsts kAimedShotPool20 =
    ShotPool(scene5BossAimedShotPool20Pool, 120.0f, 100.0f, kSlowSpeeds, 2, 0);
constexpr AimedShotPoolConsts kAimedShotPool21 =
    ShotPool(scene5BossAimedShotPool21Pool, 120.0f, 100.0f, kSlowSpeeds, 3, 0);
constexpr AimedShotPoolConsts kAimedShotPool22 =
    ShotPool(scene5BossAimedShotPool22Pool, 120.0f, 100.0f, kSlowSpeeds, 4, 0);
constexpr AimedShotPoolConsts kAimedShotPool23 =
    ShotPool(scene5BossAimedShotPool23Pool, 120.0f, 100.0f, kSlowSpeeds, 5, 0);
constexpr AimedShotPoolConsts kAimedShotPool24 =
    ShotPool(scene5BossAimedShotPool24Pool, 120.0f, 100.0f, kSlowSpeeds, 6, 0);
constexpr AimedShotPoolConsts kAimedShotPool25 =
    ShotPool(scene5BossAimedShotPool25Pool, -100.0f, 100.0f, kFastSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool26 =
    ShotPool(scene5BossAimedShotPool26Pool, 100.0f, 100.0f, kFastSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool27 =
    ShotPool(scene5BossAimedShotPool27Pool, -130.0f, 140.0f, kFastSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool28 =
    ShotPool(scene5BossAimedShotPool28Pool, 130.0f, 140.0f, kFastSpeeds, 0, 0);
constexpr AimedShotPoolConsts kAimedShotPool29 =
    ShotPool(scene5BossAimedShotPool29Pool, -100.0f, 100.0f, kDriftSpeeds, 0, -1);
constexpr AimedShotPoolConsts kAimedShotPool30 =
    ShotPool(scene5BossAimedShotPool30Pool, 100.0f, 100.0f, kDriftSpeeds, 0, 1);

} // namespace

void Scene5Boss_AimedShotPool1_Spawn() { AimedShotPool_Spawn(kAimedShotPool1); }
void Scene5Boss_AimedShotPool1_Move() { AimedShotPool_Move(kAimedShotPool1); }
void Scene5Boss_AimedShotPool1_Draw() { AimedShotPool_Draw(kAimedShotPool1); }

void Scene5Boss_AimedShotPool2_Spawn() { AimedShotPool_Spawn(kAimedShotPool2); }
void Scene5Boss_AimedShotPool2_Move() { AimedShotPool_Move(kAimedShotPool2); }
void Scene5Boss_AimedShotPool2_Draw() { AimedShotPool_Draw(kAimedShotPool2); }

void Scene5Boss_AimedShotPool3_Spawn() { AimedShotPool_Spawn(kAimedShotPool3); }
void Scene5Boss_AimedShotPool3_Move() { AimedShotPool_Move(kAimedShotPool3); }
void Scene5Boss_AimedShotPool3_Draw() { AimedShotPool_Draw(kAimedShotPool3); }

void Scene5Boss_AimedShotPool4_Spawn() { AimedShotPool_Spawn(kAimedShotPool4); }
void Scene5Boss_AimedShotPool4_Move() { AimedShotPool_Move(kAimedShotPool4); }
void Scene5Boss_AimedShotPool4_Draw() { AimedShotPool_Draw(kAimedShotPool4); }

void Scene5Boss_AimedShotPool5_Spawn() { AimedShotPool_Spawn(kAimedShotPool5); }
void Scene5Boss_AimedShotPool5_Move() { AimedShotPool_Move(kAimedShotPool5); }
void Scene5Boss_AimedShotPool5_Draw() { AimedShotPool_Draw(kAimedShotPool5); }

void Scene5Boss_AimedShotPool6_Spawn() { AimedShotPool_Spawn(kAimedShotPool6); }
void Scene5Boss_AimedShotPool6_Move() { AimedShotPool_Move(kAimedShotPool6); }
void Scene5Boss_AimedShotPool6_Draw() { AimedShotPool_Draw(kAimedShotPool6); }

void Scene5Boss_AimedShotPool7_Spawn() { AimedShotPool_Spawn(kAimedShotPool7); }
void Scene5Boss_AimedShotPool7_Move() { AimedShotPool_Move(kAimedShotPool7); }
void Scene5Boss_AimedShotPool7_Draw() { AimedShotPool_Draw(kAimedShotPool7); }

void Scene5Boss_AimedShotPool8_Spawn() { AimedShotPool_Spawn(kAimedShotPool8); }
void Scene5Boss_AimedShotPool8_Move() { AimedShotPool_Move(kAimedShotPool8); }
void Scene5Boss_AimedShotPool8_Draw() { AimedShotPool_Draw(kAimedShotPool8); }

void Scene5Boss_AimedShotPool9_Spawn() { AimedShotPool_Spawn(kAimedShotPool9); }
void Scene5Boss_AimedShotPool9_Move() { AimedShotPool_Move(kAimedShotPool9); }
void Scene5Boss_AimedShotPool9_Draw() { AimedShotPool_Draw(kAimedShotPool9); }

void Scene5Boss_AimedShotPool10_Spawn() { AimedShotPool_Spawn(kAimedShotPool10); }
void Scene5Boss_AimedShotPool10_Move() { AimedShotPool_Move(kAimedShotPool10); }
void Scene5Boss_AimedShotPool10_Draw() { AimedShotPool_Draw(kAimedShotPool10); }

void Scene5Boss_AimedShotPool11_Spawn() { AimedShotPool_Spawn(kAimedShotPool11); }
void Scene5Boss_AimedShotPool11_Move() { AimedShotPool_Move(kAimedShotPool11); }
void Scene5Boss_AimedShotPool11_Draw() { AimedShotPool_Draw(kAimedShotPool11); }

void Scene5Boss_AimedShotPool12_Spawn() { AimedShotPool_Spawn(kAimedShotPool12); }
void Scene5Boss_AimedShotPool12_Move() { AimedShotPool_Move(kAimedShotPool12); }
void Scene5Boss_AimedShotPool12_Draw() { AimedShotPool_Draw(kAimedShotPool12); }

void Scene5Boss_AimedShotPool13_Spawn() { AimedShotPool_Spawn(kAimedShotPool13); }
void Scene5Boss_AimedShotPool13_Move() { AimedShotPool_Move(kAimedShotPool13); }
void Scene5Boss_AimedShotPool13_Draw() { AimedShotPool_Draw(kAimedShotPool13); }

void Scene5Boss_AimedShotPool14_Spawn() { AimedShotPool_Spawn(kAimedShotPool14); }
void Scene5Boss_AimedShotPool14_Move() { AimedShotPool_Move(kAimedShotPool14); }
void Scene5Boss_AimedShotPool14_Draw() { AimedShotPool_Draw(kAimedShotPool14); }

void Scene5Boss_AimedShotPool15_Spawn() { AimedShotPool_Spawn(kAimedShotPool15); }
void Scene5Boss_AimedShotPool15_Move() { AimedShotPool_Move(kAimedShotPool15); }
void Scene5Boss_AimedShotPool15_Draw() { AimedShotPool_Draw(kAimedShotPool15); }

void Scene5Boss_AimedShotPool16_Spawn() { AimedShotPool_Spawn(kAimedShotPool16); }
void Scene5Boss_AimedShotPool16_Move() { AimedShotPool_Move(kAimedShotPool16); }
void Scene5Boss_AimedShotPool16_Draw() { AimedShotPool_Draw(kAimedShotPool16); }

void Scene5Boss_AimedShotPool17_Spawn() { AimedShotPool_Spawn(kAimedShotPool17); }
void Scene5Boss_AimedShotPool17_Move() { AimedShotPool_Move(kAimedShotPool17); }
void Scene5Boss_AimedShotPool17_Draw() { AimedShotPool_Draw(kAimedShotPool17); }

void Scene5Boss_AimedShotPool18_Spawn() { AimedShotPool_Spawn(kAimedShotPool18); }
void Scene5Boss_AimedShotPool18_Move() { AimedShotPool_Move(kAimedShotPool18); }
void Scene5Boss_AimedShotPool18_Draw() { AimedShotPool_Draw(kAimedShotPool18); }

void Scene5Boss_AimedShotPool19_Spawn() { AimedShotPool_Spawn(kAimedShotPool19); }
void Scene5Boss_AimedShotPool19_Move() { AimedShotPool_Move(kAimedShotPool19); }
void Scene5Boss_AimedShotPool19_Draw() { AimedShotPool_Draw(kAimedShotPool19); }

void Scene5Boss_AimedShotPool20_Spawn() { AimedShotPool_Spawn(kAimedShotPool20); }
void Scene5Boss_AimedShotPool20_Move() { AimedShotPool_Move(kAimedShotPool20); }
void Scene5Boss_AimedShotPool20_Draw() { AimedShotPool_Draw(kAimedShotPool20); }

void Scene5Boss_AimedShotPool21_Spawn() { AimedShotPool_Spawn(kAimedShotPool21); }
void Scene5Boss_AimedShotPool21_Move() { AimedShotPool_Move(kAimedShotPool21); }
void Scene5Boss_AimedShotPool21_Draw() { AimedShotPool_Draw(kAimedShotPool21); }

void Scene5Boss_AimedShotPool22_Spawn() { AimedShotPool_Spawn(kAimedShotPool22); }
void Scene5Boss_AimedShotPool22_Move() { AimedShotPool_Move(kAimedShotPool22); }
void Scene5Boss_AimedShotPool22_Draw() { AimedShotPool_Draw(kAimedShotPool22); }

void Scene5Boss_AimedShotPool23_Spawn() { AimedShotPool_Spawn(kAimedShotPool23); }
void Scene5Boss_AimedShotPool23_Move() { AimedShotPool_Move(kAimedShotPool23); }
void Scene5Boss_AimedShotPool23_Draw() { AimedShotPool_Draw(kAimedShotPool23); }

void Scene5Boss_AimedShotPool24_Spawn() { AimedShotPool_Spawn(kAimedShotPool24); }
void Scene5Boss_AimedShotPool24_Move() { AimedShotPool_Move(kAimedShotPool24); }
void Scene5Boss_AimedShotPool24_Draw() { AimedShotPool_Draw(kAimedShotPool24); }

void Scene5Boss_AimedShotPool25_Spawn() { AimedShotPool_Spawn(kAimedShotPool25); }
void Scene5Boss_AimedShotPool25_Move() { AimedShotPool_Move(kAimedShotPool25); }
void Scene5Boss_AimedShotPool25_Draw() { AimedShotPool_Draw(kAimedShotPool25); }

void Scene5Boss_AimedShotPool26_Spawn() { AimedShotPool_Spawn(kAimedShotPool26); }
void Scene5Boss_AimedShotPool26_Move() { AimedShotPool_Move(kAimedShotPool26); }
void Scene5Boss_AimedShotPool26_Draw() { AimedShotPool_Draw(kAimedShotPool26); }

void Scene5Boss_AimedShotPool27_Spawn() { AimedShotPool_Spawn(kAimedShotPool27); }
void Scene5Boss_AimedShotPool27_Move() { AimedShotPool_Move(kAimedShotPool27); }
void Scene5Boss_AimedShotPool27_Draw() { AimedShotPool_Draw(kAimedShotPool27); }

void Scene5Boss_AimedShotPool28_Spawn() { AimedShotPool_Spawn(kAimedShotPool28); }
void Scene5Boss_AimedShotPool28_Move() { AimedShotPool_Move(kAimedShotPool28); }
void Scene5Boss_AimedShotPool28_Draw() { AimedShotPool_Draw(kAimedShotPool28); }

void Scene5Boss_AimedShotPool29_Spawn() { AimedShotPool_Spawn(kAimedShotPool29); }
void Scene5Boss_AimedShotPool29_Move() { AimedShotPool_Move(kAimedShotPool29); }
void Scene5Boss_AimedShotPool29_Draw() { AimedShotPool_Draw(kAimedShotPool29); }

void Scene5Boss_AimedShotPool30_Spawn() { AimedShotPool_Spawn(kAimedShotPool30); }
void Scene5Boss_AimedShotPool30_Move() { AimedShotPool_Move(kAimedShotPool30); }
void Scene5Boss_AimedShotPool30_Draw() { AimedShotPool_Draw(kAimedShotPool30); }
