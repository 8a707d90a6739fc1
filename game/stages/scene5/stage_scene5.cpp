// Scene 5, the third stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

const StageCall kScene5LockOnMoves[] = {
    HomingChainJ_Move,       HomingChainK_Move,       HomingChainM_Move,          HomingChainN_Move,
    LockOnShotQ_Move,        LockOnShotT_Move,        LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,
    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move, LockOnShotScene5BossA_Move, LockOnShotScene5BossB_Move,
};

const StageScene kStageScene5 = {
    .scene = 5,
    .entryClearsPause = false,
    .music = "MIDI/VXTM3.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 16.0f,
    .background = {{200, 150}, {BackLayer3_Draw, BackLayer2_Draw, nullptr}, {0, 0}, {200, 150}},
    .bossSectionLo = 1470.0f,
    .bossSectionHi = 11100.0f,
    .timeOut = 11000.0f,
    .boss = nullptr,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = {},
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = true,
    .lockOnMoves = kScene5LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene5LockOnMoves / sizeof kScene5LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 6,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene5() { RunStageFrame(kStageScene5); }
