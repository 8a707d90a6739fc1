// Scene 3's first waves through real stage frames: every window strict at
// both ends on scrollDistance, the families moved twice a frame, the fires
// of the play setting and the one the harder setting adds.
#include "stage_fixture.h"

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/squads.h"
#include "game/state/game_state.h"

#include <gtest/gtest.h>

namespace {

class Scene3Waves : public StageTest {
  protected:
    void SetUp() override {
        StageTest::SetUp();
        if (HasFatalFailure()) return;
        Enter(3);
        difficulty = 1; // as the title sets it
    }
    // One half-second frame (18 px/s adds exactly 9) that ends at `distance`.
    void FrameTo(float distance) {
        scrollDistance = distance - 9.0f;
        ASSERT_TRUE(h->Frame(0.5f));
        ASSERT_FLOAT_EQ(scrollDistance, distance);
    }
};

} // namespace

TEST_F(Scene3Waves, FirstWavesOpenOnlyInsideTheirStrictWindows) {
    // Kind L from 80 to 130, with its string gun in play.
    FrameTo(80.0f);
    EXPECT_EQ(CountActive(enemyLPool), 0);
    FrameTo(80.5f);
    EXPECT_EQ(CountActive(enemyLPool), 3);
    enemyLPool[0].y = 200.0f; // in the field, so its shots stay there
    FrameTo(90.0f);
    EXPECT_EQ(enemyLShot6Pool[0][0].active, 1);
    ResetWorldA();
    FrameTo(130.0f);
    EXPECT_EQ(CountActive(enemyLPool), 0);

    // The squad rising from the bottom ticks only inside 100..150, while the
    // power item falls from exactly 100 (its windows are closed).
    const int32_t ticks = squadV4ASlots[0].waveTimer;
    powerItem.active = 0;
    FrameTo(100.0f);
    EXPECT_EQ(squadV4ASlots[0].waveTimer, ticks);
    EXPECT_EQ(powerItem.active, 1);
    FrameTo(100.5f);
    EXPECT_EQ(squadV4ASlots[0].waveTimer, ticks + 1);
    FrameTo(150.0f);
    EXPECT_EQ(squadV4ASlots[0].waveTimer, ticks + 1);

    // J and K from 150 to 220, with their straight guns 5 and 6 in play and
    // no fan (that is the harder setting's, from 160 to 200).
    EXPECT_EQ(CountActive(enemyJPool) + CountActive(enemyKPool), 0);
    FrameTo(150.5f);
    EXPECT_EQ(CountActive(enemyJPool), 3);
    EXPECT_EQ(CountActive(enemyKPool), 3);
    enemyJPool[0].x = 300.0f, enemyJPool[0].y = 100.0f;
    FrameTo(160.0f);
    EXPECT_EQ(enemyJShot5Pool[0].active, 1);
    FrameTo(170.0f);
    EXPECT_EQ(enemyJShot7Pool[0].tick, 0);
    difficulty = 2;
    FrameTo(170.0f);
    EXPECT_EQ(enemyJShot7Pool[0].tick, 1);
    FrameTo(200.0f);
    EXPECT_EQ(enemyJShot7Pool[0].tick, 1);
    difficulty = 1;

    // Kind I flies at double rate, spawned or not.
    ResetWorldA();
    EnemyI_Spawn();
    enemyIPool[0].y = 100.0f;
    enemyIPool[0].vy = 60.0f;
    FrameTo(250.0f);
    EXPECT_FLOAT_EQ(enemyIPool[0].y, 160.0f);
    EXPECT_EQ(CountActive(enemyIShot2Pool), 0); // its guns wait for 300
    FrameTo(300.5f);
    EXPECT_EQ(CountActive(enemyIShot2Pool), 3);
}
