#include "draw_fixture.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/pack.h"
#include "kit/system/kit_system.h"

#include <limits>

namespace {
constexpr uint16_t kBg = 0x0841;
uint16_t SpritePx(int32_t x, int32_t y) { return uint16_t(0x8000 | (y << 7) | x); }
} // namespace

class BlitTest : public DrawFixture {
  protected:
    void SetUp() override {
        DrawFixture::SetUp();
        sprite_ = kitDraw::CreateObject(40, 30, 1);
        ASSERT_EQ(sprite_, 4);
        plat::Surface* s = imageTable[sprite_].surface;
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 40; ++x)
                s->Row(y)[x] = SpritePx(x, y);
        Fill(backBuffer, kBg);
        kitDraw::SetClip(180, 0, 620, 600);
    }
    // Whether a blit got as far as the copy: the copy of a lost back buffer
    // repairs it, a blit that returns early leaves it lost.
    bool ReachesCopy(int32_t x, int32_t y, int32_t l, int32_t t, int32_t r, int32_t b) {
        plat::LoseSurfaceForTests(backBuffer);
        BlitKeyed(x, y, sprite_, l, t, r, b);
        const bool reached = !plat::IsLost(backBuffer);
        plat::Restore(backBuffer);
        Fill(backBuffer, kBg);
        return reached;
    }
    int32_t sprite_ = 0;
};

TEST_F(BlitTest, ClipEdgesCutWholeColumnsAndRowsAndKeepTheSpriteAligned) {
    // Ends exactly on the right edge: drawn whole.
    BlitKeyed(580, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(580, 10), SpritePx(0, 0));
    EXPECT_EQ(backBuffer->Pixel(619, 39), SpritePx(39, 29));
    EXPECT_EQ(backBuffer->Pixel(620, 10), kBg);
    // One pixel further: the last column is cut.
    Fill(backBuffer, kBg);
    BlitKeyed(581, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(581, 10), SpritePx(0, 0));
    EXPECT_EQ(backBuffer->Pixel(619, 10), SpritePx(38, 0));
    EXPECT_EQ(backBuffer->Pixel(620, 10), kBg);
    // At x = clipRight the copy gets a zero-width rectangle; beyond it the
    // blit returns before the copy. Either way nothing is drawn.
    EXPECT_TRUE(ReachesCopy(620, 10, 0, 0, 40, 30));
    EXPECT_FALSE(ReachesCopy(621, 10, 0, 0, 40, 30));
    BlitKeyed(620, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(620, 10), kBg);
    EXPECT_EQ(backBuffer->Pixel(619, 10), kBg);
    // A left cut moves the source origin by as many columns as x moved.
    Fill(backBuffer, kBg);
    BlitKeyed(170, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(179, 10), kBg);
    EXPECT_EQ(backBuffer->Pixel(180, 10), SpritePx(10, 0));
    EXPECT_EQ(backBuffer->Pixel(209, 39), SpritePx(39, 29));
    EXPECT_EQ(backBuffer->Pixel(210, 10), kBg);
    // The same at the bottom and the top, with a frame that does not start at
    // the image's origin.
    Fill(backBuffer, kBg);
    BlitKeyed(300, 590, sprite_, 20, 5, 40, 25);
    EXPECT_EQ(backBuffer->Pixel(300, 599), SpritePx(20, 14));
    kitDraw::SetClip(180, 100, 620, 600);
    BlitKeyed(400, 95, sprite_, 20, 5, 40, 25);
    EXPECT_EQ(backBuffer->Pixel(400, 99), kBg);
    EXPECT_EQ(backBuffer->Pixel(400, 100), SpritePx(20, 10));
    EXPECT_EQ(backBuffer->Pixel(419, 114), SpritePx(39, 24));
    EXPECT_EQ(backBuffer->Pixel(419, 115), kBg);
}

TEST_F(BlitTest, EmptyInvertedOrOutsideRectanglesDrawNothing) {
    // right < left never reaches the copy; right == left does, and draws nothing.
    EXPECT_FALSE(ReachesCopy(300, 10, 10, 0, 5, 30));
    EXPECT_FALSE(ReachesCopy(300, 10, 0, 10, 40, 5));
    EXPECT_TRUE(ReachesCopy(300, 10, 5, 0, 5, 30));
    // A source rectangle that leaves the image, by one column or by far.
    BlitKeyed(300, 10, sprite_, 0, 0, 41, 30);
    BlitKeyed(300, 10, sprite_, -1, 0, 40, 30);
    BlitKeyed(300, 10, sprite_, 0, -5, 40, 30);
    BlitOpaque(300, 10, sprite_, 1000, 1000, 1040, 1030);
    EXPECT_EQ(backBuffer->Pixel(300, 10), kBg);
    EXPECT_EQ(backBuffer->Pixel(310, 20), kBg);
    // Extreme coordinates neither wrap around nor draw.
    const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    BlitKeyed(lo, lo, sprite_, 0, 0, 40, 30);
    BlitKeyed(hi, hi, sprite_, 0, 0, 40, 30);
    BlitKeyed(hi - 10, 10, sprite_, lo, 0, hi, 30);
    BlitOpaque(lo + 5, 10, sprite_, hi - 5, 0, hi, 30);
    for (int32_t x = 180; x < 620; x += 37)
        EXPECT_EQ(backBuffer->Pixel(x, 10), kBg);
    // Handles outside the table or without a surface.
    BlitKeyed(300, 10, -1, 0, 0, 40, 30);
    BlitKeyed(300, 10, 500, 0, 0, 40, 30);
    BlitKeyed(300, 10, 77, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(300, 10), kBg);
}

TEST_F(BlitTest, KeyedSkipsBlackAndOpaqueCopiesIt) {
    plat::Surface* s = imageTable[sprite_].surface;
    s->Row(0)[0] = 0;
    s->Row(0)[1] = 0;
    BlitKeyed(300, 10, sprite_, 0, 0, 3, 1);
    EXPECT_EQ(backBuffer->Pixel(300, 10), kBg);
    EXPECT_EQ(backBuffer->Pixel(301, 10), kBg);
    EXPECT_EQ(backBuffer->Pixel(302, 10), SpritePx(2, 0));
    BlitOpaque(300, 10, sprite_, 0, 0, 3, 1);
    EXPECT_EQ(backBuffer->Pixel(300, 10), 0);
    EXPECT_EQ(backBuffer->Pixel(302, 10), SpritePx(2, 0));
}

TEST_F(BlitTest, ALostSurfaceCostsOneDrawAndTheNextOneWorks) {
    plat::LoseSurfaceForTests(imageTable[sprite_].surface);
    BlitKeyed(300, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(300, 10), kBg);
    EXPECT_FALSE(plat::IsLost(imageTable[sprite_].surface));
    // The image made empty came back empty (all key): keyed draws show nothing,
    // opaque draws show its black.
    BlitKeyed(300, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(300, 10), kBg);
    BlitOpaque(300, 10, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(300, 10), 0);
}

TEST_F(BlitTest, CopiesIntoImagesUseTheScreenClip) {
    Fill(imageTable[2].surface, kBg);
    BlitKeyedToImage(2, 170, 5, sprite_, 0, 0, 40, 30);
    plat::Surface* d = imageTable[2].surface;
    EXPECT_EQ(d->Pixel(179, 5), kBg);
    EXPECT_EQ(d->Pixel(180, 5), SpritePx(10, 0));
    imageTable[sprite_].surface->Row(0)[20] = 0;
    BlitOpaqueToImage(2, 0, 0, sprite_, 0, 0, 40, 30); // entirely left of the clip
    EXPECT_EQ(d->Pixel(0, 0), kBg);
    BlitOpaqueToImage(2, 200, 0, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(d->Pixel(220, 0), 0);
    BlitKeyedToImage(2, 300, 0, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(d->Pixel(320, 0), kBg);
    EXPECT_EQ(d->Pixel(321, 0), SpritePx(21, 0));
    BlitKeyedToImage(-4, 300, 0, sprite_, 0, 0, 40, 30);
    BlitKeyedToImage(88, 300, 0, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(300, 0), kBg);
}

TEST_F(BlitTest, WavedRowsAlternateAndCarryTheirSignAcrossCalls) {
    kitDraw::SetClip(0, 0, kW, kH);
    frameDt = 0.5f;
    // Rows 0..2 of a 1-pixel column; amplitude 10, phase 0: offsets
    // cos(0)*10 = 10, then 9 (truncated) for rows 1 and 2.
    BlitWaveRows(400, 100, 10, 0, 100.0f, sprite_, 0, 0, 1, 3, 1);
    EXPECT_EQ(backBuffer->Pixel(410, 100), SpritePx(0, 0));
    EXPECT_EQ(backBuffer->Pixel(391, 101), SpritePx(0, 1));
    EXPECT_EQ(backBuffer->Pixel(409, 102), SpritePx(0, 2));
    EXPECT_EQ(waveRowsSign, -1); // three flips: the next call starts negative
    EXPECT_FLOAT_EQ(waveRowsPhase, 50.0f);
    Fill(backBuffer, kBg);
    waveRowsPhase = 0.0f;
    BlitWaveRows(400, 200, 10, 0, 0.0f, sprite_, 0, 0, 1, 1, 1);
    EXPECT_EQ(backBuffer->Pixel(390, 200), SpritePx(0, 0));
    EXPECT_EQ(waveRowsSign, 1);
    // Without alternation, a divisor groups rows; the phase wraps once at 360.
    Fill(backBuffer, kBg);
    waveRowsPhase = 90.0f; // cos(90 + i / 4) * 10 for rows 0..3: 0, 0, 0, 0
    BlitWaveRows(400, 300, 10, 4, 700.0f, sprite_, 0, 0, 1, 4, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(backBuffer->Pixel(400, 300 + i), SpritePx(0, i)) << i;
    EXPECT_FLOAT_EQ(waveRowsPhase, 90.0f + 350.0f - 360.0f);
}

TEST_F(BlitTest, RowRepeatTilesAndScrolledRows) {
    kitDraw::SetClip(0, 0, kW, kH);
    // Every second row drawn twice.
    BlitRowRepeat(100, 100, 2, sprite_, 0, 0, 40, 4);
    EXPECT_EQ(backBuffer->Pixel(105, 100), SpritePx(5, 0));
    EXPECT_EQ(backBuffer->Pixel(105, 101), SpritePx(5, 0));
    EXPECT_EQ(backBuffer->Pixel(105, 102), SpritePx(5, 2));
    EXPECT_EQ(backBuffer->Pixel(105, 103), SpritePx(5, 2));
    EXPECT_EQ(backBuffer->Pixel(105, 104), kBg);
    // A count that would never advance draws nothing and returns.
    BlitRowRepeat(300, 100, 0, sprite_, 0, 0, 40, 4);
    BlitRowRepeat(300, 100, -2, sprite_, 0, 0, 40, 4);
    EXPECT_EQ(backBuffer->Pixel(300, 100), kBg);

    // Tiles over the whole screen, moved by the scroll offset after each call.
    frameDt = 0.1f;
    Fill(backBuffer, kBg);
    BlitTiledScroll(-100.0f, 0.0f, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(0, 0), SpritePx(0, 0));
    EXPECT_EQ(backBuffer->Pixel(799, 599), SpritePx(799 % 40, 599 % 30));
    EXPECT_FLOAT_EQ(tiledScrollX, -10.0f);
    BlitTiledScroll(-100.0f, 0.0f, sprite_, 0, 0, 40, 30);
    EXPECT_EQ(backBuffer->Pixel(0, 0), SpritePx(10, 0));
    EXPECT_EQ(backBuffer->Pixel(799, 599), SpritePx((799 + 10) % 40, 599 % 30));
    for (int i = 0; i < 5; ++i)
        BlitTiledScroll(-100.0f, 0.0f, sprite_, 0, 0, 40, 30);
    EXPECT_GE(tiledScrollX, -40.0f);
    EXPECT_LE(tiledScrollX, 0.0f);
    const float before = tiledScrollX;
    BlitTiledScroll(-100.0f, 0.0f, sprite_, 0, 0, 0, 30); // empty tile: refused
    BlitWaveTiledRows(0, 10, 0, 0, 0.0f, 0.0f, sprite_, 5, 5, 5, 30);
    BlitWaveRowsScroll(0, 0, 0, 0, 0.0f, 0.0f, sprite_, 0, 9, 40, 9);
    EXPECT_EQ(tiledScrollX, before);

    // Screen rows filled with the tiled source rows, no wave.
    Fill(backBuffer, kBg);
    BlitWaveTiledRows(50, 53, 0, 0, 0.0f, 0.0f, sprite_, 0, 0, 40, 2);
    EXPECT_EQ(backBuffer->Pixel(0, 50), SpritePx(0, 0));
    EXPECT_EQ(backBuffer->Pixel(45, 51), SpritePx(5, 1));
    EXPECT_EQ(backBuffer->Pixel(799, 52), SpritePx(799 % 40, 0));
    EXPECT_EQ(backBuffer->Pixel(0, 53), kBg);
    // Waved rows with a source scroll: row i shows source row scroll + i.
    Fill(backBuffer, kBg);
    frameDt = 1.0f;
    BlitWaveRowsScroll(100, 100, 0, 0, 0.0f, -2.0f, sprite_, 0, 0, 40, 4);
    EXPECT_EQ(backBuffer->Pixel(100, 101), SpritePx(0, 1));
    EXPECT_FLOAT_EQ(waveScrollOffset, 2.0f);
    BlitWaveRowsScroll(100, 100, 0, 0, 0.0f, 0.0f, sprite_, 0, 0, 40, 4);
    EXPECT_EQ(backBuffer->Pixel(100, 100), SpritePx(0, 2));
    EXPECT_EQ(backBuffer->Pixel(100, 101), SpritePx(0, 3));
    EXPECT_EQ(backBuffer->Pixel(100, 102), SpritePx(0, 1)); // wrapped: top + (4 - 4) + 1
}
