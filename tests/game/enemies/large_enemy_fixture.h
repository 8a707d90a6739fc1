#pragma once
// A parked world for the large enemies and their weapons: the ship at a known
// place and hittable, 64 frames a second (every step a whole binary fraction,
// so positions and phases come out exact), a fixed seed. Every test starts
// and ends with the globals a new process has, the spiral ticks included
// (the world reset keeps them).
#include <gtest/gtest.h>

#include <cstdint>

#include "game/enemies/large_enemies.h"
#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

class LargeEnemyWorld : public FreshGlobals {
  protected:
    static constexpr float kDt = 1.0f / 64.0f;

    static LargeEnemyStopRecord& Stop(int i) {
        LargeEnemyStopRecord* all[] = {&largeEnemyS53L, &largeEnemyS53R, &largeEnemyS50L,
                                       &largeEnemyS50R, &largeEnemyS54L, &largeEnemyS54R};
        return *all[i];
    }

    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        frameDt = kDt;
        playerX = 370.0f;
        playerY = 460.0f;
        playerVulnerable = 1;
        clearEnemyShots = difficultyExtra = 0;
        difficulty = 1;
        kitSystem::SeedRandom(4242);
    }
};
