#include "game/stages/scene3/scene3_boss.h"

BossRecord scene3Boss;
BossIntro scene3BossIntro;

LockMarker scene3BossLockPointsA[kScene3BossLockPoints];
LockMarker scene3BossLockPointsB[kScene3BossLockPoints];

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

void Scene3Boss_SetHit() { scene3Boss.BossHitFlash = 1; }
