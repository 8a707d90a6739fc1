#pragma once
// A headless 800x600 screen for the pack and effect tests: back buffer,
// primary surface, library slots 0..3, pixel format and tables, full clip.
#include "harness/reset_globals.h"
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstring>

class PeriphScreen : public ::testing::Test {
  protected:
    void SetUpScreen(plat::PixelFormat format) {
        TearDownScreen();
        plat::SetPixelFormatForTests(format);
        const plat::PixelMasks m = plat::MasksOf(format);
        kitDraw::SetPixelFormat(m.red, m.green, m.blue);
        kitDraw::BuildSineTable();
        kitDraw::BuildBlendTables();
        screenWidth = 800;
        screenHeight = 600;
        backBuffer = plat::CreateSurface(800, 600);
        primarySurface = plat::CreateSurface(800, 600);
        for (int i = 0; i < 4; ++i) {
            ImageRecord& r = imageTable[i];
            r.surface = plat::CreateSurface(i == 0 || i == 1 ? 800 : 400, i == 0 || i == 1 ? 600 : 100);
            std::strcpy(r.name, "*");
            r.width = uint16_t(r.surface->width);
            r.height = uint16_t(r.surface->height);
        }
        kitDraw::SetClip(0, 0, 800, 600);
    }
    void SetUp() override {
        ResetGameGlobals();
        SetUpScreen(plat::PixelFormat::RGB565);
    }
    void TearDown() override { ResetGameGlobals(); }
    void TearDownScreen() {
        for (ImageRecord& r : imageTable) {
            if (r.surface) plat::DestroySurface(r.surface);
            r = ImageRecord{};
        }
        if (backBuffer) plat::DestroySurface(backBuffer);
        if (primarySurface) plat::DestroySurface(primarySurface);
        backBuffer = primarySurface = nullptr;
    }
    static int UsedSlots() {
        int n = 0;
        for (int i = 4; i < kImageSlots; ++i)
            n += imageTable[i].name[0] != 0;
        return n;
    }
    static uint16_t Px(int x, int y) { return backBuffer->Pixel(x, y); }
    static void SetPx(int x, int y, uint16_t p) { backBuffer->Row(y)[x] = p; }
    static void Fill(uint16_t p) { plat::FillRect(backBuffer, nullptr, p); }
    // Decoded 5-bit channel of a pixel value.
    static int Ch(uint16_t p, int ch) { return pixelDecodeTable[p][ch]; }
};
