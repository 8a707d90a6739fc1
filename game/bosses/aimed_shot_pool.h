#pragma once
// AimedShotPool: one spawn launches every free entry of a small pool from one
// point of a boss toward the ship, each entry at its own speed, so a volley
// stretches into a line of shots. The pool is freed as a whole once entry 0,
// the slowest, leaves the screen; only then does the next spawn fire again.
//
// Every boss instances it with its own pool and a constants record; what
// differs between bosses (pool size, speeds, drift, draw form, hit box, cull
// margin) is a field of that record.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_rules.h"

constexpr int kShotPoolMaxEntries = 8;

enum class ShotPoolDraw : uint8_t {
    Animated, // additive strip of square cells, one cell per draw
    Rotated,  // one square picture turned to the heading
};

struct AimedShotPoolConsts {
    BossRecord* boss;
    std::span<AimedShotPoolRecord> pool;
    float launchX; // launch point from the boss's x, y
    float launchY;
    float speeds[kShotPoolMaxEntries]; // pixels per second, entry 0 the slowest
    float aim;                         // aim point: playerX + aim, playerY + aim
    float headingOffset;               // radians, added to the aimed heading
    float margin;                      // cull margin of the left and top edges
    int32_t drift;                     // 0 straight; -1 or +1 bends left or right after launch
    KillBox hitBox;
    ShotPoolDraw draw;
    const int32_t* image; // handle, read at draw time
    int32_t cell;         // square cell size in pixels
    int32_t cells;        // animated form: cells in the strip
};

void AimedShotPool_Spawn(const AimedShotPoolConsts& c);
void AimedShotPool_Move(const AimedShotPoolConsts& c);
void AimedShotPool_Draw(const AimedShotPoolConsts& c);

// The heading toward an aim vector, turned by an offset: pi/2 for a vertical
// vector, then a half turn when it points left, or up along the vertical.
float AimedHeading(float aimDx, float aimDy, float offset);
