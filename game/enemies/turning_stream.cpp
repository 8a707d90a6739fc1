#include "game/enemies/turning_stream.h"

#include <cmath>

#include "game/enemies/bullet_rules.h"
#include "kit/draw/rotate.h"
#include "kit/system/kit_system.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr KillBox kTurningStreamBox = {0.0f, 30.0f, 10.0f, 30.0f};
constexpr float kTimerRate = 20.0f; // timer units per second

float StartHeading(const TurningStream& s) { return float(s.mirror ? 2 * kPi / 10 : -2 * kPi / 10); }

void Release(const TurningStream& s, TurningStreamRecord& r) {
    // Where it was released is where it stays.
    r.active = 0;
    r.turnTimer = 0.0f;
    r.heading = StartHeading(s);
    r.driftX = 0.0f;
    r.driftY = 0.0f;
}

bool OffScreen(const TurningStreamRecord& r) {
    return r.x + 30.0f < 0.0f || r.x > 800.0f || r.y + 30.0f < 0.0f || r.y > 600.0f;
}

} // namespace

void TurningStream_Fire(const TurningStream& s) {
    for (int k = 0; k < kTurningStreamRecords; ++k) {
        TurningStreamRecord& r = s.pool[k];
        if (r.active != 0) continue;
        r.active = 1;
        r.turnTimer = 0.0f;
        r.heading = StartHeading(s);
        r.driftX = 0.0f;
        r.driftY = 0.0f;
        r.x = *s.ownerX + s.offsetX;
        r.y = *s.ownerY + s.offsetY;
        for (int j = 0; j < kTurningStreamRecords; ++j)
            s.pool[j].speed = s.speeds[j];
    }
}

void TurningStream_Draw(const TurningStream& s) {
    for (int k = 0; k < kTurningStreamRecords; ++k) {
        const TurningStreamRecord& r = s.pool[k];
        if (r.active == 0) continue;
        const double degrees = r.heading * 180.0 / kPi;
        const int32_t angle = NormaliseAngle(FloatToInt(s.mirror ? 360.0 - degrees : -degrees));
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        const int32_t img = k == kTurningStreamRecords - 1 ? *s.headImage : *s.bodyImage;
        BlitRotated(x, y, x + 30, y + 30, angle, img, 0, 0, 30, 30);
    }
}

void TurningStream_Move(const TurningStream& s) {
    const float dt = frameDt;
    const double sign = s.mirror ? 1.0 : -1.0;
    const TurningStreamRecord& tail = s.pool[0];
    for (int k = 0; k < kTurningStreamRecords; ++k) {
        TurningStreamRecord& r = s.pool[k];
        if (r.active != 0) {
            r.y = float(r.y + sign * std::sin(double(r.heading)) * r.speed * dt);
            r.x = float(r.x + sign * std::cos(double(r.heading)) * r.speed * dt);
            r.turnTimer += kTimerRate * dt;
            if (r.turnTimer >= 0.0f && r.turnTimer <= s.turnLimit)
                r.heading = float(r.heading + sign * s.turnStep);
            if (r.turnTimer >= s.turnLimit) r.turnTimer = s.turnLimit + 1.0f;
            // The drift lags one frame behind: 0 on the first move.
            const float drift = float(16 - 7 * k);
            r.y -= r.driftY * dt;
            r.driftY = drift;
            if (s.mirror)
                r.x += r.driftX * dt;
            else
                r.x -= r.driftX * dt;
            r.driftX = drift;
        }
        if (OffScreen(tail)) Release(s, r);
        // A released record keeps its last position, which may still lie on
        // the screen: only records in play can strike the ship, unless the
        // instance tests them all.
        if (r.active != 0 || s.testsReleased) TestPlayer(r.x, r.y, kTurningStreamBox);
    }
}
