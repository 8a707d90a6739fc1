// The score panel's digits and labels, and the uncalled play countdown.
#include "harness/game_harness.h"

#include "game/stages/hud.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HarnessOptions Quiet() {
    HarnessOptions o;
    o.fakeMidi = true;
    return o;
}

bool BigDigits(const plat::Surface* s, const std::string& digits) {
    for (size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        if (!MatchPicture(s, 180 + 20 * int(i), 0, imgSUJI09, 20 * d, 0, 20 * d + 20, 25).Shown())
            return false;
    }
    return true;
}

bool SmallDigits(const plat::Surface* s, int32_t x, const std::string& digits) {
    for (size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        if (!MatchPicture(s, x + 10 * int(i), 6, imgMYMY, 7 * d + 8, 70, 7 * d + 15, 80).Shown())
            return false;
    }
    return true;
}

bool Blank(const plat::Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            if (s->Pixel(x, y) != 0) return false;
    return true;
}

} // namespace

TEST(Hud, DigitsForScoreHighScoreLivesAndBombs) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    const plat::Surface* back = h.BackBuffer();

    // A new game's panel: nine zeros, the high score 500, 999 lives, 5 bombs.
    score = 0;
    lives = 999;
    bombStock = 5;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(BigDigits(back, "000000000"));
    EXPECT_TRUE(SmallDigits(back, 380, "000000500"));
    EXPECT_TRUE(SmallDigits(back, 520, "999"));
    EXPECT_TRUE(SmallDigits(back, 600, "05"));
    EXPECT_TRUE(MatchPicture(back, 570, 6, imgMYMY, 170, 70, 194, 80).Shown());
    EXPECT_TRUE(MatchPicture(back, 490, 6, imgMYMY, 200, 70, 224, 80).Shown());

    score = 123456789;
    highScore = 987654321;
    lives = 42;
    bombStock = 12;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(BigDigits(back, "123456789"));
    EXPECT_TRUE(SmallDigits(back, 380, "987654321"));
    EXPECT_TRUE(SmallDigits(back, 520, "042"));
    EXPECT_TRUE(SmallDigits(back, 600, "12")); // the last digit ends at x 617, inside the field

    // Numbers wider than their field run on to the right.
    lives = 1000;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(SmallDigits(back, 520, "1000"));

    // None left is still a number: zeros, not a blank.
    lives = 0;
    bombStock = 0;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(SmallDigits(back, 520, "000"));
    EXPECT_TRUE(SmallDigits(back, 600, "00"));

    // Below zero the digits are hidden; the labels always show.
    lives = -1;
    bombStock = -1;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(Blank(back, 520, 0, 550, 25));
    EXPECT_TRUE(Blank(back, 600, 0, 620, 25));
    EXPECT_TRUE(MatchPicture(back, 570, 6, imgMYMY, 170, 70, 194, 80).Shown());
    EXPECT_TRUE(MatchPicture(back, 490, 6, imgMYMY, 200, 70, 224, 80).Shown());

    // A negative score (no game stores one) prints its digits after the sign.
    score = -5;
    kitDraw::Clear();
    DrawHud();
    EXPECT_TRUE(Blank(back, 180, 0, 200, 25));
    EXPECT_TRUE(MatchPicture(back, 340, 0, imgSUJI09, 100, 0, 120, 25).Shown());
}

TEST(Hud, CountdownSendsTheGameBackToTheTitle) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    currentScene = 2;
    previousScene = 2;
    countdownSeconds = 800;
    countdownExpired = 0;
    lives = 5;

    // Unarmed (as in the game): the first expired wait sends it to the title.
    countdownArmed = 0;
    kitSystem::SetWait(1, 0);
    CountdownTick();
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(previousScene, 0);

    // Armed: a second per expired wait, the last one stops the music.
    currentScene = 2;
    countdownArmed = 1;
    countdownSeconds = 2;
    kitSystem::SetWait(1, 0);
    CountdownTick();
    EXPECT_EQ(countdownSeconds, 1);
    EXPECT_EQ(countdownExpired, 0);
    EXPECT_EQ(kitSystem::CheckWait(1), 0); // one more second to go
    h.AdvanceMs(1000);
    MidiPlay("MIDI/VXTM1.MID", 1);
    CountdownTick();
    EXPECT_EQ(countdownSeconds, 0);
    EXPECT_EQ(countdownExpired, 1);
    EXPECT_EQ(midiOpen, 0);
    EXPECT_EQ(currentScene, 2);

    // Out of lives while armed: the time-up clock starts and runs out at 30 s.
    countdownExpired = 0;
    countdownSeconds = 100;
    lives = 0;
    frameDt = 0.5f;
    kitSystem::SetWait(1, 5000);
    CountdownTick();
    EXPECT_EQ(countdownExpired, 1);
    EXPECT_FLOAT_EQ(timeUpClock, 0.5f);
    timeUpClock = 30.0f;
    CountdownTick();
    EXPECT_FLOAT_EQ(timeUpClock, 0.0f);
    EXPECT_EQ(currentScene, 1);
}
