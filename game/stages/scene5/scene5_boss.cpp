#include "game/stages/scene5/scene5_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/state/assets.h"
#include "game/state/scene_state.h"

BossExplosion scene5BossBigExplosions[kBigExplosions];
BossExplosion scene5BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene5BossAimedRingBurst1Pool[72];
AimedRingBurstRecord scene5BossAimedRingBurst2Pool[72];
AimedShotPoolRecord scene5BossAimedShotPool1Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool2Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool3Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool4Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool5Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool6Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool7Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool8Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool9Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool10Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool11Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool12Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool13Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool14Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool15Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool16Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool17Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool18Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool19Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool20Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool21Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool22Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool23Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool24Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool25Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool26Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool27Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool28Pool[5];
AimedShotPoolRecord scene5BossAimedShotPool29Pool[8];
AimedShotPoolRecord scene5BossAimedShotPool30Pool[8];
BigFanVolleyRecord scene5BossBigFanVolley1Pool[15];
BigFanVolleyRecord scene5BossBigFanVolley2Pool[15];
BigFanVolleyRecord scene5BossBigFanVolley3Pool[15];
BigFanVolleyRecord scene5BossBigFanVolley4Pool[25];
BigFanVolleyRecord scene5BossBigFanVolley5Pool[25];
BigFanVolleyRecord scene5BossBigFanVolley6Pool[25];
BigFanVolleyRecord scene5BossBigFanVolley7Pool[35];
BigFanVolleyRecord scene5BossBigFanVolley8Pool[35];
BigFanVolleyRecord scene5BossBigFanVolley9Pool[35];
BigFanVolleyRecord scene5BossBigFanVolley10Pool[45];
BigFanVolleyRecord scene5BossBigFanVolley11Pool[45];
BigFanVolleyRecord scene5BossBigFanVolley12Pool[45];
BigFanVolleyRecord scene5BossBigFanVolley13Pool[55];
BigFanVolleyRecord scene5BossBigFanVolley14Pool[55];
BigFanVolleyRecord scene5BossBigFanVolley15Pool[55];
BigFanVolleyRecord scene5BossBigFanVolley16Pool[65];
BigFanVolleyRecord scene5BossBigFanVolley17Pool[65];
BigFanVolleyRecord scene5BossBigFanVolley18Pool[65];
BigFanVolleyRecord scene5BossBigFanVolley19Pool[75];
BigFanVolleyRecord scene5BossBigFanVolley20Pool[75];
BigFanVolleyRecord scene5BossBigFanVolley21Pool[75];
CurvingShot scene5BossCurvingStream1Pool[50];
CurvingShot scene5BossCurvingStream2Pool[50];
CurvingShot scene5BossCurvingStream3Pool[50];
CurvingShot scene5BossCurvingStream4Pool[50];
CurvingShot scene5BossCurvingStream5Pool[50];
CurvingShot scene5BossCurvingStream6Pool[50];
FanVolleyRecord scene5BossFanVolley1Pool[15];
FanVolleyRecord scene5BossFanVolley2Pool[15];
DropShot scene5BossPairedDropShot1Pool[2];
DropShot scene5BossPairedDropShot2Pool[2];
DropShot scene5BossPairedDropShot3Pool[2];
DropShot scene5BossPairedDropShot4Pool[3];
DropShot scene5BossPairedDropShot5Pool[3];
DropShot scene5BossPairedDropShot6Pool[3];
DropShot scene5BossPairedDropShot7Pool[3];
DropShot scene5BossPairedDropShot8Pool[3];
DropShot scene5BossPairedDropShot9Pool[4];
TimedVolleyShortRecord scene5BossTimedVolley1Pool[20];
TimedVolleyShortRecord scene5BossTimedVolley2Pool[20];
TimedVolleyShortRecord scene5BossTimedVolley3Pool[20];
TimedVolleyShortRecord scene5BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley5Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley6Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley7Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley8Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley9Pool[50];
TimedVolleyShortRecord scene5BossTimedVolley10Pool[50];
TurningStreamRecord scene5BossTurningStream1Pool[7];
TurningStreamRecord scene5BossTurningStream2Pool[7];
TurningStreamRecord scene5BossTurningStream3Pool[7];
TurningStreamRecord scene5BossTurningStream4Pool[7];

namespace {

// Above the screen for 3 s, down at 104 px/s to (180, 0), then from clock 80
// the loop: a bob, the shared sway and diamond, a wider sway and a faster
// diamond, back at (180, 0) between the figures. Legs that share a bound both
// run, the later placing last.
constexpr BossLeg kScene5BossApproach[] = {
    {AboveUpTo(0, 30), LegAction::Place, 180, -480, 0}, {Within(31, 75), LegAction::Move, 0, 104, 0},
    {Within(75, 90), LegAction::Place, 180, 0, 0},      {Within(91, 115), LegAction::Move, 0, 60, 0},
    {Within(116, 140), LegAction::Move, 0, -60, 0},     {Within(141, 162), LegAction::Place, 180, 0, 0},
};
constexpr BossLeg kScene5BossLoop[] = {
    {Within(240, 250), LegAction::Place, 180, 0, 0},   {Within(250, 260), LegAction::Move, 150, 0, 0},
    {Within(261, 280), LegAction::Move, -150, 0, 0},   {Within(281, 290), LegAction::Move, 150, 0, 0},
    {Within(291, 300), LegAction::Move, 200, 100, 0},  {Within(301, 310), LegAction::Move, -200, -100, 0},
    {Within(311, 320), LegAction::Move, -200, 100, 0}, {Within(321, 330), LegAction::Move, 200, -100, 0},
    {From(331), LegAction::SetClock, 80, 0, 0},
};

constexpr BossScript kScene5BossScript = {
    .boss = &scene5Boss,
    .intro = nullptr,
    .introImage = nullptr,
    .introWidth = 0,
    .introHeight = 0,
    .haltOnStrayFlash = false,
    .parts = {kScene5BossApproach, kBossSwayLegs, kScene5BossLoop},
};

// The lower smoke pair slides 19 px per cell, the upper 28.
constexpr BossBody kScene5BossBody = {
    .boss = &scene5Boss,
    .image = &imgBOSS41,
    .width = 440,
    .height = 380,
    .smoke = {{90.0f, {{&imgZBAK3B, 140, 70, 28}, {&imgZBAK3B, 220, 70, 28}, {}}},
              {70.0f, {{&imgZBAK3B, 60, 150, 19}, {&imgZBAK3B, 300, 150, 19}, {}}}},
    .smokeFromTruncatedPosition = false,
    .countSmokeCycles = false,
    .lockA = scene5BossLockPointsA,
    .lockB = scene5BossLockPointsB,
    .lockCount = kScene5BossLockPoints,
    .defeat = Scene5Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene5BossDefeat = {
    .boss = &scene5Boss,
    .big = scene5BossBigExplosions,
    .small = scene5BossSmallExplosions,
    .scatterX = 440,
    .bigScatterY = 320,
    .smallScatterY = 310,
    .nextScene = kSceneStage6,
    .wipeLength = 30,
};

} // namespace

void Scene5Boss_Update() { BossUpdate(kScene5BossScript); }
void Scene5Boss_Draw() { BossBodyDraw(kScene5BossBody); }
void Scene5Boss_Defeat() { BossDefeatSequence(kScene5BossDefeat); }
