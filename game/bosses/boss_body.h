#pragma once
// The body draw every boss shares: the body picture, damage smoke by hp, the
// locked lock points, then the boss's defeat sequence. One constants record
// per boss.
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/enemies/lock_marker.h"

// One puff of damage smoke, drawn from 80x80 cells side by side: cell f of
// the smoke animation at (x + dx, y + dy + step * f), so the puff slides down
// the body while it plays.
struct SmokePuff {
    const int32_t* image; // null: no puff
    int32_t dx;
    int32_t dy;
    int32_t step;
};

constexpr int kSmokeBandPuffs = 3;
constexpr int kSmokeBands = 2;

// Puffs that burn while 0 < hp <= hpMax; a band with hpMax 0 never shows.
struct SmokeBand {
    float hpMax;
    SmokePuff puffs[kSmokeBandPuffs];
};

struct BossBody {
    BossRecord* boss;
    const int32_t* image; // body, drawn from (0, 0, width, height)
    int32_t width;
    int32_t height;
    SmokeBand smoke[kSmokeBands];
    // Puffs placed from the truncated body position (trunc x + dx) rather than
    // from the float sum (trunc(x + dx)); the two differ only left of or above
    // the screen's origin.
    bool smokeFromTruncatedPosition;
    bool countSmokeCycles; // smokeCycle steps when the smoke wraps
    // Lock points drawn while locked, entry by entry: A[0], B[0], A[1], ...
    // A null array is not drawn.
    const LockMarker* lockA;
    const LockMarker* lockB;
    int32_t lockCount;
    void (*defeat)();
};

void BossBodyDraw(const BossBody& body);
