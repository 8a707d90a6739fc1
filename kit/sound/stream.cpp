#include "kit/sound/stream.h"

#include "kit/sound/sound.h"
#include "kit/sound/soundpack.h"
#include "kit/system/kit_system.h"
#include "platform/audio.h"

#include <cstring>
#include <vector>

namespace kitSound {
namespace {
const char* const kLoadStreamName = "kitSound::LoadStream";
const char* const kStreamingName = "kitSound::Streaming";
const char* const kResetStreamName = "kitSound::ResetStream";
constexpr uint32_t kNoGuard = 0xFFFFFFFF;
// Entries shorter than this many whole seconds load as ordinary objects.
constexpr uint32_t kMinStreamSeconds = 5;

// The byte value of each stream slot's silence (8-bit samples centre on 0x80).
uint8_t streamSilence[kObjectCount];

// One block for every read; grown when a stream loads, so refills never
// allocate.
std::vector<uint8_t> streamScratch;

uint8_t* Scratch(uint32_t bytes) {
    if (streamScratch.size() < bytes) streamScratch.resize(bytes);
    return streamScratch.data();
}

} // namespace

int32_t LoadStream(const char* name, uint32_t loopOffset) {
    if (!soundAvailable) return -1;
    const int32_t slot = ChooseLoadSlot(kLoadStreamName);
    if (slot < 0) return -1;
    SoundObject& o = soundObjects[slot];
    if (!name) name = "";
    // A rebuild reopens the stream's own pack, whatever the current one is.
    const std::string path = soundReloading ? o.stream.streamPath : soundPackPath;

    // A refused new load leaves the slot as it found it: free, no stream.
    auto fail = [&](const char* message, int32_t code) {
        if (!soundReloading) o.stream = SoundStream{};
        kitSystem::Error(kLoadStreamName, message, code);
        return -1;
    };

    PackFile pack;
    if (!pack.Open(path)) return fail("パックファイル名が指定されていません", 0);
    PackEntry entry;
    std::vector<uint8_t> formatBlock;
    plat::WaveFormat f;
    if (!FindPackEntry(pack, UpperPackName(name), entry) || entry.formatSize < plat::kWaveFormatHeadSize)
        return fail("WAVEファイルを読み込めません", 0);
    formatBlock.resize(entry.formatSize);
    if (!pack.Read(entry.formatOffset, formatBlock.data(), formatBlock.size()) ||
        !plat::DecodeWaveFormat(formatBlock.data(), formatBlock.size(), f) || f.avgBytesPerSec == 0)
        return fail("WAVEファイルを読み込めません", 0);
    if (entry.dataSize / f.avgBytesPerSec < kMinStreamSeconds) {
        pack.Close();
        o.stream.streamPath = path;
        o.stream.streamSize = 0;
        return LoadPackFrom(path, name, 1);
    }
    // Offsets are kept in 32 bits. The ring (four times the byte rate) is
    // written as one run of bytes, so the data and its loop point must be
    // whole frames.
    if (entry.dataOffset + entry.dataSize > 0xFFFFFFFFull || f.blockAlign == 0 ||
        (f.formatTag == plat::kWaveFormatPcm && f.blockAlign != f.channels * (f.bitsPerSample / 8)))
        return fail("WAVEファイルを読み込めません", 0);
    if (loopOffset >= entry.dataSize || loopOffset % f.blockAlign != 0 || entry.dataSize % f.blockAlign != 0)
        return fail("ストリーミング再生できません", 0);
    const uint64_t bufferSize = uint64_t(f.avgBytesPerSec) * 4;
    if (bufferSize > 0xFFFFFFFFull) return fail("サウンドバッファが生成できません", plat::kAudioErrBadFormat);
    const uint32_t halfSize = uint32_t(bufferSize / 2);
    uint8_t* first = Scratch(halfSize);
    if (!pack.Read(entry.dataOffset, first, halfSize)) return fail("WAVEファイルを読み込めません", 0);
    pack.Close();

    o.mixCount = 1;
    o.echoCounter = -1;
    if (!soundReloading) o.nextMix = 0;
    if (!MakeSoundBuffers(o, f, uint32_t(bufferSize), first, halfSize, kLoadStreamName)) {
        if (!soundReloading) o.stream = SoundStream{};
        return -1;
    }
    SoundStream& s = o.stream;
    s.streamPath = path;
    s.streamStart = uint32_t(entry.dataOffset);
    s.streamLoopPos = s.streamStart + loopOffset;
    s.streamReadPos = s.streamStart + halfSize;
    s.streamSize = entry.dataSize;
    s.streamDone = halfSize;
    s.lastWrite = 0;
    s.nextWrite = halfSize;
    s.halfSize = halfSize;
    s.bufferSize = uint32_t(bufferSize);
    s.guardEnd = kNoGuard;
    s.lastPlay = 0;
    s.stopCountdown = 0;
    streamSilence[slot] = f.bitsPerSample == 8 ? 0x80 : 0x00;

    return FinishLoad(o, slot, name, 1, kLoadStreamName, "ファイル名が長すぎます");
}

int32_t Streaming() {
    if (!soundAvailable) return 0;
    for (int32_t handle = 0; handle < kObjectCount; ++handle) {
        SoundObject& o = soundObjects[handle];
        SoundStream& s = o.stream;
        if (s.streamSize == 0) continue;
        const int32_t id = o.buffers[0];
        if (!(plat::AudioGetStatus(id) & plat::kBufferPlaying)) continue;

        // Refill once the cursor has left the chunk written last.
        const uint32_t p = plat::AudioGetPosition(id);
        bool due;
        if (s.guardEnd == kNoGuard)
            due = !(p >= s.lastPlay && p < s.lastWrite);
        else if (s.lastWrite < s.guardEnd)
            due = s.lastWrite <= p && p < s.guardEnd;
        else
            due = p >= s.lastWrite;
        if (!due) continue;

        s.lastPlay = p;
        if (s.stopCountdown != 0 && --s.stopCountdown == 0) {
            Stop(handle, -1);
            continue;
        }

        PackFile pack;
        if (!pack.Open(s.streamPath)) {
            kitSystem::Error(kStreamingName, "パックファイル名が指定されていません", 0);
            return 0;
        }
        const uint32_t left = s.streamDone < s.streamSize ? s.streamSize - s.streamDone : 0;
        uint32_t chunk = s.halfSize;
        if (chunk > left)
            chunk = left;
        else if (left - chunk < s.halfSize)
            chunk = left / 2;
        uint8_t* bytes = Scratch(chunk);
        // The pack may have changed since the stream opened it.
        if (!pack.Read(s.streamReadPos, bytes, chunk)) {
            kitSystem::Error(kStreamingName, "ストリーミング再生できません", 0);
            return 0;
        }
        s.streamReadPos += chunk;
        pack.Close();
        s.streamDone += chunk;

        if (s.streamDone >= s.streamSize) {
            s.streamReadPos = s.streamLoopPos;
            s.streamDone = s.streamLoopPos - s.streamStart;
            // Counted once: a loop shorter than a chunk must not restart the
            // countdown, or a stream played once would never stop.
            if (o.looping == 0 && s.stopCountdown == 0) s.stopCountdown = 2;
        }
        if (s.stopCountdown == 1) std::memset(bytes, streamSilence[handle], chunk);
        if (chunk) plat::AudioWriteBuffer(id, s.nextWrite, bytes, chunk);

        s.guardEnd = s.nextWrite < s.lastWrite ? p : kNoGuard;
        s.lastWrite = s.nextWrite >= s.bufferSize ? s.nextWrite - s.bufferSize : s.nextWrite;
        s.nextWrite += chunk;
        if (s.nextWrite >= s.bufferSize) s.nextWrite -= s.bufferSize;
    }
    return 1;
}

int32_t ResetStream(int32_t handle) {
    if (!soundAvailable || handle < 0 || handle >= kObjectCount) return 0;
    SoundObject& o = soundObjects[handle];
    SoundStream& s = o.stream;
    if (s.streamSize == 0) return 0;
    PackFile pack;
    if (!pack.Open(s.streamPath)) {
        kitSystem::Error(kResetStreamName, "パックファイル名が指定されていません", 0);
        return 0;
    }
    if (s.streamStart > pack.Size()) {
        kitSystem::Error(kResetStreamName, "ストリーミング再生できません", 0);
        return 0;
    }
    s.lastWrite = 0;
    s.nextWrite = s.halfSize;
    uint8_t* bytes = Scratch(s.halfSize);
    if (!pack.Read(s.streamStart, bytes, s.halfSize)) {
        kitSystem::Error(kResetStreamName, "ストリーミング再生できません", 0);
        return 0;
    }
    s.streamReadPos = s.streamStart + s.halfSize;
    pack.Close();
    s.streamDone = s.halfSize;
    s.guardEnd = kNoGuard;
    s.lastPlay = 0;
    s.stopCountdown = 0;
    if (s.halfSize) plat::AudioWriteBuffer(o.buffers[0], 0, bytes, s.halfSize);
    return 1;
}
} // namespace kitSound
