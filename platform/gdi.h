#pragma once
// Device contexts over surfaces: pixels, pens with widths, lines, shapes,
// stretched copies and text with a selected font, drawn straight into the
// surface's 16-bit pixels. Everything is clipped to the surface: no call
// writes or reads outside it. Colours are 0x00BBGGRR values.
#include <cstdint>

#include "platform/font.h"
#include "platform/surface.h"

namespace plat {

using ColorRef = uint32_t;
constexpr ColorRef kInvalidColor = 0xFFFFFFFF;
constexpr ColorRef Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}

enum BkMode : int32_t { kBkTransparent = 1, kBkOpaque = 2 };
enum PenStyle : int32_t { kPenSolid = 0, kPenNull = 5 };
enum BrushStyle : int32_t { kBrushSolid = 0, kBrushHollow = 1, kBrushHatched = 2 };
enum HatchStyle : int32_t {
    kHatchHorizontal = 0,
    kHatchVertical = 1,
    kHatchFDiagonal = 2,
    kHatchBDiagonal = 3,
    kHatchCross = 4,
    kHatchDiagCross = 5,
};
// Shrinking in the default mode ANDs the pixels that fall together (dark
// wins); colour-on-colour drops them.
enum StretchMode : int32_t { kStretchBlackOnWhite = 1, kStretchColorOnColor = 3 };

// DrawText flags.
constexpr uint32_t kDtLeft = 0x0, kDtCenter = 0x1, kDtRight = 0x2, kDtWordBreak = 0x10, kDtSingleLine = 0x20,
                   kDtCalcRect = 0x400, kDtNoPrefix = 0x800;

struct Pen {
    int32_t style;
    int32_t width;
    ColorRef color;
};
struct Brush {
    int32_t style;
    ColorRef color;
    int32_t hatch;
};
struct Point {
    int32_t x, y;
};
struct Size {
    int32_t cx, cy;
};

struct DC {
    Surface* surface = nullptr;
    Pen pen{kPenSolid, 1, 0};
    Brush brush{kBrushSolid, 0xFFFFFF, 0};
    Font* font = nullptr; // null: the default font
    ColorRef textColor = 0;
    ColorRef bkColor = 0xFFFFFF;
    int32_t bkMode = kBkOpaque;
    int32_t stretchMode = kStretchBlackOnWhite;
    Point pos{0, 0};
    bool inUse = false;
};

// A context from a small fixed pool; null for a null or lost surface or when
// every context is taken. Each needs its ReleaseDC.
DC* GetDC(Surface* s);
int32_t ReleaseDC(Surface* s, DC* dc);
int32_t DCsInUse();
// Test hook: every context back in the pool, as a fresh process has it.
void ReleaseAllDCsForTests();

// Selections return what was selected before, so it can be put back.
Pen SelectPen(DC* dc, const Pen& pen);
Brush SelectBrush(DC* dc, const Brush& brush);
Font* SelectFont(DC* dc, Font* font);
ColorRef SetTextColor(DC* dc, ColorRef c);
ColorRef SetBkColor(DC* dc, ColorRef c);
int32_t SetBkMode(DC* dc, int32_t mode);
int32_t SetStretchBltMode(DC* dc, int32_t mode);

// The pixel as stored (returns the colour it became), kInvalidColor outside.
ColorRef SetPixel(DC* dc, int32_t x, int32_t y, ColorRef c);
ColorRef GetPixel(DC* dc, int32_t x, int32_t y);

// A one-pixel pen draws up to, not including, the end point; a wider pen is
// round at its ends and covers both.
void MoveTo(DC* dc, int32_t x, int32_t y);
bool LineTo(DC* dc, int32_t x, int32_t y);
// Filled with the brush, outlined with the pen; right and bottom exclusive.
bool Rectangle(DC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// Alternate fill rule.
bool Polygon(DC* dc, const Point* points, int32_t count);
// 1 + 3n points: start, then two control points and an end per curve.
bool PolyBezier(DC* dc, const Point* points, int32_t count);
bool InvertRect(DC* dc, const Rect& r);

// Text bytes are CP932. The cell's top-left is at (x, y).
bool TextOut(DC* dc, int32_t x, int32_t y, const char* text, int32_t length);
bool GetTextExtent(DC* dc, const char* text, int32_t length, Size* size);
TextMetrics GetTextMetrics(DC* dc);
// Returns the height of the text; with kDtCalcRect it only measures and
// updates the rectangle.
int32_t DrawText(DC* dc, const char* text, int32_t length, Rect* rect, uint32_t flags);
// Calls back once per installed face until the callback returns 0; returns
// the last callback result.
using FontEnumProc = int32_t (*)(const LogFont* lf, const TextMetrics* tm, uint32_t type, intptr_t data);
int32_t EnumFonts(DC* dc, FontEnumProc proc, intptr_t data);

// Copies the source rectangle scaled into the destination rectangle through
// the contexts (destination clipped to its surface; what lies outside the
// source reads as black). Negative or zero sizes draw nothing.
bool StretchBlt(DC* dst, int32_t x, int32_t y, int32_t w, int32_t h, DC* src, int32_t sx, int32_t sy,
                int32_t sw, int32_t sh);
// The surface-level stretched copy: both rectangles must lie inside their
// surfaces and be non-empty, else kErrInvalidRect and nothing is drawn.
int32_t BltStretch(Surface* dst, const Rect& dstRect, Surface* src, const Rect& srcRect, bool useSourceKey);

uint16_t PixelOf(PixelFormat f, ColorRef c);
ColorRef ColorOf(PixelFormat f, uint16_t p);

} // namespace plat
