// The stage frame of every stage scene: music and frame counter, scrolling,
// backgrounds, pausing, and the time-out that always ends a stage.
#include "harness/game_harness.h"

#include "game/bosses/boss_roster.h"
#include "game/enemies/enemy_kinds.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/state/scene_state.h"
#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"
#include "platform/display.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

HarnessOptions Quiet() {
    HarnessOptions o;
    o.fakeMidi = true;
    return o;
}

// The state a stage starts from: a new game, the world reset, this scene.
void EnterStage(GameHarness& h, int32_t scene) {
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    gameMode = 1;
    h.SetScene(scene);
    plat::ClearMidiCommandLogForTests();
}

int Opens(const std::vector<std::string>& log, const std::string& file) {
    int n = 0;
    for (const auto& line : log)
        if (line.rfind("open ", 0) == 0 && line.find(file) != std::string::npos) ++n;
    return n;
}

struct StageValues {
    int32_t scene;
    float speed;
    const char* music; // "" = none
    float timeOut;
    int32_t next;
    int32_t wipe;
    // Half-second frames from the one that reaches the time-out to the
    // switch. A boss's defeat takes 8: the first frame's draw still sees the
    // boss alive, so only the time-out's call runs (timer 5); from then on
    // the draw and the time-out both call it (+10 a frame) until it passes
    // 70. The stages still without a boss end in the first.
    int32_t endFrames;
};
const StageValues kStages[] = {
    {2, 20, "MIDI/VXTM1.MID", 10000, 3, 30, 8},  {3, 18, "MIDI/VXTM2.MID", 11000, 5, 60, 8},
    {4, 20, "MIDI/PLNK3.MID", 11000, 5, 30, 8},  {5, 16, "MIDI/VXTM3.MID", 11000, 6, 30, 8},
    {6, 14, "MIDI/VXTM4.MID", 11000, 8, 30, 8},  {7, 13, "MIDI/VX5.MID", 11000, 8, 30, 8},
    {8, 20, "MIDI/VXTM5.MID", 11000, 10, 30, 8}, {9, 20, "", 11000, 10, 60, 8},
};

} // namespace

TEST(StageFrame, EachStageScrollsAtItsSpeedWithItsMusic) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    for (const StageValues& s : kStages) {
        EnterStage(h, s.scene);
        ASSERT_TRUE(h.Frame(0.5f)) << s.scene;
        EXPECT_FLOAT_EQ(scrollDistance, s.speed * 0.5f) << s.scene;
        ASSERT_TRUE(h.Frame(0.5f));
        EXPECT_FLOAT_EQ(scrollDistance, s.speed) << s.scene;
        const auto log = h.MidiLog();
        if (*s.music) {
            EXPECT_EQ(Opens(log, s.music), 1) << s.scene; // once, on the first frame
            EXPECT_EQ(log.back(), "play midi notify");
        } else {
            EXPECT_TRUE(log.empty()) << s.scene;
        }
        // Only the stages that count frames count them.
        const bool counts = s.scene != 4 && s.scene != 7 && s.scene != 9;
        EXPECT_EQ(stageFrameCounter, counts ? 2 : 0) << s.scene;
        EXPECT_EQ(currentScene, s.scene);
    }
}

TEST(StageFrame, PausedFramesDrawNothingAndOnlySceneTwoUnpausesOnEntry) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());

    // Scene 2's entry clears the pause, the prompt and the countdown's arming.
    EnterStage(h, 2);
    pauseFlag = 1;
    continuePrompt = 1;
    countdownArmed = 1;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(pauseFlag, 0);
    EXPECT_EQ(continuePrompt, 0);
    EXPECT_EQ(countdownArmed, 0);
    EXPECT_EQ(stageFrameCounter, 1);

    // S pauses: nothing advances, nothing is presented.
    h.Press('S');
    EXPECT_EQ(pauseFlag, 1);
    const float d = scrollDistance;
    const int32_t counter = stageFrameCounter;
    const int32_t presents = plat::PresentCountForTests();
    h.SetFrameDt(1.0f);
    h.RunFrames(3);
    EXPECT_FLOAT_EQ(scrollDistance, d);
    EXPECT_EQ(stageFrameCounter, counter);
    EXPECT_EQ(plat::PresentCountForTests(), presents);
    // Y without the prompt does nothing.
    h.Press('Y');
    EXPECT_EQ(pauseFlag, 1);
    h.Press('S');
    EXPECT_EQ(pauseFlag, 0);
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(stageFrameCounter, counter + 2);

    // Scene 3 keeps a pause it enters with: no music until the first unpaused frame.
    EnterStage(h, 3);
    pauseFlag = 1;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(stageFrameCounter, 0);
    EXPECT_TRUE(h.MidiLog().empty());
    pauseFlag = 0;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(Opens(h.MidiLog(), "MIDI/VXTM2.MID"), 1);

    // Scenes 4 and 7 start their music on the entry frame, paused or not.
    EnterStage(h, 7);
    pauseFlag = 1;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(Opens(h.MidiLog(), "MIDI/VX5.MID"), 1);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(Opens(h.MidiLog(), "MIDI/VX5.MID"), 1);
    pauseFlag = 0;

    // The frame counter wraps.
    EnterStage(h, 5);
    ASSERT_TRUE(h.Frame(0.0f));
    stageFrameCounter = 100999998;
    ASSERT_TRUE(h.Frame(0.0f));
    EXPECT_EQ(stageFrameCounter, 0);
    ASSERT_TRUE(h.Frame(0.0f));
    EXPECT_EQ(stageFrameCounter, 1);
    EXPECT_EQ(Opens(h.MidiLog(), "MIDI/VXTM3.MID"), 2); // counter 1 again
}

TEST(StageFrame, BackgroundsFollowThePlainOption) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    auto run = [&](int32_t scene, int32_t plain) {
        EnterStage(h, scene);
        plainBackground = plain;
        for (Star& s : stars)
            s = Star{0, 300.0f, 10.0f, 0.0f, 100.0f};
        ASSERT_TRUE(h.Frame(0.1f));
    };
    const float layerStart = 120.0f;

    run(2, 0); // stars, then layer 1
    EXPECT_FLOAT_EQ(stars[0].y, 20.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].y, layerStart + 13.0f);
    run(2, 1); // stars alone
    EXPECT_FLOAT_EQ(stars[0].y, 20.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].y, layerStart);
    run(2, 2); // no such option: nothing
    EXPECT_FLOAT_EQ(stars[0].y, 10.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].y, layerStart);

    run(6, 0); // two layers and no stars
    EXPECT_FLOAT_EQ(stars[0].y, 10.0f);
    EXPECT_FLOAT_EQ(backStrips3[0].y, layerStart + 14.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].y, layerStart + 13.0f);
    run(5, 0);
    EXPECT_FLOAT_EQ(stars[0].y, 20.0f);
    EXPECT_FLOAT_EQ(backStrips3[0].y, layerStart + 14.0f);
    EXPECT_FLOAT_EQ(backStrips2[0].y, layerStart + 10.0f);
    run(8, 0);
    EXPECT_FLOAT_EQ(backStrips2[0].y, layerStart + 10.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].y, layerStart + 13.0f);
    run(4, 0); // layer 8 (parked on its first frame), stars over it
    EXPECT_FLOAT_EQ(stars[0].y, 20.0f);
    EXPECT_FLOAT_EQ(backStrips8[0].x, 180.0f);
    run(7, 0);
    EXPECT_FLOAT_EQ(backStrips7[0].y, layerStart + 14.0f);
    EXPECT_FLOAT_EQ(stars[0].y, 10.0f);
    run(9, 1);
    EXPECT_FLOAT_EQ(stars[0].y, 20.0f);
    EXPECT_FLOAT_EQ(backStrips2[0].y, layerStart);
}

TEST(StageFrame, TimeOutEndsEveryStage) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    for (const StageValues& s : kStages) {
        EnterStage(h, s.scene);
        ASSERT_TRUE(h.Frame(0.0f));
        // Just short of the time-out the stage goes on...
        scrollDistance = s.timeOut - s.speed * 0.5f - 0.5f;
        ASSERT_TRUE(h.Frame(0.5f));
        EXPECT_EQ(currentScene, s.scene);
        // ...and from the frame that reaches it exactly the boss is destroyed
        // and the stage ends.
        scrollDistance = s.timeOut - s.speed * 0.5f;
        plat::ClearMidiCommandLogForTests();
        midiOpen = 1;
        lives = 7;
        int32_t frames = 0;
        do {
            ASSERT_TRUE(h.Frame(0.5f));
            ++frames;
        } while (currentScene == s.scene && frames < 20);
        EXPECT_EQ(frames, s.endFrames) << s.scene;
        EXPECT_EQ(currentScene, s.next) << s.scene;
        EXPECT_EQ(transitionKind, 3);
        EXPECT_EQ(transitionLength, s.wipe) << s.scene;
        EXPECT_EQ(midiOpen, 0);
        const auto log = h.MidiLog();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[0], "stop midi");
        // The world reset ran (the rest of the frame saw distance 0); the run goes on.
        EXPECT_FLOAT_EQ(scrollDistance, 0.0f) << s.scene;
        EXPECT_EQ(stageFrameCounter, 0);
        EXPECT_EQ(lives, 7);
    }
}

TEST(StageFrame, EachStageMovesTheLockOnShotsOfItsBosses) {
    // Scenes 3 and 8 also move each other's boss's shots.
    struct Moves {
        int32_t scene;
        std::vector<int32_t> rows;
    };
    const Moves kMoves[] = {
        {2, {kScene2BossRow}},
        {3, {kScene8BossRow, kScene3BossRow}},
        {4, {kScene4BossRow}},
        {5, {kScene5BossRow}},
        {6, {kScene6BossRow}},
        {7, {kScene7BossRow}},
        {8, {kScene3BossRow, kScene8BossRow}},
        {9, {kScene9BossRow}},
    };
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    for (const Moves& m : kMoves) {
        EnterStage(h, m.scene);
        ASSERT_TRUE(h.Frame(0.0f));
        // A shot left of the field is parked by the first move that sees it.
        for (const BossRosterRow& r : kBossRoster)
            for (LockSide side : {LockSide::A, LockSide::B}) {
                LockOnShot& shot = LockOnSideOf(r, side).shots[0];
                shot = LockOnShot{};
                shot.active = 1;
                shot.x = 0.0f;
                shot.y = 200.0f;
            }
        ASSERT_TRUE(h.Frame(0.0f));
        for (int32_t row = 0; row < kBossRosterRows; ++row) {
            const bool moved = std::find(m.rows.begin(), m.rows.end(), row) != m.rows.end();
            for (LockSide side : {LockSide::A, LockSide::B})
                EXPECT_EQ(LockOnSideOf(kBossRoster[row], side).shots[0].active, moved ? 0 : 1)
                    << "scene " << m.scene << " " << kBossRoster[row].name
                    << (side == LockSide::A ? " A" : " B");
        }
    }
}

TEST(StageFrame, AFrameThatJumpsPastTheTimeOutStillEndsTheStage) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    // From the start far beyond the end in one frame.
    EnterStage(h, 2);
    ASSERT_TRUE(h.Frame(600.0f));
    EXPECT_EQ(currentScene, 3);
    // Over the whole time-out window: past the section the boss is destroyed
    // all the same, and its defeat runs on until the stage ends.
    EnterStage(h, 2);
    ASSERT_TRUE(h.Frame(0.0f));
    scrollDistance = 9990.0f;
    ASSERT_TRUE(h.Frame(6.0f));
    EXPECT_EQ(currentScene, 2);
    EXPECT_FLOAT_EQ(scene2Boss.hp, 0.0f);
    EXPECT_FLOAT_EQ(scene2Boss.defeatTimer, 60.0f);
    ASSERT_TRUE(h.Frame(6.0f));
    EXPECT_EQ(currentScene, 3);
    // From inside the window over its upper bound.
    EnterStage(h, 6);
    ASSERT_TRUE(h.Frame(0.0f));
    scrollDistance = 10999.0f;
    ASSERT_TRUE(h.Frame(10.0f));
    EXPECT_EQ(currentScene, 8);
    // Exactly on the section's end nothing of the boss runs; just past it the
    // forced defeat does.
    EnterStage(h, 2);
    ASSERT_TRUE(h.Frame(0.0f));
    scrollDistance = 10100.0f;
    scene2Boss.hp = 500.0f;
    ASSERT_TRUE(h.Frame(0.0f));
    EXPECT_FLOAT_EQ(scene2Boss.hp, 500.0f);
    EXPECT_FLOAT_EQ(scene2Boss.defeatTimer, 0.0f);
    ASSERT_TRUE(h.Frame(0.05f));
    EXPECT_FLOAT_EQ(scene2Boss.hp, 0.0f);
    EXPECT_FLOAT_EQ(scene2Boss.defeatTimer, 0.5f);
    // And from a distance the game never reaches by itself: the boss is
    // destroyed at once, and its defeat ends the stage as soon as its timer
    // can run.
    EnterStage(h, 8);
    ASSERT_TRUE(h.Frame(0.0f));
    scrollDistance = 50000.0f;
    ASSERT_TRUE(h.Frame(0.0f));
    EXPECT_EQ(currentScene, 8);
    EXPECT_FLOAT_EQ(scene8Boss.hp, 0.0f);
    ASSERT_TRUE(h.Frame(8.0f));
    EXPECT_EQ(currentScene, 10);
}

TEST(StageFrame, PowerItemWindowsContinueValuesAndThePlayerStepsOfEachStage) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    for (const StageValues& s : kStages) {
        EnterStage(h, s.scene);
        ASSERT_TRUE(h.Frame(0.0f));
        // The power item's windows are closed at both ends; scene 2's last one
        // comes 50 units earlier than everyone else's.
        auto spawnsAt = [&](float d) {
            powerItem.active = 0;
            powerItem.x = ParkX;
            powerItem.y = ParkY;
            scrollDistance = d;
            EXPECT_TRUE(h.Frame(0.0f));
            return powerItem.active == 1;
        };
        const float lastLo = s.scene == 2 ? 950.0f : 1000.0f;
        EXPECT_TRUE(spawnsAt(100.0f)) << s.scene;
        EXPECT_TRUE(spawnsAt(150.0f)) << s.scene;
        EXPECT_FALSE(spawnsAt(150.5f)) << s.scene;
        EXPECT_FALSE(spawnsAt(299.5f)) << s.scene;
        EXPECT_TRUE(spawnsAt(850.0f)) << s.scene;
        EXPECT_FALSE(spawnsAt(lastLo - 0.5f)) << s.scene;
        EXPECT_TRUE(spawnsAt(lastLo)) << s.scene;
        EXPECT_TRUE(spawnsAt(lastLo + 50.0f)) << s.scene;
        EXPECT_FALSE(spawnsAt(lastLo + 50.5f)) << s.scene;

        // Y on the continue prompt: 111 lives, the stage's bombs, score 0.
        pauseFlag = 1;
        continuePrompt = 1;
        lives = 0;
        bombStock = 0;
        score = 1234;
        h.Press('Y');
        EXPECT_EQ(pauseFlag, 0) << s.scene;
        EXPECT_EQ(lives, 111);
        EXPECT_EQ(bombStock, s.scene == 8 ? 3 : 5) << s.scene;
        EXPECT_EQ(score, 0);

        // The homing chains launch only in scenes 3, 5 and 6, and only in mode 3.
        scrollDistance = 0.0f;
        const bool chains = s.scene == 3 || s.scene == 5 || s.scene == 6;
        for (int32_t mode : {1, 3}) {
            gameMode = mode;
            enemyJPool[0].active = 1;
            homingChainClock[0][0] = 0;
            ASSERT_TRUE(h.Frame(0.0f));
            EXPECT_EQ(homingChainClock[0][0], chains && mode == 3 ? 1 : 0) << s.scene << " mode " << mode;
            enemyJPool[0].active = 0;
        }

        // A running bomb advances in every stage; in scene 2 only while the
        // narrow stream is off.
        clearEnemyShots = 1;
        narrowShotsEnabled = 1;
        bombClock = 0;
        ASSERT_TRUE(h.Frame(0.0f));
        EXPECT_EQ(bombClock, s.scene == 2 ? 0 : 1) << s.scene;
        clearEnemyShots = 0;
        bombClock = 0;

        // A burst wave leaves before the shots are moved: it has taken its
        // first step by the end of the frame that released it.
        burstActive = 1;
        burstClock = 2;
        ASSERT_TRUE(h.Frame(0.05f));
        EXPECT_EQ(burstShots[1].active, 1) << s.scene;
        EXPECT_FLOAT_EQ(burstShots[1].pathTime, 1.0f) << s.scene;
        burstActive = 0;
        burstClock = 0;
    }
}
