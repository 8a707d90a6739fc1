// Scene 4, an unplayed stage: its constants over the shared stage frame.
#include "game/enemies/aimed_shot.h"
#include "game/enemies/aimed_string5.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squads.h"
#include "game/enemies/straight_shot.h"
#include "game/player/player_api.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene4/scene4_patterns.h"
#include "game/stages/shared_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/scene_state.h"

namespace {

const StageCall kScene4LockOnMoves[] = {
    HomingChainJ_Move,       HomingChainK_Move,       HomingChainM_Move,       HomingChainN_Move,
    LockOnShotQ_Move,        LockOnShotT_Move,        LockOnShotSquadV3A_Move, LockOnShotSquadV3B_Move,
    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
};
const int32_t kScene4BossLockOnRows[] = {kScene4BossRow};

// Family by family: its moves, its draw, then its waves (both ends strict),
// each wave firing the family's bullet groups as it spawns. Enemy A flies at
// three times its speed; the two large enemies are never spawned, so their
// weapons launch from the parked records and are culled at once.
const ScheduleRow kScene4EnemyRows[] = {
    {Always(), nullptr, {EnemyA_Move, EnemyA_Move, EnemyA_Move, EnemyA_Draw}},
    {Between(50, 100), nullptr, {EnemyA_Spawn}},

    {Always(), nullptr, {EnemyD_Move, EnemyD_Draw, EnemyE_Move, EnemyE_Draw}},
    {Between(150, 200), nullptr, {EnemyD_Spawn, EnemyD_Shot1_Fire, EnemyE_Spawn, EnemyE_Shot1_Fire}},
    {Between(750, 840), nullptr, {EnemyD_Spawn, EnemyD_Shot1_Fire, EnemyE_Spawn, EnemyE_Shot1_Fire}},

    {Always(), nullptr, {EnemyI_Move, EnemyI_Draw}},
    {Between(200, 300),
     nullptr,
     {EnemyI_Spawn, EnemyI_Shot2_Fire, EnemyI_Shot3_Fire, EnemyI_Shot4_Fire, EnemyI_Move}},
    {Between(200, 300), DifficultyNot1, {EnemyI_Shot2_Move, EnemyI_Shot3_Move, EnemyI_Shot4_Move}},

    {Always(), nullptr, {SquadV1C_Move, SquadV1C_Draw}},
    {Between(300, 350), nullptr, {SquadV1C_Schedule}},
    {Between(500, 550), nullptr, {SquadV1C_Schedule}},
    {Always(), nullptr, {SquadV1D_Move, SquadV1D_Draw}},
    {Between(300, 350), nullptr, {SquadV1D_Schedule}},
    {Between(500, 550), nullptr, {SquadV1D_Schedule}},

    {Always(), nullptr, {SquadV2A_Move, SquadV2A_Draw}},
    {Between(550, 600), nullptr, {SquadV2A_Schedule}},
    {Between(800, 860), nullptr, {SquadV2A_Schedule}},
    {Between(1000, 1100), nullptr, {SquadV2A_Schedule}},
    {Always(), nullptr, {SquadV2B_Move, SquadV2B_Draw}},
    {Between(550, 600), nullptr, {SquadV2B_Schedule}},
    {Between(800, 860), nullptr, {SquadV2B_Schedule}},
    {Between(1000, 1100), nullptr, {SquadV2B_Schedule}},
    {Always(), nullptr, {SquadV2C_Move, SquadV2C_Draw}},
    {Between(600, 650), nullptr, {SquadV2C_Schedule}},
    {Between(750, 800), nullptr, {SquadV2C_Schedule}},
    {Always(), nullptr, {SquadV2D_Move, SquadV2D_Draw}},
    {Between(600, 650), nullptr, {SquadV2D_Schedule}},
    {Between(750, 800), nullptr, {SquadV2D_Schedule}},

    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw}},
    {Between(350, 450), nullptr, {EnemyF_Spawn, EnemyF_Shot1_Fire}},
    {Always(), nullptr, {EnemyG_Move, EnemyG_Draw}},
    {Between(400, 500), nullptr, {EnemyG_Spawn, EnemyG_Shot1_Fire}},
    // Enemy H falls at three times its speed inside its wave.
    {Always(), nullptr, {EnemyH_Move, EnemyH_Draw}},
    {Between(600, 650), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn, EnemyH_Shot1_Fire}},

    {Always(), nullptr, {SquadV3A_Move, SquadV3A_Draw}},
    {Between(100, 150), nullptr, {SquadV3A_Schedule}},
    {Always(), nullptr, {SquadV3B_Move, SquadV3B_Draw}},
    {Between(650, 700), nullptr, {SquadV3B_Schedule}},

    {Always(), nullptr, {EnemyS_Move, EnemyS_Draw}},
    {Between(100, 200),
     nullptr,
     {EnemyS_SpawnTimed, EnemyS_Shot1_Fire, EnemyS_Shot2_Fire, EnemyS_Shot3_Fire, EnemyS_Shot4_Fire}},
    {Between(400, 500),
     nullptr,
     {EnemyS_SpawnTimed, EnemyS_Shot1_Fire, EnemyS_Shot2_Fire, EnemyS_Shot3_Fire, EnemyS_Shot4_Fire}},
    {Always(), nullptr, {EnemyV_Move, EnemyV_Draw}},
    {Between(100, 200),
     nullptr,
     {EnemyV_SpawnTimed, EnemyV_Shot1_Fire, EnemyV_Shot2_Fire, EnemyV_Shot3_Fire, EnemyV_Shot4_Fire}},
    {Between(400, 500),
     nullptr,
     {EnemyV_SpawnTimed, EnemyV_Shot1_Fire, EnemyV_Shot2_Fire, EnemyV_Shot3_Fire, EnemyV_Shot4_Fire}},

    {Always(), nullptr, {EnemyQ_Move, EnemyQ_Draw}},
    {Between(700, 750),
     nullptr,
     {EnemyQ_Spawn, EnemyQ_Shot2_Fire, EnemyQ_Shot3_Fire, EnemyQ_Shot4_Fire, EnemyQ_Shot5_Fire,
      EnemyQ_Shot6_Fire}},
    {Between(850, 1000),
     nullptr,
     {EnemyQ_Spawn, EnemyQ_Shot2_Fire, EnemyQ_Shot3_Fire, EnemyQ_Shot4_Fire, EnemyQ_Shot5_Fire,
      EnemyQ_Shot6_Fire}},
    {Always(), nullptr, {EnemyT_Move, EnemyT_Draw}},
    {Between(700, 750),
     nullptr,
     {EnemyT_Spawn, EnemyT_Shot2_Fire, EnemyT_Shot3_Fire, EnemyT_Shot4_Fire, EnemyT_Shot5_Fire,
      EnemyT_Shot6_Fire}},
    {Between(850, 1000),
     nullptr,
     {EnemyT_Spawn, EnemyT_Shot2_Fire, EnemyT_Shot3_Fire, EnemyT_Shot4_Fire, EnemyT_Shot5_Fire,
      EnemyT_Shot6_Fire}},

    {Always(), nullptr, {LargeEnemyD52_Move, LargeEnemyD52_Draw}},
    {Between(680, 950), Extra1, {LargeEnemyD52_Shot3_Schedule}},
    {Between(680, 950), Difficulty2OrExtra, {LargeEnemyD52_Shot1_Schedule}},
    {Between(680, 950), Extra1, {LargeEnemyD52_Shot2_Schedule, LargeEnemyD52_Shot4_Schedule}},

    {Always(), nullptr, {LargeEnemyD51_Move, LargeEnemyD51_Draw}},
    {Between(600, 980), Difficulty2OrExtra, {LargeEnemyD51_Shot1_Schedule}},
    {Between(600, 980), nullptr, {LargeEnemyD51_Shot2_Schedule, LargeEnemyD51_Shot3_Schedule}},
    {Between(600, 980), Extra1, {LargeEnemyD51_Shot6_Schedule}},
    {Between(600, 980), nullptr, {LargeEnemyD51_Shot4_Schedule}},
    {Between(600, 980),
     Extra1,
     {LargeEnemyD51_Shot5_Schedule, LargeEnemyD51_Shot7_Schedule, LargeEnemyD51_Shot8_Schedule}},
};

// After UpdatePlayer: the boss's patterns (the first scene-3 volleys among
// them), then every bullet group of the stage, move then draw, fired or not.
const ScheduleRow kScene4PatternRows[] = {
    {Always(),
     nullptr,
     {Scene4Boss_TimedVolley4_Move, Scene4Boss_TimedVolley4_Draw, Scene4Boss_TimedVolley5_Move,
      Scene4Boss_TimedVolley5_Draw, Scene4Boss_TimedVolley2_Move, Scene4Boss_TimedVolley2_Draw,
      Scene4Boss_TimedVolley3_Move, Scene4Boss_TimedVolley3_Draw, Scene4Boss_TimedVolley1_Move,
      Scene4Boss_TimedVolley1_Draw, Scene4Boss_AimedRingBurst1_Move, Scene4Boss_AimedRingBurst1_Draw,
      Scene4Boss_AimedRingBurst2_Move, Scene4Boss_AimedRingBurst2_Draw}},
    {Always(),
     nullptr,
     {Scene4Boss_PairedDropShot1_Move, Scene4Boss_PairedDropShot1_Draw, Scene4Boss_PairedDropShot2_Move,
      Scene4Boss_PairedDropShot2_Draw, Scene4Boss_PairedDropShot3_Move, Scene4Boss_PairedDropShot3_Draw,
      Scene4Boss_PairedDropShot4_Move, Scene4Boss_PairedDropShot4_Draw, Scene4Boss_PairedDropShot5_Move,
      Scene4Boss_PairedDropShot5_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_TimedVolley1_Move, Scene3Boss_TimedVolley1_Draw, Scene3Boss_TimedVolley2_Move,
      Scene3Boss_TimedVolley2_Draw, Scene3Boss_TimedVolley3_Move, Scene3Boss_TimedVolley3_Draw,
      Scene3Boss_TimedVolley4_Move, Scene3Boss_TimedVolley4_Draw}},
    {Always(),
     Extra1,
     {Scene4Boss_TimedVolley4_Move, Scene4Boss_TimedVolley5_Move, Scene4Boss_TimedVolley2_Move,
      Scene4Boss_TimedVolley3_Move, Scene4Boss_TimedVolley1_Move}},

    {Always(),
     nullptr,
     {EnemyI_Shot2_Move, EnemyI_Shot2_Draw, EnemyI_Shot3_Move, EnemyI_Shot3_Draw, EnemyI_Shot4_Move,
      EnemyI_Shot4_Draw, EnemyF_Shot1_Move, EnemyF_Shot1_Draw, EnemyG_Shot1_Move, EnemyG_Shot1_Draw,
      EnemyH_Shot1_Move, EnemyH_Shot1_Draw}},
    {Always(),
     nullptr,
     {SquadV1C_Shot1_Move, SquadV1C_Shot1_Draw, SquadV1C_Shot2_Move, SquadV1C_Shot2_Draw, SquadV1D_Shot1_Move,
      SquadV1D_Shot1_Draw, SquadV1D_Shot2_Move, SquadV1D_Shot2_Draw, SquadV3A_Shot1_Move, SquadV3A_Shot1_Draw,
      SquadV3A_Shot2_Move, SquadV3A_Shot2_Draw, SquadV3B_Shot1_Move, SquadV3B_Shot1_Draw, SquadV3B_Shot2_Move,
      SquadV3B_Shot2_Draw}},
    {Always(),
     nullptr,
     {SquadV2A_Shot1_Move, SquadV2A_Shot1_Draw, SquadV2B_Shot1_Move, SquadV2B_Shot1_Draw, SquadV2C_Shot1_Move,
      SquadV2C_Shot1_Draw, SquadV2D_Shot1_Move, SquadV2D_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyS_Shot1_Move, EnemyS_Shot1_Draw, EnemyS_Shot2_Move, EnemyS_Shot2_Draw, EnemyS_Shot3_Move,
      EnemyS_Shot3_Draw, EnemyS_Shot4_Move, EnemyS_Shot4_Draw, EnemyV_Shot1_Move, EnemyV_Shot1_Draw,
      EnemyV_Shot2_Move, EnemyV_Shot2_Draw, EnemyV_Shot3_Move, EnemyV_Shot3_Draw, EnemyV_Shot4_Move,
      EnemyV_Shot4_Draw}},
    {Always(),
     nullptr,
     {EnemyD_Shot1_Move, EnemyD_Shot1_Draw, EnemyE_Shot1_Move, EnemyE_Shot1_Draw, EnemyQ_Shot2_Move,
      EnemyQ_Shot2_Draw, EnemyQ_Shot3_Move, EnemyQ_Shot3_Draw, EnemyQ_Shot4_Move, EnemyQ_Shot4_Draw,
      EnemyQ_Shot5_Move, EnemyQ_Shot5_Draw, EnemyQ_Shot6_Move, EnemyQ_Shot6_Draw}},
    {Always(),
     nullptr,
     {EnemyT_Shot2_Move, EnemyT_Shot2_Draw, EnemyT_Shot3_Move, EnemyT_Shot3_Draw, EnemyT_Shot4_Move,
      EnemyT_Shot4_Draw, EnemyT_Shot5_Move, EnemyT_Shot5_Draw, EnemyT_Shot6_Move, EnemyT_Shot6_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw, LargeEnemyD51_Shot4_Move, LargeEnemyD51_Shot4_Draw,
      LargeEnemyD51_Shot5_Move, LargeEnemyD51_Shot5_Draw}},
    {Always(),
     Extra1,
     {LargeEnemyD51_Shot7_Move, LargeEnemyD51_Shot7_Draw, LargeEnemyD51_Shot8_Move,
      LargeEnemyD51_Shot8_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyD51_Shot1_Move, LargeEnemyD51_Shot1_Draw, LargeEnemyD51_Shot2_Move, LargeEnemyD51_Shot2_Draw,
      LargeEnemyD51_Shot3_Move, LargeEnemyD51_Shot3_Draw, LargeEnemyD52_Shot1_Move, LargeEnemyD52_Shot1_Draw,
      LargeEnemyD52_Shot2_Move, LargeEnemyD52_Shot2_Draw, LargeEnemyD52_Shot3_Move, LargeEnemyD52_Shot3_Draw,
      LargeEnemyD52_Shot4_Move, LargeEnemyD52_Shot4_Draw, LargeEnemyT60_Shot1_Move,
      LargeEnemyT60_Shot1_Draw}},
};

const StageScene kStageScene4 = {
    .scene = kSceneStage4,
    .entryClearsPause = false,
    .music = "MIDI/PLNK3.MID",
    .musicStart = StageMusicStart::EntryFrame,
    .scrollSpeed = 20.0f,
    .background = {{0, 0}, {BackLayer8_Draw, nullptr, nullptr}, {100, 100}, {120, 120}},
    .bossSectionLo = 1050.0f,
    .bossSectionHi = 11100.0f,
    .boss = &scene4BossSection,
    .enemyRows = kScene4EnemyRows,
    .powerItemMovesFirst = true,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene4PatternRows,
    .sidePanels = true,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene4LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene4LockOnMoves / sizeof kScene4LockOnMoves[0]),
    .bossLockOnRows = kScene4BossLockOnRows,
    .mainShotsBlock = false,
    .continueBombs = 5,
};

} // namespace

void StageScene4() { RunStageFrame(kStageScene4); }
