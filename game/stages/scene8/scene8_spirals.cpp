#include "game/enemies/spiral_stream.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/state/assets.h"

namespace {

constexpr Owner kBoss = {&scene8Boss.x, &scene8Boss.y};

// One shot every 10 calls at 20, 30, ..., 350; the wrap to 10 comes before
// the tests, so records 0 and 35 never fly and each turn shows a gap where
// they would be.
constexpr SpiralSchedule kTurnOf36 = {
    .wrap = 360, .restart = 10, .first = 1, .last = 35, .tickScale = 10, .tickAdd = 1};
// One shot every call, three turns a cycle; records 36 and 72 are left out,
// and record 107 (due at the wrap) never flies.
constexpr SpiralSchedule kThreeTurnsOf108 = {
    .wrap = 108, .restart = 0, .first = 1, .last = 107, .tickScale = 1, .tickAdd = 1, .skipEvery = 36};

enum class Hand { Left, Right };

// Odd streams sweep counter-clockwise on screen, even ones clockwise; both
// fly against their heading.
constexpr SpiralStreamConstants Spiral(Hand hand, OffsetTerms x, int32_t stream,
                                       const SpiralSchedule& schedule, const int32_t* image, int32_t cell,
                                       float margin, const KillBox& box) {
    return {
        .owner = kBoss,
        .tick = &scene8Boss.patternTimer[kScene8SpiralTimer + stream - 1],
        .offsetX = x,
        .offsetY = {130.0f},
        .turn = hand == Hand::Right ? 1 : -1,
        .step = -1,
        .speed = 110.0f,
        .schedule = schedule,
        .draw = SpiralDraw::RotatedNegative,
        .image = image,
        .cell = cell,
        .cells = 1,
        .margin = margin,
        .box = box,
    };
}

// Small 19-pixel shots (streams 1 to 4) and 30-pixel ones (5 to 10).
constexpr SpiralStreamConstants Small(Hand hand, OffsetTerms x, int32_t stream) {
    return Spiral(hand, x, stream, kTurnOf36, hand == Hand::Right ? &imgVAL21w : &imgVAL20w, 19, 20.0f,
                  {10.0f, 30.0f, 20.0f, 30.0f});
}
constexpr SpiralStreamConstants Large(Hand hand, OffsetTerms x, int32_t stream,
                                      const SpiralSchedule& schedule) {
    return Spiral(hand, x, stream, schedule, hand == Hand::Right ? &imgVALL3014 : &imgVALL3013, 30, 30.0f,
                  {0.0f, 30.0f, 10.0f, 30.0f});
}

constexpr SpiralStreamConstants kSpiralStream1 = Small(Hand::Left, {220.0f}, 1);
constexpr SpiralStreamConstants kSpiralStream2 = Small(Hand::Right, {220.0f}, 2);
constexpr SpiralStreamConstants kSpiralStream3 = Small(Hand::Left, {220.0f, -100.0f}, 3);
constexpr SpiralStreamConstants kSpiralStream4 = Small(Hand::Right, {220.0f, 100.0f}, 4);
constexpr SpiralStreamConstants kSpiralStream5 = Large(Hand::Left, {215.0f}, 5, kTurnOf36);
constexpr SpiralStreamConstants kSpiralStream6 = Large(Hand::Right, {215.0f}, 6, kTurnOf36);
constexpr SpiralStreamConstants kSpiralStream7 = Large(Hand::Left, {215.0f, -100.0f}, 7, kTurnOf36);
constexpr SpiralStreamConstants kSpiralStream8 = Large(Hand::Right, {215.0f, 100.0f}, 8, kTurnOf36);
constexpr SpiralStreamConstants kSpiralStream9 = Large(Hand::Left, {215.0f, -80.0f}, 9, kThreeTurnsOf108);
constexpr SpiralStreamConstants kSpiralStream10 = Large(Hand::Right, {215.0f, 80.0f}, 10, kThreeTurnsOf108);

} // namespace

void Scene8Boss_SpiralStream1_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream1, scene8BossSpiralStream1Pool, i, k);
}
void Scene8Boss_SpiralStream1_Schedule() {
    SpiralStream_Schedule(kSpiralStream1, scene8BossSpiralStream1Pool);
}
void Scene8Boss_SpiralStream1_Move() { SpiralStream_Move(kSpiralStream1, scene8BossSpiralStream1Pool); }
void Scene8Boss_SpiralStream1_Draw() { SpiralStream_Draw(kSpiralStream1, scene8BossSpiralStream1Pool); }

void Scene8Boss_SpiralStream2_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream2, scene8BossSpiralStream2Pool, i, k);
}
void Scene8Boss_SpiralStream2_Schedule() {
    SpiralStream_Schedule(kSpiralStream2, scene8BossSpiralStream2Pool);
}
void Scene8Boss_SpiralStream2_Move() { SpiralStream_Move(kSpiralStream2, scene8BossSpiralStream2Pool); }
void Scene8Boss_SpiralStream2_Draw() { SpiralStream_Draw(kSpiralStream2, scene8BossSpiralStream2Pool); }

void Scene8Boss_SpiralStream3_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream3, scene8BossSpiralStream3Pool, i, k);
}
void Scene8Boss_SpiralStream3_Schedule() {
    SpiralStream_Schedule(kSpiralStream3, scene8BossSpiralStream3Pool);
}
void Scene8Boss_SpiralStream3_Move() { SpiralStream_Move(kSpiralStream3, scene8BossSpiralStream3Pool); }
void Scene8Boss_SpiralStream3_Draw() { SpiralStream_Draw(kSpiralStream3, scene8BossSpiralStream3Pool); }

void Scene8Boss_SpiralStream4_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream4, scene8BossSpiralStream4Pool, i, k);
}
void Scene8Boss_SpiralStream4_Schedule() {
    SpiralStream_Schedule(kSpiralStream4, scene8BossSpiralStream4Pool);
}
void Scene8Boss_SpiralStream4_Move() { SpiralStream_Move(kSpiralStream4, scene8BossSpiralStream4Pool); }
void Scene8Boss_SpiralStream4_Draw() { SpiralStream_Draw(kSpiralStream4, scene8BossSpiralStream4Pool); }

void Scene8Boss_SpiralStream5_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream5, scene8BossSpiralStream5Pool, i, k);
}
void Scene8Boss_SpiralStream5_Schedule() {
    SpiralStream_Schedule(kSpiralStream5, scene8BossSpiralStream5Pool);
}
void Scene8Boss_SpiralStream5_Move() { SpiralStream_Move(kSpiralStream5, scene8BossSpiralStream5Pool); }
void Scene8Boss_SpiralStream5_Draw() { SpiralStream_Draw(kSpiralStream5, scene8BossSpiralStream5Pool); }

void Scene8Boss_SpiralStream6_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream6, scene8BossSpiralStream6Pool, i, k);
}
void Scene8Boss_SpiralStream6_Schedule() {
    SpiralStream_Schedule(kSpiralStream6, scene8BossSpiralStream6Pool);
}
void Scene8Boss_SpiralStream6_Move() { SpiralStream_Move(kSpiralStream6, scene8BossSpiralStream6Pool); }
void Scene8Boss_SpiralStream6_Draw() { SpiralStream_Draw(kSpiralStream6, scene8BossSpiralStream6Pool); }

void Scene8Boss_SpiralStream7_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream7, scene8BossSpiralStream7Pool, i, k);
}
void Scene8Boss_SpiralStream7_Schedule() {
    SpiralStream_Schedule(kSpiralStream7, scene8BossSpiralStream7Pool);
}
void Scene8Boss_SpiralStream7_Move() { SpiralStream_Move(kSpiralStream7, scene8BossSpiralStream7Pool); }
void Scene8Boss_SpiralStream7_Draw() { SpiralStream_Draw(kSpiralStream7, scene8BossSpiralStream7Pool); }

void Scene8Boss_SpiralStream8_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream8, scene8BossSpiralStream8Pool, i, k);
}
void Scene8Boss_SpiralStream8_Schedule() {
    SpiralStream_Schedule(kSpiralStream8, scene8BossSpiralStream8Pool);
}
void Scene8Boss_SpiralStream8_Move() { SpiralStream_Move(kSpiralStream8, scene8BossSpiralStream8Pool); }
void Scene8Boss_SpiralStream8_Draw() { SpiralStream_Draw(kSpiralStream8, scene8BossSpiralStream8Pool); }

void Scene8Boss_SpiralStream9_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream9, scene8BossSpiralStream9Pool, i, k);
}
void Scene8Boss_SpiralStream9_Schedule() {
    SpiralStream_Schedule(kSpiralStream9, scene8BossSpiralStream9Pool);
}
void Scene8Boss_SpiralStream9_Move() { SpiralStream_Move(kSpiralStream9, scene8BossSpiralStream9Pool); }
void Scene8Boss_SpiralStream9_Draw() { SpiralStream_Draw(kSpiralStream9, scene8BossSpiralStream9Pool); }

void Scene8Boss_SpiralStream10_Launch(int32_t i, int32_t k) {
    SpiralStream_FireOne(kSpiralStream10, scene8BossSpiralStream10Pool, i, k);
}
void Scene8Boss_SpiralStream10_Schedule() {
    SpiralStream_Schedule(kSpiralStream10, scene8BossSpiralStream10Pool);
}
void Scene8Boss_SpiralStream10_Move() { SpiralStream_Move(kSpiralStream10, scene8BossSpiralStream10Pool); }
void Scene8Boss_SpiralStream10_Draw() { SpiralStream_Draw(kSpiralStream10, scene8BossSpiralStream10Pool); }
