#include "harness/game_harness.h"

#include "kit/draw/screen.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/time.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {
GameHarness* active = nullptr;
}

GameHarness::GameHarness(const HarnessOptions& options) : options_(options) {
    active = this;
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);

    // A lock directory of our own: tests run side by side must not see each other.
    char dir[] = "/tmp/vexharness-XXXXXX";
    if (::mkdtemp(dir)) lockDir_ = dir;
    plat::SetInstanceLockDirectoryForTests(lockDir_);

#ifdef VEX_BINARY_DIR
    plat::SetProgramDirectoryForTests(options_.programDir.empty() ? std::string(VEX_BINARY_DIR)
                                                                  : options_.programDir);
#else
    plat::SetProgramDirectoryForTests(options_.programDir);
#endif

    plat::UseVirtualClockForTests(true);
    plat::SetVirtualClockForTests(options_.startMs);
    plat::SetVirtualCalendarForTests(options_.seed);
    plat::SetPixelFormatForTests(options_.pixelFormat555 ? plat::PixelFormat::RGB555
                                                         : plat::PixelFormat::RGB565);
    plat::ResetDisplayHooksForTests();
    if (options_.failDisplay) plat::FailDisplayCallForTests(plat::DisplayCall::Create, true);
    if (options_.refuseDisplayDepth) plat::RefuseDisplayDepthForTests(options_.refuseDisplayDepth);
    plat::ClearRecordedMessageBoxesForTests();
    plat::ForceHeadlessMessageBoxesForTests(true);
    plat::SetQuietMessageBoxesForTests(options_.quietMessageBoxes);
    plat::ClearKeyStatesForTests();
    ResetKitSystemForTests();

    // What ran before main() ran on the real clock; run it again on the virtual one.
    RunStartupInitialisers();

    beforeSceneFrameHook = &GameHarness::BeforeFrame;
    afterSceneFrameHook = &GameHarness::AfterFrameStatic;
}

GameHarness::~GameHarness() {
    if (running_) {
        plat::PostAppMessage(plat::kMsgClose, 0, 0);
        RunToExit();
    }
    if (started_ && !finished_) {
        WinMainEnd();
        finished_ = true;
    }
    beforeSceneFrameHook = nullptr;
    afterSceneFrameHook = nullptr;
    if (!lockDir_.empty()) {
        ::unlink(plat::InstanceLockPath(std::string(kGameCaption) + ":KitMutex").c_str());
        ::rmdir(lockDir_.c_str());
    }
    plat::SetInstanceLockDirectoryForTests("");
    plat::ResetDisplayHooksForTests();
    if (active == this) active = nullptr;
}

bool GameHarness::Start() {
    if (started_) return running_;
    started_ = true;
    if (!WinMainStart(nullptr, "", 10)) {
        plat::ShutdownWindowing();
        finished_ = true;
        return false;
    }
    running_ = true;
    return true;
}

void GameHarness::BeforeFrame() {
    if (!active) return;
    if (active->fixedDt_) frameDt = active->dt_;
    for (auto& fn : active->before_)
        fn();
}

void GameHarness::AfterFrameStatic() {
    if (!active) return;
    for (auto& fn : active->after_)
        fn();
}

LoopPass GameHarness::Pass() {
    if (!running_) return LoopPass::Quit;
    const LoopPass p = MainLoopPass();
    if (p == LoopPass::SceneFrame || p == LoopPass::FadeStep) ++sceneFrames_;
    if (p == LoopPass::Quit) running_ = false;
    return p;
}

int GameHarness::RunFrames(int frames, int maxPasses) {
    int ran = 0;
    for (int i = 0; i < maxPasses && ran < frames && running_; ++i) {
        const LoopPass p = Pass();
        if (p == LoopPass::SceneFrame || p == LoopPass::FadeStep) ++ran;
    }
    return ran;
}

bool GameHarness::RunUntil(const std::function<bool()>& done, int maxPasses) {
    for (int i = 0; i < maxPasses && running_; ++i) {
        Pass();
        if (done()) return true;
    }
    return false;
}

bool GameHarness::RunUntilScene(int32_t scene, int maxFrames) {
    for (int i = 0; i < maxFrames && running_; ++i) {
        if (currentScene == scene) return true;
        if (RunFrames(1) != 1) break;
    }
    return currentScene == scene;
}

void GameHarness::DrainMessages() {
    while (running_ && plat::PendingMessagesForTests() > 0)
        Pass();
}

int GameHarness::RunToExit(int maxPasses) {
    for (int i = 0; i < maxPasses && running_; ++i)
        Pass();
    if (running_) return -1;
    if (!finished_) {
        WinMainEnd();
        finished_ = true;
    }
    return 0;
}

void GameHarness::SetFrameDt(float seconds) {
    fixedDt_ = true;
    dt_ = seconds;
}

void GameHarness::UseMeasuredFrameDt() { fixedDt_ = false; }

void GameHarness::SetScene(int32_t scene) {
    currentScene = scene;
    previousScene = 0;
}

void GameHarness::Seed(uint32_t seed) { kitSystem::SeedRandom(seed); }
void GameHarness::AdvanceMs(uint32_t ms) { plat::AdvanceVirtualClockForTests(ms); }

void GameHarness::KeyDown(int32_t vk) { plat::InjectKeyForTests(vk, true); }
void GameHarness::KeyUp(int32_t vk) { plat::InjectKeyForTests(vk, false); }
void GameHarness::Tap(int32_t vk) {
    KeyDown(vk);
    KeyUp(vk);
}
void GameHarness::SysKeyDown(int32_t vk) { plat::InjectSysKeyForTests(vk, true); }
void GameHarness::MouseMove(int32_t x, int32_t y) {
    mouseX_ = x;
    mouseY_ = y;
    plat::InjectMouseMoveForTests(x, y);
}
void GameHarness::MouseButton(int32_t button, bool down) {
    plat::InjectMouseButtonForTests(button, down, mouseX_, mouseY_);
}
void GameHarness::DoubleClick(int32_t x, int32_t y) { plat::InjectDoubleClickForTests(x, y); }

const std::vector<plat::RecordedMessageBox>& GameHarness::MessageBoxes() const {
    return plat::RecordedMessageBoxes();
}
const plat::Surface* GameHarness::Primary() const { return primarySurface; }
const plat::Surface* GameHarness::BackBuffer() const { return backBuffer; }

uint16_t GameHarness::ScreenPixel(int32_t x, int32_t y) const {
    const plat::Surface* s = primarySurface;
    if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return 0;
    return s->Pixel(x, y);
}
