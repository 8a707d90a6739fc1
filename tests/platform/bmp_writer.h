#pragma once
// Writes BMP files for the tests: any header size, bit depth, compression,
// palette and masks, so every format the decoder knows (and broken variants
// of each) can be made on the spot.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace testbmp {

using Rgb = std::array<uint8_t, 3>;

struct Spec {
    int32_t width = 1;
    int32_t height = 1; // negative: rows stored top-down
    uint16_t bpp = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40; // 12, 40, 52, 56, 64, 108 or 124
    std::vector<Rgb> palette;
    uint32_t clrUsed = 0;
    std::vector<uint32_t> masks; // after a 40-byte header, inside the longer ones
    std::vector<uint8_t> pixels; // stored pixel data
    int64_t offBitsOverride = -1;
};

inline void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

inline std::vector<uint8_t> Build(const Spec& s) {
    std::vector<uint8_t> info;
    if (s.headerSize == 12) {
        Put32(info, 12);
        Put16(info, uint32_t(s.width));
        Put16(info, uint32_t(s.height));
        Put16(info, 1);
        Put16(info, s.bpp);
    } else {
        Put32(info, s.headerSize);
        Put32(info, uint32_t(s.width));
        Put32(info, uint32_t(s.height));
        Put16(info, 1);
        Put16(info, s.bpp);
        Put32(info, s.compression);
        Put32(info, uint32_t(s.pixels.size()));
        Put32(info, 2835);
        Put32(info, 2835);
        Put32(info, s.clrUsed);
        Put32(info, 0);
        const bool inHeader = s.headerSize != 40 && s.headerSize != 64;
        if (inHeader)
            for (size_t i = 0; i < 3; ++i)
                Put32(info, i < s.masks.size() ? s.masks[i] : 0);
        while (info.size() < s.headerSize)
            info.push_back(0);
        if (!inHeader)
            for (uint32_t m : s.masks)
                Put32(info, m);
    }
    for (const Rgb& c : s.palette) {
        info.push_back(c[2]);
        info.push_back(c[1]);
        info.push_back(c[0]);
        if (s.headerSize != 12) info.push_back(0);
    }
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    const uint32_t offBits =
        s.offBitsOverride >= 0 ? uint32_t(s.offBitsOverride) : uint32_t(14 + info.size());
    Put32(out, uint32_t(14 + info.size() + s.pixels.size()));
    Put32(out, 0);
    Put32(out, offBits);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

// Uncompressed pixel data in file order (bottom row first unless topDown),
// each row padded to 4 bytes; value(x, y) gives the stored value of a pixel
// (an index, a 16- or 32-bit word, or 0xRRGGBB for 24 bits).
inline std::vector<uint8_t> Rows(int32_t w, int32_t h, int bpp, bool topDown,
                                 const std::function<uint32_t(int32_t, int32_t)>& value) {
    const size_t stride = ((size_t(w) * size_t(bpp) + 31) / 32) * 4;
    std::vector<uint8_t> data(stride * size_t(h), 0);
    for (int32_t fileRow = 0; fileRow < h; ++fileRow) {
        const int32_t y = topDown ? fileRow : h - 1 - fileRow;
        uint8_t* row = data.data() + stride * size_t(fileRow);
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t v = value(x, y);
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                const size_t bit = size_t(x) * size_t(bpp);
                row[bit / 8] |= uint8_t(v << (8 - bpp - int(bit % 8)));
                break;
            }
            case 16:
                row[x * 2] = uint8_t(v);
                row[x * 2 + 1] = uint8_t(v >> 8);
                break;
            case 24:
                row[x * 3] = uint8_t(v);           // blue
                row[x * 3 + 1] = uint8_t(v >> 8);  // green
                row[x * 3 + 2] = uint8_t(v >> 16); // red
                break;
            case 32:
                for (int i = 0; i < 4; ++i)
                    row[size_t(x) * 4 + size_t(i)] = uint8_t(v >> (8 * i));
                break;
            }
        }
    }
    return data;
}

// A 24-bit picture; colour(x, y) returns 0xRRGGBB.
inline std::vector<uint8_t> Picture24(int32_t w, int32_t h,
                                      const std::function<uint32_t(int32_t, int32_t)>& colour,
                                      bool topDown = false) {
    Spec s;
    s.width = w;
    s.height = topDown ? -h : h;
    s.bpp = 24;
    s.pixels = Rows(w, h, 24, topDown, colour);
    return Build(s);
}

} // namespace testbmp
