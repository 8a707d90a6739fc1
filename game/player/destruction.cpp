#include "game/player/destruction.h"

#include <cmath>

#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr float kPi = 3.14159265f;
// Minus three degrees: the heading a parked piece starts from.
constexpr float kDebrisParkAngle = static_cast<float>(-3.0 * 3.14159265358979323846 / 180.0);

// The tick on which each wave leaves; the fifth is the one that costs lives.
constexpr int32_t kWaveTicks[5] = {1, 10, 20, 30, 40};
constexpr int kLifeWave = 4;

void LaunchPiece(PlayerDebris& d, int index) {
    d.active = 1;
    d.x = playerX;
    d.y = playerY;
    d.speed = float(kDebrisSpeed);
    // One piece of every ring flies at the screen point (20, 20); the others
    // follow in sixteen directions 22.5 degrees apart.
    d.aimX = 20.0f - d.x;
    d.aimY = 20.0f - d.y;
    d.angle = d.aimX == 0.0f ? kPi / 2.0f : std::atan(d.aimY / d.aimX);
    d.angle += (twoPi / 16.0f) * float(index);
    if (d.aimX < 0.0f || (d.aimX == 0.0f && d.aimY <= 0.0f)) d.angle += kPi;
}

} // namespace

void ResetPlayerDebris() {
    for (PlayerDebris& d : playerDebris) {
        d = PlayerDebris{};
        d.x = ParkX;
        d.y = ParkY;
        d.angle = kDebrisParkAngle;
    }
}

void PlayerExplosion_Update(int32_t) {
    for (PlayerDebris& d : playerDebris)
        d.tick += 1;
    const int32_t tick = playerDebris[0].tick;
    if (tick >= kExplosionFrames) {
        playerVulnerable = 1;
        respawnInvulnerable = 1;
    }
    for (int wave = 0; wave < 5; ++wave) {
        if (tick != kWaveTicks[wave]) continue;
        for (int i = wave * kDebrisPerWave; i < (wave + 1) * kDebrisPerWave; ++i) {
            PlayerDebris& d = playerDebris[i];
            if (d.active != 0) continue;
            LaunchPiece(d, i);
            if (wave == kLifeWave) lives -= 1;
        }
    }
}

void PlayerExplosion_Draw(int32_t) {
    for (PlayerDebris& d : playerDebris) {
        BlitAdditive(FloatToInt(d.x), FloatToInt(d.y), imgGFBAK1, 60 * d.frameColumn, 60 * d.frameRow,
                     60 * d.frameColumn + 60, 60 * d.frameRow + 60);
        // Fifteen cells: row 0 columns 0..7, then row 1 columns 1..7.
        d.frameCounter += 1;
        if (d.frameCounter >= 15) {
            d.frameColumn = 0;
            d.frameRow = 0;
            d.frameCounter = 0;
        } else if (d.frameCounter >= 8) {
            if (d.frameCounter == 8) d.frameColumn = 0;
            d.frameColumn += 1;
            d.frameRow = 1;
        } else {
            d.frameColumn += 1;
            d.frameRow = 0;
        }
    }
}

void PlayerExplosion_Move(int32_t) {
    for (PlayerDebris& d : playerDebris) {
        if (d.active == 0) continue;
        d.y += std::sin(d.angle) * d.speed * frameDt;
        d.x += std::cos(d.angle) * d.speed * frameDt;
        if (d.x > 800.0f || d.x < -60.0f || d.y > 600.0f || d.y < -60.0f) {
            d.active = 0;
            d.x = ParkX;
            d.y = ParkY;
        }
    }
}
