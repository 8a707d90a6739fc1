#pragma once
// The weapons of the large enemies, each a bullet group with its own pool
// (large_enemies.h). The stop-and-fire and timed-step copies fire theirs from
// their own Move; the stage drivers call every group's Draw and Move, and the
// schedules of the descending copies' weapons and of the S53 spirals.

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
