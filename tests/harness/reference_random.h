#pragma once
// The game's generator written out, run beside it to predict each draw.
#include <cstdint>

struct ReferenceRandom {
    uint32_t state;
    int Next() {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
};
