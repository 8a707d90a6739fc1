#pragma once
#include <cstdint>

// LightningChain: six joints thrown along one aimed line, drawn as a bolt.
struct ChainJoint {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float aimDx;
    float aimDy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
    int32_t spare5;
    int32_t spare6;
    int32_t active;
};
