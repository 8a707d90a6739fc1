#pragma once
// BigFanVolley: aimed fans of 3 to 15 bullets, 12 degrees apart, launched on
// per-record ticks from the owner's record and flying straight. Kinds O and P,
// the large enemy D51 and the bosses fire it; the constants record holds every
// difference between them, down to the two ways of turning the rotated sprite.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/pattern_support.h"

enum class BigFanDraw : uint8_t {
    // Live records only, turned by 360 - deg - 90 truncated as one sum (deg
    // being the flight angle in degrees).
    Rotated,
    // Every record: the angle truncated to whole degrees first, then turned
    // by 270 minus that. The two rotated forms can differ by one degree.
    RotatedLarge,
    // Every record: cell `frame` of an additive strip, one cell per drawn frame.
    Animated,
    // Every record: the first cell, additive.
    Plain,
};

struct BigFanVolleyConstants {
    Owner owner;
    OffsetTerms offsetX;
    OffsetTerms offsetY;
    float aim; // aim point: the ship's position plus this on both axes
    float speed;
    int32_t width;  // bullets per volley
    int32_t centre; // the member that flies straight at the aim point
    GroupSchedule schedule;
    BigFanDraw draw;
    const int32_t* image;
    int32_t cell;  // square sprite or strip cell, pixels
    int32_t cells; // animation length (Animated)
    float margin;  // freed beyond -margin on the left and top, 800 and 600 on the others
    KillBox box;
};

void BigFanVolley_Schedule(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool);
// Launches record i, member i - groupBase of its volley, unless it is flying.
void BigFanVolley_FireOne(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool, int32_t i,
                          int32_t groupBase);
void BigFanVolley_Draw(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool);
void BigFanVolley_Move(const BigFanVolleyConstants& c, std::span<BigFanVolleyRecord> pool);

// The whole-degree turn a rotated form passes to the blitter for a flight
// angle in radians, brought into 0..359.
int32_t BigFanVolley_BlitAngle(BigFanDraw form, float angle);

// The guns kinds O and P and the large enemy D51 carry: a fan of five on a
// 260-tick cycle or fans of three on a 100-tick one, rotated 30-pixel bullets
// at 220 px/s turned about member 2 and aimed 15 px into the ship. Only the
// owner and the muzzle differ.
constexpr GroupSchedule kCarriedFiveFans = {260, {40, 80, 120, 160, 200}};
constexpr GroupSchedule kCarriedFourFans = {100, {20, 40, 60, 80, kNeverTick}};
static_assert(CoversGroups(kCarriedFiveFans, 5) && CoversGroups(kCarriedFourFans, 5));

constexpr BigFanVolleyConstants CarriedBigFan(const Owner& owner, float ox, float oy, int32_t width,
                                              const GroupSchedule& schedule, const int32_t* image) {
    return {
        .owner = owner,
        .offsetX = {ox},
        .offsetY = {oy},
        .aim = 15.0f,
        .speed = 220.0f,
        .width = width,
        .centre = 2,
        .schedule = schedule,
        .draw = BigFanDraw::Rotated,
        .image = image,
        .cell = 30,
        .cells = 1,
        .margin = 30.0f,
        .box = {0.0f, 30.0f, 10.0f, 30.0f},
    };
}

// Kinds O and P: a fan of five from the middle and fans of three from the
// sides, all from slot 0 of the kind.
extern const BigFanVolleyConstants kEnemyOShot1;
extern const BigFanVolleyConstants kEnemyOShot2;
extern const BigFanVolleyConstants kEnemyOShot3;
extern const BigFanVolleyConstants kEnemyPShot1;
extern const BigFanVolleyConstants kEnemyPShot2;
extern const BigFanVolleyConstants kEnemyPShot3;
void EnemyO_Shot1_Draw();
void EnemyO_Shot1_FireOne(int32_t i, int32_t groupBase);
void EnemyO_Shot1_FireVolleys();
void EnemyO_Shot1_Move();
void EnemyO_Shot2_Draw();
void EnemyO_Shot2_FireOne(int32_t i, int32_t groupBase);
void EnemyO_Shot2_FireVolleys();
void EnemyO_Shot2_Move();
void EnemyO_Shot3_Draw();
void EnemyO_Shot3_FireOne(int32_t i, int32_t groupBase);
void EnemyO_Shot3_FireVolleys();
void EnemyO_Shot3_Move();
void EnemyP_Shot1_Draw();
void EnemyP_Shot1_FireOne(int32_t i, int32_t groupBase);
void EnemyP_Shot1_FireVolleys();
void EnemyP_Shot1_Move();
void EnemyP_Shot2_Draw();
void EnemyP_Shot2_FireOne(int32_t i, int32_t groupBase);
void EnemyP_Shot2_FireVolleys();
void EnemyP_Shot2_Move();
void EnemyP_Shot3_Draw();
void EnemyP_Shot3_FireOne(int32_t i, int32_t groupBase);
void EnemyP_Shot3_FireVolleys();
void EnemyP_Shot3_Move();
