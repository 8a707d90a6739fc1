#pragma once
// AimedRingBurst: rings of bullets launched together on per-record ticks from
// one point, bullet i turned i steps from the direction toward the ship (i
// counting over the whole pool), so every ring is a full circle with one
// bullet aimed. The bullets are FanVolley's: its draw and move.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/fan_volley.h"
#include "game/enemies/pattern_support.h"

struct AimedRingBurstConstants {
    Owner owner;
    OffsetTerms offsetX;
    OffsetTerms offsetY;
    float speed;
    float aim;        // aim point: the ship's position plus this on both axes
    int32_t ringSize; // records per ring
    double step;      // radians between neighbouring records (2 pi / ringSize, or a fixed step)
    GroupSchedule schedule;
    FanShotLook look;
};

void AimedRingBurst_Schedule(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool);
// Launches record i unless it is flying.
void AimedRingBurst_FireOne(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool,
                            int32_t i);
void AimedRingBurst_Draw(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool);
void AimedRingBurst_Move(const AimedRingBurstConstants& c, std::span<AimedRingBurstRecord> pool);
