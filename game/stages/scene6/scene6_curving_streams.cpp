#include "game/stages/scene6/scene6_curving_streams.h"

#include "game/bosses/curving_stream.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/state/assets.h"

namespace {

// The three paths share their first seven brackets and differ in how far
// they swing back: the first stops at 3 px a frame, the third at 10.
constexpr CurvingStep kPath1[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},
    {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 250, 3, 6},
};
constexpr CurvingStep kPath2[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6}, {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},  {28, 250, 5, 6},
};
constexpr CurvingStep kPath3[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},  {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},   {28, 30, 5, 6},
    {31, 33, 6, 6}, {34, 36, 7, 6}, {37, 39, 8, 6}, {40, 280, 10, 6},
};

constexpr CurvingStreamConsts Stream(std::span<CurvingShot> pool, int32_t n, int32_t launchX,
                                     std::span<const CurvingStep> path, int32_t dxSign) {
    return {
        .boss = &scene6Boss,
        .pool = pool,
        .counter = &scene6Boss.patternTimer[n],
        .launchX = launchX,
        .launchY = 140,
        .tickStep = 3,
        .lifeRate = 20.0f,
        .path = path,
        .dxSign = dxSign,
        .killsPlayer = false,
        .hitBox = {},
        .image = &imgVEX3,
        .cell = 20,
    };
}
constexpr CurvingStreamConsts kCurvingStream1 = Stream(scene6BossCurvingStream1Pool, 0, 110, kPath1, 1);
constexpr CurvingStreamConsts kCurvingStream2 = Stream(scene6BossCurvingStream2Pool, 1, 250, kPath1, -1);
constexpr CurvingStreamConsts kCurvingStream3 = Stream(scene6BossCurvingStream3Pool, 2, 110, kPath2, 1);
constexpr CurvingStreamConsts kCurvingStream4 = Stream(scene6BossCurvingStream4Pool, 3, 250, kPath2, -1);
constexpr CurvingStreamConsts kCurvingStream5 = Stream(scene6BossCurvingStream5Pool, 4, 110, kPath3, 1);
constexpr CurvingStreamConsts kCurvingStream6 = Stream(scene6BossCurvingStream6Pool, 5, 250, kPath3, -1);

} // namespace

void Scene6Boss_CurvingStream1_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream1, i); }
void Scene6Boss_CurvingStream1_Schedule() { CurvingStream_Schedule(kCurvingStream1); }
void Scene6Boss_CurvingStream1_Move() { CurvingStream_Move(kCurvingStream1); }
void Scene6Boss_CurvingStream1_Draw() { CurvingStream_Draw(kCurvingStream1); }

void Scene6Boss_CurvingStream2_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream2, i); }
void Scene6Boss_CurvingStream2_Schedule() { CurvingStream_Schedule(kCurvingStream2); }
void Scene6Boss_CurvingStream2_Move() { CurvingStream_Move(kCurvingStream2); }
void Scene6Boss_CurvingStream2_Draw() { CurvingStream_Draw(kCurvingStream2); }

void Scene6Boss_CurvingStream3_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream3, i); }
void Scene6Boss_CurvingStream3_Schedule() { CurvingStream_Schedule(kCurvingStream3); }
void Scene6Boss_CurvingStream3_Move() { CurvingStream_Move(kCurvingStream3); }
void Scene6Boss_CurvingStream3_Draw() { CurvingStream_Draw(kCurvingStream3); }

void Scene6Boss_CurvingStream4_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream4, i); }
void Scene6Boss_CurvingStream4_Schedule() { CurvingStream_Schedule(kCurvingStream4); }
void Scene6Boss_CurvingStream4_Move() { CurvingStream_Move(kCurvingStream4); }
void Scene6Boss_CurvingStream4_Draw() { CurvingStream_Draw(kCurvingStream4); }

void Scene6Boss_CurvingStream5_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream5, i); }
void Scene6Boss_CurvingStream5_Schedule() { CurvingStream_Schedule(kCurvingStream5); }
void Scene6Boss_CurvingStream5_Move() { CurvingStream_Move(kCurvingStream5); }
void Scene6Boss_CurvingStream5_Draw() { CurvingStream_Draw(kCurvingStream5); }

void Scene6Boss_CurvingStream6_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream6, i); }
void Scene6Boss_CurvingStream6_Schedule() { CurvingStream_Schedule(kCurvingStream6); }
void Scene6Boss_CurvingStream6_Move() { CurvingStream_Move(kCurvingStream6); }
void Scene6Boss_CurvingStream6_Draw() { CurvingStream_Draw(kCurvingStream6); }
