#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/player/destruction.h"
#include "game/player/player_pools.h"
#include "game/player/player_scenario.h"
#include "game/player/ship.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"

namespace {

int ActiveDebris(int first, int count) {
    int n = 0;
    for (int i = first; i < first + count; ++i)
        n += playerDebris[i].active != 0;
    return n;
}

bool DebrisParked() {
    for (const PlayerDebris& d : playerDebris)
        if (d.x != -500.0f || d.y != 2550.0f || d.active != 0 || d.tick != 0 || d.frameCounter != 0 ||
            d.speed != 0.0f || d.angle != float(-3.0 * 3.14159265358979323846 / 180.0))
            return false;
    return true;
}

} // namespace

TEST(PlayerDestruction, AHitExplodesForFiftyFramesTakesSixteenLivesAndEndsInTheGuard) {
    PlayerScenario s;
    powerItem.powerFlag1 = 1;
    powerItem.spawnCount = 2;
    playerVulnerable = 0; // what an enemy bullet stores
    s.BomSounds();

    std::vector<int> lifeFrames;
    int explosionFrames = 0;
    for (int f = 1; f <= 60; ++f) {
        const int32_t livesBefore = lives;
        s.Frame();
        const int bom = s.BomSounds();
        EXPECT_LE(bom, 1);
        explosionFrames += bom;
        if (lives != livesBefore) lifeFrames.push_back(f);
        if (f <= 50) {
            EXPECT_EQ(bom, 1) << "frame " << f;
            EXPECT_EQ(playerDebris[0].tick, f);
            EXPECT_EQ(powerItem.powerFlag1, 0);
            EXPECT_EQ(powerItem.spawnCount, 0);
        }
        if (f == 1) {
            EXPECT_EQ(ActiveDebris(0, 16), 16);
        }
        if (f == 9) {
            EXPECT_EQ(ActiveDebris(16, 16), 0);
        }
        if (f == 10) {
            EXPECT_EQ(ActiveDebris(16, 16), 16);
        }
        if (f < 50) {
            EXPECT_EQ(playerVulnerable, 0);
        }
    }
    EXPECT_EQ(explosionFrames, 50);
    EXPECT_EQ(lifeFrames, std::vector<int>{40});
    EXPECT_EQ(lives, 999 - 16);
    // Guarded from the 50th frame; the debris stays as it was.
    EXPECT_EQ(playerVulnerable, 1);
    EXPECT_EQ(respawnInvulnerable, 1);
    EXPECT_EQ(playerDebris[79].tick, 50);
    EXPECT_EQ(respawnCounter, 10);

    // Hits during the guard cost nothing and do not count toward the 249.
    for (int i = 0; i < 5; ++i) {
        playerVulnerable = 0;
        s.Frame();
        EXPECT_EQ(playerVulnerable, 1);
        EXPECT_EQ(respawnCounter, 10);
    }
    EXPECT_EQ(lives, 999 - 16);
    EXPECT_EQ(s.BomSounds(), 0);

    s.Frames(kRespawnGuardFrames - 10 - 1);
    EXPECT_EQ(respawnInvulnerable, 1);
    EXPECT_EQ(respawnCounter, 248);
    s.Frame();
    EXPECT_EQ(respawnInvulnerable, 0);
    EXPECT_EQ(respawnCounter, 0);
    EXPECT_TRUE(DebrisParked());

    // Flying again: the next hit explodes from tick 0 again.
    playerVulnerable = 0;
    s.Frame();
    EXPECT_EQ(playerDebris[0].tick, 1);
    EXPECT_EQ(ActiveDebris(0, 16), 16);
}

TEST(PlayerDestruction, EveryWaveIsARingWhoseFirstPieceFliesAtTheCorner) {
    PlayerScenario s;
    frameDt = 1.0f / 60.0f;
    playerX = 400.0f;
    playerY = 500.0f;
    for (int tick = 1; tick <= 40; ++tick) {
        PlayerExplosion_Update(0);
        if (tick == 1 || tick == 10 || tick == 20 || tick == 30 || tick == 40) {
            const int first = (tick == 1 ? 0 : tick / 10) * 16;
            std::vector<bool> seen(16, false);
            const PlayerDebris& lead = playerDebris[first];
            EXPECT_EQ(lead.x, playerX);
            EXPECT_EQ(lead.speed, 280.0f);
            // The lead piece heads for (20, 20).
            const float len = std::hypot(20.0f - playerX, 20.0f - playerY);
            EXPECT_NEAR(std::cos(lead.angle), (20.0f - playerX) / len, 1e-4);
            EXPECT_NEAR(std::sin(lead.angle), (20.0f - playerY) / len, 1e-4);
            for (int i = first; i < first + 16; ++i) {
                const float turn = std::remainder(playerDebris[i].angle - lead.angle, 2.0f * 3.14159265f);
                const int step =
                    int(std::lround((turn < 0 ? turn + 2.0f * 3.14159265f : turn) / (3.14159265f / 8)));
                ASSERT_GE(step, 0);
                ASSERT_LT(step, 17);
                seen[step % 16] = true;
            }
            for (int k = 0; k < 16; ++k)
                EXPECT_TRUE(seen[k]) << "wave from piece " << first << " lacks direction " << k;
        }
        // The ship moves on; later waves start where it is then.
        playerX -= 3.0f;
    }

    // Straight above the corner point: the ring's lead piece points up.
    ResetPlayerDebris();
    playerX = 20.0f;
    playerY = 300.0f;
    PlayerExplosion_Update(0);
    EXPECT_NEAR(std::sin(playerDebris[0].angle), -1.0f, 1e-5);
    EXPECT_NEAR(std::cos(playerDebris[0].angle), 0.0f, 1e-5);

    // Pieces fly 280 px/s and are parked once they leave the screen.
    frameDt = 0.1f;
    const float x0 = playerDebris[0].x, y0 = playerDebris[0].y;
    PlayerExplosion_Move(0);
    EXPECT_NEAR(std::hypot(playerDebris[0].x - x0, playerDebris[0].y - y0), 28.0f, 1e-3);
    for (int i = 0; i < 40; ++i)
        PlayerExplosion_Move(0);
    EXPECT_EQ(ActiveDebris(0, 16), 0);
    EXPECT_EQ(playerDebris[0].x, -500.0f);
    EXPECT_EQ(playerDebris[0].y, 2550.0f);
}

TEST(PlayerDestruction, DebrisAnimationShowsFifteenCellsInTurn) {
    PlayerScenario s;
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < 31; ++i) {
        cells.emplace_back(playerDebris[5].frameColumn, playerDebris[5].frameRow);
        PlayerExplosion_Draw(0);
    }
    std::vector<std::pair<int, int>> cycle;
    for (int c = 0; c < 8; ++c)
        cycle.emplace_back(c, 0);
    for (int c = 1; c < 8; ++c)
        cycle.emplace_back(c, 1);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(cells[i], cycle[i % 15]) << "draw " << i;
}

TEST(PlayerDestruction, NoDeathModeLeavesTheShipUnhittableAndLosesNothing) {
    PlayerScenario s;
    noDeathMode = 1;
    powerItem.powerFlag1 = 1;
    playerVulnerable = 0;
    s.BomSounds();
    s.Frames(400);
    EXPECT_EQ(lives, 999);
    EXPECT_EQ(playerVulnerable, 0);
    EXPECT_EQ(respawnInvulnerable, 0);
    EXPECT_EQ(powerItem.powerFlag1, 1);
    EXPECT_EQ(s.BomSounds(), 0);
    EXPECT_EQ(ActiveDebris(0, 80), 0);
}

TEST(PlayerDestruction, ADeathFromFewerThanSixteenLivesRaisesThePromptInTheFifthWaveFrame) {
    PlayerScenario s;
    lives = 16;
    playerVulnerable = 0;
    s.Frames(39);
    EXPECT_EQ(lives, 16);
    EXPECT_EQ(continuePrompt, 0);
    s.Frame();
    EXPECT_EQ(lives, 0);
    EXPECT_EQ(continuePrompt, 1);
    EXPECT_EQ(pauseFlag, 1);
}

TEST(PlayerDestruction, AnExplosionWhoseTicksRanPastTheEndStopsAtOnce) {
    PlayerScenario s;
    for (PlayerDebris& d : playerDebris)
        d.tick = 75;
    playerVulnerable = 0;
    s.Frame();
    EXPECT_EQ(playerVulnerable, 1);
    EXPECT_EQ(respawnInvulnerable, 1);
    EXPECT_EQ(lives, 999);
    s.Frames(kRespawnGuardFrames);
    EXPECT_TRUE(DebrisParked());
}
