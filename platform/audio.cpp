#include "platform/audio.h"

#include "platform/audio_internal.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace plat {
namespace {
constexpr int kMaxBuffers = 1024; // 70 objects x 10 mixes, streams, the beep
constexpr int kChunkFrames = 1024;
constexpr int kRequestedRate = 44100;
constexpr uint32_t kMaxBufferBytes = 0x0FFFFFFF;

struct Voice {
    bool inUse = false;
    std::vector<uint8_t> data;
    uint32_t bytes = 0;
    uint32_t frames = 0;
    uint16_t channels = 1;
    uint16_t bits = 16;
    uint32_t frameSize = 2;
    uint32_t frequency = 0;
    int32_t volume = 0;
    int32_t pan = 0;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
    bool playing = false;
    bool looping = false;
    uint64_t pos = 0; // frames, 32.32 fixed point
};

Voice voices[kMaxBuffers];
std::mutex mixMutex;
bool mixerOpen = false;
bool renderHook = false;
bool failOpen = false;
SDL_AudioDeviceID device = 0;
int outputRate = kRequestedRate;
float mixBuffer[kChunkFrames * 2];
int32_t beepBuffer = -1;
bool beepEnabled = true;

float Attenuation(int32_t hundredthsDb) {
    if (hundredthsDb <= kVolumeSilent) return 0.0f;
    return float(std::pow(10.0, double(hundredthsDb) / 2000.0));
}

void UpdateGains(Voice& v) {
    float g = Attenuation(v.volume);
    v.gainLeft = g * (v.pan > 0 ? Attenuation(-v.pan) : 1.0f);
    v.gainRight = g * (v.pan < 0 ? Attenuation(v.pan) : 1.0f);
}

Voice* Find(int32_t id) {
    if (id < 0 || id >= kMaxBuffers || !voices[id].inUse) return nullptr;
    return &voices[id];
}

inline void ReadFrame(const Voice& v, uint32_t frame, float& left, float& right) {
    const uint8_t* p = v.data.data() + size_t(frame) * v.frameSize;
    if (v.bits == 8) {
        left = (float(p[0]) - 128.0f) * (1.0f / 128.0f);
        right = v.channels == 2 ? (float(p[1]) - 128.0f) * (1.0f / 128.0f) : left;
    } else {
        left = float(int16_t(p[0] | p[1] << 8)) * (1.0f / 32768.0f);
        right = v.channels == 2 ? float(int16_t(p[2] | p[3] << 8)) * (1.0f / 32768.0f) : left;
    }
}

// Linear interpolation between neighbouring frames; a looping buffer joins
// its end to its start.
void MixVoice(Voice& v, float* out, int frames) {
    if (v.frames == 0) {
        v.playing = false;
        return;
    }
    const uint64_t step = (uint64_t(v.frequency) << 32) / uint64_t(outputRate);
    const uint64_t end = uint64_t(v.frames) << 32;
    for (int i = 0; i < frames; ++i) {
        uint32_t index = uint32_t(v.pos >> 32);
        float t = float(uint32_t(v.pos)) * (1.0f / 4294967296.0f);
        uint32_t next = index + 1;
        if (next >= v.frames) next = v.looping ? 0 : index;
        float l0, r0, l1, r1;
        ReadFrame(v, index, l0, r0);
        ReadFrame(v, next, l1, r1);
        out[2 * i] += (l0 + (l1 - l0) * t) * v.gainLeft;
        out[2 * i + 1] += (r0 + (r1 - r0) * t) * v.gainRight;
        v.pos += step;
        if (v.pos >= end) {
            if (v.looping) {
                v.pos %= end;
            } else {
                v.playing = false;
                v.pos = 0;
                return;
            }
        }
    }
}

void MixLocked(float* out, int frames) {
    std::memset(out, 0, sizeof(float) * 2 * size_t(frames));
    for (Voice& v : voices)
        if (v.inUse && v.playing) MixVoice(v, out, frames);
    detail::MidiMixLocked(out, frames, outputRate);
}

inline int16_t ToS16(float s) {
    float x = s * 32767.0f;
    if (x > 32767.0f) return 32767;
    if (x < -32768.0f) return -32768;
    return int16_t(x);
}

void Render(int16_t* out, int frames) {
    while (frames > 0) {
        int n = std::min(frames, kChunkFrames);
        {
            std::lock_guard<std::mutex> lock(mixMutex);
            if (mixerOpen)
                MixLocked(mixBuffer, n);
            else
                std::memset(mixBuffer, 0, sizeof(float) * 2 * size_t(n));
        }
        for (int i = 0; i < 2 * n; ++i)
            out[i] = ToS16(mixBuffer[i]);
        out += 2 * n;
        frames -= n;
    }
    detail::MidiAfterRender();
}

void DeviceCallback(void*, Uint8* stream, int len) { Render(reinterpret_cast<int16_t*>(stream), len / 4); }

void ReleaseAllLocked() {
    for (Voice& v : voices) {
        v.inUse = false;
        v.playing = false;
        std::vector<uint8_t>().swap(v.data);
    }
    beepBuffer = -1;
}
} // namespace

namespace detail {
std::mutex& AudioMutex() { return mixMutex; }
} // namespace detail

bool AudioOpen() {
    {
        std::lock_guard<std::mutex> lock(mixMutex);
        if (mixerOpen) return true;
        if (failOpen) return false;
        if (renderHook) {
            outputRate = kRequestedRate;
            mixerOpen = true;
            return true;
        }
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "sound: no audio driver (%s); playing silently\n", SDL_GetError());
        return false;
    }
    SDL_AudioSpec want{}, have{};
    want.freq = kRequestedRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = DeviceCallback;
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (id == 0) {
        std::fprintf(stderr, "sound: no audio device (%s); playing silently\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(mixMutex);
        device = id;
        outputRate = have.freq;
        mixerOpen = true;
    }
    SDL_PauseAudioDevice(id, 0);
    return true;
}

void AudioClose() {
    SDL_AudioDeviceID id = 0;
    {
        std::lock_guard<std::mutex> lock(mixMutex);
        id = device;
        device = 0;
    }
    // Closing waits for the device's thread, which takes the lock: do it unlocked.
    if (id != 0) {
        SDL_CloseAudioDevice(id);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard<std::mutex> lock(mixMutex);
    ReleaseAllLocked();
    mixerOpen = false;
}

bool AudioIsOpen() {
    std::lock_guard<std::mutex> lock(mixMutex);
    return mixerOpen;
}

int AudioOutputRate() {
    std::lock_guard<std::mutex> lock(mixMutex);
    return outputRate;
}

int32_t AudioCreateBuffer(const WaveFormat& f, uint32_t bytes) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (!mixerOpen) return kAudioErrNoDevice;
    if (f.formatTag != kWaveFormatPcm || f.channels < 1 || f.channels > 2 ||
        (f.bitsPerSample != 8 && f.bitsPerSample != 16) || f.samplesPerSec < kMinBufferFrequency ||
        f.samplesPerSec > kMaxBufferFrequency || bytes < 4 || bytes > kMaxBufferBytes)
        return kAudioErrBadFormat;
    for (int32_t id = 0; id < kMaxBuffers; ++id) {
        Voice& v = voices[id];
        if (v.inUse) continue;
        v = Voice{};
        v.inUse = true;
        v.data.assign(bytes, f.bitsPerSample == 8 ? 0x80 : 0x00);
        v.bytes = bytes;
        v.channels = f.channels;
        v.bits = f.bitsPerSample;
        v.frameSize = uint32_t(f.channels) * (f.bitsPerSample / 8u);
        v.frames = bytes / v.frameSize;
        v.frequency = f.samplesPerSec;
        UpdateGains(v);
        return id;
    }
    return kAudioErrNoRoom;
}

void AudioReleaseBuffer(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) {
        v->inUse = false;
        v->playing = false;
        std::vector<uint8_t>().swap(v->data);
        if (id == beepBuffer) beepBuffer = -1;
    }
}

bool AudioWriteBuffer(int32_t id, uint32_t offset, const void* src, uint32_t bytes) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    if (!v || offset >= v->bytes || bytes > v->bytes || (bytes > 0 && !src)) return false;
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint32_t first = std::min(bytes, v->bytes - offset);
    if (first) std::memcpy(v->data.data() + offset, s, first);
    if (bytes > first) std::memcpy(v->data.data(), s + first, bytes - first);
    return true;
}

uint32_t AudioBufferBytes(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    return v ? v->bytes : 0;
}

void AudioPlay(int32_t id, bool looping) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) {
        v->playing = true;
        v->looping = looping;
    }
}

void AudioStop(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) v->playing = false;
}

void AudioSetPosition(int32_t id, uint32_t byteOffset) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    if (!v || byteOffset >= v->bytes) return;
    uint32_t frame = byteOffset / v->frameSize;
    if (frame < v->frames) v->pos = uint64_t(frame) << 32;
}

uint32_t AudioGetPosition(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    return v ? uint32_t(v->pos >> 32) * v->frameSize : 0;
}

uint32_t AudioGetStatus(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    if (!v || !v->playing) return 0;
    return kBufferPlaying | (v->looping ? kBufferLooping : 0);
}

void AudioSetFrequency(int32_t id, uint32_t hz) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) v->frequency = std::clamp(hz, kMinBufferFrequency, kMaxBufferFrequency);
}

uint32_t AudioGetFrequency(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    return v ? v->frequency : 0;
}

void AudioSetVolume(int32_t id, int32_t volume) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) {
        v->volume = std::clamp(volume, kVolumeSilent, 0);
        UpdateGains(*v);
    }
}

int32_t AudioGetVolume(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    return v ? v->volume : 0;
}

void AudioSetPan(int32_t id, int32_t pan) {
    std::lock_guard<std::mutex> lock(mixMutex);
    if (Voice* v = Find(id)) {
        v->pan = std::clamp(pan, kPanLeft, kPanRight);
        UpdateGains(*v);
    }
}

int32_t AudioGetPan(int32_t id) {
    std::lock_guard<std::mutex> lock(mixMutex);
    Voice* v = Find(id);
    return v ? v->pan : 0;
}

void SetBeepEnabledForTests(bool on) { beepEnabled = on; }

void AudioBeep() {
    if (!beepEnabled) return;
    int32_t id;
    {
        std::lock_guard<std::mutex> lock(mixMutex);
        if (!mixerOpen) return;
        id = beepBuffer;
    }
    if (id < 0) {
        // 120 ms of a soft 880 Hz tone with short fades, made once.
        constexpr uint32_t kRate = 22050, kFrames = kRate * 12 / 100, kFade = kRate / 200;
        WaveFormat f;
        f.formatTag = kWaveFormatPcm;
        f.channels = 1;
        f.samplesPerSec = kRate;
        f.bitsPerSample = 16;
        f.blockAlign = 2;
        f.avgBytesPerSec = kRate * 2;
        id = AudioCreateBuffer(f, kFrames * 2);
        if (id < 0) return;
        std::vector<uint8_t> pcm(kFrames * 2);
        for (uint32_t i = 0; i < kFrames; ++i) {
            double env = std::min({1.0, double(i) / kFade, double(kFrames - 1 - i) / kFade});
            int16_t s = int16_t(std::lround(9000.0 * env * std::sin(2.0 * M_PI * 880.0 * i / kRate)));
            pcm[2 * i] = uint8_t(s);
            pcm[2 * i + 1] = uint8_t(uint16_t(s) >> 8);
        }
        AudioWriteBuffer(id, 0, pcm.data(), uint32_t(pcm.size()));
        std::lock_guard<std::mutex> lock(mixMutex);
        beepBuffer = id;
    }
    AudioStop(id);
    AudioSetPosition(id, 0);
    AudioPlay(id, false);
}

void AudioUseRenderHookForTests(bool on) {
    std::lock_guard<std::mutex> lock(mixMutex);
    renderHook = on;
}

void AudioFailOpenForTests(bool fail) {
    std::lock_guard<std::mutex> lock(mixMutex);
    failOpen = fail;
}

void AudioRenderForTests(int16_t* out, int frames) { Render(out, frames); }

void AudioResetForTests() {
    AudioClose();
    std::lock_guard<std::mutex> lock(mixMutex);
    renderHook = false;
    failOpen = false;
    beepEnabled = true;
    outputRate = kRequestedRate;
}

int AudioLiveBuffersForTests() {
    std::lock_guard<std::mutex> lock(mixMutex);
    // The error beep's own buffer lives for the whole run; it is not a leak.
    int n = 0;
    for (int32_t i = 0; i < kMaxBuffers; ++i)
        n += voices[i].inUse && i != beepBuffer ? 1 : 0;
    return n;
}
} // namespace plat
