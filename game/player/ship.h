#pragma once
// The player's ship: steering, banking and the allowed box, the drawing of
// the ship and of the three shot pools, the death and respawn states, game
// over and continue, and the score.
#include <cstdint>

constexpr int32_t kScoreCap = 999999999;
constexpr int32_t kContinueLives = 111;
constexpr int32_t kRespawnGuardFrames = 249;

// The ship's allowed box (top-left of its 60x70 sprite).
constexpr float kShipMinX = 180.0f;
constexpr float kShipMaxX = 560.0f;
constexpr float kShipMinY = 220.0f;
constexpr float kShipMaxY = 540.0f;

// Height of the time-up caption; grows for as long as it is drawn.
extern float captionHeight;

// Declared for the scenes in player_api.h as well.
void UpdatePlayer();
void MovePlayer();
void DrawPlayerShots();
void ShowGameOver();
void ContinueCheck(int32_t bombs);
void AddScore(int32_t points);
// The time-up caption, drawn while the play countdown has expired.
void DrawCountdownCaption();
