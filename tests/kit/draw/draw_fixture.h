#pragma once
// A drawing screen without a window: primary surface, back buffer and the
// library's image slots 0..3 (800x600, keyed on black), the pixel format of
// the platform, the clip rectangle, and a scratch program directory for
// picture files. Each test runs in its own process; the fixture still gives
// everything back so the sanitizers see no leaks.
#include "harness/reset_globals.h"
#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "platform/time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class DrawFixture : public ::testing::Test {
  protected:
    static constexpr int32_t kW = 800;
    static constexpr int32_t kH = 600;

    void SetUp() override {
        ResetGameGlobals();
        plat::SetPixelFormatForTests(Format());
        plat::UseVirtualClockForTests(true);
        MakeScreen();
        char tmpl[] = "/tmp/vexdrawXXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        plat::SetProgramDirectoryForTests(dir_);
        fatalFlag = 0;
    }

    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
        ResetGameGlobals();
    }

    // The platform's pixel format for the whole test.
    virtual plat::PixelFormat Format() const { return plat::PixelFormat::RGB565; }

    void MakeScreen() {
        screenWidth = kW;
        screenHeight = kH;
        primarySurface = plat::CreateSurface(kW, kH);
        ASSERT_NE(primarySurface, nullptr);
        primarySurface->isPrimary = true;
        backBuffer = plat::CreateSurface(kW, kH);
        ASSERT_NE(backBuffer, nullptr);
        presentRect = {0, 0, kW, kH};
        presentSourceRect = {0, 0, kW, kH};
        const plat::PixelMasks m = plat::MasksOf(plat::CurrentPixelFormat());
        kitDraw::SetPixelFormat(m.red, m.green, m.blue);
        kitDraw::BuildSineTable();
        const char* names[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};
        for (int slot = 0; slot < kImageSlots; ++slot)
            imageTable[slot] = ImageRecord{};
        for (int slot = 0; slot < kImageSlots; ++slot)
            imageTable[slot].reloadMode = 2;
        for (int slot = 0; slot < 4; ++slot) {
            ImageRecord& rec = imageTable[slot];
            rec.surface = plat::CreateSurface(kW, kH);
            ASSERT_NE(rec.surface, nullptr);
            plat::SetColorKey(rec.surface, 0);
            std::snprintf(rec.name, sizeof rec.name, "%s", names[slot]);
            rec.width = kW;
            rec.height = kH;
        }
        keyColor = 0;
        keyTopLeft = 0;
        kitDraw::SetClip(0, 0, kW, kH);
    }

    static void FreeScreen() {
        for (auto& rec : imageTable) {
            plat::DestroySurface(rec.surface);
            rec = ImageRecord{};
        }
        plat::DestroySurface(backBuffer);
        plat::DestroySurface(primarySurface);
        backBuffer = nullptr;
        primarySurface = nullptr;
    }

    // Writes a file under the program directory, making its folders.
    void WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) {
        const std::filesystem::path p = std::filesystem::path(dir_) / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    static uint16_t Px(uint8_t r, uint8_t g, uint8_t b) {
        return plat::RgbToPixel(plat::CurrentPixelFormat(), r, g, b);
    }

    static void Fill(plat::Surface* s, uint16_t pixel) { plat::FillRect(s, nullptr, pixel); }

    // Every pixel of the surface different: 16-bit value from the position.
    static void Pattern(plat::Surface* s, uint16_t salt = 1) {
        for (int32_t y = 0; y < s->height; ++y)
            for (int32_t x = 0; x < s->width; ++x)
                s->Row(y)[x] = uint16_t((x * 7 + y * 131 + salt) | 1);
    }

    std::string dir_;
};
