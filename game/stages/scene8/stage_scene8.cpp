// Scene 8, the last stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

// Every boss pattern moves, then draws, on every unpaused frame, fired or not
// (ring burst 2 is neither moved nor drawn). With difficultyExtra 1 the timed
// volleys of five move a second time.
constexpr ScheduleRow kScene8PatternRows[] = {
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
};

const StageCall kScene8LockOnMoves[] = {
    HomingChainJ_Move,          HomingChainK_Move,          HomingChainM_Move,
    HomingChainN_Move,          LockOnShotQ_Move,           LockOnShotT_Move,
    LockOnShotScene3BossA_Move, LockOnShotScene3BossB_Move, LockOnShotScene8BossA_Move,
    LockOnShotScene8BossB_Move,
};

const StageScene kStageScene8 = {
    .scene = 8,
    .entryClearsPause = false,
    .music = "MIDI/VXTM5.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 20.0f,
    .background = {{160, 160}, {BackLayer2_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {200, 200}},
    .bossSectionLo = 1260.0f,
    .bossSectionHi = 11100.0f,
    .timeOut = 11000.0f,
    .boss = &scene8BossSection,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene8PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene8LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene8LockOnMoves / sizeof kScene8LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 3,
    .nextScene = 10,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene8() { RunStageFrame(kStageScene8); }
