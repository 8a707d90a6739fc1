#pragma once
// RIFF WAVE files: the chunk walk and the 18-byte format head that sound
// buffers are described by. Everything is read through plat::Reader, so a
// damaged file is refused instead of trusted.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {
constexpr uint16_t kWaveFormatPcm = 1;
// Size of the format head (tag .. cbSize); the format block is this head
// followed by cbSize extra bytes.
constexpr size_t kWaveFormatHeadSize = 18;

struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t cbSize = 0;
};

// Decodes the head of a format block; false when the block is shorter than
// the head.
bool DecodeWaveFormat(const uint8_t* block, size_t size, WaveFormat& out);
// Writes the 18-byte head (little-endian).
void EncodeWaveFormat(const WaveFormat& format, uint8_t out[kWaveFormatHeadSize]);

// Walks a RIFF WAVE image: the "fmt " chunk (at least 16 bytes) and the
// "data" chunk, each found from the start of the form, skipping other chunks
// with their pad bytes. On success formatBlock holds the 18-byte head plus the
// extra bytes of a non-PCM format and data holds the samples. On failure both
// are emptied. Every size is checked against the image.
bool ParseWave(const uint8_t* file, size_t size, std::vector<uint8_t>& formatBlock,
               std::vector<uint8_t>& data);
} // namespace plat
