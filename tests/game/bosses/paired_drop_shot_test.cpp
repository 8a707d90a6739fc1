// Paired drop shots: the first boss's drift once per record pass (so record i
// is tested after i + 1 drift steps), re-arming only free records, and the
// cull at 600.
#include "game/bosses/paired_drop_shot.h"

#include "boss_pattern_fixture.h"
#include "game/stages/scene2/scene2_shot_pools.h"

namespace {
using PairedDropShot = BossPatternTest;
} // namespace

TEST_F(PairedDropShot, EveryRecordDriftsOncePerPassAndIsTestedAfterItsOwnPasses) {
    // Launch point boss + (212, 200) = (412, 200); half-second frames.
    Scene2Boss_PairedDropShot3_Spawn();
    Scene2Boss_PairedDropShot3_Move();
    Scene2Boss_PairedDropShot2_Move();
    const float fourPasses[4] = {-14.0f, 14.0f, -40.0f, 40.0f};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(scene2BossPairedDropShot3Pool[r].x, 412.0f + fourPasses[r]) << r;
    EXPECT_EQ(scene2BossPairedDropShot3Pool[0].y, 200.0f + 130.0f);
    EXPECT_EQ(scene2BossPairedDropShot2Pool[1].x, ParkX + 23.0f); // free records creep too

    // Pool 1 drifts 15 a pass. Record 0 meets its test after one step (x 397,
    // not 382), record 1 after two (442, not 427): each ship position below
    // lies 14 left of the partial position only.
    for (float partial : {397.0f, 442.0f}) {
        Restart();
        playerX = partial - 14.0f;
        playerY = 295.0f - 24.0f;
        Scene2Boss_PairedDropShot1_Spawn();
        Scene2Boss_PairedDropShot1_Move();
        EXPECT_EQ(playerVulnerable, 0) << partial;
    }
}

TEST_F(PairedDropShot, SpawnArmsOnlyFreeRecordsAndShotsParkBeyond600) {
    auto& pool = scene2BossPairedDropShot2Pool; // falls at 220, drifts 11.5 a pass
    Scene2Boss_PairedDropShot2_Spawn();
    pool[0].y = 380.0f;
    pool[1].active = 0;
    pool[1].x = 10.0f;
    Scene2Boss_PairedDropShot2_Spawn();
    EXPECT_EQ(pool[0].y, 380.0f);
    EXPECT_EQ(pool[1].x, 412.0f);
    EXPECT_EQ(pool[1].y, 200.0f);
    Scene2Boss_PairedDropShot2_Move();
    Scene2Boss_PairedDropShot2_Move(); // 380 + 2 * 110 = 600: still falling
    EXPECT_EQ(pool[0].active, 1);
    Scene2Boss_PairedDropShot2_Move();
    EXPECT_EQ(pool[0].active, 0);
    EXPECT_EQ(pool[0].x, ParkX - 11.5f); // parked in its pass, then drifted by the next one
}
