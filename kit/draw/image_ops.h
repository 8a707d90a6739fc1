#pragma once
// Operations on the image table: loading pictures into slots, empty images,
// colour keys, colour fills on the back buffer, and the repair of every
// surface after a loss. Handles outside 0..499 and slots without a surface
// make a call do nothing.
#include <cstdint>

#include "kit/draw/image.h"
#include "platform/bmp.h"
#include "platform/surface.h"

namespace kitDraw {

// Loads a BMP (name relative to the program's directory, any case, '\\' or
// '/') into the first free slot 4..499. Returns the slot, or 0 after an error
// report. A file that cannot be read still takes its slot (by name).
int32_t LoadObject(const char* name, int32_t memoryMode);
// An empty width x height image named "*"; the slot, or 0 after an error report.
int32_t CreateObject(int32_t width, int32_t height, int32_t memoryMode);
// Loads a BMP into an existing slot, replacing its picture. 1, or 0 after an
// error report.
int32_t SwapObject(const char* name, int32_t slot, int32_t memoryMode);
// Frees a slot that has a surface.
void ReleaseObject(int32_t slot);
// Repairs lost surfaces and reloads every named picture from its file.
void Restore();

// Colour fills; each returns the fill's result.
int32_t Clear();
int32_t ClearImage(int32_t slot);
int32_t ClearRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t FrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t FillScreen();
int32_t FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t FillRectColor(int32_t left, int32_t top, int32_t right, int32_t bottom, uint16_t colour);
// Halves the back buffer's pixels in the rectangle (clipped to the clip
// rectangle) and adds half the colour. 1; 0 when the lock fails.
int32_t TintRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint16_t colour);

// Keys given to images loaded or created from now on.
void SetKeyColor(uint32_t colour);
void SetKeyTopLeft();
int32_t SetImageKey(int32_t slot, uint32_t colour);
int32_t SetImageKeyTopLeft(int32_t slot);
int32_t CopyImageKey(int32_t dstSlot, int32_t srcSlot);

// Loader helpers.
// Copies the bitmap's rectangle (x, y, dx, dy; dx or dy 0 = its whole size)
// onto the whole surface.
int32_t CopyBitmap(plat::Surface* surface, const plat::BmpImage* bitmap, int32_t x, int32_t y, int32_t dx,
                   int32_t dy);
// The surface's pixel value for a COLORREF; 0xFFFFFFFF = the top-left pixel's
// own value. 0xFFFFFFFF when the surface cannot be locked.
uint32_t MatchColor(plat::Surface* surface, uint32_t colour);
int32_t SetSurfaceKey(plat::Surface* surface, uint32_t colour);
// A new surface holding the BMP at path, or null.
plat::Surface* LoadBitmapSurface(const char* path, int32_t* width, int32_t* height, int32_t memoryMode);

} // namespace kitDraw
