#include "game/stages/scene6/scene6_boss.h"

BossRecord scene6Boss;
BossIntro scene6BossIntro;
VerticalBeam scene6BossVerticalBeam1;
VerticalBeam scene6BossVerticalBeam2;

LockMarker scene6BossLockPointsA[kScene6BossLockPoints];
LockMarker scene6BossLockPointsB[kScene6BossLockPoints];

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

void Scene6Boss_SetHit() { scene6Boss.BossHitFlash = 1; }
