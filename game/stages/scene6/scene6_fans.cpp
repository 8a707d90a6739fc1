// The scene-6 boss's big fans and fans.
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/fan_volley.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene6Boss.x, &scene6Boss.y};

// The fifth big fan's tick is the wrap itself, which the counter never holds
// when it is tested: four fans per 150-tick cycle.
constexpr GroupSchedule kFourFansOf150 = {150, {30, 60, 90, 120, 150}};
constexpr GroupSchedule kFansOf200 = {200, {20, 40, 90, 110, 160}};
static_assert(CoversGroups(kFourFansOf150, 5) && CoversGroups(kFansOf200, 5));

constexpr KillBox kSmallShotBox = {10.0f, 30.0f, 20.0f, 30.0f};

// Fans of seven at the ship + (20, 20), drawn as the animated small shot
// rather than turned to their flight.
constexpr BigFanVolleyConstants BigFanOfSeven(float x) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {80.0f},
        .aim = 20.0f,
        .speed = 200.0f,
        .width = 7,
        .centre = 3,
        .schedule = kFourFansOf150,
        .draw = BigFanDraw::Animated,
        .image = &imgVAL2024,
        .cell = 20,
        .cells = 24,
        .margin = 20.0f,
        .box = kSmallShotBox,
    };
}

constexpr FanShotLook kSmallShot = {&imgVAL2024, 20, 24, 20.0f, kSmallShotBox};

constexpr FanVolleyConstants FanOfFive(float x) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {130.0f},
        .speed = 150.0f,
        .aim = 20.0f,
        .width = 5,
        .centre = 2,
        .schedule = kFansOf200,
        .look = kSmallShot,
    };
}

constexpr BigFanVolleyConstants kBigFanVolley1 = BigFanOfSeven(50.0f);
constexpr BigFanVolleyConstants kBigFanVolley2 = BigFanOfSeven(210.0f);
constexpr FanVolleyConstants kFanVolley1 = FanOfFive(30.0f);
constexpr FanVolleyConstants kFanVolley2 = FanOfFive(330.0f);
} // namespace

void Scene6Boss_BigFanVolley1_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley1, scene6BossBigFanVolley1Pool);
}
void Scene6Boss_BigFanVolley1_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley1, scene6BossBigFanVolley1Pool, i, base);
}
void Scene6Boss_BigFanVolley1_Move() { BigFanVolley_Move(kBigFanVolley1, scene6BossBigFanVolley1Pool); }
void Scene6Boss_BigFanVolley1_Draw() { BigFanVolley_Draw(kBigFanVolley1, scene6BossBigFanVolley1Pool); }

void Scene6Boss_BigFanVolley2_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley2, scene6BossBigFanVolley2Pool);
}
void Scene6Boss_BigFanVolley2_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley2, scene6BossBigFanVolley2Pool, i, base);
}
void Scene6Boss_BigFanVolley2_Move() { BigFanVolley_Move(kBigFanVolley2, scene6BossBigFanVolley2Pool); }
void Scene6Boss_BigFanVolley2_Draw() { BigFanVolley_Draw(kBigFanVolley2, scene6BossBigFanVolley2Pool); }

void Scene6Boss_FanVolley1_Schedule() { FanVolley_Schedule(kFanVolley1, scene6BossFanVolley1Pool); }
void Scene6Boss_FanVolley1_Spawn(int32_t i, int32_t base) {
    FanVolley_FireOne(kFanVolley1, scene6BossFanVolley1Pool, i, base);
}
void Scene6Boss_FanVolley1_Move() { FanVolley_Move(kFanVolley1, scene6BossFanVolley1Pool); }
void Scene6Boss_FanVolley1_Draw() { FanVolley_Draw(kFanVolley1, scene6BossFanVolley1Pool); }

void Scene6Boss_FanVolley2_Schedule() { FanVolley_Schedule(kFanVolley2, scene6BossFanVolley2Pool); }
void Scene6Boss_FanVolley2_Spawn(int32_t i, int32_t base) {
    FanVolley_FireOne(kFanVolley2, scene6BossFanVolley2Pool, i, base);
}
void Scene6Boss_FanVolley2_Move() { FanVolley_Move(kFanVolley2, scene6BossFanVolley2Pool); }
void Scene6Boss_FanVolley2_Draw() { FanVolley_Draw(kFanVolley2, scene6BossFanVolley2Pool); }
