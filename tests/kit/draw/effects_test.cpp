#include "kit/draw/effects.h"

#include "kit/system/random.h"
#include "periph_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

class ScreenEffects : public PeriphScreen {
  protected:
    void SetUp() override {
        PeriphScreen::SetUp();
        riseSmearNoise = riseSmearCounter = riseSmearFadeNoise = riseSmearFadeCounter = 0;
        noiseAddNoise = noiseAddRGBNoise = 0;
    }
    // A busy picture: every pixel different from its neighbours.
    static void Pattern() {
        uint32_t s = 12345;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                s = s * 1103515245u + 12345u;
                SetPx(x, y, uint16_t(s >> 16));
            }
    }
    static std::vector<uint16_t> Snapshot() {
        std::vector<uint16_t> v;
        for (int y = 0; y < 600; ++y)
            v.insert(v.end(), backBuffer->Row(y), backBuffer->Row(y) + 800);
        return v;
    }
};

uint16_t Red(int r) { return kitDraw::Pack5(uint32_t(r), 0, 0); }

} // namespace

TEST_F(ScreenEffects, NoiseAddsTheTableToEachChannel) {
    for (int i = 0; i < 10000; ++i)
        noiseTable[i] = uint8_t(i % 3);
    const uint16_t white = kitDraw::Pack5(31, 31, 31);
    Fill(white);
    ASSERT_EQ(NoiseAdd(0, 10, 10, 10, 10), 1);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            ASSERT_EQ(Px(x, y), white) << "white stays white";
    EXPECT_EQ(noiseAddNoise, 100);

    Fill(0);
    noiseAddNoise = 0;
    ASSERT_EQ(NoiseAdd(2, 100, 50, 4, 2), 1);
    for (int i = 0; i < 8; ++i) {
        const int n = (i % 3) << 2;
        EXPECT_EQ(Px(100 + i % 4, 50 + i / 4), kitDraw::Pack5(n, n, n)) << i;
    }
    EXPECT_EQ(Px(104, 50) + Px(100, 52) + Px(99, 50), 0);
    // A shift past the channel's width caps it; a negative one adds the plain value.
    ASSERT_EQ(NoiseAdd(40, 200, 50, 3, 1), 1);
    EXPECT_EQ(Px(200, 50), kitDraw::Pack5(31, 31, 31)); // index 8: 2
    EXPECT_EQ(Px(201, 50), 0);                          // index 9: 0
    ASSERT_EQ(NoiseAdd(-3, 300, 50, 3, 1), 1);
    EXPECT_EQ(Px(300, 50), kitDraw::Pack5(2, 2, 2)); // index 11: 2

    // Only the chosen channels, with their own read index.
    ASSERT_EQ(NoiseAddRGB(1, 0, 1, 3, 400, 50, 3, 1), 1);
    EXPECT_EQ(Px(400, 50), 0);
    EXPECT_EQ(Px(401, 50), kitDraw::Pack5(8, 0, 8));
    EXPECT_EQ(Px(402, 50), kitDraw::Pack5(16, 0, 16));
    EXPECT_EQ(noiseAddRGBNoise, 3);

    // Past the end of the table the index restarts at rand() % 1000.
    kitSystem::SeedRandom(77);
    const int restart = kitSystem::Random() % 1000;
    kitSystem::SeedRandom(77);
    noiseAddNoise = 9999;
    ASSERT_EQ(NoiseAdd(0, 0, 0, 2, 1), 1);
    EXPECT_EQ(noiseAddNoise, restart + 1);

    // Over the screen's edges only the screen's pixels change.
    Fill(0);
    std::memset(noiseTable, 2, sizeof noiseTable);
    ASSERT_EQ(NoiseAdd(0, 790, 595, 50, 50), 1);
    EXPECT_EQ(Px(799, 599), kitDraw::Pack5(2, 2, 2));
    EXPECT_EQ(Px(789, 599), 0);
    ASSERT_EQ(NoiseAdd(0, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1);
    ASSERT_EQ(NoiseAdd(0, -10, -10, 11, 11), 1);
    EXPECT_EQ(Px(0, 0), kitDraw::Pack5(2, 2, 2));
    EXPECT_EQ(Px(1, 0), 0);
}

TEST_F(ScreenEffects, Blur4AveragesInPlace) {
    SetUpScreen(plat::PixelFormat::RGB555);
    // 3 x 3: only the middle pixel changes, to the mean of its four neighbours.
    SetPx(10, 11, Red(31));
    SetPx(12, 11, Red(31));
    SetPx(11, 11, Red(31));
    ASSERT_EQ(Blur4(10, 10, 3, 3), 1);
    EXPECT_EQ(Px(11, 11), Red(15));
    EXPECT_EQ(Px(10, 11), Red(31));
    SetPx(11, 11, 0);
    ASSERT_EQ(Blur4Fade(1, 0, 0, 10, 10, 3, 3), 1);
    EXPECT_EQ(Px(11, 11), Red(14));
    ASSERT_EQ(Blur4Fade(0, 1, 1, 10, 10, 3, 3), 1);
    EXPECT_EQ(Px(11, 11), Red(15)) << "fading never takes a channel below 0";

    // 4 x 3: the second pixel sees the first one already rewritten.
    SetPx(20, 21, Red(31));
    ASSERT_EQ(Blur4(20, 20, 4, 3), 1);
    EXPECT_EQ(Px(21, 21), Red(7));
    EXPECT_EQ(Px(22, 21), Red(1));

    // A flat colour stays flat, and the whole screen (or more) is safe to blur.
    const uint16_t c = kitDraw::Pack5(9, 20, 4);
    Fill(c);
    ASSERT_EQ(Blur4(-100, -100, 1000, 1000), 1);
    ASSERT_EQ(Blur4(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX), 1);
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7)
            ASSERT_EQ(Px(x, y), c);
}

TEST_F(ScreenEffects, RiseSmearPushesRowsUp) {
    // Noise 0 everywhere: every pixel is copied one row up.
    std::memset(noiseTable, 0, sizeof noiseTable);
    Pattern();
    const std::vector<uint16_t> old = Snapshot();
    auto was = [&old](int x, int y) { return old[size_t(y * 800 + x)]; };
    ASSERT_EQ(RiseSmear(10, 10, 5, 6), 1);
    for (int y = 11; y <= 14; ++y)
        for (int x = 11; x <= 13; ++x)
            EXPECT_EQ(Px(x, y), was(x, y + 1)) << x << "," << y;
    for (int x = 10; x <= 14; ++x) {
        EXPECT_EQ(Px(x, 10), was(x, 10));
        EXPECT_EQ(Px(x, 15), was(x, 15));
    }
    EXPECT_EQ(Px(10, 12), was(10, 12));
    EXPECT_EQ(Px(14, 12), was(14, 12));
    EXPECT_EQ(riseSmearNoise, 12);

    // Noise 2: averaged, copied, averaged, copied ...
    SetUpScreen(plat::PixelFormat::RGB555);
    std::memset(noiseTable, 2, sizeof noiseTable);
    riseSmearNoise = riseSmearCounter = 0;
    // p = (11, 12): neighbours (10,12) 31, (12,12) 31, (11,11) 0, (11,13) 0.
    SetPx(10, 12, Red(31));
    SetPx(12, 12, Red(30));
    ASSERT_EQ(RiseSmear(10, 10, 4, 3), 1);
    EXPECT_EQ(Px(11, 11), Red(15)) << "the mean of p's neighbours";
    EXPECT_EQ(Px(12, 11), Red(30)) << "p itself";
    EXPECT_EQ(riseSmearCounter, 0);
    EXPECT_EQ(riseSmearNoise, 1);

    // The fading smear darkens only what it averages.
    SetPx(11, 11, 0);
    SetPx(12, 11, 0);
    ASSERT_EQ(RiseSmearFade(1, 0, 0, 10, 10, 4, 3), 1);
    EXPECT_EQ(Px(11, 11), Red(14));
    EXPECT_EQ(Px(12, 11), Red(30));

    // Rectangles over the edges, even absurd ones, touch only the screen.
    ASSERT_EQ(RiseSmear(-5, -5, 900, 700), 1);
    ASSERT_EQ(RiseSmear(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1);
    ASSERT_EQ(RiseSmearFade(1, 1, 1, 790, 590, 100, 100), 1);
}

TEST_F(ScreenEffects, ZoomEnlargesThroughImageZero) {
    Pattern();
    const std::vector<uint16_t> old = Snapshot();
    auto was = [&old](int x, int y) { return old[size_t(y * 800 + x)]; };
    ASSERT_EQ(Zoom2(100, 100, 10, 10, 0), 1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(Px(100 + x, 100 + y), was(100 + x / 2, 100 + y / 2)) << x << "," << y;
    EXPECT_EQ(Px(120, 100), was(120, 100));
    EXPECT_EQ(Px(100, 120), was(100, 120));

    // Dots: only the top-left of each block; the rest shows what image 0 held.
    SetUpScreen(plat::PixelFormat::RGB565);
    Pattern();
    const std::vector<uint16_t> old2 = Snapshot();
    auto was2 = [&old2](int x, int y) { return old2[size_t(y * 800 + x)]; };
    plat::FillRect(imageTable[0].surface, nullptr, 0x1234);
    ASSERT_EQ(Zoom2(300, 200, 6, 5, 1), 1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(Px(300 + x, 200 + y),
                      (x % 2 == 0 && y % 2 == 0) ? was2(300 + x / 2, 200 + y / 2) : 0x1234);

    plat::FillRect(imageTable[0].surface, nullptr, 0x0F0F);
    Pattern();
    const std::vector<uint16_t> old3 = Snapshot();
    auto was3 = [&old3](int x, int y) { return old3[size_t(y * 800 + x)]; };
    ASSERT_EQ(Zoom4(40, 30, 5, 4, 0), 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(Px(40 + x, 30 + y), was3(40 + x / 4, 30 + y / 4));
    Pattern();
    plat::FillRect(imageTable[0].surface, nullptr, 0x0F0F);
    ASSERT_EQ(Zoom4(40, 30, 5, 4, 1), 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(Px(40 + x, 30 + y), (x % 4 < 2 && y % 4 < 2) ? was3(40 + x / 4, 30 + y / 4) : 0x0F0F);

    // The clip rectangle cuts what is drawn back.
    Pattern();
    const std::vector<uint16_t> old4 = Snapshot();
    kitDraw::SetClip(0, 0, 105, 600);
    ASSERT_EQ(Zoom2(100, 100, 10, 10, 0), 1);
    EXPECT_EQ(Px(104, 100), old4[100 * 800 + 102]);
    EXPECT_EQ(Px(105, 100), old4[100 * 800 + 105]);
    kitDraw::SetClip(0, 0, 800, 600);

    // Larger than image 0, or hanging off the screen: no pixel outside either is touched.
    ASSERT_EQ(Zoom2(0, 0, 800, 600, 0), 1);
    ASSERT_EQ(Zoom4(790, 590, 50, 50, 0), 1);
    ASSERT_EQ(Zoom4(-20, -20, 50, 50, 1), 1);
    ASSERT_EQ(Zoom2(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0), 1);
}

TEST_F(ScreenEffects, RoundMosaicInsideTheCircle) {
    Pattern();
    const std::vector<uint16_t> old = Snapshot();
    auto was = [&old](int x, int y) { return old[size_t(y * 800 + x)]; };
    ASSERT_EQ(RoundMosaic(100, 100, 10, 1), 1);
    EXPECT_EQ(Snapshot(), old) << "cells of one pixel change nothing";

    ASSERT_EQ(RoundMosaic(100, 100, 10, 4), 1);
    // The square starts at (90, 90); (100, 100) lies in the cell from (98, 98).
    EXPECT_EQ(Px(100, 100), was(98, 98));
    EXPECT_EQ(Px(101, 99), was(98, 98));
    EXPECT_EQ(Px(97, 100), was(94, 98));
    EXPECT_EQ(Px(90, 90), was(90, 90)) << "outside the circle";
    EXPECT_EQ(Px(109, 100), was(106, 98)) << "distance 9";
    EXPECT_EQ(Px(110, 100), was(110, 100)) << "distance 10 is not below the radius";

    // Cut to the screen; a cell of no size is refused.
    const std::vector<uint16_t> before = Snapshot();
    EXPECT_EQ(RoundMosaic(400, 300, 50, 0), 0);
    EXPECT_EQ(RoundMosaic(400, 300, 50, -4), 0);
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(RoundMosaic(-3, -3, 10, 3), 1);
    EXPECT_EQ(Px(0, 0), before[0]);
    EXPECT_EQ(Px(2, 1), before[0]);
    ASSERT_EQ(RoundMosaic(799, 599, 30, 7), 1);
    ASSERT_EQ(RoundMosaic(400, 300, -5, 3), 1);
    ASSERT_EQ(RoundMosaic(400, 300, INT_MAX, INT_MAX), 1);
    EXPECT_EQ(Px(799, 599), Px(0, 0)) << "one cell over the whole screen";
}

TEST_F(ScreenEffects, FailedLockDrawsNothing) {
    Pattern();
    const std::vector<uint16_t> old = Snapshot();
    const auto fails = [](auto call) {
        plat::FailNextLocksForTests(1);
        return call();
    };
    EXPECT_EQ(fails([] { return RiseSmear(10, 10, 50, 50); }), 0);
    EXPECT_EQ(fails([] { return RiseSmearFade(1, 1, 1, 10, 10, 50, 50); }), 0);
    EXPECT_EQ(fails([] { return Blur4(10, 10, 50, 50); }), 0);
    EXPECT_EQ(fails([] { return Blur4Fade(1, 1, 1, 10, 10, 50, 50); }), 0);
    EXPECT_EQ(fails([] { return Zoom2(10, 10, 50, 50, 0); }), 0);
    EXPECT_EQ(fails([] { return Zoom4(10, 10, 50, 50, 1); }), 0);
    EXPECT_EQ(fails([] { return RoundMosaic(100, 100, 50, 5); }), 0);
    EXPECT_EQ(fails([] { return NoiseAdd(3, 10, 10, 50, 50); }), 0);
    EXPECT_EQ(fails([] { return NoiseAddRGB(1, 1, 1, 3, 10, 10, 50, 50); }), 0);
    EXPECT_EQ(Snapshot(), old);
    EXPECT_EQ(backBuffer->lockCount, 0);
    EXPECT_EQ(imageTable[0].surface->lockCount, 0);
    // No back buffer at all.
    plat::Surface* keep = backBuffer;
    backBuffer = nullptr;
    EXPECT_EQ(Blur4(10, 10, 5, 5), 0);
    backBuffer = keep;
}
