// Feeds arbitrary bytes to the WAV reader, then plays whatever it accepts
// through a device-less mixer, so a format that slips through the reader
// still cannot make the mixer read out of bounds.
#include "platform/audio.h"
#include "platform/wav.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool opened = [] {
        plat::AudioUseRenderHookForTests(true);
        return plat::AudioOpen();
    }();
    std::vector<uint8_t> format, samples;
    if (!plat::ParseWave(data, size, format, samples)) {
        if (!format.empty() || !samples.empty()) __builtin_trap();
        return 0;
    }
    plat::WaveFormat f;
    if (format.size() < plat::kWaveFormatHeadSize || !plat::DecodeWaveFormat(format.data(), format.size(), f))
        __builtin_trap();
    if (format.size() != plat::kWaveFormatHeadSize + (f.formatTag == plat::kWaveFormatPcm ? 0 : f.cbSize))
        __builtin_trap();
    if (!opened) return 0;
    int32_t id = plat::AudioCreateBuffer(f, uint32_t(samples.size()));
    if (id < 0) return 0;
    plat::AudioWriteBuffer(id, 0, samples.data(), uint32_t(samples.size()));
    plat::AudioSetFrequency(id, f.samplesPerSec ^ uint32_t(size));
    plat::AudioPlay(id, (size & 1) != 0);
    int16_t out[2 * 256];
    plat::AudioRenderForTests(out, 256);
    plat::AudioReleaseBuffer(id);
    return 0;
}
