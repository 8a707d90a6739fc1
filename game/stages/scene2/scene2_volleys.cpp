#include "game/stages/scene2/scene2_volleys.h"

#include "game/stages/scene2/scene2_boss.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene2Boss.x, &scene2Boss.y};
constexpr KillBox kSmallShotBox = {10.0f, 30.0f, 20.0f, 30.0f};

// --- Big fans ---------------------------------------------------------------

constexpr GroupSchedule kFiveFansOf260 = {260, {40, 80, 120, 160, 200}};
constexpr GroupSchedule kFourFansOf150 = {150, {30, 60, 90, 120, kNeverTick}};
constexpr GroupSchedule kFiveFansOf130 = {130, {20, 40, 60, 80, 100}};
static_assert(CoversGroups(kFiveFansOf260, 5) && CoversGroups(kFourFansOf150, 5) &&
              CoversGroups(kFiveFansOf130, 5));

// --- Timed volleys ----------------------------------------------------------

// Pairs 8 and 9 of the 150-tick cycle never come.
constexpr GroupSchedule kPairsOf150 = {150, {10, 20, 30, 70, 80, 90, 130, 140, kNeverTick, kNeverTick}};
constexpr GroupSchedule kThreesOf800 = {800, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
constexpr GroupSchedule kSevensOf140 = {140, {25, 50, 75, 100, 125}};
constexpr GroupSchedule kFivesOf340 = {340, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}};
static_assert(CoversGroups(kPairsOf150, 10) && CoversGroups(kPairsOf140, 10) &&
              CoversGroups(kThreesOf800, 10) && CoversGroups(kSevensOf140, 5) &&
              CoversGroups(kFivesOf340, 10));

constexpr KillBox kLargePairBox = {0.0f, 20.0f, 0.0f, 20.0f};

constexpr TimedVolleyConstants StraightPairs(const GroupSchedule& schedule, float left, float right,
                                             float height, float fall, const int32_t* image, int32_t cellLeft,
                                             int32_t cell, const KillBox& box) {
    return {
        .owner = kBoss,
        .width = 2,
        .schedule = schedule,
        .xWrite = VolleyX::Pair,
        .x = {left},
        .xRight = {right},
        .yOffset = {height, height},
        .fall = fall,
        .box = box,
        .image = image,
        .cellW = cell,
        .cellH = cell,
        .cellLeft = {cellLeft, cellLeft},
    };
}

// Threes stacked in one column that drift to one side as they fall.
constexpr TimedVolleyConstants DriftingThrees(float x, float sign) {
    return {
        .owner = kBoss,
        .width = 3,
        .schedule = kThreesOf800,
        .x = {x},
        .yWrite = VolleyY::Group,
        .yOffset = {90.0f, 113.0f, 120.0f},
        .drift = {30.0f * sign, 60.0f * sign, 90.0f * sign},
        .fall = 120.0f,
        .testsClear = false, // they fly on through a bomb
        .box = kSmallShotBox,
        .image = &imgVALL20,
        .blit = VolleyBlit::Keyed,
        .cellW = 20,
        .cellH = 20,
    };
}

// Arches of five in one column that open into a fan.
constexpr TimedVolleyConstants OpeningFives(float x) {
    return {
        .owner = kBoss,
        .width = 5,
        .schedule = kFivesOf340,
        .x = {x},
        .yWrite = VolleyY::Group,
        .yOffset = {90.0f, 113.0f, 120.0f, 113.0f, 90.0f},
        .drift = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f},
        .fall = 130.0f,
        .box = kSmallShotBox,
        .image = &imgVALL20,
        .cellW = 20,
        .cellH = 20,
    };
}

// --- Spirals and ring emitters ----------------------------------------------

// One bullet every 10 ticks without a pause: the tick runs 10..359 and the
// call that wraps it launches record 0 again. Record 35 never flies.
constexpr SpiralSchedule kBossSpiralCadence = {
    .wrap = 360, .restart = 10, .first = 0, .last = 34, .tickScale = 10, .tickAdd = 1};

enum class Hand { Left, Right };

constexpr SpiralStreamConstants BossSpiral(Hand hand, float x, int32_t timer) {
    const int32_t sign = hand == Hand::Right ? 1 : -1;
    return {
        .owner = kBoss,
        .tick = &scene2Boss.patternTimer[timer],
        .offsetX = {x},
        .offsetY = {130.0f},
        .turn = sign,
        .step = sign,
        .speed = 110.0f,
        .schedule = kBossSpiralCadence,
        .draw = SpiralDraw::Animated,
        .image = &imgVAL2024,
        .cell = 20,
        .cells = 24,
        .margin = 20.0f,
        .box = kSmallShotBox,
    };
}

constexpr RingEmitterConstants BossRings(Hand hand, float x, int32_t timer) {
    const int32_t sign = hand == Hand::Right ? 1 : -1;
    return {
        .owner = kBoss,
        .tick = &scene2Boss.patternTimer[timer],
        .offsetX = {x},
        .offsetY = {130.0f},
        .turn = sign,
        .step = sign,
        .ringSpeed = {110.0f, 120.0f, 130.0f},
        .ringBounds = {{800.0f, 600.0f}, {640.0f, 480.0f}, {640.0f, 480.0f}},
        .margin = 20.0f,
        .wrap = 360,
        .restart = 10,
        .tickScale = 10,
        .image = &imgVAL2024,
        .cell = 20,
        .cells = 24,
        .box = kSmallShotBox,
    };
}

} // namespace

constexpr BigFanVolleyConstants kScene2BossBigFanVolley1 = {
    .owner = kBoss,
    .offsetX = {200.0f},
    .offsetY = {130.0f},
    .aim = 10.0f,
    .speed = 220.0f,
    .width = 5,
    .centre = 2,
    .schedule = kFiveFansOf260,
    .draw = BigFanDraw::RotatedLarge,
    .image = &imgVAL40L,
    .cell = 39,
    .cells = 1,
    .margin = 40.0f,
    .box = {-10.0f, 30.0f, 0.0f, 30.0f},
};
constexpr BigFanVolleyConstants kScene2BossBigFanVolley2 = {
    .owner = kBoss,
    .offsetX = {210.0f},
    .offsetY = {130.0f},
    .aim = 20.0f,
    .speed = 220.0f,
    .width = 5,
    .centre = 2,
    .schedule = kFiveFansOf260,
    .draw = BigFanDraw::Animated,
    .image = &imgVAL2024,
    .cell = 20,
    .cells = 24,
    .margin = 20.0f,
    .box = kSmallShotBox,
};
constexpr BigFanVolleyConstants kScene2BossBigFanVolley3 = {
    .owner = kBoss,
    .offsetX = {210.0f},
    .offsetY = {130.0f},
    .aim = 20.0f,
    .speed = 200.0f,
    .width = 7,
    .centre = 3,
    .schedule = kFourFansOf150,
    .draw = BigFanDraw::Plain,
    .image = &imgVALL20,
    .cell = 20,
    .cells = 1,
    .margin = 20.0f,
    .box = kSmallShotBox,
};
constexpr BigFanVolleyConstants kScene2BossBigFanVolley4 = {
    .owner = kBoss,
    .offsetX = {210.0f},
    .offsetY = {130.0f},
    .aim = 20.0f,
    .speed = 200.0f,
    .width = 7,
    .centre = 3,
    .schedule = kFiveFansOf130,
    .draw = BigFanDraw::Animated,
    .image = &imgVAL2024,
    .cell = 20,
    .cells = 24,
    .margin = 20.0f,
    .box = kSmallShotBox,
};

constexpr TimedVolleyConstants kScene2BossTimedVolley1 =
    StraightPairs(kPairsOf150, 120.0f, 280.0f, 130.0f, 280.0f, &imgVAL405, 120, 40, kLargePairBox);
// The two bullets of a pair part at 120 pixels per second each, drawn with
// two different cells.
constexpr TimedVolleyConstants kScene2BossTimedVolley2 = {
    .owner = kBoss,
    .width = 2,
    .schedule = kPairsOf150,
    .xWrite = VolleyX::Pair,
    .x = {120.0f},
    .xRight = {280.0f},
    .yOffset = {130.0f, 130.0f},
    .drift = {-120.0f, 120.0f},
    .fall = 250.0f,
    .box = kLargePairBox,
    .image = &imgVAL405,
    .cellW = 40,
    .cellH = 40,
    .cellLeft = {80, 160},
};
constexpr TimedVolleyConstants kScene2BossTimedVolley3 = DriftingThrees(90.0f, 1.0f);
constexpr TimedVolleyConstants kScene2BossTimedVolley4 = DriftingThrees(330.0f, -1.0f);
constexpr TimedVolleyConstants kScene2BossTimedVolley5 =
    StraightPairs(kPairsOf140, 110.0f, 310.0f, 170.0f, 200.0f, &imgVALL20, 0, 20, kSmallShotBox);
constexpr TimedVolleyConstants kScene2BossTimedVolley6 =
    StraightPairs(kPairsOf140, 75.0f, 345.0f, 150.0f, 200.0f, &imgVALL20, 0, 20, kSmallShotBox);
// Sevens leave as one column in an arc, middle lowest, and open out to 420
// pixels between the outer bullets within a second.
constexpr TimedVolleyConstants kScene2BossTimedVolley7 = {
    .owner = kBoss,
    .width = 7,
    .schedule = kSevensOf140,
    .x = {200.0f},
    .yWrite = VolleyY::Group,
    .yOffset = {154.0f, 183.0f, 194.0f, 200.0f, 194.0f, 183.0f, 154.0f},
    .drift = {-210.0f, -140.0f, -70.0f, 0.0f, 70.0f, 140.0f, 210.0f},
    .fall = 200.0f,
    .box = {-10.0f, 30.0f, 0.0f, 30.0f},
    .image = &imgVAL404,
    .cellW = 40,
    .cellH = 40,
    .cellLeft = {0, 40, 80, 120, 160, 200, 240},
};
constexpr TimedVolleyConstants kScene2BossTimedVolley8 = OpeningFives(150.0f);
constexpr TimedVolleyConstants kScene2BossTimedVolley9 = OpeningFives(270.0f);

constexpr SpiralStreamConstants kScene2BossSpiralStream1 = BossSpiral(Hand::Left, 210.0f, 0);
constexpr SpiralStreamConstants kScene2BossSpiralStream2 = BossSpiral(Hand::Right, 210.0f, 1);
constexpr SpiralStreamConstants kScene2BossSpiralStream3 = BossSpiral(Hand::Left, 120.0f, 2);
// Streams 4 and 5 keep their ticks in each other's order: timers 4 and 3.
constexpr SpiralStreamConstants kScene2BossSpiralStream4 = BossSpiral(Hand::Right, 120.0f, 4);
constexpr SpiralStreamConstants kScene2BossSpiralStream5 = BossSpiral(Hand::Right, 300.0f, 3);
constexpr SpiralStreamConstants kScene2BossSpiralStream6 = BossSpiral(Hand::Left, 300.0f, 5);

constexpr RingEmitterConstants kScene2BossRingEmitter1 = BossRings(Hand::Left, 210.0f, 6);
constexpr RingEmitterConstants kScene2BossRingEmitter2 = BossRings(Hand::Right, 210.0f, 7);
constexpr RingEmitterConstants kScene2BossRingEmitter3 = BossRings(Hand::Left, 120.0f, 8);
constexpr RingEmitterConstants kScene2BossRingEmitter4 = BossRings(Hand::Right, 120.0f, 9);
constexpr RingEmitterConstants kScene2BossRingEmitter5 = BossRings(Hand::Left, 300.0f, 10);
constexpr RingEmitterConstants kScene2BossRingEmitter6 = BossRings(Hand::Right, 300.0f, 11);

void Scene2Boss_BigFanVolley1_Draw() {
    BigFanVolley_Draw(kScene2BossBigFanVolley1, scene2BossBigFanVolley1Pool);
}
void Scene2Boss_BigFanVolley1_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kScene2BossBigFanVolley1, scene2BossBigFanVolley1Pool, i, groupBase);
}
void Scene2Boss_BigFanVolley1_Schedule() {
    BigFanVolley_Schedule(kScene2BossBigFanVolley1, scene2BossBigFanVolley1Pool);
}
void Scene2Boss_BigFanVolley1_Move() {
    BigFanVolley_Move(kScene2BossBigFanVolley1, scene2BossBigFanVolley1Pool);
}

void Scene2Boss_BigFanVolley2_Draw() {
    BigFanVolley_Draw(kScene2BossBigFanVolley2, scene2BossBigFanVolley2Pool);
}
void Scene2Boss_BigFanVolley2_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kScene2BossBigFanVolley2, scene2BossBigFanVolley2Pool, i, groupBase);
}
void Scene2Boss_BigFanVolley2_Schedule() {
    BigFanVolley_Schedule(kScene2BossBigFanVolley2, scene2BossBigFanVolley2Pool);
}
void Scene2Boss_BigFanVolley2_Move() {
    BigFanVolley_Move(kScene2BossBigFanVolley2, scene2BossBigFanVolley2Pool);
}

void Scene2Boss_BigFanVolley3_Draw() {
    BigFanVolley_Draw(kScene2BossBigFanVolley3, scene2BossBigFanVolley3Pool);
}
void Scene2Boss_BigFanVolley3_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kScene2BossBigFanVolley3, scene2BossBigFanVolley3Pool, i, groupBase);
}
void Scene2Boss_BigFanVolley3_Schedule() {
    BigFanVolley_Schedule(kScene2BossBigFanVolley3, scene2BossBigFanVolley3Pool);
}
void Scene2Boss_BigFanVolley3_Move() {
    BigFanVolley_Move(kScene2BossBigFanVolley3, scene2BossBigFanVolley3Pool);
}

void Scene2Boss_BigFanVolley4_Draw() {
    BigFanVolley_Draw(kScene2BossBigFanVolley4, scene2BossBigFanVolley4Pool);
}
void Scene2Boss_BigFanVolley4_FireOne(int32_t i, int32_t groupBase) {
    BigFanVolley_FireOne(kScene2BossBigFanVolley4, scene2BossBigFanVolley4Pool, i, groupBase);
}
void Scene2Boss_BigFanVolley4_Schedule() {
    BigFanVolley_Schedule(kScene2BossBigFanVolley4, scene2BossBigFanVolley4Pool);
}
void Scene2Boss_BigFanVolley4_Move() {
    BigFanVolley_Move(kScene2BossBigFanVolley4, scene2BossBigFanVolley4Pool);
}

void Scene2Boss_TimedVolley1_Draw() { TimedVolley_Draw(kScene2BossTimedVolley1, scene2BossTimedVolley1Pool); }
void Scene2Boss_TimedVolley1_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley1, scene2BossTimedVolley1Pool, i, groupBase);
}
void Scene2Boss_TimedVolley1_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley1, scene2BossTimedVolley1Pool);
}
void Scene2Boss_TimedVolley1_Move() { TimedVolley_Move(kScene2BossTimedVolley1, scene2BossTimedVolley1Pool); }

void Scene2Boss_TimedVolley2_Draw() { TimedVolley_Draw(kScene2BossTimedVolley2, scene2BossTimedVolley2Pool); }
void Scene2Boss_TimedVolley2_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley2, scene2BossTimedVolley2Pool, i, groupBase);
}
void Scene2Boss_TimedVolley2_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley2, scene2BossTimedVolley2Pool);
}
void Scene2Boss_TimedVolley2_Move() { TimedVolley_Move(kScene2BossTimedVolley2, scene2BossTimedVolley2Pool); }

void Scene2Boss_TimedVolley3_Draw() { TimedVolley_Draw(kScene2BossTimedVolley3, scene2BossTimedVolley3Pool); }
void Scene2Boss_TimedVolley3_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley3, scene2BossTimedVolley3Pool, i, groupBase);
}
void Scene2Boss_TimedVolley3_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley3, scene2BossTimedVolley3Pool);
}
void Scene2Boss_TimedVolley3_Move() { TimedVolley_Move(kScene2BossTimedVolley3, scene2BossTimedVolley3Pool); }

void Scene2Boss_TimedVolley4_Draw() { TimedVolley_Draw(kScene2BossTimedVolley4, scene2BossTimedVolley4Pool); }
void Scene2Boss_TimedVolley4_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley4, scene2BossTimedVolley4Pool, i, groupBase);
}
void Scene2Boss_TimedVolley4_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley4, scene2BossTimedVolley4Pool);
}
void Scene2Boss_TimedVolley4_Move() { TimedVolley_Move(kScene2BossTimedVolley4, scene2BossTimedVolley4Pool); }

void Scene2Boss_TimedVolley5_Draw() { TimedVolley_Draw(kScene2BossTimedVolley5, scene2BossTimedVolley5Pool); }
void Scene2Boss_TimedVolley5_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley5, scene2BossTimedVolley5Pool, i, groupBase);
}
void Scene2Boss_TimedVolley5_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley5, scene2BossTimedVolley5Pool);
}
void Scene2Boss_TimedVolley5_Move() { TimedVolley_Move(kScene2BossTimedVolley5, scene2BossTimedVolley5Pool); }

void Scene2Boss_TimedVolley6_Draw() { TimedVolley_Draw(kScene2BossTimedVolley6, scene2BossTimedVolley6Pool); }
void Scene2Boss_TimedVolley6_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley6, scene2BossTimedVolley6Pool, i, groupBase);
}
void Scene2Boss_TimedVolley6_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley6, scene2BossTimedVolley6Pool);
}
void Scene2Boss_TimedVolley6_Move() { TimedVolley_Move(kScene2BossTimedVolley6, scene2BossTimedVolley6Pool); }

void Scene2Boss_TimedVolley7_Draw() { TimedVolley_Draw(kScene2BossTimedVolley7, scene2BossTimedVolley7Pool); }
void Scene2Boss_TimedVolley7_FireOne(int32_t i, int32_t groupBase) {
    TimedVolley_FireOne(kScene2BossTimedVolley7, scene2BossTimedVolley7Pool, i, groupBase);
}
void Scene2Boss_TimedVolley7_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley7, scene2BossTimedVolley7Pool);
}
void Scene2Boss_TimedVolley7_Move() { TimedVolley_Move(kScene2BossTimedVolley7, scene2BossTimedVolley7Pool); }

void Scene2Boss_TimedVolley8_Draw() { TimedVolley_Draw(kScene2BossTimedVolley8, scene2BossTimedVolley8Pool); }
void Scene2Boss_TimedVolley8_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley8, scene2BossTimedVolley8Pool);
}
void Scene2Boss_TimedVolley8_Move() { TimedVolley_Move(kScene2BossTimedVolley8, scene2BossTimedVolley8Pool); }

void Scene2Boss_TimedVolley9_Draw() { TimedVolley_Draw(kScene2BossTimedVolley9, scene2BossTimedVolley9Pool); }
void Scene2Boss_TimedVolley9_Schedule() {
    TimedVolley_Schedule(kScene2BossTimedVolley9, scene2BossTimedVolley9Pool);
}
void Scene2Boss_TimedVolley9_Move() { TimedVolley_Move(kScene2BossTimedVolley9, scene2BossTimedVolley9Pool); }

void Scene2Boss_SpiralStream1_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream1, scene2BossSpiralStream1Pool);
}
void Scene2Boss_SpiralStream1_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream1, scene2BossSpiralStream1Pool, i, k);
}
void Scene2Boss_SpiralStream1_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream1, scene2BossSpiralStream1Pool);
}
void Scene2Boss_SpiralStream1_Move() {
    SpiralStream_Move(kScene2BossSpiralStream1, scene2BossSpiralStream1Pool);
}

void Scene2Boss_SpiralStream2_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream2, scene2BossSpiralStream2Pool);
}
void Scene2Boss_SpiralStream2_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream2, scene2BossSpiralStream2Pool, i, k);
}
void Scene2Boss_SpiralStream2_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream2, scene2BossSpiralStream2Pool);
}
void Scene2Boss_SpiralStream2_Move() {
    SpiralStream_Move(kScene2BossSpiralStream2, scene2BossSpiralStream2Pool);
}

void Scene2Boss_SpiralStream3_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream3, scene2BossSpiralStream3Pool);
}
void Scene2Boss_SpiralStream3_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream3, scene2BossSpiralStream3Pool, i, k);
}
void Scene2Boss_SpiralStream3_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream3, scene2BossSpiralStream3Pool);
}
void Scene2Boss_SpiralStream3_Move() {
    SpiralStream_Move(kScene2BossSpiralStream3, scene2BossSpiralStream3Pool);
}

void Scene2Boss_SpiralStream4_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream4, scene2BossSpiralStream4Pool);
}
void Scene2Boss_SpiralStream4_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream4, scene2BossSpiralStream4Pool, i, k);
}
void Scene2Boss_SpiralStream4_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream4, scene2BossSpiralStream4Pool);
}
void Scene2Boss_SpiralStream4_Move() {
    SpiralStream_Move(kScene2BossSpiralStream4, scene2BossSpiralStream4Pool);
}

void Scene2Boss_SpiralStream5_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream5, scene2BossSpiralStream5Pool);
}
void Scene2Boss_SpiralStream5_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream5, scene2BossSpiralStream5Pool, i, k);
}
void Scene2Boss_SpiralStream5_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream5, scene2BossSpiralStream5Pool);
}
void Scene2Boss_SpiralStream5_Move() {
    SpiralStream_Move(kScene2BossSpiralStream5, scene2BossSpiralStream5Pool);
}

void Scene2Boss_SpiralStream6_Draw() {
    SpiralStream_Draw(kScene2BossSpiralStream6, scene2BossSpiralStream6Pool);
}
void Scene2Boss_SpiralStream6_FireOne(int32_t i, int32_t k) {
    SpiralStream_FireOne(kScene2BossSpiralStream6, scene2BossSpiralStream6Pool, i, k);
}
void Scene2Boss_SpiralStream6_Schedule() {
    SpiralStream_Schedule(kScene2BossSpiralStream6, scene2BossSpiralStream6Pool);
}
void Scene2Boss_SpiralStream6_Move() {
    SpiralStream_Move(kScene2BossSpiralStream6, scene2BossSpiralStream6Pool);
}

void Scene2Boss_RingEmitter1_Draw() { RingEmitter_Draw(kScene2BossRingEmitter1, scene2BossRingEmitter1Pool); }
void Scene2Boss_RingEmitter1_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter1, scene2BossRingEmitter1Pool, i, k);
}
void Scene2Boss_RingEmitter1_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter1, scene2BossRingEmitter1Pool);
}
void Scene2Boss_RingEmitter1_Move() { RingEmitter_Move(kScene2BossRingEmitter1, scene2BossRingEmitter1Pool); }

void Scene2Boss_RingEmitter2_Draw() { RingEmitter_Draw(kScene2BossRingEmitter2, scene2BossRingEmitter2Pool); }
void Scene2Boss_RingEmitter2_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter2, scene2BossRingEmitter2Pool, i, k);
}
void Scene2Boss_RingEmitter2_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter2, scene2BossRingEmitter2Pool);
}
void Scene2Boss_RingEmitter2_Move() { RingEmitter_Move(kScene2BossRingEmitter2, scene2BossRingEmitter2Pool); }

void Scene2Boss_RingEmitter3_Draw() { RingEmitter_Draw(kScene2BossRingEmitter3, scene2BossRingEmitter3Pool); }
void Scene2Boss_RingEmitter3_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter3, scene2BossRingEmitter3Pool, i, k);
}
void Scene2Boss_RingEmitter3_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter3, scene2BossRingEmitter3Pool);
}
void Scene2Boss_RingEmitter3_Move() { RingEmitter_Move(kScene2BossRingEmitter3, scene2BossRingEmitter3Pool); }

void Scene2Boss_RingEmitter4_Draw() { RingEmitter_Draw(kScene2BossRingEmitter4, scene2BossRingEmitter4Pool); }
void Scene2Boss_RingEmitter4_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter4, scene2BossRingEmitter4Pool, i, k);
}
void Scene2Boss_RingEmitter4_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter4, scene2BossRingEmitter4Pool);
}
void Scene2Boss_RingEmitter4_Move() { RingEmitter_Move(kScene2BossRingEmitter4, scene2BossRingEmitter4Pool); }

void Scene2Boss_RingEmitter5_Draw() { RingEmitter_Draw(kScene2BossRingEmitter5, scene2BossRingEmitter5Pool); }
void Scene2Boss_RingEmitter5_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter5, scene2BossRingEmitter5Pool, i, k);
}
void Scene2Boss_RingEmitter5_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter5, scene2BossRingEmitter5Pool);
}
void Scene2Boss_RingEmitter5_Move() { RingEmitter_Move(kScene2BossRingEmitter5, scene2BossRingEmitter5Pool); }

void Scene2Boss_RingEmitter6_Draw() { RingEmitter_Draw(kScene2BossRingEmitter6, scene2BossRingEmitter6Pool); }
void Scene2Boss_RingEmitter6_FireOne(int32_t i, int32_t k) {
    RingEmitter_FireOne(kScene2BossRingEmitter6, scene2BossRingEmitter6Pool, i, k);
}
void Scene2Boss_RingEmitter6_Schedule() {
    RingEmitter_Schedule(kScene2BossRingEmitter6, scene2BossRingEmitter6Pool);
}
void Scene2Boss_RingEmitter6_Move() { RingEmitter_Move(kScene2BossRingEmitter6, scene2BossRingEmitter6Pool); }
