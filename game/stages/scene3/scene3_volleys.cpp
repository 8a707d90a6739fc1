#include "game/bosses/spread_volley_trail.h"
#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene3Boss.x, &scene3Boss.y};
constexpr KillBox kLargeShotBox = {0.0f, 20.0f, 0.0f, 20.0f};
constexpr KillBox kGlowShotBox = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr KillBox kWidePairBox = {-10.0f, 30.0f, 0.0f, 30.0f};

// --- Timed volleys ----------------------------------------------------------

constexpr GroupSchedule kThreesOf230 = {230, {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}};
// Pairs 8 and 9 are due at 150 and 160, which the tick never holds: the wrap
// to 0 comes first, so records 16 to 19 never fly.
constexpr GroupSchedule kPairsOf150 = {150, {10, 20, 30, 70, 80, 90, 130, 140, 150, 160}};
constexpr GroupSchedule kFivesOf230 = {230, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}};
constexpr GroupSchedule kFivesOf860 = {860, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}};
constexpr GroupSchedule kFivesOf260 = {260, {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}};
static_assert(CoversGroups(kThreesOf230, 10) && CoversGroups(kPairsOf140, 10) &&
              CoversGroups(kPairsOf150, 10) && CoversGroups(kFivesOf230, 10) &&
              CoversGroups(kFivesOf860, 10) && CoversGroups(kFivesOf260, 10));

// Threes leave one above the other and spread to one side as they fall. A
// launch sets the height of all three, flying or not.
constexpr TimedVolleyConstants SpreadingThrees(float x, float sign, int32_t firstCell) {
    return {
        .owner = kBoss,
        .width = 3,
        .schedule = kThreesOf230,
        .x = {x},
        .yWrite = VolleyY::Group,
        .yOffset = {90.0f, 113.0f, 120.0f},
        .drift = {30.0f * sign, 105.0f * sign, 165.0f * sign},
        .fall = 190.0f,
        .testsClear = false, // they fly on through a bomb
        .box = kLargeShotBox,
        .image = &imgVAL405,
        .blit = VolleyBlit::Keyed,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {firstCell, firstCell + 40, firstCell + 80},
    };
}

// Pairs 160 pixels apart under the middle of the boss.
constexpr TimedVolleyConstants NarrowPairs(float fall) {
    return {
        .owner = kBoss,
        .width = 2,
        .schedule = kPairsOf150,
        .xWrite = VolleyX::Pair,
        .x = {230.0f, -80.0f},
        .xRight = {230.0f, 80.0f},
        .yOffset = {130.0f, 130.0f},
        .fall = fall,
        .box = kLargeShotBox,
        .image = &imgVAL405,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {120, 120},
    };
}

// Arches of five from one point, the middle lowest, opening into a fan. A
// launch places only its own record, so a partner still flying stays where
// it is.
constexpr TimedVolleyConstants BigArch(float dx, const GroupSchedule& schedule) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = schedule,
        .x = {230.0f, dx},
        .yOffset = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = 120.0f,
        .box = kLargeShotBox,
        .image = &imgVAL402,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {0, 40, 80, 120, 160},
    };
}

// --- Big fans ---------------------------------------------------------------

constexpr GroupSchedule kFansOf260 = {260, {40, 80, 120, 160, 200}};
static_assert(CoversGroups(kFansOf260, 5));

constexpr BigFanVolleyConstants BossFan(float x, int32_t width) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {130.0f},
        .aim = 10.0f,
        .speed = 220.0f,
        .width = width,
        .centre = (width - 1) / 2,
        .schedule = kFansOf260,
        .draw = BigFanDraw::RotatedLarge,
        .image = &imgVAL40L2,
        .cell = 39,
        .cells = 1,
        .margin = 40.0f,
        .box = kWidePairBox,
    };
}

// --- Ring bursts ------------------------------------------------------------

constexpr GroupSchedule kRingsOf200 = {200, {30, 50, 90, 110, 130, 150}};
static_assert(CoversGroups(kRingsOf200, 6));

constexpr AimedRingBurstConstants BossRing(float x) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {130.0f},
        .speed = 140.0f,
        .aim = 20.0f,
        .ringSize = 12,
        .step = kPatternTwoPi / 12.0,
        .schedule = kRingsOf200,
        .look = {&imgVAL2024, 20, 24, 20.0f, kGlowShotBox},
    };
}

constexpr TimedVolleyConstants kScene3BossTimedVolley1 = SpreadingThrees(110.0f, 1.0f, 160);
constexpr TimedVolleyConstants kScene3BossTimedVolley2 = SpreadingThrees(350.0f, -1.0f, 0);
constexpr TimedVolleyConstants kScene3BossTimedVolley3 = WidePairs(kBoss, 90.0f, 370.0f, 180.0f);
constexpr TimedVolleyConstants kScene3BossTimedVolley4 = WidePairs(kBoss, 60.0f, 400.0f, 160.0f);
constexpr TimedVolleyConstants kScene3BossTimedVolley5 = NarrowPairs(280.0f);
// The two shots of a pair part at 120 pixels per second each, in two cells,
// and every frame lays each of them on 20 times over.
constexpr TimedVolleyConstants kScene3BossTimedVolley6 = {
    .owner = kBoss,
    .width = 2,
    .schedule = kPairsOf150,
    .xWrite = VolleyX::Pair,
    .x = {230.0f, -80.0f},
    .xRight = {230.0f, 80.0f},
    .yOffset = {130.0f, 130.0f},
    .drift = {-120.0f, 120.0f},
    .fall = 250.0f,
    .box = kLargeShotBox,
    .image = &imgVAL405,
    .cellW = 40,
    .cellH = 40,
    .cellLeft = {80, 160},
    .passes = 20,
};
// The small glowing arch from the middle.
constexpr TimedVolleyConstants kScene3BossTimedVolley7 = {
    .owner = kBoss,
    .width = 5,
    .schedule = kFivesOf230,
    .x = {240.0f},
    .yOffset = {110.0f, 133.0f, 140.0f, 133.0f, 110.0f},
    .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
    .fall = 130.0f,
    .box = kGlowShotBox,
    .image = &imgVAL2024,
    .cellW = 20,
    .cellH = 20,
    .animCells = 24,
};
constexpr TimedVolleyConstants kScene3BossTimedVolley8 = BigArch(-30.0f, kFivesOf860);
constexpr TimedVolleyConstants kScene3BossTimedVolley9 = BigArch(30.0f, kFivesOf860);
constexpr TimedVolleyConstants kScene3BossTimedVolley10 = BigArch(-120.0f, kFivesOf260);
constexpr TimedVolleyConstants kScene3BossTimedVolley11 = BigArch(120.0f, kFivesOf260);

constexpr BigFanVolleyConstants kScene3BossBigFanVolley1 = BossFan(130.0f, 3);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley2 = BossFan(330.0f, 3);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley3 = BossFan(110.0f, 7);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley4 = BossFan(330.0f, 7);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley5 = BossFan(230.0f, 11);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley6 = BossFan(100.0f, 11);
constexpr BigFanVolleyConstants kScene3BossBigFanVolley7 = BossFan(330.0f, 11);

constexpr AimedRingBurstConstants kScene3BossAimedRingBurst1 = BossRing(140.0f);
constexpr AimedRingBurstConstants kScene3BossAimedRingBurst2 = BossRing(340.0f);

constexpr SpreadVolleyTrailConsts kScene3BossSpreadVolleyTrail1 = {
    &scene3Boss, scene3BossSpreadVolleyTrail1Pool, {240.0f, -120.0f}, 100.0f};
constexpr SpreadVolleyTrailConsts kScene3BossSpreadVolleyTrail2 = {
    &scene3Boss, scene3BossSpreadVolleyTrail2Pool, {240.0f, 120.0f}, 100.0f};

} // namespace

void Scene3Boss_TimedVolley1_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley1, scene3BossTimedVolley1Pool);
}
void Scene3Boss_TimedVolley1_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley1, scene3BossTimedVolley1Pool, i, base);
}
void Scene3Boss_TimedVolley1_Move() { TimedVolley_Move(kScene3BossTimedVolley1, scene3BossTimedVolley1Pool); }
void Scene3Boss_TimedVolley1_Draw() { TimedVolley_Draw(kScene3BossTimedVolley1, scene3BossTimedVolley1Pool); }

void Scene3Boss_TimedVolley2_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley2, scene3BossTimedVolley2Pool);
}
void Scene3Boss_TimedVolley2_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley2, scene3BossTimedVolley2Pool, i, base);
}
void Scene3Boss_TimedVolley2_Move() { TimedVolley_Move(kScene3BossTimedVolley2, scene3BossTimedVolley2Pool); }
void Scene3Boss_TimedVolley2_Draw() { TimedVolley_Draw(kScene3BossTimedVolley2, scene3BossTimedVolley2Pool); }

void Scene3Boss_TimedVolley3_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley3, scene3BossTimedVolley3Pool);
}
void Scene3Boss_TimedVolley3_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley3, scene3BossTimedVolley3Pool, i, base);
}
void Scene3Boss_TimedVolley3_Move() { TimedVolley_Move(kScene3BossTimedVolley3, scene3BossTimedVolley3Pool); }
void Scene3Boss_TimedVolley3_Draw() { TimedVolley_Draw(kScene3BossTimedVolley3, scene3BossTimedVolley3Pool); }

void Scene3Boss_TimedVolley4_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley4, scene3BossTimedVolley4Pool);
}
void Scene3Boss_TimedVolley4_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley4, scene3BossTimedVolley4Pool, i, base);
}
void Scene3Boss_TimedVolley4_Move() { TimedVolley_Move(kScene3BossTimedVolley4, scene3BossTimedVolley4Pool); }
void Scene3Boss_TimedVolley4_Draw() { TimedVolley_Draw(kScene3BossTimedVolley4, scene3BossTimedVolley4Pool); }

void Scene3Boss_TimedVolley5_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley5, scene3BossTimedVolley5Pool);
}
void Scene3Boss_TimedVolley5_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley5, scene3BossTimedVolley5Pool, i, base);
}
void Scene3Boss_TimedVolley5_Move() { TimedVolley_Move(kScene3BossTimedVolley5, scene3BossTimedVolley5Pool); }
void Scene3Boss_TimedVolley5_Draw() { TimedVolley_Draw(kScene3BossTimedVolley5, scene3BossTimedVolley5Pool); }

void Scene3Boss_TimedVolley6_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley6, scene3BossTimedVolley6Pool);
}
void Scene3Boss_TimedVolley6_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley6, scene3BossTimedVolley6Pool, i, base);
}
void Scene3Boss_TimedVolley6_Move() { TimedVolley_Move(kScene3BossTimedVolley6, scene3BossTimedVolley6Pool); }
void Scene3Boss_TimedVolley6_Draw() { TimedVolley_Draw(kScene3BossTimedVolley6, scene3BossTimedVolley6Pool); }

void Scene3Boss_TimedVolley7_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley7, scene3BossTimedVolley7Pool);
}
void Scene3Boss_TimedVolley7_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley7, scene3BossTimedVolley7Pool, i, base);
}
void Scene3Boss_TimedVolley7_Move() { TimedVolley_Move(kScene3BossTimedVolley7, scene3BossTimedVolley7Pool); }
void Scene3Boss_TimedVolley7_Draw() { TimedVolley_Draw(kScene3BossTimedVolley7, scene3BossTimedVolley7Pool); }

void Scene3Boss_TimedVolley8_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley8, scene3BossTimedVolley8Pool);
}
void Scene3Boss_TimedVolley8_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley8, scene3BossTimedVolley8Pool, i, base);
}
void Scene3Boss_TimedVolley8_Move() { TimedVolley_Move(kScene3BossTimedVolley8, scene3BossTimedVolley8Pool); }
void Scene3Boss_TimedVolley8_Draw() { TimedVolley_Draw(kScene3BossTimedVolley8, scene3BossTimedVolley8Pool); }

void Scene3Boss_TimedVolley9_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley9, scene3BossTimedVolley9Pool);
}
void Scene3Boss_TimedVolley9_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley9, scene3BossTimedVolley9Pool, i, base);
}
void Scene3Boss_TimedVolley9_Move() { TimedVolley_Move(kScene3BossTimedVolley9, scene3BossTimedVolley9Pool); }
void Scene3Boss_TimedVolley9_Draw() { TimedVolley_Draw(kScene3BossTimedVolley9, scene3BossTimedVolley9Pool); }

void Scene3Boss_TimedVolley10_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley10, scene3BossTimedVolley10Pool);
}
void Scene3Boss_TimedVolley10_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley10, scene3BossTimedVolley10Pool, i, base);
}
void Scene3Boss_TimedVolley10_Move() {
    TimedVolley_Move(kScene3BossTimedVolley10, scene3BossTimedVolley10Pool);
}
void Scene3Boss_TimedVolley10_Draw() {
    TimedVolley_Draw(kScene3BossTimedVolley10, scene3BossTimedVolley10Pool);
}

void Scene3Boss_TimedVolley11_Schedule() {
    TimedVolley_Schedule(kScene3BossTimedVolley11, scene3BossTimedVolley11Pool);
}
void Scene3Boss_TimedVolley11_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene3BossTimedVolley11, scene3BossTimedVolley11Pool, i, base);
}
void Scene3Boss_TimedVolley11_Move() {
    TimedVolley_Move(kScene3BossTimedVolley11, scene3BossTimedVolley11Pool);
}
void Scene3Boss_TimedVolley11_Draw() {
    TimedVolley_Draw(kScene3BossTimedVolley11, scene3BossTimedVolley11Pool);
}

void Scene3Boss_BigFanVolley1_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley1, scene3BossBigFanVolley1Pool);
}
void Scene3Boss_BigFanVolley1_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley1, scene3BossBigFanVolley1Pool, i, base);
}
void Scene3Boss_BigFanVolley1_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley1, scene3BossBigFanVolley1Pool);
}
void Scene3Boss_BigFanVolley1_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley1, scene3BossBigFanVolley1Pool);
}

void Scene3Boss_BigFanVolley2_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley2, scene3BossBigFanVolley2Pool);
}
void Scene3Boss_BigFanVolley2_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley2, scene3BossBigFanVolley2Pool, i, base);
}
void Scene3Boss_BigFanVolley2_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley2, scene3BossBigFanVolley2Pool);
}
void Scene3Boss_BigFanVolley2_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley2, scene3BossBigFanVolley2Pool);
}

void Scene3Boss_BigFanVolley3_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley3, scene3BossBigFanVolley3Pool);
}
void Scene3Boss_BigFanVolley3_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley3, scene3BossBigFanVolley3Pool, i, base);
}
void Scene3Boss_BigFanVolley3_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley3, scene3BossBigFanVolley3Pool);
}
void Scene3Boss_BigFanVolley3_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley3, scene3BossBigFanVolley3Pool);
}

void Scene3Boss_BigFanVolley4_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley4, scene3BossBigFanVolley4Pool);
}
void Scene3Boss_BigFanVolley4_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley4, scene3BossBigFanVolley4Pool, i, base);
}
void Scene3Boss_BigFanVolley4_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley4, scene3BossBigFanVolley4Pool);
}
void Scene3Boss_BigFanVolley4_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley4, scene3BossBigFanVolley4Pool);
}

void Scene3Boss_BigFanVolley5_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley5, scene3BossBigFanVolley5Pool);
}
void Scene3Boss_BigFanVolley5_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley5, scene3BossBigFanVolley5Pool, i, base);
}
void Scene3Boss_BigFanVolley5_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley5, scene3BossBigFanVolley5Pool);
}
void Scene3Boss_BigFanVolley5_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley5, scene3BossBigFanVolley5Pool);
}

void Scene3Boss_BigFanVolley6_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley6, scene3BossBigFanVolley6Pool);
}
void Scene3Boss_BigFanVolley6_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley6, scene3BossBigFanVolley6Pool, i, base);
}
void Scene3Boss_BigFanVolley6_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley6, scene3BossBigFanVolley6Pool);
}
void Scene3Boss_BigFanVolley6_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley6, scene3BossBigFanVolley6Pool);
}

void Scene3Boss_BigFanVolley7_Schedule() {
    BigFanVolley_Schedule(kScene3BossBigFanVolley7, scene3BossBigFanVolley7Pool);
}
void Scene3Boss_BigFanVolley7_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kScene3BossBigFanVolley7, scene3BossBigFanVolley7Pool, i, base);
}
void Scene3Boss_BigFanVolley7_Move() {
    BigFanVolley_Move(kScene3BossBigFanVolley7, scene3BossBigFanVolley7Pool);
}
void Scene3Boss_BigFanVolley7_Draw() {
    BigFanVolley_Draw(kScene3BossBigFanVolley7, scene3BossBigFanVolley7Pool);
}

void Scene3Boss_AimedRingBurst1_Schedule() {
    AimedRingBurst_Schedule(kScene3BossAimedRingBurst1, scene3BossAimedRingBurst1Pool);
}
void Scene3Boss_AimedRingBurst1_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kScene3BossAimedRingBurst1, scene3BossAimedRingBurst1Pool, i);
}
void Scene3Boss_AimedRingBurst1_Move() {
    AimedRingBurst_Move(kScene3BossAimedRingBurst1, scene3BossAimedRingBurst1Pool);
}
void Scene3Boss_AimedRingBurst1_Draw() {
    AimedRingBurst_Draw(kScene3BossAimedRingBurst1, scene3BossAimedRingBurst1Pool);
}

void Scene3Boss_AimedRingBurst2_Schedule() {
    AimedRingBurst_Schedule(kScene3BossAimedRingBurst2, scene3BossAimedRingBurst2Pool);
}
void Scene3Boss_AimedRingBurst2_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kScene3BossAimedRingBurst2, scene3BossAimedRingBurst2Pool, i);
}
void Scene3Boss_AimedRingBurst2_Move() {
    AimedRingBurst_Move(kScene3BossAimedRingBurst2, scene3BossAimedRingBurst2Pool);
}
void Scene3Boss_AimedRingBurst2_Draw() {
    AimedRingBurst_Draw(kScene3BossAimedRingBurst2, scene3BossAimedRingBurst2Pool);
}

void Scene3Boss_SpreadVolleyTrail1_Schedule() { SpreadVolleyTrail_Schedule(kScene3BossSpreadVolleyTrail1); }
void Scene3Boss_SpreadVolleyTrail1_Launch(int32_t i, int32_t g) {
    SpreadVolleyTrail_Launch(kScene3BossSpreadVolleyTrail1, i, g);
}
void Scene3Boss_SpreadVolleyTrail1_Move() { SpreadVolleyTrail_Move(kScene3BossSpreadVolleyTrail1); }
void Scene3Boss_SpreadVolleyTrail1_Draw() { SpreadVolleyTrail_Draw(kScene3BossSpreadVolleyTrail1); }

void Scene3Boss_SpreadVolleyTrail2_Schedule() { SpreadVolleyTrail_Schedule(kScene3BossSpreadVolleyTrail2); }
void Scene3Boss_SpreadVolleyTrail2_Launch(int32_t i, int32_t g) {
    SpreadVolleyTrail_Launch(kScene3BossSpreadVolleyTrail2, i, g);
}
void Scene3Boss_SpreadVolleyTrail2_Move() { SpreadVolleyTrail_Move(kScene3BossSpreadVolleyTrail2); }
void Scene3Boss_SpreadVolleyTrail2_Draw() { SpreadVolleyTrail_Draw(kScene3BossSpreadVolleyTrail2); }
