// Scene 3, the second stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene3/scene3_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

const StageCall kScene3LockOnMoves[] = {
    HomingChainJ_Move,          HomingChainK_Move,          HomingChainM_Move,
    HomingChainN_Move,          LockOnShotQ_Move,           LockOnShotT_Move,
    LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,    LockOnShotSquadV4A_Move,
    LockOnShotSquadV4B_Move,    LockOnShotScene8BossA_Move, LockOnShotScene8BossB_Move,
    LockOnShotScene3BossA_Move, LockOnShotScene3BossB_Move,
};

// Step 6: every boss pattern, move then draw, fired or not.
const ScheduleRow kScene3PatternRows[] = {
    {Always(),
     nullptr,
     {Scene3Boss_StraightDropStream2_Move, Scene3Boss_StraightDropStream2_Draw,
      Scene3Boss_StraightDropStream3_Move, Scene3Boss_StraightDropStream3_Draw,
      Scene3Boss_StraightDropStream1_Move, Scene3Boss_StraightDropStream1_Draw,
      Scene3Boss_StraightDropStream5_Move, Scene3Boss_StraightDropStream5_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_StraightDropStream6_Move, Scene3Boss_StraightDropStream6_Draw,
      Scene3Boss_StraightDropStream4_Move, Scene3Boss_StraightDropStream4_Draw,
      Scene3Boss_StraightDropStream8_Move, Scene3Boss_StraightDropStream8_Draw,
      Scene3Boss_StraightDropStream9_Move, Scene3Boss_StraightDropStream9_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_StraightDropStream7_Move, Scene3Boss_StraightDropStream7_Draw,
      Scene3Boss_AimedShotPool1_Move, Scene3Boss_AimedShotPool1_Draw, Scene3Boss_AimedShotPool2_Move,
      Scene3Boss_AimedShotPool2_Draw, Scene3Boss_AimedShotPool3_Move, Scene3Boss_AimedShotPool3_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_AimedShotPool4_Move, Scene3Boss_AimedShotPool4_Draw, Scene3Boss_AimedShotPool5_Move,
      Scene3Boss_AimedShotPool5_Draw, Scene3Boss_AimedShotPool6_Move, Scene3Boss_AimedShotPool6_Draw,
      Scene3Boss_AimedShotPool7_Move, Scene3Boss_AimedShotPool7_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_AimedShotPool8_Move, Scene3Boss_AimedShotPool8_Draw, Scene3Boss_AimedShotPool9_Move,
      Scene3Boss_AimedShotPool9_Draw, Scene3Boss_AimedShotPool10_Move, Scene3Boss_AimedShotPool10_Draw,
      Scene3Boss_AimedShotPool11_Move, Scene3Boss_AimedShotPool11_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_AimedShotPool12_Move, Scene3Boss_AimedShotPool12_Draw, Scene3Boss_AimedRingBurst1_Move,
      Scene3Boss_AimedRingBurst1_Draw, Scene3Boss_AimedRingBurst2_Move, Scene3Boss_AimedRingBurst2_Draw,
      Scene3Boss_TimedVolley10_Move, Scene3Boss_TimedVolley10_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_TimedVolley11_Move, Scene3Boss_TimedVolley11_Draw, Scene3Boss_SpreadVolleyTrail1_Move,
      Scene3Boss_SpreadVolleyTrail1_Draw, Scene3Boss_SpreadVolleyTrail2_Move,
      Scene3Boss_SpreadVolleyTrail2_Draw, Scene3Boss_TimedVolley8_Move, Scene3Boss_TimedVolley8_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_TimedVolley9_Move, Scene3Boss_TimedVolley9_Draw, Scene3Boss_TimedVolley7_Move,
      Scene3Boss_TimedVolley7_Draw, Scene3Boss_TimedVolley5_Move, Scene3Boss_TimedVolley5_Draw,
      Scene3Boss_TimedVolley6_Move, Scene3Boss_TimedVolley6_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_PairedDropShot1_Move, Scene3Boss_PairedDropShot1_Draw, Scene3Boss_PairedDropShot2_Move,
      Scene3Boss_PairedDropShot2_Draw, Scene3Boss_PairedDropShot3_Move, Scene3Boss_PairedDropShot3_Draw,
      Scene3Boss_PairedDropShot4_Move, Scene3Boss_PairedDropShot4_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_PairedDropShot5_Move, Scene3Boss_PairedDropShot5_Draw, Scene3Boss_PairedDropShot6_Move,
      Scene3Boss_PairedDropShot6_Draw, Scene3Boss_PairedDropShot7_Move, Scene3Boss_PairedDropShot7_Draw,
      Scene3Boss_PairedDropShot8_Move, Scene3Boss_PairedDropShot8_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_PairedDropShot9_Move, Scene3Boss_PairedDropShot9_Draw, Scene3Boss_TimedVolley1_Move,
      Scene3Boss_TimedVolley1_Draw, Scene3Boss_TimedVolley2_Move, Scene3Boss_TimedVolley2_Draw,
      Scene3Boss_TimedVolley3_Move, Scene3Boss_TimedVolley3_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_TimedVolley4_Move, Scene3Boss_TimedVolley4_Draw, Scene3Boss_BigFanVolley1_Move,
      Scene3Boss_BigFanVolley1_Draw, Scene3Boss_BigFanVolley2_Move, Scene3Boss_BigFanVolley2_Draw,
      Scene3Boss_BigFanVolley3_Move, Scene3Boss_BigFanVolley3_Draw}},
    {Always(),
     nullptr,
     {Scene3Boss_BigFanVolley4_Move, Scene3Boss_BigFanVolley4_Draw, Scene3Boss_BigFanVolley5_Move,
      Scene3Boss_BigFanVolley5_Draw, Scene3Boss_BigFanVolley6_Move, Scene3Boss_BigFanVolley6_Draw,
      Scene3Boss_BigFanVolley7_Move, Scene3Boss_BigFanVolley7_Draw}},
};

const StageScene kStageScene3 = {
    .scene = 3,
    .entryClearsPause = false,
    .music = "MIDI/VXTM2.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 18.0f,
    .background = {{130, 130}, {BackLayer2_Draw, nullptr, nullptr}, {0, 0}, {150, 150}},
    .bossSectionLo = 1060.0f,
    .bossSectionHi = 11100.0f,
    .timeOut = 11000.0f,
    .boss = &scene3BossSection,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene3PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = true,
    .lockOnMoves = kScene3LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene3LockOnMoves / sizeof kScene3LockOnMoves[0]),
    .mainShotsBlock = false,
    .continueBombs = 5,
    .nextScene = 5,
    .wipeLength = kLongWipe,
};

} // namespace

void StageScene3() { RunStageFrame(kStageScene3); }
