// Aimed strings of four and five: aim and speeds, the field's edges and the
// kill box, the spinning squads' strings that die together, and the
// animation strip.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/squads.h"
#include "kit/draw/blend.h"
#include "kit/draw/screen.h"
#include "squad_world.h"

#include <cmath>

namespace {

using AimedStrings = SquadWorld;

constexpr float kPi = 3.14159265f;

// The 20x20 block at (x, y) shows cell `cell` of the strip as an additive
// draw onto black shows it (drawn for comparison at (x, y + 100)).
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

void Live(AimedString5Record& r, float x, float y) {
    r.active = 1;
    r.x = x;
    r.y = y;
}

} // namespace

TEST_F(AimedStrings, EachFreeRecordIsAimedFromItsFixedSlotAtItsOwnSpeed) {
    enemyJPool[0].x = 100.0f;
    enemyJPool[0].y = 100.0f;
    enemyJPool[1].x = 362.0f;
    enemyJPool[1].y = 100.0f;
    playerX = 370.0f;
    playerY = 520.0f;
    EnemyJ_Shot2_Fire();
    EnemyJ_Shot3_Fire();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(enemyJShot3Pool[i].x, 392.0f); // the five leave slot 1
        EXPECT_EQ(enemyJShot3Pool[i].speed, 120.0f + 40.0f * i);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(enemyJShot2Pool[i].x, 130.0f); // the four leave slot 0
        EXPECT_EQ(enemyJShot2Pool[i].y, 150.0f);
        EXPECT_NEAR(enemyJShot2Pool[i].angle, std::atan((542.0f - 150.0f) / (392.0f - 130.0f)), 1e-6f);
    }
    // Straight below the start the string falls; to the left it flies left.
    EXPECT_NEAR(enemyJShot3Pool[0].angle, kPi / 2, 1e-6f);
    EXPECT_EQ(enemyJShot3Pool[0].dx, 0.0f);
    playerX = 392.0f - 22.0f;
    playerY = 150.0f - 22.0f; // exactly on the start point: straight up
    for (int i = 0; i < 5; ++i)
        enemyJShot3Pool[i].active = 0;
    EnemyJ_Shot3_Fire();
    EXPECT_NEAR(enemyJShot3Pool[4].angle, 3 * kPi / 2, 1e-6f);

    // Records still flying are left alone; the free ones start afresh from
    // where the slot is now, on their own line.
    enemyJShot2Pool[2].active = 0;
    enemyJShot2Pool[3].active = 0;
    enemyJPool[0].x = 500.0f;
    EnemyJ_Shot2_Fire();
    EXPECT_EQ(enemyJShot2Pool[1].x, 130.0f);
    EXPECT_EQ(enemyJShot2Pool[2].x, 530.0f);
    EXPECT_EQ(enemyJShot2Pool[3].x, 530.0f);
    EXPECT_GT(enemyJShot2Pool[2].angle, kPi / 2);
    EXPECT_LT(enemyJShot2Pool[2].angle, 3 * kPi / 2);
}

TEST_F(AimedStrings, RecordsStayOnTheEdgesDieBeyondThemAndKillInsideAnInclusiveBox) {
    frameDt = 0.0f;
    const float stays[4][2] = {{620, 300}, {-20, 300}, {300, 600}, {300, -20}};
    const float goes[4][2] = {{620.01f, 300}, {-20.01f, 300}, {300, 600.01f}, {300, -20.01f}};
    for (int i = 0; i < 4; ++i) {
        Live(squadV1BShot1Pool[i], stays[i][0], stays[i][1]);
        Live(enemyNShot2Pool[i], goes[i][0], goes[i][1]);
    }
    SquadV1B_Shot1_Move();
    EnemyN_Shot2_Move();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(squadV1BShot1Pool[i].active, 1) << i;
        EXPECT_EQ(enemyNShot2Pool[i].active, 0) << i;
        EXPECT_EQ(enemyNShot2Pool[i].y, ParkY) << i;
    }

    // A bomb frees the records of the per-record groups only.
    Live(squadV3AShot1Pool[0], 300, 300);
    clearEnemyShots = 1;
    SquadV1B_Shot1_Move();
    SquadV3A_Shot1_Move();
    clearEnemyShots = 0;
    EXPECT_EQ(squadV1BShot1Pool[0].active, 0);
    EXPECT_EQ(squadV3AShot1Pool[0].active, 1);

    Live(enemyMShot3Pool[0], playerX + 9.9f, playerY + 20.0f);
    EnemyM_Shot3_Move();
    EXPECT_EQ(playerVulnerable, 1);
    Live(enemyMShot3Pool[0], playerX + 10.0f, playerY + 20.0f);
    EnemyM_Shot3_Move();
    EXPECT_EQ(playerVulnerable, 0);
    playerVulnerable = 1;
    Live(enemyMShot3Pool[0], playerX + 30.0f, playerY + 30.0f);
    EnemyM_Shot3_Move();
    EXPECT_EQ(playerVulnerable, 0);
    playerVulnerable = 1;
}

TEST_F(AimedStrings, ASpinningSquadsStringDiesTogetherWhenItsSlowestRecordLeaves) {
    squadV3BSlots[0].x = 300.0f;
    squadV3BSlots[0].y = 400.0f;
    playerX = 350.0f - 22.0f; // straight below the start point (350, 450)
    playerY = 560.0f;
    SquadV3B_Shot1_Fire();
    playerX = 200.0f; // out of the strings' way
    // Down at 260..320 pixels per second: the fastest passes 600 on the 16th
    // move, the slowest on the 19th.
    for (int move = 1; move <= 19; ++move) {
        SquadV3B_Shot1_Move();
        if (move == 17) {
            EXPECT_GT(squadV3BShot1Pool[3].y, 600.0f);
            EXPECT_EQ(squadV3BShot1Pool[3].active, 1); // out, but still live
            SquadV3B_Shot1_Fire();                     // and nothing is free to fire
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
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(squadV3BShot1Pool[i].active, 1) << i;
}

TEST_F(AimedStrings, TheAnimationWrapsInsideItsStrip) {
    // The world reset may leave a frame of up to 9 on a strip of 7: cell 9 % 7.
    Live(enemyKShot2Pool[0], 300, 300);
    enemyKShot2Pool[0].frame = 9;
    EnemyK_Shot2_Draw();
    EXPECT_TRUE(ShowsCell(300, 300, imgVAL201, 2));
    EXPECT_EQ(enemyKShot2Pool[0].frame, 0);
    enemyKShot2Pool[0].frame = 6;
    EnemyK_Shot2_Draw();
    EXPECT_EQ(enemyKShot2Pool[0].frame, 0);
    // The squads' strip has 24 cells, so 9 is a cell of its own.
    Live(squadV1CShot2Pool[4], 400, 300);
    squadV1CShot2Pool[4].frame = 9;
    SquadV1C_Shot2_Draw();
    EXPECT_TRUE(ShowsCell(400, 300, imgVAL2024, 9));
    EXPECT_EQ(squadV1CShot2Pool[4].frame, 10);
    squadV1CShot2Pool[4].frame = 23;
    SquadV1C_Shot2_Draw();
    EXPECT_EQ(squadV1CShot2Pool[4].frame, 0);
}
