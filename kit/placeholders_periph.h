#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "platform/surface.h"

// Frame timer: seconds of the last frame.
extern float frameDt;
// kitSystem: a library dialog owns the keyboard.
extern int32_t dialogMode;

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
