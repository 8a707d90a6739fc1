// The scene-6 boss's timed volleys and paired drop shots.
#include "game/bosses/paired_drop_shot.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene6Boss.x, &scene6Boss.y};

// Ten volleys 10 (or 30) ticks apart, then a pause to the wrap.
constexpr GroupSchedule kFivesOf140 = {140, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}};
constexpr GroupSchedule kFivesOf150 = {150, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}};
constexpr GroupSchedule kFivesOf330 = {330, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
static_assert(CoversGroups(kFivesOf140, 10) && CoversGroups(kFivesOf150, 10) &&
              CoversGroups(kFivesOf330, 10));

// Arches of five from one column at boss x + ox, middle lowest, that open
// into a fan as they fall. The large shots show one picture per place in the
// arch; the small ones are animated.
constexpr TimedVolleyConstants LargeFives(const GroupSchedule& schedule, float ox, float a, float b,
                                          float c) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = {ox},
        .yOffset = {a, b, c, b, a},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = 155.0f,
        .box = {0.0f, 20.0f, 0.0f, 20.0f},
        .image = &imgVAL402,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {0, 40, 80, 120, 160},
    };
}

constexpr TimedVolleyConstants SmallFives(const GroupSchedule& schedule, float ox, float slant) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = {ox},
        .yOffset = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = 120.0f,
        .slant = slant,
        .box = {10.0f, 30.0f, 20.0f, 30.0f},
        .image = &imgVAL2024,
        .cellW = 20,
        .cellH = 20,
        .animCells = 24,
    };
}

// Small keyed shots dropped together from boss + (ox, oy), drifting apart by
// record.
template <size_t N>
constexpr PairedDropShotConsts Drops(std::span<DropShot> pool, float ox, float oy, float fall,
                                     const float (&drift)[N]) {
    PairedDropShotConsts c = {
        .boss = &scene6Boss,
        .pool = pool,
        .launchX = ox,
        .launchY = oy,
        .fallSpeed = fall,
        .drift = {},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL13,
        .cell = 16,
        .cells = 0,
    };
    for (size_t k = 0; k < N; ++k)
        c.drift[k] = drift[k];
    return c;
}

constexpr float kPairDrift[] = {-30.0f, 30.0f};
constexpr float kThreeDrift[] = {-39.0f, 0.0f, 39.0f};
constexpr float kFourDrift[] = {-28.0f, 28.0f, -80.0f, 80.0f};

constexpr TimedVolleyConstants kTimedVolley1 = LargeFives(kFivesOf140, 170.0f, 90.0f, 113.0f, 120.0f);
constexpr TimedVolleyConstants kTimedVolley2 = LargeFives(kFivesOf150, 110.0f, 60.0f, 83.0f, 90.0f);
constexpr TimedVolleyConstants kTimedVolley3 = LargeFives(kFivesOf150, 230.0f, 60.0f, 83.0f, 90.0f);
constexpr TimedVolleyConstants kTimedVolley4 = SmallFives(kFivesOf150, 160.0f, 100.0f);
constexpr TimedVolleyConstants kTimedVolley5 = SmallFives(kFivesOf150, 200.0f, -100.0f);
constexpr TimedVolleyConstants kTimedVolley6 = SmallFives(kFivesOf330, 130.0f, 0.0f);
constexpr TimedVolleyConstants kTimedVolley7 = SmallFives(kFivesOf330, 230.0f, 0.0f);

constexpr PairedDropShotConsts kPairedDropShot1 =
    Drops(scene6BossPairedDropShot1Pool, 182.0f, 200.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot2 =
    Drops(scene6BossPairedDropShot2Pool, 152.0f, 110.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot3 =
    Drops(scene6BossPairedDropShot3Pool, 212.0f, 110.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot4 =
    Drops(scene6BossPairedDropShot4Pool, 182.0f, 200.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot5 =
    Drops(scene6BossPairedDropShot5Pool, 132.0f, 150.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot6 =
    Drops(scene6BossPairedDropShot6Pool, 232.0f, 150.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot7 =
    Drops(scene6BossPairedDropShot7Pool, 102.0f, 110.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot8 =
    Drops(scene6BossPairedDropShot8Pool, 262.0f, 110.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot9 =
    Drops(scene6BossPairedDropShot9Pool, 182.0f, 200.0f, 110.0f, kFourDrift);

} // namespace

void Scene6Boss_TimedVolley1_Schedule() { TimedVolley_Schedule(kTimedVolley1, scene6BossTimedVolley1Pool); }
void Scene6Boss_TimedVolley1_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley1, scene6BossTimedVolley1Pool, i, base);
}
void Scene6Boss_TimedVolley1_Move() { TimedVolley_Move(kTimedVolley1, scene6BossTimedVolley1Pool); }
void Scene6Boss_TimedVolley1_Draw() { TimedVolley_Draw(kTimedVolley1, scene6BossTimedVolley1Pool); }

void Scene6Boss_TimedVolley2_Schedule() { TimedVolley_Schedule(kTimedVolley2, scene6BossTimedVolley2Pool); }
void Scene6Boss_TimedVolley2_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley2, scene6BossTimedVolley2Pool, i, base);
}
void Scene6Boss_TimedVolley2_Move() { TimedVolley_Move(kTimedVolley2, scene6BossTimedVolley2Pool); }
void Scene6Boss_TimedVolley2_Draw() { TimedVolley_Draw(kTimedVolley2, scene6BossTimedVolley2Pool); }

void Scene6Boss_TimedVolley3_Schedule() { TimedVolley_Schedule(kTimedVolley3, scene6BossTimedVolley3Pool); }
void Scene6Boss_TimedVolley3_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley3, scene6BossTimedVolley3Pool, i, base);
}
void Scene6Boss_TimedVolley3_Move() { TimedVolley_Move(kTimedVolley3, scene6BossTimedVolley3Pool); }
void Scene6Boss_TimedVolley3_Draw() { TimedVolley_Draw(kTimedVolley3, scene6BossTimedVolley3Pool); }

void Scene6Boss_TimedVolley4_Schedule() { TimedVolley_Schedule(kTimedVolley4, scene6BossTimedVolley4Pool); }
void Scene6Boss_TimedVolley4_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley4, scene6BossTimedVolley4Pool, i, base);
}
void Scene6Boss_TimedVolley4_Move() { TimedVolley_Move(kTimedVolley4, scene6BossTimedVolley4Pool); }
void Scene6Boss_TimedVolley4_Draw() { TimedVolley_Draw(kTimedVolley4, scene6BossTimedVolley4Pool); }

void Scene6Boss_TimedVolley5_Schedule() { TimedVolley_Schedule(kTimedVolley5, scene6BossTimedVolley5Pool); }
void Scene6Boss_TimedVolley5_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley5, scene6BossTimedVolley5Pool, i, base);
}
void Scene6Boss_TimedVolley5_Move() { TimedVolley_Move(kTimedVolley5, scene6BossTimedVolley5Pool); }
void Scene6Boss_TimedVolley5_Draw() { TimedVolley_Draw(kTimedVolley5, scene6BossTimedVolley5Pool); }

void Scene6Boss_TimedVolley6_Schedule() { TimedVolley_Schedule(kTimedVolley6, scene6BossTimedVolley6Pool); }
void Scene6Boss_TimedVolley6_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley6, scene6BossTimedVolley6Pool, i, base);
}
void Scene6Boss_TimedVolley6_Move() { TimedVolley_Move(kTimedVolley6, scene6BossTimedVolley6Pool); }
void Scene6Boss_TimedVolley6_Draw() { TimedVolley_Draw(kTimedVolley6, scene6BossTimedVolley6Pool); }

void Scene6Boss_TimedVolley7_Schedule() { TimedVolley_Schedule(kTimedVolley7, scene6BossTimedVolley7Pool); }
void Scene6Boss_TimedVolley7_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley7, scene6BossTimedVolley7Pool, i, base);
}
void Scene6Boss_TimedVolley7_Move() { TimedVolley_Move(kTimedVolley7, scene6BossTimedVolley7Pool); }
void Scene6Boss_TimedVolley7_Draw() { TimedVolley_Draw(kTimedVolley7, scene6BossTimedVolley7Pool); }

void Scene6Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene6Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene6Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene6Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene6Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene6Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene6Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene6Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene6Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene6Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene6Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene6Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene6Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene6Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene6Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }

void Scene6Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kPairedDropShot6); }
void Scene6Boss_PairedDropShot6_Move() { PairedDropShot_Move(kPairedDropShot6); }
void Scene6Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kPairedDropShot6); }

void Scene6Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kPairedDropShot7); }
void Scene6Boss_PairedDropShot7_Move() { PairedDropShot_Move(kPairedDropShot7); }
void Scene6Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kPairedDropShot7); }

void Scene6Boss_PairedDropShot8_Spawn() { PairedDropShot_Spawn(kPairedDropShot8); }
void Scene6Boss_PairedDropShot8_Move() { PairedDropShot_Move(kPairedDropShot8); }
void Scene6Boss_PairedDropShot8_Draw() { PairedDropShot_Draw(kPairedDropShot8); }

void Scene6Boss_PairedDropShot9_Spawn() { PairedDropShot_Spawn(kPairedDropShot9); }
void Scene6Boss_PairedDropShot9_Move() { PairedDropShot_Move(kPairedDropShot9); }
void Scene6Boss_PairedDropShot9_Draw() { PairedDropShot_Draw(kPairedDropShot9); }
