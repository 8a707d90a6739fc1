#pragma once
// Every boss as the player's weapons and the world reset see it: its record,
// its hit setter, its start hp, its lock points A and B and the lock-on shots
// that fly at them. Each scene folder moves, draws and defeats its own boss;
// the weapons and the reset reach the bosses through here, never through a
// scene.
#include <cstdint>

#include "game/bosses/boss_record.h"
#include "game/enemies/lock_marker.h"

// Per boss: the record; the hit setter, which raises the hit flash (the caller
// lowers hp); the hp the world reset gives it; lock points A and B, of which
// the body draw reads every entry and the lock-on weapons the first ones they
// use; one lock-on shot per point used, on each of A and B.
// Scene 2.
extern BossRecord scene2Boss;
void Scene2Boss_SetHit();
constexpr float kScene2BossStartHp = 1020.0f;
constexpr int kScene2BossLockPoints = 4;
constexpr int32_t kScene2BossLockPointsUsed = 3;
extern LockMarker scene2BossLockPointsA[kScene2BossLockPoints];
extern LockMarker scene2BossLockPointsB[kScene2BossLockPoints];
extern LockOnShot lockOnShotsScene2BossA[kScene2BossLockPointsUsed];
extern LockOnShot lockOnShotsScene2BossB[kScene2BossLockPointsUsed];
static_assert(kScene2BossLockPointsUsed <= kScene2BossLockPoints);

// Scene 3.
extern BossRecord scene3Boss;
void Scene3Boss_SetHit();
constexpr float kScene3BossStartHp = 1000.0f;
constexpr int kScene3BossLockPoints = 5;
constexpr int32_t kScene3BossLockPointsUsed = 5;
extern LockMarker scene3BossLockPointsA[kScene3BossLockPoints];
extern LockMarker scene3BossLockPointsB[kScene3BossLockPoints];
extern LockOnShot lockOnShotsScene3BossA[kScene3BossLockPointsUsed];
extern LockOnShot lockOnShotsScene3BossB[kScene3BossLockPointsUsed];
static_assert(kScene3BossLockPointsUsed <= kScene3BossLockPoints);

// Scene 4.
extern BossRecord scene4Boss;
void Scene4Boss_SetHit();
constexpr float kScene4BossStartHp = 600.0f;
constexpr int kScene4BossLockPoints = 4;
constexpr int32_t kScene4BossLockPointsUsed = 3;
extern LockMarker scene4BossLockPointsA[kScene4BossLockPoints];
extern LockMarker scene4BossLockPointsB[kScene4BossLockPoints];
extern LockOnShot lockOnShotsScene4BossA[kScene4BossLockPointsUsed];
extern LockOnShot lockOnShotsScene4BossB[kScene4BossLockPointsUsed];
static_assert(kScene4BossLockPointsUsed <= kScene4BossLockPoints);

// Scene 5.
extern BossRecord scene5Boss;
void Scene5Boss_SetHit();
constexpr float kScene5BossStartHp = 800.0f;
constexpr int kScene5BossLockPoints = 4;
constexpr int32_t kScene5BossLockPointsUsed = 3;
extern LockMarker scene5BossLockPointsA[kScene5BossLockPoints];
extern LockMarker scene5BossLockPointsB[kScene5BossLockPoints];
extern LockOnShot lockOnShotsScene5BossA[kScene5BossLockPointsUsed];
extern LockOnShot lockOnShotsScene5BossB[kScene5BossLockPointsUsed];
static_assert(kScene5BossLockPointsUsed <= kScene5BossLockPoints);

// Scene 6.
extern BossRecord scene6Boss;
void Scene6Boss_SetHit();
constexpr float kScene6BossStartHp = 1000.0f;
constexpr int kScene6BossLockPoints = 6;
constexpr int32_t kScene6BossLockPointsUsed = 5;
extern LockMarker scene6BossLockPointsA[kScene6BossLockPoints];
extern LockMarker scene6BossLockPointsB[kScene6BossLockPoints];
extern LockOnShot lockOnShotsScene6BossA[kScene6BossLockPointsUsed];
extern LockOnShot lockOnShotsScene6BossB[kScene6BossLockPointsUsed];
static_assert(kScene6BossLockPointsUsed <= kScene6BossLockPoints);

// Scene 7.
extern BossRecord scene7Boss;
void Scene7Boss_SetHit();
constexpr float kScene7BossStartHp = 1400.0f;
constexpr int kScene7BossLockPoints = 9;
constexpr int32_t kScene7BossLockPointsUsed = 9;
extern LockMarker scene7BossLockPointsA[kScene7BossLockPoints];
extern LockMarker scene7BossLockPointsB[kScene7BossLockPoints];
extern LockOnShot lockOnShotsScene7BossA[kScene7BossLockPointsUsed];
extern LockOnShot lockOnShotsScene7BossB[kScene7BossLockPointsUsed];
static_assert(kScene7BossLockPointsUsed <= kScene7BossLockPoints);

// Scene 8.
extern BossRecord scene8Boss;
void Scene8Boss_SetHit();
constexpr float kScene8BossStartHp = 1500.0f;
constexpr int kScene8BossLockPoints = 6;
constexpr int32_t kScene8BossLockPointsUsed = 5;
extern LockMarker scene8BossLockPointsA[kScene8BossLockPoints];
extern LockMarker scene8BossLockPointsB[kScene8BossLockPoints];
extern LockOnShot lockOnShotsScene8BossA[kScene8BossLockPointsUsed];
extern LockOnShot lockOnShotsScene8BossB[kScene8BossLockPointsUsed];
static_assert(kScene8BossLockPointsUsed <= kScene8BossLockPoints);

// Scene 9.
extern BossRecord scene9Boss;
void Scene9Boss_SetHit();
constexpr float kScene9BossStartHp = 1220.0f;
constexpr int kScene9BossLockPoints = 6;
constexpr int32_t kScene9BossLockPointsUsed = 5;
extern LockMarker scene9BossLockPointsA[kScene9BossLockPoints];
extern LockMarker scene9BossLockPointsB[kScene9BossLockPoints];
extern LockOnShot lockOnShotsScene9BossA[kScene9BossLockPointsUsed];
extern LockOnShot lockOnShotsScene9BossB[kScene9BossLockPointsUsed];
static_assert(kScene9BossLockPointsUsed <= kScene9BossLockPoints);

// --- The roster -------------------------------------------------------------------
// One row per boss with everything the player's weapons and the world reset
// need of it, in the order the weapons test the bosses: the shots and the bomb
// row by row, the lock sight and the lock-on shots A then B of each row.

// Inclusive x range from the boss's whole-pixel x, and the points of a hit.
struct BossHitBox {
    int32_t xLow;
    int32_t xHigh;
    int32_t points;
};

struct LockOffset {
    int32_t dx, dy;
};

constexpr int32_t kMaxBossLockPoints = 9;

// What a lock-on shot draws for each weapon type.
struct LockOnLook {
    bool bar1, bolt1; // weaponType 1
    bool bar2, bolt2; // weaponType 2
};

constexpr LockOnLook kLookNone{false, false, false, false};
constexpr LockOnLook kLookBar1{true, false, false, false};
constexpr LockOnLook kLookBar2{false, false, true, false};
constexpr LockOnLook kLookBarBolt1{true, true, false, false};
constexpr LockOnLook kLookBolt1{false, true, false, false};
constexpr LockOnLook kLookBolt1Bar2{false, true, true, false};
constexpr LockOnLook kLookBoltBoth{false, true, false, true};
constexpr LockOnLook kLookBarOrBolt{true, false, false, true};

// Sideways swerve of a lock-on shot during its launch phase.
constexpr float kVeerLeft = -1.0f, kVeerRight = 1.0f, kVeerNone = 0.0f;

// The lock-on shots on one array of lock points.
struct BossLockOnSide {
    LockOnShot* shots; // lockPointsUsed of them
    LockMarker* points;
    float spawnDX; // from playerX + 20
    float veer;
    LockOnLook look;
};

// Which of a boss's two arrays of lock points, and the shots that fly at it.
enum class LockSide : uint8_t { A, B };

struct BossRosterRow {
    const char* name;
    BossRecord* boss;
    void (*setHit)();
    // The world reset restarts the record at startHp; only the scene-2 boss
    // also clears its hit flash, the others keep theirs.
    float startHp;
    bool resetClearsHitFlash;
    int32_t lockPointsUsed;

    // Player shots, per pass (wide, narrow, burst); every burst box is the
    // wide box 40 pixels wider on the right.
    BossHitBox shotBox[3];

    // Bomb fragments: the box, and the hp each second of overlap takes.
    BossHitBox bombBox;
    float bombHpLossPerSecond;

    // Lock sight: a boss above sightLowestY is not offered; the sight's
    // centre must lie in (x + 40 .. x + sightXReach, y + 40 .. y + sightYReach).
    float sightLowestY;
    int32_t sightXReach;
    int32_t sightYReach;
    bool ownPointOnly; // a new lock places only its own point, not the whole array
    LockOffset lockOffsets[kMaxBossLockPoints];

    // Lock-on shots on points A and B.
    float lockOnHpLoss;  // taken once, in the frame of an arrival
    bool lockOnFullForm; // launch phase (and, for point A, a launch vector)
    BossLockOnSide lockOnA;
    BossLockOnSide lockOnB;
};

// clang-format off
inline constexpr BossRosterRow kBossRoster[] = {
    {"Scene2Boss", &scene2Boss, Scene2Boss_SetHit, kScene2BossStartHp, true, kScene2BossLockPointsUsed,
     {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, {80, 300, 50}, 40.0f,
     -10.0f, 400, 320, true, {{190, 150}, {190, 150}, {190, 150}},
     100, true,
     {lockOnShotsScene2BossA, scene2BossLockPointsA, -5, kVeerLeft, kLookBarBolt1},
     {lockOnShotsScene2BossB, scene2BossLockPointsB, 5, kVeerRight, kLookBar1}},
    {"Scene4Boss", &scene4Boss, Scene4Boss_SetHit, kScene4BossStartHp, false, kScene4BossLockPointsUsed,
     {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, {80, 300, 50}, 40.0f,
     -10.0f, 400, 340, false, {{190, 160}, {120, 120}, {260, 120}},
     150, true,
     {lockOnShotsScene4BossA, scene4BossLockPointsA, -40, kVeerLeft, kLookBarBolt1},
     {lockOnShotsScene4BossB, scene4BossLockPointsB, 40, kVeerLeft, kLookBar1}},
    {"Scene8Boss", &scene8Boss, Scene8Boss_SetHit, kScene8BossStartHp, false, kScene8BossLockPointsUsed,
     {{80, 320, 100}, {80, 320, 50}, {80, 360, 50}}, {80, 320, 50}, 40.0f,
     -10.0f, 420, 340, false, {{200, 160}, {130, 90}, {270, 90}, {80, 110}, {320, 110}},
     150, false,
     {lockOnShotsScene8BossA, scene8BossLockPointsA, -40, kVeerNone, kLookBarOrBolt},
     {lockOnShotsScene8BossB, scene8BossLockPointsB, 40, kVeerNone, kLookBar1}},
    {"Scene5Boss", &scene5Boss, Scene5Boss_SetHit, kScene5BossStartHp, false, kScene5BossLockPointsUsed,
     {{80, 300, 100}, {80, 300, 50}, {80, 340, 50}}, {80, 300, 50}, 40.0f,
     -10.0f, 340, 340, false, {{190, 180}, {20, 140}, {360, 140}},
     150, true,
     {lockOnShotsScene5BossA, scene5BossLockPointsA, -40, kVeerLeft, kLookBolt1Bar2},
     {lockOnShotsScene5BossB, scene5BossLockPointsB, 40, kVeerRight, kLookBar2}},
    {"Scene6Boss", &scene6Boss, Scene6Boss_SetHit, kScene6BossStartHp, false, kScene6BossLockPointsUsed,
     {{50, 270, 100}, {50, 270, 50}, {50, 310, 50}}, {50, 270, 50}, 40.0f,
     -10.0f, 340, 340, false, {{160, 100}, {110, 40}, {210, 40}, {40, 110}, {280, 110}},
     150, false,
     {lockOnShotsScene6BossA, scene6BossLockPointsA, -40, kVeerNone, kLookBarOrBolt},
     {lockOnShotsScene6BossB, scene6BossLockPointsB, 40, kVeerNone, kLookBar1}},
    {"Scene7Boss", &scene7Boss, Scene7Boss_SetHit, kScene7BossStartHp, false, kScene7BossLockPointsUsed,
     {{50, 330, 250}, {50, 330, 50}, {50, 370, 50}}, {50, 330, 50}, 35.0f,
     0.0f, 400, 340, false,
     {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110}, {120, 120}, {280, 120}, {80, 70}, {320, 70}},
     150, false,
     {lockOnShotsScene7BossA, scene7BossLockPointsA, -40, kVeerNone, kLookBarOrBolt},
     {lockOnShotsScene7BossB, scene7BossLockPointsB, 40, kVeerNone, kLookBar1}},
    {"Scene3Boss", &scene3Boss, Scene3Boss_SetHit, kScene3BossStartHp, false, kScene3BossLockPointsUsed,
     {{50, 390, 250}, {50, 390, 60}, {50, 430, 60}}, {50, 390, 60}, 35.0f,
     0.0f, 460, 340, false, {{220, 120}, {150, 230}, {290, 230}, {80, 90}, {360, 90}},
     150, true,
     {lockOnShotsScene3BossA, scene3BossLockPointsA, -40, kVeerLeft, kLookBolt1},
     {lockOnShotsScene3BossB, scene3BossLockPointsB, 40, kVeerRight, kLookNone}},
    {"Scene9Boss", &scene9Boss, Scene9Boss_SetHit, kScene9BossStartHp, false, kScene9BossLockPointsUsed,
     {{50, 370, 100}, {50, 370, 50}, {50, 410, 50}}, {50, 370, 50}, 40.0f,
     0.0f, 440, 340, false, {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}},
     150, false,
     {lockOnShotsScene9BossA, scene9BossLockPointsA, -40, kVeerNone, kLookBoltBoth},
     {lockOnShotsScene9BossB, scene9BossLockPointsB, 40, kVeerNone, kLookNone}},
};
// clang-format on

constexpr int32_t kBossRosterRows = int32_t(sizeof kBossRoster / sizeof kBossRoster[0]);

constexpr const BossLockOnSide& LockOnSideOf(const BossRosterRow& r, LockSide side) {
    return side == LockSide::A ? r.lockOnA : r.lockOnB;
}

// Where each boss stands in the roster: the stages and tests name a boss's
// weapon calls by it.
constexpr int32_t kScene2BossRow = 0, kScene4BossRow = 1, kScene8BossRow = 2, kScene5BossRow = 3,
                  kScene6BossRow = 4, kScene7BossRow = 5, kScene3BossRow = 6, kScene9BossRow = 7;
static_assert(
    kBossRoster[kScene2BossRow].boss == &scene2Boss && kBossRoster[kScene3BossRow].boss == &scene3Boss &&
    kBossRoster[kScene4BossRow].boss == &scene4Boss && kBossRoster[kScene5BossRow].boss == &scene5Boss &&
    kBossRoster[kScene6BossRow].boss == &scene6Boss && kBossRoster[kScene7BossRow].boss == &scene7Boss &&
    kBossRoster[kScene8BossRow].boss == &scene8Boss && kBossRoster[kScene9BossRow].boss == &scene9Boss);
