// The fourth stage through its frames: the boss's attack gate and the edges
// of its attack table (the wrap at 1770, the quiet tail before it, the double
// step at 1200 in game mode 1, what each game mode fires), and the stage
// played from its start to the switch to scene 8.
#include "stage_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/present.h"
#include "platform/window.h"

#include <gtest/gtest.h>

namespace {

class Scene6Stage : public StageTest {
  protected:
    Scene6Stage() : StageTest(6, 3) {}
    void Enter(int32_t mode) { StageTest::Enter(6, mode); }
    // One frame with the boss holding its place under fire (hp 900) and the
    // attack clock at `clock` before the frame raises it.
    void AttackFrom(int32_t clock, float hp = 900.0f) {
        Holding(scene6Boss, 210.0f, 140.0f, hp);
        scene6Boss.BossAttackClock = clock;
        ASSERT_TRUE(h->Frame(0.01f));
    }
};

int32_t ActiveDrops() {
    return CountActive(scene6BossPairedDropShot9Pool) + CountActive(scene6BossPairedDropShot1Pool);
}

} // namespace

TEST_F(Scene6Stage, AttackClockRunsBelow980AndWrapsAfterAQuietTail) {
    AttackFrom(0, 980.0f); // untouched boss: no attack
    EXPECT_EQ(scene6Boss.BossAttackClock, 0);
    AttackFrom(0, 979.99f); // the clock is raised before the tests: 1
    EXPECT_EQ(scene6Boss.BossAttackClock, 1);
    EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, 1);
    EXPECT_EQ(scene6BossTimedVolley3Pool[0].tick, 1);
    AttackFrom(3); // the curving streams start at 5
    EXPECT_EQ(scene6Boss.patternTimer[0], 0);
    AttackFrom(4);
    EXPECT_EQ(scene6Boss.patternTimer[0], 1);
    EXPECT_EQ(scene6Boss.patternTimer[5], 1);

    // Their second window closes at 1750; 1751..1770 fire nothing, 1770 is
    // seen once and the clock returns to 0, and 1 fires again.
    AttackFrom(1749);
    EXPECT_EQ(scene6Boss.patternTimer[0], 2);
    AttackFrom(1750);
    EXPECT_EQ(scene6Boss.patternTimer[0], 2);
    AttackFrom(1768);
    EXPECT_EQ(scene6Boss.BossAttackClock, 1769);
    const int32_t tick = scene6BossTimedVolley2Pool[0].tick;
    AttackFrom(1769);
    EXPECT_EQ(scene6Boss.BossAttackClock, 0);
    EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, tick);
    ASSERT_TRUE(h->Frame(0.01f));
    EXPECT_EQ(scene6Boss.BossAttackClock, 1);
    EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, tick + 1);

    // At 0 hp the clock keeps its value while the defeat runs.
    AttackFrom(500, 0.0f);
    EXPECT_EQ(scene6Boss.BossAttackClock, 500);
}

TEST_F(Scene6Stage, AtClock1200GameModeOneStepsTwoVolleysTwice) {
    for (int32_t mode : {1, 3}) {
        Enter(mode);
        // Ticks 9: the next call of a schedule reaches 10, the first volley's.
        for (TimedVolleyShortRecord& r : scene6BossTimedVolley2Pool)
            r.tick = 9;
        for (TimedVolleyShortRecord& r : scene6BossTimedVolley3Pool)
            r.tick = 9;
        for (TimedVolleyShortRecord& r : scene6BossTimedVolley1Pool)
            r.tick = 9;
        AttackFrom(1199);
        if (mode == 1) {
            // Two windows meet at 1200 for each: the tick goes from 9 to 11
            // in one frame. Each call tests its own tick, so the first one
            // still arms the volley due at 10, and the cycle runs a frame early.
            EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, 11);
            EXPECT_EQ(scene6BossTimedVolley3Pool[49].tick, 11);
            EXPECT_EQ(scene6BossTimedVolley2Pool[0].active, 1);
            EXPECT_EQ(scene6BossTimedVolley3Pool[4].active, 1);
            EXPECT_EQ(scene6BossTimedVolley3Pool[5].active, 0);
            // The first timed volley stands in one window there.
            EXPECT_EQ(scene6BossTimedVolley1Pool[0].tick, 10);
            EXPECT_EQ(scene6BossTimedVolley1Pool[4].active, 1);
        } else {
            EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, 10);
            EXPECT_EQ(scene6BossTimedVolley2Pool[0].active, 1);
            EXPECT_EQ(scene6BossTimedVolley3Pool[4].active, 1);
            EXPECT_EQ(scene6BossTimedVolley1Pool[0].tick, 9);
        }
        // A clock past 1200 takes one step each again.
        AttackFrom(1200);
        EXPECT_EQ(scene6BossTimedVolley2Pool[0].tick, mode == 1 ? 12 : 11) << mode;
    }
}

TEST_F(Scene6Stage, GameModeThreeFiresBeamsAndGameModeOneDropShots) {
    for (int32_t mode : {1, 3}) {
        Enter(mode);
        scene6BossVerticalBeam1.frame = 0;
        scene6BossVerticalBeam2.frame = 0;
        AttackFrom(298);
        EXPECT_EQ(scene6BossVerticalBeam1.active + ActiveDrops(), 0) << mode;
        AttackFrom(299);
        EXPECT_EQ(scene6BossVerticalBeam1.active, mode == 3 ? 1 : 0) << mode;
        EXPECT_EQ(scene6BossVerticalBeam2.active, mode == 3 ? 1 : 0) << mode;
        EXPECT_EQ(ActiveDrops(), mode == 1 ? 6 : 0) << mode;
        // The second drop-shot window opens at 1020, the second beam window
        // at 1000.
        Enter(mode);
        scene6BossVerticalBeam1.frame = 0;
        AttackFrom(1000);
        EXPECT_EQ(scene6BossVerticalBeam1.active, mode == 3 ? 1 : 0) << mode;
        EXPECT_EQ(ActiveDrops(), 0) << mode;
        AttackFrom(1019);
        EXPECT_EQ(ActiveDrops(), mode == 1 ? 6 : 0) << mode;
        // Game mode 1 alone runs the extra volleys from 1100.
        AttackFrom(1099);
        EXPECT_EQ(scene6BossTimedVolley1Pool[0].tick, mode == 1 ? 1 : 0) << mode;
    }
}

TEST_F(Scene6Stage, WavesOpenStrictlyAndD52ShowsOneWeaponOrTheOther) {
    // Half-second frames add exactly 7 to the distance.
    auto frameTo = [&](float d) {
        scrollDistance = d - 7.0f;
        ASSERT_TRUE(h->Frame(0.5f));
        ASSERT_EQ(scrollDistance, d);
    };
    auto enemiesA = [] { return enemyAPool[0].active + enemyAPool[1].active + enemyAPool[2].active; };
    frameTo(30.0f);
    EXPECT_EQ(enemiesA(), 0);
    frameTo(30.5f);
    EXPECT_EQ(enemiesA(), 3);
    // The squads' last two windows meet at 1260, which neither holds.
    frameTo(1259.5f);
    EXPECT_EQ(squadV3ASlots[0].waveTimer, 1);
    EXPECT_EQ(squadV4BSlots[0].waveTimer, 1);
    frameTo(1260.0f);
    EXPECT_EQ(squadV3ASlots[0].waveTimer, 1);
    EXPECT_EQ(squadV4BSlots[0].waveTimer, 1);
    frameTo(1260.5f);
    EXPECT_EQ(squadV3ASlots[0].waveTimer, 2);
    EXPECT_EQ(squadV4BSlots[0].waveTimer, 2);

    // D52 moves and draws its fans unless difficultyExtra is 1, and then its
    // rings instead, never both.
    for (int32_t value : {0, 1}) {
        difficultyExtra = value;
        largeEnemyD52Shot3Pool[0] = FanVolleyRecord{};
        largeEnemyD52Shot4Pool[0] = FanVolleyRecord{};
        for (FanVolleyRecord* r : {&largeEnemyD52Shot3Pool[0], &largeEnemyD52Shot4Pool[0]}) {
            r->x = 300.0f;
            r->y = 100.0f;
            r->angle = float(3.141592653589793 / 2);
            r->speed = 20.0f;
            r->active = 1;
        }
        frameTo(20.0f);
        EXPECT_FLOAT_EQ(largeEnemyD52Shot3Pool[0].y, value == 0 ? 110.0f : 100.0f) << value;
        EXPECT_FLOAT_EQ(largeEnemyD52Shot4Pool[0].y, value == 1 ? 110.0f : 100.0f) << value;
    }
}

TEST_F(Scene6Stage, StagePlaysToItsTimeOutAndSwitchesToSceneEight) {
    // From the start, with the ship standing still and never firing: the
    // boss is never hurt, so nothing but the waves attack, and the time-out
    // destroys it. Its defeat then runs twice a frame and ends the stage
    // about 3.5 s after the distance reaches 11000.
    noDeathMode = 1;
    bool bossArrived = false;
    float seconds = 0.0f, timeOutAt = -1.0f, endAt = -1.0f, lastDistance = 0.0f;
    h->AfterFrame([&] {
        seconds += 0.25f;
        if (currentScene == 8 && endAt < 0.0f) endAt = seconds;
        if (currentScene != 6) return;
        lastDistance = scrollDistance;
        if (scene6Boss.y == 0.0f && scene6Boss.x >= 200.0f) bossArrived = true;
        if (timeOutAt < 0.0f && scrollDistance >= 11000.0f) timeOutAt = seconds;
    });
    h->SetFrameDt(0.25f);
    ASSERT_TRUE(h->RunUntilScene(8, 4000));
    EXPECT_TRUE(bossArrived);
    EXPECT_EQ(scene6Boss.BossAttackClock, 0); // the boss was never hurt
    EXPECT_FLOAT_EQ(scene6Boss.x, ParkX);     // and the reset ran
    EXPECT_GE(lastDistance, 11000.0f);
    EXPECT_LT(lastDistance, 11100.0f);
    ASSERT_GT(timeOutAt, 0.0f);
    // The frame that reaches 11000 sees the boss alive in its draw, so only
    // the time-out's call runs (2.5 units); each later frame runs two (5
    // units): past 70 at the fifteenth frame, 3.5 s after the first.
    EXPECT_FLOAT_EQ(endAt - timeOutAt, 3.5f);
    EXPECT_EQ(transitionLength, 30);
}

TEST_F(Scene6Stage, ShotDownTheBossEndsTheStageAfterItsAttacks) {
    // In game mode 1 the ship holds its fire under the boss: once it hurts
    // the boss the attacks begin, every pattern of the mode flies, and the
    // boss falls long before the time-out.
    Enter(1);
    noDeathMode = 1;
    weaponType = 1; // as the setup screen leaves it
    scrollDistance = 1290.0f;
    int32_t maxClock = 0;
    bool beams = false, drops = false, turning = false, bigFans = false, fans = false, curving = false,
         lowVolleys = false;
    auto any = [](const auto& pool) {
        for (const auto& r : pool)
            if (r.active != 0) return true;
        return false;
    };
    h->OnFrame([] {
        playerX = 340.0f; // under the boss's middle
        playerY = 400.0f;
    });
    h->AfterFrame([&] {
        if (currentScene != 6) return;
        if (scene6Boss.BossAttackClock > maxClock) maxClock = scene6Boss.BossAttackClock;
        beams = beams || scene6BossVerticalBeam1.active || scene6BossVerticalBeam2.active;
        drops = drops || any(scene6BossPairedDropShot9Pool);
        turning = turning || any(scene6BossTurningStream2Pool);
        bigFans = bigFans || any(scene6BossBigFanVolley1Pool);
        fans = fans || any(scene6BossFanVolley2Pool);
        curving = curving || any(scene6BossCurvingStream6Pool);
        lowVolleys = lowVolleys || any(scene6BossTimedVolley5Pool);
    });
    h->KeyDown(plat::kVkShift);
    h->SetFrameDt(1.0f / 30);
    ASSERT_TRUE(h->RunUntilScene(8, 20000));
    h->KeyUp(plat::kVkShift);
    EXPECT_GT(maxClock, 1000);
    EXPECT_TRUE(drops && turning && bigFans && fans && curving && lowVolleys);
    EXPECT_FALSE(beams);
    EXPECT_LT(scrollDistance, 1.0f); // the reset after the defeat
    EXPECT_EQ(currentScene, 8);
}
