#pragma once
// RingEmitter: a spiral stream tripled. Every launch step sends three bullets
// from one point in the same direction at three speeds, so three spirals wind
// out of the boss and drift apart. The pool is three rings of 36, one per
// speed; the slower rings keep to the screen, the faster ones to a smaller
// area. The tick lives in the boss record.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/pattern_support.h"

constexpr int kRingEmitterRings = 3;
constexpr int kRingEmitterRingSize = 36;

struct RingBounds {
    float right; // freed beyond these
    float bottom;
};

struct RingEmitterConstants {
    Owner owner;
    int32_t* tick; // in the boss record
    OffsetTerms offsetX;
    OffsetTerms offsetY;
    int32_t turn; // +1: angle index k at +10k degrees; -1: at -10k degrees
    int32_t step; // +1: moves along (cos, sin) of the angle; -1: against it
    float ringSpeed[kRingEmitterRings];
    RingBounds ringBounds[kRingEmitterRings];
    float margin; // freed below -margin on the left and top
    int32_t wrap; // the tick wraps to `restart` on reaching it, before the tests
    int32_t restart;
    int32_t tickScale; // record i launches at tickScale * ((i mod 36) + 1)
    const int32_t* image;
    int32_t cell;
    int32_t cells;
    KillBox box;
};

void RingEmitter_Schedule(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool);
// Launches record i with angle index k, unless it is flying.
void RingEmitter_FireOne(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool, int32_t i,
                         int32_t k);
void RingEmitter_Draw(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool);
void RingEmitter_Move(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool);
