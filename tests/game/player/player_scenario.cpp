#include "game/player/player_scenario.h"

#include "game/player/collisions.h"
#include "game/player/controls.h"
#include "game/player/player_pools.h"
#include "game/player/power_item.h"
#include "game/player/ship.h"
#include "game/shell/main_loop.h"
#include "game/shell/world_reset.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/sound/sound.h"
#include "kit/system/kit_system.h"
#include "platform/audio.h"
#include "platform/surface.h"

namespace {

constexpr int32_t kCountMixes = 10;

// Our own copies: handles left by an earlier game in this process would
// point into a table that has since been rebuilt.
void LoadImage(int32_t& handle, const char* name) { handle = kitDraw::LoadObject(name, 1); }

int CountPlays(int32_t handle, int32_t& last) {
    if (handle < 0 || handle >= kitSound::kObjectCount) return 0;
    const int32_t now = soundObjects[handle].nextMix;
    const int plays = (now - last + kCountMixes) % kCountMixes;
    last = now;
    return plays;
}

} // namespace

PlayerScenario::PlayerScenario() {
    plat::AudioUseRenderHookForTests(true);
    harness.Start();
    transitionCounter = 0;

    // Sounds of our own with ten buffers each: every play moves the round
    // robin on by one, so the plays of a frame can be counted.
    sndSHOT = kitSound::LoadObject("SOUND/SHOT.WAV", kCountMixes);
    sndBOM = kitSound::LoadObject("SOUND/BOM.WAV", kCountMixes);
    lastShotMix_ = sndSHOT >= 0 ? soundObjects[sndSHOT].nextMix : 0;
    lastBomMix_ = sndBOM >= 0 ? soundObjects[sndBOM].nextMix : 0;

    LoadImage(imgMYME1, "IMAGE/MYME1.BMP");
    LoadImage(imgCONTINU1, "IMAGE/CONTINU1.BMP");
    LoadImage(imgGFBAK1, "IMAGE/GFBAK1.BMP");
    LoadImage(imgSPOWER1, "IMAGE/SPOWER1.BMP");
    LoadImage(imgSFLH1, "IMAGE/SFLH1.BMP");
    LoadImage(imgFLW1_3, "IMAGE/FLW1_3.BMP");
    LoadImage(imgVEX1, "IMAGE/VEX1.BMP");
    NewGame();
}

PlayerScenario::~PlayerScenario() { plat::AudioUseRenderHookForTests(false); }

void PlayerScenario::NewGame() {
    // What the title's Enter and the setup screen's F1 leave behind.
    difficulty = 1;
    difficultyExtra = 0;
    keyboardControl = 1;
    mouseControl = 0;
    noDeathMode = 0;
    weaponType = 1;
    score = 0;
    bombStock = 5;
    lives = 999;
    highScore = 500;
    playerX = 370.0f;
    playerY = 520.0f;
    powerItem = PowerItem{};
    ResetWorldA();
    ResetWorldB();
    gameMode = 1;
    for (int32_t& k : playerKeys)
        k = 0;
    kitDraw::Clear();
}

void PlayerScenario::Frame() {
    frameDt = dt;
    if (pauseFlag == 0) {
        kitDraw::Clear();
        DrawPlayerShots();
        PowerItem_Draw();
        PowerItem_Move();
        UpdatePlayer();
        ShowGameOver();
        // The picture is presented here; then the logic half.
        MovePlayer();
        if (burstActive == 1) ReleaseBurstShots();
        PlayerShotsUpdate();
    }
    ContinueCheck(continueBombs);
    // The main loop's bookkeeping after every frame.
    leftDoubleClick = 0;
}

void PlayerScenario::Hold(int32_t vk) {
    harness.KeyDown(vk);
    harness.DrainMessages();
}

void PlayerScenario::Release(int32_t vk) {
    harness.KeyUp(vk);
    harness.DrainMessages();
}

void PlayerScenario::MouseTo(int32_t x, int32_t y) {
    harness.MouseMove(x, y);
    harness.DrainMessages();
}

void PlayerScenario::MouseButton(int32_t button, bool down) {
    harness.MouseButton(button, down);
    harness.DrainMessages();
}

void PlayerScenario::DoubleClick(int32_t x, int32_t y) {
    harness.DoubleClick(x, y);
    harness.DrainMessages();
}

int PlayerScenario::ShotSounds() { return CountPlays(sndSHOT, lastShotMix_); }
int PlayerScenario::BomSounds() { return CountPlays(sndBOM, lastBomMix_); }

uint16_t PlayerScenario::BackPixel(int32_t x, int32_t y) const {
    const plat::Surface* s = backBuffer;
    if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return 0;
    return s->Pixel(x, y);
}

bool PlayerScenario::AnyLit(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            if (BackPixel(x, y) != 0) return true;
    return false;
}
