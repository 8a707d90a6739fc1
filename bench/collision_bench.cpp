// The collision passes at their worst, each reported as the share of a 60 Hz
// frame it takes: the player's shots against every target, and every enemy
// bullet against the ship.
#include "game/enemies/aimed_shot.h"
#include "game/enemies/shot_string5.h"
#include "game/enemies/straight_shot.h"
#include "game/enemies/turning_string7.h"
#include "game/player/collisions.h"
#include "game/player/player_pools.h"
#include "game/player/target_table.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/kit_system.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <span>
#include <vector>

namespace {

PlayerShot wideStart[kPlayerShotSlots];
PlayerShot narrowStart[kPlayerShotSlots];
BurstShot burstStart[kBurstShotSlots];

void SetUpField() {
    difficulty = 1;
    difficultyExtra = 0;
    frameDt = 1.0f / 60.0f;
    int n = 0;
    for (const TargetRow& row : TargetTable()) {
        for (int32_t slot = 0; slot < row.slots; ++slot, ++n) {
            SetTargetFloat(row.records, slot, row.records.xOffset, float(180 + (n * 37) % 400));
            SetTargetFloat(row.records, slot, row.records.yOffset, float(20 + (n * 53) % 400));
            SetTargetInt(row.records, slot, row.records.gateOffset, 0);
        }
    }
    for (int i = 0; i < kPlayerShotSlots; ++i) {
        wideStart[i] = PlayerShot{180 + (i * 29) % 440, 100 + (i * 17) % 400, 3, 10, 1};
        narrowStart[i] = PlayerShot{180 + (i * 31) % 440, 100 + (i * 13) % 400, 2, 10, 1};
    }
    for (int i = 0; i < kBurstShotSlots; ++i)
        burstStart[i] = BurstShot{180 + (i * 11) % 440, 100 + (i * 7) % 400, 0, 0, 3.2f, 1};
}

// All 356 player shots alive and every one of the 144 target slots on screen,
// so every shot walks the whole table and many of them hit.
void BM_PlayerShotsUpdateFullField(benchmark::State& state) {
    SetUpField();
    for (auto _ : state) {
        std::memcpy(wideShots, wideStart, sizeof wideShots);
        std::memcpy(narrowShots, narrowStart, sizeof narrowShots);
        std::memcpy(burstShots, burstStart, sizeof burstShots);
        score = 0;
        PlayerShotsUpdate();
        benchmark::DoNotOptimize(score);
    }
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) / 60.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlayerShotsUpdateFullField);

} // namespace

// Every bullet of the enemy kinds' straight shots, strings and aimed shots
// alive at once around the ship, just outside its kill box, so every move
// runs its motion, its cull and the whole kill test on every record. Reports
// the share of a 60 Hz frame one pass of all those moves takes.
namespace {

struct PoolCopy {
    void* pool;
    std::vector<unsigned char> start;
};

std::vector<PoolCopy> enemyBulletPools;
int enemyBulletRecords = 0;

template <typename Record> void Fill(Record& r, int n) {
    r.active = 1;
    r.x = playerX + 31.0f + float((n * 37) % 200); // right of the box, inside the field
    r.y = playerY - 200.0f + float((n * 53) % 200);
}

template <typename Record> void FillPool(std::span<Record> pool) {
    for (Record& r : pool)
        Fill(r, enemyBulletRecords++);
    auto* bytes = reinterpret_cast<unsigned char*>(pool.data());
    enemyBulletPools.push_back({pool.data(), {bytes, bytes + pool.size_bytes()}});
}

template <typename Record, std::size_t K> void FillPool(std::span<Record[K]> pool) {
    for (auto& row : pool)
        for (Record& r : row)
            Fill(r, enemyBulletRecords++);
    auto* bytes = reinterpret_cast<unsigned char*>(pool.data());
    enemyBulletPools.push_back({pool.data(), {bytes, bytes + pool.size_bytes()}});
}

void SetUpEnemyBullets() {
    frameDt = 1.0f / 60.0f;
    playerX = 250.0f;
    playerY = 450.0f;
    playerVulnerable = 1;
    clearEnemyShots = 0;
    enemyBulletPools.clear();
    enemyBulletRecords = 0;
    for (const StraightShotGroup* g : StraightShotGroups())
        FillPool(g->pool);
    for (const ShotString5Group* g : ShotString5Groups())
        FillPool(g->pool);
    for (const TurningString7Group* g : TurningString7Groups())
        FillPool(g->pool);
    for (const auto* g : AimedShotGroups())
        FillPool(g->pool);
    for (const auto* g : AimedShotLongGroups())
        FillPool(g->pool);
}

void MoveEveryEnemyBulletGroup() {
    for (const StraightShotGroup* g : StraightShotGroups())
        StraightShotMove(*g);
    for (const ShotString5Group* g : ShotString5Groups())
        ShotString5Move(*g);
    for (const TurningString7Group* g : TurningString7Groups())
        TurningString7Move(*g);
    for (const auto* g : AimedShotGroups())
        AimedShotMove(*g);
    for (const auto* g : AimedShotLongGroups())
        AimedShotMove(*g);
}

void BM_EnemyBulletMovesFullPools(benchmark::State& state) {
    SetUpEnemyBullets();
    for (auto _ : state) {
        for (const PoolCopy& p : enemyBulletPools)
            std::memcpy(p.pool, p.start.data(), p.start.size());
        MoveEveryEnemyBulletGroup();
        benchmark::DoNotOptimize(playerVulnerable);
    }
    if (playerVulnerable != 1) state.SkipWithError("a bullet hit the ship");
    state.counters["records"] = double(enemyBulletRecords);
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) / 60.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EnemyBulletMovesFullPools);

} // namespace
