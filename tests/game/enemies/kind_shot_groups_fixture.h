#pragma once
// A clean field for the enemy bullet groups: every pool parked, the ship at a
// known place and hittable, 60 frames a second, a fixed random seed. The
// globals it touches are put back afterwards, and the pools parked again.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

class KindShotGroups : public testing::Test {
  protected:
    void SetUp() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = 1.0f / 60.0f;
        playerX = 370.0f;
        playerY = 460.0f;
        playerVulnerable = 1;
        clearEnemyShots = 0;
        kitSystem::SeedRandom(4242);
    }
    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = saved_.dt;
        playerX = saved_.x;
        playerY = saved_.y;
        playerVulnerable = saved_.vulnerable;
        clearEnemyShots = saved_.clear;
        difficulty = saved_.difficulty;
        kitSystem::SeedRandom(saved_.random);
    }

    // Puts owner slot i of a kind's pool at (x, y).
    template <typename Record, size_t N>
    static void PlaceSlot(Record (&pool)[N], size_t i, float x, float y) {
        pool[i].x = x;
        pool[i].y = y;
        pool[i].active = 1;
    }

  private:
    struct Saved {
        float dt = frameDt;
        float x = playerX;
        float y = playerY;
        int32_t vulnerable = playerVulnerable;
        int32_t clear = clearEnemyShots;
        int32_t difficulty = ::difficulty;
        uint32_t random = kitSystem::RandomState();
    } saved_;
};
