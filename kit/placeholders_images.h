#pragma once
// Stand-ins for what the image pack and the frame timer provide, so the image
// code links on its own. Each is replaced by the real one when those land.
#include <cstdint>

namespace kitDraw {
// Reloads a picture from the image pack into an existing slot; the slot, or 0.
int32_t SwapPack(const char* name, int32_t slot, int32_t memoryMode);
} // namespace kitDraw

// Seconds of the last frame.
extern float frameDt;
