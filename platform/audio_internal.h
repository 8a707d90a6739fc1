#pragma once
// Shared between the mixer and the music player, which renders into the mix.
#include <mutex>

namespace plat::detail {
// Guards every buffer and the music player against the device's thread.
std::mutex& AudioMutex();
// With the lock held: adds `frames` interleaved stereo frames of music.
void MidiMixLocked(float* mix, int frames, int outputRate);
// Without the lock, after every render pass: delivers a pending end-of-track
// notification.
void MidiAfterRender();
} // namespace plat::detail
