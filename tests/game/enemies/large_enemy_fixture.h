#pragma once
// A parked world for the large enemies and their weapons: the ship at a known
// place and hittable, 64 frames a second (every step a whole binary fraction,
// so positions and phases come out exact), a fixed seed. What it or a test
// touches is put back afterwards, the spiral ticks included (the world reset
// keeps them).
#include <gtest/gtest.h>

#include <cstdint>

#include "game/enemies/large_enemies.h"
#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

class LargeEnemyWorld : public testing::Test {
  protected:
    static constexpr float kDt = 1.0f / 64.0f;

    static LargeEnemyStopRecord& Stop(int i) {
        LargeEnemyStopRecord* all[] = {&largeEnemyS53L, &largeEnemyS53R, &largeEnemyS50L,
                                       &largeEnemyS50R, &largeEnemyS54L, &largeEnemyS54R};
        return *all[i];
    }

    void SetUp() override {
        for (int i = 0; i < 6; ++i)
            ticks_[i][0] = Stop(i).spiralTick1, ticks_[i][1] = Stop(i).spiralTick2;
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
    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = dt_, playerX = x_, playerY = y_;
        playerVulnerable = vulnerable_, clearEnemyShots = clear_;
        difficulty = difficulty_, difficultyExtra = extra_, score = score_, highScore = highScore_;
        for (int i = 0; i < 6; ++i)
            Stop(i).spiralTick1 = ticks_[i][0], Stop(i).spiralTick2 = ticks_[i][1];
        kitSystem::SeedRandom(random_);
    }

  private:
    float dt_ = frameDt, x_ = playerX, y_ = playerY;
    int32_t vulnerable_ = playerVulnerable, clear_ = clearEnemyShots, difficulty_ = difficulty,
            extra_ = difficultyExtra, score_ = score, highScore_ = highScore;
    int32_t ticks_[6][2] = {};
    uint32_t random_ = kitSystem::RandomState();
};
