#pragma once
// LightningChain: a bolt of five flickering line segments thrown from the
// boss toward the ship. Six joints leave one point along one aimed line, each
// faster than the one before, so the bolt stretches as it flies; the segments
// between them are thick lines in a yellow-orange that changes every frame.
// The chain is freed as a whole once joint 0, the slowest, leaves the screen.
//
// One template; each of the boss's six chains is its joints and the turn of
// its line away from the ship.
#include <cstdint>

#include "game/bosses/boss_record.h"

struct ChainJoint {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float aimDx;
    float aimDy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle; // radians, 0 = right, y grows downward
    float speed; // pixels per second
    int32_t spare5;
    int32_t spare6;
    int32_t active;
};

constexpr int kChainJoints = 6;

struct LightningChainConsts {
    const BossRecord* boss;
    ChainJoint* joints; // kChainJoints records
    float turn;         // radians added to the aimed angle
};

// Arms every free joint at the boss, aimed past the ship by the chain's turn.
void LightningChain_Spawn(const LightningChainConsts& c);
// Flies the joints, frees the chain once joint 0 is off the screen and tests
// every joint, free or not, against the ship.
void LightningChain_Move(const LightningChainConsts& c);
// Takes this frame's two colour draws, then draws the five segments while
// joint 0 flies.
void LightningChain_Draw(const LightningChainConsts& c);
