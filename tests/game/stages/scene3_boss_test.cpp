// The second boss in its stage: the fly-by and sway on their bounds, the
// attack clock's gate and its wrap by game mode, the defeat that wipes to
// scene 5 over 60 steps, and what its body draw shows.
#include "stage_fixture.h"

#include "game/stages/scene3/scene3_boss.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

namespace {

class Scene3Boss : public StageTest {
  protected:
    Scene3Boss() : StageTest(3) {}
    void Enter() { StageTest::Enter(3); }
    // 0.05 s steps the behaviour clock by exactly 0.5.
    void FrameFrom(float clock) { StageTest::FrameFrom(scene3Boss, clock, 0.05f); }
    // The boss holding its place with this hp, for the next frame.
    static void Holding(float hp) { StageTest::Holding(scene3Boss, 150.0f, 140.0f, hp); }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene3Boss, x, y); }
};

} // namespace

TEST_F(Scene3Boss, FlyByAndSwayLegsMeetOnTheirBounds) {
    // The first frame of the section sets the picture below the screen.
    FrameFrom(0.0f);
    EXPECT_FLOAT_EQ(scene3BossIntro.x, 150.0f);
    EXPECT_FLOAT_EQ(scene3BossIntro.y, 600.0f);
    EXPECT_FLOAT_EQ(scene3BossIntro.speed, 500.0f);
    // 13 < c <= 14 is a gap: the picture neither resets nor rises.
    scene3BossIntro.y = 590.0f;
    FrameFrom(13.0f);
    FrameFrom(13.5f);
    EXPECT_FLOAT_EQ(scene3BossIntro.y, 590.0f);
    FrameFrom(14.0f); // rises at 500 px/s
    EXPECT_FLOAT_EQ(scene3BossIntro.x, 150.0f);
    EXPECT_FLOAT_EQ(scene3BossIntro.y, 565.0f);
    scene3BossIntro.y = -470.0f; // past the top it stops and parks
    FrameFrom(30.0f);
    EXPECT_FLOAT_EQ(scene3BossIntro.x, ParkX);
    EXPECT_FLOAT_EQ(scene3BossIntro.y, ParkY);
    EXPECT_FLOAT_EQ(scene3BossIntro.speed, 0.0f);

    // The wait above the screen opens just above 60 and closes at 90 itself.
    FrameFrom(59.5f);
    ExpectAt(ParkX, ParkY);
    FrameFrom(60.0f);
    ExpectAt(150.0f, -400.0f);
    scene3Boss.y = -300.0f;
    FrameFrom(89.5f);
    ExpectAt(150.0f, -400.0f);
    scene3Boss.y = -300.0f;
    FrameFrom(90.0f); // 90.5: a gap
    ExpectAt(150.0f, -300.0f);
    FrameFrom(90.5f); // 91: descends at 93 px/s
    ExpectAt(150.0f, -295.35f);
    // At exactly 135 the descent runs, then the snap: the boss ends at y 0.
    scene3Boss.y = -5.0f;
    FrameFrom(134.5f);
    ExpectAt(150.0f, 0.0f);
    // At exactly 162 the snap, then the first sway step.
    FrameFrom(161.5f);
    ExpectAt(154.0f, 0.0f);
    scene3Boss.x = 200.0f;
    FrameFrom(171.0f); // 171.5: a gap
    ExpectAt(200.0f, 0.0f);
    FrameFrom(204.0f); // the fast swings stay level
    ExpectAt(205.0f, 0.0f);
    FrameFrom(245.0f); // back to the middle
    ExpectAt(150.0f, 0.0f);
    FrameFrom(320.0f);
    ExpectAt(155.0f, 0.0f);
    FrameFrom(330.0f); // 330.5: a gap
    ExpectAt(155.0f, 0.0f);
    EXPECT_FLOAT_EQ(scene3Boss.behaviourClock, 330.5f);
    FrameFrom(330.5f); // 331: back into the snap, nothing else moves
    ExpectAt(155.0f, 0.0f);
    EXPECT_FLOAT_EQ(scene3Boss.behaviourClock, 145.0f);
    FrameFrom(145.0f);
    ExpectAt(150.0f, 0.0f);
}

TEST_F(Scene3Boss, AttackClockRunsBelow980AndWrapsByGameMode) {
    Holding(980.0f);
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene3Boss.BossAttackClock, 0);
    Holding(979.9f);
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene3Boss.BossAttackClock, 1);

    // A whole cycle frame by frame: mode 1 sees 1..2300, mode 3 1..3710.
    for (int32_t mode : {1, 3}) {
        Enter();
        gameMode = mode;
        Holding(500.0f);
        int32_t frames = 0, highest = 0;
        do {
            scene3Boss.hp = 500.0f; // whatever the patterns do to the ship
            ASSERT_TRUE(h->Frame(0.001f));
            ++frames;
            if (scene3Boss.BossAttackClock > highest) highest = scene3Boss.BossAttackClock;
        } while (scene3Boss.BossAttackClock != 0 && frames < 5000);
        EXPECT_EQ(frames, mode == 1 ? 2300 : 3710) << mode;
        EXPECT_EQ(highest, mode == 1 ? 2299 : 3709) << mode; // the wrap value is seen only inside the frame
        ASSERT_TRUE(h->Frame(0.001f));
        EXPECT_EQ(scene3Boss.BossAttackClock, 1);
    }
    // Mode 2 wraps with mode 1; a mode outside 1..3 never wraps.
    Enter();
    gameMode = 2;
    Holding(500.0f);
    scene3Boss.BossAttackClock = 2299;
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene3Boss.BossAttackClock, 0);
    for (int32_t mode : {0, 4}) {
        Enter();
        gameMode = mode;
        Holding(500.0f);
        scene3Boss.BossAttackClock = 3709;
        ASSERT_TRUE(h->Frame(0.001f));
        ASSERT_TRUE(h->Frame(0.001f));
        EXPECT_EQ(scene3Boss.BossAttackClock, 3711) << mode;
    }
    // Destroyed, the clock keeps its value while the defeat runs.
    Enter();
    Holding(0.0f);
    scene3Boss.BossAttackClock = 1234;
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(scene3Boss.BossAttackClock, 1234);
    EXPECT_FLOAT_EQ(scene3Boss.defeatTimer, 1.0f);
}

TEST_F(Scene3Boss, DefeatScattersOverTheBodyAndWipesSixtyStepsToSceneFive) {
    ASSERT_TRUE(h->Frame(0.1f)); // the music starts
    Holding(0.0f);
    frameDt = 0.1f;
    kitSystem::SeedRandom(91);
    Scene3Boss_Defeat();
    ExpectScatter(scene3BossBigExplosions, scene3BossSmallExplosions, 91, 150.0f, 500, 350, 350);
    scene3Boss.defeatTimer = 0.0f;

    for (int frame = 1; frame <= 70; ++frame) {
        Holding(0.0f);
        midiOpen = 1;
        plat::ClearMidiCommandLogForTests();
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_FLOAT_EQ(scene3Boss.defeatTimer, float(frame));
        EXPECT_EQ(h->MidiLog().size(), frame > 50 && frame < 60 ? 2u : 0u) << frame;
    }
    EXPECT_EQ(currentScene, 3);

    Holding(0.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(currentScene, 5);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 60);
    EXPECT_FLOAT_EQ(scene3Boss.hp, kScene3BossStartHp);
    EXPECT_FLOAT_EQ(scene3Boss.x, ParkX);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
    // The switching frame presents the first of the 60 wipe steps.
    EXPECT_EQ(transitionCounter, 59);
    h->RunFrames(58);
    EXPECT_EQ(transitionCounter, 1);
    EXPECT_EQ(transitionStep, -1);
    h->RunFrames(1);
    EXPECT_EQ(transitionStep, 0);
}

TEST_F(Scene3Boss, BodyShowsItsSmokeAndOnlyTheLockPointsOfArrayB) {
    auto drawAt = [&](float hp, int32_t cell) {
        Holding(hp);
        scene3Boss.smokeFrame = cell;
        kitDraw::Clear();
        Scene3Boss_Draw();
    };
    drawAt(90.0f, 2); // the lower pair, cell 2 slid 56 pixels down
    EXPECT_EQ(CellShown(300, 126, imgZBAK3B, 2) + CellShown(420, 126, imgZBAK3B, 2), 2);
    EXPECT_EQ(CellShown(240, 56, imgZBAK3B, 2) + CellShown(480, 56, imgZBAK3B, 2), 0);
    EXPECT_EQ(scene3Boss.smokeFrame, 3);
    drawAt(70.0f, 9); // all four; the cell wraps to 0 after the draw
    EXPECT_EQ(CellShown(300, 322, imgZBAK3B, 9) + CellShown(240, 252, imgZBAK3B, 9) +
                  CellShown(480, 252, imgZBAK3B, 9),
              3);
    EXPECT_EQ(scene3Boss.smokeFrame, 0);
    EXPECT_EQ(scene3Boss.smokeCycle, 0); // this boss counts no smoke cycles

    scene3BossLockPointsA[1] = LockMarker{250, 420, 1, 0};
    scene3BossLockPointsB[4] = LockMarker{420, 450, 1, 0};
    scene3BossLockPointsB[2] = LockMarker{300, 500, 0, 0};
    drawAt(500.0f, 0);
    EXPECT_EQ(CellShown(420, 450, imgROCK1, 0), 1);
    EXPECT_EQ(CellShown(250, 420, imgROCK1, 0) + CellShown(300, 500, imgROCK1, 0), 0);
}
