#pragma once
// The ship's destruction: five waves of sixteen debris pieces that fly out
// of the ship while it explodes. The fifth wave takes the lives; the end of
// the explosion starts the respawn guard.
#include <cstdint>

constexpr int32_t kExplosionFrames = 50;
constexpr int32_t kDebrisPerWave = 16;
constexpr int32_t kDebrisSpeed = 280; // pixels per second
constexpr int32_t kLivesLostPerDeath = kDebrisPerWave;

// Each takes an argument it does not use (callers pass 0).
void PlayerExplosion_Update(int32_t unused);
void PlayerExplosion_Draw(int32_t unused);
void PlayerExplosion_Move(int32_t unused);

// Every debris record back to its parked state, ready for the next death.
void ResetPlayerDebris();
