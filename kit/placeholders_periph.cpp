// Minimal stand-ins, enough for the pack, pad and effect code and its tests.
#include "kit/placeholders_periph.h"

#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/files.h"
#include "platform/reader.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstring>

float frameDt = 0.0f;
int32_t transitionCounter = 0;
int32_t pageOverlayOn = 0;
int32_t dialogMode = 0;

namespace {
int32_t FreeSlot() {
    for (int32_t i = 4; i < kImageSlots; ++i)
        if (imageTable[i].name[0] == 0) return i;
    return 0;
}

void ApplyKeyRule(int32_t slot) {
    const uint32_t key = keyTopLeft == 1 ? 0xFFFFFFFFu : keyColor;
    kitDraw::SetSurfaceKey(imageTable[slot].surface, key);
    imageTable[slot].colorKey = key;
}
} // namespace

namespace kitDraw {

int32_t SetSurfaceKey(plat::Surface* surface, uint32_t colour) {
    if (!surface) return plat::kErrInvalidParams;
    uint16_t native;
    if (colour == 0xFFFFFFFFu) {
        native = surface->Pixel(0, 0);
    } else {
        const uint32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
        const uint32_t gBits = greenBits == 0x3F ? 6 : 5;
        native =
            uint16_t(((r >> 3) << redShift) | ((g >> (8 - gBits)) << greenShift) | ((b >> 3) << blueShift));
    }
    plat::SetColorKey(surface, native);
    return plat::kOk;
}

int32_t CreateObject(int32_t width, int32_t height, int32_t) {
    const int32_t slot = FreeSlot();
    if (slot == 0) return kitSystem::Error("kitDraw::CreateObject", "オブジェクト数が多過ぎます");
    ImageRecord& r = imageTable[slot];
    std::strcpy(r.name, "*");
    r.fromPack = 0;
    r.reloadMode = 2;
    r.surface = plat::CreateSurface(width, height);
    if (!r.surface) return kitSystem::Error("kitDraw::CreateObject", "スプライトを作成できません");
    r.width = uint16_t(width);
    r.height = uint16_t(height);
    ApplyKeyRule(slot);
    return slot;
}

int32_t LoadObject(const char* name, int32_t) {
    if (!name || std::strlen(name) > 30)
        return kitSystem::Error("kitDraw::LoadObject", "ファイル名またはリソース名が長すぎます");
    const int32_t slot = FreeSlot();
    if (slot == 0) return kitSystem::Error("kitDraw::LoadObject", "オブジェクト数が多過ぎます");
    ImageRecord& r = imageTable[slot];
    std::strcpy(r.name, name);
    r.fromPack = 0;
    r.reloadMode = 2;
    int32_t w = 0, h = 0;
    std::vector<uint32_t> rgb;
    if (!plat::ReadBmpRgb(std::string(kitSystem::ProgramDir()) + name, w, h, rgb) ||
        !(r.surface = plat::CreateSurface(w, h)))
        return kitSystem::Error("kitDraw::LoadObject", "BMPファイルを読み込めません");
    const uint32_t gBits = greenBits == 0x3F ? 6 : 5;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t c = rgb[size_t(y) * size_t(w) + size_t(x)];
            r.surface->Row(y)[x] =
                uint16_t((((c >> 19) & 31) << redShift) | (((c >> 8 & 0xFF) >> (8 - gBits)) << greenShift) |
                         (((c >> 3) & 31) << blueShift));
        }
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    ApplyKeyRule(slot);
    return slot;
}

void ReleaseObject(int32_t slot) {
    ImageRecord* r = ImageAt(slot);
    if (!r || !r->surface) return;
    plat::DestroySurface(r->surface);
    r->surface = nullptr;
    r->name[0] = 0;
    r->colorKey = 0;
    r->width = r->height = 0;
}

void Restore() {
    if (backBuffer) plat::Restore(backBuffer);
    for (auto& r : imageTable)
        if (r.surface && plat::IsLost(r.surface)) plat::Restore(r.surface);
}

} // namespace kitDraw

void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ImageRecord* r = ImageAt(img);
    if (!r || !r->surface || !backBuffer) return;
    int64_t dx = x, dy = y, l = left, t = top, rr = right, b = bottom;
    if (dx + (rr - l) > clipRight) rr = clipRight - dx + l;
    if (dy + (b - t) > clipBottom) b = clipBottom - dy + t;
    if (dx < clipLeft) {
        l += clipLeft - dx;
        dx = clipLeft;
    }
    if (dy < clipTop) {
        t += clipTop - dy;
        dy = clipTop;
    }
    if (rr < l || b < t) return;
    if (l < INT32_MIN || rr > INT32_MAX || t < INT32_MIN || b > INT32_MAX) return;
    const plat::Rect src{int32_t(l), int32_t(t), int32_t(rr), int32_t(b)};
    if (plat::BltFast(backBuffer, int32_t(dx), int32_t(dy), r->surface, src, false) == plat::kErrSurfaceLost)
        kitDraw::Restore();
}

namespace kitSystem {
int32_t GetColorDepth() { return 32; }
} // namespace kitSystem

namespace plat {

bool ReadBmpRgb(const std::string& path, int32_t& width, int32_t& height, std::vector<uint32_t>& rgb) {
    std::vector<uint8_t> file;
    if (!ReadWholeFile(path, file)) return false;
    Reader rd(file.data(), file.size());
    if (rd.u16() != 0x4D42) return false;
    rd.skip(8);
    const uint32_t offset = rd.u32();
    const uint32_t headerSize = rd.u32();
    const int32_t w = rd.i32();
    const int32_t h = rd.i32();
    rd.u16();
    const uint16_t bpp = rd.u16();
    const uint32_t compression = rd.u32();
    if (!rd.ok() || headerSize < 40 || w <= 0 || h == 0 || h == INT32_MIN || compression != 0) return false;
    if (bpp != 24 && bpp != 32) return false;
    const int32_t rows = h < 0 ? -h : h;
    const size_t stride = ((size_t(w) * bpp / 8) + 3) & ~size_t(3);
    if (offset > file.size() || stride * size_t(rows) > file.size() - offset) return false;
    width = w;
    height = rows;
    rgb.assign(size_t(w) * size_t(rows), 0);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* p = file.data() + offset + stride * size_t(h < 0 ? y : rows - 1 - y);
        for (int32_t x = 0; x < w; ++x, p += bpp / 8)
            rgb[size_t(y) * size_t(w) + size_t(x)] = p[2] << 16 | p[1] << 8 | p[0];
    }
    return true;
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> out;
    std::string dir = ResolvePath(folder.empty() ? "." : folder);
    if (dir.empty()) return out;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() >= suffix.size() &&
            ::strcasecmp(n.c_str() + n.size() - suffix.size(), suffix.c_str()) == 0)
            out.push_back(n);
    }
    ::closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace plat
