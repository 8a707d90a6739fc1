#include "game/bosses/paired_drop_shot.h"

#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr float kCullBottom = 600.0f;

int32_t Records(const PairedDropShotConsts& c) {
    return c.pool.size() < kDropShotMaxRecords ? int32_t(c.pool.size()) : kDropShotMaxRecords;
}

void Drift(const PairedDropShotConsts& c, int32_t n) {
    for (int32_t r = 0; r < n; ++r)
        c.pool[r].x += c.drift[r] * frameDt;
}

} // namespace

void PairedDropShot_Spawn(const PairedDropShotConsts& c) {
    const int32_t n = Records(c);
    for (int32_t i = 0; i < n; ++i) {
        DropShot& r = c.pool[i];
        if (r.active != 0) continue;
        r.active = 1;
        r.x = c.boss->x + c.launchX;
        r.y = c.boss->y + c.launchY;
    }
}

void PairedDropShot_Move(const PairedDropShotConsts& c) {
    const int32_t n = Records(c);
    for (int32_t i = 0; i < n; ++i) {
        if (c.driftEveryPass || i == 0) Drift(c, n);
        DropShot& r = c.pool[i];
        if (r.active == 0) continue;
        r.fallSpeed = c.fallSpeed;
        r.y += r.fallSpeed * frameDt;
        if (r.y > kCullBottom || clearEnemyShots == 1) ParkRecord(r);
        TestPlayer(r.x, r.y, c.hitBox);
    }
}

void PairedDropShot_Draw(const PairedDropShotConsts& c) {
    const int32_t n = Records(c);
    const int32_t image = *c.image;
    for (int32_t i = 0; i < n; ++i) {
        DropShot& r = c.pool[i];
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        if (c.cells == 0) {
            BlitKeyed(x, y, image, 0, 0, c.cell, c.cell);
            continue;
        }
        if (r.frame >= 0 && r.frame < c.cells)
            BlitKeyed(x, y, image, c.cell * r.frame, 0, c.cell * r.frame + c.cell, c.cell);
        r.frame += 1;
        if (r.frame >= c.cells || r.frame < 0) r.frame = 0;
    }
}
