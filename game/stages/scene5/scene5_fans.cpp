#include "game/stages/scene5/scene5_patterns.h"

#include "game/enemies/aimed_ring_burst.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/fan_volley.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene5Boss.x, &scene5Boss.y};

// Five fans per 260 ticks; a 181-call window after a reset sees four of them.
constexpr GroupSchedule kFiveFansOf260 = {260, {40, 80, 120, 160, 200}};
constexpr GroupSchedule kFansOf200 = {200, {20, 40, 90, 110, 160}};
constexpr GroupSchedule kRingsOf250 = {250, {30, 60, 90, 120, 150, 180}};
static_assert(CoversGroups(kFiveFansOf260, 5) && CoversGroups(kFansOf200, 5) && CoversGroups(kRingsOf250, 6));

// Big fans of every width share all but their muzzle: 220 px/s at the ship +
// (10, 10), 39x39 bullets turned to their flight, freed 40 px outside the
// screen's left and top.
constexpr BigFanVolleyConstants BigFan(int32_t width, float x) {
    return {
        .owner = kBoss,
        .offsetX = {x},
        .offsetY = {130.0f},
        .aim = 10.0f,
        .speed = 220.0f,
        .width = width,
        .centre = (width - 1) / 2,
        .schedule = kFiveFansOf260,
        .draw = BigFanDraw::RotatedLarge,
        .image = &imgVAL40L1,
        .cell = 39,
        .cells = 1,
        .margin = 40.0f,
        .box = {-10.0f, 30.0f, 0.0f, 30.0f},
    };
}

// The animated 20x20 bullet of the fans of three and the ring bursts.
constexpr FanShotLook kSmallShot = {&imgVAL2024, 20, 24, 20.0f, {10.0f, 30.0f, 20.0f, 30.0f}};

constexpr FanVolleyConstants FanOfThree(float side) {
    return {
        .owner = kBoss,
        .offsetX = {210.0f, side},
        .offsetY = {100.0f},
        .speed = 150.0f,
        .aim = 20.0f,
        .width = 3,
        .centre = 1,
        .schedule = kFansOf200,
        .look = kSmallShot,
    };
}

// Twelve bullets 30 degrees apart per ring, one of them at the ship.
constexpr AimedRingBurstConstants RingOfTwelve(float side) {
    return {
        .owner = kBoss,
        .offsetX = {210.0f, side},
        .offsetY = {130.0f},
        .speed = 140.0f,
        .aim = 20.0f,
        .ringSize = 12,
        .step = kPatternTwoPi / 12.0,
        .schedule = kRingsOf250,
        .look = kSmallShot,
    };
}

constexpr BigFanVolleyConstants kBigFanVolley1 = BigFan(3, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley2 = BigFan(3, 100.0f);
constexpr BigFanVolleyConstants kBigFanVolley3 = BigFan(3, 300.0f);
constexpr BigFanVolleyConstants kBigFanVolley4 = BigFan(5, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley5 = BigFan(5, 80.0f);
constexpr BigFanVolleyConstants kBigFanVolley6 = BigFan(5, 320.0f);
constexpr BigFanVolleyConstants kBigFanVolley7 = BigFan(7, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley8 = BigFan(7, 80.0f);
constexpr BigFanVolleyConstants kBigFanVolley9 = BigFan(7, 320.0f);
constexpr BigFanVolleyConstants kBigFanVolley10 = BigFan(9, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley11 = BigFan(9, 70.0f);
constexpr BigFanVolleyConstants kBigFanVolley12 = BigFan(9, 330.0f);
constexpr BigFanVolleyConstants kBigFanVolley13 = BigFan(11, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley14 = BigFan(11, 70.0f);
constexpr BigFanVolleyConstants kBigFanVolley15 = BigFan(11, 330.0f);
constexpr BigFanVolleyConstants kBigFanVolley16 = BigFan(13, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley17 = BigFan(13, 60.0f);
constexpr BigFanVolleyConstants kBigFanVolley18 = BigFan(13, 340.0f);
constexpr BigFanVolleyConstants kBigFanVolley19 = BigFan(15, 200.0f);
constexpr BigFanVolleyConstants kBigFanVolley20 = BigFan(15, 50.0f);
constexpr BigFanVolleyConstants kBigFanVolley21 = BigFan(15, 350.0f);

constexpr FanVolleyConstants kFanVolley1 = FanOfThree(-150.0f);
constexpr FanVolleyConstants kFanVolley2 = FanOfThree(150.0f);

constexpr AimedRingBurstConstants kAimedRingBurst1 = RingOfTwelve(-100.0f);
constexpr AimedRingBurstConstants kAimedRingBurst2 = RingOfTwelve(100.0f);

} // namespace

void Scene5Boss_BigFanVolley1_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley1, scene5BossBigFanVolley1Pool);
}
void Scene5Boss_BigFanVolley1_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley1, scene5BossBigFanVolley1Pool, i, base);
}
void Scene5Boss_BigFanVolley1_Move() { BigFanVolley_Move(kBigFanVolley1, scene5BossBigFanVolley1Pool); }
void Scene5Boss_BigFanVolley1_Draw() { BigFanVolley_Draw(kBigFanVolley1, scene5BossBigFanVolley1Pool); }

void Scene5Boss_BigFanVolley2_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley2, scene5BossBigFanVolley2Pool);
}
void Scene5Boss_BigFanVolley2_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley2, scene5BossBigFanVolley2Pool, i, base);
}
void Scene5Boss_BigFanVolley2_Move() { BigFanVolley_Move(kBigFanVolley2, scene5BossBigFanVolley2Pool); }
void Scene5Boss_BigFanVolley2_Draw() { BigFanVolley_Draw(kBigFanVolley2, scene5BossBigFanVolley2Pool); }

void Scene5Boss_BigFanVolley3_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley3, scene5BossBigFanVolley3Pool);
}
void Scene5Boss_BigFanVolley3_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley3, scene5BossBigFanVolley3Pool, i, base);
}
void Scene5Boss_BigFanVolley3_Move() { BigFanVolley_Move(kBigFanVolley3, scene5BossBigFanVolley3Pool); }
void Scene5Boss_BigFanVolley3_Draw() { BigFanVolley_Draw(kBigFanVolley3, scene5BossBigFanVolley3Pool); }

void Scene5Boss_BigFanVolley4_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley4, scene5BossBigFanVolley4Pool);
}
void Scene5Boss_BigFanVolley4_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley4, scene5BossBigFanVolley4Pool, i, base);
}
void Scene5Boss_BigFanVolley4_Move() { BigFanVolley_Move(kBigFanVolley4, scene5BossBigFanVolley4Pool); }
void Scene5Boss_BigFanVolley4_Draw() { BigFanVolley_Draw(kBigFanVolley4, scene5BossBigFanVolley4Pool); }

void Scene5Boss_BigFanVolley5_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley5, scene5BossBigFanVolley5Pool);
}
void Scene5Boss_BigFanVolley5_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley5, scene5BossBigFanVolley5Pool, i, base);
}
void Scene5Boss_BigFanVolley5_Move() { BigFanVolley_Move(kBigFanVolley5, scene5BossBigFanVolley5Pool); }
void Scene5Boss_BigFanVolley5_Draw() { BigFanVolley_Draw(kBigFanVolley5, scene5BossBigFanVolley5Pool); }

void Scene5Boss_BigFanVolley6_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley6, scene5BossBigFanVolley6Pool);
}
void Scene5Boss_BigFanVolley6_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley6, scene5BossBigFanVolley6Pool, i, base);
}
void Scene5Boss_BigFanVolley6_Move() { BigFanVolley_Move(kBigFanVolley6, scene5BossBigFanVolley6Pool); }
void Scene5Boss_BigFanVolley6_Draw() { BigFanVolley_Draw(kBigFanVolley6, scene5BossBigFanVolley6Pool); }

void Scene5Boss_BigFanVolley7_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley7, scene5BossBigFanVolley7Pool);
}
void Scene5Boss_BigFanVolley7_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley7, scene5BossBigFanVolley7Pool, i, base);
}
void Scene5Boss_BigFanVolley7_Move() { BigFanVolley_Move(kBigFanVolley7, scene5BossBigFanVolley7Pool); }
void Scene5Boss_BigFanVolley7_Draw() { BigFanVolley_Draw(kBigFanVolley7, scene5BossBigFanVolley7Pool); }

void Scene5Boss_BigFanVolley8_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley8, scene5BossBigFanVolley8Pool);
}
void Scene5Boss_BigFanVolley8_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley8, scene5BossBigFanVolley8Pool, i, base);
}
void Scene5Boss_BigFanVolley8_Move() { BigFanVolley_Move(kBigFanVolley8, scene5BossBigFanVolley8Pool); }
void Scene5Boss_BigFanVolley8_Draw() { BigFanVolley_Draw(kBigFanVolley8, scene5BossBigFanVolley8Pool); }

void Scene5Boss_BigFanVolley9_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley9, scene5BossBigFanVolley9Pool);
}
void Scene5Boss_BigFanVolley9_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley9, scene5BossBigFanVolley9Pool, i, base);
}
void Scene5Boss_BigFanVolley9_Move() { BigFanVolley_Move(kBigFanVolley9, scene5BossBigFanVolley9Pool); }
void Scene5Boss_BigFanVolley9_Draw() { BigFanVolley_Draw(kBigFanVolley9, scene5BossBigFanVolley9Pool); }

void Scene5Boss_BigFanVolley10_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley10, scene5BossBigFanVolley10Pool);
}
void Scene5Boss_BigFanVolley10_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley10, scene5BossBigFanVolley10Pool, i, base);
}
void Scene5Boss_BigFanVolley10_Move() { BigFanVolley_Move(kBigFanVolley10, scene5BossBigFanVolley10Pool); }
void Scene5Boss_BigFanVolley10_Draw() { BigFanVolley_Draw(kBigFanVolley10, scene5BossBigFanVolley10Pool); }

void Scene5Boss_BigFanVolley11_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley11, scene5BossBigFanVolley11Pool);
}
void Scene5Boss_BigFanVolley11_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley11, scene5BossBigFanVolley11Pool, i, base);
}
void Scene5Boss_BigFanVolley11_Move() { BigFanVolley_Move(kBigFanVolley11, scene5BossBigFanVolley11Pool); }
void Scene5Boss_BigFanVolley11_Draw() { BigFanVolley_Draw(kBigFanVolley11, scene5BossBigFanVolley11Pool); }

void Scene5Boss_BigFanVolley12_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley12, scene5BossBigFanVolley12Pool);
}
void Scene5Boss_BigFanVolley12_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley12, scene5BossBigFanVolley12Pool, i, base);
}
void Scene5Boss_BigFanVolley12_Move() { BigFanVolley_Move(kBigFanVolley12, scene5BossBigFanVolley12Pool); }
void Scene5Boss_BigFanVolley12_Draw() { BigFanVolley_Draw(kBigFanVolley12, scene5BossBigFanVolley12Pool); }

void Scene5Boss_BigFanVolley13_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley13, scene5BossBigFanVolley13Pool);
}
void Scene5Boss_BigFanVolley13_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley13, scene5BossBigFanVolley13Pool, i, base);
}
void Scene5Boss_BigFanVolley13_Move() { BigFanVolley_Move(kBigFanVolley13, scene5BossBigFanVolley13Pool); }
void Scene5Boss_BigFanVolley13_Draw() { BigFanVolley_Draw(kBigFanVolley13, scene5BossBigFanVolley13Pool); }

void Scene5Boss_BigFanVolley14_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley14, scene5BossBigFanVolley14Pool);
}
void Scene5Boss_BigFanVolley14_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley14, scene5BossBigFanVolley14Pool, i, base);
}
void Scene5Boss_BigFanVolley14_Move() { BigFanVolley_Move(kBigFanVolley14, scene5BossBigFanVolley14Pool); }
void Scene5Boss_BigFanVolley14_Draw() { BigFanVolley_Draw(kBigFanVolley14, scene5BossBigFanVolley14Pool); }

void Scene5Boss_BigFanVolley15_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley15, scene5BossBigFanVolley15Pool);
}
void Scene5Boss_BigFanVolley15_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley15, scene5BossBigFanVolley15Pool, i, base);
}
void Scene5Boss_BigFanVolley15_Move() { BigFanVolley_Move(kBigFanVolley15, scene5BossBigFanVolley15Pool); }
void Scene5Boss_BigFanVolley15_Draw() { BigFanVolley_Draw(kBigFanVolley15, scene5BossBigFanVolley15Pool); }

void Scene5Boss_BigFanVolley16_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley16, scene5BossBigFanVolley16Pool);
}
void Scene5Boss_BigFanVolley16_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley16, scene5BossBigFanVolley16Pool, i, base);
}
void Scene5Boss_BigFanVolley16_Move() { BigFanVolley_Move(kBigFanVolley16, scene5BossBigFanVolley16Pool); }
void Scene5Boss_BigFanVolley16_Draw() { BigFanVolley_Draw(kBigFanVolley16, scene5BossBigFanVolley16Pool); }

void Scene5Boss_BigFanVolley17_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley17, scene5BossBigFanVolley17Pool);
}
void Scene5Boss_BigFanVolley17_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley17, scene5BossBigFanVolley17Pool, i, base);
}
void Scene5Boss_BigFanVolley17_Move() { BigFanVolley_Move(kBigFanVolley17, scene5BossBigFanVolley17Pool); }
void Scene5Boss_BigFanVolley17_Draw() { BigFanVolley_Draw(kBigFanVolley17, scene5BossBigFanVolley17Pool); }

void Scene5Boss_BigFanVolley18_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley18, scene5BossBigFanVolley18Pool);
}
void Scene5Boss_BigFanVolley18_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley18, scene5BossBigFanVolley18Pool, i, base);
}
void Scene5Boss_BigFanVolley18_Move() { BigFanVolley_Move(kBigFanVolley18, scene5BossBigFanVolley18Pool); }
void Scene5Boss_BigFanVolley18_Draw() { BigFanVolley_Draw(kBigFanVolley18, scene5BossBigFanVolley18Pool); }

void Scene5Boss_BigFanVolley19_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley19, scene5BossBigFanVolley19Pool);
}
void Scene5Boss_BigFanVolley19_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley19, scene5BossBigFanVolley19Pool, i, base);
}
void Scene5Boss_BigFanVolley19_Move() { BigFanVolley_Move(kBigFanVolley19, scene5BossBigFanVolley19Pool); }
void Scene5Boss_BigFanVolley19_Draw() { BigFanVolley_Draw(kBigFanVolley19, scene5BossBigFanVolley19Pool); }

void Scene5Boss_BigFanVolley20_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley20, scene5BossBigFanVolley20Pool);
}
void Scene5Boss_BigFanVolley20_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley20, scene5BossBigFanVolley20Pool, i, base);
}
void Scene5Boss_BigFanVolley20_Move() { BigFanVolley_Move(kBigFanVolley20, scene5BossBigFanVolley20Pool); }
void Scene5Boss_BigFanVolley20_Draw() { BigFanVolley_Draw(kBigFanVolley20, scene5BossBigFanVolley20Pool); }

void Scene5Boss_BigFanVolley21_Schedule() {
    BigFanVolley_Schedule(kBigFanVolley21, scene5BossBigFanVolley21Pool);
}
void Scene5Boss_BigFanVolley21_Spawn(int32_t i, int32_t base) {
    BigFanVolley_FireOne(kBigFanVolley21, scene5BossBigFanVolley21Pool, i, base);
}
void Scene5Boss_BigFanVolley21_Move() { BigFanVolley_Move(kBigFanVolley21, scene5BossBigFanVolley21Pool); }
void Scene5Boss_BigFanVolley21_Draw() { BigFanVolley_Draw(kBigFanVolley21, scene5BossBigFanVolley21Pool); }

void Scene5Boss_FanVolley1_Schedule() { FanVolley_Schedule(kFanVolley1, scene5BossFanVolley1Pool); }
void Scene5Boss_FanVolley1_Spawn(int32_t i, int32_t base) {
    FanVolley_FireOne(kFanVolley1, scene5BossFanVolley1Pool, i, base);
}
void Scene5Boss_FanVolley1_Move() { FanVolley_Move(kFanVolley1, scene5BossFanVolley1Pool); }
void Scene5Boss_FanVolley1_Draw() { FanVolley_Draw(kFanVolley1, scene5BossFanVolley1Pool); }

void Scene5Boss_FanVolley2_Schedule() { FanVolley_Schedule(kFanVolley2, scene5BossFanVolley2Pool); }
void Scene5Boss_FanVolley2_Spawn(int32_t i, int32_t base) {
    FanVolley_FireOne(kFanVolley2, scene5BossFanVolley2Pool, i, base);
}
void Scene5Boss_FanVolley2_Move() { FanVolley_Move(kFanVolley2, scene5BossFanVolley2Pool); }
void Scene5Boss_FanVolley2_Draw() { FanVolley_Draw(kFanVolley2, scene5BossFanVolley2Pool); }

void Scene5Boss_AimedRingBurst1_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst1, scene5BossAimedRingBurst1Pool);
}
void Scene5Boss_AimedRingBurst1_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst1, scene5BossAimedRingBurst1Pool, i);
}
void Scene5Boss_AimedRingBurst1_Move() {
    AimedRingBurst_Move(kAimedRingBurst1, scene5BossAimedRingBurst1Pool);
}
void Scene5Boss_AimedRingBurst1_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst1, scene5BossAimedRingBurst1Pool);
}

void Scene5Boss_AimedRingBurst2_Schedule() {
    AimedRingBurst_Schedule(kAimedRingBurst2, scene5BossAimedRingBurst2Pool);
}
void Scene5Boss_AimedRingBurst2_Spawn(int32_t i) {
    AimedRingBurst_FireOne(kAimedRingBurst2, scene5BossAimedRingBurst2Pool, i);
}
void Scene5Boss_AimedRingBurst2_Move() {
    AimedRingBurst_Move(kAimedRingBurst2, scene5BossAimedRingBurst2Pool);
}
void Scene5Boss_AimedRingBurst2_Draw() {
    AimedRingBurst_Draw(kAimedRingBurst2, scene5BossAimedRingBurst2Pool);
}
