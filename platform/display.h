#pragma once
// The display: one full-screen window showing an 800x600 16-bit picture,
// scaled with its aspect kept. Shaped like the device the library was written
// for: a device with capabilities, a cooperative level, a display mode, a
// primary surface, off-screen surfaces, a clipper and a vertical-blank wait.
// Headless (dummy driver) everything works in memory and nothing is shown;
// with no video at all the device cannot be created.
#include <cstdint>

#include "platform/surface.h"

namespace plat {
struct Window;
struct Display;
struct Clipper;

struct Guid {
    uint8_t bytes[16];
};

// Capability bits the library tests.
enum : uint32_t {
    kCaps3D = 0x1,
    kCapsBltStretch = 0x200,
};
struct DisplayCaps {
    uint32_t caps = 0;        // device capabilities
    uint32_t surfaceCaps = 0; // surface capabilities the device supports
};

// Surface capability flags.
enum : uint32_t {
    kSurfOffscreenPlain = 0x40,
    kSurfPrimary = 0x200,
    kSurfSystemMemory = 0x800,
    kSurfTexture = 0x1000,
};

// Cooperative levels.
enum : uint32_t {
    kCoopFullscreen = 0x1,
    kCoopAllowReboot = 0x2,
    kCoopNormal = 0x8,
    kCoopExclusive = 0x10,
};

// Result codes particular to the display.
enum : int32_t {
    kErrNoDisplay = static_cast<int32_t>(0x887600FF),
    kErrInvalidMode = static_cast<int32_t>(0x887600FA),
    kErrNoExclusiveMode = static_cast<int32_t>(0x887600E1),
};

// The enumeration calls back once per display driver; returning false stops it.
using DisplayEnumCallback = bool (*)(const Guid* guid, const char* description, const char* driverName,
                                     void* context);
int32_t EnumerateDisplayDrivers(DisplayEnumCallback callback, void* context);
// Creates the device of a driver (null guid: the primary display driver).
// Fails with kErrNoDisplay when there is no display (headless runs choose
// the dummy driver, which has a device that shows nothing).
int32_t CreateDisplay(const Guid* guid, Display** out);
void ReleaseDisplay(Display* d);
// Caps of the hardware driver and of the software emulation layer.
int32_t GetDisplayCaps(Display* d, DisplayCaps* driver, DisplayCaps* emulation);
int32_t SetCooperativeLevel(Display* d, Window* w, uint32_t flags);
// Sets the display mode. Only 16 bits per pixel can be shown; other depths
// fail with kErrInvalidMode. With a real display this makes the window desktop
// full screen with the given logical size.
int32_t SetDisplayMode(Display* d, int32_t width, int32_t height, int32_t bitsPerPixel);
int32_t RestoreDisplayMode(Display* d);
// Creates the primary surface (kSurfPrimary: the display mode's size) or an
// off-screen surface of width x height.
int32_t CreateDisplaySurface(Display* d, uint32_t caps, int32_t width, int32_t height, Surface** out);
void ReleaseDisplaySurface(Surface* s);
int32_t GetSurfacePixelFormat(const Surface* s, PixelMasks* out);
int32_t FlipToGDISurface(Display* d);
// Bits per pixel of the screen as the window's device context reports them:
// 16 once the display mode is set, else the desktop's.
int32_t DesktopBitsPerPixel();

// The clipper of a windowed display.
int32_t CreateClipper(Display* d, Clipper** out);
int32_t ClipperSetWindow(Clipper* c, Window* w);
int32_t SurfaceSetClipper(Surface* s, Clipper* c);
void ReleaseClipper(Clipper* c);

// Shows the primary surface: uploads it to the streaming texture and presents.
// Does nothing without a window (headless runs and tests).
void PresentPrimary(const Surface* primary);
// Waits for the next edge of the virtual 60 Hz vertical blank.
void WaitForVerticalBlank();

// ---- test hooks ----
enum class DisplayCall { Create, CooperativeLevel, PrimarySurface, PixelFormat, Clipper };
void FailDisplayCallForTests(DisplayCall call, bool fail);
// SetDisplayMode refuses this depth (0: refuse none).
void RefuseDisplayDepthForTests(int32_t bitsPerPixel);
// What the one driver reports (default: 3D with texture surfaces, no stretch).
void SetDisplayCapsForTests(DisplayCaps driver, DisplayCaps emulation);
void ResetDisplayHooksForTests();
int32_t PresentCountForTests();
bool DisplayModeSetForTests();
// True when the last display released still had its mode set: nobody put the
// desktop's mode back before letting the device go.
bool DisplayReleasedInItsModeForTests();
} // namespace plat
