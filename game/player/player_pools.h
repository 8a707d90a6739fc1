#pragma once
// Storage of the player's objects: the three shot pools, the bomb fragments,
// the debris of the ship's explosion, the lock-on shots on enemies (those on
// the bosses are in game/bosses/boss_roster.h), the homing chains and the
// power-up item. Records keep the word layout the world reset parks by;
// spare words are never read.
#include <cstdint>

#include "game/enemies/lock_marker.h"

// --- Shots --------------------------------------------------------------------
struct PlayerShot {
    int32_t x; // whole pixels
    int32_t y;
    int32_t xStep; // sideways pixels per frame of a side shot
    int32_t speed; // upward pixels per frame
    int32_t active;
};

struct BurstShot {
    int32_t x;
    int32_t y;
    int32_t spare0;
    int32_t spare1;
    float pathTime; // the shot's own path clock; 0 for a free slot
    int32_t active;
};

constexpr int kPlayerShotSlots = 78; // three lanes of 26
constexpr int kBurstShotSlots = 200; // four groups of 50
extern PlayerShot narrowShots[kPlayerShotSlots];
extern PlayerShot wideShots[kPlayerShotSlots];
extern BurstShot burstShots[kBurstShotSlots];

// --- Bomb and explosion debris ---------------------------------------------------
struct BombFragment {
    int32_t x; // parks at (-500, 500)
    int32_t y;
    int32_t spare0;
    int32_t spare1;
    int32_t speed; // pixels per frame
    int32_t alive;
    float aimX;
    float aimY;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    int32_t spare5;
    float angle;
};

struct PlayerDebris {
    int32_t spare0;
    float x;
    float y;
    float aimX;
    float aimY;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
    int32_t active;
    int32_t frameColumn;
    int32_t frameRow;
    int32_t frameCounter;
    int32_t tick;
    int32_t spare5;
    int32_t spare6;
};

constexpr int kBombFragments = 80;
constexpr int kPlayerDebris = 80;
extern BombFragment bombFragments[kBombFragments];
extern PlayerDebris playerDebris[kPlayerDebris];

// --- Lock-on shots ---------------------------------------------------------------
extern LockOnShot lockOnShotsB[3];
extern LockOnShot lockOnShotsC[3];
extern LockOnShot lockOnShotsQ[3];
extern LockOnShot lockOnShotsT[3];
extern LockOnShot lockOnShotsSquadV3A[5];
extern LockOnShot lockOnShotsSquadV3B[5];
extern LockOnShot lockOnShotsSquadV4A[5];
extern LockOnShot lockOnShotsSquadV4B[5];

// --- Homing chains ---------------------------------------------------------------
// Chain c of a kind belongs to enemy slot c and its lock marker c.
struct HomingChain {
    int32_t spare0;
    int32_t spare1;
    int32_t spare2;
    float x;
    float y;
    int32_t active;
    int32_t spare3;
    int32_t spare4;
    float aimX;
    float aimY;
    int32_t spare5;
    int32_t spare6;
    int32_t spare7;
    float angle;
    float timer; // thirtieths of a second since launch
    int32_t spare8;
};

constexpr int kHomingChains = 3;
constexpr int kHomingLinks = 15;
extern HomingChain homingChainsJ[kHomingChains][kHomingLinks];
extern HomingChain homingChainsK[kHomingChains][kHomingLinks];
extern HomingChain homingChainsM[kHomingChains][kHomingLinks];
extern HomingChain homingChainsN[kHomingChains][kHomingLinks];

// --- Power-up item ---------------------------------------------------------------
// The power state lives in the item's record and outlasts the item: the world
// reset parks the item but keeps powerFlag1, powerFlag2 and spawnCount.
struct PowerItem {
    float x;
    float y;
    int32_t spare0;
    float fallSpeed;
    int32_t active;
    int32_t pickedUp;
    int32_t powerFlag1; // 1 = side shots on
    int32_t powerFlag2;
    int32_t spawnCount; // items spawned since the last death or new game
    int32_t spare1;
    int32_t spare2;
};

extern PowerItem powerItem;
