// Feeds arbitrary bytes to the sound pack reader as a pack file. The first
// entry's own name and a fixed one are loaded as an object and as a stream,
// played and served for a few frames through a device-less mixer, then
// freed. Whatever the reader accepts must lie inside the file.
#include "kit/sound/sound.h"
#include "kit/sound/soundpack.h"
#include "kit/sound/stream.h"
#include "platform/audio.h"
#include "platform/files.h"

#include <sanitizer/common_interface_defs.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string dir;
int quietFd = -1;
int loudFd = -1;

// The error report writes every refusal to stderr; silence it while the
// library runs, and send sanitizer reports to the real stderr instead.
struct Quiet {
    Quiet() { dup2(quietFd, 2); }
    ~Quiet() { dup2(loudFd, 2); }
};

bool Setup() {
    plat::AudioUseRenderHookForTests(true);
    char tmpl[] = "/tmp/vexfuzzpack-XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) return false;
    dir = std::string(d) + "/";
    plat::SetProgramDirectoryForTests(dir);
    loudFd = dup(2);
    quietFd = open("/dev/null", O_WRONLY);
    if (loudFd < 0 || quietFd < 0) return false;
    __sanitizer_set_report_fd(reinterpret_cast<void*>(intptr_t(loudFd)));
    std::atexit([] {
        std::remove((dir + "FUZZ.PAK").c_str());
        rmdir(dir.c_str());
    });
    if (kitSound::Init() != 1) return false;
    kitSound::ResetSlots();
    kitSound::SetPackFile("FUZZ.PAK");
    return true;
}

// The first entry's name as the pack spells it (bounded like the reader).
std::string FirstName(const uint8_t* data, size_t size) {
    std::string name;
    for (size_t i = 4; i < size && i < 4 + kitSound::kPackNameMax && data[i]; ++i)
        name += char(data[i]);
    return name;
}

void Check(int32_t handle, size_t size) {
    if (handle < 0) return;
    const SoundStream& s = soundObjects[handle].stream;
    if (s.streamSize == 0) return;
    if (uint64_t(s.streamStart) + s.streamSize > size) __builtin_trap();
    if (s.streamLoopPos < s.streamStart || s.streamLoopPos >= s.streamStart + s.streamSize) __builtin_trap();
    if (s.bufferSize != 2 * s.halfSize || s.halfSize >= s.streamSize) __builtin_trap();
}

void Serve(int32_t handle, int frames) {
    static int16_t out[2 * 2048];
    for (int i = 0; i < frames; ++i) {
        kitSound::Streaming();
        plat::AudioRenderForTests(out, 2048);
        Check(handle, SIZE_MAX);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = Setup();
    if (!ready) return 0;
    FILE* f = std::fopen((dir + "FUZZ.PAK").c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    // The loop offset comes from the last four bytes, so it can land anywhere.
    uint32_t loop = 0;
    if (size >= 4)
        loop = uint32_t(data[size - 4]) | uint32_t(data[size - 3]) << 8 | uint32_t(data[size - 2]) << 16 |
               uint32_t(data[size - 1]) << 24;

    Quiet quiet;
    const std::string names[] = {FirstName(data, size), "A.WAV"};
    for (const std::string& name : names) {
        int32_t h = kitSound::LoadPack(name.c_str(), 2);
        Check(h, size);
        kitSound::Play(h, -1);
        Serve(-1, 1);
        int32_t s = kitSound::LoadStream(name.c_str(), loop);
        Check(s, size);
        if (s >= 0) {
            if (size & 1)
                kitSound::PlayLoop(s, -1);
            else
                kitSound::Play(s, -1);
            Serve(s, 6);
        }
        for (int32_t slot = 0; slot < kitSound::kObjectCount; ++slot)
            kitSound::FreeObject(slot);
    }
    if (plat::AudioLiveBuffersForTests() != 0) __builtin_trap();
    return 0;
}
