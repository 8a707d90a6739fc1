#include "platform/pixel_rows.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#define VEX_X86_KERNELS 1
#endif

namespace plat::rows {
namespace {

// Row by row through the portable row kernels.
namespace byrows {
template <int RS, int GS, bool TopBitBlack>
void AdditiveRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h) {
    for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch)
        AdditiveRow<RS, GS, TopBitBlack>(d, s, w);
}
void HalfRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
              uint16_t halfMask) {
    for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch)
        HalfRow(d, s, w, halfMask);
}
void KeyedRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
               uint16_t key) {
    for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch)
        KeyedRow(d, s, w, key);
}
void TurnRows(const Turn& t, const TurnSpan* spans, int32_t count) {
    for (const TurnSpan* span = spans; span != spans + count; ++span)
        for (int32_t i = 0; i < span->n; ++i) {
            const uint16_t p = t.src[TurnIndex(int64_t(span->u) + int64_t(i) * t.c,
                                               int64_t(span->v) + int64_t(i) * t.s, t.offX, t.offY, t.pitch)];
            if (p != 0) span->d[i] = p;
        }
}
const Kernels kKernels = {&AdditiveRect<11, 6, false>, &AdditiveRect<10, 5, true>, &HalfRect, &KeyedRect,
                          &TurnRows};
} // namespace byrows

#ifdef VEX_X86_KERNELS
// Eight pixels to a 128-bit register: every x86-64 has this.
namespace sse2 {
using V = __m128i;
constexpr int32_t N = 8;
inline V Load(const uint16_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
inline void Store(uint16_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
inline V Splat(uint16_t x) { return _mm_set1_epi16(int16_t(x)); }
inline V And(V a, V b) { return _mm_and_si128(a, b); }
inline V AndNot(V a, V b) { return _mm_andnot_si128(a, b); } // ~a & b
inline V Or(V a, V b) { return _mm_or_si128(a, b); }
inline V Add(V a, V b) { return _mm_add_epi16(a, b); }
inline V Sub(V a, V b) { return _mm_sub_epi16(a, b); }
template <int K> inline V Shr(V a) { return K == 0 ? a : _mm_srli_epi16(a, K); }
inline V Sra15(V a) { return _mm_srai_epi16(a, 15); }
inline V Equal(V a, V b) { return _mm_cmpeq_epi16(a, b); }
inline bool AllSet(V m) { return _mm_movemask_epi8(m) == 0xFFFF; }
inline V Select(V m, V a, V b) { return _mm_or_si128(_mm_and_si128(m, a), _mm_andnot_si128(m, b)); }
// 32-bit lanes.
inline void Store32(int32_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
inline V Splat32(int32_t x) { return _mm_set1_epi32(x); }
inline V Lanes32() { return _mm_setr_epi32(0, 1, 2, 3); }
// The pixels at eight indices, put straight into the lanes.
inline V Pixels(const uint16_t* src, const int32_t* at) {
    return _mm_setr_epi16(int16_t(src[at[0]]), int16_t(src[at[1]]), int16_t(src[at[2]]), int16_t(src[at[3]]),
                          int16_t(src[at[4]]), int16_t(src[at[5]]), int16_t(src[at[6]]), int16_t(src[at[7]]));
}
inline V Add32(V a, V b) { return _mm_add_epi32(a, b); }
inline V Sub32(V a, V b) { return _mm_sub_epi32(a, b); }
inline V Xor(V a, V b) { return _mm_xor_si128(a, b); }
inline V Sra31(V a) { return _mm_srai_epi32(a, 31); }
// The low 32 bits of each product (the same signed or not).
inline V Mul32(V a, V b) {
    const V even = _mm_mul_epu32(a, b);
    const V odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, 0x08), _mm_shuffle_epi32(odd, 0x08));
}
// (a * b) >> 40 of unsigned lanes, b the same in every lane.
inline V MulShift40(V a, V b) {
    const V even = _mm_srli_epi64(_mm_mul_epu32(a, b), 40);
    const V odd = _mm_slli_epi64(_mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(a, 32), b), 40), 32);
    return _mm_or_si128(even, odd);
}
#include "platform/pixel_kernels.inl"
} // namespace sse2

// Sixteen pixels to a 256-bit register, where the processor has AVX2.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
using V = __m256i;
constexpr int32_t N = 16;
inline V Load(const uint16_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
inline void Store(uint16_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
inline V Splat(uint16_t x) { return _mm256_set1_epi16(int16_t(x)); }
inline V And(V a, V b) { return _mm256_and_si256(a, b); }
inline V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); } // ~a & b
inline V Or(V a, V b) { return _mm256_or_si256(a, b); }
inline V Add(V a, V b) { return _mm256_add_epi16(a, b); }
inline V Sub(V a, V b) { return _mm256_sub_epi16(a, b); }
template <int K> inline V Shr(V a) { return K == 0 ? a : _mm256_srli_epi16(a, K); }
inline V Sra15(V a) { return _mm256_srai_epi16(a, 15); }
inline V Equal(V a, V b) { return _mm256_cmpeq_epi16(a, b); }
inline bool AllSet(V m) { return _mm256_movemask_epi8(m) == -1; }
inline V Select(V m, V a, V b) { return _mm256_blendv_epi8(b, a, m); }
// 32-bit lanes.
inline void Store32(int32_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
inline V Splat32(int32_t x) { return _mm256_set1_epi32(x); }
inline V Lanes32() { return _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7); }
inline V Pixels(const uint16_t* src, const int32_t* at) {
    return _mm256_setr_epi16(
        int16_t(src[at[0]]), int16_t(src[at[1]]), int16_t(src[at[2]]), int16_t(src[at[3]]),
        int16_t(src[at[4]]), int16_t(src[at[5]]), int16_t(src[at[6]]), int16_t(src[at[7]]),
        int16_t(src[at[8]]), int16_t(src[at[9]]), int16_t(src[at[10]]), int16_t(src[at[11]]),
        int16_t(src[at[12]]), int16_t(src[at[13]]), int16_t(src[at[14]]), int16_t(src[at[15]]));
}
inline V Add32(V a, V b) { return _mm256_add_epi32(a, b); }
inline V Sub32(V a, V b) { return _mm256_sub_epi32(a, b); }
inline V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
inline V Sra31(V a) { return _mm256_srai_epi32(a, 31); }
inline V Mul32(V a, V b) { return _mm256_mullo_epi32(a, b); }
inline V MulShift40(V a, V b) {
    const V even = _mm256_srli_epi64(_mm256_mul_epu32(a, b), 40);
    const V odd = _mm256_slli_epi64(_mm256_srli_epi64(_mm256_mul_epu32(_mm256_srli_epi64(a, 32), b), 40), 32);
    return _mm256_or_si256(even, odd);
}
#include "platform/pixel_kernels.inl"
} // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

Unit cap = Unit::Avx2;
const Kernels* active = nullptr;

Unit Widest() {
#ifdef VEX_X86_KERNELS
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? Unit::Avx2 : Unit::Sse2;
#else
    return Unit::Rows;
#endif
}

void Choose() {
    const Unit unit = std::min(Widest(), cap);
    active = &byrows::kKernels;
#ifdef VEX_X86_KERNELS
    if (unit == Unit::Sse2) active = &sse2::kKernels;
    if (unit == Unit::Avx2) active = &avx2::kKernels;
#endif
}

} // namespace

const Kernels& Rect() {
    if (!active) Choose();
    return *active;
}

void CapUnitForTests(Unit widest) {
    cap = widest;
    Choose();
}

} // namespace plat::rows
