// Placeholders so the tree links before the platform layer proper lands.
#include "platform/display.h"
#include "platform/time.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace plat {
namespace {
bool virtualOn = false;
uint32_t virtualMs = 0;
int64_t virtualCal = 0;
const auto start = std::chrono::steady_clock::now();
} // namespace
uint32_t TimeMs() {
    if (virtualOn) return virtualMs;
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}
uint64_t PerfCounter() { return uint64_t(TimeMs()) * 1000; }
uint64_t PerfFrequency() { return 1000000; }
void SleepMs(uint32_t ms) {
    if (virtualOn) virtualMs += ms;
    else std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
int64_t CalendarSeconds() { return virtualOn ? virtualCal : int64_t(std::time(nullptr)); }
void UseVirtualClockForTests(bool on) { virtualOn = on; }
void AdvanceVirtualClockForTests(uint32_t ms) { virtualMs += ms; }
void SetVirtualCalendarForTests(int64_t s) { virtualCal = s; }
void PresentPrimary(const Surface*) {}
void WaitForVerticalBlank() {}
} // namespace plat
