// The first boss's attack table through real stage frames, seen through the
// patterns' own counters: the wrap at 4300 and the first frames of the next
// cycle, a whole cycle's calls, the drop streams' mode gate, and the rows
// that only the harder settings run.
#include "stage_fixture.h"

#include "game/enemies/enemy_shots.h"
#include "game/enemies/large_enemies.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/state/game_state.h"
#include "kit/draw/present.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr float kDt = 1.0f / 60.0f;

class Scene2Attacks : public StageTest {
  protected:
    // A new game entered straight into scene 2, the boss holding its place
    // with its attack gate open.
    void Enter(int32_t mode, int32_t diff = 1, int32_t extra = 0) {
        StageTest::Enter(2, mode);
        difficulty = diff;
        difficultyExtra = extra;
        Holding(scene2Boss, 180.0f, 140.0f, 500.0f);
    }
    // One frame whose raised clock is `clock`.
    void FrameAt(int32_t clock) {
        scene2Boss.BossAttackClock = clock - 1;
        ASSERT_TRUE(h->Frame(kDt));
    }
    static std::array<int32_t, 12> Timers() {
        std::array<int32_t, 12> t{};
        for (int i = 0; i < 12; ++i)
            t[i] = scene2Boss.patternTimer[i];
        return t;
    }
    // A record cleared, then placed, active or free.
    template <typename Record> static void Live(Record& r, float x, float y, int32_t active) {
        r = Record{};
        r.x = x;
        r.y = y;
        r.active = active;
    }
};

} // namespace

TEST_F(Scene2Attacks, ClockWrapsAfter4300AndTheNextCycleStartsWithTheFirstFanAndSpirals) {
    Enter(1);
    // Timers 0..5 are spirals 1, 2, 3, 5, 4, 6.
    const auto before = Timers();
    const int32_t fan = scene2BossBigFanVolley1Pool[0].tick;
    FrameAt(4300);
    EXPECT_EQ(scene2Boss.BossAttackClock, 0);
    auto t = Timers();
    EXPECT_EQ(t[0], before[0] + 1); // spirals 1 and 2: 1400..4300
    EXPECT_EQ(t[1], before[1] + 1);
    EXPECT_EQ(t[4], before[4] + 1); // spirals 4 and 6: 2000..4300
    EXPECT_EQ(t[5], before[5] + 1);
    EXPECT_EQ(t[2], before[2]); // spirals 3 and 5 closed at 3000
    EXPECT_EQ(t[3], before[3]);
    EXPECT_EQ(scene2BossBigFanVolley1Pool[0].tick, fan);

    // No frame sees 0: the next one is 1, where the first fan and spirals 3
    // and 5 start again and the other four spirals rest.
    ASSERT_TRUE(h->Frame(kDt));
    EXPECT_EQ(scene2Boss.BossAttackClock, 1);
    const auto after = Timers();
    EXPECT_EQ(after[2], t[2] + 1);
    EXPECT_EQ(after[3], t[3] + 1);
    for (int i : {0, 1, 4, 5})
        EXPECT_EQ(after[i], t[i]) << i;
    EXPECT_EQ(scene2BossBigFanVolley1Pool[0].tick, fan + 1);
}

TEST_F(Scene2Attacks, DropStreamsFireOnlyInModeThreeAndOnlyFrom20To280) {
    for (int32_t mode : {1, 3}) {
        SCOPED_TRACE(mode);
        Enter(mode);
        scene2Boss.BossAttackClock = 17;
        int armedAt = 0;
        for (int32_t clock = 18; clock <= 282; ++clock) {
            const int32_t tick = scene2BossStraightDropStream1Pool[0].tick;
            const int32_t tick2 = scene2BossStraightDropStream2Pool[0].tick;
            ASSERT_TRUE(h->Frame(kDt));
            ASSERT_EQ(scene2Boss.BossAttackClock, clock);
            scene2Boss.hp = 500.0f;
            const bool open = mode == 3 && clock >= 20 && clock <= 280;
            ASSERT_EQ(scene2BossStraightDropStream1Pool[0].tick != tick, open) << clock;
            ASSERT_EQ(scene2BossStraightDropStream2Pool[0].tick != tick2, open) << clock;
            if (!armedAt && scene2BossStraightDropStream1Pool[0].active == 1) armedAt = clock;
        }
        // The first shot drops on the stream's tenth tick.
        EXPECT_EQ(armedAt, mode == 3 ? 29 : 0);
    }
}

TEST_F(Scene2Attacks, HarderSettingsAddAimedShotsAndSecondMoves) {
    struct Setting {
        int32_t difficulty, extra;
        bool aimed, volleyTwice, dropTwice, shotTwice;
    };
    const Setting settings[] = {
        {1, 0, false, false, false, false},
        {2, 0, true, false, false, true},
        {1, 1, true, true, true, false},
    };
    for (const Setting& s : settings) {
        SCOPED_TRACE(testing::Message() << "difficulty " << s.difficulty << " extra " << s.extra);
        Enter(1, s.difficulty, s.extra);
        // Pools 1 and 2 arm in 100..200 and 400..500 only.
        for (int32_t clock : {99, 100, 200, 201, 399, 400, 500, 501}) {
            for (auto* pool : {scene2BossAimedShotPool1Pool, scene2BossAimedShotPool2Pool})
                for (int i = 0; i < 5; ++i)
                    Live(pool[i], ParkX, ParkY, 0);
            FrameAt(clock);
            const bool in = (clock >= 100 && clock <= 200) || (clock >= 400 && clock <= 500);
            EXPECT_EQ(scene2BossAimedShotPool1Pool[4].active, s.aimed && in ? 1 : 0) << clock;
            EXPECT_EQ(scene2BossAimedShotPool2Pool[4].active, s.aimed && in ? 1 : 0) << clock;
        }

        // The second moves, in a frame with the gate shut and no wave open:
        // a boss volley of threes, a formation drop of the large enemies and
        // an aimed shot of kind F, each falling straight down.
        scene2Boss.hp = kScene2BossStartHp;
        Live(scene2BossTimedVolley3Pool[0], 300, 100, 1);
        Live(largeEnemyS53LShot3Pool[0], 350, 100, 1);
        Live(enemyFShot1Pool[0], 400, 100, 1);
        enemyFShot1Pool[0].angle = 1.5707964f; // straight down
        enemyFShot1Pool[0].speed = 60.0f;
        ASSERT_TRUE(h->Frame(0.1f));
        EXPECT_FLOAT_EQ(scene2BossTimedVolley3Pool[0].y, s.volleyTwice ? 124.0f : 112.0f);
        EXPECT_FLOAT_EQ(largeEnemyS53LShot3Pool[0].y, s.dropTwice ? 128.0f : 114.0f);
        EXPECT_NEAR(enemyFShot1Pool[0].y, s.shotTwice ? 112.0f : 106.0f, 1e-3f);
    }
}
