#include "platform/bmp.h"

#include "platform/files.h"
#include "platform/reader.h"

#include <algorithm>
#include <bit>
#include <new>

namespace plat {
namespace {

enum : uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6 };

// An RLE picture may skip pixels, so its size is not bounded by its data the
// way a plain one is. A run of two bytes draws at most 255 pixels; allowing
// 256 pixels per byte of data keeps every honest picture and refuses a few
// bytes that claim a gigantic blank image.
constexpr uint64_t kRlePixelsPerByte = 256;

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0; // mask >> shift
};

bool MakeChannel(uint32_t mask, int bpp, Channel& c) {
    c = {};
    if (mask == 0) return true; // channel reads as 0
    if (bpp < 32 && (mask >> bpp) != 0) return false;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.max = mask >> c.shift;
    return (c.max & (c.max + 1)) == 0; // contiguous bits only
}

inline uint8_t Expand(const Channel& c, uint32_t v) {
    if (c.max == 0) return 0;
    const uint64_t x = (v & c.mask) >> c.shift;
    return uint8_t((x * 255 + c.max / 2) / c.max);
}

struct Palette {
    uint8_t rgb[256][3];
    uint32_t count = 0;
};

class Painter {
  public:
    Painter(BmpImage& img, bool bottomUp) : img_(img), bottomUp_(bottomUp) {}
    uint8_t* At(int32_t x, int32_t fileRow) {
        const int32_t y = bottomUp_ ? img_.height - 1 - fileRow : fileRow;
        return img_.rgb.data() + (size_t(y) * size_t(img_.width) + size_t(x)) * 3;
    }
    bool PutIndex(int32_t x, int32_t fileRow, uint32_t index, const Palette& pal) {
        if (index >= pal.count) return false;
        uint8_t* p = At(x, fileRow);
        p[0] = pal.rgb[index][0];
        p[1] = pal.rgb[index][1];
        p[2] = pal.rgb[index][2];
        return true;
    }

  private:
    BmpImage& img_;
    bool bottomUp_;
};

bool DecodePlain(Reader& r, int bpp, const Palette& pal, const Channel* ch, BmpImage& img, bool bottomUp) {
    const uint64_t w = uint64_t(img.width);
    const uint64_t stride = ((w * uint64_t(bpp) + 31) / 32) * 4;
    const uint64_t rowBytes = (w * uint64_t(bpp) + 7) / 8;
    // The last row's padding may be missing; every byte of every pixel may not.
    const uint64_t need = stride * uint64_t(img.height - 1) + rowBytes;
    if (need > r.remaining()) return false;
    img.rgb.resize(size_t(w) * size_t(img.height) * 3);
    Painter paint(img, bottomUp);
    const size_t rowStart = r.pos();
    for (int32_t row = 0; row < img.height; ++row) {
        if (!r.seek(rowStart + size_t(stride) * size_t(row))) return false;
        const uint8_t* s = r.take(size_t(rowBytes));
        if (!s) return false;
        for (int32_t x = 0; x < img.width; ++x) {
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                const size_t bit = size_t(x) * size_t(bpp);
                const uint32_t byte = s[bit / 8];
                const uint32_t index = (byte >> (8 - bpp - int(bit % 8))) & ((1u << bpp) - 1);
                if (!paint.PutIndex(x, row, index, pal)) return false;
                break;
            }
            case 16: {
                const uint32_t v = uint32_t(s[x * 2]) | (uint32_t(s[x * 2 + 1]) << 8);
                uint8_t* p = paint.At(x, row);
                p[0] = Expand(ch[0], v);
                p[1] = Expand(ch[1], v);
                p[2] = Expand(ch[2], v);
                break;
            }
            case 24: {
                uint8_t* p = paint.At(x, row);
                p[0] = s[x * 3 + 2];
                p[1] = s[x * 3 + 1];
                p[2] = s[x * 3];
                break;
            }
            case 32: {
                const uint8_t* q = s + size_t(x) * 4;
                const uint32_t v =
                    uint32_t(q[0]) | (uint32_t(q[1]) << 8) | (uint32_t(q[2]) << 16) | (uint32_t(q[3]) << 24);
                uint8_t* p = paint.At(x, row);
                p[0] = Expand(ch[0], v);
                p[1] = Expand(ch[1], v);
                p[2] = Expand(ch[2], v);
                break;
            }
            default:
                return false;
            }
        }
    }
    return true;
}

// RLE8 and RLE4, always stored bottom-up. Pixels the runs skip stay black.
// Some writers let a row's runs go on past its end (into the padding of a
// plain row); what lies inside the row is drawn and the rest dropped.
bool DecodeRle(Reader& r, bool four, const Palette& pal, BmpImage& img) {
    const uint64_t pixels = uint64_t(img.width) * uint64_t(img.height);
    if (pixels > uint64_t(r.remaining()) * kRlePixelsPerByte) return false;
    img.rgb.assign(size_t(pixels) * 3, 0);
    Painter paint(img, true);
    const int32_t w = img.width;
    const int32_t h = img.height;
    int32_t x = 0;
    int32_t y = 0;
    for (;;) {
        const uint32_t a = r.u8();
        const uint32_t b = r.u8();
        if (!r.ok()) return false; // data ended before the picture did
        if (a > 0) {
            // Encoded run: a pixels of one index (RLE4: two alternating nibbles).
            for (uint32_t i = 0; i < a && x < w; ++i) {
                const uint32_t index = four ? ((i & 1) ? (b & 15) : (b >> 4)) : b;
                if (!paint.PutIndex(x++, y, index, pal)) return false;
            }
        } else if (b == 0) { // end of line
            x = 0;
            if (++y >= h) return true;
        } else if (b == 1) { // end of bitmap
            return true;
        } else if (b == 2) { // delta
            const uint32_t dx = r.u8();
            const uint32_t dy = r.u8();
            if (!r.ok()) return false;
            x += int32_t(dx);
            y += int32_t(dy);
            if (x > w || y > h) return false;
            if (y == h) return true; // moved past the last row: nothing left to draw
        } else {                     // absolute run of b pixels, padded to a 16-bit boundary
            const size_t bytes = four ? ((b + 3) / 4) * 2 : ((b + 1) / 2) * 2;
            const uint8_t* s = r.take(bytes);
            if (!s) return false;
            for (uint32_t i = 0; i < b && x < w; ++i) {
                const uint32_t index = four ? ((i & 1) ? (s[i / 2] & 15) : (s[i / 2] >> 4)) : s[i];
                if (!paint.PutIndex(x++, y, index, pal)) return false;
            }
        }
    }
}

bool Decode(const uint8_t* data, size_t size, BmpImage& out) {
    Reader r(data, size);
    if (r.u8() != 'B' || r.u8() != 'M') return false;
    r.u32(); // file size: writers get it wrong, the real size is known
    r.u32(); // reserved
    const uint32_t offBits = r.u32();
    const uint32_t hdrSize = r.u32();
    if (!r.ok()) return false;

    int64_t width = 0, height = 0;
    uint32_t bpp = 0, compression = kBiRgb, clrUsed = 0;
    uint32_t masks[3] = {0, 0, 0};
    bool masksInHeader = false;
    const bool core = hdrSize == 12;
    if (core) {
        width = r.u16();
        height = r.u16();
        r.u16(); // planes
        bpp = r.u16();
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return false;
    } else if (hdrSize == 40 || hdrSize == 52 || hdrSize == 56 || hdrSize == 64 || hdrSize == 108 ||
               hdrSize == 124) {
        width = r.i32();
        height = r.i32();
        r.u16(); // planes
        bpp = r.u16();
        compression = r.u32();
        r.u32(); // image size
        r.u32(); // resolution
        r.u32();
        clrUsed = r.u32();
        r.u32(); // important colours
        if (hdrSize != 40 && hdrSize != 64) {
            masks[0] = r.u32();
            masks[1] = r.u32();
            masks[2] = r.u32();
            masksInHeader = true;
        }
        // The OS/2 header's compression 3 and 4 mean Huffman and RLE24, which
        // nobody draws with.
        if (hdrSize == 64 && compression > kBiRle4) return false;
    } else {
        return false;
    }
    if (!r.ok()) return false;

    const bool bottomUp = height > 0;
    const int64_t absHeight = height < 0 ? -height : height;
    if (width <= 0 || width > kBmpMaxSide || absHeight == 0 || absHeight > kBmpMaxSide) return false;

    const bool fields = compression == kBiBitfields || compression == kBiAlphaBitfields;
    switch (compression) {
    case kBiRgb:
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
        break;
    case kBiRle8:
        if (bpp != 8 || !bottomUp) return false;
        break;
    case kBiRle4:
        if (bpp != 4 || !bottomUp) return false;
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (bpp != 16 && bpp != 32) return false;
        break;
    default:
        return false;
    }

    // After the header: the masks of a plain info header, then the palette.
    size_t tableStart = 14 + size_t(hdrSize);
    if (!r.seek(tableStart)) return false;
    if (fields && !masksInHeader) {
        masks[0] = r.u32();
        masks[1] = r.u32();
        masks[2] = r.u32();
        tableStart += compression == kBiAlphaBitfields ? 16 : 12;
    }
    if (!fields) {
        if (bpp == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else if (bpp == 32) {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    }
    Channel ch[3];
    if (bpp == 16 || bpp == 32)
        for (int i = 0; i < 3; ++i)
            if (!MakeChannel(masks[i], int(bpp), ch[i])) return false;

    Palette pal;
    if (bpp <= 8) {
        const uint32_t full = 1u << bpp;
        const size_t entry = core ? 3 : 4;
        uint32_t count = full;
        if (core) {
            // The old header has no count: the palette runs up to the pixels.
            if (offBits < tableStart) return false;
            count = uint32_t(std::min<size_t>(full, (offBits - tableStart) / entry));
        } else if (clrUsed != 0) {
            count = std::min(clrUsed, full);
        }
        if (!r.seek(tableStart)) return false;
        const uint8_t* t = r.take(size_t(count) * entry);
        if (!t) return false;
        for (uint32_t i = 0; i < count; ++i) {
            pal.rgb[i][0] = t[i * entry + 2];
            pal.rgb[i][1] = t[i * entry + 1];
            pal.rgb[i][2] = t[i * entry];
        }
        pal.count = count;
    }

    if (offBits < tableStart || offBits > size) return false;
    if (!r.seek(offBits)) return false;
    out.width = int32_t(width);
    out.height = int32_t(absHeight);
    if (compression == kBiRle8 || compression == kBiRle4)
        return DecodeRle(r, compression == kBiRle4, pal, out);
    return DecodePlain(r, int(bpp), pal, ch, out, bottomUp);
}

} // namespace

bool DecodeBmp(const uint8_t* data, size_t size, BmpImage& out) {
    out = BmpImage{};
    if (!data || size == 0) return false;
    bool ok = false;
    try {
        ok = Decode(data, size, out);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) out = BmpImage{};
    return ok;
}

int32_t StretchRgbToSurface(Surface* dst, const BmpImage& src, int32_t sx, int32_t sy, int32_t sw,
                            int32_t sh) {
    if (!dst || src.width <= 0 || src.height <= 0) return kErrGeneric;
    if (sw == 0 || sh == 0) {
        sw = src.width;
        sh = src.height;
    }
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;
    const int32_t rc = Lock(dst, &pixels, &pitch);
    if (rc != kOk) return rc;
    const PixelFormat f = dst->format;
    for (int32_t y = 0; y < dst->height; ++y) {
        uint16_t* d =
            reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(pixels) + size_t(y) * size_t(pitch));
        const int64_t py = int64_t(sy) + int64_t(y) * sh / dst->height;
        for (int32_t x = 0; x < dst->width; ++x) {
            const int64_t px = int64_t(sx) + int64_t(x) * sw / dst->width;
            if (px < 0 || py < 0 || px >= src.width || py >= src.height) {
                d[x] = 0;
                continue;
            }
            const uint8_t* p = src.rgb.data() + (size_t(py) * size_t(src.width) + size_t(px)) * 3;
            d[x] = RgbToPixel(f, p[0], p[1], p[2]);
        }
    }
    Unlock(dst);
    return kOk;
}

} // namespace plat

namespace plat {
bool ReadBmpRgb(const std::string& path, int32_t& width, int32_t& height, std::vector<uint32_t>& rgb) {
    std::vector<uint8_t> file;
    if (!ReadWholeFile(path, file)) return false;
    BmpImage img;
    if (!DecodeBmp(file.data(), file.size(), img)) return false;
    width = img.width;
    height = img.height;
    rgb.resize(size_t(img.width) * size_t(img.height));
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = uint32_t(img.rgb[3 * i]) << 16 | uint32_t(img.rgb[3 * i + 1]) << 8 | img.rgb[3 * i + 2];
    return true;
}
} // namespace plat
