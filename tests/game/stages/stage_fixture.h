#pragma once
// The stage tests drive a started game (music logged, never synthesised)
// through real stage frames. A stage is entered as a new game switched
// straight into it, with no wipe left over and the music log empty; the
// helpers hold a boss in its section, step its behaviour clock and check
// where it stands.
#include "harness/game_harness.h"
#include "harness/pool_counts.h"

#include "game/bosses/boss_record.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/scene_flow.h"
#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/present.h"
#include "kit/system/fint.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <memory>

class StageTest : public ::testing::Test {
  protected:
    // Every test of the fixture starts in `scene` (0: in none), entered in
    // game mode `mode`.
    explicit StageTest(int32_t scene = 0, int32_t mode = 1) : scene_(scene), mode_(mode) {}

    void SetUp() override {
        HarnessOptions o;
        o.fakeMidi = true;
        h = std::make_unique<GameHarness>(o);
        ASSERT_TRUE(h->Start());
        if (scene_ != 0) Enter(scene_, mode_);
    }
    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
    }
    // A new game in game mode `mode`, switched into `scene` between frames.
    void Enter(int32_t scene, int32_t mode = 1) {
        ResetWorldA();
        ResetWorldB();
        NewGameSetup();
        gameMode = mode;
        h->SetScene(scene);
        transitionCounter = 0; // no wipe left over from an earlier switch
        transitionStep = 0;
        plat::ClearMidiCommandLogForTests();
    }
    // One frame inside the boss section with the behaviour clock at `clock`
    // before the frame steps it.
    void FrameFrom(BossRecord& boss, float clock, float dt) {
        scrollDistance = 2000.0f;
        boss.behaviourClock = clock;
        ASSERT_TRUE(h->Frame(dt));
    }
    // The boss at (x, 0) in its section, its behaviour clock at `holdClock`
    // and this hp, for the next frame.
    static void Holding(BossRecord& boss, float x, float holdClock, float hp) {
        scrollDistance = 2000.0f;
        boss.behaviourClock = holdClock;
        boss.x = x;
        boss.y = 0.0f;
        boss.hp = hp;
    }
    static void ExpectAt(const BossRecord& boss, float x, float y) {
        EXPECT_FLOAT_EQ(boss.x, x);
        EXPECT_FLOAT_EQ(boss.y, y);
    }

    std::unique_ptr<GameHarness> h;

  private:
    int32_t scene_;
    int32_t mode_;
};

// Scenes 4 and 9, which no scene of the run leads into: entered through the
// scene switch a boss defeat would make, their boss shot at on every frame.
class UnplayedStage : public StageTest {
  protected:
    // A new game in mode 1 with the title's difficulty, then the switch into
    // `scene`.
    void EnterBySwitch(int32_t scene) {
        ResetWorldA();
        ResetWorldB();
        NewGameSetup();
        gameMode = 1;
        difficulty = 1;
        difficultyExtra = 0;
        SwitchScene(scene, 3, kShortWipe);
    }
    // One narrow shot in the boss's body on every frame of `scene`.
    void ShootAt(const BossRecord& boss, int32_t scene) {
        h->OnFrame([&boss, scene] {
            if (currentScene == scene && boss.y >= 0.0f)
                narrowShots[0] = PlayerShot{FloatToInt(boss.x) + 200, FloatToInt(boss.y) + 100, 0, 10, 1};
        });
    }
    uint16_t Px(int32_t x, int32_t y) const { return h->BackBuffer()->Pixel(x, y); }
};
