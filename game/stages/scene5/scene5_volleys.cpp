#include "game/stages/scene5/scene5_patterns.h"

#include <cstddef>

#include "game/bosses/paired_drop_shot.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene5Boss.x, &scene5Boss.y};

constexpr GroupSchedule kFivesOf150 = {150, {10, 20, 30, 40, 50, 80, 90, 100, 120, 130}};
constexpr GroupSchedule kFivesOf200 = {200, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}};
constexpr GroupSchedule kSlantedFivesOf200 = {200, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}};
constexpr GroupSchedule kFivesOf720 = {720, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
static_assert(CoversGroups(kPairsOf140, 10) && CoversGroups(kFivesOf150, 10) &&
              CoversGroups(kFivesOf200, 10) && CoversGroups(kSlantedFivesOf200, 10) &&
              CoversGroups(kFivesOf720, 10));

// Large shots side by side, 200 - half and 200 + half across the boss; the
// widest pair drifts apart.
constexpr TimedVolleyConstants Pairs(float half, float y, float drift) {
    return {
        .owner = kBoss,
        .width = 2,
        .schedule = kPairsOf140,
        .xWrite = VolleyX::Pair,
        .x = {200.0f, -half},
        .xRight = {200.0f, half},
        .yOffset = {y, y},
        .drift = {-drift, drift},
        .fall = 200.0f,
        .box = {-10.0f, 30.0f, 0.0f, 30.0f},
        .image = &imgVAL405,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {120, 120},
    };
}

// Arches of five from one column at boss x + 210 + ox, middle lowest, that
// open into a fan as they fall; some slant to one side.
constexpr TimedVolleyConstants Fives(const GroupSchedule& schedule, float ox, float a, float b, float c,
                                     float fall, float slant, bool animated) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = {210.0f, ox},
        .yOffset = {a, b, c, b, a},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = fall,
        .slant = slant,
        .box = {10.0f, 30.0f, 20.0f, 30.0f},
        .image = animated ? &imgVAL2024 : &imgVALL20,
        .cellW = 20,
        .cellH = 20,
        .animCells = animated ? 24 : 0,
    };
}

// Small keyed shots dropped from boss + (212 + ox, 200 + oy), all from one
// point, drifting apart by record.
template <std::size_t N>
constexpr PairedDropShotConsts Drops(std::span<DropShot> pool, float ox, float oy, float fall,
                                     const float (&drift)[N]) {
    PairedDropShotConsts c = {
        .boss = &scene5Boss,
        .pool = pool,
        .launchX = 212.0f + ox,
        .launchY = 200.0f + oy,
        .fallSpeed = fall,
        .drift = {},
        .driftEveryPass = false,
        .hitBox = {14.0f, 30.0f, 24.0f, 30.0f},
        .image = &imgVAL13,
        .cell = 16,
        .cells = 0,
    };
    for (std::size_t k = 0; k < N; ++k)
        c.drift[k] = drift[k];
    return c;
}

constexpr float kPairDrift[] = {-30.0f, 30.0f};
constexpr float kThreeDrift[] = {-39.0f, 0.0f, 39.0f};
constexpr float kFourDrift[] = {-28.0f, 28.0f, -80.0f, 80.0f};

constexpr TimedVolleyConstants kTimedVolley1 = Pairs(80.0f, 200.0f, 0.0f);
constexpr TimedVolleyConstants kTimedVolley2 = Pairs(100.0f, 180.0f, 0.0f);
constexpr TimedVolleyConstants kTimedVolley3 = Pairs(120.0f, 180.0f, 20.0f);
constexpr TimedVolleyConstants kTimedVolley4 =
    Fives(kFivesOf150, 0.0f, 60.0f, 83.0f, 90.0f, 210.0f, 0.0f, false);
constexpr TimedVolleyConstants kTimedVolley5 =
    Fives(kFivesOf200, -30.0f, 30.0f, 53.0f, 60.0f, 250.0f, 30.0f, true);
constexpr TimedVolleyConstants kTimedVolley6 =
    Fives(kFivesOf200, -30.0f, 30.0f, 53.0f, 60.0f, 250.0f, -30.0f, true);
constexpr TimedVolleyConstants kTimedVolley7 =
    Fives(kSlantedFivesOf200, -60.0f, 60.0f, 83.0f, 90.0f, 110.0f, 90.0f, false);
constexpr TimedVolleyConstants kTimedVolley8 =
    Fives(kSlantedFivesOf200, 60.0f, 60.0f, 83.0f, 90.0f, 110.0f, -90.0f, false);
constexpr TimedVolleyConstants kTimedVolley9 =
    Fives(kFivesOf720, -120.0f, 30.0f, 53.0f, 60.0f, 280.0f, 0.0f, false);
constexpr TimedVolleyConstants kTimedVolley10 =
    Fives(kFivesOf720, 120.0f, 30.0f, 53.0f, 60.0f, 280.0f, 0.0f, false);

constexpr PairedDropShotConsts kPairedDropShot1 =
    Drops(scene5BossPairedDropShot1Pool, 0.0f, 0.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot2 =
    Drops(scene5BossPairedDropShot2Pool, -30.0f, -90.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot3 =
    Drops(scene5BossPairedDropShot3Pool, 30.0f, -90.0f, 140.0f, kPairDrift);
constexpr PairedDropShotConsts kPairedDropShot4 =
    Drops(scene5BossPairedDropShot4Pool, 0.0f, 0.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot5 =
    Drops(scene5BossPairedDropShot5Pool, -50.0f, -50.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot6 =
    Drops(scene5BossPairedDropShot6Pool, 50.0f, -50.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot7 =
    Drops(scene5BossPairedDropShot7Pool, -80.0f, -90.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot8 =
    Drops(scene5BossPairedDropShot8Pool, 80.0f, -90.0f, 120.0f, kThreeDrift);
constexpr PairedDropShotConsts kPairedDropShot9 =
    Drops(scene5BossPairedDropShot9Pool, 0.0f, 0.0f, 110.0f, kFourDrift);

} // namespace

void Scene5Boss_TimedVolley1_Schedule() { TimedVolley_Schedule(kTimedVolley1, scene5BossTimedVolley1Pool); }
void Scene5Boss_TimedVolley1_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley1, scene5BossTimedVolley1Pool, i, base);
}
void Scene5Boss_TimedVolley1_Move() { TimedVolley_Move(kTimedVolley1, scene5BossTimedVolley1Pool); }
void Scene5Boss_TimedVolley1_Draw() { TimedVolley_Draw(kTimedVolley1, scene5BossTimedVolley1Pool); }

void Scene5Boss_TimedVolley2_Schedule() { TimedVolley_Schedule(kTimedVolley2, scene5BossTimedVolley2Pool); }
void Scene5Boss_TimedVolley2_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley2, scene5BossTimedVolley2Pool, i, base);
}
void Scene5Boss_TimedVolley2_Move() { TimedVolley_Move(kTimedVolley2, scene5BossTimedVolley2Pool); }
void Scene5Boss_TimedVolley2_Draw() { TimedVolley_Draw(kTimedVolley2, scene5BossTimedVolley2Pool); }

void Scene5Boss_TimedVolley3_Schedule() { TimedVolley_Schedule(kTimedVolley3, scene5BossTimedVolley3Pool); }
void Scene5Boss_TimedVolley3_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley3, scene5BossTimedVolley3Pool, i, base);
}
void Scene5Boss_TimedVolley3_Move() { TimedVolley_Move(kTimedVolley3, scene5BossTimedVolley3Pool); }
void Scene5Boss_TimedVolley3_Draw() { TimedVolley_Draw(kTimedVolley3, scene5BossTimedVolley3Pool); }

void Scene5Boss_TimedVolley4_Schedule() { TimedVolley_Schedule(kTimedVolley4, scene5BossTimedVolley4Pool); }
void Scene5Boss_TimedVolley4_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley4, scene5BossTimedVolley4Pool, i, base);
}
void Scene5Boss_TimedVolley4_Move() { TimedVolley_Move(kTimedVolley4, scene5BossTimedVolley4Pool); }
void Scene5Boss_TimedVolley4_Draw() { TimedVolley_Draw(kTimedVolley4, scene5BossTimedVolley4Pool); }

void Scene5Boss_TimedVolley5_Schedule() { TimedVolley_Schedule(kTimedVolley5, scene5BossTimedVolley5Pool); }
void Scene5Boss_TimedVolley5_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley5, scene5BossTimedVolley5Pool, i, base);
}
void Scene5Boss_TimedVolley5_Move() { TimedVolley_Move(kTimedVolley5, scene5BossTimedVolley5Pool); }
void Scene5Boss_TimedVolley5_Draw() { TimedVolley_Draw(kTimedVolley5, scene5BossTimedVolley5Pool); }

void Scene5Boss_TimedVolley6_Schedule() { TimedVolley_Schedule(kTimedVolley6, scene5BossTimedVolley6Pool); }
void Scene5Boss_TimedVolley6_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley6, scene5BossTimedVolley6Pool, i, base);
}
void Scene5Boss_TimedVolley6_Move() { TimedVolley_Move(kTimedVolley6, scene5BossTimedVolley6Pool); }
void Scene5Boss_TimedVolley6_Draw() { TimedVolley_Draw(kTimedVolley6, scene5BossTimedVolley6Pool); }

void Scene5Boss_TimedVolley7_Schedule() { TimedVolley_Schedule(kTimedVolley7, scene5BossTimedVolley7Pool); }
void Scene5Boss_TimedVolley7_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley7, scene5BossTimedVolley7Pool, i, base);
}
void Scene5Boss_TimedVolley7_Move() { TimedVolley_Move(kTimedVolley7, scene5BossTimedVolley7Pool); }
void Scene5Boss_TimedVolley7_Draw() { TimedVolley_Draw(kTimedVolley7, scene5BossTimedVolley7Pool); }

void Scene5Boss_TimedVolley8_Schedule() { TimedVolley_Schedule(kTimedVolley8, scene5BossTimedVolley8Pool); }
void Scene5Boss_TimedVolley8_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley8, scene5BossTimedVolley8Pool, i, base);
}
void Scene5Boss_TimedVolley8_Move() { TimedVolley_Move(kTimedVolley8, scene5BossTimedVolley8Pool); }
void Scene5Boss_TimedVolley8_Draw() { TimedVolley_Draw(kTimedVolley8, scene5BossTimedVolley8Pool); }

void Scene5Boss_TimedVolley9_Schedule() { TimedVolley_Schedule(kTimedVolley9, scene5BossTimedVolley9Pool); }
void Scene5Boss_TimedVolley9_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley9, scene5BossTimedVolley9Pool, i, base);
}
void Scene5Boss_TimedVolley9_Move() { TimedVolley_Move(kTimedVolley9, scene5BossTimedVolley9Pool); }
void Scene5Boss_TimedVolley9_Draw() { TimedVolley_Draw(kTimedVolley9, scene5BossTimedVolley9Pool); }

void Scene5Boss_TimedVolley10_Schedule() {
    TimedVolley_Schedule(kTimedVolley10, scene5BossTimedVolley10Pool);
}
void Scene5Boss_TimedVolley10_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley10, scene5BossTimedVolley10Pool, i, base);
}
void Scene5Boss_TimedVolley10_Move() { TimedVolley_Move(kTimedVolley10, scene5BossTimedVolley10Pool); }
void Scene5Boss_TimedVolley10_Draw() { TimedVolley_Draw(kTimedVolley10, scene5BossTimedVolley10Pool); }

void Scene5Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kPairedDropShot1); }
void Scene5Boss_PairedDropShot1_Move() { PairedDropShot_Move(kPairedDropShot1); }
void Scene5Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kPairedDropShot1); }

void Scene5Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kPairedDropShot2); }
void Scene5Boss_PairedDropShot2_Move() { PairedDropShot_Move(kPairedDropShot2); }
void Scene5Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kPairedDropShot2); }

void Scene5Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kPairedDropShot3); }
void Scene5Boss_PairedDropShot3_Move() { PairedDropShot_Move(kPairedDropShot3); }
void Scene5Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kPairedDropShot3); }

void Scene5Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kPairedDropShot4); }
void Scene5Boss_PairedDropShot4_Move() { PairedDropShot_Move(kPairedDropShot4); }
void Scene5Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kPairedDropShot4); }

void Scene5Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kPairedDropShot5); }
void Scene5Boss_PairedDropShot5_Move() { PairedDropShot_Move(kPairedDropShot5); }
void Scene5Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kPairedDropShot5); }

void Scene5Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kPairedDropShot6); }
void Scene5Boss_PairedDropShot6_Move() { PairedDropShot_Move(kPairedDropShot6); }
void Scene5Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kPairedDropShot6); }

void Scene5Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kPairedDropShot7); }
void Scene5Boss_PairedDropShot7_Move() { PairedDropShot_Move(kPairedDropShot7); }
void Scene5Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kPairedDropShot7); }

void Scene5Boss_PairedDropShot8_Spawn() { PairedDropShot_Spawn(kPairedDropShot8); }
void Scene5Boss_PairedDropShot8_Move() { PairedDropShot_Move(kPairedDropShot8); }
void Scene5Boss_PairedDropShot8_Draw() { PairedDropShot_Draw(kPairedDropShot8); }

void Scene5Boss_PairedDropShot9_Spawn() { PairedDropShot_Spawn(kPairedDropShot9); }
void Scene5Boss_PairedDropShot9_Move() { PairedDropShot_Move(kPairedDropShot9); }
void Scene5Boss_PairedDropShot9_Draw() { PairedDropShot_Draw(kPairedDropShot9); }
