// The vector paths of the additive and half blends, the keyed copy and the
// plain turn, each against a one-pixel-at-a-time version written here, on
// random pictures (runs of black and of the key), places across every edge of
// the clip rectangle and the screen, every angle, both pixel layouts, padded
// rows, and every vector unit the processor has.
#include "harness/reset_globals.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/rotate.h"
#include "kit/system/random.h"
#include "platform/pixel_rows.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace vextest;

namespace {

constexpr int32_t kW = 160, kH = 120; // the screen
constexpr plat::rows::Unit kUnits[] = {plat::rows::Unit::Rows, plat::rows::Unit::Sse2,
                                       plat::rows::Unit::Avx2};

int32_t Pick(int32_t lo, int32_t hi) { return lo + kitSystem::Random() % (hi - lo + 1); }

uint16_t AnyPixel() {
    const int hi = kitSystem::Random();
    const int lo = kitSystem::Random();
    return uint16_t(hi << 8 ^ lo);
}

// Runs of black, of the key and of random pixels, so whole vector blocks of
// either come up as well as blocks that mix them.
std::vector<uint16_t> Picture(int32_t w, int32_t h, uint16_t key) {
    std::vector<uint16_t> p(size_t(w) * size_t(h));
    for (size_t i = 0; i < p.size();) {
        const int kind = Pick(0, 3);
        for (int32_t run = Pick(1, 40); run > 0 && i < p.size(); --run, ++i)
            p[i] = kind == 0 ? uint16_t(0) : kind == 1 ? key : AnyPixel();
    }
    return p;
}

void Scramble(plat::Surface* s) {
    for (int32_t y = 0; y < s->height; ++y)
        std::generate(s->Row(y), s->Row(y) + s->width, AnyPixel);
}

// The screen's pixels, row-major, as the versions here draw them.
struct Screen {
    std::vector<uint16_t> px = Pixels(backBuffer);
    uint16_t& At(int64_t x, int64_t y) { return px[size_t(y * kW + x)]; }
};

uint16_t TableAdd(uint16_t s, uint16_t d) {
    return uint16_t(additiveTable[0][0][pixelDecodeTable[s][0]][pixelDecodeTable[d][0]] |
                    additiveTable[1][0][pixelDecodeTable[s][1]][pixelDecodeTable[d][1]] |
                    additiveTable[2][0][pixelDecodeTable[s][2]][pixelDecodeTable[d][2]]);
}

// A blend: the rectangle is cut at the clip's right and bottom, then its left
// and top (moving the source corner along), and only pixels inside both the
// screen and the picture are worked.
template <class F>
void BlendByHand(Screen& out, const plat::Surface* img, int32_t x, int32_t y, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, F f) {
    int64_t X = x, Y = y, L = left, T = top, w = int64_t(right) - left, h = int64_t(bottom) - top;
    if (X + w > clipRight) w = clipRight - X;
    if (Y + h > clipBottom) h = clipBottom - Y;
    if (X < clipLeft) L += clipLeft - X, w -= clipLeft - X, X = clipLeft;
    if (Y < clipTop) T += clipTop - Y, h -= clipTop - Y, Y = clipTop;
    for (int64_t r = 0; r < h; ++r)
        for (int64_t c = 0; c < w; ++c) {
            const int64_t dx = X + c, dy = Y + r, sx = L + c, sy = T + r;
            if (dx < 0 || dy < 0 || dx >= kW || dy >= kH) continue;
            if (sx < 0 || sy < 0 || sx >= img->width || sy >= img->height) continue;
            const uint16_t s = img->Pixel(int32_t(sx), int32_t(sy));
            if (s != 0) out.At(dx, dy) = f(s, out.At(dx, dy));
        }
}

// The keyed copy: cut the same way, then all or nothing, as the fast copy
// refuses a rectangle outside either surface.
void KeyedByHand(Screen& out, const plat::Surface* img, int32_t x, int32_t y, int32_t left, int32_t top,
                 int32_t right, int32_t bottom) {
    int64_t X = x, Y = y, L = left, T = top, R = right, B = bottom;
    if (X + (R - L) > clipRight) R = clipRight - X + L;
    if (Y + (B - T) > clipBottom) B = clipBottom - Y + T;
    if (X < clipLeft) L += clipLeft - X, X = clipLeft;
    if (Y < clipTop) T += clipTop - Y, Y = clipTop;
    if (R < L || B < T || L < 0 || T < 0 || R > img->width || B > img->height) return;
    if (X < 0 || Y < 0 || X + (R - L) > kW || Y + (B - T) > kH) return;
    for (int64_t sy = T; sy < B; ++sy)
        for (int64_t sx = L; sx < R; ++sx) {
            const uint16_t s = img->Pixel(int32_t(sx), int32_t(sy));
            if (s != img->colorKey) out.At(X + sx - L, Y + sy - T) = s;
        }
}

// The turn: every pixel of the box inside the clip and the screen looks up
// the source through the sine table, each accumulator divided by 360
// (rounded toward zero) and centred; black and pixels outside the source
// rectangle or the picture leave the screen alone.
void TurnByHand(Screen& out, const plat::Surface* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                int32_t angle, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int64_t W0 = int64_t(x2) - x1, H0 = int64_t(y2) - y1;
    const int64_t srcW = int64_t(right) - left, srcH = int64_t(bottom) - top;
    const int64_t s = sineTable[angle], c = sineTable[angle + 90];
    const int64_t halfW = W0 >> 1, halfH = H0 >> 1, offX = (W0 - srcW) >> 1, offY = (H0 - srcH) >> 1;
    for (int64_t dy = 0; dy < kH; ++dy)
        for (int64_t dx = 0; dx < kW; ++dx) {
            const int64_t i = dx - x1, j = dy - y1;
            if (i < 0 || j < 0 || i >= W0 || j >= H0) continue;
            if (dx < clipLeft || dy < clipTop || dx >= clipRight || dy >= clipBottom) continue;
            const int64_t u = 360 * halfW + (i - halfW) * c - (j - halfH) * s;
            const int64_t v = 360 * halfH + (i - halfW) * s + (j - halfH) * c;
            const int64_t sx = u / 360 - offX, sy = v / 360 - offY;
            if (sx < 0 || sy < 0 || sx >= srcW || sy >= srcH) continue;
            if (left + sx < 0 || top + sy < 0 || left + sx >= img->width || top + sy >= img->height) continue;
            const uint16_t p = img->Pixel(int32_t(left + sx), int32_t(top + sy));
            if (p != 0) out.At(dx, dy) = p;
        }
}

// A clip rectangle now inside the screen, now past its edges.
void RandomClip() {
    const int32_t l = Pick(-20, 60), t = Pick(-20, 50);
    kitDraw::SetClip(l, t, Pick(l, kW + 20), Pick(t, kH + 20));
}

// Each screen set up with padded rows in both layouts, then each vector unit
// in turn.
template <class Trial> void ForEveryLayoutAndUnit(Trial trial) {
    for (plat::PixelFormat f : kFormats) {
        plat::SetPitchPaddingForTests(6); // rows three pixels longer than the picture
        SetUpScreen(f, kW, kH);
        for (plat::rows::Unit unit : kUnits) {
            plat::rows::CapUnitForTests(unit);
            trial();
        }
    }
}

} // namespace

using VectorPaths = FreshGlobals;

TEST_F(VectorPaths, BlendsAndTheKeyedCopyMatchTheirOnePixelRulesAnywhereOnScreen) {
    kitSystem::SeedRandom(2024);
    ForEveryLayoutAndUnit([] {
        const uint16_t hm = uint16_t(halfMask);
        for (int trial = 0; trial < 120; ++trial) {
            const int32_t w = Pick(1, 70), h = Pick(1, 30);
            const uint16_t key = trial % 3 == 0 ? uint16_t(0) : AnyPixel();
            plat::Surface* img = MakeImage(10, w, h, Picture(w, h, key));
            plat::SetColorKey(img, key);
            RandomClip();
            Scramble(backBuffer);
            // Mostly the whole picture, sometimes a part or a rectangle past it.
            const int32_t left = trial % 4 == 0 ? Pick(-8, w) : 0, top = trial % 4 == 0 ? Pick(-8, h) : 0;
            const int32_t right = trial % 4 == 0 ? Pick(left, w + 8) : w;
            const int32_t bottom = trial % 4 == 0 ? Pick(top, h + 8) : h;
            const int32_t x = Pick(-80, kW + 10), y = Pick(-40, kH + 10);

            Screen want;
            BlendByHand(want, img, x, y, left, top, right, bottom, TableAdd);
            ASSERT_EQ(BlitAdditive(x, y, 10, left, top, right, bottom), 1);
            ASSERT_EQ(Pixels(backBuffer), want.px) << "additive, trial " << trial;

            BlendByHand(want, img, x, y, left, top, right, bottom,
                        [hm](uint16_t s, uint16_t d) { return uint16_t(((s >> 1) & hm) + ((d >> 1) & hm)); });
            ASSERT_EQ(BlitHalfTranslucent(x, y, 10, left, top, right, bottom), 1);
            ASSERT_EQ(Pixels(backBuffer), want.px) << "half, trial " << trial;

            KeyedByHand(want, img, x, y, left, top, right, bottom);
            BlitKeyed(x, y, 10, left, top, right, bottom);
            ASSERT_EQ(Pixels(backBuffer), want.px) << "keyed, trial " << trial;
        }
    });
}

TEST_F(VectorPaths, TheTurnMatchesItsOnePixelRuleAtEveryAngle) {
    kitSystem::SeedRandom(360);
    ForEveryLayoutAndUnit([] {
        for (int32_t angle = 0; angle < 360; ++angle) {
            const int32_t w = Pick(1, 48), h = Pick(1, 48);
            MakeImage(10, w, h, Picture(w, h, 0));
            RandomClip();
            Scramble(backBuffer);
            // A box the size of the picture, or larger or smaller (odd
            // centring); now and then a source rectangle past the picture.
            const int32_t bw = angle % 3 == 0 ? w : Pick(1, 90), bh = angle % 3 == 0 ? h : Pick(1, 90);
            const int32_t left = angle % 5 == 0 ? Pick(-6, w) : 0, top = angle % 5 == 0 ? Pick(-6, h) : 0;
            const int32_t right = angle % 5 == 0 ? Pick(left + 1, w + 6) : w;
            const int32_t bottom = angle % 5 == 0 ? Pick(top + 1, h + 6) : h;
            const int32_t x = Pick(-60, kW), y = Pick(-60, kH);

            Screen want;
            TurnByHand(want, imageTable[10].surface, x, y, x + bw, y + bh, angle, left, top, right, bottom);
            ASSERT_EQ(BlitRotated(x, y, x + bw, y + bh, angle, 10, left, top, right, bottom), 1);
            ASSERT_EQ(Pixels(backBuffer), want.px) << "angle " << angle << " box " << bw << "x" << bh;
        }
        // Boxes too wide for 32-bit accumulators take the wide walk.
        kitDraw::SetClip(0, 0, kW, kH);
        for (int32_t angle : {0, 33, 90, 211}) {
            MakeImage(10, 40, 30, Picture(40, 30, 0));
            Screen want;
            TurnByHand(want, imageTable[10].surface, -8000000, -20, 8000000, 100, angle, 0, 0, 40, 30);
            ASSERT_EQ(BlitRotated(-8000000, -20, 8000000, 100, angle, 10, 0, 0, 40, 30), 1);
            ASSERT_EQ(Pixels(backBuffer), want.px) << "wide box, angle " << angle;
        }
    });
}
