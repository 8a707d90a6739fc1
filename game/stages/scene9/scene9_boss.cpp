#include "game/stages/scene9/scene9_boss.h"

BossRecord scene9Boss;

LockMarker scene9BossLockPointsA[kScene9BossLockPoints];
LockMarker scene9BossLockPointsB[kScene9BossLockPoints];

BossExplosion scene9BossBigExplosions[kBigExplosions];
BossExplosion scene9BossSmallExplosions[kSmallExplosions];

DropShot scene9BossPairedDropShot1Pool[2];
DropShot scene9BossPairedDropShot2Pool[2];
DropShot scene9BossPairedDropShot3Pool[2];
DropShot scene9BossPairedDropShot4Pool[3];
DropShot scene9BossPairedDropShot5Pool[3];
DropShot scene9BossPairedDropShot6Pool[3];
DropShot scene9BossPairedDropShot7Pool[3];
DropShot scene9BossPairedDropShot8Pool[3];
DropShot scene9BossPairedDropShot9Pool[4];
TimedVolleyShortRecord scene9BossTimedVolley1Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley2Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley5Pool[50];

void Scene9Boss_SetHit() { scene9Boss.BossHitFlash = 1; }
