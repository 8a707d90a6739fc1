#include "kit/draw/stretch.h"
#include "kit/draw/draw_observer.h"
#include "kit/system/fint.h"

#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "platform/gdi.h"

#include <algorithm>

namespace {

void Stretch(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom,
             int32_t w, int32_t h, bool keyed) {
    ImageRecord* rec = ImageAt(img);
    plat::Surface* src = rec ? rec->surface : nullptr;
    if (hwStretch == 1) {
        static plat::Rect dstRect, srcRect;
        dstRect = {x, y, Sat32(int64_t(x) + w), Sat32(int64_t(y) + h)};
        srcRect = {left, top, right, bottom};
        if (!src || !backBuffer) return;
        if (plat::BltStretch(backBuffer, dstRect, src, srcRect, keyed) == plat::kErrSurfaceLost)
            kitDraw::Restore();
        return;
    }
    // No picture to scale: draw nothing rather than what the scratch image
    // still holds from the last stretch.
    if (!src) return;
    // Scale into the scratch image's top-left corner, then draw it from there.
    ImageRecord* scratch = ImageAt(0);
    plat::DC* scratchDC = plat::GetDC(scratch->surface);
    plat::DC* srcDC = plat::GetDC(src);
    plat::StretchBlt(scratchDC, 0, 0, w, h, srcDC, left, top, Sat32(int64_t(right) - left),
                     Sat32(int64_t(bottom) - top));
    if (scratchDC) plat::ReleaseDC(scratch->surface, scratchDC);
    if (srcDC) plat::ReleaseDC(src, srcDC);
    if (keyed)
        BlitKeyed(x, y, 0, 0, 0, w, h);
    else
        BlitOpaque(x, y, 0, 0, 0, w, h);
}

} // namespace

void BlitStretchKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t w, int32_t h) {
    ObserveDraw({DrawKind::StretchKeyed, img, x, y, left, top, right, bottom, w, h, 0});
    Stretch(x, y, img, left, top, right, bottom, w, h, true);
}

void BlitStretchOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, int32_t w, int32_t h) {
    Stretch(x, y, img, left, top, right, bottom, w, h, false);
}
