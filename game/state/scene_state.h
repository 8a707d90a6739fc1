#pragma once
// Which scene runs, and the mouse as the window procedure last saw it.
#include <cstdint>

// Scene state.
extern int32_t currentScene;  // 1..12; 0 until the loader selects 1
extern int32_t previousScene; // what the bookkeeping last saw; a switch stores 0 here
extern int32_t nextScene;     // entered when a fade-out ends
extern int32_t sceneChanged;  // 1 during a scene's first frame

// Mouse state, in logical screen coordinates.
extern int32_t mouseX, mouseY;
extern int32_t leftButtonDown, rightButtonDown;
extern int32_t leftDoubleClick; // 1 from a left double-click until the end of the next frame
