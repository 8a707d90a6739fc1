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

// Straight down, double rate in the stage tables, one exhaust flame.
constexpr EnemyKind kEnemyA = {.sprite = kSpriteA,
                               .x = RandPlus(310, 210),
                               .y = Fixed(-80),
                               .vy = RandPlus(60, 70),
                               .spawnClearsAnim = true,
                               .motion = Motion::Fall,
                               .bounds = kOutAtBottom,
                               .explosion = kExplosionA};
// B and C rise from the bottom; nothing ever arms them.
constexpr EnemyKind kEnemyB = {.sprite = Plain(&imgSZAK3, 80, 100),
                               .x = RandPlus(360, 180),
                               .y = Fixed(480),
                               .vx = Fixed(0),
                               .vy = MinusRand(100, 120),
                               .motion = Motion::FallDriftBack,
                               .bounds = kBoxB,
                               .drawNeedsActive = true,
                               .explosion = Fireball(false),
                               .markers = enemyBLockMarkers,
                               .marker = kMarkerB};
constexpr EnemyKind kEnemyC = {.sprite = Plain(&imgSZAK4, 100, 120),
                               .x = RandPlus(340, 180),
                               .y = Fixed(480),
                               .vx = Fixed(0),
                               .vy = MinusRand(80, 120),
                               .motion = Motion::FallDriftBack,
                               .bounds = kBoxC,
                               .drawNeedsActive = true,
                               .explosion = Fireball(false),
                               .markers = enemyCLockMarkers,
                               .marker = kMarkerC};
constexpr EnemyKind kEnemyD = {.sprite = Plain(&imgSZAK1, 60, 60),
                               .x = Fixed(220),
                               .y = Fixed(-60),
                               .vx = RandPlus(10, 0),
                               .vy = RandPlus(180, 60),
                               .motion = Motion::FallDrift,
                               .bounds = kOutAtBottom,
                               .explosion = Fireball(true)};
constexpr EnemyKind kEnemyE = {.sprite = Plain(&imgSZAK1, 60, 60),
                               .x = Fixed(520),
                               .y = Fixed(-60),
                               .vx = RandPlus(10, 0),
                               .vy = RandPlus(180, 60),
                               .motion = Motion::FallDriftBack,
                               .bounds = kOutAtBottom,
                               .explosion = Fireball(true)};
// F and G drift toward the ship; H falls straight.
constexpr EnemyKind kEnemyF = {.sprite = kSpinner,
                               .x = RandPlus(360, 180),
                               .y = Fixed(-80),
                               .vx = RandPlus(10, 0),
                               .vy = RandPlus(80, 120),
                               .motion = Motion::FallDrift,
                               .steer = 50,
                               .bounds = kOutAtBottom,
                               .explosion = kExplosionF};
constexpr EnemyKind kEnemyG = {.sprite = kSpinner,
                               .x = RandPlus(360, 180),
                               .y = Fixed(-80),
                               .vx = RandPlus(10, 0),
                               .vy = RandPlus(80, 140),
                               .motion = Motion::FallDrift,
                               .steer = 55,
                               .bounds = kOutAtBottom,
                               .explosion = kExplosionG};
constexpr EnemyKind kEnemyH = {.sprite = kSpinner,
                               .x = RandPlus(360, 180),
                               .y = Fixed(-80),
                               .vy = RandPlus(80, 40),
                               .motion = Motion::Fall,
                               .bounds = kOutAtBottom,
                               .explosion = kExplosionHI};
constexpr EnemyKind kEnemyI = {.sprite = kSpriteI,
                               .x = RandPlus(360, 180),
                               .y = Fixed(-80),
                               .vy = RandPlus(60, 50),
                               .spawnClearsAnim = true,
                               .motion = Motion::Fall,
                               .bounds = kOutAtBottom,
                               .explosion = kExplosionHI};
// J and K cross from the sides at a random height.
constexpr EnemyKind kEnemyJ = {.sprite = kSpinner,
                               .x = Fixed(90),
                               .y = RandPlus(100, 0),
                               .vx = LessRand(100, 50),
                               .vy = LessRand(90, 50),
                               .motion = Motion::Cross,
                               .bounds = kOutAtBottomOrSides,
                               .drawNeedsActive = true,
                               .explosion = kExplosionJK,
                               .markers = enemyJLockMarkers,
                               .marker = kMarkerJKMN};
constexpr EnemyKind kEnemyK = {.sprite = kSpinner,
                               .x = Fixed(620),
                               .y = RandPlus(100, 0),
                               .vx = LessRand(100, 50),
                               .vy = LessRand(90, 50),
                               .motion = Motion::CrossBack,
                               .bounds = kOutAtBottomOrSides,
                               .drawNeedsActive = true,
                               .explosion = kExplosionJK,
                               .markers = enemyKLockMarkers,
                               .marker = kMarkerJKMN};
constexpr EnemyKind kEnemyL = {.sprite = kSpriteL,
                               .x = RandPlus(400, 160),
                               .y = Fixed(-100),
                               .vy = RandPlus(68, 52),
                               .spawnClearsAnim = true,
                               .motion = Motion::Fall,
                               .bounds = kOutAtBottomOrLeftL,
                               .explosion = kExplosionL};
// M and N slide across at the height they enter at.
constexpr EnemyKind kEnemyM = {.sprite = Plain(&imgSZAK13, 80, 60),
                               .x = Fixed(90),
                               .y = RandPlus(200, 0),
                               .vx = RandPlus(50, 50),
                               .motion = Motion::Slide,
                               .bounds = kOutAtBottomOrSides,
                               .drawNeedsActive = true,
                               .explosion = kExplosionMN,
                               .markers = enemyMLockMarkers,
                               .marker = kMarkerJKMN};
constexpr EnemyKind kEnemyN = {.sprite = Plain(&imgSZAK13, 80, 60),
                               .x = Fixed(620),
                               .y = RandPlus(200, 0),
                               .vx = RandPlus(50, 50),
                               .motion = Motion::SlideBack,
                               .bounds = kOutAtBottomOrSides,
                               .drawNeedsActive = true,
                               .explosion = kExplosionMN,
                               .markers = enemyNLockMarkers,
                               .marker = kMarkerJKMN};
// O and P dive at 45 degrees, their vertical speed serving both axes.
constexpr EnemyKind kEnemyO = {.sprite = Plain(&imgSZAK52, 200, 160),
                               .x = Fixed(-20),
                               .y = Fixed(-160),
                               .vy = RandPlus(80, 80),
                               .motion = Motion::DiveRight,
                               .bounds = kOutAtBottom,
                               .explosion = Burning(&imgZBAK3B)};
constexpr EnemyKind kEnemyP = {.sprite = Plain(&imgSZAK52, 200, 160),
                               .x = Fixed(620),
                               .y = Fixed(-160),
                               .vy = RandPlus(80, 80),
                               .motion = Motion::DiveLeft,
                               .bounds = kOutAtBottom,
                               .explosion = Burning(&imgZBAK2B)};
constexpr EnemyKind kEnemyQ = {.sprite = Plain(&imgSZAK21, 90, 90),
                               .x = Fixed(90),
                               .y = Fixed(-90),
                               .vx = RandPlus(70, 60),
                               .vy = RandPlus(70, 70),
                               .motion = Motion::FallDrift,
                               .bounds = kBoxQRTU,
                               .drawNeedsActive = true,
                               .explosion = Fireball(false),
                               .markers = enemyQLockMarkers,
                               .marker = kMarkerQRTU};
// R and U carry the first two markers of Q and T.
constexpr EnemyKind kEnemyR = {.sprite = Plain(&imgSZAK21, 90, 90),
                               .x = Fixed(90),
                               .y = Fixed(60),
                               .vx = RandPlus(80, 70),
                               .vy = RandPlus(80, 80),
                               .motion = Motion::FallDrift,
                               .bounds = kBoxQRTU,
                               .drawNeedsActive = true,
                               .explosion = kExplosionRS,
                               .markers = enemyQLockMarkers,
                               .marker = kMarkerQRTU};
constexpr EnemyKind kEnemyT = {.sprite = Plain(&imgSZAK22, 90, 90),
                               .x = Fixed(620),
                               .y = Fixed(-90),
                               .vx = RandPlus(70, 60),
                               .vy = RandPlus(70, 70),
                               .motion = Motion::FallDriftBack,
                               .bounds = kBoxQRTU,
                               .drawNeedsActive = true,
                               .explosion = Fireball(false),
                               .markers = enemyTLockMarkers,
                               .marker = kMarkerQRTU};
constexpr EnemyKind kEnemyU = {.sprite = Plain(&imgSZAK22, 90, 90),
                               .x = Fixed(620),
                               .y = Fixed(60),
                               .vx = RandPlus(80, 70),
                               .vy = RandPlus(80, 80),
                               .motion = Motion::FallDriftBack,
                               .bounds = kBoxQRTU,
                               .drawNeedsActive = true,
                               .explosion = kExplosionUV,
                               .markers = enemyTLockMarkers,
                               .marker = kMarkerQRTU};

// The timed waves: five slots from the upper corners, one every 100 calls.
constexpr EnemyWaveKind kEnemyS = {.kind = {.sprite = Plain(&imgSZAK21, 90, 90),
                                            .x = Fixed(90),
                                            .y = Fixed(20),
                                            .vx = Fixed(200),
                                            .vy = Fixed(200),
                                            .motion = Motion::FallDrift,
                                            .bounds = kBoxSV,
                                            .drawNeedsActive = true,
                                            .explosion = kExplosionRS},
                                   .tickStep = 100,
                                   .wrap = 500};
constexpr EnemyWaveKind kEnemyV = {.kind = {.sprite = Plain(&imgSZAK22, 90, 90),
                                            .x = Fixed(620),
                                            .y = Fixed(20),
                                            .vx = Fixed(-200),
                                            .vy = Fixed(200),
                                            .motion = Motion::FallDrift,
                                            .bounds = kBoxSV,
                                            .drawNeedsActive = true,
                                            .explosion = kExplosionUV},
                                   .tickStep = 100,
                                   .wrap = 500};

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
