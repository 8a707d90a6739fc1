#pragma once
// The scene-3 boss's patterns: one constants record and one pool each over the
// shared pattern templates. The stage driver schedules or spawns them in the
// windows of its attack clock and moves, then draws, every one of them on
// every unpaused frame, fired or not. The operations other scenes call too
// are declared in shared_patterns.h.
#include <cstdint>

#include "game/stages/shared_patterns.h"

// Threes that spread to one side as they fall (1 right, 2 left), and straight pairs.
void Scene3Boss_TimedVolley1_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley2_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley3_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley4_Spawn(int32_t i, int32_t base);

// Pairs (5 straight, 6 parting) and arches of five that open into fans (7 to 11).
void Scene3Boss_TimedVolley5_Schedule();
void Scene3Boss_TimedVolley5_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley6_Schedule();
void Scene3Boss_TimedVolley6_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley7_Schedule();
void Scene3Boss_TimedVolley7_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley8_Schedule();
void Scene3Boss_TimedVolley8_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley9_Schedule();
void Scene3Boss_TimedVolley9_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley10_Schedule();
void Scene3Boss_TimedVolley10_Spawn(int32_t i, int32_t base);
void Scene3Boss_TimedVolley11_Schedule();
void Scene3Boss_TimedVolley11_Spawn(int32_t i, int32_t base);

// Aimed fans of 3 (1, 2), 7 (3, 4) and 11 (5 to 7) shots.
void Scene3Boss_BigFanVolley1_Schedule();
void Scene3Boss_BigFanVolley1_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley1_Move();
void Scene3Boss_BigFanVolley1_Draw();
void Scene3Boss_BigFanVolley2_Schedule();
void Scene3Boss_BigFanVolley2_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley2_Move();
void Scene3Boss_BigFanVolley2_Draw();
void Scene3Boss_BigFanVolley3_Schedule();
void Scene3Boss_BigFanVolley3_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley3_Move();
void Scene3Boss_BigFanVolley3_Draw();
void Scene3Boss_BigFanVolley4_Schedule();
void Scene3Boss_BigFanVolley4_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley4_Move();
void Scene3Boss_BigFanVolley4_Draw();
void Scene3Boss_BigFanVolley5_Schedule();
void Scene3Boss_BigFanVolley5_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley5_Move();
void Scene3Boss_BigFanVolley5_Draw();
void Scene3Boss_BigFanVolley6_Schedule();
void Scene3Boss_BigFanVolley6_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley6_Move();
void Scene3Boss_BigFanVolley6_Draw();
void Scene3Boss_BigFanVolley7_Schedule();
void Scene3Boss_BigFanVolley7_Spawn(int32_t i, int32_t base);
void Scene3Boss_BigFanVolley7_Move();
void Scene3Boss_BigFanVolley7_Draw();

// Lines of five aimed shots at rising speeds; 1 to 6 from the left of the
// boss, 7 to 12 from the right, each turned its own number of 18-degree steps.
void Scene3Boss_AimedShotPool1_Spawn();
void Scene3Boss_AimedShotPool1_Move();
void Scene3Boss_AimedShotPool1_Draw();
void Scene3Boss_AimedShotPool2_Spawn();
void Scene3Boss_AimedShotPool2_Move();
void Scene3Boss_AimedShotPool2_Draw();
void Scene3Boss_AimedShotPool3_Spawn();
void Scene3Boss_AimedShotPool3_Move();
void Scene3Boss_AimedShotPool3_Draw();
void Scene3Boss_AimedShotPool4_Spawn();
void Scene3Boss_AimedShotPool4_Move();
void Scene3Boss_AimedShotPool4_Draw();
void Scene3Boss_AimedShotPool5_Spawn();
void Scene3Boss_AimedShotPool5_Move();
void Scene3Boss_AimedShotPool5_Draw();
void Scene3Boss_AimedShotPool6_Spawn();
void Scene3Boss_AimedShotPool6_Move();
void Scene3Boss_AimedShotPool6_Draw();
void Scene3Boss_AimedShotPool7_Spawn();
void Scene3Boss_AimedShotPool7_Move();
void Scene3Boss_AimedShotPool7_Draw();
void Scene3Boss_AimedShotPool8_Spawn();
void Scene3Boss_AimedShotPool8_Move();
void Scene3Boss_AimedShotPool8_Draw();
void Scene3Boss_AimedShotPool9_Spawn();
void Scene3Boss_AimedShotPool9_Move();
void Scene3Boss_AimedShotPool9_Draw();
void Scene3Boss_AimedShotPool10_Spawn();
void Scene3Boss_AimedShotPool10_Move();
void Scene3Boss_AimedShotPool10_Draw();
void Scene3Boss_AimedShotPool11_Spawn();
void Scene3Boss_AimedShotPool11_Move();
void Scene3Boss_AimedShotPool11_Draw();
void Scene3Boss_AimedShotPool12_Spawn();
void Scene3Boss_AimedShotPool12_Move();
void Scene3Boss_AimedShotPool12_Draw();

// Rings of twelve, one shot aimed.
void Scene3Boss_AimedRingBurst1_Schedule();
void Scene3Boss_AimedRingBurst1_Spawn(int32_t i);
void Scene3Boss_AimedRingBurst2_Schedule();
void Scene3Boss_AimedRingBurst2_Spawn(int32_t i);

// Volleys of five whose outer shots drift apart.
void Scene3Boss_SpreadVolleyTrail1_Schedule();
void Scene3Boss_SpreadVolleyTrail1_Launch(int32_t i, int32_t g);
void Scene3Boss_SpreadVolleyTrail2_Schedule();
void Scene3Boss_SpreadVolleyTrail2_Launch(int32_t i, int32_t g);

// Large shots dropped one every ten calls: from the middle (1 to 3), the
// left (4 to 6) and the right (7 to 9), each point straight, down-left and
// down-right. Only gameMode 3 schedules them.
void Scene3Boss_StraightDropStream1_Schedule();
void Scene3Boss_StraightDropStream1_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream1_Move();
void Scene3Boss_StraightDropStream1_Draw();
void Scene3Boss_StraightDropStream2_Schedule();
void Scene3Boss_StraightDropStream2_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream2_Move();
void Scene3Boss_StraightDropStream2_Draw();
void Scene3Boss_StraightDropStream3_Schedule();
void Scene3Boss_StraightDropStream3_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream3_Move();
void Scene3Boss_StraightDropStream3_Draw();
void Scene3Boss_StraightDropStream4_Schedule();
void Scene3Boss_StraightDropStream4_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream4_Move();
void Scene3Boss_StraightDropStream4_Draw();
void Scene3Boss_StraightDropStream5_Schedule();
void Scene3Boss_StraightDropStream5_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream5_Move();
void Scene3Boss_StraightDropStream5_Draw();
void Scene3Boss_StraightDropStream6_Schedule();
void Scene3Boss_StraightDropStream6_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream6_Move();
void Scene3Boss_StraightDropStream6_Draw();
void Scene3Boss_StraightDropStream7_Schedule();
void Scene3Boss_StraightDropStream7_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream7_Move();
void Scene3Boss_StraightDropStream7_Draw();
void Scene3Boss_StraightDropStream8_Schedule();
void Scene3Boss_StraightDropStream8_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream8_Move();
void Scene3Boss_StraightDropStream8_Draw();
void Scene3Boss_StraightDropStream9_Schedule();
void Scene3Boss_StraightDropStream9_Spawn(int32_t i, int32_t k);
void Scene3Boss_StraightDropStream9_Move();
void Scene3Boss_StraightDropStream9_Draw();

// Two to four small shots dropped together that spread as they fall.
void Scene3Boss_PairedDropShot1_Spawn();
void Scene3Boss_PairedDropShot2_Spawn();
void Scene3Boss_PairedDropShot3_Spawn();
void Scene3Boss_PairedDropShot4_Spawn();
void Scene3Boss_PairedDropShot5_Spawn();
void Scene3Boss_PairedDropShot6_Spawn();
void Scene3Boss_PairedDropShot7_Spawn();
void Scene3Boss_PairedDropShot8_Spawn();
void Scene3Boss_PairedDropShot9_Spawn();
