#include "kit/draw/pack.h"

#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/files.h"
#include "platform/reader.h"

#include <cstdio>
#include <cstring>
#include <vector>

std::string imagePackPath;

namespace {

constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kNoBmp = "BMPファイルを読み込めません";
constexpr const char* kNoSprite = "スプライトを作成できません";
constexpr const char* kNoCopy = "サーフェース間で展開できません";
constexpr const char* kNotFullColour = "画面をフルカラーにして下さい";
constexpr int kCopyAttempts = 10;
// A record's name field holds at most this many characters.
constexpr size_t kRecordNameMax = sizeof(ImageRecord::name) - 1;

// Upper case the way the system does it for our names: ASCII letters only
// (bytes of multibyte characters are left alone).
std::string Upper(const char* s) {
    std::string u = s ? s : "";
    for (char& c : u)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return u;
}

// A file under the program directory; parent folders are matched without
// regard to case, so a pack can also be created in a folder spelt otherwise.
std::string ProgramPath(const std::string& rel) {
    std::string full = std::string(kitSystem::ProgramDir()) + rel;
    for (char& c : full)
        if (c == '\\') c = '/';
    std::string found = plat::ResolvePath(full);
    if (!found.empty()) return found;
    const size_t cut = full.find_last_of('/');
    if (cut == std::string::npos) return full;
    std::string dir = plat::ResolvePath(full.substr(0, cut + 1));
    if (dir.empty()) return full;
    if (dir.back() != '/') dir += '/';
    return dir + full.substr(cut + 1);
}

int32_t FirstFreeSlot() {
    for (int32_t i = 4; i < kImageSlots; ++i)
        if (imageTable[i].name[0] == 0) return i;
    return 0;
}

// CreateObject, and when it fails, the slot it took by name given back.
int32_t CreateOwned(int32_t w, int32_t h, int32_t mode) {
    const int32_t expected = FirstFreeSlot();
    const int32_t slot = kitDraw::CreateObject(w, h, mode);
    if (slot == 0 && expected != 0 && imageTable[expected].surface == nullptr &&
        std::strcmp(imageTable[expected].name, "*") == 0)
        imageTable[expected].name[0] = 0;
    return slot;
}

void FillRecord(int32_t slot, const std::string& upperName, const kitDraw::PackEntry& e) {
    ImageRecord& r = imageTable[slot];
    const uint32_t key = keyTopLeft == 1 ? 0xFFFFFFFFu : keyColor;
    kitDraw::SetSurfaceKey(r.surface, key);
    r.colorKey = key;
    std::memset(r.name, 0, sizeof r.name);
    std::memcpy(r.name, upperName.data(), upperName.size());
    r.fromPack = 1;
    r.reloadMode = 2;
    r.width = e.width;
    r.height = e.height;
}

// Fills the temporary image with the entry's pixels in the screen's format.
bool Expand(plat::Surface* temp, const std::vector<uint8_t>& file, const kitDraw::PackEntry& e) {
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;
    if (plat::Lock(temp, &pixels, &pitch) != plat::kOk) return false;
    plat::Reader rd(file.data(), file.size());
    rd.seek(e.pixelOffset);
    for (int32_t y = 0; y < e.height; ++y) {
        uint16_t* row = pixels + size_t(y) * size_t(pitch / 2);
        for (int32_t x = 0; x < e.width; ++x) {
            const uint16_t p = rd.u16();
            row[x] = kitDraw::Pack5((p >> 10) & 31, (p >> 5) & 31, p & 31);
        }
    }
    plat::Unlock(temp);
    return true;
}

// Copies the temporary image onto the target, restoring lost surfaces between attempts.
int32_t CopyOver(plat::Surface* target, int32_t temp, const kitDraw::PackEntry& e) {
    int32_t result = plat::kErrGeneric;
    for (int attempt = 0; attempt < kCopyAttempts; ++attempt) {
        ImageRecord* t = ImageAt(temp);
        result = plat::BltFast(target, 0, 0, t->surface, plat::Rect{0, 0, e.width, e.height}, false);
        if (result == plat::kOk) break;
        if (result == plat::kErrSurfaceLost) kitDraw::Restore();
    }
    return result;
}

// Reads the pack and finds the entry; reports and returns false when it cannot.
bool Locate(const char* fn, const char* name, std::vector<uint8_t>& file, std::string& upper,
            kitDraw::PackEntry& e) {
    if (!plat::ReadWholeFile(imagePackPath, file)) {
        kitSystem::Error(fn, kNoPack);
        return false;
    }
    upper = Upper(name);
    // A name the record cannot hold can never be loaded.
    if (!name || upper.size() > kRecordNameMax ||
        kitDraw::FindPackEntry(file.data(), file.size(), upper.c_str(), &e) != kitDraw::PackFind::Found) {
        kitSystem::Error(fn, kNoBmp);
        return false;
    }
    return true;
}

} // namespace

namespace kitDraw {

void SetPackFile(const char* name) {
    imagePackPath = std::string(kitSystem::ProgramDir()) + (name ? name : "");
}

PackFind FindPackEntry(const uint8_t* data, size_t size, const char* upperName, PackEntry* out) {
    plat::Reader rd(data, size);
    const size_t wantedLen = upperName ? std::strlen(upperName) : 0;
    for (;;) {
        const uint16_t w = rd.u16();
        const uint16_t h = rd.u16();
        if (!rd.ok()) return PackFind::NotFound; // the end, or a short read
        const size_t nameStart = rd.pos();
        size_t len = 0;
        for (;;) {
            const uint8_t c = rd.u8();
            if (!rd.ok()) return PackFind::Malformed;
            if (c == 0) break;
            if (++len > kPackNameMax) return PackFind::Malformed;
        }
        const size_t bytes = size_t(w) * size_t(h) * 2;
        if (upperName && len == wantedLen && std::memcmp(data + nameStart, upperName, len) == 0) {
            // The entry must be a picture and hold all its pixels.
            if (w == 0 || h == 0 || bytes > rd.remaining()) return PackFind::Malformed;
            if (out) *out = PackEntry{w, h, rd.pos()};
            return PackFind::Found;
        }
        if (!rd.skip(bytes)) return PackFind::NotFound;
    }
}

int32_t LoadPack(const char* name, int32_t memoryMode) {
    static const char* fn = "kitDraw::LoadPack";
    std::vector<uint8_t> file;
    std::string upper;
    PackEntry e{};
    if (!Locate(fn, name, file, upper, e)) return 0;

    const int32_t target = CreateOwned(e.width, e.height, memoryMode);
    if (target == 0) return 0;
    const int32_t temp = CreateOwned(e.width, e.height, 2);
    if (temp == 0) {
        ReleaseObject(target);
        return 0;
    }
    if (!Expand(imageTable[temp].surface, file, e)) {
        ReleaseObject(temp);
        ReleaseObject(target);
        return 0;
    }
    const int32_t result = CopyOver(imageTable[target].surface, temp, e);
    ReleaseObject(temp);
    if (result != plat::kOk) {
        ReleaseObject(target);
        return kitSystem::Error(fn, kNoCopy, result);
    }
    FillRecord(target, upper, e);
    return target;
}

int SwapPack(const char* name, int32_t slot, int32_t) {
    static const char* fn = "kitDraw::SwapPack";
    ImageRecord* rec = ImageAt(slot);
    if (!rec) return 0;
    if (rec->surface) {
        plat::DestroySurface(rec->surface);
        rec->surface = nullptr;
    }
    std::vector<uint8_t> file;
    std::string upper;
    PackEntry e{};
    if (!Locate(fn, name, file, upper, e)) return 0;

    // The new surface joins the slot only once it holds the picture: a
    // restore run while we copy must not see (or replace) a half-built one.
    plat::Surface* surface = plat::CreateSurface(e.width, e.height);
    if (!surface) return kitSystem::Error(fn, kNoSprite);
    const int32_t temp = CreateOwned(e.width, e.height, 2);
    if (temp == 0) {
        plat::DestroySurface(surface);
        return 0;
    }
    if (!Expand(imageTable[temp].surface, file, e)) {
        ReleaseObject(temp);
        plat::DestroySurface(surface);
        return 0;
    }
    const int32_t result = CopyOver(surface, temp, e);
    ReleaseObject(temp);
    if (result != plat::kOk) {
        plat::DestroySurface(surface);
        return kitSystem::Error(fn, kNoCopy, result);
    }
    if (rec->surface) plat::DestroySurface(rec->surface); // put there by a nested restore
    rec->surface = surface;
    FillRecord(slot, upper, e);
    return slot;
}

int32_t Convert(const char* packName, const char* folder, int32_t deleteFirst) {
    if (kitSystem::GetColorDepth() <= 16) return kitSystem::Error("kitDraw::Convert", kNotFullColour);
    const std::string pack = packName ? packName : "";
    const std::string dir = folder ? folder : "";
    if (deleteFirst != 0) {
        const std::string path = ProgramPath(pack);
        std::remove(path.c_str());
    }
    const std::string searchDir = std::string(kitSystem::ProgramDir()) + dir;
    for (const std::string& file : plat::FindFiles(searchDir + "/*.BMP")) {
        const std::string path = Upper((dir.empty() ? file : dir + "\\" + file).c_str());
        PackAppend(pack.c_str(), path.c_str());
    }
    return 1;
}

void PackAppend(const char* packName, const char* bmpPath) {
    if (!bmpPath) return;
    const int32_t slot = LoadObject(bmpPath, 1);
    // A picture that did not load (already reported) adds nothing.
    if (slot == 0 || !ImageAt(slot) || !imageTable[slot].surface) return;
    const int32_t w = imageTable[slot].width, h = imageTable[slot].height;

    // Our surfaces hold 16-bit pixels; the pack wants the file's own colours.
    int32_t fw = 0, fh = 0;
    std::vector<uint32_t> rgb;
    if (!plat::ReadBmpRgb(std::string(kitSystem::ProgramDir()) + bmpPath, fw, fh, rgb) || fw != w ||
        fh != h) {
        ReleaseObject(slot);
        return;
    }

    const std::string path = bmpPath;
    const size_t cut = path.find_last_of('\\');
    const std::string entryName = cut == std::string::npos ? path : path.substr(cut + 1);
    std::vector<uint8_t> entry;
    entry.reserve(4 + entryName.size() + 1 + size_t(w) * size_t(h) * 2);
    auto put16 = [&entry](uint32_t v) {
        entry.push_back(uint8_t(v & 0xFF));
        entry.push_back(uint8_t((v >> 8) & 0xFF));
    };
    put16(uint32_t(w));
    put16(uint32_t(h));
    entry.insert(entry.end(), entryName.begin(), entryName.end());
    entry.push_back(0);
    for (uint32_t c : rgb) {
        uint32_t r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        if (r != 0 || g != 0 || b != 0) {
            r >>= 3;
            g >>= 3;
            b >>= 3;
            // A dark colour must never turn into black, the colour key.
            if (r == 0 && g == 0 && b == 0) b = 1;
        }
        put16((r & 31) << 10 | (g & 31) << 5 | (b & 31));
    }

    const std::string packPath = ProgramPath(packName ? packName : "");
    if (FILE* f = std::fopen(packPath.c_str(), "ab")) {
        std::fwrite(entry.data(), 1, entry.size(), f);
        std::fclose(f);
    }
    ReleaseObject(slot);
}

} // namespace kitDraw
