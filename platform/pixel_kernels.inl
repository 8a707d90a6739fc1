// The rectangle kernels, written once over a vector unit's operations and
// included by pixel_rows.cpp once per unit (each time inside its own namespace,
// after that unit's V, N and operations). No include guard on purpose.
//
// Every kernel leaves a destination pixel alone where its source pixel equals
// the kernel's pass value (black, or the key). The additive blend and the
// keyed copy step over a block of N pixels that all pass without touching the
// destination: glows are mostly black and background layers have wide keyed
// areas. The half blend does so little per block that the branch costs more
// than it saves.
//
// A row whose width is not a whole number of blocks ends with a block over
// its last N pixels, which overlaps the last whole block. Both blocks are read
// before either is written, so the overlap is worked twice from the same old
// values (and gets the same result twice), and no read waits on the write
// before it. Rows narrower than N go through the row kernels.

// Walks h rows; op(s, d, skip) gives the new destination block, keeping d in
// the lanes of skip.
template <class Op>
inline void WalkRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
                     const Op& op) {
    if (w < N) {
        for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch)
            op.Row(d, s, w);
        return;
    }
    const V pass = Splat(op.pass);
    const int32_t tail = w % N;
    // Whole blocks before the pair of the last whole block and the end block.
    const int32_t plain = tail == 0 ? w : w - tail - N;
    for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch) {
        for (int32_t c = 0; c < plain; c += N) {
            const V sv = Load(s + c);
            const V skip = Equal(sv, pass);
            if (Op::kSkipRuns && AllSet(skip)) continue;
            Store(d + c, op(sv, Load(d + c), skip));
        }
        if (tail != 0) {
            const V sa = Load(s + plain), sb = Load(s + w - N);
            const V skipA = Equal(sa, pass), skipB = Equal(sb, pass);
            if (Op::kSkipRuns && AllSet(And(skipA, skipB))) continue;
            const V da = Load(d + plain), db = Load(d + w - N);
            Store(d + plain, op(sa, da, skipA));
            Store(d + w - N, op(sb, db, skipB));
        }
    }
}

// Additive blend, all three 5-bit channels at once: each channel's low four
// bits are added with its top bit cleared (so no carry reaches the next
// channel), the top bits are put back, and a channel that overflowed has its
// five bits set. In 5-6-5 green's lowest bit is not one of them and ends 0.
template <int RS, int GS, bool TopBitBlack> struct AddOp {
    static constexpr bool kSkipRuns = true;
    static constexpr uint16_t kTops = uint16_t((0x10 << RS) | (0x10 << GS) | 0x10);
    static constexpr uint16_t kLows = uint16_t((0x0F << RS) | (0x0F << GS) | 0x0F);
    uint16_t pass = 0;
    void Row(uint16_t* d, const uint16_t* s, int32_t w) const { AdditiveRow<RS, GS, TopBitBlack>(d, s, w); }
    V operator()(V s, V d, V skip) const {
        const V dv = d;
        if constexpr (TopBitBlack) {
            // 5-5-5: a value with bit 15 set decodes as black.
            s = AndNot(Sra15(s), s);
            d = AndNot(Sra15(d), d);
        }
        const V tops = Splat(kTops), lows = Splat(kLows);
        const V sum = Add(And(s, lows), And(d, lows)); // carries land on the top bits
        const V st = And(s, tops), dt = And(d, tops), either = Xor(st, dt);
        const V over = Or(And(st, dt), And(either, sum));
        const V full = Or(Sub(over, Shr<4>(over)), over); // all five bits of an overflowed channel
        return Select(skip, dv, Or(Xor(sum, either), full));
    }
};

// ((s >> 1) & halfMask) + ((d >> 1) & halfMask).
struct HalfOp {
    static constexpr bool kSkipRuns = false;
    uint16_t pass = 0;
    uint16_t hm;
    V halfMask;
    void Row(uint16_t* d, const uint16_t* s, int32_t w) const { HalfRow(d, s, w, hm); }
    V operator()(V s, V d, V skip) const {
        return Select(skip, d, Add(And(Shr<1>(s), halfMask), And(Shr<1>(d), halfMask)));
    }
};

struct KeyedOp {
    static constexpr bool kSkipRuns = true;
    uint16_t pass;
    void Row(uint16_t* d, const uint16_t* s, int32_t w) const { KeyedRow(d, s, w, pass); }
    V operator()(V s, V d, V skip) const { return Select(skip, d, s); }
};

template <int RS, int GS, bool TopBitBlack>
void AdditiveRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h) {
    WalkRect(d, dpitch, s, spitch, w, h, AddOp<RS, GS, TopBitBlack>{});
}

void HalfRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
              uint16_t halfMask) {
    WalkRect(d, dpitch, s, spitch, w, h, HalfOp{0, halfMask, Splat(halfMask)});
}

void KeyedRect(uint16_t* d, ptrdiff_t dpitch, const uint16_t* s, ptrdiff_t spitch, int32_t w, int32_t h,
               uint16_t key) {
    WalkRect(d, dpitch, s, spitch, w, h, KeyedOp{key});
}

// t / 360 rounded toward zero, on 32-bit lanes with |t| < 2^31: the
// magnitude's quotient by a multiply and shift (exact below 3.2e9), then the
// sign put back.
inline V Quot360(V t) {
    const V m = Sra31(t);
    const V q = MulShift40(Sub32(Xor(t, m), m), Splat32(int32_t(0xB60B60B7u)));
    return Sub32(Xor(q, m), m);
}

// The storage indices of L consecutive pixels of a turned row.
inline V TurnLanes(V u, V v, V offX, V offY, V pitch) {
    return Add32(Mul32(Sub32(Quot360(v), offY), pitch), Sub32(Quot360(u), offX));
}

// N source pixels: the indices a vector at a time, the pixels one by one.
inline V Fetch(const uint16_t* src, V lo, V hi) {
    alignas(32) int32_t at[N];
    Store32(at, lo);
    Store32(at + N / 2, hi);
    return Pixels(src, at);
}

// The parts of a turn that every row shares, as vectors.
struct TurnLanesConst {
    static constexpr int32_t L = N / 2; // 32-bit lanes
    V uLanes, vLanes, uStep, vStep, ox, oy, p;

    explicit TurnLanesConst(const Turn& t)
        : uLanes(Mul32(Lanes32(), Splat32(t.c))), vLanes(Mul32(Lanes32(), Splat32(t.s))),
          uStep(Splat32(int32_t(uint32_t(t.c) * L))), vStep(Splat32(int32_t(uint32_t(t.s) * L))),
          ox(Splat32(t.offX)), oy(Splat32(t.offY)), p(Splat32(t.pitch)) {}

    // The N pixels from column i of a row whose accumulators start at (u, v).
    [[gnu::always_inline]] V At(const Turn& t, int32_t u, int32_t v, int32_t i) const {
        const V uv = Add32(Splat32(int32_t(uint32_t(u) + uint32_t(t.c) * uint32_t(i))), uLanes);
        const V vv = Add32(Splat32(int32_t(uint32_t(v) + uint32_t(t.s) * uint32_t(i))), vLanes);
        return Fetch(t.src, TurnLanes(uv, vv, ox, oy, p),
                     TurnLanes(Add32(uv, uStep), Add32(vv, vStep), ox, oy, p));
    }
};

// Turned rows. Rows of N pixels or more end, like the rectangles, with a
// block over their last N pixels, read before the block before it is written
// (the overlap gets the same values twice); shorter rows go pixel by pixel.
void TurnRows(const Turn& t, const TurnSpan* spans, int32_t count) {
    const TurnLanesConst k(t);
    const V zero = Splat(0);
    for (const TurnSpan* span = spans; span != spans + count; ++span) {
        uint16_t* d = span->d;
        const int32_t n = span->n;
        if (n < N) {
            int32_t u = span->u, v = span->v;
            for (int32_t i = 0; i < n; ++i, u += t.c, v += t.s) {
                const uint16_t px = t.src[(v / 360 - t.offY) * t.pitch + u / 360 - t.offX];
                d[i] = uint16_t((d[i] & -uint16_t(px == 0)) | px); // black keeps the screen's pixel
            }
            continue;
        }
        const int32_t tail = n % N;
        const int32_t plain = tail == 0 ? n : n - tail - N;
        for (int32_t i = 0; i < plain; i += N) {
            const V px = k.At(t, span->u, span->v, i);
            Store(d + i, Select(Equal(px, zero), Load(d + i), px));
        }
        if (tail != 0) {
            const V pa = k.At(t, span->u, span->v, plain), pb = k.At(t, span->u, span->v, n - N);
            const V da = Load(d + plain), db = Load(d + n - N);
            Store(d + plain, Select(Equal(pa, zero), da, pa));
            Store(d + n - N, Select(Equal(pb, zero), db, pb));
        }
    }
}

const Kernels kKernels = {&AdditiveRect<11, 6, false>, &AdditiveRect<10, 5, true>, &HalfRect, &KeyedRect,
                          &TurnRows};
