// Blit speed beside SDL's own blits on the same RGB565 pixels: each run
// times our call and SDL_BlitSurface on the same work, in turn, and reports
// ratio = SDL time / our time (above 1: ours is faster). Beside them, the
// same call as it was before the vector kernels (the blends and the keyed copy
// held to the portable row kernels, the turn from previous_turn.h):
// speedup = that time / our time.
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/rotate.h"
#include "kit/draw/screen.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/pixel_rows.h"
#include "platform/surface.h"
#include "previous_turn.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>

namespace {

struct Sprite {
    int32_t w, h, slot;
};
constexpr Sprite kSprites[3] = {{20, 20, 10}, {60, 70, 11}, {440, 480, 12}};

SDL_Surface* sdlScreen = nullptr;
SDL_Surface* sdlSprite[3] = {};

SDL_Surface* Wrap(plat::Surface* s) {
    return SDL_CreateRGBSurfaceWithFormatFrom(s->storage.data(), s->width, s->height, 16, s->pitch,
                                              SDL_PIXELFORMAT_RGB565);
}

// A round glow on black: black corners to skip, a bright middle.
void Paint(plat::Surface* s) {
    const float cx = s->width / 2.0f, cy = s->height / 2.0f, r = std::min(cx, cy);
    for (int32_t y = 0; y < s->height; ++y)
        for (int32_t x = 0; x < s->width; ++x) {
            const float dx = (x - cx) / r, dy = (y - cy) / r, d = dx * dx + dy * dy;
            uint16_t p = 0;
            if (d < 1.0f) {
                const int level = int((1.0f - d) * 31.0f);
                const int noise = kitSystem::Random() & 3;
                p = kitDraw::Pack5(uint32_t(std::min(31, level + noise)), uint32_t(level / 2),
                                   uint32_t(std::min(31, level / 3 + noise)));
                if (p == 0) p = 1;
            }
            s->Row(y)[x] = p;
        }
}

void SetUp() {
    static bool done = false;
    if (done) return;
    done = true;
    plat::SetPixelFormatForTests(plat::PixelFormat::RGB565);
    kitDraw::SetPixelFormat(0xF800, 0x07E0, 0x001F);
    kitDraw::BuildSineTable();
    kitDraw::BuildBlendTables();
    backBuffer = plat::CreateSurface(800, 600);
    kitDraw::SetClip(180, 0, 620, 600);
    sdlScreen = Wrap(backBuffer);
    for (int i = 0; i < 3; ++i) {
        ImageRecord& rec = imageTable[kSprites[i].slot];
        rec.surface = plat::CreateSurface(kSprites[i].w, kSprites[i].h);
        std::strcpy(rec.name, "BENCH.BMP");
        rec.width = uint16_t(kSprites[i].w);
        rec.height = uint16_t(kSprites[i].h);
        plat::SetColorKey(rec.surface, 0);
        Paint(rec.surface);
        sdlSprite[i] = Wrap(rec.surface);
    }
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            backBuffer->Row(y)[x] = uint16_t((x * 7 + y * 13) & 0x7BEF);
}

enum class Kind { Keyed, Opaque, Additive, Half, Rotated };

void Prepare(SDL_Surface* s, Kind kind) {
    SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceAlphaMod(s, 255);
    SDL_SetColorKey(s, SDL_FALSE, 0);
    switch (kind) {
    case Kind::Keyed:
        SDL_SetColorKey(s, SDL_TRUE, 0);
        break;
    case Kind::Opaque:
        break;
    case Kind::Additive:
        SDL_SetColorKey(s, SDL_TRUE, 0);
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_ADD);
        break;
    case Kind::Half:
        // SDL's nearest work: a keyed 50 % alpha blend.
        SDL_SetColorKey(s, SDL_TRUE, 0);
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_BLEND);
        SDL_SetSurfaceAlphaMod(s, 128);
        break;
    case Kind::Rotated:
        break;
    }
}

void Ours(Kind kind, const Sprite& sp, int32_t x, int32_t y, int32_t angle) {
    switch (kind) {
    case Kind::Keyed:
        BlitKeyed(x, y, sp.slot, 0, 0, sp.w, sp.h);
        break;
    case Kind::Opaque:
        BlitOpaque(x, y, sp.slot, 0, 0, sp.w, sp.h);
        break;
    case Kind::Additive:
        BlitAdditive(x, y, sp.slot, 0, 0, sp.w, sp.h);
        break;
    case Kind::Half:
        BlitHalfTranslucent(x, y, sp.slot, 0, 0, sp.w, sp.h);
        break;
    case Kind::Rotated:
        BlitRotated(x, y, x + sp.w, y + sp.h, angle, sp.slot, 0, 0, sp.w, sp.h);
        break;
    }
}

// The call as it was: the same blit on the row kernels, or the previous turn.
void Before(Kind kind, const Sprite& sp, int32_t x, int32_t y, int32_t angle) {
    if (kind == Kind::Rotated)
        bench::PreviousTurn(x, y, x + sp.w, y + sp.h, angle, sp.slot, 0, 0, sp.w, sp.h);
    else
        Ours(kind, sp, x, y, angle);
}

void Run(benchmark::State& state, Kind kind, int index) {
    SetUp();
    const Sprite& sp = kSprites[index];
    const bool withSdl = kind != Kind::Rotated;
    if (withSdl) Prepare(sdlSprite[index], kind);
    // Small sprites are drawn in a batch so each timing is well above the clock's grain.
    const int batch = sp.w * sp.h < 10000 ? 64 : 1;
    const int32_t x = 180, y = 60;
    using Clock = std::chrono::steady_clock;
    const bool withBefore = kind != Kind::Opaque; // the opaque copy did not change
    double ours = 0, before = 0, sdl = 0;
    int32_t angle = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < batch; ++i)
            Ours(kind, sp, x + (i & 7) * 2, y + (i >> 3) * 2, angle);
        const auto t1 = Clock::now();
        plat::rows::CapUnitForTests(plat::rows::Unit::Rows);
        const auto t2 = Clock::now();
        if (withBefore)
            for (int i = 0; i < batch; ++i)
                Before(kind, sp, x + (i & 7) * 2, y + (i >> 3) * 2, angle);
        const auto t3 = Clock::now();
        plat::rows::CapUnitForTests(plat::rows::Unit::Avx2);
        const auto t4 = Clock::now();
        if (withSdl)
            for (int i = 0; i < batch; ++i) {
                SDL_Rect dst{x + (i & 7) * 2, y + (i >> 3) * 2, sp.w, sp.h};
                SDL_BlitSurface(sdlSprite[index], nullptr, sdlScreen, &dst);
            }
        const auto t5 = Clock::now();
        ours += std::chrono::duration<double>(t1 - t0).count();
        before += std::chrono::duration<double>(t3 - t2).count();
        sdl += std::chrono::duration<double>(t5 - t4).count();
        angle = (angle + 7) % 360;
        benchmark::ClobberMemory();
    }
    const double n = double(state.iterations()) * batch;
    state.counters["ours_us"] = ours / n * 1e6;
    if (withBefore) {
        state.counters["before_us"] = before / n * 1e6;
        state.counters["speedup"] = ours > 0 ? before / ours : 0.0;
    }
    if (withSdl) {
        state.counters["sdl_us"] = sdl / n * 1e6;
        state.counters["ratio"] = ours > 0 ? sdl / ours : 0.0;
    }
    state.counters["Mpix/s"] = ours > 0 ? n * sp.w * sp.h / ours / 1e6 : 0.0;
}

void Register() {
    const struct {
        const char* name;
        Kind kind;
    } kinds[] = {{"Keyed", Kind::Keyed},
                 {"Opaque", Kind::Opaque},
                 {"Additive", Kind::Additive},
                 {"HalfTranslucent", Kind::Half},
                 {"Rotated", Kind::Rotated}};
    for (const auto& k : kinds)
        for (int i = 0; i < 3; ++i) {
            const std::string name = std::string(k.name) + "/" + std::to_string(kSprites[i].w) + "x" +
                                     std::to_string(kSprites[i].h);
            const Kind kind = k.kind;
            benchmark::RegisterBenchmark(name.c_str(), [kind, i](benchmark::State& s) { Run(s, kind, i); });
        }
}

const int registered = (Register(), 0);

} // namespace
