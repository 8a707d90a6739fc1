#pragma once
// Time: a monotonic millisecond clock, a performance counter and sleeps, all
// usable before SDL starts. Tests switch to a virtual clock that only moves
// when the program sleeps or waits (or when a test advances it), so nothing
// depends on the machine's speed.
#include <cstdint>

namespace plat {
uint32_t TimeMs();            // milliseconds since start (timeGetTime)
uint64_t PerfCounter();       // ticks
uint64_t PerfFrequency();     // ticks per second
void SleepMs(uint32_t ms);    // advances the virtual clock instead when it is on
int64_t CalendarSeconds();    // seconds since the epoch (time(NULL)); virtual too

void UseVirtualClockForTests(bool on);
void AdvanceVirtualClockForTests(uint32_t ms);
void SetVirtualCalendarForTests(int64_t seconds);
} // namespace plat
