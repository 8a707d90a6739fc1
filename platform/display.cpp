#include "platform/display.h"

#include "platform/sdl_internal.h"
#include "platform/time.h"
#include "platform/window.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace plat {

struct Display {
    Window* window = nullptr;
    uint32_t coopFlags = 0;
    bool modeSet = false;
    int32_t modeWidth = 800, modeHeight = 600, modeBpp = 16;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    uint32_t textureFormat = 0;
    int32_t textureW = 0, textureH = 0;
};

struct Clipper {
    Window* window = nullptr;
};

namespace {
Display* current = nullptr; // one device at a time, like the library uses it
bool failCall[5] = {false, false, false, false, false};
int32_t refusedDepth = 0;
DisplayCaps driverCaps{kCaps3D, kSurfTexture | kSurfOffscreenPlain | kSurfPrimary};
DisplayCaps emulationCaps{0, kSurfOffscreenPlain | kSurfPrimary};
int32_t presentCount = 0;
bool releasedInMode = false;

bool Failing(DisplayCall c) { return failCall[int(c)]; }

void DropRenderer(Display* d) {
    if (d->texture) SDL_DestroyTexture(d->texture);
    if (d->renderer) SDL_DestroyRenderer(d->renderer);
    d->texture = nullptr;
    d->renderer = nullptr;
    d->textureW = d->textureH = 0;
    d->textureFormat = 0;
}

bool MakeRenderer(Display* d, SDL_Window* sw) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    d->renderer = SDL_CreateRenderer(sw, -1, SDL_RENDERER_ACCELERATED);
    if (!d->renderer) d->renderer = SDL_CreateRenderer(sw, -1, SDL_RENDERER_SOFTWARE);
    if (!d->renderer) {
        std::fprintf(stderr, "vextalon: no renderer: %s\n", SDL_GetError());
        return false;
    }
    SDL_RenderSetLogicalSize(d->renderer, d->modeWidth, d->modeHeight);
    SDL_SetRenderDrawColor(d->renderer, 0, 0, 0, 255);
    SDL_RenderClear(d->renderer);
    SDL_RenderPresent(d->renderer);
    return true;
}
} // namespace

void LogicalToWindowPoint(const Window* w, int32_t lx, int32_t ly, int32_t* wx, int32_t* wy) {
    if (current && current->renderer && current->window == w) {
        int x = 0, y = 0;
        SDL_RenderLogicalToWindow(current->renderer, float(lx), float(ly), &x, &y);
        *wx = x;
        *wy = y;
        return;
    }
    *wx = lx;
    *wy = ly;
}

void DisplayForgetWindow(const Window* w) {
    if (current && current->window == w) {
        DropRenderer(current);
        current->window = nullptr;
    }
}

int32_t EnumerateDisplayDrivers(DisplayEnumCallback callback, void* context) {
    if (!callback) return kErrInvalidParams;
    // One driver: the primary display, reported without a GUID.
    callback(nullptr, "Primary Display Driver", "display", context);
    return kOk;
}

int32_t CreateDisplay(const Guid*, Display** out) {
    if (!out) return kErrInvalidParams;
    *out = nullptr;
    if (Failing(DisplayCall::Create) || !(HasDisplay() || HeadlessByChoice())) return kErrNoDisplay;
    Display* d = new (std::nothrow) Display;
    if (!d) return kErrOutOfMemory;
    *out = d;
    if (!current) current = d;
    return kOk;
}

void ReleaseDisplay(Display* d) {
    if (!d) return;
    releasedInMode = d->modeSet;
    DropRenderer(d);
    if (current == d) current = nullptr;
    delete d;
}

int32_t GetDisplayCaps(Display* d, DisplayCaps* driver, DisplayCaps* emulation) {
    if (!d) return kErrInvalidParams;
    if (driver) *driver = driverCaps;
    if (emulation) *emulation = emulationCaps;
    return kOk;
}

int32_t SetCooperativeLevel(Display* d, Window* w, uint32_t flags) {
    if (!d) return kErrInvalidParams;
    if (Failing(DisplayCall::CooperativeLevel)) return kErrNoExclusiveMode;
    if ((flags & kCoopExclusive) && !IsWindowAlive(w)) return kErrInvalidParams;
    d->window = w;
    d->coopFlags = flags;
    return kOk;
}

int32_t SetDisplayMode(Display* d, int32_t width, int32_t height, int32_t bitsPerPixel) {
    if (!d) return kErrInvalidParams;
    if (!(d->coopFlags & kCoopExclusive)) return kErrNoExclusiveMode;
    if (width <= 0 || height <= 0 || bitsPerPixel != 16 || bitsPerPixel == refusedDepth)
        return kErrInvalidMode;
    d->modeWidth = width;
    d->modeHeight = height;
    d->modeBpp = bitsPerPixel;
    SetInputLogicalSize(width, height);
    SDL_Window* sw = NativeWindow(d->window);
    if (sw && HasDisplay()) {
        DropRenderer(d);
        if (SDL_SetWindowFullscreen(sw, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            std::fprintf(stderr, "vextalon: full screen refused: %s\n", SDL_GetError());
            return kErrInvalidMode;
        }
        if (!MakeRenderer(d, sw)) {
            SDL_SetWindowFullscreen(sw, 0);
            return kErrInvalidMode;
        }
    }
    d->modeSet = true;
    return kOk;
}

int32_t RestoreDisplayMode(Display* d) {
    if (!d) return kErrInvalidParams;
    if (!d->modeSet) return kOk;
    DropRenderer(d);
    SDL_Window* sw = NativeWindow(d->window);
    if (sw && HasDisplay()) SDL_SetWindowFullscreen(sw, 0);
    d->modeSet = false;
    return kOk;
}

int32_t CreateDisplaySurface(Display* d, uint32_t caps, int32_t width, int32_t height, Surface** out) {
    if (!out) return kErrInvalidParams;
    *out = nullptr;
    if (!d) return kErrInvalidParams;
    const bool primary = (caps & kSurfPrimary) != 0;
    if (primary) {
        if (Failing(DisplayCall::PrimarySurface)) return kErrGeneric;
        width = d->modeWidth;
        height = d->modeHeight;
    }
    Surface* s = CreateSurface(width, height);
    if (!s) return kErrOutOfMemory;
    s->isPrimary = primary;
    *out = s;
    return kOk;
}

void ReleaseDisplaySurface(Surface* s) { DestroySurface(s); }

int32_t GetSurfacePixelFormat(const Surface* s, PixelMasks* out) {
    if (!s || !out) return kErrInvalidParams;
    if (Failing(DisplayCall::PixelFormat)) return kErrGeneric;
    *out = MasksOf(s->format);
    return kOk;
}

int32_t FlipToGDISurface(Display* d) { return d ? kOk : kErrInvalidParams; }

int32_t DesktopBitsPerPixel() {
    if (current && current->modeSet) return current->modeBpp;
    if (HasDisplay()) {
        SDL_DisplayMode m;
        if (SDL_GetDesktopDisplayMode(0, &m) == 0) {
            int bpp = int(SDL_BITSPERPIXEL(m.format));
            return bpp == 24 ? 32 : bpp;
        }
    }
    return 32;
}

int32_t CreateClipper(Display* d, Clipper** out) {
    if (!out) return kErrInvalidParams;
    *out = nullptr;
    if (!d || Failing(DisplayCall::Clipper)) return kErrGeneric;
    Clipper* c = new (std::nothrow) Clipper;
    if (!c) return kErrOutOfMemory;
    *out = c;
    return kOk;
}

int32_t ClipperSetWindow(Clipper* c, Window* w) {
    if (!c || !IsWindowAlive(w)) return kErrInvalidParams;
    c->window = w;
    return kOk;
}

int32_t SurfaceSetClipper(Surface* s, Clipper* c) { return s && c ? kOk : kErrInvalidParams; }
void ReleaseClipper(Clipper* c) { delete c; }

void PresentPrimary(const Surface* primary) {
    ++presentCount;
    Display* d = current;
    if (!primary || !d || !d->renderer) return;
    const uint32_t fmt =
        primary->format == PixelFormat::RGB555 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565;
    if (!d->texture || d->textureFormat != fmt || d->textureW != primary->width ||
        d->textureH != primary->height) {
        if (d->texture) SDL_DestroyTexture(d->texture);
        d->texture =
            SDL_CreateTexture(d->renderer, fmt, SDL_TEXTUREACCESS_STREAMING, primary->width, primary->height);
        if (!d->texture) return;
        d->textureFormat = fmt;
        d->textureW = primary->width;
        d->textureH = primary->height;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(d->texture, nullptr, &pixels, &pitch) == 0) {
        const size_t rowBytes = size_t(primary->width) * 2;
        for (int32_t y = 0; y < primary->height; ++y)
            std::memcpy(static_cast<uint8_t*>(pixels) + size_t(y) * size_t(pitch), primary->Row(y), rowBytes);
        SDL_UnlockTexture(d->texture);
    }
    SDL_RenderClear(d->renderer);
    SDL_RenderCopy(d->renderer, d->texture, nullptr, nullptr);
    SDL_RenderPresent(d->renderer);
}

void WaitForVerticalBlank() {
    // A 60 Hz edge on the performance counter: the picture then changes at a
    // steady rate whatever the monitor does.
    const uint64_t period = PerfFrequency() / 60;
    const uint64_t now = PerfCounter();
    SleepUntilPerf((now / period + 1) * period);
}

void FailDisplayCallForTests(DisplayCall call, bool fail) { failCall[int(call)] = fail; }
void RefuseDisplayDepthForTests(int32_t bpp) { refusedDepth = bpp; }
void SetDisplayCapsForTests(DisplayCaps driver, DisplayCaps emulation) {
    driverCaps = driver;
    emulationCaps = emulation;
}
void ResetDisplayHooksForTests() {
    for (bool& f : failCall)
        f = false;
    refusedDepth = 0;
    driverCaps = {kCaps3D, kSurfTexture | kSurfOffscreenPlain | kSurfPrimary};
    emulationCaps = {0, kSurfOffscreenPlain | kSurfPrimary};
    presentCount = 0;
    releasedInMode = false;
}
int32_t PresentCountForTests() { return presentCount; }
bool DisplayModeSetForTests() { return current && current->modeSet; }
bool DisplayReleasedInItsModeForTests() { return releasedInMode; }

} // namespace plat
