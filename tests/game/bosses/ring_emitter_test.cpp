// The ring emitter: three spirals at three speeds from one point, each ring
// of 36 keeping to its own area.
#include "game/bosses/ring_emitter.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "../enemies/pattern_fixture.h"

class RingEmitterTest : public PatternTest {
  protected:
    void SetUp() override {
        PatternTest::SetUp();
        scene2Boss.x = 180.0f;
        scene2Boss.y = 0.0f;
    }
};

TEST_F(RingEmitterTest, EachStepLaunchesThreeBulletsOneWayAtThreeSpeeds) {
    for (int call = 1; call < 10; ++call)
        Scene2Boss_RingEmitter1_Schedule();
    EXPECT_EQ(CountActive(scene2BossRingEmitter1Pool), 0);
    Scene2Boss_RingEmitter1_Schedule();
    EXPECT_EQ(scene2Boss.patternTimer[6], 10);
    const float speeds[3] = {110.0f, 120.0f, 130.0f};
    for (int ring = 0; ring < 3; ++ring) {
        const RingEmitterRecord& r = scene2BossRingEmitter1Pool[36 * ring];
        EXPECT_EQ(r.active, 1);
        EXPECT_EQ(r.x, 390.0f);
        EXPECT_EQ(r.y, 130.0f);
        EXPECT_EQ(r.speed, speeds[ring]);
        ExpectSameDirection(r.angle, 0.0);
    }
    EXPECT_EQ(CountActive(scene2BossRingEmitter1Pool), 3);
    for (int call = 11; call <= 360; ++call)
        Scene2Boss_RingEmitter1_Schedule();
    EXPECT_EQ(CountActive(scene2BossRingEmitter1Pool), 105);
    for (int i : {35, 71, 107})
        EXPECT_EQ(scene2BossRingEmitter1Pool[i].active, 0) << i;
    ExpectSameDirection(scene2BossRingEmitter1Pool[36 + 7].angle, -70.0 * kDegree);

    // One second later the three bullets of a step lie apart along one line.
    frameDt = 1.0f;
    Scene2Boss_RingEmitter1_Move();
    EXPECT_NEAR(scene2BossRingEmitter1Pool[0].x, 280.0f, 1e-3);
    EXPECT_NEAR(scene2BossRingEmitter1Pool[36].x, 270.0f, 1e-3);
    EXPECT_NEAR(scene2BossRingEmitter1Pool[72].x, 260.0f, 1e-3);
}

TEST_F(RingEmitterTest, TheFasterRingsKeepToTheSmallerArea) {
    auto stays = [](int i, float x, float y) {
        scene2BossRingEmitter2Pool[i] = LiveAt<RingEmitterRecord>(x, y);
        Scene2Boss_RingEmitter2_Move();
        return scene2BossRingEmitter2Pool[i].active == 1;
    };
    EXPECT_TRUE(stays(0, 640.5f, 100.0f));
    EXPECT_TRUE(stays(0, 800.0f, 600.0f));
    EXPECT_FALSE(stays(0, 800.5f, 100.0f));
    EXPECT_TRUE(stays(40, 640.0f, 480.0f));
    EXPECT_FALSE(stays(40, 640.5f, 100.0f));
    EXPECT_FALSE(stays(80, 100.0f, 480.5f));
    EXPECT_TRUE(stays(80, -20.0f, -20.0f));
    EXPECT_FALSE(stays(80, -20.5f, 100.0f));
    playerX = 100.0f;
    playerY = 100.0f;
    EXPECT_TRUE(stays(50, 110.0f, 120.0f));
    EXPECT_EQ(playerVulnerable, 0);

    // The draw steps all 108 records' cells, none of them launched.
    scene2BossRingEmitter3Pool[107].frame = 23;
    Scene2Boss_RingEmitter3_Draw();
    EXPECT_EQ(scene2BossRingEmitter3Pool[107].frame, 0);
}
