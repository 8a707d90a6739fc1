#include "game/bosses/paired_drop_shot.h"
#include "game/enemies/aimed_ring_burst.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene8Boss.x, &scene8Boss.y};

// --- Ring bursts ------------------------------------------------------------

constexpr GroupSchedule kRingsOf340 = {340, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
// Ten rings early in a long cycle: most windows that call it pass without one.
constexpr GroupSchedule kRingsOf1000 = {1000, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}};
// The wrap at 100 comes before the tests: ring 9 never leaves.
constexpr GroupSchedule kRingsOf100 = {100, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}};
static_assert(CoversGroups(kRingsOf340, 10) && CoversGroups(kRingsOf1000, 10) &&
              CoversGroups(kRingsOf100, 10));

// Whole rings of n from under the boss's middle, the first shot of each at
// the ship's position plus (20, 20) as it was at the launch.
constexpr AimedRingBurstConstants Rings(int32_t n, float height, float speed, const GroupSchedule& schedule) {
    return {
        .owner = kBoss,
        .offsetX = {220.0f},
        .offsetY = {height},
        .speed = speed,
        .aim = 20.0f,
        .ringSize = n,
        .step = kPatternTwoPi / n,
        .schedule = schedule,
        .look = {&imgVAL2024, 20, 24, 20.0f, {10.0f, 30.0f, 20.0f, 30.0f}},
    };
}

constexpr AimedRingBurstConstants kAimedRingBurst1 = Rings(20, 220.0f, 140.0f, kRingsOf340);
constexpr AimedRingBurstConstants kAimedRingBurst2 = Rings(30, 220.0f, 120.0f, kRingsOf340);
constexpr AimedRingBurstConstants kAimedRingBurst3 = Rings(20, 220.0f, 140.0f, kRingsOf1000);
constexpr AimedRingBurstConstants kAimedRingBurst4 = Rings(30, 220.0f, 120.0f, kRingsOf100);
constexpr AimedRingBurstConstants kAimedRingBurst5 = Rings(30, 180.0f, 100.0f, kRingsOf340);

// --- Paired drop shots ------------------------------------------------------

// Small keyed shots that part sideways as they fall, once per frame.
constexpr PairedDropShotConsts Drops(std::span<DropShot> pool, float x, float y, float fall, float d0,
                                     float d1, float d2 = 0.0f, float d3 = 0.0f) {
    return {
        .boss = &scene8Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = fall,
        .drift = {d0, d1, d2, d3},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL12,
        .cell = 16,
        .cells = 0,
    };
}

constexpr PairedDropShotConsts kPairedDropShot1 =
    Drops(scene8BossPairedDropShot1Pool, 222.0f, 200.0f, 140.0f, -30.0f, 30.0f);
constexpr PairedDropShotConsts kPairedDropShot2 =
    Drops(scene8BossPairedDropShot2Pool, 222.0f, 200.0f, 120.0f, -39.0f, 0.0f, 39.0f);
constexpr PairedDropShotConsts kPairedDropShot3 =
    Drops(scene8BossPairedDropShot3Pool, 222.0f - 50.0f, 200.0f - 50.0f, 120.0f, -39.0f, 0.0f, 39.0f);
constexpr PairedDropShotConsts kPairedDropShot4 =
    Drops(scene8BossPairedDropShot4Pool, 222.0f + 50.0f, 200.0f - 50.0f, 120.0f, -39.0f, 0.0f, 39.0f);
constexpr PairedDropShotConsts kPairedDropShot5 = Drops(scene8BossPairedDropShot5Pool, 222.0f - 50.0f - 30.0f,
                                                        200.0f - 50.0f - 40.0f, 120.0f, -39.0f, 0.0f, 39.0f);
constexpr PairedDropShotConsts kPairedDropShot6 = Drops(scene8BossPairedDropShot6Pool, 222.0f + 50.0f + 30.0f,
                                                        200.0f - 50.0f - 40.0f, 120.0f, -39.0f, 0.0f, 39.0f);
constexpr PairedDropShotConsts kPairedDropShot7 =
    Drops(scene8BossPairedDropShot7Pool, 222.0f, 200.0f, 110.0f, -28.0f, 28.0f, -80.0f, 80.0f);

} // namespace

void Scene8Boss_AimedRingBurst1_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst1, scene8BossAimedRingBurst1Pool);
}
void Scene8Boss_AimedRingBurst1_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst1, scene8BossAimedRingBurst1Pool, i);
}
void Scene8Boss_AimedRingBurst1_Move() {
    AimedRingBurst_Move(kAimedRingBurst1, scene8BossAimedRingBurst1Pool);
}
void Scene8Boss_AimedRingBurst1_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst1, scene8BossAimedRingBurst1Pool);
}

void Scene8Boss_AimedRingBurst2_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst2, scene8BossAimedRingBurst2Pool);
}
void Scene8Boss_AimedRingBurst2_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst2, scene8BossAimedRingBurst2Pool, i);
}
void Scene8Boss_AimedRingBurst2_Move() {
    AimedRingBurst_Move(kAimedRingBurst2, scene8BossAimedRingBurst2Pool);
}
void Scene8Boss_AimedRingBurst2_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst2, scene8BossAimedRingBurst2Pool);
}

void Scene8Boss_AimedRingBurst3_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst3, scene8BossAimedRingBurst3Pool);
}
void Scene8Boss_AimedRingBurst3_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst3, scene8BossAimedRingBurst3Pool, i);
}
void Scene8Boss_AimedRingBurst3_Move() {
    AimedRingBurst_Move(kAimedRingBurst3, scene8BossAimedRingBurst3Pool);
}
void Scene8Boss_AimedRingBurst3_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst3, scene8BossAimedRingBurst3Pool);
}

void Scene8Boss_AimedRingBurst4_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst4, scene8BossAimedRingBurst4Pool);
}
void Scene8Boss_AimedRingBurst4_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst4, scene8BossAimedRingBurst4Pool, i);
}
void Scene8Boss_AimedRingBurst4_Move() {
    AimedRingBurst_Move(kAimedRingBurst4, scene8BossAimedRingBurst4Pool);
}
void Scene8Boss_AimedRingBurst4_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst4, scene8BossAimedRingBurst4Pool);
}

void Scene8Boss_AimedRingBurst5_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst5, scene8BossAimedRingBurst5Pool);
}
void Scene8Boss_AimedRingBurst5_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst5, scene8BossAimedRingBurst5Pool, i);
}
void Scene8Boss_AimedRingBurst5_Move() {
    AimedRingBurst_Move(kAimedRingBurst5, scene8BossAimedRingBurst5Pool);
}
void Scene8Boss_AimedRingBurst5_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst5, scene8BossAimedRingBurst5Pool);
}

void Scene8Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene8Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene8Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene8Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene8Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene8Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene8Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene8Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene8Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene8Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene8Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene8Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene8Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene8Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene8Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }

void Scene8Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kPairedDropShot6); }
void Scene8Boss_PairedDropShot6_Move() { PairedDropShot_Move(kPairedDropShot6); }
void Scene8Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kPairedDropShot6); }

void Scene8Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kPairedDropShot7); }
void Scene8Boss_PairedDropShot7_Move() { PairedDropShot_Move(kPairedDropShot7); }
void Scene8Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kPairedDropShot7); }
