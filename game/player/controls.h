#pragma once
// The player's keys and mouse buttons turned into ship velocity, banking,
// background drift and shots: the release schedules of the narrow and wide
// streams, the burst, and the spawners that fill the three shot pools.
#include <cstdint>

// Slots of playerKeys, in the order the keys are read.
enum PlayerKey : int32_t {
    kPlayerKeyLeft = 0,
    kPlayerKeyRight,
    kPlayerKeyUp,
    kPlayerKeyDown,
    kPlayerKeyC,
    kPlayerKeyV,
    kPlayerKeyB, // read, but nothing acts on it
    kPlayerKeyShift,
    kPlayerKeyCtrl,
    kPlayerKeyCount,
};

// Edge states of the nine keys (0 up, 1 pressed, 2 released, 3 held).
extern int32_t playerKeys[kPlayerKeyCount];

// Lane layout of the narrow and wide pools: wave k fills slot k of the
// centre lane and the same slot of the two side lanes.
constexpr int kLaneSlots = 26;
constexpr int kLeftLane = 26;
constexpr int kRightLane = 52;
// Burst waves fill slot k of each of the four groups of 50.
constexpr int kBurstGroupSlots = 50;
constexpr int32_t kBurstTicks = 147; // 49 waves, one every third tick

// Called by MovePlayer after it zeroed the velocity.
void ReadPlayerKeys();
void ReleaseNarrowShots(); // also in player_api.h
void ReleaseWideShots();
void ReleaseBurstShots();
void SpawnNarrowShots(int32_t k, int32_t l, int32_t r);
void SpawnWideShots(int32_t k, int32_t l, int32_t r);
void SpawnBurstShots(int32_t a, int32_t b, int32_t c, int32_t d);
