#include "game/stages/schedule.h"

#include "game/state/game_state.h"

namespace {
ScheduleRowObserver rowObserver = nullptr;
}

void SetScheduleRowObserverForTests(ScheduleRowObserver observer) { rowObserver = observer; }

void RunSchedule(std::span<const ScheduleRow> rows, float value) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScheduleRow& row = rows[i];
        if (!row.window.Holds(value)) continue;
        if (row.gate && !row.gate()) continue;
        if (rowObserver) rowObserver(rows, i);
        for (StageCall call : row.calls) {
            if (!call) break;
            call();
        }
    }
}

bool GameMode1() { return gameMode == 1; }
bool GameMode3() { return gameMode == 3; }
bool GameMode2Or3() { return gameMode == 2 || gameMode == 3; }
bool Difficulty1() { return difficulty == 1; }
bool Difficulty2() { return difficulty == 2; }
bool DifficultyNot1() { return difficulty != 1; }
bool Difficulty2OrExtra() { return difficulty == 2 || difficultyExtra == 1; }
bool Extra1() { return difficultyExtra == 1; }
bool ExtraNot0() { return difficultyExtra != 0; }
bool ExtraNot1() { return difficultyExtra != 1; }
