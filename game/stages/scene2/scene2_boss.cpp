#include "game/stages/scene2/scene2_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/stages/scene2/scene2_shot_pools.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "game/state/assets.h"
#include "game/state/scene_state.h"

BossIntro scene2BossSilhouette;

BossExplosion scene2BossBigExplosions[kBigExplosions];
BossExplosionCompact scene2BossSmallExplosions[kSmallExplosions];

AimedQuadVolleyRecord scene2BossAimedQuadVolley1Pool[20];
AimedShotPoolRecord scene2BossAimedShotPool1Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool2Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool3Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool4Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool5Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool6Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool7Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool8Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool9Pool[5];
AimedShotPoolRecord scene2BossAimedShotPool10Pool[5];
BigFanVolleyRecord scene2BossBigFanVolley1Pool[25];
BigFanVolleyRecord scene2BossBigFanVolley2Pool[25];
BigFanVolleyRecord scene2BossBigFanVolley3Pool[35];
BigFanVolleyRecord scene2BossBigFanVolley4Pool[35];
DropShot scene2BossPairedDropShot1Pool[2];
DropShot scene2BossPairedDropShot2Pool[2];
DropShot scene2BossPairedDropShot3Pool[4];
RingEmitterRecord scene2BossRingEmitter1Pool[108];
RingEmitterRecord scene2BossRingEmitter2Pool[108];
RingEmitterRecord scene2BossRingEmitter3Pool[108];
RingEmitterRecord scene2BossRingEmitter4Pool[108];
RingEmitterRecord scene2BossRingEmitter5Pool[108];
RingEmitterRecord scene2BossRingEmitter6Pool[108];
SpiralStreamRecord scene2BossSpiralStream1Pool[36];
SpiralStreamRecord scene2BossSpiralStream2Pool[36];
SpiralStreamRecord scene2BossSpiralStream3Pool[36];
SpiralStreamRecord scene2BossSpiralStream4Pool[36];
SpiralStreamRecord scene2BossSpiralStream5Pool[36];
SpiralStreamRecord scene2BossSpiralStream6Pool[36];
StreamShot scene2BossStraightDropStream1Pool[20];
StreamShot scene2BossStraightDropStream2Pool[20];
TimedVolleyShortRecord scene2BossTimedVolley1Pool[20];
TimedVolleyShortRecord scene2BossTimedVolley2Pool[20];
TimedVolleyShortRecord scene2BossTimedVolley3Pool[30];
TimedVolleyShortRecord scene2BossTimedVolley4Pool[30];
TimedVolleyShortRecord scene2BossTimedVolley5Pool[20];
TimedVolleyShortRecord scene2BossTimedVolley6Pool[20];
TimedVolleyShortRecord scene2BossTimedVolley7Pool[35];
TimedVolleyShortRecord scene2BossTimedVolley8Pool[50];
TimedVolleyShortRecord scene2BossTimedVolley9Pool[50];

namespace {

// The picture waits below the screen for 2 s, rises at 400 px/s and parks once
// it has passed the top; the body is placed above the screen at 6 s, descends
// at 80 px/s from 9.1 s and holds at (180, 0) from 13.5 s. The clock then
// cycles 138..160 inside the hold, so the sway runs only after a frame long
// enough to carry it past 162.
constexpr BossLeg kScene2BossApproach[] = {
    {Within(0, 20), LegAction::DrawIntro, 0, 0, 0},
    {Within(0, 20), LegAction::SetIntro, 160, 600, 400},
    {AboveUpTo(21, 59), LegAction::DrawIntro, 0, 0, 0},
    {AboveUpTo(21, 59), LegAction::RaiseIntro, 160, -480, 0},
    {AboveUpTo(60, 90), LegAction::Place, 180, -360, 0},
    {Within(91, 135), LegAction::Move, 0, 80, 0},
    {Within(135, 162), LegAction::Place, 180, 0, 0},
};
constexpr BossLeg kScene2BossLoop[] = {
    {From(160), LegAction::SetClock, 138, 0, 0},
};

constexpr BossScript kScene2BossScript = {
    .boss = &scene2Boss,
    .intro = &scene2BossSilhouette,
    .introImage = &imgBOS111,
    .introWidth = 480,
    .introHeight = 480,
    .haltOnStrayFlash = true,
    .parts = {kScene2BossApproach, kBossSwayLegs, kScene2BossLoop},
};

constexpr BossBody kScene2BossBody = {
    .boss = &scene2Boss,
    .image = &imgBOSS11,
    .width = 440,
    .height = 360,
    .smoke = {{90.0f, {{&imgZBAK3B, 140, 50, 28}, {&imgZBAK3B, 220, 50, 28}, {}}},
              {70.0f, {{&imgZBAK3B, 60, 100, 28}, {&imgZBAK3B, 300, 100, 28}, {}}}},
    .smokeFromTruncatedPosition = false,
    .countSmokeCycles = true,
    .lockA = scene2BossLockPointsA,
    .lockB = scene2BossLockPointsB,
    .lockCount = kScene2BossLockPoints,
    .defeat = Scene2Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosionCompact> kScene2BossDefeat = {
    .boss = &scene2Boss,
    .big = scene2BossBigExplosions,
    .small = scene2BossSmallExplosions,
    .scatterX = 440,
    .bigScatterY = 360,
    .smallScatterY = 360,
    .nextScene = kSceneStage3,
    .wipeLength = 30,
};

// The attack table: windows on BossAttackClock, inclusive, tested in this
// order after the clock is raised. Windows that meet at one value both run,
// so a schedule standing in both runs twice that frame.
constexpr ScheduleRow kScene2BossAttackRows[] = {
    {Within(0, 200), nullptr, {Scene2Boss_BigFanVolley1_Schedule}},
    {Within(600, 900), nullptr, {Scene2Boss_BigFanVolley1_Schedule}},
    {Within(1400, 1900), nullptr, {Scene2Boss_BigFanVolley1_Schedule}},
    {Within(2300, 2800), nullptr, {Scene2Boss_AimedShotPool9_Spawn, Scene2Boss_AimedShotPool10_Spawn}},
    {Within(3300, 3600), nullptr, {Scene2Boss_AimedShotPool9_Spawn, Scene2Boss_AimedShotPool10_Spawn}},
    {Within(3600, 4250),
     nullptr,
     {Scene2Boss_AimedShotPool3_Spawn, Scene2Boss_AimedShotPool4_Spawn, Scene2Boss_AimedShotPool5_Spawn,
      Scene2Boss_AimedShotPool6_Spawn, Scene2Boss_AimedShotPool7_Spawn, Scene2Boss_AimedShotPool8_Spawn}},
    {Within(0, 3000), nullptr, {Scene2Boss_SpiralStream3_Schedule, Scene2Boss_SpiralStream5_Schedule}},
    {Within(1400, 4300), nullptr, {Scene2Boss_SpiralStream1_Schedule, Scene2Boss_SpiralStream2_Schedule}},
    {Within(2000, 4300), nullptr, {Scene2Boss_SpiralStream4_Schedule, Scene2Boss_SpiralStream6_Schedule}},
    {Within(20, 280),
     GameMode2Or3,
     {Scene2Boss_StraightDropStream1_Schedule, Scene2Boss_StraightDropStream2_Schedule}},
    {Within(100, 170), nullptr, {Scene2Boss_AimedShotPool9_Spawn, Scene2Boss_AimedShotPool10_Spawn}},
    {Within(170, 200),
     nullptr,
     {Scene2Boss_AimedShotPool3_Spawn, Scene2Boss_AimedShotPool4_Spawn, Scene2Boss_AimedShotPool5_Spawn,
      Scene2Boss_AimedShotPool6_Spawn, Scene2Boss_AimedShotPool7_Spawn, Scene2Boss_AimedShotPool8_Spawn}},
    {Within(100, 200),
     Difficulty2OrExtra,
     {Scene2Boss_AimedShotPool1_Spawn, Scene2Boss_AimedShotPool2_Spawn}},
    {Within(200, 300), nullptr, {Scene2Boss_BigFanVolley2_Schedule}},
    {Within(250, 460), nullptr, {Scene2Boss_BigFanVolley3_Schedule}},
    {Within(400, 580), nullptr, {Scene2Boss_BigFanVolley4_Schedule}},
    {Within(400, 500),
     Difficulty2OrExtra,
     {Scene2Boss_AimedShotPool1_Spawn, Scene2Boss_AimedShotPool2_Spawn}},
    {Within(500, 600), nullptr, {Scene2Boss_TimedVolley1_Schedule, Scene2Boss_TimedVolley2_Schedule}},
    {Within(600, 800), nullptr, {Scene2Boss_TimedVolley5_Schedule, Scene2Boss_TimedVolley6_Schedule}},
    {Within(600, 720), nullptr, {Scene2Boss_AimedShotPool9_Spawn, Scene2Boss_AimedShotPool10_Spawn}},
    {Within(720, 760),
     nullptr,
     {Scene2Boss_AimedShotPool3_Spawn, Scene2Boss_AimedShotPool4_Spawn, Scene2Boss_AimedShotPool5_Spawn,
      Scene2Boss_AimedShotPool6_Spawn, Scene2Boss_AimedShotPool7_Spawn, Scene2Boss_AimedShotPool8_Spawn}},
    {Within(800, 900),
     nullptr,
     {Scene2Boss_TimedVolley3_Schedule, Scene2Boss_TimedVolley4_Schedule, Scene2Boss_TimedVolley1_Schedule,
      Scene2Boss_TimedVolley2_Schedule}},
    {Within(900, 1100), nullptr, {Scene2Boss_TimedVolley7_Schedule}},
    {Within(1100, 1400),
     nullptr,
     {Scene2Boss_AimedShotPool3_Spawn, Scene2Boss_AimedShotPool4_Spawn, Scene2Boss_AimedShotPool5_Spawn,
      Scene2Boss_AimedShotPool6_Spawn, Scene2Boss_AimedShotPool7_Spawn, Scene2Boss_AimedShotPool8_Spawn}},
};

} // namespace

void Scene2Boss_Update() { BossUpdate(kScene2BossScript); }
void Scene2Boss_Draw() { BossBodyDraw(kScene2BossBody); }
void Scene2Boss_Defeat() { BossDefeatSequence(kScene2BossDefeat); }

constinit const BossSection scene2BossSection = {
    .boss = &scene2Boss,
    .update = Scene2Boss_Update,
    .draw = Scene2Boss_Draw,
    .defeat = Scene2Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 1010.0f,
    .attackRows = kScene2BossAttackRows,
    .hpRows = {},
    .wrap = {{4300, 4300, 4300, 4300}, 4300},
    .timeOut = Within(10000, 10100),
};
