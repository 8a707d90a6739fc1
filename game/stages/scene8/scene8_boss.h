#pragma once
// The scene-8 boss (the last stage played): its defeat explosions, the pools
// of its patterns, its operations and the boss section of its stage. The
// patterns' operations live beside it (scene8_patterns.h); its record, hit
// setter and lock points are the roster's (game/bosses/boss_roster.h).
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/bosses/boss_roster.h"
#include "game/bosses/curving_stream.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_records.h"
#include "game/enemies/lock_marker.h"
#include "game/stages/stage_frame.h"

extern BossExplosion scene8BossBigExplosions[kBigExplosions];
extern BossExplosion scene8BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene8Boss_TimedVolley1 ->
// scene8BossTimedVolley1Pool).
extern AimedRingBurstRecord scene8BossAimedRingBurst1Pool[200];
extern AimedRingBurstRecord scene8BossAimedRingBurst2Pool[300];
extern AimedRingBurstRecord scene8BossAimedRingBurst3Pool[200];
extern AimedRingBurstRecord scene8BossAimedRingBurst4Pool[300];
extern AimedRingBurstRecord scene8BossAimedRingBurst5Pool[300];
extern CurvingShot scene8BossCurvingStream1Pool[50];
extern CurvingShot scene8BossCurvingStream2Pool[50];
extern CurvingShot scene8BossCurvingStream3Pool[50];
extern CurvingShot scene8BossCurvingStream4Pool[50];
extern CurvingShot scene8BossCurvingStream5Pool[50];
extern CurvingShot scene8BossCurvingStream6Pool[50];
extern CurvingShot scene8BossCurvingStream7Pool[50];
extern CurvingShot scene8BossCurvingStream8Pool[50];
extern DropShot scene8BossPairedDropShot1Pool[2];
extern DropShot scene8BossPairedDropShot2Pool[3];
extern DropShot scene8BossPairedDropShot3Pool[3];
extern DropShot scene8BossPairedDropShot4Pool[3];
extern DropShot scene8BossPairedDropShot5Pool[3];
extern DropShot scene8BossPairedDropShot6Pool[3];
extern DropShot scene8BossPairedDropShot7Pool[4];
extern SpiralStreamRecord scene8BossSpiralStream1Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream2Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream3Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream4Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream5Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream6Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream7Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream8Pool[36];
extern SpiralStreamRecord scene8BossSpiralStream9Pool[108];
extern SpiralStreamRecord scene8BossSpiralStream10Pool[108];
extern StreamShot scene8BossStraightDropStream1Pool[20];
extern StreamShot scene8BossStraightDropStream2Pool[20];
extern StreamShot scene8BossStraightDropStream3Pool[20];
extern StreamShot scene8BossStraightDropStream4Pool[20];
extern TimedVolleyShortRecord scene8BossTimedVolley1Pool[20];
extern TimedVolleyShortRecord scene8BossTimedVolley2Pool[20];
extern TimedVolleyShortRecord scene8BossTimedVolley3Pool[50];
extern TimedVolleyShortRecord scene8BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene8BossTimedVolley5Pool[50];
extern TimedVolleyShortRecord scene8BossTimedVolley6Pool[50];
extern TimedVolleyShortRecord scene8BossTimedVolley7Pool[50];

// Waits above the field, descends, holds at (170, 0) and sways there.
void Scene8Boss_Update();
// Body, flames, locked lock points, then Scene8Boss_Defeat.
void Scene8Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to the ending.
void Scene8Boss_Defeat();

// Its schedule counters in the boss record: the spirals' and the curving
// streams'.
constexpr int kScene8SpiralTimer = 0;   // SpiralStream1..10: entries 0..9
constexpr int kScene8CurvingTimer = 10; // CurvingStream1..8: entries 10..17

// The boss section of scene 8's stage frame: it attacks while
// 0 < hp < 1480, its clock wraps at 3000 in game mode 1 and at 4390 in game
// modes 2 and 3 (never in any other), and from scrollDistance 11000 the
// time-out destroys it.
extern const BossSection scene8BossSection;
