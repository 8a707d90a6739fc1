#include "game/stages/scene4/scene4_boss.h"

BossRecord scene4Boss;

LockMarker scene4BossLockPointsA[kScene4BossLockPoints];
LockMarker scene4BossLockPointsB[kScene4BossLockPoints];

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

void Scene4Boss_SetHit() { scene4Boss.BossHitFlash = 1; }
