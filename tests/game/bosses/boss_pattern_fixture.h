#pragma once
// Boss pattern tests start from the world reset with the scene-2 boss at
// (200, 0), the ship at (400, 500), half-second frames and a fixed seed, and
// put the shared state back afterwards.
#include <gtest/gtest.h>

#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/pool_counts.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

class BossPatternTest : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        Restart();
        kitSystem::SeedRandom(4242);
        frameDt = 0.5f;
        playerX = 400.0f;
        playerY = 500.0f;
    }
    // Every pool parked again, the boss back at (200, 0), the ship vulnerable.
    static void Restart() {
        ResetWorldA();
        ResetWorldB();
        scene2Boss.x = 200.0f;
        scene2Boss.y = 0.0f;
    }
};
