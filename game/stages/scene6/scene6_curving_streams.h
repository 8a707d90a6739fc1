#pragma once
// The scene-6 boss's curving streams: three mirrored pairs that slide out of
// the boss sideways, bend down and drift back across. They are scenery: their
// moves never test the ship. Their counters are scene6Boss.patternTimer[0..5].
#include <cstdint>

void Scene6Boss_CurvingStream1_Spawn(int32_t i);
void Scene6Boss_CurvingStream1_Schedule();
void Scene6Boss_CurvingStream1_Move();
void Scene6Boss_CurvingStream1_Draw();

void Scene6Boss_CurvingStream2_Spawn(int32_t i);
void Scene6Boss_CurvingStream2_Schedule();
void Scene6Boss_CurvingStream2_Move();
void Scene6Boss_CurvingStream2_Draw();

void Scene6Boss_CurvingStream3_Spawn(int32_t i);
void Scene6Boss_CurvingStream3_Schedule();
void Scene6Boss_CurvingStream3_Move();
void Scene6Boss_CurvingStream3_Draw();

void Scene6Boss_CurvingStream4_Spawn(int32_t i);
void Scene6Boss_CurvingStream4_Schedule();
void Scene6Boss_CurvingStream4_Move();
void Scene6Boss_CurvingStream4_Draw();

void Scene6Boss_CurvingStream5_Spawn(int32_t i);
void Scene6Boss_CurvingStream5_Schedule();
void Scene6Boss_CurvingStream5_Move();
void Scene6Boss_CurvingStream5_Draw();

void Scene6Boss_CurvingStream6_Spawn(int32_t i);
void Scene6Boss_CurvingStream6_Schedule();
void Scene6Boss_CurvingStream6_Move();
void Scene6Boss_CurvingStream6_Draw();
