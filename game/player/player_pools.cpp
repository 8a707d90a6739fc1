#include "game/player/player_pools.h"

PlayerShot narrowShots[kPlayerShotSlots];
PlayerShot wideShots[kPlayerShotSlots];
BurstShot burstShots[kBurstShotSlots];

BombFragment bombFragments[kBombFragments];
PlayerDebris playerDebris[kPlayerDebris];

LockOnShot lockOnShotsB[3];
LockOnShot lockOnShotsC[3];
LockOnShot lockOnShotsQ[3];
LockOnShot lockOnShotsT[3];
LockOnShot lockOnShotsSquadV3A[5];
LockOnShot lockOnShotsSquadV3B[5];
LockOnShot lockOnShotsSquadV4A[5];
LockOnShot lockOnShotsSquadV4B[5];
LockOnShot lockOnShotsScene2BossA[3];
LockOnShot lockOnShotsScene2BossB[3];
LockOnShot lockOnShotsScene3BossA[5];
LockOnShot lockOnShotsScene3BossB[5];
LockOnShot lockOnShotsScene4BossA[3];
LockOnShot lockOnShotsScene4BossB[3];
LockOnShot lockOnShotsScene5BossA[3];
LockOnShot lockOnShotsScene5BossB[3];
LockOnShot lockOnShotsScene6BossA[5];
LockOnShot lockOnShotsScene6BossB[5];
LockOnShot lockOnShotsScene7BossA[9];
LockOnShot lockOnShotsScene7BossB[9];
LockOnShot lockOnShotsScene8BossA[5];
LockOnShot lockOnShotsScene8BossB[5];
LockOnShot lockOnShotsScene9BossA[5];
LockOnShot lockOnShotsScene9BossB[5];

HomingChain homingChainsJ[kHomingChains][kHomingLinks];
HomingChain homingChainsK[kHomingChains][kHomingLinks];
HomingChain homingChainsM[kHomingChains][kHomingLinks];
HomingChain homingChainsN[kHomingChains][kHomingLinks];

PowerItem powerItem;
