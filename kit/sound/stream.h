#pragma once
// Streaming: a long pack entry (five seconds or more) plays through one
// four-second ring buffer. Play/PlayLoop rewind it (ResetStream, declared
// with the other loaders in sound.h) and Streaming, called once per frame,
// refills the half the play cursor has left behind, two seconds at a time,
// reading the pack at each refill. A stream started with PlayLoop wraps to
// its loop offset for ever; one started with Play gets one chunk of silence
// after its end and stops at the refill after that.
#include <cstdint>

namespace kitSound {
// 1 when every playing stream was served, 0 without sound or after an error
// (the streams behind it wait for the next frame).
int32_t Streaming();
} // namespace kitSound
