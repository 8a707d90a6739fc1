#pragma once
// What the stage benchmarks share: the game started headless as WinMain
// starts it, and a saved copy of memory to put back before each iteration.
#include "game/shell/main_loop.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "platform/instance_lock.h"
#include "platform/midi.h"
#include "platform/time.h"
#include "platform/window.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace bench_game {

struct Saved {
    void* at;
    std::vector<unsigned char> bytes;
};
inline std::vector<Saved> saved;

inline void Save(void* at, std::size_t size) {
    auto* p = static_cast<unsigned char*>(at);
    saved.push_back({at, {p, p + size}});
}

inline void Restore() {
    for (const Saved& s : saved)
        std::memcpy(s.at, s.bytes.data(), s.bytes.size());
}

inline bool started = false;

// Start-up as the game does it, on the dummy drivers and the virtual clock
// (so the vertical-blank wait never sleeps), with the painted art beside
// the program.
inline bool StartHeadless() {
    if (started) return true;
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    char dir[] = "/tmp/vexbench-XXXXXX";
    if (::mkdtemp(dir)) plat::SetInstanceLockDirectoryForTests(dir);
    plat::UseVirtualClockForTests(true);
    plat::SetVirtualClockForTests(100000);
    plat::SetVirtualCalendarForTests(12345);
    plat::UseFakeMidiSequencerForTests(true);
    plat::ForceHeadlessMessageBoxesForTests(true);
    plat::SetQuietMessageBoxesForTests(true);
    ResetKitSystemForTests();
    RunStartupInitialisers();
    started = WinMainStart(nullptr, "", 10) != 0;
    return started;
}

} // namespace bench_game
