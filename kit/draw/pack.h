#pragma once
// The image pack: many pictures in one file of raw 15-bit pixels, found by
// name. Entries follow one another with nothing around them:
//   u16 width, u16 height, the upper-case name ended by a 0 byte,
//   width x height u16 pixels 0RRRRRGGGGGBBBBB, top row first.
#include <cstddef>
#include <cstdint>
#include <string>

// Full path of the pack LoadPack and SwapPack read.
extern std::string imagePackPath;

namespace kitDraw {

// imagePackPath := the program directory + name.
void SetPackFile(const char* name);
// Loads the entry `name` (any case) into a new image; its slot, or 0 after an error report.
int32_t LoadPack(const char* name, int32_t memoryMode);
// Replaces the picture of `slot` with the entry `name`; the slot, or 0 after an error report.
int SwapPack(const char* name, int32_t slot, int32_t memoryMode);
// Builds a pack from every BMP file of a folder under the program directory; 1, or 0 after an error report.
int32_t Convert(const char* packName, const char* folder, int32_t deleteFirst);
// Appends one BMP (a path under the program directory) to the pack.
void PackAppend(const char* packName, const char* bmpPath);

// Where an entry's pixels lie in a pack held in memory.
struct PackEntry {
    uint16_t width;
    uint16_t height;
    size_t pixelOffset;
};
enum class PackFind { Found, NotFound, Malformed };
// Longest entry name a pack may hold (without its 0 byte).
constexpr size_t kPackNameMax = 255;
// Walks the entries for `upperName` (compared byte for byte). The first entry
// of that name wins. Malformed: a name longer than kPackNameMax or without its
// 0 byte, or the found entry's pixels run past the end.
PackFind FindPackEntry(const uint8_t* data, size_t size, const char* upperName, PackEntry* out);

} // namespace kitDraw
