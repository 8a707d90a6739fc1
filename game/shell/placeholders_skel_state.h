#pragma once
// Stand-ins for the game-state flags the key handler writes; the game-state
// block replaces this file.
#include <cstdint>

extern int32_t pauseFlag;
extern int32_t continuePrompt;
extern int32_t plainBackground;
extern int32_t mouseControl;
extern int32_t keyboardControl;
extern int32_t effectDrawMode;
extern int32_t noDeathMode;
extern int32_t weaponType;
