// The enemy bullet groups in play: a death and the continue through real
// stage frames, the second move of the harder setting, and the world reset.
#include "kind_shot_groups_fixture.h"

#include "harness/game_harness.h"

#include <cmath>

#include "game/enemies/aimed_shot.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/shot_string5.h"
#include "game/enemies/straight_shot.h"
#include "game/enemies/turning_string7.h"
#include "game/shell/new_game.h"
#include "game/state/scene_state.h"
#include "game/stages/schedule.h"

namespace {

// Every slot of every kind that owns one of these groups, at (x, y).
template <auto&... Pools> void PlaceSlotsOf(float x, float y) {
    auto place = [&](auto& pool) {
        for (auto& slot : pool) {
            slot.x = x;
            slot.y = y;
            slot.active = 1;
        }
    };
    (place(Pools), ...);
}

void PlaceEveryOwner(float x, float y) {
    PlaceSlotsOf<enemyAPool, enemyDPool, enemyEPool, enemyFPool, enemyGPool, enemyHPool, enemyIPool,
                 enemyJPool, enemyKPool, enemyLPool, enemyMPool, enemyNPool, enemyOPool, enemyPPool,
                 enemyQPool, enemyRPool, enemySPool, enemyTPool, enemyUPool, enemyVPool>(x, y);
}

// Runs op on every group of the four templates; returns how many there are.
template <typename Op> int ForEveryGroup(Op op) {
    int n = 0;
    for (const StraightShotGroup* g : StraightShotGroups())
        n += op(*g, StraightShotFire, StraightShotMove, StraightShotDraw);
    for (const ShotString5Group* g : ShotString5Groups())
        n += op(*g, ShotString5Fire, ShotString5Move, ShotString5Draw);
    for (const TurningString7Group* g : TurningString7Groups())
        n += op(*g, TurningString7Fire, TurningString7Move, TurningString7Draw);
    for (const auto* g : AimedShotGroups())
        n += op(*g, AimedShotFire<AimedShotRecord>, AimedShotMove<AimedShotRecord>,
                AimedShotDraw<AimedShotRecord>);
    for (const auto* g : AimedShotLongGroups())
        n += op(*g, AimedShotFire<AimedShotLongRecord>, AimedShotMove<AimedShotLongRecord>,
                AimedShotDraw<AimedShotLongRecord>);
    return n;
}

// Each record of a group, flattened.
template <typename Record> void EachRecord(std::span<Record> pool, auto fn) {
    for (Record& r : pool)
        fn(r.active, r.x, r.y);
}
template <typename Record, size_t K> void EachRecord(std::span<Record[K]> pool, auto fn) {
    for (auto& row : pool)
        for (Record& r : row)
            fn(r.active, r.x, r.y);
}

} // namespace

TEST_F(KindShotGroups, TheWorldResetParksEveryGroup) {
    PlaceEveryOwner(300.0f, 200.0f);
    int records = 0;
    const int groups = ForEveryGroup([&](const auto& g, auto fire, auto, auto) {
        fire(g);
        EachRecord(g.pool, [&](int32_t active, float, float) {
            EXPECT_EQ(active, 1);
            ++records;
        });
        return 1;
    });
    EXPECT_EQ(groups, 80);
    EXPECT_EQ(records, 170 + 155 + 42 + 23); // straight, strings of five, strings of seven, aimed

    ResetWorldA();
    ResetWorldB();
    // Every record free at the park position, and nothing left to hit the
    // ship wherever it is.
    playerX = 300.0f;
    playerY = 200.0f;
    ForEveryGroup([&](const auto& g, auto, auto move, auto draw) {
        EachRecord(g.pool, [&](int32_t active, float x, float y) {
            EXPECT_EQ(active, 0);
            EXPECT_EQ(x, -500.0f);
            EXPECT_EQ(y, 2550.0f);
        });
        move(g);
        draw(g);
        return 1;
    });
    EXPECT_EQ(playerVulnerable, 1);
}

// The bullet rows of the first stage for kinds D, E and F, as its frame runs
// them: each group moved then drawn, and when difficulty is not 1 a second
// full move.
TEST_F(KindShotGroups, TheHarderSettingMovesTheAimedShotsOfDEAndFTwice) {
    const ScheduleRow rows[] = {
        {Always(),
         nullptr,
         {EnemyD_Shot1_Move, EnemyD_Shot1_Draw, EnemyE_Shot1_Move, EnemyE_Shot1_Draw, EnemyF_Shot1_Move,
          EnemyF_Shot1_Draw}},
        {Always(), DifficultyNot1, {EnemyD_Shot1_Move, EnemyE_Shot1_Move, EnemyF_Shot1_Move}},
    };
    playerX = 300.0f;
    playerY = 500.0f;
    frameDt = 0.05f;
    for (const int32_t setting : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "difficulty " << setting);
        difficulty = setting;
        ResetWorldA();
        PlaceSlot(enemyDPool, 0, 200.0f, 100.0f);
        PlaceSlot(enemyEPool, 1, 400.0f, 100.0f);
        PlaceSlot(enemyFPool, 2, 300.0f, 50.0f);
        EnemyD_Shot1_Fire();
        EnemyE_Shot1_Fire();
        EnemyF_Shot1_Fire();
        const float dy0 = enemyDShot1Pool[0].y, ey0 = enemyEShot1Pool[1].y, fy0 = enemyFShot1Pool[2].y;
        RunSchedule(rows, 0.0f);
        // Each went one or two steps of its own heading and speed.
        const AimedShotLongRecord& d = enemyDShot1Pool[0];
        const AimedShotRecord& e = enemyEShot1Pool[1];
        const AimedShotRecord& f = enemyFShot1Pool[2];
        auto step = [](const auto& r) { return std::sin(r.angle) * r.speed * 0.05f; };
        EXPECT_NEAR((d.y - dy0) / step(d), float(setting), 1e-3);
        EXPECT_NEAR((e.y - ey0) / step(e), float(setting), 1e-3);
        EXPECT_NEAR((f.y - fy0) / step(f), float(setting), 1e-3);

        // The second move is a full one: a bullet it carries past the bottom
        // is freed, and one it carries onto the ship kills.
        enemyEShot1Pool[1].y = 600.0f - 1.5f * step(e);
        playerX = f.x + 2.0f * std::cos(f.angle) * f.speed * 0.05f - 15.0f;
        playerY = f.y + 2.0f * step(f) - 11.0f; // dy 11 after two moves, below 10 after one
        RunSchedule(rows, 0.0f);
        EXPECT_EQ(enemyEShot1Pool[1].active, setting == 1 ? 1 : 0);
        EXPECT_EQ(playerVulnerable, setting == 1 ? 1 : 0);
        playerVulnerable = 1;
        playerX = 300.0f;
        playerY = 500.0f;
    }
}

namespace {

HarnessOptions Quiet() {
    HarnessOptions o;
    o.fakeMidi = true;
    return o;
}

// Kind E's first slot stands up and to the left of the ship, and its aimed
// group fires and flies at it, as the stage would call it.
void ShootAtTheShip() {
    enemyEPool[0].x = playerX - 90.0f;
    enemyEPool[0].y = playerY - 160.0f;
    enemyEPool[0].active = 1;
    EnemyE_Shot1_Fire();
    EnemyE_Shot1_Move();
    EnemyE_Shot1_Draw();
}

} // namespace

TEST(KindShotsInPlay, AGameWithFewLivesReachesTheContinuePromptThroughEnemyBulletsAndYContinues) {
    // The options and game state this test sets, put back at its end.
    struct Restore {
        int32_t noDeath = noDeathMode, keyboard = keyboardControl, mouse = mouseControl, livesLeft = lives,
                points = score, bombs = bombStock, mode = gameMode;
        ~Restore() {
            noDeathMode = noDeath;
            keyboardControl = keyboard;
            mouseControl = mouse;
            lives = livesLeft;
            score = points;
            bombStock = bombs;
            gameMode = mode;
        }
    } restore;
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    gameMode = 1;
    keyboardControl = 1;
    mouseControl = 0;
    h.SetScene(2);
    h.SetFrameDt(1.0f / 60.0f);
    lives = 16; // one death takes them all
    h.OnFrame(ShootAtTheShip);

    // With the no-death option the bullets pass through and nothing is lost.
    noDeathMode = 1;
    h.RunFrames(120);
    EXPECT_EQ(lives, 16);
    EXPECT_EQ(continuePrompt, 0);
    EXPECT_EQ(playerVulnerable, 0); // hit, and the option keeps the ship as it is

    // Without it the hit ship explodes, loses its lives and the stage waits.
    noDeathMode = 0;
    ASSERT_TRUE(h.RunUntil([] { return continuePrompt == 1; }, 20000));
    EXPECT_EQ(lives, 0);
    EXPECT_EQ(pauseFlag, 1);
    const float distance = scrollDistance;
    h.RunFrames(10);
    EXPECT_EQ(scrollDistance, distance);

    // Y continues in place with fresh lives, bombs and score.
    score = 1234;
    h.Press('Y');
    EXPECT_EQ(continuePrompt, 0);
    EXPECT_EQ(pauseFlag, 0);
    EXPECT_EQ(lives, 111);
    EXPECT_EQ(bombStock, 5);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(currentScene, 2);
    h.RunFrames(10);
    EXPECT_GT(scrollDistance, distance);
    EXPECT_EQ(lives, 111); // under the respawn guard the bullets cost nothing

    ResetWorldA();
    ResetWorldB();
}
