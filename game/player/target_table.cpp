#include "game/player/target_table.h"

#include <array>
#include <iterator>

#include "game/bosses/boss_roster.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"

namespace {

// Record layouts of the four kinds of target.
template <typename R, size_t N> constexpr TargetRecords PoolOf(R (&pool)[N]) {
    return {pool, sizeof(R), offsetof(R, x), offsetof(R, y), offsetof(R, collideOff), offsetof(R, hit), 0};
}
template <typename R> constexpr TargetRecords LargeOf(R& record) {
    return {&record, sizeof(R), offsetof(R, x), offsetof(R, y), offsetof(R, noCollide), offsetof(R, hit), 0};
}
constexpr TargetRecords CountedOf(LargeEnemyStepRecord& record) {
    TargetRecords r = LargeOf(record);
    r.extraOffset = offsetof(LargeEnemyStepRecord, hitsTaken);
    return r;
}
constexpr TargetRecords BossOf(BossRecord& boss) {
    return {&boss,
            sizeof(BossRecord),
            offsetof(BossRecord, x),
            offsetof(BossRecord, y),
            offsetof(BossRecord, deadFlag),
            offsetof(BossRecord, BossHitFlash),
            offsetof(BossRecord, hp)};
}

constexpr PassBox Box(int32_t low, int32_t high, int32_t points) { return {low, high, points}; }

constexpr TargetRow Row(const char* name, TargetForm form, int32_t slots, TargetRecords records, float yMin,
                        float yMinBurst, int32_t yLow, int32_t yHigh, PassBox wide, PassBox narrow,
                        PassBox burst) {
    TargetRow row{};
    row.name = name;
    row.form = form;
    row.slots = slots;
    row.records = records;
    row.yMin[kPassWide] = yMin;
    row.yMin[kPassNarrow] = yMin;
    row.yMin[kPassBurst] = yMinBurst;
    row.yLow = yLow;
    row.yHigh = yHigh;
    row.box[kPassWide] = wide;
    row.box[kPassNarrow] = narrow;
    row.box[kPassBurst] = burst;
    return row;
}

template <typename R, size_t N>
constexpr TargetRow Kind(const char* name, R (&pool)[N], void (*setHit)(int32_t), float yMin, float yMinBurst,
                         int32_t yLow, int32_t yHigh, PassBox wide, PassBox narrow, PassBox burst,
                         bool wideDirect = false) {
    TargetRow row = Row(name, TargetForm::Slots, int32_t(N), PoolOf(pool), yMin, yMinBurst, yLow, yHigh, wide,
                        narrow, burst);
    row.setHitSlot = setHit;
    row.wideDirect = wideDirect;
    return row;
}

template <typename R>
constexpr TargetRow Large(const char* name, R& record, void (*setHit)(), float yMin, float yMinBurst,
                          PassBox wide, PassBox narrow, PassBox burst) {
    TargetRow row =
        Row(name, TargetForm::Single, 1, LargeOf(record), yMin, yMinBurst, -60, 50, wide, narrow, burst);
    row.setHit = setHit;
    return row;
}

// T60 has a taller box and gives way only to its 25th overlapping shot-frame.
constexpr TargetRow Counted(const char* name, LargeEnemyStepRecord& record, void (*setHit)(), PassBox wide,
                            PassBox narrow, PassBox burst) {
    TargetRow row =
        Row(name, TargetForm::Counted, 1, CountedOf(record), -30, -30, -60, 200, wide, narrow, burst);
    row.setHit = setHit;
    return row;
}

constexpr TargetRow Boss(const BossRosterRow& r) {
    const BossHitBox* b = r.shotBox;
    TargetRow row = Row(r.name, TargetForm::Boss, 1, BossOf(*r.boss), 0, 0, 10, 200,
                        Box(b[0].xLow, b[0].xHigh, b[0].points), Box(b[1].xLow, b[1].xHigh, b[1].points),
                        Box(b[2].xLow, b[2].xHigh, b[2].points));
    row.setHit = r.setHit;
    return row;
}

// clang-format off
constexpr TargetRow kEnemyRows[] = {
    // Enemy kinds.
    Kind("EnemyA", enemyAPool, EnemyA_SetHit, -45, -45, -60, 50, Box(-40, 50, 100), Box(-60, 70, 50), Box(-20, 70, 50)),
    Kind("EnemyB", enemyBPool, EnemyB_SetHit, -30, -30, -60, 60, Box(-40, 60, 250), Box(-40, 60, 250), Box(0, 60, 250)),
    Kind("EnemyC", enemyCPool, EnemyC_SetHit, -30, -30, -60, 60, Box(-40, 80, 250), Box(-40, 80, 250), Box(0, 80, 250)),
    Kind("EnemyD", enemyDPool, EnemyD_SetHit, -50, -50, -60, 50, Box(-40, 40, 100), Box(-60, 60, 50), Box(-20, 60, 50)),
    Kind("EnemyE", enemyEPool, EnemyE_SetHit, -50, -50, -60, 50, Box(-40, 40, 100), Box(-60, 60, 50), Box(-20, 60, 50)),
    Kind("EnemyF", enemyFPool, EnemyF_SetHit, -30, -30, -60, 50, Box(-40, 60, 100), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyG", enemyGPool, EnemyG_SetHit, -30, -30, -60, 50, Box(-40, 60, 100), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyH", enemyHPool, EnemyH_SetHit, -30, -30, -60, 50, Box(-40, 60, 100), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyI", enemyIPool, EnemyI_SetHit, -30, -30, -60, 50, Box(-40, 60, 100), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyJ", enemyJPool, EnemyJ_SetHit, -60, -60, -60, 50, Box(-40, 60, 150), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyK", enemyKPool, EnemyK_SetHit, -60, -60, -60, 50, Box(-40, 60, 150), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyL", enemyLPool, EnemyL_SetHit, -30, -30, -60, 50, Box(-40, 60, 100), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyM", enemyMPool, EnemyM_SetHit, -30, -30, -60, 50, Box(-40, 60, 200), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyN", enemyNPool, EnemyN_SetHit, -30, -30, -60, 50, Box(-40, 60, 200), Box(-60, 80, 50), Box(-20, 80, 50)),
    Kind("EnemyO", enemyOPool, EnemyO_SetHit, -30, 5, -60, 50, Box(0, 140, 100), Box(0, 140, 50), Box(0, 180, 50)),
    Kind("EnemyP", enemyPPool, EnemyP_SetHit, -30, 5, -60, 50, Box(0, 140, 100), Box(0, 140, 50), Box(0, 180, 50)),
    Kind("EnemyQ", enemyQPool, EnemyQ_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),
    Kind("EnemyR", enemyRPool, EnemyR_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),
    Kind("EnemyS", enemySPool, EnemyS_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),
    Kind("EnemyT", enemyTPool, EnemyT_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),
    Kind("EnemyU", enemyUPool, EnemyU_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),
    Kind("EnemyV", enemyVPool, EnemyV_SetHit, -30, -30, -60, 50, Box(0, 30, 20), Box(0, 30, 50), Box(0, 70, 50), true),

    // Squads.
    Kind("SquadV1A", squadV1ASlots, SquadV1A_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV1B", squadV1BSlots, SquadV1B_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV1C", squadV1CSlots, SquadV1C_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV1D", squadV1DSlots, SquadV1D_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV2A", squadV2ASlots, SquadV2A_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV2B", squadV2BSlots, SquadV2B_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV2C", squadV2CSlots, SquadV2C_SetHit, -32, -32, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV2D", squadV2DSlots, SquadV2D_SetHit, -30, -30, -60, 50, Box(0, 40, 100), Box(0, 40, 50), Box(0, 80, 50)),
    Kind("SquadV3A", squadV3ASlots, SquadV3A_SetHit, -30, -30, -60, 50, Box(0, 60, 250), Box(0, 60, 250), Box(0, 100, 250)),
    Kind("SquadV3B", squadV3BSlots, SquadV3B_SetHit, -30, -30, -60, 50, Box(0, 60, 250), Box(0, 60, 250), Box(0, 100, 250)),
    Kind("SquadV4A", squadV4ASlots, SquadV4A_SetHit, -30, -30, -60, 50, Box(0, 60, 250), Box(0, 60, 250), Box(0, 100, 250)),
    Kind("SquadV4B", squadV4BSlots, SquadV4B_SetHit, -30, -30, -60, 50, Box(0, 60, 250), Box(0, 60, 250), Box(0, 100, 250)),

    // Large enemies. D50's wide and narrow boxes are empty: only the burst reaches it.
    Large("LargeEnemyD50", largeEnemyD50, LargeEnemyD50_SetHit, -30, -30, Box(60, 20, 100), Box(60, 20, 50), Box(40, 80, 50)),
    Large("LargeEnemyD51", largeEnemyD51, LargeEnemyD51_SetHit, -30, 5, Box(60, 120, 100), Box(60, 120, 50), Box(40, 180, 50)),
    Large("LargeEnemyD52", largeEnemyD52, LargeEnemyD52_SetHit, -30, 5, Box(60, 80, 100), Box(60, 80, 50), Box(40, 140, 50)),
    Large("LargeEnemyS53L", largeEnemyS53L, LargeEnemyS53L_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Large("LargeEnemyS53R", largeEnemyS53R, LargeEnemyS53R_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Large("LargeEnemyS50L", largeEnemyS50L, LargeEnemyS50L_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Large("LargeEnemyS50R", largeEnemyS50R, LargeEnemyS50R_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Large("LargeEnemyS54L", largeEnemyS54L, LargeEnemyS54L_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Large("LargeEnemyS54R", largeEnemyS54R, LargeEnemyS54R_SetHit, -30, -30, Box(60, 80, 300), Box(60, 80, 300), Box(40, 140, 300)),
    Counted("LargeEnemyT60", largeEnemyT60, LargeEnemyT60_SetHit, Box(60, 180, 500), Box(60, 180, 500), Box(40, 240, 500)),
};
// clang-format on

// The bosses come last, in the roster's order.
constexpr auto kTargetRows = [] {
    std::array<TargetRow, std::size(kEnemyRows) + std::size(kBossRoster)> rows{};
    size_t n = 0;
    for (const TargetRow& row : kEnemyRows)
        rows[n++] = row;
    for (const BossRosterRow& boss : kBossRoster)
        rows[n++] = Boss(boss);
    return rows;
}();

} // namespace

std::span<const TargetRow> TargetTable() { return kTargetRows; }
