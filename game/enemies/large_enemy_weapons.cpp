#include "game/enemies/large_enemy_weapons.h"

#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/fan_volley.h"
#include "game/enemies/formation_drop.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/spiral_stream.h"
#include "game/enemies/timed_volley.h"
#include "game/enemies/turning_stream.h"
#include "game/state/assets.h"

namespace {

constexpr double kPi = 3.141592653589793;

// --- Formation drops ------------------------------------------------------------

constexpr FormationDrop kS53LShot3 =
    SquareDrop(largeEnemyS53LShot3Pool, &largeEnemyS53L.x, &largeEnemyS53L.y, false, 140.0f, &imgVAL2024, 24);
constexpr FormationDrop kS53RShot3 =
    SquareDrop(largeEnemyS53RShot3Pool, &largeEnemyS53R.x, &largeEnemyS53R.y, false, 140.0f, &imgVAL2024, 24);
// The left one falls faster than its mirror.
constexpr FormationDrop kS50LShot3 =
    SquareDrop(largeEnemyS50LShot3Pool, &largeEnemyS50L.x, &largeEnemyS50L.y, true, 150.0f, &imgVAL2024, 24);
constexpr FormationDrop kS50RShot3 =
    SquareDrop(largeEnemyS50RShot3Pool, &largeEnemyS50R.x, &largeEnemyS50R.y, true, 140.0f, &imgVAL2024, 24);
constexpr FormationDrop kS54LShot1 = ColumnDrop(largeEnemyS54LShot1Pool, &largeEnemyS54L.x, &largeEnemyS54L.y,
                                                120.0f, 60.0f, 150.0f, &imgVAL2024, 24, true);
constexpr FormationDrop kS54RShot1 = ColumnDrop(largeEnemyS54RShot1Pool, &largeEnemyS54R.x, &largeEnemyS54R.y,
                                                120.0f, 60.0f, 150.0f, &imgVAL2024, 24, true);
constexpr FormationDrop kT60Shot1 = ColumnDrop(largeEnemyT60Shot1Pool, &largeEnemyT60.x, &largeEnemyT60.y,
                                               240.0f, 40.0f, 180.0f, &imgVAL201, 7, false);

// --- Turning streams --------------------------------------------------------------

constexpr TurningStream S50Stream(TurningStreamRecord* pool, const LargeEnemyStopRecord& owner, bool mirror) {
    return {pool,
            &owner.x,
            &owner.y,
            85.0f,
            10.0f,
            {163, 171, 178, 184, 188, 191, 193},
            mirror,
            2 * kPi / 280,
            35.0f,
            mirror ? &imgVAL3018A : &imgVAL3017A,
            mirror ? &imgVALL3018 : &imgVALL3017};
}

constexpr TurningStream kS50LShot1 = S50Stream(largeEnemyS50LShot1Pool, largeEnemyS50L, false);
constexpr TurningStream kS50LShot2 = S50Stream(largeEnemyS50LShot2Pool, largeEnemyS50L, true);
constexpr TurningStream kS50RShot1 = S50Stream(largeEnemyS50RShot1Pool, largeEnemyS50R, false);
constexpr TurningStream kS50RShot2 = S50Stream(largeEnemyS50RShot2Pool, largeEnemyS50R, true);

// --- The descending copies' weapons ------------------------------------------------

constexpr Owner kD51 = {&largeEnemyD51.x, &largeEnemyD51.y};
constexpr Owner kD52 = {&largeEnemyD52.x, &largeEnemyD52.y};

// The guns of kinds O and P, 130 px below the top of the body.
constexpr BigFanVolleyConstants kD51Shot1 =
    CarriedBigFan(kD51, 105.0f, 130.0f, 5, kCarriedFiveFans, &imgVALL302);
constexpr BigFanVolleyConstants kD51Shot2 =
    CarriedBigFan(kD51, 25.0f, 130.0f, 3, kCarriedFourFans, &imgVALL301);
constexpr BigFanVolleyConstants kD51Shot3 =
    CarriedBigFan(kD51, 185.0f, 130.0f, 3, kCarriedFourFans, &imgVALL301);

// Pairs 8 and 9 have no tick in the cycle and never fly.
constexpr GroupSchedule kPairs = {150, {10, 20, 30, 70, 80, 90, 130, 140, kNeverTick, kNeverTick}};
static_assert(CoversGroups(kPairs, 10));

// A pair launched `centre` right of the owner, `half` to each side of it;
// the opening form parts 120 px/s each way and shows two pictures.
constexpr TimedVolleyConstants Pairs(const Owner& owner, float centre, float half, bool opening) {
    return {
        .owner = owner,
        .width = 2,
        .schedule = kPairs,
        .xWrite = VolleyX::Pair,
        .x = {centre, -half},
        .xRight = {centre, half},
        .yOffset = {130.0f, 130.0f},
        .drift = {opening ? -120.0f : 0.0f, opening ? 120.0f : 0.0f},
        .fall = opening ? 250.0f : 280.0f,
        .box = {0.0f, 20.0f, 0.0f, 20.0f},
        .image = &imgVAL405,
        .cellW = 40,
        .cellH = 40,
        .cellLeft = {opening ? 80 : 120, opening ? 160 : 120},
    };
}

constexpr TimedVolleyConstants kD51Shot4 = Pairs(kD51, 100.0f, 40.0f, false);
constexpr TimedVolleyConstants kD51Shot5 = Pairs(kD51, 100.0f, 40.0f, true);
constexpr TimedVolleyConstants kD52Shot1 = Pairs(kD52, 80.0f, 40.0f, false);
constexpr TimedVolleyConstants kD52Shot2 = Pairs(kD52, 80.0f, 40.0f, true);

constexpr FanShotLook kFanLook = {&imgVAL3, 16, 16, 16.0f, {14.0f, 30.0f, 24.0f, 30.0f}};
constexpr GroupSchedule kFansOf370 = {370, {60, 120, 180, 240, 300}};
constexpr GroupSchedule kFansOf430 = {430, {70, 140, 210, 280, 350}};
static_assert(CoversGroups(kFansOf370, 5) && CoversGroups(kFansOf430, 5));

constexpr FanVolleyConstants Fans(const Owner& owner, float ox, float speed, const GroupSchedule& schedule) {
    return {
        .owner = owner,
        .offsetX = {ox},
        .offsetY = {70.0f},
        .speed = speed,
        .aim = 20.0f,
        .width = 5,
        .centre = 2,
        .schedule = schedule,
        .look = kFanLook,
    };
}

constexpr FanVolleyConstants kD51Shot6 = Fans(kD51, 112.0f, 150.0f, kFansOf370);
constexpr FanVolleyConstants kD51Shot7 = Fans(kD51, 2.0f, 160.0f, kFansOf370);
constexpr FanVolleyConstants kD51Shot8 = Fans(kD51, 222.0f, 160.0f, kFansOf370);
constexpr FanVolleyConstants kD52Shot3 = Fans(kD52, 92.0f, 130.0f, kFansOf430);

// A ring every 60 ticks from 60 to 600, then 120 ticks without one.
constexpr GroupSchedule kRings = {660, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
static_assert(CoversGroups(kRings, 10));

constexpr AimedRingBurstConstants kD52Shot4 = {
    .owner = kD52,
    .offsetX = {92.0f},
    .offsetY = {32.0f},
    .speed = 150.0f,
    .aim = 20.0f,
    .ringSize = 12,
    .step = kPatternTwoPi / 12,
    .schedule = kRings,
    .look = kFanLook,
};

// --- The S53 spirals ------------------------------------------------------------------

// One bullet every 2 ticks from tick 2 to 68 of a 70-tick cycle: records 1 to
// 34, so records 0 and 35 never fly.
constexpr SpiralSchedule kSpiralCadence = {
    .wrap = 70, .restart = 0, .first = 1, .last = 34, .tickScale = 2, .tickAdd = 0};

// Shot1 starts pointing left and winds one way, Shot2 starts pointing right
// and winds the other; the stage schedules both on the owner's two ticks.
constexpr SpiralStreamConstants Spiral(LargeEnemyStopRecord& owner, bool right) {
    return {
        .owner = {&owner.x, &owner.y},
        .tick = right ? &owner.spiralTick2 : &owner.spiralTick1,
        .offsetX = {right ? 135.0f : 35.0f},
        .offsetY = {100.0f},
        .turn = right ? 1 : -1,
        .step = right ? 1 : -1,
        .speed = 110.0f,
        .schedule = kSpiralCadence,
        .draw = right ? SpiralDraw::Rotated360Minus : SpiralDraw::RotatedNegative,
        .image = right ? &imgVALL3014 : &imgVALL3013,
        .cell = 30,
        .cells = 1,
        .margin = 30.0f,
        .box = {0.0f, 30.0f, 10.0f, 30.0f},
    };
}

constexpr SpiralStreamConstants kS53LShot1 = Spiral(largeEnemyS53L, false);
constexpr SpiralStreamConstants kS53LShot2 = Spiral(largeEnemyS53L, true);
constexpr SpiralStreamConstants kS53RShot1 = Spiral(largeEnemyS53R, false);
constexpr SpiralStreamConstants kS53RShot2 = Spiral(largeEnemyS53R, true);

} // namespace

void LargeEnemyS53L_Shot3_Fire() { FormationDrop_Fire(kS53LShot3); }
void LargeEnemyS53L_Shot3_Draw() { FormationDrop_Draw(kS53LShot3); }
void LargeEnemyS53L_Shot3_Move() { FormationDrop_Move(kS53LShot3); }
void LargeEnemyS53R_Shot3_Fire() { FormationDrop_Fire(kS53RShot3); }
void LargeEnemyS53R_Shot3_Draw() { FormationDrop_Draw(kS53RShot3); }
void LargeEnemyS53R_Shot3_Move() { FormationDrop_Move(kS53RShot3); }
void LargeEnemyS50L_Shot3_Fire() { FormationDrop_Fire(kS50LShot3); }
void LargeEnemyS50L_Shot3_Draw() { FormationDrop_Draw(kS50LShot3); }
void LargeEnemyS50L_Shot3_Move() { FormationDrop_Move(kS50LShot3); }
void LargeEnemyS50R_Shot3_Fire() { FormationDrop_Fire(kS50RShot3); }
void LargeEnemyS50R_Shot3_Draw() { FormationDrop_Draw(kS50RShot3); }
void LargeEnemyS50R_Shot3_Move() { FormationDrop_Move(kS50RShot3); }
void LargeEnemyS54L_Shot1_Fire() { FormationDrop_Fire(kS54LShot1); }
void LargeEnemyS54L_Shot1_Draw() { FormationDrop_Draw(kS54LShot1); }
void LargeEnemyS54L_Shot1_Move() { FormationDrop_Move(kS54LShot1); }
void LargeEnemyS54R_Shot1_Fire() { FormationDrop_Fire(kS54RShot1); }
void LargeEnemyS54R_Shot1_Draw() { FormationDrop_Draw(kS54RShot1); }
void LargeEnemyS54R_Shot1_Move() { FormationDrop_Move(kS54RShot1); }
void LargeEnemyT60_Shot1_Fire() { FormationDrop_Fire(kT60Shot1); }
void LargeEnemyT60_Shot1_Draw() { FormationDrop_Draw(kT60Shot1); }
void LargeEnemyT60_Shot1_Move() { FormationDrop_Move(kT60Shot1); }

void LargeEnemyS50L_Shot1_Fire() { TurningStream_Fire(kS50LShot1); }
void LargeEnemyS50L_Shot1_Draw() { TurningStream_Draw(kS50LShot1); }
void LargeEnemyS50L_Shot1_Move() { TurningStream_Move(kS50LShot1); }
void LargeEnemyS50L_Shot2_Fire() { TurningStream_Fire(kS50LShot2); }
void LargeEnemyS50L_Shot2_Draw() { TurningStream_Draw(kS50LShot2); }
void LargeEnemyS50L_Shot2_Move() { TurningStream_Move(kS50LShot2); }
void LargeEnemyS50R_Shot1_Fire() { TurningStream_Fire(kS50RShot1); }
void LargeEnemyS50R_Shot1_Draw() { TurningStream_Draw(kS50RShot1); }
void LargeEnemyS50R_Shot1_Move() { TurningStream_Move(kS50RShot1); }
void LargeEnemyS50R_Shot2_Fire() { TurningStream_Fire(kS50RShot2); }
void LargeEnemyS50R_Shot2_Draw() { TurningStream_Draw(kS50RShot2); }
void LargeEnemyS50R_Shot2_Move() { TurningStream_Move(kS50RShot2); }

void LargeEnemyD51_Shot1_Draw() { BigFanVolley_Draw(kD51Shot1, largeEnemyD51Shot1Pool); }
void LargeEnemyD51_Shot1_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kD51Shot1, largeEnemyD51Shot1Pool, i, groupBase);
}
void LargeEnemyD51_Shot1_Schedule() { BigFanVolley_Schedule(kD51Shot1, largeEnemyD51Shot1Pool); }
void LargeEnemyD51_Shot1_Move() { BigFanVolley_Move(kD51Shot1, largeEnemyD51Shot1Pool); }
void LargeEnemyD51_Shot2_Draw() { BigFanVolley_Draw(kD51Shot2, largeEnemyD51Shot2Pool); }
void LargeEnemyD51_Shot2_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kD51Shot2, largeEnemyD51Shot2Pool, i, groupBase);
}
void LargeEnemyD51_Shot2_Schedule() { BigFanVolley_Schedule(kD51Shot2, largeEnemyD51Shot2Pool); }
void LargeEnemyD51_Shot2_Move() { BigFanVolley_Move(kD51Shot2, largeEnemyD51Shot2Pool); }
void LargeEnemyD51_Shot3_Draw() { BigFanVolley_Draw(kD51Shot3, largeEnemyD51Shot3Pool); }
void LargeEnemyD51_Shot3_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kD51Shot3, largeEnemyD51Shot3Pool, i, groupBase);
}
void LargeEnemyD51_Shot3_Schedule() { BigFanVolley_Schedule(kD51Shot3, largeEnemyD51Shot3Pool); }
void LargeEnemyD51_Shot3_Move() { BigFanVolley_Move(kD51Shot3, largeEnemyD51Shot3Pool); }

void LargeEnemyD51_Shot4_Draw() { TimedVolley_Draw(kD51Shot4, largeEnemyD51Shot4Pool); }
void LargeEnemyD51_Shot4_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kD51Shot4, largeEnemyD51Shot4Pool, i, groupBase);
}
void LargeEnemyD51_Shot4_Schedule() { TimedVolley_Schedule(kD51Shot4, largeEnemyD51Shot4Pool); }
void LargeEnemyD51_Shot4_Move() { TimedVolley_Move(kD51Shot4, largeEnemyD51Shot4Pool); }
void LargeEnemyD51_Shot5_Draw() { TimedVolley_Draw(kD51Shot5, largeEnemyD51Shot5Pool); }
void LargeEnemyD51_Shot5_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kD51Shot5, largeEnemyD51Shot5Pool, i, groupBase);
}
void LargeEnemyD51_Shot5_Schedule() { TimedVolley_Schedule(kD51Shot5, largeEnemyD51Shot5Pool); }
void LargeEnemyD51_Shot5_Move() { TimedVolley_Move(kD51Shot5, largeEnemyD51Shot5Pool); }

void LargeEnemyD51_Shot6_Draw() { FanVolley_Draw(kD51Shot6, largeEnemyD51Shot6Pool); }
void LargeEnemyD51_Shot6_FireOne(int32_t i, int32_t groupBase) {
    FanVolley_FireOne(kD51Shot6, largeEnemyD51Shot6Pool, i, groupBase);
}
void LargeEnemyD51_Shot6_Schedule() { FanVolley_Schedule(kD51Shot6, largeEnemyD51Shot6Pool); }
void LargeEnemyD51_Shot6_Move() { FanVolley_Move(kD51Shot6, largeEnemyD51Shot6Pool); }
void LargeEnemyD51_Shot7_Draw() { FanVolley_Draw(kD51Shot7, largeEnemyD51Shot7Pool); }
void LargeEnemyD51_Shot7_FireOne(int32_t i, int32_t groupBase) {
    FanVolley_FireOne(kD51Shot7, largeEnemyD51Shot7Pool, i, groupBase);
}
void LargeEnemyD51_Shot7_Schedule() { FanVolley_Schedule(kD51Shot7, largeEnemyD51Shot7Pool); }
void LargeEnemyD51_Shot7_Move() { FanVolley_Move(kD51Shot7, largeEnemyD51Shot7Pool); }
void LargeEnemyD51_Shot8_Draw() { FanVolley_Draw(kD51Shot8, largeEnemyD51Shot8Pool); }
void LargeEnemyD51_Shot8_FireOne(int32_t i, int32_t groupBase) {
    FanVolley_FireOne(kD51Shot8, largeEnemyD51Shot8Pool, i, groupBase);
}
void LargeEnemyD51_Shot8_Schedule() { FanVolley_Schedule(kD51Shot8, largeEnemyD51Shot8Pool); }
void LargeEnemyD51_Shot8_Move() { FanVolley_Move(kD51Shot8, largeEnemyD51Shot8Pool); }

void LargeEnemyD52_Shot1_Draw() { TimedVolley_Draw(kD52Shot1, largeEnemyD52Shot1Pool); }
void LargeEnemyD52_Shot1_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kD52Shot1, largeEnemyD52Shot1Pool, i, groupBase);
}
void LargeEnemyD52_Shot1_Schedule() { TimedVolley_Schedule(kD52Shot1, largeEnemyD52Shot1Pool); }
void LargeEnemyD52_Shot1_Move() { TimedVolley_Move(kD52Shot1, largeEnemyD52Shot1Pool); }
void LargeEnemyD52_Shot2_Draw() { TimedVolley_Draw(kD52Shot2, largeEnemyD52Shot2Pool); }
void LargeEnemyD52_Shot2_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kD52Shot2, largeEnemyD52Shot2Pool, i, groupBase);
}
void LargeEnemyD52_Shot2_Schedule() { TimedVolley_Schedule(kD52Shot2, largeEnemyD52Shot2Pool); }
void LargeEnemyD52_Shot2_Move() { TimedVolley_Move(kD52Shot2, largeEnemyD52Shot2Pool); }
void LargeEnemyD52_Shot3_Draw() { FanVolley_Draw(kD52Shot3, largeEnemyD52Shot3Pool); }
void LargeEnemyD52_Shot3_FireOne(int32_t i, int32_t groupBase) {
    FanVolley_FireOne(kD52Shot3, largeEnemyD52Shot3Pool, i, groupBase);
}
void LargeEnemyD52_Shot3_Schedule() { FanVolley_Schedule(kD52Shot3, largeEnemyD52Shot3Pool); }
void LargeEnemyD52_Shot3_Move() { FanVolley_Move(kD52Shot3, largeEnemyD52Shot3Pool); }
void LargeEnemyD52_Shot4_Draw() { AimedRingBurst_Draw(kD52Shot4, largeEnemyD52Shot4Pool); }
void LargeEnemyD52_Shot4_FireOne(int32_t i) { AimedRingBurst_FireOne(kD52Shot4, largeEnemyD52Shot4Pool, i); }
void LargeEnemyD52_Shot4_Schedule() { AimedRingBurst_Schedule(kD52Shot4, largeEnemyD52Shot4Pool); }
void LargeEnemyD52_Shot4_Move() { AimedRingBurst_Move(kD52Shot4, largeEnemyD52Shot4Pool); }

void LargeEnemyS53L_Shot1_Draw() { SpiralStream_Draw(kS53LShot1, largeEnemyS53LShot1Pool); }
void LargeEnemyS53L_Shot1_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kS53LShot1, largeEnemyS53LShot1Pool, i, k);
}
void LargeEnemyS53L_Shot1_Schedule() { SpiralStream_Schedule(kS53LShot1, largeEnemyS53LShot1Pool); }
void LargeEnemyS53L_Shot1_Move() { SpiralStream_Move(kS53LShot1, largeEnemyS53LShot1Pool); }
void LargeEnemyS53L_Shot2_Draw() { SpiralStream_Draw(kS53LShot2, largeEnemyS53LShot2Pool); }
void LargeEnemyS53L_Shot2_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kS53LShot2, largeEnemyS53LShot2Pool, i, k);
}
void LargeEnemyS53L_Shot2_Schedule() { SpiralStream_Schedule(kS53LShot2, largeEnemyS53LShot2Pool); }
void LargeEnemyS53L_Shot2_Move() { SpiralStream_Move(kS53LShot2, largeEnemyS53LShot2Pool); }
void LargeEnemyS53R_Shot1_Draw() { SpiralStream_Draw(kS53RShot1, largeEnemyS53RShot1Pool); }
void LargeEnemyS53R_Shot1_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kS53RShot1, largeEnemyS53RShot1Pool, i, k);
}
void LargeEnemyS53R_Shot1_Schedule() { SpiralStream_Schedule(kS53RShot1, largeEnemyS53RShot1Pool); }
void LargeEnemyS53R_Shot1_Move() { SpiralStream_Move(kS53RShot1, largeEnemyS53RShot1Pool); }
void LargeEnemyS53R_Shot2_Draw() { SpiralStream_Draw(kS53RShot2, largeEnemyS53RShot2Pool); }
void LargeEnemyS53R_Shot2_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kS53RShot2, largeEnemyS53RShot2Pool, i, k);
}
void LargeEnemyS53R_Shot2_Schedule() { SpiralStream_Schedule(kS53RShot2, largeEnemyS53RShot2Pool); }
void LargeEnemyS53R_Shot2_Move() { SpiralStream_Move(kS53RShot2, largeEnemyS53RShot2Pool); }
