#include "game/player/power_item.h"

#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/blend.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

void ParkItem() {
    powerItem.active = 0;
    powerItem.pickedUp = 0;
    powerItem.x = ParkX;
    powerItem.y = ParkY;
}

} // namespace

void PowerItem_Spawn() {
    if (powerItem.active != 0) return;
    const int32_t across = kitSystem::Random() % 320;
    powerItem.x = float(210 + across);
    powerItem.y = -60.0f;
    const int32_t fall = kitSystem::Random() % 130;
    powerItem.fallSpeed = float(100 + fall);
    powerItem.active = 1;
    powerItem.pickedUp = 0;
    powerItem.spawnCount += 1;
}

void PowerItem_Move() {
    if (powerItem.active != 0) powerItem.y += powerItem.fallSpeed * frameDt;
    if (powerItem.y > 600.0f) {
        powerItem.active = 0;
        powerItem.x = ParkX;
        powerItem.y = ParkY;
    }
}

void PowerItem_PickUp() {
    powerItem.pickedUp = 1;
    kitSound::Play(sndBOM, -1);
}

void PowerItem_Draw() {
    if (powerItem.pickedUp < 1) {
        BlitAdditive(FloatToInt(powerItem.x), FloatToInt(powerItem.y), imgSPOWER1, 0, 0, 60, 60);
        return;
    }
    // The tests run one after another on the count: the first and second
    // items since a death or a new game give one bomb each, every later one
    // two. An item that was already falling when the ship died gives two.
    PowerItem& item = powerItem;
    if (item.spawnCount == 0) {
        item.powerFlag1 = 1;
        item.spawnCount = 1;
        bombStock += 1;
    }
    if (item.spawnCount == 1) {
        item.powerFlag1 = 1;
        bombStock += 1;
    }
    if (item.spawnCount >= 2) {
        item.powerFlag1 = 1;
        bombStock += 1;
    }
    if (item.spawnCount >= 3) {
        item.powerFlag1 = 1;
        bombStock += 1;
    }
    ParkItem();
}
