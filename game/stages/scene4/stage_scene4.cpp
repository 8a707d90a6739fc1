// Scene 4, an unplayed stage: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

const StageCall kScene4LockOnMoves[] = {
    HomingChainJ_Move,       HomingChainK_Move,       HomingChainM_Move,          HomingChainN_Move,
    LockOnShotQ_Move,        LockOnShotT_Move,        LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,
    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move, LockOnShotScene4BossA_Move, LockOnShotScene4BossB_Move,
};

const StageScene kStageScene4 = {
    .scene = 4,
    .entryClearsPause = false,
    .music = "MIDI/PLNK3.MID",
    .musicStart = StageMusicStart::EntryFrame,
    .scrollSpeed = 20.0f,
    .background = {{0, 0}, {BackLayer8_Draw, nullptr, nullptr}, {100, 100}, {120, 120}},
    .bossSectionLo = 1050.0f,
    .bossSectionHi = 11100.0f,
    .timeOut = 11000.0f,
    .boss = nullptr,
    .enemyRows = {},
    .powerItemMovesFirst = true,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = {},
    .sidePanels = true,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene4LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene4LockOnMoves / sizeof kScene4LockOnMoves[0]),
    .mainShotsBlock = false,
    .continueBombs = 5,
    .nextScene = 5,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene4() { RunStageFrame(kStageScene4); }
