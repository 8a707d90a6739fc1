#include "game/bosses/straight_drop_stream.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene8Boss.x, &scene8Boss.y};

// --- Timed volleys ----------------------------------------------------------

// Ten pairs a 140-call cycle, with longer pauses after the fifth and the tenth.
constexpr GroupSchedule kFivesOf360 = {360, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
constexpr GroupSchedule kFivesOf350 = {350, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
constexpr GroupSchedule kFivesOf900 = {900, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}};
static_assert(CoversGroups(kPairsOf140, 10) && CoversGroups(kFivesOf360, 10) &&
              CoversGroups(kFivesOf350, 10) && CoversGroups(kFivesOf900, 10));

// Pairs of large shots either side of the boss's middle (210 +- spread).
constexpr TimedVolleyConstants Pairs(float spread, float height) {
    return {
        .owner = kBoss,
        .width = 2,
        .schedule = kPairsOf140,
        .xWrite = VolleyX::Pair,
        .x = {210.0f, -spread},
        .xRight = {210.0f, spread},
        .yOffset = {height, height},
        .fall = 200.0f,
        .box = {-10.0f, 30.0f, 0.0f, 30.0f},
        .image = &imgVAL405,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {120, 120},
    };
}

enum class Look { Animated, Still };

// Arches of five, middle lowest, that open into a fan as they fall.
constexpr TimedVolleyConstants Fives(OffsetTerms x, float a, float b, float c, const GroupSchedule& schedule,
                                     float fall, Look look) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = x,
        .yOffset = {a, b, c, b, a},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = fall,
        .box = {10.0f, 30.0f, 20.0f, 30.0f},
        .image = look == Look::Animated ? &imgVAL2024 : &imgVALL20,
        .cellW = 20,
        .cellH = 20,
        .animCells = look == Look::Animated ? 24 : 0,
    };
}

constexpr TimedVolleyConstants kTimedVolley1 = Pairs(97.0f, 200.0f);
constexpr TimedVolleyConstants kTimedVolley2 = Pairs(147.0f, 180.0f);
constexpr TimedVolleyConstants kTimedVolley3 =
    Fives({220.0f, 0.0f}, 110.0f, 133.0f, 140.0f, kFivesOf360, 230.0f, Look::Animated);
constexpr TimedVolleyConstants kTimedVolley4 =
    Fives({220.0f, -50.0f}, 90.0f, 113.0f, 120.0f, kFivesOf350, 90.0f, Look::Animated);
constexpr TimedVolleyConstants kTimedVolley5 =
    Fives({220.0f, 50.0f}, 90.0f, 113.0f, 120.0f, kFivesOf350, 90.0f, Look::Animated);
constexpr TimedVolleyConstants kTimedVolley6 =
    Fives({220.0f, -60.0f, -20.0f}, 170.0f, 193.0f, 200.0f, kFivesOf900, 120.0f, Look::Still);
constexpr TimedVolleyConstants kTimedVolley7 =
    Fives({220.0f, 60.0f, 20.0f}, 170.0f, 193.0f, 200.0f, kFivesOf900, 120.0f, Look::Still);

// --- Drop streams -----------------------------------------------------------

// Columns under the boss's two sides (1, 2), and two that start near its
// edges and cross as they fall (3, 4).
constexpr StraightDropStreamConsts kStraightDropStream1 = {
    .boss = &scene8Boss,
    .pool = scene8BossStraightDropStream1Pool,
    .launchX = 20.0f,
    .launchY = 110.0f,
    .fallSpeed = 150.0f,
    .xSpeed = 0.0f,
    .hitBox = {-50.0f, 30.0f, -80.0f, 30.0f},
    .image = &imgVALARM31,
    .cellW = 80,
    .cellH = 120,
};
constexpr StraightDropStreamConsts kStraightDropStream2 = {
    .boss = &scene8Boss,
    .pool = scene8BossStraightDropStream2Pool,
    .launchX = 360.0f,
    .launchY = 110.0f,
    .fallSpeed = 150.0f,
    .xSpeed = 0.0f,
    .hitBox = {-50.0f, 30.0f, -80.0f, 30.0f},
    .image = &imgVALARM32,
    .cellW = 80,
    .cellH = 120,
};
constexpr StraightDropStreamConsts kStraightDropStream3 = {
    .boss = &scene8Boss,
    .pool = scene8BossStraightDropStream3Pool,
    .launchX = 38.0f,
    .launchY = 30.0f,
    .fallSpeed = 150.0f,
    .xSpeed = 150.0f,
    .hitBox = {-90.0f, 30.0f, -80.0f, 30.0f},
    .image = &imgVALARM33,
    .cellW = 120,
    .cellH = 120,
};
constexpr StraightDropStreamConsts kStraightDropStream4 = {
    .boss = &scene8Boss,
    .pool = scene8BossStraightDropStream4Pool,
    .launchX = 342.0f,
    .launchY = 30.0f,
    .fallSpeed = 150.0f,
    .xSpeed = -150.0f,
    .hitBox = {-90.0f, 30.0f, -80.0f, 30.0f},
    .image = &imgVALARM34,
    .cellW = 120,
    .cellH = 120,
};

} // namespace

void Scene8Boss_TimedVolley1_Schedule() { TimedVolley_Schedule(kTimedVolley1, scene8BossTimedVolley1Pool); }
void Scene8Boss_TimedVolley1_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley1, scene8BossTimedVolley1Pool, i, base);
}
void Scene8Boss_TimedVolley1_Move() { TimedVolley_Move(kTimedVolley1, scene8BossTimedVolley1Pool); }
void Scene8Boss_TimedVolley1_Draw() { TimedVolley_Draw(kTimedVolley1, scene8BossTimedVolley1Pool); }

void Scene8Boss_TimedVolley2_Schedule() { TimedVolley_Schedule(kTimedVolley2, scene8BossTimedVolley2Pool); }
void Scene8Boss_TimedVolley2_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley2, scene8BossTimedVolley2Pool, i, base);
}
void Scene8Boss_TimedVolley2_Move() { TimedVolley_Move(kTimedVolley2, scene8BossTimedVolley2Pool); }
void Scene8Boss_TimedVolley2_Draw() { TimedVolley_Draw(kTimedVolley2, scene8BossTimedVolley2Pool); }

void Scene8Boss_TimedVolley3_Schedule() { TimedVolley_Schedule(kTimedVolley3, scene8BossTimedVolley3Pool); }
void Scene8Boss_TimedVolley3_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley3, scene8BossTimedVolley3Pool, i, base);
}
void Scene8Boss_TimedVolley3_Move() { TimedVolley_Move(kTimedVolley3, scene8BossTimedVolley3Pool); }
void Scene8Boss_TimedVolley3_Draw() { TimedVolley_Draw(kTimedVolley3, scene8BossTimedVolley3Pool); }

void Scene8Boss_TimedVolley4_Schedule() { TimedVolley_Schedule(kTimedVolley4, scene8BossTimedVolley4Pool); }
void Scene8Boss_TimedVolley4_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley4, scene8BossTimedVolley4Pool, i, base);
}
void Scene8Boss_TimedVolley4_Move() { TimedVolley_Move(kTimedVolley4, scene8BossTimedVolley4Pool); }
void Scene8Boss_TimedVolley4_Draw() { TimedVolley_Draw(kTimedVolley4, scene8BossTimedVolley4Pool); }

void Scene8Boss_TimedVolley5_Schedule() { TimedVolley_Schedule(kTimedVolley5, scene8BossTimedVolley5Pool); }
void Scene8Boss_TimedVolley5_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley5, scene8BossTimedVolley5Pool, i, base);
}
void Scene8Boss_TimedVolley5_Move() { TimedVolley_Move(kTimedVolley5, scene8BossTimedVolley5Pool); }
void Scene8Boss_TimedVolley5_Draw() { TimedVolley_Draw(kTimedVolley5, scene8BossTimedVolley5Pool); }

void Scene8Boss_TimedVolley6_Schedule() { TimedVolley_Schedule(kTimedVolley6, scene8BossTimedVolley6Pool); }
void Scene8Boss_TimedVolley6_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley6, scene8BossTimedVolley6Pool, i, base);
}
void Scene8Boss_TimedVolley6_Move() { TimedVolley_Move(kTimedVolley6, scene8BossTimedVolley6Pool); }
void Scene8Boss_TimedVolley6_Draw() { TimedVolley_Draw(kTimedVolley6, scene8BossTimedVolley6Pool); }

void Scene8Boss_TimedVolley7_Schedule() { TimedVolley_Schedule(kTimedVolley7, scene8BossTimedVolley7Pool); }
void Scene8Boss_TimedVolley7_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kTimedVolley7, scene8BossTimedVolley7Pool, i, base);
}
void Scene8Boss_TimedVolley7_Move() { TimedVolley_Move(kTimedVolley7, scene8BossTimedVolley7Pool); }
void Scene8Boss_TimedVolley7_Draw() { TimedVolley_Draw(kTimedVolley7, scene8BossTimedVolley7Pool); }

void Scene8Boss_StraightDropStream1_Schedule() { StraightDropStream_Schedule(kStraightDropStream1); }
void Scene8Boss_StraightDropStream1_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream1, i, k);
}
void Scene8Boss_StraightDropStream1_Move() { StraightDropStream_Move(kStraightDropStream1); }
void Scene8Boss_StraightDropStream1_Draw() { StraightDropStream_Draw(kStraightDropStream1); }

void Scene8Boss_StraightDropStream2_Schedule() { StraightDropStream_Schedule(kStraightDropStream2); }
void Scene8Boss_StraightDropStream2_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream2, i, k);
}
void Scene8Boss_StraightDropStream2_Move() { StraightDropStream_Move(kStraightDropStream2); }
void Scene8Boss_StraightDropStream2_Draw() { StraightDropStream_Draw(kStraightDropStream2); }

void Scene8Boss_StraightDropStream3_Schedule() { StraightDropStream_Schedule(kStraightDropStream3); }
void Scene8Boss_StraightDropStream3_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream3, i, k);
}
void Scene8Boss_StraightDropStream3_Move() { StraightDropStream_Move(kStraightDropStream3); }
void Scene8Boss_StraightDropStream3_Draw() { StraightDropStream_Draw(kStraightDropStream3); }

void Scene8Boss_StraightDropStream4_Schedule() { StraightDropStream_Schedule(kStraightDropStream4); }
void Scene8Boss_StraightDropStream4_Spawn(int32_t i, int32_t k) {
    StraightDropStream_FireOne(kStraightDropStream4, i, k);
}
void Scene8Boss_StraightDropStream4_Move() { StraightDropStream_Move(kStraightDropStream4); }
void Scene8Boss_StraightDropStream4_Draw() { StraightDropStream_Draw(kStraightDropStream4); }
