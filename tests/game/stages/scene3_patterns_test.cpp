// The scene-3 boss's attack table in real frames (rows that meet at one
// clock value, the drop shots that open every cycle, the streams of gameMode
// 3) and the volleys whose quirks are their own constants: the parting pairs
// and their 20 glow passes, the threes whose launch lifts the whole volley.
#include "stage_fixture.h"

#include "game/enemies/bullet_rules.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/image_ops.h"
#include "kit/system/kit_system.h"

#include <gtest/gtest.h>

namespace {

class Scene3Patterns : public StageTest {
  protected:
    void SetUp() override {
        StageTest::SetUp();
        if (!HasFatalFailure()) Enter(1);
    }
    void Enter(int32_t mode) {
        StageTest::Enter(3, mode);
        scene3Boss.x = 150.0f;
        scene3Boss.y = 0.0f;
        frameDt = 0.5f;
    }
    // One attack frame that raises the clock from `clock` (the boss holding
    // its place, short enough that nothing moves far).
    void AttackFrom(int32_t clock) {
        scrollDistance = 2000.0f;
        scene3Boss.behaviourClock = 140.0f;
        scene3Boss.hp = 500.0f;
        scene3Boss.BossAttackClock = clock;
        ASSERT_TRUE(h->Frame(0.001f));
    }
};

} // namespace

TEST_F(Scene3Patterns, RowsThatMeetAtOneClockValueRunTwiceThatFrame) {
    TimedVolleyShortRecord* pools[4] = {scene3BossTimedVolley8Pool, scene3BossTimedVolley9Pool,
                                        scene3BossTimedVolley10Pool, scene3BossTimedVolley11Pool};
    struct Step {
        int32_t from;
        int32_t steps[4]; // ticks gained by volleys 8, 9, 10 and 11
    };
    for (const Step s : {Step{199, {1, 1, 1, 1}}, Step{249, {2, 2, 2, 2}}, Step{250, {1, 1, 1, 1}},
                         Step{699, {2, 2, 0, 0}}, Step{700, {1, 1, 0, 0}}, Step{749, {1, 1, 1, 1}}}) {
        int32_t before[4];
        for (int v = 0; v < 4; ++v)
            before[v] = pools[v][0].tick;
        AttackFrom(s.from);
        for (int v = 0; v < 4; ++v)
            EXPECT_EQ(pools[v][0].tick - before[v], s.steps[v])
                << "clock " << s.from + 1 << " volley " << v + 8;
    }
}

TEST_F(Scene3Patterns, DropShotsOpenEveryCycleAndStreamsRunOnlyInModeThree) {
    // Clock 1 to 30: all nine groups are spawned, from the boss's middle.
    AttackFrom(0);
    EXPECT_EQ(scene3BossPairedDropShot1Pool[0].active, 1);
    EXPECT_NEAR(scene3BossPairedDropShot9Pool[3].x, 150.0f + 242.0f, 0.1f);
    EXPECT_NEAR(scene3BossPairedDropShot5Pool[1].y, 150.0f, 0.2f);
    ParkRecord(scene3BossPairedDropShot1Pool[0]);
    AttackFrom(29); // 30: re-armed
    EXPECT_EQ(scene3BossPairedDropShot1Pool[0].active, 1);
    ParkRecord(scene3BossPairedDropShot1Pool[0]);
    AttackFrom(30); // 31: the window has closed
    EXPECT_EQ(scene3BossPairedDropShot1Pool[0].active, 0);

    // Stream 1 from 1320; in mode 3 also 2300..2700, so at 2300 the mode-3
    // clock runs both the last fans and the streams before it goes on.
    for (int32_t mode : {1, 3}) {
        Enter(mode);
        AttackFrom(1318);
        EXPECT_EQ(scene3BossStraightDropStream1Pool[0].tick, 0) << mode;
        AttackFrom(1319);
        EXPECT_EQ(scene3BossStraightDropStream1Pool[0].tick, mode == 3 ? 1 : 0) << mode;
        const int32_t fanTick = scene3BossBigFanVolley6Pool[0].tick;
        AttackFrom(2299);
        EXPECT_EQ(scene3BossBigFanVolley6Pool[0].tick, fanTick + 1);
        EXPECT_EQ(scene3BossStraightDropStream4Pool[0].tick, mode == 3 ? 1 : 0) << mode;
        EXPECT_EQ(scene3Boss.BossAttackClock, mode == 3 ? 2300 : 0) << mode;
    }
}

TEST_F(Scene3Patterns, PartingPairsPartAsTheyFallAndNeverLaunchTheirLastTwoPairs) {
    auto& parting = scene3BossTimedVolley6Pool;
    auto& straight = scene3BossTimedVolley5Pool;
    for (int32_t call = 0; call < 10; ++call) {
        Scene3Boss_TimedVolley6_Schedule();
        Scene3Boss_TimedVolley5_Schedule();
    }
    // 160 apart under the boss's middle, 130 below its top.
    EXPECT_FLOAT_EQ(parting[0].x, 300.0f);
    EXPECT_FLOAT_EQ(parting[1].x, 460.0f);
    EXPECT_FLOAT_EQ(parting[1].y, 130.0f);
    Scene3Boss_TimedVolley6_Move();
    Scene3Boss_TimedVolley5_Move();
    EXPECT_FLOAT_EQ(parting[0].x, 240.0f); // 120 px/s apart each
    EXPECT_FLOAT_EQ(parting[1].x, 520.0f);
    EXPECT_FLOAT_EQ(parting[0].y, 255.0f);
    EXPECT_FLOAT_EQ(parting[2].x, ParkX - 60.0f); // free records part too
    EXPECT_FLOAT_EQ(parting[3].x, ParkX + 60.0f);
    EXPECT_FLOAT_EQ(straight[0].x, 300.0f);
    EXPECT_FLOAT_EQ(straight[1].y, 270.0f);

    // Two whole cycles: pairs 8 and 9 (records 16 to 19) never fly.
    for (int32_t call = 10; call < 300; ++call) {
        Scene3Boss_TimedVolley6_Schedule();
        Scene3Boss_TimedVolley6_Move();
        for (int32_t i = 16; i < 20; ++i)
            ASSERT_EQ(parting[i].active, 0) << call;
    }

    // Each frame adds every pair's two cells onto the picture 20 times over.
    ResetWorldB();
    parting[0].x = 300.0f, parting[0].y = 300.0f;
    parting[1].x = 400.0f, parting[1].y = 300.0f;
    kitDraw::Clear();
    Scene3Boss_TimedVolley6_Draw();
    const plat::Surface* dst = h->BackBuffer();
    uint16_t drawn[2][40][40];
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            drawn[0][y][x] = dst->Pixel(300 + x, 300 + y);
            drawn[1][y][x] = dst->Pixel(400 + x, 300 + y);
        }
    kitDraw::Clear();
    for (int32_t pass = 0; pass < 20; ++pass) {
        BlitAdditive(300, 300, imgVAL405, 80, 0, 120, 40);
        BlitAdditive(400, 300, imgVAL405, 160, 0, 200, 40);
    }
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            ASSERT_EQ(drawn[0][y][x], dst->Pixel(300 + x, 300 + y)) << x << "," << y;
            ASSERT_EQ(drawn[1][y][x], dst->Pixel(400 + x, 300 + y)) << x << "," << y;
        }
}

TEST_F(Scene3Patterns, ThreesSpreadToTheirSideAndALaunchLiftsTheWholeVolley) {
    auto& right = scene3BossTimedVolley1Pool;
    for (int32_t call = 0; call < 20; ++call) {
        Scene3Boss_TimedVolley1_Schedule();
        Scene3Boss_TimedVolley2_Schedule();
    }
    clearEnemyShots = 1; // a bomb does not clear them
    Scene3Boss_TimedVolley1_Move();
    Scene3Boss_TimedVolley2_Move();
    clearEnemyShots = 0;
    const float rightX[3] = {275.0f, 312.5f, 342.5f}, leftX[3] = {485.0f, 447.5f, 417.5f};
    const float ys[3] = {185.0f, 208.0f, 215.0f};
    for (int32_t p = 0; p < 3; ++p) {
        EXPECT_EQ(right[p].active, 1);
        EXPECT_FLOAT_EQ(right[p].x, rightX[p]) << p;
        EXPECT_FLOAT_EQ(scene3BossTimedVolley2Pool[p].x, leftX[p]) << p;
        EXPECT_FLOAT_EQ(right[p].y, ys[p]) << p;
    }
    // With one shot of the volley freed, its next launch re-arms that one
    // and puts all three back at their heights; the others keep their x.
    right[1].active = 0;
    for (int32_t call = 20; call < 250; ++call)
        Scene3Boss_TimedVolley1_Schedule();
    EXPECT_EQ(right[1].active, 1);
    EXPECT_FLOAT_EQ(right[1].x, 260.0f);
    EXPECT_FLOAT_EQ(right[0].x, 275.0f);
    EXPECT_FLOAT_EQ(right[0].y, 90.0f);
    EXPECT_FLOAT_EQ(right[2].y, 120.0f);
}
