#include "game/enemies/large_enemies.h"

LargeEnemyRecord largeEnemyD50;
LargeEnemyRecord largeEnemyD51;
LargeEnemyRecord largeEnemyD52;
LargeEnemyStopRecord largeEnemyS53L;
LargeEnemyStopRecord largeEnemyS53R;
LargeEnemyStopRecord largeEnemyS50L;
LargeEnemyStopRecord largeEnemyS50R;
LargeEnemyStopRecord largeEnemyS54L;
LargeEnemyStopRecord largeEnemyS54R;
LargeEnemyStepRecord largeEnemyT60;

BigFanVolleyRecord largeEnemyD51Shot1Pool[25];
BigFanVolleyRecord largeEnemyD51Shot2Pool[15];
BigFanVolleyRecord largeEnemyD51Shot3Pool[15];
TimedVolleyLongRecord largeEnemyD51Shot4Pool[20];
TimedVolleyLongRecord largeEnemyD51Shot5Pool[20];
FanVolleyRecord largeEnemyD51Shot6Pool[25];
FanVolleyRecord largeEnemyD51Shot7Pool[25];
FanVolleyRecord largeEnemyD51Shot8Pool[25];

TimedVolleyLongRecord largeEnemyD52Shot1Pool[20];
TimedVolleyLongRecord largeEnemyD52Shot2Pool[20];
FanVolleyRecord largeEnemyD52Shot3Pool[25];
AimedRingBurstRecord largeEnemyD52Shot4Pool[120];

SpiralStreamRecord largeEnemyS53LShot1Pool[36];
SpiralStreamRecord largeEnemyS53LShot2Pool[36];
FormationDropRecord largeEnemyS53LShot3Pool[4];
SpiralStreamRecord largeEnemyS53RShot1Pool[36];
SpiralStreamRecord largeEnemyS53RShot2Pool[36];
FormationDropRecord largeEnemyS53RShot3Pool[4];
TurningStreamRecord largeEnemyS50LShot1Pool[7];
TurningStreamRecord largeEnemyS50LShot2Pool[7];
FormationDropRecord largeEnemyS50LShot3Pool[4];
TurningStreamRecord largeEnemyS50RShot1Pool[7];
TurningStreamRecord largeEnemyS50RShot2Pool[7];
FormationDropRecord largeEnemyS50RShot3Pool[4];
FormationDropRecord largeEnemyS54LShot1Pool[6];
FormationDropRecord largeEnemyS54RShot1Pool[6];
FormationDropRecord largeEnemyT60Shot1Pool[6];

void LargeEnemyD50_SetHit() { largeEnemyD50.hit = 1; }
void LargeEnemyD51_SetHit() { largeEnemyD51.hit = 1; }
void LargeEnemyD52_SetHit() { largeEnemyD52.hit = 1; }
void LargeEnemyS53L_SetHit() { largeEnemyS53L.hit = 1; }
void LargeEnemyS53R_SetHit() { largeEnemyS53R.hit = 1; }
void LargeEnemyS50L_SetHit() { largeEnemyS50L.hit = 1; }
void LargeEnemyS50R_SetHit() { largeEnemyS50R.hit = 1; }
void LargeEnemyS54L_SetHit() { largeEnemyS54L.hit = 1; }
void LargeEnemyS54R_SetHit() { largeEnemyS54R.hit = 1; }
void LargeEnemyT60_SetHit() { largeEnemyT60.hit = 1; }
