#include "game/state/scene_state.h"

int32_t currentScene = 0;
int32_t previousScene = 0;
int32_t nextScene = 0;
int32_t sceneChanged = 0;
int32_t mouseX = 0, mouseY = 0;
int32_t leftButtonDown = 0, rightButtonDown = 0;
int32_t leftDoubleClick = 0;
