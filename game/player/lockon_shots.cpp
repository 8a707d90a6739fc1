#include "game/player/lockon_shots.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "game/bosses/boss_roster.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/squads.h"
#include "game/player/lock_sight.h"
#include "game/player/player_api.h"
#include "game/player/weapon_aim.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/draw/gdi.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

// --- Shared rules -------------------------------------------------------------------
constexpr int32_t kMarkerFieldBottom = 480;
constexpr float kLaunchClockRate = 260.0f; // launch-phase clock units per second
constexpr float kLaunchPhaseOver = 300.0f; // holds the phase shut for the rest of the flight

// The weapon only follows markers strictly inside the field it can reach.
bool OnScreen(const LockMarker& m, int32_t boundX) {
    return m.y > 0 && m.y < kMarkerFieldBottom && m.x > 0 && m.x < boundX;
}

void ParkShot(LockOnShot& s) {
    s.active = 0;
    s.x = ParkX;
    s.y = ParkY;
}

// An arrival frees the marker and puts it off screen until its owner places it again.
void ReleaseMarker(LockMarker& m) {
    m.locked = 0;
    m.x = -500;
    m.y = 500;
}

void Fly(LockOnShot& s) {
    s.y += std::sin(s.heading) * s.speed * frameDt;
    s.x += std::cos(s.heading) * s.speed * frameDt;
}

void AimAt(LockOnShot& s, const LockMarker& m) {
    s.aimDX = float(m.x) + 20.0f - s.x;
    s.aimDY = float(m.y) + 20.0f - s.y;
    s.heading = AimAngle(s.aimDX, s.aimDY);
}

// Lost shots and every shot while a bomb runs.
bool OutOfBounds(const LockOnShot& s, int32_t boundX) {
    return s.x + 20.0f < 100.0f || s.x > float(boundX) || s.y + 20.0f < 0.0f || s.y > 480.0f ||
           clearEnemyShots == 1;
}

bool Arrived(const LockOnShot& s, const LockMarker& m, float lowestDY) {
    const float dx = s.x - float(m.x);
    const float dy = s.y - float(m.y);
    return dx >= 10.0f && dx <= 30.0f && dy >= lowestDY && dy <= 30.0f;
}

void DrawBar(const LockOnShot& s) { BlitKeyed(FloatToInt(s.x), FloatToInt(s.y), imgFLZ01_l, 0, 0, 20, 60); }

void DrawShots(const LockOnShot* shots, const LockMarker* markers, int32_t count, const LockOnLook& look) {
    const bool bar = (weaponType == 1 && look.bar1) || (weaponType == 2 && look.bar2);
    const bool bolt = (weaponType == 1 && look.bolt1) || (weaponType == 2 && look.bolt2);
    for (int32_t i = 0; i < count; ++i) {
        if (shots[i].active == 0) continue;
        if (bar) DrawBar(shots[i]);
        if (bolt) LockOnLightning(shots[i], markers[i]);
    }
}

// --- Members on enemy kinds and squads ------------------------------------------
struct EnemyLockOnMember {
    LockOnShot* shots;
    LockMarker* markers;
    int32_t count;
    void (*hit)(int32_t slot);
    float spawnDY;   // below playerY
    bool enemyKind;  // launch phase and launch vector; squads have neither
    int32_t boundX;  // right edge of the field the member follows
    float arrivalDY; // lower end of the arrival box
    float veer[3];   // launch veer of each shot: -1 left, +1 right
};

constexpr float kEnemyLaunchPhase = 30.0f;
constexpr float kSquadSpeed = 750.0f;

template <std::size_t NS, std::size_t NM>
constexpr EnemyLockOnMember EnemyMember(LockOnShot (&shots)[NS], LockMarker (&markers)[NM],
                                        void (*hit)(int32_t), float spawnDY, bool enemyKind, int32_t boundX,
                                        float arrivalDY, float v0, float v1, float v2) {
    static_assert(NS == NM, "one shot per marker");
    return {shots, markers, int32_t(NS), hit, spawnDY, enemyKind, boundX, arrivalDY, {v0, v1, v2}};
}

constexpr float kLeft = kVeerLeft, kRight = kVeerRight, kNoVeer = kVeerNone;
const EnemyLockOnMember kMemberB =
    EnemyMember(lockOnShotsB, enemyBLockMarkers, EnemyB_SetHit, 10, true, 540, 20, kLeft, kLeft, kRight);
const EnemyLockOnMember kMemberC =
    EnemyMember(lockOnShotsC, enemyCLockMarkers, EnemyC_SetHit, 10, true, 540, 20, kRight, kRight, kLeft);
const EnemyLockOnMember kMemberQ =
    EnemyMember(lockOnShotsQ, enemyQLockMarkers, EnemyQ_SetHit, 10, true, 540, 20, kLeft, kLeft, kLeft);
const EnemyLockOnMember kMemberT =
    EnemyMember(lockOnShotsT, enemyTLockMarkers, EnemyT_SetHit, 10, true, 540, 20, kRight, kRight, kRight);
const EnemyLockOnMember kMemberSquadV3A = EnemyMember(
    lockOnShotsSquadV3A, squadV3ALockMarkers, SquadV3A_SetHit, 10, false, 540, 20, kNoVeer, kNoVeer, kNoVeer);
const EnemyLockOnMember kMemberSquadV3B = EnemyMember(
    lockOnShotsSquadV3B, squadV3BLockMarkers, SquadV3B_SetHit, 9, false, 541, 21, kNoVeer, kNoVeer, kNoVeer);
const EnemyLockOnMember kMemberSquadV4A = EnemyMember(
    lockOnShotsSquadV4A, squadV4ALockMarkers, SquadV4A_SetHit, 9, false, 542, 22, kNoVeer, kNoVeer, kNoVeer);
const EnemyLockOnMember kMemberSquadV4B = EnemyMember(
    lockOnShotsSquadV4B, squadV4BLockMarkers, SquadV4B_SetHit, 8, false, 543, 23, kNoVeer, kNoVeer, kNoVeer);

void DrawEnemy(const EnemyLockOnMember& k) { DrawShots(k.shots, k.markers, k.count, kLookBarOrBolt); }

void SpawnEnemy(const EnemyLockOnMember& k) {
    for (int32_t i = 0; i < k.count; ++i) {
        const LockMarker& m = k.markers[i];
        LockOnShot& s = k.shots[i];
        if (!OnScreen(m, k.boundX) || s.active != 0 || m.locked == 0) continue;
        s.active = 1;
        s.x = playerX + 20.0f;
        s.y = playerY + k.spawnDY;
        if (!k.enemyKind) {
            s.speed = kSquadSpeed;
            continue;
        }
        // The laser is a little slower than the lightning; any other weapon
        // leaves the record's speed as it was.
        if (weaponType == 1) {
            s.speed = 600.0f;
            s.launchClock = 0.0f;
        } else if (weaponType == 2) {
            s.speed = 700.0f;
            s.launchClock = 0.0f;
        }
        s.launchDX = float(m.x) + 20.0f - s.x;
        s.launchDY = float(m.y) + 20.0f - s.y;
    }
}

void MoveEnemy(const EnemyLockOnMember& k) {
    for (int32_t i = 0; i < k.count; ++i) {
        LockMarker& m = k.markers[i];
        LockOnShot& s = k.shots[i];
        if (s.active != 0 && OnScreen(m, k.boundX)) {
            if (k.enemyKind) {
                // A short swerve out of the ship before the shot turns on its target.
                s.launchClock += kLaunchClockRate * frameDt;
                if (s.launchClock <= kEnemyLaunchPhase) {
                    const float veer = i < int32_t(std::size(k.veer)) ? k.veer[i] : kNoVeer;
                    s.x += veer * s.speed * frameDt / 2.0f;
                    s.y += s.speed * frameDt / 10.0f;
                }
                if (s.launchClock > kEnemyLaunchPhase) s.launchClock = kLaunchPhaseOver;
            }
            AimAt(s, m);
            Fly(s);
        } else if (s.active != 0) {
            Fly(s);
        }
        if (OutOfBounds(s, k.boundX)) ParkShot(s);
        if (s.active != 0 && Arrived(s, m, k.arrivalDY)) {
            ParkShot(s);
            ReleaseMarker(m);
            k.hit(i);
            AddScore(kLockOnHitPoints);
        }
    }
}

// --- Members on the bosses' lock points --------------------------------------------
struct BossLockOnMember {
    LockOnShot* shots;
    LockMarker* points;
    int32_t count;
    void (*hit)();
    BossRecord* boss;
    float hpLossPerSecond; // taken once, in the frame of an arrival
    float spawnDX;         // from playerX + 20
    bool fullForm;         // launch phase (and, for point A, a launch vector)
    bool pointA;
    float veer; // -1 left, +1 right, during the launch phase
    LockOnLook look;
};

constexpr int32_t kBossBoundX = 540;
constexpr float kBossArrivalDY = 20.0f;
constexpr float kBossShotSpeed = 600.0f;
constexpr float kBossLaunchPhase = 60.0f;

// One shot per lock point the boss uses, on each of its arrays.
constexpr BossLockOnMember BossMember(const BossRosterRow& r, LockSide which) {
    const BossLockOnSide& side = LockOnSideOf(r, which);
    return {side.shots,   side.points,      r.lockPointsUsed,     r.setHit,  r.boss,   r.lockOnHpLoss,
            side.spawnDX, r.lockOnFullForm, which == LockSide::A, side.veer, side.look};
}

bool InRoster(int32_t row) { return row >= 0 && row < kBossRosterRows; }

void SpawnBoss(const BossLockOnMember& k) {
    for (int32_t i = 0; i < k.count; ++i) {
        const LockMarker& p = k.points[i];
        LockOnShot& s = k.shots[i];
        if (!OnScreen(p, kBossBoundX) || s.active != 0 || p.locked == 0) continue;
        s.active = 1;
        s.x = playerX + 20.0f + k.spawnDX;
        s.y = playerY + 10.0f;
        s.speed = kBossShotSpeed;
        if (!k.fullForm) continue;
        s.launchClock = 0.0f;
        if (k.pointA) {
            s.launchDX = float(p.x) + 20.0f - s.x;
            s.launchDY = float(p.y) + 20.0f - s.y;
        }
    }
}

void MoveBoss(const BossLockOnMember& k) {
    for (int32_t i = 0; i < k.count; ++i) {
        LockMarker& p = k.points[i];
        LockOnShot& s = k.shots[i];
        if (s.active != 0 && OnScreen(p, kBossBoundX)) {
            // Aimed before the swerve, which runs sideways at full speed.
            AimAt(s, p);
            if (k.fullForm) {
                s.launchClock += kLaunchClockRate * frameDt;
                if (s.launchClock <= kBossLaunchPhase) {
                    s.x += k.veer * s.speed * frameDt;
                    s.y += 0.8f * s.speed * frameDt;
                }
                if (s.launchClock > kBossLaunchPhase) s.launchClock = kLaunchPhaseOver;
            }
            Fly(s);
        } else if (s.active != 0) {
            Fly(s);
        }
        if (OutOfBounds(s, kBossBoundX)) ParkShot(s);
        if (s.active != 0 && Arrived(s, p, kBossArrivalDY)) {
            ParkShot(s);
            ReleaseMarker(p);
            k.hit();
            AddScore(kLockOnHitPoints);
            k.boss->hp -= k.hpLossPerSecond * frameDt;
        }
    }
}

void DrawBoss(const BossLockOnMember& k) { DrawShots(k.shots, k.points, k.count, k.look); }

uint32_t Rgb(int32_t red, int32_t green, int32_t blue) {
    return uint32_t(red & 255) | uint32_t(green & 255) << 8 | uint32_t(blue & 255) << 16;
}

} // namespace

void LockOnLightning(const LockOnShot& shot, const LockMarker& marker) {
    const int32_t j1 = kitSystem::Random();
    const int32_t j2 = kitSystem::Random();
    const int32_t r1 = kitSystem::Random();
    const int32_t r2 = kitSystem::Random();
    // 64-bit sums: the bolt's points come from floats and marker fields that a
    // stray value could push past the int range.
    const int64_t sx = int64_t(FloatToInt(playerX)) + j1 % 5 + 27 - j2 % 5;
    const int64_t sy = int64_t(FloatToInt(playerY)) + 40;
    const int64_t dx = FloatToInt(shot.launchDX);
    const int64_t dy = FloatToInt(shot.launchDY);
    const int64_t a = 2 * dx / 9, b = 3 * dx / 9, c = dx / 9, e = dy / 9, f = 2 * dy / 9;
    const uint32_t colour1 = Rgb(0, 155 - r1 % 100, 255);
    const uint32_t colour2 = Rgb(0, 155 - r1 % 100, 255 - r2 % 100);
    const int64_t px[8] = {sx,
                           sx + a + b,
                           sx + a + 2 * b,
                           sx + a + 2 * b + c,
                           sx + a + 2 * b + c,
                           sx + a + 2 * b,
                           sx + a + 2 * b,
                           int64_t(marker.x) + 29};
    const int64_t py[8] = {sy,
                           sy,
                           sy + e,
                           sy + 2 * e,
                           sy + 2 * e + f,
                           sy + 2 * e + 2 * f,
                           sy + 2 * e + 3 * f,
                           int64_t(marker.y) + 29};
    // Thinning strokes; the last one always ends on the target.
    constexpr int32_t kWidths[7] = {7, 6, 5, 4, 3, 2, 2};
    for (int k = 0; k < 7; ++k)
        GdiLine(Sat32(px[k]), Sat32(py[k]), Sat32(px[k + 1]), Sat32(py[k + 1]), k == 0 ? colour1 : colour2,
                kWidths[k]);
}

void LockOnShotB_Spawn() { SpawnEnemy(kMemberB); }
void LockOnShotC_Spawn() { SpawnEnemy(kMemberC); }
void LockOnShotQ_Spawn() { SpawnEnemy(kMemberQ); }
void LockOnShotT_Spawn() { SpawnEnemy(kMemberT); }
void LockOnShotSquadV3A_Spawn() { SpawnEnemy(kMemberSquadV3A); }
void LockOnShotSquadV3B_Spawn() { SpawnEnemy(kMemberSquadV3B); }
void LockOnShotSquadV4A_Spawn() { SpawnEnemy(kMemberSquadV4A); }
void LockOnShotSquadV4B_Spawn() { SpawnEnemy(kMemberSquadV4B); }

void LockOnShotB_Move() { MoveEnemy(kMemberB); }
void LockOnShotC_Move() { MoveEnemy(kMemberC); }
void LockOnShotQ_Move() { MoveEnemy(kMemberQ); }
void LockOnShotT_Move() { MoveEnemy(kMemberT); }
void LockOnShotSquadV3A_Move() { MoveEnemy(kMemberSquadV3A); }
void LockOnShotSquadV3B_Move() { MoveEnemy(kMemberSquadV3B); }
void LockOnShotSquadV4A_Move() { MoveEnemy(kMemberSquadV4A); }
void LockOnShotSquadV4B_Move() { MoveEnemy(kMemberSquadV4B); }

void LockOnShotB_Draw() { DrawEnemy(kMemberB); }
void LockOnShotC_Draw() { DrawEnemy(kMemberC); }
void LockOnShotQ_Draw() { DrawEnemy(kMemberQ); }
void LockOnShotT_Draw() { DrawEnemy(kMemberT); }
void LockOnShotSquadV3A_Draw() { DrawEnemy(kMemberSquadV3A); }
void LockOnShotSquadV3B_Draw() { DrawEnemy(kMemberSquadV3B); }
void LockOnShotSquadV4A_Draw() { DrawEnemy(kMemberSquadV4A); }
void LockOnShotSquadV4B_Draw() { DrawEnemy(kMemberSquadV4B); }

void SpawnBossLockOnShots() {
    for (const BossRosterRow& boss : kBossRoster) {
        SpawnBoss(BossMember(boss, LockSide::A));
        SpawnBoss(BossMember(boss, LockSide::B));
    }
}

void SpawnBossLockOnShots(int32_t row, LockSide side) {
    if (InRoster(row)) SpawnBoss(BossMember(kBossRoster[row], side));
}
void MoveBossLockOnShots(int32_t row, LockSide side) {
    if (InRoster(row)) MoveBoss(BossMember(kBossRoster[row], side));
}
void DrawBossLockOnShots(int32_t row, LockSide side) {
    if (InRoster(row)) DrawBoss(BossMember(kBossRoster[row], side));
}
