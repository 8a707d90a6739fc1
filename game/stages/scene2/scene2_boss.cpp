#include "game/stages/scene2/scene2_boss.h"

BossRecord scene2Boss;
BossIntro scene2BossSilhouette;

LockMarker scene2BossLockPointsA[kScene2BossLockPoints];
LockMarker scene2BossLockPointsB[kScene2BossLockPoints];

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

void Scene2Boss_SetHit() { scene2Boss.BossHitFlash = 1; }
