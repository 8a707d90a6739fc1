// Scene 2, the first stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

// Scene 2's last power item falls earlier than in the later stages.
constexpr PowerItemWindow kScene2PowerItemWindows[kPowerItemWindowCount] = {
    {100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000},
};

const StageCall kScene2LockOnMoves[] = {
    LockOnShotB_Move,           LockOnShotC_Move,           HomingChainJ_Move,       HomingChainK_Move,
    HomingChainM_Move,          HomingChainN_Move,          LockOnShotQ_Move,        LockOnShotT_Move,
    LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move,
    LockOnShotScene2BossA_Move, LockOnShotScene2BossB_Move,
};

const StageScene kStageScene2 = {
    .scene = 2,
    .entryClearsPause = true,
    .music = "MIDI/VXTM1.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 20.0f,
    .background = {{80, 80}, {BackLayer1_Draw, nullptr, nullptr}, {0, 0}, {80, 80}},
    .bossSectionLo = 1100.0f,
    .bossSectionHi = 10100.0f,
    .timeOut = 10000.0f,
    .boss = &scene2BossSection,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kScene2PowerItemWindows,
    .patternRows = {},
    .sidePanels = false,
    .bombNeedsNarrowOff = true,
    .homingSchedulesMode3 = false,
    .lockOnMoves = kScene2LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene2LockOnMoves / sizeof kScene2LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 3,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene2() { RunStageFrame(kStageScene2); }
