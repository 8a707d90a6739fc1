#include "game/bosses/straight_drop_stream.h"

#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr int32_t kTickWrap = 200;
constexpr int32_t kTickRestart = 10;
constexpr int32_t kTickSpacing = 10;
constexpr float kCullBottom = 600.0f;

} // namespace

void StraightDropStream_Schedule(const StraightDropStreamConsts& c) {
    for (StreamShot& r : c.pool) {
        r.tick += 1;
        if (r.tick >= kTickWrap) r.tick = kTickRestart;
    }
    const int32_t n = int32_t(c.pool.size());
    for (int32_t k = 0; k < n; ++k)
        if (c.pool[k].tick == kTickSpacing * (k + 1)) StraightDropStream_FireOne(c, k, k);
}

void StraightDropStream_FireOne(const StraightDropStreamConsts& c, int32_t i, int32_t j) {
    const int32_t n = int32_t(c.pool.size());
    if (i < 0 || i >= n || j < 0 || j >= n) return;
    if (c.pool[i].active != 0) return; // a shot still falling loses its turn
    c.pool[i].active = 1;
    c.pool[j].x = c.boss->x + c.launchX;
    c.pool[j].y = c.boss->y + c.launchY;
}

void StraightDropStream_Move(const StraightDropStreamConsts& c) {
    for (StreamShot& r : c.pool) {
        if (r.active == 0) continue;
        r.fallSpeed = c.fallSpeed;
        r.y += r.fallSpeed * frameDt;
        if (c.xSpeed != 0.0f) {
            r.xSpeed = c.xSpeed;
            r.x += r.xSpeed * frameDt;
        }
        if (r.y > kCullBottom || clearEnemyShots == 1) ParkRecord(r);
        TestPlayer(r.x, r.y, c.hitBox);
    }
}

void StraightDropStream_Draw(const StraightDropStreamConsts& c) {
    const int32_t image = *c.image;
    for (const StreamShot& r : c.pool)
        BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), image, 0, 0, c.cellW, c.cellH);
}
