// Scene 7, an unplayed stage: its constants over the shared stage frame. No
// scene switch leads here; entered, it plays to its boss, whose defeat wipes
// to scene 8.
#include "game/enemies/aimed_rot_string5.h"
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
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene7/scene7_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"

namespace {

// The D52's first weapon joins only under the extra setting, and then not at
// the hardest difficulty.
bool ExtraNotDifficulty2() { return difficulty != 2 && difficultyExtra == 1; }
bool NotExtra1() { return difficultyExtra != 1; }

const StageCall kScene7LockOnMoves[] = {
    LockOnShotB_Move,        LockOnShotC_Move,        HomingChainJ_Move,       HomingChainK_Move,
    HomingChainM_Move,       HomingChainN_Move,       LockOnShotQ_Move,        LockOnShotT_Move,
    LockOnShotSquadV3A_Move, LockOnShotSquadV3B_Move, LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
};
const int32_t kScene7BossLockOnRows[] = {kScene7BossRow};

// Every family moves, then draws, every frame, spawned or not; enemy A moves
// at double rate. Nothing spawns B or C here. Then the waves, one row per
// window (both ends strict); windows overlap, the second V2B row doubles its
// schedule in 200..250, and the two extra moves of enemy H make it fly three
// times as fast in its own windows. Calls marked by a gate in the middle of a
// window's list are rows of their own over the same window, in list order.
// The power item (drawn, moved, spawned by the frame) follows the last row.
const ScheduleRow kScene7EnemyRows[] = {
    {Always(), nullptr, {EnemyB_Move, EnemyB_Draw}},
    {Always(), nullptr, {EnemyC_Move, EnemyC_Draw}},
    {Always(), nullptr, {EnemyA_Move, EnemyA_Move, EnemyA_Draw}},
    {Always(), nullptr, {EnemyR_Move, EnemyR_Draw}},
    {Always(), nullptr, {EnemyU_Move, EnemyU_Draw}},
    {Always(), nullptr, {SquadV3A_Move, SquadV3A_Draw, SquadV3B_Move, SquadV3B_Draw}},
    {Always(), nullptr, {EnemyD_Move, EnemyD_Draw}},
    {Always(), nullptr, {EnemyE_Move, EnemyE_Draw}},
    {Always(), nullptr, {SquadV2A_Move, SquadV2A_Draw, SquadV2B_Move, SquadV2B_Draw}},
    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw}},
    {Always(), nullptr, {EnemyG_Move, EnemyG_Draw}},
    {Always(), nullptr, {EnemyH_Move, EnemyH_Draw}},
    {Always(), nullptr, {LargeEnemyS53L_Move, LargeEnemyS53L_Draw, LargeEnemyS53R_Move, LargeEnemyS53R_Draw}},
    {Always(), nullptr, {EnemyS_Move, EnemyS_Draw}},
    {Always(), nullptr, {EnemyV_Move, EnemyV_Draw}},

    {Between(160, 200), nullptr, {SquadV2A_Schedule}},
    {Between(200, 250), nullptr, {SquadV2B_Schedule}},
    {Between(250, 300), nullptr, {EnemyA_Spawn}},
    {Between(200, 250), nullptr, {SquadV2A_Schedule}},
    {Between(200, 250), nullptr, {SquadV2B_Schedule}},
    {Between(300, 350), nullptr, {EnemyR_Spawn}},
    {Between(300, 350), nullptr, {EnemyU_Spawn}},
    {Between(350, 450), nullptr, {SquadV3A_Schedule}},
    {Between(450, 500), nullptr, {SquadV3B_Schedule}},
    {Between(500, 700), nullptr, {EnemyF_Spawn, EnemyF_Shot1_Fire}},
    {Between(600, 800), nullptr, {EnemyG_Spawn, EnemyG_Shot1_Fire}},
    {Between(800, 900), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn, EnemyH_Shot1_Fire}},
    {Between(750, 850), nullptr, {SquadV3A_Schedule}},
    {Between(750, 850), nullptr, {SquadV3B_Schedule}},
    {Between(850, 950), nullptr, {SquadV2A_Schedule}},
    {Between(850, 950), nullptr, {SquadV2B_Schedule}},
    {Between(900, 980), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn, EnemyH_Shot1_Fire}},
    {Between(950, 1050), nullptr, {EnemyR_Spawn}},
    {Between(950, 1050), nullptr, {EnemyU_Spawn}},
    {Between(1050, 1200),
     nullptr,
     {EnemyS_SpawnTimed, EnemyS_Shot1_Fire, EnemyS_Shot2_Fire, EnemyS_Shot3_Fire, EnemyS_Shot4_Fire}},
    {Between(1050, 1200),
     nullptr,
     {EnemyV_SpawnTimed, EnemyV_Shot1_Fire, EnemyV_Shot2_Fire, EnemyV_Shot3_Fire, EnemyV_Shot4_Fire}},

    // J and K from the sides; the first window fires no aimed strings.
    {Always(), nullptr, {EnemyJ_Move, EnemyJ_Draw, EnemyK_Move, EnemyK_Draw}},
    {Between(600, 680), nullptr, {EnemyJ_Spawn}},
    {Between(600, 680), Extra1, {EnemyJ_Shot4_Fire, EnemyJ_Shot5_Fire}},
    {Between(600, 680), nullptr, {EnemyJ_Shot6_Fire, EnemyK_Spawn}},
    {Between(600, 680), Extra1, {EnemyK_Shot4_Fire}},
    {Between(600, 680), nullptr, {EnemyK_Shot5_Fire}},
    {Between(600, 680), Extra1, {EnemyK_Shot6_Fire}},
    {Between(800, 900), nullptr, {EnemyJ_Spawn, EnemyJ_Shot1_Fire}},
    {Between(800, 900), Extra1, {EnemyJ_Shot4_Fire, EnemyJ_Shot5_Fire}},
    {Between(800, 900), nullptr, {EnemyJ_Shot6_Fire, EnemyK_Spawn, EnemyK_Shot1_Fire}},
    {Between(800, 900), Extra1, {EnemyK_Shot4_Fire}},
    {Between(800, 900), nullptr, {EnemyK_Shot5_Fire}},
    {Between(800, 900), Extra1, {EnemyK_Shot6_Fire}},
    {Between(1000, 1100), nullptr, {EnemyJ_Spawn, EnemyJ_Shot1_Fire}},
    {Between(1000, 1100), Extra1, {EnemyJ_Shot4_Fire, EnemyJ_Shot5_Fire}},
    {Between(1000, 1100), nullptr, {EnemyJ_Shot6_Fire, EnemyK_Spawn, EnemyK_Shot1_Fire}},
    {Between(1000, 1100), Extra1, {EnemyK_Shot4_Fire}},
    {Between(1000, 1100), nullptr, {EnemyK_Shot5_Fire}},
    {Between(1000, 1100), Extra1, {EnemyK_Shot6_Fire}},

    // M and N, the same three windows for both.
    {Always(), nullptr, {EnemyM_Move, EnemyM_Draw, EnemyN_Move, EnemyN_Draw}},
    {Between(560, 600), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(560, 600), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(560, 600), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(560, 600), Extra1, {EnemyN_Shot4_Fire}},
    {Between(560, 600), nullptr, {EnemyN_Shot5_Fire}},
    {Between(560, 600), Extra1, {EnemyN_Shot6_Fire}},
    {Between(800, 900), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(800, 900), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(800, 900), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(800, 900), Extra1, {EnemyN_Shot4_Fire}},
    {Between(800, 900), nullptr, {EnemyN_Shot5_Fire}},
    {Between(800, 900), Extra1, {EnemyN_Shot6_Fire}},
    {Between(1000, 1200), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(1000, 1200), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(1000, 1200), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(1000, 1200), Extra1, {EnemyN_Shot4_Fire}},
    {Between(1000, 1200), nullptr, {EnemyN_Shot5_Fire}},
    {Between(1000, 1200), Extra1, {EnemyN_Shot6_Fire}},

    // The two descending large enemies. In play the D52 flies unarmed and the
    // D51 fires its big fans and its straight pairs.
    {Always(), nullptr, {LargeEnemyD52_Move, LargeEnemyD52_Draw}},
    {Between(520, 950), nullptr, {LargeEnemyD52_Spawn}},
    {Between(520, 950), Extra1, {LargeEnemyD52_Shot3_Schedule}},
    {Between(520, 950), ExtraNotDifficulty2, {LargeEnemyD52_Shot1_Schedule}},
    {Between(520, 950), Extra1, {LargeEnemyD52_Shot2_Schedule, LargeEnemyD52_Shot4_Schedule}},
    {Always(), nullptr, {LargeEnemyD51_Move, LargeEnemyD51_Draw}},
    {Between(600, 980),
     nullptr,
     {LargeEnemyD51_Spawn, LargeEnemyD51_Shot1_Schedule, LargeEnemyD51_Shot2_Schedule,
      LargeEnemyD51_Shot3_Schedule}},
    {Between(600, 980), Extra1, {LargeEnemyD51_Shot6_Schedule}},
    {Between(600, 980), nullptr, {LargeEnemyD51_Shot4_Schedule}},
    {Between(600, 980),
     Extra1,
     {LargeEnemyD51_Shot5_Schedule, LargeEnemyD51_Shot7_Schedule, LargeEnemyD51_Shot8_Schedule}},
};

// After the ship: the boss's patterns, then the enemies' bullets, each moved
// then drawn every frame, fired or not. The D51's weapons swap with the extra
// setting, and some groups move a second time under the harder settings.
const ScheduleRow kScene7PatternRows[] = {
    {Always(),
     nullptr,
     {Scene7Boss_TimedVolley6_Move, Scene7Boss_TimedVolley6_Draw, Scene7Boss_TimedVolley7_Move,
      Scene7Boss_TimedVolley7_Draw, Scene7Boss_TimedVolley4_Move, Scene7Boss_TimedVolley4_Draw,
      Scene7Boss_TimedVolley5_Move, Scene7Boss_TimedVolley5_Draw}},
    {Always(),
     nullptr,
     {Scene7Boss_SpreadVolleyTrail1_Move, Scene7Boss_SpreadVolleyTrail1_Draw,
      Scene7Boss_SpreadVolleyTrail2_Move, Scene7Boss_SpreadVolleyTrail2_Draw, Scene7Boss_TimedVolley3_Move,
      Scene7Boss_TimedVolley3_Draw}},
    {Always(),
     nullptr,
     {Scene7Boss_LightningChain1_Move, Scene7Boss_LightningChain1_Draw, Scene7Boss_LightningChain2_Move,
      Scene7Boss_LightningChain2_Draw, Scene7Boss_LightningChain3_Move, Scene7Boss_LightningChain3_Draw,
      Scene7Boss_LightningChain4_Move, Scene7Boss_LightningChain4_Draw, Scene7Boss_LightningChain5_Move,
      Scene7Boss_LightningChain5_Draw, Scene7Boss_LightningChain6_Move, Scene7Boss_LightningChain6_Draw}},
    {Always(), nullptr, {Scene7Boss_AimedRingBurst1_Move, Scene7Boss_AimedRingBurst1_Draw}},
    {Always(),
     nullptr,
     {Scene7Boss_PairedDropShot1_Move, Scene7Boss_PairedDropShot1_Draw, Scene7Boss_PairedDropShot2_Move,
      Scene7Boss_PairedDropShot2_Draw, Scene7Boss_PairedDropShot3_Move, Scene7Boss_PairedDropShot3_Draw,
      Scene7Boss_PairedDropShot4_Move, Scene7Boss_PairedDropShot4_Draw, Scene7Boss_PairedDropShot5_Move,
      Scene7Boss_PairedDropShot5_Draw}},
    {Always(),
     nullptr,
     {Scene7Boss_PairedDropShot6_Move, Scene7Boss_PairedDropShot6_Draw, Scene7Boss_PairedDropShot7_Move,
      Scene7Boss_PairedDropShot7_Draw, Scene7Boss_PairedDropShot8_Move, Scene7Boss_PairedDropShot8_Draw,
      Scene7Boss_PairedDropShot9_Move, Scene7Boss_PairedDropShot9_Draw}},
    {Always(),
     nullptr,
     {Scene7Boss_TimedVolley1_Move, Scene7Boss_TimedVolley1_Draw, Scene7Boss_TimedVolley2_Move,
      Scene7Boss_TimedVolley2_Draw}},

    {Always(),
     nullptr,
     {EnemyD_Shot1_Move, EnemyD_Shot1_Draw, EnemyE_Shot1_Move, EnemyE_Shot1_Draw, EnemyF_Shot1_Move,
      EnemyF_Shot1_Draw, EnemyG_Shot1_Move, EnemyG_Shot1_Draw, EnemyH_Shot1_Move, EnemyH_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyJ_Shot4_Move, EnemyJ_Shot4_Draw, EnemyJ_Shot5_Move, EnemyJ_Shot5_Draw, EnemyJ_Shot6_Move,
      EnemyJ_Shot6_Draw, EnemyJ_Shot1_Move, EnemyJ_Shot1_Draw, EnemyK_Shot4_Move, EnemyK_Shot4_Draw,
      EnemyK_Shot5_Move, EnemyK_Shot5_Draw, EnemyK_Shot6_Move, EnemyK_Shot6_Draw, EnemyK_Shot1_Move,
      EnemyK_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyM_Shot4_Move, EnemyM_Shot4_Draw, EnemyM_Shot5_Move, EnemyM_Shot5_Draw, EnemyM_Shot6_Move,
      EnemyM_Shot6_Draw, EnemyN_Shot4_Move, EnemyN_Shot4_Draw, EnemyN_Shot5_Move, EnemyN_Shot5_Draw,
      EnemyN_Shot6_Move, EnemyN_Shot6_Draw}},
    {Always(),
     nullptr,
     {SquadV2A_Shot1_Move, SquadV2A_Shot1_Draw, SquadV2B_Shot1_Move, SquadV2B_Shot1_Draw, SquadV3A_Shot1_Move,
      SquadV3A_Shot1_Draw, SquadV3A_Shot2_Move, SquadV3A_Shot2_Draw, SquadV3B_Shot1_Move, SquadV3B_Shot1_Draw,
      SquadV3B_Shot2_Move, SquadV3B_Shot2_Draw}},
    {Always(),
     nullptr,
     {EnemyS_Shot1_Move, EnemyS_Shot1_Draw, EnemyS_Shot2_Move, EnemyS_Shot2_Draw, EnemyS_Shot3_Move,
      EnemyS_Shot3_Draw, EnemyS_Shot4_Move, EnemyS_Shot4_Draw, EnemyV_Shot1_Move, EnemyV_Shot1_Draw,
      EnemyV_Shot2_Move, EnemyV_Shot2_Draw, EnemyV_Shot3_Move, EnemyV_Shot3_Draw, EnemyV_Shot4_Move,
      EnemyV_Shot4_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyD52_Shot3_Move, LargeEnemyD52_Shot3_Draw, LargeEnemyS53L_Shot3_Move,
      LargeEnemyS53L_Shot3_Draw, LargeEnemyS53R_Shot3_Move, LargeEnemyS53R_Shot3_Draw,
      LargeEnemyD51_Shot1_Move, LargeEnemyD51_Shot1_Draw, LargeEnemyD51_Shot2_Move, LargeEnemyD51_Shot2_Draw,
      LargeEnemyD51_Shot3_Move, LargeEnemyD51_Shot3_Draw}},
    {Always(),
     Extra1,
     {LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw, LargeEnemyS53L_Shot3_Move,
      LargeEnemyS53R_Shot3_Move}},
    {Always(), DifficultyNot1, {EnemyD_Shot1_Move, EnemyE_Shot1_Move, EnemyF_Shot1_Move}},
    {Always(),
     nullptr,
     {LargeEnemyS53L_Shot3_Move, LargeEnemyS53L_Shot3_Draw, LargeEnemyS53R_Shot3_Move,
      LargeEnemyS53R_Shot3_Draw, LargeEnemyS54L_Shot1_Move, LargeEnemyS54L_Shot1_Draw,
      LargeEnemyS54R_Shot1_Move, LargeEnemyS54R_Shot1_Draw}},
    {Always(),
     nullptr,
     {SquadV1A_Shot1_Move, SquadV1A_Shot1_Draw, SquadV1A_Shot2_Move, SquadV1A_Shot2_Draw, SquadV1B_Shot1_Move,
      SquadV1B_Shot1_Draw, SquadV1B_Shot2_Move, SquadV1B_Shot2_Draw, SquadV1C_Shot1_Move, SquadV1C_Shot1_Draw,
      SquadV1C_Shot2_Move, SquadV1C_Shot2_Draw, SquadV1D_Shot1_Move, SquadV1D_Shot1_Draw, SquadV1D_Shot2_Move,
      SquadV1D_Shot2_Draw}},
    {Always(),
     Extra1,
     {LargeEnemyD51_Shot7_Move, LargeEnemyD51_Shot7_Draw, LargeEnemyD51_Shot8_Move,
      LargeEnemyD51_Shot8_Draw}},
    {Always(),
     NotExtra1,
     {LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw, LargeEnemyD51_Shot4_Move, LargeEnemyD51_Shot4_Draw,
      LargeEnemyD51_Shot5_Move, LargeEnemyD51_Shot5_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyD52_Shot1_Move, LargeEnemyD52_Shot1_Draw, LargeEnemyD52_Shot2_Move, LargeEnemyD52_Shot2_Draw,
      LargeEnemyT60_Shot1_Move, LargeEnemyT60_Shot1_Draw}},
};

// Scene 7 keeps no frame counter: its music starts on the entry frame, paused
// or not. BackLayer7's picture is never loaded, so it shows the scratch image.
const StageScene kStageScene7 = {
    .scene = kSceneStage7,
    .entryClearsPause = false,
    .music = "MIDI/VX5.MID",
    .musicStart = StageMusicStart::EntryFrame,
    .scrollSpeed = 13.0f,
    .background = {{0, 0}, {BackLayer7_Draw, nullptr, nullptr}, {0, 0}, {180, 180}},
    .bossSectionLo = 1250.0f,
    .bossSectionHi = 11100.0f,
    .boss = &scene7BossSection,
    .enemyRows = kScene7EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene7PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene7LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene7LockOnMoves / sizeof kScene7LockOnMoves[0]),
    .bossLockOnRows = kScene7BossLockOnRows,
    .mainShotsBlock = true,
    .continueBombs = 5,
};

} // namespace

void StageScene7() { RunStageFrame(kStageScene7); }
