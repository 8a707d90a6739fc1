#pragma once
// The scene-8 boss's patterns: one constants record and one pool each over the
// shared templates. The stage driver schedules them in its attack windows and
// moves, then draws, every one of them on every unpaused frame, fired or not.
// Every launch reads the boss's position from scene8Boss; the spirals and the
// curving streams keep their counters in its pattern timers.
//
// Nothing calls the paired drop shots' spawns, nor anything of ring burst 2;
// they are built all the same.
#include <cstdint>

// --- Spiral streams: single shots turned 10 degrees apart --------------------

void Scene8Boss_SpiralStream1_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream1_Schedule();
void Scene8Boss_SpiralStream1_Move();
void Scene8Boss_SpiralStream1_Draw();

void Scene8Boss_SpiralStream2_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream2_Schedule();
void Scene8Boss_SpiralStream2_Move();
void Scene8Boss_SpiralStream2_Draw();

void Scene8Boss_SpiralStream3_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream3_Schedule();
void Scene8Boss_SpiralStream3_Move();
void Scene8Boss_SpiralStream3_Draw();

void Scene8Boss_SpiralStream4_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream4_Schedule();
void Scene8Boss_SpiralStream4_Move();
void Scene8Boss_SpiralStream4_Draw();

void Scene8Boss_SpiralStream5_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream5_Schedule();
void Scene8Boss_SpiralStream5_Move();
void Scene8Boss_SpiralStream5_Draw();

void Scene8Boss_SpiralStream6_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream6_Schedule();
void Scene8Boss_SpiralStream6_Move();
void Scene8Boss_SpiralStream6_Draw();

void Scene8Boss_SpiralStream7_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream7_Schedule();
void Scene8Boss_SpiralStream7_Move();
void Scene8Boss_SpiralStream7_Draw();

void Scene8Boss_SpiralStream8_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream8_Schedule();
void Scene8Boss_SpiralStream8_Move();
void Scene8Boss_SpiralStream8_Draw();

void Scene8Boss_SpiralStream9_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream9_Schedule();
void Scene8Boss_SpiralStream9_Move();
void Scene8Boss_SpiralStream9_Draw();

void Scene8Boss_SpiralStream10_Launch(int32_t i, int32_t k);
void Scene8Boss_SpiralStream10_Schedule();
void Scene8Boss_SpiralStream10_Move();
void Scene8Boss_SpiralStream10_Draw();

// --- Timed volleys: falling pairs (1, 2) and opening arches of five (3 to 7) --

void Scene8Boss_TimedVolley1_Schedule();
void Scene8Boss_TimedVolley1_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley1_Move();
void Scene8Boss_TimedVolley1_Draw();

void Scene8Boss_TimedVolley2_Schedule();
void Scene8Boss_TimedVolley2_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley2_Move();
void Scene8Boss_TimedVolley2_Draw();

void Scene8Boss_TimedVolley3_Schedule();
void Scene8Boss_TimedVolley3_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley3_Move();
void Scene8Boss_TimedVolley3_Draw();

void Scene8Boss_TimedVolley4_Schedule();
void Scene8Boss_TimedVolley4_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley4_Move();
void Scene8Boss_TimedVolley4_Draw();

void Scene8Boss_TimedVolley5_Schedule();
void Scene8Boss_TimedVolley5_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley5_Move();
void Scene8Boss_TimedVolley5_Draw();

void Scene8Boss_TimedVolley6_Schedule();
void Scene8Boss_TimedVolley6_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley6_Move();
void Scene8Boss_TimedVolley6_Draw();

void Scene8Boss_TimedVolley7_Schedule();
void Scene8Boss_TimedVolley7_Spawn(int32_t i, int32_t base);
void Scene8Boss_TimedVolley7_Move();
void Scene8Boss_TimedVolley7_Draw();

// --- Drop streams: large shots dropped one at a time (3 and 4 cross) ---------

void Scene8Boss_StraightDropStream1_Schedule();
void Scene8Boss_StraightDropStream1_Spawn(int32_t i, int32_t k);
void Scene8Boss_StraightDropStream1_Move();
void Scene8Boss_StraightDropStream1_Draw();

void Scene8Boss_StraightDropStream2_Schedule();
void Scene8Boss_StraightDropStream2_Spawn(int32_t i, int32_t k);
void Scene8Boss_StraightDropStream2_Move();
void Scene8Boss_StraightDropStream2_Draw();

void Scene8Boss_StraightDropStream3_Schedule();
void Scene8Boss_StraightDropStream3_Spawn(int32_t i, int32_t k);
void Scene8Boss_StraightDropStream3_Move();
void Scene8Boss_StraightDropStream3_Draw();

void Scene8Boss_StraightDropStream4_Schedule();
void Scene8Boss_StraightDropStream4_Spawn(int32_t i, int32_t k);
void Scene8Boss_StraightDropStream4_Move();
void Scene8Boss_StraightDropStream4_Draw();

// --- Ring bursts: whole rings of 20 or 30 with one shot aimed at the ship ----

void Scene8Boss_AimedRingBurst1_Schedule();
void Scene8Boss_AimedRingBurst1_Spawn(int32_t i);
void Scene8Boss_AimedRingBurst1_Move();
void Scene8Boss_AimedRingBurst1_Draw();

void Scene8Boss_AimedRingBurst2_Schedule();
void Scene8Boss_AimedRingBurst2_Spawn(int32_t i);
void Scene8Boss_AimedRingBurst2_Move();
void Scene8Boss_AimedRingBurst2_Draw();

void Scene8Boss_AimedRingBurst3_Schedule();
void Scene8Boss_AimedRingBurst3_Spawn(int32_t i);
void Scene8Boss_AimedRingBurst3_Move();
void Scene8Boss_AimedRingBurst3_Draw();

void Scene8Boss_AimedRingBurst4_Schedule();
void Scene8Boss_AimedRingBurst4_Spawn(int32_t i);
void Scene8Boss_AimedRingBurst4_Move();
void Scene8Boss_AimedRingBurst4_Draw();

void Scene8Boss_AimedRingBurst5_Schedule();
void Scene8Boss_AimedRingBurst5_Spawn(int32_t i);
void Scene8Boss_AimedRingBurst5_Move();
void Scene8Boss_AimedRingBurst5_Draw();

// --- Paired drop shots: two to four shots that fall and part ----------------

void Scene8Boss_PairedDropShot1_Spawn();
void Scene8Boss_PairedDropShot1_Move();
void Scene8Boss_PairedDropShot1_Draw();

void Scene8Boss_PairedDropShot2_Spawn();
void Scene8Boss_PairedDropShot2_Move();
void Scene8Boss_PairedDropShot2_Draw();

void Scene8Boss_PairedDropShot3_Spawn();
void Scene8Boss_PairedDropShot3_Move();
void Scene8Boss_PairedDropShot3_Draw();

void Scene8Boss_PairedDropShot4_Spawn();
void Scene8Boss_PairedDropShot4_Move();
void Scene8Boss_PairedDropShot4_Draw();

void Scene8Boss_PairedDropShot5_Spawn();
void Scene8Boss_PairedDropShot5_Move();
void Scene8Boss_PairedDropShot5_Draw();

void Scene8Boss_PairedDropShot6_Spawn();
void Scene8Boss_PairedDropShot6_Move();
void Scene8Boss_PairedDropShot6_Draw();

void Scene8Boss_PairedDropShot7_Spawn();
void Scene8Boss_PairedDropShot7_Move();
void Scene8Boss_PairedDropShot7_Draw();

// --- Curving streams: mirrored pairs of bent streams that kill the ship -----

void Scene8Boss_CurvingStream1_Launch(int32_t i);
void Scene8Boss_CurvingStream1_Schedule();
void Scene8Boss_CurvingStream1_Move();
void Scene8Boss_CurvingStream1_Draw();

void Scene8Boss_CurvingStream2_Launch(int32_t i);
void Scene8Boss_CurvingStream2_Schedule();
void Scene8Boss_CurvingStream2_Move();
void Scene8Boss_CurvingStream2_Draw();

void Scene8Boss_CurvingStream3_Launch(int32_t i);
void Scene8Boss_CurvingStream3_Schedule();
void Scene8Boss_CurvingStream3_Move();
void Scene8Boss_CurvingStream3_Draw();

void Scene8Boss_CurvingStream4_Launch(int32_t i);
void Scene8Boss_CurvingStream4_Schedule();
void Scene8Boss_CurvingStream4_Move();
void Scene8Boss_CurvingStream4_Draw();

void Scene8Boss_CurvingStream5_Launch(int32_t i);
void Scene8Boss_CurvingStream5_Schedule();
void Scene8Boss_CurvingStream5_Move();
void Scene8Boss_CurvingStream5_Draw();

void Scene8Boss_CurvingStream6_Launch(int32_t i);
void Scene8Boss_CurvingStream6_Schedule();
void Scene8Boss_CurvingStream6_Move();
void Scene8Boss_CurvingStream6_Draw();

void Scene8Boss_CurvingStream7_Launch(int32_t i);
void Scene8Boss_CurvingStream7_Schedule();
void Scene8Boss_CurvingStream7_Move();
void Scene8Boss_CurvingStream7_Draw();

void Scene8Boss_CurvingStream8_Launch(int32_t i);
void Scene8Boss_CurvingStream8_Schedule();
void Scene8Boss_CurvingStream8_Move();
void Scene8Boss_CurvingStream8_Draw();
