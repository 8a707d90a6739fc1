#pragma once
// The scene-9 boss's patterns: five timed volleys of five and nine paired drop
// shots, each a constants record over its shared template and its own pool
// (scene9_boss.h). Every launch reads the boss's position from scene9Boss.
//
// The driver moves, then draws, every pool on every unpaused frame, fired or
// not, before the enemies and the player.
#include <cstdint>

void Scene9Boss_TimedVolley1_Schedule();
void Scene9Boss_TimedVolley1_Spawn(int32_t i, int32_t groupBase);
void Scene9Boss_TimedVolley1_Move();
void Scene9Boss_TimedVolley1_Draw();

void Scene9Boss_TimedVolley2_Schedule();
void Scene9Boss_TimedVolley2_Spawn(int32_t i, int32_t groupBase);
void Scene9Boss_TimedVolley2_Move();
void Scene9Boss_TimedVolley2_Draw();

void Scene9Boss_TimedVolley3_Schedule();
void Scene9Boss_TimedVolley3_Spawn(int32_t i, int32_t groupBase);
void Scene9Boss_TimedVolley3_Move();
void Scene9Boss_TimedVolley3_Draw();

void Scene9Boss_TimedVolley4_Schedule();
void Scene9Boss_TimedVolley4_Spawn(int32_t i, int32_t groupBase);
void Scene9Boss_TimedVolley4_Move();
void Scene9Boss_TimedVolley4_Draw();

void Scene9Boss_TimedVolley5_Schedule();
void Scene9Boss_TimedVolley5_Spawn(int32_t i, int32_t groupBase);
void Scene9Boss_TimedVolley5_Move();
void Scene9Boss_TimedVolley5_Draw();

void Scene9Boss_PairedDropShot1_Spawn();
void Scene9Boss_PairedDropShot1_Move();
void Scene9Boss_PairedDropShot1_Draw();

void Scene9Boss_PairedDropShot2_Spawn();
void Scene9Boss_PairedDropShot2_Move();
void Scene9Boss_PairedDropShot2_Draw();

void Scene9Boss_PairedDropShot3_Spawn();
void Scene9Boss_PairedDropShot3_Move();
void Scene9Boss_PairedDropShot3_Draw();

void Scene9Boss_PairedDropShot4_Spawn();
void Scene9Boss_PairedDropShot4_Move();
void Scene9Boss_PairedDropShot4_Draw();

void Scene9Boss_PairedDropShot5_Spawn();
void Scene9Boss_PairedDropShot5_Move();
void Scene9Boss_PairedDropShot5_Draw();

void Scene9Boss_PairedDropShot6_Spawn();
void Scene9Boss_PairedDropShot6_Move();
void Scene9Boss_PairedDropShot6_Draw();

void Scene9Boss_PairedDropShot7_Spawn();
void Scene9Boss_PairedDropShot7_Move();
void Scene9Boss_PairedDropShot7_Draw();

void Scene9Boss_PairedDropShot8_Spawn();
void Scene9Boss_PairedDropShot8_Move();
void Scene9Boss_PairedDropShot8_Draw();

void Scene9Boss_PairedDropShot9_Spawn();
void Scene9Boss_PairedDropShot9_Move();
void Scene9Boss_PairedDropShot9_Draw();
