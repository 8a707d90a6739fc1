#include "game/player/controls.h"

#include "game/player/player_api.h"
#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "platform/window.h"

int32_t playerKeys[kPlayerKeyCount] = {};

namespace {

// Virtual keys, in the order they are read into playerKeys; a letter's code
// is its upper-case character.
constexpr int32_t kPlayerKeyCodes[kPlayerKeyCount] = {
    plat::kVkLeft, plat::kVkRight, plat::kVkUp,     plat::kVkDown, 'C', 'V',
    'B',           plat::kVkShift, plat::kVkControl};

bool Held(PlayerKey key) { return playerKeys[key] == kKeyHeld; }

// The schedules only pass slots of the pool; anything else is ignored.
bool InPool(int32_t slot, int32_t size) { return slot >= 0 && slot < size; }

// The ship's speed for the current weapon; 0 leaves the velocity alone.
float ShipSpeed() {
    if (weaponType == 1) return 160.0f;
    if (weaponType == 2) return 200.0f;
    return 0.0f;
}

// The 640-wide layers drift against the ship's sideways movement, the
// nearer layers faster.
void SetStripDrift(float drift7, float drift4, float drift5, float drift6) {
    for (int i = 0; i < kBackStripEntries; ++i) {
        backStrips7[i].vx = drift7;
        backStrips4[i].vx = drift4;
        backStrips5[i].vx = drift5;
        backStrips6[i].vx = drift6;
    }
}

void StartBurst() {
    clearEnemyShots = 0;
    narrowShotsEnabled = 0;
    wideShotsEnabled = 0;
    bombClock = 0;
    burstActive = 1;
    burstClock = 0;
}

// One tick of a main stream's schedule: a wave every fourth tick, waves 1
// to 25, and the clock wraps at 100 without a pause.
void ReleaseStream(int32_t& clock, void (*spawn)(int32_t, int32_t, int32_t)) {
    clock += 1;
    if (clock >= 4 && clock <= 100 && clock % 4 == 0) {
        const int32_t k = clock / 4;
        spawn(k, kLeftLane + k, kRightLane + k);
    }
    if (clock == 100) clock = 0;
}

// Fills a wave of a main stream: the centre shot (with flash and sound) when
// its slot is free, the side shots when they are on. A busy slot is skipped.
void SpawnStreamWave(PlayerShot* pool, int32_t& muzzleFlash, int32_t sideOffset, int32_t sideStep, int32_t k,
                     int32_t l, int32_t r) {
    const int32_t px = FloatToInt(playerX);
    const int32_t py = FloatToInt(playerY);
    if (InPool(k, kPlayerShotSlots) && pool[k].active == 0) {
        PlayerShot& centre = pool[k];
        muzzleFlash = 1;
        centre.active = 1;
        centre.x = px;
        centre.y = py - 38;
        centre.speed = 10;
        kitSound::Play(sndSHOT, -1);
    }
    if (powerItem.powerFlag1 != 1) return;
    const int32_t sides[2] = {l, r};
    const int32_t sideX[2] = {px - sideOffset, px + sideOffset};
    for (int s = 0; s < 2; ++s) {
        if (!InPool(sides[s], kPlayerShotSlots) || pool[sides[s]].active != 0) continue;
        PlayerShot& shot = pool[sides[s]];
        shot.x = sideX[s];
        shot.y = py - 38;
        shot.speed = 10;
        shot.xStep = sideStep;
        shot.active = 1;
    }
}

} // namespace

void ReadPlayerKeys() {
    for (int i = 0; i < kPlayerKeyCount; ++i)
        kitSystem::KeyState(kPlayerKeyCodes[i], playerKeys[i]);
    // Once the play time is up only Ctrl still counts.
    if (countdownExpired != 0) {
        for (int i = 0; i < kPlayerKeyCount; ++i)
            if (i != kPlayerKeyCtrl) playerKeys[i] = 0;
    }

    const float speed = ShipSpeed();
    if (Held(kPlayerKeyLeft)) {
        playerBankStep = 1;
        if (speed != 0.0f) playerVX = -speed;
        SetStripDrift(50.0f, 55.0f, 60.0f, 65.0f);
    }
    if (Held(kPlayerKeyRight)) {
        playerBankStep = -1;
        if (speed != 0.0f) playerVX = speed;
        SetStripDrift(-50.0f, -55.0f, -60.0f, -65.0f);
    }
    if (Held(kPlayerKeyUp) && speed != 0.0f) playerVY = -speed;
    if (Held(kPlayerKeyDown) && speed != 0.0f) playerVY = speed;

    if (burstActive == 0) {
        if ((Held(kPlayerKeyV) && Held(kPlayerKeyC)) || leftDoubleClick != 0) StartBurst();
        if (Held(kPlayerKeyCtrl) && Held(kPlayerKeyShift)) StartBurst();
    }

    // Shift and C are separate tests, so holding both runs the narrow
    // schedule twice a frame; likewise Ctrl and V for the wide one.
    if (narrowShotsEnabled == 1 && (Held(kPlayerKeyShift) || leftButtonDown != 0) && weaponType == 1)
        ReleaseNarrowShots();
    if (wideShotsEnabled == 1 && (Held(kPlayerKeyCtrl) || rightButtonDown != 0) && weaponType == 1)
        ReleaseWideShots();
    if (narrowShotsEnabled == 1 && Held(kPlayerKeyC) && weaponType == 1) ReleaseNarrowShots();
    if (wideShotsEnabled == 1 && Held(kPlayerKeyV) && weaponType == 1) ReleaseWideShots();
}

void ReleaseNarrowShots() { ReleaseStream(narrowShotClock, SpawnNarrowShots); }

void ReleaseWideShots() { ReleaseStream(wideShotClock, SpawnWideShots); }

void ReleaseBurstShots() {
    burstClock += 1;
    if (burstClock >= 3 && burstClock <= kBurstTicks && burstClock % 3 == 0) {
        const int32_t k = burstClock / 3;
        SpawnBurstShots(k, kBurstGroupSlots + k, 2 * kBurstGroupSlots + k, 3 * kBurstGroupSlots + k);
    }
    if (burstClock == kBurstTicks) {
        burstClock = 0;
        burstActive = 0;
        clearEnemyShots = 0;
        narrowShotsEnabled = 1;
        wideShotsEnabled = 1;
    }
}

void SpawnNarrowShots(int32_t k, int32_t l, int32_t r) {
    SpawnStreamWave(narrowShots, muzzleFlashNarrow, 15, 2, k, l, r);
}

void SpawnWideShots(int32_t k, int32_t l, int32_t r) {
    SpawnStreamWave(wideShots, muzzleFlashWide, 30, 3, k, l, r);
}

void SpawnBurstShots(int32_t a, int32_t b, int32_t c, int32_t d) {
    const int32_t px = FloatToInt(playerX);
    const int32_t py = FloatToInt(playerY);
    // The left-curving groups start nearer the ship's left edge.
    const int32_t slots[4] = {a, b, c, d};
    const int32_t startX[4] = {px + 12, px + 28, px + 12, px + 28};
    for (int i = 0; i < 4; ++i) {
        if (!InPool(slots[i], kBurstShotSlots) || burstShots[slots[i]].active != 0) continue;
        BurstShot& shot = burstShots[slots[i]];
        shot.active = 1;
        shot.x = startX[i];
        shot.y = py + 10;
    }
}
