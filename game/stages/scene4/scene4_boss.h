#pragma once
// The scene-4 boss (an unplayed stage): its defeat explosions, the
// pools of its patterns, its operations and the boss section of its stage.
// The patterns' operations live beside it; its record, hit setter and lock
// points are the roster's (game/bosses/boss_roster.h).
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/bosses/boss_roster.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_records.h"
#include "game/enemies/lock_marker.h"
#include "game/stages/stage_frame.h"

extern BossExplosion scene4BossBigExplosions[kBigExplosions];
extern BossExplosion scene4BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene4Boss_TimedVolley1 ->
// scene4BossTimedVolley1Pool).
extern AimedRingBurstRecord scene4BossAimedRingBurst1Pool[72];
extern AimedRingBurstRecord scene4BossAimedRingBurst2Pool[72];
extern DropShot scene4BossPairedDropShot1Pool[2];
extern DropShot scene4BossPairedDropShot2Pool[3];
extern DropShot scene4BossPairedDropShot3Pool[3];
extern DropShot scene4BossPairedDropShot4Pool[3];
extern DropShot scene4BossPairedDropShot5Pool[4];
extern TimedVolleyShortRecord scene4BossTimedVolley1Pool[50];
extern TimedVolleyShortRecord scene4BossTimedVolley2Pool[50];
extern TimedVolleyShortRecord scene4BossTimedVolley3Pool[50];
extern TimedVolleyShortRecord scene4BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene4BossTimedVolley5Pool[50];

// Drops in from above the screen, holds, swings in a diamond and sways; every
// 28.1 s the script starts over from above the screen.
void Scene4Boss_Update();
// Body, damage smoke, locked lock points, then Scene4Boss_Defeat.
void Scene4Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to scene 5.
void Scene4Boss_Defeat();

// The boss section of scene 4's stage frame: it attacks while 0 < hp < 590,
// its clock wraps at 1100 in every mode, and from scrollDistance 11000 the
// time-out destroys it.
extern const BossSection scene4BossSection;
