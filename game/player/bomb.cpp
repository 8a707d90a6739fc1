#include "game/player/bomb.h"

#include <cmath>
#include <cstddef>

#include "game/bosses/boss_roster.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/player/player_api.h"
#include "game/player/player_pools.h"
#include "game/player/weapon_aim.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

// --- Launch schedule ------------------------------------------------------------
// Groups 2 to 8 go every three frames from frame 3 and again 24 frames later,
// when the first flight has left the field; group 1 goes only once, at 24.
struct BombWave {
    int32_t clock;
    int32_t firstFragment;
};

constexpr BombWave kBombWaves[] = {
    {3, 10},  {6, 20},  {9, 30},  {12, 40}, {15, 50}, {18, 60}, {21, 70}, {24, 0},
    {27, 10}, {30, 20}, {33, 30}, {36, 40}, {39, 50}, {42, 60}, {45, 70},
};
constexpr int32_t kFragmentsPerWave = 10;
constexpr int32_t kFragmentSpeed = 40; // pixels per frame
constexpr int32_t kFragmentSize = 80;

void ParkFragment(BombFragment& f) {
    f.alive = 0;
    f.x = -500;
    f.y = 500;
}

// --- Targets --------------------------------------------------------------------
// A target is hit when the fragment's top-left lies inside this box around the
// target's own top-left, both ends included.
struct BombBox {
    int32_t lowestY; // targets above this are not tested
    int32_t xFrom, xTo;
    int32_t yFrom, yTo;
    int32_t points;
};

constexpr BombBox kBoxEnemyA{-45, -60, 70, -60, 50, 50};
constexpr BombBox kBoxEnemyB{-30, -40, 60, -60, 60, 250};
constexpr BombBox kBoxEnemyC{-30, -40, 80, -60, 60, 250};
constexpr BombBox kBoxEnemyDE{-50, -60, 60, -60, 50, 50};
constexpr BombBox kBoxEnemyFGHI{-30, -60, 80, -60, 50, 50};
constexpr BombBox kBoxEnemyJK{-60, -60, 80, -60, 50, 50};
constexpr BombBox kBoxEnemyLMN{-30, -60, 80, -60, 50, 50};
constexpr BombBox kBoxEnemyOP{-30, 0, 140, -60, 50, 50};
constexpr BombBox kBoxEnemyQtoV{-30, 0, 30, -60, 50, 50};
constexpr BombBox kBoxSquad{-30, 0, 40, -60, 50, 50};
constexpr BombBox kBoxSquadV2C{-32, 0, 40, -60, 50, 50};
constexpr BombBox kBoxSquadSpinner{-30, 0, 60, -60, 50, 250};
// The first descender's box runs from +60 back to +20: it holds no point, so
// the bomb passes over that enemy.
constexpr BombBox kBoxLargeD50{-30, 60, 20, -60, 50, 50};
constexpr BombBox kBoxLargeD51{-30, 60, 120, -60, 50, 50};
constexpr BombBox kBoxLargeD52{-30, 60, 80, -60, 50, 50};
constexpr BombBox kBoxLargeStop{-30, 60, 80, -60, 50, 300};
constexpr BombBox kBoxLargeT60{-30, 60, 180, -60, 200, 500};
constexpr int32_t kT60HitsToBreak = 25;

// Every boss is tested from y 0 down, over rows 10 to 200 of its body; the
// roster gives the columns, the points and the hp a second of overlap takes.
constexpr int32_t kBossLowestY = 0;
constexpr int32_t kBossYFrom = 10;
constexpr int32_t kBossYTo = 200;

// Whole-pixel test; 64-bit sums so a target far off the field cannot overflow.
bool Covers(const BombFragment& f, float targetX, float targetY, const BombBox& box) {
    const int64_t tx = FloatToInt(targetX);
    const int64_t ty = FloatToInt(targetY);
    return f.x >= tx + box.xFrom && f.x <= tx + box.xTo && f.y >= ty + box.yFrom && f.y <= ty + box.yTo;
}

bool Testable(int32_t noCollide, float y, const BombBox& box) {
    return noCollide == 0 && y >= float(box.lowestY);
}

// Enemy kinds and squads: slot by slot from slot 0.
template <typename Record, std::size_t N>
void HitPool(const BombFragment& f, Record (&pool)[N], void (*setHit)(int32_t), const BombBox& box) {
    for (std::size_t i = 0; i < N; ++i) {
        const Record& r = pool[i];
        if (!Testable(r.collideOff, r.y, box) || !Covers(f, r.x, r.y, box)) continue;
        setHit(int32_t(i));
        AddScore(box.points);
    }
}

template <typename Record>
void HitLarge(const BombFragment& f, Record& r, void (*setHit)(), const BombBox& box) {
    if (!Testable(r.noCollide, r.y, box) || !Covers(f, r.x, r.y, box)) return;
    setHit();
    AddScore(box.points);
}

// The stepping enemy breaks only after 25 frames of overlap, then scores on
// every further one.
void HitLargeT60(const BombFragment& f) {
    LargeEnemyStepRecord& r = largeEnemyT60;
    if (!Testable(r.noCollide, r.y, kBoxLargeT60) || !Covers(f, r.x, r.y, kBoxLargeT60)) return;
    r.hitsTaken += 1;
    if (r.hitsTaken < kT60HitsToBreak) return;
    LargeEnemyT60_SetHit();
    AddScore(kBoxLargeT60.points);
}

void HitBoss(const BombFragment& f, const BossRosterRow& t) {
    BossRecord& b = *t.boss;
    const BombBox box{kBossLowestY, t.bombBox.xLow, t.bombBox.xHigh, kBossYFrom, kBossYTo, t.bombBox.points};
    if (!Testable(b.deadFlag, b.y, box) || !Covers(f, b.x, b.y, box)) return;
    t.setHit();
    AddScore(box.points);
    b.hp -= t.bombHpLossPerSecond * frameDt;
}

// A fragment is not spent by a hit: it tests every target, every frame.
void HitEverything(const BombFragment& f) {
    HitPool(f, enemyAPool, EnemyA_SetHit, kBoxEnemyA);
    HitPool(f, enemyBPool, EnemyB_SetHit, kBoxEnemyB);
    HitPool(f, enemyCPool, EnemyC_SetHit, kBoxEnemyC);
    HitPool(f, enemyDPool, EnemyD_SetHit, kBoxEnemyDE);
    HitPool(f, enemyEPool, EnemyE_SetHit, kBoxEnemyDE);
    HitPool(f, enemyFPool, EnemyF_SetHit, kBoxEnemyFGHI);
    HitPool(f, enemyGPool, EnemyG_SetHit, kBoxEnemyFGHI);
    HitPool(f, enemyHPool, EnemyH_SetHit, kBoxEnemyFGHI);
    HitPool(f, enemyIPool, EnemyI_SetHit, kBoxEnemyFGHI);
    HitPool(f, enemyJPool, EnemyJ_SetHit, kBoxEnemyJK);
    HitPool(f, enemyKPool, EnemyK_SetHit, kBoxEnemyJK);
    HitPool(f, enemyLPool, EnemyL_SetHit, kBoxEnemyLMN);
    HitPool(f, enemyMPool, EnemyM_SetHit, kBoxEnemyLMN);
    HitPool(f, enemyNPool, EnemyN_SetHit, kBoxEnemyLMN);
    HitPool(f, enemyOPool, EnemyO_SetHit, kBoxEnemyOP);
    HitPool(f, enemyPPool, EnemyP_SetHit, kBoxEnemyOP);
    HitPool(f, enemyQPool, EnemyQ_SetHit, kBoxEnemyQtoV);
    HitPool(f, enemyRPool, EnemyR_SetHit, kBoxEnemyQtoV);
    HitPool(f, enemySPool, EnemyS_SetHit, kBoxEnemyQtoV);
    HitPool(f, enemyTPool, EnemyT_SetHit, kBoxEnemyQtoV);
    HitPool(f, enemyUPool, EnemyU_SetHit, kBoxEnemyQtoV);
    HitPool(f, enemyVPool, EnemyV_SetHit, kBoxEnemyQtoV);
    HitPool(f, squadV1ASlots, SquadV1A_SetHit, kBoxSquad);
    HitPool(f, squadV1BSlots, SquadV1B_SetHit, kBoxSquad);
    HitPool(f, squadV1CSlots, SquadV1C_SetHit, kBoxSquad);
    HitPool(f, squadV1DSlots, SquadV1D_SetHit, kBoxSquad);
    HitPool(f, squadV2ASlots, SquadV2A_SetHit, kBoxSquad);
    HitPool(f, squadV2BSlots, SquadV2B_SetHit, kBoxSquad);
    HitPool(f, squadV2CSlots, SquadV2C_SetHit, kBoxSquadV2C);
    HitPool(f, squadV2DSlots, SquadV2D_SetHit, kBoxSquad);
    HitPool(f, squadV3ASlots, SquadV3A_SetHit, kBoxSquadSpinner);
    HitPool(f, squadV3BSlots, SquadV3B_SetHit, kBoxSquadSpinner);
    HitPool(f, squadV4ASlots, SquadV4A_SetHit, kBoxSquadSpinner);
    HitPool(f, squadV4BSlots, SquadV4B_SetHit, kBoxSquadSpinner);
    HitLarge(f, largeEnemyD50, LargeEnemyD50_SetHit, kBoxLargeD50);
    HitLarge(f, largeEnemyD51, LargeEnemyD51_SetHit, kBoxLargeD51);
    HitLarge(f, largeEnemyD52, LargeEnemyD52_SetHit, kBoxLargeD52);
    HitLarge(f, largeEnemyS53L, LargeEnemyS53L_SetHit, kBoxLargeStop);
    HitLarge(f, largeEnemyS53R, LargeEnemyS53R_SetHit, kBoxLargeStop);
    HitLarge(f, largeEnemyS50L, LargeEnemyS50L_SetHit, kBoxLargeStop);
    HitLarge(f, largeEnemyS50R, LargeEnemyS50R_SetHit, kBoxLargeStop);
    HitLarge(f, largeEnemyS54L, LargeEnemyS54L_SetHit, kBoxLargeStop);
    HitLarge(f, largeEnemyS54R, LargeEnemyS54R_SetHit, kBoxLargeStop);
    HitLargeT60(f);
    for (const BossRosterRow& t : kBossRoster)
        HitBoss(f, t);
}

// Both shot streams come back and enemy bullets stop vanishing.
void EndBomb() {
    clearEnemyShots = 0;
    narrowShotsEnabled = 1;
    wideShotsEnabled = 1;
}

} // namespace

void PlayerBomb_Launch(int32_t i) {
    if (i < 0 || i >= kBombFragments) return;
    BombFragment& f = bombFragments[i];
    if (f.alive != 0) return;
    f.alive = 1;
    f.x = FloatToInt(playerX) - 10;
    f.y = FloatToInt(playerY) - 10;
    f.speed = kFragmentSpeed;
    f.aimX = 0.0f;
    f.aimY = 0.0f;
    // Ten directions 36 degrees apart per group; the launch aims nowhere, so
    // the half turn of the aiming rule always applies.
    f.angle = float(-kWeaponPi / 2 + 2 * kWeaponPi / 16 + 2 * kWeaponPi / 10 * i);
    if (f.aimX < 0.0f || (f.aimX == 0.0f && f.aimY <= 0.0f)) f.angle = float(double(f.angle) + kWeaponPi);
}

void PlayerBomb_Update() {
    bombClock += 1;
    for (const BombWave& w : kBombWaves) {
        if (w.clock != bombClock) continue;
        for (int32_t i = w.firstFragment; i < w.firstFragment + kFragmentsPerWave; ++i)
            PlayerBomb_Launch(i);
    }
    if (bombClock == kBombFrames) {
        bombClock = 0;
        EndBomb();
        bombStock -= 1;
    }
    // Out of bombs: stop at once, taking nothing.
    if (bombStock < 1) EndBomb();
}

void PlayerBomb_Move() {
    for (BombFragment& f : bombFragments) {
        if (f.alive != 0) {
            // Whole pixels per frame, independent of frameDt.
            f.y += FloatToInt(std::sin(f.angle) * float(f.speed));
            f.x += FloatToInt(std::cos(f.angle) * float(f.speed));
            if (f.x > 800 || f.x < -kFragmentSize || f.y > 600 || f.y < -kFragmentSize) ParkFragment(f);
        }
        if (f.alive != 0) HitEverything(f);
    }
}

void PlayerBomb_Draw() {
    // Parked fragments lie outside the clip rectangle.
    for (const BombFragment& f : bombFragments)
        BlitKeyed(f.x, f.y, imgFBOM1, 0, 0, kFragmentSize, kFragmentSize);
}
