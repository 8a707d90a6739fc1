#pragma once
// The scene-6 boss's patterns: one constants record and one pool each over the
// shared templates. The stage driver arms, schedules or spawns them in its
// attack windows and draws (and, but for the beams, moves) every one of them
// on every unpaused frame, fired or not. The curving streams have their own
// header.
#include <cstdint>

// --- Vertical beams: left and right, armed only in game modes 2 and 3 --------

void Scene6Boss_VerticalBeam1_Spawn();
void Scene6Boss_VerticalBeam1_Draw();

void Scene6Boss_VerticalBeam2_Spawn();
void Scene6Boss_VerticalBeam2_Draw();

// --- Turning streams: a mirrored pair of seven-segment streams ----------------

void Scene6Boss_TurningStream1_Spawn();
void Scene6Boss_TurningStream1_Move();
void Scene6Boss_TurningStream1_Draw();

void Scene6Boss_TurningStream2_Spawn();
void Scene6Boss_TurningStream2_Move();
void Scene6Boss_TurningStream2_Draw();

// --- Big fans of seven and fans of five, aimed at the ship -------------------

void Scene6Boss_BigFanVolley1_Schedule();
void Scene6Boss_BigFanVolley1_Spawn(int32_t i, int32_t base);
void Scene6Boss_BigFanVolley1_Move();
void Scene6Boss_BigFanVolley1_Draw();

void Scene6Boss_BigFanVolley2_Schedule();
void Scene6Boss_BigFanVolley2_Spawn(int32_t i, int32_t base);
void Scene6Boss_BigFanVolley2_Move();
void Scene6Boss_BigFanVolley2_Draw();

void Scene6Boss_FanVolley1_Schedule();
void Scene6Boss_FanVolley1_Spawn(int32_t i, int32_t base);
void Scene6Boss_FanVolley1_Move();
void Scene6Boss_FanVolley1_Draw();

void Scene6Boss_FanVolley2_Schedule();
void Scene6Boss_FanVolley2_Spawn(int32_t i, int32_t base);
void Scene6Boss_FanVolley2_Move();
void Scene6Boss_FanVolley2_Draw();

// --- Timed volleys: arches of five that open into a fan as they fall ---------

void Scene6Boss_TimedVolley1_Schedule();
void Scene6Boss_TimedVolley1_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley1_Move();
void Scene6Boss_TimedVolley1_Draw();

void Scene6Boss_TimedVolley2_Schedule();
void Scene6Boss_TimedVolley2_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley2_Move();
void Scene6Boss_TimedVolley2_Draw();

void Scene6Boss_TimedVolley3_Schedule();
void Scene6Boss_TimedVolley3_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley3_Move();
void Scene6Boss_TimedVolley3_Draw();

void Scene6Boss_TimedVolley4_Schedule();
void Scene6Boss_TimedVolley4_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley4_Move();
void Scene6Boss_TimedVolley4_Draw();

void Scene6Boss_TimedVolley5_Schedule();
void Scene6Boss_TimedVolley5_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley5_Move();
void Scene6Boss_TimedVolley5_Draw();

void Scene6Boss_TimedVolley6_Schedule();
void Scene6Boss_TimedVolley6_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley6_Move();
void Scene6Boss_TimedVolley6_Draw();

void Scene6Boss_TimedVolley7_Schedule();
void Scene6Boss_TimedVolley7_Spawn(int32_t i, int32_t base);
void Scene6Boss_TimedVolley7_Move();
void Scene6Boss_TimedVolley7_Draw();

// --- Paired drop shots: twos, threes and a four from one point ---------------

void Scene6Boss_PairedDropShot1_Spawn();
void Scene6Boss_PairedDropShot1_Move();
void Scene6Boss_PairedDropShot1_Draw();

void Scene6Boss_PairedDropShot2_Spawn();
void Scene6Boss_PairedDropShot2_Move();
void Scene6Boss_PairedDropShot2_Draw();

void Scene6Boss_PairedDropShot3_Spawn();
void Scene6Boss_PairedDropShot3_Move();
void Scene6Boss_PairedDropShot3_Draw();

void Scene6Boss_PairedDropShot4_Spawn();
void Scene6Boss_PairedDropShot4_Move();
void Scene6Boss_PairedDropShot4_Draw();

void Scene6Boss_PairedDropShot5_Spawn();
void Scene6Boss_PairedDropShot5_Move();
void Scene6Boss_PairedDropShot5_Draw();

void Scene6Boss_PairedDropShot6_Spawn();
void Scene6Boss_PairedDropShot6_Move();
void Scene6Boss_PairedDropShot6_Draw();

void Scene6Boss_PairedDropShot7_Spawn();
void Scene6Boss_PairedDropShot7_Move();
void Scene6Boss_PairedDropShot7_Draw();

void Scene6Boss_PairedDropShot8_Spawn();
void Scene6Boss_PairedDropShot8_Move();
void Scene6Boss_PairedDropShot8_Draw();

void Scene6Boss_PairedDropShot9_Spawn();
void Scene6Boss_PairedDropShot9_Move();
void Scene6Boss_PairedDropShot9_Draw();
