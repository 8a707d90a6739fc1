#include "game/state/scene_state.h"

#include "kit/draw/present.h"
#include "kit/draw/screen.h"

int32_t currentScene = 0;
int32_t previousScene = 0;
int32_t nextScene = 0;
int32_t sceneChanged = 0;
void (*resetWorld)() = nullptr;
int32_t mouseX = 0, mouseY = 0;
int32_t leftButtonDown = 0, rightButtonDown = 0;
int32_t leftDoubleClick = 0;

void SwitchScene(int32_t next, int32_t wipeKind, int32_t wipeLength) {
    transitionKind = wipeKind;
    transitionLength = wipeLength;
    SnapshotToImage(1, 0, 0, screenWidth, screenHeight);
    currentScene = next;
    previousScene = 0;
    transitionCounter = transitionLength;
    transitionStep = -1;
}
