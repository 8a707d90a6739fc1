#include "game/bosses/curving_stream.h"

#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr int32_t kStreamCycleShots = 50;
constexpr int32_t kCullBottom = 600;

void Step(const CurvingStreamConsts& c, CurvingShot& s, const CurvingStep& step) {
    s.x += step.dx * c.dxSign;
    s.y += step.dy;
}

} // namespace

void CurvingStream_Launch(const CurvingStreamConsts& c, int32_t i) {
    if (i < 0 || i >= int32_t(c.pool.size())) return;
    CurvingShot& s = c.pool[i];
    // A shot still flying when its turn comes again keeps its path.
    if (s.active != 0) return;
    s.active = 1;
    s.x = FloatToInt(c.boss->x) + c.launchX;
    s.y = FloatToInt(c.boss->y) + c.launchY;
}

void CurvingStream_Schedule(const CurvingStreamConsts& c) {
    int32_t& counter = *c.counter;
    counter += 1;
    // Shot 0's tick would be 0, which the counter never holds after its step.
    for (int32_t k = 1; k < kStreamCycleShots; ++k)
        if (counter == c.tickStep * k) CurvingStream_Launch(c, k);
    if (counter == c.tickStep * kStreamCycleShots) counter = 0;
}

void CurvingStream_Move(const CurvingStreamConsts& c) {
    for (CurvingShot& s : c.pool) {
        if (s.active == 0) continue;
        s.life += c.lifeRate * frameDt;
        for (const CurvingStep& step : c.path)
            if (s.life >= step.lo && s.life <= step.hi) Step(c, s, step);
        // A shot aged past the last bracket (a long frame, or a very slow
        // machine) would hang where it stands for ever: it keeps its last step
        // until it leaves the field.
        if (!c.path.empty() && s.life > c.path.back().hi) Step(c, s, c.path.back());
        if (s.y > kCullBottom) {
            s.active = 0;
            s.life = 0.0f;
            continue;
        }
        if (c.killsPlayer) TestPlayer(float(s.x), float(s.y), c.hitBox);
    }
}

void CurvingStream_Draw(const CurvingStreamConsts& c) {
    const int32_t image = *c.image;
    for (const CurvingShot& s : c.pool)
        if (s.active != 0) BlitAdditive(s.x, s.y, image, 0, 0, c.cell, c.cell);
}
