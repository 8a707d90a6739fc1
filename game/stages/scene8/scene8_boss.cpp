#include "game/stages/scene8/scene8_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/plain_boss_update.h"
#include "game/state/assets.h"
#include "game/state/scene_state.h"

BossExplosion scene8BossBigExplosions[kBigExplosions];
BossExplosion scene8BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene8BossAimedRingBurst1Pool[200];
AimedRingBurstRecord scene8BossAimedRingBurst2Pool[300];
AimedRingBurstRecord scene8BossAimedRingBurst3Pool[200];
AimedRingBurstRecord scene8BossAimedRingBurst4Pool[300];
AimedRingBurstRecord scene8BossAimedRingBurst5Pool[300];
CurvingShot scene8BossCurvingStream1Pool[50];
CurvingShot scene8BossCurvingStream2Pool[50];
CurvingShot scene8BossCurvingStream3Pool[50];
CurvingShot scene8BossCurvingStream4Pool[50];
CurvingShot scene8BossCurvingStream5Pool[50];
CurvingShot scene8BossCurvingStream6Pool[50];
CurvingShot scene8BossCurvingStream7Pool[50];
CurvingShot scene8BossCurvingStream8Pool[50];
DropShot scene8BossPairedDropShot1Pool[2];
DropShot scene8BossPairedDropShot2Pool[3];
DropShot scene8BossPairedDropShot3Pool[3];
DropShot scene8BossPairedDropShot4Pool[3];
DropShot scene8BossPairedDropShot5Pool[3];
DropShot scene8BossPairedDropShot6Pool[3];
DropShot scene8BossPairedDropShot7Pool[4];
SpiralStreamRecord scene8BossSpiralStream1Pool[36];
SpiralStreamRecord scene8BossSpiralStream2Pool[36];
SpiralStreamRecord scene8BossSpiralStream3Pool[36];
SpiralStreamRecord scene8BossSpiralStream4Pool[36];
SpiralStreamRecord scene8BossSpiralStream5Pool[36];
SpiralStreamRecord scene8BossSpiralStream6Pool[36];
SpiralStreamRecord scene8BossSpiralStream7Pool[36];
SpiralStreamRecord scene8BossSpiralStream8Pool[36];
SpiralStreamRecord scene8BossSpiralStream9Pool[108];
SpiralStreamRecord scene8BossSpiralStream10Pool[108];
StreamShot scene8BossStraightDropStream1Pool[20];
StreamShot scene8BossStraightDropStream2Pool[20];
StreamShot scene8BossStraightDropStream3Pool[20];
StreamShot scene8BossStraightDropStream4Pool[20];
TimedVolleyShortRecord scene8BossTimedVolley1Pool[20];
TimedVolleyShortRecord scene8BossTimedVolley2Pool[20];
TimedVolleyShortRecord scene8BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene8BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene8BossTimedVolley5Pool[50];
TimedVolleyShortRecord scene8BossTimedVolley6Pool[50];
TimedVolleyShortRecord scene8BossTimedVolley7Pool[50];

namespace {

// Above the field for 3.1 s, down at 77 px/s for 4.4 s (its top edge stops
// near y -41), then at (170, 0) until 16.1 s; each sway is followed by a
// return to 160, inside the station window, so the boss snaps back to its
// station before every sway (one every 8.1 s).
constexpr PlainBossLegs kScene8BossLegs = PlainBossUpdateLegs({
    .hold = AboveUpTo(0, 31),
    .holdX = 170.0f,
    .holdY = -380.0f,
    .descent = Within(31, 75),
    .descentSpeed = 77.0f,
    .station = AboveUpTo(75, 161),
    .wrapTarget = 160.0f,
});
constexpr BossScript kScene8BossScript = PlainBossScript(&scene8Boss, kScene8BossLegs);

// Two flames of the first smoke picture at 90 hp or less, and two of the
// second near the body's outer edges at 70 or less.
constexpr BossBody kScene8BossBody = {
    .boss = &scene8Boss,
    .image = &imgBOSS31,
    .width = 460,
    .height = 380,
    .smoke = {{90.0f, {{&imgZBAK3B, 150, 60, 28}, {&imgZBAK3B, 230, 60, 28}, {}}},
              {70.0f, {{&imgZBAK4B, 70, 10, 28}, {&imgZBAK4B, 310, 10, 28}, {}}}},
    .smokeFromTruncatedPosition = true,
    .countSmokeCycles = true,
    .lockA = scene8BossLockPointsA,
    .lockB = scene8BossLockPointsB,
    .lockCount = kScene8BossLockPoints,
    .defeat = Scene8Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene8BossDefeat = {
    .boss = &scene8Boss,
    .big = scene8BossBigExplosions,
    .small = scene8BossSmallExplosions,
    .scatterX = 460,
    .bigScatterY = 320,
    .smallScatterY = 320,
    .nextScene = kSceneEnding,
    .wipeLength = 30,
};

} // namespace

void Scene8Boss_Update() { BossUpdate(kScene8BossScript); }
void Scene8Boss_Draw() { BossBodyDraw(kScene8BossBody); }
void Scene8Boss_Defeat() { BossDefeatSequence(kScene8BossDefeat); }
