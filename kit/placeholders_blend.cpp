// Minimal stand-ins; the real ones live with the image loading, the blits and
// the frame timer.
#include "kit/placeholders_blend.h"

#include "kit/draw/image.h"
#include "kit/draw/screen.h"

float frameDt = 0.0f;
uint32_t startTime = 0;

static void CopyClipped(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                        int32_t bottom, bool keyed) {
    ImageRecord* rec = ImageAt(img);
    if (!rec || !rec->surface || !backBuffer) return;
    if (int64_t(x) + (int64_t(right) - left) > clipRight) right = int32_t(int64_t(clipRight) - x + left);
    if (int64_t(y) + (int64_t(bottom) - top) > clipBottom) bottom = int32_t(int64_t(clipBottom) - y + top);
    if (x < clipLeft) {
        left += clipLeft - x;
        x = clipLeft;
    }
    if (y < clipTop) {
        top += clipTop - y;
        y = clipTop;
    }
    if (right < left || bottom < top) return;
    plat::Rect r{left, top, right, bottom};
    if (plat::BltFast(backBuffer, x, y, rec->surface, r, keyed) == plat::kErrSurfaceLost) kitDraw::Restore();
}

void BlitKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    CopyClipped(x, y, img, left, top, right, bottom, true);
}

void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    CopyClipped(x, y, img, left, top, right, bottom, false);
}

namespace kitDraw {
void Restore() {
    plat::Restore(primarySurface);
    plat::Restore(backBuffer);
    for (auto& rec : imageTable)
        if (rec.surface) plat::Restore(rec.surface);
}

int32_t ClearImage(int32_t slot) {
    ImageRecord* rec = ImageAt(slot);
    if (!rec || !rec->surface) return plat::kErrInvalidParams;
    plat::Rect r{0, 0, rec->width, rec->height};
    return plat::FillRect(rec->surface, &r, 0);
}
} // namespace kitDraw
