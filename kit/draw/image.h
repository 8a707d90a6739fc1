#pragma once
// The image table: 500 slots, each one picture in its own surface. An image
// handle is an index into it. Slots 0..3 belong to the library (0 scratch,
// 1 screen snapshot for the wipes, 2 and 3 text buffers).
#include <cstdint>

#include "platform/surface.h"

struct ImageRecord {
    plat::Surface* surface;
    char name[32]; // name[0] == 0: free slot; "*": made by CreateObject
    int32_t fromPack;
    int32_t reloadMode;
    uint32_t colorKey; // COLORREF; 0xFFFFFFFF = the top-left pixel's colour
    uint16_t width;
    uint16_t height;
};

constexpr int kImageSlots = 500;
extern ImageRecord imageTable[kImageSlots];
extern uint32_t keyColor;
extern int32_t keyTopLeft;

// The record of a handle, or null when the handle is outside 0..499.
inline ImageRecord* ImageAt(int32_t handle) {
    return handle >= 0 && handle < kImageSlots ? &imageTable[handle] : nullptr;
}
