#include <gtest/gtest.h>

#include "game/player/collisions.h"
#include "game/player/player_pools.h"
#include "game/player/player_scenario.h"
#include "game/player/power_item.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/window.h"

namespace {

void PlaceItem(float x, float y) {
    powerItem.active = 1;
    powerItem.pickedUp = 0;
    powerItem.x = x;
    powerItem.y = y;
    powerItem.fallSpeed = 0.0f;
}

} // namespace

TEST(PowerItem, SpawnsAtARandomPlaceAndSpeedAndFallsOutAtTheBottom) {
    PlayerScenario s;
    kitSystem::SeedRandom(777);
    const int across = kitSystem::Random() % 320;
    const int fall = kitSystem::Random() % 130;
    kitSystem::SeedRandom(777);
    PowerItem_Spawn();
    EXPECT_EQ(powerItem.active, 1);
    EXPECT_EQ(powerItem.x, float(210 + across));
    EXPECT_EQ(powerItem.y, -60.0f);
    EXPECT_EQ(powerItem.fallSpeed, float(100 + fall));
    EXPECT_EQ(powerItem.spawnCount, 1);

    // While it falls, further spawns draw nothing and change nothing.
    const uint32_t state = kitSystem::RandomState();
    PowerItem_Spawn();
    EXPECT_EQ(kitSystem::RandomState(), state);
    EXPECT_EQ(powerItem.spawnCount, 1);

    frameDt = 0.5f;
    powerItem.fallSpeed = 200.0f;
    PowerItem_Move();
    EXPECT_EQ(powerItem.y, 40.0f);
    powerItem.y = 600.0f;
    PowerItem_Move(); // moves to 700 and leaves
    EXPECT_EQ(powerItem.active, 0);
    EXPECT_EQ(powerItem.x, -500.0f);
    EXPECT_EQ(powerItem.y, 2550.0f);

    // The ship right under it does not keep it on screen.
    PlaceItem(300.0f, 600.5f);
    playerX = 300.0f;
    playerY = 540.0f;
    PowerItem_Move();
    EXPECT_EQ(powerItem.active, 0);
    // Gone: the next spawn comes at once.
    PowerItem_Spawn();
    EXPECT_EQ(powerItem.active, 1);
    EXPECT_EQ(powerItem.spawnCount, 2);

    // Over the seeds the item lands inside 210..529 and falls at 100..229.
    for (uint32_t seed = 1; seed < 400; ++seed) {
        kitSystem::SeedRandom(seed);
        powerItem.active = 0;
        PowerItem_Spawn();
        ASSERT_GE(powerItem.x, 210.0f);
        ASSERT_LE(powerItem.x, 529.0f);
        ASSERT_GE(powerItem.fallSpeed, 100.0f);
        ASSERT_LE(powerItem.fallSpeed, 229.0f);
    }
}

TEST(PowerItem, IsTouchedWithinSixtyPixelsOnceBelowFifty) {
    PlayerScenario s;
    s.BomSounds();
    struct Case {
        float px, py, ix, iy;
        bool touched;
    };
    // Positions are truncated to whole pixels before the comparison.
    const Case cases[] = {
        {300, 100, 300, 50.0f, false},    {300, 100, 300, 50.5f, true},     {300, 300, 360, 300, true},
        {300, 300, 361, 300, false},      {300, 300, 240, 300, true},       {300, 300, 239, 300, false},
        {300, 300, 300, 360, true},       {300, 300, 300, 361, false},      {300, 300, 300, 240, true},
        {300, 300, 300, 239, false},      {300, 300, 360.9f, 360.9f, true}, {300, 300, 239.9f, 300, false},
        {300.9f, 300, 240.5f, 300, true},
    };
    for (const Case& c : cases) {
        playerX = c.px;
        playerY = c.py;
        PlaceItem(c.ix, c.iy);
        score = 0;
        PlayerShotsUpdate();
        EXPECT_EQ(powerItem.pickedUp, c.touched ? 1 : 0) << c.ix << "," << c.iy;
        EXPECT_EQ(score, c.touched ? 500 : 0);
        EXPECT_EQ(s.BomSounds(), c.touched ? 1 : 0);
    }
    playerX = 300.0f;
    playerY = 300.0f;
    // Not while inactive.
    PlaceItem(300.0f, 300.0f);
    powerItem.active = 0;
    PlayerShotsUpdate();
    EXPECT_EQ(powerItem.pickedUp, 0);
}

TEST(PowerItem, APickUpTurnsTheSideShotsOnAndGivesBombsByTheSpawnCount) {
    PlayerScenario s;
    struct Case {
        int32_t spawnCount;
        int32_t bombs;
        int32_t countAfter;
    };
    const Case cases[] = {{0, 2, 1}, {1, 1, 1}, {2, 1, 2}, {3, 2, 3}, {7, 2, 7}};
    for (const Case& c : cases) {
        PlaceItem(300.0f, 200.0f);
        powerItem.pickedUp = 1;
        powerItem.powerFlag1 = 0;
        powerItem.spawnCount = c.spawnCount;
        bombStock = 5;
        PowerItem_Draw();
        EXPECT_EQ(bombStock, 5 + c.bombs) << "spawn count " << c.spawnCount;
        EXPECT_EQ(powerItem.spawnCount, c.countAfter);
        EXPECT_EQ(powerItem.powerFlag1, 1);
        EXPECT_EQ(powerItem.active, 0);
        EXPECT_EQ(powerItem.pickedUp, 0);
        EXPECT_EQ(powerItem.x, -500.0f);
        EXPECT_EQ(powerItem.y, 2550.0f);
    }

    // Three items in a row from a new game: one bomb, one, then two.
    s.NewGame();
    const int32_t expected[] = {6, 7, 9};
    for (int32_t bombs : expected) {
        PowerItem_Spawn();
        PowerItem_PickUp();
        PowerItem_Draw();
        EXPECT_EQ(bombStock, bombs);
    }
}

TEST(PowerItem, FallsOntoTheShipAndTheNextFrameTurnsOnTheSideShots) {
    PlayerScenario s;
    playerX = 370.0f;
    playerY = 400.0f;
    kitSystem::SeedRandom(99);
    PowerItem_Spawn();
    powerItem.x = 380.0f;
    int touchFrame = 0, appliedFrame = 0;
    for (int f = 1; f <= 300 && appliedFrame == 0; ++f) {
        s.Frame();
        if (touchFrame == 0 && powerItem.pickedUp == 1) touchFrame = f;
        if (powerItem.powerFlag1 == 1) appliedFrame = f;
    }
    ASSERT_NE(touchFrame, 0);
    EXPECT_EQ(appliedFrame, touchFrame + 1);
    EXPECT_EQ(bombStock, 6); // the first item of a new game gives one bomb
    EXPECT_EQ(score, 500);

    // The narrow stream now fills all three lanes.
    s.Hold(plat::kVkShift);
    s.Frames(5);
    EXPECT_EQ(narrowShots[1].active, 1);
    EXPECT_EQ(narrowShots[27].active, 1);
    EXPECT_EQ(narrowShots[53].active, 1);
    EXPECT_EQ(narrowShots[27].x, 370 - 15 - 2);
    EXPECT_EQ(narrowShots[53].x, 370 + 15 + 2);
    s.Release(plat::kVkShift);

    // A death takes the side shots away again.
    playerVulnerable = 0;
    s.Frame();
    EXPECT_EQ(powerItem.powerFlag1, 0);
    EXPECT_EQ(powerItem.spawnCount, 0);
}
