#pragma once
// Stand-ins for calls owned by the image and system parts of the library, so
// the blending, stretching and text code links and can be tested on its own.
#include <cstdint>

void BlitKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);

namespace kitDraw {
void Restore();
int32_t ClearImage(int32_t slot);
} // namespace kitDraw

// Seconds of the last frame.
extern float frameDt;
// timeGetTime() at start-up; the fps line reuses it as its next update time.
extern uint32_t startTime;
