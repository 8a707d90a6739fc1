#include "game/player/homing_chains.h"

#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/player/player_api.h"
#include "game/player/player_pools.h"
#include "game/player/weapon_aim.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

// One kind's chains: the four kinds differ only in these.
struct ChainKindDef {
    HomingChain (*links)[kHomingLinks]; // [chain][link]
    LockMarker* markers;                // marker c belongs to chain c
    int32_t clockRow;                   // row of homingChainClock
    float curveSign;                    // -1 swings left, +1 right
    bool turnOnSpawn;                   // each launch turns the angle by pi
    int32_t (*slotActive)(int32_t slot);
    void (*setHit)(int32_t slot);
};

const ChainKindDef kChainDefJ{
    homingChainsJ, enemyJLockMarkers, kChainJ, -1.0f, true, [](int32_t c) { return enemyJPool[c].active; },
    EnemyJ_SetHit};
const ChainKindDef kChainDefK{
    homingChainsK, enemyKLockMarkers, kChainK, 1.0f, false, [](int32_t c) { return enemyKPool[c].active; },
    EnemyK_SetHit};
const ChainKindDef kChainDefM{
    homingChainsM, enemyMLockMarkers, kChainM, -1.0f, false, [](int32_t c) { return enemyMPool[c].active; },
    EnemyM_SetHit};
const ChainKindDef kChainDefN{
    homingChainsN, enemyNLockMarkers, kChainN, 1.0f, false, [](int32_t c) { return enemyNPool[c].active; },
    EnemyN_SetHit};

// The swing out of the ship: fixed whole-pixel steps per frame while the
// link's timer lies in a window (both ends included); between windows the
// link holds still for that frame.
struct CurveWindow {
    float from, to;
    float xStep; // away from the ship's side, by the kind's curve sign
    float yStep;
};

constexpr CurveWindow kCurve[] = {
    {0, 5, 6, 3},    {6, 10, 6, 1},   {11, 15, 7, 0},  {16, 20, 7, -2},
    {21, 25, 7, -7}, {26, 30, 3, -7}, {31, 40, 1, -7}, {41, 45, 0, -7},
};
constexpr float kHomingFromTimer = 45.0f;
constexpr float kTimerPerSecond = 30.0f;
constexpr float kHomingStep = 10.0f;    // pixels per frame toward a locked marker
constexpr float kStraightStepY = 16.0f; // an unlocked chain keeps going, faster vertically
constexpr float kStraightStepX = 10.0f;

void ParkLink(HomingChain& l) {
    l.active = 0;
    l.x = ParkX;
    l.y = ParkY;
}

void Schedule(const ChainKindDef& k, void (*spawn)(int32_t, int32_t)) {
    for (int32_t c = 0; c < kHomingChains; ++c) {
        if (k.slotActive(c) == 0) continue; // the clock waits for the next enemy in the slot
        int32_t& clock = homingChainClock[k.clockRow][c];
        clock += 1;
        if (clock >= 1 && clock <= kChainLastLink) spawn(c, clock);
        if (clock >= kChainCycleFrames) clock = 0;
    }
}

void Spawn(const ChainKindDef& k, int32_t chain, int32_t link) {
    if (chain < 0 || chain >= kHomingChains || link < 0 || link >= kHomingLinks) return;
    HomingChain& l = k.links[chain][link];
    if (l.active != 0) return;
    l.active = 1;
    l.x = playerX + 20.0f;
    l.y = playerY + 10.0f;
    if (k.turnOnSpawn) l.angle = float(double(l.angle) + kWeaponPi);
    l.timer = 0.0f;
}

// Steps along the old angle, then turns toward the marker; an unlocked
// marker leaves the link flying straight on.
void HomingStep(HomingChain& l, const LockMarker& m) {
    if (m.locked != 0) {
        l.y += std::sin(l.angle) * kHomingStep;
        l.x += std::cos(l.angle) * kHomingStep;
        l.aimX = float(m.x) + 20.0f - l.x;
        l.aimY = float(m.y) + 20.0f - l.y;
        l.angle = AimAngle(l.aimX, l.aimY);
    } else {
        l.y += std::sin(l.angle) * kStraightStepY;
        l.x += std::cos(l.angle) * kStraightStepX;
    }
}

void Move(const ChainKindDef& k) {
    for (int32_t c = 0; c < kHomingChains; ++c) {
        const LockMarker& m = k.markers[c];
        for (int32_t n = 0; n < kHomingLinks; ++n) {
            HomingChain& l = k.links[c][n];
            if (l.active != 0) {
                l.timer += kTimerPerSecond * frameDt;
                for (const CurveWindow& w : kCurve) {
                    if (l.timer < w.from || l.timer > w.to) continue;
                    l.x += k.curveSign * w.xStep;
                    l.y += w.yStep;
                }
                if (l.timer >= kHomingFromTimer) HomingStep(l, m);
            }
            if (l.x + 20.0f < 180.0f || l.x > 620.0f || l.y + 20.0f < 0.0f || l.y > 600.0f ||
                clearEnemyShots == 1) {
                ParkLink(l);
                l.timer = 0.0f;
            }
            // Any link over the marker is spent; only the last one strikes.
            const float dx = l.x - float(m.x);
            const float dy = l.y - float(m.y);
            if (dx >= 0.0f && dx <= 40.0f && dy >= 0.0f && dy <= 40.0f) {
                ParkLink(l);
                if (n >= kChainLastLink) {
                    k.setHit(c);
                    AddScore(kChainHitPoints);
                }
            }
        }
    }
}

void Draw(const ChainKindDef& k) {
    if (weaponType != 1) return;
    for (int32_t c = 0; c < kHomingChains; ++c)
        for (const HomingChain& l : k.links[c])
            if (l.active != 0) BlitAdditive(FloatToInt(l.x), FloatToInt(l.y), imgVEX10, 0, 0, 20, 20);
}

} // namespace

void HomingChainJ_Spawn(int32_t chain, int32_t link) { Spawn(kChainDefJ, chain, link); }
void HomingChainK_Spawn(int32_t chain, int32_t link) { Spawn(kChainDefK, chain, link); }
void HomingChainM_Spawn(int32_t chain, int32_t link) { Spawn(kChainDefM, chain, link); }
void HomingChainN_Spawn(int32_t chain, int32_t link) { Spawn(kChainDefN, chain, link); }

void HomingChainJ_Schedule() { Schedule(kChainDefJ, HomingChainJ_Spawn); }
void HomingChainK_Schedule() { Schedule(kChainDefK, HomingChainK_Spawn); }
void HomingChainM_Schedule() { Schedule(kChainDefM, HomingChainM_Spawn); }
void HomingChainN_Schedule() { Schedule(kChainDefN, HomingChainN_Spawn); }

void HomingChainJ_Move() { Move(kChainDefJ); }
void HomingChainK_Move() { Move(kChainDefK); }
void HomingChainM_Move() { Move(kChainDefM); }
void HomingChainN_Move() { Move(kChainDefN); }

void HomingChainJ_Draw() { Draw(kChainDefJ); }
void HomingChainK_Draw() { Draw(kChainDefK); }
void HomingChainM_Draw() { Draw(kChainDefM); }
void HomingChainN_Draw() { Draw(kChainDefN); }
