#include "game/enemies/random_aimed_shot.h"

#include <cmath>

#include "game/enemies/aimed_string5.h"
#include "game/enemies/bullet_rules.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

constexpr float kFromX = 42.0f;
constexpr float kFromY = 50.0f;
constexpr float kAimOffset = 22.0f;
constexpr int32_t kCells = 24;
constexpr float kSize = 16.0f;
constexpr float kRightLimit = 620.0f;
constexpr float kBottomLimit = 600.0f;
constexpr KillBox kKillBox{14.0f, 30.0f, 24.0f, 30.0f};

} // namespace

void RandomAimedShotDraw(const RandomAimedShot& g) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        RandomAimedShotRecord& r = g.pool[k];
        if (r.active == 0) continue;
        const int32_t a = r.animFrame;
        BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), imgVAL1624, 16 * a, 0, 16 * a + 16, 16);
        r.animFrame += 1;
        if (r.animFrame >= kCells) r.animFrame = 0;
    }
}

void RandomAimedShotFire(const RandomAimedShot& g) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        RandomAimedShotRecord& r = g.pool[k];
        if (r.active == 1) continue;
        r.active = 1;
        r.x = g.slots[k].x + kFromX;
        r.y = g.slots[k].y + kFromY;
        r.speed = float(kitSystem::Random() % 100 + 210);
        r.dx = (playerX + kAimOffset) - r.x;
        r.dy = (playerY + kAimOffset) - r.y;
        r.angle = AimedString5Heading(r.dx, r.dy);
    }
}

void RandomAimedShotMove(const RandomAimedShot& g) {
    for (int32_t k = 0; k < kSquadSlots; ++k) {
        RandomAimedShotRecord& r = g.pool[k];
        if (r.active == 1) {
            r.y += std::sin(r.angle) * r.speed * frameDt;
            r.x += std::cos(r.angle) * r.speed * frameDt;
        }
        if (r.x + kSize < 0.0f || r.x > kRightLimit || r.y + kSize < 0.0f || r.y > kBottomLimit ||
            clearEnemyShots == 1)
            ParkRecord(r);
        TestPlayer(r.x, r.y, kKillBox);
    }
}

namespace {

constexpr RandomAimedShot kSquadV2AShot1{squadV2AShot1Pool, squadV2ASlots};
constexpr RandomAimedShot kSquadV2BShot1{squadV2BShot1Pool, squadV2BSlots};
constexpr RandomAimedShot kSquadV2CShot1{squadV2CShot1Pool, squadV2CSlots};
constexpr RandomAimedShot kSquadV2DShot1{squadV2DShot1Pool, squadV2DSlots};

} // namespace

void SquadV2A_Shot1_Draw() { RandomAimedShotDraw(kSquadV2AShot1); }
void SquadV2A_Shot1_Fire() { RandomAimedShotFire(kSquadV2AShot1); }
void SquadV2A_Shot1_Move() { RandomAimedShotMove(kSquadV2AShot1); }
void SquadV2B_Shot1_Draw() { RandomAimedShotDraw(kSquadV2BShot1); }
void SquadV2B_Shot1_Fire() { RandomAimedShotFire(kSquadV2BShot1); }
void SquadV2B_Shot1_Move() { RandomAimedShotMove(kSquadV2BShot1); }
void SquadV2C_Shot1_Draw() { RandomAimedShotDraw(kSquadV2CShot1); }
void SquadV2C_Shot1_Fire() { RandomAimedShotFire(kSquadV2CShot1); }
void SquadV2C_Shot1_Move() { RandomAimedShotMove(kSquadV2CShot1); }
void SquadV2D_Shot1_Draw() { RandomAimedShotDraw(kSquadV2DShot1); }
void SquadV2D_Shot1_Fire() { RandomAimedShotFire(kSquadV2DShot1); }
void SquadV2D_Shot1_Move() { RandomAimedShotMove(kSquadV2DShot1); }
