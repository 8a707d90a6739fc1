#pragma once
// VerticalBeam: a flickering beam that hangs straight down from a point under
// the boss. Arming it places it and tests the ship once; the draw then shows
// three flicker cells and goes dark on the fourth, so a beam kept armed every
// frame flashes in a four-frame cycle. It has no move: it stays where it was
// armed while the boss sways, and a ship that flies into a running flash is
// safe until the next arming.
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/enemies/bullet_rules.h"

struct VerticalBeam {
    int32_t frame; // step of the current flash, 0..3 (0..9 right after a reset)
    float x;
    float y;
    int32_t active;
};

struct VerticalBeamConsts {
    VerticalBeam* beam;
    const BossRecord* boss;
    float launchX; // from the boss's x, y
    float launchY;
    KillBox hitBox;       // tested only by the arming call
    const int32_t* image; // cells side by side, read at draw time
    int32_t cellW;
    int32_t cellH;
};

// Arms an idle beam under the boss and tests the ship; a running flash is left
// alone.
void VerticalBeam_Spawn(const VerticalBeamConsts& c);
// Steps a running flash and draws its cell; the fourth step ends it.
void VerticalBeam_Draw(const VerticalBeamConsts& c);
