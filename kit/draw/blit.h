#pragma once
// Keyed (black transparent) and opaque copies of an image rectangle onto the
// back buffer or into another image, clipped against the one clip rectangle,
// and the raster effects built on the keyed copy.
//
// Arguments: destination first, then the image handle, then the source
// rectangle with right and bottom exclusive. A handle outside 0..499 or a
// slot without a surface draws nothing, and so does a source rectangle that
// leaves its image. A copy that meets a lost surface repairs every surface
// (kitDraw::Restore) and is not retried: that one draw is missing.
#include <cstdint>

void BlitKeyed(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
void BlitOpaque(int32_t x, int32_t y, int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
void BlitKeyedToImage(int32_t dstImg, int32_t x, int32_t y, int32_t srcImg, int32_t left, int32_t top,
                      int32_t right, int32_t bottom);
void BlitOpaqueToImage(int32_t dstImg, int32_t x, int32_t y, int32_t srcImg, int32_t left, int32_t top,
                       int32_t right, int32_t bottom);

// Rows waved sideways by a cosine; with alternate, every other row goes the
// other way (the sign carries over from call to call).
void BlitWaveRows(int32_t x, int32_t y, int32_t amplitude, int32_t divisor, float speed, int32_t img,
                  int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t alternate);
// The rectangle tiled over the whole screen with a scrolling offset.
void BlitTiledScroll(float speedX, float speedY, int32_t img, int32_t left, int32_t top, int32_t right,
                     int32_t bottom);
// Waved rows with a vertical scroll of the source.
void BlitWaveRowsScroll(int32_t x, int32_t y, int32_t amplitude, int32_t divisor, float phaseSpeed,
                        float scrollSpeed, int32_t img, int32_t left, int32_t top, int32_t right,
                        int32_t bottom);
// Screen rows rowFrom..rowTo-1 filled with waved, tiled, scrolled source rows.
void BlitWaveTiledRows(int32_t rowFrom, int32_t rowTo, int32_t amplitude, int32_t divisor, float phaseSpeed,
                       float scrollSpeed, int32_t img, int32_t left, int32_t top, int32_t right,
                       int32_t bottom);
// Every count-th source row drawn count times.
void BlitRowRepeat(int32_t x, int32_t y, int32_t count, int32_t img, int32_t left, int32_t top, int32_t right,
                   int32_t bottom);

// State the raster effects keep between calls (shared by every caller).
extern float waveRowsPhase;  // degrees
extern int32_t waveRowsSign; // starts at 1
extern float tiledScrollX, tiledScrollY;
extern float waveScrollPhase, waveScrollOffset;
extern float waveTiledPhase, waveTiledOffset;
