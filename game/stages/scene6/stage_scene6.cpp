// Scene 6, the fourth stage played: its constants over the shared stage frame.
#include "game/enemies/aimed_rot_string5.h"
#include "game/enemies/aimed_shot.h"
#include "game/enemies/aimed_string5.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/large_enemy_weapons.h"
#include "game/enemies/shot_string5.h"
#include "game/enemies/squads.h"
#include "game/enemies/straight_shot.h"
#include "game/player/player_api.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_curving_streams.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"
#include "game/state/scene_state.h"

namespace {

// Each family moves, then draws, every frame, spawned or not, and right after
// it come its own windows (both ends strict), each a row per run of calls
// with the same gate. The fires gated on difficultyExtra or difficulty 2 are
// never made in play.
const ScheduleRow kScene6EnemyRows[] = {
    {Always(), nullptr, {EnemyJ_Move, EnemyJ_Draw, EnemyK_Move, EnemyK_Draw}},
    {Between(600, 680), nullptr, {EnemyJ_Spawn, EnemyJ_Shot1_Fire}},
    {Between(600, 680), Extra1, {EnemyJ_Shot4_Fire, EnemyJ_Shot5_Fire}},
    {Between(600, 680), nullptr, {EnemyJ_Shot6_Fire, EnemyK_Spawn, EnemyK_Shot1_Fire}},
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
    {Always(), nullptr, {EnemyM_Move, EnemyM_Draw, EnemyN_Move, EnemyN_Draw}},
    {Between(560, 600), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(560, 600), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(560, 600), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(560, 600), Extra1, {EnemyN_Shot4_Fire}},
    {Between(560, 600), nullptr, {EnemyN_Shot5_Fire}},
    {Between(560, 600), Extra1, {EnemyN_Shot6_Fire}},
    {Between(700, 800), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(700, 800), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(700, 800), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(700, 800), Extra1, {EnemyN_Shot4_Fire}},
    {Between(700, 800), nullptr, {EnemyN_Shot5_Fire}},
    {Between(700, 800), Extra1, {EnemyN_Shot6_Fire}},
    {Between(1100, 1200), nullptr, {EnemyM_Spawn, EnemyM_Shot1_Fire}},
    {Between(1100, 1200), Extra1, {EnemyM_Shot4_Fire, EnemyM_Shot5_Fire}},
    {Between(1100, 1200), nullptr, {EnemyM_Shot6_Fire, EnemyN_Spawn, EnemyN_Shot1_Fire}},
    {Between(1100, 1200), Extra1, {EnemyN_Shot4_Fire}},
    {Between(1100, 1200), nullptr, {EnemyN_Shot5_Fire}},
    {Between(1100, 1200), Extra1, {EnemyN_Shot6_Fire}},
    {Always(), nullptr, {EnemyL_Move, EnemyL_Draw}},
    {Between(500, 600), nullptr, {EnemyL_Spawn}},
    {Between(500, 600), Difficulty2, {EnemyL_Shot1_Fire}},
    {Between(500, 600), Extra1, {EnemyL_Shot2_Fire, EnemyL_Shot3_Fire, EnemyL_Shot4_Fire, EnemyL_Shot5_Fire}},
    {Between(500, 600), nullptr, {EnemyL_Shot6_Fire}},
    {Always(), nullptr, {EnemyA_Move, EnemyA_Draw}},
    {Between(30, 200), nullptr, {EnemyA_Spawn}},
    {Always(), nullptr, {EnemyI_Move, EnemyI_Draw}},
    {Between(240, 590), nullptr, {EnemyI_Spawn, EnemyI_Shot1_Fire}},
    {Between(240, 590), Extra1, {EnemyI_Shot2_Fire}},
    {Between(240, 590), Difficulty2, {EnemyI_Shot3_Fire, EnemyI_Shot4_Fire}},
    {Between(900, 1200), nullptr, {EnemyI_Spawn, EnemyI_Shot1_Fire}},
    {Between(900, 1200), Extra1, {EnemyI_Shot2_Fire}},
    {Between(900, 1200), nullptr, {EnemyI_Shot3_Fire, EnemyI_Shot4_Fire}},
    // F, G and H never spawn in this stage; their pools stay parked.
    {Always(), nullptr, {EnemyF_Move, EnemyF_Draw, EnemyG_Move, EnemyG_Draw, EnemyH_Move, EnemyH_Draw}},
    {Always(), nullptr, {EnemyQ_Move, EnemyQ_Draw}},
    {Between(100, 200), nullptr, {EnemyQ_Spawn}},
    {Between(400, 500), nullptr, {EnemyQ_Spawn}},
    {Between(1180, 1260), nullptr, {EnemyQ_Spawn}},
    {Always(), nullptr, {EnemyT_Move, EnemyT_Draw}},
    {Between(100, 200), nullptr, {EnemyT_Spawn}},
    {Between(400, 500), nullptr, {EnemyT_Spawn}},
    {Between(1180, 1260), nullptr, {EnemyT_Spawn}},
    // The large enemies fire only inside their own windows.
    {Always(), nullptr, {LargeEnemyD51_Move, LargeEnemyD51_Draw}},
    {Between(600, 800),
     nullptr,
     {LargeEnemyD51_Spawn, LargeEnemyD51_Shot6_Schedule, LargeEnemyD51_Shot1_Schedule,
      LargeEnemyD51_Shot2_Schedule, LargeEnemyD51_Shot3_Schedule}},
    {Always(), nullptr, {LargeEnemyD52_Move, LargeEnemyD52_Draw}},
    {Between(640, 900), nullptr, {LargeEnemyD52_Spawn, LargeEnemyD52_Shot3_Schedule}},
    {Between(640, 900), Extra1, {LargeEnemyD52_Shot4_Schedule}},
    // 1150..1260 and 1260..1300 leave exactly 1260 out.
    {Always(), nullptr, {SquadV3A_Move, SquadV3A_Draw}},
    {Between(200, 240), nullptr, {SquadV3A_Schedule}},
    {Between(400, 480), nullptr, {SquadV3A_Schedule}},
    {Between(1150, 1260), nullptr, {SquadV3A_Schedule}},
    {Between(1260, 1300), nullptr, {SquadV3A_Schedule}},
    {Always(), nullptr, {SquadV3B_Move, SquadV3B_Draw}},
    {Between(240, 280), nullptr, {SquadV3B_Schedule}},
    {Between(400, 480), nullptr, {SquadV3B_Schedule}},
    {Between(1150, 1260), nullptr, {SquadV3B_Schedule}},
    {Between(1260, 1300), nullptr, {SquadV3B_Schedule}},
    {Always(), nullptr, {SquadV4A_Move, SquadV4A_Draw}},
    {Between(280, 320), nullptr, {SquadV4A_Schedule}},
    {Between(400, 480), nullptr, {SquadV4A_Schedule}},
    {Between(640, 680), nullptr, {SquadV4A_Schedule}},
    {Between(1150, 1260), nullptr, {SquadV4A_Schedule}},
    {Between(1260, 1300), nullptr, {SquadV4A_Schedule}},
    {Always(), nullptr, {SquadV4B_Move, SquadV4B_Draw}},
    {Between(320, 360), nullptr, {SquadV4B_Schedule}},
    {Between(400, 480), nullptr, {SquadV4B_Schedule}},
    {Between(640, 680), nullptr, {SquadV4B_Schedule}},
    {Between(1150, 1260), nullptr, {SquadV4B_Schedule}},
    {Between(1260, 1300), nullptr, {SquadV4B_Schedule}},
};

// After the ship: the beams first (they have no move), then every boss
// pattern, moved then drawn, on every unpaused frame, fired or not. With
// difficultyExtra 1 the volleys, fans and drop shots move a second time.
constexpr ScheduleRow kScene6PatternRows[] = {
    {Always(), nullptr, {Scene6Boss_VerticalBeam1_Draw, Scene6Boss_VerticalBeam2_Draw}},
    {Always(),
     nullptr,
     {Scene6Boss_TimedVolley1_Move, Scene6Boss_TimedVolley1_Draw, Scene6Boss_TimedVolley2_Move,
      Scene6Boss_TimedVolley2_Draw, Scene6Boss_TimedVolley3_Move, Scene6Boss_TimedVolley3_Draw,
      Scene6Boss_TimedVolley6_Move, Scene6Boss_TimedVolley6_Draw, Scene6Boss_TimedVolley7_Move,
      Scene6Boss_TimedVolley7_Draw, Scene6Boss_TimedVolley4_Move, Scene6Boss_TimedVolley4_Draw,
      Scene6Boss_TimedVolley5_Move, Scene6Boss_TimedVolley5_Draw}},
    {Always(),
     nullptr,
     {Scene6Boss_BigFanVolley1_Move, Scene6Boss_BigFanVolley1_Draw, Scene6Boss_BigFanVolley2_Move,
      Scene6Boss_BigFanVolley2_Draw, Scene6Boss_FanVolley1_Move, Scene6Boss_FanVolley1_Draw,
      Scene6Boss_FanVolley2_Move, Scene6Boss_FanVolley2_Draw}},
    {Always(),
     nullptr,
     {Scene6Boss_PairedDropShot1_Move, Scene6Boss_PairedDropShot1_Draw, Scene6Boss_PairedDropShot2_Move,
      Scene6Boss_PairedDropShot2_Draw, Scene6Boss_PairedDropShot3_Move, Scene6Boss_PairedDropShot3_Draw,
      Scene6Boss_PairedDropShot4_Move, Scene6Boss_PairedDropShot4_Draw, Scene6Boss_PairedDropShot5_Move,
      Scene6Boss_PairedDropShot5_Draw, Scene6Boss_PairedDropShot6_Move, Scene6Boss_PairedDropShot6_Draw,
      Scene6Boss_PairedDropShot7_Move, Scene6Boss_PairedDropShot7_Draw, Scene6Boss_PairedDropShot8_Move,
      Scene6Boss_PairedDropShot8_Draw}},
    {Always(), nullptr, {Scene6Boss_PairedDropShot9_Move, Scene6Boss_PairedDropShot9_Draw}},
    {Always(),
     Extra1,
     {Scene6Boss_TimedVolley1_Move, Scene6Boss_TimedVolley6_Move, Scene6Boss_TimedVolley7_Move,
      Scene6Boss_TimedVolley4_Move, Scene6Boss_TimedVolley5_Move, Scene6Boss_FanVolley1_Move,
      Scene6Boss_FanVolley2_Move, Scene6Boss_PairedDropShot1_Move, Scene6Boss_PairedDropShot2_Move,
      Scene6Boss_PairedDropShot3_Move, Scene6Boss_PairedDropShot4_Move, Scene6Boss_PairedDropShot5_Move,
      Scene6Boss_PairedDropShot6_Move, Scene6Boss_PairedDropShot7_Move, Scene6Boss_PairedDropShot8_Move,
      Scene6Boss_PairedDropShot9_Move}},
    {Always(),
     nullptr,
     {Scene6Boss_TurningStream1_Move, Scene6Boss_TurningStream1_Draw, Scene6Boss_TurningStream2_Move,
      Scene6Boss_TurningStream2_Draw}},
    {Always(),
     nullptr,
     {Scene6Boss_CurvingStream1_Move, Scene6Boss_CurvingStream1_Draw, Scene6Boss_CurvingStream2_Move,
      Scene6Boss_CurvingStream2_Draw, Scene6Boss_CurvingStream3_Move, Scene6Boss_CurvingStream3_Draw,
      Scene6Boss_CurvingStream4_Move, Scene6Boss_CurvingStream4_Draw, Scene6Boss_CurvingStream5_Move,
      Scene6Boss_CurvingStream5_Draw, Scene6Boss_CurvingStream6_Move, Scene6Boss_CurvingStream6_Draw}},
    // Then every enemy bullet group, moved then drawn.
    {Always(),
     nullptr,
     {EnemyJ_Shot4_Move, EnemyJ_Shot4_Draw, EnemyJ_Shot5_Move, EnemyJ_Shot5_Draw, EnemyJ_Shot6_Move,
      EnemyJ_Shot6_Draw, EnemyJ_Shot1_Move, EnemyJ_Shot1_Draw, EnemyK_Shot4_Move, EnemyK_Shot4_Draw,
      EnemyK_Shot5_Move, EnemyK_Shot5_Draw, EnemyK_Shot6_Move, EnemyK_Shot6_Draw, EnemyK_Shot1_Move,
      EnemyK_Shot1_Draw}},
    {Always(),
     nullptr,
     {EnemyM_Shot1_Move, EnemyM_Shot1_Draw, EnemyM_Shot4_Move, EnemyM_Shot4_Draw, EnemyM_Shot5_Move,
      EnemyM_Shot5_Draw, EnemyM_Shot6_Move, EnemyM_Shot6_Draw, EnemyN_Shot1_Move, EnemyN_Shot1_Draw,
      EnemyN_Shot4_Move, EnemyN_Shot4_Draw, EnemyN_Shot5_Move, EnemyN_Shot5_Draw, EnemyN_Shot6_Move,
      EnemyN_Shot6_Draw}},
    {Always(),
     nullptr,
     {EnemyL_Shot1_Move, EnemyL_Shot1_Draw, EnemyL_Shot2_Move, EnemyL_Shot2_Draw, EnemyL_Shot3_Move,
      EnemyL_Shot3_Draw, EnemyL_Shot4_Move, EnemyL_Shot4_Draw, EnemyL_Shot5_Move, EnemyL_Shot5_Draw,
      EnemyL_Shot6_Move, EnemyL_Shot6_Draw, EnemyL_Shot7_Move, EnemyL_Shot7_Draw, EnemyL_Shot8_Move,
      EnemyL_Shot8_Draw}},
    {Always(),
     nullptr,
     {EnemyL_Shot9_Move, EnemyL_Shot9_Draw, EnemyL_Shot10_Move, EnemyL_Shot10_Draw, EnemyI_Shot2_Move,
      EnemyI_Shot2_Draw, EnemyI_Shot3_Move, EnemyI_Shot3_Draw, EnemyI_Shot4_Move, EnemyI_Shot4_Draw,
      EnemyF_Shot1_Move, EnemyF_Shot1_Draw, EnemyG_Shot1_Move, EnemyG_Shot1_Draw, EnemyH_Shot1_Move,
      EnemyH_Shot1_Draw}},
    {Always(),
     nullptr,
     {SquadV3A_Shot1_Move, SquadV3A_Shot1_Draw, SquadV3A_Shot2_Move, SquadV3A_Shot2_Draw, SquadV3B_Shot1_Move,
      SquadV3B_Shot1_Draw, SquadV3B_Shot2_Move, SquadV3B_Shot2_Draw, LargeEnemyD51_Shot1_Move,
      LargeEnemyD51_Shot1_Draw, LargeEnemyD51_Shot2_Move, LargeEnemyD51_Shot2_Draw, LargeEnemyD51_Shot3_Move,
      LargeEnemyD51_Shot3_Draw, LargeEnemyD51_Shot6_Move, LargeEnemyD51_Shot6_Draw}},
    {Always(), nullptr, {EnemyI_Shot1_Move, EnemyI_Shot1_Draw}},
    // D52 draws one of its two weapons, never both.
    {Always(), Extra1, {LargeEnemyD52_Shot4_Move, LargeEnemyD52_Shot4_Draw}},
    {Always(), ExtraNot1, {LargeEnemyD52_Shot3_Move, LargeEnemyD52_Shot3_Draw}},
};

const StageCall kScene6LockOnMoves[] = {
    HomingChainJ_Move,       HomingChainK_Move,       HomingChainM_Move,       HomingChainN_Move,
    LockOnShotQ_Move,        LockOnShotT_Move,        LockOnShotSquadV3A_Move, LockOnShotSquadV3B_Move,
    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
};
const int32_t kScene6BossLockOnRows[] = {kScene6BossRow};

const StageScene kStageScene6 = {
    .scene = kSceneStage6,
    .entryClearsPause = false,
    .music = "MIDI/VXTM4.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 14.0f,
    .background = {{0, 0}, {BackLayer3_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {220, 200}},
    .bossSectionLo = 1300.0f,
    .bossSectionHi = 11100.0f,
    .boss = &scene6BossSection,
    .enemyRows = kScene6EnemyRows,
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene6PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = true,
    .lockOnMoves = kScene6LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene6LockOnMoves / sizeof kScene6LockOnMoves[0]),
    .bossLockOnRows = kScene6BossLockOnRows,
    .mainShotsBlock = true,
    .continueBombs = 5,
};

} // namespace

void StageScene6() { RunStageFrame(kStageScene6); }
