#pragma once
// Off-screen and primary drawing surfaces: 16-bit pixels in memory, with the
// operations the library's drawing code is built on (lock, fast copy with or
// without a source colour key, colour fill, loss and restore).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

// Result codes of the surface calls, shaped like the ones the drawing code
// tests for: 0 is success, everything else a failure.
enum SurfaceResult : int32_t {
    kOk = 0,
    kErrGeneric = static_cast<int32_t>(0x80004005),       // E_FAIL
    kErrInvalidParams = static_cast<int32_t>(0x80070057), // E_INVALIDARG
    kErrInvalidRect = static_cast<int32_t>(0x88760096),
    kErrSurfaceLost = static_cast<int32_t>(0x887601C2),
    kErrLocked = static_cast<int32_t>(0x887600A0),
    kErrNotLocked = static_cast<int32_t>(0x887601C4),
    kErrOutOfMemory = static_cast<int32_t>(0x8007000E),
};

enum class PixelFormat { RGB565, RGB555 };

struct PixelMasks {
    uint32_t red, green, blue;
};
PixelMasks MasksOf(PixelFormat f);

// Rectangle with exclusive right and bottom.
struct Rect {
    int32_t left, top, right, bottom;
};

struct Surface {
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0; // bytes per row (may be padded, see SetPitchPadding)
    PixelFormat format = PixelFormat::RGB565;
    std::vector<uint8_t> storage;
    bool hasColorKey = false;
    uint16_t colorKey = 0; // source colour key (raw pixel value)
    bool lost = false;
    int lockCount = 0;
    bool isPrimary = false;

    uint16_t* Row(int32_t y) {
        return reinterpret_cast<uint16_t*>(storage.data() + size_t(y) * size_t(pitch));
    }
    const uint16_t* Row(int32_t y) const {
        return reinterpret_cast<const uint16_t*>(storage.data() + size_t(y) * size_t(pitch));
    }
    uint16_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
};

// Creation takes the process-wide pixel format (5-6-5 unless a test asked for
// 5-5-5) and the pitch padding of the test hooks. Returns null when the size
// is not positive or too large to allocate (over 16384 on a side).
Surface* CreateSurface(int32_t width, int32_t height);
void DestroySurface(Surface* s);

PixelFormat CurrentPixelFormat();
void SetPixelFormatForTests(PixelFormat f); // takes effect for surfaces created afterwards
void SetPitchPaddingForTests(int32_t extraBytes);
// 5-6-5, no padding, no failing creations or locks: as a fresh process has it.
void ResetSurfaceHooksForTests();
// Test hook: creating a surface fails (returns null) after `count` more successes; -1 never.
void FailSurfaceCreationAfterForTests(int32_t count);

// Lock hands out the pixels and the pitch in bytes. Fails with kErrSurfaceLost
// on a lost surface. Locks nest: each Lock needs an Unlock.
int32_t Lock(Surface* s, uint16_t** pixels, int32_t* pitch);
int32_t Unlock(Surface* s);
// Test hook: the next `count` locks of any surface fail with kErrGeneric.
void FailNextLocksForTests(int32_t count);

// Copies src's rectangle to dst at (x, y). The source rectangle must lie inside
// src and the destination inside dst, else nothing is copied and
// kErrInvalidRect is returned. A zero-sized rectangle copies nothing and
// succeeds. With useSourceKey, source pixels equal to src's colour key are
// skipped (no key set: nothing is skipped).
int32_t BltFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& srcRect, bool useSourceKey);

// Fills the rectangle (null = whole surface) with a raw pixel value; the
// rectangle is clipped to the surface.
int32_t FillRect(Surface* dst, const Rect* r, uint16_t pixel);

void SetColorKey(Surface* s, uint16_t key);
void ClearColorKey(Surface* s);

bool IsLost(const Surface* s);
// Restores a lost surface: its memory is kept but its content is undefined
// (we clear it to 0, as a lost video surface comes back empty).
int32_t Restore(Surface* s);
// Test hook: marks the surface lost.
void LoseSurfaceForTests(Surface* s);

} // namespace plat
