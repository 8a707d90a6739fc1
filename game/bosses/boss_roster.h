#pragma once
// Every boss as the player's weapons see it: its record, its hit setter, its
// lock points A and B and the lock-on shots that fly at them. Each scene
// folder moves, draws and defeats its own boss; the weapons reach the bosses
// through here, never through a scene.
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/enemies/lock_marker.h"

// Per boss: the record; the hit setter, which raises the hit flash (the caller
// lowers hp); lock points A and B, of which the body draw reads every entry
// and the lock-on weapons the first ones they use; one lock-on shot per point
// used, on each of A and B.
// Scene 2.
extern BossRecord scene2Boss;
void Scene2Boss_SetHit();
constexpr int kScene2BossLockPoints = 4;
constexpr int32_t kScene2BossLockPointsUsed = 3;
extern LockMarker scene2BossLockPointsA[kScene2BossLockPoints];
extern LockMarker scene2BossLockPointsB[kScene2BossLockPoints];
extern LockOnShot lockOnShotsScene2BossA[kScene2BossLockPointsUsed];
extern LockOnShot lockOnShotsScene2BossB[kScene2BossLockPointsUsed];
static_assert(kScene2BossLockPointsUsed <= kScene2BossLockPoints);

// Scene 3.
extern BossRecord scene3Boss;
void Scene3Boss_SetHit();
constexpr int kScene3BossLockPoints = 5;
constexpr int32_t kScene3BossLockPointsUsed = 5;
extern LockMarker scene3BossLockPointsA[kScene3BossLockPoints];
extern LockMarker scene3BossLockPointsB[kScene3BossLockPoints];
extern LockOnShot lockOnShotsScene3BossA[kScene3BossLockPointsUsed];
extern LockOnShot lockOnShotsScene3BossB[kScene3BossLockPointsUsed];
static_assert(kScene3BossLockPointsUsed <= kScene3BossLockPoints);

// Scene 4.
extern BossRecord scene4Boss;
void Scene4Boss_SetHit();
constexpr int kScene4BossLockPoints = 4;
constexpr int32_t kScene4BossLockPointsUsed = 3;
extern LockMarker scene4BossLockPointsA[kScene4BossLockPoints];
extern LockMarker scene4BossLockPointsB[kScene4BossLockPoints];
extern LockOnShot lockOnShotsScene4BossA[kScene4BossLockPointsUsed];
extern LockOnShot lockOnShotsScene4BossB[kScene4BossLockPointsUsed];
static_assert(kScene4BossLockPointsUsed <= kScene4BossLockPoints);

// Scene 5.
extern BossRecord scene5Boss;
void Scene5Boss_SetHit();
constexpr int kScene5BossLockPoints = 4;
constexpr int32_t kScene5BossLockPointsUsed = 3;
extern LockMarker scene5BossLockPointsA[kScene5BossLockPoints];
extern LockMarker scene5BossLockPointsB[kScene5BossLockPoints];
extern LockOnShot lockOnShotsScene5BossA[kScene5BossLockPointsUsed];
extern LockOnShot lockOnShotsScene5BossB[kScene5BossLockPointsUsed];
static_assert(kScene5BossLockPointsUsed <= kScene5BossLockPoints);

// Scene 6.
extern BossRecord scene6Boss;
void Scene6Boss_SetHit();
constexpr int kScene6BossLockPoints = 6;
constexpr int32_t kScene6BossLockPointsUsed = 5;
extern LockMarker scene6BossLockPointsA[kScene6BossLockPoints];
extern LockMarker scene6BossLockPointsB[kScene6BossLockPoints];
extern LockOnShot lockOnShotsScene6BossA[kScene6BossLockPointsUsed];
extern LockOnShot lockOnShotsScene6BossB[kScene6BossLockPointsUsed];
static_assert(kScene6BossLockPointsUsed <= kScene6BossLockPoints);

// Scene 7.
extern BossRecord scene7Boss;
void Scene7Boss_SetHit();
constexpr int kScene7BossLockPoints = 9;
constexpr int32_t kScene7BossLockPointsUsed = 9;
extern LockMarker scene7BossLockPointsA[kScene7BossLockPoints];
extern LockMarker scene7BossLockPointsB[kScene7BossLockPoints];
extern LockOnShot lockOnShotsScene7BossA[kScene7BossLockPointsUsed];
extern LockOnShot lockOnShotsScene7BossB[kScene7BossLockPointsUsed];
static_assert(kScene7BossLockPointsUsed <= kScene7BossLockPoints);

// Scene 8.
extern BossRecord scene8Boss;
void Scene8Boss_SetHit();
constexpr int kScene8BossLockPoints = 6;
constexpr int32_t kScene8BossLockPointsUsed = 5;
extern LockMarker scene8BossLockPointsA[kScene8BossLockPoints];
extern LockMarker scene8BossLockPointsB[kScene8BossLockPoints];
extern LockOnShot lockOnShotsScene8BossA[kScene8BossLockPointsUsed];
extern LockOnShot lockOnShotsScene8BossB[kScene8BossLockPointsUsed];
static_assert(kScene8BossLockPointsUsed <= kScene8BossLockPoints);

// Scene 9.
extern BossRecord scene9Boss;
void Scene9Boss_SetHit();
constexpr int kScene9BossLockPoints = 6;
constexpr int32_t kScene9BossLockPointsUsed = 5;
extern LockMarker scene9BossLockPointsA[kScene9BossLockPoints];
extern LockMarker scene9BossLockPointsB[kScene9BossLockPoints];
extern LockOnShot lockOnShotsScene9BossA[kScene9BossLockPointsUsed];
extern LockOnShot lockOnShotsScene9BossB[kScene9BossLockPointsUsed];
static_assert(kScene9BossLockPointsUsed <= kScene9BossLockPoints);
