#pragma once
// The scene-2 boss's volleys, spirals and ring emitters: each instance a
// constants record over its template and its own pool (scene2_boss.h), and its
// named operations. Every launch reads the boss's position from scene2Boss;
// the spirals and ring emitters keep their ticks in its pattern timers.
//
// The driver calls each Move, then Draw, every frame the stage runs, and the
// schedules inside the attack windows. Nothing calls the ring emitters'
// schedules, nor anything of TimedVolley8 and 9; they are built all the same.
#include <cstdint>

#include "game/bosses/ring_emitter.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/spiral_stream.h"
#include "game/enemies/timed_volley.h"

extern const BigFanVolleyConstants kScene2BossBigFanVolley1;
extern const BigFanVolleyConstants kScene2BossBigFanVolley2;
extern const BigFanVolleyConstants kScene2BossBigFanVolley3;
extern const BigFanVolleyConstants kScene2BossBigFanVolley4;
extern const TimedVolleyConstants kScene2BossTimedVolley1;
extern const TimedVolleyConstants kScene2BossTimedVolley2;
extern const TimedVolleyConstants kScene2BossTimedVolley3;
extern const TimedVolleyConstants kScene2BossTimedVolley4;
extern const TimedVolleyConstants kScene2BossTimedVolley5;
extern const TimedVolleyConstants kScene2BossTimedVolley6;
extern const TimedVolleyConstants kScene2BossTimedVolley7;
extern const TimedVolleyConstants kScene2BossTimedVolley8;
extern const TimedVolleyConstants kScene2BossTimedVolley9;
extern const SpiralStreamConstants kScene2BossSpiralStream1;
extern const SpiralStreamConstants kScene2BossSpiralStream2;
extern const SpiralStreamConstants kScene2BossSpiralStream3;
extern const SpiralStreamConstants kScene2BossSpiralStream4;
extern const SpiralStreamConstants kScene2BossSpiralStream5;
extern const SpiralStreamConstants kScene2BossSpiralStream6;
extern const RingEmitterConstants kScene2BossRingEmitter1;
extern const RingEmitterConstants kScene2BossRingEmitter2;
extern const RingEmitterConstants kScene2BossRingEmitter3;
extern const RingEmitterConstants kScene2BossRingEmitter4;
extern const RingEmitterConstants kScene2BossRingEmitter5;
extern const RingEmitterConstants kScene2BossRingEmitter6;

void Scene2Boss_BigFanVolley1_Draw();
void Scene2Boss_BigFanVolley1_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_BigFanVolley1_Schedule();
void Scene2Boss_BigFanVolley1_Move();

void Scene2Boss_BigFanVolley2_Draw();
void Scene2Boss_BigFanVolley2_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_BigFanVolley2_Schedule();
void Scene2Boss_BigFanVolley2_Move();

void Scene2Boss_BigFanVolley3_Draw();
void Scene2Boss_BigFanVolley3_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_BigFanVolley3_Schedule();
void Scene2Boss_BigFanVolley3_Move();

void Scene2Boss_BigFanVolley4_Draw();
void Scene2Boss_BigFanVolley4_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_BigFanVolley4_Schedule();
void Scene2Boss_BigFanVolley4_Move();

void Scene2Boss_TimedVolley1_Draw();
void Scene2Boss_TimedVolley1_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley1_Schedule();
void Scene2Boss_TimedVolley1_Move();

void Scene2Boss_TimedVolley2_Draw();
void Scene2Boss_TimedVolley2_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley2_Schedule();
void Scene2Boss_TimedVolley2_Move();

void Scene2Boss_TimedVolley3_Draw();
void Scene2Boss_TimedVolley3_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley3_Schedule();
void Scene2Boss_TimedVolley3_Move();

void Scene2Boss_TimedVolley4_Draw();
void Scene2Boss_TimedVolley4_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley4_Schedule();
void Scene2Boss_TimedVolley4_Move();

void Scene2Boss_TimedVolley5_Draw();
void Scene2Boss_TimedVolley5_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley5_Schedule();
void Scene2Boss_TimedVolley5_Move();

void Scene2Boss_TimedVolley6_Draw();
void Scene2Boss_TimedVolley6_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley6_Schedule();
void Scene2Boss_TimedVolley6_Move();

void Scene2Boss_TimedVolley7_Draw();
void Scene2Boss_TimedVolley7_FireOne(int32_t i, int32_t groupBase);
void Scene2Boss_TimedVolley7_Schedule();
void Scene2Boss_TimedVolley7_Move();

void Scene2Boss_TimedVolley8_Draw();
void Scene2Boss_TimedVolley8_Schedule();
void Scene2Boss_TimedVolley8_Move();

void Scene2Boss_TimedVolley9_Draw();
void Scene2Boss_TimedVolley9_Schedule();
void Scene2Boss_TimedVolley9_Move();

void Scene2Boss_SpiralStream1_Draw();
void Scene2Boss_SpiralStream1_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream1_Schedule();
void Scene2Boss_SpiralStream1_Move();

void Scene2Boss_SpiralStream2_Draw();
void Scene2Boss_SpiralStream2_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream2_Schedule();
void Scene2Boss_SpiralStream2_Move();

void Scene2Boss_SpiralStream3_Draw();
void Scene2Boss_SpiralStream3_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream3_Schedule();
void Scene2Boss_SpiralStream3_Move();

void Scene2Boss_SpiralStream4_Draw();
void Scene2Boss_SpiralStream4_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream4_Schedule();
void Scene2Boss_SpiralStream4_Move();

void Scene2Boss_SpiralStream5_Draw();
void Scene2Boss_SpiralStream5_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream5_Schedule();
void Scene2Boss_SpiralStream5_Move();

void Scene2Boss_SpiralStream6_Draw();
void Scene2Boss_SpiralStream6_FireOne(int32_t i, int32_t k);
void Scene2Boss_SpiralStream6_Schedule();
void Scene2Boss_SpiralStream6_Move();

void Scene2Boss_RingEmitter1_Draw();
void Scene2Boss_RingEmitter1_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter1_Schedule();
void Scene2Boss_RingEmitter1_Move();

void Scene2Boss_RingEmitter2_Draw();
void Scene2Boss_RingEmitter2_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter2_Schedule();
void Scene2Boss_RingEmitter2_Move();

void Scene2Boss_RingEmitter3_Draw();
void Scene2Boss_RingEmitter3_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter3_Schedule();
void Scene2Boss_RingEmitter3_Move();

void Scene2Boss_RingEmitter4_Draw();
void Scene2Boss_RingEmitter4_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter4_Schedule();
void Scene2Boss_RingEmitter4_Move();

void Scene2Boss_RingEmitter5_Draw();
void Scene2Boss_RingEmitter5_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter5_Schedule();
void Scene2Boss_RingEmitter5_Move();

void Scene2Boss_RingEmitter6_Draw();
void Scene2Boss_RingEmitter6_FireOne(int32_t i, int32_t k);
void Scene2Boss_RingEmitter6_Schedule();
void Scene2Boss_RingEmitter6_Move();
