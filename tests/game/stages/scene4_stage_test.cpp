// Scene 4 entered through a scene switch: its waves, its boss's entrance and
// defeat, the attack rows on their bounds and past the wrap, and the scratch
// image its body and side panels show.
#include "stage_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/state/assets.h"
#include "kit/draw/image.h"

#include <array>

TEST_F(UnplayedStage, SceneFourPlaysToItsBossAndItsDefeatWipesToSceneFive) {
    EnterBySwitch(4);
    bool waveA = false, waveD = false;
    // 2 units a frame: the section stays shut at exactly 1050.
    while (scrollDistance < 1050.0f) {
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_EQ(currentScene, 4);
        ASSERT_FLOAT_EQ(scene4Boss.x, ParkX);
        waveA |= AnyActive(enemyAPool);
        waveD |= AnyActive(enemyDPool);
    }
    EXPECT_TRUE(waveA && waveD);
    ASSERT_FLOAT_EQ(scrollDistance, 1050.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_FLOAT_EQ(scene4Boss.x, 180.0f);
    EXPECT_FLOAT_EQ(scene4Boss.y, -380.0f);
    // Down at 78 px/s until the hold snaps it to the top on the 75th frame.
    h->RunFrames(74);
    EXPECT_FLOAT_EQ(scene4Boss.y, 0.0f);
    EXPECT_EQ(scene4Boss.BossAttackClock, 0); // untouched, it does not attack

    ShootAt(scene4Boss, 4);
    int32_t frames = 0, clockAtLastHit = 0;
    bool scene3VolleySeen = false;
    while (currentScene == 4) {
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_LT(++frames, 300);
        if (currentScene == 4 && scene4Boss.hp > 0.0f) clockAtLastHit = scene4Boss.BossAttackClock;
        // The first scene-3 volleys run from that boss's parked record: the
        // same frame's move parks whatever they launch.
        scene3VolleySeen |= AnyActive(scene3BossTimedVolley1Pool) || AnyActive(scene3BossTimedVolley2Pool);
    }
    // 10 hp a frame, taken after the section's gate: the clock starts on the
    // third frame, the 60th hit kills, and the defeat takes 71 frames more.
    EXPECT_EQ(clockAtLastHit, 57);
    EXPECT_EQ(frames, 60 + 71);
    EXPECT_FALSE(scene3VolleySeen);
    EXPECT_EQ(currentScene, 5);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_EQ(transitionCounter, 29);
    EXPECT_FLOAT_EQ(scene4Boss.hp, kScene4BossStartHp);
    EXPECT_FLOAT_EQ(scene4Boss.x, ParkX);
}

TEST_F(UnplayedStage, SceneFourAttackRowsMeetOnTheirBoundsAndTheLastRunsOnToTheWrap) {
    EnterBySwitch(4);
    ASSERT_TRUE(h->Frame(0.0f));
    using Ticks = std::array<int32_t, 4>;
    auto ticks = [] {
        return Ticks{scene3BossTimedVolley1Pool[0].tick, scene3BossTimedVolley3Pool[0].tick,
                     scene4BossTimedVolley1Pool[0].tick, scene4BossTimedVolley2Pool[0].tick};
    };
    // Which of scene-3 volleys 1 and 3 and scene-4 volleys 1 and 2 the frame
    // that raises the clock from `before` schedules.
    auto frameFrom = [&](int32_t before, float hp) {
        return TicksRun(scene4Boss, 180.0f, before, hp, ticks);
    };
    EXPECT_EQ(frameFrom(99, 590.0f), (Ticks{0, 0, 0, 0}));
    EXPECT_EQ(scene4Boss.BossAttackClock, 99);
    EXPECT_EQ(frameFrom(99, 589.9f), (Ticks{1, 1, 0, 0})); // 100 ends one row and starts the next
    EXPECT_EQ(frameFrom(199, 589.9f), (Ticks{0, 1, 0, 1}));
    EXPECT_EQ(frameFrom(978, 589.9f), (Ticks{1, 0, 0, 0}));
    EXPECT_EQ(frameFrom(979, 589.9f), (Ticks{1, 0, 1, 0}));
    frameFrom(1098, 589.9f);
    EXPECT_EQ(scene4Boss.BossAttackClock, 1099);
    EXPECT_EQ(frameFrom(1099, 589.9f), (Ticks{1, 0, 1, 0})); // 1100 runs both, then wraps
    EXPECT_EQ(scene4Boss.BossAttackClock, 0);
    EXPECT_EQ(frameFrom(0, 589.9f), (Ticks{1, 0, 0, 0})); // 1 is not in 980..1180
    EXPECT_EQ(scene4Boss.BossAttackClock, 1);
    EXPECT_EQ(frameFrom(5, 0.0f), (Ticks{0, 0, 0, 0}));
    EXPECT_EQ(scene4Boss.BossAttackClock, 5);

    // A slanted arch: launched at (boss + 150, boss + 90..120), then in the
    // same frame spread by place, fallen 100 and slanted 90 px/s.
    for (TimedVolleyShortRecord& r : scene4BossTimedVolley2Pool)
        r.tick = 9;
    Holding(scene4Boss, 180.0f, 80.0f, 500.0f);
    scene4Boss.BossAttackClock = 249;
    ASSERT_TRUE(h->Frame(0.1f));
    const TimedVolleyShortRecord* arch = scene4BossTimedVolley2Pool;
    EXPECT_EQ(arch[0].active + arch[2].active + arch[4].active + arch[5].active, 3);
    EXPECT_FLOAT_EQ(arch[0].x, 329.0f);
    EXPECT_FLOAT_EQ(arch[0].y, 100.0f);
    EXPECT_FLOAT_EQ(arch[2].x, 339.0f);
    EXPECT_FLOAT_EQ(arch[2].y, 130.0f);
    EXPECT_FLOAT_EQ(arch[4].x, 349.0f);

    // The drop shots only when difficulty is not 1: clock 50 drops 1 and 5.
    for (int32_t d : {1, 2}) {
        difficulty = d;
        Holding(scene4Boss, 180.0f, 80.0f, 500.0f);
        scene4Boss.BossAttackClock = 49;
        ASSERT_TRUE(h->Frame(0.0f));
        EXPECT_EQ(scene4BossPairedDropShot1Pool[1].active, d == 2 ? 1 : 0);
        EXPECT_EQ(scene4BossPairedDropShot5Pool[3].active, d == 2 ? 1 : 0);
        EXPECT_EQ(scene4BossPairedDropShot2Pool[0].active, 0);
    }
    EXPECT_FLOAT_EQ(scene4BossPairedDropShot5Pool[0].x, 412.0f);
    EXPECT_FLOAT_EQ(scene4BossPairedDropShot5Pool[0].y, 200.0f);
}

TEST_F(UnplayedStage, SceneFourBodyAndSidePanelShowTheScratchImage) {
    EnterBySwitch(4);
    h->RunUntilTransitionDone();
    ASSERT_EQ(imgScene4Boss, 0);
    ASSERT_EQ(imgSidePanel, 0);
    // Slot 0 in two colours side by side, split at its x 40.
    constexpr uint16_t kLeft = 0x07E0, kRight = 0x001F;
    const plat::Rect left = {0, 0, 40, 600};
    plat::FillRect(imageTable[0].surface, nullptr, kRight);
    plat::FillRect(imageTable[0].surface, &left, kLeft);
    plainBackground = 2; // nothing under it
    playerX = 200.0f;
    playerY = 520.0f;

    Holding(scene4Boss, 180.0f, 80.0f, kScene4BossStartHp);
    ASSERT_TRUE(h->Frame(0.0f));
    EXPECT_EQ(Px(185, 300), kLeft); // the body's top-left 440x380 of slot 0
    EXPECT_EQ(Px(400, 300), kRight);
    EXPECT_EQ(Px(400, 379), kRight);
    EXPECT_EQ(Px(400, 380), 0);
    // The panel's 80 visible columns over the body, down to y 480.
    EXPECT_EQ(Px(545, 300), kLeft);
    EXPECT_EQ(Px(600, 300), kRight);
    EXPECT_EQ(Px(545, 479), kLeft);
    EXPECT_EQ(Px(545, 480), 0);

    // Anywhere the script or the park puts it, the body clips without harm.
    for (auto [x, y] : {std::pair{ParkX, ParkY}, {180.0f, -380.0f}, {700.0f, 590.0f}, {-460.0f, 300.0f}}) {
        Holding(scene4Boss, x, 30.5f, 80.0f); // between legs: it stays put
        scene4Boss.y = y;
        ASSERT_TRUE(h->Frame(0.0f));
    }
    EXPECT_EQ(Px(545, 100), kLeft);
}
