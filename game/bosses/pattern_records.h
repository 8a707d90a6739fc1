#pragma once
// Records of the boss pattern templates that several bosses instance.
#include <cstdint>

// AimedShotPool: a string of five (or eight) aimed shots.
struct AimedShotPoolRecord {
    int32_t frame; // animated draw form only
    int32_t spare0;
    float x;
    float y;
    float aimDx;
    float aimDy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float heading;
    float speed;
    float driftClock; // drifting pools only
    int32_t spare5;
    int32_t active;
};

// AimedQuadVolley: groups of four aimed shots on a per-record schedule.
struct AimedQuadVolleyRecord {
    int32_t frame;
    int32_t spare0;
    int32_t counter; // schedule tick, 0..629
    float x;
    float y;
    float aimDx;
    float aimDy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float heading;
    float speed;
    int32_t spare5;
    int32_t active;
};

// StraightDropStream: large shots dropped one every ten ticks.
struct StreamShot {
    int32_t frame;
    int32_t tick;
    float x;
    float y;
    float xSpeed; // diagonal streams only
    float fallSpeed;
    int32_t spare;
    int32_t active;
};

// PairedDropShot: two to four shots that fall and spread sideways.
struct DropShot {
    int32_t frame;
    int32_t tick;
    float x;
    float y;
    float xSpeed;
    float fallSpeed;
    int32_t spare;
    int32_t active;
};
