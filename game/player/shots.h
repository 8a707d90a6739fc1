#pragma once
// How the player's shots fly. Narrow and wide shots rise a whole number of
// pixels per frame, the side lanes drifting outward; burst shots follow a
// curved path chosen by their own clock. Neither uses frameDt for the step,
// so their speed on screen follows the frame rate.
#include <cstdint>

#include "game/player/player_pools.h"

// Shots whose top is above this are freed.
constexpr int32_t kShotTopLimit = -60;

// One frame of a narrow or wide shot in pool slot `slot`; frees it above the top.
void MoveLaneShot(PlayerShot& shot, int32_t slot);
// One frame of the burst shot in slot `slot`: its clock, its path step, and
// its release above the top.
void MoveBurstShot(BurstShot& shot, int32_t slot);
