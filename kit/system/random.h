#pragma once
#include <cstdint>

// The game's one random stream: the classic linear congruential generator
// (state * 214013 + 2531011, result bits 16..30). Every spawn, phase and wipe
// draws from it, so a seeded run replays exactly.
namespace kitSystem {
void SeedRandom(uint32_t seed);
int Random(); // 0 .. 32767
uint32_t RandomState();
} // namespace kitSystem

// Shorthands with the usual names; never two draws in one expression.
inline int rand_() { return kitSystem::Random(); }
inline void srand_(uint32_t seed) { kitSystem::SeedRandom(seed); }
