#include "harness/reset_globals.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

using BltFastRows = FreshGlobals;

// The row kernels behind BltFast against the one-pixel rule, for every row
// width from 1 to 40 (whole groups of eight, fours and single tails).
TEST_F(BltFastRows, KeyedAndPlainCopiesOfEveryWidth) {
    plat::SetPixelFormatForTests(plat::PixelFormat::RGB565);
    plat::SetPitchPaddingForTests(6);
    plat::Surface* src = plat::CreateSurface(40, 3);
    plat::Surface* dst = plat::CreateSurface(50, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 40; ++x)
            src->Row(y)[x] = uint16_t((x * 37 + y * 11) % 5 == 0 ? 0x0F0F : 0x1000 + x + y);
    plat::SetColorKey(src, 0x0F0F);
    for (int keyed = 0; keyed < 2; ++keyed)
        for (int32_t w = 1; w <= 40; ++w) {
            plat::FillRect(dst, nullptr, 0x5555);
            ASSERT_EQ(plat::BltFast(dst, 3, 0, src, plat::Rect{40 - w, 0, 40, 3}, keyed != 0), plat::kOk);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 50; ++x) {
                    uint16_t want = 0x5555;
                    if (x >= 3 && x < 3 + w) {
                        const uint16_t s = src->Row(y)[40 - w + x - 3];
                        want = keyed && s == 0x0F0F ? 0x5555 : s;
                    }
                    ASSERT_EQ(dst->Row(y)[x], want) << keyed << " " << w << " " << x << "," << y;
                }
        }
    plat::SetPitchPaddingForTests(0);
    plat::DestroySurface(src);
    plat::DestroySurface(dst);
}
