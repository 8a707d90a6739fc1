#pragma once
// Scenes 4 and 9, which no scene of the run leads into: a fixture that enters
// them through a scene switch, holds their boss in its section, and shoots it.
#include "harness/game_harness.h"
#include "harness/pool_counts.h"

#include "game/bosses/boss_record.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/scene_flow.h"
#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/image.h"
#include "kit/draw/present.h"
#include "kit/system/fint.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class UnplayedStage : public ::testing::Test {
  protected:
    void SetUp() override {
        HarnessOptions o;
        o.fakeMidi = true;
        h = std::make_unique<GameHarness>(o);
        ASSERT_TRUE(h->Start());
        plain = plainBackground;
        flags[0] = difficulty;
        flags[1] = difficultyExtra;
        scratch = imageTable[0].surface->storage;
    }
    void TearDown() override {
        plainBackground = plain;
        difficulty = flags[0];
        difficultyExtra = flags[1];
        imageTable[0].surface->storage = scratch;
        ResetWorldA();
        ResetWorldB();
    }
    // A new game in mode 1 with the title's difficulty, then the switch into
    // `scene` that a boss defeat would make.
    void EnterBySwitch(int32_t scene) {
        ResetWorldA();
        ResetWorldB();
        NewGameSetup();
        gameMode = 1;
        difficulty = 1;
        difficultyExtra = 0;
        SwitchScene(scene, 3, kShortWipe);
    }
    // The boss at the top of its hold with this hp, in its section.
    static void Holding(BossRecord& boss, float x, float holdClock, float hp) {
        scrollDistance = 2000.0f;
        boss.behaviourClock = holdClock;
        boss.x = x;
        boss.y = 0.0f;
        boss.hp = hp;
    }
    // One narrow shot in the boss's body on every frame of `scene`.
    void ShootAt(const BossRecord& boss, int32_t scene) {
        h->OnFrame([&boss, scene] {
            if (currentScene == scene && boss.y >= 0.0f)
                narrowShots[0] = PlayerShot{FloatToInt(boss.x) + 200, FloatToInt(boss.y) + 100, 0, 10, 1};
        });
    }
    uint16_t Px(int32_t x, int32_t y) const { return h->BackBuffer()->Pixel(x, y); }

    std::unique_ptr<GameHarness> h;
    int32_t plain = 0;
    int32_t flags[2] = {};
    std::vector<uint8_t> scratch;
};
