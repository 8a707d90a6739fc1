#include "game/enemies/fan_volley.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/system/kit_system.h"

namespace {

// Neighbouring bullets of a fan: 2 pi / 30, twelve degrees.
constexpr double kFanStep = kPatternTwoPi / 30.0;

template <typename Record>
void FireOne(const FanVolleyConstants& c, std::span<Record> pool, int32_t i, int32_t groupBase) {
    if (i < 0 || i >= static_cast<int32_t>(pool.size())) return;
    Record& r = pool[i];
    if (r.active == 1) return;
    LaunchAimedFromOwner(r, c);
    // The member's turn and the centring are added one after the other.
    const int32_t member = i - groupBase;
    r.angle = static_cast<float>(AimBase(r.dx, r.dy) + member * kFanStep - c.centre * kFanStep);
    r.angle = AimTurnBack(r.angle, r.dx, r.dy);
}

template <typename Record> void Schedule(const FanVolleyConstants& c, std::span<Record> pool) {
    RunGroupSchedule(c.schedule, pool, c.width, [&](int32_t i, int32_t base) { FireOne(c, pool, i, base); });
}

template <typename Record> void Draw(const FanShotLook& look, std::span<Record> pool) {
    const int32_t img = *look.image;
    for (Record& r : pool) {
        const int32_t left = look.cell * r.frame;
        BlitAdditive(FloatToInt(r.x), FloatToInt(r.y), img, left, 0, left + look.cell, look.cell);
        r.frame += 1;
        if (r.frame >= look.cells) r.frame = 0;
    }
}

template <typename Record> void Move(const FanShotLook& look, std::span<Record> pool) {
    for (Record& r : pool) {
        if (r.active != 1) continue;
        r.y += std::sin(r.angle) * r.speed * frameDt;
        r.x += std::cos(r.angle) * r.speed * frameDt;
        if (r.x > 800.0f || r.x < -look.margin || r.y > 600.0f || r.y < -look.margin || clearEnemyShots == 1)
            ParkRecord(r);
        TestPlayer(r.x, r.y, look.box);
    }
}

} // namespace

void FanVolley_Schedule(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool) { Schedule(c, pool); }
void FanVolley_Schedule(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool) {
    Schedule(c, pool);
}
void FanVolley_FireOne(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool, int32_t i,
                       int32_t groupBase) {
    FireOne(c, pool, i, groupBase);
}
void FanVolley_FireOne(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool, int32_t i,
                       int32_t groupBase) {
    FireOne(c, pool, i, groupBase);
}
void FanVolley_Draw(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool) { Draw(c.look, pool); }
void FanVolley_Draw(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool) { Draw(c.look, pool); }
void FanVolley_Move(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool) { Move(c.look, pool); }
void FanVolley_Move(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool) { Move(c.look, pool); }

void FanShots_Draw(const FanShotLook& look, std::span<FanVolleyRecord> pool) { Draw(look, pool); }
void FanShots_Draw(const FanShotLook& look, std::span<FanVolleyKindRecord> pool) { Draw(look, pool); }
void FanShots_Move(const FanShotLook& look, std::span<FanVolleyRecord> pool) { Move(look, pool); }
void FanShots_Move(const FanShotLook& look, std::span<FanVolleyKindRecord> pool) { Move(look, pool); }

// --- The enemy kinds' fans --------------------------------------------------

namespace {
constexpr FanShotLook kKindFanLook = {&imgVAL1, 16, 16, 16.0f, {14.0f, 30.0f, 24.0f, 30.0f}};
constexpr GroupSchedule kKindFanSchedule = {250, {40, 80, 120, 160, 200}};
static_assert(CoversGroups(kKindFanSchedule, 5));
} // namespace

constexpr FanVolleyConstants kEnemyJShot7 = {
    .owner = {&enemyJPool[0].x, &enemyJPool[0].y},
    .offsetX = {32.0f},
    .offsetY = {40.0f},
    .speed = 180.0f,
    .aim = 20.0f,
    .width = 5,
    .centre = 2,
    .schedule = kKindFanSchedule,
    .look = kKindFanLook,
};
constexpr FanVolleyConstants kEnemyKShot7 = {
    .owner = {&enemyKPool[0].x, &enemyKPool[0].y},
    .offsetX = {32.0f},
    .offsetY = {40.0f},
    .speed = 180.0f,
    .aim = 20.0f,
    .width = 5,
    .centre = 2,
    .schedule = kKindFanSchedule,
    .look = kKindFanLook,
};

void EnemyJ_Shot7_Draw() { FanVolley_Draw(kEnemyJShot7, enemyJShot7Pool); }
void EnemyJ_Shot7_Fire() { FanVolley_Schedule(kEnemyJShot7, enemyJShot7Pool); }
void EnemyJ_Shot7_Move() { FanVolley_Move(kEnemyJShot7, enemyJShot7Pool); }
void EnemyK_Shot7_Draw() { FanVolley_Draw(kEnemyKShot7, enemyKShot7Pool); }
void EnemyK_Shot7_Fire() { FanVolley_Schedule(kEnemyKShot7, enemyKShot7Pool); }
void EnemyK_Shot7_Move() { FanVolley_Move(kEnemyKShot7, enemyKShot7Pool); }
