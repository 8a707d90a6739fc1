#pragma once
// Stretched blits: a source rectangle drawn scaled to w x h at (x, y). With
// hwStretch set the surfaces' own stretched copy is used (not clipped to the
// play field; a destination leaving the back buffer draws nothing); otherwise
// the picture is scaled into the scratch image (slot 0) and drawn from there
// with BlitKeyed / BlitOpaque, clipped like every other sprite.
#include <cstdint>

void BlitStretchKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t w, int32_t h);
void BlitStretchOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, int32_t w, int32_t h);
