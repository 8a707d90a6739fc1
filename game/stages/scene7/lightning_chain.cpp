#include "game/stages/scene7/lightning_chain.h"

#include <cmath>

#include "game/bosses/aimed_shot_pool.h"
#include "game/enemies/bullet_rules.h"
#include "game/state/player_state.h"
#include "kit/draw/gdi.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

// The bolt leaves the boss's middle, under its body.
constexpr float kLaunchX = 225.0f;
constexpr float kLaunchBack = -20.0f; // added after kLaunchX
constexpr float kLaunchY = 150.0f;
constexpr float kAim = 25.0f;
constexpr float kFirstSpeed = 260.0f;
constexpr float kSpeedStep = 20.0f;

// The screen, not the play field: a bolt aimed wide may cross the side panels.
constexpr float kAreaLeft = -20.0f;
constexpr float kAreaTop = -20.0f;
constexpr float kAreaRight = 800.0f;
constexpr float kAreaBottom = 600.0f;

constexpr KillBox kHitBox = {10.0f, 30.0f, 20.0f, 30.0f};

// Segment k runs from joint k to joint k + 1; the bolt thickens toward its
// head. Red and green are taken down by this frame's draws; blue stays low.
struct Segment {
    int32_t width;
    int32_t green;
};
constexpr Segment kSegments[kChainJoints - 1] = {{5, 230}, {6, 220}, {7, 210}, {8, 200}, {9, 230}};
constexpr int32_t kRed = 250;
constexpr int32_t kBlue = 5;
constexpr int32_t kFlicker = 100;

uint32_t ColourRef(int32_t red, int32_t green, int32_t blue) {
    return uint32_t(red & 255) | uint32_t(green & 255) << 8 | uint32_t(blue & 255) << 16;
}

} // namespace

void LightningChain_Spawn(const LightningChainConsts& c) {
    for (int j = 0; j < kChainJoints; ++j) {
        ChainJoint& joint = c.joints[j];
        if (joint.active != 0) continue;
        joint.active = 1;
        joint.x = c.boss->x + kLaunchX + kLaunchBack;
        joint.y = c.boss->y + kLaunchY;
        for (int k = 0; k < kChainJoints; ++k)
            c.joints[k].speed = kFirstSpeed + kSpeedStep * float(k);
        joint.aimDx = playerX + kAim - joint.x;
        joint.aimDy = playerY + kAim - joint.y;
        joint.angle = AimedHeading(joint.aimDx, joint.aimDy, c.turn);
    }
}

void LightningChain_Move(const LightningChainConsts& c) {
    const ChainJoint& first = c.joints[0];
    for (int j = 0; j < kChainJoints; ++j) {
        ChainJoint& joint = c.joints[j];
        if (joint.active != 0) {
            joint.y += std::sin(joint.angle) * joint.speed * frameDt;
            joint.x += std::cos(joint.angle) * joint.speed * frameDt;
        }
        // Keyed to joint 0: once the slowest is off the screen, so is the
        // rest of the bolt. Freed joints stay where they are.
        if (!(first.x >= kAreaLeft && first.x <= kAreaRight && first.y >= kAreaTop && first.y <= kAreaBottom))
            joint.active = 0;
        // Free joints are tested too; every one of them lies off the screen.
        TestPlayer(joint.x, joint.y, kHitBox);
    }
}

void LightningChain_Draw(const LightningChainConsts& c) {
    // Drawn every frame, bolt or not, so the random stream advances by two
    // per chain per frame.
    const int32_t r1 = kitSystem::Random() % kFlicker;
    const int32_t r2 = kitSystem::Random() % kFlicker;
    if (c.joints[0].active == 0) return;
    for (int k = 0; k < kChainJoints - 1; ++k) {
        const ChainJoint& from = c.joints[k];
        const ChainJoint& to = c.joints[k + 1];
        GdiLine(FloatToInt(from.x), FloatToInt(from.y), FloatToInt(to.x), FloatToInt(to.y),
                ColourRef(kRed - r1, kSegments[k].green - r2, kBlue), kSegments[k].width);
    }
}
