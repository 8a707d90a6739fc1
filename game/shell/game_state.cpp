#include "game/shell/game_state.h"

#include "game/player/player_pools.h"
#include "game/player/player_state.h"

int32_t score = 0;
int32_t highScore = 0;
int32_t lives = 0;
int32_t bombStock = 0;
int32_t gameMode = 0;
int32_t mainShotsOn = 0;

int32_t difficulty = 0;
int32_t difficultyExtra = 0;

int32_t plainBackground = 0;
int32_t mouseControl = 0;
int32_t keyboardControl = 0;
int32_t noDeathMode = 0;
int32_t effectDrawMode = 0;
int32_t weaponType = 0;

float scrollDistance = 0.0f;
int32_t stageFrameCounter = 0;
int32_t pauseFlag = 0;
int32_t continuePrompt = 0;

int32_t countdownSeconds = 0;
int32_t countdownArmed = 0;
int32_t countdownExpired = 0;
float timeUpClock = 0.0f;

BackStrip backStrips1[kBackStripEntries];
BackStrip backStrips2[kBackStripEntries];
BackStrip backStrips3[kBackStripEntries];
BackStrip backStrips4[kBackStripEntries];
BackStrip backStrips5[kBackStripEntries];
BackStrip backStrips6[kBackStripEntries];
BackStrip backStrips7[kBackStripEntries];
BackStrip backStrips8[kBackStripEntries];
BackStrip backStrips9[kBackStripEntries + 1];
BackStrip backStrips10[kBackStripEntries + 1];

Star stars[kStarCount];

BossPortraitSlide bossPortraitSlides[8];

namespace {
// Entry i is one tile, 480 * i above the first, which fills the play field
// from y 120 down.
void LayOut(BackStrip* strips, float x) {
    for (int i = 0; i < kBackStripEntries; ++i)
        strips[i] = BackStrip{x, 120.0f - 480.0f * float(i), 0.0f};
}
} // namespace

void NewGameSetup() {
    LayOut(backStrips1, 180.0f);
    LayOut(backStrips2, 180.0f);
    LayOut(backStrips3, 180.0f);
    LayOut(backStrips7, 80.0f);
    LayOut(backStrips4, 80.0f);
    LayOut(backStrips5, 80.0f);
    LayOut(backStrips6, 80.0f);
    // Off screen until its layer's first frame moves it into the field.
    LayOut(backStrips8, ParkX);

    mainShotsOn = 0;
    gameMode = 0;
    score = 0;
    bombStock = 5;
    lives = 999;
    playerX = 370.0f;
    playerY = 520.0f;

    powerItem.x = ParkX;
    powerItem.y = ParkY;
    powerItem.fallSpeed = 0.0f;
    powerItem.active = 0;
    powerItem.pickedUp = 0;
    powerItem.powerFlag1 = 0;
    powerItem.powerFlag2 = 0;
    powerItem.spawnCount = 0;

    for (SightPanel& panel : sightPanels)
        panel = SightPanel{0, 0, ParkX, ParkY, 0};
}

void SetDefaultOptions() {
    plainBackground = 0;
    mouseControl = 0;
    keyboardControl = 1;
    effectDrawMode = 1;
    noDeathMode = 0;
    weaponType = 0;
}
