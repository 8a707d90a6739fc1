// Timed volleys: pairs, threes, fives and sevens launched on their ticks under
// the owner, falling, drifting apart and meeting the ship.
#include "game/enemies/timed_volley.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "pattern_fixture.h"

namespace {

// A large enemy's pairs, on the longer record.
float ownerX = 100.0f;
float ownerY = -50.0f;
TimedVolleyLongRecord longPool[20];

} // namespace

class TimedVolleyTest : public PatternTest {
  protected:
    void SetUp() override {
        PatternTest::SetUp();
        scene2Boss.x = 180.0f;
        scene2Boss.y = 0.0f;
    }
};

TEST_F(TimedVolleyTest, PairsLeaveOnTheirTicksAndALaunchPullsAFlyingPartnerBack) {
    for (int call = 1; call < 10; ++call)
        Scene2Boss_TimedVolley1_Schedule();
    EXPECT_EQ(CountActive(scene2BossTimedVolley1Pool), 0);
    Scene2Boss_TimedVolley1_Schedule();
    EXPECT_EQ(CountActive(scene2BossTimedVolley1Pool), 2);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].x, 300.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].x, 460.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].y, 130.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].y, 130.0f);
    // A whole cycle of 150 calls: pairs 8 and 9 never come.
    for (int call = 11; call <= 150; ++call)
        Scene2Boss_TimedVolley1_Schedule();
    EXPECT_EQ(CountActive(std::span(scene2BossTimedVolley1Pool, 16)), 16);
    EXPECT_EQ(CountActive(std::span(scene2BossTimedVolley1Pool + 16, 4)), 0);

    // The left bullet still falls while the right one was parked: the pair's
    // next launch puts the left one back in its column at its own height.
    scene2BossTimedVolley1Pool[0].y = 400.0f;
    ParkRecord(scene2BossTimedVolley1Pool[1]);
    scene2Boss.x = 200.0f;
    for (int call = 1; call <= 10; ++call)
        Scene2Boss_TimedVolley1_Schedule();
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].active, 1);
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].x, 480.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].x, 320.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].y, 400.0f);

    // Fives and pairs of a 140 cycle launch all ten groups.
    for (int call = 1; call <= 140; ++call)
        Scene2Boss_TimedVolley5_Schedule();
    EXPECT_EQ(CountActive(scene2BossTimedVolley5Pool), 20);

    // The same pairs on the large enemies' longer record.
    TimedVolleyConstants c = kScene2BossTimedVolley1;
    c.owner = {&ownerX, &ownerY};
    for (auto& r : longPool)
        r = Parked<TimedVolleyLongRecord>();
    for (int call = 1; call <= 20; ++call)
        TimedVolley_Schedule(c, longPool);
    EXPECT_EQ(CountActive(longPool), 4);
    EXPECT_EQ(longPool[3].x, 380.0f);
    EXPECT_EQ(longPool[3].y, 80.0f);
    frameDt = 0.25f;
    TimedVolley_Move(c, longPool);
    EXPECT_EQ(longPool[3].vy, 280.0f);
    EXPECT_EQ(longPool[3].y, 150.0f);
}

TEST_F(TimedVolleyTest, VolleysFallToTheBottomEdgeAndOnlySomeHeedTheBomb) {
    frameDt = 0.5f; // 140 pixels at 280 per second
    scene2BossTimedVolley1Pool[0] = LiveAt<TimedVolleyShortRecord>(300.0f, 460.0f);
    scene2BossTimedVolley1Pool[1] = LiveAt<TimedVolleyShortRecord>(300.0f, 460.5f);
    Scene2Boss_TimedVolley1_Move();
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].active, 1);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].y, 600.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].vy, 280.0f);
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].active, 0);
    EXPECT_EQ(scene2BossTimedVolley1Pool[1].y, ParkY);

    // Kill box 0..20 by 0..20, edges included.
    frameDt = 0.0f;
    playerX = 100.0f;
    playerY = 100.0f;
    auto hitsPair = [](float x, float y) {
        playerVulnerable = 1;
        scene2BossTimedVolley1Pool[0] = LiveAt<TimedVolleyShortRecord>(x, y);
        Scene2Boss_TimedVolley1_Move();
        return playerVulnerable == 0;
    };
    EXPECT_TRUE(hitsPair(120.0f, 120.0f));
    EXPECT_TRUE(hitsPair(100.0f, 100.0f));
    EXPECT_FALSE(hitsPair(120.5f, 110.0f));
    EXPECT_FALSE(hitsPair(110.0f, 99.5f));

    // A bomb parks the pairs but the threes fly on and still kill.
    playerVulnerable = 1;
    clearEnemyShots = 1;
    scene2BossTimedVolley1Pool[0] = LiveAt<TimedVolleyShortRecord>(300.0f, 300.0f);
    scene2BossTimedVolley3Pool[0] = LiveAt<TimedVolleyShortRecord>(115.0f, 125.0f);
    Scene2Boss_TimedVolley1_Move();
    Scene2Boss_TimedVolley3_Move();
    EXPECT_EQ(scene2BossTimedVolley1Pool[0].active, 0);
    EXPECT_EQ(scene2BossTimedVolley3Pool[0].active, 1);
    EXPECT_EQ(playerVulnerable, 0);
}

TEST_F(TimedVolleyTest, SpreadingPairsAndThreesDriftEvenWhileParked) {
    frameDt = 0.5f;
    Scene2Boss_TimedVolley2_Move();
    EXPECT_EQ(scene2BossTimedVolley2Pool[0].x, -560.0f);
    EXPECT_EQ(scene2BossTimedVolley2Pool[1].x, -440.0f);
    EXPECT_EQ(scene2BossTimedVolley2Pool[0].y, ParkY);

    frameDt = 0.0f;
    for (int call = 1; call <= 60; ++call)
        Scene2Boss_TimedVolley3_Schedule();
    EXPECT_EQ(CountActive(scene2BossTimedVolley3Pool), 3);
    for (int m = 0; m < 3; ++m)
        EXPECT_EQ(scene2BossTimedVolley3Pool[m].x, 270.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[0].y, 90.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[1].y, 113.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[2].y, 120.0f);
    frameDt = 1.0f;
    Scene2Boss_TimedVolley3_Move();
    Scene2Boss_TimedVolley4_Move();
    EXPECT_EQ(scene2BossTimedVolley3Pool[0].x, 300.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[1].x, 330.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[2].x, 360.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[1].y, 233.0f);
    EXPECT_EQ(scene2BossTimedVolley4Pool[2].x, -590.0f);

    // The next launch of the group sets every member's height, the one still
    // falling included, but only the launched ones' column.
    frameDt = 0.0f;
    ParkRecord(scene2BossTimedVolley3Pool[0]);
    ParkRecord(scene2BossTimedVolley3Pool[2]);
    for (int call = 1; call <= 800; ++call)
        Scene2Boss_TimedVolley3_Schedule();
    EXPECT_EQ(scene2BossTimedVolley3Pool[0].x, 270.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[1].x, 330.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[1].y, 113.0f);
    EXPECT_EQ(scene2BossTimedVolley3Pool[2].y, 120.0f);
}

TEST_F(TimedVolleyTest, SevensOpenIntoAFanAndFivesArchFromOneColumn) {
    for (int call = 1; call <= 25; ++call)
        Scene2Boss_TimedVolley7_Schedule();
    const float arc[7] = {154, 183, 194, 200, 194, 183, 154};
    for (int m = 0; m < 7; ++m) {
        EXPECT_EQ(scene2BossTimedVolley7Pool[m].active, 1);
        EXPECT_EQ(scene2BossTimedVolley7Pool[m].x, 380.0f);
        EXPECT_EQ(scene2BossTimedVolley7Pool[m].y, arc[m]);
    }
    frameDt = 1.0f / 60.0f;
    for (int frame = 0; frame < 60; ++frame)
        Scene2Boss_TimedVolley7_Move();
    EXPECT_NEAR(scene2BossTimedVolley7Pool[6].x - scene2BossTimedVolley7Pool[0].x, 420.0f, 0.01f);
    EXPECT_EQ(scene2BossTimedVolley7Pool[3].x, 380.0f);
    EXPECT_NEAR(scene2BossTimedVolley7Pool[3].y, 400.0f, 0.01f);

    // The fives launch inside their schedule, every member at its arch height.
    frameDt = 0.0f;
    for (int call = 1; call <= 30; ++call) {
        Scene2Boss_TimedVolley8_Schedule();
        Scene2Boss_TimedVolley9_Schedule();
    }
    const float arch[5] = {90, 113, 120, 113, 90};
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(scene2BossTimedVolley8Pool[m].x, 330.0f);
        EXPECT_EQ(scene2BossTimedVolley9Pool[m].x, 450.0f);
        EXPECT_EQ(scene2BossTimedVolley8Pool[m].y, arch[m]);
    }
    EXPECT_EQ(scene2BossTimedVolley8Pool[5].active, 0);
}
