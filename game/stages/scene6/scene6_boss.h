#pragma once
// The scene-6 boss (the fourth stage played): its defeat explosions, the
// pools of its patterns, its operations and the boss section of its stage.
// The patterns' operations live beside it; its record, hit setter and lock
// points are the roster's (game/bosses/boss_roster.h).
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/bosses/boss_roster.h"
#include "game/bosses/curving_stream.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_records.h"
#include "game/enemies/lock_marker.h"
#include "game/stages/scene6/vertical_beam.h"
#include "game/stages/stage_frame.h"

extern BossIntro scene6BossIntro;
extern VerticalBeam scene6BossVerticalBeam1; // the left beam
extern VerticalBeam scene6BossVerticalBeam2; // the right beam

extern BossExplosionShort scene6BossBigExplosions[kBigExplosions];
extern BossExplosionShort scene6BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene6Boss_TimedVolley1 ->
// scene6BossTimedVolley1Pool).
extern BigFanVolleyRecord scene6BossBigFanVolley1Pool[35];
extern BigFanVolleyRecord scene6BossBigFanVolley2Pool[35];
extern CurvingShot scene6BossCurvingStream1Pool[50];
extern CurvingShot scene6BossCurvingStream2Pool[50];
extern CurvingShot scene6BossCurvingStream3Pool[50];
extern CurvingShot scene6BossCurvingStream4Pool[50];
extern CurvingShot scene6BossCurvingStream5Pool[50];
extern CurvingShot scene6BossCurvingStream6Pool[50];
extern FanVolleyRecord scene6BossFanVolley1Pool[25];
extern FanVolleyRecord scene6BossFanVolley2Pool[25];
extern DropShot scene6BossPairedDropShot1Pool[2];
extern DropShot scene6BossPairedDropShot2Pool[2];
extern DropShot scene6BossPairedDropShot3Pool[2];
extern DropShot scene6BossPairedDropShot4Pool[3];
extern DropShot scene6BossPairedDropShot5Pool[3];
extern DropShot scene6BossPairedDropShot6Pool[3];
extern DropShot scene6BossPairedDropShot7Pool[3];
extern DropShot scene6BossPairedDropShot8Pool[3];
extern DropShot scene6BossPairedDropShot9Pool[4];
extern TimedVolleyShortRecord scene6BossTimedVolley1Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley2Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley3Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley5Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley6Pool[50];
extern TimedVolleyShortRecord scene6BossTimedVolley7Pool[50];
extern TurningStreamRecord scene6BossTurningStream1Pool[7];
extern TurningStreamRecord scene6BossTurningStream2Pool[7];

// Approach: the sheet rises across the screen, the body descends to
// (210, 0), then sways about that place for as long as it lives.
void Scene6Boss_Update();
// Body, three puffs of smoke once nearly destroyed, locked lock points, then
// Scene6Boss_Defeat.
void Scene6Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to scene 8.
void Scene6Boss_Defeat();

// The boss section of scene 6's stage frame: it attacks while 0 < hp < 980,
// its clock wraps at 1770 in every mode, and from scrollDistance 11000 the
// time-out destroys it.
extern const BossSection scene6BossSection;
