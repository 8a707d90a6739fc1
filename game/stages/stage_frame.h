#pragma once
// The stage frame every stage scene runs, written once over a constants
// record per scene. One call is one frame, in this order:
//
//   entry       (first frame of the scene only)
//   continue    (paused frames only, and the frame ends there: nothing is
//               drawn or presented)
//   prologue    frame counter and music, clear, scroll, background, bomb draw
//   boss        section while lo < scrollDistance < hi, with the time-out
//   shots       DrawPlayerShots, then the scene's enemy table
//   power item  draw/move and its spawn windows
//   player      UpdatePlayer, then the scene's pattern and bullet tables
//   present     HUD, game over, present; then the player's move, bomb,
//               shots and collisions, homing chains, lock-on moves (the
//               scene's list, then its bosses' lock-on shots)
//
// Everything drawn comes before PresentFrame and every move of the player
// after it, so a picture shows the state before that frame's collisions.
// The scene-specific parts are data: the boss section record and the row
// tables of the enemies and of the patterns and bullets (schedule.h).
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/stages/schedule.h"

// A star field's (range, base); range 0 means no star field.
struct StageStars {
    int32_t range;
    int32_t base;
};

// plainBackground 0 draws starsUnder, the layers in order, then starsOver;
// plainBackground 1 draws plainStars alone; any other value draws nothing.
struct StageBackground {
    StageStars starsUnder;
    StageCall layers[3]; // unused entries null
    StageStars starsOver;
    StageStars plainStars;
};

enum class StageMusicStart : uint8_t {
    CountedFrame, // the first unpaused frame (stageFrameCounter 1)
    EntryFrame,   // the scene's first frame, paused or not; no frame counter
    None,         // no music and no frame counter
};

// Inclusive window of scrollDistance for the power item's spawn.
struct PowerItemWindow {
    float lo;
    float hi;
};

// Where the attack clock returns to 0, by gameMode (0..3) and for any other
// value; 0 means no wrap.
struct ClockWrap {
    int32_t byMode[4];
    int32_t otherwise;
};

// The boss section of a stage frame, run while the section's window on
// scrollDistance is open:
//   update, draw (which ends with the defeat sequence);
//   while gateLo < hp < gateHi: BossAttackClock += 1, the attack rows on the
//     new clock value, the hp rows on hp, then the wrap;
//   while scrollDistance lies in timeOut: hp to 0 and the defeat, whatever the hp.
struct BossSection {
    BossRecord* boss;
    StageCall update;
    StageCall draw;
    StageCall defeat;
    float gateLo;
    float gateHi;
    std::span<const ScheduleRow> attackRows;
    std::span<const ScheduleRow> hpRows;
    ClockWrap wrap;
    Window timeOut;
};

void RunBossSection(const BossSection& section);

struct StageScene {
    int32_t scene;
    bool entryClearsPause; // also disarms the play countdown
    const char* music;
    StageMusicStart musicStart;
    float scrollSpeed; // units of scrollDistance per second
    StageBackground background;

    // Boss section, both bounds strict. A frame that jumps past the section
    // forces the defeat (hp to 0 and the defeat sequence) on every frame from
    // then on, so the stage still ends.
    float bossSectionLo;
    float bossSectionHi;
    const BossSection* boss;

    std::span<const ScheduleRow> enemyRows; // after DrawPlayerShots
    bool powerItemMovesFirst;
    const PowerItemWindow* powerItemWindows;  // five
    std::span<const ScheduleRow> patternRows; // after UpdatePlayer

    bool sidePanels;           // after ShowGameOver, before the present
    bool bombNeedsNarrowOff;   // PlayerBomb_Update also waits for narrowShotsEnabled 0
    bool homingSchedulesMode3; // the four chain schedules when gameMode is 3
    const StageCall* lockOnMoves;
    int32_t lockOnMoveCount;
    std::span<const int32_t> bossLockOnRows; // roster rows whose lock-on shots, A then B, move next
    bool mainShotsBlock;                     // the automatic release and lock-on spawns behind mainShotsOn

    int32_t continueBombs;
};

void RunStageFrame(const StageScene& stage);

// The stage record of the last stage frame run, null before the first:
// recorded play names the rows of its tables by it.
const StageScene* LastStageFrameForTests();

// The same power-item windows in every stage but scene 2.
constexpr int kPowerItemWindowCount = 5;
constexpr PowerItemWindow kPowerItemWindows[kPowerItemWindowCount] = {
    {100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050},
};
