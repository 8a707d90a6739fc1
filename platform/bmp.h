#pragma once
// BMP files: a decoder to 24-bit RGB (what loading a bitmap gives the drawing
// code), and the conversion of RGB pictures to a surface's 16-bit pixels the
// way the display driver does it: low bits are dropped, so colours darker than
// one 16-bit step become 0, the transparent key.
//
// Every size, offset, palette index and run is checked against the file
// before it is used; nothing is allocated that the file cannot justify.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

struct BmpImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb; // top row first, 3 bytes per pixel: R, G, B
};

// Largest side a bitmap may have (the largest surface there is).
constexpr int32_t kBmpMaxSide = 16384;

// Decodes a whole BMP file: 1-, 4- and 8-bit palettised, RLE4 and RLE8,
// 16- and 32-bit (plain or with bit fields), 24-bit; rows stored bottom-up
// or top-down. Returns false for anything missing, truncated or malformed,
// and leaves `out` empty then.
bool DecodeBmp(const uint8_t* data, size_t size, BmpImage& out);
// Reads a BMP file (found case-insensitively) into 0x00RRGGBB pixels, top row
// first. False when the file is missing or not a picture we can decode.
bool ReadBmpRgb(const std::string& path, int32_t& width, int32_t& height, std::vector<uint32_t>& rgb);

// A 16-bit pixel of the format from 8-bit channels (low bits dropped).
inline uint16_t RgbToPixel(PixelFormat f, uint8_t r, uint8_t g, uint8_t b) {
    if (f == PixelFormat::RGB555) return uint16_t(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
    return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// The same from a COLORREF (0x00BBGGRR).
inline uint16_t ColorRefToPixel(PixelFormat f, uint32_t colorRef) {
    return RgbToPixel(f, uint8_t(colorRef), uint8_t(colorRef >> 8), uint8_t(colorRef >> 16));
}

// Copies the source rectangle (sx, sy, sw, sh) of the picture onto the whole
// surface, scaled by nearest pixel when the sizes differ (sw or sh 0: the
// picture's own size). Source pixels outside the picture read as black.
// Fails on a null or lost surface or a null picture.
int32_t StretchRgbToSurface(Surface* dst, const BmpImage& src, int32_t sx, int32_t sy, int32_t sw,
                            int32_t sh);

} // namespace plat
