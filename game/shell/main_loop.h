#pragma once
// The program's spine: WinMain, the message loop that runs one scene frame
// whenever the frame timer allows it, the window procedure and the key
// handler. The loop is split into start / one pass / end so a test can drive
// it pass by pass; WinMain just calls them in order.
#include <cstdint>

#include "game/state/scene_state.h"

namespace plat {
struct Window;
}

// The caption; the single-instance lock is named after it.
constexpr const char* kGameCaption = "VEX TALON";

int WinMain(void* instance, void* previousInstance, const char* commandLine, int showCommand);
intptr_t MainWndProc(plat::Window* window, uint32_t msg, uintptr_t wParam, intptr_t lParam);
void OnKeyDown(uint32_t vk);
// 1 when this is the only copy (the lock is then held in instanceMutex).
int32_t SingleInstanceGuard(const char* caption);
void InitGlobals();
// Calls the scene function of `scene`; returns false for a number outside 1..12.
bool RunSceneFunction(int32_t scene);

// ---- WinMain in steps ----
// Start-up up to the loop. Returns 1 when the loop is to run, 0 when WinMain
// returns at once (another copy runs, or no window).
int32_t WinMainStart(void* instance, const char* commandLine, int showCommand);
enum class LoopPass {
    Quit,       // the quit message arrived: the loop ends
    Message,    // one message was dispatched
    Waited,     // inactive: waited for a message
    SceneFrame, // a scene function ran
    FadeStep,   // a fade-out step was presented
    NotDue,     // the frame timer held the frame back (the loop slept until due)
    NoScene,    // a frame was due but the scene number has no function
};
LoopPass MainLoopPass();
// After the loop: what is left of the window system.
void WinMainEnd();

// Test hooks around every scene frame (null in the game).
extern void (*beforeSceneFrameHook)();
extern void (*afterSceneFrameHook)();
