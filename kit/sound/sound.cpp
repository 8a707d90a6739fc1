#include "kit/sound/sound.h"

#include "kit/sound/soundpack.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/wav.h"

#include <algorithm>
#include <cstring>

SoundObject soundObjects[kitSound::kObjectCount];
int32_t soundAvailable = 0;
int32_t soundReloading = 0;
int32_t soundCurrentSlot = 0;

namespace kitSound {
namespace {
const char* const kLoadName = "kitSound::LoadObject";

SoundObject* Object(int32_t handle) {
    if (handle < 0 || handle >= kObjectCount || !soundObjects[handle].used) return nullptr;
    return &soundObjects[handle];
}

int32_t Mixes(const SoundObject& o) { return std::clamp(o.mixCount, 0, kMixMax); }

// Runs f on the mixes a Stop, Pause or setter mix argument selects.
template <class F> void ForMixes(SoundObject& o, int32_t mix, bool minusTwoIsNext, F f) {
    if (mix >= 0) {
        if (mix < Mixes(o)) f(mix);
    } else if (mix == -2 && minusTwoIsNext) {
        if (o.nextMix >= 0 && o.nextMix < Mixes(o)) f(o.nextMix);
    } else {
        for (int32_t m = 0; m < Mixes(o); ++m)
            f(m);
    }
}

int32_t Clamp(int64_t v, int64_t lo, int64_t hi) { return int32_t(std::clamp(v, lo, hi)); }

void StartMix(SoundObject& o, int32_t handle, int32_t m, bool loop) {
    if (o.stream.streamSize != 0) {
        ResetStream(handle);
        loop = true;
    }
    int32_t id = o.buffers[m];
    plat::AudioStop(id);
    plat::AudioSetPosition(id, 0);
    plat::AudioPlay(id, loop);
}

void PlayImpl(int32_t handle, int32_t mix, bool loop) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o) return;
    if (mix >= 0) {
        if (mix >= Mixes(*o)) return;
        StartMix(*o, handle, mix, loop);
    } else {
        // An object loaded with no mixes has nothing to play.
        if (Mixes(*o) == 0) return;
        if (o->nextMix < 0 || o->nextMix >= Mixes(*o)) o->nextMix = 0;
        if (mix == -2 && o->echoCounter >= 0) {
            ResetFrequency(handle, -1);
            ResetPan(handle, -1);
            ResetVolume(handle, -1);
            o->echoCounter = 1;
            o->echoClock = 0.0f;
            o->echoLoop = loop ? 1 : 0;
            o->echoPan = float(o->pan[o->nextMix]);
            o->echoPanDirection = (kitSystem::Random() & 1) ? 1 : -1;
        }
        StartMix(*o, handle, o->nextMix, loop);
        o->nextMix += 1;
        if (o->nextMix >= Mixes(*o)) o->nextMix = 0;
    }
    o->looping = loop ? 1 : 0;
}

void SetFrequencyField(SoundObject& o, int32_t m, int64_t value, bool clamp) {
    o.frequency[m] =
        uint32_t(clamp ? Clamp(value, plat::kMinBufferFrequency, plat::kMaxBufferFrequency) : value);
    plat::AudioSetFrequency(o.buffers[m], o.frequency[m]);
}

void SetPanField(SoundObject& o, int32_t m, int64_t value) {
    o.pan[m] = Clamp(value, plat::kPanLeft, plat::kPanRight);
    plat::AudioSetPan(o.buffers[m], o.pan[m]);
}

void SetVolumeField(SoundObject& o, int32_t m, int64_t value) {
    o.volume[m] = Clamp(value, plat::kVolumeSilent, 0);
    plat::AudioSetVolume(o.buffers[m], o.volume[m]);
}

// The setters share one shape: nothing without sound or an object, then the
// chosen mixes.
template <class F> void Setter(int32_t handle, int32_t mix, F f) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o) return;
    ForMixes(*o, mix, true, [&](int32_t m) { f(*o, m); });
}

void EchoStep(int32_t handle, int32_t intervalMs, int32_t count, int32_t volumeStep, bool sweep,
              int32_t panSpeed) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o || o->echoCounter < 1 || count < 1) return;
    o->echoClock += frameDt * 1000.0f;
    if (o->echoClock < float(intervalMs)) return;
    o->echoClock = 0.0f;
    if (sweep) {
        o->echoPan += float(o->echoPanDirection) * frameDt * 100.0f * float(panSpeed);
        if (o->echoPan < -30.0f) {
            o->echoPan = -30.0f;
            o->echoPanDirection = -o->echoPanDirection;
        } else if (o->echoPan > 30.0f) {
            o->echoPan = 30.0f;
            o->echoPanDirection = -o->echoPanDirection;
        }
        SetPan(handle, FloatToInt(o->echoPan), -2);
    }
    SetVolume(handle, Clamp(-int64_t(o->echoCounter) * volumeStep, INT32_MIN, INT32_MAX), -2);
    if (o->echoLoop == 1)
        PlayLoop(handle, -3);
    else
        Play(handle, -3);
    o->echoCounter += 1;
    if (o->echoCounter > count) o->echoCounter = 0;
}
} // namespace

int32_t Init() {
    if (!plat::AudioOpen()) {
        soundAvailable = 0;
        return 0;
    }
    // A second start-up (a rebuild) must not strand the buffers of the first.
    for (SoundObject& o : soundObjects)
        ReleaseSoundBuffers(o);
    soundReloading = 0;
    soundAvailable = 1;
    return 1;
}

void ResetSlots() {
    for (SoundObject& o : soundObjects) {
        ReleaseSoundBuffers(o);
        o = SoundObject{};
    }
}

void Release() {
    if (!soundAvailable) return;
    for (SoundObject& o : soundObjects)
        ReleaseSoundBuffers(o);
    plat::AudioClose();
}

int32_t LoadObject(const char* name, int32_t mix) {
    if (!soundAvailable) return -1;
    if (!MixArgumentAllowed(mix, kLoadName)) return -1;
    const int32_t slot = ChooseLoadSlot(kLoadName);
    if (slot < 0) return -1;
    SoundObject& o = soundObjects[slot];
    if (!name) name = "";

    std::vector<uint8_t> formatBlock, data;
    uint32_t formatSize = 0, dataSize = 0;
    plat::WaveFormat format;
    std::string path = std::string(kitSystem::ProgramDir(0)) + name;
    if (ReadWaveFile(path.c_str(), formatBlock, formatSize, data, dataSize) != 0 ||
        !plat::DecodeWaveFormat(formatBlock.data(), formatBlock.size(), format)) {
        kitSystem::Error(kLoadName, "WAVEリソースが見つかりません", 0);
        return -1;
    }

    SetMixes(o, mix);
    if (!MakeSoundBuffers(o, format, dataSize, data.data(), dataSize, kLoadName)) return -1;
    o.stream.streamSize = 0;
    return FinishLoad(o, slot, name, 0, kLoadName, "ファイル名またはリソース名が長すぎます");
}

void FreeObject(int32_t handle) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o) return;
    o->used = 0;
    o->baseFrequency = 0;
    o->name[0] = 0;
    o->fromPack = 0;
    o->stream.streamSize = 0;
    for (int32_t m = 0; m < kMixMax; ++m) {
        o->frequency[m] = 0;
        o->volume[m] = 0;
        o->pan[m] = 0;
    }
    ReleaseSoundBuffers(*o);
    o->mixCount = 1;
}

void ReloadAll() {
    if (soundAvailable != 1) return;
    Init();
    soundReloading = 1;
    for (soundCurrentSlot = 0; soundCurrentSlot < kObjectCount; ++soundCurrentSlot) {
        SoundObject& o = soundObjects[soundCurrentSlot];
        if (!o.used) continue;
        if (o.stream.streamSize != 0)
            LoadStream(o.name, o.stream.streamLoopPos - o.stream.streamStart);
        else if (o.fromPack)
            LoadPack(o.name, o.mixCount);
        else
            LoadObject(o.name, o.mixCount);
    }
    soundReloading = 0;
}

void Play(int32_t handle, int32_t mix) { PlayImpl(handle, mix, false); }
void PlayLoop(int32_t handle, int32_t mix) { PlayImpl(handle, mix, true); }

void Stop(int32_t handle, int32_t mix) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o) return;
    if (mix < 0 && o->echoCounter >= 0) o->echoCounter = 0;
    ForMixes(*o, mix, false, [&](int32_t m) {
        plat::AudioStop(o->buffers[m]);
        plat::AudioSetPosition(o->buffers[m], 0);
    });
}

void Pause(int32_t handle, int32_t mix) {
    if (!soundAvailable) return;
    SoundObject* o = Object(handle);
    if (!o) return;
    ForMixes(*o, mix, false, [&](int32_t m) {
        int32_t id = o->buffers[m];
        if (plat::AudioGetStatus(id) & plat::kBufferPlaying) {
            o->pausePosition[m] = plat::AudioGetPosition(id);
            plat::AudioStop(id);
        } else {
            plat::AudioSetPosition(id, o->pausePosition[m]);
            plat::AudioPlay(id, o->looping == 1);
        }
    });
}

void AddFrequency(int32_t handle, int32_t steps, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) {
        SetFrequencyField(o, m, int64_t(o.frequency[m]) + int64_t(steps) * 100, true);
    });
}
void ResetFrequency(int32_t handle, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetFrequencyField(o, m, o.baseFrequency, false); });
}
void SetFrequency(int32_t handle, int32_t value, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) {
        SetFrequencyField(o, m, int64_t(o.baseFrequency) + int64_t(value) * 100, true);
    });
}
void AddPan(int32_t handle, int32_t steps, int32_t mix) {
    Setter(handle, mix,
           [&](SoundObject& o, int32_t m) { SetPanField(o, m, int64_t(o.pan[m]) + int64_t(steps) * 100); });
}
void ResetPan(int32_t handle, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetPanField(o, m, 0); });
}
void SetPan(int32_t handle, int32_t value, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetPanField(o, m, int64_t(value) * 100); });
}
void PanLeft(int32_t handle, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetPanField(o, m, plat::kPanLeft); });
}
void PanRight(int32_t handle, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetPanField(o, m, plat::kPanRight); });
}
void AddVolume(int32_t handle, int32_t steps, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) {
        SetVolumeField(o, m, int64_t(o.volume[m]) + int64_t(steps) * 100);
    });
}
void ResetVolume(int32_t handle, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetVolumeField(o, m, 0); });
}
void SetVolume(int32_t handle, int32_t value, int32_t mix) {
    Setter(handle, mix, [&](SoundObject& o, int32_t m) { SetVolumeField(o, m, int64_t(value) * 100); });
}

void Echo(int32_t handle, int32_t intervalMs, int32_t count, int32_t volumeStep) {
    EchoStep(handle, intervalMs, count, volumeStep, false, 0);
}
void EchoPan(int32_t handle, int32_t intervalMs, int32_t count, int32_t volumeStep, int32_t panSpeed) {
    EchoStep(handle, intervalMs, count, volumeStep, true, panSpeed);
}
} // namespace kitSound

int32_t ReadWaveFile(const char* path, std::vector<uint8_t>& format, uint32_t& formatSize,
                     std::vector<uint8_t>& data, uint32_t& dataSize) {
    format.clear();
    data.clear();
    formatSize = 0;
    dataSize = 0;
    std::vector<uint8_t> file;
    if (!path || !plat::ReadWholeFile(path, file)) return 1;
    if (!plat::ParseWave(file.data(), file.size(), format, data)) return 1;
    formatSize = uint32_t(format.size());
    dataSize = uint32_t(data.size());
    return 0;
}

void ErrorBeep() { plat::AudioBeep(); }
