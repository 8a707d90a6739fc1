#pragma once
// The collision pass: once per stage frame, the ship against the power-up
// item, then every live shot of the three pools moved and tested against
// every target of the target table.
#include <cstdint>

#include "game/player/target_table.h"

// Declared for the scenes in player_api.h as well.
void PlayerShotsUpdate();

// Tests one shot at whole pixels (sx, sy) against every target in table
// order with the boxes and points of `pass`. A boss hit in the wide and
// narrow passes frees the shot through `shotActive` (null: nothing to free).
// Nothing cuts the walk short: a shot can hit several targets at once.
void TestShotAgainstTargets(ShotPass pass, int32_t sx, int32_t sy, int32_t* shotActive);
