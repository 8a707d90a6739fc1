#include "game/bosses/boss_roster.h"

BossRecord scene2Boss;
LockMarker scene2BossLockPointsA[kScene2BossLockPoints];
LockMarker scene2BossLockPointsB[kScene2BossLockPoints];
LockOnShot lockOnShotsScene2BossA[kScene2BossLockPointsUsed];
LockOnShot lockOnShotsScene2BossB[kScene2BossLockPointsUsed];
void Scene2Boss_SetHit() { BossSetHit(scene2Boss); }

BossRecord scene3Boss;
LockMarker scene3BossLockPointsA[kScene3BossLockPoints];
LockMarker scene3BossLockPointsB[kScene3BossLockPoints];
LockOnShot lockOnShotsScene3BossA[kScene3BossLockPointsUsed];
LockOnShot lockOnShotsScene3BossB[kScene3BossLockPointsUsed];
void Scene3Boss_SetHit() { BossSetHit(scene3Boss); }

BossRecord scene4Boss;
LockMarker scene4BossLockPointsA[kScene4BossLockPoints];
LockMarker scene4BossLockPointsB[kScene4BossLockPoints];
LockOnShot lockOnShotsScene4BossA[kScene4BossLockPointsUsed];
LockOnShot lockOnShotsScene4BossB[kScene4BossLockPointsUsed];
void Scene4Boss_SetHit() { BossSetHit(scene4Boss); }

BossRecord scene5Boss;
LockMarker scene5BossLockPointsA[kScene5BossLockPoints];
LockMarker scene5BossLockPointsB[kScene5BossLockPoints];
LockOnShot lockOnShotsScene5BossA[kScene5BossLockPointsUsed];
LockOnShot lockOnShotsScene5BossB[kScene5BossLockPointsUsed];
void Scene5Boss_SetHit() { BossSetHit(scene5Boss); }

BossRecord scene6Boss;
LockMarker scene6BossLockPointsA[kScene6BossLockPoints];
LockMarker scene6BossLockPointsB[kScene6BossLockPoints];
LockOnShot lockOnShotsScene6BossA[kScene6BossLockPointsUsed];
LockOnShot lockOnShotsScene6BossB[kScene6BossLockPointsUsed];
void Scene6Boss_SetHit() { BossSetHit(scene6Boss); }

BossRecord scene7Boss;
LockMarker scene7BossLockPointsA[kScene7BossLockPoints];
LockMarker scene7BossLockPointsB[kScene7BossLockPoints];
LockOnShot lockOnShotsScene7BossA[kScene7BossLockPointsUsed];
LockOnShot lockOnShotsScene7BossB[kScene7BossLockPointsUsed];
void Scene7Boss_SetHit() { BossSetHit(scene7Boss); }

BossRecord scene8Boss;
LockMarker scene8BossLockPointsA[kScene8BossLockPoints];
LockMarker scene8BossLockPointsB[kScene8BossLockPoints];
LockOnShot lockOnShotsScene8BossA[kScene8BossLockPointsUsed];
LockOnShot lockOnShotsScene8BossB[kScene8BossLockPointsUsed];
void Scene8Boss_SetHit() { BossSetHit(scene8Boss); }

BossRecord scene9Boss;
LockMarker scene9BossLockPointsA[kScene9BossLockPoints];
LockMarker scene9BossLockPointsB[kScene9BossLockPoints];
LockOnShot lockOnShotsScene9BossA[kScene9BossLockPointsUsed];
LockOnShot lockOnShotsScene9BossB[kScene9BossLockPointsUsed];
void Scene9Boss_SetHit() { BossSetHit(scene9Boss); }
