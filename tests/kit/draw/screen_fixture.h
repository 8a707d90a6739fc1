#pragma once
// A headless screen for drawing tests: back buffer, primary surface, the four
// library images, pixel format, tables and clip rectangle, in either format.
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "platform/surface.h"

#include <cstring>
#include <vector>

namespace vextest {

inline void FreeSlot(int slot) {
    plat::DestroySurface(imageTable[slot].surface);
    imageTable[slot] = ImageRecord{};
}

// Gives back every surface the fixture made (a test may set up twice).
inline void TearDownScreen() {
    plat::DestroySurface(backBuffer);
    plat::DestroySurface(primarySurface);
    backBuffer = primarySurface = nullptr;
    for (int slot = 0; slot < kImageSlots; ++slot)
        FreeSlot(slot);
}

inline void SetUpScreen(plat::PixelFormat format, int32_t w = 800, int32_t h = 600) {
    TearDownScreen();
    plat::SetPixelFormatForTests(format);
    const plat::PixelMasks m = plat::MasksOf(format);
    kitDraw::SetPixelFormat(m.red, m.green, m.blue);
    kitDraw::BuildSineTable();
    kitDraw::BuildBlendTables();
    screenWidth = w;
    screenHeight = h;
    backBuffer = plat::CreateSurface(w, h);
    primarySurface = plat::CreateSurface(w, h);
    for (int slot = 0; slot < 4; ++slot) {
        FreeSlot(slot);
        ImageRecord& rec = imageTable[slot];
        rec.surface = plat::CreateSurface(w, h);
        plat::SetColorKey(rec.surface, 0);
        std::strcpy(rec.name, "*");
        rec.width = uint16_t(w);
        rec.height = uint16_t(h);
    }
    kitDraw::SetClip(0, 0, w, h);
}

// An image in the given slot, filled from pixels (row-major, w x h).
inline plat::Surface* MakeImage(int slot, int32_t w, int32_t h, const std::vector<uint16_t>& pixels) {
    FreeSlot(slot);
    ImageRecord& rec = imageTable[slot];
    rec.surface = plat::CreateSurface(w, h);
    std::strcpy(rec.name, "TEST.BMP");
    rec.width = uint16_t(w);
    rec.height = uint16_t(h);
    plat::SetColorKey(rec.surface, 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            rec.surface->Row(y)[x] = pixels[size_t(y * w + x)];
    return rec.surface;
}

inline void Fill(plat::Surface* s, uint16_t p) { plat::FillRect(s, nullptr, p); }

// Every pixel of a surface, row-major.
inline std::vector<uint16_t> Pixels(const plat::Surface* s) {
    std::vector<uint16_t> out;
    for (int32_t y = 0; y < s->height; ++y)
        for (int32_t x = 0; x < s->width; ++x)
            out.push_back(s->Pixel(x, y));
    return out;
}

constexpr plat::PixelFormat kFormats[2] = {plat::PixelFormat::RGB565, plat::PixelFormat::RGB555};

} // namespace vextest
