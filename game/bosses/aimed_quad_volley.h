#pragma once
// AimedQuadVolley: groups of four shots that leave together from four fixed
// points of a boss, each aimed at the ship at a slightly random speed. Every
// record keeps its own schedule counter; all counters start together, so the
// four records of a group come due on the same call.
//
// Unlike the other enemy bullets, a shot that hits the ship is spent.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_rules.h"

constexpr int kQuadVolleyGroupSize = 4;
constexpr int kQuadVolleyMaxGroups = 5;

struct QuadLaunchPoint {
    float x; // from the boss's x, y
    float y;
};

struct AimedQuadVolleyConsts {
    BossRecord* boss;
    std::span<AimedQuadVolleyRecord> pool; // groups of four, group g = records 4g..4g+3
    int32_t wrap;                          // a counter that reaches it starts again at 0
    int32_t groupTicks[kQuadVolleyMaxGroups];
    QuadLaunchPoint launch[kQuadVolleyGroupSize]; // by place in the group
    int32_t speedBase;                            // speed = base + rand() % spread
    int32_t speedSpread;
    float aim; // aim point: playerX + aim, playerY + aim
    KillBox hitBox;
    const int32_t* image; // handle, read at draw time
    int32_t cell;         // square picture size
};

void AimedQuadVolley_Schedule(const AimedQuadVolleyConsts& c);
void AimedQuadVolley_Move(const AimedQuadVolleyConsts& c);
void AimedQuadVolley_Draw(const AimedQuadVolleyConsts& c);
