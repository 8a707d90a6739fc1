// Scene 3, the second stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene3/scene3_boss.h"
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
    .patternRows = {},
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
