#pragma once
// Pixel effects that rewrite a rectangle of the back buffer in place, after the
// scene is drawn: rising smoke and flame smears, a four-neighbour blur, pixel
// zoom, a round mosaic and additive noise. Each returns 1, or 0 when the back
// buffer cannot be locked (nothing drawn). Rectangles are (x, y, w, h); only
// the pixels on the back buffer are touched.
#include <cstdint>

// Read positions in noiseTable and the smear counters, kept between calls.
extern int32_t riseSmearNoise, riseSmearCounter;
extern int32_t riseSmearFadeNoise, riseSmearFadeCounter;
extern int32_t noiseAddNoise, noiseAddRGBNoise;

int32_t RiseSmear(int32_t x, int32_t y, int32_t w, int32_t h);
int32_t RiseSmearFade(int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x, int32_t y, int32_t w,
                      int32_t h);
int32_t Blur4(int32_t x, int32_t y, int32_t w, int32_t h);
int32_t Blur4Fade(int32_t fadeR, int32_t fadeG, int32_t fadeB, int32_t x, int32_t y, int32_t w, int32_t h);
// Enlarged copies through image 0; dots not 0 leaves gaps between the enlarged pixels.
int32_t Zoom2(int32_t x, int32_t y, int32_t w, int32_t h, int32_t dots);
int32_t Zoom4(int32_t x, int32_t y, int32_t w, int32_t h, int32_t dots);
// A cell of 0 or less is refused (0).
int32_t RoundMosaic(int32_t cx, int32_t cy, int32_t radius, int32_t cell);
int32_t NoiseAdd(int32_t shift, int32_t x, int32_t y, int32_t w, int32_t h);
int32_t NoiseAddRGB(int32_t addR, int32_t addG, int32_t addB, int32_t shift, int32_t x, int32_t y, int32_t w,
                    int32_t h);
