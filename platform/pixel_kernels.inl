// The rectangle kernels, written once over a vector unit's operations and
// included by pixel_rows.cpp once per unit (each time inside its own namespace,
// after that unit's V, N and operations). No include guard on purpose.
//
// Every kernel leaves a destination pixel alone where its source pixel equals
// the kernel's pass value (black, or the key); where the work per block is
// large, a block of N pixels that all pass is stepped over without touching
// the destination (a branch that only pays off there).
//
// A row whose width is not a whole number of blocks ends with a block over
// its last N pixels, which overlaps the last whole block; the overlap is
// left to the end block, and both blocks are read before either is written,
// so every pixel is worked once from its old value and no read waits on the
// write before it. Rows narrower than N go through the row kernels.

// Lanes [k, N) set, for 0 <= k <= N.
inline V LanesFrom(int32_t k) {
    static const uint16_t kTable[32] = {0,      0,      0,      0,      0,      0,      0,      0,
                                        0,      0,      0,      0,      0,      0,      0,      0,
                                        0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                        0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    static_assert(N <= 16);
    return Load(kTable + 16 - k);
}

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
    const V overlap = LanesFrom(tail);
    for (int32_t r = 0; r < h; ++r, d += dpitch, s += spitch) {
        for (int32_t c = 0; c < plain; c += N) {
            const V sv = Load(s + c);
            const V skip = Equal(sv, pass);
            if (Op::kSkipRuns && AllSet(skip)) continue;
            Store(d + c, op(sv, Load(d + c), skip));
        }
        if (tail != 0) {
            const V sa = Load(s + plain), da = Load(d + plain);
            const V sb = Load(s + w - N), db = Load(d + w - N);
            Store(d + plain, op(sa, da, Or(Equal(sa, pass), overlap)));
            Store(d + w - N, op(sb, db, Equal(sb, pass)));
        }
    }
}

// Additive blend: the three 5-bit channels are moved in turn to the top of
// each 16-bit lane, where the unsigned saturating add holds them at 31.
template <int RS, int GS, bool TopBitBlack> struct AddOp {
    static constexpr bool kSkipRuns = true;
    uint16_t pass = 0;
    void Row(uint16_t* d, const uint16_t* s, int32_t w) const { AdditiveRow<RS, GS, TopBitBlack>(d, s, w); }
    V operator()(V s, V d, V skip) const {
        const V dv = d;
        if constexpr (TopBitBlack) {
            // 5-5-5: a value with bit 15 set decodes as black.
            s = AndNot(Sra15(s), s);
            d = AndNot(Sra15(d), d);
        }
        const V top = Splat(0xF800);
        const V r = And(AddSat(And(Shl<11 - RS>(s), top), And(Shl<11 - RS>(d), top)), top);
        const V g = And(AddSat(And(Shl<11 - GS>(s), top), And(Shl<11 - GS>(d), top)), top);
        const V b = AddSat(Shl<11>(s), Shl<11>(d));
        return Select(skip, dv, Or(Or(Shr<11 - RS>(r), Shr<11 - GS>(g)), Shr<11>(b)));
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
    static constexpr bool kSkipRuns = false;
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

const Kernels kKernels = {&AdditiveRect<11, 6, false>, &AdditiveRect<10, 5, true>, &HalfRect, &KeyedRect};
