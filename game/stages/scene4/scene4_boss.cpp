#include "game/stages/scene4/scene4_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/state/scene_state.h"
#include "game/stages/scene4/scene4_patterns.h"
#include "game/stages/shared_patterns.h"
#include "game/state/assets.h"

BossExplosion scene4BossBigExplosions[kBigExplosions];
BossExplosion scene4BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene4BossAimedRingBurst1Pool[72];
AimedRingBurstRecord scene4BossAimedRingBurst2Pool[72];
DropShot scene4BossPairedDropShot1Pool[2];
DropShot scene4BossPairedDropShot2Pool[3];
DropShot scene4BossPairedDropShot3Pool[3];
DropShot scene4BossPairedDropShot4Pool[3];
DropShot scene4BossPairedDropShot5Pool[4];
TimedVolleyShortRecord scene4BossTimedVolley1Pool[50];
TimedVolleyShortRecord scene4BossTimedVolley2Pool[50];
TimedVolleyShortRecord scene4BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene4BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene4BossTimedVolley5Pool[50];

namespace {

// Placed above the screen for 3 s, descends at 78 px/s to the top (the hold
// at 7.5 s snaps it there), holds until 10 s, runs a diamond, holds again and
// sways 120 px right, 240 left and 120 right. Then the clock goes back to 0
// and the boss jumps above the screen to come down again.
constexpr BossLeg kScene4BossScript[] = {
    {AboveUpTo(0, 30), LegAction::Place, 180, -380, 0}, {Within(31, 75), LegAction::Move, 0, 78, 0},
    {Within(75, 100), LegAction::Place, 180, 0, 0},     {Within(101, 110), LegAction::Move, 100, 50, 0},
    {Within(111, 120), LegAction::Move, -100, -50, 0},  {Within(121, 130), LegAction::Move, -100, 50, 0},
    {Within(131, 140), LegAction::Move, 100, -50, 0},   {Within(141, 160), LegAction::Place, 180, 0, 0},
    {Within(161, 190), LegAction::Move, 40, 0, 0},      {Within(191, 250), LegAction::Move, -40, 0, 0},
    {Within(251, 280), LegAction::Move, 40, 0, 0},      {From(281), LegAction::SetClock, 0, 0, 0},
};

constexpr BossScript kScene4BossScriptRecord = {
    .boss = &scene4Boss,
    .intro = nullptr,
    .introImage = nullptr,
    .introWidth = 0,
    .introHeight = 0,
    .haltOnStrayFlash = true,
    .parts = {kScene4BossScript, {}, {}},
};

// imgScene4Boss is never loaded: the body shows the scratch image.
constexpr BossBody kScene4BossBody = {
    .boss = &scene4Boss,
    .image = &imgScene4Boss,
    .width = 440,
    .height = 380,
    .smoke = {{90.0f, {{&imgZBAK4B, 140, 70, 28}, {&imgZBAK4B, 220, 70, 28}, {}}},
              {70.0f, {{&imgZBAK4B, 60, 20, 28}, {&imgZBAK4B, 300, 20, 28}, {}}}},
    .smokeFromTruncatedPosition = true,
    .countSmokeCycles = true,
    .lockA = scene4BossLockPointsA,
    .lockB = scene4BossLockPointsB,
    .lockCount = kScene4BossLockPoints,
    .defeat = Scene4Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene4BossDefeat = {
    .boss = &scene4Boss,
    .big = scene4BossBigExplosions,
    .small = scene4BossSmallExplosions,
    .scatterX = 440,
    .bigScatterY = 280,
    .smallScatterY = 280,
    .nextScene = kSceneStage5,
    .wipeLength = kShortWipe,
};

// The attack table, row by row on the raised clock (1 to 1100). The first
// scene-3 volleys launch from that boss's parked record, so they are never
// seen here; their counters run all the same. The last row reaches past the
// wrap and acts as 980..1100. The drop shots come only when difficulty is not
// 1, which play never sets.
constexpr ScheduleRow kScene4BossAttackRows[] = {
    {Within(0, 100), nullptr, {Scene3Boss_TimedVolley1_Schedule}},
    {Within(0, 100), nullptr, {Scene3Boss_TimedVolley2_Schedule}},
    {Within(100, 200), nullptr, {Scene3Boss_TimedVolley3_Schedule, Scene3Boss_TimedVolley4_Schedule}},
    {Within(200, 300), nullptr, {Scene4Boss_TimedVolley2_Schedule, Scene4Boss_TimedVolley3_Schedule}},
    {Within(300, 370), nullptr, {Scene4Boss_TimedVolley1_Schedule}},
    {Within(380, 600), nullptr, {Scene3Boss_TimedVolley1_Schedule, Scene3Boss_TimedVolley2_Schedule}},
    {Within(600, 800), nullptr, {Scene4Boss_TimedVolley4_Schedule, Scene4Boss_TimedVolley5_Schedule}},
    {Within(700, 900), nullptr, {Scene3Boss_TimedVolley3_Schedule, Scene3Boss_TimedVolley4_Schedule}},
    {Within(900, 1100), nullptr, {Scene3Boss_TimedVolley1_Schedule, Scene3Boss_TimedVolley2_Schedule}},
    {Within(980, 1180), nullptr, {Scene4Boss_TimedVolley1_Schedule}},
    {Within(50, 100), DifficultyNot1, {Scene4Boss_PairedDropShot1_Spawn, Scene4Boss_PairedDropShot5_Spawn}},
    {Within(250, 300),
     DifficultyNot1,
     {Scene4Boss_PairedDropShot1_Spawn, Scene4Boss_PairedDropShot2_Spawn, Scene4Boss_PairedDropShot3_Spawn,
      Scene4Boss_PairedDropShot4_Spawn, Scene4Boss_PairedDropShot5_Spawn}},
    {Within(500, 600),
     DifficultyNot1,
     {Scene4Boss_PairedDropShot1_Spawn, Scene4Boss_PairedDropShot2_Spawn, Scene4Boss_PairedDropShot5_Spawn}},
};

} // namespace

void Scene4Boss_Update() { BossUpdate(kScene4BossScriptRecord); }
void Scene4Boss_Draw() { BossBodyDraw(kScene4BossBody); }
void Scene4Boss_Defeat() { BossDefeatSequence(kScene4BossDefeat); }

constinit const BossSection scene4BossSection = {
    .boss = &scene4Boss,
    .update = Scene4Boss_Update,
    .draw = Scene4Boss_Draw,
    .defeat = Scene4Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 590.0f,
    .attackRows = kScene4BossAttackRows,
    .hpRows = {},
    .wrap = {{1100, 1100, 1100, 1100}, 1100},
    .timeOut = Within(11000, 11100),
};
