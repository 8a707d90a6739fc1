#pragma once
// What every enemy bullet group shares: the kill test against the ship and the
// freeing of a record. Draw positions go through FloatToInt (truncation). A group's move
// is the only place where an enemy bullet meets the player.
#include <cstdint>

#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/fint.h"

// Inclusive box on (x - playerX, y - playerY).
struct KillBox {
    float lowX;
    float highX;
    float lowY;
    float highY;
};

// A bullet at (x, y) that lies in the box while the ship can be hit kills
// it: it clears playerVulnerable and nothing else (the bullet flies on). A hit by
// an earlier record of a pass stops the tests of the later ones.
inline void TestPlayer(float x, float y, const KillBox& box) {
    if (playerVulnerable == 0) return;
    const float dx = x - playerX;
    const float dy = y - playerY;
    if (dx >= box.lowX && dx <= box.highX && dy >= box.lowY && dy <= box.highY) playerVulnerable = 0;
}

// Free a record at the park position.
template <typename Record> inline void ParkRecord(Record& r) {
    r.active = 0;
    r.x = ParkX;
    r.y = ParkY;
}

// Where a group's owner stands: the position of owner slot i. The kinds keep
// their slots in records of several layouts, so a group reads them through
// these two functions, made for one pool by SlotsOf<pool>().
struct OwnerSlots {
    float (*x)(int32_t slot);
    float (*y)(int32_t slot);
};

template <auto& Pool> constexpr OwnerSlots SlotsOf() {
    return {[](int32_t slot) { return Pool[slot].x; }, [](int32_t slot) { return Pool[slot].y; }};
}
