#include "platform/wav.h"

#include "platform/reader.h"

namespace plat {
namespace {
constexpr uint32_t FourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
           uint32_t(uint8_t(d)) << 24;
}
constexpr uint32_t kRiff = FourCC('R', 'I', 'F', 'F');
constexpr uint32_t kWave = FourCC('W', 'A', 'V', 'E');
constexpr uint32_t kFmt = FourCC('f', 'm', 't', ' ');
constexpr uint32_t kData = FourCC('d', 'a', 't', 'a');
constexpr size_t kFormOffset = 12; // just behind the form type

// Looks for a chunk from `start` on, inside the parent (which ends at
// parentEnd) and inside the image. Odd-sized chunks carry a pad byte.
bool FindChunk(Reader& r, uint64_t start, uint64_t parentEnd, uint32_t want, size_t& dataOffset,
               uint32_t& dataSize) {
    uint64_t limit = parentEnd < r.size() ? parentEnd : r.size();
    uint64_t pos = start;
    while (pos + 8 <= limit) {
        if (!r.seek(size_t(pos))) return false;
        uint32_t id = r.u32();
        uint32_t size = r.u32();
        if (!r.ok()) return false;
        if (id == want) {
            dataOffset = size_t(pos + 8);
            dataSize = size;
            return true;
        }
        pos += 8 + uint64_t(size) + (size & 1u);
    }
    return false;
}
} // namespace

bool DecodeWaveFormat(const uint8_t* block, size_t size, WaveFormat& out) {
    Reader r(block, size);
    WaveFormat f;
    f.formatTag = r.u16();
    f.channels = r.u16();
    f.samplesPerSec = r.u32();
    f.avgBytesPerSec = r.u32();
    f.blockAlign = r.u16();
    f.bitsPerSample = r.u16();
    f.cbSize = r.u16();
    if (!r.ok()) return false;
    out = f;
    return true;
}

void EncodeWaveFormat(const WaveFormat& f, uint8_t out[kWaveFormatHeadSize]) {
    auto put16 = [&](size_t at, uint16_t v) {
        out[at] = uint8_t(v);
        out[at + 1] = uint8_t(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = uint8_t(v >> (8 * i));
    };
    put16(0, f.formatTag);
    put16(2, f.channels);
    put32(4, f.samplesPerSec);
    put32(8, f.avgBytesPerSec);
    put16(12, f.blockAlign);
    put16(14, f.bitsPerSample);
    put16(16, f.cbSize);
}

bool ParseWave(const uint8_t* file, size_t size, std::vector<uint8_t>& formatBlock,
               std::vector<uint8_t>& data) {
    formatBlock.clear();
    data.clear();
    Reader r(file, size);
    uint32_t riff = r.u32();
    uint32_t riffSize = r.u32();
    uint32_t form = r.u32();
    if (!r.ok() || riff != kRiff || form != kWave) return false;
    const uint64_t parentEnd = 8 + uint64_t(riffSize);

    size_t fmtOffset = 0;
    uint32_t fmtSize = 0;
    if (!FindChunk(r, kFormOffset, parentEnd, kFmt, fmtOffset, fmtSize) || fmtSize < 16) return false;
    r.seek(fmtOffset);
    const uint8_t* head = r.take(16);
    if (!head) return false;
    uint16_t tag = uint16_t(head[0] | head[1] << 8);
    uint16_t extra = 0;
    const uint8_t* extraBytes = nullptr;
    if (tag != kWaveFormatPcm) {
        // The count and the bytes it announces must lie inside the chunk:
        // reading on into the next chunk would take its header for a format.
        if (fmtSize < 18) return false;
        extra = r.u16();
        if (!r.ok() || 18u + extra > fmtSize) return false;
        extraBytes = r.take(extra);
        if (!r.ok()) return false;
    }
    // Leaving the chunk must land inside the file.
    if (uint64_t(fmtOffset) + fmtSize > size) return false;

    size_t dataOffset = 0;
    uint32_t dataSize = 0;
    if (!FindChunk(r, kFormOffset, parentEnd, kData, dataOffset, dataSize)) return false;
    if (uint64_t(dataOffset) + dataSize > size) return false;

    formatBlock.resize(kWaveFormatHeadSize + extra);
    for (size_t i = 0; i < 16; ++i)
        formatBlock[i] = head[i];
    formatBlock[16] = uint8_t(extra);
    formatBlock[17] = uint8_t(extra >> 8);
    for (size_t i = 0; i < extra; ++i)
        formatBlock[kWaveFormatHeadSize + i] = extraBytes[i];
    data.assign(file + dataOffset, file + dataOffset + dataSize);
    return true;
}
} // namespace plat
