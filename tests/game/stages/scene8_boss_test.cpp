// The last boss in its stage: the plain update's legs on their bounds, the
// attack clock's wrap by game mode, the attack gate, the counters its
// streams keep in its record, what its body shows, the defeat that leads to
// the ending and the time-out that forces it.
#include "stage_fixture.h"

#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class Scene8Boss : public StageTest {
  protected:
    Scene8Boss() : StageTest(8) {}
    void FrameFrom(float clock, float dt) { StageTest::FrameFrom(scene8Boss, clock, dt); }
    // One attack frame (the gate open) from the clock value `clock`.
    void AttackFrom(int32_t clock) {
        scrollDistance = 2000.0f;
        scene8Boss.hp = 1000.0f;
        scene8Boss.BossAttackClock = clock;
        ASSERT_TRUE(h->Frame(1.0f / 60));
    }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene8Boss, x, y); }
    static int32_t Counter(int32_t entry) { return scene8Boss.patternTimer[entry]; }
};

constexpr int32_t kFirstCurving = kScene8CurvingTimer;
constexpr int32_t kSpiral9 = kScene8SpiralTimer + 8;

} // namespace

TEST_F(Scene8Boss, PlainUpdateLegsMeetOnTheirBounds) {
    // The hold opens just above 0: a clock still at 0 leaves the boss parked.
    FrameFrom(0.0f, 0.0f);
    ExpectAt(ParkX, ParkY);
    FrameFrom(10.0f, 0.1f);
    ExpectAt(170.0f, -380.0f);
    // At exactly 31 the hold places it and the descent already moves it.
    FrameFrom(30.0f, 0.1f);
    ExpectAt(170.0f, -380.0f + 7.7f);
    FrameFrom(40.0f, 0.1f);
    ExpectAt(170.0f, -380.0f + 2 * 7.7f);
    // At exactly 75 it still descends; just above, the station takes over.
    scene8Boss.y = -50.0f;
    FrameFrom(74.0f, 0.1f);
    ExpectAt(170.0f, -50.0f + 7.7f);
    FrameFrom(75.0f, 0.05f);
    ExpectAt(170.0f, 0.0f);
    // 161 is still the station; 161 < c < 162 moves nothing; 162 sways.
    scene8Boss.x = 100.0f;
    FrameFrom(160.0f, 0.1f);
    ExpectAt(170.0f, 0.0f);
    FrameFrom(161.0f, 0.05f);
    ExpectAt(170.0f, 0.0f);
    FrameFrom(161.5f, 0.05f);
    ExpectAt(174.0f, 0.0f);
    // The last diamond leg closes at 240; at 241 the clock returns to 160,
    // and the next frame puts the boss back on its station.
    FrameFrom(239.5f, 0.05f);
    ExpectAt(179.0f, -2.5f);
    EXPECT_FLOAT_EQ(scene8Boss.behaviourClock, 240.0f);
    FrameFrom(240.5f, 0.05f);
    ExpectAt(179.0f, -2.5f);
    EXPECT_FLOAT_EQ(scene8Boss.behaviourClock, 160.0f);
    ASSERT_TRUE(h->Frame(0.05f));
    ExpectAt(170.0f, 0.0f);
    // A hit flash that is neither 0 nor 1 stops the script and its clock.
    scene8Boss.BossHitFlash = 2;
    FrameFrom(100.0f, 0.1f);
    EXPECT_FLOAT_EQ(scene8Boss.behaviourClock, 100.0f);
    scene8Boss.BossHitFlash = 0;
}

TEST_F(Scene8Boss, AttackClockWrapsAt3000InModeOneAnd4390InModesTwoAndThree) {
    // Mode 1: at 3000 the last spiral row runs once, then the clock wraps;
    // the next frame sees 1 and the first curving row.
    AttackFrom(2999);
    EXPECT_EQ(scene8Boss.BossAttackClock, 0);
    EXPECT_EQ(Counter(kSpiral9), 1);
    EXPECT_EQ(Counter(kFirstCurving), 0);
    ASSERT_TRUE(h->Frame(1.0f / 60));
    EXPECT_EQ(scene8Boss.BossAttackClock, 1);
    EXPECT_EQ(Counter(kSpiral9), 1);
    EXPECT_EQ(Counter(kFirstCurving), 1);

    // Mode 3 runs on past 3000 to 4390. The curving streams run from 3800
    // to the wrap and from 1 to 400 of the next cycle: 991 frames in a row.
    gameMode = 3;
    AttackFrom(2999);
    EXPECT_EQ(scene8Boss.BossAttackClock, 3000);
    AttackFrom(3798);
    int32_t running = 0;
    int32_t frames = 0;
    bool wrapped = false;
    for (;;) {
        const int32_t before = Counter(kFirstCurving);
        const int32_t clockBefore = scene8Boss.BossAttackClock;
        scene8Boss.hp = 1000.0f;
        ASSERT_TRUE(h->Frame(1.0f / 60));
        ++frames;
        if (scene8Boss.BossAttackClock < clockBefore) {
            EXPECT_EQ(clockBefore, 4389);
            wrapped = true;
        }
        if (Counter(kFirstCurving) != before)
            ++running;
        else if (running > 0)
            break;
        ASSERT_LT(frames, 1200);
    }
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(running, 991);
    EXPECT_EQ(scene8Boss.BossAttackClock, 401);
    // The drop streams, absent from mode 1, run in mode 3 (680..980).
    AttackFrom(699);
    EXPECT_EQ(scene8BossStraightDropStream1Pool[0].tick, 1);

    // Mode 2 wraps like mode 3.
    gameMode = 2;
    AttackFrom(2999);
    EXPECT_EQ(scene8Boss.BossAttackClock, 3000);
    AttackFrom(4389);
    EXPECT_EQ(scene8Boss.BossAttackClock, 0);

    // Any other mode never wraps and runs only the rows of every mode.
    gameMode = 0;
    const int32_t spiral1 = Counter(kScene8SpiralTimer);
    AttackFrom(1999);
    EXPECT_EQ(Counter(kScene8SpiralTimer), spiral1);
    AttackFrom(4389);
    EXPECT_EQ(scene8Boss.BossAttackClock, 4390);
    gameMode = 5;
    AttackFrom(2999);
    EXPECT_EQ(scene8Boss.BossAttackClock, 3000);
    ASSERT_TRUE(h->Frame(1.0f / 60));
    EXPECT_EQ(scene8Boss.BossAttackClock, 3001);
    // ...and only mode 2 or 3 drops streams.
    AttackFrom(699);
    EXPECT_EQ(scene8BossStraightDropStream1Pool[0].tick, 1);
}

TEST_F(Scene8Boss, GateAndTheRowsThatMeetAtOneClockValue) {
    // Untouched (1500) and at 1480 the clock stands; just below it runs.
    scrollDistance = 2000.0f;
    ASSERT_TRUE(h->Frame(1.0f / 60));
    EXPECT_EQ(scene8Boss.BossAttackClock, 0);
    scene8Boss.hp = 1480.0f;
    ASSERT_TRUE(h->Frame(1.0f / 60));
    EXPECT_EQ(scene8Boss.BossAttackClock, 0);
    scene8Boss.hp = 1479.9f;
    ASSERT_TRUE(h->Frame(1.0f / 60));
    EXPECT_EQ(scene8Boss.BossAttackClock, 1);
    // At 700 both 500..700 and 700..1000 hold: volleys 4 and 5 step twice.
    AttackFrom(699);
    EXPECT_EQ(scene8BossTimedVolley4Pool[0].tick, 2);
    EXPECT_EQ(scene8BossTimedVolley5Pool[0].tick, 2);
    AttackFrom(700);
    EXPECT_EQ(scene8BossTimedVolley4Pool[0].tick, 3);
    // Ring burst 4 wraps at 100 before its tests: its tenth ring never leaves.
    for (int32_t k = 0; k < 300; ++k)
        Scene8Boss_AimedRingBurst4_Schedule();
    for (int32_t i = 0; i < 300; ++i)
        EXPECT_EQ(scene8BossAimedRingBurst4Pool[i].active, i < 270 ? 1 : 0) << i;
}

TEST_F(Scene8Boss, EveryStreamKeepsItsOwnCounterAndItsSkippedRecords) {
    // Each schedule steps its own entry of the boss's pattern timers and no other.
    using Call = void (*)();
    const Call schedules[18] = {
        Scene8Boss_SpiralStream1_Schedule,  Scene8Boss_SpiralStream2_Schedule,
        Scene8Boss_SpiralStream3_Schedule,  Scene8Boss_SpiralStream4_Schedule,
        Scene8Boss_SpiralStream5_Schedule,  Scene8Boss_SpiralStream6_Schedule,
        Scene8Boss_SpiralStream7_Schedule,  Scene8Boss_SpiralStream8_Schedule,
        Scene8Boss_SpiralStream9_Schedule,  Scene8Boss_SpiralStream10_Schedule,
        Scene8Boss_CurvingStream1_Schedule, Scene8Boss_CurvingStream2_Schedule,
        Scene8Boss_CurvingStream3_Schedule, Scene8Boss_CurvingStream4_Schedule,
        Scene8Boss_CurvingStream5_Schedule, Scene8Boss_CurvingStream6_Schedule,
        Scene8Boss_CurvingStream7_Schedule, Scene8Boss_CurvingStream8_Schedule,
    };
    for (int32_t s = 0; s < 18; ++s) {
        schedules[s]();
        for (int32_t e = 0; e < 18; ++e)
            EXPECT_EQ(Counter(e), e <= s ? 1 : 0) << "schedule " << s << " entry " << e;
    }
    // With the boss on its station (the reset parks it).
    ResetWorldB();
    scene8Boss.x = 170.0f;
    scene8Boss.y = 0.0f;
    // A 36-record spiral never launches records 0 and 35; its counter
    // wraps from 359 to 10, and record 1 comes at 20.
    for (int32_t k = 0; k < 350; ++k)
        Scene8Boss_SpiralStream1_Schedule();
    for (int32_t i = 0; i < 36; ++i)
        EXPECT_EQ(scene8BossSpiralStream1Pool[i].active, i >= 1 && i <= 34 ? 1 : 0) << i;
    ResetWorldB();
    scene8Boss.x = 170.0f;
    scene8Boss.y = 0.0f;
    scene8Boss.patternTimer[0] = 358;
    for (int32_t k = 0; k < 11; ++k)
        Scene8Boss_SpiralStream1_Schedule();
    EXPECT_EQ(Counter(0), 19);
    EXPECT_EQ(std::count_if(std::begin(scene8BossSpiralStream1Pool), std::end(scene8BossSpiralStream1Pool),
                            [](const SpiralStreamRecord& r) { return r.active != 0; }),
              0);
    Scene8Boss_SpiralStream1_Schedule();
    EXPECT_EQ(scene8BossSpiralStream1Pool[1].active, 1);
    // The 108-record form flies one shot a call in three turns, without
    // records 0, 36, 72 and 107; the shots stand still between the calls.
    ResetWorldB();
    scene8Boss.x = 170.0f;
    scene8Boss.y = 0.0f;
    for (int32_t k = 0; k < 108; ++k)
        Scene8Boss_SpiralStream10_Schedule();
    for (int32_t i = 0; i < 108; ++i) {
        const bool flies = i != 0 && i != 36 && i != 72 && i != 107;
        EXPECT_EQ(scene8BossSpiralStream10Pool[i].active, flies ? 1 : 0) << i;
    }
    EXPECT_EQ(Counter(9), 0);
    // Its launch point: boss x + 215 + 80, boss y + 130.
    EXPECT_FLOAT_EQ(scene8BossSpiralStream10Pool[1].x, 465.0f);
    EXPECT_FLOAT_EQ(scene8BossSpiralStream10Pool[1].y, 130.0f);
}

TEST_F(Scene8Boss, BodyShowsTwoFlamesAt90FourAt70BothLockArraysAndExplodesOverItself) {
    // 1 shown, 0 absent, -1 neither.
    auto shown = [&](int32_t x, int32_t y, int32_t img, int32_t cell) {
        const int32_t size = img == imgROCK1 ? 60 : 80;
        const PictureMatch m =
            MatchPicture(h->BackBuffer(), x, y, img, cell * size, 0, cell * size + size, size);
        return m.Shown() ? 1 : m.Absent() ? 0 : -1;
    };
    auto drawAt = [&](float hp, int32_t cell) {
        scene8Boss.x = 170.0f;
        scene8Boss.y = 0.0f;
        scene8Boss.hp = hp;
        scene8Boss.smokeFrame = cell;
        kitDraw::Clear();
        Scene8Boss_Draw();
    };
    // Cell 2 slides the flames 56 pixels down: the inner pair of the first
    // picture, then the outer pair of the second.
    auto inner = [&] { return shown(320, 116, imgZBAK3B, 2) + shown(400, 116, imgZBAK3B, 2); };
    auto outer = [&] { return shown(240, 66, imgZBAK4B, 2) + shown(480, 66, imgZBAK4B, 2); };
    drawAt(90.5f, 2);
    EXPECT_EQ(inner() + outer(), 0);
    drawAt(90.0f, 2);
    EXPECT_EQ(inner(), 2);
    EXPECT_EQ(outer(), 0);
    drawAt(70.0f, 2);
    EXPECT_EQ(inner() + outer(), 4);
    drawAt(0.0f, 2); // destroyed: no flames, only the explosions
    EXPECT_EQ(outer(), 0);

    // Locked points of both arrays show; an unlocked one does not.
    scene8BossLockPointsA[1] = LockMarker{250, 420, 1, 0};
    scene8BossLockPointsB[5] = LockMarker{420, 450, 1, 0};
    scene8BossLockPointsB[2] = LockMarker{330, 500, 0, 0};
    drawAt(500.0f, 0);
    EXPECT_EQ(shown(250, 420, imgROCK1, 0) + shown(420, 450, imgROCK1, 0), 2);
    EXPECT_EQ(shown(330, 500, imgROCK1, 0), 0);

    // The explosions jump over the 460 x 320 body, x drawn before y.
    scene8Boss.hp = 0.0f;
    kitSystem::SeedRandom(57);
    Scene8Boss_Defeat();
    kitSystem::SeedRandom(57);
    auto expectScatter = [](const BossExplosion& e, int left) {
        const int x = kitSystem::Random() % 460 - left;
        EXPECT_FLOAT_EQ(e.x, 170.0f + x);
        EXPECT_FLOAT_EQ(e.y, float(kitSystem::Random() % 320));
    };
    for (const BossExplosion& e : scene8BossBigExplosions)
        expectScatter(e, 100);
    for (const BossExplosion& e : scene8BossSmallExplosions)
        expectScatter(e, 40);
}

TEST_F(Scene8Boss, DefeatStopsTheMusicResetsTheWorldAndWipesToTheEnding) {
    scrollDistance = 2000.0f;
    ASSERT_TRUE(h->Frame(0.0f));
    scene8Boss.hp = 0.0f;
    midiOpen = 1;
    plat::ClearMidiCommandLogForTests();
    // Half-second frames: the timer passes 70 on the fifteenth.
    for (int32_t f = 1; f <= 14; ++f) {
        scrollDistance = 2000.0f;
        ASSERT_TRUE(h->Frame(0.5f));
        ASSERT_EQ(currentScene, 8) << f;
    }
    EXPECT_FLOAT_EQ(scene8Boss.defeatTimer, 70.0f);
    const auto log = h->MidiLog();
    EXPECT_NE(std::find(log.begin(), log.end(), std::string("stop midi")), log.end());
    scrollDistance = 2000.0f;
    ASSERT_TRUE(h->Frame(0.5f));
    EXPECT_EQ(currentScene, 10);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_EQ(transitionStep, -1);
    EXPECT_FLOAT_EQ(scene8Boss.hp, kScene8BossStartHp);
    EXPECT_FLOAT_EQ(scene8Boss.x, ParkX);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
}

TEST_F(Scene8Boss, TimeOutFromElevenThousandDestroysItWhateverItsHp) {
    // Just short of 11000 after the frame's advance: untouched.
    scrollDistance = 10999.0f - 20.0f * 0.5f;
    ASSERT_TRUE(h->Frame(0.5f));
    EXPECT_FLOAT_EQ(scene8Boss.hp, kScene8BossStartHp);
    // Exactly 11000: hp forced to 0 after the draw, which still saw it alive,
    // so only the time-out's call runs this frame.
    scrollDistance = 11000.0f - 20.0f * 0.5f;
    ASSERT_TRUE(h->Frame(0.5f));
    EXPECT_FLOAT_EQ(scene8Boss.hp, 0.0f);
    EXPECT_FLOAT_EQ(scene8Boss.defeatTimer, 5.0f);
    // From then on the draw and the time-out both run it: twice per frame.
    ASSERT_TRUE(h->Frame(0.5f));
    EXPECT_FLOAT_EQ(scene8Boss.defeatTimer, 15.0f);
    // Still inside the section near its top end, the time-out holds.
    scene8Boss.hp = 1000.0f;
    scrollDistance = 11099.0f - 20.0f * 0.01f;
    ASSERT_TRUE(h->Frame(0.01f));
    EXPECT_FLOAT_EQ(scene8Boss.hp, 0.0f);
    int32_t frames = 0;
    while (currentScene == 8 && frames < 20) {
        scrollDistance = 11000.0f;
        ASSERT_TRUE(h->Frame(0.5f));
        ++frames;
    }
    EXPECT_EQ(currentScene, 10);
}
