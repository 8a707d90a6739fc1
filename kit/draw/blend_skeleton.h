#pragma once
// The frame every Lock-based blitter shares: clip against the clip rectangle,
// lock the source image and then the back buffer, walk rows by pitch, unlock.
// Internal to kit/draw.
#include <cstdint>

#include "kit/draw/image.h"
#include "kit/draw/screen.h"

namespace kitDraw::blend {

struct Run {
    // Destination corner, source corner and size of the part to walk; after
    // Begin() every pixel of it lies inside both surfaces.
    int32_t x = 0, y = 0, left = 0, top = 0, w = 0, h = 0;
    plat::Surface* src = nullptr;
    plat::Surface* dst = nullptr;
    uint16_t* srcPixels = nullptr;
    uint16_t* dstPixels = nullptr;
    int32_t srcPitch = 0, dstPitch = 0; // in pixels

    uint16_t* SrcRow(int32_t r) const { return srcPixels + (int64_t(top) + r) * srcPitch + left; }
    uint16_t* DstRow(int32_t r) const { return dstPixels + (int64_t(y) + r) * dstPitch + x; }
};

enum class Start { Draw, NothingToDraw, LockFailed };

// Clips the destination rectangle the way every blend does (right and bottom
// first, then left and top, signed). Returns false when w or h went negative.
// Works in 64 bits, so extreme arguments cannot overflow.
bool Clip(int64_t& x, int64_t& y, int64_t& left, int64_t& top, int64_t& w, int64_t& h);
// The same against any clip edges (right and bottom exclusive).
bool ClipTo(int64_t cl, int64_t ct, int64_t cr, int64_t cb, int64_t& x, int64_t& y, int64_t& left,
            int64_t& top, int64_t& w, int64_t& h);

// Clip, lock the image and the back buffer (a failed second lock unlocks the
// first), and shrink the run to the part that lies inside both surfaces so a
// source rectangle outside the image or a clip rectangle outside the screen
// can never reach foreign memory. With sourceUnbounded the source side is not
// cut (the caller checks its own reads).
Start Begin(Run& run, int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
            int32_t bottom, bool sourceUnbounded = false);
// Unlocks the source, then the back buffer.
void End(Run& run);

// 5-bit channels of a pixel through the decode table.
inline uint32_t DecR(uint16_t p) { return pixelDecodeTable[p][0]; }
inline uint32_t DecG(uint16_t p) { return pixelDecodeTable[p][1]; }
inline uint32_t DecB(uint16_t p) { return pixelDecodeTable[p][2]; }

// The two pixel layouts with a fast path; anything else goes through the tables.
enum class Layout { RGB565, RGB555, Other };
Layout CurrentLayout();

} // namespace kitDraw::blend
