#include "game/state/player_state.h"

float playerX = 0.0f;
float playerY = 0.0f;
float playerVX = 0.0f;
float playerVY = 0.0f;
int32_t playerBank = 0;
int32_t playerBankStep = 0;

int32_t playerVulnerable = 0;
int32_t respawnInvulnerable = 0;
int32_t respawnCounter = 0;
int32_t respawnBlink = 0;
int32_t clearEnemyShots = 0;

int32_t narrowShotClock = 0;
int32_t wideShotClock = 0;
int32_t burstClock = 0;
int32_t burstActive = 0;
int32_t narrowShotsEnabled = 0;
int32_t wideShotsEnabled = 0;
int32_t muzzleFlashNarrow = 0;
int32_t muzzleFlashWide = 0;

int32_t bombClock = 0;
int32_t lockSightX = 0;
int32_t lockSightY = 0;

int32_t homingChainClock[4][3] = {};
