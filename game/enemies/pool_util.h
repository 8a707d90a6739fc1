#pragma once
#include <cstddef>
#include <cstdint>

// Set the hit flag of one slot. The collision code only passes indices of
// the pool, but a stray one must never write past it.
template <typename Record, std::size_t N> inline void MarkSlotHit(Record (&pool)[N], int32_t slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= N) return;
    pool[slot].hit = 1;
}

// One step of a wreck's explosion strip, after its cell was drawn: the frame
// moves on, past lastCell back to 0 and into the next pass. True once the
// second pass has run out; frame and pass are 0 again and the caller frees
// the record.
inline bool StepExplosionStrip(int32_t& frame, int32_t& pass, int32_t lastCell) {
    frame += 1;
    if (frame > lastCell) {
        frame = 0;
        pass += 1;
    }
    if (pass <= 1) return false;
    frame = 0;
    pass = 0;
    return true;
}
