#include "game/bosses/ring_emitter.h"

#include "game/enemies/spiral_stream.h"

void RingEmitter_FireOne(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool, int32_t i,
                         int32_t k) {
    if (i < 0 || i >= static_cast<int32_t>(pool.size())) return;
    RingEmitterRecord& r = pool[i];
    if (r.active != 0) return;
    const int32_t ring = i / kRingEmitterRingSize;
    if (ring >= kRingEmitterRings) return;
    SpiralShot_Launch(r, AddTerms(*c.owner.x, c.offsetX), AddTerms(*c.owner.y, c.offsetY), c.ringSpeed[ring],
                      c.turn, k);
}

void RingEmitter_Schedule(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool) {
    int32_t& tick = *c.tick;
    tick += 1;
    if (tick >= c.wrap) tick = c.restart;
    // k = i: the three records of a step are whole turns apart, so they leave
    // in one direction.
    const int32_t n = static_cast<int32_t>(pool.size());
    for (int32_t i = 0; i < n; ++i)
        if (tick == c.tickScale * (i % kRingEmitterRingSize + 1)) RingEmitter_FireOne(c, pool, i, i);
}

void RingEmitter_Move(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool) {
    const int32_t n = static_cast<int32_t>(pool.size());
    for (int32_t i = 0; i < n; ++i) {
        RingEmitterRecord& r = pool[i];
        if (r.active == 0) continue;
        const int32_t ring = i / kRingEmitterRingSize;
        const RingBounds& b = c.ringBounds[ring < kRingEmitterRings ? ring : kRingEmitterRings - 1];
        SpiralShot_Step(r, c.step);
        if (r.x > b.right || r.x < -c.margin || r.y > b.bottom || r.y < -c.margin || clearEnemyShots == 1)
            ParkRecord(r);
        TestPlayer(r.x, r.y, c.box);
    }
}

void RingEmitter_Draw(const RingEmitterConstants& c, std::span<RingEmitterRecord> pool) {
    const int32_t img = *c.image;
    for (RingEmitterRecord& r : pool)
        SpiralShot_DrawAnimated(r, img, c.cell, c.cells);
}
