#pragma once
// The power-up item: it falls from the top of the play field inside the
// stage scripts' windows; touching it turns the side shots on and adds
// bombs. Its record and the power state live in powerItem (player_pools.h).
#include <cstdint>

constexpr int32_t kPowerItemPoints = 500;

// Declared for the scenes in player_api.h as well.
void PowerItem_Spawn();
void PowerItem_Draw();
void PowerItem_Move();
// The touch, found by PlayerShotsUpdate; applied by the next PowerItem_Draw.
void PowerItem_PickUp();
