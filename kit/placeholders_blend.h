#pragma once
#include <cstdint>

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"

// Seconds of the last frame.
extern float frameDt;
// timeGetTime() at start-up; the fps line reuses it as its next update time.
extern uint32_t startTime;
