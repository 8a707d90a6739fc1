#pragma once
// kitSound's sound pack: many WAV sounds kept in one file and loaded by name
// into the same slots as single WAV files, plus the two calls that rebuild
// every object in place (output format, system player).
//
// Pack file, entries back to back with nothing before or after them, all
// numbers little-endian:
//   u32 dataSize
//   name        the WAV's file name without its folder, upper case, NUL-ended,
//               at most 127 characters
//   u32 formatSize (18 + cbSize)
//   format block (formatSize bytes: the 18-byte head and its extra bytes)
//   samples     (dataSize bytes)
// A pack is untrusted input: every size is checked against the file.
#include "kit/sound/sound.h"
#include "platform/wav.h"

#include <cstdint>
#include <cstdio>
#include <string>

// Full path of the pack LoadPack and LoadStream read; empty until set.
extern std::string soundPackPath;
// The output format chosen last by SelectFormat (the mixer's own request
// until then).
extern plat::WaveFormat soundPrimaryFormat;

namespace kitSound {
constexpr size_t kPackNameMax = 127;

// soundPackPath := program directory + name.
void SetPackFile(const char* name);
// Appends every *.WAV of program directory + folder (the program directory
// itself when folder is empty) to program directory + packName, emptied
// first when truncate is non-zero. 1, or 0 without sound.
int32_t PackFolder(const char* packName, const char* folder, int32_t truncate);
// Appends one WAV (program directory + wavPath) as an entry named after the
// part of wavPath behind its last backslash. An unreadable WAV is appended
// as an empty entry (both sizes 0).
void PackAppend(const char* packName, const char* wavPath);
// Sets the output format (rate 8, 11, 22, 44 mean 8000, 11025, 22050,
// 44100 Hz; any other value is Hz) and rebuilds every object. 1 / 0.
int32_t SelectFormat(int32_t channels, int32_t rate, int32_t bits);
// Releases the sound objects, plays a WAV file to its end, rebuilds them.
void PlaySystemSound(const char* path);
// Play cursor of the object's first mix (answers even without sound).
uint32_t GetPlayPosition(int32_t handle);

// Shared by the pack loader and the stream.

// The library's upper-casing of names: ASCII letters only, leaving the
// second byte of a double-byte character alone.
std::string UpperPackName(const char* name);

// An open pack file that is never read past its end.
class PackFile {
  public:
    PackFile() = default;
    ~PackFile() { Close(); }
    PackFile(const PackFile&) = delete;
    PackFile& operator=(const PackFile&) = delete;
    // Opens an existing regular file (path components match case-insensitively).
    bool Open(const std::string& path);
    void Close();
    uint64_t Size() const { return size_; }
    // Exactly n bytes at offset, or false.
    bool Read(uint64_t offset, void* dst, size_t n);
    // Up to n bytes at offset; returns how many arrived.
    size_t ReadUpTo(uint64_t offset, void* dst, size_t n);

  private:
    FILE* file_ = nullptr;
    uint64_t size_ = 0;
};

struct PackEntry {
    uint32_t dataSize = 0;
    uint32_t formatSize = 0;
    uint64_t formatOffset = 0;
    uint64_t dataOffset = 0;
};

// Walks the entries from the start for the first one named exactly
// upperName. False when it is missing, or when the walk meets a damaged
// entry first (an unterminated or over-long name, sizes past the end).
bool FindPackEntry(PackFile& pack, const std::string& upperName, PackEntry& out);

// LoadPack on an explicit pack path (a stream reloads from its own pack).
int32_t LoadPackFrom(const std::string& path, const char* name, int32_t mix);

// Creates o.mixCount buffers of `bytes` bytes, copies `init` to the start
// of each and sets frequency, volume and pan as a new load or a reload does.
// On failure reports "サウンドバッファが生成できません" under errorName and
// leaves the slot without buffers.
bool MakeSoundBuffers(SoundObject& o, const plat::WaveFormat& format, uint32_t bytes, const uint8_t* init,
                      uint32_t initBytes, const char* errorName);
// Stops and releases every buffer of the object.
void ReleaseSoundBuffers(SoundObject& o);
// Picks the slot a load fills: soundCurrentSlot while reloading, else the
// lowest free slot ("オブジェクト数が多過ぎます" under errorName). -1 = none.
int32_t ChooseLoadSlot(const char* errorName);
// A mix argument beyond ten either way is refused ("ミックス数が多過ぎます").
bool MixArgumentAllowed(int32_t mix, const char* errorName);
// mixCount := |mix|; only a positive mix above 1 makes the echo available;
// a reload keeps the round-robin position.
void SetMixes(SoundObject& o, int32_t mix);
// The common end of every load: the slot is in use, then a new load keeps
// its name, or reports longNameMessage and answers -1 with the slot still in
// use and nameless. Returns the slot otherwise.
int32_t FinishLoad(SoundObject& o, int32_t slot, const char* name, int32_t fromPack, const char* errorName,
                   const char* longNameMessage);
} // namespace kitSound
