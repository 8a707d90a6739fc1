// paint_audio <build dir>: writes SOUND/SHOT.WAV, SOUND/BOM.WAV and the eight MIDI tracks beside the game.
#include "compose.h"
#include "wave.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "paint_audio: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint_audio <build dir>\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(root / "SOUND", ec);
    std::filesystem::create_directories(root / "MIDI", ec);
    if (ec) {
        std::fprintf(stderr, "paint_audio: cannot create folders under %s\n", argv[1]);
        return 1;
    }

    bool ok = WriteFile(root / "SOUND" / "SHOT.WAV", paint::BuildWav(paint::SynthShot(), paint::kWaveRate));
    ok = WriteFile(root / "SOUND" / "BOM.WAV", paint::BuildWav(paint::SynthBlast(), paint::kWaveRate)) && ok;
    for (const paint::Tune& tune : paint::GameTunes())
        ok = WriteFile(root / tune.name, paint::ComposeTune(tune)) && ok;
    return ok ? 0 : 1;
}
