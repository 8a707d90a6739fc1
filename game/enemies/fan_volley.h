#pragma once
// FanVolley: volleys of aimed bullets spread in a fan, 12 degrees apart and
// centred on the ship, launched on per-record ticks. The enemy kinds' form
// (kinds J and K) fires from slot 0 of the kind through its Fire; the
// launch-one form of the large enemies and bosses fires from the owner's
// record through Schedule and FireOne. Both forms are the same code over two
// record layouts.
//
// The fan bullet's draw and move are shared with AimedRingBurst.
#include <cstdint>
#include <span>

#include "game/enemies/bullet_records.h"
#include "game/enemies/bullet_rules.h"
#include "game/enemies/pattern_support.h"

// How a fan or ring bullet is drawn and when it leaves: an additive strip of
// square cells, one per drawn frame, on every record, free ones included
// (they lie outside the clip rectangle); freed beyond x 800, y 600 or the
// margin above and to the left, or while clearEnemyShots is 1.
struct FanShotLook {
    const int32_t* image;
    int32_t cell;  // cell size in pixels
    int32_t cells; // animation length
    float margin;
    KillBox box;
};

struct FanVolleyConstants {
    Owner owner;
    OffsetTerms offsetX;
    OffsetTerms offsetY;
    float speed;
    float aim;      // aim point: the ship's position plus this on both axes
    int32_t width;  // bullets per volley
    int32_t centre; // the member that flies straight at the aim point
    GroupSchedule schedule;
    FanShotLook look;
};

// One tick of the schedule (the kinds' Fire is the same call).
void FanVolley_Schedule(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool);
void FanVolley_Schedule(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool);
// Launches record i, member i - groupBase of its volley, unless it is flying.
void FanVolley_FireOne(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool, int32_t i,
                       int32_t groupBase);
void FanVolley_FireOne(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool, int32_t i,
                       int32_t groupBase);
void FanVolley_Draw(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool);
void FanVolley_Draw(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool);
void FanVolley_Move(const FanVolleyConstants& c, std::span<FanVolleyRecord> pool);
void FanVolley_Move(const FanVolleyConstants& c, std::span<FanVolleyKindRecord> pool);

// The fan bullet itself, for the templates that fire it.
void FanShots_Draw(const FanShotLook& look, std::span<FanVolleyRecord> pool);
void FanShots_Draw(const FanShotLook& look, std::span<FanVolleyKindRecord> pool);
void FanShots_Move(const FanShotLook& look, std::span<FanVolleyRecord> pool);
void FanShots_Move(const FanShotLook& look, std::span<FanVolleyKindRecord> pool);

// The kinds' instances: five fans of five from slot 0 of kind J or K.
extern const FanVolleyConstants kEnemyJShot7;
extern const FanVolleyConstants kEnemyKShot7;
void EnemyJ_Shot7_Draw();
void EnemyJ_Shot7_Fire();
void EnemyJ_Shot7_Move();
void EnemyK_Shot7_Draw();
void EnemyK_Shot7_Fire();
void EnemyK_Shot7_Move();
