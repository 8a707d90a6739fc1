// Background layers (speed windows, re-lay, drift), the star field, the side
// panels and the uncalled panel drops and portrait slide.
#include "harness/game_harness.h"

#include "game/shell/new_game.h"
#include "game/stages/backgrounds.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "harness/reset_globals.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

namespace {

// How far the first tile of a layer moves in one call at this distance.
template <typename Draw> float Step(Draw draw, BackStrip* strips, float distance) {
    scrollDistance = distance;
    const float before = strips[0].y;
    draw();
    return strips[0].y - before;
}

} // namespace

using Backgrounds = FreshGlobals;

TEST_F(Backgrounds, SpeedWindowsAreInclusiveAndAddUpAtTheirBounds) {
    NewGameSetup();
    frameDt = 0.1f;
    EXPECT_FLOAT_EQ(Step(BackLayer1_Draw, backStrips1, 0), 13.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer2_Draw, backStrips2, 9000), 10.0f);

    // Layer 3: exactly 500 lies in 0..500 and 500..530: 140 + 150.
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 0), 14.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 499.5f), 14.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 500), 29.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 515), 15.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 800), 65.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 1000), 95.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 1150), 45.0f); // last window and "from 1150"
    EXPECT_FLOAT_EQ(Step(BackLayer3_Draw, backStrips3, 20000), 15.0f);

    EXPECT_FLOAT_EQ(Step(BackLayer8_Draw, backStrips8, 590), 70.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer8_Draw, backStrips8, 5000), 15.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer7_Draw, backStrips7, 400), 34.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer7_Draw, backStrips7, 1150), 50.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer5_Draw, backStrips5, 600), 34.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer4_Draw, backStrips4, 620), 300.0f);
    // Layer 6 has no window between 700 and 750.
    EXPECT_FLOAT_EQ(Step(BackLayer6_Draw, backStrips6, 720), 0.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer6_Draw, backStrips6, 700), 64.0f);
    EXPECT_FLOAT_EQ(Step(BackLayer6_Draw, backStrips6, 1100), 66.0f);
}

TEST_F(Backgrounds, ColumnsDriftAndTheParkedLayerEight) {
    NewGameSetup();
    frameDt = 0.1f;
    scrollDistance = 0;
    // Layer 8 starts parked: its first call draws it there, then it stands at 180.
    EXPECT_FLOAT_EQ(backStrips8[0].x, -500.0f);
    BackLayer8_Draw();
    EXPECT_FLOAT_EQ(backStrips8[0].x, 180.0f);
    EXPECT_FLOAT_EQ(backStrips8[4999].x, 180.0f);

    // Drifting layers add vx once, forget it, and stay within +-100.
    backStrips7[0].vx = 500.0f;
    backStrips7[1].vx = -3000.0f;
    backStrips7[2].vx = 100.0f;
    BackLayer7_Draw();
    EXPECT_FLOAT_EQ(backStrips7[0].x, 100.0f);
    EXPECT_FLOAT_EQ(backStrips7[1].x, -100.0f);
    EXPECT_FLOAT_EQ(backStrips7[2].x, 90.0f);
    EXPECT_FLOAT_EQ(backStrips7[0].vx, 0.0f);
    EXPECT_FLOAT_EQ(backStrips7[3].x, 80.0f);
    // Layer 4 keeps its x: only the drift moves it.
    backStrips4[0].x = 33.0f;
    backStrips4[0].vx = 10.0f;
    BackLayer4_Draw();
    EXPECT_FLOAT_EQ(backStrips4[0].x, 34.0f);
    // A plain layer never drifts.
    backStrips5[0].vx = 100.0f;
    BackLayer5_Draw();
    EXPECT_FLOAT_EQ(backStrips5[0].x, 80.0f);
}

TEST_F(Backgrounds, ReLayWhenTheTopTileComesDown) {
    NewGameSetup();
    frameDt = 0.1f;
    // The frame in which the top tile crosses 0 re-lays only that tile.
    backStrips1[4999].y = -5.0f;
    const float y0 = backStrips1[0].y;
    BackLayer1_Draw();
    EXPECT_FLOAT_EQ(backStrips1[0].y, y0 + 13.0f);
    EXPECT_FLOAT_EQ(backStrips1[0].x, 180.0f);
    EXPECT_FLOAT_EQ(backStrips1[4999].y, -480.0f * 4999);
    EXPECT_FLOAT_EQ(backStrips1[4999].x, 100.0f);

    // A frame that starts with it on screen re-lays every tile (x 100 for layers 1 to 3).
    backStrips1[4999].y = 0.0f;
    BackLayer1_Draw();
    for (int i : {0, 1, 2500, 4999}) {
        EXPECT_FLOAT_EQ(backStrips1[i].y, -480.0f * float(i)) << i;
        EXPECT_FLOAT_EQ(backStrips1[i].x, 100.0f) << i;
    }
    // Layer 8 keeps its column when re-laid.
    backStrips8[4999].y = 0.0f;
    BackLayer8_Draw();
    EXPECT_FLOAT_EQ(backStrips8[0].y, 0.0f);
    EXPECT_FLOAT_EQ(backStrips8[0].x, 180.0f);

    // The side strips: the left one is re-laid on every call, the right one
    // once its top tile is on screen; neither moves.
    backStrips9[3].y = 55.0f;
    BackLayer9_Draw();
    EXPECT_FLOAT_EQ(backStrips9[3].y, -1440.0f);
    EXPECT_FLOAT_EQ(backStrips9[5000].y, -480.0f * 5000);
    backStrips10[5000].y = 0.0f;
    backStrips10[2].y = 7.0f;
    BackLayer10_Draw();
    EXPECT_FLOAT_EQ(backStrips10[2].y, -960.0f);
    EXPECT_FLOAT_EQ(backStrips10[2].x, 540.0f);
    backStrips10[2].y = 7.0f;
    BackLayer10_Draw();
    EXPECT_FLOAT_EQ(backStrips10[2].y, 7.0f);
}

TEST_F(Backgrounds, StarsFallAndRestartWithFourDraws) {
    for (Star& s : stars)
        s = Star{0, 300.0f, 0.0f, 0.0f, 0.0f};
    stars[0] = Star{2, 300.0f, 595.0f, 7.0f, 100.0f};
    stars[1] = Star{1, 250.0f, 100.0f, 0.0f, 150.0f};
    frameDt = 0.05f;
    kitSystem::SeedRandom(1234);
    DrawStarField(80, 80);
    // 600 exactly stays; the horizontal speed is spent once.
    EXPECT_FLOAT_EQ(stars[0].y, 600.0f);
    EXPECT_FLOAT_EQ(stars[0].x, 300.35f);
    EXPECT_FLOAT_EQ(stars[0].vx, 0.0f);
    EXPECT_FLOAT_EQ(stars[1].y, 107.5f);

    kitSystem::SeedRandom(99);
    DrawStarField(80, 80);
    kitSystem::SeedRandom(99);
    const int frame = kitSystem::Random() % 7;
    const int x = kitSystem::Random() % 640;
    const int y = kitSystem::Random() % 50;
    const int vy = kitSystem::Random() % 80 + 80;
    const uint32_t after = kitSystem::RandomState();
    EXPECT_EQ(stars[0].frame, frame);
    EXPECT_FLOAT_EQ(stars[0].x, float(x));
    EXPECT_FLOAT_EQ(stars[0].y, -float(y));
    EXPECT_FLOAT_EQ(stars[0].vy, float(vy));

    // Only that star restarted: four draws in all.
    kitSystem::SeedRandom(99);
    for (int i = 0; i < 4; ++i)
        kitSystem::Random();
    EXPECT_EQ(kitSystem::RandomState(), after);

    // A range of 0 would divide by zero: the star falls at the base speed.
    stars[5].y = 700.0f;
    DrawStarField(0, 150);
    EXPECT_FLOAT_EQ(stars[5].vy, 150.0f);
}

TEST_F(Backgrounds, SidePanelsShowOnlyTheRightPanelsLeftColumns) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    plat::Surface* scratch = imageTable[0].surface;
    ASSERT_NE(scratch, nullptr);
    for (int32_t y = 0; y < scratch->height; ++y)
        for (int32_t x = 0; x < scratch->width; ++x)
            scratch->Row(y)[x] = 0x1234;
    kitDraw::Clear();
    DrawSidePanels();
    const plat::Surface* back = h.BackBuffer();
    EXPECT_EQ(back->Pixel(539, 10), 0);
    EXPECT_EQ(back->Pixel(540, 10), 0x1234);
    EXPECT_EQ(back->Pixel(619, 479), 0x1234);
    EXPECT_EQ(back->Pixel(620, 10), 0);
    EXPECT_EQ(back->Pixel(600, 480), 0);
    EXPECT_EQ(back->Pixel(50, 10), 0);
    EXPECT_EQ(back->Pixel(190, 10), 0);

    // The star sprite is the 3x10 cell of its frame.
    for (Star& s : stars)
        s = Star{0, -100.0f, 0.0f, 0.0f, 0.0f};
    stars[0] = Star{4, 300.0f, 200.0f, 0.0f, 0.0f};
    kitDraw::Clear();
    DrawStarField(80, 80);
    EXPECT_TRUE(MatchPicture(back, 300, 200, imgMYMY, 151, 70, 154, 80).Shown());
}

// A tile is drawn while any of its 480 rows reaches the play field: one
// that shows only its last row at the top, one that shows only its first row
// at the bottom; one row further out, nothing shows.
TEST_F(Backgrounds, TilesShowDownToTheirLastRowAtEitherEdge) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    NewGameSetup();
    frameDt = 0.0f;
    plat::Surface* tile = imageTable[imgBBACK1S].surface;
    ASSERT_NE(tile, nullptr);
    for (int32_t y = 0; y < tile->height; ++y)
        for (int32_t x = 0; x < tile->width; ++x)
            tile->Row(y)[x] = 0x1234;
    const plat::Surface* back = h.BackBuffer();
    for (const float out : {0.0f, 1.0f}) {
        SCOPED_TRACE(out);
        for (BackStrip& s : backStrips1)
            s = BackStrip{180.0f, 5000.0f, 0.0f};
        backStrips1[0].y = -479.0f - out;
        backStrips1[1].y = 599.0f + out;
        backStrips1[kBackStripEntries - 1].y = -3000.0f; // no re-lay in this call
        kitDraw::Clear();
        BackLayer1_Draw();
        EXPECT_EQ(back->Pixel(300, 0), out == 0.0f ? 0x1234 : 0);
        EXPECT_EQ(back->Pixel(300, 599), out == 0.0f ? 0x1234 : 0);
        EXPECT_EQ(back->Pixel(300, 1), 0);
        EXPECT_EQ(back->Pixel(300, 598), 0);
    }
}

TEST_F(Backgrounds, PanelDropsAndPortraitSlideTakeTheirSpeedFromTheSecondStep) {
    frameDt = 0.5f;
    PanelDrop1_Spawn();
    EXPECT_FLOAT_EQ(panelDrops[0].y, -300.0f);
    PanelDrop1_Move(); // the speed is set after the first step
    PanelDrop1_Move();
    EXPECT_FLOAT_EQ(panelDrops[0].y, -210.0f);
    panelDrops[0].y = 400.0f;
    PanelDrop1_Move();
    EXPECT_EQ(panelDrops[0].active, 0);
    EXPECT_FLOAT_EQ(panelDrops[0].y, ParkY);

    // The first portrait comes in at tick 10, the second at 400; 3200 wraps.
    for (int i = 0; i < 10; ++i)
        BossPortraitSlide_Schedule();
    EXPECT_EQ(bossPortraitSlides[0].active, 1);
    EXPECT_FLOAT_EQ(bossPortraitSlides[0].y, -360.0f);
    EXPECT_EQ(bossPortraitSlides[1].active, 0);
    for (int i = 10; i < 400; ++i)
        BossPortraitSlide_Schedule();
    EXPECT_EQ(bossPortraitSlides[1].active, 1);
    bossPortraitSlides[5].counter = 3199;
    BossPortraitSlide_Schedule();
    EXPECT_EQ(bossPortraitSlides[5].counter, 0);
    BossPortraitSlide_Move();
    BossPortraitSlide_Move();
    EXPECT_FLOAT_EQ(bossPortraitSlides[0].y, -360.0f + 89.0f);
}
