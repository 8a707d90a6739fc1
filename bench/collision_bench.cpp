// The collision pass at its worst: all 356 player shots alive and every one
// of the 144 target slots on screen, so every shot walks the whole table and
// many of them hit. Reports the share of a 60 Hz frame the pass takes.
#include "game/player/collisions.h"
#include "game/player/player_pools.h"
#include "game/player/target_table.h"
#include "game/state/game_state.h"
#include "kit/system/kit_system.h"

#include <benchmark/benchmark.h>

#include <cstring>

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
