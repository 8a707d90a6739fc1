#include "game/stages/scene4/scene4_patterns.h"

#include "game/bosses/paired_drop_shot.h"
#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene4Boss.x, &scene4Boss.y};
constexpr KillBox kSmallShotBox = {10.0f, 30.0f, 20.0f, 30.0f};

// --- Timed volleys ------------------------------------------------------------

constexpr GroupSchedule kFivesOf340 = {340, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
// Three quick arches, a pause, three more, a pause, then four.
constexpr GroupSchedule kFivesOf170 = {170, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}};
constexpr GroupSchedule kFivesOf370 = {370, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
static_assert(CoversGroups(kFivesOf340, 10) && CoversGroups(kFivesOf170, 10) &&
              CoversGroups(kFivesOf370, 10));

// Arches of five in one column that open into a fan as they fall; the
// slanted ones also sail to the right.
constexpr TimedVolleyConstants Arches(const GroupSchedule& schedule, float x, float top,
                                      const float (&spread)[5], float fall, float slant) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = {x},
        .yOffset = {top, top + 23.0f, top + 30.0f, top + 23.0f, top},
        .drift = {spread[0], spread[1], spread[2], spread[3], spread[4]},
        .fall = fall,
        .slant = slant,
        .box = kSmallShotBox,
        .image = &imgVALL20,
        .cellW = 20,
        .cellH = 20,
    };
}

constexpr float kNarrowFan[5] = {-80.0f, -40.0f, 0.0f, 40.0f, 80.0f};
constexpr float kWideFan[5] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};

constexpr TimedVolleyConstants kTimedVolley1 = Arches(kFivesOf340, 210.0f, 170.0f, kNarrowFan, 176.0f, 0.0f);
constexpr TimedVolleyConstants kTimedVolley2 = Arches(kFivesOf170, 150.0f, 90.0f, kWideFan, 100.0f, 90.0f);
constexpr TimedVolleyConstants kTimedVolley3 = Arches(kFivesOf170, 270.0f, 90.0f, kWideFan, 100.0f, 90.0f);
constexpr TimedVolleyConstants kTimedVolley4 = Arches(kFivesOf370, 90.0f, 50.0f, kWideFan, 180.0f, 45.0f);
constexpr TimedVolleyConstants kTimedVolley5 = Arches(kFivesOf370, 330.0f, 50.0f, kWideFan, 180.0f, 45.0f);

// --- Aimed ring bursts --------------------------------------------------------

// Six rings of twelve, 20 ticks apart, then a pause of 20.
constexpr GroupSchedule kRingsOf140 = {140, {20, 40, 60, 80, 100, 120}};
static_assert(CoversGroups(kRingsOf140, 6));

constexpr AimedRingBurstConstants Rings(float x) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {130.0f},
        .speed = 140.0f,
        .aim = 20.0f,
        .ringSize = 12,
        .step = kPatternTwoPi / 12,
        .schedule = kRingsOf140,
        .look = {&imgVAL2024, 20, 24, 20.0f, kSmallShotBox},
    };
}

constexpr AimedRingBurstConstants kAimedRingBurst1 = Rings(110.0f);
constexpr AimedRingBurstConstants kAimedRingBurst2 = Rings(310.0f);

// --- Paired drop shots --------------------------------------------------------

constexpr PairedDropShotConsts Drops(std::span<DropShot> pool, float x, float y, float fall,
                                     const float (&drift)[kDropShotMaxRecords]) {
    return {
        .boss = &scene4Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = fall,
        .drift = {drift[0], drift[1], drift[2], drift[3]},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL12,
        .cell = 16,
        .cells = 0,
    };
}

constexpr PairedDropShotConsts kPairedDropShot1 =
    Drops(scene4BossPairedDropShot1Pool, 212.0f, 200.0f, 140.0f, {-40.0f, 40.0f});
constexpr PairedDropShotConsts kPairedDropShot2 =
    Drops(scene4BossPairedDropShot2Pool, 212.0f, 200.0f, 220.0f, {-99.0f, 0.0f, 99.0f});
constexpr PairedDropShotConsts kPairedDropShot3 =
    Drops(scene4BossPairedDropShot3Pool, 182.0f, 150.0f, 220.0f, {-69.0f, 0.0f, 69.0f});
constexpr PairedDropShotConsts kPairedDropShot4 =
    Drops(scene4BossPairedDropShot4Pool, 282.0f, 150.0f, 220.0f, {-69.0f, 0.0f, 69.0f});
constexpr PairedDropShotConsts kPairedDropShot5 =
    Drops(scene4BossPairedDropShot5Pool, 232.0f, 200.0f, 210.0f, {-68.0f, 68.0f, -120.0f, 120.0f});

} // namespace

void Scene4Boss_TimedVolley1_Schedule() { TimedVolley_Schedule(kTimedVolley1, scene4BossTimedVolley1Pool); }
void Scene4Boss_TimedVolley1_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley1, scene4BossTimedVolley1Pool, i, groupBase);
}
void Scene4Boss_TimedVolley1_Move() { TimedVolley_Move(kTimedVolley1, scene4BossTimedVolley1Pool); }
void Scene4Boss_TimedVolley1_Draw() { TimedVolley_Draw(kTimedVolley1, scene4BossTimedVolley1Pool); }

void Scene4Boss_TimedVolley2_Schedule() { TimedVolley_Schedule(kTimedVolley2, scene4BossTimedVolley2Pool); }
void Scene4Boss_TimedVolley2_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley2, scene4BossTimedVolley2Pool, i, groupBase);
}
void Scene4Boss_TimedVolley2_Move() { TimedVolley_Move(kTimedVolley2, scene4BossTimedVolley2Pool); }
void Scene4Boss_TimedVolley2_Draw() { TimedVolley_Draw(kTimedVolley2, scene4BossTimedVolley2Pool); }

void Scene4Boss_TimedVolley3_Schedule() { TimedVolley_Schedule(kTimedVolley3, scene4BossTimedVolley3Pool); }
void Scene4Boss_TimedVolley3_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley3, scene4BossTimedVolley3Pool, i, groupBase);
}
void Scene4Boss_TimedVolley3_Move() { TimedVolley_Move(kTimedVolley3, scene4BossTimedVolley3Pool); }
void Scene4Boss_TimedVolley3_Draw() { TimedVolley_Draw(kTimedVolley3, scene4BossTimedVolley3Pool); }

void Scene4Boss_TimedVolley4_Schedule() { TimedVolley_Schedule(kTimedVolley4, scene4BossTimedVolley4Pool); }
void Scene4Boss_TimedVolley4_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley4, scene4BossTimedVolley4Pool, i, groupBase);
}
void Scene4Boss_TimedVolley4_Move() { TimedVolley_Move(kTimedVolley4, scene4BossTimedVolley4Pool); }
void Scene4Boss_TimedVolley4_Draw() { TimedVolley_Draw(kTimedVolley4, scene4BossTimedVolley4Pool); }

void Scene4Boss_TimedVolley5_Schedule() { TimedVolley_Schedule(kTimedVolley5, scene4BossTimedVolley5Pool); }
void Scene4Boss_TimedVolley5_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley5, scene4BossTimedVolley5Pool, i, groupBase);
}
void Scene4Boss_TimedVolley5_Move() { TimedVolley_Move(kTimedVolley5, scene4BossTimedVolley5Pool); }
void Scene4Boss_TimedVolley5_Draw() { TimedVolley_Draw(kTimedVolley5, scene4BossTimedVolley5Pool); }

void Scene4Boss_AimedRingBurst1_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst1, scene4BossAimedRingBurst1Pool);
}
void Scene4Boss_AimedRingBurst1_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst1, scene4BossAimedRingBurst1Pool, i);
}
void Scene4Boss_AimedRingBurst1_Move() {
    AimedRingBurst_Move(kAimedRingBurst1, scene4BossAimedRingBurst1Pool);
}
void Scene4Boss_AimedRingBurst1_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst1, scene4BossAimedRingBurst1Pool);
}

void Scene4Boss_AimedRingBurst2_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst2, scene4BossAimedRingBurst2Pool);
}
void Scene4Boss_AimedRingBurst2_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst2, scene4BossAimedRingBurst2Pool, i);
}
void Scene4Boss_AimedRingBurst2_Move() {
    AimedRingBurst_Move(kAimedRingBurst2, scene4BossAimedRingBurst2Pool);
}
void Scene4Boss_AimedRingBurst2_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst2, scene4BossAimedRingBurst2Pool);
}

void Scene4Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene4Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene4Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene4Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene4Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene4Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene4Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene4Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene4Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene4Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene4Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene4Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene4Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene4Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene4Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }
