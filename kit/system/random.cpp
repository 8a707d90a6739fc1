#include "kit/system/random.h"

namespace {
uint32_t randomState = 1;
}

namespace kitSystem {
void SeedRandom(uint32_t seed) { randomState = seed; }
int Random() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}
uint32_t RandomState() { return randomState; }
} // namespace kitSystem
