#include "game/bosses/paired_drop_shot.h"
#include "game/bosses/spread_volley_trail.h"
#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/timed_volley.h"
#include "game/stages/scene7/lightning_chain.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene7/scene7_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene7Boss.x, &scene7Boss.y};
constexpr KillBox kGlowShotBox = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr KillBox kLargeShotBox = {0.0f, 20.0f, 0.0f, 20.0f};
constexpr KillBox kDropShotBox = {14.0f, 30.0f, 24.0f, 30.0f};

// --- Timed volleys ----------------------------------------------------------

constexpr GroupSchedule kFivesOf330 = {330, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
constexpr GroupSchedule kFivesOf860 = {860, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}};
static_assert(CoversGroups(kPairsOf140, 10) && CoversGroups(kFivesOf330, 10) &&
              CoversGroups(kFivesOf860, 10));

// Arches of five from one column, the middle lowest, each shot in its own
// cell; the outer shots part fastest. A launch places only its own record.
constexpr TimedVolleyConstants LargeArch(float x) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = kFivesOf860,
        .x = {x},
        .yOffset = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = 120.0f,
        .box = kLargeShotBox,
        .image = &imgVAL401,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {0, 40, 80, 120, 160},
    };
}

constexpr TimedVolleyConstants kScene7BossTimedVolley1 = WidePairs(kBoss, 110.0f, 310.0f, 200.0f);
constexpr TimedVolleyConstants kScene7BossTimedVolley2 = WidePairs(kBoss, 70.0f, 350.0f, 180.0f);
// The small glowing arch from the middle, on a 330-tick cycle.
constexpr TimedVolleyConstants kScene7BossTimedVolley3 = {
    .owner = kBoss,
    .width = 5,
    .schedule = kFivesOf330,
    .x = {220.0f},
    .yOffset = {110.0f, 133.0f, 140.0f, 133.0f, 110.0f},
    .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
    .fall = 130.0f,
    .box = kGlowShotBox,
    .image = &imgVAL2024,
    .cellW = 20,
    .cellH = 20,
    .animCells = 24,
};
constexpr TimedVolleyConstants kScene7BossTimedVolley4 = LargeArch(170.0f);
constexpr TimedVolleyConstants kScene7BossTimedVolley5 = LargeArch(250.0f);
constexpr TimedVolleyConstants kScene7BossTimedVolley6 = LargeArch(90.0f);
constexpr TimedVolleyConstants kScene7BossTimedVolley7 = LargeArch(330.0f);

// --- Ring bursts ------------------------------------------------------------

// Ten rings of thirty; the gaps at 90 and 270 leave pauses in the cycle.
constexpr GroupSchedule kRingsOf390 = {390, {30, 60, 120, 150, 180, 210, 240, 300, 330, 360}};
static_assert(CoversGroups(kRingsOf390, 10));

constexpr AimedRingBurstConstants kScene7BossAimedRingBurst1 = {
    .owner = kBoss,
    .offsetX = {220.0f},
    .offsetY = {190.0f},
    .speed = 100.0f,
    .aim = 20.0f,
    .ringSize = 30,
    .step = kPatternTwoPi / 30.0,
    .schedule = kRingsOf390,
    .look = {&imgVAL2024, 20, 24, 20.0f, kGlowShotBox},
};

// --- Spread volley trails ---------------------------------------------------

constexpr SpreadVolleyTrailConsts kScene7BossSpreadVolleyTrail1 = {
    &scene7Boss, scene7BossSpreadVolleyTrail1Pool, {120.0f}, 200.0f};
constexpr SpreadVolleyTrailConsts kScene7BossSpreadVolleyTrail2 = {
    &scene7Boss, scene7BossSpreadVolleyTrail2Pool, {320.0f}, 100.0f};

// --- Lightning chains -------------------------------------------------------

constexpr float kTurn12 = float(kPatternPi / 15.0);
constexpr float kTurn24 = float(2.0 * kPatternPi / 15.0);
constexpr float kTurn36 = float(kPatternPi / 5.0);

constexpr LightningChainConsts kScene7BossLightningChain1 = {&scene7Boss, scene7BossLightningChain1Pool,
                                                             -kTurn12};
constexpr LightningChainConsts kScene7BossLightningChain2 = {&scene7Boss, scene7BossLightningChain2Pool,
                                                             kTurn12};
constexpr LightningChainConsts kScene7BossLightningChain3 = {&scene7Boss, scene7BossLightningChain3Pool,
                                                             -kTurn24};
constexpr LightningChainConsts kScene7BossLightningChain4 = {&scene7Boss, scene7BossLightningChain4Pool,
                                                             kTurn24};
constexpr LightningChainConsts kScene7BossLightningChain5 = {&scene7Boss, scene7BossLightningChain5Pool,
                                                             -kTurn36};
constexpr LightningChainConsts kScene7BossLightningChain6 = {&scene7Boss, scene7BossLightningChain6Pool,
                                                             kTurn36};

// --- Paired drop shots ------------------------------------------------------

// Drops of two (1 to 3), three (4 to 8) and four (9) small animated shots.
constexpr PairedDropShotConsts Drop(std::span<DropShot> pool, float x, float y, float fall, float d0,
                                    float d1, float d2, float d3) {
    return {
        .boss = &scene7Boss,
        .pool = pool,
        .launchX = x,
        .launchY = y,
        .fallSpeed = fall,
        .drift = {d0, d1, d2, d3},
        .driftEveryPass = false,
        .hitBox = kDropShotBox,
        .image = &imgVAL1,
        .cell = 16,
        .cells = 16,
    };
}

constexpr PairedDropShotConsts kScene7BossPairedDropShot1 =
    Drop(scene7BossPairedDropShot1Pool, 222.0f, 200.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot2 =
    Drop(scene7BossPairedDropShot2Pool, 182.0f, 110.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot3 =
    Drop(scene7BossPairedDropShot3Pool, 242.0f, 110.0f, 140.0f, -30.0f, 30.0f, 0.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot4 =
    Drop(scene7BossPairedDropShot4Pool, 222.0f, 200.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot5 =
    Drop(scene7BossPairedDropShot5Pool, 172.0f, 150.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot6 =
    Drop(scene7BossPairedDropShot6Pool, 272.0f, 150.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot7 =
    Drop(scene7BossPairedDropShot7Pool, 142.0f, 110.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot8 =
    Drop(scene7BossPairedDropShot8Pool, 302.0f, 110.0f, 120.0f, -39.0f, 0.0f, 39.0f, 0.0f);
constexpr PairedDropShotConsts kScene7BossPairedDropShot9 =
    Drop(scene7BossPairedDropShot9Pool, 222.0f, 200.0f, 110.0f, -28.0f, 28.0f, -80.0f, 80.0f);

} // namespace

void Scene7Boss_TimedVolley1_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley1, scene7BossTimedVolley1Pool);
}
void Scene7Boss_TimedVolley1_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley1, scene7BossTimedVolley1Pool, i, base);
}
void Scene7Boss_TimedVolley1_Move() { TimedVolley_Move(kScene7BossTimedVolley1, scene7BossTimedVolley1Pool); }
void Scene7Boss_TimedVolley1_Draw() { TimedVolley_Draw(kScene7BossTimedVolley1, scene7BossTimedVolley1Pool); }
void Scene7Boss_TimedVolley2_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley2, scene7BossTimedVolley2Pool);
}
void Scene7Boss_TimedVolley2_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley2, scene7BossTimedVolley2Pool, i, base);
}
void Scene7Boss_TimedVolley2_Move() { TimedVolley_Move(kScene7BossTimedVolley2, scene7BossTimedVolley2Pool); }
void Scene7Boss_TimedVolley2_Draw() { TimedVolley_Draw(kScene7BossTimedVolley2, scene7BossTimedVolley2Pool); }
void Scene7Boss_TimedVolley3_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley3, scene7BossTimedVolley3Pool);
}
void Scene7Boss_TimedVolley3_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley3, scene7BossTimedVolley3Pool, i, base);
}
void Scene7Boss_TimedVolley3_Move() { TimedVolley_Move(kScene7BossTimedVolley3, scene7BossTimedVolley3Pool); }
void Scene7Boss_TimedVolley3_Draw() { TimedVolley_Draw(kScene7BossTimedVolley3, scene7BossTimedVolley3Pool); }
void Scene7Boss_TimedVolley4_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley4, scene7BossTimedVolley4Pool);
}
void Scene7Boss_TimedVolley4_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley4, scene7BossTimedVolley4Pool, i, base);
}
void Scene7Boss_TimedVolley4_Move() { TimedVolley_Move(kScene7BossTimedVolley4, scene7BossTimedVolley4Pool); }
void Scene7Boss_TimedVolley4_Draw() { TimedVolley_Draw(kScene7BossTimedVolley4, scene7BossTimedVolley4Pool); }
void Scene7Boss_TimedVolley5_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley5, scene7BossTimedVolley5Pool);
}
void Scene7Boss_TimedVolley5_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley5, scene7BossTimedVolley5Pool, i, base);
}
void Scene7Boss_TimedVolley5_Move() { TimedVolley_Move(kScene7BossTimedVolley5, scene7BossTimedVolley5Pool); }
void Scene7Boss_TimedVolley5_Draw() { TimedVolley_Draw(kScene7BossTimedVolley5, scene7BossTimedVolley5Pool); }
void Scene7Boss_TimedVolley6_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley6, scene7BossTimedVolley6Pool);
}
void Scene7Boss_TimedVolley6_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley6, scene7BossTimedVolley6Pool, i, base);
}
void Scene7Boss_TimedVolley6_Move() { TimedVolley_Move(kScene7BossTimedVolley6, scene7BossTimedVolley6Pool); }
void Scene7Boss_TimedVolley6_Draw() { TimedVolley_Draw(kScene7BossTimedVolley6, scene7BossTimedVolley6Pool); }
void Scene7Boss_TimedVolley7_Schedule() {
    TimedVolley_Schedule(kScene7BossTimedVolley7, scene7BossTimedVolley7Pool);
}
void Scene7Boss_TimedVolley7_Spawn(int32_t i, int32_t base) {
    TimedVolley_FireOne(kScene7BossTimedVolley7, scene7BossTimedVolley7Pool, i, base);
}
void Scene7Boss_TimedVolley7_Move() { TimedVolley_Move(kScene7BossTimedVolley7, scene7BossTimedVolley7Pool); }
void Scene7Boss_TimedVolley7_Draw() { TimedVolley_Draw(kScene7BossTimedVolley7, scene7BossTimedVolley7Pool); }
void Scene7Boss_AimedRingBurst1_Schedule() {
    AimedRingBurst_Schedule(kScene7BossAimedRingBurst1, scene7BossAimedRingBurst1Pool);
}
void Scene7Boss_AimedRingBurst1_Launch(int32_t i) {
    AimedRingBurst_FireOne(kScene7BossAimedRingBurst1, scene7BossAimedRingBurst1Pool, i);
}
void Scene7Boss_AimedRingBurst1_Move() {
    AimedRingBurst_Move(kScene7BossAimedRingBurst1, scene7BossAimedRingBurst1Pool);
}
void Scene7Boss_AimedRingBurst1_Draw() {
    AimedRingBurst_Draw(kScene7BossAimedRingBurst1, scene7BossAimedRingBurst1Pool);
}
void Scene7Boss_SpreadVolleyTrail1_Schedule() { SpreadVolleyTrail_Schedule(kScene7BossSpreadVolleyTrail1); }
void Scene7Boss_SpreadVolleyTrail1_Launch(int32_t i, int32_t g) {
    SpreadVolleyTrail_Launch(kScene7BossSpreadVolleyTrail1, i, g);
}
void Scene7Boss_SpreadVolleyTrail1_Move() { SpreadVolleyTrail_Move(kScene7BossSpreadVolleyTrail1); }
void Scene7Boss_SpreadVolleyTrail1_Draw() { SpreadVolleyTrail_Draw(kScene7BossSpreadVolleyTrail1); }
void Scene7Boss_SpreadVolleyTrail2_Schedule() { SpreadVolleyTrail_Schedule(kScene7BossSpreadVolleyTrail2); }
void Scene7Boss_SpreadVolleyTrail2_Launch(int32_t i, int32_t g) {
    SpreadVolleyTrail_Launch(kScene7BossSpreadVolleyTrail2, i, g);
}
void Scene7Boss_SpreadVolleyTrail2_Move() { SpreadVolleyTrail_Move(kScene7BossSpreadVolleyTrail2); }
void Scene7Boss_SpreadVolleyTrail2_Draw() { SpreadVolleyTrail_Draw(kScene7BossSpreadVolleyTrail2); }
void Scene7Boss_LightningChain1_Spawn() { LightningChain_Spawn(kScene7BossLightningChain1); }
void Scene7Boss_LightningChain1_Move() { LightningChain_Move(kScene7BossLightningChain1); }
void Scene7Boss_LightningChain1_Draw() { LightningChain_Draw(kScene7BossLightningChain1); }
void Scene7Boss_LightningChain2_Spawn() { LightningChain_Spawn(kScene7BossLightningChain2); }
void Scene7Boss_LightningChain2_Move() { LightningChain_Move(kScene7BossLightningChain2); }
void Scene7Boss_LightningChain2_Draw() { LightningChain_Draw(kScene7BossLightningChain2); }
void Scene7Boss_LightningChain3_Spawn() { LightningChain_Spawn(kScene7BossLightningChain3); }
void Scene7Boss_LightningChain3_Move() { LightningChain_Move(kScene7BossLightningChain3); }
void Scene7Boss_LightningChain3_Draw() { LightningChain_Draw(kScene7BossLightningChain3); }
void Scene7Boss_LightningChain4_Spawn() { LightningChain_Spawn(kScene7BossLightningChain4); }
void Scene7Boss_LightningChain4_Move() { LightningChain_Move(kScene7BossLightningChain4); }
void Scene7Boss_LightningChain4_Draw() { LightningChain_Draw(kScene7BossLightningChain4); }
void Scene7Boss_LightningChain5_Spawn() { LightningChain_Spawn(kScene7BossLightningChain5); }
void Scene7Boss_LightningChain5_Move() { LightningChain_Move(kScene7BossLightningChain5); }
void Scene7Boss_LightningChain5_Draw() { LightningChain_Draw(kScene7BossLightningChain5); }
void Scene7Boss_LightningChain6_Spawn() { LightningChain_Spawn(kScene7BossLightningChain6); }
void Scene7Boss_LightningChain6_Move() { LightningChain_Move(kScene7BossLightningChain6); }
void Scene7Boss_LightningChain6_Draw() { LightningChain_Draw(kScene7BossLightningChain6); }
void Scene7Boss_PairedDropShot1_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot1); }
void Scene7Boss_PairedDropShot1_Move() { PairedDropShot_Move(kScene7BossPairedDropShot1); }
void Scene7Boss_PairedDropShot1_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot1); }
void Scene7Boss_PairedDropShot2_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot2); }
void Scene7Boss_PairedDropShot2_Move() { PairedDropShot_Move(kScene7BossPairedDropShot2); }
void Scene7Boss_PairedDropShot2_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot2); }
void Scene7Boss_PairedDropShot3_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot3); }
void Scene7Boss_PairedDropShot3_Move() { PairedDropShot_Move(kScene7BossPairedDropShot3); }
void Scene7Boss_PairedDropShot3_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot3); }
void Scene7Boss_PairedDropShot4_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot4); }
void Scene7Boss_PairedDropShot4_Move() { PairedDropShot_Move(kScene7BossPairedDropShot4); }
void Scene7Boss_PairedDropShot4_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot4); }
void Scene7Boss_PairedDropShot5_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot5); }
void Scene7Boss_PairedDropShot5_Move() { PairedDropShot_Move(kScene7BossPairedDropShot5); }
void Scene7Boss_PairedDropShot5_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot5); }
void Scene7Boss_PairedDropShot6_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot6); }
void Scene7Boss_PairedDropShot6_Move() { PairedDropShot_Move(kScene7BossPairedDropShot6); }
void Scene7Boss_PairedDropShot6_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot6); }
void Scene7Boss_PairedDropShot7_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot7); }
void Scene7Boss_PairedDropShot7_Move() { PairedDropShot_Move(kScene7BossPairedDropShot7); }
void Scene7Boss_PairedDropShot7_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot7); }
void Scene7Boss_PairedDropShot8_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot8); }
void Scene7Boss_PairedDropShot8_Move() { PairedDropShot_Move(kScene7BossPairedDropShot8); }
void Scene7Boss_PairedDropShot8_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot8); }
void Scene7Boss_PairedDropShot9_Spawn() { PairedDropShot_Spawn(kScene7BossPairedDropShot9); }
void Scene7Boss_PairedDropShot9_Move() { PairedDropShot_Move(kScene7BossPairedDropShot9); }
void Scene7Boss_PairedDropShot9_Draw() { PairedDropShot_Draw(kScene7BossPairedDropShot9); }
