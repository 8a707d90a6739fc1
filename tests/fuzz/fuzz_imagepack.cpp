// Image pack reader on arbitrary bytes: the entry walk, then a full load and
// swap of a found entry, which must never read or write out of bounds and
// must give back every image it creates.
#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/pack.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/files.h"
#include "platform/surface.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string packDir, packFile;

void Cleanup() {
    std::remove(packFile.c_str());
    ::rmdir(packDir.c_str());
}

void Setup() {
    const plat::PixelMasks m = plat::MasksOf(plat::CurrentPixelFormat());
    kitDraw::SetPixelFormat(m.red, m.green, m.blue);
    packDir = "/tmp/fuzz_imagepack_" + std::to_string(::getpid()) + "/";
    ::mkdir(packDir.c_str(), 0700);
    std::atexit(Cleanup);
    plat::SetProgramDirectoryForTests(packDir);
    packFile = packDir + "FUZZ.PAK";
    kitDraw::SetPackFile("FUZZ.PAK");
}

// The name of the first entry, when there is one.
std::string FirstName(const uint8_t* data, size_t size) {
    std::string name;
    for (size_t i = 4; i < size && i < 4 + kitDraw::kPackNameMax + 1; ++i) {
        if (data[i] == 0) return name;
        name += char(data[i]);
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (Setup(), true);
    (void)ready;
    kitDraw::PackEntry e{};
    kitDraw::FindPackEntry(data, size, "A.BMP", &e);
    kitDraw::FindPackEntry(data, size, "", &e);
    kitDraw::FindPackEntry(size ? data : nullptr, size, nullptr, &e);
    const std::string first = FirstName(data, size);
    if (first.empty() || first.size() > 31) return 0;
    if (kitDraw::FindPackEntry(data, size, first.c_str(), &e) != kitDraw::PackFind::Found) return 0;
    if (e.pixelOffset + size_t(e.width) * e.height * 2 > size) __builtin_trap();

    FILE* f = std::fopen(packFile.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    const int32_t slot = kitDraw::LoadPack(first.c_str(), 1);
    if (slot != 0) {
        kitDraw::SwapPack(first.c_str(), slot, 2);
        kitDraw::ReleaseObject(slot);
    }
    for (int i = 4; i < kImageSlots; ++i)
        if (imageTable[i].name[0] != 0) __builtin_trap(); // an image was left behind
    return 0;
}
