#pragma once
// A clean field for the enemy bullet groups: every pool parked, the ship at a
// known place and hittable, 60 frames a second, a fixed random seed. Every
// test starts and ends with the globals a new process has.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

class KindShotGroups : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        frameDt = 1.0f / 60.0f;
        playerX = 370.0f;
        playerY = 460.0f;
        playerVulnerable = 1;
        clearEnemyShots = 0;
        kitSystem::SeedRandom(4242);
    }

    // Puts owner slot i of a kind's pool at (x, y).
    template <typename Record, size_t N>
    static void PlaceSlot(Record (&pool)[N], size_t i, float x, float y) {
        pool[i].x = x;
        pool[i].y = y;
        pool[i].active = 1;
    }
};
