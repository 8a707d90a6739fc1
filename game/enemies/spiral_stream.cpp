#include "game/enemies/spiral_stream.h"

#include <cmath>

#include "kit/draw/blend.h"
#include "kit/draw/rotate.h"
#include "kit/system/kit_system.h"

namespace {

double Degrees(float angle) { return static_cast<double>(angle) * 180.0 / kPatternPi; }

bool Scheduled(const SpiralSchedule& s, int32_t r) { return s.skipEvery == 0 || r % s.skipEvery != 0; }

} // namespace

void SpiralShot_Launch(SpiralStreamRecord& r, float x, float y, float speed, int32_t turn, int32_t k) {
    r.active = 1;
    r.x = x;
    r.y = y;
    r.speed = speed;
    r.angle = static_cast<float>(kSpiralStep * turn * k);
}

void SpiralShot_Step(SpiralStreamRecord& r, int32_t step) {
    const float s = static_cast<float>(step);
    r.y = r.y + s * (std::sin(r.angle) * r.speed * frameDt);
    r.x = r.x + s * (std::cos(r.angle) * r.speed * frameDt);
}

void SpiralShot_DrawAnimated(SpiralStreamRecord& r, int32_t image, int32_t cell, int32_t cells) {
    BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), image, cell * r.frame, 0, cell * r.frame + cell, cell);
    r.frame += 1;
    if (r.frame >= cells) r.frame = 0;
}

int32_t SpiralStream_BlitAngle(SpiralDraw form, float angle) {
    if (form == SpiralDraw::Rotated360Minus) return NormaliseAngle(FloatToInt(360.0 - Degrees(angle)));
    return NormaliseAngle(-FloatToInt(Degrees(angle)));
}

void SpiralStream_FireOne(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool, int32_t i,
                          int32_t k) {
    if (i < 0 || i >= static_cast<int32_t>(pool.size())) return;
    SpiralStreamRecord& r = pool[i];
    if (r.active != 0) return;
    SpiralShot_Launch(r, AddTerms(*c.owner.x, c.offsetX), AddTerms(*c.owner.y, c.offsetY), c.speed, c.turn,
                      k);
}

void SpiralStream_Schedule(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool) {
    const SpiralSchedule& s = c.schedule;
    int32_t& tick = *c.tick;
    tick += 1;
    if (tick >= s.wrap) tick = s.restart;
    for (int32_t r = s.first; r <= s.last; ++r)
        if (Scheduled(s, r) && tick == s.tickScale * (r + s.tickAdd))
            SpiralStream_FireOne(c, pool, r, r % 36);
}

void SpiralStream_Move(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool) {
    for (SpiralStreamRecord& r : pool) {
        if (r.active == 0) continue;
        SpiralShot_Step(r, c.step);
        if (r.x > 800.0f || r.x < -c.margin || r.y > 600.0f || r.y < -c.margin || clearEnemyShots == 1)
            ParkRecord(r);
        TestPlayer(r.x, r.y, c.box);
    }
}

void SpiralStream_Draw(const SpiralStreamConstants& c, std::span<SpiralStreamRecord> pool) {
    const int32_t img = *c.image;
    for (SpiralStreamRecord& r : pool) {
        if (c.draw == SpiralDraw::Animated) {
            SpiralShot_DrawAnimated(r, img, c.cell, c.cells);
            continue;
        }
        if (c.draw == SpiralDraw::RotatedNegative) r.angleDeg = FloatToInt(Degrees(r.angle));
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        BlitRotated(x, y, x + c.cell, y + c.cell, SpiralStream_BlitAngle(c.draw, r.angle), img, 0, 0, c.cell,
                    c.cell);
    }
}
