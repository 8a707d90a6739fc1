#include "kit/sound/soundpack.h"

#include "kit/system/kit_system.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/reader.h"
#include "platform/time.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

std::string soundPackPath;
plat::WaveFormat soundPrimaryFormat = {plat::kWaveFormatPcm, 2, 44100, 44100 * 4, 4, 16, 0};

namespace kitSound {
namespace {
const char* const kLoadPackName = "kitSound::LoadPack";
const char* const kSelectFormatName = "kitSound::SelectFormat";

bool IsLeadByte(uint8_t c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

void PutU32(FILE* f, uint32_t v) {
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

// Where to create a file: the existing one whatever its case, else the name
// as spelled inside its (case-matched) folder.
std::string PathForWriting(const std::string& path) {
    std::string real = plat::ResolvePath(path);
    if (!real.empty()) return real;
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    size_t slash = p.find_last_of('/');
    if (slash == std::string::npos) return p;
    std::string dir = plat::ResolvePath(p.substr(0, slash + 1));
    if (dir.empty()) return p;
    if (dir.back() != '/') dir += '/';
    return dir + p.substr(slash + 1);
}

// Plays a WAV file once and waits for its end. The wait is bounded by the
// sound's own length, so a stalled device cannot hang the program.
void PlayToTheEnd(const char* path) {
    std::vector<uint8_t> formatBlock, data;
    uint32_t formatSize = 0, dataSize = 0;
    plat::WaveFormat f;
    if (!path || ReadWaveFile(path, formatBlock, formatSize, data, dataSize) != 0 ||
        !plat::DecodeWaveFormat(formatBlock.data(), formatBlock.size(), f))
        return;
    if (!plat::AudioOpen()) return;
    int32_t id = plat::AudioCreateBuffer(f, dataSize);
    if (id < 0) return;
    plat::AudioWriteBuffer(id, 0, data.data(), dataSize);
    plat::AudioPlay(id, false);
    const uint64_t frameBytes = uint64_t(f.channels) * (f.bitsPerSample / 8u);
    const uint64_t lengthMs = uint64_t(dataSize) / frameBytes * 1000 / f.samplesPerSec + 250;
    const uint32_t start = plat::TimeMs();
    while ((plat::AudioGetStatus(id) & plat::kBufferPlaying) && plat::TimeMs() - start < lengthMs)
        plat::SleepMs(5);
    plat::AudioReleaseBuffer(id);
}
} // namespace

std::string UpperPackName(const char* name) {
    std::string s = name ? name : "";
    for (size_t i = 0; i < s.size(); ++i) {
        uint8_t c = uint8_t(s[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c >= 'a' && c <= 'z')
            s[i] = char(c - 'a' + 'A');
    }
    return s;
}

bool PackFile::Open(const std::string& path) {
    Close();
    std::string real = plat::ResolvePath(path);
    std::error_code ec;
    if (real.empty() || !std::filesystem::is_regular_file(real, ec)) return false;
    file_ = std::fopen(real.c_str(), "rb");
    if (!file_) return false;
    if (fseeko(file_, 0, SEEK_END) != 0) {
        Close();
        return false;
    }
    off_t end = ftello(file_);
    if (end < 0) {
        Close();
        return false;
    }
    size_ = uint64_t(end);
    return true;
}

void PackFile::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    size_ = 0;
}

size_t PackFile::ReadUpTo(uint64_t offset, void* dst, size_t n) {
    if (!file_ || offset >= size_) return 0;
    n = size_t(std::min<uint64_t>(n, size_ - offset));
    if (n == 0 || fseeko(file_, off_t(offset), SEEK_SET) != 0) return 0;
    return std::fread(dst, 1, n, file_);
}

bool PackFile::Read(uint64_t offset, void* dst, size_t n) {
    if (n == 0) return file_ && offset <= size_;
    if (!file_ || offset > size_ || n > size_ - offset) return false;
    return ReadUpTo(offset, dst, n) == n;
}

bool FindPackEntry(PackFile& pack, const std::string& upperName, PackEntry& out) {
    // dataSize, the longest name with its NUL, formatSize.
    uint8_t head[4 + kPackNameMax + 1 + 4];
    uint64_t pos = 0;
    while (pos < pack.Size()) {
        size_t got = pack.ReadUpTo(pos, head, sizeof head);
        plat::Reader r(head, got);
        uint32_t dataSize = r.u32();
        if (!r.ok()) return false;
        const uint8_t* name = head + r.pos();
        const void* nul = std::memchr(name, 0, std::min(r.remaining(), kPackNameMax + 1));
        if (!nul) return false; // no end within the longest name the format allows
        size_t nameLength = size_t(static_cast<const uint8_t*>(nul) - name);
        r.skip(nameLength + 1);
        uint32_t formatSize = r.u32();
        if (!r.ok()) return false;
        uint64_t body = pos + r.pos();
        uint64_t bodySize = uint64_t(formatSize) + dataSize;
        if (bodySize > pack.Size() - body) return false;
        if (nameLength == upperName.size() && std::memcmp(name, upperName.data(), nameLength) == 0) {
            out.dataSize = dataSize;
            out.formatSize = formatSize;
            out.formatOffset = body;
            out.dataOffset = body + formatSize;
            return true;
        }
        pos = body + bodySize;
    }
    return false;
}

void ReleaseSoundBuffers(SoundObject& o) {
    for (int32_t& id : o.buffers) {
        if (id >= 0) {
            plat::AudioStop(id);
            plat::AudioReleaseBuffer(id);
        }
        id = -1;
    }
}

int32_t ChooseLoadSlot(const char* errorName) {
    if (!soundReloading) {
        int32_t slot = 0;
        while (slot < kObjectCount && soundObjects[slot].used)
            ++slot;
        if (slot == kObjectCount) {
            kitSystem::Error(errorName, "オブジェクト数が多過ぎます", 0);
            return -1;
        }
        soundCurrentSlot = slot;
    }
    if (soundCurrentSlot < 0 || soundCurrentSlot >= kObjectCount) return -1;
    return soundCurrentSlot;
}

bool MixArgumentAllowed(int32_t mix, const char* errorName) {
    if (mix > kMixMax || mix < -kMixMax) {
        kitSystem::Error(errorName, "ミックス数が多過ぎます", 0);
        return false;
    }
    return true;
}

void SetMixes(SoundObject& o, int32_t mix) {
    o.mixCount = mix < 0 ? -mix : mix;
    o.echoCounter = mix > 1 ? 0 : -1;
    if (!soundReloading) o.nextMix = 0;
}

int32_t FinishLoad(SoundObject& o, int32_t slot, const char* name, int32_t fromPack, const char* errorName,
                   const char* longNameMessage) {
    o.used = 1;
    o.fromPack = fromPack;
    if (soundReloading) return slot;
    // Reported after the load on purpose: the slot stays in use, nameless.
    const size_t length = std::strlen(name);
    if (length > size_t(kNameMax)) {
        kitSystem::Error(errorName, longNameMessage, 0);
        return -1;
    }
    std::memcpy(o.name, name, length + 1);
    return slot;
}

bool MakeSoundBuffers(SoundObject& o, const plat::WaveFormat& format, uint32_t bytes, const uint8_t* init,
                      uint32_t initBytes, const char* errorName) {
    ReleaseSoundBuffers(o);
    for (int32_t m = 0; m < o.mixCount && m < kMixMax; ++m) {
        int32_t id = plat::AudioCreateBuffer(format, bytes);
        if (id < 0) {
            ReleaseSoundBuffers(o);
            kitSystem::Error(errorName, "サウンドバッファが生成できません", id);
            return false;
        }
        o.buffers[m] = id;
        if (initBytes) plat::AudioWriteBuffer(id, 0, init, initBytes);
        if (!soundReloading) {
            o.frequency[m] = o.baseFrequency = plat::AudioGetFrequency(id);
            o.volume[m] = 0;
            o.pan[m] = 0;
        } else {
            plat::AudioSetVolume(id, o.volume[m]);
            plat::AudioSetFrequency(id, o.frequency[m]);
            plat::AudioSetPan(id, o.pan[m]);
        }
    }
    return true;
}

int32_t LoadPackFrom(const std::string& path, const char* name, int32_t mix) {
    if (!soundAvailable) return -1;
    if (!MixArgumentAllowed(mix, kLoadPackName)) return -1;
    const int32_t slot = ChooseLoadSlot(kLoadPackName);
    if (slot < 0) return -1;
    SoundObject& o = soundObjects[slot];
    if (!name) name = "";

    PackFile pack;
    if (!pack.Open(path)) {
        kitSystem::Error(kLoadPackName, "パックファイル名が指定されていません", 0);
        return -1;
    }
    PackEntry entry;
    std::vector<uint8_t> formatBlock, data;
    plat::WaveFormat format;
    // An entry without a whole format head (the writer's empty entries among
    // them) holds no sound to load.
    bool ok =
        FindPackEntry(pack, UpperPackName(name), entry) && entry.formatSize >= plat::kWaveFormatHeadSize;
    if (ok) {
        formatBlock.resize(entry.formatSize);
        data.resize(entry.dataSize);
        ok = pack.Read(entry.formatOffset, formatBlock.data(), formatBlock.size()) &&
             pack.Read(entry.dataOffset, data.data(), data.size()) &&
             plat::DecodeWaveFormat(formatBlock.data(), formatBlock.size(), format);
    }
    pack.Close();
    if (!ok) {
        kitSystem::Error(kLoadPackName, "WAVEファイルを読み込めません", 0);
        return -1;
    }

    SetMixes(o, mix);
    if (!MakeSoundBuffers(o, format, entry.dataSize, data.data(), entry.dataSize, kLoadPackName)) return -1;
    o.stream.streamSize = 0;
    return FinishLoad(o, slot, name, 1, kLoadPackName, "ファイル名が長すぎます");
}

int32_t LoadPack(const char* name, int32_t mix) { return LoadPackFrom(soundPackPath, name, mix); }

void SetPackFile(const char* name) {
    if (!soundAvailable) return;
    soundPackPath = std::string(kitSystem::ProgramDir(0)) + (name ? name : "");
}

void PackAppend(const char* packName, const char* wavPath) {
    if (!soundAvailable || !packName || !wavPath) return;
    const std::string dir = kitSystem::ProgramDir(0);
    std::vector<uint8_t> format, data;
    uint32_t formatSize = 0, dataSize = 0;
    ReadWaveFile((dir + wavPath).c_str(), format, formatSize, data, dataSize);
    const char* base = std::strrchr(wavPath, '\\');
    base = base ? base + 1 : wavPath;
    // A longer name would make an entry no reader accepts, and hide every
    // entry behind it.
    const size_t nameLength = std::strlen(base);
    if (nameLength > kPackNameMax) return;
    FILE* f = std::fopen(PathForWriting(dir + packName).c_str(), "ab");
    if (!f) return;
    PutU32(f, dataSize);
    std::fwrite(base, 1, nameLength + 1, f);
    PutU32(f, formatSize);
    if (formatSize) std::fwrite(format.data(), 1, formatSize, f);
    if (dataSize) std::fwrite(data.data(), 1, dataSize, f);
    std::fclose(f);
}

int32_t PackFolder(const char* packName, const char* folder, int32_t truncate) {
    if (!soundAvailable) return 0;
    if (!packName) packName = "";
    if (!folder) folder = "";
    const std::string dir = kitSystem::ProgramDir(0);
    if (truncate) {
        std::string real = plat::ResolvePath(dir + packName);
        if (!real.empty()) std::remove(real.c_str());
    }
    const std::string searchDir = *folder ? plat::ResolvePath(dir + folder) : dir;
    if (searchDir.empty()) return 1;

    // The pattern *.WAV matches without regard to case; the names go in in
    // the order of their upper-case spelling, whatever the directory's order.
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(searchDir, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string n = it->path().filename().string();
        if (n.size() >= 4 && UpperPackName(n.c_str() + n.size() - 4) == ".WAV") names.push_back(n);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperPackName(a.c_str()) < UpperPackName(b.c_str());
    });
    for (const std::string& n : names) {
        std::string relative = *folder ? std::string(folder) + "\\" + n : n;
        PackAppend(packName, UpperPackName(relative.c_str()).c_str());
    }
    return 1;
}

int32_t SelectFormat(int32_t channels, int32_t rate, int32_t bits) {
    if (!soundAvailable) return 0;
    for (SoundObject& o : soundObjects)
        if (o.used) ReleaseSoundBuffers(o);
    uint32_t hz = rate == 8    ? 8000
                  : rate == 11 ? 11025
                  : rate == 22 ? 22050
                  : rate == 44 ? 44100
                               : uint32_t(rate);
    plat::WaveFormat f;
    f.formatTag = plat::kWaveFormatPcm;
    f.channels = uint16_t(channels);
    f.samplesPerSec = hz;
    f.bitsPerSample = uint16_t(bits);
    f.blockAlign = uint16_t(int64_t(channels) * (bits / 8));
    f.avgBytesPerSec = uint32_t(f.blockAlign) * hz;
    f.cbSize = 18;
    // The device keeps mixing in its own format; the chosen one must still be
    // one the mixer can play, as the primary buffer would refuse it.
    int32_t probe = plat::AudioCreateBuffer(f, 64);
    if (probe < 0) {
        kitSystem::Error(kSelectFormatName, "再生フォーマットを変更できません", probe);
        return 0;
    }
    plat::AudioReleaseBuffer(probe);
    soundPrimaryFormat = f;
    ReloadAll();
    return 1;
}

void PlaySystemSound(const char* path) {
    if (!soundAvailable) return;
    Release();
    PlayToTheEnd(path);
    ReloadAll();
}

uint32_t GetPlayPosition(int32_t handle) {
    if (handle < 0 || handle >= kObjectCount) return 0;
    return plat::AudioGetPosition(soundObjects[handle].buffers[0]);
}
} // namespace kitSound
