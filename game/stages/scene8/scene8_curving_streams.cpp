#include "game/bosses/curving_stream.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/state/assets.h"

namespace {

// Paths 1 to 3 leave sideways, straighten and swing back across by 9, 1 and
// -2 px a frame as they fall 6 px a frame; path 4 leaves flatter and speeds
// up as it falls. The gaps between the brackets are the short halts.
constexpr CurvingStep kPath1[] = {
    {0, 3, -4, 6},  {4, 6, -3, 6},  {7, 9, -2, 6},  {10, 12, -1, 6}, {13, 15, 0, 6}, {16, 18, 1, 6},
    {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6},  {31, 33, 7, 6}, {34, 280, 9, 6},
};
constexpr CurvingStep kPath2[] = {
    {0, 3, -4, 6}, {4, 6, -3, 6}, {7, 9, -2, 6}, {10, 12, -1, 6}, {13, 15, 0, 6}, {16, 280, 1, 6},
};
constexpr CurvingStep kPath3[] = {
    {0, 3, -4, 6},
    {4, 6, -3, 6},
    {7, 280, -2, 6},
};
constexpr CurvingStep kPath4[] = {
    {0, 10, -4, 2},
    {11, 15, -4, 4},
    {16, 20, -4, 6},
    {21, 280, -3, 6},
};

// Every stream leaves the boss's top-left + (220, 60) and kills the ship.
constexpr CurvingStreamConsts Curving(std::span<CurvingShot> pool, int32_t stream, int32_t tickStep,
                                      float lifeRate, std::span<const CurvingStep> path, int32_t dxSign) {
    return {
        .boss = &scene8Boss,
        .pool = pool,
        .counter = &scene8Boss.patternTimer[kScene8CurvingTimer + stream - 1],
        .launchX = 220,
        .launchY = 60,
        .tickStep = tickStep,
        .lifeRate = lifeRate,
        .path = path,
        .dxSign = dxSign,
        .killsPlayer = true,
        .hitBox = {10.0f, 30.0f, 20.0f, 30.0f},
        .image = &imgVEX7,
        .cell = 20,
    };
}

constexpr CurvingStreamConsts kCurvingStream1 = Curving(scene8BossCurvingStream1Pool, 1, 3, 20.0f, kPath1, 1);
constexpr CurvingStreamConsts kCurvingStream2 =
    Curving(scene8BossCurvingStream2Pool, 2, 3, 20.0f, kPath1, -1);
constexpr CurvingStreamConsts kCurvingStream3 = Curving(scene8BossCurvingStream3Pool, 3, 3, 20.0f, kPath2, 1);
constexpr CurvingStreamConsts kCurvingStream4 =
    Curving(scene8BossCurvingStream4Pool, 4, 3, 20.0f, kPath2, -1);
constexpr CurvingStreamConsts kCurvingStream5 = Curving(scene8BossCurvingStream5Pool, 5, 3, 20.0f, kPath3, 1);
constexpr CurvingStreamConsts kCurvingStream6 =
    Curving(scene8BossCurvingStream6Pool, 6, 3, 20.0f, kPath3, -1);
constexpr CurvingStreamConsts kCurvingStream7 = Curving(scene8BossCurvingStream7Pool, 7, 2, 50.0f, kPath4, 1);
constexpr CurvingStreamConsts kCurvingStream8 =
    Curving(scene8BossCurvingStream8Pool, 8, 2, 50.0f, kPath4, -1);

} // namespace

void Scene8Boss_CurvingStream1_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream1, i); }
void Scene8Boss_CurvingStream1_Schedule() { CurvingStream_Schedule(kCurvingStream1); }
void Scene8Boss_CurvingStream1_Move() { CurvingStream_Move(kCurvingStream1); }
void Scene8Boss_CurvingStream1_Draw() { CurvingStream_Draw(kCurvingStream1); }

void Scene8Boss_CurvingStream2_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream2, i); }
void Scene8Boss_CurvingStream2_Schedule() { CurvingStream_Schedule(kCurvingStream2); }
void Scene8Boss_CurvingStream2_Move() { CurvingStream_Move(kCurvingStream2); }
void Scene8Boss_CurvingStream2_Draw() { CurvingStream_Draw(kCurvingStream2); }

void Scene8Boss_CurvingStream3_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream3, i); }
void Scene8Boss_CurvingStream3_Schedule() { CurvingStream_Schedule(kCurvingStream3); }
void Scene8Boss_CurvingStream3_Move() { CurvingStream_Move(kCurvingStream3); }
void Scene8Boss_CurvingStream3_Draw() { CurvingStream_Draw(kCurvingStream3); }

void Scene8Boss_CurvingStream4_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream4, i); }
void Scene8Boss_CurvingStream4_Schedule() { CurvingStream_Schedule(kCurvingStream4); }
void Scene8Boss_CurvingStream4_Move() { CurvingStream_Move(kCurvingStream4); }
void Scene8Boss_CurvingStream4_Draw() { CurvingStream_Draw(kCurvingStream4); }

void Scene8Boss_CurvingStream5_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream5, i); }
void Scene8Boss_CurvingStream5_Schedule() { CurvingStream_Schedule(kCurvingStream5); }
void Scene8Boss_CurvingStream5_Move() { CurvingStream_Move(kCurvingStream5); }
void Scene8Boss_CurvingStream5_Draw() { CurvingStream_Draw(kCurvingStream5); }

void Scene8Boss_CurvingStream6_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream6, i); }
void Scene8Boss_CurvingStream6_Schedule() { CurvingStream_Schedule(kCurvingStream6); }
void Scene8Boss_CurvingStream6_Move() { CurvingStream_Move(kCurvingStream6); }
void Scene8Boss_CurvingStream6_Draw() { CurvingStream_Draw(kCurvingStream6); }

void Scene8Boss_CurvingStream7_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream7, i); }
void Scene8Boss_CurvingStream7_Schedule() { CurvingStream_Schedule(kCurvingStream7); }
void Scene8Boss_CurvingStream7_Move() { CurvingStream_Move(kCurvingStream7); }
void Scene8Boss_CurvingStream7_Draw() { CurvingStream_Draw(kCurvingStream7); }

void Scene8Boss_CurvingStream8_Launch(int32_t i) { CurvingStream_Launch(kCurvingStream8, i); }
void Scene8Boss_CurvingStream8_Schedule() { CurvingStream_Schedule(kCurvingStream8); }
void Scene8Boss_CurvingStream8_Move() { CurvingStream_Move(kCurvingStream8); }
void Scene8Boss_CurvingStream8_Draw() { CurvingStream_Draw(kCurvingStream8); }
