#include "game/player/ship.h"

#include <cstdint>

#include "game/player/controls.h"
#include "game/player/destruction.h"
#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/stretch.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

float captionHeight = 0.0f;

namespace {

constexpr int32_t kShipFrameW = 60;
constexpr int32_t kShipFrameH = 70;

void DrawShip() {
    const int32_t left = kShipFrameW * playerBank;
    BlitKeyed(FloatToInt(playerX), FloatToInt(playerY), imgMYME1, left, 0, left + kShipFrameW, kShipFrameH);
}

// The shot pictures come in two sets: one for modes 1 and 2, one for mode 3.
// Any other mode draws nothing of the row.
bool PickImage(int32_t normal, int32_t mode3, int32_t& img) {
    if (gameMode == 1 || gameMode == 2) {
        img = normal;
        return true;
    }
    if (gameMode == 3) {
        img = mode3;
        return true;
    }
    return false;
}

void DrawAdditive(int32_t x, int32_t y, int32_t normal, int32_t mode3, int32_t w, int32_t h) {
    int32_t img = 0;
    if (PickImage(normal, mode3, img)) BlitAdditive(x, y, img, 0, 0, w, h);
}

void DrawLane(const PlayerShot* pool, int first, int dx, int32_t normal, int32_t mode3, int32_t w) {
    for (int i = first; i < first + kLaneSlots; ++i)
        if (pool[i].active != 0) DrawAdditive(pool[i].x + dx, pool[i].y, normal, mode3, w, 60);
}

} // namespace

void MovePlayer() {
    playerBank += playerBankStep;
    if (playerBank < 0) playerBank = 0;
    if (playerBank > 6) playerBank = 6;
    if (playerBank == 3) playerBankStep = 0;

    playerVX = 0.0f;
    playerVY = 0.0f;
    ReadPlayerKeys();

    playerX += playerVX * frameDt;
    if (playerX < kShipMinX) playerX = kShipMinX;
    if (playerX > kShipMaxX) playerX = kShipMaxX;
    playerY += playerVY * frameDt;
    if (playerY < kShipMinY) playerY = kShipMinY;
    if (playerY > kShipMaxY) playerY = kShipMaxY;

    // At rest and fully banked, the ship swings back toward level; the bank
    // stops when it reaches 3.
    if (playerVX == 0.0f && playerVY == 0.0f && (playerBank == 0 || playerBank == 6))
        playerBankStep = -playerBankStep;
}

void UpdatePlayer() {
    if (keyboardControl == 1) DrawShip();
    if (mouseControl == 1) {
        DrawShip();
        // Unclamped here; the next MovePlayer puts the ship back in its box.
        playerX = float(mouseX - 30);
        playerY = float(mouseY - 30);
    }

    if (playerVulnerable == 0) {
        if (respawnInvulnerable == 1) {
            // A hit under the guard is undone and does not count a guard frame.
            playerVulnerable = 1;
        } else if (noDeathMode == 1) {
            // The ship stays unhittable until a reset or continue, and loses nothing.
        } else {
            PlayerExplosion_Update(0);
            PlayerExplosion_Draw(0);
            PlayerExplosion_Move(0);
            kitSound::Play(sndBOM, -1);
            powerItem.powerFlag1 = 0;
            powerItem.spawnCount = 0;
        }
    } else if (respawnInvulnerable != 0) {
        respawnCounter += 1;
        if (respawnCounter >= kRespawnGuardFrames) {
            respawnCounter = 0;
            playerVulnerable = 1;
            respawnInvulnerable = 0;
            ResetPlayerDebris();
        }
    }
}

void DrawPlayerShots() {
    if (weaponType != 1) return;

    for (int i = 2 * kBurstGroupSlots; i < kBurstShotSlots; ++i)
        if (burstShots[i].active != 0)
            DrawAdditive(burstShots[i].x, burstShots[i].y, imgVEX2, imgVEX22, 20, 20);
    for (int i = 0; i < 2 * kBurstGroupSlots; ++i)
        if (burstShots[i].active != 0)
            DrawAdditive(burstShots[i].x - 5, burstShots[i].y - 5, imgVEX1, imgVEX11, 30, 30);

    const int32_t px = FloatToInt(playerX);
    const int32_t py = FloatToInt(playerY);
    if (muzzleFlashNarrow != 0) DrawAdditive(px - 5, py - 15, imgFLHST, imgFLHST3, 70, 36);
    muzzleFlashNarrow = 0;
    DrawLane(narrowShots, 0, 0, imgSFLH1, imgSFLH11, 60);
    DrawLane(narrowShots, kLeftLane, 0, imgSFLH2, imgSFLH22, 60);
    DrawLane(narrowShots, kRightLane, 0, imgSFLH3, imgSFLH33, 60);

    DrawLane(wideShots, 0, -30, imgFLW1_3, imgFLW11, 120);
    DrawLane(wideShots, kLeftLane, 0, imgFLW2_1, imgFLW22, 60);
    DrawLane(wideShots, kRightLane, 0, imgFLW3_2, imgFLW33, 60);
    if (muzzleFlashWide != 0) {
        DrawAdditive(px - 5, py - 15, imgFLHST2, imgFLHST3, 70, 36);
        if (powerItem.powerFlag1 == 1) DrawAdditive(px - 32, py - 40, imgFLHST22, imgFLHST33, 124, 70);
    }
    muzzleFlashWide = 0;
}

void ShowGameOver() {
    if (lives >= 1 || continuePrompt != 0) return;
    BlitKeyed(300, 250, imgCONTINU1, 0, 0, 200, 100);
    continuePrompt = 1;
    pauseFlag = 1;
    playerVulnerable = 0;
    playerVX = 0.0f;
    playerVY = 0.0f;
}

void ContinueCheck(int32_t bombs) {
    if (continuePrompt != 1 || pauseFlag != 1 || lastKey != kKeyY) return;
    pauseFlag = 0;
    continuePrompt = 0;
    bombStock = bombs;
    lives = kContinueLives;
    score = 0;
    respawnInvulnerable = 1;
    playerVulnerable = 1;
}

void AddScore(int32_t points) {
    // Summed wide, so no caller can wrap the score past the cap.
    int64_t sum = score;
    if ((difficulty == 1 || difficulty == 2) && (difficultyExtra == 0 || difficultyExtra == 1)) sum += points;
    if (sum > kScoreCap) sum = kScoreCap;
    if (sum < INT32_MIN) sum = INT32_MIN;
    score = int32_t(sum);
    if (score > highScore) highScore = score;
}

void DrawCountdownCaption() {
    if (countdownExpired == 0) return;
    const int32_t h = FloatToInt(captionHeight);
    BlitStretchKeyed(170, (480 - h) / 2, imgMYMY, 81, 70, 136, 80, 300, h);
    captionHeight += 30.0f * frameDt;
}
