#include "game/bosses/aimed_quad_volley.h"

#include <cmath>

#include "game/bosses/aimed_shot_pool.h"
#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

// The screen with a 20-pixel margin on the left and top.
constexpr float kCullLeft = -20.0f;
constexpr float kCullTopMargin = 20.0f;
constexpr float kCullRight = 800.0f;
constexpr float kCullBottom = 600.0f;

void Launch(const AimedQuadVolleyConsts& c, AimedQuadVolleyRecord& r, int32_t place) {
    r.active = 1;
    r.x = c.boss->x + c.launch[place].x;
    r.y = c.boss->y + c.launch[place].y;
    const int32_t roll = kitSystem::Random();
    r.speed = float(c.speedBase + roll % c.speedSpread);
    r.aimDx = playerX + c.aim - r.x;
    r.aimDy = playerY + c.aim - r.y;
    r.heading = AimedHeading(r.aimDx, r.aimDy, 0.0f);
}

} // namespace

void AimedQuadVolley_Schedule(const AimedQuadVolleyConsts& c) {
    for (AimedQuadVolleyRecord& r : c.pool) {
        r.counter += 1;
        // The due test below never sees the wrap value itself.
        if (r.counter >= c.wrap) r.counter = 0;
    }
    const int32_t n = int32_t(c.pool.size());
    for (int32_t i = 0; i < n && i / kQuadVolleyGroupSize < kQuadVolleyMaxGroups; ++i) {
        AimedQuadVolleyRecord& r = c.pool[i];
        if (r.counter == c.groupTicks[i / kQuadVolleyGroupSize] && r.active == 0)
            Launch(c, r, i % kQuadVolleyGroupSize);
    }
}

void AimedQuadVolley_Move(const AimedQuadVolleyConsts& c) {
    for (AimedQuadVolleyRecord& r : c.pool) {
        if (r.active == 1) {
            r.y += std::sin(r.heading) * r.speed * frameDt;
            r.x += std::cos(r.heading) * r.speed * frameDt;
        }
        if (r.x > kCullRight || r.x < kCullLeft || r.y + kCullTopMargin < 0.0f || r.y > kCullBottom ||
            clearEnemyShots == 1)
            ParkRecord(r);
        if (playerVulnerable == 0) continue;
        const float dx = r.x - playerX;
        const float dy = r.y - playerY;
        if (dx >= c.hitBox.lowX && dx <= c.hitBox.highX && dy >= c.hitBox.lowY && dy <= c.hitBox.highY) {
            // The shot is spent on the ship.
            ParkRecord(r);
            playerVulnerable = 0;
        }
    }
}

void AimedQuadVolley_Draw(const AimedQuadVolleyConsts& c) {
    const int32_t image = *c.image;
    for (const AimedQuadVolleyRecord& r : c.pool)
        if (r.active == 1) BlitKeyed(FloatToInt(r.x), FloatToInt(r.y), image, 0, 0, c.cell, c.cell);
}
