// The third stage's boss in its stage: its flight script on the bounds of its
// legs, the attack table's shared edges and its wrap, the hp blocks that only
// run off the played difficulty, and the defeat that leads on to scene 6.
#include "stage_fixture.h"

#include "game/stages/scene5/scene5_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/pool_counts.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Scene5Boss : public StageTest {
  protected:
    Scene5Boss() : StageTest(5) {}
    void Enter() { StageTest::Enter(5); }
    // 0.1 s steps the behaviour clock by exactly 1.
    void FrameFrom(float clock) { StageTest::FrameFrom(scene5Boss, clock, 0.1f); }
    static void Put(float x, float y) {
        scene5Boss.x = x;
        scene5Boss.y = y;
    }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene5Boss, x, y); }
    // The boss hovering at (180, 0) with this hp and the attack clock at
    // `clock` before the frame raises it.
    void AttackFrame(float hp, int32_t clock) {
        scrollDistance = 2000.0f;
        scene5Boss.behaviourClock = 85.0f;
        scene5Boss.hp = hp;
        scene5Boss.BossAttackClock = clock;
        ASSERT_TRUE(h->Frame(0.001f));
    }
};

} // namespace

TEST_F(Scene5Boss, FlightLegsMeetOnTheirBounds) {
    // Waiting above the screen from the first step of the clock to 30.
    FrameFrom(0.0f);
    ExpectAt(180.0f, -480.0f);
    // 30 < c < 31 is a gap: nothing moves the boss.
    Put(1.0f, 2.0f);
    FrameFrom(29.5f);
    ExpectAt(1.0f, 2.0f);
    // The descent at 104 px/s, then at exactly 75 the placement wins.
    FrameFrom(30.0f);
    ExpectAt(1.0f, 12.4f);
    FrameFrom(74.0f);
    ExpectAt(180.0f, 0.0f);
    // The bob down at 60 px/s from 91, up from 116.
    FrameFrom(90.0f);
    ExpectAt(180.0f, 6.0f);
    FrameFrom(115.0f);
    ExpectAt(180.0f, 0.0f);
    // At 162 the hold places, then the sway's first step runs (80 px/s).
    Put(0.0f, 0.0f);
    FrameFrom(161.0f);
    ExpectAt(188.0f, 0.0f);
    // At 240 the diamond's last step runs, then the hold: back at (180, 0).
    Put(300.0f, 50.0f);
    FrameFrom(239.0f);
    ExpectAt(180.0f, 0.0f);
    // At 250 the hold, then the wider sway at 150 px/s.
    Put(300.0f, 50.0f);
    FrameFrom(249.0f);
    ExpectAt(195.0f, 0.0f);
    // The faster diamond: 200 across and 100 down a second.
    FrameFrom(290.0f);
    ExpectAt(215.0f, 10.0f);
    // Just past 330 the diamond is over and the clock runs on to 331...
    Put(400.0f, 40.0f);
    FrameFrom(329.6f);
    EXPECT_FLOAT_EQ(scene5Boss.behaviourClock, 330.6f);
    ExpectAt(400.0f, 40.0f);
    // ...which sends it back to 80, inside the hold; no leg moves the boss
    // that frame, and the next frame holds it at (180, 0).
    FrameFrom(330.0f);
    EXPECT_FLOAT_EQ(scene5Boss.behaviourClock, 80.0f);
    ExpectAt(400.0f, 40.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    ExpectAt(180.0f, 0.0f);
}

TEST_F(Scene5Boss, AttackTableRunsSharedEdgesTwiceAndWrapsAfter4900) {
    // Below 780 only: at 780 the clock stands.
    AttackFrame(780.0f, 0);
    EXPECT_EQ(scene5Boss.BossAttackClock, 0);
    AttackFrame(779.9f, 0);
    EXPECT_EQ(scene5Boss.BossAttackClock, 1);

    // Every schedule steps its ticks once per call, so a tick shows how many
    // of its windows held the clock.
    auto fan = [] { return scene5BossFanVolley1Pool[0].tick; };
    auto pairs = [] { return scene5BossTimedVolley1Pool[0].tick; };
    auto slanted = [] { return scene5BossTimedVolley7Pool[0].tick; };
    auto bigFans = [] { return scene5BossBigFanVolley5Pool[0].tick; };
    // 60 closes the first fans' window and opens the pairs'.
    AttackFrame(700.0f, 59);
    EXPECT_EQ(fan(), 1);
    EXPECT_EQ(pairs(), 1);
    AttackFrame(700.0f, 60);
    EXPECT_EQ(fan(), 1);
    EXPECT_EQ(pairs(), 2);
    // 500 lies in both windows of the slanted fives ([400, 500] and
    // [550, 800] do not meet, so 550 is seen once) and in the pairs' second.
    AttackFrame(700.0f, 499);
    EXPECT_EQ(slanted(), 1);
    EXPECT_EQ(pairs(), 3);
    EXPECT_EQ(fan(), 2); // the fans' [500, 550] window opens here too
    AttackFrame(700.0f, 549);
    EXPECT_EQ(slanted(), 2);
    EXPECT_EQ(fan(), 3);
    // 4899 stands; 4900 runs the last window once more, then the clock returns to 0 and
    // the next frame sees 1, where nothing runs.
    AttackFrame(700.0f, 4898);
    EXPECT_EQ(scene5Boss.BossAttackClock, 4899);
    AttackFrame(700.0f, 4899);
    EXPECT_EQ(bigFans(), 2);
    EXPECT_EQ(scene5Boss.BossAttackClock, 0);
    AttackFrame(700.0f, 0);
    EXPECT_EQ(scene5Boss.BossAttackClock, 1);
    EXPECT_EQ(bigFans(), 2);
    EXPECT_EQ(fan(), 3);
    // The curving streams' window is [1510, 1900]: their counters stand outside.
    AttackFrame(700.0f, 1508);
    EXPECT_EQ(scene5Boss.patternTimer[0], 0);
    AttackFrame(700.0f, 1509);
    AttackFrame(700.0f, 1899);
    EXPECT_EQ(scene5Boss.patternTimer[0], 2);
    EXPECT_EQ(scene5Boss.patternTimer[5], 2);
    AttackFrame(700.0f, 1900);
    EXPECT_EQ(scene5Boss.patternTimer[0], 2);
    // The turning streams fire from the boss at 600; the aimed string pools
    // 3 to 9 and 15 to 21 at 1200, where pool 9 (only there) joins them.
    AttackFrame(700.0f, 599);
    EXPECT_EQ(scene5BossTurningStream1Pool[0].active, 1);
    EXPECT_EQ(scene5BossTurningStream3Pool[0].active, 0);
    AttackFrame(700.0f, 1199);
    EXPECT_EQ(scene5BossAimedShotPool9Pool[0].active, 1);
    EXPECT_EQ(scene5BossAimedShotPool21Pool[0].active, 1);
    EXPECT_EQ(scene5BossAimedShotPool10Pool[0].active, 0);
}

TEST_F(Scene5Boss, HpBlocksDropShotsOnlyOffThePlayedDifficulty) {
    auto dropped = [] {
        return CountActive(scene5BossPairedDropShot1Pool) + CountActive(scene5BossPairedDropShot8Pool) +
               CountActive(scene5BossPairedDropShot9Pool);
    };
    // Played difficulty: never, whatever the hp.
    difficulty = 1;
    difficultyExtra = 0;
    for (float hp : {770.0f, 475.0f, 60.0f}) {
        AttackFrame(hp, 1000);
        EXPECT_EQ(dropped(), 0) << hp;
    }
    // Otherwise each closed band drops every pool from under the boss.
    difficulty = 2;
    for (float hp : {770.0f, 740.0f, 490.0f, 460.0f, 90.0f, 60.0f}) {
        Enter();
        AttackFrame(hp, 1000);
        EXPECT_EQ(dropped(), 2 + 3 + 4) << hp;
        // Launched from boss + (292, 110), then one move: 39 px/s right, 120 down.
        EXPECT_FLOAT_EQ(scene5BossPairedDropShot8Pool[2].x, 472.0f + 39.0f * 0.001f);
        EXPECT_FLOAT_EQ(scene5BossPairedDropShot8Pool[2].y, 110.0f + 0.001f * 120.0f);
    }
    for (float hp : {770.5f, 739.5f, 491.0f, 459.5f, 90.5f, 59.5f}) {
        Enter();
        AttackFrame(hp, 1000);
        EXPECT_EQ(dropped(), 0) << hp;
    }
}

TEST_F(Scene5Boss, DefeatExplodesOverTheBodyThenWipesToSceneSix) {
    ASSERT_TRUE(h->Frame(0.1f)); // the music starts
    plat::ClearMidiCommandLogForTests();
    // Each explosion jumps over the body: 440 wide, 320 (big) or 310 (small)
    // high, x drawn before y.
    scene5Boss.hp = 0.0f;
    Put(180.0f, 0.0f);
    frameDt = 0.1f;
    kitSystem::SeedRandom(91);
    Scene5Boss_Defeat();
    ExpectScatter(scene5BossBigExplosions, scene5BossSmallExplosions, 91, 180.0f, 440, 320, 310);
    scene5Boss.defeatTimer = 0.0f;

    // The timer steps by 1 a frame; exactly 70 has not ended the stage.
    for (int frame = 1; frame <= 70; ++frame) {
        scrollDistance = 2000.0f;
        ASSERT_TRUE(h->Frame(0.1f));
    }
    EXPECT_FLOAT_EQ(scene5Boss.defeatTimer, 70.0f);
    EXPECT_EQ(currentScene, 5);
    lives = 9;
    scrollDistance = 2000.0f;
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(currentScene, 6);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_EQ(transitionCounter, 29); // the switching frame presents the first step
    EXPECT_FLOAT_EQ(scene5Boss.hp, kScene5BossStartHp);
    EXPECT_FLOAT_EQ(scene5Boss.defeatTimer, 0.0f);
    EXPECT_FLOAT_EQ(scene5Boss.x, ParkX);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
    EXPECT_EQ(lives, 9);
    // Stopped once the timer passed 50; closed then, nothing sent after.
    EXPECT_EQ(h->MidiLog(), (std::vector<std::string>{"stop midi", "close midi"}));
}
