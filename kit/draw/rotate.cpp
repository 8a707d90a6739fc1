#include "kit/draw/rotate.h"

#include "kit/draw/blend_skeleton.h"
#include "kit/draw/draw_observer.h"
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "platform/pixel_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The destination box and the part of it that may be drawn.
struct Box {
    int64_t x1 = 0, y1 = 0, W0 = 0, H0 = 0;
    int64_t i0 = 0, i1 = 0, j0 = 0, j1 = 0; // visible columns [i0, i1) and rows [j0, j1)
};

// Clips the box against the clip rectangle. False: nothing to draw, and the
// caller returns 1 without locking.
bool ClipBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Box& b) {
    b.x1 = x1;
    b.y1 = y1;
    b.W0 = int64_t(x2) - x1;
    b.H0 = int64_t(y2) - y1;
    int64_t W = b.W0, H = b.H0;
    if (b.x1 + b.W0 > clipRight) W -= b.x1 + b.W0 - clipRight;
    if (b.y1 + b.H0 > clipBottom) H -= b.y1 + b.H0 - clipBottom;
    const int64_t colStart = b.x1 < clipLeft ? clipLeft - b.x1 : 0;
    const int64_t rowStart = b.y1 < clipTop ? clipTop - b.y1 : 0;
    if (W < colStart || H < rowStart) return false;
    b.i0 = std::max<int64_t>(colStart, 0);
    b.i1 = std::min(W, b.W0);
    b.j0 = std::max<int64_t>(rowStart, 0);
    b.j1 = std::min(H, b.H0);
    return true;
}

struct Locked {
    plat::Surface* src = nullptr;
    uint16_t* sp = nullptr;
    uint16_t* dp = nullptr;
    int64_t spitch = 0, dpitch = 0; // in pixels
};

// Source first, then the back buffer; a failed second lock gives the first back.
bool LockBoth(int32_t img, Locked& L) {
    ImageRecord* rec = ImageAt(img);
    L.src = rec ? rec->surface : nullptr;
    int32_t sp = 0, dp = 0;
    if (!L.src || plat::Lock(L.src, &L.sp, &sp) != plat::kOk) return false;
    if (!backBuffer || plat::Lock(backBuffer, &L.dp, &dp) != plat::kOk) {
        plat::Unlock(L.src);
        return false;
    }
    L.spitch = sp >> 1;
    L.dpitch = dp >> 1;
    return true;
}

void UnlockBoth(Locked& L) {
    plat::Unlock(L.src);
    plat::Unlock(backBuffer);
}

// The mapping of one call: sine and cosine, the row accumulators' start, the
// centring offsets and the source range that lies inside both the source
// rectangle and the image.
struct Map {
    int64_t s = 0, c = 0, rowU = 0, rowV = 0, offX = 0, offY = 0;
    int64_t srcW = 0, srcH = 0;
    int64_t sxMin = 0, sxMax = 0, syMin = 0, syMax = 0;
    int64_t left = 0, top = 0; // the source rectangle's corner
    int64_t base = 0;          // and its index
};

Map MakeMap(const Box& b, int32_t angle, int32_t left, int32_t top, int32_t right, int32_t bottom,
            const Locked& L) {
    Map m;
    const int32_t a = NormaliseAngle(angle);
    m.s = sineTable[a];
    m.c = sineTable[a + 90];
    m.srcW = int64_t(right) - left;
    m.srcH = int64_t(bottom) - top;
    const int64_t halfW = b.W0 >> 1, halfH = b.H0 >> 1;
    m.offX = (b.W0 - m.srcW) >> 1;
    m.offY = (b.H0 - m.srcH) >> 1;
    m.rowU = 360 * halfW - halfW * m.c + halfH * m.s;
    m.rowV = 360 * halfH - halfW * m.s - halfH * m.c;
    m.sxMin = std::max<int64_t>(0, -int64_t(left));
    m.sxMax = std::min<int64_t>(m.srcW, L.src->width - int64_t(left));
    m.syMin = std::max<int64_t>(0, -int64_t(top));
    m.syMax = std::min<int64_t>(m.srcH, L.src->height - int64_t(top));
    m.left = left;
    m.top = top;
    m.base = int64_t(top) * L.spitch + left;
    return m;
}

// Keeps the visible part on the back buffer as well.
void CutToScreen(Box& b) {
    b.i0 = std::max(b.i0, -b.x1);
    b.i1 = std::min(b.i1, backBuffer->width - b.x1);
    b.j0 = std::max(b.j0, -b.y1);
    b.j1 = std::min(b.j1, backBuffer->height - b.y1);
}

// Division rounding down, for a positive divisor.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The smallest accumulator whose quotient by 360 (rounded toward zero, as the
// turn rounds) reaches q.
int64_t FirstWithQuotient(int64_t q) { return q >= 1 ? 360 * q : 360 * q - 359; }

// floor(n / d) for a numerator that moves by the same amount every row,
// carried from row to row without dividing.
struct FloorWalk {
    int64_t q = 0, r = 0, dq = 0, dr = 0, d = 1;
    FloorWalk() = default;
    FloorWalk(int64_t n, int64_t dn, int64_t divisor) : d(divisor) {
        q = FloorDiv(n, d);
        r = n - q * d;
        dq = FloorDiv(dn, d);
        dr = dn - dq * d;
    }
    void Next() {
        q += dq;
        r += dr;
        if (r >= d) {
            r -= d;
            ++q;
        }
    }
};

// The columns k of a row at which one accumulator t = t0 + k * step lies in
// [lo, hi), as [first, end); t is a straight line in k, so they are one run.
// t0 moves by dt from row to row.
class ColumnRun {
  public:
    ColumnRun(int64_t t0, int64_t dt, int64_t step, int64_t lo, int64_t hi)
        : t0_(t0), dt_(dt), step_(step), lo_(lo), hi_(hi) {
        if (step > 0) {
            first_ = FloorWalk(t0 - lo, dt, step);    // first = -floor((t0 - lo) / step)
            end_ = FloorWalk(hi - 1 - t0, -dt, step); // end = floor((hi - 1 - t0) / step) + 1
        } else if (step < 0) {
            first_ = FloorWalk(t0 - hi, dt, -step); // first = floor((t0 - hi) / -step) + 1
            end_ = FloorWalk(t0 - lo, dt, -step);   // end = floor((t0 - lo) / -step) + 1
        }
    }
    // Narrows [first, end) to this row's run, then moves to the next row.
    void Cut(int64_t& first, int64_t& end) {
        if (step_ > 0) {
            first = std::max(first, -first_.q);
            end = std::min(end, end_.q + 1);
        } else if (step_ < 0) {
            first = std::max(first, first_.q + 1);
            end = std::min(end, end_.q + 1);
        } else if (t0_ < lo_ || t0_ >= hi_) {
            end = first;
        }
        t0_ += dt_;
        first_.Next();
        end_.Next();
    }

  private:
    int64_t t0_, dt_, step_, lo_, hi_;
    FloorWalk first_, end_;
};

// The plain turn. Each row first takes the run of columns whose source pixel
// lies inside the source range, so the walk over that run needs no tests; a
// black source pixel leaves the screen as it was. Narrow turns (whose
// accumulators fit in 32 bits) go to the vector kernel in batches of rows.
void RotateLoop(const Box& b, const Map& m, const Locked& L, bool narrow) {
    const int64_t count = b.i1 - b.i0; // at most the screen's width
    // Row j0's accumulators at column i0; each row moves them by (-s, c).
    const int64_t u0 = m.rowU - b.j0 * m.s + b.i0 * m.c;
    const int64_t v0 = m.rowV + b.j0 * m.c + b.i0 * m.s;
    ColumnRun xRun(u0, -m.s, m.c, FirstWithQuotient(m.sxMin + m.offX), FirstWithQuotient(m.sxMax + m.offX));
    ColumnRun yRun(v0, m.c, m.s, FirstWithQuotient(m.syMin + m.offY), FirstWithQuotient(m.syMax + m.offY));
    // Offsets from the quotients to the column and row in the whole image;
    // where a run is not empty both lie inside the image.
    const int64_t imgOffX = m.offX - m.left, imgOffY = m.offY - m.top;
    const bool vector = narrow && L.src != backBuffer;
    const plat::rows::Turn turn{
        L.sp, int32_t(m.c), int32_t(m.s), int32_t(imgOffX), int32_t(imgOffY), int32_t(L.spitch)};
    constexpr int32_t kBatch = 64;
    plat::rows::TurnSpan spans[kBatch];
    int32_t pending = 0;
    const plat::rows::Kernels& kernels = plat::rows::Rect();
    for (int64_t j = b.j0; j < b.j1; ++j) {
        int64_t first = 0, end = count;
        xRun.Cut(first, end);
        yRun.Cut(first, end);
        if (first >= end) continue;
        const int64_t row = j - b.j0;
        const int64_t u = u0 - row * m.s + first * m.c, v = v0 + row * m.c + first * m.s;
        uint16_t* d = L.dp + (b.y1 + j) * L.dpitch + (b.x1 + b.i0 + first);
        if (vector) {
            spans[pending++] = {d, int32_t(end - first), int32_t(u), int32_t(v)};
            if (pending == kBatch) {
                kernels.turnRows(turn, spans, pending);
                pending = 0;
            }
            continue;
        }
        // Wide turns, and a picture turned onto itself, pixel by pixel in order.
        for (int64_t k = 0; k < end - first; ++k) {
            const int64_t uk = u + k * m.c, vk = v + k * m.s;
            const uint16_t p = L.sp[(vk / 360 - imgOffY) * L.spitch + uk / 360 - imgOffX];
            if (p != 0) d[k] = p;
        }
    }
    if (pending > 0) kernels.turnRows(turn, spans, pending);
}

// The variants: pick(u, v, j, &p) fetches the pixel for accumulators (u, v)
// on box row j and says whether to store it (a black source pixel never is;
// what a recoloured pixel becomes is stored as it is).
template <class Pick> void WalkBox(const Box& b, const Map& m, const Locked& L, Pick pick) {
    for (int64_t j = b.j0; j < b.j1; ++j) {
        int64_t u = m.rowU - j * m.s + b.i0 * m.c;
        int64_t v = m.rowV + j * m.c + b.i0 * m.s;
        uint16_t* d = L.dp + (b.y1 + j) * L.dpitch + (b.x1 + b.i0);
        for (int64_t k = 0; k < b.i1 - b.i0; ++k) {
            uint16_t p = 0;
            if (pick(u, v, j, p)) d[k] = p;
            u += m.c;
            v += m.s;
        }
    }
}

uint16_t Fetch(const Map& m, const Locked& L, int64_t sx, int64_t sy, bool& ok) {
    ok = sx >= m.sxMin && sx < m.sxMax && sy >= m.syMin && sy < m.syMax;
    return ok ? L.sp[m.base + sy * L.spitch + sx] : 0;
}

int64_t TileIndex(int64_t v, int64_t n) { return std::llabs(v) % n; }

int64_t Scaled(int64_t v, float scale) { return FloatToInt(float(v) / scale); }

// Shared frame of every turned form: clip, lock, map, walk, unlock.
template <class Body>
int32_t Rotated(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img, int32_t left,
                int32_t top, int32_t right, int32_t bottom, Body body) {
    Box b;
    if (!ClipBox(x1, y1, x2, y2, b)) return 1;
    Locked L;
    if (!LockBoth(img, L)) return 0;
    CutToScreen(b);
    const Map m = MakeMap(b, angle, left, top, right, bottom, L);
    // Nothing of the source lies inside the image: nothing can be fetched.
    if (b.i0 < b.i1 && b.j0 < b.j1 && m.sxMin < m.sxMax && m.syMin < m.syMax) body(b, m, L);
    UnlockBoth(L);
    return 1;
}

constexpr int64_t kNarrowLimit = int64_t(1) << 20;

} // namespace

int32_t BlitRotated(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img, int32_t left,
                    int32_t top, int32_t right, int32_t bottom) {
    ObserveDraw({DrawKind::Rotated, img, x1, y1, left, top, right, bottom, x2, y2, angle});
    return Rotated(x1, y1, x2, y2, angle, img, left, top, right, bottom,
                   [](const Box& b, const Map& m, const Locked& L) {
                       const bool narrow =
                           std::llabs(b.W0) <= kNarrowLimit && std::llabs(b.H0) <= kNarrowLimit &&
                           std::llabs(m.srcW) <= kNarrowLimit && std::llabs(m.srcH) <= kNarrowLimit;
                       RotateLoop(b, m, L, narrow);
                   });
}

int32_t BlitRotatedTiled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img,
                         int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (int64_t(right) - left <= 0 || int64_t(bottom) - top <= 0) return 1; // nothing to tile with
    return Rotated(x1, y1, x2, y2, angle, img, left, top, right, bottom,
                   [](const Box& b, const Map& m, const Locked& L) {
                       WalkBox(b, m, L, [&](int64_t u, int64_t v, int64_t, uint16_t& p) {
                           bool ok;
                           p = Fetch(m, L, TileIndex(u / 360 - m.offX, m.srcW),
                                     TileIndex(v / 360 - m.offY, m.srcH), ok);
                           return ok && p != 0;
                       });
                   });
}

int32_t BlitRotatedScaled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scale,
                          int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (scale == 0.0f) return 1; // no picture at zero size
    return Rotated(x1, y1, x2, y2, angle, img, left, top, right, bottom,
                   [=](const Box& b, const Map& m, const Locked& L) {
                       WalkBox(b, m, L, [&](int64_t u, int64_t v, int64_t, uint16_t& p) {
                           bool ok;
                           p = Fetch(m, L, Scaled(u / 360 - m.offX, scale), Scaled(v / 360 - m.offY, scale),
                                     ok);
                           return ok && p != 0;
                       });
                   });
}

int32_t BlitRotatedScaledTiled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scale,
                               int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (scale == 0.0f || int64_t(right) - left <= 0 || int64_t(bottom) - top <= 0) return 1;
    return Rotated(x1, y1, x2, y2, angle, img, left, top, right, bottom,
                   [=](const Box& b, const Map& m, const Locked& L) {
                       WalkBox(b, m, L, [&](int64_t u, int64_t v, int64_t, uint16_t& p) {
                           bool ok;
                           p = Fetch(m, L, TileIndex(Scaled(u / 360 - m.offX, scale), m.srcW),
                                     TileIndex(Scaled(v / 360 - m.offY, scale), m.srcH), ok);
                           return ok && p != 0;
                       });
                   });
}

int32_t BlitRotatedPerspective(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scaleX,
                               float stepX, float scaleY, float stepY, float factorR, float factorG,
                               float factorB, int32_t img, int32_t left, int32_t top, int32_t right,
                               int32_t bottom) {
    if (int64_t(right) - left <= 0 || int64_t(bottom) - top <= 0) return 1;
    return Rotated(x1, y1, x2, y2, angle, img, left, top, right, bottom,
                   [=](const Box& b, const Map& m, const Locked& L) {
                       // The scales grow row by row from the box's first row, drawn or not.
                       float sx = scaleX, sy = scaleY;
                       int64_t row = 0;
                       WalkBox(b, m, L, [&](int64_t u, int64_t v, int64_t j, uint16_t& p) {
                           for (; row < j; ++row) {
                               sx += stepX;
                               sy += stepY;
                           }
                           bool ok;
                           const uint16_t q =
                               Fetch(m, L, TileIndex(FloatToInt(float(u / 360 - m.offX) / sx), m.srcW),
                                     TileIndex(FloatToInt(float(v / 360 - m.offY) / sy), m.srcH), ok);
                           if (!ok || q == 0) return false;
                           const uint32_t r = uint32_t(FloatToInt(float(pixelDecodeTable[q][0]) * factorR));
                           const uint32_t g = uint32_t(FloatToInt(float(pixelDecodeTable[q][1]) * factorG));
                           const uint32_t bl = uint32_t(FloatToInt(float(pixelDecodeTable[q][2]) * factorB));
                           p = kitDraw::Pack5(r, g, bl);
                           return true;
                       });
                   });
}

int32_t BlitRipple(int32_t x, int32_t y, int32_t amplitude, int32_t frequency, int32_t step, float scale,
                   float shear, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (step < 1) return 1; // a step of 0 would never leave the first pixel
    int64_t X = x, Y = y, L0 = left, T0 = top, w = int64_t(right) - left, h = int64_t(bottom) - top;
    if (!kitDraw::blend::Clip(X, Y, L0, T0, w, h)) return 1;
    Locked L;
    if (!LockBoth(img, L)) return 0;
    const float spanX = float(int64_t(right) - L0), spanY = float(int64_t(bottom) - T0);
    for (int64_t j = 0; j < h; j += step) {
        const float ny = 2.0f / spanY * float(j) - 1.0f;
        const int64_t sy = T0 + j;
        for (int64_t i = 0; i < w; i += step) {
            const float nx = 2.0f / spanX * float(i) - 1.0f;
            const float damp = std::exp(ny * ny - nx * nx);
            const float wave = std::cos(std::sqrt(nx * nx + ny * ny) * float(frequency)) * damp;
            const float lift = (wave + 1.0f) * float(amplitude) / 2.0f + float(j);
            const int64_t dx = X + FloatToInt((float(i) + float(j) * shear) * scale);
            const int64_t dy = Y + FloatToInt(lift * scale);
            if (dx < clipLeft || dx >= clipRight || dy < clipTop || dy >= clipBottom) continue;
            if (dx < 0 || dy < 0 || dx >= backBuffer->width || dy >= backBuffer->height) continue;
            const int64_t sx = L0 + i;
            if (sx < 0 || sy < 0 || sx >= L.src->width || sy >= L.src->height) continue;
            L.dp[dy * L.dpitch + dx] = L.sp[sy * L.spitch + sx];
        }
    }
    UnlockBoth(L);
    return 1;
}
