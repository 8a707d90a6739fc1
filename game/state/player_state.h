#pragma once
// What the rest of the game reads and writes about the player: the ship's
// position and guard flags, the release state of the three shot streams, the
// bomb clock, the lock sight and the homing-chain clocks. Plain globals, all 0
// at program start; the world reset sets the play values (see ResetWorldA).
#include <cstdint>

// --- Ship ---------------------------------------------------------------------
extern float playerX; // top-left of the 60x70 ship sprite
extern float playerY;
extern float playerVX; // this frame's velocity, pixels per second
extern float playerVY;
extern int32_t playerBank;     // ship frame 0..6, 3 is level
extern int32_t playerBankStep; // -1, 0 or +1 per frame

// --- Vulnerability and respawn guard ---------------------------------------------
extern int32_t playerVulnerable;    // 1 = can be hit; an enemy bullet stores 0
extern int32_t respawnInvulnerable; // 1 = a hit is undone next frame
extern int32_t respawnCounter;      // frames of the guard, 0..249
extern int32_t respawnBlink;
extern int32_t clearEnemyShots; // 1 while a bomb runs

// --- Shot streams ---------------------------------------------------------------
extern int32_t narrowShotClock; // release schedules, 0..100
extern int32_t wideShotClock;
extern int32_t burstClock; // 0..147 while a burst runs
extern int32_t burstActive;
extern int32_t narrowShotsEnabled;
extern int32_t wideShotsEnabled;
extern int32_t muzzleFlashNarrow;
extern int32_t muzzleFlashWide;

// --- Bomb, lock sight, homing chains ----------------------------------------------
extern int32_t bombClock;  // frames of the running bomb
extern int32_t lockSightX; // top-left of the lock sight
extern int32_t lockSightY;

enum HomingChainKind { kChainJ = 0, kChainK = 1, kChainM = 2, kChainN = 3 };
extern int32_t homingChainClock[4][3]; // [kind][chain], 12 clocks
