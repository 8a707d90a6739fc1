// Homing chains of game mode 3: the launch schedule, the curl, the homing and
// the strike of the last link.
#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/player/homing_chains.h"
#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "weapons_fixture.h"

namespace {

class HomingChains : public WeaponsTest {
  protected:
    void SetUp() override {
        WeaponsTest::SetUp();
        gameMode = 3;
    }

    // One frame as the mode-3 stages run it: schedules, then moves.
    static void Frame() {
        HomingChainJ_Schedule();
        HomingChainK_Schedule();
        HomingChainM_Schedule();
        HomingChainN_Schedule();
        HomingChainJ_Move();
        HomingChainK_Move();
        HomingChainM_Move();
        HomingChainN_Move();
    }

    static int ActiveLinks(HomingChain (&chains)[kHomingChains][kHomingLinks]) {
        int n = 0;
        for (auto& chain : chains)
            for (const HomingChain& l : chain)
                n += l.active != 0;
        return n;
    }
};

} // namespace

TEST_F(HomingChains, LinksLaunchCurlHomeOnALockedEnemyAndOnlyTheLastOneStrikes) {
    playerX = 540.0f;
    playerY = 500.0f;
    enemyJPool[0].active = 1;
    enemyJLockMarkers[0] = LockMarker{300, 150, 1, 0};

    float lastX[kHomingLinks] = {}, lastY[kHomingLinks] = {};
    int freedAt[kHomingLinks] = {};
    int hitAt = 0;
    for (int frame = 1; frame <= 135; ++frame) {
        Frame();
        if (frame == 1) {
            // Link 1 left the ship at (560, 510) and took its first curve step.
            const HomingChain& l = homingChainsJ[0][1];
            EXPECT_EQ(l.active, 1);
            EXPECT_FLOAT_EQ(l.x, 554.0f);
            EXPECT_FLOAT_EQ(l.y, 513.0f);
            EXPECT_EQ(homingChainsJ[0][0].active, 0); // slot 0 never flies
            EXPECT_EQ(ActiveLinks(homingChainsK), 0); // no K enemy, no K chain
        }
        if (frame <= 14) {
            EXPECT_EQ(ActiveLinks(homingChainsJ), frame) << frame;
            EXPECT_EQ(homingChainClock[kChainJ][0], frame);
        }
        if (frame == 14) {
            // The enemy's death does not stop the links already flying.
            enemyJPool[0].active = 0;
        }
        if (frame == 60) {
            // Link 1 is curling: far to the left of and above its start.
            const HomingChain& l = homingChainsJ[0][1];
            EXPECT_LT(l.x, 560.0f - 200.0f);
            EXPECT_LT(l.y, 510.0f - 100.0f);
        }
        for (int n = 1; n < kHomingLinks; ++n) {
            const HomingChain& l = homingChainsJ[0][n];
            if (l.active != 0) {
                lastX[n] = l.x;
                lastY[n] = l.y;
            } else if (freedAt[n] == 0 && frame > n) {
                freedAt[n] = frame;
            }
        }
        if (hitAt == 0 && enemyJPool[0].hit != 0) hitAt = frame;
        // Nothing strikes before the last link is spent.
        if (freedAt[14] == 0) {
            EXPECT_EQ(enemyJPool[0].hit, 0) << frame;
            EXPECT_EQ(score, 0) << frame;
        }
    }
    // Every link homed in and was spent over the marker, none lost at the edges.
    for (int n = 1; n < kHomingLinks; ++n) {
        EXPECT_GT(freedAt[n], 90) << n; // after the curl of about 90 frames
        EXPECT_NEAR(lastX[n], 320.0f, 40.0f) << n;
        EXPECT_NEAR(lastY[n], 170.0f, 40.0f) << n;
    }
    EXPECT_EQ(hitAt, freedAt[14]);
    EXPECT_EQ(enemyJPool[0].hit, 1);
    EXPECT_EQ(enemyJPool[1].hit, 0);
    EXPECT_EQ(score, Scored(300));
    EXPECT_EQ(ActiveLinks(homingChainsJ), 0);
    // The marker stays as it was: only the lock-on shots free it.
    EXPECT_EQ(enemyJLockMarkers[0].locked, 1);
    // The clock stood still once the slot died.
    EXPECT_EQ(homingChainClock[kChainJ][0], 14);
}

TEST_F(HomingChains, UnlockedChainsFlyStraightOnAndLeaveTheField) {
    // K swings to the right, then keeps its reset angle of -3 degrees.
    playerX = 200.0f;
    playerY = 500.0f;
    enemyKPool[2].active = 1;
    enemyKLockMarkers[2] = LockMarker{-500, 500, 0, 0};
    for (int frame = 1; frame <= 14; ++frame)
        Frame();
    EXPECT_EQ(ActiveLinks(homingChainsK), 14);
    EXPECT_GT(homingChainsK[2][1].x, 220.0f);
    enemyKPool[2].active = 0;
    float prevX = 0, prevY = 0;
    bool straight = false;
    for (int frame = 15; frame <= 139 && homingChainsK[2][1].active != 0; ++frame) {
        Frame();
        const HomingChain& l = homingChainsK[2][1];
        if (l.active != 0 && l.timer > 46.0f) {
            // 10 px right and 16 x sin(-3 degrees) up each frame.
            EXPECT_NEAR(l.x - prevX, 10.0f * std::cos(-3 * M_PI / 180), 1e-3);
            EXPECT_NEAR(l.y - prevY, 16.0f * std::sin(-3 * M_PI / 180), 1e-3);
            straight = true;
        }
        prevX = l.x;
        prevY = l.y;
    }
    EXPECT_TRUE(straight);
    EXPECT_EQ(homingChainsK[2][1].active, 0);
    EXPECT_EQ(homingChainsK[2][1].x, ParkX); // lost past x 620
    EXPECT_EQ(homingChainsK[2][1].timer, 0.0f);
    EXPECT_EQ(enemyKPool[2].hit, 0);
    EXPECT_EQ(score, 0);

    // J links turn by pi at every launch: alternately leftward and rightward.
    const float reset = homingChainsJ[1][5].angle;
    EXPECT_NEAR(reset, -3 * M_PI / 180, 1e-6);
    HomingChainJ_Spawn(1, 5);
    EXPECT_NEAR(homingChainsJ[1][5].angle, reset + M_PI, 1e-6);
    HomingChainJ_Spawn(1, 5); // still flying: nothing
    EXPECT_NEAR(homingChainsJ[1][5].angle, reset + M_PI, 1e-6);
    homingChainsJ[1][5].active = 0;
    HomingChainJ_Spawn(1, 5);
    EXPECT_NEAR(homingChainsJ[1][5].angle, reset + 2 * M_PI, 1e-5);
    // M, like K and N, keeps its angle.
    HomingChainM_Spawn(0, 1);
    EXPECT_NEAR(homingChainsM[0][1].angle, reset, 1e-6);
    // Indices outside the chains are ignored.
    HomingChainN_Spawn(3, 1);
    HomingChainN_Spawn(0, 15);
    HomingChainN_Spawn(-1, -1);
    EXPECT_EQ(ActiveLinks(homingChainsN), 0);
}

TEST_F(HomingChains, TheClockWrapsAt140AndWaitsWhileTheSlotIsEmpty) {
    playerX = 400.0f;
    playerY = 500.0f;
    homingChainClock[kChainM][1] = 100;
    for (int frame = 0; frame < 5; ++frame)
        HomingChainM_Schedule();
    EXPECT_EQ(homingChainClock[kChainM][1], 100); // slot free: the clock stands
    enemyMPool[1].active = 1;
    for (int frame = 1; frame <= 40; ++frame) {
        HomingChainM_Schedule();
        EXPECT_EQ(ActiveLinks(homingChainsM), 0) << frame;
    }
    EXPECT_EQ(homingChainClock[kChainM][1], 0);
    HomingChainM_Schedule();
    EXPECT_EQ(homingChainsM[1][1].active, 1);
    EXPECT_EQ(ActiveLinks(homingChainsM), 1);
}

TEST_F(HomingChains, AnyLinkOverTheMarkerIsSpentAndABombFreesThemAll) {
    playerX = 400.0f;
    playerY = 400.0f;
    // A marker, even an unlocked one, right where link 1 leaves: it is spent
    // in its first move, still curling, and scores nothing.
    enemyNLockMarkers[0] = LockMarker{410, 400, 0, 0};
    HomingChainN_Spawn(0, 1);
    HomingChainN_Move();
    EXPECT_EQ(homingChainsN[0][1].active, 0);
    EXPECT_EQ(homingChainsN[0][1].x, ParkX);
    EXPECT_GT(homingChainsN[0][1].timer, 0.0f); // kept until the next launch
    EXPECT_EQ(enemyNPool[0].hit, 0);
    EXPECT_EQ(score, 0);
    // Link 14 strikes there, whether the slot lives or not.
    HomingChainN_Spawn(0, 14);
    HomingChainN_Move();
    EXPECT_EQ(enemyNPool[0].hit, 1);
    EXPECT_EQ(score, Scored(300));

    for (int n = 1; n < kHomingLinks; ++n)
        HomingChainJ_Spawn(2, n);
    EXPECT_EQ(ActiveLinks(homingChainsJ), 14);
    clearEnemyShots = 1;
    HomingChainJ_Move();
    EXPECT_EQ(ActiveLinks(homingChainsJ), 0);
    for (const HomingChain& l : homingChainsJ[2])
        EXPECT_EQ(l.timer, 0.0f);
}

TEST_F(HomingChains, LinksDrawAsGlowsForTheLaserOnly) {
    imgVEX10 = 21;
    const uint16_t glow = SolidImage(imgVEX10, 20, 20, 64, 128, 255);
    playerX = 300.0f;
    playerY = 300.0f;
    HomingChainK_Spawn(1, 3); // at (320, 310)
    weaponType = 2;
    HomingChainK_Draw();
    EXPECT_EQ(Screen(320, 310), 0);
    weaponType = 1;
    HomingChainK_Draw();
    EXPECT_EQ(Screen(320, 310), glow); // added onto black
    EXPECT_EQ(Screen(339, 329), glow);
    EXPECT_EQ(Screen(340, 330), 0);
    // A link half over the field's edge is clipped.
    homingChainsK[1][3].x = 610.0f;
    homingChainsK[1][3].y = 590.0f;
    HomingChainK_Draw();
    EXPECT_EQ(Screen(619, 599), glow);
    EXPECT_EQ(Screen(620, 599), 0);
}
