#include "harness/reset_globals.h"
#include "kit/draw/blit.h"
#include "kit/draw/gdi.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/text.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"
#include "platform/files.h"
#include "platform/time.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

using namespace vextest;

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

std::string TempDir(const char* name) {
    const std::string dir = std::string(VEX_BINARY_DIR) + "/" + name + "/";
    ::mkdir(dir.c_str(), 0755);
    return dir;
}

} // namespace

using Fps = FreshGlobals;
using GdiDrawing = FreshGlobals;
using GdiText = FreshGlobals;
using GlyphEngine = FreshGlobals;
using Screenshot = FreshGlobals;

TEST_F(GdiDrawing, LinesIgnoreTheClipAndShapesFollowTheirModes) {
    SetUpScreen(plat::PixelFormat::RGB565);
    kitDraw::SetClip(180, 0, 620, 600);
    const uint32_t orange = plat::Rgb(255, 128, 0);
    const uint16_t orangePixel = plat::PixelOf(plat::PixelFormat::RGB565, orange);
    GdiLine(20, 100, 120, 100, orange, 7); // left of the play field
    for (int y = 97; y <= 103; ++y)
        EXPECT_EQ(backBuffer->Pixel(60, y), orangePixel) << y;
    EXPECT_EQ(backBuffer->Pixel(60, 96), 0);
    EXPECT_EQ(backBuffer->Pixel(60, 104), 0);
    GdiLine(-5000, -5000, 5000, 5000, orange, 3);
    GdiLine(10, 10, 10, 10, orange, 2); // a stroke of zero length: a dot
    EXPECT_EQ(plat::DCsInUse(), 0);

    kitDraw::Rectangle(300, 300, 310, 306, 0x00FF00, 0x0000FF, 1);
    EXPECT_EQ(backBuffer->Pixel(300, 300), 0xF800);
    EXPECT_EQ(backBuffer->Pixel(305, 303), 0x07E0);
    const plat::Point tri[3] = {{400, 400}, {460, 400}, {430, 460}};
    Fill(backBuffer, 0x0841);
    kitDraw::Polygon(tri, 3, 0xFFFFFF, 0x000000, 1, 0);
    EXPECT_EQ(backBuffer->Pixel(430, 420), 0x0841); // outline only
    EXPECT_EQ(backBuffer->Pixel(430, 400), 0xFFFF);
    kitDraw::Polygon(tri, 3, 0xFFFFFF, 0x0000FF, 1, 1);
    EXPECT_EQ(backBuffer->Pixel(424, 416), 0xFFFF);
    EXPECT_EQ(backBuffer->Pixel(425, 416), 0xF800); // hatch gap in the background colour
    Fill(backBuffer, 0x0841);
    kitDraw::Polygon(tri, 3, 0xFFFFFF, 0x0000FF, 1, 2);
    EXPECT_EQ(backBuffer->Pixel(424, 416), 0xFFFF);
    EXPECT_EQ(backBuffer->Pixel(425, 416), 0x0841); // transparent gap
    kitDraw::InvertRect(0, 0, 2, 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), uint16_t(~0x0841));
    kitDraw::SetPixel(5, 5, plat::Rgb(8, 16, 248));
    int32_t r = -1, g = -1, b = -1;
    kitDraw::GetPixelRGB(5, 5, &r, &g, &b);
    EXPECT_EQ(r, 8);
    EXPECT_EQ(g, 16);
    EXPECT_EQ(b, 248);
    kitDraw::GetPixelRGB(5000, 5, &r, &g, &b); // outside: the invalid colour's bytes
    EXPECT_EQ(r, 255);
    const plat::Point curve[4] = {{0, 500}, {50, 400}, {100, 600}, {150, 500}};
    kitDraw::Bezier(curve, 4, 0xFFFFFF, 2);
    EXPECT_EQ(backBuffer->Pixel(150, 500), 0xFFFF);
    EXPECT_EQ(plat::DCsInUse(), 0);
}

TEST_F(GdiText, WhiteTextOnBlueInTheJapaneseFace) {
    SetUpScreen(plat::PixelFormat::RGB565);
    kitDraw::SetClip(180, 0, 620, 600);
    const std::string line = plat::Utf8ToCp932("ベクス・タロン 2026");
    for (int i = 0; i < 7; ++i)
        DrawTextWhite(280, 180 + 20 * i, line.c_str());
    const uint16_t blue = plat::PixelOf(plat::PixelFormat::RGB565, 0x800000);
    int white = 0;
    for (int y = 170; y < 330; ++y)
        for (int x = 200; x < 600; ++x) {
            const uint16_t p = backBuffer->Pixel(x, y);
            const int row = (y - 180) / 20, within = (y - 180) % 20;
            const bool inCell = y >= 180 && row < 7 && within < 12 && x >= 280 && x < 280 + 7 * 12 + 5 * 6;
            if (!inCell) {
                ASSERT_EQ(p, 0) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(p == 0xFFFF || p == blue) << x << "," << y;
            white += p == 0xFFFF;
        }
    EXPECT_GT(white, 7 * 150);
    EXPECT_EQ(backBuffer->Pixel(280, 180), blue);
    EXPECT_EQ(textDC, nullptr);
    EXPECT_EQ(plat::DCsInUse(), 0);
    // printf form, and a frame's worth of lines allocates no new fonts.
    DrawTextPrintf(280, 400, "%d/%s", 12, "ab");
    EXPECT_EQ(backBuffer->Pixel(280, 400), blue);
    // Keep a picture of the credits for a look by eye.
    plat::SetProgramDirectoryForTests(TempDir("text_test"));
    EXPECT_EQ(SaveScreenshot("CREDITS.BMP", 800, 600), 1);
    plat::SetProgramDirectoryForTests("");
}

TEST_F(GdiText, FontDescriptionsAndTheFontList) {
    SetUpScreen(plat::PixelFormat::RGB565);
    InitFontList();
    EXPECT_GT(fontCount, 0);
    bool japanese = false;
    for (int i = 0; i < fontCount; ++i) {
        if (std::strcmp(fontList[i].name, "IPAGothic") == 0) {
            japanese = true;
            EXPECT_EQ(fontList[i].kind, 1);
            EXPECT_EQ(fontList[i].charSet, 128);
        }
    }
    EXPECT_TRUE(japanese);
    EXPECT_EQ(fontList[kFontListSize - 1].kind == -1, fontCount < kFontListSize);
    // Only the first 200 faces are kept.
    plat::LogFont lf{};
    std::strcpy(lf.faceName, "Extra");
    while (fontCount < kFontListSize)
        EXPECT_EQ(EnumFontEntry(&lf, nullptr, 4, 0), 1);
    EXPECT_EQ(EnumFontEntry(&lf, nullptr, 4, 0), 0);
    EXPECT_EQ(fontCount, kFontListSize);

    SetFont(1, 16, 0, 1, 0, 0);
    EXPECT_EQ(logFont.weight, 700);
    EXPECT_EQ(logFont.height, 16);
    EXPECT_EQ(logFont.charSet, 128);
    EXPECT_EQ(plat::Cp932ToUtf8(logFont.faceName), "標準ゴシック");
    EXPECT_NE(textDC, nullptr);
    SetFont(0, 20, 90, 2, 1, 1); // a second Set without Release gives the first context back
    EXPECT_EQ(plat::DCsInUse(), 1);
    EXPECT_EQ(logFont.weight, 0);
    EXPECT_EQ(logFont.escapement, 900);
    EXPECT_EQ(plat::Cp932ToUtf8(logFont.faceName), "標準明朝");
    ReleaseFont();
    SetFont(5, 10, 0, 0, 0, 0);
    EXPECT_EQ(plat::Cp932ToUtf8(logFont.faceName), "標準明朝"); // kept
    ReleaseFont();
    SetFontByName("NoSuchFace", 10, 0, 0, 0, 0);
    EXPECT_EQ(logFont.charSet, 128);
    ReleaseFont();
    std::strcpy(fontList[3].name, "SymbolFace");
    fontList[3].charSet = 2;
    SetFontByName("SymbolFace", 10, 0, 0, 0, 0);
    EXPECT_EQ(logFont.charSet, 2);
    // Measuring and drawing in a rectangle.
    SetFont(1, 12, 0, 0, 0, 0);
    SetTextColors(0xFFFFFF, 0, 1);
    EXPECT_EQ(MeasureTextRect(0, 0, 40, 0, "aaaa bbbb cccc"), 36);
    EXPECT_EQ(DrawTextInRect(200, 0, 300, 50, "abc", 1), 12);
    EXPECT_EQ(DrawTextInRect(200, 0, 300, 50, "abc", 3), 0);
    ReleaseFont();
    FreeFontState();
    EXPECT_EQ(plat::DCsInUse(), 0);
    // Rotated text draws without leaving the surface.
    SetFont(1, 24, 45, 0, 0, 0);
    TextOutAt(790, 590, "rotated");
    ReleaseFont();
}

TEST_F(GlyphEngine, LayoutColoursHangingAndReveal) {
    SetUpScreen(plat::PixelFormat::RGB565);
    SetFont(1, 12, 0, 0, 0, 0);
    SetTextColors(plat::Rgb(10, 10, 10), 0, 1);
    ReleaseFont();
    // Ten full-width characters fit in 120 pixels; the eleventh is "。" and hangs.
    const std::string text = plat::Utf8ToCp932("あいうえおかきくけこ。さ\nし");
    BuildGlyphsHidden(100, 100, 220, 400, text.c_str(), 0);
    const uint16_t dark = plat::PixelOf(plat::PixelFormat::RGB565, 0x101010);
    int darkPixels = 0;
    for (int y = 100; y < 160; ++y)
        for (int x = 100; x < 240; ++x)
            darkPixels += imageTable[2].surface->Pixel(x, y) == dark;
    EXPECT_GT(darkPixels, 100);
    EXPECT_EQ(backBuffer->Pixel(150, 105), 0); // hidden: nothing on screen yet
    EXPECT_EQ(glyphCount, 1 + 10 + 1 + 1);     // the hanging "。" and the newline get no box
    EXPECT_EQ(glyphBoxes[10].left, 208);
    EXPECT_EQ(glyphBoxes[11].left, 100); // "さ" starts the second line
    EXPECT_EQ(glyphBoxes[11].top, 112);
    EXPECT_EQ(glyphBoxes[12].top, 124); // "し" after the newline
    EXPECT_EQ(glyphBoxes[0].right, 220);
    EXPECT_EQ(glyphBoxes[0].bottom, 136);
    bool hung = false;
    for (int y = 100; y < 112; ++y)
        for (int x = 220; x < 232; ++x)
            hung |= imageTable[2].surface->Pixel(x, y) == dark;
    EXPECT_TRUE(hung);
    EXPECT_NE(textDC, nullptr); // the font is back on the back buffer
    ReleaseFont();

    // One more character about every sixth frame at 0.1 s and 60 frames a second.
    frameDt = 1.0f / 60.0f;
    int frames = 0, done = 0;
    while (!(done = RevealGlyphs(0.1f)) && frames < 1000)
        ++frames;
    EXPECT_GE(frames, 6 * 12);
    EXPECT_LE(frames, 7 * 13);
    EXPECT_NE(backBuffer->Pixel(glyphBoxes[1].left, glyphBoxes[1].top), 0xFFFF);
    // Everything inside the boxes shows; the hanging "。" has no box of its own.
    int shown = 0, inBoxes = 0;
    for (int y = 100; y < 136; ++y)
        for (int x = 100; x < 240; ++x) {
            shown += backBuffer->Pixel(x, y) == dark;
            inBoxes += x < 220 && imageTable[2].surface->Pixel(x, y) == dark;
        }
    EXPECT_EQ(shown, inBoxes);
    EXPECT_LT(inBoxes, darkPixels);
    EXPECT_EQ(RevealGlyphs(0.0f), 1);
    // Overlong layouts stop at the bottom; shadows and thickening widen boxes.
    const std::string many(5000, 'x');
    BuildGlyphs(0, 0, 800, 600, many.c_str(), 0x100 | 0x200 | 0x400);
    EXPECT_LE(glyphCount, kGlyphBoxes);
    EXPECT_EQ(glyphBoxes[1].right - glyphBoxes[1].left, 6 + 1 + 1);
    BuildGlyphs(0, 0, 5, 600, "WIDE", 0); // wider than the box: never fits, ends
    EXPECT_EQ(glyphCount, 1);
    ReleaseFont();
}

TEST_F(GlyphEngine, SmoothGlyphsAreHalvedIntoImageTwo) {
    SetUpScreen(plat::PixelFormat::RGB555);
    Fill(backBuffer, kitDraw::Pack5(0, 0, 8));
    SetGlyphFont(1, 24);
    SetTextColors(0xFFFFFF, 0x404040, 1);
    const std::string text = plat::Utf8ToCp932("滑らか");
    BuildSmoothGlyphs(300, 200, 500, 300, text.c_str(), 0x100);
    int lit = 0, outside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const uint16_t p = imageTable[2].surface->Pixel(x, y);
            if (p == 0) continue;
            const bool inside = x >= 300 && x < 340 && y >= 200 && y < 216;
            inside ? ++lit : ++outside;
        }
    EXPECT_GT(lit, 40);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(glyphCount, 4);
    EXPECT_EQ(glyphBoxes[1].left, 300);
    EXPECT_EQ(glyphBoxes[2].left, 300 + 13); // (24 + 2) / 2
    EXPECT_EQ(backBuffer->Pixel(310, 205) != kitDraw::Pack5(0, 0, 8) ||
                  backBuffer->Pixel(305, 208) != kitDraw::Pack5(0, 0, 8),
              true); // drawn at once
    EXPECT_EQ(textDC->surface, imageTable[3].surface);
    // Unlike the plain layout, a character whose right edge reaches the box's
    // right edge no longer fits; one pixel more and it does.
    const std::string one = plat::Utf8ToCp932("滑");
    BuildSmoothGlyphs(300, 200, 313, 300, one.c_str(), 0x100);
    EXPECT_EQ(glyphCount, 1);
    BuildSmoothGlyphs(300, 200, 314, 300, one.c_str(), 0x100);
    EXPECT_EQ(glyphCount, 2);
    EXPECT_EQ(glyphBoxes[1].right, 313);
    ReleaseGlyphFont();
    EXPECT_EQ(plat::DCsInUse(), 0);
}

TEST_F(Fps, CountsTwoSecondWindows) {
    SetUpScreen(plat::PixelFormat::RGB565);
    plat::UseVirtualClockForTests(true);
    startTime = plat::TimeMs();
    DrawFps();
    EXPECT_EQ(fpsText, "0.0 fps ( max 0.0 / min 999.9 )");
    for (int i = 0; i < 119; ++i)
        DrawFps();
    plat::AdvanceVirtualClockForTests(2000);
    DrawFps();
    EXPECT_EQ(fpsText, "60.0 fps ( max 60.0 / min 60.0 )");
    EXPECT_EQ(fpsFrames, 1);
    for (int i = 0; i < 1500; ++i)
        DrawFps();
    EXPECT_EQ(fpsFrames, 999);
    EXPECT_NE(backBuffer->Pixel(1, 1), 0);
}

TEST_F(Screenshot, PaddedRowsHeadersAndFailures) {
    SetUpScreen(plat::PixelFormat::RGB565, 801, 3);
    backBuffer->Row(2)[0] = kitDraw::Pack5(31, 0, 0);   // bottom-left: red
    backBuffer->Row(0)[800] = kitDraw::Pack5(0, 0, 31); // top-right: blue
    const std::string dir = TempDir("screenshot_test");
    plat::SetProgramDirectoryForTests(dir);
    ASSERT_EQ(SaveScreenshot("SHOT.BMP", 801, 3), 1);
    const auto bmp = ReadFile(dir + "SHOT.BMP");
    ASSERT_EQ(bmp.size(), 58u + 2404u * 3u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), 58u + 2404u * 3u);
    EXPECT_EQ(U32(bmp, 10), 58u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 801u);
    EXPECT_EQ(U32(bmp, 22), 3u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(U32(bmp, 34), 2404u * 3u);
    EXPECT_EQ(U32(bmp, 38), 2834u);
    // First stored row is the bottom one, as blue, green, red bytes.
    EXPECT_EQ(bmp[58 + 2], 31 << 3);
    EXPECT_EQ(bmp[58 + 0], 0);
    EXPECT_EQ(bmp[58 + 2403], 0); // padding byte
    const size_t top = 58 + 2 * 2404;
    EXPECT_EQ(bmp[top + 800 * 3], 31 << 3);
    // Larger than the back buffer: the rest is black, nothing is read outside.
    ASSERT_EQ(SaveScreenshot("BIG.BMP", 900, 10), 1);
    EXPECT_EQ(ReadFile(dir + "BIG.BMP").size(), 58u + 2700u * 10u);
    // Nothing written means failure.
    EXPECT_EQ(SaveScreenshot("NO/SUCH/DIR.BMP", 801, 3), 0);
    EXPECT_EQ(SaveScreenshot("ZERO.BMP", 0, 3), 0);
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(SaveScreenshot("LOCK.BMP", 801, 3), 0);
    struct stat st;
    EXPECT_NE(::stat((dir + "LOCK.BMP").c_str(), &st), 0);
    plat::SetProgramDirectoryForTests("");
}
