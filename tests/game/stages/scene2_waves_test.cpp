// Scene 2's enemy kinds through real stage frames: the wave windows, the
// families moved more than once a frame and the world reset after play.
#include "game/enemies/enemy_kind_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/stages/schedule.h"
#include "game/player/lock_sight.h"
#include "game/shell/new_game.h"
#include "platform/midi.h"
#include "platform/time.h"

namespace {

class Scene2Waves : public EnemyKindFixture {
  protected:
    void EnterScene2(int64_t second = 777) { EnterSeeded(2, second); }

    void RunTo(float distance, float dt) {
        while (scrollDistance < distance)
            ASSERT_TRUE(harness_.Frame(dt));
    }
};

// Every slot of every kind, whatever its record's layout.
template <typename F> void ForEachSlot(F&& f) {
    auto each = [&](auto& pool, const char* name) {
        for (auto& s : pool)
            f(s, name);
    };
    each(enemyAPool, "A"), each(enemyBPool, "B"), each(enemyCPool, "C"), each(enemyDPool, "D");
    each(enemyEPool, "E"), each(enemyFPool, "F"), each(enemyGPool, "G"), each(enemyHPool, "H");
    each(enemyIPool, "I"), each(enemyJPool, "J"), each(enemyKPool, "K"), each(enemyLPool, "L");
    each(enemyMPool, "M"), each(enemyNPool, "N"), each(enemyOPool, "O"), each(enemyPPool, "P");
    each(enemyQPool, "Q"), each(enemyRPool, "R"), each(enemySPool, "S"), each(enemyTPool, "T");
    each(enemyUPool, "U"), each(enemyVPool, "V");
}

} // namespace

TEST_F(Scene2Waves, WindowsOpenStrictlyAndFamiliesMoveInTheirRows) {
    EnterScene2();
    scrollDistance = 120.0f;
    ASSERT_TRUE(harness_.Frame(0.0f));
    for (const EnemyRecord& s : enemyAPool)
        EXPECT_EQ(s.active, 0);
    ASSERT_TRUE(harness_.Frame(1.0f / 60));
    for (const EnemyRecord& s : enemyAPool) {
        EXPECT_EQ(s.active, 1);
        EXPECT_EQ(s.y, -80.0f); // armed after this frame's moves
    }

    // A flies at double rate and shows where it is (outside its window, so
    // no fresh shots from its muzzle cover the sprite).
    scrollDistance = 180.0f;
    enemyAPool[0].x = 250.0f;
    enemyAPool[0].y = 100.0f;
    enemyAPool[0].vy = 60.0f;
    ASSERT_TRUE(harness_.Frame(0.1f));
    EXPECT_EQ(enemyAPool[0].y, 112.0f);
    // (Its flame covers the sprite's top 15 rows.)
    EXPECT_TRUE(MatchPicture(harness_.Primary(), 250, 112, imgSZAK10, 0, 0, 70, 80, 127).Shown());

    // The upper bound is strict too.
    for (EnemyRecord& s : enemyAPool)
        s.active = 0;
    scrollDistance = 170.0f;
    ASSERT_TRUE(harness_.Frame(0.0f));
    for (const EnemyRecord& s : enemyAPool)
        EXPECT_EQ(s.active, 0);

    // H flies three times a frame in its windows, once elsewhere.
    EnemyH_Spawn();
    enemyHPool[0].y = 100.0f;
    enemyHPool[0].vy = 60.0f;
    scrollDistance = 700.0f;
    ASSERT_TRUE(harness_.Frame(0.1f));
    EXPECT_EQ(enemyHPool[0].y, 106.0f);
    scrollDistance = 850.0f;
    ASSERT_TRUE(harness_.Frame(0.1f));
    EXPECT_EQ(enemyHPool[0].y, 124.0f);

    // The wave timers of S and V tick only while their window is open.
    scrollDistance = 1049.0f;
    ASSERT_TRUE(harness_.Frame(0.1f));
    ASSERT_TRUE(harness_.Frame(0.1f));
    EXPECT_EQ(enemySPool[0].waveTimer, 2);
    EXPECT_EQ(enemyVPool[4].waveTimer, 2);
    scrollDistance = 1150.0f;
    ASSERT_TRUE(harness_.Frame(0.1f));
    EXPECT_EQ(enemySPool[0].waveTimer, 2);
}

TEST_F(Scene2Waves, WorldResetParksEveryKindAfterPlay) {
    EnterScene2();
    RunTo(1120.0f, 1.0f / 20);
    // Every kind in the air, some burning, lockable ones locked.
    for (StageCall spawn :
         {EnemyA_Spawn, EnemyB_Spawn, EnemyC_Spawn, EnemyD_Spawn, EnemyE_Spawn, EnemyF_Spawn, EnemyG_Spawn,
          EnemyH_Spawn, EnemyI_Spawn, EnemyJ_Spawn, EnemyK_Spawn, EnemyL_Spawn, EnemyM_Spawn, EnemyN_Spawn,
          EnemyO_Spawn, EnemyP_Spawn, EnemyQ_Spawn, EnemyR_Spawn, EnemyT_Spawn, EnemyU_Spawn})
        spawn();
    EnemyS_SpawnSlot(3);
    EnemyV_SpawnSlot(2);
    EnemyO_SetHit(0);
    EnemyS_SetHit(3);
    LockEnemyJ(1);
    LockEnemyQ(0);
    ASSERT_TRUE(harness_.Frame(1.0f / 20));

    ResetWorldA();
    ResetWorldB();
    ASSERT_TRUE(harness_.Frame(1.0f / 20));
    ForEachSlot([](const auto& s, const char* kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(s.active, 0);
        EXPECT_EQ(s.hit, 0);
        EXPECT_EQ(s.explosionFrame, 0);
        EXPECT_EQ(s.explosionLoop, 0);
        // I and L park above the field, the rest below it.
        EXPECT_EQ(s.y, kind[0] == 'I' || kind[0] == 'L' ? -500.0f : ParkY);
    });
    EXPECT_EQ(enemyJLockMarkers[1].locked, 0);
    EXPECT_EQ(enemyQLockMarkers[0].locked, 0);
    EXPECT_EQ(enemySPool[3].waveTimer, 0);
}
