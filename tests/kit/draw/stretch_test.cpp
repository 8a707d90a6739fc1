#include "harness/reset_globals.h"
#include "kit/draw/stretch.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

using namespace vextest;

namespace {

// A 4x2 picture with a black (transparent) pixel.
void MakeLogo() { MakeImage(4, 4, 2, {0x1111, 0x2222, 0x0000, 0x4444, 0x5555, 0x6666, 0x7777, 0x8888}); }

} // namespace

using StretchKeyedBlit = FreshGlobals;

TEST_F(StretchKeyedBlit, BothRoadsCopyUnscaledRectanglesAlike) {
    for (uint32_t road : {0u, 1u}) {
        SetUpScreen(plat::PixelFormat::RGB565);
        hwStretch = road;
        kitDraw::SetClip(180, 0, 620, 600);
        MakeLogo();
        Fill(backBuffer, 0x0F0F);
        BlitStretchKeyed(300, 100, 4, 0, 0, 4, 2, 4, 2);
        EXPECT_EQ(backBuffer->Pixel(300, 100), 0x1111) << road;
        EXPECT_EQ(backBuffer->Pixel(302, 100), 0x0F0F) << road; // black stays transparent
        EXPECT_EQ(backBuffer->Pixel(303, 101), 0x8888) << road;
        // Doubled: each pixel becomes a 2x2 block.
        BlitStretchKeyed(400, 100, 4, 0, 0, 4, 2, 8, 4);
        EXPECT_EQ(backBuffer->Pixel(401, 101), 0x1111) << road;
        EXPECT_EQ(backBuffer->Pixel(406, 103), 0x8888) << road;
        EXPECT_EQ(backBuffer->Pixel(404, 100), 0x0F0F) << road;
        BlitStretchOpaque(500, 100, 4, 0, 0, 4, 2, 4, 2);
        EXPECT_EQ(backBuffer->Pixel(502, 100), 0) << road;
    }
}

TEST_F(StretchKeyedBlit, OnlyTheGdiRoadIsClippedToThePlayField) {
    SetUpScreen(plat::PixelFormat::RGB565);
    kitDraw::SetClip(180, 0, 620, 600);
    MakeLogo();
    hwStretch = 0;
    BlitStretchKeyed(170, 10, 4, 0, 0, 4, 2, 40, 20);
    EXPECT_EQ(backBuffer->Pixel(175, 15), 0);      // side panel untouched
    EXPECT_EQ(backBuffer->Pixel(180, 15), 0x2222); // keeps its place on the screen
    EXPECT_EQ(backBuffer->Pixel(192, 15), 0);      // the transparent column
    EXPECT_EQ(backBuffer->Pixel(200, 15), 0x4444);
    hwStretch = 1;
    BlitStretchKeyed(170, 40, 4, 0, 0, 4, 2, 40, 20);
    EXPECT_EQ(backBuffer->Pixel(175, 45), 0x1111); // covers the side panel
    // Leaving the back buffer: the stretched copy is refused whole.
    BlitStretchKeyed(790, 40, 4, 0, 0, 4, 2, 40, 20);
    EXPECT_EQ(backBuffer->Pixel(795, 45), 0);
    BlitStretchKeyed(100, 100, 4, 0, 0, 9, 2, 40, 20); // source past the image
    EXPECT_EQ(backBuffer->Pixel(105, 105), 0);
    // A lost surface is restored and this draw is skipped.
    plat::LoseSurfaceForTests(backBuffer);
    BlitStretchKeyed(300, 300, 4, 0, 0, 4, 2, 8, 4);
    EXPECT_FALSE(backBuffer->lost);
    EXPECT_EQ(backBuffer->Pixel(300, 300), 0);
}

TEST_F(StretchKeyedBlit, GdiRoadSizesAreCutToTheScratchImage) {
    SetUpScreen(plat::PixelFormat::RGB555);
    kitDraw::SetClip(0, 0, 800, 600);
    hwStretch = 0;
    MakeLogo();
    // The ending's logo: 55x10 stretched to 300 x h, centred.
    BlitStretchKeyed(250, 285, 4, 0, 0, 4, 2, 300, 30);
    EXPECT_EQ(backBuffer->Pixel(250, 285), 0x1111);
    EXPECT_EQ(backBuffer->Pixel(549, 314), 0x8888);
    EXPECT_EQ(backBuffer->Pixel(550, 314), 0);
    // Wider and taller than the scratch image: cut there, nothing outside read.
    BlitStretchKeyed(0, 0, 4, 0, 0, 4, 2, 5000, 4000);
    EXPECT_EQ(backBuffer->Pixel(799, 599), 0x1111); // still the top-left source pixel
    BlitStretchKeyed(0, 0, 4, 0, 0, 4, 2, -10, 20); // negative size: nothing
    Fill(backBuffer, 0x0F0F);
    BlitStretchKeyed(0, 0, 499, 0, 0, 4, 2, 10, 20);  // empty slot: nothing, not the scratch's last picture
    BlitStretchOpaque(0, 0, 600, 0, 0, 4, 2, 10, 20); // no such slot: nothing
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0x0F0F);
    EXPECT_EQ(backBuffer->Pixel(9, 19), 0x0F0F);
    BlitStretchKeyed(0, 0, 4, INT32_MIN, 0, INT32_MAX, 2, INT32_MAX, INT32_MAX);
    hwStretch = 1;
    BlitStretchKeyed(INT32_MAX, INT32_MAX, 4, 0, 0, 4, 2, INT32_MAX, INT32_MAX);
}
