// Scene 7, the stage no scene switch selects: played whole from its entry to
// its boss and on into scene 8; the boss's legs on their bounds, its attack
// gate and clock wrap, the attack rows' edges, and what its body shows.
#include "stage_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/player/player_pools.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Scene7 : public StageTest {
  protected:
    Scene7() : StageTest(7) {}
    void Enter() { StageTest::Enter(7); }
    // 0.05 s steps the behaviour clock by exactly 0.5.
    void FrameFrom(float clock) { StageTest::FrameFrom(scene7Boss, clock, 0.05f); }
    // The boss holding its place with this hp, for the next frame.
    static void Holding(float hp) { StageTest::Holding(scene7Boss, 170.0f, 140.0f, hp); }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene7Boss, x, y); }
};

int Opens(const std::vector<std::string>& log, const std::string& file) {
    int n = 0;
    for (const auto& line : log)
        if (line.rfind("open ", 0) == 0 && line.find(file) != std::string::npos) ++n;
    return n;
}

} // namespace

TEST_F(Scene7, PlaysFromItsEntryToItsBossWhoseDefeatWipesToSceneEight) {
    constexpr float dt = 1.0f / 30.0f;
    bool sawA = false, sawF = false, sawSquad = false, sawD51 = false;
    int frames = 0;
    while (scene7Boss.y != 0.0f) { // until the boss reaches its station
        ASSERT_TRUE(h->Frame(dt));
        ASSERT_LT(++frames, 4000);
        sawA |= enemyAPool[0].active == 1;
        sawF |= enemyFPool[0].active == 1;
        sawSquad |= squadV2ASlots[0].active == 1;
        sawD51 |= largeEnemyD51.active == 1;
        if (scrollDistance <= 1250.0f) {
            ASSERT_FLOAT_EQ(scene7Boss.x, ParkX) << frames;
        }
        ASSERT_EQ(scene7Boss.BossAttackClock, 0); // unhurt, it does not attack
    }
    EXPECT_EQ(Opens(h->MidiLog(), "MIDI/VX5.MID"), 1);
    EXPECT_TRUE(sawA && sawF && sawSquad && sawD51);
    EXPECT_NEAR(scrollDistance, 1250.0f + 13.0f * 13.5f, 1.0f); // 13.5 s into the section
    EXPECT_EQ(currentScene, 7);

    // The ship's wide shots wear it down; past 20 points it attacks, and its
    // first bolts fly from clock 30.
    h->OnFrame([] {
        if (currentScene == 7) wideShots[0] = PlayerShot{330, 100, 0, 10, 1};
    });
    bool threw = false;
    while (currentScene == 7) {
        ASSERT_TRUE(h->Frame(dt));
        ASSERT_LT(++frames, 6000);
        threw |= scene7BossLightningChain1Pool[0].active == 1;
        if (scene7Boss.hp >= 1380.0f) {
            ASSERT_EQ(scene7Boss.BossAttackClock, 0);
        }
    }
    EXPECT_TRUE(threw);
    EXPECT_EQ(currentScene, 8);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_FLOAT_EQ(scene7Boss.hp, kScene7BossStartHp);
    bool stopped = false;
    for (const auto& line : h->MidiLog())
        stopped |= line.rfind("stop", 0) == 0;
    EXPECT_TRUE(stopped);
    ASSERT_TRUE(h->Frame(dt)); // scene 8 takes over
    EXPECT_EQ(Opens(h->MidiLog(), "MIDI/VXTM5.MID"), 1);
}

TEST_F(Scene7, TheBossHoldsDescendsAndSwaysOnItsBounds) {
    FrameFrom(0.0f); // held above the field from the first frame
    ExpectAt(170.0f, -400.0f);
    scene7Boss.y = -300.0f;
    FrameFrom(89.5f); // 90: still held
    ExpectAt(170.0f, -400.0f);
    scene7Boss.y = -300.0f;
    FrameFrom(90.0f); // 90.5: a gap
    ExpectAt(170.0f, -300.0f);
    FrameFrom(90.5f); // 91: descends at 80 px/s
    ExpectAt(170.0f, -296.0f);
    scene7Boss.y = -5.0f;
    FrameFrom(134.5f); // 135: the descent, then the station
    ExpectAt(170.0f, 0.0f);
    FrameFrom(161.5f); // 162: the station, then the first sway step
    ExpectAt(174.0f, 0.0f);
    FrameFrom(204.0f); // the diamond moves on both axes
    ExpectAt(179.0f, 2.5f);
    FrameFrom(240.5f); // 241: back to 151, nothing moves
    ExpectAt(179.0f, 2.5f);
    EXPECT_FLOAT_EQ(scene7Boss.behaviourClock, 151.0f);
    ASSERT_TRUE(h->Frame(0.05f)); // and the station snaps it back
    ExpectAt(170.0f, 0.0f);
    // A flash holding anything but 0 or 1 stops the script for the frame.
    scene7Boss.BossHitFlash = 2;
    FrameFrom(100.0f);
    EXPECT_FLOAT_EQ(scene7Boss.behaviourClock, 100.0f);
}

TEST_F(Scene7, AttackClockRunsBelow1380AndWrapsAt1610InEveryMode) {
    Holding(1380.0f);
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene7Boss.BossAttackClock, 0);
    Holding(1379.9f);
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene7Boss.BossAttackClock, 1);
    EXPECT_EQ(scene7BossTimedVolley1Pool[0].tick, 1); // the row opening at 0 runs first at 1

    // A whole cycle frame by frame. Each schedule advances on every clock
    // value of its rows, ends included: the ticks after the cycle count them.
    for (int32_t mode : {1, 3, 0}) {
        Enter();
        gameMode = mode;
        Holding(500.0f);
        int32_t frames = 0;
        do {
            scene7Boss.hp = 500.0f;
            ASSERT_TRUE(h->Frame(0.001f));
            ++frames;
        } while (scene7Boss.BossAttackClock != 0 && frames < 3000);
        EXPECT_EQ(frames, 1610) << mode;
    }
    EXPECT_EQ(scene7BossTimedVolley1Pool[0].tick, (170 + 351 + 101) % 140);
    EXPECT_EQ(scene7BossTimedVolley3Pool[0].tick, (51 + 201) % 330);
    EXPECT_EQ(scene7BossTimedVolley4Pool[0].tick, (151 + 401) % 860);
    EXPECT_EQ(scene7BossTimedVolley7Pool[0].tick, (251 + 551) % 860);
    EXPECT_EQ(scene7BossAimedRingBurst1Pool[0].tick, (151 + 451) % 390);
    EXPECT_EQ(scene7BossSpreadVolleyTrail2Pool[0].tick, 201 % 150);

    // Clock 30 throws the first pair of bolts, 29 does not.
    Enter();
    Holding(500.0f);
    scene7Boss.BossAttackClock = 28;
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene7BossLightningChain2Pool[0].active, 0);
    ASSERT_TRUE(h->Frame(0.001f));
    EXPECT_EQ(scene7BossLightningChain2Pool[0].active, 1);
    EXPECT_EQ(scene7BossLightningChain3Pool[0].active, 0);
    // Destroyed, the clock keeps its value while the defeat runs.
    Holding(0.0f);
    scene7Boss.BossAttackClock = 1234;
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(scene7Boss.BossAttackClock, 1234);
    EXPECT_FLOAT_EQ(scene7Boss.defeatTimer, 1.0f);
}

TEST_F(Scene7, BodyShowsThreeFlamesAt70OrBelowOnlyLockArrayBAndExplodesOverItself) {
    auto drawAt = [&](float hp, int32_t cell) {
        Holding(hp);
        scene7Boss.smokeFrame = cell;
        kitDraw::Clear();
        Scene7Boss_Draw();
    };
    drawAt(70.0f, 2); // cell 2 slid 56 pixels down
    EXPECT_EQ(CellShown(240, 76, imgZBAK3B, 2) + CellShown(480, 76, imgZBAK3B, 2) +
                  CellShown(360, 156, imgZBAK3B, 2),
              3);
    drawAt(70.5f, 2);
    EXPECT_EQ(CellShown(240, 76, imgZBAK3B, 2) + CellShown(480, 76, imgZBAK3B, 2) +
                  CellShown(360, 156, imgZBAK3B, 2),
              0);
    scene7Boss.smokeCycle = 4;
    drawAt(500.0f, 9); // the cell wraps and the cycle with it
    EXPECT_EQ(scene7Boss.smokeFrame, 0);
    EXPECT_EQ(scene7Boss.smokeCycle, 0);

    scene7BossLockPointsA[1] = LockMarker{250, 420, 1, 0};
    scene7BossLockPointsB[8] = LockMarker{420, 450, 1, 0};
    scene7BossLockPointsB[2] = LockMarker{300, 500, 0, 0};
    drawAt(500.0f, 0);
    EXPECT_EQ(CellShown(420, 450, imgROCK1, 0), 1);
    EXPECT_EQ(CellShown(250, 420, imgROCK1, 0) + CellShown(300, 500, imgROCK1, 0), 0);

    // The explosions jump over the 460 x 330 body, x drawn before y.
    Holding(0.0f);
    kitSystem::SeedRandom(57);
    Scene7Boss_Defeat();
    ExpectScatter(scene7BossBigExplosions, scene7BossSmallExplosions, 57, 170.0f, 460, 330, 330);
}
