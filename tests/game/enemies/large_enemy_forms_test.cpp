// The three large-enemy forms on a fixed frame time: where each copy
// enters, on which frames it moves, stops, fires and leaves, where it is
// parked; hits and explosions through the player's collision code; and what
// the world reset leaves behind.
#include "large_enemy_fixture.h"

#include <cstring>

#include "game/enemies/large_enemy_weapons.h"
#include "game/player/collisions.h"
#include "game/player/player_pools.h"

namespace {

// Frames first..last move the record by (dx, dy) each and call its fire or not.
struct Band {
    int first, last;
    float dx, dy;
    bool fires;
};

// The probe record of the copy's formation drop is freed before every frame,
// so each call of the copy's fire re-arms it and shows.
template <typename Record, size_t N>
void ExpectBands(Record& r, void (*move)(), FormationDropRecord& probe, const Band (&bands)[N]) {
    for (const Band& b : bands)
        for (int n = b.first; n <= b.last; ++n) {
            const float x = r.x, y = r.y;
            probe.active = 0;
            move();
            ASSERT_EQ(r.active, 1) << "frame " << n;
            EXPECT_EQ(r.x - x, b.dx) << "frame " << n;
            EXPECT_EQ(r.y - y, b.dy) << "frame " << n;
            EXPECT_EQ(probe.active, b.fires ? 1 : 0) << "frame " << n;
        }
}

template <typename Record> void ExpectParked(const Record& r) {
    EXPECT_EQ(r.active, 0);
    EXPECT_EQ(r.x, ParkX);
    EXPECT_EQ(r.y, ParkY);
}

} // namespace

TEST_F(LargeEnemyWorld, SideCopiesEnterStopFireAndLeaveUpwardOnTheirPhaseBands) {
    kitSystem::SeedRandom(77);
    const int y0 = 50 + kitSystem::Random() % 50;
    kitSystem::SeedRandom(77);
    LargeEnemyS50L_Spawn();
    EXPECT_EQ(largeEnemyS50L.x, -20.0f);
    EXPECT_EQ(largeEnemyS50L.y, float(y0));
    // 0.703125 phase units a frame: enter to 50, fire 51..70, leave from 71.
    // clang-format off
    const Band bands[] = {{1, 71, 3.125f, 0, false}, {72, 72, 0, 0, false}, {73, 99, 0, 0, true},
                          {100, 100, 0, 0, false}, {101, 110, 3.90625f, -4.375f, false}};
    // clang-format on
    ExpectBands(largeEnemyS50L, LargeEnemyS50L_Move, largeEnemyS50LShot3Pool[0], bands);
    EXPECT_EQ(largeEnemyS50L.vx, 0.0f);
    EXPECT_EQ(largeEnemyS50LShot1Pool[0].active, 0); // the turning streams wait for the gate
    while (largeEnemyS50L.y >= -160.0f + 4.375f) {
        LargeEnemyS50L_Move();
        ASSERT_EQ(largeEnemyS50L.active, 1);
    }
    LargeEnemyS50L_Move(); // beyond y -160
    ExpectParked(largeEnemyS50L);

    // The right-hand copy starts at 640 and is parked only beyond it.
    LargeEnemyS50R_Spawn();
    LargeEnemyS50R_Move();
    EXPECT_EQ(largeEnemyS50R.x, 640.0f - 3.125f);
    largeEnemyS50R.x = 643.2f;
    LargeEnemyS50R_Move();
    ExpectParked(largeEnemyS50R);

    // With the gate open both streams leave in the first fire frame.
    difficultyExtra = 1;
    LargeEnemyS50L_Spawn();
    for (int n = 1; n <= 73; ++n) {
        EXPECT_EQ(largeEnemyS50LShot2Pool[6].active, 0);
        LargeEnemyS50L_Move();
    }
    EXPECT_EQ(largeEnemyS50LShot1Pool[0].active, 1);
    EXPECT_EQ(largeEnemyS50LShot2Pool[6].x, largeEnemyS50L.x + 85.0f);
}

TEST_F(LargeEnemyWorld, DiagonalCopiesComeDownAndASecondPassEntersWithoutSidewaysMotion) {
    const uint32_t seed = kitSystem::RandomState();
    LargeEnemyS54L_Spawn();
    EXPECT_EQ(kitSystem::RandomState(), seed); // a fixed entry height draws nothing
    EXPECT_EQ(largeEnemyS54L.x, -20.0f);
    EXPECT_EQ(largeEnemyS54L.y, -150.0f);
    // 0.625 units a frame: the band edges 40, 70 and 120 fall on frames.
    // clang-format off
    const Band bands[] = {
        {1, 64, 3.125f, 2.65625f, false}, {65, 65, 0, 0, false}, {66, 112, 0, 0, true}, {113, 113, 0, 0, false},
        {114, 192, 2.34375f, 4.375f, false}, {193, 194, 0, 0, false}, // phase 121 starts a new pass
        {195, 258, 0, 2.65625f, false}, {259, 259, 0, 0, false}, {260, 306, 0, 0, true}, {307, 307, 0, 0, false},
        {308, 321, 2.34375f, 4.375f, false}};
    // clang-format on
    ExpectBands(largeEnemyS54L, LargeEnemyS54L_Move, largeEnemyS54LShot1Pool[0], bands);
    EXPECT_EQ(largeEnemyS54L.y, 596.875f);
    LargeEnemyS54L_Move();
    ExpectParked(largeEnemyS54L);
}

TEST_F(LargeEnemyWorld, TimedStepsCountFramesAndLaterPassesRestartAtStepEight) {
    kitSystem::SeedRandom(5);
    const int x0 = 180 + kitSystem::Random() % 140;
    kitSystem::SeedRandom(5);
    LargeEnemyT60_Spawn();
    EXPECT_EQ(largeEnemyT60.x, float(x0));
    EXPECT_EQ(largeEnemyT60.y, -300.0f);
    const Band bands[] = {{1, 20, 0, 2.03125f, false},   {21, 50, 0, 0, true},
                          {51, 60, 0, 0.9375f, false},   {61, 61, 0, 0, false},
                          {62, 73, 0, 2.03125f, false},  {74, 103, 0, 0, true},
                          {104, 113, 0, 0.9375f, false}, {114, 114, 0, 0, false}};
    ExpectBands(largeEnemyT60, LargeEnemyT60_Move, largeEnemyT60Shot1Pool[0], bands);
    EXPECT_EQ(largeEnemyT60.step, 8);
}

TEST_F(LargeEnemyWorld, DescendingCopiesDrawXFirstAndAreParkedOnlyBelowSixHundred) {
    kitSystem::SeedRandom(99);
    const int x0 = 180 + kitSystem::Random() % 200;
    const int vy = 60 + kitSystem::Random() % 60;
    kitSystem::SeedRandom(99);
    LargeEnemyD51_Spawn();
    EXPECT_EQ(largeEnemyD51.x, float(x0));
    EXPECT_EQ(largeEnemyD51.y, -220.0f);
    EXPECT_EQ(largeEnemyD51.vy, float(vy));
    const uint32_t state = kitSystem::RandomState();
    largeEnemyD51.vy = 80.0f; // 1.25 px a frame
    LargeEnemyD51_Spawn();    // while it flies: no change, no draw
    EXPECT_EQ(kitSystem::RandomState(), state);
    EXPECT_EQ(largeEnemyD51.vy, 80.0f);
    for (int n = 1; n <= 656; ++n)
        LargeEnemyD51_Move();
    EXPECT_EQ(largeEnemyD51.y, 600.0f); // exactly 600 stays
    EXPECT_EQ(largeEnemyD51.active, 1);
    LargeEnemyD51_Move();
    ExpectParked(largeEnemyD51);
}

namespace {

// One narrow shot through the collision code explodes the copy; Move and
// Draw then play two passes of eight cells and park it on the 16th frame.
template <typename Record>
void ExpectOneShotExplodes(Record& r, void (*spawn)(), void (*move)(), void (*draw)(), int32_t points) {
    spawn();
    r.x = 300.0f;
    r.y = 100.0f;
    score = 0;
    narrowShots[0] = PlayerShot{370, 110, 0, 10, 1}; // 10 px up, then tested at (370, 100)
    PlayerShotsUpdate();
    narrowShots[0].active = 0;
    EXPECT_EQ(r.hit, 1);
    EXPECT_EQ(score, points);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(r.active, 1) << n;
        move();
        draw();
        EXPECT_EQ(r.explosionFrame + 8 * r.explosionCycle, n % 16) << n;
    }
    ExpectParked(r);
    EXPECT_EQ(r.hit, 0);
}

} // namespace

TEST_F(LargeEnemyWorld, OneShotExplodesASpawnedCopyButT60GivesWayOnlyToTheTwentyFifth) {
    ExpectOneShotExplodes(largeEnemyD51, LargeEnemyD51_Spawn, LargeEnemyD51_Move, LargeEnemyD51_Draw, 50);
    ExpectOneShotExplodes(largeEnemyD52, LargeEnemyD52_Spawn, LargeEnemyD52_Move, LargeEnemyD52_Draw, 50);
    ExpectOneShotExplodes(largeEnemyS53L, LargeEnemyS53L_Spawn, LargeEnemyS53L_Move, LargeEnemyS53L_Draw,
                          300);
    ExpectOneShotExplodes(largeEnemyS53R, LargeEnemyS53R_Spawn, LargeEnemyS53R_Move, LargeEnemyS53R_Draw,
                          300);
    ExpectOneShotExplodes(largeEnemyS50L, LargeEnemyS50L_Spawn, LargeEnemyS50L_Move, LargeEnemyS50L_Draw,
                          300);
    ExpectOneShotExplodes(largeEnemyS50R, LargeEnemyS50R_Spawn, LargeEnemyS50R_Move, LargeEnemyS50R_Draw,
                          300);
    ExpectOneShotExplodes(largeEnemyS54L, LargeEnemyS54L_Spawn, LargeEnemyS54L_Move, LargeEnemyS54L_Draw,
                          300);
    ExpectOneShotExplodes(largeEnemyS54R, LargeEnemyS54R_Spawn, LargeEnemyS54R_Move, LargeEnemyS54R_Draw,
                          300);
    LargeEnemyT60_Spawn();
    largeEnemyT60.x = 300.0f;
    largeEnemyT60.y = 100.0f;
    score = 0;
    for (int n = 1; n <= 25; ++n) {
        EXPECT_EQ(largeEnemyT60.hit, 0) << n;
        narrowShots[0] = PlayerShot{370, 110, 0, 10, 1};
        PlayerShotsUpdate();
    }
    EXPECT_EQ(largeEnemyT60.hit, 1);
    EXPECT_EQ(score, 500);

    // An exploding copy that Move parks can be spawned again at once; its
    // next explosion goes on from the unfinished pass.
    LargeEnemyD51_Spawn();
    largeEnemyD51.y = 599.0f;
    LargeEnemyD51_SetHit();
    for (int n = 0; n < 9; ++n)
        LargeEnemyD51_Draw();
    LargeEnemyD51_Move();
    ExpectParked(largeEnemyD51);
    LargeEnemyD51_Spawn();
    EXPECT_EQ(largeEnemyD51.active + largeEnemyD51.explosionCycle, 2);
    EXPECT_EQ(largeEnemyD51.hit, 0);
}

TEST_F(LargeEnemyWorld, WorldResetParksEveryCopyAndItsWeaponsButKeepsTheSpiralTicks) {
    difficultyExtra = 1;
    void (*spawns[])() = {LargeEnemyD51_Spawn,  LargeEnemyD52_Spawn,  LargeEnemyS53L_Spawn,
                          LargeEnemyS53R_Spawn, LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn,
                          LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn, LargeEnemyT60_Spawn};
    void (*moves[])() = {LargeEnemyD51_Move,  LargeEnemyD52_Move,  LargeEnemyS53L_Move,
                         LargeEnemyS53R_Move, LargeEnemyS50L_Move, LargeEnemyS50R_Move,
                         LargeEnemyS54L_Move, LargeEnemyS54R_Move, LargeEnemyT60_Move};
    for (auto spawn : spawns)
        spawn();
    for (int n = 0; n < 80; ++n) // every stop-and-fire and timed-step copy has fired
        for (auto move : moves)
            move();
    LargeEnemyS53L_SetHit();
    LargeEnemyS53L_Draw(); // mid-explosion
    // The S53 spirals run their ticks on; the other copies' ticks just hold values.
    for (int i = 0; i < 6; ++i)
        Stop(i).spiralTick1 = 0, Stop(i).spiralTick2 = 40 + i;
    for (int n = 0; n < 11; ++n) {
        LargeEnemyS53L_Shot1_Schedule();
        LargeEnemyS53R_Shot2_Schedule();
    }
    EXPECT_EQ(largeEnemyS53LShot1Pool[5].active + largeEnemyS54RShot1Pool[5].active, 2);
    EXPECT_EQ(largeEnemyS50RShot2Pool[3].active + largeEnemyT60Shot1Pool[0].active, 2);

    ResetWorldA();
    ResetWorldB();

    LargeEnemyRecord parked{};
    parked.x = ParkX, parked.y = ParkY;
    for (LargeEnemyRecord* r : {&largeEnemyD50, &largeEnemyD51, &largeEnemyD52})
        EXPECT_EQ(std::memcmp(r, &parked, sizeof parked), 0);
    LargeEnemyStepRecord step{};
    step.x = ParkX, step.y = ParkY;
    EXPECT_EQ(std::memcmp(&largeEnemyT60, &step, sizeof step), 0);
    for (int i = 0; i < 6; ++i) {
        LargeEnemyStopRecord stop{};
        stop.x = ParkX, stop.y = ParkY;
        stop.spiralTick1 = i == 0 ? 11 : 0;
        stop.spiralTick2 = i == 1 ? 52 : 40 + i;
        EXPECT_EQ(std::memcmp(&Stop(i), &stop, sizeof stop), 0) << i;
    }
    ExpectParked(largeEnemyS53LShot1Pool[5]);
    ExpectParked(largeEnemyS54RShot1Pool[5]);
    ExpectParked(largeEnemyS50RShot2Pool[3]);
    ExpectParked(largeEnemyT60Shot1Pool[0]);

    // The next wave starts a clean pass: sideways entry, no explosion left over.
    LargeEnemyS53L_Spawn();
    LargeEnemyS53L_Move();
    EXPECT_EQ(largeEnemyS53L.x, -20.0f + 3.125f);
    EXPECT_EQ(largeEnemyS53L.explosionCycle + largeEnemyS53L.hit, 0);
}
