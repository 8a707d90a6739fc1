// Straight drop streams: one shot every ten calls with record 19 never due,
// the fall and the cull at y 600, and the wide kill box.
#include "game/bosses/straight_drop_stream.h"

#include "boss_pattern_fixture.h"
#include "game/stages/scene2/scene2_shot_pools.h"

namespace {
using StraightDropStream = BossPatternTest;
} // namespace

TEST_F(StraightDropStream, OneShotEveryTenCallsAndRecordNineteenNeverLeaves) {
    auto& pool = scene2BossStraightDropStream2Pool; // launch (+290, +100)
    for (int call = 1; call <= 199; ++call) {
        Scene2Boss_StraightDropStream2_Schedule();
        ASSERT_EQ(CountActive(pool), call / 10 < 19 ? call / 10 : 19) << "call " << call;
    }
    EXPECT_EQ(pool[18].x, 490.0f);
    EXPECT_EQ(pool[18].y, 100.0f);
    // Call 200 wraps every tick to 10, record 0's turn: a free record 0 leaves
    // again, while record 1, still falling at its turn, loses it.
    pool[0].active = 0;
    pool[1].y = 333.0f;
    scene2Boss.x = 100.0f;
    Scene2Boss_StraightDropStream2_Schedule();
    EXPECT_EQ(pool[0].x, 390.0f);
    for (int call = 201; call <= 210; ++call)
        Scene2Boss_StraightDropStream2_Schedule();
    EXPECT_EQ(pool[1].x, 490.0f);
    EXPECT_EQ(pool[1].y, 333.0f);
    EXPECT_EQ(pool[19].active, 0);
}

TEST_F(StraightDropStream, ShotsFallAt150AndAreParkedOnlyBeyond600) {
    auto& pool = scene2BossStraightDropStream1Pool; // launch (+0, +100)
    scene2Boss.y = 425.0f;
    Scene2Boss_StraightDropStream1_FireOne(0, 0);
    Scene2Boss_StraightDropStream1_Move(); // 75 pixels in half a second
    EXPECT_EQ(pool[0].y, 600.0f);
    EXPECT_EQ(pool[0].active, 1);
    Scene2Boss_StraightDropStream1_Move();
    EXPECT_EQ(pool[0].active, 0);
    EXPECT_EQ(pool[0].y, ParkY);

    frameDt = 0.0f; // the box reaches 120 left of and 140 above the ship
    struct Hit {
        float dx, dy;
        int32_t active, vulnerableAfter;
    };
    for (const Hit h : {Hit{-120.0f, -140.0f, 1, 0}, Hit{-120.5f, 0.0f, 1, 1}, Hit{0.0f, -140.5f, 1, 1},
                        Hit{0.0f, 0.0f, 0, 1}}) { // a free record is skipped entirely
        playerVulnerable = 1;
        pool[2].active = h.active;
        pool[2].x = playerX + h.dx;
        pool[2].y = playerY + h.dy;
        Scene2Boss_StraightDropStream1_Move();
        EXPECT_EQ(playerVulnerable, h.vulnerableAfter) << h.dx << "," << h.dy;
    }
}
