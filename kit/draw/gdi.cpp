#include "kit/draw/gdi.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "platform/time.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

plat::DC* backBufferDC = nullptr;

int32_t fpsFrames = 0;
float fpsValue = 0.0f, fpsMax = 0.0f, fpsMin = 999.9f;
std::string fpsText;

namespace {

// The frame of every primitive: the back buffer's context with a pen (and a
// brush) of the call's own, put back and given back at the end.
template <class Draw> void WithBackDC(const plat::Pen& pen, const plat::Brush& brush, Draw draw) {
    plat::DC* dc = plat::GetDC(backBuffer);
    if (!dc) return;
    const plat::Pen oldPen = plat::SelectPen(dc, pen);
    const plat::Brush oldBrush = plat::SelectBrush(dc, brush);
    draw(dc);
    plat::SelectPen(dc, oldPen);
    plat::SelectBrush(dc, oldBrush);
    plat::ReleaseDC(backBuffer, dc);
}

const plat::Brush kNoBrush{plat::kBrushHollow, 0, 0};

void WhiteLine(int32_t x, int32_t y, const char* text) {
    SetFont(1, 12, 0, 0, 0, 0);
    SetTextColors(0xFFFFFF, 0x800000, 0);
    TextOutAt(x, y, text);
    ReleaseFont();
}

} // namespace

void GdiLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour, int32_t width) {
    WithBackDC(plat::Pen{plat::kPenSolid, width, colour}, kNoBrush, [&](plat::DC* dc) {
        plat::MoveTo(dc, x1, y1);
        plat::LineTo(dc, x2, y2);
    });
}

namespace kitDraw {

void SetPixel(int32_t x, int32_t y, uint32_t colour) {
    plat::DC* dc = plat::GetDC(backBuffer);
    if (!dc) return;
    plat::SetPixel(dc, x, y, colour);
    plat::ReleaseDC(backBuffer, dc);
}

void GetPixelRGB(int32_t x, int32_t y, int32_t* red, int32_t* green, int32_t* blue) {
    plat::DC* dc = plat::GetDC(backBuffer);
    const uint32_t value = dc ? plat::GetPixel(dc, x, y) : plat::kInvalidColor;
    if (dc) plat::ReleaseDC(backBuffer, dc);
    if (red) *red = int32_t(value & 255);
    if (green) *green = int32_t((value >> 8) & 255);
    if (blue) *blue = int32_t((value >> 16) & 255);
}

void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t fillColour,
               uint32_t penColour, int32_t penWidth) {
    WithBackDC(plat::Pen{plat::kPenSolid, penWidth, penColour}, plat::Brush{plat::kBrushSolid, fillColour, 0},
               [&](plat::DC* dc) { plat::Rectangle(dc, left, top, right, bottom); });
}

void Polygon(const plat::Point* points, int32_t count, uint32_t colour, uint32_t backColour, int32_t penWidth,
             int32_t fillMode) {
    const plat::Brush brush =
        fillMode == 0 ? kNoBrush : plat::Brush{plat::kBrushHatched, colour, plat::kHatchDiagCross};
    WithBackDC(plat::Pen{plat::kPenSolid, penWidth, colour}, brush, [&](plat::DC* dc) {
        plat::SetBkColor(dc, backColour);
        if (fillMode == 2) plat::SetBkMode(dc, plat::kBkTransparent);
        plat::Polygon(dc, points, count);
    });
}

void Bezier(const plat::Point* points, int32_t count, uint32_t colour, int32_t width) {
    WithBackDC(plat::Pen{plat::kPenSolid, width, colour}, kNoBrush,
               [&](plat::DC* dc) { plat::PolyBezier(dc, points, count); });
}

void InvertRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    plat::DC* dc = plat::GetDC(backBuffer);
    if (!dc) return;
    plat::InvertRect(dc, plat::Rect{left, top, right, bottom});
    plat::ReleaseDC(backBuffer, dc);
}

void GetBackDC() {
    if (backBufferDC) ReleaseBackDC(); // never hold two
    backBufferDC = plat::GetDC(backBuffer);
}

void ReleaseBackDC() {
    if (backBufferDC) plat::ReleaseDC(backBufferDC->surface, backBufferDC);
    backBufferDC = nullptr;
}

} // namespace kitDraw

void DrawTextWhite(int32_t x, int32_t y, const char* text) { WhiteLine(x, y, text); }

void DrawTextPrintf(int32_t x, int32_t y, const char* format, ...) {
    static std::string line;
    if (!format) return;
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n >= 0) {
        line.resize(size_t(n) + 1);
        std::vsnprintf(line.data(), line.size(), format, again);
        line.resize(size_t(n));
        WhiteLine(x, y, line.c_str());
    }
    va_end(again);
}

void DrawFps() {
    const uint32_t now = plat::TimeMs();
    if (now >= startTime) {
        fpsValue = float(fpsFrames) / 2.0f;
        if (fpsValue > fpsMax) fpsMax = fpsValue;
        if (fpsValue > 0.0f && fpsValue < fpsMin) fpsMin = fpsValue;
        startTime = plat::TimeMs() + 2000;
        fpsFrames = 0;
    }
    if (fpsFrames < 999) ++fpsFrames;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%3.1f fps ( max %3.1f / min %3.1f )", double(fpsValue),
                  double(fpsMax), double(fpsMin));
    fpsText.assign(buffer);
    WhiteLine(0, 0, fpsText.c_str());
}

int32_t SaveScreenshot(const char* fileName, int32_t width, int32_t height) {
    if (!fileName || width <= 0 || height <= 0) return 0;
    const int64_t rowSize = (int64_t(width) * 3 + 3) / 4 * 4;
    const int64_t imageSize = rowSize * height;
    if (imageSize > (int64_t(1) << 30)) return 0; // no sane screen is this large
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;
    if (!backBuffer || plat::Lock(backBuffer, &pixels, &pitch) != plat::kOk) return 0;

    std::vector<uint8_t> file(size_t(58 + imageSize), 0);
    auto put16 = [&](size_t at, uint32_t v) {
        file[at] = uint8_t(v);
        file[at + 1] = uint8_t(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            file[at + size_t(k)] = uint8_t(v >> (8 * k));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(58 + imageSize));
    put32(10, 58);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    put16(26, 1);
    put16(28, 24);
    put32(30, 0);
    put32(34, uint32_t(imageSize));
    put32(38, 2834);
    put32(42, 2834);
    // Bottom row first; what lies beyond the back buffer is written black.
    for (int32_t r = 0; r < height; ++r) {
        const int32_t y = height - 1 - r;
        uint8_t* out = file.data() + 58 + size_t(r) * size_t(rowSize);
        if (y >= backBuffer->height) continue;
        const uint16_t* row = backBuffer->Row(y);
        for (int32_t x = 0; x < width && x < backBuffer->width; ++x) {
            const uint8_t* rgb = pixelDecodeTable[row[x]];
            out[3 * x] = uint8_t(rgb[2] << 3);
            out[3 * x + 1] = uint8_t(rgb[1] << 3);
            out[3 * x + 2] = uint8_t(rgb[0] << 3);
        }
    }
    plat::Unlock(backBuffer);

    const std::string path = std::string(kitSystem::ProgramDir()) + fileName;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    const bool closed = std::fclose(f) == 0;
    if (!(written && closed)) {
        std::remove(path.c_str());
        return 0;
    }
    return 1;
}
