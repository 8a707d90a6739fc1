#pragma once
// Rotated blits: a rectangle of an image turned by whole degrees into a
// destination box (x1, y1)-(x2, y2) on the back buffer, right and bottom
// exclusive, black transparent. Every destination pixel is mapped back into
// the source through the sine table, so the picture has no holes. Any angle
// is accepted and taken modulo 360. Each returns 1 when it drew or had
// nothing to draw, 0 when a lock failed.
#include <cstdint>

int32_t BlitRotated(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img, int32_t left,
                    int32_t top, int32_t right, int32_t bottom);
// The picture repeated (and mirrored about the source origin) over the whole box.
int32_t BlitRotatedTiled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t img,
                         int32_t left, int32_t top, int32_t right, int32_t bottom);
// A scale above 1 enlarges the picture.
int32_t BlitRotatedScaled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scale,
                          int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitRotatedScaledTiled(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scale,
                               int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
// Tiled with per-axis scales that grow by a step after every row (a receding
// floor), and each channel weighted by a factor.
int32_t BlitRotatedPerspective(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, float scaleX,
                               float stepX, float scaleY, float stepY, float factorR, float factorG,
                               float factorB, int32_t img, int32_t left, int32_t top, int32_t right,
                               int32_t bottom);
// A ripple distortion; no angle.
int32_t BlitRipple(int32_t x, int32_t y, int32_t amplitude, int32_t frequency, int32_t step, float scale,
                   float shear, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);

// Any whole-degree angle brought into 0..359.
inline int32_t NormaliseAngle(int32_t angle) {
    int32_t a = angle % 360;
    return a < 0 ? a + 360 : a;
}
