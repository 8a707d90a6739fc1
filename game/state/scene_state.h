#pragma once
// Which scene runs, the scene switch every switch site performs, the keys the
// scenes read, and the mouse as the window procedure last saw it.
#include <cstdint>

// Scene state.
extern int32_t currentScene;  // 1..12; 0 until the loader selects 1
extern int32_t previousScene; // what the bookkeeping last saw; a switch stores 0 here
extern int32_t nextScene;     // entered when a fade-out ends
extern int32_t sceneChanged;  // 1 during a scene's first frame

// The scenes by number. The stage scenes keep their folders' numbers (play
// runs 2, 3, 5, 6 and 8; 4, 7 and 9 are never entered).
constexpr int32_t kSceneTitle = 1;
constexpr int32_t kSceneStage2 = 2;
constexpr int32_t kSceneStage3 = 3;
constexpr int32_t kSceneStage4 = 4;
constexpr int32_t kSceneStage5 = 5;
constexpr int32_t kSceneStage6 = 6;
constexpr int32_t kSceneStage7 = 7;
constexpr int32_t kSceneStage8 = 8;
constexpr int32_t kSceneStage9 = 9;
constexpr int32_t kSceneEnding = 10;
constexpr int32_t kSceneSetup = 11;
constexpr int32_t kSceneWeaponSelect = 12;

// Snapshots the back buffer into image 1 and enters `next`; from the next
// frame on PresentFrame wipes from the snapshot over `wipeLength` frames. The
// new scene's first frame sees sceneChanged = 1.
void SwitchScene(int32_t next, int32_t wipeKind, int32_t wipeLength);

// Wipe lengths: the menus, most stage ends, the longer ones.
constexpr int32_t kMenuWipe = 26;
constexpr int32_t kShortWipe = 30;
constexpr int32_t kLongWipe = 60;

// The world reset is the shell's: it installs it before the game starts, and
// a boss defeat runs it (ResetWorldA, then ResetWorldB) just before its
// switch to the next scene.
extern void (*resetWorld)();

// Virtual-key codes the scenes compare lastKey with.
constexpr uint32_t kKeyEnter = 13;
constexpr uint32_t kKeySpace = 32;
constexpr uint32_t kKeyK = 75;
constexpr uint32_t kKeyM = 77;
constexpr uint32_t kKeyO = 79;
constexpr uint32_t kKeyY = 89;
constexpr uint32_t kKeyF1 = 112;
constexpr uint32_t kKeyF2 = 113;
constexpr uint32_t kKeyF5 = 116;
constexpr uint32_t kKeyF6 = 117;

// Mouse state, in logical screen coordinates.
extern int32_t mouseX, mouseY;
extern int32_t leftButtonDown, rightButtonDown;
extern int32_t leftDoubleClick; // 1 from a left double-click until the end of the next frame
