// The busiest frame of the first stage: the boss holding its place in the
// middle of its attack cycle, every record of every enemy bullet pool, every
// boss pattern pool and the player's three shot pools alive in the play field,
// and one whole StageScene2 call (draws, present, moves, collisions) headless.
// Each iteration starts from the same full pools; reports the share of a
// 60 Hz frame it takes.
#include "game/enemies/enemy_shots.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/pool_catalogue.h"
#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/stage_scenes.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/present.h"

#include <benchmark/benchmark.h>

#include "bench_game.h"

#include <cstring>
#include <type_traits>
#include <vector>

namespace {

using bench_game::Restore;
using bench_game::Save;
using bench_game::saved;
using bench_game::StartHeadless;

int liveRecords = 0;

// Spread over the upper play field, clear of the ship at the bottom, slow
// enough that nothing leaves the screen in one frame.
template <typename Record> void Place(Record& r) {
    const int n = liveRecords++;
    using Pos = std::remove_reference_t<decltype(r.x)>;
    r.x = Pos(190 + (n * 37) % 400);
    r.y = Pos(10 + (n * 53) % 360);
    r.active = 1;
    if constexpr (requires { r.speed; }) r.speed = decltype(r.speed)(std::is_integral_v<Pos> ? 10 : 90);
    if constexpr (requires { r.angle; }) r.angle = 0.3f * float(n % 21);
    if constexpr (requires { r.heading; }) r.heading = 0.3f * float(n % 21);
    if constexpr (requires { r.vy; }) r.vy = 80.0f;
    if constexpr (requires { r.pathTime; }) r.pathTime = 0.5f;
}

template <typename Record, std::size_t N> void Fill(Record (&pool)[N]) {
    for (Record& r : pool) {
        if constexpr (std::is_array_v<Record>)
            Fill(r);
        else
            Place(r);
    }
}

void FillStage() {
    liveRecords = 0;
    // The boss's patterns (its two wider volleys that the stage never moves
    // are left out).
    Fill(scene2BossAimedQuadVolley1Pool);
    Fill(scene2BossAimedShotPool1Pool), Fill(scene2BossAimedShotPool2Pool),
        Fill(scene2BossAimedShotPool3Pool);
    Fill(scene2BossAimedShotPool4Pool), Fill(scene2BossAimedShotPool5Pool),
        Fill(scene2BossAimedShotPool6Pool);
    Fill(scene2BossAimedShotPool7Pool), Fill(scene2BossAimedShotPool8Pool),
        Fill(scene2BossAimedShotPool9Pool);
    Fill(scene2BossAimedShotPool10Pool);
    Fill(scene2BossBigFanVolley1Pool), Fill(scene2BossBigFanVolley2Pool);
    Fill(scene2BossBigFanVolley3Pool), Fill(scene2BossBigFanVolley4Pool);
    Fill(scene2BossPairedDropShot1Pool), Fill(scene2BossPairedDropShot2Pool),
        Fill(scene2BossPairedDropShot3Pool);
    Fill(scene2BossRingEmitter1Pool), Fill(scene2BossRingEmitter2Pool), Fill(scene2BossRingEmitter3Pool);
    Fill(scene2BossRingEmitter4Pool), Fill(scene2BossRingEmitter5Pool), Fill(scene2BossRingEmitter6Pool);
    Fill(scene2BossSpiralStream1Pool), Fill(scene2BossSpiralStream2Pool), Fill(scene2BossSpiralStream3Pool);
    Fill(scene2BossSpiralStream4Pool), Fill(scene2BossSpiralStream5Pool), Fill(scene2BossSpiralStream6Pool);
    Fill(scene2BossStraightDropStream1Pool), Fill(scene2BossStraightDropStream2Pool);
    Fill(scene2BossTimedVolley1Pool), Fill(scene2BossTimedVolley2Pool), Fill(scene2BossTimedVolley3Pool);
    Fill(scene2BossTimedVolley4Pool), Fill(scene2BossTimedVolley5Pool), Fill(scene2BossTimedVolley6Pool);
    Fill(scene2BossTimedVolley7Pool);
    // The bullets of the stage's enemies, squads and large enemies.
    Fill(enemyDShot1Pool), Fill(enemyEShot1Pool), Fill(enemyFShot1Pool), Fill(enemyGShot1Pool);
    Fill(enemyHShot1Pool);
    Fill(squadV2AShot1Pool), Fill(squadV2BShot1Pool), Fill(squadV2CShot1Pool), Fill(squadV2DShot1Pool);
    Fill(squadV3AShot1Pool), Fill(squadV3AShot2Pool), Fill(squadV3BShot1Pool), Fill(squadV3BShot2Pool);
    Fill(enemySShot1Pool), Fill(enemySShot2Pool), Fill(enemySShot3Pool), Fill(enemySShot4Pool);
    Fill(enemyVShot1Pool), Fill(enemyVShot2Pool), Fill(enemyVShot3Pool), Fill(enemyVShot4Pool);
    Fill(largeEnemyD52Shot3Pool), Fill(largeEnemyS53LShot3Pool), Fill(largeEnemyS53RShot3Pool);
    Fill(enemyAShot3Pool), Fill(enemyAShot1Pool), Fill(enemyAShot2Pool);
    Fill(enemyRShot1Pool), Fill(enemyUShot1Pool);
    // The player's shots.
    Fill(narrowShots), Fill(wideShots), Fill(burstShots);
}

void SetUpBusyFrame(bool full) {
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    gameMode = 3;
    difficulty = 1;
    difficultyExtra = 0;
    weaponType = 1;
    currentScene = 2;
    sceneChanged = 0;
    pauseFlag = 0;
    transitionCounter = 0;
    transitionStep = 0;
    frameDt = 1.0f / 60.0f;
    scrollDistance = 2000.0f;
    stageFrameCounter = 100;
    // Holding at (180, 0) with the clock about to reach 3600, where both rows
    // of aimed strings and four of the spirals fire together.
    scene2Boss.behaviourClock = 140.0f;
    scene2Boss.x = 180.0f;
    scene2Boss.y = 0.0f;
    scene2Boss.hp = 900.0f;
    scene2Boss.BossAttackClock = 3599;
    playerVulnerable = 1;
    liveRecords = 0;
    if (full) FillStage();

    saved.clear();
    for (const PoolEntry& p : PoolCatalogue())
        Save(p.storage, std::size_t(p.records) * std::size_t(p.stride));
    Save(&scene2Boss, sizeof scene2Boss);
    Save(&scrollDistance, sizeof scrollDistance);
    Save(&score, sizeof score);
    Save(&playerX, sizeof playerX);
    Save(&playerY, sizeof playerY);
}

void RunBossFrame(benchmark::State& state, bool full) {
    if (!StartHeadless()) {
        state.SkipWithError("the game did not start");
        return;
    }
    SetUpBusyFrame(full);
    int hits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Restore();
        playerVulnerable = 1;
        state.ResumeTiming();
        StageScene2();
        if (playerVulnerable == 0) ++hits;
    }
    if (hits) state.SkipWithError("a bullet reached the ship");
    state.counters["records"] = double(liveRecords);
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) / 60.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ResetWorldA();
    ResetWorldB();
}

// Every pool full.
void BM_Scene2BossBusyFrame(benchmark::State& state) { RunBossFrame(state, true); }
BENCHMARK(BM_Scene2BossBusyFrame)->Unit(benchmark::kMicrosecond);

// The fight as it is played in mode 3: one whole attack cycle, frame after
// frame, the hp held so the boss keeps attacking; the mean frame of a cycle.
void BM_Scene2BossFightCycle(benchmark::State& state) {
    if (!StartHeadless()) {
        state.SkipWithError("the game did not start");
        return;
    }
    SetUpBusyFrame(false);
    scene2Boss.BossAttackClock = 0;
    noDeathMode = 1;
    for (auto _ : state) {
        StageScene2();
        scene2Boss.hp = 900.0f;
    }
    noDeathMode = 0;
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) / 60.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ResetWorldA();
    ResetWorldB();
}
BENCHMARK(BM_Scene2BossFightCycle)->Unit(benchmark::kMicrosecond)->Iterations(4300);

// The same frame with every pool parked but for what the frame itself fires:
// what the background, the boss, the HUD and the present cost alone.
void BM_Scene2BossQuietFrame(benchmark::State& state) { RunBossFrame(state, false); }
BENCHMARK(BM_Scene2BossQuietFrame)->Unit(benchmark::kMicrosecond);

} // namespace
