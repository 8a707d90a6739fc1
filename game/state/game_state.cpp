#include "game/state/game_state.h"

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
