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
#include "game/state/scene_state.h"
#include "game/shell/world_reset.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/present.h"
#include "kit/system/fint.h"
#include "kit/system/random.h"
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
    // Whether cell `cell` of a strip of square cells (lock markers 60 px,
    // smoke and explosions 80) drawn keyed at (x, y) is on the back buffer:
    // 1 all of it, 0 hardly any, -1 neither.
    int CellShown(int32_t x, int32_t y, int32_t img, int32_t cell) const {
        const int32_t size = img == imgROCK1 ? 60 : 80;
        const PictureMatch m =
            MatchPicture(h->BackBuffer(), x, y, img, cell * size, 0, cell * size + size, size);
        return m.Shown() ? 1 : m.Absent() ? 0 : -1;
    }
    // Where a defeat scattered its explosions over a body `width` wide whose
    // boss stands at x `bossX`, replaying the game's stream from `seed`: each
    // big one (100 px further left) and then each small one (40 px) drew its
    // x before its y, over bigHeight and smallHeight rows.
    template <typename Big, typename Small>
    static void ExpectScatter(const Big& big, const Small& small, uint32_t seed, float bossX, int width,
                              int bigHeight, int smallHeight) {
        kitSystem::SeedRandom(seed);
        auto expect = [&](const auto& e, int left, int height) {
            const int x = kitSystem::Random() % width - left;
            EXPECT_FLOAT_EQ(e.x, bossX + x);
            EXPECT_FLOAT_EQ(e.y, float(kitSystem::Random() % height));
        };
        for (const auto& e : big)
            expect(e, 100, bigHeight);
        for (const auto& e : small)
            expect(e, 40, smallHeight);
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
    // How far each counter that ticks() reads moves in the frame that raises
    // the attack clock from `before`, the boss holding at x with this hp.
    auto TicksRun(BossRecord& boss, float x, int32_t before, float hp, const auto& ticks) {
        Holding(boss, x, 80.0f, hp);
        boss.BossAttackClock = before;
        const auto was = ticks();
        EXPECT_TRUE(h->Frame(0.0f));
        auto ran = ticks();
        for (size_t i = 0; i < ran.size(); ++i)
            ran[i] -= was[i];
        return ran;
    }
};
