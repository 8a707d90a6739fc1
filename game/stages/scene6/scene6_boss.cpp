#include "game/stages/scene6/scene6_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/state/assets.h"
#include "game/state/scene_state.h"

BossIntro scene6BossIntro;
VerticalBeam scene6BossVerticalBeam1;
VerticalBeam scene6BossVerticalBeam2;

BossExplosionShort scene6BossBigExplosions[kBigExplosions];
BossExplosionShort scene6BossSmallExplosions[kSmallExplosions];

BigFanVolleyRecord scene6BossBigFanVolley1Pool[35];
BigFanVolleyRecord scene6BossBigFanVolley2Pool[35];
CurvingShot scene6BossCurvingStream1Pool[50];
CurvingShot scene6BossCurvingStream2Pool[50];
CurvingShot scene6BossCurvingStream3Pool[50];
CurvingShot scene6BossCurvingStream4Pool[50];
CurvingShot scene6BossCurvingStream5Pool[50];
CurvingShot scene6BossCurvingStream6Pool[50];
FanVolleyRecord scene6BossFanVolley1Pool[25];
FanVolleyRecord scene6BossFanVolley2Pool[25];
DropShot scene6BossPairedDropShot1Pool[2];
DropShot scene6BossPairedDropShot2Pool[2];
DropShot scene6BossPairedDropShot3Pool[2];
DropShot scene6BossPairedDropShot4Pool[3];
DropShot scene6BossPairedDropShot5Pool[3];
DropShot scene6BossPairedDropShot6Pool[3];
DropShot scene6BossPairedDropShot7Pool[3];
DropShot scene6BossPairedDropShot8Pool[3];
DropShot scene6BossPairedDropShot9Pool[4];
TimedVolleyShortRecord scene6BossTimedVolley1Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley2Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley5Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley6Pool[50];
TimedVolleyShortRecord scene6BossTimedVolley7Pool[50];
TurningStreamRecord scene6BossTurningStream1Pool[7];
TurningStreamRecord scene6BossTurningStream2Pool[7];

namespace {

// The sheet waits below the screen for 2 s and rises at 400 px/s until it has
// passed the top; the body is placed above the screen at 6 s, descends at
// 100 px/s from 9.1 s and holds at (210, 0) from 13.5 s. The shared sway runs
// from 16.2 s, and from 24.1 s the clock returns to 15.1, so the boss snaps
// back to (210, 0) and sways again, for good.
constexpr BossLeg kScene6BossApproach[] = {
    {Within(0, 20), LegAction::DrawIntro, 0, 0, 0},
    {Within(0, 20), LegAction::SetIntro, 160, 600, 400},
    {AboveUpTo(21, 59), LegAction::DrawIntro, 0, 0, 0},
    {AboveUpTo(21, 59), LegAction::RaiseIntro, 160, -480, 0},
    {AboveUpTo(60, 90), LegAction::Place, 210, -460, 0},
    {Within(91, 135), LegAction::Move, 0, 100, 0},
    {Within(135, 162), LegAction::Place, 210, 0, 0},
};
constexpr BossLeg kScene6BossLoop[] = {
    {From(241), LegAction::SetClock, 151, 0, 0},
};

constexpr BossScript kScene6BossScript = {
    .boss = &scene6Boss,
    .intro = &scene6BossIntro,
    .introImage = &imgBOS511,
    .introWidth = 480,
    .introHeight = 480,
    .haltOnStrayFlash = true,
    .parts = {kScene6BossApproach, kBossSwayLegs, kScene6BossLoop},
};

// One band of three puffs from hp 60 down: the two sides and the middle,
// lower down.
constexpr BossBody kScene6BossBody = {
    .boss = &scene6Boss,
    .image = &imgBOSS51,
    .width = 380,
    .height = 460,
    .smoke = {{60.0f, {{&imgZBAK3B, 30, 20, 28}, {&imgZBAK3B, 270, 20, 28}, {&imgZBAK3B, 150, 100, 28}}}, {}},
    .smokeFromTruncatedPosition = false,
    .countSmokeCycles = true,
    .lockA = scene6BossLockPointsA,
    .lockB = scene6BossLockPointsB,
    .lockCount = kScene6BossLockPoints,
    .defeat = Scene6Boss_Defeat,
};

constexpr BossDefeat<BossExplosionShort, BossExplosionShort> kScene6BossDefeat = {
    .boss = &scene6Boss,
    .big = scene6BossBigExplosions,
    .small = scene6BossSmallExplosions,
    .scatterX = 380,
    .bigScatterY = 320,
    .smallScatterY = 320,
    .nextScene = kSceneStage8,
    .wipeLength = 30,
};

} // namespace

void Scene6Boss_Update() { BossUpdate(kScene6BossScript); }
void Scene6Boss_Draw() { BossBodyDraw(kScene6BossBody); }
void Scene6Boss_Defeat() { BossDefeatSequence(kScene6BossDefeat); }
