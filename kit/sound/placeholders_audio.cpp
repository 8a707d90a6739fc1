// Stand-ins until the frame timer and the sound pack land beside this code.
// frameDt is weak so the frame timer's own definition wins; the pack
// functions go when the sound pack's files define them.
#include "kit/sound/sound.h"

[[gnu::weak]] float frameDt = 0.0f;

namespace kitSound {
int32_t LoadPack(const char*, int32_t) { return -1; }
int32_t LoadStream(const char*, uint32_t) { return -1; }
int32_t ResetStream(int32_t) { return 0; }
} // namespace kitSound
