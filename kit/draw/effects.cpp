#include "kit/draw/effects.h"

#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/bmp.h"
#include "platform/files.h"

#include <algorithm>
#include <cmath>

int32_t riseSmearNoise = 0, riseSmearCounter = 0;
int32_t riseSmearFadeNoise = 0, riseSmearFadeCounter = 0;
int32_t noiseAddNoise = 0, noiseAddRGBNoise = 0;

namespace {

struct Screen {
    uint16_t* pixels = nullptr;
    int32_t pitch = 0; // in pixels
    int32_t width = 0, height = 0;
    uint16_t& At(int64_t x, int64_t y) { return pixels[size_t(y) * size_t(pitch) + size_t(x)]; }
};

bool LockScreen(Screen& s) {
    if (!backBuffer) return false;
    int32_t pitch = 0;
    if (plat::Lock(backBuffer, &s.pixels, &pitch) != plat::kOk) return false;
    s.pitch = pitch >> 1;
    s.width = backBuffer->width;
    s.height = backBuffer->height;
    return true;
}

void UnlockScreen() { plat::Unlock(backBuffer); }

// After each read the index moves on; past the table it restarts somewhere in its first thousand.
void Advance(int32_t& index) {
    if (++index >= 10000) index = kitSystem::Random() % 1000;
}

// [lo, hi) of a run from `first` to `last` (inclusive, in rectangle steps)
// whose positions `origin + step` stay within [minPos, maxPos].
struct Span {
    int64_t lo, hi;
};
Span Within(int64_t first, int64_t last, int64_t origin, int64_t minPos, int64_t maxPos) {
    return Span{std::max(first, minPos - origin), std::min(last, maxPos - origin) + 1};
}

uint16_t Average4(Screen& s, int64_t x, int64_t y, int32_t fadeR, int32_t fadeG, int32_t fadeB) {
    const uint8_t* l = pixelDecodeTable[s.At(x - 1, y)];
    const uint8_t* r = pixelDecodeTable[s.At(x + 1, y)];
    const uint8_t* u = pixelDecodeTable[s.At(x, y - 1)];
    const uint8_t* d = pixelDecodeTable[s.At(x, y + 1)];
    int32_t c[3];
    for (int ch = 0; ch < 3; ++ch)
        c[ch] = (l[ch] + r[ch] + u[ch] + d[ch]) >> 2;
    if (fadeR != 0 && c[0] > 0) --c[0];
    if (fadeG != 0 && c[1] > 0) --c[1];
    if (fadeB != 0 && c[2] > 0) --c[2];
    return kitDraw::Pack5(uint32_t(c[0]), uint32_t(c[1]), uint32_t(c[2]));
}

int32_t Smear(int32_t& noise, int32_t& counter, int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x,
              int32_t y, int32_t w, int32_t h) {
    Screen s;
    if (!LockScreen(s)) return 0;
    // p = (x + j, y + 1 + i) and its four neighbours must lie on the screen.
    const Span rows = Within(1, int64_t(h) - 2, int64_t(y) + 1, 1, s.height - 2);
    const Span cols = Within(1, int64_t(w) - 2, x, 1, s.width - 2);
    for (int64_t i = rows.lo; i < rows.hi; ++i) {
        const int64_t py = int64_t(y) + 1 + i;
        for (int64_t j = cols.lo; j < cols.hi; ++j) {
            const int64_t px = int64_t(x) + j;
            ++counter;
            if (counter >= noiseTable[noise]) {
                s.At(px, py - 1) = s.At(px, py);
                counter = 0;
                Advance(noise);
            } else {
                s.At(px, py - 1) = Average4(s, px, py, fadeR, fadeG, fadeB);
            }
        }
    }
    UnlockScreen();
    return 1;
}

int32_t Blur(int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x, int32_t y, int32_t w, int32_t h) {
    Screen s;
    if (!LockScreen(s)) return 0;
    const Span rows = Within(1, int64_t(h) - 2, y, 1, s.height - 2);
    const Span cols = Within(1, int64_t(w) - 2, x, 1, s.width - 2);
    for (int64_t i = rows.lo; i < rows.hi; ++i)
        for (int64_t j = cols.lo; j < cols.hi; ++j)
            s.At(int64_t(x) + j, int64_t(y) + i) =
                Average4(s, int64_t(x) + j, int64_t(y) + i, fadeR, fadeG, fadeB);
    UnlockScreen();
    return 1;
}

// Enlarges the rectangle `factor` times into image 0, writing `block` x
// `block` pixels of every factor x factor cell, then draws it back at (x, y).
int32_t Zoom(int32_t factor, int32_t block, int32_t x, int32_t y, int32_t w, int32_t h) {
    ImageRecord* scratch = ImageAt(0);
    if (!scratch || !scratch->surface) return 0;
    Screen s;
    if (!LockScreen(s)) return 0;
    uint16_t* zp = nullptr;
    int32_t zpitch = 0;
    plat::Surface* z = scratch->surface;
    if (plat::Lock(z, &zp, &zpitch) != plat::kOk) {
        UnlockScreen();
        return 0;
    }
    zpitch >>= 1;
    // Source pixels on the screen whose cell starts inside image 0.
    const Span rows = Within(0, int64_t(h) - 1, y, 0, s.height - 1);
    const Span cols = Within(0, int64_t(w) - 1, x, 0, s.width - 1);
    const int64_t rowEnd = std::min<int64_t>(rows.hi, (int64_t(z->height) + factor - 1) / factor);
    const int64_t colEnd = std::min<int64_t>(cols.hi, (int64_t(z->width) + factor - 1) / factor);
    for (int64_t i = rows.lo; i < rowEnd; ++i) {
        for (int64_t j = cols.lo; j < colEnd; ++j) {
            const uint16_t p = s.At(int64_t(x) + j, int64_t(y) + i);
            for (int64_t by = 0; by < block && i * factor + by < z->height; ++by) {
                uint16_t* row = zp + size_t(i * factor + by) * size_t(zpitch);
                for (int64_t bx = 0; bx < block && j * factor + bx < z->width; ++bx)
                    row[j * factor + bx] = p;
            }
        }
    }
    plat::Unlock(z);
    UnlockScreen();
    const int64_t right = std::clamp<int64_t>(int64_t(w) * factor, 0, z->width);
    const int64_t bottom = std::clamp<int64_t>(int64_t(h) * factor, 0, z->height);
    // Drawn back only when some of it can land on the back buffer.
    if (int64_t(x) + right > 0 && int64_t(y) + bottom > 0 && x < backBuffer->width && y < backBuffer->height)
        BlitOpaque(x, y, 0, 0, 0, int32_t(right), int32_t(bottom));
    return 1;
}

int32_t Noise(int32_t& noise, bool addR, bool addG, bool addB, int32_t shift, int32_t x, int32_t y, int32_t w,
              int32_t h) {
    Screen s;
    if (!LockScreen(s)) return 0;
    // Past five bits any non-zero value caps the channel anyway.
    const int32_t by = std::clamp(shift, 0, 8);
    const Span rows = Within(0, int64_t(h) - 1, y, 0, s.height - 1);
    const Span cols = Within(0, int64_t(w) - 1, x, 0, s.width - 1);
    for (int64_t i = rows.lo; i < rows.hi; ++i) {
        for (int64_t j = cols.lo; j < cols.hi; ++j) {
            const int32_t n = int32_t(noiseTable[noise]) << by;
            Advance(noise);
            uint16_t& p = s.At(int64_t(x) + j, int64_t(y) + i);
            const uint8_t* c = pixelDecodeTable[p];
            const uint32_t r = uint32_t(std::min(c[0] + (addR ? n : 0), 31));
            const uint32_t g = uint32_t(std::min(c[1] + (addG ? n : 0), 31));
            const uint32_t b = uint32_t(std::min(c[2] + (addB ? n : 0), 31));
            p = kitDraw::Pack5(r, g, b);
        }
    }
    UnlockScreen();
    return 1;
}

} // namespace

int32_t RiseSmear(int32_t x, int32_t y, int32_t w, int32_t h) {
    return Smear(riseSmearNoise, riseSmearCounter, 0, 0, 0, x, y, w, h);
}

int32_t RiseSmearFade(int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x, int32_t y, int32_t w,
                      int32_t h) {
    return Smear(riseSmearFadeNoise, riseSmearFadeCounter, fadeR, fadeG, fadeB, x, y, w, h);
}

int32_t Blur4(int32_t x, int32_t y, int32_t w, int32_t h) { return Blur(0, 0, 0, x, y, w, h); }

int32_t Blur4Fade(int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x, int32_t y, int32_t w, int32_t h) {
    return Blur(fadeR, fadeG, fadeB, x, y, w, h);
}

int32_t Zoom2(int32_t x, int32_t y, int32_t w, int32_t h, int32_t dots) {
    return Zoom(2, dots ? 1 : 2, x, y, w, h);
}

int32_t Zoom4(int32_t x, int32_t y, int32_t w, int32_t h, int32_t dots) {
    return Zoom(4, dots ? 2 : 4, x, y, w, h);
}

int32_t RoundMosaic(int32_t cx, int32_t cy, int32_t radius, int32_t cell) {
    // A cell of no size would never move on.
    if (cell <= 0) return 0;
    Screen s;
    if (!LockScreen(s)) return 0;
    const int64_t maxX = std::min<int64_t>(screenWidth, s.width) - 1;
    const int64_t maxY = std::min<int64_t>(screenHeight, s.height) - 1;
    const int64_t x0 = std::max<int64_t>(int64_t(cx) - radius, 0),
                  x1 = std::min<int64_t>(int64_t(cx) + radius, maxX);
    const int64_t y0 = std::max<int64_t>(int64_t(cy) - radius, 0),
                  y1 = std::min<int64_t>(int64_t(cy) + radius, maxY);
    for (int64_t top = y0; top <= y1; top += cell) {
        for (int64_t left = x0; left <= x1; left += cell) {
            const uint16_t colour = s.At(left, top);
            const int64_t bottom = std::min<int64_t>(top + cell, maxY + 1);
            const int64_t right = std::min<int64_t>(left + cell, maxX + 1);
            for (int64_t yy = top; yy < bottom; ++yy) {
                for (int64_t xx = left; xx < right; ++xx) {
                    const double dx = double(xx - cx), dy = double(yy - cy);
                    if (FloatToInt(std::sqrt(dx * dx + dy * dy)) < radius) s.At(xx, yy) = colour;
                }
            }
        }
    }
    UnlockScreen();
    return 1;
}

int32_t NoiseAdd(int32_t shift, int32_t x, int32_t y, int32_t w, int32_t h) {
    return Noise(noiseAddNoise, true, true, true, shift, x, y, w, h);
}

int32_t NoiseAddRGB(int32_t addR, int32_t addG, int32_t addB, int32_t shift, int32_t x, int32_t y, int32_t w,
                    int32_t h) {
    return Noise(noiseAddRGBNoise, addR != 0, addG != 0, addB != 0, shift, x, y, w, h);
}
