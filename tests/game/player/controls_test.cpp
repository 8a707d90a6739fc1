#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/player/controls.h"
#include "game/player/player_pools.h"
#include "game/player/player_scenario.h"
#include "game/shell/main_loop.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "platform/window.h"

namespace {

constexpr int32_t kVkC = 'C';
constexpr int32_t kVkV = 'V';

struct FrameLog {
    std::vector<int> waveFrames; // frames (1-based) in which a centre shot left
    std::vector<int> sounds;     // shot sounds per frame
};

// Runs n frames and notes, per frame, whether the stream released a wave.
FrameLog RunAndLog(PlayerScenario& s, int n, const int32_t& muzzleFlash) {
    FrameLog log;
    s.ShotSounds();
    for (int f = 1; f <= n; ++f) {
        s.Frame();
        log.sounds.push_back(s.ShotSounds());
        if (muzzleFlash != 0) log.waveFrames.push_back(f);
    }
    return log;
}

int CountActive(const PlayerShot* pool, int first, int count) {
    int n = 0;
    for (int i = first; i < first + count; ++i)
        n += pool[i].active != 0;
    return n;
}

int CountActiveBurst() {
    int n = 0;
    for (const BurstShot& b : burstShots)
        n += b.active != 0;
    return n;
}

// Waves come exactly `gap` frames apart, with one shot sound in each wave's
// frame and none in between.
void ExpectCadence(const FrameLog& log, int gap, int firstWave) {
    ASSERT_FALSE(log.waveFrames.empty());
    EXPECT_EQ(log.waveFrames.front(), firstWave);
    for (size_t i = 1; i < log.waveFrames.size(); ++i)
        EXPECT_EQ(log.waveFrames[i] - log.waveFrames[i - 1], gap) << "wave " << i;
    size_t w = 0;
    for (size_t f = 0; f < log.sounds.size(); ++f) {
        const bool wave = w < log.waveFrames.size() && log.waveFrames[w] == int(f + 1);
        EXPECT_EQ(log.sounds[f], wave ? 1 : 0) << "frame " << f + 1;
        if (wave) ++w;
    }
}

} // namespace

TEST(PlayerControls, HeldShiftReleasesOneWaveEveryFourFramesWithOneShotSound) {
    PlayerScenario s;
    ASSERT_GE(sndSHOT, 0);
    s.Hold(plat::kVkShift);
    // First frame of the press does nothing; the clock then ticks once a
    // frame and the wave leaves on every fourth tick, through the wrap at 100.
    const FrameLog log = RunAndLog(s, 240, muzzleFlashNarrow);
    ExpectCadence(log, 4, 5);
    EXPECT_EQ(log.waveFrames.size(), size_t(59));

    // Centre lane only while the side shots are off; waves fill slots 1..25.
    EXPECT_EQ(CountActive(narrowShots, kLeftLane, 52), 0);
    EXPECT_EQ(narrowShots[0].active, 0);
    EXPECT_EQ(CountActive(wideShots, 0, kPlayerShotSlots), 0);
    const int32_t clock = narrowShotClock;
    s.Release(plat::kVkShift);
    s.Frames(3);
    EXPECT_EQ(narrowShotClock, clock); // the schedule keeps its place between presses
}

TEST(PlayerControls, ShiftAndCDoubleTheNarrowStreamButShiftAndTheLeftButtonDoNot) {
    PlayerScenario s;
    s.Hold(plat::kVkShift);
    s.Hold(kVkC);
    // Two ticks a frame: a wave every second frame. From the ship's start a
    // shot needs 55 frames to leave the top, so when the schedule comes
    // round to its slots again 50 frames later they are all still in flight
    // and that whole round is skipped.
    const FrameLog log = RunAndLog(s, 151, muzzleFlashNarrow);
    std::vector<int> expected;
    for (int f = 3; f <= 51; f += 2)
        expected.push_back(f);
    for (int f = 103; f <= 151; f += 2)
        expected.push_back(f);
    EXPECT_EQ(log.waveFrames, expected);
    int sounds = 0;
    for (int n : log.sounds)
        sounds += n;
    EXPECT_EQ(sounds, 50);
    s.Release(plat::kVkShift);
    s.Release(kVkC);
    s.Frames(80);

    // Nearer the top the shots are gone in time, and every wave leaves.
    s.NewGame();
    playerY = 220.0f;
    s.Hold(plat::kVkShift);
    s.Hold(kVkC);
    ExpectCadence(RunAndLog(s, 200, muzzleFlashNarrow), 2, 3);
    s.Release(plat::kVkShift);
    s.Release(kVkC);

    // Shift and the left button are one test: still every fourth frame.
    s.NewGame();
    s.MouseTo(400, 300);
    s.MouseButton(0, true);
    s.Hold(plat::kVkShift);
    const FrameLog both = RunAndLog(s, 60, muzzleFlashNarrow);
    ASSERT_GE(both.waveFrames.size(), size_t(2));
    for (size_t i = 1; i < both.waveFrames.size(); ++i)
        EXPECT_EQ(both.waveFrames[i] - both.waveFrames[i - 1], 4);
    s.Release(plat::kVkShift);
    s.MouseButton(0, false);

    // The left button alone fires from its first frame: it has no edge state.
    s.NewGame();
    s.MouseButton(0, true);
    const FrameLog button = RunAndLog(s, 12, muzzleFlashNarrow);
    EXPECT_EQ(button.waveFrames, (std::vector<int>{4, 8, 12}));
}

TEST(PlayerControls, CtrlVAndTheRightButtonFireTheWideStreamWithSideShots) {
    PlayerScenario s;
    powerItem.powerFlag1 = 1;
    playerX = 300.7f;
    playerY = 400.9f;
    s.Hold(plat::kVkControl);
    s.Hold(kVkV);
    // Ctrl and V held together start a burst only with C or Shift; alone
    // together they double the wide stream.
    const FrameLog log = RunAndLog(s, 3, muzzleFlashWide);
    ASSERT_EQ(log.waveFrames, (std::vector<int>{3}));
    EXPECT_EQ(burstActive, 0);
    // Wave 1 after one move: centre at the truncated ship x, side shots 30
    // to either side drifting 3 pixels a frame, all 38 above the ship, risen 10.
    EXPECT_EQ(wideShots[1].x, 300);
    EXPECT_EQ(wideShots[1].y, 400 - 38 - 10);
    EXPECT_EQ(wideShots[kLeftLane + 1].x, 300 - 30 - 3);
    EXPECT_EQ(wideShots[kRightLane + 1].x, 300 + 30 + 3);
    EXPECT_EQ(wideShots[kRightLane + 1].xStep, 3);
    EXPECT_EQ(wideShots[kRightLane + 1].speed, 10);
    EXPECT_EQ(log.sounds.back(), 1); // side shots play no sound of their own
    EXPECT_EQ(CountActive(narrowShots, 0, kPlayerShotSlots), 0);
    s.Release(plat::kVkControl);
    s.Release(kVkV);

    s.NewGame();
    powerItem.powerFlag1 = 1;
    s.MouseButton(1, true);
    const FrameLog right = RunAndLog(s, 8, muzzleFlashWide);
    EXPECT_EQ(right.waveFrames, (std::vector<int>{4, 8}));
    EXPECT_EQ(narrowShots[1].active, 0);
    EXPECT_EQ(CountActive(wideShots, 0, kPlayerShotSlots), 6);
}

TEST(PlayerControls, VAndCRunTheBurstFor147FramesAndSilenceTheStreams) {
    PlayerScenario s;
    s.Hold(kVkV);
    s.Hold(kVkC);
    s.ShotSounds();
    s.Frame(); // first frame of the press
    EXPECT_EQ(burstActive, 0);
    EXPECT_EQ(CountActive(narrowShots, 0, kPlayerShotSlots), 0);

    int start = 0, end = 0, sounds = 0, streamShots = 0, launched = 0;
    for (int f = 2; f <= 400 && end == 0; ++f) {
        const int before = CountActiveBurst();
        s.Frame();
        sounds += s.ShotSounds();
        streamShots +=
            CountActive(narrowShots, 0, kPlayerShotSlots) + CountActive(wideShots, 0, kPlayerShotSlots);
        launched += std::max(0, CountActiveBurst() - before);
        if (start == 0 && (burstActive == 1 || burstClock != 0)) start = f;
        if (start != 0 && burstActive == 0) end = f;
    }
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end - start + 1, 147);
    EXPECT_EQ(sounds, 0);
    EXPECT_EQ(streamShots, 0);
    EXPECT_EQ(narrowShotsEnabled, 1);
    EXPECT_EQ(wideShotsEnabled, 1);
    EXPECT_EQ(clearEnemyShots, 0);
    // 49 waves of four, from slot 1 of each group; slot 0 is never used.
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(burstShots[g * kBurstGroupSlots].active, 0);
    EXPECT_GE(launched, 4 * 20); // many have already left the top again

    // Still held: the next burst starts on the very next frame.
    s.Frame();
    EXPECT_EQ(burstActive, 1);
    EXPECT_EQ(burstClock, 1);
}

TEST(PlayerControls, BurstWavesLeaveEveryThirdFrameFromBothSidesOfTheShip) {
    PlayerScenario s;
    playerX = 350.0f;
    playerY = 500.0f;
    s.Hold(plat::kVkShift);
    s.Hold(plat::kVkControl);
    s.Frame();
    s.Frame(); // Shift and Ctrl held: the burst starts, clock 1
    EXPECT_EQ(burstActive, 1);
    EXPECT_EQ(CountActiveBurst(), 0);
    s.Release(plat::kVkShift);
    s.Release(plat::kVkControl);
    s.Frame(); // clock 2
    EXPECT_EQ(CountActiveBurst(), 0);
    s.Frame(); // clock 3: wave 1, moved once by its path's first step
    EXPECT_EQ(CountActiveBurst(), 4);
    EXPECT_EQ(burstShots[1].x, 350 + 12 - 6);
    EXPECT_EQ(burstShots[51].x, 350 + 28 + 6);
    EXPECT_EQ(burstShots[101].x, 350 + 12 - 6);
    EXPECT_EQ(burstShots[151].x, 350 + 28 + 6);
    for (int slot : {1, 51, 101, 151})
        EXPECT_EQ(burstShots[slot].y, 510);
    s.Frames(3);
    EXPECT_EQ(CountActiveBurst(), 8);
    EXPECT_EQ(burstShots[2].active, 1);
}

TEST(PlayerControls, ALeftDoubleClickStartsTheBurstWithNoKeyHeld) {
    PlayerScenario s;
    s.DoubleClick(400, 300);
    EXPECT_EQ(leftDoubleClick, 1);
    s.Frame();
    EXPECT_EQ(burstActive, 1);
    EXPECT_EQ(leftDoubleClick, 0);
    s.Frames(146);
    EXPECT_EQ(burstActive, 0);
    s.Frame();
    EXPECT_EQ(burstActive, 0); // a click reaches one frame only
}

TEST(PlayerControls, AOneFramePressNeitherMovesNorFires) {
    PlayerScenario s;
    for (int32_t vk : std::vector<int32_t>{plat::kVkLeft, plat::kVkUp, plat::kVkShift, kVkC}) {
        s.Hold(vk);
        s.Frame();
        s.Release(vk);
        s.Frame();
    }
    EXPECT_EQ(playerX, 370.0f);
    EXPECT_EQ(playerY, 520.0f);
    EXPECT_EQ(narrowShotClock, 0);
    EXPECT_EQ(playerBank, 3);
}

TEST(PlayerControls, LeftAndRightTogetherMoveRightAndDriftTheLayersAsRight) {
    PlayerScenario s;
    s.Hold(plat::kVkLeft);
    s.Hold(plat::kVkRight);
    s.Frames(2);
    EXPECT_EQ(playerBankStep, -1);
    EXPECT_FLOAT_EQ(playerX, 370.0f + 160.0f / 60.0f);
    EXPECT_FLOAT_EQ(playerVX, 160.0f);
    EXPECT_EQ(backStrips7[0].vx, -50.0f);
    EXPECT_EQ(backStrips4[4999].vx, -55.0f);
    EXPECT_EQ(backStrips5[123].vx, -60.0f);
    EXPECT_EQ(backStrips6[0].vx, -65.0f);
    s.Release(plat::kVkRight);
    s.Frame();
    EXPECT_EQ(backStrips7[0].vx, 50.0f);
    EXPECT_EQ(backStrips6[4999].vx, 65.0f);
    EXPECT_EQ(playerBankStep, 1);

    // Up and Down together: Down wins.
    s.Release(plat::kVkLeft);
    playerY = 400.0f;
    s.Hold(plat::kVkUp);
    s.Hold(plat::kVkDown);
    s.Frames(2);
    EXPECT_FLOAT_EQ(playerVY, 160.0f);
}

TEST(PlayerControls, TheSecondWeaponMovesFasterAndFiresOnlyTheBurst) {
    PlayerScenario s;
    weaponType = 2;
    s.Hold(plat::kVkRight);
    s.Hold(plat::kVkShift);
    s.Frames(10);
    EXPECT_FLOAT_EQ(playerVX, 200.0f);
    EXPECT_EQ(narrowShotClock, 0);
    EXPECT_EQ(CountActive(narrowShots, 0, kPlayerShotSlots), 0);
    s.Hold(plat::kVkControl);
    s.Frames(2);
    EXPECT_EQ(burstActive, 1);
    s.Release(plat::kVkRight);
    s.Release(plat::kVkShift);
    s.Release(plat::kVkControl);

    // Any other weapon leaves the ship standing.
    s.NewGame();
    weaponType = 0;
    s.Hold(plat::kVkLeft);
    s.Frames(5);
    EXPECT_EQ(playerX, 370.0f);
    EXPECT_EQ(playerBank, 6); // it still banks
}

TEST(PlayerControls, WhenTheCountdownHasExpiredOnlyCtrlCounts) {
    PlayerScenario s;
    countdownExpired = 1;
    s.Hold(plat::kVkLeft);
    s.Hold(plat::kVkShift);
    s.Hold(plat::kVkControl);
    s.Frames(12);
    EXPECT_EQ(playerX, 370.0f);
    EXPECT_EQ(narrowShotClock, 0);
    EXPECT_EQ(burstActive, 0); // Shift reads up, so Shift+Ctrl is no burst
    EXPECT_EQ(wideShotClock, 11);
    EXPECT_EQ(playerKeys[kPlayerKeyShift], 0);
    EXPECT_EQ(playerKeys[kPlayerKeyCtrl], 3);
}

TEST(PlayerControls, SpawnersIgnoreSlotsOutsideTheirPools) {
    PlayerScenario s;
    powerItem.powerFlag1 = 1;
    const PlayerShot narrowBefore = narrowShots[77];
    SpawnNarrowShots(-1, 78, 1000);
    SpawnWideShots(78, -5, 200);
    SpawnBurstShots(-1, 200, 400, -200);
    EXPECT_EQ(CountActive(narrowShots, 0, kPlayerShotSlots), 0);
    EXPECT_EQ(CountActive(wideShots, 0, kPlayerShotSlots), 0);
    EXPECT_EQ(CountActiveBurst(), 0);
    EXPECT_EQ(narrowShots[77].x, narrowBefore.x);
    // A valid centre slot still fills when its sides are out of range.
    SpawnNarrowShots(5, -1, 78);
    EXPECT_EQ(narrowShots[5].active, 1);
    EXPECT_EQ(CountActive(narrowShots, 0, kPlayerShotSlots), 1);
}
