// The scene-6 boss's two beams, hanging from under its left and right sides.
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/assets.h"

namespace {

// Only the beam's top part kills: a ship lower down in it is safe.
constexpr KillBox kBeamBox = {-60.0f, 30.0f, -220.0f, 30.0f};

constexpr VerticalBeamConsts Beam(VerticalBeam* beam, float x) {
    return {
        .beam = beam,
        .boss = &scene6Boss,
        .launchX = x,
        .launchY = 205.0f,
        .hitBox = kBeamBox,
        .image = &imgVALARM51,
        .cellW = 90,
        .cellH = 400,
    };
}
constexpr VerticalBeamConsts kVerticalBeam1 = Beam(&scene6BossVerticalBeam1, 36.0f);
constexpr VerticalBeamConsts kVerticalBeam2 = Beam(&scene6BossVerticalBeam2, 254.0f);

} // namespace

void Scene6Boss_VerticalBeam1_Spawn() { VerticalBeam_Spawn(kVerticalBeam1); }
void Scene6Boss_VerticalBeam1_Draw() { VerticalBeam_Draw(kVerticalBeam1); }

void Scene6Boss_VerticalBeam2_Spawn() { VerticalBeam_Spawn(kVerticalBeam2); }
void Scene6Boss_VerticalBeam2_Draw() { VerticalBeam_Draw(kVerticalBeam2); }
