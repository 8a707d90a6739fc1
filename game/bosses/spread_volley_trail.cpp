#include "game/bosses/spread_volley_trail.h"

#include "game/enemies/bullet_rules.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr int32_t kTickWrap = 150;
constexpr int32_t kTickSpacing = 10; // volley k is due at 10 (k + 1)
constexpr float kFallSpeed = 180.0f;
constexpr float kCullBottom = 600.0f;
constexpr KillBox kHitBox = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr int32_t kCell = 20;
constexpr int32_t kCells = 24;

// The arch: the middle shot starts lowest.
constexpr float kArchX[kSpreadVolleyWidth] = {-44.0f, -22.0f, 0.0f, 22.0f, 44.0f};
constexpr float kArchY[kSpreadVolleyWidth] = {50.0f, 73.0f, 80.0f, 73.0f, 50.0f};

int32_t Records(const SpreadVolleyTrailConsts& c) {
    return c.pool.size() < kSpreadVolleyShots ? int32_t(c.pool.size()) : kSpreadVolleyShots;
}

} // namespace

void SpreadVolleyTrail_Launch(const SpreadVolleyTrailConsts& c, int32_t i, int32_t first) {
    const int32_t n = Records(c);
    if (i < 0 || i >= n || first < 0 || first + kSpreadVolleyWidth > n) return;
    if (c.pool[i].active != 0) return;
    c.pool[i].active = 1;
    // The whole volley is placed, so partners still in flight jump back to
    // the boss although only record i is armed.
    const float middle = AddTerms(c.boss->x, c.centreX);
    const float by = c.boss->y;
    for (int32_t j = 0; j < kSpreadVolleyWidth; ++j) {
        SpreadShot& r = c.pool[first + j];
        r.x = middle + kArchX[j];
        r.y = by + kArchY[j];
    }
}

void SpreadVolleyTrail_Schedule(const SpreadVolleyTrailConsts& c) {
    const int32_t n = Records(c);
    for (int32_t i = 0; i < n; ++i) {
        c.pool[i].tick += 1;
        if (c.pool[i].tick >= kTickWrap) c.pool[i].tick = 0;
    }
    for (int32_t first = 0, k = 0; first + kSpreadVolleyWidth <= n; first += kSpreadVolleyWidth, ++k)
        for (int32_t i = first; i < first + kSpreadVolleyWidth; ++i)
            if (c.pool[i].tick == kTickSpacing * (k + 1)) SpreadVolleyTrail_Launch(c, i, first);
}

void SpreadVolleyTrail_Move(const SpreadVolleyTrailConsts& c) {
    const int32_t n = Records(c);
    // The outer shots of every volley drift, flying or parked; a launch
    // rewrites a parked shot's x, so that drift is never seen.
    for (int32_t first = 0; first + kSpreadVolleyWidth <= n; first += kSpreadVolleyWidth) {
        c.pool[first].x -= c.drift * frameDt;
        c.pool[first + kSpreadVolleyWidth - 1].x += c.drift * frameDt;
    }
    for (int32_t i = 0; i < n; ++i) {
        SpreadShot& r = c.pool[i];
        if (r.active == 0) continue;
        r.vy = kFallSpeed;
        r.y += r.vy * frameDt;
        r.x += r.vx * frameDt;
        // No bound on x: an outer shot off the side flies on until it passes
        // the bottom.
        if (r.y > kCullBottom || clearEnemyShots == 1) ParkRecord(r);
        TestPlayer(r.x, r.y, kHitBox);
    }
}

void SpreadVolleyTrail_Draw(const SpreadVolleyTrailConsts& c) {
    const int32_t n = Records(c);
    for (int32_t i = 0; i < n; ++i) {
        SpreadShot& r = c.pool[i];
        if (r.animFrame >= 0 && r.animFrame < kCells)
            BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), imgVAL2024, kCell * r.animFrame, 0,
                         kCell * r.animFrame + kCell, kCell);
        r.animFrame += 1;
        if (r.animFrame >= kCells || r.animFrame < 0) r.animFrame = 0;
    }
}
