// The V2 squads' random aimed shots: one draw of the random stream per armed
// record, a heading at the ship, the field's edges and the kill box.
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squads.h"
#include "kit/system/random.h"
#include "squad_world.h"

#include <cmath>

namespace {

using RandomAimedShots = SquadWorld;

// The game's generator, written out: the speeds a seed must give.
int NextRandom(uint32_t& state) {
    state = state * 214013u + 2531011u;
    return int((state >> 16) & 0x7FFF);
}

} // namespace

TEST_F(RandomAimedShots, EachArmedRecordTakesOneDrawForItsSpeedAndHeadsForTheShip) {
    for (int k = 0; k < kSquadSlots; ++k) {
        squadV2BSlots[k].x = 100.0f + 100.0f * k;
        squadV2BSlots[k].y = 200.0f;
    }
    squadV2BSlots[3].x = -500.0f; // a free slot at its reset place
    squadV2BSlots[3].y = -500.0f;
    playerX = 370.0f;
    playerY = 520.0f;
    uint32_t state = 2024;
    kitSystem::SeedRandom(state);
    SquadV2B_Shot1_Fire();
    for (int k = 0; k < kSquadSlots; ++k) {
        const RandomAimedShotRecord& r = squadV2BShot1Pool[k];
        EXPECT_EQ(r.speed, float(NextRandom(state) % 100 + 210)) << k;
        EXPECT_EQ(r.x, squadV2BSlots[k].x + 42.0f);
        EXPECT_EQ(r.y, 250.0f + (k == 3 ? -700.0f : 0.0f));
        // The heading points at the ship's sprite + (22, 22), left or right.
        const float dx = 392.0f - r.x, dy = 542.0f - r.y, len = std::hypot(dx, dy);
        EXPECT_NEAR(std::cos(r.angle), dx / len, 1e-5f) << k;
        EXPECT_NEAR(std::sin(r.angle), dy / len, 1e-5f) << k;
    }
    // A second member in band 1 the same frame finds every record live.
    SquadV2B_Shot1_Fire();
    EXPECT_EQ(kitSystem::RandomState(), state);
    // The record of the free slot is freed by the same frame's move, unseen,
    // and the next fire arms it again with a fresh draw.
    SquadV2B_Shot1_Move();
    EXPECT_EQ(squadV2BShot1Pool[3].active, 0);
    EXPECT_EQ(squadV2BShot1Pool[3].y, ParkY);
    EXPECT_EQ(squadV2BShot1Pool[2].active, 1);
    SquadV2B_Shot1_Fire();
    EXPECT_EQ(squadV2BShot1Pool[3].speed, float(NextRandom(state) % 100 + 210));
    EXPECT_EQ(kitSystem::RandomState(), state);

    // Vertical and level aims.
    struct Aim {
        float slotX, slotY, angle;
    };
    const Aim aims[] = {{350 - 42, 100, 3.14159265f / 2},          // straight below: down
                        {350 - 42, 600, 3 * 3.14159265f / 2},      // straight above: up
                        {350 - 42, 542 - 50, 3 * 3.14159265f / 2}, // on the aim point: up
                        {600, 542 - 50, 3.14159265f}};             // level, to the left
    playerX = 350.0f - 22.0f;
    for (const Aim& a : aims) {
        squadV2DShot1Pool[0].active = 0;
        squadV2DSlots[0].x = a.slotX;
        squadV2DSlots[0].y = a.slotY;
        SquadV2D_Shot1_Fire();
        EXPECT_NEAR(squadV2DShot1Pool[0].angle, a.angle, 1e-6f) << a.slotX << "," << a.slotY;
    }
}

TEST_F(RandomAimedShots, RecordsStayOnTheEdgesDieBeyondThemAndKillInsideAnInclusiveBox) {
    frameDt = 0.0f;
    auto live = [](RandomAimedShotRecord& r, float x, float y) {
        r.active = 1;
        r.x = x;
        r.y = y;
    };
    const float stays[4][2] = {{620, 300}, {-16, 300}, {300, 600}, {300, -16}};
    const float goes[4][2] = {{620.01f, 300}, {-16.01f, 300}, {300, 600.01f}, {300, -16.01f}};
    for (int i = 0; i < 4; ++i) {
        live(squadV2AShot1Pool[i], stays[i][0], stays[i][1]);
        live(squadV2CShot1Pool[i], goes[i][0], goes[i][1]);
    }
    SquadV2A_Shot1_Move();
    SquadV2C_Shot1_Move();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(squadV2AShot1Pool[i].active, 1) << i;
        EXPECT_EQ(squadV2CShot1Pool[i].active, 0) << i;
        EXPECT_EQ(squadV2CShot1Pool[i].x, ParkX) << i;
    }
    clearEnemyShots = 1;
    SquadV2A_Shot1_Move();
    clearEnemyShots = 0;
    EXPECT_EQ(squadV2AShot1Pool[0].active, 0);

    live(squadV2BShot1Pool[4], playerX + 13.9f, playerY + 24.0f);
    SquadV2B_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 1);
    live(squadV2BShot1Pool[4], playerX + 14.0f, playerY + 24.0f);
    SquadV2B_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 0);
    EXPECT_EQ(squadV2BShot1Pool[4].active, 1); // the bullet flies on
    playerVulnerable = 1;
    live(squadV2BShot1Pool[4], playerX + 30.0f, playerY + 30.0f);
    SquadV2B_Shot1_Move();
    EXPECT_EQ(playerVulnerable, 0);
    playerVulnerable = 1;
}
