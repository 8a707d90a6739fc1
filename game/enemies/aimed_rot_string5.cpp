#include "game/enemies/aimed_rot_string5.h"

#include <cmath>

#include "game/enemies/enemy_shots.h"
#include "game/enemies/pattern_support.h"
#include "game/state/assets.h"
#include "kit/draw/rotate.h"
#include "kit/system/kit_system.h"

namespace {

template <typename Parent>
void Fire(const AimedRotString5Constants& c, std::span<RotString> pool, std::span<const Parent> parents) {
    const size_t strings = pool.size() < parents.size() ? pool.size() : parents.size();
    for (size_t p = 0; p < strings; ++p) {
        RotString& s = pool[p];
        for (int k = 0; k < kRotStringLength; ++k) {
            AimedRotString5Record& r = s[k];
            if (r.active != 0) continue;
            r.active = 1;
            r.x = parents[p].x + c.offsetX;
            r.y = parents[p].y + c.offsetY;
            // Every record of the string, flying or not, gets its speed again.
            for (int j = 0; j < kRotStringLength; ++j)
                s[j].speed = c.speed0 + c.speedStep * j;
            r.dx = playerX + c.aim - r.x;
            r.dy = playerY + c.aim - r.y;
            r.angle = AimedRotString5_Heading(r.dx, r.dy);
        }
    }
}

} // namespace

float AimedRotString5_Heading(float dx, float dy) { return AimHeadingFloat(dx, dy); }

int32_t AimedRotString5_BlitAngle(float angle) {
    return NormaliseAngle(270 - FloatToInt(static_cast<double>(angle) * 180.0 / 3.141592653589793));
}

void AimedRotString5_Fire(const AimedRotString5Constants& c, std::span<RotString> pool,
                          std::span<const EnemyRecordSpinJ> parents) {
    Fire(c, pool, parents);
}
void AimedRotString5_Fire(const AimedRotString5Constants& c, std::span<RotString> pool,
                          std::span<const EnemyRecordSpinK> parents) {
    Fire(c, pool, parents);
}

void AimedRotString5_Draw(const AimedRotString5Constants& c, std::span<RotString> pool) {
    const int32_t img = *c.image;
    for (RotString& s : pool) {
        for (AimedRotString5Record& r : s) {
            if (r.active == 0) continue;
            const int32_t x = FloatToInt(r.x);
            const int32_t y = FloatToInt(r.y);
            BlitRotated(x, y, x + c.cell, y + c.cell, AimedRotString5_BlitAngle(r.angle), img, 0, 0, c.cell,
                        c.cell);
        }
    }
}

void AimedRotString5_Move(const AimedRotString5Constants& c, std::span<RotString> pool) {
    for (RotString& s : pool) {
        for (AimedRotString5Record& r : s) {
            if (r.active != 0) {
                r.y += std::sin(r.angle) * r.speed * frameDt;
                r.x += std::cos(r.angle) * r.speed * frameDt;
            }
            // The string's bounds are its first record's, already moved in this pass.
            const float x0 = s[0].x;
            const float y0 = s[0].y;
            if (x0 + c.areaMargin < 0.0f || x0 > c.areaRight || y0 + c.areaMargin < 0.0f ||
                y0 > c.areaBottom || clearEnemyShots == 1)
                r.active = 0; // freed where it stands
            // Free records are tested too, at the place they were freed.
            TestPlayer(r.x, r.y, c.box);
        }
    }
}

// --- Kinds J and K ----------------------------------------------------------

constexpr AimedRotString5Constants kEnemyJShot1 = {
    .offsetX = 25.0f,
    .offsetY = 25.0f,
    .aim = 15.0f,
    .speed0 = 260.0f,
    .speedStep = 20.0f,
    .areaMargin = 30.0f,
    .areaRight = 800.0f,
    .areaBottom = 600.0f,
    .image = &imgVALL301,
    .cell = 30,
    .box = {0.0f, 30.0f, 10.0f, 30.0f},
};
constexpr AimedRotString5Constants kEnemyKShot1 = kEnemyJShot1;

void EnemyJ_Shot1_Draw() { AimedRotString5_Draw(kEnemyJShot1, enemyJShot1Pool); }
void EnemyJ_Shot1_Fire() {
    AimedRotString5_Fire(kEnemyJShot1, enemyJShot1Pool, std::span<const EnemyRecordSpinJ>(enemyJPool));
}
void EnemyJ_Shot1_Move() { AimedRotString5_Move(kEnemyJShot1, enemyJShot1Pool); }
void EnemyK_Shot1_Draw() { AimedRotString5_Draw(kEnemyKShot1, enemyKShot1Pool); }
void EnemyK_Shot1_Fire() {
    AimedRotString5_Fire(kEnemyKShot1, enemyKShot1Pool, std::span<const EnemyRecordSpinK>(enemyKPool));
}
void EnemyK_Shot1_Move() { AimedRotString5_Move(kEnemyKShot1, enemyKShot1Pool); }
