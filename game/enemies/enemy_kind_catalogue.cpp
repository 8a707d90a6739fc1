// The 22 small enemy kinds as constants over the one protocol, and their
// named operations.
#include <limits>

#include "game/enemies/enemy_kind_protocol.h"
#include "game/enemies/enemy_kinds.h"

namespace {

constexpr PieceBlit kAdd = PieceBlit::Additive;
constexpr PieceBlit kHalf = PieceBlit::Half;
constexpr float kNoRightEdge = std::numeric_limits<float>::infinity();

// --- Sprites

constexpr EnemySprite Plain(const int32_t* image, int32_t w, int32_t h) {
    return {image, w, h, false, nullptr, false, 0, {}};
}
constexpr EnemySprite kSpinner = {&imgSZAK6, 79, 79, true, nullptr, false, 0, {}};
constexpr EnemySprite kSpriteA = {&imgSZAK10, 70, 80, false, &imgZFIRE1, false, 1, {{25, -55}}};
constexpr EnemySprite kSpriteI = {&imgSZAK9, 80, 80, false, &imgZFIRE2, true, 2, {{5, -54}, {55, -54}}};
constexpr EnemySprite kSpriteL = {&imgSZAK12, 80, 100, false, &imgZFIRE2, true, 2, {{1, -46}, {59, -46}}};

// --- Bounds

constexpr EnemyBounds kOutAtBottom = {BoundsTest::Bottom, 0, 0, 0, 0, ParkX};
constexpr EnemyBounds kOutAtBottomOrLeftL = {BoundsTest::BottomThenSides, 100, kNoRightEdge, 0, 0, ParkX};
constexpr EnemyBounds kOutAtBottomOrSides = {BoundsTest::BottomThenSides, 90, 620, 0, 0, 360};
constexpr EnemyBounds kBoxB = {BoundsTest::Box, 100, 620, -100, 600, 360};
constexpr EnemyBounds kBoxC = {BoundsTest::Box, 80, 620, -120, 600, 350};
constexpr EnemyBounds kBoxQRTU = {BoundsTest::Box, 90, 620, -90, 600, 355};
constexpr EnemyBounds kBoxSV = {BoundsTest::Box, 90, 620, -90, 600, ParkX};

// --- Lock markers

constexpr MarkerRule kMarkerB = {10, 20, 290, 500, 370, 500, MarkerTest::Box, true};
constexpr MarkerRule kMarkerC = {20, 30, 290, 0, 370, 0, MarkerTest::Box, true};
constexpr MarkerRule kMarkerQRTU = {15, 15, 290, 0, 370, 0, MarkerTest::Box, true};
constexpr MarkerRule kMarkerJKMN = {10, 10, 290, 0, 370, 0, MarkerTest::Horizontal, false};
constexpr MarkerRule kNoMarker = {};

// --- Explosions

constexpr EnemyExplosion Fireball(bool stops) {
    return {7, stops, {Main(&imgZBAK2B, kAdd)}, PlainExplosion::MainOnly, &imgZBAK2B};
}
// The 80-cell fireball with six small pieces of debris; mode 0 shows the fireball alone.
constexpr EnemyExplosion Debris(bool stops, PieceBlit mainBlit, ExplosionPiece last2, ExplosionPiece last1) {
    return {
        7,
        stops,
        {Main(&imgZBAK2B, mainBlit), Small(-4, -6), Small(1, 7), Small(7, -1), Small(-6, 3), last2, last1},
        PlainExplosion::MainOnly,
        &imgZBAK2B};
}
constexpr EnemyExplosion kExplosionA = {9,
                                        true,
                                        {Main(&imgZBAK3B, kAdd), Big(&imgZBAK3B, -6, -6, kHalf),
                                         Big(&imgZBAK3B, 6, 2, kAdd), Big(&imgZBAK3B, -6, 6, kAdd),
                                         Big(&imgZBAK3B, 1, -6, kAdd)},
                                        PlainExplosion::SamePiecesKeyed,
                                        nullptr};
constexpr EnemyExplosion kExplosionF = {7,
                                        true,
                                        {Main(&imgZBAK2B, kAdd), Small(-5, -5), Small(6, 6), Small(-6, 4)},
                                        PlainExplosion::SamePiecesKeyed,
                                        nullptr};
constexpr EnemyExplosion kExplosionG = {
    7,
    true,
    {Main(&imgZBAK2B, kAdd), Small(-4, -6), Small(6, 5), Small(-6, 3), Small(6, -6), Small(5, -5)},
    PlainExplosion::SamePiecesKeyed,
    nullptr};
constexpr EnemyExplosion kExplosionHI = Debris(true, kHalf, Small(-7, -6), Small(5, -8));
constexpr EnemyExplosion kExplosionJK = {7,
                                         true,
                                         {Main(&imgZBAK2B, kAdd), Small(-4, -6), Small(-1, 7), Small(-7, -1),
                                          Small(-6, 3), Small(7, 6), Small(5, -8)},
                                         PlainExplosion::MainOnly,
                                         &imgZBAK2B};
constexpr EnemyExplosion kExplosionL = {7,
                                        true,
                                        {Big(&imgZBAK2B, 6, -1, kAdd), Big(&imgZBAK2B, 6, 6, kHalf),
                                         Big(&imgZBAK2B, -6, 4, kAdd), Big(&imgZBAK2B, 2, -6, kHalf),
                                         Main(&imgZBAK2B, kAdd), Big(&imgZBAK2B, -6, -6, kAdd)},
                                        PlainExplosion::SamePiecesKeyed,
                                        nullptr};
constexpr EnemyExplosion kExplosionMN = {7,
                                         true,
                                         {Main(&imgZBAK3B, kAdd), Big(&imgZBAK3B, -6, -6, kAdd),
                                          Big(&imgZBAK3B, 6, 2, kAdd), Big(&imgZBAK3B, -6, 6, kAdd),
                                          Big(&imgZBAK3B, 1, -6, kAdd)},
                                         PlainExplosion::MainOnly,
                                         &imgZBAK2B};
// The large wrecks burn as a ring of eight fireballs, keyed in either mode.
constexpr EnemyExplosion Burning(const int32_t* lowerLeft) {
    return {7,
            false,
            {Ring(&imgZBAK2B, -25, 35), Ring(&imgZBAK3B, 135, 35), Ring(&imgZBAK2B, 55, -45),
             Ring(&imgZBAK2B, 55, 115), Ring(&imgZBAK2B, -2, -22), Ring(&imgZBAK2B, 112, -22),
             Ring(lowerLeft, -2, 92), Ring(&imgZBAK3B, 112, 92)},
            PlainExplosion::SamePiecesKeyed,
            nullptr};
}
constexpr EnemyExplosion kExplosionRS = Debris(false, kAdd, Small(7, 6), Small(5, -8));
constexpr EnemyExplosion kExplosionUV = Debris(true, kAdd, Small(7, 6), Small(5, -8));

// --- The kinds
//                    sprite, x, y, vx, vy, clears anim, motion, steer, bounds, needs active, explosion,
//                    markers

constexpr EnemyKind kEnemyA = {
    kSpriteA, RandPlus(310, 210), Fixed(-80), Unset(),     RandPlus(60, 70), true,     Motion::Fall,
    0,        kOutAtBottom,       false,      kExplosionA, nullptr,          kNoMarker};
// Nothing arms B or C: they rise from the bottom only in the tables.
constexpr EnemyKind kEnemyB = {Plain(&imgSZAK3, 80, 100),
                               RandPlus(360, 180),
                               Fixed(480),
                               Fixed(0),
                               MinusRand(100, 120),
                               false,
                               Motion::FallDriftBack,
                               0,
                               kBoxB,
                               true,
                               Fireball(false),
                               enemyBLockMarkers,
                               kMarkerB};
constexpr EnemyKind kEnemyC = {Plain(&imgSZAK4, 100, 120),
                               RandPlus(340, 180),
                               Fixed(480),
                               Fixed(0),
                               MinusRand(80, 120),
                               false,
                               Motion::FallDriftBack,
                               0,
                               kBoxC,
                               true,
                               Fireball(false),
                               enemyCLockMarkers,
                               kMarkerC};
constexpr EnemyKind kEnemyD = {Plain(&imgSZAK1, 60, 60),
                               Fixed(220),
                               Fixed(-60),
                               RandPlus(10, 0),
                               RandPlus(180, 60),
                               false,
                               Motion::FallDrift,
                               0,
                               kOutAtBottom,
                               false,
                               Fireball(true),
                               nullptr,
                               kNoMarker};
constexpr EnemyKind kEnemyE = {Plain(&imgSZAK1, 60, 60),
                               Fixed(520),
                               Fixed(-60),
                               RandPlus(10, 0),
                               RandPlus(180, 60),
                               false,
                               Motion::FallDriftBack,
                               0,
                               kOutAtBottom,
                               false,
                               Fireball(true),
                               nullptr,
                               kNoMarker};
constexpr EnemyKind kEnemyF = {
    kSpinner, RandPlus(360, 180), Fixed(-80), RandPlus(10, 0), RandPlus(80, 120), false,    Motion::FallDrift,
    50,       kOutAtBottom,       false,      kExplosionF,     nullptr,           kNoMarker};
constexpr EnemyKind kEnemyG = {
    kSpinner, RandPlus(360, 180), Fixed(-80), RandPlus(10, 0), RandPlus(80, 140), false,    Motion::FallDrift,
    55,       kOutAtBottom,       false,      kExplosionG,     nullptr,           kNoMarker};
constexpr EnemyKind kEnemyH = {
    kSpinner, RandPlus(360, 180), Fixed(-80), Unset(),      RandPlus(80, 40), false,    Motion::Fall,
    0,        kOutAtBottom,       false,      kExplosionHI, nullptr,          kNoMarker};
constexpr EnemyKind kEnemyI = {
    kSpriteI, RandPlus(360, 180), Fixed(-80), Unset(),      RandPlus(60, 50), true,     Motion::Fall,
    0,        kOutAtBottom,       false,      kExplosionHI, nullptr,          kNoMarker};
constexpr EnemyKind kEnemyJ = {kSpinner,
                               Fixed(90),
                               RandPlus(100, 0),
                               LessRand(100, 50),
                               LessRand(90, 50),
                               false,
                               Motion::Cross,
                               0,
                               kOutAtBottomOrSides,
                               true,
                               kExplosionJK,
                               enemyJLockMarkers,
                               kMarkerJKMN};
constexpr EnemyKind kEnemyK = {kSpinner,
                               Fixed(620),
                               RandPlus(100, 0),
                               LessRand(100, 50),
                               LessRand(90, 50),
                               false,
                               Motion::CrossBack,
                               0,
                               kOutAtBottomOrSides,
                               true,
                               kExplosionJK,
                               enemyKLockMarkers,
                               kMarkerJKMN};
constexpr EnemyKind kEnemyL = {
    kSpriteL, RandPlus(400, 160),  Fixed(-100), Unset(),     RandPlus(68, 52), true,     Motion::Fall,
    0,        kOutAtBottomOrLeftL, false,       kExplosionL, nullptr,          kNoMarker};
constexpr EnemyKind kEnemyM = {Plain(&imgSZAK13, 80, 60),
                               Fixed(90),
                               RandPlus(200, 0),
                               RandPlus(50, 50),
                               Unset(),
                               false,
                               Motion::Slide,
                               0,
                               kOutAtBottomOrSides,
                               true,
                               kExplosionMN,
                               enemyMLockMarkers,
                               kMarkerJKMN};
constexpr EnemyKind kEnemyN = {Plain(&imgSZAK13, 80, 60),
                               Fixed(620),
                               RandPlus(200, 0),
                               RandPlus(50, 50),
                               Unset(),
                               false,
                               Motion::SlideBack,
                               0,
                               kOutAtBottomOrSides,
                               true,
                               kExplosionMN,
                               enemyNLockMarkers,
                               kMarkerJKMN};
constexpr EnemyKind kEnemyO = {Plain(&imgSZAK52, 200, 160),
                               Fixed(-20),
                               Fixed(-160),
                               Unset(),
                               RandPlus(80, 80),
                               false,
                               Motion::DiveRight,
                               0,
                               kOutAtBottom,
                               false,
                               Burning(&imgZBAK3B),
                               nullptr,
                               kNoMarker};
constexpr EnemyKind kEnemyP = {Plain(&imgSZAK52, 200, 160),
                               Fixed(620),
                               Fixed(-160),
                               Unset(),
                               RandPlus(80, 80),
                               false,
                               Motion::DiveLeft,
                               0,
                               kOutAtBottom,
                               false,
                               Burning(&imgZBAK2B),
                               nullptr,
                               kNoMarker};
constexpr EnemyKind kEnemyQ = {Plain(&imgSZAK21, 90, 90),
                               Fixed(90),
                               Fixed(-90),
                               RandPlus(70, 60),
                               RandPlus(70, 70),
                               false,
                               Motion::FallDrift,
                               0,
                               kBoxQRTU,
                               true,
                               Fireball(false),
                               enemyQLockMarkers,
                               kMarkerQRTU};
// R and U carry the first two markers of Q and T.
constexpr EnemyKind kEnemyR = {Plain(&imgSZAK21, 90, 90),
                               Fixed(90),
                               Fixed(60),
                               RandPlus(80, 70),
                               RandPlus(80, 80),
                               false,
                               Motion::FallDrift,
                               0,
                               kBoxQRTU,
                               true,
                               kExplosionRS,
                               enemyQLockMarkers,
                               kMarkerQRTU};
constexpr EnemyKind kEnemyT = {Plain(&imgSZAK22, 90, 90),
                               Fixed(620),
                               Fixed(-90),
                               RandPlus(70, 60),
                               RandPlus(70, 70),
                               false,
                               Motion::FallDriftBack,
                               0,
                               kBoxQRTU,
                               true,
                               Fireball(false),
                               enemyTLockMarkers,
                               kMarkerQRTU};
constexpr EnemyKind kEnemyU = {Plain(&imgSZAK22, 90, 90),
                               Fixed(620),
                               Fixed(60),
                               RandPlus(80, 70),
                               RandPlus(80, 80),
                               false,
                               Motion::FallDriftBack,
                               0,
                               kBoxQRTU,
                               true,
                               kExplosionUV,
                               enemyTLockMarkers,
                               kMarkerQRTU};

constexpr EnemyWaveKind kEnemyS = {{Plain(&imgSZAK21, 90, 90), Fixed(90), Fixed(20), Fixed(200), Fixed(200),
                                    false, Motion::FallDrift, 0, kBoxSV, true, kExplosionRS, nullptr,
                                    kNoMarker},
                                   100,
                                   500};
constexpr EnemyWaveKind kEnemyV = {{Plain(&imgSZAK22, 90, 90), Fixed(620), Fixed(20), Fixed(-200), Fixed(200),
                                    false, Motion::FallDrift, 0, kBoxSV, true, kExplosionUV, nullptr,
                                    kNoMarker},
                                   100,
                                   500};

} // namespace

void EnemyA_Spawn() { EnemyKindSpawn(kEnemyA, enemyAPool); }
void EnemyA_Draw() { EnemyKindDraw(kEnemyA, enemyAPool); }
void EnemyA_Move() { EnemyKindMove(kEnemyA, enemyAPool); }
void EnemyB_Spawn() { EnemyKindSpawn(kEnemyB, enemyBPool); }
void EnemyB_Draw() { EnemyKindDraw(kEnemyB, enemyBPool); }
void EnemyB_Move() { EnemyKindMove(kEnemyB, enemyBPool); }
void EnemyC_Spawn() { EnemyKindSpawn(kEnemyC, enemyCPool); }
void EnemyC_Draw() { EnemyKindDraw(kEnemyC, enemyCPool); }
void EnemyC_Move() { EnemyKindMove(kEnemyC, enemyCPool); }
void EnemyD_Spawn() { EnemyKindSpawn(kEnemyD, enemyDPool); }
void EnemyD_Draw() { EnemyKindDraw(kEnemyD, enemyDPool); }
void EnemyD_Move() { EnemyKindMove(kEnemyD, enemyDPool); }
void EnemyE_Spawn() { EnemyKindSpawn(kEnemyE, enemyEPool); }
void EnemyE_Draw() { EnemyKindDraw(kEnemyE, enemyEPool); }
void EnemyE_Move() { EnemyKindMove(kEnemyE, enemyEPool); }
void EnemyF_Spawn() { EnemyKindSpawn(kEnemyF, enemyFPool); }
void EnemyF_Draw() { EnemyKindDraw(kEnemyF, enemyFPool); }
void EnemyF_Move() { EnemyKindMove(kEnemyF, enemyFPool); }
void EnemyG_Spawn() { EnemyKindSpawn(kEnemyG, enemyGPool); }
void EnemyG_Draw() { EnemyKindDraw(kEnemyG, enemyGPool); }
void EnemyG_Move() { EnemyKindMove(kEnemyG, enemyGPool); }
void EnemyH_Spawn() { EnemyKindSpawn(kEnemyH, enemyHPool); }
void EnemyH_Draw() { EnemyKindDraw(kEnemyH, enemyHPool); }
void EnemyH_Move() { EnemyKindMove(kEnemyH, enemyHPool); }
void EnemyI_Spawn() { EnemyKindSpawn(kEnemyI, enemyIPool); }
void EnemyI_Draw() { EnemyKindDraw(kEnemyI, enemyIPool); }
void EnemyI_Move() { EnemyKindMove(kEnemyI, enemyIPool); }
void EnemyJ_Spawn() { EnemyKindSpawn(kEnemyJ, enemyJPool); }
void EnemyJ_Draw() { EnemyKindDraw(kEnemyJ, enemyJPool); }
void EnemyJ_Move() { EnemyKindMove(kEnemyJ, enemyJPool); }
void EnemyK_Spawn() { EnemyKindSpawn(kEnemyK, enemyKPool); }
void EnemyK_Draw() { EnemyKindDraw(kEnemyK, enemyKPool); }
void EnemyK_Move() { EnemyKindMove(kEnemyK, enemyKPool); }
void EnemyL_Spawn() { EnemyKindSpawn(kEnemyL, enemyLPool); }
void EnemyL_Draw() { EnemyKindDraw(kEnemyL, enemyLPool); }
void EnemyL_Move() { EnemyKindMove(kEnemyL, enemyLPool); }
void EnemyM_Spawn() { EnemyKindSpawn(kEnemyM, enemyMPool); }
void EnemyM_Draw() { EnemyKindDraw(kEnemyM, enemyMPool); }
void EnemyM_Move() { EnemyKindMove(kEnemyM, enemyMPool); }
void EnemyN_Spawn() { EnemyKindSpawn(kEnemyN, enemyNPool); }
void EnemyN_Draw() { EnemyKindDraw(kEnemyN, enemyNPool); }
void EnemyN_Move() { EnemyKindMove(kEnemyN, enemyNPool); }
void EnemyO_Spawn() { EnemyKindSpawn(kEnemyO, enemyOPool); }
void EnemyO_Draw() { EnemyKindDraw(kEnemyO, enemyOPool); }
void EnemyO_Move() { EnemyKindMove(kEnemyO, enemyOPool); }
void EnemyP_Spawn() { EnemyKindSpawn(kEnemyP, enemyPPool); }
void EnemyP_Draw() { EnemyKindDraw(kEnemyP, enemyPPool); }
void EnemyP_Move() { EnemyKindMove(kEnemyP, enemyPPool); }
void EnemyQ_Spawn() { EnemyKindSpawn(kEnemyQ, enemyQPool); }
void EnemyQ_Draw() { EnemyKindDraw(kEnemyQ, enemyQPool); }
void EnemyQ_Move() { EnemyKindMove(kEnemyQ, enemyQPool); }
void EnemyR_Spawn() { EnemyKindSpawn(kEnemyR, enemyRPool); }
void EnemyR_Draw() { EnemyKindDraw(kEnemyR, enemyRPool); }
void EnemyR_Move() { EnemyKindMove(kEnemyR, enemyRPool); }
void EnemyT_Spawn() { EnemyKindSpawn(kEnemyT, enemyTPool); }
void EnemyT_Draw() { EnemyKindDraw(kEnemyT, enemyTPool); }
void EnemyT_Move() { EnemyKindMove(kEnemyT, enemyTPool); }
void EnemyU_Spawn() { EnemyKindSpawn(kEnemyU, enemyUPool); }
void EnemyU_Draw() { EnemyKindDraw(kEnemyU, enemyUPool); }
void EnemyU_Move() { EnemyKindMove(kEnemyU, enemyUPool); }

void EnemyS_SpawnSlot(int32_t slot) { EnemyWaveSpawnSlot(kEnemyS, enemySPool, slot); }
void EnemyS_SpawnTimed() { EnemyWaveSpawnTimed(kEnemyS, enemySPool); }
void EnemyS_Draw() { EnemyKindDraw(kEnemyS.kind, enemySPool); }
void EnemyS_Move() { EnemyKindMove(kEnemyS.kind, enemySPool); }
void EnemyV_SpawnSlot(int32_t slot) { EnemyWaveSpawnSlot(kEnemyV, enemyVPool, slot); }
void EnemyV_SpawnTimed() { EnemyWaveSpawnTimed(kEnemyV, enemyVPool); }
void EnemyV_Draw() { EnemyKindDraw(kEnemyV.kind, enemyVPool); }
void EnemyV_Move() { EnemyKindMove(kEnemyV.kind, enemyVPool); }
