#pragma once
#include <cstdint>

// CurvingStream: small shots that step along a bent path by their age.
struct CurvingShot {
    int32_t x; // whole pixels; parks at (-500, 500)
    int32_t y;
    int32_t spare0;
    int32_t spare1;
    float life; // age in path units; 0 in every free record
    int32_t active;
};
