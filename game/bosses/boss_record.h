#pragma once
// The records every boss is made of: the boss record itself, the explosion
// records of its defeat sequence and the approach picture.
#include <cstdint>

// Pattern counters kept in the boss record: scene 2 uses 12 (spiral streams
// and ring emitters), scenes 5 and 6 use 6 (curving streams), scene 8 uses 18
// (spiral and curving streams); the others use none. One size for all keeps
// the boss templates working on a single record type.
constexpr int kBossPatternTimers = 18;

struct BossRecord {
    int32_t smokeCycle; // 0..4, +1 when smokeFrame wraps
    int32_t smokeFrame; // damage smoke cell 0..9
    int32_t BossAttackClock;
    int32_t patternTimer[kBossPatternTimers];
    float x; // top-left of the body sprite
    float y;
    int32_t spare0;
    int32_t spare1;
    float behaviourClock; // +10 per second in the update
    float hp;
    float defeatTimer;    // +10 per second while hp <= 0
    int32_t deadFlag;     // the collision code skips the boss while not 0; only the reset writes it
    int32_t flashShown;   // set when the draw consumes a hit flash; read by nothing
    int32_t BossHitFlash; // 1 = hit since the last draw
};

// One explosion sprite of a defeat sequence (8 big and 6 small per boss).
// Most bosses carry the nine-word record; the scene-6 boss, and the scene-2
// boss's small explosions, carry seven words.
struct BossExplosion {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    int32_t spare5;
};

struct BossExplosionShort {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
};

struct BossExplosionCompact {
    int32_t frame;
    float x;
    float y;
    int32_t spare0;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
};

constexpr int kBigExplosions = 8;
constexpr int kSmallExplosions = 6;

// Every boss's hit setter: the collision code lowers hp itself, and the next
// body draw consumes the flag.
inline void BossSetHit(BossRecord& boss) { boss.BossHitFlash = 1; }

// The picture that rises across the screen before a boss arrives.
struct BossIntro {
    float x;
    float y;
    float speed; // rising speed, pixels per second
    int32_t active;
};
