#include "game/shell/placeholders_skel_state.h"

int32_t pauseFlag = 0;
int32_t continuePrompt = 0;
int32_t plainBackground = 0;
int32_t mouseControl = 0;
int32_t keyboardControl = 0;
int32_t effectDrawMode = 0;
int32_t noDeathMode = 0;
int32_t weaponType = 0;
