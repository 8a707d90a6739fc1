#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/player/collisions.h"
#include "game/player/player_pools.h"
#include "game/player/shots.h"
#include "game/player/target_table.h"
#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/time.h"

namespace {

// What every target must be, written out independently of the game's table:
// slots, lowest y tested (wide and narrow / burst), y box, and per pass
// (wide, narrow, burst) the x box and points.
struct Expected {
    const char* name;
    int32_t slots;
    float yMin;
    float yMinBurst;
    int32_t yLow, yHigh;
    int32_t box[3][3];
    bool wideDirect;
};

// clang-format off
const Expected kExpected[] = {
    {"EnemyA", 3, -45, -45, -60, 50, {{-40, 50, 100}, {-60, 70, 50}, {-20, 70, 50}}, false},
    {"EnemyB", 3, -30, -30, -60, 60, {{-40, 60, 250}, {-40, 60, 250}, {0, 60, 250}}, false},
    {"EnemyC", 3, -30, -30, -60, 60, {{-40, 80, 250}, {-40, 80, 250}, {0, 80, 250}}, false},
    {"EnemyD", 4, -50, -50, -60, 50, {{-40, 40, 100}, {-60, 60, 50}, {-20, 60, 50}}, false},
    {"EnemyE", 4, -50, -50, -60, 50, {{-40, 40, 100}, {-60, 60, 50}, {-20, 60, 50}}, false},
    {"EnemyF", 3, -30, -30, -60, 50, {{-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyG", 3, -30, -30, -60, 50, {{-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyH", 3, -30, -30, -60, 50, {{-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyI", 3, -30, -30, -60, 50, {{-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyJ", 3, -60, -60, -60, 50, {{-40, 60, 150}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyK", 3, -60, -60, -60, 50, {{-40, 60, 150}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyL", 3, -30, -30, -60, 50, {{-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyM", 3, -30, -30, -60, 50, {{-40, 60, 200}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyN", 3, -30, -30, -60, 50, {{-40, 60, 200}, {-60, 80, 50}, {-20, 80, 50}}, false},
    {"EnemyO", 1, -30, 5, -60, 50, {{0, 140, 100}, {0, 140, 50}, {0, 180, 50}}, false},
    {"EnemyP", 1, -30, 5, -60, 50, {{0, 140, 100}, {0, 140, 50}, {0, 180, 50}}, false},
    {"EnemyQ", 3, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"EnemyR", 2, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"EnemyS", 5, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"EnemyT", 3, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"EnemyU", 2, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"EnemyV", 5, -30, -30, -60, 50, {{0, 30, 20}, {0, 30, 50}, {0, 70, 50}}, true},
    {"SquadV1A", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV1B", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV1C", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV1D", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV2A", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV2B", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV2C", 5, -32, -32, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV2D", 5, -30, -30, -60, 50, {{0, 40, 100}, {0, 40, 50}, {0, 80, 50}}, false},
    {"SquadV3A", 5, -30, -30, -60, 50, {{0, 60, 250}, {0, 60, 250}, {0, 100, 250}}, false},
    {"SquadV3B", 5, -30, -30, -60, 50, {{0, 60, 250}, {0, 60, 250}, {0, 100, 250}}, false},
    {"SquadV4A", 5, -30, -30, -60, 50, {{0, 60, 250}, {0, 60, 250}, {0, 100, 250}}, false},
    {"SquadV4B", 5, -30, -30, -60, 50, {{0, 60, 250}, {0, 60, 250}, {0, 100, 250}}, false},
    {"LargeEnemyD50", 1, -30, -30, -60, 50, {{60, 20, 100}, {60, 20, 50}, {40, 80, 50}}, false},
    {"LargeEnemyD51", 1, -30, 5, -60, 50, {{60, 120, 100}, {60, 120, 50}, {40, 180, 50}}, false},
    {"LargeEnemyD52", 1, -30, 5, -60, 50, {{60, 80, 100}, {60, 80, 50}, {40, 140, 50}}, false},
    {"LargeEnemyS53L", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyS53R", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyS50L", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyS50R", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyS54L", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyS54R", 1, -30, -30, -60, 50, {{60, 80, 300}, {60, 80, 300}, {40, 140, 300}}, false},
    {"LargeEnemyT60", 1, -30, -30, -60, 200, {{60, 180, 500}, {60, 180, 500}, {40, 240, 500}}, false},
    {"Scene2Boss", 1, 0, 0, 10, 200, {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, false},
    {"Scene4Boss", 1, 0, 0, 10, 200, {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, false},
    {"Scene8Boss", 1, 0, 0, 10, 200, {{80, 320, 100}, {80, 320, 50}, {80, 360, 50}}, false},
    {"Scene5Boss", 1, 0, 0, 10, 200, {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, false},
    {"Scene6Boss", 1, 0, 0, 10, 200, {{50, 270, 100}, {50, 270, 50}, {50, 310, 50}}, false},
    {"Scene7Boss", 1, 0, 0, 10, 200, {{50, 330, 250}, {50, 330, 50}, {50, 370, 50}}, false},
    {"Scene3Boss", 1, 0, 0, 10, 200, {{50, 390, 250}, {50, 390, 60}, {50, 430, 60}}, false},
    {"Scene9Boss", 1, 0, 0, 10, 200, {{50, 370, 100}, {50, 370, 50}, {50, 410, 50}}, false},
};
// clang-format on

constexpr float kDt = 0.01f;

void FreshWorld() {
    plat::UseVirtualClockForTests(true);
    ResetWorldA();
    ResetWorldB();
    difficulty = 1;
    difficultyExtra = 0;
    gameMode = 1;
    playerX = 370.0f;
    playerY = 520.0f;
    frameDt = kDt;
}

void ClearShots() {
    for (PlayerShot& s : wideShots)
        s = PlayerShot{-500, 500, 0, 0, 0};
    for (PlayerShot& s : narrowShots)
        s = PlayerShot{-500, 500, 0, 0, 0};
    for (BurstShot& s : burstShots)
        s = BurstShot{-500, 500, 0, 0, 0.0f, 0};
}

// One live shot of the pass that will be at (sx, sy) when it is tested: lane
// shots rise 10 before the test, and a burst shot whose clock sits in a gap
// of its path holds still.
int32_t* LaunchAt(ShotPass pass, int32_t sx, int32_t sy) {
    ClearShots();
    if (pass == kPassBurst) {
        burstShots[0] = BurstShot{sx, sy, 0, 0, 3.2f, 1};
        return &burstShots[0].active;
    }
    PlayerShot* pool = pass == kPassWide ? wideShots : narrowShots;
    pool[0] = PlayerShot{sx, sy + 10, 0, 10, 1};
    return &pool[0].active;
}

struct Outcome {
    bool hit;
    int32_t points;
    float hpLoss;
    bool shotFreed;
};

// Puts slot `slot` of the row at (tx, ty), fires one shot of the pass at
// (sx, sy), and parks the slot again afterwards.
Outcome Shoot(const TargetRow& row, int32_t slot, ShotPass pass, float tx, float ty, int32_t sx, int32_t sy) {
    const TargetRecords& rec = row.records;
    SetTargetFloat(rec, slot, rec.xOffset, tx);
    SetTargetFloat(rec, slot, rec.yOffset, ty);
    SetTargetInt(rec, slot, rec.hitOffset, 0);
    if (row.form == TargetForm::Counted) SetTargetInt(rec, slot, rec.extraOffset, kCountedHitsNeeded - 1);
    const float hp = row.form == TargetForm::Boss ? TargetFloat(rec, slot, rec.extraOffset) : 0.0f;
    score = 0;
    highScore = 0;
    int32_t* active = LaunchAt(pass, sx, sy);
    PlayerShotsUpdate();

    Outcome o{};
    o.hit = TargetInt(rec, slot, rec.hitOffset) != 0;
    o.points = score;
    o.shotFreed = *active == 0;
    if (row.form == TargetForm::Boss) {
        o.hpLoss = hp - TargetFloat(rec, slot, rec.extraOffset);
        SetTargetFloat(rec, slot, rec.extraOffset, hp);
    }
    SetTargetFloat(rec, slot, rec.xOffset, -500.0f);
    SetTargetFloat(rec, slot, rec.yOffset, 2550.0f);
    SetTargetInt(rec, slot, rec.hitOffset, 0);
    return o;
}

// Everything one collision pass can change, as bytes: the target records,
// the three shot pools, the score and the high score.
std::vector<std::pair<void*, size_t>> PassMemory() {
    std::vector<std::pair<void*, size_t>> m;
    for (const TargetRow& row : TargetTable())
        m.emplace_back(row.records.base, size_t(row.records.stride) * size_t(row.slots));
    m.insert(m.end(), {{wideShots, sizeof wideShots},
                       {narrowShots, sizeof narrowShots},
                       {burstShots, sizeof burstShots},
                       {&score, sizeof score},
                       {&highScore, sizeof highScore}});
    return m;
}
std::vector<unsigned char> TakePass() {
    std::vector<unsigned char> bytes;
    for (auto [at, size] : PassMemory())
        bytes.insert(bytes.end(), static_cast<unsigned char*>(at), static_cast<unsigned char*>(at) + size);
    return bytes;
}
void PutPass(const std::vector<unsigned char>& bytes) {
    size_t i = 0;
    for (auto [at, size] : PassMemory())
        std::memcpy(at, bytes.data() + i, size), i += size;
}

// The pass by its rules: each live shot, pool by pool in slot order, moved
// and then tested against the whole table.
void PassShotByShot() {
    for (PlayerShot* pool : {wideShots, narrowShots})
        for (int32_t i = 0; i < kPlayerShotSlots; ++i) {
            if (pool[i].active == 0) continue;
            MoveLaneShot(pool[i], i);
            TestShotAgainstTargets(pool == wideShots ? kPassWide : kPassNarrow, pool[i].x, pool[i].y,
                                   &pool[i].active);
        }
    for (int32_t i = 0; i < kBurstShotSlots; ++i) {
        if (burstShots[i].active == 0) continue;
        MoveBurstShot(burstShots[i], i);
        TestShotAgainstTargets(kPassBurst, burstShots[i].x, burstShots[i].y, nullptr);
    }
}

int32_t Pick(int32_t lo, int32_t hi) { return lo + kitSystem::Random() % (hi - lo + 1); }

const char* PassName(int pass) {
    return pass == kPassWide ? "wide" : pass == kPassNarrow ? "narrow" : "burst";
}

} // namespace

using CollisionTable = FreshGlobals;
using ShotCollisions = FreshGlobals;
using ShotMovement = FreshGlobals;

TEST_F(CollisionTable, EveryTargetIsHitOnEachBoxEdgeAndMissedOnePixelOutside) {
    FreshWorld();
    const auto table = TargetTable();
    ASSERT_EQ(table.size(), std::size(kExpected));
    for (size_t r = 0; r < table.size(); ++r) {
        const TargetRow& row = table[r];
        const Expected& e = kExpected[r];
        ASSERT_EQ(std::string(row.name), e.name) << "row " << r;
        ASSERT_EQ(row.slots, e.slots) << e.name;
        const bool boss = row.form == TargetForm::Boss;
        for (int p = 0; p < kShotPasses; ++p) {
            const ShotPass pass = ShotPass(p);
            const int32_t xLow = e.box[p][0], xHigh = e.box[p][1], points = e.box[p][2];
            for (int32_t slot = 0; slot < e.slots; ++slot) {
                SCOPED_TRACE(testing::Message() << e.name << " slot " << slot << " " << PassName(p));
                const float tx = 300.0f, ty = 100.0f;
                const int32_t yMid = 100 + (e.yLow + e.yHigh) / 2;

                if (xLow > xHigh) {
                    // An empty box: nothing along the row reaches the target.
                    for (int32_t sx = 100; sx <= 700; ++sx)
                        ASSERT_FALSE(Shoot(row, slot, pass, tx, ty, sx, yMid).hit) << "x " << sx;
                    continue;
                }
                const int32_t xMid = 300 + (xLow + xHigh) / 2;
                struct Probe {
                    int32_t sx, sy;
                    bool hit;
                };
                const Probe probes[] = {
                    {300 + xLow, yMid, true},         {300 + xLow - 1, yMid, false},
                    {300 + xHigh, yMid, true},        {300 + xHigh + 1, yMid, false},
                    {xMid, 100 + e.yLow, true},       {xMid, 100 + e.yLow - 1, false},
                    {xMid, 100 + e.yHigh, true},      {xMid, 100 + e.yHigh + 1, false},
                    {300 + xLow, 100 + e.yLow, true}, {300 + xHigh, 100 + e.yHigh, true},
                };
                for (const Probe& probe : probes) {
                    const Outcome o = Shoot(row, slot, pass, tx, ty, probe.sx, probe.sy);
                    ASSERT_EQ(o.hit, probe.hit) << "shot at " << probe.sx - 300 << "," << probe.sy - 100;
                    ASSERT_EQ(o.points, probe.hit ? points : 0);
                    if (boss) {
                        ASSERT_NEAR(o.hpLoss, probe.hit ? (p == kPassBurst ? 3.0f : 100.0f) * kDt : 0.0f,
                                    1e-3);
                        ASSERT_EQ(o.shotFreed, probe.hit && p != kPassBurst);
                    } else {
                        ASSERT_FALSE(o.shotFreed);
                    }
                }

                // The lowest y tested is a float comparison on the unrounded y.
                const float yMin = p == kPassBurst ? e.yMinBurst : e.yMin;
                const int32_t yIn = (e.yLow + e.yHigh) / 2;
                EXPECT_TRUE(Shoot(row, slot, pass, tx, yMin, xMid, FloatToInt(yMin) + yIn).hit)
                    << "at y " << yMin;
                EXPECT_FALSE(Shoot(row, slot, pass, tx, yMin - 0.5f, xMid, FloatToInt(yMin - 0.5f) + yIn).hit)
                    << "at y " << yMin - 0.5f;

                // A closed gate (collide flag, or a boss's dead flag) keeps it out.
                SetTargetInt(row.records, slot, row.records.gateOffset, 1);
                EXPECT_FALSE(Shoot(row, slot, pass, tx, ty, xMid, yMid).hit);
                SetTargetInt(row.records, slot, row.records.gateOffset, 0);
            }
        }
    }
}

TEST_F(CollisionTable, EveryTargetIsWhereItsOwnRecordsAndHitSetterAre) {
    FreshWorld();
    // Each row points at the records its SetHit marks: a hit through the
    // table raises that target's own flag and nothing else's.
    for (const TargetRow& row : TargetTable()) {
        for (int32_t slot = 0; slot < row.slots; ++slot) {
            if (row.form == TargetForm::Slots)
                row.setHitSlot(slot);
            else
                row.setHit();
            EXPECT_EQ(TargetInt(row.records, slot, row.records.hitOffset), 1) << row.name << " " << slot;
            SetTargetInt(row.records, slot, row.records.hitOffset, 0);
        }
    }
    EXPECT_EQ(TargetTable()[0].records.base, static_cast<void*>(enemyAPool));
    EXPECT_EQ(TargetTable().back().records.base, static_cast<void*>(&scene9Boss));
}

TEST_F(ShotMovement, LaneShotsRiseTenPixelsAndTheSideLanesDrift) {
    FreshWorld();
    ClearShots();
    wideShots[3] = PlayerShot{300, 200, 3, 10, 1};
    wideShots[30] = PlayerShot{300, 200, 3, 10, 1};
    narrowShots[60] = PlayerShot{300, 200, 2, 10, 1};
    narrowShots[10] = PlayerShot{300, -50, 2, 10, 1};
    narrowShots[11] = PlayerShot{300, -51, 2, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(wideShots[3].x, 300); // the centre lane ignores its step
    EXPECT_EQ(wideShots[3].y, 190);
    EXPECT_EQ(wideShots[30].x, 297);
    EXPECT_EQ(narrowShots[60].x, 302);
    EXPECT_EQ(narrowShots[10].active, 1); // y -60 still flies
    EXPECT_EQ(narrowShots[11].active, 0); // y -61 is freed

    // The same step whatever frameDt is.
    frameDt = 0.5f;
    PlayerShotsUpdate();
    EXPECT_EQ(wideShots[3].y, 180);

    // Freed at -61, the shot is still tested once: an EnemyJ up there is hit.
    frameDt = kDt;
    ClearShots();
    enemyJPool[1].x = 300.0f;
    enemyJPool[1].y = -60.0f;
    score = 0;
    wideShots[0] = PlayerShot{300, -51, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(wideShots[0].active, 0);
    EXPECT_EQ(enemyJPool[1].hit, 1);
    EXPECT_EQ(score, 150);
}

TEST_F(ShotMovement, BurstShotsFollowTheirGroupsCurvedPathsAndHoldInTheGaps) {
    FreshWorld();
    // With frameDt 0.05 the path clock advances exactly 1 a frame.
    frameDt = 0.05f;
    struct Step {
        int dx, dy;
    };
    auto path = [](int slot) {
        ClearShots();
        burstShots[slot] = BurstShot{400, 2000, 0, 0, 0.0f, 1};
        std::vector<Step> steps;
        for (int t = 1; t <= 30; ++t) {
            const int32_t x = burstShots[slot].x, y = burstShots[slot].y;
            PlayerShotsUpdate();
            steps.push_back({burstShots[slot].x - x, burstShots[slot].y - y});
        }
        return steps;
    };
    auto expectedSteep = [](int t) -> Step {
        if (t <= 3) return {-6, 0};
        if (t <= 6) return {-6, -3};
        if (t <= 9) return {-6, -6};
        if (t <= 12) return {-3, -6};
        if (t <= 15) return {0, -6};
        if (t <= 18) return {1, -6};
        if (t <= 21) return {2, -6};
        if (t <= 24) return {3, -6};
        if (t <= 27) return {4, -6};
        return {5, -6};
    };
    for (int slot : {7, 57, 107, 157}) {
        const std::vector<Step> steps = path(slot);
        const bool mirror = slot == 57 || slot == 157;
        const bool gentle = slot >= 100;
        for (int t = 1; t <= 30; ++t) {
            Step want = expectedSteep(t);
            if (gentle && t >= 22) want = {3, -6};
            if (mirror) want.dx = -want.dx;
            EXPECT_EQ(steps[t - 1].dx, want.dx) << "slot " << slot << " t " << t;
            EXPECT_EQ(steps[t - 1].dy, want.dy) << "slot " << slot << " t " << t;
        }
    }

    // In a gap of the path the shot holds still.
    ClearShots();
    burstShots[3] = BurstShot{400, 300, 0, 0, 3.2f, 1};
    frameDt = 0.005f; // 3.3
    PlayerShotsUpdate();
    EXPECT_EQ(burstShots[3].x, 400);
    EXPECT_EQ(burstShots[3].y, 300);
    EXPECT_FLOAT_EQ(burstShots[3].pathTime, 3.3f);

    // Above the top it is freed and its clock returns to 0.
    burstShots[3] = BurstShot{400, -55, 0, 0, 50.0f, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(burstShots[3].active, 0);
    EXPECT_EQ(burstShots[3].pathTime, 0.0f);
}

TEST_F(ShotCollisions, AShotHitsEveryTargetItOverlapsAndKeepsScoring) {
    FreshWorld();
    ClearShots();
    enemyAPool[0].x = 300.0f;
    enemyAPool[0].y = 100.0f;
    enemyBPool[2].x = 310.0f;
    enemyBPool[2].y = 110.0f;
    score = 0;
    narrowShots[0] = PlayerShot{320, 130, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(enemyAPool[0].hit, 1);
    EXPECT_EQ(enemyBPool[2].hit, 1);
    EXPECT_EQ(score, 50 + 250);
    EXPECT_EQ(narrowShots[0].active, 1);
    // Still overlapping next frame: both score again until their own code frees them.
    PlayerShotsUpdate();
    EXPECT_EQ(score, 2 * (50 + 250));
}

TEST_F(ShotCollisions, BossesLoseHpOncePerLaneShotAndEveryFrameOfABurstShot) {
    FreshWorld();
    ClearShots();
    scene2Boss.x = 200.0f;
    scene2Boss.y = 50.0f;
    const float hp = scene2Boss.hp;
    score = 0;
    wideShots[0] = PlayerShot{350, 150, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(wideShots[0].active, 0);
    EXPECT_EQ(scene2Boss.BossHitFlash, 1);
    EXPECT_FLOAT_EQ(scene2Boss.hp, hp - 100.0f * kDt);
    EXPECT_EQ(score, 100);
    PlayerShotsUpdate(); // the spent shot is gone
    EXPECT_FLOAT_EQ(scene2Boss.hp, hp - 100.0f * kDt);

    // A burst shot pierces and drains on every frame inside the box.
    burstShots[0] = BurstShot{350, 150, 0, 0, 3.2f, 1};
    for (int i = 0; i < 5; ++i) {
        frameDt = 0.001f; // its clock stays in the gap
        PlayerShotsUpdate();
    }
    EXPECT_EQ(burstShots[0].active, 1);
    EXPECT_NEAR(scene2Boss.hp, hp - 100.0f * kDt - 5 * 3.0f * 0.001f, 1e-3);
    EXPECT_EQ(score, 100 + 5 * 50);

    // Above the top of the screen or dead, a boss is not tested.
    ClearShots();
    scene3Boss.x = 200.0f;
    scene3Boss.y = -0.5f;
    const float hp3 = scene3Boss.hp;
    wideShots[0] = PlayerShot{300, 110, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(scene3Boss.hp, hp3);
    scene3Boss.y = 0.0f;
    scene3Boss.deadFlag = 1;
    wideShots[0] = PlayerShot{300, 110, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(scene3Boss.hp, hp3);
}

TEST_F(ShotCollisions, T60GivesWayOnlyFromItsTwentyFifthOverlappingShotFrame) {
    FreshWorld();
    ClearShots();
    largeEnemyT60.x = 250.0f;
    largeEnemyT60.y = 100.0f;
    largeEnemyT60.hitsTaken = 0;
    score = 0;
    // A burst shot sitting in its path gap overlaps on every frame.
    burstShots[0] = BurstShot{350, 150, 0, 0, 3.2f, 1};
    frameDt = 0.001f;
    for (int i = 1; i <= 24; ++i)
        PlayerShotsUpdate();
    EXPECT_EQ(largeEnemyT60.hitsTaken, 24);
    EXPECT_EQ(largeEnemyT60.hit, 0);
    EXPECT_EQ(score, 0);
    PlayerShotsUpdate();
    EXPECT_EQ(largeEnemyT60.hit, 1);
    EXPECT_EQ(score, 500);
    PlayerShotsUpdate();
    EXPECT_EQ(score, 1000);
    // Counted across passes: a narrow shot adds to the same counter.
    narrowShots[0] = PlayerShot{350, 160, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(largeEnemyT60.hitsTaken, 28);
}

TEST_F(ShotCollisions, WideShotsOnTheSmallKindsScoreStraightOntoTheCounter) {
    FreshWorld();
    ClearShots();
    enemyQPool[0].x = 300.0f;
    enemyQPool[0].y = 100.0f;
    difficulty = 0; // AddScore would add nothing now
    score = 999999990;
    highScore = 500;
    wideShots[0] = PlayerShot{310, 120, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(score, 999999999);
    EXPECT_EQ(highScore, 999999999);
    EXPECT_EQ(enemyQPool[0].hit, 1);

    // The narrow pass goes through AddScore.
    score = 0;
    highScore = 0;
    ClearShots();
    narrowShots[0] = PlayerShot{310, 120, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(score, 0);
    difficulty = 1;
    narrowShots[0] = PlayerShot{310, 120, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(score, 50);
}

TEST_F(ShotCollisions, ParkedTargetsAreOutOfReachOfEveryShot) {
    FreshWorld();
    ClearShots();
    score = 0;
    // A full screen of shots, every target parked by the reset.
    for (int i = 0; i < kPlayerShotSlots; ++i) {
        wideShots[i] = PlayerShot{180 + (i * 37) % 440, (i * 53) % 600, 3, 10, 1};
        narrowShots[i] = PlayerShot{180 + (i * 41) % 440, (i * 29) % 600, 2, 10, 1};
    }
    for (int i = 0; i < kBurstShotSlots; ++i)
        burstShots[i] = BurstShot{180 + (i * 13) % 440, (i * 7) % 600, 0, 0, 0.0f, 1};
    for (int f = 0; f < 80; ++f)
        PlayerShotsUpdate();
    EXPECT_EQ(score, 0);
    for (const TargetRow& row : TargetTable())
        for (int32_t slot = 0; slot < row.slots; ++slot)
            EXPECT_EQ(TargetInt(row.records, slot, row.records.hitOffset), 0) << row.name;
}

TEST_F(ShotCollisions, FarAwayRecordsAndStraySlotsAreHarmless) {
    FreshWorld();
    ClearShots();
    // Coordinates beyond the int range saturate and must not wrap the box
    // sums round into reach.
    enemyCPool[0].x = 3.0e9f;
    enemyCPool[0].y = 100.0f;
    enemyCPool[1].x = -3.0e9f;
    enemyCPool[1].y = 3.0e9f;
    scene2Boss.x = 3.0e9f;
    scene2Boss.y = 3.0e9f;
    score = 0;
    wideShots[0] = PlayerShot{2147483600, 2147483000, 0, 10, 1};
    wideShots[1] = PlayerShot{300, 110, 0, 10, 1};
    narrowShots[0] = PlayerShot{-2147483600, 110, 0, 10, 1};
    PlayerShotsUpdate();
    EXPECT_EQ(score, 0);
    EXPECT_EQ(enemyCPool[0].hit, 0);
    EXPECT_EQ(enemyCPool[1].hit, 0);
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);
}

TEST_F(ShotCollisions, APassGivesWhatMovingAndTestingEachShotInTurnGives) {
    FreshWorld();
    powerItem.active = 0;
    kitSystem::SeedRandom(77);
    int scoringRounds = 0;
    for (int round = 0; round < 60; ++round) {
        // Targets over the field and past its edges, some gated, some parked;
        // shots likewise, some dead, some about to leave at the top.
        for (const TargetRow& row : TargetTable())
            for (int32_t slot = 0; slot < row.slots; ++slot) {
                const TargetRecords& rec = row.records;
                const bool parked = Pick(0, 3) == 0;
                SetTargetFloat(rec, slot, rec.xOffset, parked ? -500.0f : float(Pick(100, 700)) + 0.5f);
                SetTargetFloat(rec, slot, rec.yOffset, parked ? 2550.0f : float(Pick(-100, 650)) - 0.25f);
                SetTargetInt(rec, slot, rec.gateOffset, Pick(0, 4) == 0);
                SetTargetInt(rec, slot, rec.hitOffset, 0);
                if (row.form == TargetForm::Counted) SetTargetInt(rec, slot, rec.extraOffset, Pick(20, 30));
                if (row.form == TargetForm::Boss) SetTargetFloat(rec, slot, rec.extraOffset, 900.0f);
            }
        const int32_t live = Pick(1, 4); // of four
        for (PlayerShot* pool : {wideShots, narrowShots})
            for (int32_t i = 0; i < kPlayerShotSlots; ++i)
                pool[i] = PlayerShot{Pick(150, 650), Pick(-70, 640), Pick(0, 4), 10, Pick(0, 3) < live};
        for (BurstShot& s : burstShots)
            s = BurstShot{Pick(150, 650),   Pick(-70, 640), 0, 0, float(Pick(0, 60)) / 10.0f,
                          Pick(0, 3) < live};
        score = Pick(0, 5000);
        highScore = score + Pick(0, 100);

        const int32_t before = score;
        const std::vector<unsigned char> start = TakePass();
        PassShotByShot();
        const std::vector<unsigned char> want = TakePass();
        scoringRounds += score != before;
        PutPass(start);
        PlayerShotsUpdate();
        ASSERT_TRUE(TakePass() == want) << "round " << round;
    }
    EXPECT_GT(scoringRounds, 50);
}
