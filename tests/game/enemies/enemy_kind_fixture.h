#pragma once
// A started game with the world reset, ready to drive the enemy kinds by
// hand or through stage frames; counts the explosion sounds.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/shell/new_game.h"
#include "game/shell/world_reset.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/game_harness.h"
#include "harness/reference_random.h"
#include "kit/draw/present.h"
#include "kit/sound/sound.h"
#include "kit/system/kit_system.h"
#include "platform/audio.h"
#include "platform/midi.h"
#include "platform/time.h"

class EnemyKindFixture : public testing::Test {
  protected:
    static constexpr int32_t kMixes = 10;

    EnemyKindFixture() : harness_(Options()) { plat::AudioUseRenderHookForTests(true); }
    ~EnemyKindFixture() override { plat::AudioUseRenderHookForTests(false); }

    static HarnessOptions Options() {
        HarnessOptions o;
        o.fakeMidi = true;
        return o;
    }

    void SetUp() override {
        ASSERT_TRUE(harness_.Start());
        transitionCounter = 0;
        // Ten buffers: every play moves the round robin on by one.
        sndBOM = kitSound::LoadObject("SOUND/BOM.WAV", kMixes);
        ASSERT_GE(sndBOM, 0);
        lastMix_ = soundObjects[sndBOM].nextMix;
        ResetWorldA();
        ResetWorldB();
        effectDrawMode = 1;
        frameDt = 1.0f / 60.0f;
        playerX = 370.0f;
        playerY = 520.0f;
    }

    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
    }

    // A new game in mode 1 entered straight into `scene`, the world reset
    // from calendar second `second` so the random stream starts the same
    // each time.
    void EnterSeeded(int32_t scene, int64_t second) {
        plat::SetVirtualCalendarForTests(second);
        ResetWorldA();
        ResetWorldB();
        NewGameSetup();
        gameMode = 1;
        harness_.SetScene(scene);
        plat::ClearMidiCommandLogForTests();
    }

    // Explosion sounds since the last call.
    int BomPlays() {
        const int32_t now = soundObjects[sndBOM].nextMix;
        const int plays = (now - lastMix_ + kMixes) % kMixes;
        lastMix_ = now;
        return plays;
    }

    GameHarness harness_;

  private:
    int32_t lastMix_ = 0;
};
