#include "platform/gdi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace plat {

namespace {
constexpr int kDCPool = 16;
DC dcPool[kDCPool];

uint16_t ColourMaskOf(PixelFormat f) { return f == PixelFormat::RGB555 ? 0x7FFF : 0xFFFF; }

void Put(Surface* s, int64_t x, int64_t y, uint16_t p) {
    if (x < 0 || y < 0 || x >= s->width || y >= s->height) return;
    s->Row(int32_t(y))[x] = p;
}

// One row from x0 to x1 (exclusive), clipped.
void Span(Surface* s, int64_t y, int64_t x0, int64_t x1, uint16_t p) {
    if (y < 0 || y >= s->height) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, s->width);
    if (x1 <= x0) return;
    std::fill(s->Row(int32_t(y)) + x0, s->Row(int32_t(y)) + x1, p);
}

bool HatchBit(int32_t hatch, int64_t x, int64_t y) {
    const int32_t hx = int32_t(x & 7), hy = int32_t(y & 7);
    switch (hatch) {
    case kHatchHorizontal:
        return hy == 7;
    case kHatchVertical:
        return hx == 7;
    case kHatchFDiagonal:
        return hx == hy;
    case kHatchBDiagonal:
        return hx == 7 - hy;
    case kHatchCross:
        return hx == 7 || hy == 7;
    case kHatchDiagCross:
        return hx == hy || hx == 7 - hy;
    default:
        return false;
    }
}

// A row of the brush, clipped.
void BrushSpan(DC* dc, int64_t y, int64_t x0, int64_t x1) {
    Surface* s = dc->surface;
    const Brush& b = dc->brush;
    if (b.style == kBrushHollow) return;
    const uint16_t fg = PixelOf(s->format, b.color);
    if (b.style == kBrushSolid) {
        Span(s, y, x0, x1, fg);
        return;
    }
    if (y < 0 || y >= s->height) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, s->width);
    const bool opaque = dc->bkMode == kBkOpaque;
    const uint16_t bg = PixelOf(s->format, dc->bkColor);
    uint16_t* row = s->Row(int32_t(y));
    for (int64_t x = x0; x < x1; ++x) {
        if (HatchBit(b.hatch, x, y))
            row[x] = fg;
        else if (opaque)
            row[x] = bg;
    }
}

// A round pen tip of the given width centred on (cx, cy).
void Stamp(Surface* s, int64_t cx, int64_t cy, int32_t width, uint16_t p) {
    const double r = width / 2.0;
    const bool even = (width & 1) == 0;
    const int32_t lo = -(width / 2), hi = even ? width / 2 - 1 : width / 2;
    for (int32_t dy = lo; dy <= hi; ++dy) {
        const double fy = even ? dy + 0.5 : dy;
        int32_t x0 = 1, x1 = 0;
        for (int32_t dx = lo; dx <= hi; ++dx) {
            const double fx = even ? dx + 0.5 : dx;
            if (fx * fx + fy * fy <= r * r) {
                if (x0 > x1) x0 = dx;
                x1 = dx;
            }
        }
        if (x0 <= x1) Span(s, cy + dy, cx + x0, cx + x1 + 1, p);
    }
}

// Bresenham from (x0, y0) to (x1, y1); the end point only when withEnd.
template <class Plot> void Walk(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool withEnd, Plot plot) {
    const int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int64_t err = dx + dy;
    while (true) {
        const bool atEnd = x0 == x1 && y0 == y1;
        if (atEnd) {
            if (withEnd) plot(x0, y0);
            return;
        }
        plot(x0, y0);
        const int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Cuts a line to a box around the surface (widened by the pen), so a line
// from far outside costs no more than one across the surface.
bool CutLine(double& x0, double& y0, double& x1, double& y1, double minX, double minY, double maxX,
             double maxY) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    auto clip = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
        return true;
    };
    if (!clip(-dx, x0 - minX) || !clip(dx, maxX - x0) || !clip(-dy, y0 - minY) || !clip(dy, maxY - y0))
        return false;
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy, nx1 = x0 + t1 * dx, ny1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    x1 = nx1;
    y1 = ny1;
    return true;
}

void PenLine(DC* dc, int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool withEnd) {
    if (dc->pen.style == kPenNull) return;
    Surface* s = dc->surface;
    const uint16_t p = PixelOf(s->format, dc->pen.color);
    const int32_t width = std::max(1, dc->pen.width);
    const double margin = width + 2.0;
    double fx0 = double(x0), fy0 = double(y0), fx1 = double(x1), fy1 = double(y1);
    if (!CutLine(fx0, fy0, fx1, fy1, -margin, -margin, s->width + margin, s->height + margin)) return;
    // Keep the original end points when they were already inside, so the
    // pixels of an uncut line are exactly Bresenham's.
    const bool cut = fx0 != double(x0) || fy0 != double(y0) || fx1 != double(x1) || fy1 != double(y1);
    if (cut) {
        x0 = std::llround(fx0);
        y0 = std::llround(fy0);
        x1 = std::llround(fx1);
        y1 = std::llround(fy1);
    }
    if (width == 1)
        Walk(x0, y0, x1, y1, withEnd, [&](int64_t x, int64_t y) { Put(s, x, y, p); });
    else
        Walk(x0, y0, x1, y1, true, [&](int64_t x, int64_t y) { Stamp(s, x, y, width, p); });
}

bool Usable(const DC* dc) { return dc && dc->inUse && dc->surface && !dc->surface->lost; }

Font* FontOf(DC* dc) {
    if (dc->font) return dc->font;
    static Font* fallback = nullptr;
    if (!fallback) {
        LogFont lf{};
        lf.height = 16;
        lf.weight = 700;
        lf.charSet = kShiftJisCharset;
        fallback = CreateFontIndirect(lf);
    }
    return fallback;
}

// Draws a run of CP932 text with its pen starting at the cell's top-left
// (x, y); clip (optional) limits the pixels further. Returns the advance.
int64_t DrawRun(DC* dc, int64_t x, int64_t y, const char* text, size_t length, const Rect* clip, bool draw) {
    Font* font = FontOf(dc);
    if (!font) return 0;
    Surface* s = dc->surface;
    const TextMetrics tm = MetricsOf(font);
    const LogFont& lf = DescriptionOf(font);
    const double angle = lf.escapement / 10.0 * 3.14159265358979323846 / 180.0;
    const bool turned = lf.escapement % 3600 != 0;

    // Width first: the opaque background covers the whole run.
    int64_t advance = 0;
    for (size_t i = 0; i < length;) {
        const size_t n = CharLength(text + i, length - i);
        const Glyph& g = GlyphOf(font, DecodeCp932Char(text + i, n));
        advance += turned ? int64_t(std::lround(std::hypot(g.advanceX, g.advanceY))) : g.advanceX;
        i += n;
    }
    if (!draw) return advance;

    int64_t cl = 0, ct = 0, cr = s->width, cb = s->height;
    if (clip) {
        cl = std::max<int64_t>(cl, clip->left);
        ct = std::max<int64_t>(ct, clip->top);
        cr = std::min<int64_t>(cr, clip->right);
        cb = std::min<int64_t>(cb, clip->bottom);
    }
    if (dc->bkMode == kBkOpaque && !turned) {
        const uint16_t bg = PixelOf(s->format, dc->bkColor);
        for (int64_t row = std::max(y, ct); row < std::min(y + tm.height, cb); ++row)
            Span(s, row, std::max(x, cl), std::min(x + advance, cr), bg);
    }
    const uint16_t fg = PixelOf(s->format, dc->textColor);
    double penX = double(x) + tm.ascent * std::sin(angle);
    double penY = double(y) + tm.ascent * std::cos(angle);
    for (size_t i = 0; i < length;) {
        const size_t n = CharLength(text + i, length - i);
        const Glyph& g = GlyphOf(font, DecodeCp932Char(text + i, n));
        i += n;
        const int64_t gx = int64_t(std::lround(penX)) + g.left, gy = int64_t(std::lround(penY)) + g.top;
        for (int32_t r = 0; r < g.rows; ++r) {
            const int64_t py = gy + r;
            if (py < ct || py >= cb) continue;
            uint16_t* row = s->Row(int32_t(py));
            const uint8_t* bits = g.bits.data() + size_t(r) * size_t(g.width);
            for (int32_t c = 0; c < g.width; ++c) {
                const int64_t px = gx + c;
                if (bits[c] && px >= cl && px < cr) row[px] = fg;
            }
        }
        penX += g.advanceX;
        penY += g.advanceY;
    }
    if (!turned && (lf.underline || lf.strikeOut)) {
        const int64_t thick = std::max<int64_t>(1, tm.height / 16);
        auto bar = [&](int64_t top) {
            for (int64_t row = std::max(top, ct); row < std::min(top + thick, cb); ++row)
                Span(s, row, std::max(x, cl), std::min(x + advance, cr), fg);
        };
        if (lf.underline) bar(y + tm.ascent + std::max<int64_t>(1, tm.descent / 2));
        if (lf.strikeOut) bar(y + tm.ascent - tm.ascent / 3);
    }
    return advance;
}

} // namespace

uint16_t PixelOf(PixelFormat f, ColorRef c) {
    const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    if (f == PixelFormat::RGB555) return uint16_t(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
    return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

ColorRef ColorOf(PixelFormat f, uint16_t p) {
    if (f == PixelFormat::RGB555)
        return Rgb(uint8_t(((p >> 10) & 31) << 3), uint8_t(((p >> 5) & 31) << 3), uint8_t((p & 31) << 3));
    return Rgb(uint8_t(((p >> 11) & 31) << 3), uint8_t(((p >> 5) & 63) << 2), uint8_t((p & 31) << 3));
}

DC* GetDC(Surface* s) {
    if (!s || s->lost) return nullptr;
    for (DC& dc : dcPool)
        if (!dc.inUse) {
            dc = DC{};
            dc.surface = s;
            dc.inUse = true;
            return &dc;
        }
    return nullptr;
}

int32_t ReleaseDC(Surface* s, DC* dc) {
    if (!dc || !dc->inUse || dc->surface != s) return kErrInvalidParams;
    *dc = DC{};
    return kOk;
}

void ReleaseAllDCsForTests() {
    for (DC& dc : dcPool)
        dc = DC{};
}

int32_t DCsInUse() {
    int32_t n = 0;
    for (const DC& dc : dcPool)
        n += dc.inUse ? 1 : 0;
    return n;
}

Pen SelectPen(DC* dc, const Pen& pen) {
    if (!dc) return Pen{kPenSolid, 1, 0};
    const Pen old = dc->pen;
    dc->pen = pen;
    return old;
}

Brush SelectBrush(DC* dc, const Brush& brush) {
    if (!dc) return Brush{kBrushSolid, 0xFFFFFF, 0};
    const Brush old = dc->brush;
    dc->brush = brush;
    return old;
}

Font* SelectFont(DC* dc, Font* font) {
    if (!dc) return nullptr;
    Font* old = dc->font;
    dc->font = font;
    return old;
}

ColorRef SetTextColor(DC* dc, ColorRef c) {
    if (!dc) return kInvalidColor;
    const ColorRef old = dc->textColor;
    dc->textColor = c;
    return old;
}

ColorRef SetBkColor(DC* dc, ColorRef c) {
    if (!dc) return kInvalidColor;
    const ColorRef old = dc->bkColor;
    dc->bkColor = c;
    return old;
}

int32_t SetBkMode(DC* dc, int32_t mode) {
    if (!dc || (mode != kBkTransparent && mode != kBkOpaque)) return 0;
    const int32_t old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}

int32_t SetStretchBltMode(DC* dc, int32_t mode) {
    if (!dc) return 0;
    const int32_t old = dc->stretchMode;
    dc->stretchMode = mode;
    return old;
}

ColorRef SetPixel(DC* dc, int32_t x, int32_t y, ColorRef c) {
    if (!Usable(dc)) return kInvalidColor;
    Surface* s = dc->surface;
    if (x < 0 || y < 0 || x >= s->width || y >= s->height) return kInvalidColor;
    const uint16_t p = PixelOf(s->format, c);
    s->Row(y)[x] = p;
    return ColorOf(s->format, p);
}

ColorRef GetPixel(DC* dc, int32_t x, int32_t y) {
    if (!Usable(dc)) return kInvalidColor;
    Surface* s = dc->surface;
    if (x < 0 || y < 0 || x >= s->width || y >= s->height) return kInvalidColor;
    return ColorOf(s->format, s->Pixel(x, y));
}

void MoveTo(DC* dc, int32_t x, int32_t y) {
    if (dc) dc->pos = {x, y};
}

bool LineTo(DC* dc, int32_t x, int32_t y) {
    if (!Usable(dc)) return false;
    PenLine(dc, dc->pos.x, dc->pos.y, x, y, false);
    dc->pos = {x, y};
    return true;
}

bool Rectangle(DC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!Usable(dc)) return false;
    int64_t l = std::min(left, right), r = std::max(left, right), t = std::min(top, bottom),
            b = std::max(top, bottom);
    if (dc->pen.style == kPenNull) {
        // Without a pen the fill stops one short on the right and bottom.
        for (int64_t y = std::max<int64_t>(t, 0); y < std::min<int64_t>(b - 1, dc->surface->height); ++y)
            BrushSpan(dc, y, l, r - 1);
        return true;
    }
    for (int64_t y = std::max<int64_t>(t, 0); y < std::min<int64_t>(b, dc->surface->height); ++y)
        BrushSpan(dc, y, l, r);
    if (r - l < 1 || b - t < 1) return true;
    const int64_t xs[5] = {l, r - 1, r - 1, l, l}, ys[5] = {t, t, b - 1, b - 1, t};
    for (int k = 0; k < 4; ++k)
        PenLine(dc, xs[k], ys[k], xs[k + 1], ys[k + 1], true);
    return true;
}

bool Polygon(DC* dc, const Point* pts, int32_t count) {
    if (!Usable(dc) || !pts || count < 2) return false;
    Surface* s = dc->surface;
    int64_t minY = pts[0].y, maxY = pts[0].y;
    for (int32_t i = 1; i < count; ++i) {
        minY = std::min<int64_t>(minY, pts[i].y);
        maxY = std::max<int64_t>(maxY, pts[i].y);
    }
    std::vector<double> xs;
    xs.reserve(size_t(count));
    for (int64_t y = std::max<int64_t>(minY, 0); y < std::min<int64_t>(maxY, s->height); ++y) {
        const double yc = double(y) + 0.5;
        xs.clear();
        for (int32_t i = 0; i < count; ++i) {
            const Point& a = pts[i];
            const Point& b = pts[(i + 1) % count];
            if (a.y == b.y) continue;
            const double lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
            if (yc < lo || yc >= hi) continue;
            xs.push_back(a.x + (yc - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            BrushSpan(dc, y, int64_t(std::ceil(xs[k] - 0.5)), int64_t(std::ceil(xs[k + 1] - 0.5)));
    }
    for (int32_t i = 0; i < count; ++i) {
        const Point& a = pts[i];
        const Point& b = pts[(i + 1) % count];
        PenLine(dc, a.x, a.y, b.x, b.y, dc->pen.width > 1);
    }
    return true;
}

bool PolyBezier(DC* dc, const Point* pts, int32_t count) {
    if (!Usable(dc) || !pts || count < 4 || (count - 1) % 3 != 0) return false;
    for (int32_t k = 0; k + 3 < count; k += 3) {
        const double x0 = pts[k].x, y0 = pts[k].y, x1 = pts[k + 1].x, y1 = pts[k + 1].y, x2 = pts[k + 2].x,
                     y2 = pts[k + 2].y, x3 = pts[k + 3].x, y3 = pts[k + 3].y;
        const double len =
            std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1) + std::hypot(x3 - x2, y3 - y2);
        const int steps = int(std::clamp(len / 4.0, 4.0, 256.0));
        int64_t px = pts[k].x, py = pts[k].y;
        for (int i = 1; i <= steps; ++i) {
            const double t = double(i) / steps, u = 1.0 - t;
            const double bx = u * u * u * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x3;
            const double by = u * u * u * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y3;
            const int64_t nx = std::llround(bx), ny = std::llround(by);
            PenLine(dc, px, py, nx, ny, i == steps && k + 4 >= count);
            px = nx;
            py = ny;
        }
    }
    return true;
}

bool InvertRect(DC* dc, const Rect& r) {
    if (!Usable(dc)) return false;
    Surface* s = dc->surface;
    const int64_t l = std::max<int64_t>(std::min(r.left, r.right), 0);
    const int64_t rr = std::min<int64_t>(std::max(r.left, r.right), s->width);
    const int64_t t = std::max<int64_t>(std::min(r.top, r.bottom), 0);
    const int64_t b = std::min<int64_t>(std::max(r.top, r.bottom), s->height);
    const uint16_t mask = ColourMaskOf(s->format);
    for (int64_t y = t; y < b; ++y) {
        uint16_t* row = s->Row(int32_t(y));
        for (int64_t x = l; x < rr; ++x)
            row[x] ^= mask;
    }
    return true;
}

bool TextOut(DC* dc, int32_t x, int32_t y, const char* text, int32_t length) {
    if (!Usable(dc) || !text || length < 0) return false;
    DrawRun(dc, x, y, text, size_t(length), nullptr, true);
    return true;
}

bool GetTextExtent(DC* dc, const char* text, int32_t length, Size* size) {
    if (!dc || !text || length < 0 || !size) return false;
    Font* font = FontOf(dc);
    size->cx = int32_t(DrawRun(dc, 0, 0, text, size_t(length), nullptr, false));
    size->cy = font ? MetricsOf(font).height : 0;
    return true;
}

TextMetrics GetTextMetrics(DC* dc) {
    Font* font = dc ? FontOf(dc) : nullptr;
    return font ? MetricsOf(font) : TextMetrics{};
}

int32_t DrawText(DC* dc, const char* text, int32_t length, Rect* rect, uint32_t flags) {
    if (!dc || !text || !rect) return 0;
    if (length < 0) length = int32_t(std::strlen(text));
    std::string str(text, size_t(length));
    if (!(flags & kDtNoPrefix)) {
        // "&&" shows one ampersand; a single one only marks the next character.
        std::string plain;
        for (size_t i = 0; i < str.size(); ++i) {
            if (str[i] == '&') {
                if (i + 1 < str.size() && str[i + 1] == '&') plain += '&';
                ++i;
                if (i < str.size() && str[i] != '&') plain += str[i];
                continue;
            }
            plain += str[i];
        }
        str.swap(plain);
    }
    const int32_t lineH = GetTextMetrics(dc).height;
    const int64_t boxW = int64_t(rect->right) - rect->left;
    struct Line {
        size_t begin, end;
        int64_t width;
    };
    std::vector<Line> lines;
    auto widthOf = [&](size_t b, size_t e) {
        return DrawRun(dc, 0, 0, str.data() + b, e - b, nullptr, false);
    };
    size_t i = 0;
    while (i <= str.size()) {
        size_t end = i;
        while (end < str.size() && str[end] != '\n' && str[end] != '\r')
            end += CharLength(&str[end], str.size() - end);
        if (flags & kDtSingleLine) end = str.size();
        // Break the paragraph [i, end) into lines that fit.
        size_t start = i;
        while (true) {
            if (!(flags & kDtWordBreak) || widthOf(start, end) <= boxW) {
                lines.push_back({start, end, widthOf(start, end)});
                break;
            }
            size_t pos = start, lastBreak = start;
            while (pos < end) {
                const size_t n = CharLength(&str[pos], end - pos);
                if (widthOf(start, pos + n) > boxW) break;
                if (str[pos] == ' ' || n == 2) lastBreak = str[pos] == ' ' ? pos : pos + n;
                pos += n;
            }
            size_t cut = lastBreak > start ? lastBreak : pos;
            if (cut == start) { // one word wider than the box: it keeps its line
                cut = start;
                while (cut < end && str[cut] != ' ')
                    cut += CharLength(&str[cut], end - cut);
                if (cut == start) cut += CharLength(&str[cut], end - cut);
            }
            lines.push_back({start, cut, widthOf(start, cut)});
            start = cut;
            while (start < end && str[start] == ' ')
                ++start;
            if (start >= end) break;
        }
        if (end >= str.size()) break;
        i = end + ((str[end] == '\r' && end + 1 < str.size() && str[end + 1] == '\n') ? 2 : 1);
    }
    const int32_t height = int32_t(lines.size()) * lineH;
    if (flags & kDtCalcRect) {
        int64_t widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, l.width);
        if (!(flags & kDtWordBreak) || widest > boxW)
            rect->right = int32_t(std::clamp<int64_t>(rect->left + widest, INT32_MIN, INT32_MAX));
        rect->bottom = rect->top + height;
        return height;
    }
    if (!Usable(dc)) return 0;
    for (size_t k = 0; k < lines.size(); ++k) {
        const Line& l = lines[k];
        int64_t x = rect->left;
        if (flags & kDtCenter)
            x = rect->left + (boxW - l.width) / 2;
        else if (flags & kDtRight)
            x = rect->right - l.width;
        DrawRun(dc, x, int64_t(rect->top) + int64_t(k) * lineH, str.data() + l.begin, l.end - l.begin, rect,
                true);
    }
    return height;
}

int32_t EnumFonts(DC* dc, FontEnumProc proc, intptr_t data) {
    if (!dc || !proc) return 0;
    int32_t last = 0;
    for (const LogFont& lf : EnumerateFonts()) {
        TextMetrics tm{};
        tm.height = lf.height;
        last = proc(&lf, &tm, 4 /* scalable */, data);
        if (last == 0) break;
    }
    return last;
}

bool StretchBlt(DC* dst, int32_t x, int32_t y, int32_t w, int32_t h, DC* src, int32_t sx, int32_t sy,
                int32_t sw, int32_t sh) {
    if (!Usable(dst) || !Usable(src) || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
    Surface* d = dst->surface;
    Surface* s = src->surface;
    const bool andTogether = dst->stretchMode == kStretchBlackOnWhite;
    const int64_t r0 = std::max<int64_t>(0, -int64_t(y)), r1 = std::min<int64_t>(h, int64_t(d->height) - y);
    const int64_t c0 = std::max<int64_t>(0, -int64_t(x)), c1 = std::min<int64_t>(w, int64_t(d->width) - x);
    auto at = [&](int64_t px, int64_t py) -> uint16_t {
        if (px < 0 || py < 0 || px >= s->width || py >= s->height) return 0;
        return s->Pixel(int32_t(px), int32_t(py));
    };
    for (int64_t r = r0; r < r1; ++r) {
        const int64_t ya = r * sh / h, yb = std::max(ya + 1, (r + 1) * sh / h);
        uint16_t* row = d->Row(int32_t(y + r));
        for (int64_t c = c0; c < c1; ++c) {
            const int64_t xa = c * sw / w, xb = std::max(xa + 1, (c + 1) * sw / w);
            uint16_t p = at(sx + xa, sy + ya);
            if (andTogether)
                for (int64_t v = ya; v < yb; ++v)
                    for (int64_t u = xa; u < xb; ++u)
                        p = uint16_t(p & at(sx + u, sy + v));
            row[x + c] = p;
        }
    }
    return true;
}

int32_t BltStretch(Surface* dst, const Rect& dr, Surface* src, const Rect& sr, bool useSourceKey) {
    if (!dst || !src) return kErrInvalidParams;
    if (dst->lost || src->lost) return kErrSurfaceLost;
    auto inside = [](const Surface* s, const Rect& r) {
        return r.left >= 0 && r.top >= 0 && r.right <= s->width && r.bottom <= s->height &&
               r.left < r.right && r.top < r.bottom;
    };
    if (!inside(dst, dr) || !inside(src, sr)) return kErrInvalidRect;
    const int64_t w = dr.right - dr.left, h = dr.bottom - dr.top;
    const int64_t sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    const bool keyed = useSourceKey && src->hasColorKey;
    const uint16_t key = src->colorKey;
    std::vector<uint16_t> rowCopy; // a copy within one surface reads from a saved row
    for (int64_t r = 0; r < h; ++r) {
        const uint16_t* s = src->Row(int32_t(sr.top + r * sh / h)) + sr.left;
        if (src == dst) {
            rowCopy.assign(s, s + sw);
            s = rowCopy.data();
        }
        uint16_t* d = dst->Row(int32_t(dr.top + r)) + dr.left;
        for (int64_t c = 0; c < w; ++c) {
            const uint16_t p = s[c * sw / w];
            if (!keyed || p != key) d[c] = p;
        }
    }
    return kOk;
}

} // namespace plat
