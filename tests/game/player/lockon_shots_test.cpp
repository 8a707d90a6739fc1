// Lock-on lasers and lightning: spawn, homing, arrival on enemy kinds, squads
// and boss lock points, and their pictures.
#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/squads.h"
#include "game/player/lock_sight.h"
#include "game/player/lockon_shots.h"
#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "kit/system/random.h"
#include "weapons_fixture.h"

namespace {

class LockOnShots : public WeaponsTest {
  protected:
    // Runs moves until the shot is free again; the frames it took, or -1.
    static int FramesUntilFree(void (*move)(), const LockOnShot& shot, int maxFrames = 200) {
        for (int frame = 1; frame <= maxFrames; ++frame) {
            move();
            if (shot.active == 0) return frame;
        }
        return -1;
    }

    static uint16_t Red(uint16_t p) { return p >> 11; }
    static uint16_t Green(uint16_t p) { return (p >> 5) & 63; }
    static uint16_t Blue(uint16_t p) { return p & 31; }
};

} // namespace

TEST_F(LockOnShots, ALaserHomesOnALockedEnemyAndItsArrivalStrikesOnce) {
    weaponType = 1;
    playerX = 400.0f;
    playerY = 450.0f;
    enemyBLockMarkers[0] = LockMarker{300, 100, 1, 0};
    LockOnShotB_Spawn();
    const LockOnShot& s = lockOnShotsB[0];
    EXPECT_EQ(s.active, 1);
    EXPECT_FLOAT_EQ(s.x, 420.0f);
    EXPECT_FLOAT_EQ(s.y, 460.0f);
    EXPECT_FLOAT_EQ(s.speed, 600.0f);
    EXPECT_FLOAT_EQ(s.launchClock, 0.0f);
    EXPECT_FLOAT_EQ(s.launchDX, -100.0f);
    EXPECT_FLOAT_EQ(s.launchDY, -340.0f);
    EXPECT_EQ(lockOnShotsB[1].active, 0); // unlocked markers draw no shot

    // First move: shot 0 of B swerves left by half its step and down a tenth,
    // then turns on the marker's point + 20 and flies 10 px.
    LockOnShotB_Move();
    const float ax = 320.0f - 415.0f, ay = 120.0f - 461.0f;
    const float heading = std::atan(ay / ax) + float(M_PI);
    EXPECT_NEAR(s.heading, heading, 1e-5);
    EXPECT_NEAR(s.x, 415.0f + 10.0f * std::cos(heading), 1e-3);
    EXPECT_NEAR(s.y, 461.0f + 10.0f * std::sin(heading), 1e-3);
    EXPECT_NEAR(s.launchClock, 260.0f / 60.0f, 1e-4);

    const int frames = FramesUntilFree(LockOnShotB_Move, s);
    ASSERT_GT(frames, 0);
    EXPECT_LT(frames, 60);
    EXPECT_EQ(s.x, ParkX);
    EXPECT_EQ(s.y, ParkY);
    EXPECT_FLOAT_EQ(s.launchClock, 300.0f); // the swerve ended long before
    EXPECT_EQ(enemyBPool[0].hit, 1);
    EXPECT_EQ(enemyBPool[1].hit, 0);
    const LockMarker& m = enemyBLockMarkers[0];
    EXPECT_EQ(m.locked, 0);
    EXPECT_EQ(m.x, -500);
    EXPECT_EQ(m.y, 500);
    EXPECT_EQ(score, Scored(300));
    // No second strike, and no new shot at a freed marker.
    for (int frame = 0; frame < 10; ++frame) {
        LockOnShotB_Spawn();
        LockOnShotB_Move();
    }
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(score, Scored(300));

    // Lightning shots are faster.
    weaponType = 2;
    enemyCLockMarkers[2] = LockMarker{300, 100, 1, 0};
    LockOnShotC_Spawn();
    EXPECT_FLOAT_EQ(lockOnShotsC[2].speed, 700.0f);
}

TEST_F(LockOnShots, OnlyMarkersStrictlyOnScreenAreFollowed) {
    weaponType = 1;
    playerX = 300.0f;
    playerY = 400.0f;
    enemyQLockMarkers[0] = LockMarker{540, 100, 1, 0}; // x = bound
    enemyQLockMarkers[1] = LockMarker{300, 0, 1, 0};   // y = 0
    enemyQLockMarkers[2] = LockMarker{300, 480, 1, 0}; // y = 480
    LockOnShotQ_Spawn();
    for (const LockOnShot& s : lockOnShotsQ)
        EXPECT_EQ(s.active, 0);
    enemyQLockMarkers[0].x = 539;
    LockOnShotQ_Spawn();
    EXPECT_EQ(lockOnShotsQ[0].active, 1);

    // A squad member's bound is its own: 543 for V4B, which also starts 8
    // below the ship, flies at 750 and has no launch vector.
    squadV4BLockMarkers[4] = LockMarker{542, 100, 1, 0};
    LockOnShotSquadV4B_Spawn();
    const LockOnShot& v = lockOnShotsSquadV4B[4];
    EXPECT_EQ(v.active, 1);
    EXPECT_FLOAT_EQ(v.y, 408.0f);
    EXPECT_FLOAT_EQ(v.speed, 750.0f);
    EXPECT_FLOAT_EQ(v.launchDX, 0.0f);
    EXPECT_FLOAT_EQ(v.launchDY, 0.0f);

    // A marker that leaves the screen leaves its shot flying straight on.
    LockOnShotQ_Move();
    LockOnShot& q = lockOnShotsQ[0];
    const float h = q.heading, x0 = q.x, y0 = q.y;
    enemyQLockMarkers[0].x = 540;
    LockOnShotQ_Move();
    EXPECT_EQ(q.heading, h);
    EXPECT_NEAR(q.x - x0, 10.0f * std::cos(h), 1e-3);
    EXPECT_NEAR(q.y - y0, 10.0f * std::sin(h), 1e-3);
    EXPECT_EQ(enemyQLockMarkers[0].locked, 1); // only an arrival unlocks

    // A bomb frees every shot, and the marker keeps its lock for the next pass.
    clearEnemyShots = 1;
    LockOnShotQ_Move();
    LockOnShotSquadV4B_Move();
    EXPECT_EQ(q.active, 0);
    EXPECT_EQ(v.active, 0);
    EXPECT_EQ(q.x, ParkX);
    clearEnemyShots = 0;
    enemyQLockMarkers[0].x = 539;
    LockOnShotQ_Spawn();
    EXPECT_EQ(q.active, 1);
}

TEST_F(LockOnShots, WithoutAWeaponTheShotStaysAtItsLaunchPoint) {
    weaponType = 0;
    playerX = 300.0f;
    playerY = 400.0f;
    enemyTLockMarkers[1] = LockMarker{200, 100, 1, 0};
    LockOnShotT_Spawn();
    const LockOnShot& s = lockOnShotsT[1];
    EXPECT_EQ(s.active, 1);
    EXPECT_FLOAT_EQ(s.speed, 0.0f); // left as the reset put it
    for (int frame = 0; frame < 30; ++frame)
        LockOnShotT_Move();
    EXPECT_EQ(s.active, 1);
    EXPECT_FLOAT_EQ(s.x, 320.0f);
    EXPECT_FLOAT_EQ(s.y, 410.0f);
}

TEST_F(LockOnShots, ABossPointShotStrikesTheBossOnceByItsRate) {
    playerX = 400.0f;
    playerY = 350.0f;
    scene2Boss.x = 110.0f;
    scene2Boss.y = 0.0f;
    scene2BossLockPointsA[0] = LockMarker{300, 150, 1, 0};
    SpawnBossLockOnShots(kScene2BossRow, LockSide::A);
    const LockOnShot& s = lockOnShotsScene2BossA[0];
    EXPECT_EQ(s.active, 1);
    EXPECT_FLOAT_EQ(s.x, 415.0f); // 5 left of playerX + 20
    EXPECT_FLOAT_EQ(s.y, 360.0f);
    EXPECT_FLOAT_EQ(s.speed, 600.0f);
    EXPECT_FLOAT_EQ(s.launchDX, -95.0f);
    EXPECT_FLOAT_EQ(s.launchDY, -190.0f);

    const float hp = scene2Boss.hp;
    const int frames = FramesUntilFree([] { MoveBossLockOnShots(kScene2BossRow, LockSide::A); }, s);
    ASSERT_GT(frames, 14); // the swerve alone lasts 14 frames
    EXPECT_FLOAT_EQ(scene2Boss.hp, hp - 100.0f * frameDt);
    EXPECT_EQ(scene2Boss.BossHitFlash, 1);
    EXPECT_EQ(score, Scored(300));
    EXPECT_EQ(s.x, ParkX);
    EXPECT_EQ(scene2BossLockPointsA[0].locked, 0);
    EXPECT_EQ(scene2BossLockPointsA[0].x, -500);
    EXPECT_EQ(scene2BossLockPointsA[0].y, 500);
    for (int frame = 0; frame < 10; ++frame) {
        SpawnBossLockOnShots(kScene2BossRow, LockSide::A);
        MoveBossLockOnShots(kScene2BossRow, LockSide::A);
    }
    EXPECT_FLOAT_EQ(scene2Boss.hp, hp - 100.0f * frameDt);

    // Every one of the scene-7 boss's nine points, through the sight: nine
    // strikes of 150 x frameDt, nine times 300 points, all points freed.
    score = 0;
    scene7Boss.x = 100.0f;
    scene7Boss.y = 0.0f;
    lockSightX = 300;
    lockSightY = 100;
    UpdateBossLockOn();
    SpawnBossLockOnShots(kScene7BossRow, LockSide::A);
    SpawnBossLockOnShots(kScene7BossRow, LockSide::B);
    for (const LockOnShot& shot : lockOnShotsScene7BossA)
        EXPECT_EQ(shot.active, 1);
    EXPECT_FLOAT_EQ(lockOnShotsScene7BossB[0].x, 460.0f);         // 40 right of playerX + 20
    EXPECT_FLOAT_EQ(lockOnShotsScene7BossB[0].launchClock, 0.0f); // plain form: untouched
    const float hp7 = scene7Boss.hp;
    for (int frame = 0; frame < 200; ++frame)
        MoveBossLockOnShots(kScene7BossRow, LockSide::A);
    for (int k = 0; k < kScene7BossLockPointsUsed; ++k) {
        EXPECT_EQ(lockOnShotsScene7BossA[k].active, 0) << k;
        EXPECT_EQ(scene7BossLockPointsA[k].locked, 0) << k;
        EXPECT_EQ(scene7BossLockPointsB[k].locked, 1) << k; // B's shots were not moved
    }
    EXPECT_NEAR(scene7Boss.hp, hp7 - 9 * 150.0f * frameDt, 1e-3);
    EXPECT_EQ(score, Scored(9 * 300));
}

TEST_F(LockOnShots, BossShotsSwerveTheirOwnWay) {
    playerX = 300.0f;
    playerY = 400.0f;
    // Points straight above each spawn point: the aim is straight up, so any
    // sideways motion of the first move is the swerve at full speed.
    scene4BossLockPointsB[0] = LockMarker{340, 100, 1, 0}; // spawn x 360
    scene5BossLockPointsB[0] = LockMarker{340, 100, 1, 0};
    scene5BossLockPointsA[0] = LockMarker{260, 100, 1, 0}; // spawn x 280
    scene8BossLockPointsA[0] = LockMarker{260, 100, 1, 0};
    SpawnBossLockOnShots(kScene4BossRow, LockSide::B);
    SpawnBossLockOnShots(kScene5BossRow, LockSide::B);
    SpawnBossLockOnShots(kScene5BossRow, LockSide::A);
    SpawnBossLockOnShots(kScene8BossRow, LockSide::A);
    // Point B keeps the launch vector it had; point A of a full-form boss sets it.
    EXPECT_FLOAT_EQ(lockOnShotsScene4BossB[0].launchDX, 0.0f);
    EXPECT_FLOAT_EQ(lockOnShotsScene5BossA[0].launchDX, 0.0f);
    EXPECT_FLOAT_EQ(lockOnShotsScene5BossA[0].launchDY, -290.0f);
    MoveBossLockOnShots(kScene4BossRow, LockSide::B);
    MoveBossLockOnShots(kScene5BossRow, LockSide::B);
    MoveBossLockOnShots(kScene5BossRow, LockSide::A);
    MoveBossLockOnShots(kScene8BossRow, LockSide::A);
    EXPECT_NEAR(lockOnShotsScene4BossB[0].heading, 1.5 * M_PI, 1e-5);
    EXPECT_NEAR(lockOnShotsScene4BossB[0].x, 350.0f, 1e-3); // scene 4's B swerves left too
    EXPECT_NEAR(lockOnShotsScene5BossB[0].x, 370.0f, 1e-3);
    EXPECT_NEAR(lockOnShotsScene5BossA[0].x, 270.0f, 1e-3);
    EXPECT_NEAR(lockOnShotsScene8BossA[0].x, 280.0f, 1e-3); // plain form: no swerve
    // Down 0.8 of a step, up a full step.
    EXPECT_NEAR(lockOnShotsScene5BossB[0].y, 410.0f + 8.0f - 10.0f, 1e-3);
    EXPECT_NEAR(lockOnShotsScene8BossA[0].y, 400.0f, 1e-3);

    // The swerve lasts while the launch clock is at most 60, twice the
    // enemies' phase. At 1/256 s a move the clock goes up by 1.015625 and the
    // swerve is 600/256 = 2.34375 px.
    frameDt = 1.0f / 256.0f;
    LockOnShot& s = lockOnShotsScene5BossB[0];
    auto swerve = [&](float clock) {
        s.x = 360.0f;
        s.y = 400.0f;
        s.launchClock = clock;
        MoveBossLockOnShots(kScene5BossRow, LockSide::B);
        return s.x - 360.0f;
    };
    EXPECT_NEAR(swerve(58.984375f), 2.34375f, 1e-4); // reaches 60 exactly: still swerving
    EXPECT_EQ(s.launchClock, 60.0f);
    EXPECT_NEAR(swerve(59.0f), 0.0f, 1e-4); // just past 60: straight on, and the phase is over
    EXPECT_EQ(s.launchClock, 300.0f);
}

TEST_F(LockOnShots, ALockedTargetDrawsItsBarOrItsBolt) {
    imgFLZ01_l = 22;
    const uint16_t bar = SolidImage(imgFLZ01_l, 20, 60, 255, 255, 255);
    playerX = 400.0f;
    playerY = 450.0f;
    enemyBLockMarkers[0] = LockMarker{300, 100, 1, 0};
    LockOnShot& s = lockOnShotsB[0];
    s.active = 1;
    s.x = 350.7f;
    s.y = 200.2f;
    s.launchDX = -100.0f;
    s.launchDY = -340.0f;

    weaponType = 1;
    LockOnShotB_Draw();
    EXPECT_EQ(Screen(350, 200), bar);
    EXPECT_EQ(Screen(369, 259), bar);
    EXPECT_EQ(Screen(370, 200), 0);
    EXPECT_EQ(Screen(410, 490), 0); // no bolt for the laser

    weaponType = 2;
    vextest::Fill(backBuffer, 0);
    const uint32_t before = kitSystem::RandomState();
    LockOnShotB_Draw();
    const uint32_t after = kitSystem::RandomState();
    // Four draws per bolt.
    kitSystem::SeedRandom(before);
    for (int k = 0; k < 4; ++k)
        kitSystem::Random();
    EXPECT_EQ(kitSystem::RandomState(), after);
    EXPECT_EQ(Screen(350, 200), 0); // no bar for the lightning
    // The bolt leaves the ship 40 below its top edge in the first colour
    // (blue 255, no red) ...
    const uint16_t start = Screen(410, 490);
    EXPECT_EQ(Red(start), 0);
    EXPECT_EQ(Blue(start), 31);
    EXPECT_GE(Green(start), 56 * 63 / 255);
    EXPECT_LE(Green(start), 155 * 63 / 255 + 1);
    // ... and always ends on the marker's point + 29 in the second.
    const uint16_t end = Screen(329, 129);
    EXPECT_NE(end, 0);
    EXPECT_EQ(Red(end), 0);
    EXPECT_GE(Blue(end), 156 * 31 / 255);

    // The boss members' own looks: scene 5's point A shows the bar for the
    // lightning and the bolt for the laser; scene 3's point B shows nothing.
    vextest::Fill(backBuffer, 0);
    LockOnShot& a5 = lockOnShotsScene5BossA[0];
    a5.active = 1;
    a5.x = 250.0f;
    a5.y = 300.0f;
    LockOnShot& b3 = lockOnShotsScene3BossB[0];
    b3 = a5;
    b3.x = 500.0f;
    playerX = 0.0f; // the bolts start left of the field
    playerY = 0.0f;
    DrawBossLockOnShots(kScene5BossRow, LockSide::A);
    DrawBossLockOnShots(kScene3BossRow, LockSide::B);
    EXPECT_EQ(Screen(250, 300), bar);
    EXPECT_EQ(Screen(500, 300), 0);
    weaponType = 1;
    vextest::Fill(backBuffer, 0);
    DrawBossLockOnShots(kScene5BossRow, LockSide::A);
    DrawBossLockOnShots(kScene3BossRow, LockSide::B);
    EXPECT_EQ(Screen(250, 300), 0);
    EXPECT_EQ(Screen(500, 300), 0);
    // The scene-2 boss's point A tests for the laser in both its branches: the
    // lightning shows nothing at all.
    weaponType = 2;
    lockOnShotsScene2BossA[0] = a5;
    DrawBossLockOnShots(kScene2BossRow, LockSide::A);
    EXPECT_EQ(Screen(250, 300), 0);
}

TEST_F(LockOnShots, BoltsAtAnyPositionStayInsideTheSurface) {
    weaponType = 2;
    const float places[][2] = {{0, 0}, {780, 580}, {-100, 700}, {1.0e30f, -1.0e30f}, {NAN, 300}};
    const LockMarker markers[] = {{0, 0, 1, 0},
                                  {799, 599, 1, 0},
                                  {-500, 500, 0, 0},
                                  {INT32_MAX, INT32_MIN, 1, 0},
                                  {INT32_MIN, INT32_MAX, 1, 0}};
    const float vectors[][2] = {{0, 0}, {-900, -900}, {3.0e38f, -3.0e38f}, {5000, 5000}};
    LockOnShot shot{};
    for (const auto& p : places)
        for (const LockMarker& m : markers)
            for (const auto& v : vectors) {
                playerX = p[0];
                playerY = p[1];
                shot.launchDX = v[0];
                shot.launchDY = v[1];
                LockOnLightning(shot, m);
            }
    // The library's images were left alone.
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(imageTable[slot].surface->Pixel(400, 300), 0) << slot;
}
