#pragma once
// Time: a monotonic millisecond clock, a performance counter and sleeps, all
// usable before SDL starts. Tests switch to a virtual clock that only moves
// when the program sleeps or waits (or when a test advances it), so nothing
// depends on the machine's speed.
#include <cstdint>

namespace plat {
uint32_t TimeMs();         // milliseconds since start (timeGetTime)
uint64_t PerfCounter();    // ticks
uint64_t PerfFrequency();  // ticks per second
void SleepMs(uint32_t ms); // advances the virtual clock instead when it is on
int64_t CalendarSeconds(); // seconds since the epoch (time(NULL)); virtual too

// The performance counter may be missing; the frame timer then paces with
// the millisecond clock. Returns false (and leaves *freq alone) when missing.
bool QueryPerfFrequency(uint64_t* freq);
// Smallest period the millisecond timer supports (timeGetDevCaps). Always 1.
bool TimerMinPeriodMs(uint32_t* ms);
// Timer resolution requests (timeBeginPeriod / timeEndPeriod). Our clock is
// always fine-grained; these only count, so a test can see them paired.
void TimeBeginPeriod(uint32_t ms);
void TimeEndPeriod(uint32_t ms);
int32_t TimerPeriodRequests();

// Sleeps until the performance counter reaches `ticks` (returns at once when
// it already has). The virtual clock jumps to the next millisecond at or past it.
void SleepUntilPerf(uint64_t ticks);

void UseVirtualClockForTests(bool on);
bool VirtualClockOn();
void AdvanceVirtualClockForTests(uint32_t ms);
// Sets the virtual clock outright; it may go backwards.
void SetVirtualClockForTests(uint32_t ms);
void SetVirtualCalendarForTests(int64_t seconds);
// Test hook: QueryPerfFrequency reports a missing counter.
void SetPerfCounterAvailableForTests(bool available);
// The real clock again, the virtual one and its calendar back at 0, a performance counter.
void ResetClockForTests();
} // namespace plat
