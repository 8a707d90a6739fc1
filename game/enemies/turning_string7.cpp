#include "game/enemies/turning_string7.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/state/assets.h"
#include "kit/draw/rotate.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"

namespace {

// Bullet 0 is the slowest; the string is freed when it leaves.
constexpr float kSpeeds[7] = {223.0f, 231.0f, 238.0f, 244.0f, 248.0f, 251.0f, 253.0f};
constexpr float kMuzzle = 20.0f;
// The turn clock runs at 20 per second; the string turns while it is 0..17.
constexpr float kTurnClockRate = 20.0f;
constexpr float kTurnEnd = 17.0f;
constexpr float kPi = 3.14159265f;

// -36 degrees for the left-hand string, +36 for the right-hand one.
float StartHeading(const TurningString7Group& g) {
    const float h = float(twoPi / 10.0);
    return g.rightHand ? h : -h;
}

// Free in place: the record keeps its last position.
void FreeInPlace(const TurningString7Group& g, TurningString7Record& r) {
    r.active = 0;
    r.turnTimer = 0.0f;
    r.heading = StartHeading(g);
    r.driftX = 0.0f;
    r.driftY = 0.0f;
}

// The flight and drift steps, applied away from or toward the right.
float Side(const TurningString7Group& g, float value, float step) {
    return g.rightHand ? value + step : value - step;
}

} // namespace

void TurningString7Fire(const TurningString7Group& g) {
    for (int32_t s = 0; s < int32_t(g.pool.size()); ++s) {
        TurningString7Record(&string)[7] = g.pool[s];
        for (TurningString7Record& r : string) {
            if (r.active != 0) continue;
            r.active = 1;
            r.turnTimer = 0.0f;
            r.heading = StartHeading(g);
            r.driftX = 0.0f;
            r.driftY = 0.0f;
            r.x = g.owner.x(s) + kMuzzle;
            r.y = g.owner.y(s) + kMuzzle;
        }
        for (int32_t k = 0; k < 7; ++k)
            string[k].speed = kSpeeds[k];
    }
}

void TurningString7Draw(const TurningString7Group& g) {
    for (TurningString7Record(&string)[7] : g.pool) {
        for (const TurningString7Record& r : string) {
            if (r.active == 0) continue;
            const int32_t x = FloatToInt(r.x);
            const int32_t y = FloatToInt(r.y);
            const float degrees = r.heading * 180.0f / kPi;
            const int32_t angle = FloatToInt(g.rightHand ? 360.0f - degrees : -degrees);
            BlitRotated(x, y, x + 30, y + 30, NormaliseAngle(angle), *g.image, 0, 0, 30, 30);
        }
    }
}

void TurningString7Move(const TurningString7Group& g) {
    const KillBox box{0.0f, 30.0f, 10.0f, 30.0f};
    const double turnStep = g.rightHand ? twoPi / 320.0 : -twoPi / 320.0;
    for (TurningString7Record(&string)[7] : g.pool) {
        for (int32_t k = 0; k < 7; ++k) {
            TurningString7Record& r = string[k];
            if (r.active != 0) {
                const float dt = frameDt;
                r.y = Side(g, r.y, std::sin(r.heading) * r.speed * dt);
                r.x = Side(g, r.x, std::cos(r.heading) * r.speed * dt);
                r.turnTimer += kTurnClockRate * dt;
                // The turn is a step per frame, not per second: the string
                // turns less at lower frame rates.
                if (r.turnTimer >= 0.0f && r.turnTimer <= kTurnEnd) r.heading = float(r.heading + turnStep);
                if (r.turnTimer >= kTurnEnd) r.turnTimer = kTurnEnd + 1.0f;
                // Each drift is the one the previous move left, so the first
                // move after a fire has none.
                const float drift = float(16 - 7 * k);
                r.y -= r.driftY * dt;
                r.driftY = drift;
                r.x = Side(g, r.x, r.driftX * dt);
                r.driftX = drift;
            }
            // The whole string goes when its first bullet (already moved in
            // this pass) leaves the screen area.
            const TurningString7Record& lead = string[0];
            if (lead.x + 30.0f < 0.0f || lead.x > 800.0f || lead.y + 30.0f < 0.0f || lead.y > 600.0f)
                FreeInPlace(g, r);
            // Free records are tested too, where they were freed.
            TestPlayer(r.x, r.y, box);
        }
    }
}

namespace {

constexpr TurningString7Group kEnemyAShot1{enemyAShot1Pool, SlotsOf<enemyAPool>(), &imgVALL3015, false};
constexpr TurningString7Group kEnemyAShot2{enemyAShot2Pool, SlotsOf<enemyAPool>(), &imgVALL3016, true};

constexpr const TurningString7Group* kGroups[] = {&kEnemyAShot1, &kEnemyAShot2};

} // namespace

std::span<const TurningString7Group* const> TurningString7Groups() { return kGroups; }

void EnemyA_Shot1_Fire() { TurningString7Fire(kEnemyAShot1); }
void EnemyA_Shot1_Draw() { TurningString7Draw(kEnemyAShot1); }
void EnemyA_Shot1_Move() { TurningString7Move(kEnemyAShot1); }

void EnemyA_Shot2_Fire() { TurningString7Fire(kEnemyAShot2); }
void EnemyA_Shot2_Draw() { TurningString7Draw(kEnemyAShot2); }
void EnemyA_Shot2_Move() { TurningString7Move(kEnemyAShot2); }
