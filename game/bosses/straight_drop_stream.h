#pragma once
// StraightDropStream: a column of large shots dropped one at a time from one
// point under a boss, one every ten schedule calls. Each record keeps its own
// tick; all ticks start together. A tick that reaches 200 restarts at 10, so
// record 19 (due at 200) never leaves, and the call that wraps is record 0's
// turn again. A diagonal stream also slides sideways as it falls; nothing
// bounds its x.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_rules.h"

struct StraightDropStreamConsts {
    BossRecord* boss;
    std::span<StreamShot> pool;
    float launchX; // from the boss's x, y
    float launchY;
    float fallSpeed; // pixels per second
    float xSpeed;    // 0 for a straight stream; sideways pixels per second for a diagonal one
    KillBox hitBox;
    const int32_t* image; // handle, read at draw time
    int32_t cellW;        // drawn from (0, 0)-(cellW, cellH)
    int32_t cellH;
};

void StraightDropStream_Schedule(const StraightDropStreamConsts& c);
// Arms record i if it is free and places record j (the schedule passes i = j).
void StraightDropStream_FireOne(const StraightDropStreamConsts& c, int32_t i, int32_t j);
void StraightDropStream_Move(const StraightDropStreamConsts& c);
void StraightDropStream_Draw(const StraightDropStreamConsts& c);
