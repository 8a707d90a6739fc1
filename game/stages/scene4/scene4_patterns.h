#pragma once
// The scene-4 boss's patterns: five timed volleys of five, two aimed ring
// bursts and five paired drop shots, each a constants record over its shared
// template and its own pool (scene4_boss.h). Every launch reads the boss's
// position from scene4Boss.
//
// The driver moves, then draws, every pool on every unpaused frame, fired or
// not. Nothing calls the ring bursts' schedules, and the drop shots spawn
// only when difficulty is not 1, so in play both stay parked.
#include <cstdint>

void Scene4Boss_TimedVolley1_Schedule();
void Scene4Boss_TimedVolley1_Spawn(int32_t i, int32_t groupBase);
void Scene4Boss_TimedVolley1_Move();
void Scene4Boss_TimedVolley1_Draw();

void Scene4Boss_TimedVolley2_Schedule();
void Scene4Boss_TimedVolley2_Spawn(int32_t i, int32_t groupBase);
void Scene4Boss_TimedVolley2_Move();
void Scene4Boss_TimedVolley2_Draw();

void Scene4Boss_TimedVolley3_Schedule();
void Scene4Boss_TimedVolley3_Spawn(int32_t i, int32_t groupBase);
void Scene4Boss_TimedVolley3_Move();
void Scene4Boss_TimedVolley3_Draw();

void Scene4Boss_TimedVolley4_Schedule();
void Scene4Boss_TimedVolley4_Spawn(int32_t i, int32_t groupBase);
void Scene4Boss_TimedVolley4_Move();
void Scene4Boss_TimedVolley4_Draw();

void Scene4Boss_TimedVolley5_Schedule();
void Scene4Boss_TimedVolley5_Spawn(int32_t i, int32_t groupBase);
void Scene4Boss_TimedVolley5_Move();
void Scene4Boss_TimedVolley5_Draw();

void Scene4Boss_AimedRingBurst1_Schedule();
void Scene4Boss_AimedRingBurst1_Spawn(int32_t i);
void Scene4Boss_AimedRingBurst1_Move();
void Scene4Boss_AimedRingBurst1_Draw();

void Scene4Boss_AimedRingBurst2_Schedule();
void Scene4Boss_AimedRingBurst2_Spawn(int32_t i);
void Scene4Boss_AimedRingBurst2_Move();
void Scene4Boss_AimedRingBurst2_Draw();

void Scene4Boss_PairedDropShot1_Spawn();
void Scene4Boss_PairedDropShot1_Move();
void Scene4Boss_PairedDropShot1_Draw();

void Scene4Boss_PairedDropShot2_Spawn();
void Scene4Boss_PairedDropShot2_Move();
void Scene4Boss_PairedDropShot2_Draw();

void Scene4Boss_PairedDropShot3_Spawn();
void Scene4Boss_PairedDropShot3_Move();
void Scene4Boss_PairedDropShot3_Draw();

void Scene4Boss_PairedDropShot4_Spawn();
void Scene4Boss_PairedDropShot4_Move();
void Scene4Boss_PairedDropShot4_Draw();

void Scene4Boss_PairedDropShot5_Spawn();
void Scene4Boss_PairedDropShot5_Move();
void Scene4Boss_PairedDropShot5_Draw();
