#pragma once
// The scene-5 boss (the third stage played): its defeat explosions, the
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
#include "game/stages/stage_frame.h"

// Its curving streams keep their schedule counters in patternTimer[0..5].

extern BossExplosion scene5BossBigExplosions[kBigExplosions];
extern BossExplosion scene5BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene5Boss_TimedVolley1 ->
// scene5BossTimedVolley1Pool).
extern AimedRingBurstRecord scene5BossAimedRingBurst1Pool[72];
extern AimedRingBurstRecord scene5BossAimedRingBurst2Pool[72];
extern AimedShotPoolRecord scene5BossAimedShotPool1Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool2Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool3Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool4Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool5Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool6Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool7Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool8Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool9Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool10Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool11Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool12Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool13Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool14Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool15Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool16Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool17Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool18Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool19Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool20Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool21Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool22Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool23Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool24Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool25Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool26Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool27Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool28Pool[5];
extern AimedShotPoolRecord scene5BossAimedShotPool29Pool[8];
extern AimedShotPoolRecord scene5BossAimedShotPool30Pool[8];
extern BigFanVolleyRecord scene5BossBigFanVolley1Pool[15];
extern BigFanVolleyRecord scene5BossBigFanVolley2Pool[15];
extern BigFanVolleyRecord scene5BossBigFanVolley3Pool[15];
extern BigFanVolleyRecord scene5BossBigFanVolley4Pool[25];
extern BigFanVolleyRecord scene5BossBigFanVolley5Pool[25];
extern BigFanVolleyRecord scene5BossBigFanVolley6Pool[25];
extern BigFanVolleyRecord scene5BossBigFanVolley7Pool[35];
extern BigFanVolleyRecord scene5BossBigFanVolley8Pool[35];
extern BigFanVolleyRecord scene5BossBigFanVolley9Pool[35];
extern BigFanVolleyRecord scene5BossBigFanVolley10Pool[45];
extern BigFanVolleyRecord scene5BossBigFanVolley11Pool[45];
extern BigFanVolleyRecord scene5BossBigFanVolley12Pool[45];
extern BigFanVolleyRecord scene5BossBigFanVolley13Pool[55];
extern BigFanVolleyRecord scene5BossBigFanVolley14Pool[55];
extern BigFanVolleyRecord scene5BossBigFanVolley15Pool[55];
extern BigFanVolleyRecord scene5BossBigFanVolley16Pool[65];
extern BigFanVolleyRecord scene5BossBigFanVolley17Pool[65];
extern BigFanVolleyRecord scene5BossBigFanVolley18Pool[65];
extern BigFanVolleyRecord scene5BossBigFanVolley19Pool[75];
extern BigFanVolleyRecord scene5BossBigFanVolley20Pool[75];
extern BigFanVolleyRecord scene5BossBigFanVolley21Pool[75];
extern CurvingShot scene5BossCurvingStream1Pool[50];
extern CurvingShot scene5BossCurvingStream2Pool[50];
extern CurvingShot scene5BossCurvingStream3Pool[50];
extern CurvingShot scene5BossCurvingStream4Pool[50];
extern CurvingShot scene5BossCurvingStream5Pool[50];
extern CurvingShot scene5BossCurvingStream6Pool[50];
extern FanVolleyRecord scene5BossFanVolley1Pool[15];
extern FanVolleyRecord scene5BossFanVolley2Pool[15];
extern DropShot scene5BossPairedDropShot1Pool[2];
extern DropShot scene5BossPairedDropShot2Pool[2];
extern DropShot scene5BossPairedDropShot3Pool[2];
extern DropShot scene5BossPairedDropShot4Pool[3];
extern DropShot scene5BossPairedDropShot5Pool[3];
extern DropShot scene5BossPairedDropShot6Pool[3];
extern DropShot scene5BossPairedDropShot7Pool[3];
extern DropShot scene5BossPairedDropShot8Pool[3];
extern DropShot scene5BossPairedDropShot9Pool[4];
extern TimedVolleyShortRecord scene5BossTimedVolley1Pool[20];
extern TimedVolleyShortRecord scene5BossTimedVolley2Pool[20];
extern TimedVolleyShortRecord scene5BossTimedVolley3Pool[20];
extern TimedVolleyShortRecord scene5BossTimedVolley4Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley5Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley6Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley7Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley8Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley9Pool[50];
extern TimedVolleyShortRecord scene5BossTimedVolley10Pool[50];
extern TurningStreamRecord scene5BossTurningStream1Pool[7];
extern TurningStreamRecord scene5BossTurningStream2Pool[7];
extern TurningStreamRecord scene5BossTurningStream3Pool[7];
extern TurningStreamRecord scene5BossTurningStream4Pool[7];

// Waits above the screen, descends to (180, 0), then loops a bob, a sway, a
// diamond, a wider sway and a faster diamond for ever.
void Scene5Boss_Update();
// Body, damage smoke, locked lock points, then Scene5Boss_Defeat.
void Scene5Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to scene 6.
void Scene5Boss_Defeat();

// The boss section of scene 5's stage frame: it attacks while 0 < hp < 780
// (the hp blocks only while difficulty is not 1), its clock wraps at 4900 in
// every mode, and from scrollDistance 11000 the time-out destroys it.
extern const BossSection scene5BossSection;
