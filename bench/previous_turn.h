#pragma once
// The plain turn as it was before the vector kernels, kept only so the blit
// benchmark can time it beside the current one on the same work: every pixel
// of the visible box divides both accumulators by 360 and tests the source
// range. Narrow boxes only (the benchmark's sprites), no lock failures.
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "platform/surface.h"

#include <algorithm>
#include <cstdint>

namespace bench {

inline void PreviousTurn(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img,
                         int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int64_t W0 = int64_t(x2) - x1, H0 = int64_t(y2) - y1;
    int64_t W = W0, H = H0;
    if (x1 + W0 > clipRight) W -= x1 + W0 - clipRight;
    if (y1 + H0 > clipBottom) H -= y1 + H0 - clipBottom;
    const int64_t colStart = x1 < clipLeft ? clipLeft - x1 : 0, rowStart = y1 < clipTop ? clipTop - y1 : 0;
    if (W < colStart || H < rowStart) return;
    plat::Surface* src = imageTable[img].surface;
    uint16_t *sp = nullptr, *dp = nullptr;
    int32_t spitchBytes = 0, dpitchBytes = 0;
    plat::Lock(src, &sp, &spitchBytes);
    plat::Lock(backBuffer, &dp, &dpitchBytes);
    const int64_t spitch = spitchBytes >> 1, dpitch = dpitchBytes >> 1;
    const int64_t i0 = std::max<int64_t>({colStart, 0, -int64_t(x1)});
    const int64_t i1 = std::min({W, W0, backBuffer->width - int64_t(x1)});
    const int64_t j0 = std::max<int64_t>({rowStart, 0, -int64_t(y1)});
    const int64_t j1 = std::min({H, H0, backBuffer->height - int64_t(y1)});
    const int32_t s = sineTable[angle], c = sineTable[angle + 90];
    const int64_t srcW = int64_t(right) - left, srcH = int64_t(bottom) - top;
    const int64_t halfW = W0 >> 1, halfH = H0 >> 1;
    const int32_t offX = int32_t((W0 - srcW) >> 1), offY = int32_t((H0 - srcH) >> 1);
    const int64_t rowU = 360 * halfW - halfW * c + halfH * s, rowV = 360 * halfH - halfW * s - halfH * c;
    const int32_t sxMin = int32_t(std::max<int64_t>(0, -int64_t(left)));
    const int32_t sxMax = int32_t(std::min<int64_t>(srcW, src->width - int64_t(left)));
    const int32_t syMin = int32_t(std::max<int64_t>(0, -int64_t(top)));
    const int32_t syMax = int32_t(std::min<int64_t>(srcH, src->height - int64_t(top)));
    const int64_t base = int64_t(top) * spitch + left;
    for (int64_t j = j0; j < j1; ++j) {
        int32_t u = int32_t(rowU - j * s + i0 * c), v = int32_t(rowV + j * c + i0 * s);
        uint16_t* d = dp + (y1 + j) * dpitch + (x1 + i0);
        for (int64_t k = 0; k < i1 - i0; ++k, u += c, v += s) {
            const int32_t sx = u / 360 - offX, sy = v / 360 - offY;
            if (sx >= sxMin && sx < sxMax && sy >= syMin && sy < syMax) {
                const uint16_t p = sp[base + int64_t(sy) * spitch + sx];
                if (p != 0) d[k] = p;
            }
        }
    }
    plat::Unlock(src);
    plat::Unlock(backBuffer);
}

} // namespace bench
