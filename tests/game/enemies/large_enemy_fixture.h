#pragma once
// A parked world for the large enemies and their weapons: the ship at a known
// place and hittable, 64 frames a second (every step a whole binary fraction,
// so positions and phases come out exact), a fixed seed. Everything it or a
// test touches is put back afterwards, the spiral ticks included, which the
// world reset keeps.
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

    void SetUp() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = kDt;
        playerX = 370.0f;
        playerY = 460.0f;
        playerVulnerable = 1;
        clearEnemyShots = 0;
        difficulty = 1;
        difficultyExtra = 0;
        kitSystem::SeedRandom(4242);
    }
    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        const Saved& s = saved_;
        frameDt = s.dt;
        playerX = s.x;
        playerY = s.y;
        playerVulnerable = s.vulnerable;
        clearEnemyShots = s.clear;
        difficulty = s.difficulty;
        difficultyExtra = s.extra;
        score = s.score;
        highScore = s.highScore;
        for (int i = 0; i < 6; ++i) {
            Stop(i).spiralTick1 = s.ticks[i][0];
            Stop(i).spiralTick2 = s.ticks[i][1];
        }
        kitSystem::SeedRandom(s.random);
    }

    static LargeEnemyStopRecord& Stop(int i) {
        LargeEnemyStopRecord* all[] = {&largeEnemyS53L, &largeEnemyS53R, &largeEnemyS50L,
                                       &largeEnemyS50R, &largeEnemyS54L, &largeEnemyS54R};
        return *all[i];
    }

  private:
    struct Saved {
        float dt = frameDt;
        float x = playerX;
        float y = playerY;
        int32_t vulnerable = playerVulnerable;
        int32_t clear = clearEnemyShots;
        int32_t difficulty = ::difficulty;
        int32_t extra = difficultyExtra;
        int32_t score = ::score;
        int32_t highScore = ::highScore;
        int32_t ticks[6][2] = {};
        uint32_t random = kitSystem::RandomState();
        Saved() {
            for (int i = 0; i < 6; ++i) {
                ticks[i][0] = Stop(i).spiralTick1;
                ticks[i][1] = Stop(i).spiralTick2;
            }
        }
    } saved_;
};
