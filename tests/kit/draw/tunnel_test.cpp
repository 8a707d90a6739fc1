#include "kit/draw/tunnel.h"

#include "periph_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace {

class TunnelGlow : public PeriphScreen {
  protected:
    void SetUp() override {
        PeriphScreen::SetUp();
        glowNoiseCounter = 0;
    }
    // An image whose pixel (u, v) is u + v * w + 1, in slot `slot`.
    static void Texture(int slot, int w, int h) {
        ImageRecord& r = imageTable[slot];
        r.surface = plat::CreateSurface(w, h);
        std::strcpy(r.name, "TEX");
        r.width = uint16_t(w);
        r.height = uint16_t(h);
        for (int v = 0; v < h; ++v)
            for (int u = 0; u < w; ++u)
                r.surface->Row(v)[u] = uint16_t(u + v * w + 1);
    }
    static void Sprite(int slot, int w, int h, const std::vector<uint16_t>& px) {
        ImageRecord& r = imageTable[slot];
        r.surface = plat::CreateSurface(w, h);
        std::strcpy(r.name, "SPR");
        r.width = uint16_t(w);
        r.height = uint16_t(h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                r.surface->Row(y)[x] = px[size_t(y * w + x)];
    }
    static uint16_t U(int x, int y) { return tunnelMap[y * tunnelMapW + x][0]; }
    static uint16_t V(int x, int y) { return tunnelMap[y * tunnelMapW + x][1]; }
};

} // namespace

TEST_F(TunnelGlow, MapOfTheDefaultTunnel) {
    ASSERT_EQ(TunnelMapBuild(64, 32, 40, 20, -1, -1, -1, 0, 0, 0), 1);
    EXPECT_EQ(tunnelTexW, 64);
    EXPECT_EQ(tunnelTexH, 32);
    EXPECT_EQ(tunnelMapW, 40);
    EXPECT_EQ(tunnelMapH, 20);
    // The row through the centre (20, 10): left of it the angle is pi, right of it 0.
    for (int x = 0; x < 20; ++x)
        EXPECT_NEAR(U(x, 10), 32, 1) << x;
    for (int x = 21; x < 40; ++x)
        EXPECT_EQ(U(x, 10), 0) << x;
    // Below the centre the angle is positive, above it wraps from the far end.
    EXPECT_EQ(U(20, 15), 16);
    EXPECT_NEAR(U(20, 5), 48, 1);
    EXPECT_EQ(V(20, 10), 0) << "no depth at the centre itself";
    // Depth: (|centre| - distance) x T / 32 / distance, T = texH / (2 tan(pi / 16)).
    const double t = 32.0 / (2.0 * std::tan(3.14159265358979323846 / 8.0 / 2.0));
    const double want = (std::sqrt(20.0 * 20 + 10.0 * 10) - 10.0) * (t / 32.0) / 10.0;
    EXPECT_EQ(V(30, 10), int(want) % 32);
}

TEST_F(TunnelGlow, EveryModeStaysInsideTheTextureAndBadSizesAreRefused) {
    for (int centreMode = 0; centreMode <= 4; ++centreMode)
        for (int distanceMode = 0; distanceMode <= 7; ++distanceMode)
            for (int depthMode = 0; depthMode <= 6; ++depthMode) {
                ASSERT_EQ(TunnelMapBuild(50, 30, 33, 17, -1, 4, 3, centreMode, distanceMode, depthMode), 1);
                for (int i = 0; i < 33 * 17; ++i) {
                    ASSERT_LT(tunnelMap[i][0], 50) << centreMode << distanceMode << depthMode;
                    ASSERT_LT(tunnelMap[i][1], 30) << centreMode << distanceMode << depthMode;
                }
            }
    // A centre far away makes huge depths; they wrap at once.
    ASSERT_EQ(TunnelMapBuild(7, 5, 64, 64, INT_MAX, INT_MIN, 1, 0, 0, 1), 1);
    for (int i = 0; i < 64 * 64; ++i)
        ASSERT_LT(tunnelMap[i][1], 5);

    ASSERT_EQ(TunnelMapBuild(16, 16, 640, 480, -1, -1, -1, 0, 0, 0), 1);
    const uint16_t kept = tunnelMap[12345][1];
    EXPECT_EQ(TunnelMapBuild(0, 16, 8, 8, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(TunnelMapBuild(16, -3, 8, 8, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(TunnelMapBuild(16, 16, 641, 480, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(TunnelMapBuild(16, 16, -1, 8, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(TunnelMapBuild(16, 16, 65536, 65536, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(tunnelMapW, 640) << "a refused build keeps the map it had";
    EXPECT_EQ(tunnelMap[12345][1], kept);
    EXPECT_EQ(TunnelMapBuild(16, 16, 0, 0, -1, -1, -1, 0, 0, 0), 1);
}

TEST_F(TunnelGlow, DrawPaintsTheMapWithFlowingOffsets) {
    Texture(10, 64, 32);
    ASSERT_EQ(TunnelMapBuild(64, 32, 40, 20, -1, -1, -1, 0, 0, 0), 1);
    ASSERT_EQ(TunnelMapDraw(5, 7, 0, 0, 10), 1);
    for (int j = 0; j < 20; ++j)
        for (int i = 0; i < 40; ++i)
            ASSERT_EQ(Px(5 + i, 7 + j), U(i, j) + V(i, j) * 64 + 1);
    EXPECT_EQ(Px(4, 7), 0);
    EXPECT_EQ(Px(45, 7), 0);

    // Offsets wrap u by the width and v by the height (negative ones too).
    ASSERT_EQ(TunnelMapDraw(5, 7, 3, 40, 10), 1);
    EXPECT_EQ(Px(5 + 30, 7 + 10), (U(30, 10) + 3) % 64 + ((V(30, 10) + 40) % 32) * 64 + 1);
    ASSERT_EQ(TunnelMapDraw(5, 7, -70, -1, 10), 1);
    EXPECT_EQ(Px(5 + 30, 7 + 10), (U(30, 10) + 128 - 70) % 64 + ((V(30, 10) + 31) % 32) * 64 + 1);

    // Hanging over the screen's corner: only the part on screen is painted.
    ASSERT_EQ(TunnelMapDraw(790, 590, 0, 0, 10), 1);
    EXPECT_EQ(Px(799, 599), U(9, 9) + V(9, 9) * 64 + 1);
    ASSERT_EQ(TunnelMapDraw(-30, -15, 0, 0, 10), 1);
    EXPECT_EQ(Px(0, 0), U(30, 15) + V(30, 15) * 64 + 1);

    // A texture smaller than the map's, a missing image and a failed lock draw nothing.
    Fill(0);
    Texture(11, 32, 32);
    EXPECT_EQ(TunnelMapDraw(5, 7, 0, 0, 11), 0);
    EXPECT_EQ(TunnelMapDraw(5, 7, 0, 0, 12), 0);
    EXPECT_EQ(TunnelMapDraw(5, 7, 0, 0, 500), 0);
    EXPECT_EQ(TunnelMapDraw(5, 7, 0, 0, -1), 0);
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(TunnelMapDraw(5, 7, 0, 0, 10), 0);
    EXPECT_EQ(Px(5, 7), 0);
    EXPECT_EQ(imageTable[10].surface->lockCount, 0);
    EXPECT_EQ(backBuffer->lockCount, 0);
}

TEST_F(TunnelGlow, GlowStreaksShineAndFade) {
    std::memset(noiseTable, 0, sizeof noiseTable);
    const uint16_t white = kitDraw::Pack5(31, 31, 31);
    Sprite(10, 3, 1, {0, white, 0});
    // Straight down: the streak starts one row below at 30 and loses 1 a row.
    ASSERT_EQ(BlitGlowStreaks(100, 100, 0, 0, 0, 2, 1, 10, 0, 0, 3, 1), 1);
    EXPECT_EQ(Px(101, 100), white);
    EXPECT_EQ(Px(100, 100), 0);
    EXPECT_EQ(Px(102, 100), 0);
    for (int k = 0; k < 30; ++k) {
        ASSERT_EQ(Ch(Px(101, 101 + k), 0), 30 - k) << k;
        ASSERT_EQ(Ch(Px(101, 101 + k), 2), 30 - k) << k;
    }
    EXPECT_EQ(Px(101, 131), 0);
    EXPECT_EQ(Px(100, 101), 0);
    EXPECT_EQ(glowNoiseCounter, 1) << "one read per drawn pixel";

    // Dimming by shifts, noise taken off every channel, and the clip rectangle's bottom.
    Fill(0);
    noiseTable[1] = 2;
    kitDraw::SetClip(0, 0, 800, 120);
    ASSERT_EQ(BlitGlowStreaks(200, 100, 8, 0, 1, 2, 0, 10, 0, 0, 3, 1), 1);
    EXPECT_EQ(Px(201, 100), 0) << "copy 0 leaves the sprite out";
    EXPECT_EQ(Ch(Px(201, 101), 0), 0);
    EXPECT_EQ(Ch(Px(201, 101), 1), 28);
    EXPECT_EQ(Ch(Px(201, 101), 2), 12); // 31 >> 1 = 15, - 2, - 1
    EXPECT_EQ(Ch(Px(201, 119), 1), 10);
    EXPECT_EQ(Px(201, 120), 0);

    // Sideways streaks start on the sprite pixel itself.
    Fill(0);
    kitDraw::SetClip(0, 0, 800, 600);
    Sprite(11, 1, 1, {kitDraw::Pack5(4, 4, 4)});
    ASSERT_EQ(BlitGlowStreaks(300, 300, 0, 0, 0, 16, 1, 11, 0, 0, 1, 1), 1);
    EXPECT_EQ(Ch(Px(300, 300), 0), 7);
    EXPECT_EQ(Ch(Px(301, 300), 0), 2);
    EXPECT_EQ(Ch(Px(302, 300), 0), 1);
    EXPECT_EQ(Px(303, 300), 0);
    EXPECT_EQ(Px(299, 300), 0);

    // Directions 0 with copy: a keyed copy; the counter still moves per pixel.
    Fill(0);
    Sprite(12, 3, 2, {white, 0, 5, 0, 7, 0});
    glowNoiseCounter = 9999;
    ASSERT_EQ(BlitGlowStreaks(10, 10, 0, 0, 0, 0, 1, 12, 0, 0, 3, 2), 1);
    EXPECT_EQ(Px(10, 10), white);
    EXPECT_EQ(Px(12, 10), 5);
    EXPECT_EQ(Px(11, 11), 7);
    EXPECT_EQ(Px(11, 10) + Px(10, 11) + Px(12, 11), 0);
    EXPECT_EQ(glowNoiseCounter, 2) << "wraps at 10000";

    // A source rectangle reaching outside the image takes only the image's part.
    Fill(0);
    ASSERT_EQ(BlitGlowStreaks(50, 50, 0, 0, 0, 0, 1, 12, -2, -1, 40, 40), 1);
    EXPECT_EQ(Px(52, 51), white);
    EXPECT_EQ(Px(53, 52), 7);
    // All the way off the screen, or a streak that leaves it: nothing outside is touched.
    const int before = glowNoiseCounter;
    EXPECT_EQ(BlitGlowStreaks(900, 10, 0, 0, 0, 255, 1, 12, 0, 0, 3, 2), 1);
    EXPECT_EQ(glowNoiseCounter, before);
    EXPECT_EQ(BlitGlowStreaks(798, 598, 0, 0, 0, 255, 1, 12, 0, 0, 3, 2), 1);
    EXPECT_EQ(BlitGlowStreaks(0, 0, 0, 0, 0, 255, 1, 12, 0, 0, 3, 2), 1);
    EXPECT_EQ(BlitGlowStreaks(0, 0, 0, 0, 0, 255, 1, 499, 0, 0, 3, 2), 0) << "no image";
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(BlitGlowStreaks(0, 0, 0, 0, 0, 255, 1, 12, 0, 0, 3, 2), 0);
}
