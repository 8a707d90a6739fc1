#pragma once
#include <cstdint>

namespace paint {

// Small seeded generator: every build draws the same numbers, so the sounds and the music come out
// byte for byte the same.
class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

    uint32_t Next() {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // 0 .. n-1
    int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint32_t>(n)) : 0; }
    // -1 .. 1
    double Signed() { return static_cast<double>(Next() >> 8) / 8388608.0 - 1.0; }
    bool Chance(int percent) { return Below(100) < percent; }
    // An index into weights[0..n-1], each chosen in proportion to its weight.
    int Pick(const int* weights, int n) {
        int total = 0;
        for (int i = 0; i < n; ++i)
            total += weights[i];
        int r = Below(total);
        for (int i = 0; i < n; ++i) {
            if (r < weights[i]) return i;
            r -= weights[i];
        }
        return n - 1;
    }

  private:
    uint32_t state_;
};

} // namespace paint
