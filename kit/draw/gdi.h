#pragma once
// GDI drawing on the back buffer: each call takes the back buffer's device
// context, draws with its own pen or brush and gives everything back. These
// ignore the library's clip rectangle (they are clipped to the back buffer).
// Colours are 0x00BBGGRR values.
#include <cstdint>
#include <string>

#include "platform/gdi.h"

extern plat::DC* backBufferDC;

// Frames-per-second line.
extern int32_t fpsFrames;
extern float fpsValue, fpsMax, fpsMin;
extern std::string fpsText;

// A solid line of the given width (the lightning bolts).
void GdiLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour, int32_t width);

namespace kitDraw {
void SetPixel(int32_t x, int32_t y, uint32_t colour);
// red := value & 255, green := (value >> 8) & 255, blue := (value >> 16) & 255.
void GetPixelRGB(int32_t x, int32_t y, int32_t* red, int32_t* green, int32_t* blue);
void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t fillColour,
               uint32_t penColour, int32_t penWidth);
// fillMode 0 outline only; otherwise a diagonal-cross hatch in colour over
// backColour, whose gaps stay transparent with fillMode 2.
void Polygon(const plat::Point* points, int32_t count, uint32_t colour, uint32_t backColour, int32_t penWidth,
             int32_t fillMode);
void Bezier(const plat::Point* points, int32_t count, uint32_t colour, int32_t width);
void InvertRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
void GetBackDC();
void ReleaseBackDC();
} // namespace kitDraw

// One line of white text on a blue background in the 12-pixel Gothic face.
void DrawTextWhite(int32_t x, int32_t y, const char* text);
void DrawTextPrintf(int32_t x, int32_t y, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The frames-per-second line at (0, 0); call once per frame.
void DrawFps();
// Writes the back buffer's top-left width x height pixels as a 24-bit BMP
// into the program's directory. 1 when the whole file was written, else 0.
int32_t SaveScreenshot(const char* fileName, int32_t width, int32_t height);
