// Scene 7, an unplayed stage: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

const StageCall kScene7LockOnMoves[] = {
    LockOnShotB_Move,           LockOnShotC_Move,           HomingChainJ_Move,       HomingChainK_Move,
    HomingChainM_Move,          HomingChainN_Move,          LockOnShotQ_Move,        LockOnShotT_Move,
    LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
    LockOnShotScene7BossA_Move, LockOnShotScene7BossB_Move,
};

const StageScene kStageScene7 = {
    .scene = 7,
    .entryClearsPause = false,
    .music = "MIDI/VX5.MID",
    .musicStart = StageMusicStart::EntryFrame,
    .scrollSpeed = 13.0f,
    .background = {{0, 0}, {BackLayer7_Draw, nullptr, nullptr}, {0, 0}, {180, 180}},
    .bossSectionLo = 1250.0f,
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
    .lockOnMoves = kScene7LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene7LockOnMoves / sizeof kScene7LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 8,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene7() { RunStageFrame(kStageScene7); }
