#include "kit/draw/image_ops.h"

#include "kit/draw/pack.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/files.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace kitDraw {
namespace {

constexpr size_t kMaxNameLength = 30;
constexpr uint32_t kTopLeftKey = 0xFFFFFFFFu;
const char* const kMsgNameTooLong = "ファイル名またはリソース名が長すぎます";
const char* const kMsgTooMany = "オブジェクト数が多過ぎます";
const char* const kMsgCannotRead = "BMPファイルを読み込めません";
const char* const kMsgCannotCreate = "スプライトを作成できません";

// Slots 0..3 are the library's own; pictures go first-free from 4 upwards.
int32_t FirstFreeSlot() {
    for (int32_t slot = 4; slot < kImageSlots; ++slot)
        if (imageTable[slot].name[0] == 0) return slot;
    return 0;
}

void SetName(ImageRecord& rec, const std::string& name) {
    std::memset(rec.name, 0, sizeof rec.name);
    std::memcpy(rec.name, name.data(), std::min(name.size(), sizeof rec.name - 1));
}

// The key rule of every new picture: the top-left pixel, or the key colour.
void ApplyNewImageKey(ImageRecord& rec) {
    const uint32_t key = keyTopLeft == 1 ? kTopLeftKey : keyColor;
    SetSurfaceKey(rec.surface, key);
    rec.colorKey = key;
}

// Steps shared by loading and swapping: read the file beside the program into
// the slot, report a failure under the caller's name.
bool LoadIntoSlot(const char* who, ImageRecord& rec, const std::string& name, int32_t memoryMode) {
    const std::string path = std::string(kitSystem::ProgramDir()) + name;
    int32_t width = 0, height = 0;
    rec.surface = LoadBitmapSurface(path.c_str(), &width, &height, memoryMode);
    if (!rec.surface) {
        // There are no bitmap resources to fall back on here.
        kitSystem::Error(who, kMsgCannotRead, plat::kErrGeneric);
        return false;
    }
    rec.width = uint16_t(width);
    rec.height = uint16_t(height);
    ApplyNewImageKey(rec);
    return true;
}

plat::Surface* SurfaceOf(int32_t slot) {
    const ImageRecord* rec = ImageAt(slot);
    return rec ? rec->surface : nullptr;
}

} // namespace

int32_t LoadObject(const char* name, int32_t memoryMode) {
    const std::string n = name ? name : "";
    if (n.size() > kMaxNameLength) return kitSystem::Error("kitDraw::LoadObject", kMsgNameTooLong);
    const int32_t slot = FirstFreeSlot();
    if (slot == 0) return kitSystem::Error("kitDraw::LoadObject", kMsgTooMany);
    ImageRecord& rec = imageTable[slot];
    SetName(rec, n);
    rec.fromPack = 0;
    rec.reloadMode = 2;
    if (!LoadIntoSlot("kitDraw::LoadObject", rec, n, memoryMode)) return 0;
    return slot;
}

int32_t CreateObject(int32_t width, int32_t height, int32_t /*memoryMode*/) {
    const int32_t slot = FirstFreeSlot();
    if (slot == 0) return kitSystem::Error("kitDraw::CreateObject", kMsgTooMany);
    ImageRecord& rec = imageTable[slot];
    SetName(rec, "*");
    rec.fromPack = 0;
    rec.reloadMode = 2;
    rec.surface = plat::CreateSurface(width, height);
    if (!rec.surface)
        return kitSystem::Error("kitDraw::CreateObject", kMsgCannotCreate, plat::kErrOutOfMemory);
    rec.width = uint16_t(width);
    rec.height = uint16_t(height);
    ApplyNewImageKey(rec);
    return slot;
}

int32_t SwapObject(const char* name, int32_t slot, int32_t memoryMode) {
    ImageRecord* rec = ImageAt(slot);
    if (!rec) return 0;
    // Copied first: Restore passes the slot's own name.
    const std::string n = name ? name : "";
    if (n.size() > kMaxNameLength) return kitSystem::Error("kitDraw::SwapObject", kMsgNameTooLong);
    if (rec->surface) {
        plat::DestroySurface(rec->surface);
        rec->surface = nullptr;
    }
    SetName(*rec, n);
    rec->fromPack = 0;
    rec->reloadMode = 2;
    if (!LoadIntoSlot("kitDraw::SwapObject", *rec, n, memoryMode)) return 0;
    return 1;
}

void ReleaseObject(int32_t slot) {
    ImageRecord* rec = ImageAt(slot);
    if (!rec || !rec->surface) return;
    plat::DestroySurface(rec->surface);
    rec->surface = nullptr;
    std::memset(rec->name, 0, sizeof rec->name);
    rec->colorKey = 0;
    rec->width = 0;
    rec->height = 0;
}

void Restore() {
    if (primarySurface) plat::Restore(primarySurface);
    if (plat::IsLost(backBuffer)) plat::Restore(backBuffer);
    for (int32_t slot = 0; slot < 4; ++slot)
        if (plat::IsLost(imageTable[slot].surface)) plat::Restore(imageTable[slot].surface);
    for (int32_t slot = 4; slot < kImageSlots; ++slot) {
        ImageRecord& rec = imageTable[slot];
        if (rec.name[0] == 0) continue;
        // A slot whose load failed has a name but no surface: nothing to restore,
        // but its picture is tried again like every other.
        if (plat::IsLost(rec.surface)) plat::Restore(rec.surface);
        if (std::strcmp(rec.name, "*") == 0) continue; // made empty: keeps what it holds
        SetKeyColor(rec.colorKey);
        const std::string name = rec.name;
        if (rec.fromPack == 1)
            SwapPack(name.c_str(), slot, rec.reloadMode);
        else
            SwapObject(name.c_str(), slot, rec.reloadMode);
    }
}

int32_t Clear() { return plat::FillRect(backBuffer, nullptr, 0); }

int32_t ClearImage(int32_t slot) {
    const ImageRecord* rec = ImageAt(slot);
    if (!rec || !rec->surface) return plat::kErrInvalidParams;
    const plat::Rect r{0, 0, rec->width, rec->height};
    return plat::FillRect(rec->surface, &r, 0);
}

int32_t ClearRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return FillRectColor(left, top, right, bottom, 0);
}

int32_t FrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    FillRectColor(left, top, right, top + 1, 0);
    FillRectColor(left, bottom - 1, right, bottom, 0);
    FillRectColor(left, top, left + 1, bottom, 0);
    return FillRectColor(right - 1, top, right, bottom, 0);
}

int32_t FillScreen() { return plat::FillRect(backBuffer, nullptr, uint16_t(colorMask)); }

int32_t FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return FillRectColor(left, top, right, bottom, uint16_t(colorMask));
}

int32_t FillRectColor(int32_t left, int32_t top, int32_t right, int32_t bottom, uint16_t colour) {
    const plat::Rect r{left, top, right, bottom};
    return plat::FillRect(backBuffer, &r, colour);
}

int32_t TintRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint16_t colour) {
    right = std::min(right, clipRight);
    bottom = std::min(bottom, clipBottom);
    left = std::max(left, clipLeft);
    top = std::max(top, clipTop);
    if (right < left || bottom < top) return 1;
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;
    if (plat::Lock(backBuffer, &pixels, &pitch) != plat::kOk) return 0;
    // The clip rectangle may reach past the back buffer; never touch outside it.
    right = std::min(right, backBuffer->width);
    bottom = std::min(bottom, backBuffer->height);
    left = std::max(left, 0);
    top = std::max(top, 0);
    const uint16_t c = uint16_t((colour >> 1) & halfMask);
    const size_t step = size_t(pitch) / 2;
    for (int32_t y = top; y < bottom; ++y) {
        uint16_t* p = pixels + size_t(y) * step;
        for (int32_t x = left; x < right; ++x)
            p[x] = uint16_t(((p[x] >> 1) & halfMask) + c);
    }
    plat::Unlock(backBuffer);
    return 1;
}

void SetKeyColor(uint32_t colour) {
    keyColor = colour;
    keyTopLeft = 0;
}

void SetKeyTopLeft() { keyTopLeft = 1; }

int32_t SetImageKey(int32_t slot, uint32_t colour) {
    ImageRecord* rec = ImageAt(slot);
    if (!rec || !rec->surface) return plat::kErrInvalidParams;
    rec->colorKey = colour;
    return SetSurfaceKey(rec->surface, colour);
}

int32_t SetImageKeyTopLeft(int32_t slot) { return SetImageKey(slot, kTopLeftKey); }

int32_t CopyImageKey(int32_t dstSlot, int32_t srcSlot) {
    plat::Surface* dst = SurfaceOf(dstSlot);
    const plat::Surface* src = SurfaceOf(srcSlot);
    if (!dst || !src) return plat::kErrInvalidParams;
    if (!src->hasColorKey) return plat::kErrGeneric; // no key to copy
    plat::SetColorKey(dst, src->colorKey);
    return plat::kOk;
}

int32_t CopyBitmap(plat::Surface* surface, const plat::BmpImage* bitmap, int32_t x, int32_t y, int32_t dx,
                   int32_t dy) {
    if (!surface || !bitmap || bitmap->width <= 0) return plat::kErrGeneric;
    plat::Restore(surface);
    if (dx == 0 || dy == 0) {
        dx = bitmap->width;
        dy = bitmap->height;
    }
    return plat::StretchRgbToSurface(surface, *bitmap, x, y, dx, dy);
}

uint32_t MatchColor(plat::Surface* surface, uint32_t colour) {
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;
    if (!surface || plat::Lock(surface, &pixels, &pitch) != plat::kOk) return 0xFFFFFFFFu;
    // Black becomes 0 and so does any colour darker than one 16-bit step.
    const uint32_t value = colour == kTopLeftKey ? pixels[0] : plat::ColorRefToPixel(surface->format, colour);
    plat::Unlock(surface);
    return value;
}

int32_t SetSurfaceKey(plat::Surface* surface, uint32_t colour) {
    if (!surface) return plat::kErrInvalidParams;
    plat::SetColorKey(surface, uint16_t(MatchColor(surface, colour)));
    return plat::kOk;
}

plat::Surface* LoadBitmapSurface(const char* path, int32_t* width, int32_t* height, int32_t memoryMode) {
    (void)memoryMode; // every surface lives in memory here
    if (!path) return nullptr;
    std::vector<uint8_t> bytes;
    if (!plat::ReadWholeFile(path, bytes)) return nullptr;
    plat::BmpImage bitmap;
    if (!plat::DecodeBmp(bytes.data(), bytes.size(), bitmap)) return nullptr;
    plat::Surface* surface = plat::CreateSurface(bitmap.width, bitmap.height);
    if (!surface) return nullptr;
    if (width) *width = bitmap.width;
    if (height) *height = bitmap.height;
    CopyBitmap(surface, &bitmap, 0, 0, 0, 0);
    return surface;
}

} // namespace kitDraw
