// Scene 9, an unplayed stage: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

const StageCall kScene9LockOnMoves[] = {
    HomingChainJ_Move, HomingChainK_Move, HomingChainM_Move,          HomingChainN_Move,
    LockOnShotQ_Move,  LockOnShotT_Move,  LockOnShotScene9BossA_Move, LockOnShotScene9BossB_Move,
};

const StageScene kStageScene9 = {
    .scene = 9,
    .entryClearsPause = false,
    .music = nullptr,
    .musicStart = StageMusicStart::None,
    .scrollSpeed = 20.0f,
    .background = {{0, 0}, {BackLayer2_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {300, 300}},
    .bossSectionLo = 1800.0f,
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
    .lockOnMoves = kScene9LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene9LockOnMoves / sizeof kScene9LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 10,
    .wipeLength = kLongWipe,
};

} // namespace

void StageScene9() { RunStageFrame(kStageScene9); }
