#pragma once
// The bomb: 80 fragments that leave the ship in eight groups of ten while
// clearEnemyShots is 1, pierce everything in their way and score on every
// enemy, squad, large enemy and boss. Update, Move and Draw are declared with
// the stage frames' calls in game/player/player_api.h.
#include <cstdint>

// Frames of a bomb from start to end.
constexpr int32_t kBombFrames = 48;

// Starts fragment i (0..79) from the ship unless it is still flying.
void PlayerBomb_Launch(int32_t i);
