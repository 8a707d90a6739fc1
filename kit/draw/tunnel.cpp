#include "kit/draw/tunnel.h"

#include "kit/draw/blend_skeleton.h"
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

uint16_t tunnelMap[kTunnelMapEntries][2];
int32_t tunnelTexW = 0, tunnelTexH = 0, tunnelMapW = 0, tunnelMapH = 0;
int32_t glowNoiseCounter = 0;

namespace {

constexpr double kPi = 3.14159265358979323846;
// Entries are read back as signed 16-bit values.
constexpr int32_t kTexMax = 32767;

// Wraps into 0..m-1 in one step (m > 0); the same as adding or taking m
// away until the value is in range, without the loop.
int64_t Wrap(int64_t v, int64_t m) {
    v %= m;
    return v < 0 ? v + m : v;
}

double Distance(int32_t mode, double dx, double dy, int32_t cx) {
    const double ax = std::fabs(dx), ay = std::fabs(dy);
    switch (mode) {
    case 0:
        return std::sqrt(dx * dx + dy * dy);
    case 1:
        return std::max(ax, ay);
    case 2:
        return (ax + ay) / 2.0;
    case 3:
        return std::min(ax, ay);
    case 4:
        return ax;
    case 5:
        return ay;
    case 6:
        return double(cx);
    default:
        return 0.0;
    }
}

// The depth divisor of each mode; 0 when the mode has none to give.
double DepthDivisor(int32_t mode, double dx, double dy) {
    const double ax = std::fabs(dx), ay = std::fabs(dy);
    switch (mode) {
    case 0:
        return 32.0;
    case 1:
        return (ay + 1.0) / 10.0;
    case 2:
        return (ax + 1.0) / 10.0;
    case 3:
        return std::max(ax, ay);
    case 4:
        return (ax + ay) / 2.0;
    case 5:
        return std::min(ax, ay);
    default:
        return 0.0;
    }
}

struct Locked {
    uint16_t* pixels = nullptr;
    int32_t pitch = 0; // in pixels
    uint16_t& At(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(pitch) + size_t(x)]; }
};

bool LockPair(plat::Surface* src, Locked& s, plat::Surface* dst, Locked& d) {
    int32_t pitch = 0;
    if (plat::Lock(src, &s.pixels, &pitch) != plat::kOk) return false;
    s.pitch = pitch >> 1;
    if (plat::Lock(dst, &d.pixels, &pitch) != plat::kOk) {
        plat::Unlock(src);
        return false;
    }
    d.pitch = pitch >> 1;
    return true;
}

} // namespace

int32_t TunnelMapBuild(int32_t texW, int32_t texH, int32_t mapW, int32_t mapH, int32_t centreX,
                       int32_t centreY, int32_t segments, int32_t centreMode, int32_t distanceMode,
                       int32_t depthMode) {
    // No texture size would wrap for ever; a larger map would not fit.
    if (texW <= 0 || texH <= 0 || texW > kTexMax || texH > kTexMax) return 0;
    if (mapW < 0 || mapH < 0 || int64_t(mapW) * int64_t(mapH) > kTunnelMapEntries) return 0;
    tunnelTexW = texW;
    tunnelTexH = texH;
    tunnelMapW = mapW;
    tunnelMapH = mapH;
    int32_t cx = centreX == -1 ? mapW / 2 : centreX;
    int32_t cy = centreY == -1 ? mapH / 2 : centreY;
    if (segments == -1) segments = 8;
    if (segments < 2) segments = 2;
    if (centreMode == 1) cy = mapH;
    if (centreMode == 3) cx = mapW;
    if (centreMode == 4) cx = 0;
    const double t = double(texH) / (2.0 * std::tan(kPi / double(segments) / 2.0));
    for (int32_t y = 0; y < mapH; ++y) {
        if (centreMode == 1) cy -= 1;
        if (centreMode == 2) cx = mapW;
        if (centreMode == 3 && cx > 0) cx -= 1;
        if (centreMode == 4 && cx < mapW) cx += 1;
        for (int32_t x = 0; x < mapW; ++x) {
            if (centreMode == 2) cx -= 1;
            const double dx = double(x) - double(cx);
            const double dy = double(y) - double(cy);
            const double distance = Distance(distanceMode, dx, dy, cx);
            const double divisor = DepthDivisor(depthMode, dx, dy);
            int64_t u = FloatToInt(std::atan2(dy, dx) * double(texW) / (2.0 * kPi));
            int64_t v = 0;
            // At the centre (or with no depth divisor) there is no depth; v stays 0.
            if (distance != 0.0 && divisor != 0.0) {
                const double depth = std::fabs(t / divisor);
                const double value =
                    (std::sqrt(double(cx) * double(cx) + double(cy) * double(cy)) - distance) * depth /
                    distance;
                if (std::isfinite(value)) v = FloatToInt(value);
            }
            u = Wrap(u, texW);
            v = Wrap(v, texH);
            uint16_t* e = tunnelMap[size_t(y) * size_t(mapW) + size_t(x)];
            e[0] = uint16_t(u);
            e[1] = uint16_t(v);
        }
    }
    return 1;
}

int32_t TunnelMapDraw(int32_t x, int32_t y, int32_t shiftU, int32_t shiftV, int32_t img) {
    ImageRecord* r = ImageAt(img);
    if (!r || !r->surface || !backBuffer) return 0;
    plat::Surface* tex = r->surface;
    // A texture smaller than the map was built for would be read outside.
    if (tunnelTexW > 0 && (tex->width < tunnelTexW || tex->height < tunnelTexH)) return 0;
    Locked s, d;
    if (!LockPair(tex, s, backBuffer, d)) return 0;
    if (tunnelTexW > 0 && tunnelTexH > 0) {
        // Only the part of the map that lies on the back buffer is painted.
        const int32_t j0 = int32_t(std::max<int64_t>(0, -int64_t(y)));
        const int32_t j1 = int32_t(std::min<int64_t>(tunnelMapH, int64_t(backBuffer->height) - y));
        const int32_t i0 = int32_t(std::max<int64_t>(0, -int64_t(x)));
        const int32_t i1 = int32_t(std::min<int64_t>(tunnelMapW, int64_t(backBuffer->width) - x));
        for (int32_t j = j0; j < j1; ++j) {
            uint16_t* out = &d.At(x + i0, y + j);
            const uint16_t(*e)[2] = &tunnelMap[size_t(j) * size_t(tunnelMapW) + size_t(i0)];
            for (int32_t i = i0; i < i1; ++i, ++out, ++e) {
                const int64_t u = Wrap(int64_t(int16_t((*e)[0])) + shiftU, tunnelTexW);
                const int64_t v = Wrap(int64_t(int16_t((*e)[1])) + shiftV, tunnelTexH);
                *out = s.At(int32_t(u), int32_t(v));
            }
        }
    }
    plat::Unlock(tex);
    plat::Unlock(backBuffer);
    return 1;
}

int32_t BlitGlowStreaks(int32_t x, int32_t y, uint16_t dimR, uint16_t dimG, uint16_t dimB, int32_t directions,
                        int32_t copy, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ImageRecord* rec = ImageAt(img);
    if (!rec || !rec->surface || !backBuffer) return 0;
    plat::Surface* src = rec->surface;
    // The part of the source rectangle that lies inside the image, with the
    // destination moved along.
    int64_t sx = left, sy = top, dx = x, dy = y;
    int64_t w = int64_t(right) - left, h = int64_t(bottom) - top;
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    w = std::min<int64_t>(w, src->width - sx);
    h = std::min<int64_t>(h, src->height - sy);
    // The clip rectangle, kept on the back buffer.
    const int64_t cl = std::max(clipLeft, 0), ct = std::max(clipTop, 0);
    const int64_t cr = std::min(clipRight, backBuffer->width), cb = std::min(clipBottom, backBuffer->height);
    if (!kitDraw::blend::ClipTo(cl, ct, cr, cb, dx, dy, sx, sy, w, h)) return 1;
    Locked s, d;
    if (!LockPair(src, s, backBuffer, d)) return 0;
    // Streak steps: {column step per k, row offset base, row step per k}.
    static const int32_t kStreaks[8][3] = {{-1, 1, 1}, {0, 1, 1},    {1, 1, 1},   {-1, 0, 0},
                                           {1, 0, 0},  {-1, -1, -1}, {0, -1, -1}, {1, -1, -1}};
    const auto dim = [](uint32_t c, uint16_t by) { return by >= 8 ? 0u : c >> by; };
    for (int64_t row = 0; row < h; ++row) {
        for (int64_t col = 0; col < w; ++col) {
            const uint16_t p = s.At(int32_t(sx + col), int32_t(sy + row));
            if (p == 0) continue;
            const int32_t px = int32_t(dx + col), py = int32_t(dy + row);
            if (copy != 0) d.At(px, py) = p;
            int32_t r = int32_t(dim(pixelDecodeTable[p][0], dimR));
            int32_t g = int32_t(dim(pixelDecodeTable[p][1], dimG));
            int32_t b = int32_t(dim(pixelDecodeTable[p][2], dimB));
            const int32_t n = noiseTable[glowNoiseCounter];
            if (++glowNoiseCounter >= 10000) glowNoiseCounter = 0;
            r = r < n ? 0 : r - n;
            g = g < n ? 0 : g - n;
            b = b < n ? 0 : b - n;
            for (int32_t k = 0; k <= 30; ++k) {
                if (r > 0) --r;
                if (g > 0) --g;
                if (b > 0) --b;
                if (r == 0 && g == 0 && b == 0) break;
                for (int32_t bit = 0; bit < 8; ++bit) {
                    if ((directions & (1 << bit)) == 0) continue;
                    const int64_t qx = int64_t(px) + int64_t(kStreaks[bit][0]) * k;
                    const int64_t qy = int64_t(py) + kStreaks[bit][1] + int64_t(kStreaks[bit][2]) * k;
                    if (qx < cl || qx >= cr || qy < ct || qy >= cb) continue;
                    uint16_t& q = d.At(int32_t(qx), int32_t(qy));
                    const uint8_t* c = pixelDecodeTable[q];
                    q = kitDraw::Pack5(std::min(c[0] + r, 31), std::min(c[1] + g, 31),
                                       std::min(c[2] + b, 31));
                }
            }
        }
    }
    plat::Unlock(src);
    plat::Unlock(backBuffer);
    return 1;
}
