#include "harness/reset_globals.h"
#include "kit/draw/blend.h"
#include "kit/draw/blend_skeleton.h"
#include "kit/system/random.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

using namespace vextest;

namespace {

uint16_t TableAdd(uint16_t s, uint16_t d) {
    return uint16_t(additiveTable[0][0][pixelDecodeTable[s][0]][pixelDecodeTable[d][0]] |
                    additiveTable[1][0][pixelDecodeTable[s][1]][pixelDecodeTable[d][1]] |
                    additiveTable[2][0][pixelDecodeTable[s][2]][pixelDecodeTable[d][2]]);
}

// A 64x64 image of random pixels over a random back buffer, blended, then
// compared pixel by pixel with the formula.
template <class Blit, class Formula> void CompareWithFormula(Blit blit, Formula formula) {
    kitSystem::SeedRandom(7);
    std::vector<uint16_t> src(64 * 64);
    for (size_t i = 0; i < src.size(); ++i) {
        const int hi = kitSystem::Random();
        const int lo = kitSystem::Random();
        src[i] = (i % 5 == 0) ? 0 : uint16_t(hi << 8 ^ lo);
    }
    MakeImage(10, 64, 64, src);
    for (int32_t y = 0; y < 64; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            const int hi = kitSystem::Random();
            const int lo = kitSystem::Random();
            backBuffer->Row(y + 5)[x + 7] = uint16_t(hi << 8 ^ lo);
        }
    const std::vector<uint16_t> before = Pixels(backBuffer);
    // 61 columns: whole groups of eight and a tail.
    ASSERT_EQ(blit(7, 5, 10, 0, 0, 61, 64), 1);
    for (int32_t y = 0; y < 64; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            const uint16_t s = x < 61 ? src[size_t(y * 64 + x)] : 0;
            const uint16_t d = before[size_t((y + 5) * 800 + x + 7)];
            ASSERT_EQ(backBuffer->Pixel(x + 7, y + 5), s == 0 ? d : formula(s, d)) << x << "," << y;
        }
}

} // namespace

using BlendFamily = FreshGlobals;
using BlendRowEffects = FreshGlobals;
using BlendSkeleton = FreshGlobals;
using AdditiveBlend = FreshGlobals;
using HalfTranslucentBlend = FreshGlobals;

TEST_F(AdditiveBlend, SaturatesEachChannelAndMatchesTheTables) {
    for (plat::PixelFormat f : kFormats) {
        SetUpScreen(f);
        // Bright over bright: every channel stops at 31 on its own, no carry.
        const uint16_t bright = kitDraw::Pack5(20, 25, 30);
        MakeImage(4, 2, 1, {bright, kitDraw::Pack5(31, 0, 1)});
        backBuffer->Row(0)[0] = kitDraw::Pack5(20, 10, 5);
        backBuffer->Row(0)[1] = kitDraw::Pack5(31, 0, 31);
        EXPECT_EQ(BlitAdditive(0, 0, 4, 0, 0, 2, 1), 1);
        EXPECT_EQ(backBuffer->Pixel(0, 0), kitDraw::Pack5(31, 31, 31));
        EXPECT_EQ(backBuffer->Pixel(1, 0), kitDraw::Pack5(31, 0, 31));
        CompareWithFormula(BlitAdditive, TableAdd);
    }
    // The 6-bit green loses its lowest bit even where the source adds nothing.
    SetUpScreen(plat::PixelFormat::RGB565);
    MakeImage(4, 1, 1, {0x0001});
    backBuffer->Row(0)[0] = 0x0020;
    BlitAdditive(0, 0, 4, 0, 0, 1, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0x0001);
}

TEST_F(HalfTranslucentBlend, WhiteOverBlackIsHalfMaskAndFollowsTheFormula) {
    for (plat::PixelFormat f : kFormats) {
        SetUpScreen(f);
        MakeImage(4, 1, 1, {uint16_t(colorMask)});
        EXPECT_EQ(BlitHalfTranslucent(3, 3, 4, 0, 0, 1, 1), 1);
        EXPECT_EQ(backBuffer->Pixel(3, 3), halfMask);
        const uint16_t hm = uint16_t(halfMask);
        CompareWithFormula(BlitHalfTranslucent, [hm](uint16_t s, uint16_t d) {
            return uint16_t(((s >> 1) & hm) + ((d >> 1) & hm));
        });
    }
    EXPECT_EQ(halfMask, 0x3DEFu);
}

TEST_F(BlendSkeleton, BlackIsSkippedWhateverTheImageKey) {
    SetUpScreen(plat::PixelFormat::RGB565);
    plat::Surface* img = MakeImage(4, 2, 1, {0x0000, 0xF800});
    plat::SetColorKey(img, 0xF800); // a key the blends must not consult
    Fill(backBuffer, 0x0410);
    BlitHalfTranslucent(0, 0, 4, 0, 0, 2, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0x0410);
    EXPECT_EQ(backBuffer->Pixel(1, 0), uint16_t(((0xF800 >> 1) & 0x7BEF) + ((0x0410 >> 1) & 0x7BEF)));
    BlitAdditive(0, 1, 4, 0, 0, 2, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 1), 0x0410);
}

TEST_F(BlendSkeleton, ClippingLockingAndLockFailures) {
    SetUpScreen(plat::PixelFormat::RGB565);
    kitDraw::SetClip(180, 0, 620, 600);
    plat::Surface* img = MakeImage(4, 4, 4, std::vector<uint16_t>(16, 0xFFFF));

    // Entirely right of or below the clip: 1 before any lock (the pending
    // lock failure is still there afterwards).
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(BlitAdditive(621, 10, 4, 0, 0, 4, 4), 1);
    EXPECT_EQ(BlitAdditive(300, 601, 4, 0, 0, 4, 4), 1);
    EXPECT_EQ(BlitHalfTranslucent(300, 10, 4, 0, 0, 4, 4), 0); // the failure hits here
    // Visible width exactly 0 still locks: a failing lock shows it.
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(BlitAdditive(620, 10, 4, 0, 0, 4, 4), 0);
    EXPECT_EQ(BlitAdditive(620, 10, 4, 0, 0, 4, 4), 1);
    EXPECT_EQ(backBuffer->Pixel(619, 10), 0);
    // Left of clipLeft: the source moves with the cut, screen alignment kept.
    std::vector<uint16_t> ramp(16);
    for (int i = 0; i < 16; ++i)
        ramp[size_t(i)] = uint16_t(i + 1);
    MakeImage(5, 4, 4, ramp);
    BlitHalfTranslucent(178, 0, 5, 0, 0, 4, 4);
    EXPECT_EQ(backBuffer->Pixel(179, 0), 0);
    EXPECT_EQ(backBuffer->Pixel(180, 0), uint16_t((3 >> 1) & 0x7BEF));
    // A frame of a strip cut at clipLeft ends at its own right edge: not one
    // column of the next frame shows (frames 4 wide, each its own colour).
    const uint16_t frameColour[3] = {0x0841, 0x1082, 0x2104};
    std::vector<uint16_t> strip(12 * 2);
    for (int i = 0; i < 24; ++i)
        strip[size_t(i)] = frameColour[(i % 12) / 4];
    MakeImage(6, 12, 2, strip);
    for (int frame = 0; frame < 2; ++frame) {
        Fill(backBuffer, 0);
        EXPECT_EQ(BlitAdditive(177, 20, 6, 4 * frame, 0, 4 * frame + 4, 2), 1);
        EXPECT_EQ(BlitHalfTranslucent(178, 30, 6, 4 * frame, 0, 4 * frame + 4, 2), 1);
        for (int y : {20, 21})
            for (int x = 179; x < 186; ++x)
                EXPECT_EQ(backBuffer->Pixel(x, y), x == 180 ? frameColour[frame] : 0) << frame << " " << x;
        for (int x = 179; x < 186; ++x)
            EXPECT_EQ(backBuffer->Pixel(x, 30),
                      x == 180 || x == 181 ? uint16_t((frameColour[frame] >> 1) & 0x7BEF) : 0)
                << frame << " " << x;
    }
    // A failed back-buffer lock gives the source back and returns 0.
    plat::LoseSurfaceForTests(backBuffer);
    EXPECT_EQ(BlitAdditive(300, 10, 4, 0, 0, 4, 4), 0);
    EXPECT_EQ(img->lockCount, 0);
    EXPECT_EQ(backBuffer->lockCount, 0);
}

TEST_F(BlendSkeleton, BadRectanglesAndHandlesStayInBounds) {
    SetUpScreen(plat::PixelFormat::RGB565, 64, 48);
    MakeImage(4, 8, 8, std::vector<uint16_t>(64, 0x1234));
    // The clip rectangle reaches past the back buffer; the source past the image.
    kitDraw::SetClip(-100, -100, 1000, 1000);
    EXPECT_EQ(BlitAdditive(-4, -4, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(backBuffer->Pixel(3, 3), TableAdd(0x1234, 0));
    EXPECT_EQ(BlitHalfTranslucent(60, 44, 4, -5, -5, 40, 40), 1);
    EXPECT_EQ(BlitAdditive(0, 0, 4, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), 1);
    EXPECT_EQ(BlitAdditive(INT32_MAX, INT32_MAX, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitAdditive(INT32_MIN, INT32_MIN, 4, 0, 0, 8, 8), 1);
    for (auto blit : {BlitGrey, BlitEdgeSoften, BlitSubtractive, BlitAdditive, BlitHalfTranslucent})
        EXPECT_EQ(blit(10, 10, 4, 4, 4, 30, 30), 1);
    // Handles outside the table or without a surface draw nothing.
    EXPECT_EQ(BlitAdditive(0, 0, 500, 0, 0, 8, 8), 0);
    EXPECT_EQ(BlitAdditive(0, 0, -1, 0, 0, 8, 8), 0);
    EXPECT_EQ(BlitHalfTranslucent(0, 0, 77, 0, 0, 8, 8), 0);
    // Out-of-range levels are held to the table.
    EXPECT_EQ(BlitMix(0, 0, 1000, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitMixRGB(0, 0, -50, 99, 31, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitSubtractiveLevel(0, 0, -7, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitAdditiveLevel(0, 0, 5.0f, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitBlur(0, 0, 0, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitBlur(0, 0, 50, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitSmear(40, 10, 1, 100, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitSmear(40, 10, 3, -100, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitSmear(40, 10, 0, 4, 4, 0, 0, 8, 8), 1);
    EXPECT_EQ(BlitSmear(40, 10, 2, 4, 4, 0, 0, 8, 8), 1);
}

TEST_F(BlendFamily, WeightedMixesAndFades) {
    SetUpScreen(plat::PixelFormat::RGB565);
    const uint16_t s = kitDraw::Pack5(31, 16, 4), d = kitDraw::Pack5(2, 8, 30);
    MakeImage(4, 4, 1, {s, s, s, s});
    auto reset = [&] { Fill(backBuffer, d); };
    reset();
    BlitMix(0, 0, 31, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), s); // level 31: the source
    reset();
    BlitMix(0, 0, 0, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), d); // level 0: the destination
    reset();
    BlitAlpha(0, 0, 1.0f, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), s);
    reset();
    BlitAlpha(0, 0, 0.5f, 4, 0, 0, 4, 1);
    // Full fields: red (31 + 2) / 2, green (32 + 16) / 2 of six bits, blue (4 + 30) / 2.
    EXPECT_EQ(backBuffer->Pixel(0, 0), uint16_t(16 << 11 | 24 << 5 | 17));
    reset();
    BlitAdditiveLevel(0, 0, 1.0f, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), TableAdd(s, d));
    reset();
    BlitAdditiveLevel(0, 0, 0.0f, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), d);
    // Column fade: the destination weight drops by 1/32 every column after 0.
    reset();
    BlitAlphaFade(0, 1, 0.0f, 0.0f, 0.0f, 0, 0, 1, 4, 0, 0, 4, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 1), d);
    EXPECT_EQ(backBuffer->Pixel(1, 1) & 0x1F, 29); // 30 x (1 - 1/32) truncated
    EXPECT_EQ(backBuffer->Pixel(3, 1) & 0x1F, 27); // 30 x (1 - 3/32)
    // Mix fade by rows: the level index drops one per row.
    MakeImage(5, 1, 3, {s, s, s});
    reset();
    BlitMixFade(0, 0, 0, 0, 0, 1, 0, 1, 5, 0, 0, 1, 3);
    EXPECT_EQ(backBuffer->Pixel(0, 0), d);
    EXPECT_EQ(backBuffer->Pixel(0, 1),
              uint16_t(mixTable[0][30][31][2] | mixTable[1][30][16][8] | mixTable[2][30][4][30]));
}

TEST_F(BlendFamily, SubtractiveGreyMasksAndScales) {
    for (plat::PixelFormat f : kFormats) {
        SetUpScreen(f);
        const uint16_t s = kitDraw::Pack5(6, 12, 18), d = kitDraw::Pack5(10, 3, 31);
        MakeImage(4, 1, 1, {s});
        Fill(backBuffer, d);
        BlitSubtractive(0, 0, 4, 0, 0, 1, 1); // every channel minus the sprite's red
        EXPECT_EQ(backBuffer->Pixel(0, 0), kitDraw::Pack5(4, 0, 25));
        BlitSubtractiveLevel(1, 0, 29, 4, 0, 0, 1, 1); // the sprite less 2, destination unread
        EXPECT_EQ(backBuffer->Pixel(1, 0), kitDraw::Pack5(4, 10, 16));
        BlitGrey(2, 0, 4, 0, 0, 1, 1);
        EXPECT_EQ(backBuffer->Pixel(2, 0), kitDraw::Pack5(12, 12, 12));
        BlitChannelMask(3, 0, 1, 0, 1, 4, 0, 0, 1, 1);
        EXPECT_EQ(backBuffer->Pixel(3, 0), uint16_t(s & (redMask | blueMask)));
        BlitScaleColour(4, 0, 1.0f, 4, 0, 0, 1, 1);
        EXPECT_EQ(backBuffer->Pixel(4, 0), s);
        BlitScaleColourRGB(5, 0, 0.5f, 0.0f, 1.0f, 4, 0, 0, 1, 1);
        EXPECT_EQ(backBuffer->Pixel(5, 0),
                  uint16_t(((s >> redShift & redBits) / 2) << redShift | (s & blueMask)));
    }
}

TEST_F(BlendFamily, NeighbourhoodMirrorDisplaceAndSmear) {
    SetUpScreen(plat::PixelFormat::RGB555);
    const uint16_t a = kitDraw::Pack5(30, 0, 0), b = kitDraw::Pack5(0, 0, 30);
    // Mirror: mode 1 left-right, 2 upside down, 3 both; black stays out.
    MakeImage(4, 2, 2, {a, b, 0, a});
    BlitKeyedMirror(0, 0, 1, 4, 0, 0, 2, 2);
    EXPECT_EQ(backBuffer->Pixel(0, 0), b);
    EXPECT_EQ(backBuffer->Pixel(1, 0), a);
    EXPECT_EQ(backBuffer->Pixel(1, 1), 0);
    BlitKeyedMirror(4, 0, 3, 4, 0, 0, 2, 2);
    EXPECT_EQ(backBuffer->Pixel(4, 0), a);
    EXPECT_EQ(backBuffer->Pixel(5, 1), a);
    EXPECT_EQ(backBuffer->Pixel(4, 1), b);
    // Blur of size 2 averages the 2x2 block, pulled back at the edges.
    MakeImage(5, 2, 2,
              {kitDraw::Pack5(4, 8, 0), kitDraw::Pack5(8, 0, 0), kitDraw::Pack5(0, 0, 0),
               kitDraw::Pack5(12, 4, 8)});
    BlitBlur(10, 0, 2, 5, 0, 0, 2, 2);
    EXPECT_EQ(backBuffer->Pixel(10, 0), kitDraw::Pack5(6, 3, 2));
    EXPECT_EQ(backBuffer->Pixel(11, 1), kitDraw::Pack5(6, 3, 2));
    EXPECT_EQ(backBuffer->Pixel(10, 1), 0); // transparent pixel
    // Edge softening mixes with what lies under transparent neighbours.
    Fill(backBuffer, kitDraw::Pack5(0, 0, 9));
    MakeImage(6, 3, 1, {0, kitDraw::Pack5(30, 0, 0), 0});
    BlitEdgeSoften(20, 5, 6, 0, 0, 3, 1);
    EXPECT_EQ(backBuffer->Pixel(21, 5), kitDraw::Pack5(10, 0, 6));
    // Displace pulls the screen up by the sprite's red.
    for (int y = 0; y < 8; ++y)
        backBuffer->Row(y)[40] = uint16_t(y + 1);
    MakeImage(7, 1, 8, {kitDraw::Pack5(3, 0, 0), 1, 1, 1, 1, 1, 1, kitDraw::Pack5(5, 0, 0)});
    BlitDisplace(40, 0, 1.0f, 7, 0, 0, 1, 8);
    EXPECT_EQ(backBuffer->Pixel(40, 0), 4); // 3 rows below
    EXPECT_EQ(backBuffer->Pixel(40, 7), 8); // too few rows left: unchanged
    // Smear mode 1: the columns up to the edge repeat the edge's pixel, and
    // the row left of the picture takes it too.
    Fill(backBuffer, 0);
    MakeImage(8, 3, 1, {a, 0, b});
    BlitSmear(5, 20, 1, 2, 8, 0, 0, 3, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 20), b);
    EXPECT_EQ(backBuffer->Pixel(5, 20), b);
    EXPECT_EQ(backBuffer->Pixel(7, 20), b);
}

TEST_F(BlendRowEffects, RowsDrawThroughTheKeyedCopy) {
    SetUpScreen(plat::PixelFormat::RGB565);
    std::vector<uint16_t> rows;
    for (int r = 0; r < 6; ++r)
        rows.push_back(uint16_t(r + 1));
    MakeImage(4, 1, 6, rows);
    BlitRowSkip(0, 0, 2, 4, 0, 0, 1, 6); // rows 2 and 4
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0);
    EXPECT_EQ(backBuffer->Pixel(0, 2), 3);
    EXPECT_EQ(backBuffer->Pixel(0, 4), 5);
    EXPECT_EQ(backBuffer->Pixel(0, 3), 0);
    kitSystem::SeedRandom(3);
    BlitRowSkip(2, 0, -2, 4, 0, 0, 1, 6); // gaps of 1 or 2 rows
    BlitRowSkip(2, 0, INT32_MIN, 4, 0, 0, 1, 6);
    BlitRowJitter(10, 0, 0, 4, 0, 0, 1, 6);
    EXPECT_EQ(backBuffer->Pixel(10, 5), 6);
    BlitRowJitter(30, 0, 2, 4, 0, 0, 1, 6);
    int drawn = 0;
    for (int x = 28; x < 32; ++x)
        drawn += backBuffer->Pixel(x, 0) == 1;
    EXPECT_EQ(drawn, 1);
    BlitRowJitter(30, 0, INT32_MAX, 4, 0, 0, 1, 6);
    BlitRollOpaque(50, 0, 1, 10.0f, 4, 0, 0, 1, 6);
    EXPECT_NE(backBuffer->Pixel(50, 0), 0);
    BlitRollOpaque(60, 0, 0, 10.0f, 4, 0, 0, 1, 1);
    EXPECT_EQ(backBuffer->Pixel(60, 0), 1);
}
