// Aimed shot pools: five speeds along one aimed line, the pool freed as a
// whole by its slowest entry, the cull margins, vertical aim, the drifting
// eight-entry kind and the strip animation.
#include "game/bosses/aimed_shot_pool.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "boss_pattern_fixture.h"
#include "game/stages/scene2/scene2_shot_pools.h"
#include "game/state/assets.h"

namespace {

using AimedShotPool = BossPatternTest;
constexpr float kPi = std::numbers::pi_v<float>;

// Every entry live and still, entry 0 at (x, y).
void PlaceFirst(AimedShotPoolRecord (&pool)[5], float x, float y) {
    for (auto& r : pool)
        r.active = 1, r.speed = 0.0f;
    pool[0].x = x;
    pool[0].y = y;
}

} // namespace

TEST_F(AimedShotPool, VolleyFliesOneAimedLineAtFiveSpeedsAndIsFreedByItsSlowestEntry) {
    frameDt = 1.0f / 60;
    auto& pool = scene2BossAimedShotPool10Pool; // launch (+305, +100), aim +15
    Scene2Boss_AimedShotPool10_Spawn();
    Scene2Boss_AimedShotPool10_Move();
    const float heading = std::atan((515.0f - 100.0f) / (415.0f - 505.0f)) + kPi; // ship to the left
    for (int k = 0; k < 5; ++k) {
        const float step = (260.0f + 20.0f * k) / 60;
        EXPECT_NEAR(pool[k].heading, heading, 1e-6);
        EXPECT_NEAR(pool[k].x, 505.0f + std::cos(heading) * step, 1e-3) << k;
        EXPECT_NEAR(pool[k].y, 100.0f + std::sin(heading) * step, 1e-3) << k;
    }
    AimedShotPoolRecord flying[5];
    std::memcpy(flying, pool, sizeof flying);
    Scene2Boss_AimedShotPool10_Spawn(); // in flight: nothing to arm
    EXPECT_EQ(std::memcmp(flying, pool, sizeof flying), 0);

    bool fastEntryGoneButLive = false;
    for (int f = 0; pool[0].active == 1 && f < 400; ++f) {
        for (const auto& r : pool)
            ASSERT_EQ(r.active, 1) << "freed before entry 0 left";
        Scene2Boss_AimedShotPool10_Move();
        fastEntryGoneButLive |= pool[0].active == 1 && pool[4].y > 600.0f;
    }
    EXPECT_TRUE(fastEntryGoneButLive);
    for (const auto& r : pool) {
        EXPECT_EQ(r.active, 0);
        EXPECT_GT(r.y, 600.0f); // freed where it flew, not parked
    }
    scene2Boss.x = 150.0f; // the next volley leaves from where the boss is now
    Scene2Boss_AimedShotPool10_Spawn();
    for (const auto& r : pool)
        EXPECT_EQ(r.x, 455.0f);
}

TEST_F(AimedShotPool, EntryZeroOnAScreenEdgeKeepsThePoolAndEachPoolHasItsMargin) {
    frameDt = 0.0f;
    struct Edge {
        float x, y;
        bool kept;
    };
    for (const Edge e :
         {Edge{800.0f, 300.0f, true}, Edge{800.01f, 300.0f, false}, Edge{400.0f, 600.0f, true},
          Edge{400.0f, 600.01f, false}, Edge{-30.0f, 300.0f, true}, Edge{-30.01f, 300.0f, false},
          Edge{400.0f, -30.0f, true}, Edge{400.0f, -30.01f, false}}) {
        PlaceFirst(scene2BossAimedShotPool9Pool, e.x, e.y); // margin 30
        Scene2Boss_AimedShotPool9_Move();
        for (const auto& r : scene2BossAimedShotPool9Pool)
            EXPECT_EQ(r.active, e.kept) << e.x << "," << e.y;
    }
    PlaceFirst(scene2BossAimedShotPool1Pool, 400.0f, -20.5f); // margin 20
    Scene2Boss_AimedShotPool1_Move();
    EXPECT_EQ(scene2BossAimedShotPool1Pool[4].active, 0);
}

TEST_F(AimedShotPool, VerticalAimTakesAQuarterOrThreeQuarterTurnPlusTheOffset) {
    playerX = 200.0f + 85.0f - 15.0f; // pool 3: launch (+85, +100), aim +15, offset +pi/10
    playerY = 300.0f;
    Scene2Boss_AimedShotPool3_Spawn();
    EXPECT_NEAR(scene2BossAimedShotPool3Pool[0].heading, kPi / 2 + kPi / 10, 1e-6);
    Restart();
    playerY = 100.0f - 15.0f; // level with the launch point counts as above
    Scene2Boss_AimedShotPool3_Spawn();
    EXPECT_NEAR(scene2BossAimedShotPool3Pool[0].heading, 3 * kPi / 2 + kPi / 10, 1e-6);
}

TEST_F(AimedShotPool, DriftingKindBendsForItsFirst69FramesWithEveryEntryOnOneLine) {
    frameDt = 1.0f / 60;
    BossRecord boss{};
    boss.x = 100.0f;
    AimedShotPoolRecord pool[8]{};
    const AimedShotPoolConsts drifting = {
        .boss = &boss,
        .pool = pool,
        .launchX = 305.0f,
        .launchY = 100.0f,
        .speeds = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f, 360.0f, 380.0f, 400.0f},
        .aim = 15.0f,
        .headingOffset = 0.0f,
        .margin = 30.0f,
        .drift = -1,
        .hitBox = {0.0f, 30.0f, 10.0f, 30.0f},
        .draw = ShotPoolDraw::Rotated,
        .image = &imgVALL301,
        .cell = 30,
        .cells = 0,
    };
    playerX = 405.0f - 15.0f; // straight below: the aimed flight is vertical
    AimedShotPool_Spawn(drifting);
    for (int f = 1; f <= 69; ++f)
        AimedShotPool_Move(drifting);
    const float bent = 405.0f - pool[0].x;
    EXPECT_NEAR(bent, 69 * 260.0f / 60 / 2, 0.05);
    for (int k = 1; k < 8; ++k) // the drift scales with the speed
        EXPECT_NEAR((405.0f - pool[k].x) / (pool[k].y - 100.0f), bent / (pool[0].y - 100.0f), 1e-4) << k;
    AimedShotPool_Move(drifting);
    EXPECT_EQ(pool[0].driftClock, 300.0f);
    EXPECT_NEAR(405.0f - pool[0].x, bent, 1e-3); // straight on from here
}

TEST_F(AimedShotPool, StripCyclesSevenCellsFromAnyResetFrame) {
    auto& pool = scene2BossAimedShotPool2Pool;
    const int32_t start[5] = {9, 7, 6, 0, 3}, next[5] = {0, 0, 0, 1, 4}; // the reset leaves 0..9
    for (int k = 0; k < 5; ++k)
        pool[k].frame = start[k];
    for (int f = 0; f < 8; ++f)
        Scene2Boss_AimedShotPool2_Draw();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(pool[k].frame, next[k]) << k;
}
