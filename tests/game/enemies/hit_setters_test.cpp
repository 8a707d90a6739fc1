#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "harness/reset_globals.h"

namespace {

template <typename T> std::vector<unsigned char> BytesOf(const T& object) {
    auto* p = reinterpret_cast<const unsigned char*>(&object);
    return std::vector<unsigned char>(p, p + sizeof object);
}

// SetHit marks exactly the slot it is given, free or flying, changes nothing
// else, is harmless when repeated, and ignores an index outside the pool.
template <typename Record, size_t N>
void ExpectSetHitMarksOneSlot(void (*setHit)(int32_t), Record (&pool)[N]) {
    SCOPED_TRACE(testing::Message() << "pool of " << N);
    for (size_t k = 0; k < N; ++k) {
        for (size_t i = 0; i < N; ++i) {
            pool[i] = Record{};
            pool[i].active = int32_t(i % 2);
            pool[i].x = 100.0f + float(i);
        }
        setHit(int32_t(k));
        for (size_t i = 0; i < N; ++i) {
            EXPECT_EQ(pool[i].hit, i == k ? 1 : 0);
            EXPECT_EQ(pool[i].active, int32_t(i % 2));
            EXPECT_EQ(pool[i].x, 100.0f + float(i));
        }
        const auto once = BytesOf(pool);
        setHit(int32_t(k));
        EXPECT_EQ(BytesOf(pool), once);
    }
    const auto before = BytesOf(pool);
    setHit(-1);
    setHit(int32_t(N));
    setHit(1 << 30);
    EXPECT_EQ(BytesOf(pool), before);
}

} // namespace

using HitSetters = FreshGlobals;

TEST_F(HitSetters, EveryEnemyKindMarksTheSlotItIsGiven) {
    ExpectSetHitMarksOneSlot(EnemyA_SetHit, enemyAPool);
    ExpectSetHitMarksOneSlot(EnemyB_SetHit, enemyBPool);
    ExpectSetHitMarksOneSlot(EnemyC_SetHit, enemyCPool);
    ExpectSetHitMarksOneSlot(EnemyD_SetHit, enemyDPool);
    ExpectSetHitMarksOneSlot(EnemyE_SetHit, enemyEPool);
    ExpectSetHitMarksOneSlot(EnemyF_SetHit, enemyFPool);
    ExpectSetHitMarksOneSlot(EnemyG_SetHit, enemyGPool);
    ExpectSetHitMarksOneSlot(EnemyH_SetHit, enemyHPool);
    ExpectSetHitMarksOneSlot(EnemyI_SetHit, enemyIPool);
    ExpectSetHitMarksOneSlot(EnemyJ_SetHit, enemyJPool);
    ExpectSetHitMarksOneSlot(EnemyK_SetHit, enemyKPool);
    ExpectSetHitMarksOneSlot(EnemyL_SetHit, enemyLPool);
    ExpectSetHitMarksOneSlot(EnemyM_SetHit, enemyMPool);
    ExpectSetHitMarksOneSlot(EnemyN_SetHit, enemyNPool);
    ExpectSetHitMarksOneSlot(EnemyO_SetHit, enemyOPool);
    ExpectSetHitMarksOneSlot(EnemyP_SetHit, enemyPPool);
    ExpectSetHitMarksOneSlot(EnemyQ_SetHit, enemyQPool);
    ExpectSetHitMarksOneSlot(EnemyR_SetHit, enemyRPool);
    ExpectSetHitMarksOneSlot(EnemyS_SetHit, enemySPool);
    ExpectSetHitMarksOneSlot(EnemyT_SetHit, enemyTPool);
    ExpectSetHitMarksOneSlot(EnemyU_SetHit, enemyUPool);
    ExpectSetHitMarksOneSlot(EnemyV_SetHit, enemyVPool);
}

TEST_F(HitSetters, EverySquadMarksTheMemberItIsGiven) {
    ExpectSetHitMarksOneSlot(SquadV1A_SetHit, squadV1ASlots);
    ExpectSetHitMarksOneSlot(SquadV1B_SetHit, squadV1BSlots);
    ExpectSetHitMarksOneSlot(SquadV1C_SetHit, squadV1CSlots);
    ExpectSetHitMarksOneSlot(SquadV1D_SetHit, squadV1DSlots);
    ExpectSetHitMarksOneSlot(SquadV2A_SetHit, squadV2ASlots);
    ExpectSetHitMarksOneSlot(SquadV2B_SetHit, squadV2BSlots);
    ExpectSetHitMarksOneSlot(SquadV2C_SetHit, squadV2CSlots);
    ExpectSetHitMarksOneSlot(SquadV2D_SetHit, squadV2DSlots);
    ExpectSetHitMarksOneSlot(SquadV3A_SetHit, squadV3ASlots);
    ExpectSetHitMarksOneSlot(SquadV3B_SetHit, squadV3BSlots);
    ExpectSetHitMarksOneSlot(SquadV4A_SetHit, squadV4ASlots);
    ExpectSetHitMarksOneSlot(SquadV4B_SetHit, squadV4BSlots);
}

TEST_F(HitSetters, LargeEnemiesAndBossesRaiseOnlyTheirOwnFlag) {
    struct Large {
        void (*setHit)();
        int32_t* hit;
        int32_t* active;
    } larges[] = {
        {LargeEnemyD50_SetHit, &largeEnemyD50.hit, &largeEnemyD50.active},
        {LargeEnemyD51_SetHit, &largeEnemyD51.hit, &largeEnemyD51.active},
        {LargeEnemyD52_SetHit, &largeEnemyD52.hit, &largeEnemyD52.active},
        {LargeEnemyS53L_SetHit, &largeEnemyS53L.hit, &largeEnemyS53L.active},
        {LargeEnemyS53R_SetHit, &largeEnemyS53R.hit, &largeEnemyS53R.active},
        {LargeEnemyS50L_SetHit, &largeEnemyS50L.hit, &largeEnemyS50L.active},
        {LargeEnemyS50R_SetHit, &largeEnemyS50R.hit, &largeEnemyS50R.active},
        {LargeEnemyS54L_SetHit, &largeEnemyS54L.hit, &largeEnemyS54L.active},
        {LargeEnemyS54R_SetHit, &largeEnemyS54R.hit, &largeEnemyS54R.active},
        {LargeEnemyT60_SetHit, &largeEnemyT60.hit, &largeEnemyT60.active},
    };
    for (size_t k = 0; k < std::size(larges); ++k) {
        for (auto& l : larges)
            *l.hit = 0;
        larges[k].setHit();
        for (size_t i = 0; i < std::size(larges); ++i) {
            EXPECT_EQ(*larges[i].hit, i == k ? 1 : 0) << "large enemy " << i;
            EXPECT_EQ(*larges[i].active, 0); // a parked record is marked all the same
        }
    }
    largeEnemyT60.hitsTaken = 3;
    LargeEnemyT60_SetHit();
    EXPECT_EQ(largeEnemyT60.hitsTaken, 3); // counting the 25 hits is the collision code's

    struct Boss {
        void (*setHit)();
        BossRecord* boss;
    } bosses[] = {{Scene2Boss_SetHit, &scene2Boss}, {Scene3Boss_SetHit, &scene3Boss},
                  {Scene4Boss_SetHit, &scene4Boss}, {Scene5Boss_SetHit, &scene5Boss},
                  {Scene6Boss_SetHit, &scene6Boss}, {Scene7Boss_SetHit, &scene7Boss},
                  {Scene8Boss_SetHit, &scene8Boss}, {Scene9Boss_SetHit, &scene9Boss}};
    for (size_t k = 0; k < std::size(bosses); ++k) {
        for (auto& b : bosses) {
            *b.boss = BossRecord{};
            b.boss->hp = 500.0f;
        }
        bosses[k].setHit();
        for (size_t i = 0; i < std::size(bosses); ++i) {
            BossRecord expected{};
            expected.hp = 500.0f;
            expected.BossHitFlash = i == k ? 1 : 0;
            EXPECT_EQ(BytesOf(*bosses[i].boss), BytesOf(expected)) << "boss of scene " << i + 2;
        }
    }
}
