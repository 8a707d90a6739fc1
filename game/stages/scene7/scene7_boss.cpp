#include "game/stages/scene7/scene7_boss.h"

BossRecord scene7Boss;

LockMarker scene7BossLockPointsA[kScene7BossLockPoints];
LockMarker scene7BossLockPointsB[kScene7BossLockPoints];

BossExplosion scene7BossBigExplosions[kBigExplosions];
BossExplosion scene7BossSmallExplosions[kSmallExplosions];

AimedRingBurstRecord scene7BossAimedRingBurst1Pool[300];
ChainJoint scene7BossLightningChain1Pool[6];
ChainJoint scene7BossLightningChain2Pool[6];
ChainJoint scene7BossLightningChain3Pool[6];
ChainJoint scene7BossLightningChain4Pool[6];
ChainJoint scene7BossLightningChain5Pool[6];
ChainJoint scene7BossLightningChain6Pool[6];
DropShot scene7BossPairedDropShot1Pool[2];
DropShot scene7BossPairedDropShot2Pool[2];
DropShot scene7BossPairedDropShot3Pool[2];
DropShot scene7BossPairedDropShot4Pool[3];
DropShot scene7BossPairedDropShot5Pool[3];
DropShot scene7BossPairedDropShot6Pool[3];
DropShot scene7BossPairedDropShot7Pool[3];
DropShot scene7BossPairedDropShot8Pool[3];
DropShot scene7BossPairedDropShot9Pool[4];
SpreadShot scene7BossSpreadVolleyTrail1Pool[50];
SpreadShot scene7BossSpreadVolleyTrail2Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley1Pool[20];
TimedVolleyShortRecord scene7BossTimedVolley2Pool[20];
TimedVolleyShortRecord scene7BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley5Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley6Pool[50];
TimedVolleyShortRecord scene7BossTimedVolley7Pool[50];

void Scene7Boss_SetHit() { scene7Boss.BossHitFlash = 1; }
