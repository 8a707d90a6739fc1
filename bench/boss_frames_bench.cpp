// The busiest boss frame of every stage. Each stage's fight is played headless
// in mode 3 for one whole attack cycle, the boss held just below its attack
// gate so it never dies and the ship left where it starts (no-death on); the
// state before the frame with the most records on the screen is kept, and
// that one frame is then timed again and again from the same state.
#include "game/shell/new_game.h"
#include "game/shell/pool_catalogue.h"
#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/present.h"
#include "kit/system/frame_timer.h"

#include <benchmark/benchmark.h>

#include "bench_game.h"

#include <cstring>

namespace {

struct StageUnderTest {
    int32_t scene;
    void (*frame)();
    const BossSection* section;
    float sectionLo;
    int32_t cycle; // attack frames of one mode-3 cycle
};

const StageUnderTest kStages[] = {
    {2, StageScene2, &scene2BossSection, 1100.0f, 4300}, {3, StageScene3, &scene3BossSection, 1060.0f, 3710},
    {4, StageScene4, &scene4BossSection, 1050.0f, 1100}, {5, StageScene5, &scene5BossSection, 1470.0f, 4900},
    {6, StageScene6, &scene6BossSection, 1300.0f, 1770}, {7, StageScene7, &scene7BossSection, 1250.0f, 1610},
    {8, StageScene8, &scene8BossSection, 1260.0f, 4390}, {9, StageScene9, &scene9BossSection, 1800.0f, 1220},
};

// Whether a pool keeps its position in whole pixels.
bool IntegerPosition(const Recipe& r) {
    for (int s = 0; s < r.stepCount; ++s)
        if (r.steps[s].first <= 0 && r.steps[s].last >= 0) return r.steps[s].value == ParkValue::IntParkX;
    return false;
}

// Records of every pool whose position lies in the play field.
int32_t RecordsOnScreen() {
    int32_t n = 0;
    for (const PoolEntry& p : PoolCatalogue()) {
        const bool whole = IntegerPosition(*p.recipe);
        const auto* base = static_cast<const unsigned char*>(p.storage);
        for (int32_t i = 0; i < p.records; ++i) {
            const unsigned char* at =
                base + std::size_t(i) * std::size_t(p.stride) + std::size_t(p.recipe->xWord) * 4;
            float x = 0.0f, y = 0.0f;
            if (whole) {
                int32_t ix = 0, iy = 0;
                std::memcpy(&ix, at, 4);
                std::memcpy(&iy, at + 4, 4);
                x = float(ix);
                y = float(iy);
            } else {
                std::memcpy(&x, at, 4);
                std::memcpy(&y, at + 4, 4);
            }
            if (x >= 180.0f && x < 620.0f && y >= 0.0f && y < 600.0f) ++n;
        }
    }
    return n;
}

void SaveState(const StageUnderTest& stage) {
    bench_game::saved.clear();
    for (const PoolEntry& p : PoolCatalogue())
        bench_game::Save(p.storage, std::size_t(p.records) * std::size_t(p.stride));
    bench_game::Save(stage.section->boss, sizeof(BossRecord));
    bench_game::Save(&scrollDistance, sizeof scrollDistance);
    bench_game::Save(&stageFrameCounter, sizeof stageFrameCounter);
    bench_game::Save(&playerX, sizeof playerX);
    bench_game::Save(&playerY, sizeof playerY);
    bench_game::Save(&score, sizeof score);
}

// Plays the approach and one attack cycle; leaves the busiest frame's start
// state saved and returns the number of records it shows.
int32_t FindBusiestFrame(const StageUnderTest& stage) {
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    gameMode = 3;
    difficulty = 1;
    difficultyExtra = 0;
    noDeathMode = 1;
    currentScene = stage.scene;
    sceneChanged = 0;
    pauseFlag = 0;
    transitionCounter = 0;
    transitionStep = 0;
    frameDt = 1.0f / 60.0f;
    stageFrameCounter = 100;
    scrollDistance = stage.sectionLo + 1.0f;
    BossRecord& boss = *stage.section->boss;
    // Twenty seconds bring every boss onto the screen.
    for (int32_t i = 0; i < 1200; ++i)
        stage.frame();
    const float held = stage.section->gateHi - 10.0f;
    int32_t most = -1;
    for (int32_t i = 0; i < stage.cycle; ++i) {
        boss.hp = held;
        playerVulnerable = 1;
        stage.frame();
        const int32_t shown = RecordsOnScreen();
        if (shown > most) {
            most = shown;
            boss.hp = held;
            SaveState(stage);
        }
    }
    return most;
}

void BM_BusiestBossFrame(benchmark::State& state) {
    if (!bench_game::StartHeadless()) {
        state.SkipWithError("the game did not start");
        return;
    }
    const StageUnderTest& stage = kStages[state.range(0)];
    const int32_t records = FindBusiestFrame(stage);
    for (auto _ : state) {
        state.PauseTiming();
        bench_game::Restore();
        playerVulnerable = 1;
        state.ResumeTiming();
        stage.frame();
    }
    state.SetLabel("scene " + std::to_string(stage.scene));
    state.counters["records"] = double(records);
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) / 60.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    noDeathMode = 0;
    ResetWorldA();
    ResetWorldB();
}
BENCHMARK(BM_BusiestBossFrame)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

} // namespace
