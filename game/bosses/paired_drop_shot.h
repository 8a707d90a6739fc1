#pragma once
// PairedDropShot: two to four small shots that a spawn drops together from
// one point under a boss; they fall straight while drifting apart sideways,
// each record at its own rate. The drift moves every record, free ones too
// (a free record's x is rewritten at its next spawn).
//
// The first boss applies the drift once per record pass, n passes a frame, so
// its shots drift n times as fast and record i meets its kill test after
// only i + 1 of the frame's drift steps. Later bosses drift once a frame.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/bosses/pattern_records.h"
#include "game/enemies/bullet_rules.h"

constexpr int kDropShotMaxRecords = 4;

struct PairedDropShotConsts {
    BossRecord* boss;
    std::span<DropShot> pool;
    float launchX; // from the boss's x, y
    float launchY;
    float fallSpeed;                  // pixels per second
    float drift[kDropShotMaxRecords]; // sideways pixels per second by record, negative = left
    bool driftEveryPass;              // drift all records before each record's pass
    KillBox hitBox;
    const int32_t* image; // handle, read at draw time
    int32_t cell;         // square cell size
    int32_t cells;        // 0: one still picture; else an animated strip of that many cells
};

void PairedDropShot_Spawn(const PairedDropShotConsts& c);
void PairedDropShot_Move(const PairedDropShotConsts& c);
void PairedDropShot_Draw(const PairedDropShotConsts& c);
