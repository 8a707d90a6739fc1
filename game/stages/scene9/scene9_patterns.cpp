#include "game/stages/scene9/scene9_patterns.h"

#include "game/bosses/paired_drop_shot.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene9Boss.x, &scene9Boss.y};

// --- Timed volleys ------------------------------------------------------------

// Ten arches 20 ticks apart, then a pause of 30.
constexpr GroupSchedule kFivesOf230 = {230, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}};
// Ten arches 60 ticks apart, then a pause of 60.
constexpr GroupSchedule kFivesOf660 = {660, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
static_assert(CoversGroups(kFivesOf230, 10) && CoversGroups(kFivesOf660, 10));

constexpr float kFan[5] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};

// Small glowing shots in an arch that opens into a fan.
constexpr TimedVolleyConstants kTimedVolley1 = {
    .owner = kBoss,
    .width = 5,
    .schedule = kFivesOf230,
    .x = {230.0f},
    .yOffset = {110.0f, 133.0f, 140.0f, 133.0f, 110.0f},
    .drift = {kFan[0], kFan[1], kFan[2], kFan[3], kFan[4]},
    .fall = 130.0f,
    .box = {10.0f, 30.0f, 20.0f, 30.0f},
    .image = &imgVALL20,
    .blit = VolleyBlit::Keyed,
    .cellW = 20,
    .cellH = 20,
};

// Large shots, each place of the arch in its own cell of the strip.
constexpr TimedVolleyConstants LargeArches(float x) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = kFivesOf660,
        .x = {x},
        .yOffset = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f},
        .drift = {kFan[0], kFan[1], kFan[2], kFan[3], kFan[4]},
        .fall = 120.0f,
        .box = {0.0f, 20.0f, 0.0f, 20.0f},
        .image = &imgVAL402_2,
        .blit = VolleyBlit::Keyed,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {0, 40, 80, 120, 160},
    };
}

constexpr TimedVolleyConstants kTimedVolley2 = LargeArches(180.0f);
constexpr TimedVolleyConstants kTimedVolley3 = LargeArches(260.0f);
constexpr TimedVolleyConstants kTimedVolley4 = LargeArches(100.0f);
constexpr TimedVolleyConstants kTimedVolley5 = LargeArches(340.0f);

// --- Paired drop shots --------------------------------------------------------

constexpr PairedDropShotConsts Drops(std::span<DropShot> pool, float x, float y, float fall,
                                     const float (&drift)[kDropShotMaxRecords]) {
    return {
        .boss = &scene9Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = fall,
        .drift = {drift[0], drift[1], drift[2], drift[3]},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL1,
        .cell = 16,
        .cells = 16,
    };
}

constexpr float kPair[kDropShotMaxRecords] = {-30.0f, 30.0f};
constexpr float kThree[kDropShotMaxRecords] = {-39.0f, 0.0f, 39.0f};

constexpr PairedDropShotConsts kPairedDropShot1 =
    Drops(scene9BossPairedDropShot1Pool, 232.0f, 200.0f, 140.0f, kPair);
constexpr PairedDropShotConsts kPairedDropShot2 =
    Drops(scene9BossPairedDropShot2Pool, 202.0f, 110.0f, 140.0f, kPair);
constexpr PairedDropShotConsts kPairedDropShot3 =
    Drops(scene9BossPairedDropShot3Pool, 262.0f, 110.0f, 140.0f, kPair);
constexpr PairedDropShotConsts kPairedDropShot4 =
    Drops(scene9BossPairedDropShot4Pool, 232.0f, 200.0f, 120.0f, kThree);
constexpr PairedDropShotConsts kPairedDropShot5 =
    Drops(scene9BossPairedDropShot5Pool, 182.0f, 150.0f, 120.0f, kThree);
constexpr PairedDropShotConsts kPairedDropShot6 =
    Drops(scene9BossPairedDropShot6Pool, 282.0f, 150.0f, 120.0f, kThree);
constexpr PairedDropShotConsts kPairedDropShot7 =
    Drops(scene9BossPairedDropShot7Pool, 152.0f, 110.0f, 120.0f, kThree);
constexpr PairedDropShotConsts kPairedDropShot8 =
    Drops(scene9BossPairedDropShot8Pool, 312.0f, 110.0f, 120.0f, kThree);
constexpr PairedDropShotConsts kPairedDropShot9 =
    Drops(scene9BossPairedDropShot9Pool, 232.0f, 200.0f, 110.0f, {-28.0f, 28.0f, -80.0f, 80.0f});

} // namespace

void Scene9Boss_TimedVolley1_Schedule() { TimedVolley_Schedule(kTimedVolley1, scene9BossTimedVolley1Pool); }
void Scene9Boss_TimedVolley1_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley1, scene9BossTimedVolley1Pool, i, groupBase);
}
void Scene9Boss_TimedVolley1_Move() { TimedVolley_Move(kTimedVolley1, scene9BossTimedVolley1Pool); }
void Scene9Boss_TimedVolley1_Draw() { TimedVolley_Draw(kTimedVolley1, scene9BossTimedVolley1Pool); }

void Scene9Boss_TimedVolley2_Schedule() { TimedVolley_Schedule(kTimedVolley2, scene9BossTimedVolley2Pool); }
void Scene9Boss_TimedVolley2_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley2, scene9BossTimedVolley2Pool, i, groupBase);
}
void Scene9Boss_TimedVolley2_Move() { TimedVolley_Move(kTimedVolley2, scene9BossTimedVolley2Pool); }
void Scene9Boss_TimedVolley2_Draw() { TimedVolley_Draw(kTimedVolley2, scene9BossTimedVolley2Pool); }

void Scene9Boss_TimedVolley3_Schedule() { TimedVolley_Schedule(kTimedVolley3, scene9BossTimedVolley3Pool); }
void Scene9Boss_TimedVolley3_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley3, scene9BossTimedVolley3Pool, i, groupBase);
}
void Scene9Boss_TimedVolley3_Move() { TimedVolley_Move(kTimedVolley3, scene9BossTimedVolley3Pool); }
void Scene9Boss_TimedVolley3_Draw() { TimedVolley_Draw(kTimedVolley3, scene9BossTimedVolley3Pool); }

void Scene9Boss_TimedVolley4_Schedule() { TimedVolley_Schedule(kTimedVolley4, scene9BossTimedVolley4Pool); }
void Scene9Boss_TimedVolley4_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley4, scene9BossTimedVolley4Pool, i, groupBase);
}
void Scene9Boss_TimedVolley4_Move() { TimedVolley_Move(kTimedVolley4, scene9BossTimedVolley4Pool); }
void Scene9Boss_TimedVolley4_Draw() { TimedVolley_Draw(kTimedVolley4, scene9BossTimedVolley4Pool); }

void Scene9Boss_TimedVolley5_Schedule() { TimedVolley_Schedule(kTimedVolley5, scene9BossTimedVolley5Pool); }
void Scene9Boss_TimedVolley5_Spawn(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kTimedVolley5, scene9BossTimedVolley5Pool, i, groupBase);
}
void Scene9Boss_TimedVolley5_Move() { TimedVolley_Move(kTimedVolley5, scene9BossTimedVolley5Pool); }
void Scene9Boss_TimedVolley5_Draw() { TimedVolley_Draw(kTimedVolley5, scene9BossTimedVolley5Pool); }

void Scene9Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene9Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene9Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene9Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene9Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene9Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene9Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene9Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene9Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene9Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene9Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene9Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene9Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene9Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene9Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }

void Scene9Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kPairedDropShot6); }
void Scene9Boss_PairedDropShot6_Move() { PairedDropShot_Move(kPairedDropShot6); }
void Scene9Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kPairedDropShot6); }

void Scene9Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kPairedDropShot7); }
void Scene9Boss_PairedDropShot7_Move() { PairedDropShot_Move(kPairedDropShot7); }
void Scene9Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kPairedDropShot7); }

void Scene9Boss_PairedDropShot8_Spawn() { PairedDropShot_Spawn(kPairedDropShot8); }
void Scene9Boss_PairedDropShot8_Move() { PairedDropShot_Move(kPairedDropShot8); }
void Scene9Boss_PairedDropShot8_Draw() { PairedDropShot_Draw(kPairedDropShot8); }

void Scene9Boss_PairedDropShot9_Spawn() { PairedDropShot_Spawn(kPairedDropShot9); }
void Scene9Boss_PairedDropShot9_Move() { PairedDropShot_Move(kPairedDropShot9); }
void Scene9Boss_PairedDropShot9_Draw() { PairedDropShot_Draw(kPairedDropShot9); }
