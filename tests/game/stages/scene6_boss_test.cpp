// The fourth boss in its stage: the approach on its bounds, the body's smoke
// and lock points, its two beams through real frames and at the edges of
// their kill box, and the defeat that wipes to scene 8.
#include "stage_fixture.h"

#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/image.h"
#include "kit/draw/present.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

namespace {

class Scene6Boss : public StageTest {
  protected:
    Scene6Boss() : StageTest(6, 3) {}
    void FrameFrom(float clock, float dt) { StageTest::FrameFrom(scene6Boss, clock, dt); }
    // The boss holding its place with this hp, for the next frame.
    static void Holding(float hp) { StageTest::Holding(scene6Boss, 210.0f, 140.0f, hp); }
    static void ExpectAt(float x, float y) { StageTest::ExpectAt(scene6Boss, x, y); }
};

// Whether the cell of an additive picture drawn at (x, y) on black shows, at
// and below minY: 1 all of it, 0 hardly any, -1 neither. The additive blend
// works on 5-bit channels, so green's lowest bit is left out.
int AdditiveCellShown(const plat::Surface* surface, int32_t x, int32_t y, int32_t img, int32_t left,
                      int32_t right, int32_t bottom, int32_t minY) {
    const plat::Surface* src = ImageAt(img)->surface;
    int counted = 0, matching = 0;
    for (int32_t sy = 0; sy < bottom; ++sy) {
        for (int32_t sx = left; sx < right; ++sx) {
            const int32_t dx = x + sx - left, dy = y + sy;
            if (dy < minY || dy >= 600 || dx < 180 || dx >= 620) continue;
            const uint16_t p = src->Pixel(sx, sy);
            if (p == 0) continue;
            ++counted;
            if ((surface->Pixel(dx, dy) & 0xFFDF) == (p & 0xFFDF)) ++matching;
        }
    }
    if (counted == 0) return -1;
    return matching == counted ? 1 : matching * 10 < counted ? 0 : -1;
}

} // namespace

TEST_F(Scene6Boss, ApproachLegsMeetOnTheirBounds) {
    // The section's first frame draws the sheet where it is parked, then
    // places it below the screen. (0.1 s steps the clock by exactly 1.)
    FrameFrom(0.0f, 0.1f);
    EXPECT_FLOAT_EQ(scene6BossIntro.x, 160.0f);
    EXPECT_FLOAT_EQ(scene6BossIntro.y, 600.0f);
    EXPECT_FLOAT_EQ(scene6BossIntro.speed, 400.0f);
    FrameFrom(20.0f, 0.1f); // exactly 21 lies between set-up and rise
    EXPECT_FLOAT_EQ(scene6BossIntro.y, 600.0f);
    FrameFrom(20.5f, 0.1f);
    EXPECT_FLOAT_EQ(scene6BossIntro.y, 560.0f);
    scene6BossIntro.y = -470.0f; // it parks once above -480
    FrameFrom(50.0f, 0.1f);
    EXPECT_FLOAT_EQ(scene6BossIntro.x, ParkX);
    EXPECT_FLOAT_EQ(scene6BossIntro.speed, 0.0f);
    ExpectAt(ParkX, ParkY);

    FrameFrom(59.5f, 0.1f);
    ExpectAt(210.0f, -460.0f);
    FrameFrom(90.0f, 0.1f); // 91: the descent's first step
    ExpectAt(210.0f, -450.0f);
    // At exactly 135 the descent runs, then the hold.
    scene6Boss.y = -5.0f;
    FrameFrom(134.0f, 0.1f);
    ExpectAt(210.0f, 0.0f);
    // At exactly 162 the hold, then the first sway step.
    FrameFrom(161.0f, 0.1f);
    ExpectAt(218.0f, 0.0f);
    FrameFrom(205.0f, 0.1f); // the diamond moves both ways
    ExpectAt(228.0f, 5.0f);
    // Past the last sway leg the clock returns to 151, and the hold snaps the
    // body back on the next frame.
    FrameFrom(240.5f, 0.1f);
    EXPECT_FLOAT_EQ(scene6Boss.behaviourClock, 151.0f);
    ExpectAt(228.0f, 5.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    ExpectAt(210.0f, 0.0f);
}

TEST_F(Scene6Boss, BodyBurnsInThreePuffsFromSixtyAndShowsItsSixthLockPoints) {
    plainBackground = 2; // nothing under the boss
    auto frameAt = [&](float hp, int32_t cell) {
        Holding(hp);
        scene6Boss.smokeFrame = cell;
        ASSERT_TRUE(h->Frame(0.1f));
    };
    frameAt(60.01f, 0);
    EXPECT_EQ(CellShown(240, 20, imgZBAK3B, 0), 0);
    frameAt(60.0f, 2); // the sides and the middle, slid 56 px down
    EXPECT_EQ(CellShown(240, 76, imgZBAK3B, 2) + CellShown(480, 76, imgZBAK3B, 2) +
                  CellShown(360, 156, imgZBAK3B, 2),
              3);
    EXPECT_EQ(scene6Boss.smokeFrame, 3);
    frameAt(30.0f, 9); // the smoke wraps and counts a cycle
    EXPECT_EQ(scene6Boss.smokeFrame, 0);
    EXPECT_EQ(scene6Boss.smokeCycle, 1);
    frameAt(0.0f, 0); // destroyed: no smoke, only explosions
    EXPECT_EQ(CellShown(240, 20, imgZBAK3B, 0), 0);

    // Locked by hand, the sixth entries of both arrays show.
    scene6BossLockPointsA[5] = LockMarker{250, 480, 1, 0};
    scene6BossLockPointsB[5] = LockMarker{420, 500, 1, 0};
    frameAt(1000.0f, 0);
    EXPECT_EQ(CellShown(250, 480, imgROCK1, 0) + CellShown(420, 500, imgROCK1, 0), 2);
}

TEST_F(Scene6Boss, BeamFlashesThreeCellsThenGoesDarkAndKillsOnlyWhenArmed) {
    plainBackground = 2;
    noDeathMode = 1; // a hit leaves playerVulnerable at 0 and nothing else
    // The boss sways left at 8 px a frame; the beams arm from clock 300.
    scrollDistance = 2000.0f;
    scene6Boss.behaviourClock = 172.0f;
    scene6Boss.x = 210.0f;
    scene6Boss.y = 0.0f;
    scene6Boss.hp = 900.0f;
    scene6Boss.BossAttackClock = 299;
    scene6BossVerticalBeam1.frame = 0;
    scene6BossVerticalBeam2.frame = 0;
    // The left beam will hang at x 238, y 205; the ship starts out of it.
    playerX = 320.0f;
    playerY = 300.0f;
    auto frame = [&](float shipX) {
        playerX = shipX;
        playerVulnerable = 1;
        ASSERT_TRUE(h->Frame(0.1f));
    };
    auto lower = [&](int32_t x, int32_t cell) { // the beam below the body
        return AdditiveCellShown(h->BackBuffer(), x, 205, imgVALARM51, 90 * cell, 90 * cell + 90, 400, 461);
    };

    frame(320.0f); // armed and tested: the ship is just right of the box
    EXPECT_FLOAT_EQ(scene6BossVerticalBeam1.x, 238.0f);
    EXPECT_FLOAT_EQ(scene6BossVerticalBeam1.y, 205.0f);
    EXPECT_EQ(playerVulnerable, 1);
    EXPECT_EQ(lower(238, 0), 1);
    for (int32_t cell = 1; cell <= 2; ++cell) {
        frame(250.0f); // inside, but a running flash tests nothing
        EXPECT_EQ(playerVulnerable, 1) << cell;
        EXPECT_EQ(scene6BossVerticalBeam1.frame, cell + 1);
        EXPECT_FLOAT_EQ(scene6BossVerticalBeam1.x, 238.0f); // it stays while the boss sways
        EXPECT_EQ(lower(238, cell), 1) << cell;
    }
    frame(250.0f); // the fourth draw: dark, idle
    EXPECT_EQ(scene6BossVerticalBeam1.active, 0);
    EXPECT_EQ(scene6BossVerticalBeam1.frame, 0);
    EXPECT_EQ(lower(238, 2), 0);
    EXPECT_EQ(playerVulnerable, 1);
    frame(250.0f); // armed again, further left, and the ship is in it
    EXPECT_FLOAT_EQ(scene6BossVerticalBeam1.x, 206.0f);
    EXPECT_EQ(playerVulnerable, 0);
    EXPECT_EQ(scene6BossVerticalBeam2.frame, 1);
    EXPECT_FLOAT_EQ(scene6BossVerticalBeam2.x, 424.0f);

    // After a world reset the flash step is anything up to 9: from 3 on, the
    // first arming ends at its first draw without showing.
    for (int32_t start : {2, 3, 9}) {
        scene6BossVerticalBeam1 = VerticalBeam{start, ParkX, ParkY, 0};
        Scene6Boss_VerticalBeam1_Spawn();
        Scene6Boss_VerticalBeam1_Draw();
        EXPECT_EQ(scene6BossVerticalBeam1.active, start < 3 ? 1 : 0) << start;
        Scene6Boss_VerticalBeam1_Draw();
        EXPECT_EQ(scene6BossVerticalBeam1.active, 0) << start;
    }
}

TEST_F(Scene6Boss, BeamKillBoxCoversOnlyItsTopPart) {
    // With the boss at (210, 0) the beams hang at (246, 205) and (464, 205):
    // the box is -60..30 on x - playerX and -220..30 on y - playerY.
    scene6Boss.x = 210.0f;
    scene6Boss.y = 0.0f;
    struct Case {
        float x, y;
        bool hit;
    };
    const Case cases[] = {
        {216.0f, 300.0f, true},  {215.9f, 300.0f, false}, {306.0f, 300.0f, true},
        {306.1f, 300.0f, false}, {260.0f, 175.0f, true},  {260.0f, 174.9f, false},
        {260.0f, 425.0f, true},  {260.0f, 425.1f, false}, {260.0f, 540.0f, false}, // low in the beam: safe
    };
    for (const Case& c : cases) {
        for (int beam = 0; beam < 2; ++beam) {
            scene6BossVerticalBeam1.active = 0;
            scene6BossVerticalBeam2.active = 0;
            playerX = c.x + 218.0f * float(beam);
            playerY = c.y;
            playerVulnerable = 1;
            if (beam == 0)
                Scene6Boss_VerticalBeam1_Spawn();
            else
                Scene6Boss_VerticalBeam2_Spawn();
            EXPECT_EQ(playerVulnerable, c.hit ? 0 : 1) << c.x << "," << c.y << " beam " << beam + 1;
        }
    }
}

TEST_F(Scene6Boss, DefeatScattersOverTheBodyAndWipesToSceneEight) {
    // Each explosion jumps over the body, x drawn before y. (The timer and
    // the music stop are the shared defeat's, tested with the first boss.)
    Holding(0.0f);
    frameDt = 0.1f;
    kitSystem::SeedRandom(77);
    Scene6Boss_Defeat();
    ExpectScatter(scene6BossBigExplosions, scene6BossSmallExplosions, 77, 210.0f, 380, 320, 320);

    scene6Boss.defeatTimer = 69.0f; // this frame's draw carries it past 70
    Holding(0.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(currentScene, 6); // exactly 70 does not end the stage
    Holding(0.0f);
    ASSERT_TRUE(h->Frame(0.1f));
    EXPECT_EQ(currentScene, 8);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 30);
    EXPECT_FLOAT_EQ(scene6Boss.hp, kScene6BossStartHp); // the world reset
    EXPECT_FLOAT_EQ(scene6Boss.x, ParkX);
}
