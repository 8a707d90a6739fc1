#pragma once
// Drives the whole game headless, in-process: starts it as WinMain does (SDL
// dummy drivers, virtual clock, a private lock directory), then steps the main
// loop pass by pass or frame by frame, feeds keys and mouse, and exposes the
// game's state, the recorded message boxes and the picture on the screen.
//
// One harness at a time (the game's state is global; every test runs in its
// own process). Typical use:
//
//   GameHarness h;
//   ASSERT_TRUE(h.Start());
//   h.SetFrameDt(1.0f / 60);
//   h.RunFrames(10);
//   h.Tap(plat::kVkEscape);
//   EXPECT_EQ(h.RunToExit(), 0);
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/shell/main_loop.h"
#include "platform/surface.h"
#include "platform/window.h"

struct HarnessOptions {
    uint32_t seed = 12345;     // what time() returns at start-up, so srand(time) takes this seed
    uint32_t startMs = 100000; // the virtual millisecond clock at start
    std::string programDir;    // where assets are looked for ("" = beside the built game)
    bool pixelFormat555 = false;
    bool failDisplay = false;       // the display device cannot be created (no display)
    int32_t refuseDisplayDepth = 0; // the display mode refuses this depth
    bool quietMessageBoxes = true;  // recorded boxes are not echoed to stderr
    bool fakeMidi = false;          // music commands are logged, nothing is synthesised
};

class GameHarness {
  public:
    explicit GameHarness(const HarnessOptions& options = HarnessOptions());
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Start-up as WinMain does it, up to the message loop. False when WinMain
    // would return at once (another copy holds the lock, no window).
    bool Start();
    bool Running() const { return running_; }

    // One pass of the message loop.
    LoopPass Pass();
    // Runs passes until `frames` scene frames (or fade steps) have run; returns
    // how many ran (fewer when the loop ended or maxPasses ran out).
    int RunFrames(int frames, int maxPasses = 200000);
    // Runs passes until done() is true after a pass; false when it never was.
    bool RunUntil(const std::function<bool()>& done, int maxPasses = 200000);
    // Runs frames until currentScene is `scene`; false when it never gets there.
    bool RunUntilScene(int32_t scene, int maxFrames = 100000);
    // Runs every message that is waiting, without running a frame.
    void DrainMessages();
    // One scene frame with this frameDt (kept for the frames after it).
    bool Frame(float dt);
    // Runs frames until no wipe or fade is running; false when it never ends.
    bool RunUntilTransitionDone(int maxFrames = 1000);
    // Key down, one frame, key up: the scenes see the key in lastKey for that
    // frame. (Down and up between two frames would cancel each other.)
    void Press(int32_t vk);
    // Runs until the loop ends, then finishes as WinMain does. Returns WinMain's
    // result (0), or -1 when the loop did not end within maxPasses.
    int RunToExit(int maxPasses = 200000);

    // Every scene frame sees this frameDt (set right before the scene runs).
    void SetFrameDt(float seconds);
    void UseMeasuredFrameDt();
    // Hooks run right before / after each scene frame.
    void OnFrame(std::function<void()> fn) { before_.push_back(std::move(fn)); }
    void AfterFrame(std::function<void()> fn) { after_.push_back(std::move(fn)); }
    // Switches scene outside a frame, as the T key does.
    void SetScene(int32_t scene);
    // Reseeds the game's random stream.
    void Seed(uint32_t seed);
    // Moves the virtual clock on.
    void AdvanceMs(uint32_t ms);

    // Input, queued as a keyboard and mouse would deliver it.
    void KeyDown(int32_t vk);
    void KeyUp(int32_t vk);
    void Tap(int32_t vk); // down and up
    void SysKeyDown(int32_t vk);
    void MouseMove(int32_t x, int32_t y);
    void MouseButton(int32_t button, bool down); // 0 left, 1 right, at the last position
    void DoubleClick(int32_t x, int32_t y);

    // Observation.
    int SceneFrames() const { return sceneFrames_; }
    const std::vector<plat::RecordedMessageBox>& MessageBoxes() const;
    const plat::Surface* Primary() const;
    const plat::Surface* BackBuffer() const;
    // A pixel of the primary surface (0 outside it or without one).
    uint16_t ScreenPixel(int32_t x, int32_t y) const;
    std::string LockDirectory() const { return lockDir_; }
    // The music commands sent so far, oldest first.
    std::vector<std::string> MidiLog() const;

  private:
    static void BeforeFrame();
    static void AfterFrameStatic();

    HarnessOptions options_;
    std::string lockDir_;
    bool started_ = false;
    bool running_ = false;
    bool finished_ = false;
    bool fixedDt_ = false;
    float dt_ = 0.0f;
    int sceneFrames_ = 0;
    int32_t mouseX_ = 0, mouseY_ = 0;
    std::vector<std::function<void()>> before_, after_;
};

// Counts, over the source rectangle of an image drawn keyed at (x, y), the
// pixels that are not transparent in the image and fall inside the clip
// rectangle and at or below minY, and how many of them the surface shows.
struct PictureMatch {
    int counted = 0;
    int matching = 0;
    // Every visible pixel of the picture is on the surface.
    bool Shown() const { return counted > 0 && matching == counted; }
    // Hardly anything of the picture is there.
    bool Absent() const { return counted > 0 && matching * 10 < counted; }
};
PictureMatch MatchPicture(const plat::Surface* surface, int32_t x, int32_t y, int32_t img, int32_t left,
                          int32_t top, int32_t right, int32_t bottom, int32_t minY = 0);

// A copy of the painted assets (as links) in a new directory, without the
// listed files ("IMAGE/TITLEC.BMP"), with every name lower-cased when asked.
// The caller removes it with RemoveAssetCopy.
std::string MakeAssetCopy(const std::vector<std::string>& leaveOut, bool lowerCase = false);
void RemoveAssetCopy(const std::string& dir);
