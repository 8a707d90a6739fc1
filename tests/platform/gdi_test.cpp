#include "harness/reset_globals.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

namespace {

struct Destroy {
    void operator()(plat::Surface* s) const { plat::DestroySurface(s); }
};
std::vector<std::unique_ptr<plat::Surface, Destroy>> made;

plat::Surface* Blank(int32_t w, int32_t h, plat::PixelFormat f = plat::PixelFormat::RGB565) {
    plat::SetPixelFormatForTests(f);
    made.emplace_back(plat::CreateSurface(w, h));
    return made.back().get();
}

int Count(const plat::Surface* s, uint16_t p) {
    int n = 0;
    for (int32_t y = 0; y < s->height; ++y)
        for (int32_t x = 0; x < s->width; ++x)
            n += s->Pixel(x, y) == p;
    return n;
}

} // namespace

using GdiContext = FreshGlobals;
using GdiLines = FreshGlobals;
using GdiShapes = FreshGlobals;
using GdiStretch = FreshGlobals;

TEST_F(GdiContext, PoolPixelsAndColourConversion) {
    plat::Surface* s = Blank(16, 8);
    EXPECT_EQ(plat::GetDC(nullptr), nullptr);
    std::vector<plat::DC*> held;
    while (plat::DC* dc = plat::GetDC(s))
        held.push_back(dc);
    EXPECT_EQ(held.size(), 16u);
    EXPECT_EQ(plat::ReleaseDC(s, held.back()), plat::kOk);
    EXPECT_NE(plat::GetDC(s), nullptr); // released contexts come back
    for (plat::DC* dc : held)
        plat::ReleaseDC(s, dc);
    EXPECT_LE(plat::DCsInUse(), 1);

    plat::DC* dc = plat::GetDC(s);
    EXPECT_EQ(plat::SetPixel(dc, 3, 2, plat::Rgb(255, 128, 8)), plat::Rgb(248, 128, 8));
    EXPECT_EQ(s->Pixel(3, 2), uint16_t(31 << 11 | 32 << 5 | 1));
    EXPECT_EQ(plat::GetPixel(dc, 3, 2), plat::Rgb(248, 128, 8));
    EXPECT_EQ(plat::SetPixel(dc, 16, 0, 0xFFFFFF), plat::kInvalidColor);
    EXPECT_EQ(plat::GetPixel(dc, -1, 0), plat::kInvalidColor);
    EXPECT_EQ(plat::PixelOf(plat::PixelFormat::RGB555, plat::Rgb(255, 255, 255)), 0x7FFF);
    plat::ReleaseDC(s, dc);
    plat::LoseSurfaceForTests(s);
    EXPECT_EQ(plat::GetDC(s), nullptr);
}

TEST_F(GdiLines, WidthsEndsAndClipping) {
    plat::Surface* s = Blank(64, 48);
    plat::DC* dc = plat::GetDC(s);
    const uint16_t white = 0xFFFF;
    plat::SelectPen(dc, plat::Pen{plat::kPenSolid, 1, 0xFFFFFF});
    plat::MoveTo(dc, 2, 2);
    plat::LineTo(dc, 10, 2); // the end point is left out
    EXPECT_EQ(s->Pixel(2, 2), white);
    EXPECT_EQ(s->Pixel(9, 2), white);
    EXPECT_EQ(s->Pixel(10, 2), 0);
    EXPECT_EQ(Count(s, white), 8);
    // Width 7: seven rows thick, round ends covering both end points.
    plat::FillRect(s, nullptr, 0);
    plat::SelectPen(dc, plat::Pen{plat::kPenSolid, 7, 0xFFFFFF});
    plat::MoveTo(dc, 20, 20);
    plat::LineTo(dc, 40, 20);
    for (int y = 17; y <= 23; ++y)
        EXPECT_EQ(s->Pixel(30, y), white) << y;
    EXPECT_EQ(s->Pixel(30, 16), 0);
    EXPECT_EQ(s->Pixel(30, 24), 0);
    EXPECT_EQ(s->Pixel(43, 20), white);
    EXPECT_EQ(s->Pixel(44, 20), 0);
    // Lines from far away and through the corners never write outside.
    plat::MoveTo(dc, INT_MIN, INT_MIN);
    EXPECT_TRUE(plat::LineTo(dc, INT_MAX, INT_MAX));
    EXPECT_EQ(s->Pixel(0, 0), white);
    EXPECT_EQ(s->Pixel(47, 47), white);
    plat::SelectPen(dc, plat::Pen{plat::kPenSolid, 1, 0x0000FF});
    plat::MoveTo(dc, -100, 47);
    plat::LineTo(dc, 1000, 47);
    EXPECT_EQ(s->Pixel(63, 47), 0xF800);
    plat::SelectPen(dc, plat::Pen{plat::kPenNull, 1, 0x00FF00});
    plat::LineTo(dc, 0, 0);
    EXPECT_EQ(Count(s, 0x07E0), 0);
    plat::ReleaseDC(s, dc);
}

TEST_F(GdiShapes, RectanglesPolygonsBeziersAndInversion) {
    plat::Surface* s = Blank(40, 40);
    plat::DC* dc = plat::GetDC(s);
    plat::SelectPen(dc, plat::Pen{plat::kPenSolid, 1, 0x0000FF});
    plat::SelectBrush(dc, plat::Brush{plat::kBrushSolid, 0x00FF00, 0});
    plat::Rectangle(dc, 2, 2, 8, 6);
    EXPECT_EQ(s->Pixel(2, 2), 0xF800); // outline
    EXPECT_EQ(s->Pixel(7, 5), 0xF800); // right and bottom exclusive
    EXPECT_EQ(s->Pixel(8, 5), 0);
    EXPECT_EQ(s->Pixel(4, 3), 0x07E0); // fill
    // Hollow brush: outline only.
    plat::FillRect(s, nullptr, 0);
    plat::SelectBrush(dc, plat::Brush{plat::kBrushHollow, 0, 0});
    const plat::Point tri[3] = {{5, 5}, {35, 5}, {20, 35}};
    plat::Polygon(dc, tri, 3);
    EXPECT_EQ(s->Pixel(20, 5), 0xF800);
    EXPECT_EQ(s->Pixel(20, 15), 0);
    // Hatched: gaps in the background colour, or untouched when transparent.
    plat::SelectPen(dc, plat::Pen{plat::kPenNull, 1, 0});
    plat::SelectBrush(dc, plat::Brush{plat::kBrushHatched, 0xFFFFFF, plat::kHatchDiagCross});
    plat::SetBkColor(dc, 0xFF0000);
    plat::Polygon(dc, tri, 3);
    EXPECT_EQ(s->Pixel(16, 16), 0xFFFF); // on the diagonal
    EXPECT_EQ(s->Pixel(17, 16), 0x001F); // a gap, in the background colour
    plat::FillRect(s, nullptr, 0x1111);
    plat::SetBkMode(dc, plat::kBkTransparent);
    plat::Polygon(dc, tri, 3);
    EXPECT_EQ(s->Pixel(16, 16), 0xFFFF);
    EXPECT_EQ(s->Pixel(17, 16), 0x1111);
    // A polygon far outside and huge is cut to the surface.
    const plat::Point huge[4] = {{-100000, -100000}, {100000, -100000}, {100000, 100000}, {-100000, 100000}};
    EXPECT_TRUE(plat::Polygon(dc, huge, 4));
    // Beziers: 1 + 3n points only; the curve passes through its ends.
    plat::FillRect(s, nullptr, 0);
    plat::SelectPen(dc, plat::Pen{plat::kPenSolid, 1, 0xFFFFFF});
    const plat::Point curve[4] = {{0, 39}, {10, 0}, {30, 0}, {39, 39}};
    EXPECT_TRUE(plat::PolyBezier(dc, curve, 4));
    EXPECT_FALSE(plat::PolyBezier(dc, curve, 3));
    EXPECT_EQ(s->Pixel(0, 39), 0xFFFF);
    EXPECT_GT(Count(s, 0xFFFF), 40);
    // Inverting twice restores; the rectangle is cut to the surface.
    const auto before = s->storage;
    plat::InvertRect(dc, plat::Rect{-5, -5, 100, 20});
    EXPECT_EQ(s->Pixel(39, 0), 0xFFFF ^ s->Pixel(39, 0) ^ 0xFFFF);
    EXPECT_EQ(s->Pixel(20, 30), 0);
    plat::InvertRect(dc, plat::Rect{100, 20, -5, -5});
    EXPECT_EQ(s->storage, before);
    plat::ReleaseDC(s, dc);
}

TEST_F(GdiStretch, ScalesClipsAndRefusesBadRectangles) {
    plat::Surface* src = Blank(4, 2);
    plat::Surface* dst = Blank(16, 8);
    for (int x = 0; x < 4; ++x) {
        src->Row(0)[x] = uint16_t(0x10 + x);
        src->Row(1)[x] = uint16_t(0x20 + x);
    }
    plat::DC* sd = plat::GetDC(src);
    plat::DC* dd = plat::GetDC(dst);
    EXPECT_TRUE(plat::StretchBlt(dd, 0, 0, 8, 4, sd, 0, 0, 4, 2));
    EXPECT_EQ(dst->Pixel(0, 0), 0x10);
    EXPECT_EQ(dst->Pixel(1, 1), 0x10);
    EXPECT_EQ(dst->Pixel(7, 3), 0x23);
    // Shrinking in the default mode ANDs the pixels that fall together.
    EXPECT_TRUE(plat::StretchBlt(dd, 10, 0, 2, 1, sd, 0, 0, 4, 2));
    EXPECT_EQ(dst->Pixel(10, 0), 0x10 & 0x11 & 0x20 & 0x21);
    EXPECT_FALSE(plat::StretchBlt(dd, 0, 0, 0, 4, sd, 0, 0, 4, 2));
    EXPECT_TRUE(plat::StretchBlt(dd, 12, 6, 100, 100, sd, -2, -2, 8, 8)); // cut, outside reads black
    plat::ReleaseDC(src, sd);
    plat::ReleaseDC(dst, dd);

    plat::SetColorKey(src, 0x11);
    EXPECT_EQ(plat::BltStretch(dst, plat::Rect{0, 4, 8, 8}, src, plat::Rect{0, 0, 4, 2}, true), plat::kOk);
    EXPECT_EQ(dst->Pixel(0, 4), 0x10);
    EXPECT_EQ(dst->Pixel(2, 4), 0x10 & 0x11 & 0x20 & 0x21); // keyed pixels leave what was there
    EXPECT_EQ(dst->Pixel(6, 7), 0x23);
    EXPECT_EQ(plat::BltStretch(dst, plat::Rect{10, 4, 17, 8}, src, plat::Rect{0, 0, 4, 2}, true),
              plat::kErrInvalidRect);
    EXPECT_EQ(plat::BltStretch(dst, plat::Rect{0, 0, 4, 4}, src, plat::Rect{0, 0, 5, 2}, true),
              plat::kErrInvalidRect);
    EXPECT_EQ(plat::BltStretch(dst, plat::Rect{0, 0, 0, 4}, src, plat::Rect{0, 0, 4, 2}, true),
              plat::kErrInvalidRect);
    plat::LoseSurfaceForTests(src);
    EXPECT_EQ(plat::BltStretch(dst, plat::Rect{0, 0, 4, 4}, src, plat::Rect{0, 0, 4, 2}, true),
              plat::kErrSurfaceLost);
}
