// Scene 2, the first stage played: its constants over the shared stage frame.
#include "game/enemies/enemy_kinds.h"
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

// Scene 2's last power item falls earlier than in the later stages.
constexpr PowerItemWindow kScene2PowerItemWindows[kPowerItemWindowCount] = {
    {100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000},
};

const StageCall kScene2LockOnMoves[] = {
    LockOnShotB_Move,           LockOnShotC_Move,           HomingChainJ_Move,       HomingChainK_Move,
    HomingChainM_Move,          HomingChainN_Move,          LockOnShotQ_Move,        LockOnShotT_Move,
    LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
    LockOnShotScene2BossA_Move, LockOnShotScene2BossB_Move,
};

// Every family moves, then draws, every frame, spawned or not; enemy A moves
// at double rate. The squads and the large enemies fly between these rows.
// Then the waves, one row per window (both ends strict); windows overlap, and
// the two extra moves of enemy H make it fly three times as fast in its own.
const ScheduleRow kScene2EnemyRows[] = {
    {Always(), nullptr, {EnemyB_Move, EnemyB_Draw}},
    {Always(), nullptr, {EnemyC_Move, EnemyC_Draw}},
    {Always(), nullptr, {EnemyA_Move, EnemyA_Move, EnemyA_Draw}},
    {Always(), nullptr, {EnemyR_Move, EnemyR_Draw}},
    {Always(), nullptr, {EnemyU_Move, EnemyU_Draw}},
    // squads V3A, V3B
    {Always(), nullptr, {EnemyD_Move, EnemyD_Draw}},
    {Always(), nullptr, {EnemyE_Move, EnemyE_Draw}},
    // squads V2A .. V2D
    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw}},
    {Always(), nullptr, {EnemyG_Move, EnemyG_Draw}},
    {Always(), nullptr, {EnemyH_Move, EnemyH_Draw}},
    // large enemies S53L, S53R
    {Always(), nullptr, {EnemyS_Move, EnemyS_Draw}},
    {Always(), nullptr, {EnemyV_Move, EnemyV_Draw}},

    {Between(120, 170), nullptr, {EnemyA_Spawn}},
    {Between(160, 200), nullptr, {}}, // squad V2A
    {Between(200, 250), nullptr, {}}, // squad V2B
    {Between(250, 400), nullptr, {EnemyA_Spawn}},
    {Between(400, 450), nullptr, {}}, // squad V2C
    {Between(500, 550), nullptr, {}}, // squad V2D
    {Between(550, 600), nullptr, {EnemyR_Spawn}},
    {Between(550, 600), nullptr, {EnemyU_Spawn}},
    {Between(600, 650), nullptr, {}}, // squad V3A
    {Between(600, 650), nullptr, {}}, // squad V3B
    {Between(650, 750), nullptr, {EnemyF_Spawn}},
    {Between(750, 850), nullptr, {EnemyG_Spawn}},
    {Between(800, 900), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn}},
    {Between(900, 960), nullptr, {}},  // squad V2A
    {Between(900, 960), nullptr, {}},  // squad V2B
    {Between(950, 1000), nullptr, {}}, // squad V2C
    {Between(950, 1000), nullptr, {}}, // squad V2D
    {Between(950, 1050), nullptr, {EnemyR_Spawn}},
    {Between(950, 1050), nullptr, {EnemyU_Spawn}},
    {Between(1050, 1150), nullptr, {EnemyS_SpawnTimed}},
    {Between(1050, 1150), nullptr, {EnemyV_SpawnTimed}},
    {Between(1150, 1200), nullptr, {}}, // squad V2C
    {Between(1150, 1200), nullptr, {}}, // squad V2D
    {Between(1150, 1180), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn}},
};

const StageScene kStageScene2 = {
    .scene = 2,
    .entryClearsPause = true,
    .music = "MIDI/VXTM1.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 20.0f,
    .background = {{80, 80}, {BackLayer1_Draw, nullptr, nullptr}, {0, 0}, {80, 80}},
    .bossSectionLo = 1100.0f,
    .bossSectionHi = 10100.0f,
    .timeOut = 10000.0f,
    .boss = &scene2BossSection,
    .enemyRows = kScene2EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kScene2PowerItemWindows,
    .patternRows = {},
    .sidePanels = false,
    .bombNeedsNarrowOff = true,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene2LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene2LockOnMoves / sizeof kScene2LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 3,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene2() { RunStageFrame(kStageScene2); }
