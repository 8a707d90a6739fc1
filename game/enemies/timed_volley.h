#pragma once
// TimedVolley: groups of 2, 3, 5 or 7 bullets launched on per-record ticks at
// fixed offsets under the owner, falling straight down and, in the spreading
// forms, drifting sideways by their place in the group. Pairs (side by side),
// threes and sevens (one column, stacked) and fives (an arch) differ only in
// which fields a launch writes and in their constants.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/pattern_support.h"
#include "game/state/assets.h"

constexpr int kMaxVolleyWidth = 7;

// What a launch of record i writes besides its active flag.
enum class VolleyX : uint8_t {
    Record, // x of record i: owner x + x
    Pair,   // x of both records of the pair: owner x + x (left), owner x + xRight
};
enum class VolleyY : uint8_t {
    Record, // y of record i: owner y + yOffset[its place]
    Group,  // y of every record of its group, each by its place
};

enum class VolleyBlit : uint8_t { Additive, Keyed };

struct TimedVolleyConstants {
    Owner owner;
    int32_t width; // records per group
    GroupSchedule schedule;

    VolleyX xWrite = VolleyX::Record;
    OffsetTerms x = {};
    OffsetTerms xRight = {}; // pairs only
    VolleyY yWrite = VolleyY::Record;
    float yOffset[kMaxVolleyWidth] = {};

    // Sideways pixels per second by place in the group, applied to every
    // record, free ones included, before the fall.
    float drift[kMaxVolleyWidth] = {};
    float fall; // stored into the record's fall speed every frame
    // A slant is stored and added sideways like the fall; 0 has none.
    float slant = 0.0f;
    bool testsClear = true; // freed while clearEnemyShots is 1
    KillBox box;

    // Every record is drawn, free ones included (they lie outside the clip
    // rectangle). The cell of place m starts at cellLeft[m]; an animated strip
    // (animCells > 0) draws cell `frame` instead and advances it.
    const int32_t* image;
    VolleyBlit blit = VolleyBlit::Additive;
    int32_t cellW;
    int32_t cellH;
    int32_t cellLeft[kMaxVolleyWidth] = {};
    int32_t animCells = 0;
    int32_t passes = 1; // the whole pool drawn this many times per call
};

// The cadence most width-2 volleys share: pairs 0 to 4 at ticks 10 to 50,
// pairs 5 to 9 at 80 to 120, wrapping at 140.
inline constexpr GroupSchedule kPairsOf140 = {140, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}};
static_assert(CoversGroups(kPairsOf140, 10));

// Pairs of 40-pixel shots side by side on that cadence, falling at 200 px/s;
// a launch puts both back in their columns and sets its own record's height.
constexpr TimedVolleyConstants WidePairs(Owner owner, float left, float right, float height) {
    return {
        .owner = owner,
        .width = 2,
        .schedule = kPairsOf140,
        .xWrite = VolleyX::Pair,
        .x = {left},
        .xRight = {right},
        .yOffset = {height, height},
        .fall = 200.0f,
        .box = {-10.0f, 30.0f, 0.0f, 30.0f},
        .image = &imgVAL405,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {120, 120},
    };
}

void TimedVolley_Schedule(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool);
void TimedVolley_Schedule(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool);
// Launches record i of the group starting at groupBase, unless it is flying.
// The launch may still move the group's other records (their x for pairs,
// their y for whole-group heights), flying or not.
void TimedVolley_FireOne(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool, int32_t i,
                         int32_t groupBase);
void TimedVolley_FireOne(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool, int32_t i,
                         int32_t groupBase);
void TimedVolley_Draw(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool);
void TimedVolley_Draw(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool);
void TimedVolley_Move(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool);
void TimedVolley_Move(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool);
