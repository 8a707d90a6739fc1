#pragma once
// A parked world for the bullet-pattern tests: every pool as the world reset
// leaves it, a known seed, the ship at a known place and frames of zero length
// (so launched bullets stay where they were launched until a test moves them).
// Everything the tests touch is put back afterwards.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/pool_counts.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;

// A record flying at (x, y), everything else 0; or one parked.
template <typename Record> Record LiveAt(float x, float y) {
    Record r{};
    r.x = x;
    r.y = y;
    r.active = 1;
    return r;
}
template <typename Record> Record Parked() {
    Record r{};
    r.x = ParkX;
    r.y = ParkY;
    return r;
}

class PatternTest : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        kitSystem::SeedRandom(20240601u);
        frameDt = 0.0f;
        playerX = 400.0f;
        playerY = 450.0f;
        playerVulnerable = 1;
        clearEnemyShots = 0;
    }

    // Two headings point the same way (whole turns apart or not).
    static void ExpectSameDirection(float a, double b) {
        EXPECT_NEAR(std::cos(a), std::cos(b), 1e-5);
        EXPECT_NEAR(std::sin(a), std::sin(b), 1e-5);
    }
};
