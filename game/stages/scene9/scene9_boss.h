#pragma once
// The scene-9 boss (an unplayed stage): its defeat explosions, the
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

extern BossExplosion scene9BossBigExplosions[kBigExplosions];
extern BossExplosion scene9BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene9Boss_TimedVolley1 ->
// scene9BossTimedVolley1Pool).
extern DropShot scene9BossPairedDropShot1Pool[2];
extern DropShot scene9BossPairedDropShot2Pool[2];
extern DropShot scene9BossPairedDropShot3Pool[2];
extern DropShot scene9BossPairedDropShot4Pool[3];
extern DropShot scene9BossPairedDropShot5Pool[3];
extern DropShot scene9BossPairedDropShot6Pool[3];
extern DropShot scene9BossPairedDropShot7Pool[3];
extern DropShot scene9BossPairedDropShot8Pool[3];
extern DropShot scene9BossPairedDropShot9Pool[4];
extern TimedVolleyShortRecord scene9BossTimedVolley1Pool[50];
extern TimedVolleyShortRecord scene9BossTimedVolley2Pool[50];
extern TimedVolleyShortRecord scene9BossTimedVolley3Pool[50];
extern TimedVolleyShortRecord scene9BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene9BossTimedVolley5Pool[50];

// Drops in from above the screen, holds at the top, then sways from side to
// side for as long as it lives.
void Scene9Boss_Update();
// Body, damage smoke, locked lock points of A, then Scene9Boss_Defeat.
void Scene9Boss_Draw();
// Explosions while hp <= 0, then the world reset and the long wipe to the
// ending.
void Scene9Boss_Defeat();

// The boss section of scene 9's stage frame: it attacks while 0 < hp < 1200,
// its clock wraps at 1220 in every mode, and from scrollDistance 11000 the
// time-out destroys it.
extern const BossSection scene9BossSection;
