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
