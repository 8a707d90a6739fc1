#pragma once
#include <cstdint>

// A flickering beam that stands under the boss; one record per instance.
struct VerticalBeam {
    int32_t frame; // step of the current flash, 0..3 (0..9 right after a reset)
    float x;
    float y;
    int32_t active;
};
