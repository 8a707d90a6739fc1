#include "game/shell/world_reset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/pool_catalogue.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/system/random.h"
#include "platform/time.h"

namespace {

constexpr uint32_t kSentinel = 0xA5A5A5A5u;

uint32_t WordAt(const PoolEntry& pool, int record, int word) {
    uint32_t v;
    std::memcpy(
        &v, static_cast<const unsigned char*>(pool.storage) + size_t(record) * pool.stride + size_t(word) * 4,
        sizeof v);
    return v;
}

float AsFloat(uint32_t u) {
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

void FillEveryPool(uint32_t pattern) {
    for (const PoolEntry& pool : PoolCatalogue()) {
        auto* p = static_cast<unsigned char*>(pool.storage);
        for (size_t i = 0; i < size_t(pool.records) * pool.stride; i += 4)
            std::memcpy(p + i, &pattern, 4);
    }
}

// The bytes of every pool and of the single records the reset writes.
std::vector<unsigned char> SnapshotWorld() {
    std::vector<unsigned char> bytes;
    auto add = [&](const void* p, size_t n) {
        auto* b = static_cast<const unsigned char*>(p);
        bytes.insert(bytes.end(), b, b + n);
    };
    for (const PoolEntry& pool : PoolCatalogue())
        add(pool.storage, size_t(pool.records) * pool.stride);
    add(&powerItem, sizeof powerItem);
    add(&scene6BossVerticalBeam1, sizeof scene6BossVerticalBeam1);
    add(&scene6BossVerticalBeam2, sizeof scene6BossVerticalBeam2);
    add(&scene2Boss, sizeof scene2Boss);
    add(&scene8Boss, sizeof scene8Boss);
    add(&largeEnemyS53L, sizeof largeEnemyS53L);
    return bytes;
}

void ResetPairAt(int64_t calendarSeconds) {
    plat::UseVirtualClockForTests(true);
    plat::SetVirtualCalendarForTests(calendarSeconds);
    ResetWorldA();
    ResetWorldB();
}

// Replays the stream from the seed and counts the draws that lead to `state`.
int DrawsFromSeedTo(uint32_t seed, uint32_t state) {
    kitSystem::SeedRandom(seed);
    for (int n = 0; n < 1000000; ++n) {
        if (kitSystem::RandomState() == state) return n;
        kitSystem::Random();
    }
    return -1;
}

} // namespace

TEST(PoolCatalogue, ListsEveryPoolOnceWithItsOwnStorage) {
    auto catalogue = PoolCatalogue();
    EXPECT_EQ(catalogue.size(), 551u);

    std::map<PoolGroup, int> pools, records;
    for (const PoolEntry& pool : catalogue) {
        ++pools[pool.group];
        records[pool.group] += pool.records;
        EXPECT_EQ(pool.stride, pool.recipe->words * 4) << pool.name;
        EXPECT_GT(pool.records, 0) << pool.name;
    }
    // Pools per subsystem: 238 parked by ResetWorldA, 313 by ResetWorldB.
    EXPECT_EQ(pools[PoolGroup::Shell] + pools[PoolGroup::StarField], 2);
    EXPECT_EQ(pools[PoolGroup::Player], 49);
    EXPECT_EQ(pools[PoolGroup::EnemyKinds], 128);
    EXPECT_EQ(pools[PoolGroup::SquadsAndLargeEnemies], 59);
    EXPECT_EQ(pools[PoolGroup::Scene2], 43);
    EXPECT_EQ(pools[PoolGroup::Scene3], 54);
    EXPECT_EQ(pools[PoolGroup::Scene5], 86);
    EXPECT_EQ(pools[PoolGroup::Scene6], 30);
    EXPECT_EQ(pools[PoolGroup::Scene8], 43);
    EXPECT_EQ(pools[PoolGroup::Scene4] + pools[PoolGroup::Scene7] + pools[PoolGroup::Scene9], 57);

    // Records: the catalogue's counts, with each pool at its owner's real size
    // (bigger boss lock-point arrays, EnemyM's aimed shots 3, the V1C and V1D
    // first strings 4, the scene-2 boss's second drop pair 2).
    EXPECT_EQ(records[PoolGroup::Shell] + records[PoolGroup::StarField], 108);
    EXPECT_EQ(records[PoolGroup::Player], 880 + 12);
    EXPECT_EQ(records[PoolGroup::EnemyKinds], 707 - 1);
    EXPECT_EQ(records[PoolGroup::SquadsAndLargeEnemies], 713 + 2);
    EXPECT_EQ(records[PoolGroup::Scene2], 1392 - 1);
    EXPECT_EQ(records[PoolGroup::Scene3], 1178);
    EXPECT_EQ(records[PoolGroup::Scene5], 2052);
    EXPECT_EQ(records[PoolGroup::Scene6], 823);
    EXPECT_EQ(records[PoolGroup::Scene8], 2609);
    EXPECT_EQ(records[PoolGroup::Scene4] + records[PoolGroup::Scene7] + records[PoolGroup::Scene9], 1477);

    // Pools per park recipe, as the catalogue's table counts them: a pool
    // given a recipe of the right length but the wrong field map shows here.
    const std::map<std::string, int> perRecipe = {
        {"R16a", 28}, {"R20a", 2},  {"R20b", 1},  {"R24a", 21}, {"R28a", 2},  {"R28b", 1},  {"R32a", 147},
        {"R32b", 68}, {"R32c", 4},  {"R36a", 13}, {"R40a", 11}, {"R40b", 2},  {"R40c", 1},  {"R40d", 1},
        {"R44a", 2},  {"R44b", 1},  {"R48a", 1},  {"R48b", 1},  {"R52a", 12}, {"R52b", 1},  {"R52c", 1},
        {"R52d", 1},  {"R56a", 11}, {"R56b", 9},  {"R56c", 4},  {"R56d", 2},  {"R56e", 2},  {"R56f", 1},
        {"R56g", 1},  {"R56h", 1},  {"R60a", 87}, {"R60b", 1},  {"R64a", 52}, {"R64b", 24}, {"R64c", 17},
        {"R64d", 12}, {"R64e", 4},  {"R72a", 1}};
    std::map<std::string, int> recipeUse;
    for (const PoolEntry& pool : catalogue)
        ++recipeUse[pool.recipe->name];
    EXPECT_EQ(recipeUse, perRecipe);

    // No two pools share or overlap storage.
    std::vector<std::pair<uintptr_t, uintptr_t>> ranges;
    for (const PoolEntry& pool : catalogue) {
        auto begin = reinterpret_cast<uintptr_t>(pool.storage);
        ranges.emplace_back(begin, begin + size_t(pool.records) * pool.stride);
    }
    std::sort(ranges.begin(), ranges.end());
    for (size_t i = 1; i < ranges.size(); ++i)
        EXPECT_LE(ranges[i - 1].second, ranges[i].first);
}

using WorldReset = FreshGlobals;

TEST_F(WorldReset, ParksEveryRecordOfEveryPoolAndTouchesNothingElse) {
    FillEveryPool(kSentinel);
    ResetPairAt(1'000'000);

    long checkedRecords = 0;
    for (const PoolEntry& pool : PoolCatalogue()) {
        const Recipe& r = *pool.recipe;
        for (int i = 0; i < pool.records; ++i, ++checkedRecords) {
            std::vector<bool> written(r.words, false);
            for (int s = 0; s < r.stepCount; ++s) {
                const RecipeStep& st = r.steps[s];
                for (int rel = st.first; rel <= st.last; ++rel) {
                    const int word = r.xWord + rel;
                    written[word] = true;
                    const uint32_t v = WordAt(pool, i, word);
                    switch (st.value) {
                    case ParkValue::Zero:
                        ASSERT_EQ(v, 0u) << pool.name << " record " << i << " word " << word;
                        break;
                    case ParkValue::ParkX:
                        ASSERT_EQ(AsFloat(v), -500.0f) << pool.name;
                        break;
                    case ParkValue::ParkY:
                        ASSERT_EQ(AsFloat(v), 2550.0f) << pool.name;
                        break;
                    case ParkValue::IntParkX:
                        ASSERT_EQ(int32_t(v), -500) << pool.name;
                        break;
                    case ParkValue::IntParkY:
                        ASSERT_EQ(int32_t(v), 500) << pool.name;
                        break;
                    case ParkValue::AngleA:
                        ASSERT_NEAR(AsFloat(v), -0.0523599f, 1e-7f) << pool.name;
                        break;
                    case ParkValue::AngleB:
                        ASSERT_NEAR(AsFloat(v), -0.0162496f, 1e-7f) << pool.name;
                        break;
                    case ParkValue::RandMod:
                        ASSERT_GE(int32_t(v), 0) << pool.name;
                        ASSERT_LT(int32_t(v), st.mod) << pool.name;
                        break;
                    case ParkValue::RandFloat: {
                        const float f = AsFloat(v);
                        ASSERT_EQ(f, std::floor(f)) << pool.name;
                        ASSERT_GE(f, float(st.add)) << pool.name;
                        ASSERT_LT(f, float(st.mod + st.add)) << pool.name;
                        break;
                    }
                    }
                }
            }
            // Fields the recipe leaves out keep what the pool's own code wrote.
            for (int w = 0; w < r.words; ++w) {
                if (written[w]) continue;
                ASSERT_EQ(WordAt(pool, i, w), kSentinel) << pool.name << " word " << w;
            }
        }
    }
    EXPECT_EQ(checkedRecords, 11951);
}

TEST_F(WorldReset, ParksTheNamedFieldsOfEachFamily) {
    FillEveryPool(kSentinel);
    ResetPairAt(1'000'000);

    // Free, hittable, out of reach; squads and kinds I and L with y -500 too.
    for (const auto& s : enemyAPool) {
        EXPECT_EQ(s.active, 0);
        EXPECT_EQ(s.hit, 0);
        EXPECT_EQ(s.collideOff, 0);
        EXPECT_EQ(s.explosionFrame, 0);
        EXPECT_EQ(s.x, ParkX);
        EXPECT_EQ(s.y, ParkY);
    }
    EXPECT_EQ(enemyOPool[0].active, 0);
    EXPECT_EQ(enemyOPool[0].y, ParkY);
    EXPECT_EQ(enemyIPool[2].y, -500.0f);
    EXPECT_EQ(enemyLPool[2].y, -500.0f);
    EXPECT_EQ(enemyKPool[1].explosionFrame, 0);
    EXPECT_EQ(enemyVPool[4].waveTimer, 0);
    for (const auto& s : squadV2DSlots) {
        EXPECT_EQ(s.x, -500.0f);
        EXPECT_EQ(s.y, -500.0f);
        EXPECT_EQ(s.phase, 0.0f);
        EXPECT_EQ(s.active, 0);
        EXPECT_EQ(s.waveTimer, 0);
    }
    // Integer-positioned records park at (-500, 500).
    EXPECT_EQ(narrowShots[77].x, -500);
    EXPECT_EQ(narrowShots[77].y, 500);
    EXPECT_EQ(burstShots[199].pathTime, 0.0f);
    EXPECT_EQ(bombFragments[79].alive, 0);
    EXPECT_EQ(bombFragments[79].angle, kParkAngle);
    EXPECT_EQ(scene8BossCurvingStream8Pool[49].y, 500);
    EXPECT_EQ(scene8BossCurvingStream8Pool[49].life, 0.0f);
    EXPECT_EQ(enemyTLockMarkers[2].locked, 0);
    EXPECT_EQ(scene7BossLockPointsB[8].x, -500);
    EXPECT_EQ(scene6BossLockPointsA[5].y, 500);
    // Start headings: -3 degrees, and -3π/580 in the five slower pools.
    EXPECT_EQ(enemyAShot2Pool[2][6].heading, kParkAngle);
    EXPECT_EQ(homingChainsN[2][14].angle, kParkAngle);
    EXPECT_EQ(lockOnShotsScene7BossB[8].heading, kParkAngle);
    EXPECT_EQ(scene8BossSpiralStream10Pool[107].angle, kParkAngle);
    EXPECT_EQ(scene5BossFanVolley1Pool[0].angle, kParkAngleSlow);
    EXPECT_EQ(scene5BossFanVolley2Pool[14].angle, kParkAngleSlow);
    EXPECT_EQ(scene6BossFanVolley1Pool[0].angle, kParkAngleSlow);
    EXPECT_EQ(scene6BossFanVolley2Pool[24].angle, kParkAngleSlow);
    EXPECT_EQ(scene7BossAimedRingBurst1Pool[299].angle, kParkAngleSlow);
    EXPECT_EQ(scene3BossAimedRingBurst2Pool[71].angle, kParkAngle);
    // Schedules start over; random start frames stay within their divisors.
    EXPECT_EQ(scene2BossTimedVolley7Pool[34].tick, 0);
    EXPECT_EQ(enemyJShot7Pool[24].tick, 0);
    EXPECT_EQ(scene2BossAimedQuadVolley1Pool[19].counter, 0);
    EXPECT_LT(scene2BossAimedQuadVolley1Pool[19].frame, 7);
    EXPECT_LT(scene2BossRingEmitter6Pool[107].frame, 7);
    EXPECT_LT(enemyLShot1Pool[2].frame, 10);
    EXPECT_EQ(enemyIShot3Pool[0].frame, 0); // kind I's straight shots start at frame 0
    // The word just before x of the string and aimed-pool records is theirs alone.
    EXPECT_EQ(uint32_t(enemyLShot1Pool[2].spare0), kSentinel);
    EXPECT_EQ(uint32_t(enemyQShot1Pool[2][4].spare0), kSentinel);
    EXPECT_EQ(uint32_t(scene2BossAimedShotPool1Pool[4].spare0), kSentinel);
    EXPECT_EQ(uint32_t(squadV1AShot2Pool[4].spare0), kSentinel);
    // The large enemies' big fans draw their start frame like every other fan.
    EXPECT_LT(uint32_t(largeEnemyD51Shot1Pool[24].frame), 7u);
    EXPECT_EQ(largeEnemyD51Shot1Pool[24].tick, 0);
    EXPECT_EQ(playerDebris[79].active, 0);
    EXPECT_EQ(playerDebris[79].tick, 0);
    for (const auto& star : stars) {
        EXPECT_GE(star.frame, 0);
        EXPECT_LE(star.frame, 6);
        EXPECT_GE(star.x, -400.0f);
        EXPECT_LE(star.x, 839.0f);
        EXPECT_GE(star.y, 0.0f);
        EXPECT_LE(star.y, 479.0f);
        EXPECT_EQ(star.vx, 0.0f);
        EXPECT_GE(star.vy, 100.0f);
        EXPECT_LE(star.vy, 199.0f);
    }
}

TEST_F(WorldReset, SetsThePlayStateAndTheSingleRecords) {
    scrollDistance = 812.5f;
    stageFrameCounter = 4711;
    pauseFlag = continuePrompt = 1;
    playerVulnerable = 0;
    clearEnemyShots = 1;
    countdownSeconds = 3;
    countdownExpired = countdownArmed = 1;
    playerX = 401.0f;
    playerY = 333.0f;
    playerVX = playerVY = 120.0f;
    playerBank = 6;
    playerBankStep = -1;
    respawnInvulnerable = respawnCounter = respawnBlink = 1;
    narrowShotClock = wideShotClock = burstClock = 9;
    narrowShotsEnabled = wideShotsEnabled = 0;
    burstActive = bombClock = muzzleFlashNarrow = 1;
    homingChainClock[3][2] = 77;
    lockSightX = lockSightY = 10;
    score = 1234;
    lives = 111;
    bombStock = 3;
    gameMode = 3;
    scene5Boss.BossAttackClock = 4000;
    scene5Boss.patternTimer[5] = 60;
    scene5Boss.hp = -3.0f;
    scene5Boss.defeatTimer = 71.0f;
    scene5Boss.smokeCycle = 4;
    scene8Boss.patternTimer[17] = 9;
    scene7Boss.deadFlag = 1;
    largeEnemyT60.hitsTaken = 24;
    largeEnemyT60.step = 40;
    largeEnemyD51.vy = 80.0f;
    largeEnemyD51.noCollide = 1;
    largeEnemyS54R.phase = 60.0f;
    largeEnemyS54R.active = 1;
    scene6BossIntro.speed = 400.0f;
    scene6BossIntro.active = 1;
    scene6BossVerticalBeam2.active = 1;
    powerItem.active = powerItem.pickedUp = 1;
    powerItem.fallSpeed = 150.0f;

    ResetPairAt(2'000'000);

    EXPECT_EQ(scrollDistance, 0.0f);
    EXPECT_EQ(stageFrameCounter, 0);
    EXPECT_EQ(pauseFlag, 0);
    EXPECT_EQ(continuePrompt, 0);
    EXPECT_EQ(playerVulnerable, 1);
    EXPECT_EQ(clearEnemyShots, 0);
    EXPECT_EQ(countdownSeconds, 800);
    EXPECT_EQ(countdownExpired, 0);
    EXPECT_EQ(countdownArmed, 0);
    EXPECT_EQ(playerX, 401.0f); // the ship stays where NewGameSetup or play left it
    EXPECT_EQ(playerY, 333.0f);
    EXPECT_EQ(playerVX, 0.0f);
    EXPECT_EQ(playerVY, 0.0f);
    EXPECT_EQ(playerBank, 3);
    EXPECT_EQ(playerBankStep, 0);
    EXPECT_EQ(respawnInvulnerable + respawnCounter + respawnBlink, 0);
    EXPECT_EQ(narrowShotClock + wideShotClock + burstClock, 0);
    EXPECT_EQ(narrowShotsEnabled, 1);
    EXPECT_EQ(wideShotsEnabled, 1);
    EXPECT_EQ(burstActive + bombClock + muzzleFlashNarrow, 0);
    EXPECT_EQ(homingChainClock[3][2], 0);
    EXPECT_EQ(lockSightX, -500);
    EXPECT_EQ(lockSightY, 500);
    // The run's state belongs to NewGameSetup and the scenes.
    EXPECT_EQ(score, 1234);
    EXPECT_EQ(lives, 111);
    EXPECT_EQ(bombStock, 3);
    EXPECT_EQ(gameMode, 3);

    const struct {
        BossRecord* boss;
        float hp;
    } bosses[] = {{&scene2Boss, 1020.0f}, {&scene3Boss, 1000.0f}, {&scene4Boss, 600.0f},
                  {&scene5Boss, 800.0f},  {&scene6Boss, 1000.0f}, {&scene7Boss, 1400.0f},
                  {&scene8Boss, 1500.0f}, {&scene9Boss, 1220.0f}};
    for (const auto& b : bosses) {
        EXPECT_EQ(b.boss->hp, b.hp);
        EXPECT_EQ(b.boss->x, ParkX);
        EXPECT_EQ(b.boss->y, ParkY);
        EXPECT_EQ(b.boss->BossAttackClock, 0);
        EXPECT_EQ(b.boss->smokeCycle + b.boss->smokeFrame, 0);
        for (int32_t t : b.boss->patternTimer)
            EXPECT_EQ(t, 0);
        EXPECT_EQ(b.boss->behaviourClock, 0.0f);
        EXPECT_EQ(b.boss->defeatTimer, 0.0f);
        EXPECT_EQ(b.boss->deadFlag, 0);
    }
    EXPECT_EQ(scene2BossSmallExplosions[5].frame, 0);
    EXPECT_EQ(scene2BossSmallExplosions[5].x, ParkX);
    EXPECT_EQ(scene6BossBigExplosions[7].y, ParkY);

    for (BossIntro* intro : {&scene2BossSilhouette, &scene3BossIntro, &scene6BossIntro}) {
        EXPECT_EQ(intro->x, ParkX);
        EXPECT_EQ(intro->y, ParkY);
        EXPECT_EQ(intro->speed, 0.0f);
        EXPECT_EQ(intro->active, 0);
    }
    for (VerticalBeam* beam : {&scene6BossVerticalBeam1, &scene6BossVerticalBeam2}) {
        EXPECT_GE(beam->frame, 0);
        EXPECT_LE(beam->frame, 9);
        EXPECT_EQ(beam->x, ParkX);
        EXPECT_EQ(beam->y, ParkY);
        EXPECT_EQ(beam->active, 0);
    }

    EXPECT_EQ(largeEnemyT60.hitsTaken, 0);
    EXPECT_EQ(largeEnemyT60.step, 0);
    EXPECT_EQ(largeEnemyT60.x, ParkX);
    EXPECT_EQ(largeEnemyD51.vy, 0.0f);
    EXPECT_EQ(largeEnemyD51.noCollide, 0);
    EXPECT_EQ(largeEnemyD51.y, ParkY);
    EXPECT_EQ(largeEnemyS54R.phase, 0.0f);
    EXPECT_EQ(largeEnemyS54R.active, 0);
    EXPECT_EQ(largeEnemyS54R.x, ParkX);

    EXPECT_EQ(powerItem.x, ParkX);
    EXPECT_EQ(powerItem.y, ParkY);
    EXPECT_EQ(powerItem.active, 0);
    EXPECT_EQ(powerItem.pickedUp, 0);
    EXPECT_EQ(powerItem.fallSpeed, 0.0f);
}

TEST_F(WorldReset, KeepsTheFieldsItMustKeep) {
    powerItem.powerFlag1 = 1;
    powerItem.powerFlag2 = 1;
    powerItem.spawnCount = 4;
    LargeEnemyStopRecord* stopAndFire[] = {&largeEnemyS50L, &largeEnemyS50R, &largeEnemyS53L,
                                           &largeEnemyS53R, &largeEnemyS54L, &largeEnemyS54R};
    int tick = 10;
    for (LargeEnemyStopRecord* e : stopAndFire) {
        e->spiralTick1 = ++tick;
        e->spiralTick2 = ++tick;
    }
    BossRecord* bosses[] = {&scene2Boss, &scene3Boss, &scene4Boss, &scene5Boss,
                            &scene6Boss, &scene7Boss, &scene8Boss, &scene9Boss};
    for (BossRecord* b : bosses)
        b->flashShown = b->BossHitFlash = 1;
    squadV4BSlots[3].spinAngle = 203;
    lockOnShotsScene9BossA[4].launchClock = 300.0f;

    ResetPairAt(3'000'000);
    ResetPairAt(3'000'001); // a second pair changes none of them either

    EXPECT_EQ(powerItem.powerFlag1, 1);
    EXPECT_EQ(powerItem.powerFlag2, 1);
    EXPECT_EQ(powerItem.spawnCount, 4);
    tick = 10;
    for (LargeEnemyStopRecord* e : stopAndFire) {
        EXPECT_EQ(e->spiralTick1, ++tick);
        EXPECT_EQ(e->spiralTick2, ++tick);
        EXPECT_EQ(e->x, ParkX);
    }
    // Only the scene-2 boss clears its flash pair.
    EXPECT_EQ(scene2Boss.flashShown, 0);
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);
    for (BossRecord* b : bosses)
        if (b != &scene2Boss) {
            EXPECT_EQ(b->flashShown, 1);
            EXPECT_EQ(b->BossHitFlash, 1);
        }
    EXPECT_EQ(squadV4BSlots[3].spinAngle, 203);
    EXPECT_EQ(lockOnShotsScene9BossA[4].launchClock, 300.0f);
}

TEST_F(WorldReset, SameSecondGivesTheSameWorld) {
    FillEveryPool(0x11111111u);
    ResetPairAt(1'700'000'000);
    const std::vector<unsigned char> first = SnapshotWorld();

    // A different second gives other random start values ...
    ResetPairAt(1'700'000'001);
    EXPECT_FALSE(SnapshotWorld() == first);

    // ... and the same second, byte for byte, the same world again.
    ResetPairAt(1'700'000'000);
    EXPECT_TRUE(SnapshotWorld() == first);
    std::vector<int32_t> frames;
    for (const auto& star : stars)
        frames.push_back(star.frame);
    EXPECT_GT(std::set<int32_t>(frames.begin(), frames.end()).size(), 1u);
}

TEST_F(WorldReset, DrawsTheRandomNumbersTheCatalogueImplies) {
    constexpr int64_t kSecond = 1'234'567;
    plat::UseVirtualClockForTests(true);
    plat::SetVirtualCalendarForTests(kSecond);

    // Counted by hand from the catalogue: in ResetWorldA the player's pools
    // draw nothing, the enemy kinds' groups 551, the squads' and large
    // enemies' groups 635, the star field 4 per star; ResetWorldB 2 for the
    // beams and 1377, 1164, 409, 1738, 509, 751, 2195 and 275 for the pattern
    // pools of scenes 2 to 9.
    constexpr int kDrawsA = 551 + 635 + 400;
    constexpr int kDrawsB = 2 + 1377 + 1164 + 409 + 1738 + 509 + 751 + 2195 + 275;

    ResetWorldA();
    const uint32_t afterA = kitSystem::RandomState();
    ResetWorldB();
    const uint32_t afterB = kitSystem::RandomState();

    EXPECT_EQ(DrawsFromSeedTo(uint32_t(kSecond), afterA), kDrawsA);
    EXPECT_EQ(DrawsFromSeedTo(uint32_t(kSecond), afterB), kDrawsA + kDrawsB);

    int fromCatalogue = 2; // the beams are single records
    for (const PoolEntry& pool : PoolCatalogue())
        fromCatalogue += RandomDrawsOf(pool);
    EXPECT_EQ(fromCatalogue, kDrawsA + kDrawsB);

    // The star field takes the last 400 draws of ResetWorldA, frame, x, y and
    // speed in that order.
    kitSystem::SeedRandom(uint32_t(kSecond));
    for (int i = 0; i < kDrawsA - 400; ++i)
        kitSystem::Random();
    for (const auto& star : stars) {
        const int frame = kitSystem::Random() % 7;
        const int x = kitSystem::Random() % 1240;
        const int y = kitSystem::Random() % 480;
        const int vy = kitSystem::Random() % 100 + 100;
        ASSERT_EQ(star.frame, frame);
        ASSERT_EQ(star.x, float(x) - 400.0f);
        ASSERT_EQ(star.y, float(y));
        ASSERT_EQ(star.vy, float(vy));
    }
    // ResetWorldB draws the two beam frames first, then the scene-2 pools in
    // catalogue order, record by record.
    const int beam1 = kitSystem::Random() % 10;
    const int beam2 = kitSystem::Random() % 10;
    EXPECT_EQ(scene6BossVerticalBeam1.frame, beam1);
    EXPECT_EQ(scene6BossVerticalBeam2.frame, beam2);
    for (const auto& shot : scene2BossAimedQuadVolley1Pool) {
        const int frame = kitSystem::Random() % 7;
        ASSERT_EQ(shot.frame, frame);
    }
    for (const auto& shot : scene2BossAimedShotPool1Pool) {
        const int frame = kitSystem::Random() % 10;
        ASSERT_EQ(shot.frame, frame);
    }
}
