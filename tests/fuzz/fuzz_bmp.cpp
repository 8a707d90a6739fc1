// Feeds arbitrary bytes to the BMP decoder. Whatever the input, decoding must
// not crash or read outside the buffer, and a picture it accepts must be
// consistent and convertible to a surface.
#include "platform/bmp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plat::BmpImage img;
    if (!plat::DecodeBmp(data, size, img)) {
        if (img.width != 0 || img.height != 0 || !img.rgb.empty()) std::abort();
        return 0;
    }
    if (img.width <= 0 || img.height <= 0 || img.width > plat::kBmpMaxSide || img.height > plat::kBmpMaxSide)
        std::abort();
    if (img.rgb.size() != size_t(img.width) * size_t(img.height) * 3) std::abort();
    // Convert small pictures as the loader would (large ones only cost time).
    if (size_t(img.width) * size_t(img.height) <= 65536) {
        plat::Surface* s = plat::CreateSurface(img.width, img.height);
        if (!s || plat::StretchRgbToSurface(s, img, 0, 0, 0, 0) != plat::kOk) std::abort();
        plat::DestroySurface(s);
    }
    return 0;
}
