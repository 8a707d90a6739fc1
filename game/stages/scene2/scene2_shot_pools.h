#pragma once
// The scene-2 boss's aimed shot pools, aimed quad volley, straight drop
// streams and paired drop shots: one constants record and one pool each over
// the shared boss pattern templates. The stage driver spawns and schedules
// them in its attack windows and moves, then draws, every one of them on every
// unpaused frame, fired or not.
#include <cstdint>

void Scene2Boss_AimedShotPool1_Spawn();
void Scene2Boss_AimedShotPool1_Move();
void Scene2Boss_AimedShotPool1_Draw();

void Scene2Boss_AimedShotPool2_Spawn();
void Scene2Boss_AimedShotPool2_Move();
void Scene2Boss_AimedShotPool2_Draw();

void Scene2Boss_AimedShotPool3_Spawn();
void Scene2Boss_AimedShotPool3_Move();
void Scene2Boss_AimedShotPool3_Draw();

void Scene2Boss_AimedShotPool4_Spawn();
void Scene2Boss_AimedShotPool4_Move();
void Scene2Boss_AimedShotPool4_Draw();

void Scene2Boss_AimedShotPool5_Spawn();
void Scene2Boss_AimedShotPool5_Move();
void Scene2Boss_AimedShotPool5_Draw();

void Scene2Boss_AimedShotPool6_Spawn();
void Scene2Boss_AimedShotPool6_Move();
void Scene2Boss_AimedShotPool6_Draw();

void Scene2Boss_AimedShotPool7_Spawn();
void Scene2Boss_AimedShotPool7_Move();
void Scene2Boss_AimedShotPool7_Draw();

void Scene2Boss_AimedShotPool8_Spawn();
void Scene2Boss_AimedShotPool8_Move();
void Scene2Boss_AimedShotPool8_Draw();

void Scene2Boss_AimedShotPool9_Spawn();
void Scene2Boss_AimedShotPool9_Move();
void Scene2Boss_AimedShotPool9_Draw();

void Scene2Boss_AimedShotPool10_Spawn();
void Scene2Boss_AimedShotPool10_Move();
void Scene2Boss_AimedShotPool10_Draw();

// Nothing in the game calls this schedule; the volley stays parked.
void Scene2Boss_AimedQuadVolley1_Schedule();
void Scene2Boss_AimedQuadVolley1_Move();
void Scene2Boss_AimedQuadVolley1_Draw();

// Scheduled only in the modes with gameMode 2 or 3.
void Scene2Boss_StraightDropStream1_Schedule();
void Scene2Boss_StraightDropStream1_FireOne(int32_t i, int32_t j);
void Scene2Boss_StraightDropStream1_Move();
void Scene2Boss_StraightDropStream1_Draw();

void Scene2Boss_StraightDropStream2_Schedule();
void Scene2Boss_StraightDropStream2_FireOne(int32_t i, int32_t j);
void Scene2Boss_StraightDropStream2_Move();
void Scene2Boss_StraightDropStream2_Draw();

// Nothing in the game calls these spawns; the shots stay parked.
void Scene2Boss_PairedDropShot1_Spawn();
void Scene2Boss_PairedDropShot1_Move();
void Scene2Boss_PairedDropShot1_Draw();

void Scene2Boss_PairedDropShot2_Spawn();
void Scene2Boss_PairedDropShot2_Move();
void Scene2Boss_PairedDropShot2_Draw();

void Scene2Boss_PairedDropShot3_Spawn();
void Scene2Boss_PairedDropShot3_Move();
void Scene2Boss_PairedDropShot3_Draw();
