#include "kit/system/frame_timer.h"

#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/joystick.h"
#include "platform/time.h"

uint64_t frameRate = 0;
int32_t useTimeGetTime = 0;
int32_t usePerfCounter = 0;
uint64_t perfFrequency = 0;
uint64_t ticksPerFrame = 0;
uint64_t timerNow = 0, timerLast = 0;
int32_t framePacing = 0;
uint32_t frameStamp = 0;
uint32_t startTime = 0;

namespace {
uint64_t ReadClock() { return usePerfCounter ? plat::PerfCounter() : uint64_t(plat::TimeMs()); }

// The timer object: raises the timer resolution for the program's life.
struct FrameTimerObject {
    FrameTimerObject() {
        plat::TimeBeginPeriod(1);
        FrameTimerInit(60);
        SetFramePacing(1);
    }
    ~FrameTimerObject() { plat::TimeEndPeriod(1); }
};

// Built before main(), after 2π and the start time.
struct StartupInitialisers {
    StartupInitialisers() {
        twoPi = 2.0 * 3.141592653589793;
        startTime = plat::TimeMs();
    }
};
StartupInitialisers startupInitialisers;
FrameTimerObject frameTimer;
} // namespace

int32_t FrameTimerInit(uint64_t rate) {
    frameRate = rate;
    uint32_t minPeriod = 0;
    useTimeGetTime = (plat::TimerMinPeriodMs(&minPeriod) && minPeriod < 10) ? 1 : 0;
    uint64_t freq = 0;
    if (plat::QueryPerfFrequency(&freq)) {
        usePerfCounter = 1;
        perfFrequency = freq;
        ticksPerFrame = rate ? perfFrequency / rate : 0;
        timerNow = plat::PerfCounter();
    } else {
        usePerfCounter = 0;
        ticksPerFrame = rate ? 1000 / rate : 0;
        timerNow = uint64_t(plat::TimeMs());
    }
    timerLast = timerNow;
    frameStamp = plat::TimeMs();
    return 1;
}

int32_t FrameWait() {
    timerNow = ReadClock();
    const int64_t elapsed = int64_t(timerNow - timerLast);
    // A clock that went backwards starts the period again from here.
    if (elapsed < 0) timerLast = timerNow;
    if (framePacing == 1 && elapsed < int64_t(ticksPerFrame)) return 0;
    timerLast = timerNow;
    const uint32_t t = plat::TimeMs();
    frameDt = float(double(uint32_t(t - frameStamp)) / 1000.0);
    frameStamp = plat::TimeMs();
    return 1;
}

void SetFramePacing(int32_t on) {
    framePacing = on;
    vsyncWait = on ? 0 : 1;
}

uint32_t FrameMsUntilDue() {
    if (framePacing != 1) return 0;
    const int64_t elapsed = int64_t(ReadClock() - timerLast);
    if (elapsed < 0 || elapsed >= int64_t(ticksPerFrame)) return 0;
    const uint64_t left = ticksPerFrame - uint64_t(elapsed);
    if (!usePerfCounter) return uint32_t(left);
    if (perfFrequency == 0) return 0;
    return uint32_t((left * 1000 + perfFrequency - 1) / perfFrequency);
}

void FrameSleepUntilDue() {
    if (FrameMsUntilDue() == 0) return;
    if (usePerfCounter)
        plat::SleepUntilPerf(timerLast + ticksPerFrame);
    else
        plat::SleepMs(FrameMsUntilDue());
}

void RunStartupInitialisers() {
    twoPi = 2.0 * 3.141592653589793;
    startTime = plat::TimeMs();
    FrameTimerInit(60);
    SetFramePacing(1);
}
