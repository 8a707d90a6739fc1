#include "kit/placeholders_images.h"

namespace kitDraw {
int32_t SwapPack(const char*, int32_t, int32_t) { return 0; }
} // namespace kitDraw

float frameDt = 0.0f;
