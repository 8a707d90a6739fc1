#pragma once
// The scene-2 boss (the first stage played): its defeat explosions, the
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

extern BossIntro scene2BossSilhouette;

extern BossExplosion scene2BossBigExplosions[kBigExplosions];
extern BossExplosionCompact scene2BossSmallExplosions[kSmallExplosions];

// Pattern pools, named after their instances (Scene2Boss_TimedVolley1 ->
// scene2BossTimedVolley1Pool).
extern AimedQuadVolleyRecord scene2BossAimedQuadVolley1Pool[20];
extern AimedShotPoolRecord scene2BossAimedShotPool1Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool2Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool3Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool4Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool5Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool6Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool7Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool8Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool9Pool[5];
extern AimedShotPoolRecord scene2BossAimedShotPool10Pool[5];
extern BigFanVolleyRecord scene2BossBigFanVolley1Pool[25];
extern BigFanVolleyRecord scene2BossBigFanVolley2Pool[25];
extern BigFanVolleyRecord scene2BossBigFanVolley3Pool[35];
extern BigFanVolleyRecord scene2BossBigFanVolley4Pool[35];
extern DropShot scene2BossPairedDropShot1Pool[2];
extern DropShot scene2BossPairedDropShot2Pool[2];
extern DropShot scene2BossPairedDropShot3Pool[4];
extern RingEmitterRecord scene2BossRingEmitter1Pool[108];
extern RingEmitterRecord scene2BossRingEmitter2Pool[108];
extern RingEmitterRecord scene2BossRingEmitter3Pool[108];
extern RingEmitterRecord scene2BossRingEmitter4Pool[108];
extern RingEmitterRecord scene2BossRingEmitter5Pool[108];
extern RingEmitterRecord scene2BossRingEmitter6Pool[108];
extern SpiralStreamRecord scene2BossSpiralStream1Pool[36];
extern SpiralStreamRecord scene2BossSpiralStream2Pool[36];
extern SpiralStreamRecord scene2BossSpiralStream3Pool[36];
extern SpiralStreamRecord scene2BossSpiralStream4Pool[36];
extern SpiralStreamRecord scene2BossSpiralStream5Pool[36];
extern SpiralStreamRecord scene2BossSpiralStream6Pool[36];
extern StreamShot scene2BossStraightDropStream1Pool[20];
extern StreamShot scene2BossStraightDropStream2Pool[20];
extern TimedVolleyShortRecord scene2BossTimedVolley1Pool[20];
extern TimedVolleyShortRecord scene2BossTimedVolley2Pool[20];
extern TimedVolleyShortRecord scene2BossTimedVolley3Pool[30];
extern TimedVolleyShortRecord scene2BossTimedVolley4Pool[30];
extern TimedVolleyShortRecord scene2BossTimedVolley5Pool[20];
extern TimedVolleyShortRecord scene2BossTimedVolley6Pool[20];
extern TimedVolleyShortRecord scene2BossTimedVolley7Pool[35];
extern TimedVolleyShortRecord scene2BossTimedVolley8Pool[50];
extern TimedVolleyShortRecord scene2BossTimedVolley9Pool[50];

// Approach: the picture rises across the screen, the body descends to
// (180, 0) and holds there.
void Scene2Boss_Update();
// Body, damage smoke, locked lock points, then Scene2Boss_Defeat.
void Scene2Boss_Draw();
// Explosions while hp <= 0, then the world reset and the wipe to scene 3.
void Scene2Boss_Defeat();

// The boss section of scene 2's stage frame: it attacks while
// 0 < hp < 1010, its clock wraps at 4300 in every mode, and from
// scrollDistance 10000 the time-out destroys it.
extern const BossSection scene2BossSection;
