#pragma once
// Row kernels on 16-bit pixels, eight at a time through the compiler's vector
// types (plain SSE2 on x86-64, NEON elsewhere), with a scalar tail. Every
// kernel gives exactly what its one-pixel loop gives.
//
// The rectangle kernels at the end do the same work on whole rectangles with
// the widest vector unit the processor has (picked once); the row kernels are
// what they fall back on where there is no such unit.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace plat::rows {

typedef uint16_t V8 __attribute__((vector_size(16)));

inline V8 Load(const uint16_t* p) {
    V8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void Store(uint16_t* p, V8 v) { std::memcpy(p, &v, sizeof v); }
inline V8 Splat(uint16_t x) { return V8{x, x, x, x, x, x, x, x}; }
// All ones where a != b.
inline V8 NotEqual(V8 a, V8 b) { return (V8)(a != b); }

// Plain copy. Short rows (sprites) copy in overlapping fixed-size pieces the
// compiler inlines; long rows go to memcpy.
inline void CopyRow(uint16_t* __restrict d, const uint16_t* __restrict s, int32_t w) {
    const size_t n = size_t(w) * 2;
    auto* dc = reinterpret_cast<unsigned char*>(d);
    auto* sc = reinterpret_cast<const unsigned char*>(s);
    if (n >= 16 && n <= 32) {
        std::memcpy(dc, sc, 16);
        std::memcpy(dc + n - 16, sc + n - 16, 16);
    } else if (n > 32 && n <= 64) {
        std::memcpy(dc, sc, 32);
        std::memcpy(dc + n - 32, sc + n - 32, 32);
    } else if (n > 64 && n <= 128) {
        std::memcpy(dc, sc, 64);
        std::memcpy(dc + n - 64, sc + n - 64, 64);
    } else {
        std::memcpy(dc, sc, n);
    }
}

// Copies the pixels that differ from key.
inline void KeyedRow(uint16_t* __restrict d, const uint16_t* __restrict s, int32_t w, uint16_t key) {
    int32_t c = 0;
    const V8 k = Splat(key);
    for (; c + 8 <= w; c += 8) {
        const V8 sv = Load(s + c), dv = Load(d + c);
        const V8 m = NotEqual(sv, k);
        Store(d + c, (sv & m) | (dv & ~m));
    }
    if (c + 4 <= w) {
        typedef uint16_t V4 __attribute__((vector_size(8)));
        V4 sv, dv;
        std::memcpy(&sv, s + c, sizeof sv);
        std::memcpy(&dv, d + c, sizeof dv);
        const V4 k4{key, key, key, key};
        const V4 m = (V4)(sv != k4);
        dv = (sv & m) | (dv & ~m);
        std::memcpy(d + c, &dv, sizeof dv);
        c += 4;
    }
    for (; c < w; ++c)
        if (s[c] != key) d[c] = s[c];
}

// Additive blend of 5-bit channels at bit positions RS and GS (blue at 0),
// each sum held at 31; source pixels of 0 are skipped. With TopBitBlack a
// value with bit 15 set counts as black (5-5-5 decoding).
template <int RS, int GS, bool TopBitBlack>
inline void AdditiveRow(uint16_t* __restrict d, const uint16_t* __restrict s, int32_t w) {
    int32_t c = 0;
    const V8 m31 = Splat(31), zero = Splat(0);
    for (; c + 8 <= w; c += 8) {
        const V8 sv = Load(s + c), dv = Load(d + c);
        V8 sm = sv, dm = dv;
        if constexpr (TopBitBlack) {
            sm &= (sv >> 15) - 1;
            dm &= (dv >> 15) - 1;
        }
        V8 r = ((sm >> RS) & m31) + ((dm >> RS) & m31);
        V8 g = ((sm >> GS) & m31) + ((dm >> GS) & m31);
        V8 b = (sm & m31) + (dm & m31);
        r = (V8)(r > m31) ? m31 : r;
        g = (V8)(g > m31) ? m31 : g;
        b = (V8)(b > m31) ? m31 : b;
        const V8 res = (r << RS) | (g << GS) | b;
        const V8 keep = NotEqual(sv, zero);
        Store(d + c, (res & keep) | (dv & ~keep));
    }
    for (; c < w; ++c) {
        const uint16_t sv = s[c], dv = d[c];
        if (sv == 0) continue;
        uint16_t sm = sv, dm = dv;
        if constexpr (TopBitBlack) {
            sm = uint16_t(sv & uint16_t((sv >> 15) - 1));
            dm = uint16_t(dv & uint16_t((dv >> 15) - 1));
        }
        uint32_t r = ((sm >> RS) & 31u) + ((dm >> RS) & 31u);
        uint32_t g = ((sm >> GS) & 31u) + ((dm >> GS) & 31u);
        uint32_t b = (sm & 31u) + (dm & 31u);
        r = r > 31 ? 31 : r;
        g = g > 31 ? 31 : g;
        b = b > 31 ? 31 : b;
        d[c] = uint16_t((r << RS) | (g << GS) | b);
    }
}

// ((s >> 1) & halfMask) + ((d >> 1) & halfMask) where s is not 0.
inline void HalfRow(uint16_t* __restrict d, const uint16_t* __restrict s, int32_t w, uint16_t halfMask) {
    int32_t c = 0;
    const V8 hm = Splat(halfMask), zero = Splat(0);
    for (; c + 8 <= w; c += 8) {
        const V8 sv = Load(s + c), dv = Load(d + c);
        const V8 res = ((sv >> 1) & hm) + ((dv >> 1) & hm);
        const V8 keep = NotEqual(sv, zero);
        Store(d + c, (res & keep) | (dv & ~keep));
    }
    for (; c < w; ++c)
        if (s[c] != 0) d[c] = uint16_t(((s[c] >> 1) & halfMask) + ((d[c] >> 1) & halfMask));
}

// A turned picture's source index for accumulators u and v: each divided by
// 360, rounded toward zero, and moved back by the centring offset.
inline int32_t TurnIndex(int64_t u, int64_t v, int32_t offX, int32_t offY, int32_t pitch) {
    return int32_t((v / 360 - offY) * pitch + u / 360 - offX);
}

// A turned picture: its pixels, the accumulators' steps along a row (c, s),
// the offsets and pitch of TurnIndex. Every index a span reaches lies inside
// the picture and every accumulator fits in 32 bits.
struct Turn {
    const uint16_t* src;
    int32_t c, s, offX, offY, pitch;
};
// One row of it: n pixels from d, the accumulators at the first.
struct TurnSpan {
    uint16_t* d;
    int32_t n, u, v;
};

// Rectangles of h rows of w pixels; the pitches count pixels. Each gives
// exactly what its row kernel above gives on every row.
struct Kernels {
    // AdditiveRow<11, 6, false> and AdditiveRow<10, 5, true>.
    void (*additive565)(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w,
                        int32_t h);
    void (*additive555)(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w,
                        int32_t h);
    void (*half)(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
                 uint16_t halfMask);
    void (*keyed)(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
                  uint16_t key);
    // Turned rows: d[i] = src[TurnIndex(u + i * c, v + i * s, offX, offY,
    // pitch)] for i in [0, n) of each span, where that pixel is not black.
    void (*turnRows)(const Turn& turn, const TurnSpan* spans, int32_t count);
};
const Kernels& Rect();

// Which unit the rectangle kernels use. The test hook caps the choice (so
// every unit can be checked on one machine); the surface hooks' reset lifts
// the cap again.
enum class Unit { Rows, Sse2, Avx2 };
void CapUnitForTests(Unit widest);

} // namespace plat::rows
