#pragma once
// Homing chains of game mode 3: each slot of the enemy kinds J, K, M and N
// has a chain of fourteen links that leave the ship every 140 frames, swing
// out along a fixed curve, then home on the slot's lock marker; the last link
// destroys the enemy. Schedule and Move are declared with the stage frames'
// calls in game/player/player_api.h.
#include <cstdint>

// Launch span of a chain's clock: links 1..14 leave on clock 1..14 of each
// cycle; link slot 0 never flies.
constexpr int32_t kChainCycleFrames = 140;
constexpr int32_t kChainLastLink = 14;
constexpr int32_t kChainHitPoints = 300;

// Starts link `link` (0..14) of chain `chain` (0..2) from the ship unless it
// is still flying; anything outside those ranges is ignored.
void HomingChainJ_Spawn(int32_t chain, int32_t link);
void HomingChainK_Spawn(int32_t chain, int32_t link);
void HomingChainM_Spawn(int32_t chain, int32_t link);
void HomingChainN_Spawn(int32_t chain, int32_t link);

// The flying links as additive glows (weaponType 1); no frame calls these.
void HomingChainJ_Draw();
void HomingChainK_Draw();
void HomingChainM_Draw();
void HomingChainN_Draw();
