#include "game/stages/scene3/scene3_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/state/scene_state.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "game/state/assets.h"

#include <iterator>

BossIntro scene3BossIntro;

BossExplosion scene3BossBigExplosions[kBigExplosions];
BossExplosion scene3BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene3BossAimedRingBurst1Pool[72];
AimedRingBurstRecord scene3BossAimedRingBurst2Pool[72];
AimedShotPoolRecord scene3BossAimedShotPool1Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool2Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool3Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool4Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool5Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool6Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool7Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool8Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool9Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool10Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool11Pool[5];
AimedShotPoolRecord scene3BossAimedShotPool12Pool[5];
BigFanVolleyRecord scene3BossBigFanVolley1Pool[15];
BigFanVolleyRecord scene3BossBigFanVolley2Pool[15];
BigFanVolleyRecord scene3BossBigFanVolley3Pool[35];
BigFanVolleyRecord scene3BossBigFanVolley4Pool[35];
BigFanVolleyRecord scene3BossBigFanVolley5Pool[55];
BigFanVolleyRecord scene3BossBigFanVolley6Pool[55];
BigFanVolleyRecord scene3BossBigFanVolley7Pool[55];
DropShot scene3BossPairedDropShot1Pool[2];
DropShot scene3BossPairedDropShot2Pool[2];
DropShot scene3BossPairedDropShot3Pool[2];
DropShot scene3BossPairedDropShot4Pool[3];
DropShot scene3BossPairedDropShot5Pool[3];
DropShot scene3BossPairedDropShot6Pool[3];
DropShot scene3BossPairedDropShot7Pool[3];
DropShot scene3BossPairedDropShot8Pool[3];
DropShot scene3BossPairedDropShot9Pool[4];
SpreadShot scene3BossSpreadVolleyTrail1Pool[50];
SpreadShot scene3BossSpreadVolleyTrail2Pool[50];
StreamShot scene3BossStraightDropStream1Pool[20];
StreamShot scene3BossStraightDropStream2Pool[20];
StreamShot scene3BossStraightDropStream3Pool[20];
StreamShot scene3BossStraightDropStream4Pool[20];
StreamShot scene3BossStraightDropStream5Pool[20];
StreamShot scene3BossStraightDropStream6Pool[20];
StreamShot scene3BossStraightDropStream7Pool[20];
StreamShot scene3BossStraightDropStream8Pool[20];
StreamShot scene3BossStraightDropStream9Pool[20];
TimedVolleyShortRecord scene3BossTimedVolley1Pool[30];
TimedVolleyShortRecord scene3BossTimedVolley2Pool[30];
TimedVolleyShortRecord scene3BossTimedVolley3Pool[20];
TimedVolleyShortRecord scene3BossTimedVolley4Pool[20];
TimedVolleyShortRecord scene3BossTimedVolley5Pool[20];
TimedVolleyShortRecord scene3BossTimedVolley6Pool[20];
TimedVolleyShortRecord scene3BossTimedVolley7Pool[50];
TimedVolleyShortRecord scene3BossTimedVolley8Pool[50];
TimedVolleyShortRecord scene3BossTimedVolley9Pool[50];
TimedVolleyShortRecord scene3BossTimedVolley10Pool[50];
TimedVolleyShortRecord scene3BossTimedVolley11Pool[50];

namespace {

// The picture waits just below the screen, rises at 500 px/s and parks once
// it has passed the top; the body waits above the screen from 6 s, descends
// at 93 px/s from 9.1 s and snaps to (150, 0) at 13.5 s. It then sways for
// 18.6 s and the clock goes back to 14.5 s, inside the snap, for as long as
// it lives.
constexpr BossLeg kScene3BossApproach[] = {
    {Within(0, 13), LegAction::DrawIntro, 0, 0, 0},
    {Within(0, 13), LegAction::SetIntro, 150, 600, 500},
    {AboveUpTo(14, 59), LegAction::DrawIntro, 0, 0, 0},
    {AboveUpTo(14, 59), LegAction::RaiseIntro, 150, -480, 0},
    {AboveUpTo(60, 90), LegAction::Place, 150, -400, 0},
    {Within(91, 135), LegAction::Move, 0, 93, 0},
    {Within(135, 162), LegAction::Place, 150, 0, 0},
};
// Side to side only: right, left, right, then twice as fast in two swings,
// back to the middle, and two longer swings.
constexpr BossLeg kScene3BossSway[] = {
    {Within(162, 171), LegAction::Move, 80, 0, 0},   {Within(172, 190), LegAction::Move, -80, 0, 0},
    {Within(191, 200), LegAction::Move, 80, 0, 0},   {Within(201, 210), LegAction::Move, 100, 0, 0},
    {Within(211, 220), LegAction::Move, -100, 0, 0}, {Within(221, 230), LegAction::Move, -100, 0, 0},
    {Within(231, 240), LegAction::Move, 100, 0, 0},  {Within(241, 250), LegAction::Place, 150, 0, 0},
    {Within(251, 270), LegAction::Move, 100, 0, 0},  {Within(271, 290), LegAction::Move, -100, 0, 0},
    {Within(291, 310), LegAction::Move, -100, 0, 0}, {Within(311, 330), LegAction::Move, 100, 0, 0},
};
constexpr BossLeg kScene3BossLoop[] = {
    {From(331), LegAction::SetClock, 145, 0, 0},
};

constexpr BossScript kScene3BossScript = {
    .boss = &scene3Boss,
    .intro = &scene3BossIntro,
    .introImage = &imgBOSS71,
    .introWidth = 500,
    .introHeight = 400,
    .haltOnStrayFlash = false,
    .parts = {kScene3BossApproach, kScene3BossSway, kScene3BossLoop},
};

// Only lock array B is drawn; A is kept for the lock-on code alone.
constexpr BossBody kScene3BossBody = {
    .boss = &scene3Boss,
    .image = &imgBOSS71,
    .width = 500,
    .height = 400,
    .smoke = {{90.0f, {{&imgZBAK3B, 150, 70, 28}, {&imgZBAK3B, 270, 70, 28}, {}}},
              {70.0f, {{&imgZBAK3B, 90, 0, 28}, {&imgZBAK3B, 330, 0, 28}, {}}}},
    .smokeFromTruncatedPosition = false,
    .countSmokeCycles = false,
    .lockA = nullptr,
    .lockB = scene3BossLockPointsB,
    .lockCount = kScene3BossLockPoints,
    .defeat = Scene3Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene3BossDefeat = {
    .boss = &scene3Boss,
    .big = scene3BossBigExplosions,
    .small = scene3BossSmallExplosions,
    .scatterX = 500,
    .bigScatterY = 350,
    .smallScatterY = 350,
    .nextScene = kSceneStage5,
    .wipeLength = kLongWipe,
};

// The attack table, tested row by row in this order on the raised clock.
// Rows that meet at one value both run: the volleys of 8 to 11 twice at 250,
// those of 8 and 9 twice at 700. The drop streams and the second pass of
// fans run only in gameMode 3, which is what stretches its cycle to 3710.
// The last row runs on clock 1 to 30 of every cycle, as no row sees 0.
constexpr ScheduleRow kScene3BossAttackRows[] = {
    {Within(30, 150), nullptr, {Scene3Boss_TimedVolley1_Schedule}},
    {Within(30, 150), nullptr, {Scene3Boss_TimedVolley2_Schedule}},
    {Within(110, 200), nullptr, {Scene3Boss_TimedVolley3_Schedule}},
    {Within(110, 200), nullptr, {Scene3Boss_TimedVolley4_Schedule}},
    {Within(200, 250), nullptr, {Scene3Boss_TimedVolley10_Schedule}},
    {Within(200, 250), nullptr, {Scene3Boss_TimedVolley11_Schedule}},
    {Within(200, 250), nullptr, {Scene3Boss_TimedVolley8_Schedule}},
    {Within(200, 250), nullptr, {Scene3Boss_TimedVolley9_Schedule}},
    {Within(250, 400), nullptr, {Scene3Boss_TimedVolley10_Schedule}},
    {Within(250, 400), nullptr, {Scene3Boss_TimedVolley11_Schedule}},
    {Within(250, 400), nullptr, {Scene3Boss_TimedVolley8_Schedule}},
    {Within(250, 400), nullptr, {Scene3Boss_TimedVolley9_Schedule}},
    {Within(350, 380),
     nullptr,
     {Scene3Boss_AimedShotPool1_Spawn, Scene3Boss_AimedShotPool2_Spawn, Scene3Boss_AimedShotPool3_Spawn,
      Scene3Boss_AimedShotPool4_Spawn, Scene3Boss_AimedShotPool5_Spawn, Scene3Boss_AimedShotPool6_Spawn}},
    {Within(350, 380),
     nullptr,
     {Scene3Boss_AimedShotPool7_Spawn, Scene3Boss_AimedShotPool8_Spawn, Scene3Boss_AimedShotPool9_Spawn,
      Scene3Boss_AimedShotPool10_Spawn, Scene3Boss_AimedShotPool11_Spawn, Scene3Boss_AimedShotPool12_Spawn}},
    {Within(400, 500), nullptr, {Scene3Boss_AimedRingBurst1_Schedule}},
    {Within(400, 500), nullptr, {Scene3Boss_AimedRingBurst2_Schedule}},
    {Within(450, 500), nullptr, {Scene3Boss_TimedVolley7_Schedule}},
    {Within(500, 700), nullptr, {Scene3Boss_TimedVolley8_Schedule}},
    {Within(500, 700), nullptr, {Scene3Boss_TimedVolley9_Schedule}},
    {Within(480, 580), nullptr, {Scene3Boss_TimedVolley5_Schedule, Scene3Boss_TimedVolley6_Schedule}},
    {Within(580, 700), nullptr, {Scene3Boss_SpreadVolleyTrail1_Schedule}},
    {Within(580, 700), nullptr, {Scene3Boss_SpreadVolleyTrail2_Schedule}},
    {Within(800, 900),
     nullptr,
     {Scene3Boss_AimedShotPool1_Spawn, Scene3Boss_AimedShotPool2_Spawn, Scene3Boss_AimedShotPool3_Spawn,
      Scene3Boss_AimedShotPool4_Spawn, Scene3Boss_AimedShotPool5_Spawn, Scene3Boss_AimedShotPool6_Spawn}},
    {Within(800, 900),
     nullptr,
     {Scene3Boss_AimedShotPool7_Spawn, Scene3Boss_AimedShotPool8_Spawn, Scene3Boss_AimedShotPool9_Spawn,
      Scene3Boss_AimedShotPool10_Spawn, Scene3Boss_AimedShotPool11_Spawn, Scene3Boss_AimedShotPool12_Spawn}},
    {Within(700, 1000), nullptr, {Scene3Boss_TimedVolley8_Schedule}},
    {Within(700, 1000), nullptr, {Scene3Boss_TimedVolley9_Schedule}},
    {Within(750, 1100), nullptr, {Scene3Boss_TimedVolley10_Schedule}},
    {Within(750, 1100), nullptr, {Scene3Boss_TimedVolley11_Schedule}},
    {Within(1050, 1300), nullptr, {Scene3Boss_SpreadVolleyTrail1_Schedule}},
    {Within(1050, 1300), nullptr, {Scene3Boss_SpreadVolleyTrail2_Schedule}},
    {Within(1320, 1500), nullptr, {Scene3Boss_BigFanVolley1_Schedule, Scene3Boss_BigFanVolley2_Schedule}},
    {Within(1520, 1800), nullptr, {Scene3Boss_BigFanVolley3_Schedule, Scene3Boss_BigFanVolley4_Schedule}},
    {Within(1820, 2000), nullptr, {Scene3Boss_BigFanVolley5_Schedule}},
    {Within(2020, 2300), nullptr, {Scene3Boss_BigFanVolley6_Schedule, Scene3Boss_BigFanVolley7_Schedule}},
    {Within(1320, 1600), GameMode3, {Scene3Boss_StraightDropStream1_Schedule}},
    {Within(1380, 1650),
     GameMode3,
     {Scene3Boss_StraightDropStream2_Schedule, Scene3Boss_StraightDropStream3_Schedule}},
    {Within(1660, 1900),
     GameMode3,
     {Scene3Boss_StraightDropStream4_Schedule, Scene3Boss_StraightDropStream7_Schedule}},
    {Within(1690, 1950),
     GameMode3,
     {Scene3Boss_StraightDropStream5_Schedule, Scene3Boss_StraightDropStream6_Schedule,
      Scene3Boss_StraightDropStream8_Schedule, Scene3Boss_StraightDropStream9_Schedule}},
    {Within(1960, 2700),
     GameMode3,
     {Scene3Boss_StraightDropStream2_Schedule, Scene3Boss_StraightDropStream3_Schedule}},
    {Within(1990, 2700),
     GameMode3,
     {Scene3Boss_StraightDropStream5_Schedule, Scene3Boss_StraightDropStream6_Schedule,
      Scene3Boss_StraightDropStream8_Schedule, Scene3Boss_StraightDropStream9_Schedule}},
    {Within(2300, 2700),
     GameMode3,
     {Scene3Boss_StraightDropStream4_Schedule, Scene3Boss_StraightDropStream7_Schedule}},
    {Within(2300, 2700), GameMode3, {Scene3Boss_StraightDropStream1_Schedule}},
    {Within(2720, 2900), GameMode3, {Scene3Boss_BigFanVolley1_Schedule, Scene3Boss_BigFanVolley2_Schedule}},
    {Within(2920, 3200), GameMode3, {Scene3Boss_BigFanVolley3_Schedule, Scene3Boss_BigFanVolley4_Schedule}},
    {Within(3220, 3400), GameMode3, {Scene3Boss_BigFanVolley5_Schedule}},
    {Within(3420, 3700), GameMode3, {Scene3Boss_BigFanVolley6_Schedule, Scene3Boss_BigFanVolley7_Schedule}},
    {Within(0, 30),
     nullptr,
     {Scene3Boss_PairedDropShot1_Spawn, Scene3Boss_PairedDropShot2_Spawn, Scene3Boss_PairedDropShot3_Spawn,
      Scene3Boss_PairedDropShot4_Spawn, Scene3Boss_PairedDropShot5_Spawn, Scene3Boss_PairedDropShot6_Spawn,
      Scene3Boss_PairedDropShot7_Spawn, Scene3Boss_PairedDropShot8_Spawn, Scene3Boss_PairedDropShot9_Spawn}},
};
static_assert(std::size(kScene3BossAttackRows) == 47);

} // namespace

void Scene3Boss_Update() { BossUpdate(kScene3BossScript); }
void Scene3Boss_Draw() { BossBodyDraw(kScene3BossBody); }
void Scene3Boss_Defeat() { BossDefeatSequence(kScene3BossDefeat); }

constinit const BossSection scene3BossSection = {
    .boss = &scene3Boss,
    .update = Scene3Boss_Update,
    .draw = Scene3Boss_Draw,
    .defeat = Scene3Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 980.0f,
    .attackRows = kScene3BossAttackRows,
    .hpRows = {},
    // gameMode 0 (and any value past 3) never wraps the clock.
    .wrap = {{0, 2300, 2300, 3710}, 0},
    .timeOut = Within(11000, 11100),
};
