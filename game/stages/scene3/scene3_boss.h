#pragma once
// The scene-3 boss (the second stage played): its defeat explosions, the
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
#include "game/stages/stage_frame.h"

extern BossIntro scene3BossIntro;

extern BossExplosion scene3BossBigExplosions[kBigExplosions];
extern BossExplosion scene3BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene3Boss_TimedVolley1 ->
// scene3BossTimedVolley1Pool).
extern AimedRingBurstRecord scene3BossAimedRingBurst1Pool[72];
extern AimedRingBurstRecord scene3BossAimedRingBurst2Pool[72];
extern AimedShotPoolRecord scene3BossAimedShotPool1Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool2Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool3Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool4Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool5Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool6Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool7Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool8Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool9Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool10Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool11Pool[5];
extern AimedShotPoolRecord scene3BossAimedShotPool12Pool[5];
extern BigFanVolleyRecord scene3BossBigFanVolley1Pool[15];
extern BigFanVolleyRecord scene3BossBigFanVolley2Pool[15];
extern BigFanVolleyRecord scene3BossBigFanVolley3Pool[35];
extern BigFanVolleyRecord scene3BossBigFanVolley4Pool[35];
extern BigFanVolleyRecord scene3BossBigFanVolley5Pool[55];
extern BigFanVolleyRecord scene3BossBigFanVolley6Pool[55];
extern BigFanVolleyRecord scene3BossBigFanVolley7Pool[55];
extern DropShot scene3BossPairedDropShot1Pool[2];
extern DropShot scene3BossPairedDropShot2Pool[2];
extern DropShot scene3BossPairedDropShot3Pool[2];
extern DropShot scene3BossPairedDropShot4Pool[3];
extern DropShot scene3BossPairedDropShot5Pool[3];
extern DropShot scene3BossPairedDropShot6Pool[3];
extern DropShot scene3BossPairedDropShot7Pool[3];
extern DropShot scene3BossPairedDropShot8Pool[3];
extern DropShot scene3BossPairedDropShot9Pool[4];
extern SpreadShot scene3BossSpreadVolleyTrail1Pool[50];
extern SpreadShot scene3BossSpreadVolleyTrail2Pool[50];
extern StreamShot scene3BossStraightDropStream1Pool[20];
extern StreamShot scene3BossStraightDropStream2Pool[20];
extern StreamShot scene3BossStraightDropStream3Pool[20];
extern StreamShot scene3BossStraightDropStream4Pool[20];
extern StreamShot scene3BossStraightDropStream5Pool[20];
extern StreamShot scene3BossStraightDropStream6Pool[20];
extern StreamShot scene3BossStraightDropStream7Pool[20];
extern StreamShot scene3BossStraightDropStream8Pool[20];
extern StreamShot scene3BossStraightDropStream9Pool[20];
extern TimedVolleyShortRecord scene3BossTimedVolley1Pool[30];
extern TimedVolleyShortRecord scene3BossTimedVolley2Pool[30];
extern TimedVolleyShortRecord scene3BossTimedVolley3Pool[20];
extern TimedVolleyShortRecord scene3BossTimedVolley4Pool[20];
extern TimedVolleyShortRecord scene3BossTimedVolley5Pool[20];
extern TimedVolleyShortRecord scene3BossTimedVolley6Pool[20];
extern TimedVolleyShortRecord scene3BossTimedVolley7Pool[50];
extern TimedVolleyShortRecord scene3BossTimedVolley8Pool[50];
extern TimedVolleyShortRecord scene3BossTimedVolley9Pool[50];
extern TimedVolleyShortRecord scene3BossTimedVolley10Pool[50];
extern TimedVolleyShortRecord scene3BossTimedVolley11Pool[50];

// Fly-by of its picture, descent to (150, 0), then a side-to-side sway that
// repeats while it lives.
void Scene3Boss_Update();
// Body, damage smoke, the locked points of lock array B, then
// Scene3Boss_Defeat.
void Scene3Boss_Draw();
// Explosions while hp <= 0, then the world reset and a 60-step wipe to
// scene 5.
void Scene3Boss_Defeat();

// The boss section of scene 3's stage frame: it attacks while 0 < hp < 980;
// its clock wraps at 2300 in gameModes 1 and 2, at 3710 in gameMode 3, never
// otherwise; from scrollDistance 11000 the time-out destroys it.
extern const BossSection scene3BossSection;
