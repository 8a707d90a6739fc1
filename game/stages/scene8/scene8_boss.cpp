#include "game/stages/scene8/scene8_boss.h"

BossRecord scene8Boss;

LockMarker scene8BossLockPointsA[kScene8BossLockPoints];
LockMarker scene8BossLockPointsB[kScene8BossLockPoints];

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

void Scene8Boss_SetHit() { scene8Boss.BossHitFlash = 1; }
