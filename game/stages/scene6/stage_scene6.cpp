// Scene 6, the fourth stage played: its constants over the shared stage frame.
#include "game/player/player_api.h"
#include "game/shell/scene_flow.h"
#include "game/stages/backgrounds.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/stages/stage_frame.h"
#include "game/stages/stage_scenes.h"

namespace {

// After the ship: the beams first (they have no move), then every boss
// pattern, moved then drawn, on every unpaused frame, fired or not.
constexpr ScheduleRow kScene6PatternRows[] = {
    {Always(), nullptr, {Scene6Boss_VerticalBeam1_Draw, Scene6Boss_VerticalBeam2_Draw}},
};

const StageCall kScene6LockOnMoves[] = {
    HomingChainJ_Move,       HomingChainK_Move,       HomingChainM_Move,          HomingChainN_Move,
    LockOnShotQ_Move,        LockOnShotT_Move,        LockOnShotSquadV3A_Move,    LockOnShotSquadV3B_Move,
    LockOnShotSquadV4A_Move, LockOnShotSquadV4B_Move, LockOnShotScene6BossA_Move, LockOnShotScene6BossB_Move,
};

const StageScene kStageScene6 = {
    .scene = 6,
    .entryClearsPause = false,
    .music = "MIDI/VXTM4.MID",
    .musicStart = StageMusicStart::CountedFrame,
    .scrollSpeed = 14.0f,
    .background = {{0, 0}, {BackLayer3_Draw, BackLayer1_Draw, nullptr}, {0, 0}, {220, 200}},
    .bossSectionLo = 1300.0f,
    .bossSectionHi = 11100.0f,
    .timeOut = 11000.0f,
    .boss = &scene6BossSection,
    .enemyRows = {},
    .powerItemMovesFirst = false,
    .powerItemWindows = kPowerItemWindows,
    .patternRows = kScene6PatternRows,
    .sidePanels = false,
    .bombNeedsNarrowOff = false,
    .homingSchedulesMode3 = true,
    .lockOnMoves = kScene6LockOnMoves,
    .lockOnMoveCount = int32_t(sizeof kScene6LockOnMoves / sizeof kScene6LockOnMoves[0]),
    .mainShotsBlock = true,
    .continueBombs = 5,
    .nextScene = 8,
    .wipeLength = kShortWipe,
};

} // namespace

void StageScene6() { RunStageFrame(kStageScene6); }
