#include "game/enemies/large_enemies.h"

#include "game/enemies/large_enemy_forms.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/state/assets.h"

LargeEnemyRecord largeEnemyD50;
LargeEnemyRecord largeEnemyD51;
LargeEnemyRecord largeEnemyD52;
LargeEnemyStopRecord largeEnemyS53L;
LargeEnemyStopRecord largeEnemyS53R;
LargeEnemyStopRecord largeEnemyS50L;
LargeEnemyStopRecord largeEnemyS50R;
LargeEnemyStopRecord largeEnemyS54L;
LargeEnemyStopRecord largeEnemyS54R;
LargeEnemyStepRecord largeEnemyT60;

BigFanVolleyRecord largeEnemyD51Shot1Pool[25];
BigFanVolleyRecord largeEnemyD51Shot2Pool[15];
BigFanVolleyRecord largeEnemyD51Shot3Pool[15];
TimedVolleyLongRecord largeEnemyD51Shot4Pool[20];
TimedVolleyLongRecord largeEnemyD51Shot5Pool[20];
FanVolleyRecord largeEnemyD51Shot6Pool[25];
FanVolleyRecord largeEnemyD51Shot7Pool[25];
FanVolleyRecord largeEnemyD51Shot8Pool[25];

TimedVolleyLongRecord largeEnemyD52Shot1Pool[20];
TimedVolleyLongRecord largeEnemyD52Shot2Pool[20];
FanVolleyRecord largeEnemyD52Shot3Pool[25];
AimedRingBurstRecord largeEnemyD52Shot4Pool[120];

SpiralStreamRecord largeEnemyS53LShot1Pool[36];
SpiralStreamRecord largeEnemyS53LShot2Pool[36];
FormationDropRecord largeEnemyS53LShot3Pool[4];
SpiralStreamRecord largeEnemyS53RShot1Pool[36];
SpiralStreamRecord largeEnemyS53RShot2Pool[36];
FormationDropRecord largeEnemyS53RShot3Pool[4];
TurningStreamRecord largeEnemyS50LShot1Pool[7];
TurningStreamRecord largeEnemyS50LShot2Pool[7];
FormationDropRecord largeEnemyS50LShot3Pool[4];
TurningStreamRecord largeEnemyS50RShot1Pool[7];
TurningStreamRecord largeEnemyS50RShot2Pool[7];
FormationDropRecord largeEnemyS50RShot3Pool[4];
FormationDropRecord largeEnemyS54LShot1Pool[6];
FormationDropRecord largeEnemyS54RShot1Pool[6];
FormationDropRecord largeEnemyT60Shot1Pool[6];

void LargeEnemyD50_SetHit() { largeEnemyD50.hit = 1; }
void LargeEnemyD51_SetHit() { largeEnemyD51.hit = 1; }
void LargeEnemyD52_SetHit() { largeEnemyD52.hit = 1; }
void LargeEnemyS53L_SetHit() { largeEnemyS53L.hit = 1; }
void LargeEnemyS53R_SetHit() { largeEnemyS53R.hit = 1; }
void LargeEnemyS50L_SetHit() { largeEnemyS50L.hit = 1; }
void LargeEnemyS50R_SetHit() { largeEnemyS50R.hit = 1; }
void LargeEnemyS54L_SetHit() { largeEnemyS54L.hit = 1; }
void LargeEnemyS54R_SetHit() { largeEnemyS54R.hit = 1; }
void LargeEnemyT60_SetHit() { largeEnemyT60.hit = 1; }

namespace {

// The explosions' cells stay at their offsets: additive (lit) for most, keyed
// for the T60.
constexpr ExplosionPiece Lit(const int32_t* image, int32_t dx, int32_t dy) {
    return {image, 80, dx, dy, 0, 0, PieceBlit::Additive};
}

constexpr ExplosionPiece kPieces[8] = {
    Lit(&imgZBAK3B, -25, 35), Lit(&imgZBAK3B, 135, 35),  Lit(&imgZBAK3B, 55, -45), Lit(&imgZBAK3B, 55, 115),
    Lit(&imgZBAK2B, -2, -22), Lit(&imgZBAK2B, 112, -22), Lit(&imgZBAK2B, -2, 92),  Lit(&imgZBAK3B, 112, 92),
};
constexpr ExplosionPiece kPiecesD51[8] = {
    Lit(&imgZBAK3B, -25, 35), Lit(&imgZBAK3B, 135, 35),  Lit(&imgZBAK3B, 55, -45), Lit(&imgZBAK3B, 55, 115),
    Lit(&imgZBAK3B, -2, -22), Lit(&imgZBAK3B, 112, -22), Lit(&imgZBAK3B, -2, 92),  Lit(&imgZBAK3B, 112, 92),
};
constexpr ExplosionPiece kPiecesS54R[8] = {
    Lit(&imgZBAK3B, -25, 35), Lit(&imgZBAK3B, 135, 35),  Lit(&imgZBAK3B, 55, -45), Lit(&imgZBAK3B, 55, 115),
    Lit(&imgZBAK2B, -3, -23), Lit(&imgZBAK2B, 113, -23), Lit(&imgZBAK2B, -3, 93),  Lit(&imgZBAK3B, 113, 93),
};
constexpr ExplosionPiece kPiecesT60[16] = {
    Ring(&imgZBAK3B, -25, 35),  Ring(&imgZBAK3B, 135, 35), Ring(&imgZBAK3B, 55, -45),
    Ring(&imgZBAK3B, 55, 115),  Ring(&imgZBAK2B, -3, -23), Ring(&imgZBAK2B, 113, -23),
    Ring(&imgZBAK2B, -3, 93),   Ring(&imgZBAK3B, 113, 93), Ring(&imgZBAK3B, 75, 135),
    Ring(&imgZBAK3B, 235, 135), Ring(&imgZBAK3B, 155, 55), Ring(&imgZBAK3B, 155, 215),
    Ring(&imgZBAK2B, 97, 77),   Ring(&imgZBAK2B, 213, 77), Ring(&imgZBAK2B, 97, 193),
    Ring(&imgZBAK3B, 213, 193),
};

constexpr LargeExplosion kExplosion = {kPieces, 8};
constexpr LargeExplosion kExplosionD51 = {kPiecesD51, 8};
constexpr LargeExplosion kExplosionS54R = {kPiecesS54R, 8};
constexpr LargeExplosion kExplosionT60 = {kPiecesT60, 16};

// S53 and S50: in from the side, stop, leave upward and outward.
constexpr StopAndFireBands kSideBands = {45.0f, 50.0f, 51.0f, 0.0f, 250.0f, false};
// S54: in diagonally downward, stop, leave downward and outward.
constexpr StopAndFireBands kDiagonalBands = {40.0f, 40.0f, 41.0f, 170.0f, 150.0f, true};

constexpr DescendingEnemy kLargeEnemyD50 = {
    &largeEnemyD50, {&imgSZAK50, 140, 120}, 300, -120.0f, &kExplosion};
constexpr DescendingEnemy kLargeEnemyD51 = {
    &largeEnemyD51, {&imgSZAK51, 240, 220}, 200, -220.0f, &kExplosionD51};
constexpr DescendingEnemy kLargeEnemyD52 = {
    &largeEnemyD52, {&imgSZAK52, 200, 160}, 240, -160.0f, &kExplosion};

constexpr StopAndFireEnemy kLargeEnemyS53L = {
    &largeEnemyS53L, {&imgSZAK53, 200, 160},    EntrySide::Left, -20.0f,  100.0f,     60, 620.0f,
    &kSideBands,     LargeEnemyS53L_Shot3_Fire, nullptr,         nullptr, &kExplosion};
constexpr StopAndFireEnemy kLargeEnemyS53R = {
    &largeEnemyS53R, {&imgSZAK53, 200, 160},    EntrySide::Right, 620.0f,  100.0f,     60, 620.0f,
    &kSideBands,     LargeEnemyS53R_Shot3_Fire, nullptr,          nullptr, &kExplosion};
constexpr StopAndFireEnemy kLargeEnemyS50L = {&largeEnemyS50L,
                                              {&imgSZAK50, 200, 160},
                                              EntrySide::Left,
                                              -20.0f,
                                              50.0f,
                                              50,
                                              620.0f,
                                              &kSideBands,
                                              LargeEnemyS50L_Shot3_Fire,
                                              LargeEnemyS50L_Shot1_Fire,
                                              LargeEnemyS50L_Shot2_Fire,
                                              &kExplosion};
// Starts and is parked 20 pixels further right than the other R copies.
constexpr StopAndFireEnemy kLargeEnemyS50R = {&largeEnemyS50R,
                                              {&imgSZAK50, 200, 160},
                                              EntrySide::Right,
                                              640.0f,
                                              50.0f,
                                              50,
                                              640.0f,
                                              &kSideBands,
                                              LargeEnemyS50R_Shot3_Fire,
                                              LargeEnemyS50R_Shot1_Fire,
                                              LargeEnemyS50R_Shot2_Fire,
                                              &kExplosion};
constexpr StopAndFireEnemy kLargeEnemyS54L = {
    &largeEnemyS54L, {&imgSZAK54, 200, 160}, EntrySide::Left,           -20.0f,  -150.0f, 0,
    620.0f,          &kDiagonalBands,        LargeEnemyS54L_Shot1_Fire, nullptr, nullptr, &kExplosion};
constexpr StopAndFireEnemy kLargeEnemyS54R = {
    &largeEnemyS54R, {&imgSZAK54, 200, 160}, EntrySide::Right,          620.0f,  -150.0f, 0,
    620.0f,          &kDiagonalBands,        LargeEnemyS54R_Shot1_Fire, nullptr, nullptr, &kExplosionS54R};

constexpr TimedStepEnemy kLargeEnemyT60 = {&largeEnemyT60, {&imgSZAK60, 300, 300},   140,
                                           -300.0f,        LargeEnemyT60_Shot1_Fire, &kExplosionT60};

} // namespace

void LargeEnemyD50_Spawn() { LargeEnemy_Spawn(kLargeEnemyD50); }
void LargeEnemyD51_Spawn() { LargeEnemy_Spawn(kLargeEnemyD51); }
void LargeEnemyD52_Spawn() { LargeEnemy_Spawn(kLargeEnemyD52); }
void LargeEnemyS53L_Spawn() { LargeEnemy_Spawn(kLargeEnemyS53L); }
void LargeEnemyS53R_Spawn() { LargeEnemy_Spawn(kLargeEnemyS53R); }
void LargeEnemyS50L_Spawn() { LargeEnemy_Spawn(kLargeEnemyS50L); }
void LargeEnemyS50R_Spawn() { LargeEnemy_Spawn(kLargeEnemyS50R); }
void LargeEnemyS54L_Spawn() { LargeEnemy_Spawn(kLargeEnemyS54L); }
void LargeEnemyS54R_Spawn() { LargeEnemy_Spawn(kLargeEnemyS54R); }
void LargeEnemyT60_Spawn() { LargeEnemy_Spawn(kLargeEnemyT60); }

void LargeEnemyD50_Draw() { LargeEnemy_Draw(kLargeEnemyD50); }
void LargeEnemyD51_Draw() { LargeEnemy_Draw(kLargeEnemyD51); }
void LargeEnemyD52_Draw() { LargeEnemy_Draw(kLargeEnemyD52); }
void LargeEnemyS53L_Draw() { LargeEnemy_Draw(kLargeEnemyS53L); }
void LargeEnemyS53R_Draw() { LargeEnemy_Draw(kLargeEnemyS53R); }
void LargeEnemyS50L_Draw() { LargeEnemy_Draw(kLargeEnemyS50L); }
void LargeEnemyS50R_Draw() { LargeEnemy_Draw(kLargeEnemyS50R); }
void LargeEnemyS54L_Draw() { LargeEnemy_Draw(kLargeEnemyS54L); }
void LargeEnemyS54R_Draw() { LargeEnemy_Draw(kLargeEnemyS54R); }
void LargeEnemyT60_Draw() { LargeEnemy_Draw(kLargeEnemyT60); }

void LargeEnemyD50_Move() { LargeEnemy_Move(kLargeEnemyD50); }
void LargeEnemyD51_Move() { LargeEnemy_Move(kLargeEnemyD51); }
void LargeEnemyD52_Move() { LargeEnemy_Move(kLargeEnemyD52); }
void LargeEnemyS53L_Move() { LargeEnemy_Move(kLargeEnemyS53L); }
void LargeEnemyS53R_Move() { LargeEnemy_Move(kLargeEnemyS53R); }
void LargeEnemyS50L_Move() { LargeEnemy_Move(kLargeEnemyS50L); }
void LargeEnemyS50R_Move() { LargeEnemy_Move(kLargeEnemyS50R); }
void LargeEnemyS54L_Move() { LargeEnemy_Move(kLargeEnemyS54L); }
void LargeEnemyS54R_Move() { LargeEnemy_Move(kLargeEnemyS54R); }
void LargeEnemyT60_Move() { LargeEnemy_Move(kLargeEnemyT60); }
