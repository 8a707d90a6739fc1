#include "game/enemies/big_fan_volley.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/draw/rotate.h"
#include "kit/system/kit_system.h"

namespace {

constexpr double kFanStep = kPatternTwoPi / 30.0;

double Degrees(float angle) { return static_cast<double>(angle) * 180.0 / kPatternPi; }

} // namespace

int32_t BigFanVolley_BlitAngle(BigFanDraw form, float angle) {
    // A ship almost straight above the muzzle gives flight angles past 270 or
    // below -89 degrees; the blitter's table covers 0..359 only.
    if (form == BigFanDraw::RotatedLarge) return NormaliseAngle(270 - FloatToInt(Degrees(angle)));
    return NormaliseAngle(FloatToInt(360.0 - Degrees(angle) - 90.0));
}

void BigFanVolley_FireOne(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool, int32_t i,
                          int32_t groupBase) {
    if (i < 0 || i >= static_cast<int32_t>(pool.size())) return;
    BigFanVolleyRecord& r = pool[i];
    if (r.active == 1) return;
    LaunchAimedFromOwner(r, c);
    r.startX = r.x;
    r.startY = r.y;
    const int32_t turn = (i - groupBase) - c.centre;
    r.angle = static_cast<float>(AimBase(r.dx, r.dy) + turn * kFanStep);
    r.angle = AimTurnBack(r.angle, r.dx, r.dy);
}

void BigFanVolley_Schedule(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool) {
    RunGroupSchedule(c.schedule, pool, c.width,
                     [&](int32_t i, int32_t base) { BigFanVolley_FireOne(c, pool, i, base); });
}

void BigFanVolley_Draw(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool) {
    const int32_t img = *c.image;
    const int32_t cell = c.cell;
    for (BigFanVolleyRecord& r : pool) {
        const int32_t x = FloatToInt(r.x);
        const int32_t y = FloatToInt(r.y);
        switch (c.draw) {
        case BigFanDraw::Rotated:
            if (r.active != 1) break;
            BlitRotated(x, y, x + cell, y + cell, BigFanVolley_BlitAngle(c.draw, r.angle), img, 0, 0, cell,
                        cell);
            break;
        case BigFanDraw::RotatedLarge:
            r.angleDeg = FloatToInt(Degrees(r.angle));
            BlitRotated(x, y, x + cell, y + cell, BigFanVolley_BlitAngle(c.draw, r.angle), img, 0, 0, cell,
                        cell);
            break;
        case BigFanDraw::Animated:
            BlitAdditive(x, y, img, cell * r.frame, 0, cell * r.frame + cell, cell);
            r.frame += 1;
            if (r.frame >= c.cells) r.frame = 0;
            break;
        case BigFanDraw::Plain:
            BlitAdditive(x, y, img, 0, 0, cell, cell);
            break;
        }
    }
}

void BigFanVolley_Move(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool) {
    for (BigFanVolleyRecord& r : pool) {
        if (r.active != 1) continue;
        r.y += std::sin(r.angle) * r.speed * frameDt;
        r.x += std::cos(r.angle) * r.speed * frameDt;
        if (!(r.x <= 800.0f && r.x >= -c.margin && r.y <= 600.0f && r.y >= -c.margin && clearEnemyShots != 1))
            ParkRecord(r);
        TestPlayer(r.x, r.y, c.box);
    }
}

// --- Kinds O and P ----------------------------------------------------------

namespace {
// Slot 0 of the kind carries the guns, 120 px below its top.
constexpr Owner kSlot0O = {&enemyOPool[0].x, &enemyOPool[0].y};
constexpr Owner kSlot0P = {&enemyPPool[0].x, &enemyPPool[0].y};
} // namespace

constexpr BigFanVolleyConstants kEnemyOShot1 =
    CarriedBigFan(kSlot0O, 85.0f, 120.0f, 5, kCarriedFiveFans, &imgVALL302);
constexpr BigFanVolleyConstants kEnemyOShot2 =
    CarriedBigFan(kSlot0O, 5.0f, 120.0f, 3, kCarriedFourFans, &imgVALL301);
constexpr BigFanVolleyConstants kEnemyOShot3 =
    CarriedBigFan(kSlot0O, 165.0f, 120.0f, 3, kCarriedFourFans, &imgVALL301);
constexpr BigFanVolleyConstants kEnemyPShot1 =
    CarriedBigFan(kSlot0P, 85.0f, 120.0f, 5, kCarriedFiveFans, &imgVALL302);
constexpr BigFanVolleyConstants kEnemyPShot2 =
    CarriedBigFan(kSlot0P, 5.0f, 120.0f, 3, kCarriedFourFans, &imgVALL301);
constexpr BigFanVolleyConstants kEnemyPShot3 =
    CarriedBigFan(kSlot0P, 165.0f, 120.0f, 3, kCarriedFourFans, &imgVALL301);

void EnemyO_Shot1_Draw() { BigFanVolley_Draw(kEnemyOShot1, enemyOShot1Pool); }
void EnemyO_Shot1_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyOShot1, enemyOShot1Pool, i, groupBase);
}
void EnemyO_Shot1_FireVolleys() { BigFanVolley_Schedule(kEnemyOShot1, enemyOShot1Pool); }
void EnemyO_Shot1_Move() { BigFanVolley_Move(kEnemyOShot1, enemyOShot1Pool); }
void EnemyO_Shot2_Draw() { BigFanVolley_Draw(kEnemyOShot2, enemyOShot2Pool); }
void EnemyO_Shot2_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyOShot2, enemyOShot2Pool, i, groupBase);
}
void EnemyO_Shot2_FireVolleys() { BigFanVolley_Schedule(kEnemyOShot2, enemyOShot2Pool); }
void EnemyO_Shot2_Move() { BigFanVolley_Move(kEnemyOShot2, enemyOShot2Pool); }
void EnemyO_Shot3_Draw() { BigFanVolley_Draw(kEnemyOShot3, enemyOShot3Pool); }
void EnemyO_Shot3_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyOShot3, enemyOShot3Pool, i, groupBase);
}
void EnemyO_Shot3_FireVolleys() { BigFanVolley_Schedule(kEnemyOShot3, enemyOShot3Pool); }
void EnemyO_Shot3_Move() { BigFanVolley_Move(kEnemyOShot3, enemyOShot3Pool); }
void EnemyP_Shot1_Draw() { BigFanVolley_Draw(kEnemyPShot1, enemyPShot1Pool); }
void EnemyP_Shot1_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyPShot1, enemyPShot1Pool, i, groupBase);
}
void EnemyP_Shot1_FireVolleys() { BigFanVolley_Schedule(kEnemyPShot1, enemyPShot1Pool); }
void EnemyP_Shot1_Move() { BigFanVolley_Move(kEnemyPShot1, enemyPShot1Pool); }
void EnemyP_Shot2_Draw() { BigFanVolley_Draw(kEnemyPShot2, enemyPShot2Pool); }
void EnemyP_Shot2_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyPShot2, enemyPShot2Pool, i, groupBase);
}
void EnemyP_Shot2_FireVolleys() { BigFanVolley_Schedule(kEnemyPShot2, enemyPShot2Pool); }
void EnemyP_Shot2_Move() { BigFanVolley_Move(kEnemyPShot2, enemyPShot2Pool); }
void EnemyP_Shot3_Draw() { BigFanVolley_Draw(kEnemyPShot3, enemyPShot3Pool); }
void EnemyP_Shot3_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kEnemyPShot3, enemyPShot3Pool, i, groupBase);
}
void EnemyP_Shot3_FireVolleys() { BigFanVolley_Schedule(kEnemyPShot3, enemyPShot3Pool); }
void EnemyP_Shot3_Move() { BigFanVolley_Move(kEnemyPShot3, enemyPShot3Pool); }
