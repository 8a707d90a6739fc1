#include "game/shell/world_reset.h"

#include "game/bosses/boss_roster.h"
#include "game/enemies/large_enemies.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/pool_catalogue.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"
#include "kit/system/random.h"
#include "platform/time.h"

namespace {

// The item is parked; the power state that lives in its record carries over.
void ParkPowerItem() {
    powerItem.x = ParkX;
    powerItem.y = ParkY;
    powerItem.spare0 = 0;
    powerItem.fallSpeed = 0.0f;
    powerItem.active = 0;
    powerItem.pickedUp = 0;
    powerItem.spare1 = 0;
    powerItem.spare2 = 0;
}

void ResetPlayState() {
    scrollDistance = 0.0f;
    stageFrameCounter = 0;
    pauseFlag = 0;
    continuePrompt = 0;
    playerVulnerable = 1;
    clearEnemyShots = 0;
    countdownExpired = 0;
    countdownSeconds = 800;
    countdownArmed = 0;
    // playerX and playerY stay where they are: a reset after NewGameSetup
    // keeps the start position it set.
    playerVX = 0.0f;
    playerVY = 0.0f;
    playerBank = 3;
    playerBankStep = 0;
    respawnInvulnerable = 0;
    respawnCounter = 0;
    respawnBlink = 0;
    narrowShotClock = 0;
    wideShotClock = 0;
    burstClock = 0;
    narrowShotsEnabled = 1;
    wideShotsEnabled = 1;
    burstActive = 0;
    bombClock = 0;
    muzzleFlashNarrow = 0;
    for (auto& kind : homingChainClock)
        for (int32_t& clock : kind)
            clock = 0;
}

void ParkLargeEnemy(LargeEnemyRecord& e) {
    e = LargeEnemyRecord{};
    e.x = ParkX;
    e.y = ParkY;
}

// The spiral streams' ticks carry over from wave to wave and stage to stage.
void ParkLargeEnemy(LargeEnemyStopRecord& e) {
    const int32_t tick1 = e.spiralTick1;
    const int32_t tick2 = e.spiralTick2;
    e = LargeEnemyStopRecord{};
    e.spiralTick1 = tick1;
    e.spiralTick2 = tick2;
    e.x = ParkX;
    e.y = ParkY;
}

void ParkLargeEnemy(LargeEnemyStepRecord& e) {
    e = LargeEnemyStepRecord{};
    e.x = ParkX;
    e.y = ParkY;
}

void ParkIntro(BossIntro& intro) { intro = BossIntro{ParkX, ParkY, 0.0f, 0}; }

// Everything up to the dead flag restarts; the hit-flash pair restarts only
// where the roster says so.
void ResetBoss(BossRecord& boss, float startHp, bool clearFlash) {
    const int32_t flashShown = boss.flashShown;
    const int32_t hitFlash = boss.BossHitFlash;
    boss = BossRecord{};
    boss.x = ParkX;
    boss.y = ParkY;
    boss.hp = startHp;
    if (!clearFlash) {
        boss.flashShown = flashShown;
        boss.BossHitFlash = hitFlash;
    }
}

void ResetWorld() {
    ResetWorldA();
    ResetWorldB();
}

// A boss defeat reaches the reset through the scene state; installing it
// before main runs means every program that links the shell has it, the tests
// and benchmarks that never start the game included.
[[maybe_unused]] const bool kResetWorldInstalled = (resetWorld = ResetWorld, true);

void ParkBeam(VerticalBeam& beam) {
    beam.frame = kitSystem::Random() % 10;
    beam.x = ParkX;
    beam.y = ParkY;
    beam.active = 0;
}

} // namespace

void ResetWorldA() {
    kitSystem::SeedRandom(static_cast<uint32_t>(plat::CalendarSeconds()));
    ParkPowerItem();
    ResetPlayState();
    lockSightX = -500;
    lockSightY = 500;

    ParkPoolGroup(PoolGroup::Shell);
    ParkPoolGroup(PoolGroup::Player);
    ParkPoolGroup(PoolGroup::EnemyKinds);
    ParkPoolGroup(PoolGroup::SquadsAndLargeEnemies);

    ParkLargeEnemy(largeEnemyD50);
    ParkLargeEnemy(largeEnemyD51);
    ParkLargeEnemy(largeEnemyD52);
    ParkLargeEnemy(largeEnemyS53L);
    ParkLargeEnemy(largeEnemyS53R);
    ParkLargeEnemy(largeEnemyS50L);
    ParkLargeEnemy(largeEnemyS50R);
    ParkLargeEnemy(largeEnemyS54L);
    ParkLargeEnemy(largeEnemyS54R);
    ParkLargeEnemy(largeEnemyT60);

    // The star field is re-seeded last, so its draws follow every pool's.
    ParkPoolGroup(PoolGroup::StarField);
}

void ResetWorldB() {
    ParkIntro(scene2BossSilhouette);
    ParkIntro(scene6BossIntro);
    ParkIntro(scene3BossIntro);

    // Each reset touches its own record alone and draws no random numbers,
    // so the roster's order serves.
    for (const BossRosterRow& row : kBossRoster)
        ResetBoss(*row.boss, row.startHp, row.resetClearsHitFlash);

    ParkBeam(scene6BossVerticalBeam1);
    ParkBeam(scene6BossVerticalBeam2);

    for (auto g = uint8_t(PoolGroup::Scene2); g < uint8_t(PoolGroup::End); ++g)
        ParkPoolGroup(PoolGroup(g));
}
