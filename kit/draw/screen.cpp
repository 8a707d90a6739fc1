// kitDraw::Screen and kitDraw::Release: the screen's start-up and shut-down.
#include "kit/draw/screen.h"

#include "kit/draw/image.h"
#include "kit/draw/present.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/joystick.h"
#include "kit/system/kit_system.h"
#include "platform/display.h"
#include "platform/window.h"

#include <cstring>

namespace {
constexpr const char* kScreen = "kitDraw::Screen";

void FillLibraryRecord(ImageRecord& rec, plat::Surface* s, const char* name, int32_t w, int32_t h) {
    rec.surface = s;
    std::memset(rec.name, 0, sizeof rec.name);
    std::strncpy(rec.name, name, sizeof rec.name - 1);
    rec.fromPack = 0;
    rec.reloadMode = 2;
    rec.colorKey = 0;
    rec.width = uint16_t(w);
    rec.height = uint16_t(h);
}

void ClearRecord(ImageRecord& rec) {
    rec.surface = nullptr;
    std::memset(rec.name, 0, sizeof rec.name);
    rec.fromPack = 0;
    rec.reloadMode = 2;
    rec.colorKey = 0;
    rec.width = 0;
    rec.height = 0;
}

// One library image: a w x h off-screen surface keyed on black.
bool CreateLibraryImage(int slot, const char* name, uint32_t memory, int32_t w, int32_t h,
                        const char* failure) {
    plat::Surface* s = nullptr;
    const int32_t r = plat::CreateDisplaySurface(directDraw, plat::kSurfOffscreenPlain | memory, w, h, &s);
    if (r != plat::kOk) {
        kitSystem::Error(kScreen, failure, r);
        return false;
    }
    plat::SetColorKey(s, 0);
    // A second start-up would otherwise leak the earlier image.
    if (imageTable[slot].surface) plat::ReleaseDisplaySurface(imageTable[slot].surface);
    FillLibraryRecord(imageTable[slot], s, name, w, h);
    return true;
}
} // namespace

namespace kitDraw {

bool SelectDevice(const plat::Guid* guid, const char*, const char*, void* context) {
    auto* out = static_cast<plat::Display**>(context);
    deviceChosen = 0;
    plat::Display* d = nullptr;
    if (plat::CreateDisplay(guid, &d) != plat::kOk) return true;
    plat::DisplayCaps driver, emulation;
    plat::GetDisplayCaps(d, &driver, &emulation);
    if ((driver.caps & plat::kCaps3D) && (driver.surfaceCaps & plat::kSurfTexture)) {
        *out = d;
        deviceChosen = 1;
        return false;
    }
    *out = nullptr;
    plat::ReleaseDisplay(d);
    return true;
}

void SetDisplayDepths(int32_t depth, int32_t fallback1, int32_t fallback2) {
    displayDepth = depth;
    fallbackDepth1 = fallback1;
    fallbackDepth2 = fallback2;
}

int32_t Screen(int32_t w, int32_t h, int32_t mode) {
    // 1. Fresh state.
    directDraw = nullptr;
    primarySurface = nullptr;
    backBuffer = nullptr;
    screenClipper = nullptr;
    fatalFlag = 0;
    screenWidth = w;
    screenHeight = h;
    SetClip(0, 0, w, h);

    // 2. Device: the first driver with 3D and textures, else the primary display.
    plat::EnumerateDisplayDrivers(SelectDevice, &directDraw);
    if (!directDraw) {
        const int32_t r = plat::CreateDisplay(nullptr, &directDraw);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "DirectDrawが使用できません", r);
    }

    // 3. Memory of the screen surfaces.
    uint32_t memory = (mode == 1 || mode == 3) ? 0u : uint32_t(plat::kSurfSystemMemory);

    // 4. Cooperative level.
    {
        const uint32_t level = fullScreen
                                   ? (plat::kCoopExclusive | plat::kCoopFullscreen | plat::kCoopAllowReboot)
                                   : plat::kCoopNormal;
        const int32_t r = plat::SetCooperativeLevel(directDraw, mainWindow, level);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "フルスクリーン化できません", r);
    }

    // 5. Display mode, with the fallback depths.
    if (fullScreen) {
        int32_t r = plat::SetDisplayMode(directDraw, w, h, displayDepth);
        if (r != plat::kOk && fallbackDepth1 != 0) {
            displayDepth = fallbackDepth1;
            r = plat::SetDisplayMode(directDraw, w, h, displayDepth);
            if (r != plat::kOk && fallbackDepth2 != 0) {
                displayDepth = fallbackDepth2;
                r = plat::SetDisplayMode(directDraw, w, h, displayDepth);
            }
        }
        if (r != plat::kOk) return kitSystem::Error(kScreen, "解像度が変更できません", r);
    } else {
        displayDepth = plat::DesktopBitsPerPixel();
    }

    // 6. Primary surface.
    {
        const int32_t r =
            plat::CreateDisplaySurface(directDraw, plat::kSurfPrimary | memory, w, h, &primarySurface);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "表画面が生成できません", r);
    }

    // 7. Back buffer: frames reach the screen by a copy, there is no flip chain.
    {
        const int32_t r =
            plat::CreateDisplaySurface(directDraw, plat::kSurfOffscreenPlain | memory, w, h, &backBuffer);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "裏画面が生成できません", r);
    }

    // 8. Windowed: a clipper keeps the copy inside the window.
    if (!fullScreen) {
        plat::Clipper* clipper = nullptr;
        int32_t r = plat::CreateClipper(directDraw, &clipper);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "クリップが生成できません", r);
        screenClipper = clipper;
        r = plat::ClipperSetWindow(clipper, mainWindow);
        if (r != plat::kOk)
            return kitSystem::Error(kScreen, "クリップにウィンドウハンドルを設定できません", r);
        r = plat::SurfaceSetClipper(primarySurface, clipper);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "表画面をクリップできません", r);
    }

    // 9. From here on mode 3 keeps its images in system memory.
    if (mode == 3) memory = plat::kSurfSystemMemory;

    // 10. The library's own images.
    if (!CreateLibraryImage(0, "内部用１", memory, w, h, "Bufferスプライトが生成できません")) return 0;
    if (!CreateLibraryImage(1, "内部用２", memory, w, h, "Screenスプライトが生成できません")) return 0;
    if (!CreateLibraryImage(2, "内部用３", plat::kSurfSystemMemory, w, h, "Fontスプライトが生成できません"))
        return 0;
    if (!CreateLibraryImage(3, "内部用４", plat::kSurfSystemMemory, w, h,
                            "Fontバッファスプライトが生成できません"))
        return 0;

    // 11. Hardware stretching, from the kept driver or else the emulation layer.
    {
        plat::DisplayCaps driver, emulation;
        plat::GetDisplayCaps(directDraw, &driver, &emulation);
        hwStretch = ((deviceChosen && (driver.caps & plat::kCapsBltStretch)) ||
                     (!deviceChosen && (emulation.caps & plat::kCapsBltStretch)))
                        ? 1
                        : 0;
    }

    // 12. Pixel format of the back buffer.
    {
        plat::PixelMasks masks{};
        const int32_t r = plat::GetSurfacePixelFormat(backBuffer, &masks);
        if (r != plat::kOk) return kitSystem::Error(kScreen, "ピクセル情報が取得できません", r);
        SetPixelFormat(masks.red, masks.green, masks.blue);
    }

    // 13. Tables; the blend tables only make sense on a 16-bit screen.
    BuildSineTable();
    if (plat::DesktopBitsPerPixel() == 16) BuildBlendTables();

    // 14. Free image slots, the page overlay, the present rectangles.
    for (int slot = 4; slot < kImageSlots; ++slot)
        ClearRecord(imageTable[slot]);
    pageImage = 0;
    pageTileImage = 0;
    presentSourceRect = {0, 0, w, h};
    presentRect = {clientLeft, clientTop, clientLeft + w, clientTop + h};

    // 15. The other parts of the library.
    kitSound::Init();
    kitSound::ResetSlots();
    MidiInit();
    kitSystem::Init();
    InitFontList();
    JoyInit();
    if (clipCursorAtStart == 1) kitSystem::ClipCursorToView();
    return 1;
}

void Release() {
    if (!directDraw) return;
    for (ImageRecord& rec : imageTable) {
        if (!rec.surface) continue;
        plat::ReleaseDisplaySurface(rec.surface);
        ClearRecord(rec);
    }
    if (!fullScreen && screenClipper) {
        plat::ReleaseClipper(static_cast<plat::Clipper*>(screenClipper));
        screenClipper = nullptr;
    }
    plat::ReleaseDisplaySurface(primarySurface);
    primarySurface = nullptr;
    plat::ReleaseDisplaySurface(backBuffer);
    backBuffer = nullptr;
    if (fullScreen) {
        plat::RestoreDisplayMode(directDraw);
        plat::SetCooperativeLevel(directDraw, mainWindow, plat::kCoopNormal);
    }
    plat::ReleaseDisplay(directDraw);
    directDraw = nullptr;
    if (fullScreen) plat::MinimizeAppWindow(mainWindow);
}

} // namespace kitDraw
