// Turning streams: the launch from the owner, the turn that runs for a fixed
// time and stops for good, the lagging drift, the mirror pair, the release
// of the whole stream with its tail, and strikes only by records in play.
#include "large_enemy_fixture.h"

#include <cmath>

#include "game/enemies/large_enemy_weapons.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kSpeeds[7] = {163, 171, 178, 184, 188, 191, 193};
constexpr double kStep = 2 * kPi / 280;

void MoveBoth() {
    LargeEnemyS50L_Shot1_Move();
    LargeEnemyS50L_Shot2_Move();
}

} // namespace

TEST_F(LargeEnemyWorld, TurningStreamsTurnForTheirTimeThenFlyStraightAndMirrorEachOther) {
    largeEnemyS50L.x = 200.0f, largeEnemyS50L.y = 100.0f;
    LargeEnemyS50L_Shot1_Fire();
    LargeEnemyS50L_Shot2_Fire();
    TurningStreamRecord* s = largeEnemyS50LShot1Pool;
    const float h0 = float(-2 * kPi / 10);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(s[k].active, 1);
        EXPECT_EQ(s[k].heading, h0);
        EXPECT_EQ(s[k].x, 285.0f);
        EXPECT_EQ(s[k].y, 110.0f);
        EXPECT_EQ(s[k].speed, kSpeeds[k]);
        EXPECT_EQ(largeEnemyS50LShot2Pool[k].heading, -h0);
    }
    // The first move flies down and to the left without drift; the second
    // adds the drift 16 - 7k against the flight, one turn step further on.
    const double dt = kDt;
    float x1[7], y1[7];
    MoveBoth();
    for (int k = 0; k < 7; ++k) {
        x1[k] = s[k].x, y1[k] = s[k].y;
        EXPECT_NEAR(x1[k], 285.0 - std::cos(h0) * kSpeeds[k] * dt, 1e-4) << k;
        EXPECT_NEAR(y1[k], 110.0 - std::sin(h0) * kSpeeds[k] * dt, 1e-4) << k;
    }
    MoveBoth();
    for (int k = 0; k < 7; ++k) {
        const double h1 = h0 - kStep, drift = 16 - 7 * k;
        EXPECT_NEAR(s[k].x, x1[k] - std::cos(h1) * kSpeeds[k] * dt - drift * dt, 1e-4) << k;
        EXPECT_NEAR(s[k].y, y1[k] - std::sin(h1) * kSpeeds[k] * dt - drift * dt, 1e-4) << k;
    }
    // The timer runs 0.3125 a move: the 112th move reaches 35 exactly, still
    // turns, and ends the turn for good.
    for (int n = 3; n <= 111; ++n)
        MoveBoth();
    EXPECT_EQ(s[0].turnTimer, 34.6875f);
    MoveBoth();
    EXPECT_EQ(s[0].turnTimer, 36.0f);
    EXPECT_NEAR(s[3].heading, h0 - 112 * kStep, 1e-4);
    const float last = s[3].heading;
    for (int n = 0; n < 20; ++n)
        MoveBoth();
    ASSERT_EQ(s[3].active, 1);
    EXPECT_EQ(s[3].heading, last);
    // The mirror stream is the same flight reflected about the launch column.
    for (int k = 0; k < 7; ++k) {
        const TurningStreamRecord& m = largeEnemyS50LShot2Pool[k];
        EXPECT_NEAR(m.x - 285.0f, 285.0f - s[k].x, 1e-3) << k;
        EXPECT_NEAR(m.y, s[k].y, 1e-3) << k;
        EXPECT_EQ(m.heading, -s[k].heading) << k;
    }
}

TEST_F(LargeEnemyWorld, TurningStreamsAreReleasedWholeWithTheirTailAndOnlyRecordsInPlayStrike) {
    playerX = 0.0f; // out of the way until the strike checks
    largeEnemyS50R.x = 500.0f, largeEnemyS50R.y = 60.0f;
    LargeEnemyS50R_Shot1_Fire();
    TurningStreamRecord* s = largeEnemyS50RShot1Pool;
    float x[7], y[7];
    for (int moves = 0; s[0].active == 1; ++moves) {
        ASSERT_LT(moves, 2000);
        for (int k = 0; k < 7; ++k) {
            ASSERT_EQ(s[k].active, 1) << "move " << moves;
            x[k] = s[k].x, y[k] = s[k].y;
        }
        LargeEnemyS50R_Shot1_Move();
    }
    EXPECT_TRUE(s[0].x > 800.0f || s[0].y > 600.0f); // the tail has just left
    // All seven go in the tail's move, each after its own step, and stay
    // where they were through every later move.
    LargeEnemyS50R_Shot1_Move();
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(s[k].active, 0) << k;
        EXPECT_NEAR(s[k].x, x[k], 4.0f) << k;
        EXPECT_NEAR(s[k].y, y[k], 4.0f) << k;
        EXPECT_EQ(s[k].heading, float(-2 * kPi / 10));
        EXPECT_EQ(s[k].turnTimer + s[k].driftX + s[k].driftY, 0.0f);
    }
    // A released record left on the screen never strikes; one in play does,
    // in the box 0..30 by 10..30 (the stream stands still while probed).
    s[3].x = 400.0f, s[3].y = 300.0f;
    playerX = 400.0f, playerY = 290.0f;
    LargeEnemyS50R_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 1);
    LargeEnemyS50R_Shot1_Fire();
    EXPECT_EQ(s[0].x, 585.0f);
    frameDt = 0.0f;
    const float cases[][3] = {{0, 10, 1}, {30, 30, 1}, {-1, 20, 0}, {31, 20, 0}, {10, 9, 0}, {10, 31, 0}};
    for (const auto& c : cases) {
        playerVulnerable = 1;
        playerX = s[6].x - c[0], playerY = s[6].y - c[1];
        LargeEnemyS50R_Shot1_Move();
        EXPECT_EQ(playerVulnerable, 1 - int32_t(c[2])) << c[0] << ", " << c[1];
    }
}
