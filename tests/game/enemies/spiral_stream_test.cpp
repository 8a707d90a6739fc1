// Spiral streams: one bullet at a time from the owner, each turned 10 degrees
// from the one before, on the boss's cadence (every 10 calls) and the large
// enemies' (every 2), left and right handed, drawn within the rotated
// blitter's table.
#include "game/enemies/large_enemies.h"
#include "game/enemies/spiral_stream.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "game/state/assets.h"
#include "pattern_fixture.h"

namespace {

constexpr double kTen = 10.0 * kDegree;

// A stop-and-fire large enemy's left-hand stream, on its own tick.
int32_t s53Tick = 0;
float s53X = 300.0f;
float s53Y = 100.0f;
SpiralStreamRecord s53Pool[36];
constexpr SpiralStreamConstants kS53Left = {
    .owner = {&s53X, &s53Y},
    .tick = &s53Tick,
    .offsetX = {35.0f},
    .offsetY = {100.0f},
    .turn = -1,
    .step = -1,
    .speed = 110.0f,
    .schedule = {.wrap = 70, .restart = 0, .first = 1, .last = 34, .tickScale = 2, .tickAdd = 0},
    .draw = SpiralDraw::RotatedNegative,
    .image = &imgVALL3013,
    .cell = 30,
    .cells = 1,
    .margin = 30.0f,
    .box = {0.0f, 30.0f, 10.0f, 30.0f},
};

} // namespace

class SpiralStreamTest : public PatternTest {
  protected:
    void SetUp() override {
        PatternTest::SetUp();
        scene2Boss.x = 180.0f;
        scene2Boss.y = 0.0f;
        for (auto& r : s53Pool)
            r = Parked<SpiralStreamRecord>();
    }
};

TEST_F(SpiralStreamTest, TheBossStreamLaunchesEveryTenCallsEachTurnedTenDegrees) {
    for (int call = 1; call < 10; ++call)
        Scene2Boss_SpiralStream1_Schedule();
    EXPECT_EQ(CountActive(scene2BossSpiralStream1Pool), 0);
    Scene2Boss_SpiralStream1_Schedule();
    const SpiralStreamRecord& first = scene2BossSpiralStream1Pool[0];
    EXPECT_EQ(first.active, 1);
    EXPECT_EQ(first.x, 390.0f);
    EXPECT_EQ(first.y, 130.0f);
    EXPECT_EQ(first.speed, 110.0f);
    EXPECT_EQ(first.angle, 0.0f);
    for (int call = 11; call <= 350; ++call)
        Scene2Boss_SpiralStream1_Schedule();
    EXPECT_EQ(CountActive(scene2BossSpiralStream1Pool), 35);
    for (int k = 1; k < 35; ++k)
        EXPECT_NEAR(scene2BossSpiralStream1Pool[k].angle - scene2BossSpiralStream1Pool[k - 1].angle, -kTen,
                    1e-6)
            << k;
    // Calls 351..359 launch nothing; the 360th wraps the tick to 10 and
    // launches record 0 again, if it is parked. Record 35 never flies.
    ParkRecord(scene2BossSpiralStream1Pool[0]);
    for (int call = 351; call < 360; ++call)
        Scene2Boss_SpiralStream1_Schedule();
    EXPECT_EQ(CountActive(scene2BossSpiralStream1Pool), 34);
    Scene2Boss_SpiralStream1_Schedule();
    EXPECT_EQ(scene2Boss.patternTimer[0], 10);
    EXPECT_EQ(scene2BossSpiralStream1Pool[0].active, 1);
    EXPECT_EQ(scene2BossSpiralStream1Pool[35].active, 0);

    // Streams 4 and 5 count on each other's timers.
    Scene2Boss_SpiralStream5_Schedule();
    EXPECT_EQ(scene2Boss.patternTimer[3], 1);
    EXPECT_EQ(scene2Boss.patternTimer[4], 0);
    Scene2Boss_SpiralStream2_Schedule();
    EXPECT_EQ(scene2Boss.patternTimer[1], 1);
}

TEST_F(SpiralStreamTest, LeftStreamsTurnCounterClockwiseAndRightStreamsClockwise) {
    // Angle index 0 leaves left (left hand) or right (right hand); 9 goes down
    // for both; 18 goes right or left.
    for (int k : {0, 9, 18}) {
        Scene2Boss_SpiralStream1_FireOne(k, k);
        Scene2Boss_SpiralStream2_FireOne(k, k);
    }
    frameDt = 1.0f;
    Scene2Boss_SpiralStream1_Move();
    Scene2Boss_SpiralStream2_Move();
    EXPECT_NEAR(scene2BossSpiralStream1Pool[0].x, 280.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream1Pool[9].y, 240.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream1Pool[9].x, 390.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream1Pool[18].x, 500.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream2Pool[0].x, 500.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream2Pool[9].y, 240.0f, 1e-3);
    EXPECT_NEAR(scene2BossSpiralStream2Pool[18].x, 280.0f, 1e-3);

    // The boss's streams leave above and left of -20, and kill in 10..30 by 20..30.
    frameDt = 0.0f;
    auto stays = [](float x, float y) {
        scene2BossSpiralStream3Pool[0] = LiveAt<SpiralStreamRecord>(x, y);
        Scene2Boss_SpiralStream3_Move();
        return scene2BossSpiralStream3Pool[0].active == 1;
    };
    EXPECT_TRUE(stays(-20.0f, -20.0f));
    EXPECT_TRUE(stays(800.0f, 600.0f));
    EXPECT_FALSE(stays(-20.5f, 100.0f));
    EXPECT_FALSE(stays(100.0f, 600.5f));
    playerX = 100.0f;
    playerY = 100.0f;
    EXPECT_TRUE(stays(130.0f, 130.0f));
    EXPECT_EQ(playerVulnerable, 0);
    playerVulnerable = 1;
    EXPECT_TRUE(stays(109.5f, 125.0f));
    EXPECT_EQ(playerVulnerable, 1);
}

TEST_F(SpiralStreamTest, TheLargeEnemyStreamLaunchesEveryTwoCallsAndKeepsItsTick) {
    // From tick 69: ticks 0 and 1 launch nothing, tick 2 launches record 1.
    s53Tick = 69;
    SpiralStream_Schedule(kS53Left, s53Pool);
    SpiralStream_Schedule(kS53Left, s53Pool);
    EXPECT_EQ(CountActive(s53Pool), 0);
    SpiralStream_Schedule(kS53Left, s53Pool);
    ASSERT_EQ(s53Pool[1].active, 1);
    EXPECT_EQ(s53Pool[1].x, 335.0f);
    EXPECT_EQ(s53Pool[1].y, 200.0f);
    EXPECT_NEAR(s53Pool[1].angle, -kTen, 1e-6);
    SpiralStream_Schedule(kS53Left, s53Pool);
    EXPECT_EQ(CountActive(s53Pool), 1);
    SpiralStream_Schedule(kS53Left, s53Pool);
    EXPECT_NEAR(s53Pool[2].angle, -2 * kTen, 1e-6);
    // A whole cycle launches records 1 to 34; 0 and 35 never fly.
    for (int call = 0; call < 70; ++call)
        SpiralStream_Schedule(kS53Left, s53Pool);
    EXPECT_EQ(CountActive(s53Pool), 34);
    EXPECT_EQ(s53Pool[0].active, 0);
    EXPECT_EQ(s53Pool[35].active, 0);
    EXPECT_EQ(s53Tick, 4); // the tick runs on from where it was
    s53Tick = 0;
}

TEST_F(SpiralStreamTest, TurningSpiralsAreDrawnWithAnglesReducedIntoTheTable) {
    // A single-precision 10 degrees falls just short: index 1 truncates to 9.
    const float one = static_cast<float>(kSpiralStep);
    EXPECT_EQ(SpiralStream_BlitAngle(SpiralDraw::RotatedNegative, -one), 9);
    EXPECT_EQ(SpiralStream_BlitAngle(SpiralDraw::RotatedNegative, one), 351);
    EXPECT_EQ(SpiralStream_BlitAngle(SpiralDraw::Rotated360Minus, one), 350);
    for (int k = 1; k < 36; ++k) {
        for (int turn : {-1, 1}) {
            const float a = static_cast<float>(kSpiralStep * turn * k);
            for (SpiralDraw form : {SpiralDraw::RotatedNegative, SpiralDraw::Rotated360Minus}) {
                const int32_t blit = SpiralStream_BlitAngle(form, a);
                EXPECT_GE(blit, 0) << k;
                EXPECT_LE(blit, 359) << k;
            }
        }
    }
    // The rotated draw keeps each record's whole degrees; the boss's draw
    // steps every record's cell, parked or not.
    s53Pool[4].angle = static_cast<float>(-42.5 * kDegree);
    SpiralStream_Draw(kS53Left, s53Pool);
    EXPECT_EQ(s53Pool[4].angleDeg, -42);
    scene2BossSpiralStream6Pool[0].frame = 23;
    scene2BossSpiralStream6Pool[35].frame = 0;
    Scene2Boss_SpiralStream6_Draw();
    EXPECT_EQ(scene2BossSpiralStream6Pool[0].frame, 0);
    EXPECT_EQ(scene2BossSpiralStream6Pool[35].frame, 1);
}

TEST_F(SpiralStreamTest, TheWorldResetRestartsTheBossStreamsButNotTheLargeEnemies) {
    const int32_t saved = largeEnemyS53L.spiralTick1;
    SpiralStreamConstants c = kS53Left;
    c.owner = {&largeEnemyS53L.x, &largeEnemyS53L.y};
    c.tick = &largeEnemyS53L.spiralTick1;
    largeEnemyS53L.spiralTick1 = 0;
    for (int call = 0; call < 5; ++call)
        SpiralStream_Schedule(c, s53Pool);
    for (int call = 0; call < 15; ++call)
        Scene2Boss_SpiralStream1_Schedule();
    ASSERT_EQ(scene2BossSpiralStream1Pool[0].active, 1);
    ResetWorldA();
    ResetWorldB();
    EXPECT_EQ(largeEnemyS53L.spiralTick1, 5);
    EXPECT_EQ(scene2Boss.patternTimer[0], 0);
    EXPECT_EQ(scene2BossSpiralStream1Pool[0].active, 0);
    EXPECT_EQ(scene2BossSpiralStream1Pool[0].x, ParkX);
    EXPECT_FLOAT_EQ(scene2BossSpiralStream1Pool[0].angle, static_cast<float>(-3.0 * kDegree));
    largeEnemyS53L.spiralTick1 = saved;
}
