#pragma once
// A started game with the world freshly reset, for driving squads and their
// bullets call by call: frameDt 1/32 s keeps every phase and position exact,
// the ship sits at (370, 520), and the explosion sound gets ten buffers of its
// own so its plays can be counted. The globals the tests touch are put back.
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
        HarnessOptions quiet;
        quiet.fakeMidi = true;
        harness_ = std::make_unique<GameHarness>(quiet);
        ASSERT_TRUE(harness_->Start());
        sndBOM = kitSound::LoadObject("SOUND/BOM.WAV", kitSound::kMixMax);
        lastBom_ = sndBOM >= 0 ? soundObjects[sndBOM].nextMix : 0;
        saved_ = {frameDt, playerX, playerY, difficulty, difficultyExtra, effectDrawMode, score, gameMode};
        ResetWorldA();
        ResetWorldB();
        frameDt = kDt;
        playerX = 370.0f;
        playerY = 520.0f;
        difficulty = 1;
        difficultyExtra = 0;
        effectDrawMode = 1;
        score = 0;
        gameMode = 1;
        kitDraw::Clear();
    }

    void TearDown() override {
        ResetWorldA();
        ResetWorldB();
        frameDt = saved_.frameDt;
        playerX = saved_.playerX;
        playerY = saved_.playerY;
        difficulty = saved_.difficulty;
        difficultyExtra = saved_.difficultyExtra;
        effectDrawMode = saved_.effectDrawMode;
        score = saved_.score;
        gameMode = saved_.gameMode;
        harness_.reset();
        plat::AudioUseRenderHookForTests(false);
    }

    // Plays of the explosion sound since the last call.
    int BomSounds() {
        if (sndBOM < 0) return 0;
        const int now = soundObjects[sndBOM].nextMix;
        const int plays = (now - lastBom_ + kitSound::kMixMax) % kitSound::kMixMax;
        lastBom_ = now;
        return plays;
    }

    struct Saved {
        float frameDt, playerX, playerY;
        int32_t difficulty, difficultyExtra, effectDrawMode, score, gameMode;
    };
    Saved saved_{};
    std::unique_ptr<GameHarness> harness_;
    int lastBom_ = 0;
};
