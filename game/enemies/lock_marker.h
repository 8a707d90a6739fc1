#pragma once
#include <cstdint>

// A target point the lock-on weapons and homing chains aim at: carried by
// every lockable enemy slot, squad member and boss lock point. Integer
// position; a free marker parks at (-500, 500).
struct LockMarker {
    int32_t x;
    int32_t y;
    int32_t locked; // not 0 = a lock-on weapon holds it
    int32_t spare;  // read by nothing
};

// A lock-on shot of the player: shot i of a member flies at marker (or lock
// point) i of its target.
struct LockOnShot {
    int32_t spare0;
    int32_t spare1;
    int32_t spare2;
    float x;
    float y;
    int32_t active;
    int32_t spare3;
    int32_t spare4;
    float aimDX;
    float aimDY;
    float launchDX;
    float launchDY;
    int32_t spare5;
    float heading;
    float speed;
    float launchClock; // not touched by the reset
};
