// Curving streams: a shot's path bracket by bracket (halting in the gaps and
// carrying on past the last bracket), the mirrored twin, the cull at 600, the
// 49-shot cycle of the schedule, and the kill test that only the killing form
// has.
#include "game/bosses/curving_stream.h"

#include <gtest/gtest.h>

#include "game/shell/world_reset.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene5/scene5_patterns.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_curving_streams.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/pool_counts.h"
#include "harness/reset_globals.h"
#include "kit/system/kit_system.h"

namespace {

class CurvingStream : public FreshGlobals {
  protected:
    void SetUp() override {
        FreshGlobals::SetUp();
        ResetWorldA();
        ResetWorldB();
        // Launch points come from the truncated boss position.
        scene5Boss.x = 180.7f;
        scene5Boss.y = 10.9f;
        scene6Boss.x = 200.2f;
        scene6Boss.y = -5.5f;
        playerX = 400.0f;
        playerY = 500.0f;
    }
    // Life grows by 20 a second: 0.05 s is one unit.
    static void Move1(float dt) {
        frameDt = dt;
        Scene5Boss_CurvingStream1_Move();
        Scene5Boss_CurvingStream2_Move();
    }
    static void ExpectShot(const CurvingShot& s, int32_t x, int32_t y) {
        EXPECT_EQ(s.x, x);
        EXPECT_EQ(s.y, y);
    }
};

// A shot of the killing form (as the last boss fires them): 20x20, one bracket.
CurvingShot killerPool[50];
int32_t killerCounter = 0;
constexpr CurvingStep kStraightDown[] = {{0, 280, 0, 6}};
constexpr CurvingStreamConsts kKiller = {
    .boss = &scene5Boss,
    .pool = killerPool,
    .counter = &killerCounter,
    .launchX = 220,
    .launchY = 60,
    .tickStep = 2,
    .lifeRate = 50.0f,
    .path = kStraightDown,
    .dxSign = 1,
    .killsPlayer = true,
    .hitBox = {10.0f, 30.0f, 20.0f, 30.0f},
    .image = &imgVEX7,
    .cell = 20,
};

} // namespace

TEST_F(CurvingStream, ShotFollowsItsBracketsHaltsInTheGapsAndKeepsItsLastStep) {
    Scene5Boss_CurvingStream1_Schedule();
    Scene5Boss_CurvingStream1_Schedule();
    Scene5Boss_CurvingStream2_Schedule();
    Scene5Boss_CurvingStream2_Schedule();
    EXPECT_EQ(scene5BossCurvingStream1Pool[1].active, 0);
    Scene5Boss_CurvingStream1_Schedule(); // the third call launches shot 1
    Scene5Boss_CurvingStream2_Schedule();
    const CurvingShot& left = scene5BossCurvingStream1Pool[1];
    const CurvingShot& right = scene5BossCurvingStream2Pool[1];
    ExpectShot(left, 180 + 135, 10 + 135);
    ExpectShot(right, 180 + 275, 10 + 135);
    EXPECT_EQ(scene5BossCurvingStream1Pool[0].active, 0);

    // Life 3.5 lies between [0, 3] and [4, 6]: no step at all.
    Move1(0.175f);
    EXPECT_FLOAT_EQ(left.life, 3.5f);
    ExpectShot(left, 315, 145);
    // From 4 the second bracket: (-6, +3) a frame, whatever the frame time.
    Move1(0.025f);
    ExpectShot(left, 309, 148);
    Move1(0.05f);
    Move1(0.05f);
    ExpectShot(left, 297, 154); // life 6
    for (int i = 0; i < 6; ++i)
        Move1(0.05f);
    ExpectShot(left, 270, 190); // life 12: three of (-6, 6), three of (-3, 6)
    for (int i = 0; i < 10; ++i)
        Move1(0.05f);
    // Life 22: straight down for three, then +1, +2, and the last bracket's +3.
    EXPECT_FLOAT_EQ(left.life, 22.0f);
    ExpectShot(left, 282, 250);
    ExpectShot(right, 455 + 33, 250); // the twin mirrors every dx

    // Aged past its last bracket (250), the shot keeps its last step and so
    // still leaves the field.
    CurvingShot& s = scene5BossCurvingStream1Pool[1];
    s.life = 249.5f;
    Move1(0.05f);
    ExpectShot(s, 285, 256);
    Move1(1.0f);
    ExpectShot(s, 288, 262);

    // 600 stays; past it the shot is freed where it stands, its life 0.
    s.y = 594;
    s.life = 30.0f;
    Move1(0.05f);
    EXPECT_EQ(s.active, 1);
    Move1(0.05f);
    EXPECT_EQ(s.active, 0);
    EXPECT_FLOAT_EQ(s.life, 0.0f);
    ExpectShot(s, 294, 606);
}

TEST_F(CurvingStream, ScheduleLaunches49ShotsACycleAndSkipsOnesStillFlying) {
    for (int i = 0; i < 150; ++i)
        Scene5Boss_CurvingStream6_Schedule();
    EXPECT_EQ(CountActive(scene5BossCurvingStream6Pool), 49);
    EXPECT_EQ(scene5BossCurvingStream6Pool[0].active, 0);
    EXPECT_EQ(scene5Boss.patternTimer[5], 0); // kept in the boss record, back at 0
    EXPECT_EQ(scene5Boss.patternTimer[0], 0);
    // Shot 1's next turn finds it flying: it keeps its place.
    scene5BossCurvingStream6Pool[1].x = 77;
    for (int i = 0; i < 3; ++i)
        Scene5Boss_CurvingStream6_Schedule();
    EXPECT_EQ(scene5Boss.patternTimer[5], 3);
    EXPECT_EQ(scene5BossCurvingStream6Pool[1].x, 77);

    // The scene-6 streams: counters 0 to 5 of their boss, launched from the
    // truncated boss + (110 or 250, 140), swinging 10 px a frame at the end.
    for (int i = 0; i < 3; ++i) {
        Scene6Boss_CurvingStream5_Schedule();
        Scene6Boss_CurvingStream6_Schedule();
    }
    EXPECT_EQ(scene6Boss.patternTimer[4], 3);
    ExpectShot(scene6BossCurvingStream5Pool[1], 200 + 110, -5 + 140);
    ExpectShot(scene6BossCurvingStream6Pool[1], 200 + 250, -5 + 140);
    scene6BossCurvingStream5Pool[1].life = 39.5f;
    scene6BossCurvingStream6Pool[1].life = 39.5f;
    frameDt = 0.05f;
    Scene6Boss_CurvingStream5_Move();
    Scene6Boss_CurvingStream6_Move();
    ExpectShot(scene6BossCurvingStream5Pool[1], 320, 141);
    ExpectShot(scene6BossCurvingStream6Pool[1], 440, 141);
}

TEST_F(CurvingStream, OnlyTheKillingFormTestsTheShip) {
    // Scenery streams pass through the ship harmlessly.
    for (int i = 0; i < 3; ++i)
        Scene5Boss_CurvingStream1_Schedule();
    for (int i = 0; i < 3; ++i)
        Scene6Boss_CurvingStream1_Schedule();
    // The ship right on the shot after its first step, then where the killing
    // form's box would reach.
    frameDt = 0.05f;
    auto pass = [](CurvingShot& s, void (*move)(), float dx) {
        s.life = 0.0f;
        playerX = float(s.x - 6) - dx;
        playerY = float(s.y) - 2.0f * dx;
        move();
    };
    for (float dx : {0.0f, 10.0f}) {
        pass(scene5BossCurvingStream1Pool[1], Scene5Boss_CurvingStream1_Move, dx);
        pass(scene6BossCurvingStream1Pool[1], Scene6Boss_CurvingStream1_Move, dx);
        EXPECT_EQ(playerVulnerable, 1);
    }

    // The killing form: its whole-pixel position against the float ship,
    // both ends of the box included.
    for (CurvingShot& s : killerPool)
        s = CurvingShot{-500, 500, 0, 0, 0.0f, 0};
    killerCounter = 0;
    CurvingStream_Schedule(kKiller);
    CurvingStream_Schedule(kKiller);
    CurvingShot& s = killerPool[1];
    ASSERT_EQ(s.active, 1);
    frameDt = 0.01f;
    s.x = 300;
    s.y = 300;
    playerX = 290.5f;
    playerY = 286.0f; // after the move: x - playerX = 9.5, y - playerY = 20
    CurvingStream_Move(kKiller);
    EXPECT_EQ(playerVulnerable, 1);
    playerX = 290.0f;
    CurvingStream_Move(kKiller); // 10 and 26 now
    EXPECT_EQ(playerVulnerable, 0);
    // A shot freed by the cull is not tested in that frame.
    playerVulnerable = 1;
    s.y = 597;
    playerY = 603.0f - 25.0f;
    playerX = 280.0f;
    CurvingStream_Move(kKiller);
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(playerVulnerable, 1);
}
