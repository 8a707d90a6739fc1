#pragma once
#include <cstdint>

// SpreadVolleyTrail: volleys of five glowing shots that open as they fall.
struct SpreadShot {
    int32_t animFrame;
    int32_t tick;
    float x;
    float y;
    float vx;
    float vy;
    int32_t spare;
    int32_t active;
};
