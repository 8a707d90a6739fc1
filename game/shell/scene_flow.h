#pragma once
// The scene switch every switch site performs, and the keys the scenes read.
#include <cstdint>

// Snapshots the back buffer into image 1 and enters `next`; from the next
// frame on PresentFrame wipes from the snapshot over `wipeLength` frames. The
// new scene's first frame sees sceneChanged = 1.
void SwitchScene(int32_t next, int32_t wipeKind, int32_t wipeLength);

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

// Wipe lengths: the menus, most stage ends, the longer ones.
constexpr int32_t kMenuWipe = 26;
constexpr int32_t kShortWipe = 30;
constexpr int32_t kLongWipe = 60;
