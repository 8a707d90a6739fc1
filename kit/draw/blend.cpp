#include "kit/draw/blend.h"

#include "kit/draw/blend_skeleton.h"
#include "kit/draw/draw_observer.h"
#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/system/fint.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/pixel_rows.h"

#include <algorithm>
#include <cmath>

namespace kitDraw::blend {

bool ClipTo(int64_t cl, int64_t ct, int64_t cr, int64_t cb, int64_t& x, int64_t& y, int64_t& left,
            int64_t& top, int64_t& w, int64_t& h) {
    if (x + w > cr) w = cr - x;
    if (y + h > cb) h = cb - y;
    if (x < cl) {
        left += cl - x;
        w -= cl - x;
        x = cl;
    }
    if (y < ct) {
        top += ct - y;
        h -= ct - y;
        y = ct;
    }
    return !(w < 0 || h < 0);
}

bool Clip(int64_t& x, int64_t& y, int64_t& left, int64_t& top, int64_t& w, int64_t& h) {
    return ClipTo(clipLeft, clipTop, clipRight, clipBottom, x, y, left, top, w, h);
}

Start Begin(Run& run, int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
            int32_t bottom, bool sourceUnbounded) {
    int64_t X = x, Y = y, L = left, T = top, W = int64_t(right) - left, H = int64_t(bottom) - top;
    if (!Clip(X, Y, L, T, W, H)) return Start::NothingToDraw;

    ImageRecord* rec = ImageAt(img);
    plat::Surface* src = rec ? rec->surface : nullptr;
    uint16_t* sp = nullptr;
    uint16_t* dp = nullptr;
    int32_t spitch = 0, dpitch = 0;
    if (!src || plat::Lock(src, &sp, &spitch) != plat::kOk) return Start::LockFailed;
    if (!backBuffer || plat::Lock(backBuffer, &dp, &dpitch) != plat::kOk) {
        plat::Unlock(src);
        return Start::LockFailed;
    }

    // Keep only the columns and rows that both surfaces really have.
    int64_t c0 = std::max<int64_t>(0, -X), c1 = std::min<int64_t>(W, backBuffer->width - X);
    int64_t r0 = std::max<int64_t>(0, -Y), r1 = std::min<int64_t>(H, backBuffer->height - Y);
    if (!sourceUnbounded) {
        c0 = std::max<int64_t>(c0, -L);
        c1 = std::min<int64_t>(c1, src->width - L);
        r0 = std::max<int64_t>(r0, -T);
        r1 = std::min<int64_t>(r1, src->height - T);
    }
    run.src = src;
    run.dst = backBuffer;
    run.srcPixels = sp;
    run.dstPixels = dp;
    run.srcPitch = spitch >> 1;
    run.dstPitch = dpitch >> 1;
    if (c1 <= c0 || r1 <= r0) {
        run.x = run.y = run.left = run.top = run.w = run.h = 0;
        return Start::Draw;
    }
    run.x = int32_t(X + c0);
    run.y = int32_t(Y + r0);
    run.w = int32_t(c1 - c0);
    run.h = int32_t(r1 - r0);
    // An unbounded source keeps its true corner (it may lie outside the image);
    // the caller checks each read.
    run.left = int32_t(std::clamp<int64_t>(L + c0, INT32_MIN, INT32_MAX));
    run.top = int32_t(std::clamp<int64_t>(T + r0, INT32_MIN, INT32_MAX));
    return Start::Draw;
}

void End(Run& run) {
    plat::Unlock(run.src);
    plat::Unlock(run.dst);
}

Layout CurrentLayout() {
    if (redMask == 0xF800 && greenMask == 0x07E0 && blueMask == 0x001F) return Layout::RGB565;
    if (redMask == 0x7C00 && greenMask == 0x03E0 && blueMask == 0x001F) return Layout::RGB555;
    return Layout::Other;
}

} // namespace kitDraw::blend

using namespace kitDraw::blend;

namespace {

int32_t ClampLevel(int64_t v) { return int32_t(v < 0 ? 0 : v > 31 ? 31 : v); }

// Runs body(run) between Begin and End and maps the outcome to the result.
template <class Body>
int32_t Blend(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom,
              Body body, bool sourceUnbounded = false) {
    Run run;
    switch (Begin(run, x, y, img, left, top, right, bottom, sourceUnbounded)) {
    case Start::NothingToDraw:
        return 1;
    case Start::LockFailed:
        return 0;
    case Start::Draw:
        break;
    }
    body(run);
    End(run);
    return 1;
}

// Per-pixel walk over the run for members whose result depends on s and d only.
template <class F> void ForEachPixel(const Run& run, F f) {
    for (int32_t r = 0; r < run.h; ++r) {
        const uint16_t* s = run.SrcRow(r);
        uint16_t* d = run.DstRow(r);
        for (int32_t c = 0; c < run.w; ++c)
            if (s[c] != 0) d[c] = f(s[c], d[c]);
    }
}

uint16_t AddTable(uint16_t s, uint16_t d, int32_t level) {
    return uint16_t(additiveTable[0][level][DecR(s)][DecR(d)] | additiveTable[1][level][DecG(s)][DecG(d)] |
                    additiveTable[2][level][DecB(s)][DecB(d)]);
}

// Full-width channel fields of a pixel and their reassembly.
struct Fields {
    int32_t r, g, b;
};
Fields Split(uint16_t p) {
    return {int32_t((p >> redShift) & redBits), int32_t((p >> greenShift) & greenBits),
            int32_t((p >> blueShift) & blueBits)};
}
uint16_t Join(int32_t r, int32_t g, int32_t b) {
    return uint16_t((uint32_t(r) << redShift) | (uint32_t(g) << greenShift) | (uint32_t(b) << blueShift));
}

uint16_t SrcAt(const Run& run, int64_t c, int64_t r) {
    const int64_t sx = int64_t(run.left) + c, sy = int64_t(run.top) + r;
    if (sx < 0 || sy < 0 || sx >= run.src->width || sy >= run.src->height) return 0;
    return run.srcPixels[sy * run.srcPitch + sx];
}

// Weight (or level) drop of the fading members: every `every` rows or columns
// past `start`.
struct FadeCounter {
    int32_t start, every, counter = 0;
    bool Tick(int32_t index) {
        if (index < start) return false;
        if (++counter < every) return false;
        counter = 0;
        return true;
    }
};

// The walk of the fading members: the weights drop one step every `every`
// columns from column `start` (direction 0, afresh on each row) or every
// `every` rows from row `start` (any other direction).
template <class Reset, class Drop, class Pixel>
void FadeWalk(const Run& run, int32_t direction, int32_t start, int32_t every, Reset reset, Drop drop,
              Pixel pixel) {
    FadeCounter fade{start, every};
    reset();
    for (int32_t r = 0; r < run.h; ++r) {
        const uint16_t* s = run.SrcRow(r);
        uint16_t* d = run.DstRow(r);
        if (direction == 0) {
            reset();
            fade.counter = 0;
        }
        for (int32_t c = 0; c < run.w; ++c) {
            if (s[c] != 0) d[c] = pixel(s[c], d[c]);
            if (direction == 0 && fade.Tick(c)) drop();
        }
        if (direction != 0 && fade.Tick(r)) drop();
    }
}

} // namespace

int32_t BlitAdditive(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom) {
    ObserveDraw({DrawKind::Additive, img, x, y, left, top, right, bottom, 0, 0, 0});
    return Blend(x, y, img, left, top, right, bottom, [](const Run& run) {
        const Layout layout = run.src == run.dst ? Layout::Other : CurrentLayout();
        switch (layout) {
        // The decode and additive tables in arithmetic form: the same values
        // (5-bit channels each held at 31), a vector of pixels at a time.
        case Layout::RGB565:
            plat::rows::Rect().additive565(run.DstRow(0), run.dstPitch, run.SrcRow(0), run.srcPitch, run.w,
                                           run.h);
            break;
        case Layout::RGB555:
            plat::rows::Rect().additive555(run.DstRow(0), run.dstPitch, run.SrcRow(0), run.srcPitch, run.w,
                                           run.h);
            break;
        case Layout::Other:
            for (int32_t r = 0; r < run.h; ++r) {
                const uint16_t* s = run.SrcRow(r);
                uint16_t* d = run.DstRow(r);
                for (int32_t c = 0; c < run.w; ++c)
                    if (s[c] != 0) d[c] = AddTable(s[c], d[c], 0);
            }
            break;
        }
    });
}

int32_t BlitHalfTranslucent(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                            int32_t bottom) {
    ObserveDraw({DrawKind::HalfTranslucent, img, x, y, left, top, right, bottom, 0, 0, 0});
    return Blend(x, y, img, left, top, right, bottom, [](const Run& run) {
        const uint16_t hm = uint16_t(halfMask);
        if (run.src != run.dst) {
            plat::rows::Rect().half(run.DstRow(0), run.dstPitch, run.SrcRow(0), run.srcPitch, run.w, run.h,
                                    hm);
            return;
        }
        for (int32_t r = 0; r < run.h; ++r) {
            uint16_t* d = run.DstRow(r);
            const uint16_t* s = run.SrcRow(r);
            for (int32_t c = 0; c < run.w; ++c)
                if (s[c] != 0) d[c] = uint16_t(((s[c] >> 1) & hm) + ((d[c] >> 1) & hm));
        }
    });
}

int32_t BlitAlphaRGB(int32_t x, int32_t y, float aR, float aG, float aB, int32_t img, int32_t left,
                     int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const float bR = 1.0f - aR, bG = 1.0f - aG, bB = 1.0f - aB;
        ForEachPixel(run, [&](uint16_t s, uint16_t d) {
            const Fields a = Split(s), b = Split(d);
            return Join(FloatToInt(float(a.r) * aR + float(b.r) * bR),
                        FloatToInt(float(a.g) * aG + float(b.g) * bG),
                        FloatToInt(float(a.b) * aB + float(b.b) * bB));
        });
    });
}

int32_t BlitAlpha(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top, int32_t right,
                  int32_t bottom) {
    return BlitAlphaRGB(x, y, a, a, a, img, left, top, right, bottom);
}

int32_t BlitAlphaFade(int32_t x, int32_t y, float aR, float aG, float aB, int32_t direction, int32_t start,
                      int32_t every, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const float startW[3] = {1.0f - aR, 1.0f - aG, 1.0f - aB};
        float wt[3];
        FadeWalk(
            run, direction, start, every, [&] { std::copy(startW, startW + 3, wt); },
            [&] {
                for (float& v : wt)
                    v = std::max(0.0f, v - 0.03125f);
            },
            [&](uint16_t sp, uint16_t dp) {
                const Fields a = Split(sp), b = Split(dp);
                return Join(FloatToInt(float(a.r) * aR + float(b.r) * wt[0]),
                            FloatToInt(float(a.g) * aG + float(b.g) * wt[1]),
                            FloatToInt(float(a.b) * aB + float(b.b) * wt[2]));
            });
    });
}

int32_t BlitMixRGB(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t img,
                   int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const int32_t lr = ClampLevel(31 - int64_t(levelR)), lg = ClampLevel(31 - int64_t(levelG)),
                      lb = ClampLevel(31 - int64_t(levelB));
        ForEachPixel(run, [&](uint16_t s, uint16_t d) {
            return uint16_t(mixTable[0][lr][DecR(s)][DecR(d)] | mixTable[1][lg][DecG(s)][DecG(d)] |
                            mixTable[2][lb][DecB(s)][DecB(d)]);
        });
    });
}

int32_t BlitMix(int32_t x, int32_t y, int32_t level, int32_t img, int32_t left, int32_t top, int32_t right,
                int32_t bottom) {
    return BlitMixRGB(x, y, level, level, level, img, left, top, right, bottom);
}

int32_t BlitMixFade(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t direction,
                    int32_t start, int32_t every, int32_t img, int32_t left, int32_t top, int32_t right,
                    int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const int32_t startL[3] = {ClampLevel(31 - int64_t(levelR)), ClampLevel(31 - int64_t(levelG)),
                                   ClampLevel(31 - int64_t(levelB))};
        int32_t lv[3];
        FadeWalk(
            run, direction, start, every, [&] { std::copy(startL, startL + 3, lv); },
            [&] {
                for (int32_t& v : lv)
                    v = std::max(0, v - 1);
            },
            [&](uint16_t sp, uint16_t dp) {
                return uint16_t(mixTable[0][lv[0]][DecR(sp)][DecR(dp)] |
                                mixTable[1][lv[1]][DecG(sp)][DecG(dp)] |
                                mixTable[2][lv[2]][DecB(sp)][DecB(dp)]);
            });
    });
}

int32_t BlitAdditiveLevel(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top,
                          int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const int32_t level = ClampLevel(FloatToInt(31.0f - a * 31.0f));
        ForEachPixel(run, [&](uint16_t s, uint16_t d) { return AddTable(s, d, level); });
    });
}

int32_t BlitSubtractive(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [](const Run& run) {
        ForEachPixel(run, [](uint16_t s, uint16_t d) {
            const uint32_t red = DecR(s);
            return uint16_t(subtractiveTable[0][DecR(d)][red] | subtractiveTable[1][DecG(d)][red] |
                            subtractiveTable[2][DecB(d)][red]);
        });
    });
}

int32_t BlitSubtractiveRGB(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t img,
                           int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const int32_t lr = ClampLevel(31 - int64_t(levelR)), lg = ClampLevel(31 - int64_t(levelG)),
                      lb = ClampLevel(31 - int64_t(levelB));
        ForEachPixel(run, [&](uint16_t s, uint16_t) {
            return uint16_t(subtractiveTable[0][DecR(s)][lr] | subtractiveTable[1][DecG(s)][lg] |
                            subtractiveTable[2][DecB(s)][lb]);
        });
    });
}

int32_t BlitSubtractiveLevel(int32_t x, int32_t y, int32_t level, int32_t img, int32_t left, int32_t top,
                             int32_t right, int32_t bottom) {
    return BlitSubtractiveRGB(x, y, level, level, level, img, left, top, right, bottom);
}

int32_t BlitScaleColourRGB(int32_t x, int32_t y, float fR, float fG, float fB, int32_t img, int32_t left,
                           int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        ForEachPixel(run, [&](uint16_t s, uint16_t) {
            const Fields a = Split(s);
            return Join(FloatToInt(float(a.r) * fR), FloatToInt(float(a.g) * fG),
                        FloatToInt(float(a.b) * fB));
        });
    });
}

int32_t BlitScaleColour(int32_t x, int32_t y, float factor, int32_t img, int32_t left, int32_t top,
                        int32_t right, int32_t bottom) {
    return BlitScaleColourRGB(x, y, factor, factor, factor, img, left, top, right, bottom);
}

int32_t BlitChannelMask(int32_t x, int32_t y, int32_t keepR, int32_t keepG, int32_t keepB, int32_t img,
                        int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const uint16_t mask =
            uint16_t((keepR ? redMask : 0u) | (keepG ? greenMask : 0u) | (keepB ? blueMask : 0u));
        ForEachPixel(run, [&](uint16_t s, uint16_t) { return uint16_t(s & mask); });
    });
}

int32_t BlitGrey(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [](const Run& run) {
        ForEachPixel(run, [](uint16_t s, uint16_t) {
            const uint32_t grey = thirdTable[DecR(s) + DecG(s) + DecB(s)];
            return kitDraw::Pack5(grey, grey, grey);
        });
    });
}

int32_t BlitEdgeSoften(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [](const Run& run) {
        static const int32_t dc[4] = {-1, 1, 0, 0}, dr[4] = {0, 0, -1, 1};
        for (int32_t r = 0; r < run.h; ++r) {
            const uint16_t* s = run.SrcRow(r);
            uint16_t* d = run.DstRow(r);
            for (int32_t c = 0; c < run.w; ++c) {
                if (s[c] == 0) continue;
                uint32_t sr = DecR(s[c]), sg = DecG(s[c]), sb = DecB(s[c]), n = 0;
                for (int k = 0; k < 4; ++k) {
                    const int32_t nc = c + dc[k], nr = r + dr[k];
                    if (nc < 0 || nr < 0 || nc >= run.w || nr >= run.h) continue;
                    if (run.SrcRow(nr)[nc] != 0) continue;
                    const uint16_t under = run.DstRow(nr)[nc];
                    sr += DecR(under);
                    sg += DecG(under);
                    sb += DecB(under);
                    ++n;
                }
                d[c] = n ? kitDraw::Pack5(sr / (n + 1), sg / (n + 1), sb / (n + 1)) : s[c];
            }
        }
    });
}

int32_t BlitBlur(int32_t x, int32_t y, int32_t size, int32_t img, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) {
    if (size < 1) return 1; // an empty block has no mean
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const uint32_t area = uint32_t(size) * uint32_t(size);
        for (int32_t r = 0; r < run.h; ++r) {
            const uint16_t* s = run.SrcRow(r);
            uint16_t* d = run.DstRow(r);
            for (int32_t c = 0; c < run.w; ++c) {
                if (s[c] == 0) continue;
                // The block is pulled back inside the visible part; when it is
                // larger than that part, what lies outside counts as black.
                const int32_t bc = std::max(0, std::min(c, run.w - size));
                const int32_t br = std::max(0, std::min(r, run.h - size));
                uint16_t sr = 0, sg = 0, sb = 0; // 16-bit sums, as the block size limit says
                for (int32_t j = br; j < br + size && j < run.h; ++j) {
                    const uint16_t* row = run.SrcRow(j);
                    for (int32_t i = bc; i < bc + size && i < run.w; ++i) {
                        sr = uint16_t(sr + DecR(row[i]));
                        sg = uint16_t(sg + DecG(row[i]));
                        sb = uint16_t(sb + DecB(row[i]));
                    }
                }
                d[c] = kitDraw::Pack5(std::min<uint32_t>(sr / area, 31), std::min<uint32_t>(sg / area, 31),
                                      std::min<uint32_t>(sb / area, 31));
            }
        }
    });
}

int32_t BlitDisplace(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const int32_t cut = FloatToInt(31.0f - a * 31.0f);
        for (int32_t r = 0; r < run.h; ++r) {
            const uint16_t* s = run.SrcRow(r);
            uint16_t* d = run.DstRow(r);
            for (int32_t c = 0; c < run.w; ++c) {
                if (s[c] == 0) continue;
                int64_t k = int64_t(DecR(s[c])) - cut;
                if (k < 1) k = 0;
                if (k >= run.h - r) k = 0;
                d[c] = run.DstRow(r + int32_t(k))[c];
            }
        }
    });
}

int32_t BlitKeyedMirror(int32_t x, int32_t y, int32_t mode, int32_t img, int32_t left, int32_t top,
                        int32_t right, int32_t bottom) {
    return Blend(x, y, img, left, top, right, bottom, [=](const Run& run) {
        const bool flipX = mode == 1 || mode == 3, flipY = mode == 2 || mode == 3;
        for (int32_t r = 0; r < run.h; ++r) {
            const uint16_t* s = run.SrcRow(flipY ? run.h - 1 - r : r);
            uint16_t* d = run.DstRow(r);
            for (int32_t c = 0; c < run.w; ++c) {
                const uint16_t p = s[flipX ? run.w - 1 - c : c];
                if (p != 0) d[c] = p;
            }
        }
    });
}

int32_t BlitSmear(int32_t x, int32_t y, int32_t mode, int32_t edge, int32_t img, int32_t left, int32_t top,
                  int32_t right, int32_t bottom) {
    if (mode == 0) right = int32_t(std::clamp<int64_t>(int64_t(screenWidth) - left, INT32_MIN, INT32_MAX));
    if (mode == 2) bottom = int32_t(std::clamp<int64_t>(int64_t(screenHeight) - top, INT32_MIN, INT32_MAX));
    return Blend(
        x, y, img, left, top, right, bottom,
        [=](const Run& run) {
            plat::Surface* bb = run.dst;
            for (int32_t r = 0; r < run.h; ++r) {
                uint16_t* d = run.DstRow(r);
                const int64_t screenRow = int64_t(run.y) + r;
                if (mode == 1) {
                    // Left of the picture the edge pixel runs to the screen's edge.
                    const uint16_t edgePixel = SrcAt(run, edge, r);
                    uint16_t* row = run.dstPixels + screenRow * run.dstPitch;
                    for (int32_t c = 0; c < run.x && c < bb->width; ++c)
                        row[c] = edgePixel;
                }
                uint16_t last = 0;
                for (int32_t c = 0; c < run.w; ++c) {
                    uint16_t p = 0;
                    switch (mode) {
                    case 0:
                        if (c < edge) last = SrcAt(run, c, r);
                        p = last;
                        break;
                    case 1:
                        p = SrcAt(run, c < edge ? edge : c, r);
                        break;
                    case 2:
                        p = r < edge ? SrcAt(run, c, r) : (edge >= 1 ? SrcAt(run, c, int64_t(edge) - 1) : 0);
                        break;
                    case 3:
                        p = SrcAt(run, c, r < edge ? edge : r);
                        break;
                    default:
                        p = SrcAt(run, c, r);
                        break;
                    }
                    if (p != 0) d[c] = p;
                }
            }
            if (mode == 3) {
                // Above the picture the edge row runs to the screen's top.
                for (int32_t c = 0; c < run.w; ++c) {
                    const uint16_t edgePixel = SrcAt(run, c, edge);
                    for (int32_t r = 0; r < run.y && r < bb->height; ++r)
                        run.dstPixels[int64_t(r) * run.dstPitch + run.x + c] = edgePixel;
                }
            }
        },
        true);
}

namespace {} // namespace

void BlitRowSkip(int32_t x, int32_t y, int32_t step, int32_t img, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) {
    if (step > 0) {
        for (int64_t row = int64_t(top) + step; row < bottom; row += step)
            BlitKeyed(x, Sat32(int64_t(y) + row - top), img, left, int32_t(row), right, int32_t(row + 1));
    } else if (step < 0) {
        const int64_t span = -int64_t(step);
        int64_t row = int64_t(top) + kitSystem::Random() % span + 1;
        while (row < bottom) {
            BlitKeyed(x, Sat32(int64_t(y) + row - top), img, left, int32_t(row), right, int32_t(row + 1));
            row += kitSystem::Random() % span + 1;
        }
    }
}

void BlitRowJitter(int32_t x, int32_t y, int32_t amount, int32_t img, int32_t left, int32_t top,
                   int32_t right, int32_t bottom) {
    if (amount < 1) {
        BlitKeyed(x, y, img, left, top, right, bottom);
        return;
    }
    for (int64_t row = top; row < bottom; ++row) {
        const int64_t shift = kitSystem::Random() % (2 * int64_t(amount)) - amount;
        BlitKeyed(Sat32(int64_t(x) + shift), Sat32(int64_t(y) + row - top), img, left, int32_t(row), right,
                  int32_t(row + 1));
    }
}

float rollPhase = 0.0f;

void BlitRollOpaque(int32_t x, int32_t y, int32_t direction, float speed, int32_t img, int32_t left,
                    int32_t top, int32_t right, int32_t bottom) {
    const int64_t H = int64_t(bottom) - top;
    if (H < 1) return;
    // A one-row drum has no turn (the formula would divide by zero): that row once.
    const float span = H > 1 ? float(H - 1) : 1.0f;
    int64_t start = 0;
    for (int64_t i = 0; i < H; ++i) {
        const int64_t e =
            FloatToInt(std::cos((float(i) + rollPhase) * twoPi / span) * float(H / 2) + float(H / 2));
        for (int64_t k = start; k <= e; ++k)
            BlitOpaque(x, Sat32(int64_t(y) + k), img, left, int32_t(i), right, int32_t(i + 1));
        start = e + 1;
    }
    if (direction != 0) {
        rollPhase += frameDt * speed;
        if (rollPhase >= float(H)) rollPhase -= float(H);
    } else {
        rollPhase -= frameDt * speed;
        if (rollPhase < 0.0f) rollPhase += float(H);
    }
}
