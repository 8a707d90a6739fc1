// Scene 8, the last stage played: its constants over the shared stage frame.
#include "game/enemies/aimed_shot.h"
#include "game/enemies/big_fan_volley.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/shot_string5.h"
#include "game/enemies/squads.h"
#include "game/enemies/straight_shot.h"
#include "game/player/player_api.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/stages/shared_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/scene_state.h"

namespace {

// Family by family: every frame its moves (some twice or three times, enemy
// I and F once more with difficultyExtra 1) and its draw, then its waves,
// each window strict at both ends.
constexpr ScheduleRow kScene8EnemyRows[] = {
    // A
    {Always(), nullptr, {EnemyA_Move, EnemyA_Move, EnemyA_Move, EnemyA_Draw, EnemyA_Shot3_Fire}},
    {Between(100, 200), nullptr, {EnemyA_Spawn}},
    // I
    {Always(), Extra1, {EnemyI_Move}},
    {Always(), nullptr, {EnemyI_Move, EnemyI_Draw}},
    {Between(200, 400),
     nullptr,
     {EnemyI_Spawn, EnemyI_Shot1_Fire, EnemyI_Shot2_Fire, EnemyI_Shot3_Fire, EnemyI_Shot4_Fire}},
    {Between(900, 1200),
     nullptr,
     {EnemyI_Spawn, EnemyI_Shot1_Fire, EnemyI_Shot2_Fire, EnemyI_Shot3_Fire, EnemyI_Shot4_Fire}},
    // F, G, H
    {Always(), Extra1, {EnemyF_Move}},
    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw}},
    {Between(500, 650), nullptr, {EnemyF_Spawn, EnemyF_Shot1_Fire}},
    {Always(), nullptr, {EnemyG_Move, EnemyG_Move, EnemyG_Draw}},
    {Between(600, 750), nullptr, {EnemyG_Spawn, EnemyG_Shot1_Fire}},
    {Always(), nullptr, {EnemyH_Move, EnemyH_Move, EnemyH_Draw}},
    {Between(650, 900), nullptr, {EnemyH_Spawn, EnemyH_Shot1_Fire}},
    // O
    {Always(), nullptr, {EnemyO_Move, EnemyO_Draw}},
    {Between(500, 650),
     nullptr,
     {EnemyO_Spawn, EnemyO_Shot4_Fire, EnemyO_Shot5_Fire, EnemyO_Shot6_Fire, EnemyO_Shot7_Fire,
      EnemyO_Shot8_Fire, EnemyO_Shot2_FireVolleys, EnemyO_Shot3_FireVolleys}},
    {Between(920, 1000),
     nullptr,
     {EnemyO_Spawn, EnemyO_Shot4_Fire, EnemyO_Shot5_Fire, EnemyO_Shot6_Fire, EnemyO_Shot7_Fire,
      EnemyO_Shot8_Fire, EnemyO_Shot2_FireVolleys, EnemyO_Shot3_FireVolleys}},
    // P
    {Always(), nullptr, {EnemyP_Move, EnemyP_Draw}},
    {Between(500, 650),
     nullptr,
     {EnemyP_Spawn, EnemyP_Shot4_Fire, EnemyP_Shot5_Fire, EnemyP_Shot6_Fire, EnemyP_Shot7_Fire,
      EnemyP_Shot8_Fire, EnemyP_Shot2_FireVolleys, EnemyP_Shot3_FireVolleys}},
    {Between(920, 1000),
     nullptr,
     {EnemyP_Spawn, EnemyP_Shot4_Fire, EnemyP_Shot5_Fire, EnemyP_Shot6_Fire, EnemyP_Shot7_Fire,
      EnemyP_Shot8_Fire, EnemyP_Shot2_FireVolleys, EnemyP_Shot3_FireVolleys}},
    // Squads V2A, V2B
    {Always(), nullptr, {SquadV2A_Move, SquadV2A_Draw}},
    {Between(50, 100), nullptr, {SquadV2A_Schedule}},
    {Between(430, 500), nullptr, {SquadV2A_Schedule}},
    {Between(830, 900), nullptr, {SquadV2A_Schedule}},
    {Between(920, 1000), nullptr, {SquadV2A_Schedule}},
    {Always(), nullptr, {SquadV2B_Move, SquadV2B_Draw}},
    {Between(50, 100), nullptr, {SquadV2B_Schedule}},
    {Between(400, 500), nullptr, {SquadV2B_Schedule}},
    {Between(850, 900), nullptr, {SquadV2B_Schedule}},
    {Between(920, 1000), nullptr, {SquadV2B_Schedule}},
    // Q
    {Always(), nullptr, {EnemyQ_Move, EnemyQ_Draw}},
    {Between(820, 900), nullptr, {EnemyQ_Spawn, EnemyQ_Shot1_Fire}},
    {Between(1100, 1230), nullptr, {EnemyQ_Spawn, EnemyQ_Shot1_Fire}},
    // T
    {Always(), nullptr, {EnemyT_Move, EnemyT_Draw}},
    {Between(820, 900), nullptr, {EnemyT_Spawn, EnemyT_Shot1_Fire}},
    {Between(1100, 1230), nullptr, {EnemyT_Spawn, EnemyT_Shot1_Fire}},
    // S and V
    {Always(), nullptr, {EnemyS_Move, EnemyS_Draw, EnemyV_Move, EnemyV_Draw}},
    {Between(1220, 1310),
     nullptr,
     {EnemyS_SpawnTimed, EnemyS_Shot1_Fire, EnemyS_Shot2_Fire, EnemyS_Shot3_Fire, EnemyS_Shot4_Fire,
      EnemyV_SpawnTimed, EnemyV_Shot1_Fire, EnemyV_Shot2_Fire, EnemyV_Shot3_Fire, EnemyV_Shot4_Fire}},
    // Large enemies S53, S50, S54
    {Always(), nullptr, {LargeEnemyS53L_Move, LargeEnemyS53L_Draw, LargeEnemyS53R_Move, LargeEnemyS53R_Draw}},
    {Between(600, 640),
     nullptr,
     {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn, LargeEnemyS53L_Shot1_Schedule,
      LargeEnemyS53L_Shot2_Schedule, LargeEnemyS53R_Shot1_Schedule, LargeEnemyS53R_Shot2_Schedule}},
    {Between(770, 810),
     nullptr,
     {LargeEnemyS53L_Spawn, LargeEnemyS53R_Spawn, LargeEnemyS53L_Shot1_Schedule,
      LargeEnemyS53L_Shot2_Schedule, LargeEnemyS53R_Shot1_Schedule, LargeEnemyS53R_Shot2_Schedule}},
    {Always(), nullptr, {LargeEnemyS50L_Move, LargeEnemyS50L_Draw, LargeEnemyS50R_Move, LargeEnemyS50R_Draw}},
    {Between(250, 300), nullptr, {LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn}},
    {Between(660, 700), nullptr, {LargeEnemyS50L_Spawn, LargeEnemyS50R_Spawn}},
    {Always(), nullptr, {LargeEnemyS54L_Move, LargeEnemyS54L_Draw, LargeEnemyS54R_Move, LargeEnemyS54R_Draw}},
    {Between(700, 750), nullptr, {LargeEnemyS54L_Spawn, LargeEnemyS54R_Spawn}},
};

// Every boss pattern moves, then draws, on every unpaused frame, fired or not
// (ring burst 2 is neither moved nor drawn). With difficultyExtra 1 the timed
// volleys of five move a second time.
constexpr ScheduleRow kScene8PatternRows[] = {
    // The scene-3 boss's pools first: nothing fires them here, so after the
    // world reset they stay parked.
    {Always(),
     nullptr,
     {Scene3Boss_AimedRingBurst1_Move, Scene3Boss_AimedRingBurst1_Draw, Scene3Boss_AimedRingBurst2_Move,
      Scene3Boss_AimedRingBurst2_Draw, Scene3Boss_TimedVolley10_Move, Scene3Boss_TimedVolley10_Draw,
      Scene3Boss_TimedVolley11_Move, Scene3Boss_TimedVolley11_Draw, Scene3Boss_SpreadVolleyTrail1_Move,
      Scene3Boss_SpreadVolleyTrail1_Draw, Scene3Boss_SpreadVolleyTrail2_Move,
      Scene3Boss_SpreadVolleyTrail2_Draw, Scene3Boss_TimedVolley8_Move, Scene3Boss_TimedVolley8_Draw,
      Scene3Boss_TimedVolley9_Move, Scene3Boss_TimedVolley9_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_TimedVolley7_Move, Scene3Boss_TimedVolley7_Draw, Scene3Boss_TimedVolley5_Move,
      Scene3Boss_TimedVolley5_Draw, Scene3Boss_TimedVolley6_Move, Scene3Boss_TimedVolley6_Draw,
      Scene3Boss_PairedDropShot1_Move, Scene3Boss_PairedDropShot1_Draw, Scene3Boss_PairedDropShot2_Move,
      Scene3Boss_PairedDropShot2_Draw, Scene3Boss_PairedDropShot3_Move, Scene3Boss_PairedDropShot3_Draw,
      Scene3Boss_PairedDropShot4_Move, Scene3Boss_PairedDropShot4_Draw, Scene3Boss_PairedDropShot5_Move,
      Scene3Boss_PairedDropShot5_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_PairedDropShot6_Move, Scene3Boss_PairedDropShot6_Draw, Scene3Boss_PairedDropShot7_Move,
      Scene3Boss_PairedDropShot7_Draw, Scene3Boss_PairedDropShot8_Move, Scene3Boss_PairedDropShot8_Draw,
      Scene3Boss_PairedDropShot9_Move, Scene3Boss_PairedDropShot9_Draw}},
    // Then its own.
    {Always(),
     nullptr,
     {Scene8Boss_StraightDropStream1_Move, Scene8Boss_StraightDropStream1_Draw,
      Scene8Boss_StraightDropStream2_Move, Scene8Boss_StraightDropStream2_Draw,
      Scene8Boss_StraightDropStream3_Move, Scene8Boss_StraightDropStream3_Draw,
      Scene8Boss_StraightDropStream4_Move, Scene8Boss_StraightDropStream4_Draw, Scene8Boss_TimedVolley6_Move,
      Scene8Boss_TimedVolley6_Draw, Scene8Boss_TimedVolley7_Move, Scene8Boss_TimedVolley7_Draw,
      Scene8Boss_TimedVolley4_Move, Scene8Boss_TimedVolley4_Draw, Scene8Boss_TimedVolley5_Move,
      Scene8Boss_TimedVolley5_Draw}},
    {Always(),
     nullptr,
     {Scene8Boss_TimedVolley3_Move, Scene8Boss_TimedVolley3_Draw, Scene8Boss_AimedRingBurst3_Move,
      Scene8Boss_AimedRingBurst3_Draw, Scene8Boss_AimedRingBurst4_Move, Scene8Boss_AimedRingBurst4_Draw,
      Scene8Boss_AimedRingBurst1_Move, Scene8Boss_AimedRingBurst1_Draw, Scene8Boss_TimedVolley1_Move,
      Scene8Boss_TimedVolley1_Draw, Scene8Boss_TimedVolley2_Move, Scene8Boss_TimedVolley2_Draw,
      Scene8Boss_PairedDropShot1_Move, Scene8Boss_PairedDropShot1_Draw, Scene8Boss_PairedDropShot2_Move,
      Scene8Boss_PairedDropShot2_Draw}},
    {Always(),
     nullptr,
     {Scene8Boss_PairedDropShot3_Move, Scene8Boss_PairedDropShot3_Draw, Scene8Boss_PairedDropShot4_Move,
      Scene8Boss_PairedDropShot4_Draw, Scene8Boss_PairedDropShot5_Move, Scene8Boss_PairedDropShot5_Draw,
      Scene8Boss_PairedDropShot6_Move, Scene8Boss_PairedDropShot6_Draw, Scene8Boss_PairedDropShot7_Move,
      Scene8Boss_PairedDropShot7_Draw, Scene8Boss_AimedRingBurst5_Move, Scene8Boss_AimedRingBurst5_Draw,
      Scene8Boss_SpiralStream1_Move, Scene8Boss_SpiralStream1_Draw, Scene8Boss_SpiralStream2_Move,
      Scene8Boss_SpiralStream2_Draw}},
    {Always(),
     nullptr,
     {Scene8Boss_SpiralStream3_Move, Scene8Boss_SpiralStream3_Draw, Scene8Boss_SpiralStream4_Move,
      Scene8Boss_SpiralStream4_Draw, Scene8Boss_SpiralStream5_Move, Scene8Boss_SpiralStream5_Draw,
      Scene8Boss_SpiralStream6_Move, Scene8Boss_SpiralStream6_Draw, Scene8Boss_SpiralStream7_Move,
      Scene8Boss_SpiralStream7_Draw, Scene8Boss_SpiralStream8_Move, Scene8Boss_SpiralStream8_Draw,
      Scene8Boss_SpiralStream9_Move, Scene8Boss_SpiralStream9_Draw, Scene8Boss_SpiralStream10_Move,
      Scene8Boss_SpiralStream10_Draw}},
    {Always(),
     nullptr,
     {Scene8Boss_CurvingStream1_Move, Scene8Boss_CurvingStream1_Draw, Scene8Boss_CurvingStream2_Move,
      Scene8Boss_CurvingStream2_Draw, Scene8Boss_CurvingStream3_Move, Scene8Boss_CurvingStream3_Draw,
      Scene8Boss_CurvingStream4_Move, Scene8Boss_CurvingStream4_Draw, Scene8Boss_CurvingStream5_Move,
      Scene8Boss_CurvingStream5_Draw, Scene8Boss_CurvingStream6_Move, Scene8Boss_CurvingStream6_Draw,
      Scene8Boss_CurvingStream7_Move, Scene8Boss_CurvingStream7_Draw, Scene8Boss_CurvingStream8_Move,
      Scene8Boss_CurvingStream8_Draw}},
    {Always(),
     Extra1,
     {Scene8Boss_TimedVolley6_Move, Scene8Boss_TimedVolley7_Move, Scene8Boss_TimedVolley4_Move,
      Scene8Boss_TimedVolley5_Move, Scene8Boss_TimedVolley3_Move}},
    // The enemies' bullets, move then draw.
    {Always(),
     nullptr,
     {EnemyI_Shot2_Move, EnemyI_Shot2_Draw, EnemyI_Shot3_Move, EnemyI_Shot3_Draw, EnemyI_Shot4_Move,
      EnemyI_Shot4_Draw}},
    {Always(), Extra1, {EnemyI_Shot2_Move, EnemyI_Shot3_Move, EnemyI_Shot4_Move, EnemyF_Shot1_Move}},
    {Always(), nullptr, {EnemyF_Shot1_Move, EnemyF_Shot1_Draw}},
    {Always(), Extra1, {EnemyG_Shot1_Move}},
    {Always(),
     nullptr,
     {EnemyG_Shot1_Move, EnemyG_Shot1_Draw, EnemyH_Shot1_Move, EnemyH_Shot1_Draw, EnemyO_Shot4_Move,
      EnemyO_Shot4_Draw, EnemyO_Shot5_Move, EnemyO_Shot5_Draw, EnemyO_Shot6_Move, EnemyO_Shot6_Draw,
      EnemyO_Shot7_Move, EnemyO_Shot7_Draw, EnemyO_Shot8_Move, EnemyO_Shot8_Draw, EnemyO_Shot1_Move,
      EnemyO_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyO_Shot2_Move, EnemyO_Shot2_Draw, EnemyO_Shot3_Move, EnemyO_Shot3_Draw, EnemyP_Shot4_Move,
      EnemyP_Shot4_Draw, EnemyP_Shot5_Move, EnemyP_Shot5_Draw, EnemyP_Shot6_Move, EnemyP_Shot6_Draw,
      EnemyP_Shot7_Move, EnemyP_Shot7_Draw, EnemyP_Shot8_Move, EnemyP_Shot8_Draw, EnemyP_Shot1_Move,
      EnemyP_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyP_Shot2_Move, EnemyP_Shot2_Draw, EnemyP_Shot3_Move, EnemyP_Shot3_Draw, EnemyQ_Shot2_Move,
      EnemyQ_Shot2_Draw, EnemyQ_Shot3_Move, EnemyQ_Shot3_Draw, EnemyQ_Shot4_Move, EnemyQ_Shot4_Draw,
      EnemyQ_Shot5_Move, EnemyQ_Shot5_Draw, EnemyQ_Shot6_Move, EnemyQ_Shot6_Draw, EnemyT_Shot2_Move,
      EnemyT_Shot2_Draw}},
    {Always(),
     nullptr,
     {EnemyT_Shot3_Move, EnemyT_Shot3_Draw, EnemyT_Shot4_Move, EnemyT_Shot4_Draw, EnemyT_Shot5_Move,
      EnemyT_Shot5_Draw, EnemyT_Shot6_Move, EnemyT_Shot6_Draw, EnemyS_Shot1_Move, EnemyS_Shot1_Draw,
      EnemyS_Shot2_Move, EnemyS_Shot2_Draw, EnemyS_Shot3_Move, EnemyS_Shot3_Draw, EnemyS_Shot4_Move,
      EnemyS_Shot4_Draw}},
    {Always(),
     nullptr,
     {EnemyV_Shot1_Move, EnemyV_Shot1_Draw, EnemyV_Shot2_Move, EnemyV_Shot2_Draw, EnemyV_Shot3_Move,
      EnemyV_Shot3_Draw, EnemyV_Shot4_Move, EnemyV_Shot4_Draw, SquadV2A_Shot1_Move, SquadV2A_Shot1_Draw,
      SquadV2B_Shot1_Move, SquadV2B_Shot1_Draw, LargeEnemyS53L_Shot1_Move, LargeEnemyS53L_Shot1_Draw,
      LargeEnemyS53L_Shot2_Move, LargeEnemyS53L_Shot2_Draw}},
    {Always(),
     nullptr,
     {LargeEnemyS53L_Shot3_Move, LargeEnemyS53L_Shot3_Draw, LargeEnemyS53R_Shot1_Move,
      LargeEnemyS53R_Shot1_Draw, LargeEnemyS53R_Shot2_Move, LargeEnemyS53R_Shot2_Draw,
      LargeEnemyS53R_Shot3_Move, LargeEnemyS53R_Shot3_Draw, LargeEnemyS50L_Shot3_Move,
      LargeEnemyS50L_Shot3_Draw, LargeEnemyS50R_Shot3_Move, LargeEnemyS50R_Shot3_Draw,
      LargeEnemyS54L_Shot1_Move, LargeEnemyS54L_Shot1_Draw, LargeEnemyS54R_Shot1_Move,
      LargeEnemyS54R_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyA_Shot3_Move, EnemyA_Shot3_Draw, EnemyI_Shot1_Move, EnemyI_Shot1_Draw, EnemyQ_Shot1_Move,
      EnemyQ_Shot1_Draw, EnemyT_Shot1_Move, EnemyT_Shot1_Draw, LargeEnemyS50L_Shot1_Move,
      LargeEnemyS50L_Shot1_Draw, LargeEnemyS50L_Shot2_Move, LargeEnemyS50L_Shot2_Draw,
      LargeEnemyS50R_Shot1_Move, LargeEnemyS50R_Shot1_Draw, LargeEnemyS50R_Shot2_Move,
      LargeEnemyS50R_Shot2_Draw}},
};

const StageCall kScene8LockOnMoves[] = {
    HomingChainJ_Move, HomingChainK_Move, HomingChainM_Move,
    HomingChainN_Move, LockOnShotQ_Move,  LockOnShotT_Move,
};
// The scene-3 boss's lock-on shots fly here too, ahead of this scene's own.
const int32_t kScene8BossLockOnRows[] = {kScene3BossRow, kScene8BossRow};

const StageScene kStageScene8 = {
    .scene = kSceneStage8,
    .entryClearsPause = false,
    .music = "MIDI/VXTM5.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 20.0f,
    .background = {{160, 160}, {BackLayer2_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {200, 200}},
    .bossSectionLo = 1260.0f,
    .bossSectionHi = 11100.0f,
    .boss = &scene8BossSection,
    .enemyRows = kScene8EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene8PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene8LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene8LockOnMoves / sizeof kScene8LockOnMoves[0]),
    .bossLockOnRows = kScene8BossLockOnRows,
    .mainShotsBlock = true,
    .continueBombs = 3,
};

} // namespace

void StageScene8() { RunStageFrame(kStageScene8); }
