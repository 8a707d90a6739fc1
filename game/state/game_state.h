#pragma once
// The run's shared state: the game-state block that every scene and stage
// reads (score, lives, mode, options), the stage progress the drivers advance,
// the background strip tables and the star field. Plain globals, all 0 at
// program start unless the owner sets them.
#include <cstdint>

// Where a free float-positioned object waits: left of and far below the
// screen, outside every clip rectangle and hit box.
constexpr float ParkX = -500.0f;
constexpr float ParkY = 2550.0f;

// --- Game-state block -------------------------------------------------------
extern int32_t score;       // shown with 9 digits, capped at 999999999
extern int32_t highScore;   // 500 from LoadAssets, raised by AddScore
extern int32_t lives;       // 999 for a new game, 111 after a continue
extern int32_t bombStock;   // 5 for a new game
extern int32_t gameMode;    // 0 before the setup screen, then 1 (F1) or 3 (F2)
extern int32_t mainShotsOn; // 1 = automatic shot release; only ever stored 0

// Branch values of the stage scripts (the title stores 1 and 0).
extern int32_t difficulty;
extern int32_t difficultyExtra;

// Options of the title and setup screens.
extern int32_t plainBackground;
extern int32_t mouseControl;
extern int32_t keyboardControl;
extern int32_t noDeathMode;
extern int32_t effectDrawMode;
extern int32_t weaponType;

// --- Stage progress -----------------------------------------------------------
extern float scrollDistance;      // stage progress; windows open on it
extern int32_t stageFrameCounter; // frames of the running stage
extern int32_t pauseFlag;         // play frozen
extern int32_t continuePrompt;    // continue picture up, waiting for Y

// Play countdown (its ticker is never called, but the reset arms its values).
extern int32_t countdownSeconds;
extern int32_t countdownArmed;
extern int32_t countdownExpired;
extern float timeUpClock;

// --- Background strips --------------------------------------------------------
// One 480-pixel tile of a layer; entry i starts 480 * i above entry 0.
struct BackStrip {
    float x;
    float y;
    float vx; // sideways drift set by the player's keys (640-wide layers)
};

constexpr int kBackStripEntries = 5000;
extern BackStrip backStrips1[kBackStripEntries];
extern BackStrip backStrips2[kBackStripEntries];
extern BackStrip backStrips3[kBackStripEntries];
extern BackStrip backStrips4[kBackStripEntries];
extern BackStrip backStrips5[kBackStripEntries];
extern BackStrip backStrips6[kBackStripEntries];
extern BackStrip backStrips7[kBackStripEntries];
extern BackStrip backStrips8[kBackStripEntries];
extern BackStrip backStrips9[kBackStripEntries + 1];
extern BackStrip backStrips10[kBackStripEntries + 1];

// --- Star field ---------------------------------------------------------------
struct Star {
    int32_t frame; // 0..6, picks the 3x10 sprite
    float x;
    float y;
    float vx; // always 0 in the game
    float vy; // pixels per second
};

constexpr int kStarCount = 100;
extern Star stars[kStarCount];

// --- Uncalled boss portrait slide ---------------------------------------------
struct BossPortraitSlide {
    int32_t counter;
    int32_t spare0;
    float x;
    float y;
    float speed;
    int32_t spare1;
    int32_t spare2;
    int32_t active;
};

extern BossPortraitSlide bossPortraitSlides[8];
