#pragma once
// SpreadVolleyTrail: fifty glowing 20x20 shots fired in volleys of five. A
// volley leaves the boss as a shallow arch side by side; all five fall at one
// speed while the two outer shots drift apart, so the volley opens like a fan.
// Ten volleys are spaced through a 150-tick cycle of the schedule.
//
// One template for every boss that fires it; an instance is its pool, the
// boss it launches from, the centre of its arch and its outer drift.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/enemies/pattern_support.h"

struct SpreadShot {
    int32_t animFrame; // cell 0..23 of the glow strip
    int32_t tick;      // schedule counter
    float x;
    float y;
    float vx; // only the world reset writes it (0)
    float vy; // set to the fall speed every frame
    int32_t spare;
    int32_t active;
};

constexpr int kSpreadVolleyShots = 50;
constexpr int kSpreadVolleyWidth = 5;

struct SpreadVolleyTrailConsts {
    BossRecord* boss;
    std::span<SpreadShot> pool; // kSpreadVolleyShots records
    OffsetTerms centreX;        // the middle shot's offset from the boss's x, term by term
    float drift;                // pixels per second the outer shots move apart
};

// Ticks every record and launches the volleys that are due.
void SpreadVolleyTrail_Schedule(const SpreadVolleyTrailConsts& c);
// Arms record i if it is free and places all five records of the volley that
// starts at `first`, flying or not.
void SpreadVolleyTrail_Launch(const SpreadVolleyTrailConsts& c, int32_t i, int32_t first);
void SpreadVolleyTrail_Move(const SpreadVolleyTrailConsts& c);
void SpreadVolleyTrail_Draw(const SpreadVolleyTrailConsts& c);
