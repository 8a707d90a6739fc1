#include "kit/draw/blit.h"

#include "kit/draw/draw_observer.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/pack.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

#include <algorithm>
#include <cmath>
#include <limits>

float waveRowsPhase = 0.0f;
int32_t waveRowsSign = 1;
float tiledScrollX = 0.0f, tiledScrollY = 0.0f;
float waveScrollPhase = 0.0f, waveScrollOffset = 0.0f;
float waveTiledPhase = 0.0f, waveTiledOffset = 0.0f;

namespace {

bool Fits32(int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Clips against the clip rectangle and copies. The right and bottom cuts use
// the arguments as given; the left and top cuts move the source origin by as
// much as the destination moved, so a sprite keeps its screen alignment.
void ClippedCopy(plat::Surface* dst, int32_t x, int32_t y, int32_t img, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, bool keyed) {
    const ImageRecord* rec = ImageAt(img);
    if (!dst || !rec || !rec->surface) return;
    int64_t X = x, Y = y, L = left, T = top, R = right, B = bottom;
    if (X + (R - L) > clipRight) R = clipRight - X + L;
    if (Y + (B - T) > clipBottom) B = clipBottom - Y + T;
    if (X < clipLeft) {
        L += clipLeft - X;
        X = clipLeft;
    }
    if (Y < clipTop) {
        T += clipTop - Y;
        Y = clipTop;
    }
    if (R < L || B < T) return;
    // Values beyond 32 bits can only describe a rectangle outside the image.
    if (!Fits32(L) || !Fits32(T) || !Fits32(R) || !Fits32(B)) return;
    const plat::Rect src{int32_t(L), int32_t(T), int32_t(R), int32_t(B)};
    if (plat::BltFast(dst, int32_t(X), int32_t(Y), rec->surface, src, keyed) == plat::kErrSurfaceLost)
        kitDraw::Restore();
}

plat::Surface* ImageSurface(int32_t img) {
    const ImageRecord* rec = ImageAt(img);
    return rec ? rec->surface : nullptr;
}

int32_t WaveOffset(int32_t index, int32_t amplitude) {
    return FloatToInt(std::cos(double(float(index) * twoPi / 360.0f)) * amplitude);
}

int32_t WaveIndex(int32_t row, int32_t divisor, float phase) {
    const int64_t base = divisor != 0 ? int64_t(row) / divisor : row;
    return Sat32(base + FloatToInt(phase));
}

void AdvancePhase(float& phase, float speed) {
    phase += frameDt * speed;
    if (phase >= 360.0f) phase -= 360.0f;
}

void AdvanceScroll(float& scroll, float speed, int64_t rows) {
    const float height = float(rows);
    scroll -= frameDt * speed;
    if (scroll < 0.0f) scroll += height;
    if (scroll >= height) scroll -= height;
}

} // namespace

void BlitKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ObserveDraw({DrawKind::Keyed, img, x, y, left, top, right, bottom, 0, 0, 0});
    ClippedCopy(backBuffer, x, y, img, left, top, right, bottom, true);
}

void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ObserveDraw({DrawKind::Opaque, img, x, y, left, top, right, bottom, 0, 0, 0});
    ClippedCopy(backBuffer, x, y, img, left, top, right, bottom, false);
}

void BlitKeyedToImage(int32_t dstImg, int32_t x, int32_t y, int32_t srcImg, int32_t left, int32_t top,
                      int32_t right, int32_t bottom) {
    ClippedCopy(ImageSurface(dstImg), x, y, srcImg, left, top, right, bottom, true);
}

void BlitOpaqueToImage(int32_t dstImg, int32_t x, int32_t y, int32_t srcImg, int32_t left, int32_t top,
                       int32_t right, int32_t bottom) {
    ClippedCopy(ImageSurface(dstImg), x, y, srcImg, left, top, right, bottom, false);
}

void BlitWaveRows(int32_t x, int32_t y, int32_t amplitude, int32_t divisor, float speed, int32_t img,
                  int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t alternate) {
    for (int64_t i = top; i < bottom; ++i) {
        int32_t offset = WaveOffset(WaveIndex(int32_t(i), divisor, waveRowsPhase), amplitude);
        if (alternate != 0) {
            offset = Sat32(int64_t(offset) * waveRowsSign);
            waveRowsSign = -waveRowsSign;
        }
        BlitKeyed(Sat32(int64_t(x) + offset), Sat32(int64_t(y) + i - top), img, left, int32_t(i), right,
                  Sat32(i + 1));
    }
    AdvancePhase(waveRowsPhase, speed);
}

void BlitTiledScroll(float speedX, float speedY, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom) {
    const int64_t w = int64_t(right) - left;
    const int64_t h = int64_t(bottom) - top;
    if (w <= 0 || h <= 0) return; // an empty tile would divide by zero
    for (int64_t j = 0; j < screenHeight / h + 2; ++j)
        for (int64_t i = 0; i < screenWidth / w + 2; ++i)
            BlitKeyed(Sat32(w * i + FloatToInt(tiledScrollX)), Sat32(h * j + FloatToInt(tiledScrollY)), img,
                      left, top, right, bottom);
    tiledScrollX += frameDt * speedX;
    tiledScrollY += frameDt * speedY;
    if (tiledScrollX < -float(w)) tiledScrollX += float(w);
    if (tiledScrollX > 0.0f) tiledScrollX -= float(w);
    if (tiledScrollY < -float(h)) tiledScrollY += float(h);
    if (tiledScrollY > 0.0f) tiledScrollY -= float(h);
}

void BlitWaveRowsScroll(int32_t x, int32_t y, int32_t amplitude, int32_t divisor, float phaseSpeed,
                        float scrollSpeed, int32_t img, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
    const int64_t h = int64_t(bottom) - top;
    if (h <= 0) return;
    for (int64_t i = top; i < bottom; ++i) {
        const int32_t offset = WaveOffset(WaveIndex(int32_t(i), divisor, waveScrollPhase), amplitude);
        int64_t s = FloatToInt(waveScrollOffset) + i;
        if (s >= bottom) s = top + (s - bottom) + 1;
        BlitKeyed(Sat32(int64_t(x) + offset), Sat32(int64_t(y) + i), img, left, Sat32(s), right,
                  Sat32(s + 1));
    }
    AdvancePhase(waveScrollPhase, phaseSpeed);
    AdvanceScroll(waveScrollOffset, scrollSpeed, h);
}

void BlitWaveTiledRows(int32_t rowFrom, int32_t rowTo, int32_t amplitude, int32_t divisor, float phaseSpeed,
                       float scrollSpeed, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom) {
    const int64_t w = int64_t(right) - left;
    const int64_t h = int64_t(bottom) - top;
    if (w <= 0 || h <= 0) return; // an empty tile would divide by zero
    const int64_t rows = int64_t(rowTo) - rowFrom;
    for (int64_t k = 0; k < rows; ++k) {
        int64_t s = k % h + FloatToInt(waveTiledOffset);
        if (s > h - 1) s -= h;
        const int32_t index = WaveIndex(int32_t(k), divisor, waveTiledPhase);
        for (int64_t j = 0; j < screenWidth / w + 2; ++j) {
            const int32_t offset = WaveOffset(index, amplitude);
            BlitKeyed(Sat32(w * j + offset - amplitude), Sat32(rowFrom + k), img, left, Sat32(top + s), right,
                      Sat32(top + s + 1));
        }
    }
    AdvancePhase(waveTiledPhase, phaseSpeed);
    AdvanceScroll(waveTiledOffset, scrollSpeed, h);
}

void BlitRowRepeat(int32_t x, int32_t y, int32_t count, int32_t img, int32_t left, int32_t top, int32_t right,
                   int32_t bottom) {
    if (count <= 0) return; // the rows would never advance
    for (int64_t r = top; r < bottom; r += count)
        for (int64_t k = r; k < r + count; ++k)
            BlitKeyed(x, Sat32(int64_t(y) + k - top), img, left, int32_t(r), right, Sat32(r + 1));
}
