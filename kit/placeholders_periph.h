#pragma once
// Stand-ins for what the pack, pad and effect code needs from other library
// parts (frame timer, presentation, image loading, blits, system services and
// two file services of the platform). Replaced by the real ones at merge.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

// Frame timer: seconds of the last frame.
extern float frameDt;
// Presentation: frames left of the running wipe (0 = none), page overlay shown.
extern int32_t transitionCounter;
extern int32_t pageOverlayOn;
// kitSystem: a library dialog owns the keyboard.
extern int32_t dialogMode;

namespace kitDraw {
int32_t LoadObject(const char* name, int32_t memoryMode);
int32_t CreateObject(int32_t width, int32_t height, int32_t memoryMode);
void ReleaseObject(int32_t slot);
void Restore();
int32_t SetSurfaceKey(plat::Surface* surface, uint32_t colour);
} // namespace kitDraw

void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);

namespace kitSystem {
// Bits per pixel of the desktop.
int32_t GetColorDepth();
} // namespace kitSystem

namespace plat {
// The full-colour pixels of a BMP file (found case-insensitively), top row
// first, each 0x00RRGGBB. False when the file is missing or not a bitmap.
bool ReadBmpRgb(const std::string& path, int32_t& width, int32_t& height, std::vector<uint32_t>& rgb);
// The names (without folder) of the files in `folder` whose name ends in
// `suffix`, compared case-insensitively; in the order the search returns them.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& suffix);
} // namespace plat
