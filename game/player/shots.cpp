#include "game/player/shots.h"

#include <span>

#include "game/player/controls.h"
#include "kit/system/kit_system.h"

namespace {

// One step of the burst path: while the clock lies in [from, to] the shot
// moves (dx, dy) pixels a frame. Between rows it holds still.
struct PathRow {
    float from;
    float to;
    int32_t dx;
    int32_t dy;
};

// The outer pair slides out, then rises and curves back hard; the inner
// pair curves back more gently. The mirror groups negate dx.
constexpr PathRow kSteepPath[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6}, {13, 15, 0, -6},
    {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 24, 3, -6}, {25, 27, 4, -6},  {28, 200, 5, -6},
};
constexpr PathRow kGentlePath[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6},
    {13, 15, 0, -6}, {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 250, 3, -6},
};

void StepAlong(std::span<const PathRow> path, bool mirror, BurstShot& shot) {
    for (const PathRow& row : path) {
        if (shot.pathTime < row.from || shot.pathTime > row.to) continue;
        shot.x += mirror ? -row.dx : row.dx;
        shot.y += row.dy;
        return;
    }
}

} // namespace

void MoveLaneShot(PlayerShot& shot, int32_t slot) {
    shot.y -= shot.speed;
    if (slot >= kRightLane)
        shot.x += shot.xStep;
    else if (slot >= kLeftLane)
        shot.x -= shot.xStep;
    if (shot.y < kShotTopLimit) shot.active = 0;
}

void MoveBurstShot(BurstShot& shot, int32_t slot) {
    shot.pathTime += 20.0f * frameDt;
    const int32_t group = slot / kBurstGroupSlots;
    const std::span<const PathRow> path = group < 2 ? std::span<const PathRow>(kSteepPath) : kGentlePath;
    StepAlong(path, group == 1 || group == 3, shot);
    if (shot.y < kShotTopLimit) {
        shot.active = 0;
        shot.pathTime = 0.0f;
    }
}
