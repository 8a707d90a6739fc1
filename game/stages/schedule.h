#pragma once
// Stage schedules as ordered tables. A row is a window on one value (the
// stage's scrollDistance, a boss's BossAttackClock or its hp), an optional
// gate, and the calls it makes while both hold. Rows run in program order,
// each its own test, so overlapping windows all fire and a call that stands
// in two rows meeting at one value runs twice in that frame. Every-frame
// moves and draws are rows too, with a window that always holds.
//
// A row that the game interleaves with gated calls (a fire added only when
// difficultyExtra is 1, in the middle of a window's list) is written as
// consecutive rows over the same window, so the calls keep their order.
#include <cstddef>
#include <cstdint>
#include <span>

#include "game/state/value_window.h"

using StageCall = void (*)();
using StageGate = bool (*)();

constexpr int kRowCalls = 16;

struct ScheduleRow {
    Window window;
    StageGate gate;             // null: no gate
    StageCall calls[kRowCalls]; // run in order up to the first null
};

// Runs every row whose window holds `value` and whose gate passes.
void RunSchedule(std::span<const ScheduleRow> rows, float value);

// Told of each row that runs, before its calls (recorded play watches the
// tables through it); null, the default, tells no one.
using ScheduleRowObserver = void (*)(std::span<const ScheduleRow> rows, std::size_t row);
void SetScheduleRowObserverForTests(ScheduleRowObserver observer);

// The gates the stage scripts test. In play difficulty is 1, difficultyExtra
// 0 and gameMode 1 or 3.
bool GameMode1();
bool GameMode3();
bool GameMode2Or3();
bool Difficulty1();
bool Difficulty2();
bool DifficultyNot1();
bool Difficulty2OrExtra(); // difficulty == 2 or difficultyExtra == 1
bool Extra1();             // difficultyExtra == 1
bool ExtraNot0();          // difficultyExtra != 0
bool ExtraNot1();          // difficultyExtra != 1
