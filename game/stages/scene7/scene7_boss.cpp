#include "game/stages/scene7/scene7_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/plain_boss_update.h"
#include "game/state/scene_state.h"
#include "game/stages/scene7/scene7_patterns.h"
#include "game/state/assets.h"

BossExplosion scene7BossBigExplosions[kBigExplosions];
BossExplosion scene7BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene7BossAimedRingBurst1Pool[300];
ChainJoint scene7BossLightningChain1Pool[6];
ChainJoint scene7BossLightningChain2Pool[6];
ChainJoint scene7BossLightningChain3Pool[6];
ChainJoint scene7BossLightningChain4Pool[6];
ChainJoint scene7BossLightningChain5Pool[6];
ChainJoint scene7BossLightningChain6Pool[6];
DropShot scene7BossPairedDropShot1Pool[2];
DropShot scene7BossPairedDropShot2Pool[2];
DropShot scene7BossPairedDropShot3Pool[2];
DropShot scene7BossPairedDropShot4Pool[3];
DropShot scene7BossPairedDropShot5Pool[3];
DropShot scene7BossPairedDropShot6Pool[3];
DropShot scene7BossPairedDropShot7Pool[3];
DropShot scene7BossPairedDropShot8Pool[3];
DropShot scene7BossPairedDropShot9Pool[4];
SpreadShot scene7BossSpreadVolleyTrail1Pool[50];
SpreadShot scene7BossSpreadVolleyTrail2Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley1Pool[20];
TimedVolleyShortRecord scene7BossTimedVolley2Pool[20];
TimedVolleyShortRecord scene7BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley5Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley6Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley7Pool[50];

namespace {

// Above the field until 9 s, down at 80 px/s for 4.4 s (its top edge stops
// near y -48), then at (170, 0); each sway is followed by a return to 151,
// inside the station window, so the boss snaps back before every sway (one
// every 9 s).
constexpr PlainBossLegs kScene7BossLegs = PlainBossUpdateLegs({
    .hold = Within(0, 90),
    .holdX = 170.0f,
    .holdY = -400.0f,
    .descent = Within(91, 135),
    .descentSpeed = 80.0f,
    .station = Within(135, 162),
    .wrapTarget = 151.0f,
});
constexpr BossScript kScene7BossScript = PlainBossScript(&scene7Boss, kScene7BossLegs);

// Three flames below 71 hp, one on each wing and one on the hull, placed from
// the truncated body position. Only lock array B is drawn; A is kept for the
// lock-on code alone.
constexpr BossBody kScene7BossBody = {
    .boss = &scene7Boss,
    .image = &imgBOSS61,
    .width = 460,
    .height = 400,
    .smoke = {{70.0f, {{&imgZBAK3B, 70, 20, 28}, {&imgZBAK3B, 310, 20, 28}, {&imgZBAK3B, 190, 100, 28}}},
              {0.0f, {}}},
    .smokeFromTruncatedPosition = true,
    .countSmokeCycles = true,
    .lockA = nullptr,
    .lockB = scene7BossLockPointsB,
    .lockCount = kScene7BossLockPoints,
    .defeat = Scene7Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene7BossDefeat = {
    .boss = &scene7Boss,
    .big = scene7BossBigExplosions,
    .small = scene7BossSmallExplosions,
    .scatterX = 460,
    .bigScatterY = 330,
    .smallScatterY = 330,
    .nextScene = kSceneStage8,
    .wipeLength = kShortWipe,
};

// The attack table, tested row by row in this order on the raised clock;
// rows overlap and each is its own test, so clock 100 runs the first three
// and clock 600 rows 10 to 13. The chains are thrown in pairs, each pair
// re-armed as soon as its bolt has left the screen. Row 3 opens at 0, which
// the raised clock never holds: it first runs at 1.
constexpr ScheduleRow kScene7BossAttackRows[] = {
    {Within(30, 100), nullptr, {Scene7Boss_LightningChain1_Spawn, Scene7Boss_LightningChain2_Spawn}},
    {Within(100, 150), nullptr, {Scene7Boss_TimedVolley3_Schedule}},
    {Within(0, 170), nullptr, {Scene7Boss_TimedVolley1_Schedule, Scene7Boss_TimedVolley2_Schedule}},
    {Within(200, 300), nullptr, {Scene7Boss_LightningChain1_Spawn, Scene7Boss_LightningChain2_Spawn}},
    {Within(220, 320), nullptr, {Scene7Boss_LightningChain3_Spawn, Scene7Boss_LightningChain4_Spawn}},
    {Within(240, 340), nullptr, {Scene7Boss_LightningChain5_Spawn, Scene7Boss_LightningChain6_Spawn}},
    {Within(360, 500), nullptr, {Scene7Boss_LightningChain1_Spawn, Scene7Boss_LightningChain2_Spawn}},
    {Within(370, 510), nullptr, {Scene7Boss_LightningChain3_Spawn, Scene7Boss_LightningChain4_Spawn}},
    {Within(380, 520), nullptr, {Scene7Boss_LightningChain5_Spawn, Scene7Boss_LightningChain6_Spawn}},
    {Within(450, 600), nullptr, {Scene7Boss_AimedRingBurst1_Schedule}},
    {Within(400, 600), nullptr, {Scene7Boss_SpreadVolleyTrail1_Schedule}},
    {Within(400, 600), nullptr, {Scene7Boss_SpreadVolleyTrail2_Schedule}},
    {Within(600, 950), nullptr, {Scene7Boss_TimedVolley1_Schedule, Scene7Boss_TimedVolley2_Schedule}},
    {Within(650, 900), nullptr, {Scene7Boss_TimedVolley6_Schedule}},
    {Within(650, 900), nullptr, {Scene7Boss_TimedVolley7_Schedule}},
    {Within(700, 900), nullptr, {Scene7Boss_TimedVolley3_Schedule}},
    {Within(800, 950), nullptr, {Scene7Boss_TimedVolley4_Schedule}},
    {Within(800, 950), nullptr, {Scene7Boss_TimedVolley5_Schedule}},
    {Within(900, 1300), nullptr, {Scene7Boss_LightningChain1_Spawn, Scene7Boss_LightningChain2_Spawn}},
    {Within(910, 1310), nullptr, {Scene7Boss_LightningChain3_Spawn, Scene7Boss_LightningChain4_Spawn}},
    {Within(920, 1320), nullptr, {Scene7Boss_LightningChain5_Spawn, Scene7Boss_LightningChain6_Spawn}},
    {Within(950, 1500), nullptr, {Scene7Boss_TimedVolley6_Schedule}},
    {Within(950, 1500), nullptr, {Scene7Boss_TimedVolley7_Schedule}},
    {Within(1100, 1500), nullptr, {Scene7Boss_TimedVolley4_Schedule}},
    {Within(1100, 1500), nullptr, {Scene7Boss_TimedVolley5_Schedule}},
    {Within(1450, 1550), nullptr, {Scene7Boss_TimedVolley1_Schedule, Scene7Boss_TimedVolley2_Schedule}},
    {Within(1150, 1600), nullptr, {Scene7Boss_AimedRingBurst1_Schedule}},
};

} // namespace

void Scene7Boss_Update() { BossUpdate(kScene7BossScript); }
void Scene7Boss_Draw() { BossBodyDraw(kScene7BossBody); }
void Scene7Boss_Defeat() { BossDefeatSequence(kScene7BossDefeat); }

// The clock wraps at 1610 whatever the game mode.
constinit const BossSection scene7BossSection = {
    .boss = &scene7Boss,
    .update = Scene7Boss_Update,
    .draw = Scene7Boss_Draw,
    .defeat = Scene7Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 1380.0f,
    .attackRows = kScene7BossAttackRows,
    .hpRows = {},
    .wrap = {{1610, 1610, 1610, 1610}, 1610},
    .timeOut = Within(11000, 11100),
};
