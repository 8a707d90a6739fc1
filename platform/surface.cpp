#include "platform/surface.h"

#include "platform/pixel_rows.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace plat {
namespace {
PixelFormat currentFormat = PixelFormat::RGB565;
int32_t pitchPadding = 0;
int32_t failCreateAfter = -1;
int32_t failLocks = 0;
constexpr int32_t kMaxSide = 16384;
} // namespace

PixelMasks MasksOf(PixelFormat f) {
    if (f == PixelFormat::RGB555) return {0x7C00, 0x03E0, 0x001F};
    return {0xF800, 0x07E0, 0x001F};
}

PixelFormat CurrentPixelFormat() { return currentFormat; }
void SetPixelFormatForTests(PixelFormat f) { currentFormat = f; }
void SetPitchPaddingForTests(int32_t extraBytes) { pitchPadding = extraBytes < 0 ? 0 : (extraBytes & ~1); }
void FailSurfaceCreationAfterForTests(int32_t count) { failCreateAfter = count; }
void FailNextLocksForTests(int32_t count) { failLocks = count; }
void ResetSurfaceHooksForTests() {
    currentFormat = PixelFormat::RGB565;
    pitchPadding = 0;
    failCreateAfter = -1;
    failLocks = 0;
    rows::CapUnitForTests(rows::Unit::Avx2);
}

Surface* CreateSurface(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    if (failCreateAfter == 0) return nullptr;
    if (failCreateAfter > 0) --failCreateAfter;
    Surface* s = new (std::nothrow) Surface;
    if (!s) return nullptr;
    s->width = width;
    s->height = height;
    s->pitch = width * 2 + pitchPadding;
    s->format = currentFormat;
    s->storage.assign(size_t(s->pitch) * size_t(height), 0);
    return s;
}

void DestroySurface(Surface* s) { delete s; }

int32_t Lock(Surface* s, uint16_t** pixels, int32_t* pitch) {
    if (!s) return kErrInvalidParams;
    if (failLocks > 0) {
        --failLocks;
        return kErrGeneric;
    }
    if (s->lost) return kErrSurfaceLost;
    ++s->lockCount;
    if (pixels) *pixels = reinterpret_cast<uint16_t*>(s->storage.data());
    if (pitch) *pitch = s->pitch;
    return kOk;
}

int32_t Unlock(Surface* s) {
    if (!s) return kErrInvalidParams;
    if (s->lockCount <= 0) return kErrNotLocked;
    --s->lockCount;
    return kOk;
}

static bool Inside(const Surface* s, const Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= s->width && r.bottom <= s->height && r.left <= r.right &&
           r.top <= r.bottom;
}

int32_t BltFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& sr, bool useSourceKey) {
    if (!dst || !src) return kErrInvalidParams;
    if (dst->lost || src->lost) return kErrSurfaceLost;
    if (!Inside(src, sr)) return kErrInvalidRect;
    const int32_t w = sr.right - sr.left;
    const int32_t h = sr.bottom - sr.top;
    // 64-bit sums: x and y come from game code and may be anything.
    if (x < 0 || y < 0 || int64_t(x) + w > dst->width || int64_t(y) + h > dst->height) return kErrInvalidRect;
    if (w == 0 || h == 0) return kOk;
    const bool keyed = useSourceKey && src->hasColorKey;
    const uint16_t key = src->colorKey;
    if (dst == src) {
        // Overlapping copy within one surface: go through a row buffer.
        std::vector<uint16_t> row(static_cast<size_t>(w));
        const bool down = y > sr.top;
        for (int32_t i = 0; i < h; ++i) {
            int32_t r = down ? h - 1 - i : i;
            std::memcpy(row.data(), src->Row(sr.top + r) + sr.left, size_t(w) * 2);
            uint16_t* d = dst->Row(y + r) + x;
            for (int32_t c = 0; c < w; ++c)
                if (!keyed || row[size_t(c)] != key) d[c] = row[size_t(c)];
        }
        return kOk;
    }
    // Row pointers stepped by pitch (pitches are whole pixels).
    const uint16_t* s = src->Row(sr.top) + sr.left;
    uint16_t* d = dst->Row(y) + x;
    const ptrdiff_t sp = src->pitch / 2, dp = dst->pitch / 2;
    if (!keyed) {
        for (int32_t r = 0; r < h; ++r, s += sp, d += dp)
            rows::CopyRow(d, s, w);
    } else {
        rows::Rect().keyed(d, dp, s, sp, w, h, key);
    }
    return kOk;
}

int32_t FillRect(Surface* dst, const Rect* r, uint16_t pixel) {
    if (!dst) return kErrInvalidParams;
    if (dst->lost) return kErrSurfaceLost;
    Rect a = r ? *r : Rect{0, 0, dst->width, dst->height};
    a.left = std::max(a.left, 0);
    a.top = std::max(a.top, 0);
    a.right = std::min(a.right, dst->width);
    a.bottom = std::min(a.bottom, dst->height);
    if (a.right <= a.left || a.bottom <= a.top) return kOk;
    // Every frame clears the whole back buffer: fill one row, copy it down.
    uint16_t* first = dst->Row(a.top) + a.left;
    const size_t bytes = size_t(a.right - a.left) * sizeof(uint16_t);
    std::fill(first, dst->Row(a.top) + a.right, pixel);
    for (int32_t y = a.top + 1; y < a.bottom; ++y)
        std::memcpy(dst->Row(y) + a.left, first, bytes);
    return kOk;
}

void SetColorKey(Surface* s, uint16_t key) {
    if (!s) return;
    s->hasColorKey = true;
    s->colorKey = key;
}

void ClearColorKey(Surface* s) {
    if (s) s->hasColorKey = false;
}

bool IsLost(const Surface* s) { return s && s->lost; }

int32_t Restore(Surface* s) {
    if (!s) return kErrInvalidParams;
    if (s->lost) {
        std::fill(s->storage.begin(), s->storage.end(), uint8_t(0));
        s->lost = false;
    }
    return kOk;
}

void LoseSurfaceForTests(Surface* s) {
    if (s) s->lost = true;
}

} // namespace plat
