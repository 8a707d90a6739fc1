#include "game/enemies/aimed_ring_burst.h"

void AimedRingBurst_FireOne(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool,
                            int32_t i) {
    if (i < 0 || i >= static_cast<int32_t>(pool.size())) return;
    AimedRingBurstRecord& r = pool[i];
    if (r.active == 1) return;
    LaunchAimedFromOwner(r, c);
    r.angle = static_cast<float>(AimBase(r.dx, r.dy) + i * c.step);
    r.angle = AimTurnBack(r.angle, r.dx, r.dy);
}

void AimedRingBurst_Schedule(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool) {
    RunGroupSchedule(c.schedule, pool, c.ringSize,
                     [&](int32_t i, int32_t) { AimedRingBurst_FireOne(c, pool, i); });
}

void AimedRingBurst_Draw(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool) {
    FanShots_Draw(c.look, pool);
}

void AimedRingBurst_Move(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool) {
    FanShots_Move(c.look, pool);
}
