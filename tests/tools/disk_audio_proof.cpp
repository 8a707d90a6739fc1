// Plays a WAV sound effect and then a MIDI track through the game library
// into SDL's "disk" audio driver and checks that both parts of the written
// output are audible.
//
//   disk_audio_proof <output file>
// sets SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE=<output file>; without an
// argument both are taken from the environment. Exit status 0 = both heard.
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "platform/files.h"
#include "tests/kit/sound/test_media.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace testmedia;

namespace {
constexpr long kBytesPerSecond = 44100L * 2 * 2; // stereo 16-bit, as the mixer asks

long FileSize(const char* path) {
    struct stat st;
    return ::stat(path, &st) == 0 ? long(st.st_size) : 0;
}

// Waits until the driver has written `bytes`, or gives up after a while.
bool WaitForOutput(const char* path, long bytes) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (FileSize(path) < bytes) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

int PeakOf(const std::vector<uint8_t>& raw, long from, long to) {
    int peak = 0;
    for (long i = from & ~1L; i + 1 < to && i + 1 < long(raw.size()); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(raw[size_t(i)] | raw[size_t(i) + 1] << 8))));
    return peak;
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", argv[1], 1);
    }
    const char* out = std::getenv("SDL_DISKAUDIOFILE");
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (!out || !driver || std::string(driver) != "disk") {
        std::fprintf(stderr, "usage: %s <output file> (or SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=...)\n",
                     argv[0]);
        return 2;
    }

    std::string dir = MakeTempDir();
    plat::SetProgramDirectoryForTests(dir);
    if (!WriteFile(dir + "SOUND/TONE.WAV", PcmWave(1, 22050, 16, Sine16(11025, 22050, 440.0, 12000.0))) ||
        !WriteFile(dir + "MIDI/SONG.MID", ShortMidi(8))) {
        std::fprintf(stderr, "cannot write the test media in %s\n", dir.c_str());
        return 1;
    }

    if (kitSound::Init() != 1) {
        std::fprintf(stderr, "the disk audio device did not open\n");
        return 1;
    }
    kitSound::ResetSlots();
    MidiInit();

    // Half a second of tone, then a pause, then the music.
    int32_t tone = kitSound::LoadObject("SOUND/TONE.WAV", 1);
    if (tone < 0) return 1;
    kitSound::Play(tone, -1);
    bool ok = WaitForOutput(out, kBytesPerSecond * 7 / 10);
    kitSound::Stop(tone, -1);
    long mark = FileSize(out);

    // The first play loads the soundfont, which can take a while on a busy
    // machine; count the music's second and a half from when it started.
    MidiPlay("MIDI/SONG.MID", 1);
    ok = ok && WaitForOutput(out, FileSize(out) + kBytesPerSecond * 3 / 2);
    MidiStop();
    kitSound::Release();

    std::vector<uint8_t> raw;
    if (!ok || !plat::ReadWholeFile(out, raw)) {
        std::fprintf(stderr, "the disk driver wrote too little\n");
        return 1;
    }
    int wavPeak = PeakOf(raw, 0, mark);
    int midiPeak = PeakOf(raw, mark, long(raw.size()));
    std::printf("wrote %zu bytes: effect peak %d, music peak %d\n", raw.size(), wavPeak, midiPeak);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return wavPeak > 1000 && midiPeak > 1000 ? 0 : 1;
}
