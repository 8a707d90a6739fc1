// Scene 9, an unplayed stage: its constants over the shared stage frame.
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/enemies/straight_shot.h"
#include "game/player/player_api.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/stages/scene9/scene9_patterns.h"
#include "game/stages/shared_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/scene_state.h"

namespace {

const StageCall kScene9LockOnMoves[] = {
    HomingChainJ_Move, HomingChainK_Move, HomingChainM_Move,
    HomingChainN_Move, LockOnShotQ_Move,  LockOnShotT_Move,
};
const int32_t kScene9BossLockOnRows[] = {kScene9BossRow};

// This stage moves and draws its boss's patterns right after the player's
// shots, so they lie under the enemies and the ship. Then family by family:
// its moves, its draw, then its waves (both ends strict).
const ScheduleRow kScene9EnemyRows[] = {
    {Always(),
     nullptr,
     {Scene9Boss_TimedVolley4_Move, Scene9Boss_TimedVolley4_Draw, Scene9Boss_TimedVolley5_Move,
      Scene9Boss_TimedVolley5_Draw, Scene9Boss_TimedVolley2_Move, Scene9Boss_TimedVolley2_Draw,
      Scene9Boss_TimedVolley3_Move, Scene9Boss_TimedVolley3_Draw, Scene9Boss_TimedVolley1_Move,
      Scene9Boss_TimedVolley1_Draw, Scene8Boss_AimedRingBurst5_Move, Scene8Boss_AimedRingBurst5_Draw}},
    {Always(),
     nullptr,
     {Scene9Boss_PairedDropShot1_Move, Scene9Boss_PairedDropShot1_Draw, Scene9Boss_PairedDropShot2_Move,
      Scene9Boss_PairedDropShot2_Draw, Scene9Boss_PairedDropShot3_Move, Scene9Boss_PairedDropShot3_Draw,
      Scene9Boss_PairedDropShot4_Move, Scene9Boss_PairedDropShot4_Draw, Scene9Boss_PairedDropShot5_Move,
      Scene9Boss_PairedDropShot5_Draw, Scene9Boss_PairedDropShot6_Move, Scene9Boss_PairedDropShot6_Draw,
      Scene9Boss_PairedDropShot7_Move, Scene9Boss_PairedDropShot7_Draw, Scene9Boss_PairedDropShot8_Move,
      Scene9Boss_PairedDropShot8_Draw}},
    {Always(), nullptr, {Scene9Boss_PairedDropShot9_Move, Scene9Boss_PairedDropShot9_Draw}},

    {Always(), nullptr, {EnemyI_Move, EnemyI_Move, EnemyI_Draw}},
    {Between(220, 400), nullptr, {EnemyI_Spawn, EnemyI_Shot2_Fire, EnemyI_Shot3_Fire, EnemyI_Shot4_Fire}},

    {Always(), nullptr, {EnemyL_Move, EnemyL_Move, EnemyL_Draw}},
    {Between(400, 550),
     nullptr,
     {EnemyL_Spawn, EnemyL_Shot1_Fire, EnemyL_Shot2_Fire, EnemyL_Shot3_Fire, EnemyL_Shot4_Fire,
      EnemyL_Shot5_Fire}},

    {Always(), nullptr, {EnemyO_Move, EnemyO_Draw}},
    {Between(800, 900),
     nullptr,
     {EnemyO_Spawn, EnemyO_Shot4_Fire, EnemyO_Shot5_Fire, EnemyO_Shot6_Fire, EnemyO_Shot7_Fire,
      EnemyO_Shot8_Fire}},
    {Between(1120, 1170),
     nullptr,
     {EnemyO_Spawn, EnemyO_Shot4_Fire, EnemyO_Shot5_Fire, EnemyO_Shot6_Fire, EnemyO_Shot7_Fire,
      EnemyO_Shot8_Fire}},
    {Between(1480, 1550),
     nullptr,
     {EnemyO_Spawn, EnemyO_Shot4_Fire, EnemyO_Shot5_Fire, EnemyO_Shot6_Fire, EnemyO_Shot7_Fire,
      EnemyO_Shot8_Fire}},
    {Always(), nullptr, {EnemyP_Move, EnemyP_Draw}},
    {Between(800, 900),
     nullptr,
     {EnemyP_Spawn, EnemyP_Shot4_Fire, EnemyP_Shot5_Fire, EnemyP_Shot6_Fire, EnemyP_Shot7_Fire,
      EnemyP_Shot8_Fire}},
    {Between(1120, 1170),
     nullptr,
     {EnemyP_Spawn, EnemyP_Shot4_Fire, EnemyP_Shot5_Fire, EnemyP_Shot6_Fire, EnemyP_Shot7_Fire,
      EnemyP_Shot8_Fire}},
    {Between(1480, 1550),
     nullptr,
     {EnemyP_Spawn, EnemyP_Shot4_Fire, EnemyP_Shot5_Fire, EnemyP_Shot6_Fire, EnemyP_Shot7_Fire,
      EnemyP_Shot8_Fire}},

    {Always(), nullptr, {EnemyQ_Move, EnemyQ_Draw}},
    {Between(700, 800), nullptr, {EnemyQ_Spawn, EnemyQ_Shot2_Fire}},
    {Between(1550, 1650), nullptr, {EnemyQ_Spawn, EnemyQ_Shot2_Fire}},
    {Always(), nullptr, {EnemyT_Move, EnemyT_Draw}},
    {Between(700, 800), nullptr, {EnemyT_Spawn, EnemyT_Shot2_Fire}},
    {Between(1550, 1650), nullptr, {EnemyT_Spawn, EnemyT_Shot2_Fire}},

    {Always(), nullptr, {LargeEnemyD51_Move, LargeEnemyD51_Draw}},
    {Between(400, 770), nullptr, {LargeEnemyD51_Spawn, LargeEnemyD51_Shot6_Schedule}},
    {Between(400, 770), Extra1, {LargeEnemyD51_Shot7_Schedule, LargeEnemyD51_Shot8_Schedule}},

    {Always(), nullptr, {LargeEnemyS53L_Move, LargeEnemyS53L_Draw, LargeEnemyS53R_Move, LargeEnemyS53R_Draw}},
    {Between(600, 690), nullptr, {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn}},
    {Between(770, 790), nullptr, {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn}},
    {Between(1000, 1050), nullptr, {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn}},
    {Between(1200, 1250), nullptr, {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn}},
    {Between(1350, 1400), nullptr, {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn}},

    {Always(), nullptr, {LargeEnemyS50L_Move, LargeEnemyS50L_Draw, LargeEnemyS50R_Move, LargeEnemyS50R_Draw}},
    {Between(250, 300), nullptr, {LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn}},
    {Between(700, 750), nullptr, {LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn}},
    {Between(1250, 1300), nullptr, {LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn}},

    {Always(), nullptr, {LargeEnemyS54L_Move, LargeEnemyS54L_Draw, LargeEnemyS54R_Move, LargeEnemyS54R_Draw}},
    // The first window's bounds are the wrong way round: it never opens.
    {Between(600, 400), nullptr, {LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn}},
    {Between(1300, 1350), nullptr, {LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn}},
    {Between(1070, 1120), nullptr, {LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn}},
    {Between(1400, 1480), nullptr, {LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn}},
};

// After UpdatePlayer: every bullet group of the stage, move then draw, fired
// or not.
const ScheduleRow kScene9PatternRows[] = {
    {Always(),
     nullptr,
     {EnemyI_Shot2_Move, EnemyI_Shot2_Draw, EnemyI_Shot3_Move, EnemyI_Shot3_Draw, EnemyI_Shot4_Move,
      EnemyI_Shot4_Draw}},
    {Always(), Difficulty2, {EnemyI_Shot2_Move, EnemyI_Shot3_Move, EnemyI_Shot4_Move}},
    {Always(),
     nullptr,
     {EnemyL_Shot1_Move, EnemyL_Shot1_Draw, EnemyL_Shot2_Move, EnemyL_Shot2_Draw, EnemyL_Shot3_Move,
      EnemyL_Shot3_Draw, EnemyL_Shot4_Move, EnemyL_Shot4_Draw, EnemyL_Shot5_Move, EnemyL_Shot5_Draw}},
    {Always(),
     Extra1,
     {EnemyL_Shot1_Move, EnemyL_Shot2_Move, EnemyL_Shot3_Move, EnemyL_Shot4_Move, EnemyL_Shot5_Move}},
    {Always(),
     nullptr,
     {EnemyO_Shot4_Move, EnemyO_Shot4_Draw, EnemyO_Shot5_Move, EnemyO_Shot5_Draw, EnemyO_Shot6_Move,
      EnemyO_Shot6_Draw, EnemyO_Shot7_Move, EnemyO_Shot7_Draw, EnemyO_Shot8_Move, EnemyO_Shot8_Draw}},
    {Always(),
     nullptr,
     {EnemyP_Shot4_Move, EnemyP_Shot4_Draw, EnemyP_Shot5_Move, EnemyP_Shot5_Draw, EnemyP_Shot6_Move,
      EnemyP_Shot6_Draw, EnemyP_Shot7_Move, EnemyP_Shot7_Draw, EnemyP_Shot8_Move, EnemyP_Shot8_Draw}},
    {Always(),
     nullptr,
     {EnemyQ_Shot2_Move, EnemyQ_Shot2_Draw, EnemyQ_Shot3_Move, EnemyQ_Shot3_Draw, EnemyQ_Shot4_Move,
      EnemyQ_Shot4_Draw, EnemyQ_Shot5_Move, EnemyQ_Shot5_Draw, EnemyQ_Shot6_Move, EnemyQ_Shot6_Draw}},
    {Always(),
     nullptr,
     {EnemyT_Shot2_Move, EnemyT_Shot2_Draw, EnemyT_Shot3_Move, EnemyT_Shot3_Draw, EnemyT_Shot4_Move,
      EnemyT_Shot4_Draw, EnemyT_Shot5_Move, EnemyT_Shot5_Draw, EnemyT_Shot6_Move, EnemyT_Shot6_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyS53L_Shot3_Move, LargeEnemyS53L_Shot3_Draw, LargeEnemyS53R_Shot3_Move,
      LargeEnemyS53R_Shot3_Draw, LargeEnemyS50L_Shot3_Move, LargeEnemyS50L_Shot3_Draw,
      LargeEnemyS50R_Shot3_Move, LargeEnemyS50R_Shot3_Draw, LargeEnemyS54L_Shot1_Move,
      LargeEnemyS54L_Shot1_Draw, LargeEnemyS54R_Shot1_Move, LargeEnemyS54R_Shot1_Draw,
      LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw}},
    {Always(),
     Extra1,
     {LargeEnemyD51_Shot7_Move, LargeEnemyD51_Shot7_Draw, LargeEnemyD51_Shot8_Move,
      LargeEnemyD51_Shot8_Draw}},
};

const StageScene kStageScene9 = {
    .scene = kSceneStage9,
    .entryClearsPause = false,
    .music = nullptr,
    .musicStart = StageMusicStart::None,
    .scrollSpeed = 20.0f,
    .background = {{0, 0}, {BackLayer2_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {300, 300}},
    .bossSectionLo = 1800.0f,
    .bossSectionHi = 11100.0f,
    .boss = &scene9BossSection,
    .enemyRows = kScene9EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene9PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene9LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene9LockOnMoves / sizeof kScene9LockOnMoves[0]),
    .bossLockOnRows = kScene9BossLockOnRows,
    .mainShotsBlock = true,
    .continueBombs = 5,
};

} // namespace

void StageScene9() { RunStageFrame(kStageScene9); }
