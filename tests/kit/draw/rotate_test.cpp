#include "harness/reset_globals.h"
#include "kit/draw/rotate.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

using namespace vextest;

namespace {

// A 7x7 picture whose every pixel is different and non-zero.
std::vector<uint16_t> Numbered(int32_t w, int32_t h) {
    std::vector<uint16_t> p;
    for (int32_t i = 0; i < w * h; ++i)
        p.push_back(uint16_t(0x0100 + i));
    return p;
}

} // namespace

using RotatedBlit = FreshGlobals;
using RotatedBlitVariants = FreshGlobals;

TEST_F(RotatedBlit, ZeroIsACopyAndNinetyTurnsAnticlockwise) {
    for (plat::PixelFormat f : kFormats) {
        SetUpScreen(f);
        const auto src = Numbered(7, 7);
        MakeImage(4, 7, 7, src);
        EXPECT_EQ(BlitRotated(100, 50, 107, 57, 0, 4, 0, 0, 7, 7), 1);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(backBuffer->Pixel(100 + x, 50 + y), src[size_t(y * 7 + x)]);
        // A quarter turn: the source's top-right corner comes to the top-left,
        // and the source's downward direction points right.
        EXPECT_EQ(BlitRotated(200, 50, 207, 57, 90, 4, 0, 0, 7, 7), 1);
        for (int j = 0; j < 7; ++j)
            for (int i = 0; i < 7; ++i)
                ASSERT_EQ(backBuffer->Pixel(200 + i, 50 + j), src[size_t(i * 7 + 6 - j)]);
    }
}

TEST_F(RotatedBlit, TurnsBetweenTheQuarterAnglesAndOddCentring) {
    SetUpScreen(plat::PixelFormat::RGB565, 64, 48);
    // Source   a b c     worked out from the mapping, with sine and cosine
    //          d e f     from the table (sin 30 = 179, cos 30 = 311, 45: 254).
    const uint16_t a = 0x1001, b = 0x1002, c = 0x1003, d = 0x1004, e = 0x1005, f = 0x1006, _ = 0x5555;
    MakeImage(4, 3, 2, {a, b, c, d, e, f});
    auto box = [&](int32_t angle, int32_t w, int32_t h) {
        Fill(backBuffer, _);
        EXPECT_EQ(BlitRotated(10, 10, 10 + w, 10 + h, angle, 4, 0, 0, 3, 2), 1);
        std::vector<uint16_t> got;
        for (int32_t y = 9; y <= 10 + h; ++y)
            for (int32_t x = 9; x <= 10 + w; ++x)
                got.push_back(backBuffer->Pixel(x, y));
        return got;
    };
    // A 4x3 box: one spare column and row, which the rounded-down centring
    // leaves on the right and at the bottom. Each result has a border of
    // untouched pixels round the box.
    EXPECT_EQ(box(0, 4, 3), (std::vector<uint16_t>{_, _, _, _, _, _, //
                                                   _, a, b, c, _, _, //
                                                   _, d, e, f, _, _, //
                                                   _, _, _, _, _, _, //
                                                   _, _, _, _, _, _}));
    // 30 degrees anticlockwise. Truncation toward zero gives column 0 the
    // pixel at -0.2 (bottom left).
    EXPECT_EQ(box(30, 4, 3), (std::vector<uint16_t>{_, _, _, _, _, _, //
                                                    _, a, b, c, _, _, //
                                                    _, a, b, f, f, _, //
                                                    _, a, d, e, _, _, //
                                                    _, _, _, _, _, _}));
    EXPECT_EQ(box(45, 4, 3), (std::vector<uint16_t>{_, _, _, _, _, _, //
                                                    _, _, c, c, _, _, //
                                                    _, a, b, f, f, _, //
                                                    _, a, d, e, _, _, //
                                                    _, _, _, _, _, _}));
    // A box one smaller than the source each way: the offsets are -1 (an
    // arithmetic shift rounds down), so the box shows e f, not a b.
    EXPECT_EQ(box(0, 2, 1), (std::vector<uint16_t>{_, _, _, _, //
                                                   _, e, f, _, //
                                                   _, _, _, _}));
}

TEST_F(RotatedBlit, AnyAngleDrawsLikeItsNormalisedAngle) {
    SetUpScreen(plat::PixelFormat::RGB565, 160, 120);
    MakeImage(4, 9, 5, Numbered(9, 5));
    const int32_t angles[][2] = {{450, 90}, {-270, 90},       {720, 0},        {-1, 359},
                                 {361, 1},  {INT32_MIN, 232}, {INT32_MAX, 127}};
    for (const auto& a : angles) {
        Fill(backBuffer, 0);
        BlitRotated(20, 20, 33, 33, a[1], 4, 0, 0, 9, 5);
        const auto expected = Pixels(backBuffer);
        Fill(backBuffer, 0);
        EXPECT_EQ(BlitRotated(20, 20, 33, 33, a[0], 4, 0, 0, 9, 5), 1);
        EXPECT_EQ(Pixels(backBuffer), expected) << a[0];
    }
    EXPECT_EQ(NormaliseAngle(-360), 0);
    EXPECT_EQ(NormaliseAngle(359), 359);
}

TEST_F(RotatedBlit, ClippingTransparencyAndBoxSizes) {
    SetUpScreen(plat::PixelFormat::RGB565);
    kitDraw::SetClip(180, 0, 620, 600);
    auto src = Numbered(7, 7);
    src[3 * 7 + 3] = 0; // a hole in the middle
    MakeImage(4, 7, 7, src);
    Fill(backBuffer, 0x5555);
    // Left part cut at clipLeft; the picture keeps its place.
    BlitRotated(177, 10, 184, 17, 0, 4, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(179, 10), 0x5555);
    EXPECT_EQ(backBuffer->Pixel(180, 10), src[3]);
    EXPECT_EQ(backBuffer->Pixel(183, 16), src[6 * 7 + 6]);
    // A source pixel of 0 never overwrites.
    BlitRotated(300, 10, 307, 17, 0, 4, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(303, 13), 0x5555);
    // A box larger than the source leaves a transparent border; the picture is centred.
    BlitRotated(400, 10, 411, 21, 0, 4, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(401, 11), 0x5555);
    EXPECT_EQ(backBuffer->Pixel(402, 12), src[0]);
    // A smaller box cuts the picture.
    BlitRotated(500, 10, 503, 13, 0, 4, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(500, 10), src[2 * 7 + 2]);
    EXPECT_EQ(backBuffer->Pixel(503, 10), 0x5555);
    // Wholly outside: 1 without locking.
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(BlitRotated(621, 10, 628, 17, 30, 4, 0, 0, 7, 7), 1);
    EXPECT_EQ(BlitRotated(300, 10, 307, 17, 30, 4, 0, 0, 7, 7), 0);
    // A failed second lock gives the source back.
    plat::LoseSurfaceForTests(backBuffer);
    EXPECT_EQ(BlitRotated(300, 10, 307, 17, 30, 4, 0, 0, 7, 7), 0);
    EXPECT_EQ(imageTable[4].surface->lockCount, 0);
}

TEST_F(RotatedBlit, ExtremeBoxesAndSourcesStayInBounds) {
    SetUpScreen(plat::PixelFormat::RGB565, 64, 48);
    MakeImage(4, 7, 7, Numbered(7, 7));
    kitDraw::SetClip(-1000, -1000, 1000, 1000); // wider than the screen
    EXPECT_EQ(BlitRotated(-10, -10, 80, 80, 45, 4, 0, 0, 7, 7), 1);
    EXPECT_EQ(BlitRotated(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 33, 4, 0, 0, 7, 7), 1);
    EXPECT_EQ(BlitRotated(0, 0, 40, 40, 10, 4, -20, -20, 60, 60), 1);
    EXPECT_EQ(BlitRotated(0, 0, 40, 40, 10, 4, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), 1);
    EXPECT_EQ(BlitRotatedTiled(0, 0, 40, 40, 10, 4, 3, 3, 3, 9), 1); // zero-wide tile refused
    EXPECT_EQ(BlitRotatedTiled(0, 0, 40, 40, 10, 4, -5, -5, 30, 30), 1);
    EXPECT_EQ(BlitRotatedScaled(0, 0, 40, 40, 10, 0.0f, 4, 0, 0, 7, 7), 1);
    EXPECT_EQ(
        BlitRotatedPerspective(0, 0, 64, 48, 200, 1.0f, -0.1f, 1.0f, -0.1f, 2.0f, 1.0f, 1.0f, 4, 0, 0, 7, 7),
        1);
    EXPECT_EQ(BlitRipple(0, 0, 5, 3, 0, 1.0f, 0.0f, 4, 0, 0, 7, 7), 1);
    EXPECT_EQ(BlitRipple(-3, -3, 500, 3, 1, 9.0f, 2.0f, 4, 0, 0, 7, 7), 1);
}

TEST_F(RotatedBlitVariants, TilingScalingPerspectiveAndRipple) {
    SetUpScreen(plat::PixelFormat::RGB565, 96, 64);
    const auto src = Numbered(7, 7);
    MakeImage(4, 7, 7, src);
    // Scale 1 is the plain turn.
    BlitRotated(0, 0, 7, 7, 30, 4, 0, 0, 7, 7);
    const auto plain = Pixels(backBuffer);
    Fill(backBuffer, 0);
    BlitRotatedScaled(0, 0, 7, 7, 30, 1.0f, 4, 0, 0, 7, 7);
    EXPECT_EQ(Pixels(backBuffer), plain);
    // Tiling fills the whole box, mirrored about the source origin.
    Fill(backBuffer, 0);
    BlitRotatedTiled(20, 0, 41, 21, 0, 4, 0, 0, 7, 7);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            ASSERT_NE(backBuffer->Pixel(20 + x, y), 0);
    EXPECT_EQ(backBuffer->Pixel(20 + 7, 7), src[0]);
    EXPECT_EQ(backBuffer->Pixel(20 + 6, 7), src[1]); // mirrored: |-1| = 1
    // Scale 2 enlarges about the source origin (offset 3 in this box): each
    // source pixel covers 2x2, and truncation gives pixel 0 one more.
    Fill(backBuffer, 0);
    BlitRotatedScaled(50, 0, 64, 14, 0, 2.0f, 4, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(50 + 2, 2), src[0]);
    EXPECT_EQ(backBuffer->Pixel(50 + 4, 4), src[0]);
    EXPECT_EQ(backBuffer->Pixel(50 + 5, 5), src[8]);
    EXPECT_EQ(backBuffer->Pixel(50 + 7, 7), src[16]);
    EXPECT_EQ(backBuffer->Pixel(50 + 1, 1), 0);
    // Perspective with unit scales and factors is the tiled turn, decoded and rebuilt.
    Fill(backBuffer, 0);
    BlitRotatedTiled(0, 30, 7, 37, 0, 4, 0, 0, 7, 7);
    BlitRotatedPerspective(10, 30, 17, 37, 0, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 4, 0, 0, 7, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(backBuffer->Pixel(10 + x, 30 + y), backBuffer->Pixel(x, 30 + y) & ~0x0020);
    // Factors of 0 darken every lit pixel to black, and that black is stored;
    // only the source's own black stays transparent.
    Fill(backBuffer, 0x7777);
    auto dotted = src;
    dotted[3 * 7 + 3] = 0;
    MakeImage(6, 7, 7, dotted);
    BlitRotatedPerspective(10, 30, 17, 37, 0, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 6, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(10, 30), 0);
    EXPECT_EQ(backBuffer->Pixel(16, 36), 0);
    EXPECT_EQ(backBuffer->Pixel(13, 33), 0x7777);
    // Ripple without amplitude or shear is a straight copy, black included.
    Fill(backBuffer, 0x7777);
    auto holed = src;
    holed[0] = 0;
    MakeImage(5, 7, 7, holed);
    BlitRipple(60, 40, 0, 3, 1, 1.0f, 0.0f, 5, 0, 0, 7, 7);
    EXPECT_EQ(backBuffer->Pixel(60, 40), 0);
    EXPECT_EQ(backBuffer->Pixel(66, 46), src[48]);
}
