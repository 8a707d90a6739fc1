#pragma once
// kitSound: sound effects. A sound object is one WAV sound loaded into up to
// ten identical buffers ("mixes"), so the same effect can sound several times
// at once; Play starts them round-robin. Every call does nothing when there
// is no sound device, and nothing for a handle that holds no object.
//
// The mix argument means the same everywhere: 0..9 that mix only; -1 (and
// any other negative) the next mix round-robin for Play/PlayLoop and every
// mix for Stop, Pause and the setters; -2 as -1 but Play first starts the
// echo, and the setters act on the mix that plays next.
#include <cstdint>
#include <string>
#include <vector>

namespace kitSound {
constexpr int kObjectCount = 70;
constexpr int kMixMax = 10;
constexpr int kNameMax = 30;
} // namespace kitSound

// Streaming state of a slot (the sound pack's streams); streamSize != 0
// marks the object as a stream.
struct SoundStream {
    uint32_t streamStart = 0;
    uint32_t streamLoopPos = 0;
    uint32_t streamReadPos = 0;
    uint32_t streamSize = 0;
    uint32_t streamDone = 0;
    uint32_t lastWrite = 0;
    uint32_t nextWrite = 0;
    uint32_t halfSize = 0;
    uint32_t bufferSize = 0;
    uint32_t guardEnd = 0;
    uint32_t lastPlay = 0;
    uint8_t stopCountdown = 0;
    std::string streamPath;
};

// One slot; the per-mix fields are indexed by the mix 0..9. The initial
// values are the start-up values.
struct SoundObject {
    int32_t used = 0;
    char name[kitSound::kNameMax + 1] = {};
    int32_t buffers[kitSound::kMixMax] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}; // mixer ids, -1 = none
    int32_t mixCount = 1;
    int32_t nextMix = 0;
    int32_t fromPack = 0;
    int32_t looping = 0;
    uint32_t baseFrequency = 0;
    uint32_t frequency[kitSound::kMixMax] = {};
    int32_t volume[kitSound::kMixMax] = {};
    int32_t pan[kitSound::kMixMax] = {};
    uint32_t pausePosition[kitSound::kMixMax] = {};
    int32_t echoCounter = -1; // -1 no echo, 0 idle, k >= 1 the next echo is k
    float echoClock = 0.0f;
    int32_t echoLoop = 0;
    float echoPan = 0.0f;
    int32_t echoPanDirection = 1;
    SoundStream stream;
};

extern SoundObject soundObjects[kitSound::kObjectCount];
extern int32_t soundAvailable;
extern int32_t soundReloading;
extern int32_t soundCurrentSlot;

namespace kitSound {
int32_t Init();
// Start-up values of all 70 slots (run once right after Init at start-up).
void ResetSlots();
void Release();
int32_t LoadObject(const char* name, int32_t mix);
void FreeObject(int32_t handle);
void ReloadAll();
void Play(int32_t handle, int32_t mix);
void PlayLoop(int32_t handle, int32_t mix);
void Stop(int32_t handle, int32_t mix);
void Pause(int32_t handle, int32_t mix);
void AddFrequency(int32_t handle, int32_t steps, int32_t mix);
void ResetFrequency(int32_t handle, int32_t mix);
void SetFrequency(int32_t handle, int32_t value, int32_t mix);
void AddPan(int32_t handle, int32_t steps, int32_t mix);
void ResetPan(int32_t handle, int32_t mix);
void SetPan(int32_t handle, int32_t value, int32_t mix);
void PanLeft(int32_t handle, int32_t mix);
void PanRight(int32_t handle, int32_t mix);
void AddVolume(int32_t handle, int32_t steps, int32_t mix);
void ResetVolume(int32_t handle, int32_t mix);
void SetVolume(int32_t handle, int32_t value, int32_t mix);
// Per-frame echo step after Play (handle, -2).
void Echo(int32_t handle, int32_t intervalMs, int32_t count, int32_t volumeStep);
void EchoPan(int32_t handle, int32_t intervalMs, int32_t count, int32_t volumeStep, int32_t panSpeed);

// The sound pack's loaders and stream rewind, used by Play and ReloadAll.
int32_t LoadPack(const char* name, int32_t mix);
int32_t LoadStream(const char* name, uint32_t loopOffset);
int32_t ResetStream(int32_t handle);
} // namespace kitSound

// RIFF WAVE file reader: 0 = success, 1 = failure (every output emptied).
// format receives the format block (18-byte head + extra bytes).
int32_t ReadWaveFile(const char* path, std::vector<uint8_t>& format, uint32_t& formatSize,
                     std::vector<uint8_t>& data, uint32_t& dataSize);
// The error report's beep.
void ErrorBeep();
