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

HomingChain homingChainsJ[kHomingChains][kHomingLinks];
HomingChain homingChainsK[kHomingChains][kHomingLinks];
HomingChain homingChainsM[kHomingChains][kHomingLinks];
HomingChain homingChainsN[kHomingChains][kHomingLinks];

PowerItem powerItem;
