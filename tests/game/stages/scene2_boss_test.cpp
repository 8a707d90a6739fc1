// The first boss in its stage: the approach on its bounds, when the player's
// shots can hurt it, its attack gate, the defeat frame by frame and what its
// body draw shows. (Its time-out is with the other stages' in
// stage_frame_test.)
#include "stage_fixture.h"

#include "game/player/player_pools.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

namespace {

class Scene2Boss : public StageTest {
  protected:
    Scene2Boss() : StageTest(2) {}
    void Enter() { StageTest::Enter(2); }
    void FrameFrom(float clock, float dt) { StageTest::FrameFrom(scene2Boss, clock, dt); }
    // The boss holding its place with this hp, for the next frame.
    static void Holding(float hp) { StageTest::Holding(scene2Boss, 180.0f, 140.0f, hp); }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene2Boss, x, y); }
};

} // namespace

TEST_F(Scene2Boss, ApproachLegsMeetOnTheirBounds) {
    // Placement opens just above 60 and closes at 90 itself; 90 < c < 91 is
    // a gap; from 91 the body descends at 80 px/s. (0.1 s steps the clock by 1.)
    FrameFrom(59.0f, 0.1f);
    ExpectAt(ParkX, ParkY);
    FrameFrom(89.0f, 0.1f);
    ExpectAt(180.0f, -360.0f);
    FrameFrom(89.5f, 0.1f);
    ExpectAt(180.0f, -360.0f);
    FrameFrom(90.0f, 0.1f);
    ExpectAt(180.0f, -352.0f);
    // At exactly 135 the descent runs, then the hold: not 8 pixels below it.
    scene2Boss.y = -5.0f;
    FrameFrom(134.0f, 0.1f);
    ExpectAt(180.0f, 0.0f);
    // Held, the clock cycles back to 138 from 160.
    FrameFrom(159.5f, 0.1f);
    EXPECT_FLOAT_EQ(scene2Boss.behaviourClock, 138.0f);
    // A 1.5 s frame carries the clock to 162: the hold, one sway step, the
    // clock back; the next frame's hold returns the boss.
    FrameFrom(147.0f, 1.5f);
    ExpectAt(300.0f, 0.0f);
    EXPECT_FLOAT_EQ(scene2Boss.behaviourClock, 138.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    ExpectAt(180.0f, 0.0f);
    FrameFrom(147.0f, 5.5f); // into the diamond: both axes
    ExpectAt(730.0f, 275.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    ExpectAt(180.0f, 0.0f);
}

TEST_F(Scene2Boss, ShotsHurtItOnlyOnceItsDescentReachesTheTop) {
    scrollDistance = 1300.0f; // past the last waves; the boss enters with the section
    // A wide shot every frame where the boss will hold.
    h->OnFrame([] {
        if (currentScene == 2) wideShots[0] = PlayerShot{330, 100, 0, 10, 1};
    });
    int frames = 0;
    while (scene2Boss.y < 0.0f || scene2Boss.x != 180.0f) {
        ASSERT_TRUE(h->Frame(0.05f)); // the clock steps by exactly 0.5
        ASSERT_LT(++frames, 400);
        if (scene2Boss.y < 0.0f) {
            ASSERT_FLOAT_EQ(scene2Boss.hp, kScene2BossStartHp) << frames;
        }
    }
    // At the top from clock 135 (13.5 s), and that frame's shot already hits.
    EXPECT_EQ(frames, 270);
    EXPECT_FLOAT_EQ(scene2BossSilhouette.y, ParkY); // the picture rose and parked
    EXPECT_FLOAT_EQ(scene2Boss.hp, kScene2BossStartHp - 100.0f * 0.05f);
    EXPECT_EQ(scene2Boss.BossHitFlash, 1);
    ASSERT_TRUE(h->Frame(0.05f)); // the next draw consumes the flash
    EXPECT_EQ(scene2Boss.flashShown, 1);
}

TEST_F(Scene2Boss, TheAttackGateOpensBelow1010AndTheClockWrapsAt4300) {
    for (int32_t mode : {1, 3}) {
        Enter();
        gameMode = mode;
        Holding(1010.0f);
        ASSERT_TRUE(h->Frame(0.1f));
        EXPECT_EQ(scene2Boss.BossAttackClock, 0);
        Holding(1009.99f);
        ASSERT_TRUE(h->Frame(0.1f));
        EXPECT_EQ(scene2Boss.BossAttackClock, 1);
        scene2Boss.BossAttackClock = 4299; // 4300 is seen, then wraps
        ASSERT_TRUE(h->Frame(0.1f));
        EXPECT_EQ(scene2Boss.BossAttackClock, 0) << mode;
        Holding(0.0f); // shut again at 0, where the defeat runs
        ASSERT_TRUE(h->Frame(0.1f));
        EXPECT_EQ(scene2Boss.BossAttackClock, 0);
        EXPECT_FLOAT_EQ(scene2Boss.defeatTimer, 1.0f);
    }
}

TEST_F(Scene2Boss, DefeatExplodesStopsTheMusicAndWipesToSceneThree) {
    ASSERT_TRUE(h->Frame(0.1f)); // the music starts
    // Each explosion jumps over the body, x drawn before y.
    Holding(0.0f);
    frameDt = 0.1f;
    kitSystem::SeedRandom(77);
    Scene2Boss_Defeat();
    ExpectScatter(scene2BossBigExplosions, scene2BossSmallExplosions, 77, 180.0f, 440, 360, 360);
    scene2Boss.defeatTimer = 0.0f;

    // At 0.1 s the timer steps by exactly 1; every frame strictly between 50
    // and 60 stops the music (open again before each frame to see it).
    for (int frame = 1; frame <= 70; ++frame) {
        Holding(0.0f);
        midiOpen = 1;
        plat::ClearMidiCommandLogForTests();
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_FLOAT_EQ(scene2Boss.defeatTimer, float(frame));
        EXPECT_EQ(h->MidiLog().size(), frame > 50 && frame < 60 ? 2u : 0u) << frame;
        EXPECT_EQ(scene2BossBigExplosions[0].frame, (frame + 1) % 4);
        EXPECT_EQ(scene2BossSmallExplosions[0].frame, (frame + 1) % 10);
    }
    EXPECT_EQ(currentScene, 2); // exactly 70 does not end the stage

    lives = 9;
    Holding(0.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(currentScene, 3);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_FLOAT_EQ(scene2Boss.hp, kScene2BossStartHp); // the world reset
    EXPECT_FLOAT_EQ(scene2Boss.defeatTimer, 0.0f);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
    EXPECT_EQ(lives, 9);
    // The switching frame presents the first of the 30 wipe steps.
    EXPECT_EQ(transitionCounter, 29);
    h->RunFrames(28);
    EXPECT_EQ(transitionCounter, 1);
    h->RunFrames(1);
    EXPECT_EQ(transitionStep, 0);
}

TEST_F(Scene2Boss, BodyShowsSmokeByHpAndOnlyTheLockedLockPoints) {
    plainBackground = 2; // nothing under the boss
    auto frameAt = [&](float hp, int32_t cell) {
        Holding(hp);
        scene2Boss.smokeFrame = cell;
        ASSERT_TRUE(h->Frame(0.1f));
    };
    frameAt(90.01f, 0);
    EXPECT_EQ(CellShown(320, 50, imgZBAK3B, 0), 0);
    frameAt(90.0f, 0); // the upper pair only
    EXPECT_EQ(CellShown(320, 50, imgZBAK3B, 0) + CellShown(400, 50, imgZBAK3B, 0), 2);
    EXPECT_EQ(CellShown(240, 100, imgZBAK3B, 0) + CellShown(480, 100, imgZBAK3B, 0), 0);
    frameAt(70.01f, 0);
    EXPECT_EQ(CellShown(240, 100, imgZBAK3B, 0), 0);
    frameAt(70.0f, 3); // both pairs, cell 3 slid 84 pixels down
    EXPECT_EQ(CellShown(320, 134, imgZBAK3B, 3) + CellShown(240, 184, imgZBAK3B, 3) +
                  CellShown(480, 184, imgZBAK3B, 3),
              3);
    EXPECT_EQ(scene2Boss.smokeFrame, 4);
    frameAt(0.0f, 0); // destroyed: none
    EXPECT_EQ(CellShown(320, 50, imgZBAK3B, 0), 0);

    // Nothing in play locks a point; locked by hand it shows, from either array.
    Enter();
    plainBackground = 2;
    scene2BossLockPointsA[1] = LockMarker{250, 200, 1, 0};
    scene2BossLockPointsB[3] = LockMarker{420, 320, 1, 0};
    scene2BossLockPointsA[2] = LockMarker{300, 420, 0, 0};
    FrameFrom(0.0f, 0.1f);
    EXPECT_EQ(CellShown(250, 200, imgROCK1, 0) + CellShown(420, 320, imgROCK1, 0), 2);
    EXPECT_EQ(CellShown(300, 420, imgROCK1, 0), 0);
}
