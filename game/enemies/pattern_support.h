#pragma once
// What the scheduled bullet patterns share: the owner they launch from, offsets
// added term by term, the per-record group schedule and the aim at the ship.
#include <cmath>
#include <cstdint>
#include <span>

#include "game/state/player_state.h"

constexpr double kPatternPi = 3.141592653589793;
constexpr double kPatternTwoPi = 2.0 * kPatternPi;

// The owner's position, read at every launch: a boss or large enemy record,
// or slot 0 of a kind's pool. Whether the owner is alive is never asked, so a
// parked owner launches from far outside the field.
struct Owner {
    const float* x;
    const float* y;
};

// An offset added to an owner's coordinate one term after another, as the game
// adds them: each float sum rounds, so boss x + 220 - 100 need not equal
// boss x + 120 to the last bit. Unused terms are 0 and change nothing.
struct OffsetTerms {
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
};

inline float AddTerms(float base, const OffsetTerms& o) { return ((base + o.a) + o.b) + o.c; }

// An aimed launch from the owner, before its heading: the record leaves the
// owner's position plus the offsets at the constants' speed, its aim vector
// pointing at the ship's position plus `aim` on both axes.
template <typename Record, typename Constants> void LaunchAimedFromOwner(Record& r, const Constants& c) {
    r.active = 1;
    r.x = AddTerms(*c.owner.x, c.offsetX);
    r.y = AddTerms(*c.owner.y, c.offsetY);
    r.speed = c.speed;
    r.dx = playerX + c.aim - r.x;
    r.dy = playerY + c.aim - r.y;
}

// Per-record schedules cut the pool into groups of `width` consecutive records;
// group g launches when its records' tick equals ticks[g]. A tick that the
// counter never holds (kNeverTick, or the cycle value itself, since the wrap
// comes first) leaves that group parked for good.
constexpr int kMaxGroups = 10;
constexpr int32_t kNeverTick = -1;

struct GroupSchedule {
    int32_t cycle; // a tick that reaches it becomes 0
    int32_t ticks[kMaxGroups];
};

// A schedule lists a tick for each of its groups (0 would fire on the wrap).
constexpr bool CoversGroups(const GroupSchedule& s, int groups) {
    if (groups > kMaxGroups) return false;
    for (int g = 0; g < groups; ++g)
        if (s.ticks[g] == 0) return false;
    return true;
}

// One schedule call: every record's tick += 1 (back to 0 at the cycle), then,
// group by group and record by record, launch(i, groupBase) for each record
// whose tick has come. All ticks start at 0 after the world reset and advance
// together, so a whole group is launched in one call.
template <typename Record, typename Launch>
void RunGroupSchedule(const GroupSchedule& s, std::span<Record> pool, int32_t width, Launch&& launch) {
    for (Record& r : pool) {
        r.tick += 1;
        if (r.tick >= s.cycle) r.tick = 0;
    }
    if (width <= 0) return;
    const int32_t n = static_cast<int32_t>(pool.size());
    int32_t g = 0;
    for (int32_t base = 0; base < n && g < kMaxGroups; base += width, ++g)
        for (int32_t i = base; i < base + width && i < n; ++i)
            if (pool[i].tick == s.ticks[g]) launch(i, base);
}

// The aimed launch in two halves, so each template can add its own turn in the
// order its arithmetic does. The base is atan of the aim vector, or straight
// down when the aim point is exactly above or below; the turn back adds pi
// when the aim point lies to the left, or straight above (or level).
inline double AimBase(float dx, float dy) {
    return dx == 0.0f ? kPatternPi / 2.0 : std::atan(static_cast<double>(dy / dx));
}

inline float AimTurnBack(float angle, float dx, float dy) {
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) return static_cast<float>(angle + kPatternPi);
    return angle;
}

// The same base with the atan taken in float, as the bosses' aimed pools and
// the ship's homing weapons take it: the two bases can differ in the last bit.
inline float AimBaseFloat(float dx, float dy) {
    return dx == 0.0f ? static_cast<float>(kPatternPi / 2.0) : std::atan(dy / dx);
}

// The whole aim in float, pi rounded to float and the half turn added in
// float, as the kinds' single aimed shots and rotating strings aim.
inline float AimHeadingFloat(float dx, float dy) {
    constexpr float kPiF = 3.14159265f;
    float angle = dx == 0.0f ? kPiF / 2.0f : std::atan(dy / dx);
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) angle += kPiF;
    return angle;
}
