#pragma once
// The frame timer: paces the game at 60 frames per second. FrameWait says
// whether a frame is due and, when it is, sets frameDt to the seconds since
// the previous due frame. The timer is built before main() runs.
#include <cstdint>

#include "kit/system/kit_system.h"

extern uint64_t frameRate;
extern int32_t useTimeGetTime; // 1: the millisecond clock is the fine one
extern int32_t usePerfCounter; // 1: the performance counter measures the period
extern uint64_t perfFrequency;
extern uint64_t ticksPerFrame;
extern uint64_t timerNow, timerLast;
extern int32_t framePacing;
extern uint32_t frameStamp;
extern uint32_t startTime;

int32_t FrameTimerInit(uint64_t rate);
// 1: a frame is due now (frameDt updated); 0: not yet. Never sleeps.
int32_t FrameWait();
// Pacing on or off; the vertical-blank wait is switched the other way.
void SetFramePacing(int32_t on);
// Milliseconds (rounded up) until FrameWait will next grant a frame; 0 when
// one is due already or pacing is off. The main loop sleeps this long.
uint32_t FrameMsUntilDue();
// Sleeps until the next frame is due, to the counter's precision (returns at
// once when one is due or pacing is off).
void FrameSleepUntilDue();
// What runs before main(): 2π, the start time, the frame timer at 60 fps.
// Tests call it again after switching to the virtual clock.
void RunStartupInitialisers();
