#include "game/bosses/aimed_shot_pool.h"

#include <cmath>

#include "game/enemies/pattern_support.h"
#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/rotate.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The drifting pools bend sideways at half their speed (and down at a tenth)
// until their drift clock passes its limit; the clock restarts at each launch.
constexpr float kDriftClockRate = 260.0f;
constexpr float kDriftClockLimit = 300.0f;

// The screen, not the play field: a string may curve back in from the sides.
constexpr float kCullRight = 800.0f;
constexpr float kCullBottom = 600.0f;

int32_t Entries(const AimedShotPoolConsts& c) {
    return c.pool.size() < kShotPoolMaxEntries ? int32_t(c.pool.size()) : kShotPoolMaxEntries;
}

} // namespace

float AimedHeading(float aimDx, float aimDy, float offset) {
    // The offset is added before the half turn, each sum rounded to float.
    const float heading = float(double(AimBaseFloat(aimDx, aimDy)) + double(offset));
    return AimTurnBack(heading, aimDx, aimDy);
}

void AimedShotPool_Spawn(const AimedShotPoolConsts& c) {
    const int32_t n = Entries(c);
    for (int32_t i = 0; i < n; ++i) {
        AimedShotPoolRecord& r = c.pool[i];
        if (r.active == 1) continue;
        r.active = 1;
        if (c.drift != 0) r.driftClock = 0.0f;
        r.x = c.boss->x + c.launchX;
        r.y = c.boss->y + c.launchY;
        // Every entry's speed is rewritten, so entry k always flies at speed k.
        for (int32_t k = 0; k < n; ++k)
            c.pool[k].speed = c.speeds[k];
        r.aimDx = playerX + c.aim - r.x;
        r.aimDy = playerY + c.aim - r.y;
        r.heading = AimedHeading(r.aimDx, r.aimDy, c.headingOffset);
    }
}

void AimedShotPool_Move(const AimedShotPoolConsts& c) {
    const int32_t n = Entries(c);
    if (n == 0) return;
    for (int32_t i = 0; i < n; ++i) {
        AimedShotPoolRecord& r = c.pool[i];
        if (r.active == 1) {
            if (c.drift != 0) {
                r.driftClock += kDriftClockRate * frameDt;
                if (r.driftClock <= kDriftClockLimit) {
                    r.x += float(c.drift) * (r.speed * frameDt / 2.0f);
                    r.y += r.speed * frameDt / 10.0f;
                } else {
                    r.driftClock = kDriftClockLimit;
                }
            }
            r.y += std::sin(r.heading) * r.speed * frameDt;
            r.x += std::cos(r.heading) * r.speed * frameDt;
        }
        // Keyed to entry 0, the slowest: once it is off the screen every entry
        // of its volley is too, and the whole pool is freed where it stands.
        const AimedShotPoolRecord& first = c.pool[0];
        if (first.x + c.margin < 0.0f || first.x > kCullRight || first.y + c.margin < 0.0f ||
            first.y > kCullBottom)
            r.active = 0;
        // Free entries lie off the screen or parked, beyond the ship's reach.
        TestPlayer(r.x, r.y, c.hitBox);
    }
}

void AimedShotPool_Draw(const AimedShotPoolConsts& c) {
    const int32_t n = Entries(c);
    const int32_t image = *c.image;
    for (int32_t i = 0; i < n; ++i) {
        AimedShotPoolRecord& r = c.pool[i];
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        if (c.draw == ShotPoolDraw::Rotated) {
            const int32_t degrees = FloatToInt(double(r.heading) * 180.0 / kPi);
            BlitRotated(x, y, x + c.cell, y + c.cell, NormaliseAngle(270 - degrees), image, 0, 0, c.cell,
                        c.cell);
            continue;
        }
        // The world reset may leave a frame past the strip; such a record is
        // parked, and the wrap brings the frame back into the strip.
        if (r.frame >= 0 && r.frame < c.cells)
            BlitAdditive(x, y, image, c.cell * r.frame, 0, c.cell * r.frame + c.cell, c.cell);
        r.frame += 1;
        if (r.frame >= c.cells || r.frame < 0) r.frame = 0;
    }
}
