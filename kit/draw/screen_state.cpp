#include "kit/draw/screen.h"

#include "kit/system/random.h"

#include <cmath>
#include <cstring>

plat::Display* directDraw = nullptr;
plat::Surface* primarySurface = nullptr;
plat::Surface* backBuffer = nullptr;
void* screenClipper = nullptr;
int32_t screenWidth = 0, screenHeight = 0;
int32_t displayDepth = 16, fallbackDepth1 = 0, fallbackDepth2 = 0;
int32_t fullScreen = 0;
plat::Rect presentRect{0, 0, 0, 0}, presentSourceRect{0, 0, 0, 0};
uint32_t hwStretch = 0;
int32_t deviceChosen = 0;
int32_t clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
int32_t clipCursorAtStart = 0;

uint32_t redMask, greenMask, blueMask;
uint16_t redShift, greenShift, blueShift;
uint32_t redBits, greenBits, blueBits;
uint16_t redShift5, greenShift5, blueShift5;
uint32_t halfMask, halfMask2, colorMask;

int32_t sineTable[450];
uint8_t pixelDecodeTable[65536][3];
uint16_t additiveTable[3][32][32][32];
uint16_t subtractiveTable[3][32][32];
uint16_t mixTable[3][32][32][32];
uint16_t thirdTable[94];
uint8_t noiseTable[10000];
double twoPi = 2.0 * 3.141592653589793;

namespace kitDraw {

void SetClip(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    clipLeft = left;
    clipTop = top;
    clipRight = right;
    clipBottom = bottom;
}

static void Channel(uint32_t mask, uint16_t& shift, uint32_t& bits, uint16_t& shift5) {
    shift = 0;
    if (mask == 0) {
        bits = 0;
        shift5 = 0;
        return;
    }
    while ((mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    bits = mask;
    shift5 = uint16_t(shift + (bits == 0x3F ? 1 : 0));
}

void SetPixelFormat(uint32_t red, uint32_t green, uint32_t blue) {
    redMask = red;
    greenMask = green;
    blueMask = blue;
    Channel(red, redShift, redBits, redShift5);
    Channel(green, greenShift, greenBits, greenShift5);
    Channel(blue, blueShift, blueBits, blueShift5);
    halfMask =
        ((redBits >> 1) << redShift) | ((greenBits >> 1) << greenShift) | ((blueBits >> 1) << blueShift);
    halfMask2 = halfMask | (halfMask << 16);
    colorMask = redMask | greenMask | blueMask;
}

void BuildSineTable() {
    for (int i = 0; i < 450; ++i)
        sineTable[i] = int32_t(std::sin(2.0 * 3.14159265358979323846 * i / 360.0) * 360.0);
}

void BuildBlendTables() {
    std::memset(pixelDecodeTable, 0, sizeof pixelDecodeTable);
    for (uint32_t r = 0; r <= redBits; ++r)
        for (uint32_t g = 0; g <= greenBits; ++g)
            for (uint32_t b = 0; b <= blueBits; ++b) {
                uint32_t v = (r << redShift) + (g << greenShift) + b;
                if (v >= 65536) continue;
                pixelDecodeTable[v][0] = uint8_t(redBits == 0x3F ? r >> 1 : r);
                pixelDecodeTable[v][1] = uint8_t(greenBits == 0x3F ? g >> 1 : g);
                pixelDecodeTable[v][2] = uint8_t(blueBits == 0x3F ? b >> 1 : b);
            }
    const uint16_t shifts[3] = {redShift5, greenShift5, blueShift5};
    for (int ch = 0; ch < 3; ++ch)
        for (int level = 0; level < 32; ++level)
            for (int a = 0; a < 32; ++a)
                for (int b = 0; b < 32; ++b) {
                    int v = (a - level > 0 ? a - level : 0) + (b - (31 - level) > 0 ? b - (31 - level) : 0);
                    if (v > 31) v = 31;
                    mixTable[ch][level][a][b] = uint16_t(v << shifts[ch]);
                }
    for (int ch = 0; ch < 3; ++ch)
        for (int level = 0; level < 32; ++level)
            for (int a = 0; a < 32; ++a)
                for (int b = 0; b < 32; ++b) {
                    int v = (a - level > 0 ? a - level : 0) + b;
                    if (v > 31) v = 31;
                    additiveTable[ch][level][a][b] = uint16_t(v << shifts[ch]);
                }
    for (int ch = 0; ch < 3; ++ch)
        for (int a = 0; a < 32; ++a)
            for (int b = 0; b < 32; ++b)
                subtractiveTable[ch][a][b] = uint16_t((a - b > 0 ? a - b : 0) << shifts[ch]);
    for (int n = 0; n < 94; ++n)
        thirdTable[n] = uint16_t(n / 3);
    for (int i = 0; i < 10000; ++i)
        noiseTable[i] = uint8_t(kitSystem::Random() % 3);
}

} // namespace kitDraw
