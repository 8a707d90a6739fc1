#include "game/enemies/formation_drop.h"

#include "game/enemies/bullet_rules.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/system/kit_system.h"

namespace {

constexpr KillBox kFormationDropBox = {10.0f, 30.0f, 20.0f, 30.0f};

void PlaceFormation(const FormationDrop& g) {
    const float ox = *g.ownerX;
    const float oy = *g.ownerY;
    for (int k = 0; k < g.records; ++k) {
        g.pool[k].x = ox + g.points[k].dx;
        g.pool[k].y = oy + g.points[k].dy;
    }
}

} // namespace

void FormationDrop_Fire(const FormationDrop& g) {
    for (int k = 0; k < g.records; ++k) {
        if (g.pool[k].active != 0) continue;
        g.pool[k].active = 1;
        PlaceFormation(g);
    }
}

void FormationDrop_Draw(const FormationDrop& g) {
    for (int k = 0; k < g.records; ++k) {
        FormationDropRecord& r = g.pool[k];
        const int32_t left = 20 * r.frame;
        if (g.additive)
            BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), *g.image, left, 0, left + 20, 20);
        else
            BlitKeyed(FloatToInt(r.x), FloatToInt(r.y), *g.image, left, 0, left + 20, 20);
        // The reset may start a frame beyond a short strip; it wraps at once
        // instead of running on past the picture.
        if (++r.frame >= g.cells) r.frame = 0;
    }
}

void FormationDrop_Move(const FormationDrop& g) {
    const float dt = frameDt;
    for (int k = 0; k < g.records; ++k) {
        FormationDropRecord& r = g.pool[k];
        if (r.active == 0) continue;
        r.vy = g.fallSpeed;
        for (int j = 0; j < g.records; ++j)
            if (g.drift[j] != 0.0f) g.pool[j].x += g.drift[j] * dt;
        r.y += r.vy * dt;
        if (r.y > 600.0f || clearEnemyShots == 1) ParkRecord(r);
        TestPlayer(r.x, r.y, kFormationDropBox);
    }
}
