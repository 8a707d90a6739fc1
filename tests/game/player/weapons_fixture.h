#pragma once
// A parked world on a headless 800x600 screen for the ship's weapons: every
// pool as the world reset leaves it, the play-field clip, 60 frames a second,
// and a way to tell what AddScore gave.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/player/player_api.h"
#include "game/shell/world_reset.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/draw/screen.h"
#include "kit/draw/screen_fixture.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/time.h"

class WeaponsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        plat::UseVirtualClockForTests(true);
        plat::SetVirtualCalendarForTests(1700000000);
        vextest::SetUpScreen(plat::PixelFormat::RGB565);
        kitDraw::SetClip(180, 0, 620, 600);
        ResetWorldA();
        ResetWorldB();
        frameDt = 1.0f / 60.0f;
        // AddScore belongs to the ship's code; when it keeps score, every check
        // below sees the points, otherwise it sees none.
        score = 0;
        AddScore(1);
        scoring_ = score == 1;
        score = 0;
        highScore = 500;
    }

    void TearDown() override { ResetGameGlobals(); }

    // What score should read after `points` were given from 0.
    int32_t Scored(int32_t points) const { return scoring_ ? points : 0; }

    // A solid w x h image in `slot` of one colour.
    static uint16_t SolidImage(int slot, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b) {
        const uint16_t p = plat::RgbToPixel(plat::PixelFormat::RGB565, r, g, b);
        vextest::MakeImage(slot, w, h, std::vector<uint16_t>(size_t(w * h), p));
        return p;
    }

    static uint16_t Screen(int32_t x, int32_t y) { return backBuffer->Pixel(x, y); }

    bool scoring_ = false;
};
