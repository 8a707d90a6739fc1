// Scene 5 through real stage frames: its waves on their strict windows, the
// kinds' fourth shots that play fires but never moves, the strings the harder
// settings add in parts of the waves, and a played stage from its start
// through its boss to scene 6.
#include "game/enemies/enemy_kind_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/large_enemies.h"
#include "game/shell/new_game.h"
#include "game/stages/scene5/scene5_boss.h"
#include "harness/pool_counts.h"
#include "platform/midi.h"
#include "platform/time.h"
#include "platform/window.h"

namespace {

class Scene5Waves : public EnemyKindFixture {
  protected:
    // A new game entered straight into scene 5 as play runs it.
    void EnterScene5() {
        EnterSeeded(5, 555);
        difficulty = 1;
        difficultyExtra = 0;
    }
    void FrameAt(float distance, float dt = 1.0f / 60) {
        scrollDistance = distance;
        ASSERT_TRUE(harness_.Frame(dt));
    }
};

} // namespace

TEST_F(Scene5Waves, WavesOpenStrictlyAndTheFourthShotsWaitUnmoved) {
    EnterScene5();
    FrameAt(130.0f, 0.0f);
    EXPECT_EQ(enemyDPool[0].active + enemyEPool[0].active, 0);
    FrameAt(130.0f); // 130.27: both kinds arrive, D first
    EXPECT_EQ(enemyDPool[0].active + enemyEPool[0].active, 2);
    FrameAt(200.0f, 0.0f);
    EXPECT_EQ(enemyDShot1Pool[0].active, 1); // fired while the window was open

    // J and K fire their fourth shots in play; nothing moves or draws them,
    // so they hang where they were armed.
    FrameAt(400.0f);
    ASSERT_GT(CountActive(std::span(enemyJShot4Pool, 3)), 0);
    const StraightShotRecord before = enemyJShot4Pool[0];
    const float stringY = enemyJShot1Pool[0][0].y;
    FrameAt(450.0f);
    FrameAt(600.0f);
    EXPECT_EQ(enemyJShot4Pool[0].x, before.x);
    EXPECT_EQ(enemyJShot4Pool[0].y, before.y);
    EXPECT_NE(enemyJShot1Pool[0][0].y, stringY); // the other strings fly on
    // With difficultyExtra 1 they are moved, twice a frame.
    difficultyExtra = 1;
    FrameAt(600.0f, 0.1f);
    EXPECT_NE(enemyJShot4Pool[0].y, before.y);

    // S54: both at 600..630, then the left one alone from 800, the right from 830.
    EnterScene5();
    FrameAt(810.0f, 0.0f);
    EXPECT_EQ(largeEnemyS54L.active, 1);
    EXPECT_EQ(largeEnemyS54R.active, 0);
    FrameAt(830.0f, 0.0f);
    EXPECT_EQ(largeEnemyS54R.active, 0);
    FrameAt(830.5f, 0.0f);
    EXPECT_EQ(largeEnemyS54R.active, 1);
}

TEST_F(Scene5Waves, HarderSettingsAddStringsInPartsOfTheWaves) {
    auto jStrings = [] { return enemyJShot2Pool[0].active + enemyJShot3Pool[0].active; };
    auto mStrings = [] { return enemyMShot2Pool[0].active + enemyMShot3Pool[0].active; };
    // In play never.
    EnterScene5();
    FrameAt(380.0f, 0.0f);
    FrameAt(980.0f, 0.0f);
    EXPECT_EQ(jStrings() + mStrings(), 0);
    // difficulty 2: J's strings in (360, 410) and (450, 500) of its first
    // wave, M's in all of its first and in (950, 1000) of its second.
    for (float at : {380.0f, 430.0f, 460.0f, 920.0f, 960.0f}) {
        EnterScene5();
        difficulty = 2;
        FrameAt(at, 0.0f);
        const bool j = at < 410.0f || (at > 450.0f && at < 500.0f) || (at > 900.0f && at < 950.0f);
        const bool m = at < 400.0f || at > 950.0f;
        EXPECT_EQ(jStrings(), j ? 2 : 0) << at;
        EXPECT_EQ(mStrings(), m ? 2 : 0) << at;
    }
}

TEST_F(Scene5Waves, APlayedStageReachesItsBossAndEndsInSceneSix) {
    EnterScene5();
    weaponType = 1; // as the setup screen leaves it
    harness_.SetFrameDt(1.0f / 30);
    harness_.KeyDown(plat::kVkShift); // the narrow stream, held the whole stage
    int32_t longestClock = 0;
    float lowestHp = kScene5BossStartHp;
    bool defeatedBeforeTimeOut = false;
    harness_.AfterFrame([&] {
        if (currentScene != 5) return;
        if (scene5Boss.BossAttackClock > longestClock) longestClock = scene5Boss.BossAttackClock;
        if (scene5Boss.hp < lowestHp) lowestHp = scene5Boss.hp;
        if (scene5Boss.hp <= 0.0f && scrollDistance < 11000.0f) defeatedBeforeTimeOut = true;
    });
    ASSERT_TRUE(harness_.RunUntilScene(6, 30000));
    harness_.KeyUp(plat::kVkShift);
    // The boss came down, was hurt into its attacks and went down to the
    // defeat sequence, which reset the world and wiped to scene 6.
    EXPECT_GT(longestClock, 0);
    EXPECT_LT(lowestHp, 780.0f);
    EXPECT_TRUE(defeatedBeforeTimeOut);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
    EXPECT_FLOAT_EQ(scene5Boss.hp, kScene5BossStartHp);
}
