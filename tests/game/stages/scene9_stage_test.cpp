// Scene 9 entered through a scene switch: its waves, its boss's entrance and
// defeat with the long wipe to the ending, the attack rows on their bounds and
// at the wrap, and the scratch image its body shows.
#include "stage_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/assets.h"
#include "kit/draw/image.h"

#include <array>

TEST_F(UnplayedStage, SceneNinePlaysToItsBossAndItsDefeatWipesSlowlyToTheEnding) {
    EnterBySwitch(9);
    bool waveI = false, waveL = false;
    while (scrollDistance < 1800.0f) {
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_EQ(currentScene, 9);
        ASSERT_FLOAT_EQ(scene9Boss.x, ParkX);
        waveI |= AnyActive(enemyIPool);
        waveL |= AnyActive(enemyLPool);
    }
    EXPECT_TRUE(waveI && waveL);
    EXPECT_TRUE(h->MidiLog().empty()); // a stage without music
    ASSERT_FLOAT_EQ(scrollDistance, 1800.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_FLOAT_EQ(scene9Boss.x, 160.0f);
    EXPECT_FLOAT_EQ(scene9Boss.y, -400.0f);
    h->RunFrames(74);
    EXPECT_FLOAT_EQ(scene9Boss.y, 0.0f);

    ShootAt(scene9Boss, 9);
    int32_t frames = 0, clockAtLastHit = 0;
    bool ringSeen = false;
    while (currentScene == 9) {
        ASSERT_TRUE(h->Frame(0.1f));
        ASSERT_LT(++frames, 400);
        if (currentScene == 9 && scene9Boss.hp > 0.0f) clockAtLastHit = scene9Boss.BossAttackClock;
        ringSeen |= AnyActive(scene8BossAimedRingBurst5Pool);
    }
    // 1220 hp at 10 a frame; below 1200 from the fourth frame on.
    EXPECT_EQ(clockAtLastHit, 118);
    EXPECT_EQ(frames, 122 + 71);
    EXPECT_FALSE(ringSeen);
    EXPECT_EQ(currentScene, 10);
    EXPECT_EQ(transitionLength, 60);
    EXPECT_FLOAT_EQ(scene9Boss.hp, kScene9BossStartHp);
    // The switching frame showed the first of 60 wipe steps.
    EXPECT_EQ(transitionCounter, 59);
    h->RunFrames(58);
    EXPECT_EQ(transitionCounter, 1);
    h->RunFrames(1);
    EXPECT_EQ(transitionStep, 0);
}

TEST_F(UnplayedStage, SceneNineAttackRowsMeetOnTheirBoundsAndWrapAfter1220) {
    EnterBySwitch(9);
    ASSERT_TRUE(h->Frame(0.0f));
    using Ticks = std::array<int32_t, 4>;
    auto ticks = [] {
        return Ticks{scene9BossTimedVolley1Pool[0].tick, scene9BossTimedVolley2Pool[0].tick,
                     scene9BossTimedVolley4Pool[0].tick, scene8BossAimedRingBurst5Pool[0].tick};
    };
    // Which of volleys 1, 2 and 4 and the scene-8 ring burst the frame that
    // raises the clock from `before` schedules.
    auto frameFrom = [&](int32_t before, float hp) {
        return TicksRun(scene9Boss, 160.0f, before, hp, ticks);
    };
    EXPECT_EQ(frameFrom(18, 1200.0f), (Ticks{0, 0, 0, 0}));
    EXPECT_EQ(scene9Boss.BossAttackClock, 18);
    EXPECT_EQ(frameFrom(18, 1199.9f), (Ticks{0, 0, 0, 0}));
    EXPECT_EQ(frameFrom(19, 1199.9f), (Ticks{0, 0, 1, 0}));
    EXPECT_EQ(frameFrom(79, 1199.9f), (Ticks{0, 1, 1, 0}));
    EXPECT_EQ(frameFrom(259, 1199.9f), (Ticks{1, 0, 0, 1}));
    frameFrom(1218, 1199.9f);
    EXPECT_EQ(scene9Boss.BossAttackClock, 1219);
    EXPECT_EQ(frameFrom(1219, 1199.9f), (Ticks{0, 1, 1, 0})); // 1220 still runs, then wraps
    EXPECT_EQ(scene9Boss.BossAttackClock, 0);
    EXPECT_EQ(frameFrom(0, 1199.9f), (Ticks{0, 0, 0, 0}));
    EXPECT_EQ(scene9Boss.BossAttackClock, 1);
    // The ring burst runs from the parked scene-8 boss: culled at once.
    for (AimedRingBurstRecord& r : scene8BossAimedRingBurst5Pool)
        r.tick = 29;
    frameFrom(300, 1199.9f);
    EXPECT_FLOAT_EQ(scene8BossAimedRingBurst5Pool[29].speed, 100.0f); // launched
    EXPECT_FALSE(AnyActive(scene8BossAimedRingBurst5Pool));

    // The drop shots arm at 1140 and 1200 but not at 1201, and only parked
    // records: one armed at 1140 stays where it is through 1200.
    frameFrom(1138, 1199.9f);
    EXPECT_EQ(scene9BossPairedDropShot1Pool[0].active, 0);
    frameFrom(1139, 1199.9f);
    EXPECT_EQ(scene9BossPairedDropShot1Pool[0].active + scene9BossPairedDropShot9Pool[3].active, 2);
    EXPECT_FLOAT_EQ(scene9BossPairedDropShot1Pool[0].x, 392.0f);
    EXPECT_FLOAT_EQ(scene9BossPairedDropShot7Pool[0].y, 110.0f);
    scene9BossPairedDropShot1Pool[0].y = 300.0f;
    frameFrom(1199, 1199.9f);
    EXPECT_FLOAT_EQ(scene9BossPairedDropShot1Pool[0].y, 300.0f);
    scene9BossPairedDropShot2Pool[0].active = 0;
    frameFrom(1200, 1199.9f);
    EXPECT_EQ(scene9BossPairedDropShot2Pool[0].active, 0);
}

TEST_F(UnplayedStage, SceneNineBodyShowsTheScratchImageAndOnlyLockArrayA) {
    EnterBySwitch(9);
    h->RunUntilTransitionDone();
    ASSERT_EQ(imgScene9Boss, 0);
    constexpr uint16_t kLeft = 0x07E0, kRight = 0x001F;
    const plat::Rect left = {0, 0, 40, 600};
    plat::FillRect(imageTable[0].surface, nullptr, kRight);
    plat::FillRect(imageTable[0].surface, &left, kLeft);
    plainBackground = 2;
    playerX = 200.0f;
    playerY = 520.0f;

    Holding(scene9Boss, 160.0f, 80.0f, kScene9BossStartHp);
    ASSERT_TRUE(h->Frame(0.0f));
    EXPECT_EQ(Px(180, 300), kLeft); // slot 0's x 20, the body's left edge clipped
    EXPECT_EQ(Px(300, 399), kRight);
    EXPECT_EQ(Px(300, 400), 0);
    EXPECT_EQ(Px(610, 300), kRight); // no side panel in this stage

    // Locked points show from array A only.
    plat::FillRect(imageTable[0].surface, nullptr, 0);
    scene9BossLockPointsA[5] = LockMarker{250, 200, 1, 0};
    scene9BossLockPointsB[0] = LockMarker{420, 320, 1, 0};
    Holding(scene9Boss, 160.0f, 80.0f, kScene9BossStartHp);
    ASSERT_TRUE(h->Frame(0.0f));
    EXPECT_TRUE(MatchPicture(h->BackBuffer(), 250, 200, imgROCK1, 0, 0, 60, 60).Shown());
    EXPECT_TRUE(MatchPicture(h->BackBuffer(), 420, 320, imgROCK1, 0, 0, 60, 60).Absent());

    for (auto [x, y] : {std::pair{ParkX, ParkY}, {160.0f, -400.0f}, {700.0f, 590.0f}, {-470.0f, 300.0f}}) {
        Holding(scene9Boss, x, 30.5f, 80.0f);
        scene9Boss.y = y;
        ASSERT_TRUE(h->Frame(0.0f));
    }
}
