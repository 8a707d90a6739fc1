#include <gtest/gtest.h>

#include <vector>

#include "game/player/destruction.h"
#include "game/player/player_pools.h"
#include "game/player/player_scenario.h"
#include "game/player/ship.h"
#include "game/shell/main_loop.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"
#include "platform/window.h"

namespace {

// The bank values a run of frames passes through, repeats folded.
std::vector<int32_t> BankPath(PlayerScenario& s, int frames) {
    std::vector<int32_t> path{playerBank};
    for (int i = 0; i < frames; ++i) {
        s.Frame();
        if (playerBank != path.back()) path.push_back(playerBank);
    }
    return path;
}

// Plays one death through: the hit, the explosion and the guard.
void Die(PlayerScenario& s) {
    playerVulnerable = 0;
    s.Frames(kExplosionFrames + kRespawnGuardFrames);
}

} // namespace

TEST(PlayerShip, BanksThreeToSixWhileLeftIsHeldAndSwingsBackToLevel) {
    PlayerScenario s;
    s.Hold(plat::kVkLeft);
    EXPECT_EQ(BankPath(s, 30), (std::vector<int32_t>{3, 4, 5, 6}));
    EXPECT_EQ(playerBank, 6);
    s.Release(plat::kVkLeft);
    EXPECT_EQ(BankPath(s, 30), (std::vector<int32_t>{6, 5, 4, 3}));
    EXPECT_EQ(playerBankStep, 0);

    // Right banks the other way, down to 0, and back.
    s.Hold(plat::kVkRight);
    EXPECT_EQ(BankPath(s, 30), (std::vector<int32_t>{3, 2, 1, 0}));
    s.Release(plat::kVkRight);
    EXPECT_EQ(BankPath(s, 30), (std::vector<int32_t>{0, 1, 2, 3}));

    // Moving only vertically keeps a full bank.
    s.Hold(plat::kVkLeft);
    s.Frames(10);
    playerY = 400.0f;
    s.Hold(plat::kVkUp);
    s.Frame();
    s.Release(plat::kVkLeft);
    s.Frames(20);
    EXPECT_EQ(playerBank, 6);
    s.Release(plat::kVkUp);
    EXPECT_EQ(BankPath(s, 10), (std::vector<int32_t>{6, 5, 4, 3}));
}

TEST(PlayerShip, StaysInsideItsBox) {
    PlayerScenario s;
    playerX = 600.0f;
    s.Frame();
    EXPECT_EQ(playerX, 560.0f); // put back by the same move

    s.Hold(plat::kVkRight);
    s.Hold(plat::kVkDown);
    s.Frames(300);
    EXPECT_EQ(playerX, 560.0f);
    EXPECT_EQ(playerY, 540.0f);
    s.Release(plat::kVkRight);
    s.Release(plat::kVkDown);
    s.Hold(plat::kVkLeft);
    s.Hold(plat::kVkUp);
    s.Frames(300);
    EXPECT_EQ(playerX, 180.0f);
    EXPECT_EQ(playerY, 220.0f);
    s.Release(plat::kVkLeft);
    s.Release(plat::kVkUp);

    // Speed follows frameDt: 160 px/s.
    playerX = 300.0f;
    s.dt = 0.1f;
    s.Hold(plat::kVkRight);
    s.Frames(2);
    EXPECT_FLOAT_EQ(playerX, 316.0f);
}

TEST(PlayerShip, FollowsTheMouseAndIsDrawnOnceAtTheClampedPosition) {
    PlayerScenario s;
    keyboardControl = 0;
    mouseControl = 1;
    s.MouseTo(700, 100);
    // The draw half puts the ship under the cursor, unclamped ...
    UpdatePlayer();
    EXPECT_EQ(playerX, 670.0f);
    EXPECT_EQ(playerY, 70.0f);
    // ... and the move after the present clamps it.
    MovePlayer();
    EXPECT_EQ(playerX, 560.0f);
    EXPECT_EQ(playerY, 220.0f);
    // The next frame draws it there before moving it to the cursor again.
    s.Frame();
    ASSERT_NE(imgMYME1, 0);
    EXPECT_TRUE(s.AnyLit(560, 220, 620, 290));
    EXPECT_FALSE(s.AnyLit(180, 0, 620, 200));
    EXPECT_FALSE(s.AnyLit(180, 300, 620, 600));

    s.MouseTo(400, 330);
    s.Frames(2);
    EXPECT_EQ(playerX, 370.0f);
    EXPECT_EQ(playerY, 300.0f);

    // Keyboard steering draws the bank frame at the ship.
    mouseControl = 0;
    keyboardControl = 1;
    s.Frame();
    EXPECT_TRUE(s.AnyLit(370, 300, 430, 370));
    EXPECT_FALSE(s.AnyLit(180, 0, 360, 600));
}

TEST(PlayerShip, AddScoreCapsTheScoreAndRaisesTheHighScore) {
    PlayerScenario s;
    score = 999999999 - 200;
    highScore = 5000;
    AddScore(500);
    EXPECT_EQ(score, 999999999);
    EXPECT_EQ(highScore, 999999999);
    AddScore(100);
    EXPECT_EQ(score, 999999999);

    score = 0;
    highScore = 1000;
    AddScore(250);
    EXPECT_EQ(score, 250);
    EXPECT_EQ(highScore, 1000);
    AddScore(800);
    EXPECT_EQ(highScore, 1050);

    // Other branch values add nothing, but the cap and the high score still apply.
    difficulty = 3;
    AddScore(500);
    EXPECT_EQ(score, 1050);
    difficulty = 2;
    difficultyExtra = 1;
    AddScore(50);
    EXPECT_EQ(score, 1100);
    difficultyExtra = 2;
    AddScore(50);
    EXPECT_EQ(score, 1100);

    // A huge award cannot wrap the score round.
    difficultyExtra = 0;
    score = 999999000;
    AddScore(2147483647);
    EXPECT_EQ(score, 999999999);
}

TEST(PlayerShip, GameOverPausesUnderTheContinuePictureAndYResumes) {
    PlayerScenario s;
    AddScore(123450);
    lives = 10;
    bombStock = 1;
    playerVulnerable = 0;
    int frames = 0;
    while (continuePrompt == 0 && frames < 100) {
        s.Frame();
        ++frames;
    }
    // The fifth wave, on the 40th explosion frame, takes 16 lives.
    EXPECT_EQ(frames, 40);
    EXPECT_EQ(lives, -6);
    EXPECT_EQ(pauseFlag, 1);
    EXPECT_EQ(playerVulnerable, 0);
    EXPECT_EQ(playerVX, 0.0f);
    EXPECT_EQ(playerVY, 0.0f);
    ASSERT_NE(imgCONTINU1, 0);
    EXPECT_TRUE(s.AnyLit(300, 250, 500, 350));

    // Paused: nothing moves, whatever is held, and the picture stays.
    const float x = playerX;
    s.Hold(plat::kVkLeft);
    s.Hold(plat::kVkShift);
    s.Frames(30);
    EXPECT_EQ(playerX, x);
    EXPECT_EQ(narrowShotClock, 0);
    EXPECT_TRUE(s.AnyLit(300, 250, 500, 350));
    s.Release(plat::kVkLeft);
    s.Release(plat::kVkShift);
    s.Press('N');
    s.Frames(5);
    EXPECT_EQ(pauseFlag, 1);

    s.continueBombs = 3; // as scene 8 passes
    s.Press('Y');
    s.Frame();
    EXPECT_EQ(pauseFlag, 0);
    EXPECT_EQ(continuePrompt, 0);
    EXPECT_EQ(lives, 111);
    EXPECT_EQ(bombStock, 3);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(highScore, 123450);
    EXPECT_EQ(playerVulnerable, 1);
    EXPECT_EQ(respawnInvulnerable, 1);
    s.Release('Y');

    // Play resumes under the guard: a hit costs nothing.
    playerVulnerable = 0;
    s.Frames(10);
    EXPECT_EQ(lives, 111);
    EXPECT_EQ(playerVulnerable, 1);

    // With 111 lives the seventh death ends the game again, in the frame of
    // its fifth wave.
    s.Frames(kRespawnGuardFrames);
    EXPECT_EQ(respawnInvulnerable, 0);
    for (int d = 0; d < 6; ++d)
        Die(s);
    EXPECT_EQ(lives, 111 - 6 * 16);
    EXPECT_EQ(continuePrompt, 0);
    playerVulnerable = 0;
    s.Frames(39);
    EXPECT_EQ(continuePrompt, 0);
    s.Frame();
    EXPECT_EQ(lives, -1);
    EXPECT_EQ(continuePrompt, 1);
}

TEST(PlayerShip, ANewGameLastsSixtyTwoDeaths) {
    PlayerScenario s;
    for (int d = 0; d < 62; ++d)
        Die(s);
    EXPECT_EQ(lives, 999 - 62 * 16);
    EXPECT_EQ(continuePrompt, 0);
    playerVulnerable = 0;
    s.Frames(40);
    EXPECT_EQ(continuePrompt, 1);
    EXPECT_EQ(lives, 999 - 63 * 16);
}

TEST(PlayerShip, TheCountdownCaptionGrowsWhileTheTimeIsUp) {
    PlayerScenario s;
    DrawCountdownCaption();
    EXPECT_EQ(captionHeight, 0.0f);
    countdownExpired = 1;
    frameDt = 0.5f;
    DrawCountdownCaption();
    DrawCountdownCaption();
    EXPECT_FLOAT_EQ(captionHeight, 30.0f);
}
