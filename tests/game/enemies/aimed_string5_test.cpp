// Aimed strings of four and five: aim and speeds, the spinning squads'
// strings that die together, and the animation strip.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/squads.h"
#include "kit/draw/blend.h"
#include "squad_world.h"

#include <cmath>

namespace {

using AimedStrings = SquadWorld;

constexpr float kPi = 3.14159265f;

// The 20x20 block at (x, y) is cell `cell` of the strip as an additive draw
// onto black shows it (drawn for comparison 100 pixels lower).
bool ShowsCell(int32_t x, int32_t y, int32_t img, int32_t cell) {
    BlitAdditive(x, y + 100, img, 20 * cell, 0, 20 * cell + 20, 20);
    bool lit = false;
    for (int32_t dy = 0; dy < 20; ++dy)
        for (int32_t dx = 0; dx < 20; ++dx) {
            const uint16_t p = backBuffer->Pixel(x + dx, y + dy);
            if (p != backBuffer->Pixel(x + dx, y + 100 + dy)) return false;
            lit = lit || p != 0;
        }
    return lit;
}

} // namespace

TEST_F(AimedStrings, EachFreeRecordIsAimedFromItsFixedSlotAtItsOwnSpeed) {
    enemyJPool[0].x = 100.0f;
    enemyJPool[0].y = 100.0f;
    enemyJPool[1].x = 362.0f; // the five start straight above the aim point
    enemyJPool[1].y = 100.0f;
    EnemyJ_Shot2_Fire();
    EnemyJ_Shot3_Fire();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(enemyJShot3Pool[i].x, 392.0f);
        EXPECT_EQ(enemyJShot3Pool[i].speed, 120.0f + 40.0f * i);
        EXPECT_NEAR(enemyJShot3Pool[i].angle, kPi / 2, 1e-6f);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(enemyJShot2Pool[i].x, 130.0f);
        EXPECT_NEAR(enemyJShot2Pool[i].angle, std::atan((542.0f - 150.0f) / (392.0f - 130.0f)), 1e-6f);
    }
    // The ship's aim point exactly on the start: straight up.
    playerY = 150.0f - 22.0f;
    enemyJShot3Pool[4].active = 0;
    EnemyJ_Shot3_Fire();
    EXPECT_NEAR(enemyJShot3Pool[4].angle, 3 * kPi / 2, 1e-6f);
}

TEST_F(AimedStrings, ASpinningSquadsStringDiesTogetherWhenItsSlowestRecordLeaves) {
    squadV3BSlots[0].x = 300.0f;
    squadV3BSlots[0].y = 400.0f;
    playerX = 350.0f - 22.0f; // straight below the start point (350, 450)
    SquadV3B_Shot1_Fire();
    playerX = 200.0f; // out of the string's way
    // Down at 260..320 pixels per second: the fastest passes 600 on the 16th
    // move, the slowest on the 19th.
    for (int move = 1; move <= 19; ++move) {
        SquadV3B_Shot1_Move();
        if (move == 17) {
            EXPECT_EQ(squadV3BShot1Pool[3].y, 620.0f);
            EXPECT_EQ(squadV3BShot1Pool[3].active, 1); // out, but still live
            SquadV3B_Shot1_Fire();                     // so nothing is free to fire
            EXPECT_EQ(squadV3BShot1Pool[0].y, 450.0f + 260.0f * kDt * 17);
        }
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(squadV3BShot1Pool[i].active, 0) << i;
        EXPECT_GT(squadV3BShot1Pool[i].y, 600.0f) << i; // freed where they are
    }
    // A freed record never touches the ship, wherever it was left.
    playerX = squadV3BShot1Pool[2].x - 20.0f;
    playerY = squadV3BShot1Pool[2].y - 25.0f;
    SquadV3B_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 1);
    SquadV3B_Shot1_Fire(); // the next fire takes the whole string
    EXPECT_EQ(squadV3BShot1Pool[3].active, 1);
}

TEST_F(AimedStrings, TheAnimationWrapsInsideItsStrip) {
    auto live = [](AimedString5Record& r, float x, int32_t frame) {
        r.active = 1;
        r.x = x;
        r.y = 300.0f;
        r.frame = frame;
    };
    // The world reset may leave a frame of up to 9 on a strip of 7: cell 9 % 7.
    live(enemyKShot2Pool[0], 300, 9);
    EnemyK_Shot2_Draw();
    EXPECT_TRUE(ShowsCell(300, 300, imgVAL201, 2));
    EXPECT_EQ(enemyKShot2Pool[0].frame, 0);
    // The squads' strip has 24 cells, so 9 is a cell of its own.
    live(squadV1CShot2Pool[4], 400, 9);
    SquadV1C_Shot2_Draw();
    EXPECT_TRUE(ShowsCell(400, 300, imgVAL2024, 9));
    EXPECT_EQ(squadV1CShot2Pool[4].frame, 10);
}
