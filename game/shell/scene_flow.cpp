// The front-end scenes: title (1), setup screen (11) and the weapon select
// (12, which no switch enters).
#include "game/shell/scenes.h"

#include "game/shell/new_game.h"
#include "game/shell/world_reset.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/time.h"

namespace {

// Each menu frame lasts at least this long, so the pacer finds the next one
// due at once.
constexpr uint32_t kMenuSleepMs = 20;

void ShowPicture(int32_t image) {
    kitDraw::Clear();
    BlitKeyed(180, 60, image, 0, 0, 440, 480);
    SetVSyncWait(1);
    PresentFrame();
    plat::SleepMs(kMenuSleepMs);
}

// F1 or F2: the reset first, so the new game's values stand.
void StartFirstStage(int32_t mode) {
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    gameMode = mode;
    SwitchScene(kSceneStage2, 3, kMenuWipe);
}

} // namespace

void TitleScene() {
    if (sceneChanged) {
        SetDefaultOptions();
    }
    ShowPicture(imgTITLEC);
    if (lastKey == kKeyEnter) {
        NewGameSetup();
        ResetWorldA();
        ResetWorldB();
        difficulty = 1;
        difficultyExtra = 0;
        plainBackground = 0;
        SwitchScene(kSceneSetup, 3, kMenuWipe);
        lastKey = 0;
    }
}

// The options can only be switched on here (or between mouse and keys); the
// title puts them back.
void SetupScene() {
    if (sceneChanged) weaponType = 1;
    ShowPicture(imgLEVEL1);
    // F1 and F2 leave lastKey set: nothing in the stage reacts to it.
    if (lastKey == kKeyF1) StartFirstStage(1);
    if (lastKey == kKeyF2) StartFirstStage(3);
    if (lastKey == kKeySpace) {
        plainBackground = 1;
        lastKey = 0;
    }
    if (lastKey == kKeyM) {
        mouseControl = 1;
        keyboardControl = 0;
        lastKey = 0;
    }
    if (lastKey == kKeyK) {
        mouseControl = 0;
        keyboardControl = 1;
        lastKey = 0;
    }
    if (lastKey == kKeyO) {
        noDeathMode = 1;
        lastKey = 0;
    }
}

void WeaponSelectScene() {
    ShowPicture(imgLEVEL0);
    if (lastKey == kKeyF5) {
        weaponType = 1;
        SwitchScene(kSceneSetup, 1, kMenuWipe);
    }
    if (lastKey == kKeyF6) {
        weaponType = 2;
        SwitchScene(kSceneSetup, 1, kMenuWipe);
    }
}
