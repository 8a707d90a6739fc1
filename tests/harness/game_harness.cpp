#include "harness/game_harness.h"

#include "harness/reset_globals.h"
#include "kit/draw/image.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/midi.h"
#include "platform/time.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {
GameHarness* active = nullptr;

// A test run that is interrupted (Ctrl-C, a time limit) stops there: without
// this, the library's video layer turns the signal into a quit message and the
// game under test ends its loop, which reads as a failure of whichever test
// happened to be running.
const bool signalsStopTheRun = ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1) == 0;
} // namespace

GameHarness::GameHarness(const HarnessOptions& options) : options_(options) {
    ResetGameGlobals();
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
    plat::UseFakeMidiSequencerForTests(options_.fakeMidi);
    if (options_.failDisplay) plat::FailDisplayCallForTests(plat::DisplayCall::Create, true);
    if (options_.refuseDisplayDepth) plat::RefuseDisplayDepthForTests(options_.refuseDisplayDepth);
    plat::ForceHeadlessMessageBoxesForTests(true);
    plat::SetQuietMessageBoxesForTests(options_.quietMessageBoxes);

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
    if (active == this) active = nullptr;
    ResetGameGlobals();
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

bool GameHarness::Frame(float dt) {
    SetFrameDt(dt);
    return RunFrames(1) == 1;
}

bool GameHarness::RunUntilTransitionDone(int maxFrames) {
    for (int i = 0; i < maxFrames && running_; ++i) {
        if (transitionStep == 0 && transitionCounter == 0) return true;
        if (RunFrames(1) != 1) break;
    }
    return transitionStep == 0 && transitionCounter == 0;
}

void GameHarness::Press(int32_t vk) {
    KeyDown(vk);
    RunFrames(1);
    KeyUp(vk);
    DrainMessages();
}

std::vector<std::string> GameHarness::MidiLog() const { return plat::MidiCommandLogForTests(); }

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

PictureMatch MatchPicture(const plat::Surface* surface, int32_t x, int32_t y, int32_t img, int32_t left,
                          int32_t top, int32_t right, int32_t bottom, int32_t minY) {
    PictureMatch m;
    const ImageRecord* rec = ImageAt(img);
    if (!surface || !rec || !rec->surface) return m;
    const plat::Surface* src = rec->surface;
    for (int32_t sy = top; sy < bottom && sy < src->height; ++sy) {
        for (int32_t sx = left; sx < right && sx < src->width; ++sx) {
            const int32_t dx = x + sx - left, dy = y + sy - top;
            if (dx < clipLeft || dx >= clipRight || dy < clipTop || dy >= clipBottom || dy < minY) continue;
            if (dx >= surface->width || dy >= surface->height) continue;
            const uint16_t p = src->Pixel(sx, sy);
            if (src->hasColorKey && p == src->colorKey) continue;
            ++m.counted;
            if (surface->Pixel(dx, dy) == p) ++m.matching;
        }
    }
    return m;
}

std::string MakeAssetCopy(const std::vector<std::string>& leaveOut, bool lowerCase) {
    namespace fs = std::filesystem;
    char dir[] = "/tmp/vexassets-XXXXXX";
    if (!::mkdtemp(dir)) return "";
#ifdef VEX_BINARY_DIR
    const fs::path from = VEX_BINARY_DIR;
#else
    const fs::path from = ".";
#endif
    auto lower = [&](std::string s) {
        if (lowerCase)
            std::transform(s.begin(), s.end(), s.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    };
    for (const char* sub : {"IMAGE", "SOUND", "MIDI"}) {
        std::error_code ec;
        fs::create_directories(fs::path(dir) / lower(sub), ec);
        for (const auto& e : fs::directory_iterator(from / sub, ec)) {
            const std::string rel = std::string(sub) + "/" + e.path().filename().string();
            if (std::find(leaveOut.begin(), leaveOut.end(), rel) != leaveOut.end()) continue;
            fs::create_symlink(e.path(), fs::path(dir) / lower(rel), ec);
        }
    }
    return dir;
}

void RemoveAssetCopy(const std::string& dir) {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
}
