#pragma once
// Sound: our own mixer on one SDL audio device. Sound buffers hold PCM
// samples (8-bit unsigned or 16-bit signed, mono or stereo) and play once or
// looped at their own frequency, volume and pan; the music synthesiser is
// mixed into the same output. Without a device nothing plays and every call
// is harmless.
//
// Buffers are addressed by small integer ids; an id that is negative, out of
// range or released is ignored by every call. All calls may be made while
// the device's thread is mixing: the mixer state is locked.
#include "platform/wav.h"

#include <cstdint>

namespace plat {
// Status bits of AudioGetStatus.
constexpr uint32_t kBufferPlaying = 1;
constexpr uint32_t kBufferLooping = 4;

// Results of AudioCreateBuffer besides a valid id.
constexpr int32_t kAudioErrNoDevice = -1;
constexpr int32_t kAudioErrBadFormat = -2;
constexpr int32_t kAudioErrNoRoom = -3;

constexpr uint32_t kMinBufferFrequency = 100;
constexpr uint32_t kMaxBufferFrequency = 100000;
constexpr int32_t kVolumeSilent = -10000; // hundredths of a decibel
constexpr int32_t kPanLeft = -10000;
constexpr int32_t kPanRight = 10000;

// Opens the device (stereo, 16-bit, 44100 Hz requested; SDL converts to what
// the driver wants). True when open, also when it already was.
bool AudioOpen();
// Closes the device and releases every buffer.
void AudioClose();
bool AudioIsOpen();
int AudioOutputRate();

// A silent buffer of `bytes` bytes in the given format: PCM, 1 or 2 channels,
// 8 or 16 bits, 100..100000 Hz, at least 4 bytes. Returns its id, or one of
// the kAudioErr values.
int32_t AudioCreateBuffer(const WaveFormat& format, uint32_t bytes);
void AudioReleaseBuffer(int32_t id);
// Copies bytes into the buffer from offset on, wrapping to its start like a
// ring. False (and nothing written) when the offset or length does not fit.
bool AudioWriteBuffer(int32_t id, uint32_t offset, const void* src, uint32_t bytes);
uint32_t AudioBufferBytes(int32_t id);

// Starts from the current position; a buffer that plays once stops at its
// end and rewinds to 0.
void AudioPlay(int32_t id, bool looping);
// Stops and keeps the position.
void AudioStop(int32_t id);
// Byte offset, rounded down to a whole frame; offsets past the end are ignored.
void AudioSetPosition(int32_t id, uint32_t byteOffset);
// The byte offset of the next frame to be heard: it advances only with what
// the mixer has actually rendered.
uint32_t AudioGetPosition(int32_t id);
uint32_t AudioGetStatus(int32_t id);
// Hz, kept within 100..100000; samples are resampled to the output rate.
void AudioSetFrequency(int32_t id, uint32_t hz);
uint32_t AudioGetFrequency(int32_t id);
// Attenuation in hundredths of a decibel, -10000 (silent) .. 0.
void AudioSetVolume(int32_t id, int32_t volume);
int32_t AudioGetVolume(int32_t id);
// -10000 (left only) .. 10000 (right only): the other side is attenuated by
// that many hundredths of a decibel.
void AudioSetPan(int32_t id, int32_t pan);
int32_t AudioGetPan(int32_t id);

// A short tone through the mixer: the error beep.
void AudioBeep();
// Test hook: the error beep stays silent, so rendered output holds only the sounds under test.
void SetBeepEnabledForTests(bool on);

// Test hooks.
// With the hook on, AudioOpen opens a mixer without any device, which only
// advances when AudioRenderForTests is called.
void AudioUseRenderHookForTests(bool on);
// Makes AudioOpen fail, as on a machine without sound.
void AudioFailOpenForTests(bool fail);
// Renders `frames` stereo frames (interleaved 16-bit) of the mix: the same
// path the device's thread takes, music included.
void AudioRenderForTests(int16_t* out, int frames);
int AudioLiveBuffersForTests();
// Closes the mixer and turns every hook above back off, as a fresh process has it.
void AudioResetForTests();
} // namespace plat
