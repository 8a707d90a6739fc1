#pragma once
// Screen state of kitDraw: the device, the primary surface and back buffer,
// the one clip rectangle, and the pixel-format values and blend tables every
// software blitter reads.
#include <cstdint>

#include "platform/surface.h"

namespace plat {
struct Display;
struct Guid;
} // namespace plat

// Device and surfaces.
extern plat::Display* directDraw;
extern plat::Surface* primarySurface;
extern plat::Surface* backBuffer;
extern void* screenClipper;
extern int32_t screenWidth, screenHeight;
extern int32_t displayDepth, fallbackDepth1, fallbackDepth2;
extern int32_t fullScreen;
extern plat::Rect presentRect, presentSourceRect;
extern uint32_t hwStretch;
extern int32_t deviceChosen;
extern int32_t clipLeft, clipTop, clipRight, clipBottom;
extern int32_t clipCursorAtStart;

// Pixel format values, written once at start-up.
extern uint32_t redMask, greenMask, blueMask;
extern uint16_t redShift, greenShift, blueShift;
extern uint32_t redBits, greenBits, blueBits;
extern uint16_t redShift5, greenShift5, blueShift5;
extern uint32_t halfMask, halfMask2, colorMask;

// Tables.
extern int32_t sineTable[450];
extern uint8_t pixelDecodeTable[65536][3];
extern uint16_t additiveTable[3][32][32][32];
extern uint16_t subtractiveTable[3][32][32];
extern uint16_t mixTable[3][32][32][32];
extern uint16_t thirdTable[94];
extern uint8_t noiseTable[10000];
extern double twoPi; // 2π in double: every angle built from it is computed in double

namespace kitDraw {
// Brings the screen up: device, display mode (width x height, 16 bits),
// primary surface, back buffer, library images 0..3, pixel format and tables,
// then sound, music, system state, fonts and joystick. memoryMode 1..3 picks
// the surfaces' memory (the game passes 2). Returns 1, or 0 after an error
// report (whatever was made so far stays).
int32_t Screen(int32_t width, int32_t height, int32_t memoryMode);
// Gives every drawing resource back and restores the display mode.
void Release();
// Device enumeration callback: keeps the first driver with 3D and textures.
bool SelectDevice(const plat::Guid* guid, const char* description, const char* driverName, void* context);
// Depth of the display mode and two fallbacks (0 = none); before Screen.
void SetDisplayDepths(int32_t depth, int32_t fallback1, int32_t fallback2);
void SetClip(int32_t left, int32_t top, int32_t right, int32_t bottom);
// Derives the shifts, bits and masks from the three channel masks.
void SetPixelFormat(uint32_t red, uint32_t green, uint32_t blue);
void BuildSineTable();
// Decode, mix, additive, subtractive, third and noise tables, in that order
// (the noise table draws from the game's random stream).
void BuildBlendTables();
// A pixel value from 5-bit channel values, through the 5-bit shifts.
inline uint16_t Pack5(uint32_t r, uint32_t g, uint32_t b) {
    return uint16_t((r << redShift5) | (g << greenShift5) | (b << blueShift5));
}
} // namespace kitDraw
