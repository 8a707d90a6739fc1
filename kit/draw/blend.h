#pragma once
// Software blending blits: the source image and the back buffer are locked and
// every non-black source pixel is combined with the pixel under it. Each
// returns 1 when it drew or had nothing to draw, 0 when a lock failed. A source
// pixel of value 0 is skipped; the image's colour key is not consulted.
#include <cstdint>

// The rolling drum's turn, kept from one call to the next (BlitRollOpaque).
extern float rollPhase;

// Additive glow: each 5-bit channel saturates at 31 on its own.
int32_t BlitAdditive(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom);
// 50 % mix: ((s >> 1) & halfMask) + ((d >> 1) & halfMask).
int32_t BlitHalfTranslucent(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                            int32_t bottom);

int32_t BlitAlpha(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top, int32_t right,
                  int32_t bottom);
int32_t BlitAlphaRGB(int32_t x, int32_t y, float aR, float aG, float aB, int32_t img, int32_t left,
                     int32_t top, int32_t right, int32_t bottom);
int32_t BlitAlphaFade(int32_t x, int32_t y, float aR, float aG, float aB, int32_t direction, int32_t start,
                      int32_t every, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitMix(int32_t x, int32_t y, int32_t level, int32_t img, int32_t left, int32_t top, int32_t right,
                int32_t bottom);
int32_t BlitMixRGB(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t img,
                   int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitMixFade(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t direction,
                    int32_t start, int32_t every, int32_t img, int32_t left, int32_t top, int32_t right,
                    int32_t bottom);
int32_t BlitAdditiveLevel(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top,
                          int32_t right, int32_t bottom);
int32_t BlitSubtractive(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                        int32_t bottom);
int32_t BlitSubtractiveLevel(int32_t x, int32_t y, int32_t level, int32_t img, int32_t left, int32_t top,
                             int32_t right, int32_t bottom);
int32_t BlitSubtractiveRGB(int32_t x, int32_t y, int32_t levelR, int32_t levelG, int32_t levelB, int32_t img,
                           int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitScaleColour(int32_t x, int32_t y, float factor, int32_t img, int32_t left, int32_t top,
                        int32_t right, int32_t bottom);
int32_t BlitScaleColourRGB(int32_t x, int32_t y, float fR, float fG, float fB, int32_t img, int32_t left,
                           int32_t top, int32_t right, int32_t bottom);
int32_t BlitChannelMask(int32_t x, int32_t y, int32_t keepR, int32_t keepG, int32_t keepB, int32_t img,
                        int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitGrey(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t BlitEdgeSoften(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom);
int32_t BlitBlur(int32_t x, int32_t y, int32_t size, int32_t img, int32_t left, int32_t top, int32_t right,
                 int32_t bottom);
int32_t BlitDisplace(int32_t x, int32_t y, float a, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom);
int32_t BlitKeyedMirror(int32_t x, int32_t y, int32_t mode, int32_t img, int32_t left, int32_t top,
                        int32_t right, int32_t bottom);
int32_t BlitSmear(int32_t x, int32_t y, int32_t mode, int32_t edge, int32_t img, int32_t left, int32_t top,
                  int32_t right, int32_t bottom);

// Row effects, drawn row by row through BlitKeyed / BlitOpaque.
void BlitRowSkip(int32_t x, int32_t y, int32_t step, int32_t img, int32_t left, int32_t top, int32_t right,
                 int32_t bottom);
void BlitRowJitter(int32_t x, int32_t y, int32_t amount, int32_t img, int32_t left, int32_t top,
                   int32_t right, int32_t bottom);
void BlitRollOpaque(int32_t x, int32_t y, int32_t direction, float speed, int32_t img, int32_t left,
                    int32_t top, int32_t right, int32_t bottom);
