#pragma once
// SpiralStream: one emitter point on the owner sends out single bullets, each
// turned 10 degrees further than the one before, so a spiral winds out. The
// schedule's tick lives in the owner's record (a large enemy's spiral tick, a
// boss's pattern timer), not in the pool. The left and right hands, the move's
// direction, the cadence and the three draws are constants.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/pattern_support.h"

// Angle index k is 10k degrees: 2 pi / 36.
constexpr double kSpiralStep = kPatternTwoPi / 36.0;

enum class SpiralDraw : uint8_t {
    // Additive strip cell `frame`, one cell per drawn frame.
    Animated,
    // Turned by -trunc(deg) (deg being the angle in degrees); angleDeg keeps trunc(deg).
    RotatedNegative,
    // Turned by 360 - deg truncated as one sum.
    Rotated360Minus,
};

// Record r (first..last, skipping multiples of skipEvery when that is not 0)
// launches when the tick equals tickScale * (r + tickAdd), with angle index
// r mod 36. The tick wraps to `restart` when it reaches `wrap`, before the
// tests, so a launch tick equal to the wrap never comes.
struct SpiralSchedule {
    int32_t wrap;
    int32_t restart;
    int32_t first;
    int32_t last;
    int32_t tickScale;
    int32_t tickAdd;
    int32_t skipEvery = 0;
};

struct SpiralStreamConstants {
    Owner owner;
    int32_t* tick; // in the owner's record
    OffsetTerms offsetX;
    OffsetTerms offsetY;
    int32_t turn; // +1: angle index k at +10k degrees; -1: at -10k degrees
    int32_t step; // +1: moves along (cos, sin) of the angle; -1: against it
    float speed;
    SpiralSchedule schedule;
    SpiralDraw draw;
    const int32_t* image;
    int32_t cell;  // square sprite or strip cell, pixels
    int32_t cells; // animation length (Animated)
    float margin;  // freed below -margin on the left and top, beyond 800 and 600
    KillBox box;
};

void SpiralStream_Schedule(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool);
// Launches record i with angle index k, unless it is flying.
void SpiralStream_FireOne(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool, int32_t i,
                          int32_t k);
void SpiralStream_Draw(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool);
void SpiralStream_Move(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool);

// The whole-degree turn a rotated form passes to the blitter, brought into
// 0..359 (the right-handed spirals give -9 to -350 under RotatedNegative).
int32_t SpiralStream_BlitAngle(SpiralDraw form, float angle);

// The single bullet, shared with the ring emitter: a launch at (x, y) with a
// speed and angle index, one step of the move, and the animated draw.
void SpiralShot_Launch(SpiralStreamRecord& r, float x, float y, float speed, int32_t turn, int32_t k);
void SpiralShot_Step(SpiralStreamRecord& r, int32_t step);
void SpiralShot_DrawAnimated(SpiralStreamRecord& r, int32_t image, int32_t cell, int32_t cells);
