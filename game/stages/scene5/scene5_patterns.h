#pragma once
// The scene-5 boss's patterns: one constants record and one pool each over the
// shared templates. The stage driver schedules or spawns them in its attack
// windows and moves, then draws, every one of them on every unpaused frame,
// fired or not. The curving streams are scenery and never harm the ship.
#include <cstdint>

// --- Big fans: widths 3 to 15, aimed at the ship ------------------------------

void Scene5Boss_BigFanVolley1_Schedule();
void Scene5Boss_BigFanVolley1_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley1_Move();
void Scene5Boss_BigFanVolley1_Draw();

void Scene5Boss_BigFanVolley2_Schedule();
void Scene5Boss_BigFanVolley2_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley2_Move();
void Scene5Boss_BigFanVolley2_Draw();

void Scene5Boss_BigFanVolley3_Schedule();
void Scene5Boss_BigFanVolley3_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley3_Move();
void Scene5Boss_BigFanVolley3_Draw();

void Scene5Boss_BigFanVolley4_Schedule();
void Scene5Boss_BigFanVolley4_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley4_Move();
void Scene5Boss_BigFanVolley4_Draw();

void Scene5Boss_BigFanVolley5_Schedule();
void Scene5Boss_BigFanVolley5_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley5_Move();
void Scene5Boss_BigFanVolley5_Draw();

void Scene5Boss_BigFanVolley6_Schedule();
void Scene5Boss_BigFanVolley6_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley6_Move();
void Scene5Boss_BigFanVolley6_Draw();

void Scene5Boss_BigFanVolley7_Schedule();
void Scene5Boss_BigFanVolley7_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley7_Move();
void Scene5Boss_BigFanVolley7_Draw();

void Scene5Boss_BigFanVolley8_Schedule();
void Scene5Boss_BigFanVolley8_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley8_Move();
void Scene5Boss_BigFanVolley8_Draw();

void Scene5Boss_BigFanVolley9_Schedule();
void Scene5Boss_BigFanVolley9_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley9_Move();
void Scene5Boss_BigFanVolley9_Draw();

void Scene5Boss_BigFanVolley10_Schedule();
void Scene5Boss_BigFanVolley10_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley10_Move();
void Scene5Boss_BigFanVolley10_Draw();

void Scene5Boss_BigFanVolley11_Schedule();
void Scene5Boss_BigFanVolley11_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley11_Move();
void Scene5Boss_BigFanVolley11_Draw();

void Scene5Boss_BigFanVolley12_Schedule();
void Scene5Boss_BigFanVolley12_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley12_Move();
void Scene5Boss_BigFanVolley12_Draw();

void Scene5Boss_BigFanVolley13_Schedule();
void Scene5Boss_BigFanVolley13_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley13_Move();
void Scene5Boss_BigFanVolley13_Draw();

void Scene5Boss_BigFanVolley14_Schedule();
void Scene5Boss_BigFanVolley14_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley14_Move();
void Scene5Boss_BigFanVolley14_Draw();

void Scene5Boss_BigFanVolley15_Schedule();
void Scene5Boss_BigFanVolley15_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley15_Move();
void Scene5Boss_BigFanVolley15_Draw();

void Scene5Boss_BigFanVolley16_Schedule();
void Scene5Boss_BigFanVolley16_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley16_Move();
void Scene5Boss_BigFanVolley16_Draw();

void Scene5Boss_BigFanVolley17_Schedule();
void Scene5Boss_BigFanVolley17_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley17_Move();
void Scene5Boss_BigFanVolley17_Draw();

void Scene5Boss_BigFanVolley18_Schedule();
void Scene5Boss_BigFanVolley18_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley18_Move();
void Scene5Boss_BigFanVolley18_Draw();

void Scene5Boss_BigFanVolley19_Schedule();
void Scene5Boss_BigFanVolley19_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley19_Move();
void Scene5Boss_BigFanVolley19_Draw();

void Scene5Boss_BigFanVolley20_Schedule();
void Scene5Boss_BigFanVolley20_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley20_Move();
void Scene5Boss_BigFanVolley20_Draw();

void Scene5Boss_BigFanVolley21_Schedule();
void Scene5Boss_BigFanVolley21_Spawn(int32_t i, int32_t base);
void Scene5Boss_BigFanVolley21_Move();
void Scene5Boss_BigFanVolley21_Draw();

// --- Fans of three and the ring bursts, which nothing schedules ----------------

void Scene5Boss_FanVolley1_Schedule();
void Scene5Boss_FanVolley1_Spawn(int32_t i, int32_t base);
void Scene5Boss_FanVolley1_Move();
void Scene5Boss_FanVolley1_Draw();

void Scene5Boss_FanVolley2_Schedule();
void Scene5Boss_FanVolley2_Spawn(int32_t i, int32_t base);
void Scene5Boss_FanVolley2_Move();
void Scene5Boss_FanVolley2_Draw();

void Scene5Boss_AimedRingBurst1_Schedule();
void Scene5Boss_AimedRingBurst1_Spawn(int32_t i);
void Scene5Boss_AimedRingBurst1_Move();
void Scene5Boss_AimedRingBurst1_Draw();

void Scene5Boss_AimedRingBurst2_Schedule();
void Scene5Boss_AimedRingBurst2_Spawn(int32_t i);
void Scene5Boss_AimedRingBurst2_Move();
void Scene5Boss_AimedRingBurst2_Draw();

// --- Curving streams (counters in scene5Boss.patternTimer[0..5]) and turning
// streams ---------------------------------------------------------------------

void Scene5Boss_CurvingStream1_Spawn(int32_t i);
void Scene5Boss_CurvingStream1_Schedule();
void Scene5Boss_CurvingStream1_Move();
void Scene5Boss_CurvingStream1_Draw();

void Scene5Boss_CurvingStream2_Spawn(int32_t i);
void Scene5Boss_CurvingStream2_Schedule();
void Scene5Boss_CurvingStream2_Move();
void Scene5Boss_CurvingStream2_Draw();

void Scene5Boss_CurvingStream3_Spawn(int32_t i);
void Scene5Boss_CurvingStream3_Schedule();
void Scene5Boss_CurvingStream3_Move();
void Scene5Boss_CurvingStream3_Draw();

void Scene5Boss_CurvingStream4_Spawn(int32_t i);
void Scene5Boss_CurvingStream4_Schedule();
void Scene5Boss_CurvingStream4_Move();
void Scene5Boss_CurvingStream4_Draw();

void Scene5Boss_CurvingStream5_Spawn(int32_t i);
void Scene5Boss_CurvingStream5_Schedule();
void Scene5Boss_CurvingStream5_Move();
void Scene5Boss_CurvingStream5_Draw();

void Scene5Boss_CurvingStream6_Spawn(int32_t i);
void Scene5Boss_CurvingStream6_Schedule();
void Scene5Boss_CurvingStream6_Move();
void Scene5Boss_CurvingStream6_Draw();

void Scene5Boss_TurningStream1_Spawn();
void Scene5Boss_TurningStream1_Move();
void Scene5Boss_TurningStream1_Draw();

void Scene5Boss_TurningStream2_Spawn();
void Scene5Boss_TurningStream2_Move();
void Scene5Boss_TurningStream2_Draw();

void Scene5Boss_TurningStream3_Spawn();
void Scene5Boss_TurningStream3_Move();
void Scene5Boss_TurningStream3_Draw();

void Scene5Boss_TurningStream4_Spawn();
void Scene5Boss_TurningStream4_Move();
void Scene5Boss_TurningStream4_Draw();

// --- Aimed shot pools: 1, 2, 10 to 14 and 22 to 24 are never spawned -----------

void Scene5Boss_AimedShotPool1_Spawn();
void Scene5Boss_AimedShotPool1_Move();
void Scene5Boss_AimedShotPool1_Draw();

void Scene5Boss_AimedShotPool2_Spawn();
void Scene5Boss_AimedShotPool2_Move();
void Scene5Boss_AimedShotPool2_Draw();

void Scene5Boss_AimedShotPool3_Spawn();
void Scene5Boss_AimedShotPool3_Move();
void Scene5Boss_AimedShotPool3_Draw();

void Scene5Boss_AimedShotPool4_Spawn();
void Scene5Boss_AimedShotPool4_Move();
void Scene5Boss_AimedShotPool4_Draw();

void Scene5Boss_AimedShotPool5_Spawn();
void Scene5Boss_AimedShotPool5_Move();
void Scene5Boss_AimedShotPool5_Draw();

void Scene5Boss_AimedShotPool6_Spawn();
void Scene5Boss_AimedShotPool6_Move();
void Scene5Boss_AimedShotPool6_Draw();

void Scene5Boss_AimedShotPool7_Spawn();
void Scene5Boss_AimedShotPool7_Move();
void Scene5Boss_AimedShotPool7_Draw();

void Scene5Boss_AimedShotPool8_Spawn();
void Scene5Boss_AimedShotPool8_Move();
void Scene5Boss_AimedShotPool8_Draw();

void Scene5Boss_AimedShotPool9_Spawn();
void Scene5Boss_AimedShotPool9_Move();
void Scene5Boss_AimedShotPool9_Draw();

void Scene5Boss_AimedShotPool10_Spawn();
void Scene5Boss_AimedShotPool10_Move();
void Scene5Boss_AimedShotPool10_Draw();

void Scene5Boss_AimedShotPool11_Spawn();
void Scene5Boss_AimedShotPool11_Move();
void Scene5Boss_AimedShotPool11_Draw();

void Scene5Boss_AimedShotPool12_Spawn();
void Scene5Boss_AimedShotPool12_Move();
void Scene5Boss_AimedShotPool12_Draw();

void Scene5Boss_AimedShotPool13_Spawn();
void Scene5Boss_AimedShotPool13_Move();
void Scene5Boss_AimedShotPool13_Draw();

void Scene5Boss_AimedShotPool14_Spawn();
void Scene5Boss_AimedShotPool14_Move();
void Scene5Boss_AimedShotPool14_Draw();

void Scene5Boss_AimedShotPool15_Spawn();
void Scene5Boss_AimedShotPool15_Move();
void Scene5Boss_AimedShotPool15_Draw();

void Scene5Boss_AimedShotPool16_Spawn();
void Scene5Boss_AimedShotPool16_Move();
void Scene5Boss_AimedShotPool16_Draw();

void Scene5Boss_AimedShotPool17_Spawn();
void Scene5Boss_AimedShotPool17_Move();
void Scene5Boss_AimedShotPool17_Draw();

void Scene5Boss_AimedShotPool18_Spawn();
void Scene5Boss_AimedShotPool18_Move();
void Scene5Boss_AimedShotPool18_Draw();

void Scene5Boss_AimedShotPool19_Spawn();
void Scene5Boss_AimedShotPool19_Move();
void Scene5Boss_AimedShotPool19_Draw();

void Scene5Boss_AimedShotPool20_Spawn();
void Scene5Boss_AimedShotPool20_Move();
void Scene5Boss_AimedShotPool20_Draw();

void Scene5Boss_AimedShotPool21_Spawn();
void Scene5Boss_AimedShotPool21_Move();
void Scene5Boss_AimedShotPool21_Draw();

void Scene5Boss_AimedShotPool22_Spawn();
void Scene5Boss_AimedShotPool22_Move();
void Scene5Boss_AimedShotPool22_Draw();

void Scene5Boss_AimedShotPool23_Spawn();
void Scene5Boss_AimedShotPool23_Move();
void Scene5Boss_AimedShotPool23_Draw();

void Scene5Boss_AimedShotPool24_Spawn();
void Scene5Boss_AimedShotPool24_Move();
void Scene5Boss_AimedShotPool24_Draw();

void Scene5Boss_AimedShotPool25_Spawn();
void Scene5Boss_AimedShotPool25_Move();
void Scene5Boss_AimedShotPool25_Draw();

void Scene5Boss_AimedShotPool26_Spawn();
void Scene5Boss_AimedShotPool26_Move();
void Scene5Boss_AimedShotPool26_Draw();

void Scene5Boss_AimedShotPool27_Spawn();
void Scene5Boss_AimedShotPool27_Move();
void Scene5Boss_AimedShotPool27_Draw();

void Scene5Boss_AimedShotPool28_Spawn();
void Scene5Boss_AimedShotPool28_Move();
void Scene5Boss_AimedShotPool28_Draw();

void Scene5Boss_AimedShotPool29_Spawn();
void Scene5Boss_AimedShotPool29_Move();
void Scene5Boss_AimedShotPool29_Draw();

void Scene5Boss_AimedShotPool30_Spawn();
void Scene5Boss_AimedShotPool30_Move();
void Scene5Boss_AimedShotPool30_Draw();

// --- Timed volleys (5 and 6 are never scheduled) and drop shots, which only
// fall while difficulty is not 1 ---------------------------------------------

void Scene5Boss_TimedVolley1_Schedule();
void Scene5Boss_TimedVolley1_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley1_Move();
void Scene5Boss_TimedVolley1_Draw();

void Scene5Boss_TimedVolley2_Schedule();
void Scene5Boss_TimedVolley2_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley2_Move();
void Scene5Boss_TimedVolley2_Draw();

void Scene5Boss_TimedVolley3_Schedule();
void Scene5Boss_TimedVolley3_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley3_Move();
void Scene5Boss_TimedVolley3_Draw();

void Scene5Boss_TimedVolley4_Schedule();
void Scene5Boss_TimedVolley4_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley4_Move();
void Scene5Boss_TimedVolley4_Draw();

void Scene5Boss_TimedVolley5_Schedule();
void Scene5Boss_TimedVolley5_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley5_Move();
void Scene5Boss_TimedVolley5_Draw();

void Scene5Boss_TimedVolley6_Schedule();
void Scene5Boss_TimedVolley6_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley6_Move();
void Scene5Boss_TimedVolley6_Draw();

void Scene5Boss_TimedVolley7_Schedule();
void Scene5Boss_TimedVolley7_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley7_Move();
void Scene5Boss_TimedVolley7_Draw();

void Scene5Boss_TimedVolley8_Schedule();
void Scene5Boss_TimedVolley8_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley8_Move();
void Scene5Boss_TimedVolley8_Draw();

void Scene5Boss_TimedVolley9_Schedule();
void Scene5Boss_TimedVolley9_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley9_Move();
void Scene5Boss_TimedVolley9_Draw();

void Scene5Boss_TimedVolley10_Schedule();
void Scene5Boss_TimedVolley10_Spawn(int32_t i, int32_t base);
void Scene5Boss_TimedVolley10_Move();
void Scene5Boss_TimedVolley10_Draw();

void Scene5Boss_PairedDropShot1_Spawn();
void Scene5Boss_PairedDropShot1_Move();
void Scene5Boss_PairedDropShot1_Draw();

void Scene5Boss_PairedDropShot2_Spawn();
void Scene5Boss_PairedDropShot2_Move();
void Scene5Boss_PairedDropShot2_Draw();

void Scene5Boss_PairedDropShot3_Spawn();
void Scene5Boss_PairedDropShot3_Move();
void Scene5Boss_PairedDropShot3_Draw();

void Scene5Boss_PairedDropShot4_Spawn();
void Scene5Boss_PairedDropShot4_Move();
void Scene5Boss_PairedDropShot4_Draw();

void Scene5Boss_PairedDropShot5_Spawn();
void Scene5Boss_PairedDropShot5_Move();
void Scene5Boss_PairedDropShot5_Draw();

void Scene5Boss_PairedDropShot6_Spawn();
void Scene5Boss_PairedDropShot6_Move();
void Scene5Boss_PairedDropShot6_Draw();

void Scene5Boss_PairedDropShot7_Spawn();
void Scene5Boss_PairedDropShot7_Move();
void Scene5Boss_PairedDropShot7_Draw();

void Scene5Boss_PairedDropShot8_Spawn();
void Scene5Boss_PairedDropShot8_Move();
void Scene5Boss_PairedDropShot8_Draw();

void Scene5Boss_PairedDropShot9_Spawn();
void Scene5Boss_PairedDropShot9_Move();
void Scene5Boss_PairedDropShot9_Draw();
