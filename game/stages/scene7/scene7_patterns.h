#pragma once
// The scene-7 boss's patterns: one constants record and one pool each over the
// shared pattern templates, and its six lightning chains. The stage driver
// schedules or spawns them in the windows of its attack clock and moves, then
// draws, every one of them on every unpaused frame, fired or not.
#include <cstdint>

// Pairs side by side (1, 2), small glowing arches of five (3) and large
// arches of five (4 to 7) that open into fans as they fall.
void Scene7Boss_TimedVolley1_Schedule();
void Scene7Boss_TimedVolley1_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley1_Move();
void Scene7Boss_TimedVolley1_Draw();
void Scene7Boss_TimedVolley2_Schedule();
void Scene7Boss_TimedVolley2_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley2_Move();
void Scene7Boss_TimedVolley2_Draw();
void Scene7Boss_TimedVolley3_Schedule();
void Scene7Boss_TimedVolley3_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley3_Move();
void Scene7Boss_TimedVolley3_Draw();
void Scene7Boss_TimedVolley4_Schedule();
void Scene7Boss_TimedVolley4_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley4_Move();
void Scene7Boss_TimedVolley4_Draw();
void Scene7Boss_TimedVolley5_Schedule();
void Scene7Boss_TimedVolley5_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley5_Move();
void Scene7Boss_TimedVolley5_Draw();
void Scene7Boss_TimedVolley6_Schedule();
void Scene7Boss_TimedVolley6_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley6_Move();
void Scene7Boss_TimedVolley6_Draw();
void Scene7Boss_TimedVolley7_Schedule();
void Scene7Boss_TimedVolley7_Spawn(int32_t i, int32_t base);
void Scene7Boss_TimedVolley7_Move();
void Scene7Boss_TimedVolley7_Draw();

// Rings of thirty opening around the aim at the ship.
void Scene7Boss_AimedRingBurst1_Schedule();
void Scene7Boss_AimedRingBurst1_Launch(int32_t i);
void Scene7Boss_AimedRingBurst1_Move();
void Scene7Boss_AimedRingBurst1_Draw();

// Volleys of five whose outer shots part as they fall.
void Scene7Boss_SpreadVolleyTrail1_Schedule();
void Scene7Boss_SpreadVolleyTrail1_Launch(int32_t i, int32_t g);
void Scene7Boss_SpreadVolleyTrail1_Move();
void Scene7Boss_SpreadVolleyTrail1_Draw();
void Scene7Boss_SpreadVolleyTrail2_Schedule();
void Scene7Boss_SpreadVolleyTrail2_Launch(int32_t i, int32_t g);
void Scene7Boss_SpreadVolleyTrail2_Move();
void Scene7Boss_SpreadVolleyTrail2_Draw();

// Bolts thrown 12 (1, 2), 24 (3, 4) and 36 (5, 6) degrees to either side of
// the ship.
void Scene7Boss_LightningChain1_Spawn();
void Scene7Boss_LightningChain1_Move();
void Scene7Boss_LightningChain1_Draw();
void Scene7Boss_LightningChain2_Spawn();
void Scene7Boss_LightningChain2_Move();
void Scene7Boss_LightningChain2_Draw();
void Scene7Boss_LightningChain3_Spawn();
void Scene7Boss_LightningChain3_Move();
void Scene7Boss_LightningChain3_Draw();
void Scene7Boss_LightningChain4_Spawn();
void Scene7Boss_LightningChain4_Move();
void Scene7Boss_LightningChain4_Draw();
void Scene7Boss_LightningChain5_Spawn();
void Scene7Boss_LightningChain5_Move();
void Scene7Boss_LightningChain5_Draw();
void Scene7Boss_LightningChain6_Spawn();
void Scene7Boss_LightningChain6_Move();
void Scene7Boss_LightningChain6_Draw();

// Small drops of two to four shots. Nothing in the stage spawns them, so they
// stay parked; their moves and draws run all the same.
void Scene7Boss_PairedDropShot1_Spawn();
void Scene7Boss_PairedDropShot1_Move();
void Scene7Boss_PairedDropShot1_Draw();
void Scene7Boss_PairedDropShot2_Spawn();
void Scene7Boss_PairedDropShot2_Move();
void Scene7Boss_PairedDropShot2_Draw();
void Scene7Boss_PairedDropShot3_Spawn();
void Scene7Boss_PairedDropShot3_Move();
void Scene7Boss_PairedDropShot3_Draw();
void Scene7Boss_PairedDropShot4_Spawn();
void Scene7Boss_PairedDropShot4_Move();
void Scene7Boss_PairedDropShot4_Draw();
void Scene7Boss_PairedDropShot5_Spawn();
void Scene7Boss_PairedDropShot5_Move();
void Scene7Boss_PairedDropShot5_Draw();
void Scene7Boss_PairedDropShot6_Spawn();
void Scene7Boss_PairedDropShot6_Move();
void Scene7Boss_PairedDropShot6_Draw();
void Scene7Boss_PairedDropShot7_Spawn();
void Scene7Boss_PairedDropShot7_Move();
void Scene7Boss_PairedDropShot7_Draw();
void Scene7Boss_PairedDropShot8_Spawn();
void Scene7Boss_PairedDropShot8_Move();
void Scene7Boss_PairedDropShot8_Draw();
void Scene7Boss_PairedDropShot9_Spawn();
void Scene7Boss_PairedDropShot9_Move();
void Scene7Boss_PairedDropShot9_Draw();
