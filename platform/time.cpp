#include "platform/time.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace plat {
namespace {
// Plain constant-initialised state: the frame timer reads the clock during
// static initialisation, before any dynamic initialiser of this file may have run.
std::atomic<bool> virtualOn{false};
std::atomic<uint32_t> virtualMs{0};
std::atomic<int64_t> virtualCal{0};
std::atomic<bool> perfAvailable{true};
std::atomic<int32_t> periodRequests{0};

constexpr uint64_t kPerfFrequency = 1000000000ull; // nanoseconds

std::chrono::steady_clock::time_point Start() {
    static const auto start = std::chrono::steady_clock::now();
    return start;
}
uint64_t RealNanos() {
    return uint64_t(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - Start())
            .count());
}
} // namespace

uint32_t TimeMs() {
    if (virtualOn) return virtualMs;
    return uint32_t(RealNanos() / 1000000ull);
}

uint64_t PerfCounter() {
    if (virtualOn) return uint64_t(virtualMs.load()) * (kPerfFrequency / 1000);
    return RealNanos();
}

uint64_t PerfFrequency() { return kPerfFrequency; }

bool QueryPerfFrequency(uint64_t* freq) {
    if (!perfAvailable) return false;
    if (freq) *freq = kPerfFrequency;
    return true;
}

bool TimerMinPeriodMs(uint32_t* ms) {
    if (ms) *ms = 1;
    return true;
}

void TimeBeginPeriod(uint32_t) { ++periodRequests; }
void TimeEndPeriod(uint32_t) { --periodRequests; }
int32_t TimerPeriodRequests() { return periodRequests; }

void SleepMs(uint32_t ms) {
    if (virtualOn) {
        virtualMs += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SleepUntilPerf(uint64_t ticks) {
    if (virtualOn) {
        const uint64_t perMs = kPerfFrequency / 1000;
        const uint64_t now = uint64_t(virtualMs.load()) * perMs;
        if (ticks > now) virtualMs = uint32_t((ticks + perMs - 1) / perMs);
        return;
    }
    // Sleep to just short of the point, then spin the last fraction of a
    // millisecond: a sleep alone wakes late by the scheduler's slack.
    constexpr uint64_t kSpin = 200000; // 0.2 ms
    const uint64_t now = RealNanos();
    if (ticks > now + kSpin) std::this_thread::sleep_for(std::chrono::nanoseconds(ticks - now - kSpin));
    while (RealNanos() < ticks) {
    }
}

int64_t CalendarSeconds() { return virtualOn ? virtualCal.load() : int64_t(std::time(nullptr)); }

void UseVirtualClockForTests(bool on) { virtualOn = on; }
bool VirtualClockOn() { return virtualOn; }
void AdvanceVirtualClockForTests(uint32_t ms) { virtualMs += ms; }
void SetVirtualClockForTests(uint32_t ms) { virtualMs = ms; }
void SetVirtualCalendarForTests(int64_t s) { virtualCal = s; }
void SetPerfCounterAvailableForTests(bool available) { perfAvailable = available; }
void ResetClockForTests() {
    virtualOn = false;
    virtualMs = 0;
    virtualCal = 0;
    perfAvailable = true;
}
} // namespace plat
