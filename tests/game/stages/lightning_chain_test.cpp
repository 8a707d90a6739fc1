// The scene-7 boss's lightning chains: the aimed throw of six joints, the
// whole chain freed in place once joint 0 leaves the screen, the kill test of
// free joints, and the two colour draws every chain takes every frame.
#include "stage_fixture.h"

#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene7/scene7_patterns.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
ChainJoint* const kChains[6] = {scene7BossLightningChain1Pool, scene7BossLightningChain2Pool,
                                scene7BossLightningChain3Pool, scene7BossLightningChain4Pool,
                                scene7BossLightningChain5Pool, scene7BossLightningChain6Pool};
void (*const kSpawns[6])() = {Scene7Boss_LightningChain1_Spawn, Scene7Boss_LightningChain2_Spawn,
                              Scene7Boss_LightningChain3_Spawn, Scene7Boss_LightningChain4_Spawn,
                              Scene7Boss_LightningChain5_Spawn, Scene7Boss_LightningChain6_Spawn};
// 12, 24 and 36 degrees to either side of the ship.
constexpr double kTurns[6] = {-kPi / 15, kPi / 15, -2 * kPi / 15, 2 * kPi / 15, -kPi / 5, kPi / 5};

class LightningChain : public StageTest {
  protected:
    void SetUp() override {
        StageTest::SetUp();
        ResetWorldA();
        ResetWorldB();
        scene7Boss.x = 200.0f;
        scene7Boss.y = 0.0f;
        playerX = 400.0f;
        playerY = 500.0f;
        frameDt = 0.0f;
    }
};

} // namespace

TEST_F(LightningChain, SpawnThrowsEveryFreeJointAlongOneAimedLineTurnedByItsChain) {
    for (int c = 0; c < 6; ++c) {
        kSpawns[c]();
        for (int j = 0; j < kChainJoints; ++j) {
            const ChainJoint& joint = kChains[c][j];
            ASSERT_EQ(joint.active, 1);
            EXPECT_FLOAT_EQ(joint.x, 405.0f); // boss + (205, 150), toward ship + (25, 25)
            EXPECT_FLOAT_EQ(joint.y, 150.0f);
            EXPECT_FLOAT_EQ(joint.speed, 260.0f + 20.0f * j);
            EXPECT_NEAR(joint.angle, std::atan2(375.0, 20.0) + kTurns[c], 1e-5) << c;
        }
    }
    // A joint still flying is left alone; the free ones start afresh with a
    // new aim: straight below, then straight above.
    struct Case {
        float bossY, shipX, shipY;
        double angle;
    };
    for (const Case& k : {Case{0, 380, 500, kPi / 2}, Case{400, 380, 500, 3 * kPi / 2}}) {
        for (ChainJoint& joint : scene7BossLightningChain1Pool)
            joint.active = 0;
        scene7BossLightningChain1Pool[2] = ChainJoint{};
        scene7BossLightningChain1Pool[2].active = 1;
        scene7Boss.y = k.bossY;
        playerX = k.shipX;
        playerY = k.shipY;
        Scene7Boss_LightningChain1_Spawn();
        EXPECT_FLOAT_EQ(scene7BossLightningChain1Pool[2].x, 0.0f);
        EXPECT_FLOAT_EQ(scene7BossLightningChain1Pool[2].angle, 0.0f);
        EXPECT_FLOAT_EQ(scene7BossLightningChain1Pool[2].speed, 300.0f); // every speed is rewritten
        EXPECT_NEAR(scene7BossLightningChain1Pool[5].angle, k.angle - kPi / 15, 1e-5) << k.bossY;
    }
}

TEST_F(LightningChain, TheChainIsFreedInPlaceOnceJointZeroLeavesTheScreen) {
    // Joint 0 on the edge of the screen keeps the chain; half a pixel beyond
    // frees all six where they stand.
    struct Edge {
        float x, y, outX, outY;
    };
    for (const Edge& e : {Edge{800, 300, 800.5f, 300}, Edge{300, 600, 300, 600.5f},
                          Edge{-20, 300, -20.5f, 300}, Edge{300, -20, 300, -20.5f}}) {
        Scene7Boss_LightningChain4_Spawn();
        scene7BossLightningChain4Pool[0].x = e.x;
        scene7BossLightningChain4Pool[0].y = e.y;
        Scene7Boss_LightningChain4_Move();
        EXPECT_EQ(scene7BossLightningChain4Pool[5].active, 1) << e.x << "," << e.y;
        scene7BossLightningChain4Pool[0].x = e.outX;
        scene7BossLightningChain4Pool[0].y = e.outY;
        Scene7Boss_LightningChain4_Move();
        for (const ChainJoint& joint : scene7BossLightningChain4Pool)
            EXPECT_EQ(joint.active, 0) << e.outX << "," << e.outY;
        EXPECT_FLOAT_EQ(scene7BossLightningChain4Pool[3].x, 405.0f); // not parked
    }
    // In flight every joint moves along the line at its own speed; the frame
    // in which joint 0 leaves, the others still move before they are freed.
    frameDt = 0.01f;
    Scene7Boss_LightningChain1_Spawn();
    for (ChainJoint& joint : scene7BossLightningChain1Pool) {
        joint.x = 799.0f;
        joint.angle = 0.0f;
    }
    Scene7Boss_LightningChain1_Move();
    EXPECT_EQ(scene7BossLightningChain1Pool[0].active, 0);
    EXPECT_FLOAT_EQ(scene7BossLightningChain1Pool[0].x, 801.6f);
    EXPECT_FLOAT_EQ(scene7BossLightningChain1Pool[5].x, 802.6f);
    // Thrown from the boss above the field (a bolt starting at y -250), the
    // chain is freed by its first move and thrown again by the next spawn.
    scene7Boss.y = -400.0f;
    Scene7Boss_LightningChain2_Spawn();
    Scene7Boss_LightningChain2_Move();
    EXPECT_EQ(scene7BossLightningChain2Pool[0].active, 0);
    Scene7Boss_LightningChain2_Spawn();
    EXPECT_EQ(scene7BossLightningChain2Pool[5].active, 1);
    EXPECT_FLOAT_EQ(scene7BossLightningChain2Pool[5].y, -250.0f);
}

TEST_F(LightningChain, FreeJointsKillAtTheirLastPlaceAndABombLeavesTheChain) {
    // Box 10..30 by 20..30 from the ship, closed; free joints are tested too.
    struct Offset {
        float dx, dy;
        bool kills;
    };
    for (const Offset& o :
         {Offset{10, 20, true}, Offset{30, 30, true}, Offset{30.5f, 25, false}, Offset{20, 19.5f, false}}) {
        playerVulnerable = 1;
        ChainJoint& joint = scene7BossLightningChain6Pool[3];
        joint.active = 0;
        joint.x = playerX + o.dx;
        joint.y = playerY + o.dy;
        Scene7Boss_LightningChain6_Move();
        EXPECT_EQ(playerVulnerable, o.kills ? 0 : 1) << o.dx << "," << o.dy;
    }
    playerVulnerable = 1;
    clearEnemyShots = 1;
    Scene7Boss_LightningChain3_Spawn();
    Scene7Boss_LightningChain3_Move();
    EXPECT_EQ(scene7BossLightningChain3Pool[0].active, 1);
}

TEST_F(LightningChain, EveryDrawTakesTwoRandomNumbersAndColoursTheFiveSegments) {
    // Idle, the chain still takes its two numbers and draws nothing.
    kitSystem::SeedRandom(1234);
    kitSystem::Random();
    kitSystem::Random();
    const uint32_t afterTwo = kitSystem::RandomState();
    kitSystem::SeedRandom(1234);
    Scene7Boss_LightningChain5_Draw();
    EXPECT_EQ(kitSystem::RandomState(), afterTwo);

    // A bolt lying level, joint k at x 60 + 80k: the first segment lies left
    // of the play field, where the line is drawn all the same. Only joint 0
    // needs to fly for all five to be drawn.
    for (int k = 0; k < kChainJoints; ++k) {
        scene7BossLightningChain5Pool[k].x = 60.0f + 80.0f * k + 0.7f; // truncated
        scene7BossLightningChain5Pool[k].y = 300.9f;
    }
    scene7BossLightningChain5Pool[0].active = 1;
    kitSystem::SeedRandom(99);
    const int r1 = kitSystem::Random() % 100;
    const int r2 = kitSystem::Random() % 100;
    kitSystem::SeedRandom(99);
    kitDraw::Clear();
    Scene7Boss_LightningChain5_Draw();
    const int greens[5] = {230, 220, 210, 200, 230};
    const int below[5] = {2, 2, 3, 3, 4}; // rows under the middle of pens 5 to 9 wide
    for (int k = 0; k < 5; ++k) {
        const int x = 100 + 80 * k;
        const uint16_t want =
            plat::PixelOf(backBuffer->format, plat::Rgb(uint8_t(250 - r1), uint8_t(greens[k] - r2), 5));
        EXPECT_EQ(backBuffer->Pixel(x, 300), want) << k;
        EXPECT_EQ(backBuffer->Pixel(x, 300 + below[k]), want) << k;
        EXPECT_EQ(backBuffer->Pixel(x, 301 + below[k]), 0) << k;
    }
}
