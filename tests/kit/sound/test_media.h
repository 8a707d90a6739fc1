#pragma once
// Small builders for the sound tests: RIFF WAVE images chunk by chunk, a
// short Standard MIDI File, and a scratch program directory.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace testmedia {
using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}
inline void PutId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(id[i]));
}

// The 16-byte PCM format head (tag, channels, rate, byte rate, block, bits).
inline Bytes FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes b;
    uint16_t block = uint16_t(channels * (bits / 8));
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * block);
    Put16(b, block);
    Put16(b, bits);
    return b;
}

// A chunk with its pad byte when odd; sizeField overrides the stored size.
inline void Chunk(Bytes& out, const char* id, const Bytes& body, int64_t sizeField = -1) {
    PutId(out, id);
    Put32(out, sizeField < 0 ? uint32_t(body.size()) : uint32_t(sizeField));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1) out.push_back(0);
}

inline Bytes Riff(const Bytes& chunks, int64_t sizeField = -1) {
    Bytes b;
    PutId(b, "RIFF");
    Put32(b, sizeField < 0 ? uint32_t(chunks.size() + 4) : uint32_t(sizeField));
    PutId(b, "WAVE");
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

inline Bytes PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& data) {
    Bytes c;
    Chunk(c, "fmt ", FmtBody(1, channels, rate, bits));
    Chunk(c, "data", data);
    return Riff(c);
}

// Mono 16-bit samples all of one value.
inline Bytes Constant16(uint32_t frames, int16_t value) {
    Bytes b;
    for (uint32_t i = 0; i < frames; ++i)
        Put16(b, uint16_t(value));
    return b;
}

// Mono 16-bit sine.
inline Bytes Sine16(uint32_t frames, uint32_t rate, double hz, double amplitude) {
    Bytes b;
    for (uint32_t i = 0; i < frames; ++i)
        Put16(b, uint16_t(int16_t(std::lround(amplitude * std::sin(2.0 * M_PI * hz * i / rate)))));
    return b;
}

// Format 0, 96 ticks a quarter at 120 bpm: `notes` piano notes of one
// quarter each (0.5 s apiece), then the end of the track.
inline Bytes ShortMidi(int notes) {
    Bytes ev;
    auto add = [&ev](std::initializer_list<uint8_t> v) { ev.insert(ev.end(), v); };
    add({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}); // 500000 us a quarter
    add({0x00, 0xC0, 0x00});
    for (int i = 0; i < notes; ++i) {
        uint8_t key = uint8_t(60 + 2 * (i % 6));
        add({0x00, 0x90, key, 110});
        add({0x60, 0x80, key, 0x00});
    }
    add({0x00, 0xFF, 0x2F, 0x00});
    Bytes f = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    uint32_t n = uint32_t(ev.size());
    f.push_back(uint8_t(n >> 24));
    f.push_back(uint8_t(n >> 16));
    f.push_back(uint8_t(n >> 8));
    f.push_back(uint8_t(n));
    f.insert(f.end(), ev.begin(), ev.end());
    return f;
}

// A fresh directory under /tmp, with a trailing '/'.
inline std::string MakeTempDir() {
    char tmpl[] = "/tmp/vexsound-XXXXXX";
    const char* d = ::mkdtemp(tmpl);
    return d ? std::string(d) + "/" : std::string("/tmp/");
}

inline bool WriteFile(const std::string& path, const Bytes& b) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

// Peak absolute sample of interleaved 16-bit audio.
inline int Peak(const std::vector<int16_t>& s, size_t from = 0, size_t to = SIZE_MAX) {
    int peak = 0;
    for (size_t i = from; i < s.size() && i < to; ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}
} // namespace testmedia
