#pragma once
// The large-enemy family, written once for its three forms: descending
// (drifts straight down), stop-and-fire (enters from a side, stops to fire
// its own weapons, leaves) and timed-step (descends and fires in steps
// counted in frames). Each copy is a constants record over its own single
// record; large_enemies.cpp holds the copies.
#include <cstdint>

#include "game/enemies/explosion_piece.h"
#include "game/enemies/large_enemies.h"

using LargeEnemyCall = void (*)();

struct LargeBody {
    const int32_t* image;
    int32_t width;
    int32_t height;
};

// 80x80 cells of explosion strips, each at its own offset from the body.
struct LargeExplosion {
    const ExplosionPiece* pieces;
    int32_t count;
};

struct DescendingEnemy {
    LargeEnemyRecord* record;
    LargeBody body;
    int32_t spawnRange; // x = 180 + rand() % spawnRange
    float entryY;
    const LargeExplosion* explosion;
};

enum class EntrySide : uint8_t { Left, Right };

// The phase bands of one stop-and-fire pass. The phase clock runs at
// phaseRate units per second; the bands are closed, with gaps between them
// in which nothing moves.
struct StopAndFireBands {
    float phaseRate;
    float enterHi;   // enter band 0..enterHi
    float fireLo;    // fire band fireLo..70; leave band 71..120; 121 restarts
    float enterDrop; // downward px/s while entering
    float leaveSide; // sideways px/s while leaving
    bool leaveDownward;
};

struct StopAndFireEnemy {
    LargeEnemyStopRecord* record;
    LargeBody body;
    EntrySide side;
    float spawnX;
    float spawnY;
    int32_t spawnYRange; // y = spawnY + rand() % spawnYRange; 0 draws nothing
    float rightBound;    // parked beyond it
    const StopAndFireBands* bands;
    // Called once per frame of the fire band; the gated ones only while
    // difficulty is 2 or difficultyExtra is 1. Null: none.
    LargeEnemyCall fire;
    LargeEnemyCall gatedFire1;
    LargeEnemyCall gatedFire2;
    const LargeExplosion* explosion;
};

struct TimedStepEnemy {
    LargeEnemyStepRecord* record;
    LargeBody body;
    int32_t spawnRange; // x = 180 + rand() % spawnRange
    float entryY;
    LargeEnemyCall fire; // once per frame of the fire steps
    const LargeExplosion* explosion;
};

// Spawn arms the record only while it is free (active 0).
void LargeEnemy_Spawn(const DescendingEnemy& e);
void LargeEnemy_Spawn(const StopAndFireEnemy& e);
void LargeEnemy_Spawn(const TimedStepEnemy& e);
// The body while unhit, else the explosion, which parks the record at its
// end. Active is not consulted.
void LargeEnemy_Draw(const DescendingEnemy& e);
void LargeEnemy_Draw(const StopAndFireEnemy& e);
void LargeEnemy_Draw(const TimedStepEnemy& e);
void LargeEnemy_Move(const DescendingEnemy& e);
void LargeEnemy_Move(const StopAndFireEnemy& e);
void LargeEnemy_Move(const TimedStepEnemy& e);
