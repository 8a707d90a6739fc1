#pragma once
// The weapons of the large enemies, each a bullet group with its own pool
// (large_enemies.h). The stop-and-fire and timed-step copies fire theirs from
// their own Move; the stage drivers call every group's Draw and Move, and the
// schedules of the descending copies' weapons and of the S53 spirals.
#include <cstdint>

// Formation drops: S53 squares, S50 spreading squares, S54 and T60 columns.
void LargeEnemyS53L_Shot3_Fire();
void LargeEnemyS53L_Shot3_Draw();
void LargeEnemyS53L_Shot3_Move();
void LargeEnemyS53R_Shot3_Fire();
void LargeEnemyS53R_Shot3_Draw();
void LargeEnemyS53R_Shot3_Move();
void LargeEnemyS50L_Shot3_Fire();
void LargeEnemyS50L_Shot3_Draw();
void LargeEnemyS50L_Shot3_Move();
void LargeEnemyS50R_Shot3_Fire();
void LargeEnemyS50R_Shot3_Draw();
void LargeEnemyS50R_Shot3_Move();
void LargeEnemyS54L_Shot1_Fire();
void LargeEnemyS54L_Shot1_Draw();
void LargeEnemyS54L_Shot1_Move();
void LargeEnemyS54R_Shot1_Fire();
void LargeEnemyS54R_Shot1_Draw();
void LargeEnemyS54R_Shot1_Move();
void LargeEnemyT60_Shot1_Fire();
void LargeEnemyT60_Shot1_Draw();
void LargeEnemyT60_Shot1_Move();

// Turning streams of the S50 copies (Shot1 turns one way, Shot2 the other),
// fired only while difficulty is 2 or difficultyExtra is 1.
void LargeEnemyS50L_Shot1_Fire();
void LargeEnemyS50L_Shot1_Draw();
void LargeEnemyS50L_Shot1_Move();
void LargeEnemyS50L_Shot2_Fire();
void LargeEnemyS50L_Shot2_Draw();
void LargeEnemyS50L_Shot2_Move();
void LargeEnemyS50R_Shot1_Fire();
void LargeEnemyS50R_Shot1_Draw();
void LargeEnemyS50R_Shot1_Move();
void LargeEnemyS50R_Shot2_Fire();
void LargeEnemyS50R_Shot2_Draw();
void LargeEnemyS50R_Shot2_Move();

// D51: big fans (Shot1 of five from the middle, Shot2 and Shot3 of three
// from the sides), timed pairs (Shot4 falling straight, Shot5 opening) and
// fan volleys (Shot6 from the middle, Shot7 and Shot8 from the sides).
void LargeEnemyD51_Shot1_Draw();
void LargeEnemyD51_Shot1_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot1_Schedule();
void LargeEnemyD51_Shot1_Move();
void LargeEnemyD51_Shot2_Draw();
void LargeEnemyD51_Shot2_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot2_Schedule();
void LargeEnemyD51_Shot2_Move();
void LargeEnemyD51_Shot3_Draw();
void LargeEnemyD51_Shot3_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot3_Schedule();
void LargeEnemyD51_Shot3_Move();
void LargeEnemyD51_Shot4_Draw();
void LargeEnemyD51_Shot4_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot4_Schedule();
void LargeEnemyD51_Shot4_Move();
void LargeEnemyD51_Shot5_Draw();
void LargeEnemyD51_Shot5_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot5_Schedule();
void LargeEnemyD51_Shot5_Move();
void LargeEnemyD51_Shot6_Draw();
void LargeEnemyD51_Shot6_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot6_Schedule();
void LargeEnemyD51_Shot6_Move();
void LargeEnemyD51_Shot7_Draw();
void LargeEnemyD51_Shot7_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot7_Schedule();
void LargeEnemyD51_Shot7_Move();
void LargeEnemyD51_Shot8_Draw();
void LargeEnemyD51_Shot8_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD51_Shot8_Schedule();
void LargeEnemyD51_Shot8_Move();

// D52: timed pairs (Shot1 straight, Shot2 opening), a fan volley (Shot3) and
// rings of twelve with one bullet aimed (Shot4).
void LargeEnemyD52_Shot1_Draw();
void LargeEnemyD52_Shot1_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD52_Shot1_Schedule();
void LargeEnemyD52_Shot1_Move();
void LargeEnemyD52_Shot2_Draw();
void LargeEnemyD52_Shot2_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD52_Shot2_Schedule();
void LargeEnemyD52_Shot2_Move();
void LargeEnemyD52_Shot3_Draw();
void LargeEnemyD52_Shot3_FireOne(int32_t i, int32_t groupBase);
void LargeEnemyD52_Shot3_Schedule();
void LargeEnemyD52_Shot3_Move();
void LargeEnemyD52_Shot4_Draw();
void LargeEnemyD52_Shot4_FireOne(int32_t i);
void LargeEnemyD52_Shot4_Schedule();
void LargeEnemyD52_Shot4_Move();

// S53: two spirals each (Shot1 winding one way, Shot2 the other), scheduled
// by the stage on the owner's spiral ticks.
void LargeEnemyS53L_Shot1_Draw();
void LargeEnemyS53L_Shot1_FireOne(int32_t i, int32_t k);
void LargeEnemyS53L_Shot1_Schedule();
void LargeEnemyS53L_Shot1_Move();
void LargeEnemyS53L_Shot2_Draw();
void LargeEnemyS53L_Shot2_FireOne(int32_t i, int32_t k);
void LargeEnemyS53L_Shot2_Schedule();
void LargeEnemyS53L_Shot2_Move();
void LargeEnemyS53R_Shot1_Draw();
void LargeEnemyS53R_Shot1_FireOne(int32_t i, int32_t k);
void LargeEnemyS53R_Shot1_Schedule();
void LargeEnemyS53R_Shot1_Move();
void LargeEnemyS53R_Shot2_Draw();
void LargeEnemyS53R_Shot2_FireOne(int32_t i, int32_t k);
void LargeEnemyS53R_Shot2_Schedule();
void LargeEnemyS53R_Shot2_Move();
