#pragma once
// A started game with the world freshly reset, for driving squads and their
// bullets call by call: frameDt 1/32 s keeps phases and positions exact, the
// ship sits at (370, 520), difficulty 1 and difficultyExtra 0 as the title
// leaves them, and the explosion sound has ten buffers of its own so its
// plays can be counted.
#include <gtest/gtest.h>

#include <memory>

#include "game/shell/world_reset.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/game_harness.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/sound/sound.h"
#include "kit/system/kit_system.h"
#include "platform/audio.h"

class SquadWorld : public ::testing::Test {
  protected:
    static constexpr float kDt = 1.0f / 32.0f;

    void SetUp() override {
        plat::AudioUseRenderHookForTests(true);
        harness_ = std::make_unique<GameHarness>();
        ASSERT_TRUE(harness_->Start());
        sndBOM = kitSound::LoadObject("SOUND/BOM.WAV", kitSound::kMixMax);
        BomSounds();
        ResetWorldA();
        ResetWorldB();
        frameDt = kDt;
        playerX = 370.0f;
        playerY = 520.0f;
        effectDrawMode = difficulty = 1;
        difficultyExtra = score = 0;
        kitDraw::Clear();
    }

    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        harness_.reset();
        plat::AudioUseRenderHookForTests(false);
    }

    // Plays of the explosion sound since the last call (fewer than ten).
    int BomSounds() {
        const int now = sndBOM >= 0 ? soundObjects[sndBOM].nextMix : 0;
        const int plays = (now - lastBom_ + kitSound::kMixMax) % kitSound::kMixMax;
        lastBom_ = now;
        return plays;
    }

    std::unique_ptr<GameHarness> harness_;
    int lastBom_ = 0;
};
