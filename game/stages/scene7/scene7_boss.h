#pragma once
// The scene-7 boss (an unplayed stage): its defeat explosions, the
// pools of its patterns, its operations and the boss section of its stage.
// The patterns' operations live beside it; its record, hit setter and lock
// points are the roster's (game/bosses/boss_roster.h).
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/bosses/boss_roster.h"
#include "game/bosses/pattern_records.h"
#include "game/bosses/spread_volley_trail.h"
#include "game/enemies/bullet_records.h"
#include "game/enemies/lock_marker.h"
#include "game/stages/scene7/lightning_chain.h"
#include "game/stages/stage_frame.h"

extern BossExplosion scene7BossBigExplosions[kBigExplosions];
extern BossExplosion scene7BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene7Boss_TimedVolley1 ->
// scene7BossTimedVolley1Pool).
extern AimedRingBurstRecord scene7BossAimedRingBurst1Pool[300];
extern ChainJoint scene7BossLightningChain1Pool[6];
extern ChainJoint scene7BossLightningChain2Pool[6];
extern ChainJoint scene7BossLightningChain3Pool[6];
extern ChainJoint scene7BossLightningChain4Pool[6];
extern ChainJoint scene7BossLightningChain5Pool[6];
extern ChainJoint scene7BossLightningChain6Pool[6];
extern DropShot scene7BossPairedDropShot1Pool[2];
extern DropShot scene7BossPairedDropShot2Pool[2];
extern DropShot scene7BossPairedDropShot3Pool[2];
extern DropShot scene7BossPairedDropShot4Pool[3];
extern DropShot scene7BossPairedDropShot5Pool[3];
extern DropShot scene7BossPairedDropShot6Pool[3];
extern DropShot scene7BossPairedDropShot7Pool[3];
extern DropShot scene7BossPairedDropShot8Pool[3];
extern DropShot scene7BossPairedDropShot9Pool[4];
extern SpreadShot scene7BossSpreadVolleyTrail1Pool[50];
extern SpreadShot scene7BossSpreadVolleyTrail2Pool[50];
extern TimedVolleyShortRecord scene7BossTimedVolley1Pool[20];
extern TimedVolleyShortRecord scene7BossTimedVolley2Pool[20];
extern TimedVolleyShortRecord scene7BossTimedVolley3Pool[50];
extern TimedVolleyShortRecord scene7BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene7BossTimedVolley5Pool[50];
extern TimedVolleyShortRecord scene7BossTimedVolley6Pool[50];
extern TimedVolleyShortRecord scene7BossTimedVolley7Pool[50];

// Waits above the field, descends, then sways from (170, 0).
void Scene7Boss_Update();
// Body, flames when nearly destroyed, locked points of array B, then
// Scene7Boss_Defeat.
void Scene7Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to scene 8.
void Scene7Boss_Defeat();

// The boss section of scene 7's stage frame: it attacks while
// 0 < hp < 1380, its clock wraps at 1610 in every mode, and from
// scrollDistance 11000 the time-out destroys it.
extern const BossSection scene7BossSection;
