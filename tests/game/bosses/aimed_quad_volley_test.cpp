// The aimed quad volley: five groups of four on one 630-call cycle, random
// speeds drawn in record order, the cull edges, and a hit that spends the shot.
#include "game/bosses/aimed_quad_volley.h"

#include "boss_pattern_fixture.h"
#include "game/bosses/aimed_shot_pool.h"
#include "game/stages/scene2/scene2_shot_pools.h"

namespace {

using AimedQuadVolley = BossPatternTest;
auto& pool = scene2BossAimedQuadVolley1Pool;

int Live(int first, int count) { return CountActive(std::span(pool + first, count)); }

void Schedule(int calls) {
    for (int i = 0; i < calls; ++i)
        Scene2Boss_AimedQuadVolley1_Schedule();
}

} // namespace

TEST_F(AimedQuadVolley, GroupsLeaveOnTheirTicksFromFourPointsAtRandomSpeeds) {
    Schedule(99);
    EXPECT_EQ(Live(0, 20), 0);
    const uint32_t before = kitSystem::RandomState();
    int32_t speeds[4];
    for (int32_t& s : speeds)
        s = 180 + kitSystem::Random() % 30;
    kitSystem::SeedRandom(before);
    Schedule(1); // call 100: group 0
    const float points[4][2] = {{350, 100}, {470, 100}, {290, 150}, {530, 150}};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(pool[p].x, points[p][0]);
        EXPECT_EQ(pool[p].y, points[p][1]);
        EXPECT_EQ(pool[p].speed, float(speeds[p])) << p;
        EXPECT_EQ(pool[p].heading, AimedHeading(420.0f - points[p][0], 520.0f - points[p][1], 0.0f));
    }
    EXPECT_EQ(Live(0, 20), 4);
    const int groupAt[] = {200, 300, 440, 500}; // 440, not 400
    for (int g = 1, call = 100; g < 5; ++g) {
        Schedule(groupAt[g - 1] - 1 - call);
        EXPECT_EQ(Live(4 * g, 4), 0) << g;
        Schedule(1);
        EXPECT_EQ(Live(4 * g, 4), 4) << g;
        call = groupAt[g - 1];
    }
    // The call that reaches 630 shows 0, so the cycle is 630 calls; a member
    // still flying when its group comes round again is left alone.
    for (auto& r : pool)
        r.active = 0;
    pool[1].active = 1;
    pool[1].x = 123.0f;
    Schedule(130);
    EXPECT_EQ(pool[0].counter, 0);
    Schedule(100);
    EXPECT_EQ(Live(0, 20), 4);
    EXPECT_EQ(pool[1].x, 123.0f);
}

TEST_F(AimedQuadVolley, AHitSpendsTheShotAndTheCullEdgesHold) {
    frameDt = 0.0f;
    auto kept = [](float x, float y) {
        pool[0].active = 1;
        pool[0].x = x;
        pool[0].y = y;
        Scene2Boss_AimedQuadVolley1_Move();
        return pool[0].active == 1;
    };
    EXPECT_FALSE(kept(playerX + 30.0f, playerY + 20.0f)); // box 10..30 by 20..30
    EXPECT_EQ(playerVulnerable, 0);
    EXPECT_EQ(pool[0].y, ParkY);

    playerY = 300.0f;
    for (float x : {800.0f, -20.0f})
        EXPECT_TRUE(kept(x, 100.0f)) << x;
    for (float y : {600.0f, -20.0f})
        EXPECT_TRUE(kept(100.0f, y)) << y;
    for (float x : {800.01f, -20.01f})
        EXPECT_FALSE(kept(x, 100.0f)) << x;
    for (float y : {600.01f, -20.01f})
        EXPECT_FALSE(kept(100.0f, y)) << y;
}
