#include "game/player/sight_panel.h"

#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

SightPanel sightPanels[2];

namespace {

struct SightPanelLook {
    int32_t width, height;
    float restX; // where the panel rides
};

constexpr SightPanelLook kLooks[2] = {{440, 380, 100.0f}, {480, 390, 80.0f}};
constexpr int32_t kHoldFrames = 10;     // the panel waits at the bottom this long
constexpr int32_t kFastFromFrame = 180; // then speeds up for the rest of the way
constexpr float kStartY = 480.0f;
constexpr float kRiseSpeed = 160.0f;      // pixels per second
constexpr float kExtraRiseSpeed = 400.0f; // added from kFastFromFrame
constexpr float kHoldShipAboveY = 50.0f;
constexpr float kGoneAboveY = -380.0f;

} // namespace

void SightPanel_Update() {
    if (weaponType != 1 && weaponType != 2) return;
    SightPanel& p = sightPanels[weaponType - 1];
    const SightPanelLook& look = kLooks[weaponType - 1];
    if (p.done != 0) return;
    BlitKeyed(FloatToInt(p.x), FloatToInt(p.y), p.image, 0, 0, look.width, look.height);
    p.frameCounter += 1;
    p.x = look.restX;
    if (p.frameCounter <= kHoldFrames) p.y = kStartY;
    if (p.frameCounter > kHoldFrames) p.y -= kRiseSpeed * frameDt;
    if (p.frameCounter >= kFastFromFrame) p.y -= kExtraRiseSpeed * frameDt;
    // The ship waits in the middle while the panel passes the top.
    if (p.y < kHoldShipAboveY) {
        playerX = 290.0f;
        playerY = 210.0f;
    }
    if (p.y < kGoneAboveY) {
        p.x = -500.0f;
        p.y = -500.0f;
        p.frameCounter = 0;
        p.done = 1;
    }
}

void PlayBomSound(int32_t unused1, int32_t unused2) {
    (void)unused1;
    (void)unused2;
    kitSound::Play(sndBOM, -1);
}
