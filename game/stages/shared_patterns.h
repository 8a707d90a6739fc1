#pragma once
// Pattern operations that another scene's driver calls besides their own
// stage's: the scene-8 driver moves and draws these scene-3 pools, the
// scene-4 driver runs the first four scene-3 volleys and the scene-9 driver
// the scene-8 boss's fifth ring burst. Their boss stays parked there, so
// whatever they launch starts far outside the field.
#include <cstdint>

// Moved and drawn by scene 8.
void Scene3Boss_AimedRingBurst1_Move();
void Scene3Boss_AimedRingBurst1_Draw();
void Scene3Boss_AimedRingBurst2_Move();
void Scene3Boss_AimedRingBurst2_Draw();
void Scene3Boss_TimedVolley5_Move();
void Scene3Boss_TimedVolley5_Draw();
void Scene3Boss_TimedVolley6_Move();
void Scene3Boss_TimedVolley6_Draw();
void Scene3Boss_TimedVolley7_Move();
void Scene3Boss_TimedVolley7_Draw();
void Scene3Boss_TimedVolley8_Move();
void Scene3Boss_TimedVolley8_Draw();
void Scene3Boss_TimedVolley9_Move();
void Scene3Boss_TimedVolley9_Draw();
void Scene3Boss_TimedVolley10_Move();
void Scene3Boss_TimedVolley10_Draw();
void Scene3Boss_TimedVolley11_Move();
void Scene3Boss_TimedVolley11_Draw();
void Scene3Boss_SpreadVolleyTrail1_Move();
void Scene3Boss_SpreadVolleyTrail1_Draw();
void Scene3Boss_SpreadVolleyTrail2_Move();
void Scene3Boss_SpreadVolleyTrail2_Draw();
void Scene3Boss_PairedDropShot1_Move();
void Scene3Boss_PairedDropShot1_Draw();
void Scene3Boss_PairedDropShot2_Move();
void Scene3Boss_PairedDropShot2_Draw();
void Scene3Boss_PairedDropShot3_Move();
void Scene3Boss_PairedDropShot3_Draw();
void Scene3Boss_PairedDropShot4_Move();
void Scene3Boss_PairedDropShot4_Draw();
void Scene3Boss_PairedDropShot5_Move();
void Scene3Boss_PairedDropShot5_Draw();
void Scene3Boss_PairedDropShot6_Move();
void Scene3Boss_PairedDropShot6_Draw();
void Scene3Boss_PairedDropShot7_Move();
void Scene3Boss_PairedDropShot7_Draw();
void Scene3Boss_PairedDropShot8_Move();
void Scene3Boss_PairedDropShot8_Draw();
void Scene3Boss_PairedDropShot9_Move();
void Scene3Boss_PairedDropShot9_Draw();

// Scheduled, moved and drawn by scene 4.
void Scene3Boss_TimedVolley1_Schedule();
void Scene3Boss_TimedVolley1_Move();
void Scene3Boss_TimedVolley1_Draw();
void Scene3Boss_TimedVolley2_Schedule();
void Scene3Boss_TimedVolley2_Move();
void Scene3Boss_TimedVolley2_Draw();
void Scene3Boss_TimedVolley3_Schedule();
void Scene3Boss_TimedVolley3_Move();
void Scene3Boss_TimedVolley3_Draw();
void Scene3Boss_TimedVolley4_Schedule();
void Scene3Boss_TimedVolley4_Move();
void Scene3Boss_TimedVolley4_Draw();

// Scheduled, moved and drawn by scene 9.
void Scene8Boss_AimedRingBurst5_Schedule();
void Scene8Boss_AimedRingBurst5_Move();
void Scene8Boss_AimedRingBurst5_Draw();
