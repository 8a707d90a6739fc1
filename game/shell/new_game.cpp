#include "game/shell/new_game.h"

#include "game/player/player_pools.h"
#include "game/player/sight_panel.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"

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
