// Scene 8, the last stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

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
    .boss = nullptr,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = {},
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
