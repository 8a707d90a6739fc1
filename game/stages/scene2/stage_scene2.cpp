// Scene 2, the first stage played: its constants over the shared stage frame.
#include "game/enemies/aimed_shot.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/shot_string5.h"
#include "game/enemies/squads.h"
#include "game/enemies/aimed_string5.h"
#include "game/enemies/straight_shot.h"
#include "game/enemies/turning_string7.h"
#include "game/player/player_api.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene2/scene2_shot_pools.h"
#include "game/stages/scene2/scene2_volleys.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/scene_state.h"

namespace {

// Scene 2's last power item falls earlier than in the later stages.
constexpr PowerItemWindow kScene2PowerItemWindows[kPowerItemWindowCount] = {
    {100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000},
};

const StageCall kScene2LockOnMoves[] = {
    LockOnShotB_Move,        LockOnShotC_Move,        HomingChainJ_Move,       HomingChainK_Move,
    HomingChainM_Move,       HomingChainN_Move,       LockOnShotQ_Move,        LockOnShotT_Move,
    LockOnShotSquadV3A_Move, LockOnShotSquadV3B_Move, LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
};
const int32_t kScene2BossLockOnRows[] = {kScene2BossRow};

// Every family moves, then draws, every frame, spawned or not; enemy A moves
// at double rate.
// Then the waves, one row per window (both ends strict); windows overlap, and
// the two extra moves of enemy H make it fly three times as fast in its own.
const ScheduleRow kScene2EnemyRows[] = {
    {Always(), nullptr, {EnemyB_Move, EnemyB_Draw}},
    {Always(), nullptr, {EnemyC_Move, EnemyC_Draw}},
    {Always(), nullptr, {EnemyA_Move, EnemyA_Move, EnemyA_Draw}},
    {Always(), nullptr, {EnemyR_Move, EnemyR_Draw}},
    {Always(), nullptr, {EnemyU_Move, EnemyU_Draw}},
    {Always(), nullptr, {SquadV3A_Move, SquadV3A_Draw, SquadV3B_Move, SquadV3B_Draw}},
    {Always(), nullptr, {EnemyD_Move, EnemyD_Draw}},
    {Always(), nullptr, {EnemyE_Move, EnemyE_Draw}},
    {Always(),
     nullptr,
     {SquadV2A_Move, SquadV2A_Draw, SquadV2B_Move, SquadV2B_Draw, SquadV2C_Move, SquadV2C_Draw, SquadV2D_Move,
      SquadV2D_Draw}},
    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw}},
    {Always(), nullptr, {EnemyG_Move, EnemyG_Draw}},
    {Always(), nullptr, {EnemyH_Move, EnemyH_Draw}},
    {Always(), nullptr, {LargeEnemyS53L_Move, LargeEnemyS53L_Draw, LargeEnemyS53R_Move, LargeEnemyS53R_Draw}},
    {Always(), nullptr, {EnemyS_Move, EnemyS_Draw}},
    {Always(), nullptr, {EnemyV_Move, EnemyV_Draw}},

    {Between(120, 170), nullptr, {EnemyA_Spawn, EnemyA_Shot3_Fire, EnemyA_Shot1_Fire, EnemyA_Shot2_Fire}},
    {Between(160, 200), nullptr, {SquadV2A_Schedule}},
    {Between(200, 250), nullptr, {SquadV2B_Schedule}},
    {Between(250, 400), nullptr, {EnemyA_Spawn, EnemyA_Shot3_Fire, EnemyA_Shot1_Fire, EnemyA_Shot2_Fire}},
    {Between(400, 450), nullptr, {SquadV2C_Schedule}},
    {Between(500, 550), nullptr, {SquadV2D_Schedule}},
    {Between(550, 600), nullptr, {EnemyR_Spawn, EnemyR_Shot1_Fire}},
    {Between(550, 600), nullptr, {EnemyU_Spawn, EnemyU_Shot1_Fire}},
    {Between(600, 650), nullptr, {SquadV3A_Schedule}},
    {Between(600, 650), nullptr, {SquadV3B_Schedule}},
    {Between(650, 750), nullptr, {EnemyF_Spawn, EnemyF_Shot1_Fire}},
    {Between(750, 850), nullptr, {EnemyG_Spawn, EnemyG_Shot1_Fire}},
    {Between(800, 900), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn, EnemyH_Shot1_Fire}},
    {Between(900, 960), nullptr, {SquadV2A_Schedule}},
    {Between(900, 960), nullptr, {SquadV2B_Schedule}},
    {Between(950, 1000), nullptr, {SquadV2C_Schedule}},
    {Between(950, 1000), nullptr, {SquadV2D_Schedule}},
    {Between(950, 1050), nullptr, {EnemyR_Spawn, EnemyR_Shot1_Fire}},
    {Between(950, 1050), nullptr, {EnemyU_Spawn, EnemyU_Shot1_Fire}},
    {Between(1050, 1150),
     nullptr,
     {EnemyS_SpawnTimed, EnemyS_Shot1_Fire, EnemyS_Shot2_Fire, EnemyS_Shot3_Fire, EnemyS_Shot4_Fire}},
    {Between(1050, 1150),
     nullptr,
     {EnemyV_SpawnTimed, EnemyV_Shot1_Fire, EnemyV_Shot2_Fire, EnemyV_Shot3_Fire, EnemyV_Shot4_Fire}},
    {Between(1150, 1200), nullptr, {SquadV2C_Schedule}},
    {Between(1150, 1200), nullptr, {SquadV2D_Schedule}},
    {Between(1150, 1180), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Spawn, EnemyH_Shot1_Fire}},
};

// After the ship: the boss's patterns, then the enemies' bullets, each moved
// then drawn every frame, fired or not. The harder settings move some groups
// a second time.
const ScheduleRow kScene2PatternRows[] = {
    {Always(),
     nullptr,
     {Scene2Boss_StraightDropStream1_Move, Scene2Boss_StraightDropStream1_Draw,
      Scene2Boss_StraightDropStream2_Move, Scene2Boss_StraightDropStream2_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_AimedShotPool3_Move, Scene2Boss_AimedShotPool3_Draw, Scene2Boss_AimedShotPool4_Move,
      Scene2Boss_AimedShotPool4_Draw, Scene2Boss_AimedShotPool5_Move, Scene2Boss_AimedShotPool5_Draw,
      Scene2Boss_AimedShotPool6_Move, Scene2Boss_AimedShotPool6_Draw, Scene2Boss_AimedShotPool7_Move,
      Scene2Boss_AimedShotPool7_Draw, Scene2Boss_AimedShotPool8_Move, Scene2Boss_AimedShotPool8_Draw}},
    {Always(), nullptr, {Scene2Boss_AimedQuadVolley1_Move, Scene2Boss_AimedQuadVolley1_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_AimedShotPool9_Move, Scene2Boss_AimedShotPool9_Draw, Scene2Boss_AimedShotPool10_Move,
      Scene2Boss_AimedShotPool10_Draw, Scene2Boss_AimedShotPool1_Move, Scene2Boss_AimedShotPool1_Draw,
      Scene2Boss_AimedShotPool2_Move, Scene2Boss_AimedShotPool2_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_BigFanVolley2_Move, Scene2Boss_BigFanVolley2_Draw, Scene2Boss_BigFanVolley1_Move,
      Scene2Boss_BigFanVolley1_Draw, Scene2Boss_BigFanVolley3_Move, Scene2Boss_BigFanVolley3_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_TimedVolley5_Move, Scene2Boss_TimedVolley5_Draw, Scene2Boss_TimedVolley6_Move,
      Scene2Boss_TimedVolley6_Draw, Scene2Boss_TimedVolley1_Move, Scene2Boss_TimedVolley1_Draw,
      Scene2Boss_TimedVolley2_Move, Scene2Boss_TimedVolley2_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_TimedVolley3_Move, Scene2Boss_TimedVolley3_Draw, Scene2Boss_TimedVolley4_Move,
      Scene2Boss_TimedVolley4_Draw, Scene2Boss_TimedVolley7_Move, Scene2Boss_TimedVolley7_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_PairedDropShot1_Move, Scene2Boss_PairedDropShot1_Draw, Scene2Boss_PairedDropShot2_Move,
      Scene2Boss_PairedDropShot2_Draw, Scene2Boss_PairedDropShot3_Move, Scene2Boss_PairedDropShot3_Draw}},
    {Always(), nullptr, {Scene2Boss_BigFanVolley4_Move, Scene2Boss_BigFanVolley4_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_SpiralStream1_Move, Scene2Boss_SpiralStream1_Draw, Scene2Boss_SpiralStream2_Move,
      Scene2Boss_SpiralStream2_Draw, Scene2Boss_SpiralStream3_Move, Scene2Boss_SpiralStream3_Draw,
      Scene2Boss_SpiralStream5_Move, Scene2Boss_SpiralStream5_Draw, Scene2Boss_SpiralStream4_Move,
      Scene2Boss_SpiralStream4_Draw, Scene2Boss_SpiralStream6_Move, Scene2Boss_SpiralStream6_Draw}},
    {Always(),
     nullptr,
     {Scene2Boss_RingEmitter1_Move, Scene2Boss_RingEmitter1_Draw, Scene2Boss_RingEmitter2_Move,
      Scene2Boss_RingEmitter2_Draw, Scene2Boss_RingEmitter3_Move, Scene2Boss_RingEmitter3_Draw,
      Scene2Boss_RingEmitter4_Move, Scene2Boss_RingEmitter4_Draw, Scene2Boss_RingEmitter5_Move,
      Scene2Boss_RingEmitter5_Draw, Scene2Boss_RingEmitter6_Move, Scene2Boss_RingEmitter6_Draw}},
    {Always(), Extra1, {Scene2Boss_TimedVolley3_Move, Scene2Boss_TimedVolley4_Move}},

    {Always(),
     nullptr,
     {EnemyD_Shot1_Move, EnemyD_Shot1_Draw, EnemyE_Shot1_Move, EnemyE_Shot1_Draw, EnemyF_Shot1_Move,
      EnemyF_Shot1_Draw, EnemyG_Shot1_Move, EnemyG_Shot1_Draw, EnemyH_Shot1_Move, EnemyH_Shot1_Draw}},
    {Always(),
     nullptr,
     {SquadV2A_Shot1_Move, SquadV2A_Shot1_Draw, SquadV2B_Shot1_Move, SquadV2B_Shot1_Draw, SquadV2C_Shot1_Move,
      SquadV2C_Shot1_Draw, SquadV2D_Shot1_Move, SquadV2D_Shot1_Draw, SquadV3A_Shot1_Move, SquadV3A_Shot1_Draw,
      SquadV3A_Shot2_Move, SquadV3A_Shot2_Draw, SquadV3B_Shot1_Move, SquadV3B_Shot1_Draw, SquadV3B_Shot2_Move,
      SquadV3B_Shot2_Draw}},
    {Always(),
     nullptr,
     {EnemyS_Shot1_Move, EnemyS_Shot1_Draw, EnemyS_Shot2_Move, EnemyS_Shot2_Draw, EnemyS_Shot3_Move,
      EnemyS_Shot3_Draw, EnemyS_Shot4_Move, EnemyS_Shot4_Draw, EnemyV_Shot1_Move, EnemyV_Shot1_Draw,
      EnemyV_Shot2_Move, EnemyV_Shot2_Draw, EnemyV_Shot3_Move, EnemyV_Shot3_Draw, EnemyV_Shot4_Move,
      EnemyV_Shot4_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyD52_Shot3_Move, LargeEnemyD52_Shot3_Draw, LargeEnemyS53L_Shot3_Move,
      LargeEnemyS53L_Shot3_Draw, LargeEnemyS53R_Shot3_Move, LargeEnemyS53R_Shot3_Draw}},
    {Always(),
     nullptr,
     {EnemyA_Shot3_Move, EnemyA_Shot3_Draw, EnemyA_Shot1_Move, EnemyA_Shot1_Draw, EnemyA_Shot2_Move,
      EnemyA_Shot2_Draw, EnemyR_Shot1_Move, EnemyR_Shot1_Draw, EnemyU_Shot1_Move, EnemyU_Shot1_Draw}},
    {Always(),
     Extra1,
     {LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw, LargeEnemyS53L_Shot3_Move,
      LargeEnemyS53R_Shot3_Move}},
    {Always(), DifficultyNot1, {EnemyD_Shot1_Move, EnemyE_Shot1_Move, EnemyF_Shot1_Move}},
};

const StageScene kStageScene2 = {
    .scene = kSceneStage2,
    .entryClearsPause = true,
    .music = "MIDI/VXTM1.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 20.0f,
    .background = {{80, 80}, {BackLayer1_Draw, nullptr, nullptr}, {0, 0}, {80, 80}},
    .bossSectionLo = 1100.0f,
    .bossSectionHi = 10100.0f,
    .boss = &scene2BossSection,
    .enemyRows = kScene2EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kScene2PowerItemWindows,
    .patternRows = kScene2PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = true,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene2LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene2LockOnMoves / sizeof kScene2LockOnMoves[0]),
    .bossLockOnRows = kScene2BossLockOnRows,
    .mainShotsBlock = true,
    .continueBombs = 5,
};

} // namespace

void StageScene2() { RunStageFrame(kStageScene2); }
