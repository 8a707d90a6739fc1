#include "game/stages/scene5/scene5_patterns.h"

#include "game/bosses/curving_stream.h"
#include "game/enemies/pattern_support.h"
#include "game/enemies/turning_stream.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/state/assets.h"

namespace {

// Each pair slides out sideways, bends down and swings back across; the wider
// the shot, the further it swings (3, 5, then 10 px a frame).
constexpr CurvingStep kNarrowPath[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},
    {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 250, 3, 6},
};
constexpr CurvingStep kMiddlePath[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6}, {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},  {28, 250, 5, 6},
};
constexpr CurvingStep kWidePath[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},  {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},   {28, 30, 5, 6},
    {31, 33, 6, 6}, {34, 36, 7, 6}, {37, 39, 8, 6}, {40, 280, 10, 6},
};

constexpr CurvingStreamConsts Curving(std::span<CurvingShot> pool, int32_t counter, int32_t x, int32_t y,
                                      std::span<const CurvingStep> path, int32_t dxSign, const int32_t* image,
                                      int32_t cell) {
    return {
        .boss = &scene5Boss,
        .pool = pool,
        .counter = &scene5Boss.patternTimer[counter],
        .launchX = x,
        .launchY = y,
        .tickStep = 3,
        .lifeRate = 20.0f,
        .path = path,
        .dxSign = dxSign,
        .killsPlayer = false,
        .hitBox = {},
        .image = image,
        .cell = cell,
    };
}

constexpr CurvingStreamConsts kCurvingStream1 =
    Curving(scene5BossCurvingStream1Pool, 0, 135, 135, kNarrowPath, 1, &imgVEX4, 30);
constexpr CurvingStreamConsts kCurvingStream2 =
    Curving(scene5BossCurvingStream2Pool, 1, 275, 135, kNarrowPath, -1, &imgVEX4, 30);
constexpr CurvingStreamConsts kCurvingStream3 =
    Curving(scene5BossCurvingStream3Pool, 2, 130, 130, kMiddlePath, 1, &imgVEX5, 40);
constexpr CurvingStreamConsts kCurvingStream4 =
    Curving(scene5BossCurvingStream4Pool, 3, 270, 130, kMiddlePath, -1, &imgVEX5, 40);
constexpr CurvingStreamConsts kCurvingStream5 =
    Curving(scene5BossCurvingStream5Pool, 4, 125, 105, kWidePath, 1, &imgVEX6, 50);
constexpr CurvingStreamConsts kCurvingStream6 =
    Curving(scene5BossCurvingStream6Pool, 5, 265, 105, kWidePath, -1, &imgVEX6, 50);

// Seven segments leave down and to the left and turn toward the vertical;
// the outer pair turns more slowly. A released segment stays where it stopped
// and is still tested there; the tail is the last to leave the screen.
constexpr TurningStream Turning(TurningStreamRecord* pool, float x, float y, double turnStep,
                                const int32_t* body, const int32_t* head) {
    return {
        .pool = pool,
        .ownerX = &scene5Boss.x,
        .ownerY = &scene5Boss.y,
        .offsetX = x,
        .offsetY = y,
        .speeds = {163, 171, 178, 184, 188, 191, 193},
        .mirror = false,
        .turnStep = turnStep,
        .turnLimit = 17.0f,
        .bodyImage = body,
        .headImage = head,
        .testsReleased = true,
    };
}

constexpr TurningStream kTurningStream1 =
    Turning(scene5BossTurningStream1Pool, 205.0f, 30.0f, kPatternTwoPi / 280.0, &imgVAL3017A, &imgVALL3017);
constexpr TurningStream kTurningStream2 =
    Turning(scene5BossTurningStream2Pool, 205.0f, 30.0f, kPatternTwoPi / 280.0, &imgVAL3018A, &imgVALL3018);
constexpr TurningStream kTurningStream3 =
    Turning(scene5BossTurningStream3Pool, 165.0f, 20.0f, kPatternTwoPi / 320.0, &imgVAL3017A, &imgVALL3017);
constexpr TurningStream kTurningStream4 =
    Turning(scene5BossTurningStream4Pool, 245.0f, 20.0f, kPatternTwoPi / 320.0, &imgVAL3018A, &imgVALL3018);

} // namespace

void Scene5Boss_CurvingStream1_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream1, i); }
void Scene5Boss_CurvingStream1_Schedule() { CurvingStream_Schedule(kCurvingStream1); }
void Scene5Boss_CurvingStream1_Move() { CurvingStream_Move(kCurvingStream1); }
void Scene5Boss_CurvingStream1_Draw() { CurvingStream_Draw(kCurvingStream1); }

void Scene5Boss_CurvingStream2_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream2, i); }
void Scene5Boss_CurvingStream2_Schedule() { CurvingStream_Schedule(kCurvingStream2); }
void Scene5Boss_CurvingStream2_Move() { CurvingStream_Move(kCurvingStream2); }
void Scene5Boss_CurvingStream2_Draw() { CurvingStream_Draw(kCurvingStream2); }

void Scene5Boss_CurvingStream3_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream3, i); }
void Scene5Boss_CurvingStream3_Schedule() { CurvingStream_Schedule(kCurvingStream3); }
void Scene5Boss_CurvingStream3_Move() { CurvingStream_Move(kCurvingStream3); }
void Scene5Boss_CurvingStream3_Draw() { CurvingStream_Draw(kCurvingStream3); }

void Scene5Boss_CurvingStream4_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream4, i); }
void Scene5Boss_CurvingStream4_Schedule() { CurvingStream_Schedule(kCurvingStream4); }
void Scene5Boss_CurvingStream4_Move() { CurvingStream_Move(kCurvingStream4); }
void Scene5Boss_CurvingStream4_Draw() { CurvingStream_Draw(kCurvingStream4); }

void Scene5Boss_CurvingStream5_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream5, i); }
void Scene5Boss_CurvingStream5_Schedule() { CurvingStream_Schedule(kCurvingStream5); }
void Scene5Boss_CurvingStream5_Move() { CurvingStream_Move(kCurvingStream5); }
void Scene5Boss_CurvingStream5_Draw() { CurvingStream_Draw(kCurvingStream5); }

void Scene5Boss_CurvingStream6_Spawn(int32_t i) { CurvingStream_Launch(kCurvingStream6, i); }
void Scene5Boss_CurvingStream6_Schedule() { CurvingStream_Schedule(kCurvingStream6); }
void Scene5Boss_CurvingStream6_Move() { CurvingStream_Move(kCurvingStream6); }
void Scene5Boss_CurvingStream6_Draw() { CurvingStream_Draw(kCurvingStream6); }

void Scene5Boss_TurningStream1_Spawn() { TurningStream_Fire(kTurningStream1); }
void Scene5Boss_TurningStream1_Move() { TurningStream_Move(kTurningStream1); }
void Scene5Boss_TurningStream1_Draw() { TurningStream_Draw(kTurningStream1); }

void Scene5Boss_TurningStream2_Spawn() { TurningStream_Fire(kTurningStream2); }
void Scene5Boss_TurningStream2_Move() { TurningStream_Move(kTurningStream2); }
void Scene5Boss_TurningStream2_Draw() { TurningStream_Draw(kTurningStream2); }

void Scene5Boss_TurningStream3_Spawn() { TurningStream_Fire(kTurningStream3); }
void Scene5Boss_TurningStream3_Move() { TurningStream_Move(kTurningStream3); }
void Scene5Boss_TurningStream3_Draw() { TurningStream_Draw(kTurningStream3); }

void Scene5Boss_TurningStream4_Spawn() { TurningStream_Fire(kTurningStream4); }
void Scene5Boss_TurningStream4_Move() { TurningStream_Move(kTurningStream4); }
void Scene5Boss_TurningStream4_Draw() { TurningStream_Draw(kTurningStream4); }
