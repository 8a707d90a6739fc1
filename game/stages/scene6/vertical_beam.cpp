#include "game/stages/scene6/vertical_beam.h"

#include "kit/draw/blend.h"
#include "kit/system/fint.h"

namespace {

constexpr int32_t kFlashSteps = 4; // three lit cells, then dark

} // namespace

void VerticalBeam_Spawn(const VerticalBeamConsts& c) {
    VerticalBeam& b = *c.beam;
    if (b.active == 1) return;
    // The flash step carries over: after a world reset it may already be past
    // the lit cells, and the first flash is cut short or never shows.
    b.active = 1;
    b.x = c.boss->x + c.launchX;
    b.y = c.boss->y + c.launchY;
    TestPlayer(b.x, b.y, c.hitBox);
}

void VerticalBeam_Draw(const VerticalBeamConsts& c) {
    VerticalBeam& b = *c.beam;
    if (b.active == 0) return;
    b.frame += 1;
    if (b.frame >= kFlashSteps) {
        b.frame = 0;
        b.active = 0;
    }
    if (b.frame >= 1 && b.frame <= 3) {
        const int32_t left = c.cellW * (b.frame - 1);
        BlitAdditive(FloatToInt(b.x), FloatToInt(b.y), *c.image, left, 0, left + c.cellW, c.cellH);
    }
}
