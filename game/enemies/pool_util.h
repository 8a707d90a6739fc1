#pragma once
#include <cstddef>
#include <cstdint>

// Set the hit flag of one slot. The collision code only passes indices of
// the pool, but a stray one must never write past it.
template <typename Record, std::size_t N> inline void MarkSlotHit(Record (&pool)[N], int32_t slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= N) return;
    pool[slot].hit = 1;
}
