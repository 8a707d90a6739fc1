#include "harness/reset_globals.h"
#include "platform/bmp.h"
#include "platform/bmp_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using testbmp::Build;
using testbmp::Rgb;
using testbmp::Rows;
using testbmp::Spec;

namespace {

// A 5x3 reference picture (odd width, so every depth has row padding) drawn
// from a 4-colour palette.
const Rgb kPalette[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {16, 64, 255}};
uint32_t IndexAt(int32_t x, int32_t y) { return uint32_t((x + y * 2) % 4); }
uint32_t Rgb24At(int32_t x, int32_t y) {
    const Rgb& c = kPalette[IndexAt(x, y)];
    return (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2];
}

::testing::AssertionResult HasPicture(const plat::BmpImage& img, int32_t w, int32_t h,
                                      const std::function<Rgb(int32_t, int32_t)>& want) {
    if (img.width != w || img.height != h)
        return ::testing::AssertionFailure() << "size " << img.width << "x" << img.height;
    if (img.rgb.size() != size_t(w) * size_t(h) * 3) return ::testing::AssertionFailure() << "buffer size";
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* p = img.rgb.data() + (size_t(y) * size_t(w) + size_t(x)) * 3;
            const Rgb c = want(x, y);
            if (p[0] != c[0] || p[1] != c[1] || p[2] != c[2])
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << int(p[0]) << "," << int(p[1]) << ","
                       << int(p[2]) << " want " << int(c[0]) << "," << int(c[1]) << "," << int(c[2]);
        }
    return ::testing::AssertionSuccess();
}

Rgb Reference(int32_t x, int32_t y) { return kPalette[IndexAt(x, y)]; }

bool Decodes(const std::vector<uint8_t>& file, plat::BmpImage& img) {
    return plat::DecodeBmp(file.data(), file.size(), img);
}

Spec Palettised(uint16_t bpp, bool topDown = false) {
    Spec s;
    s.width = 5;
    s.height = topDown ? -3 : 3;
    s.bpp = bpp;
    s.palette.assign(std::begin(kPalette), std::end(kPalette));
    if (bpp == 1) {
        s.palette.resize(2);
        s.pixels = Rows(5, 3, 1, topDown, [](int32_t x, int32_t y) { return IndexAt(x, y) & 1; });
    } else {
        s.pixels = Rows(5, 3, bpp, topDown, IndexAt);
    }
    s.clrUsed = uint32_t(s.palette.size());
    return s;
}

} // namespace

TEST(BmpDecode, UncompressedFormatsDecodeToTheSamePicture) {
    plat::BmpImage img;

    // 24-bit, both row orders.
    Spec s24;
    s24.width = 5;
    s24.height = 3;
    s24.pixels = Rows(5, 3, 24, false, Rgb24At);
    ASSERT_TRUE(Decodes(Build(s24), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, Reference));
    s24.height = -3;
    s24.pixels = Rows(5, 3, 24, true, Rgb24At);
    ASSERT_TRUE(Decodes(Build(s24), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, Reference));

    // 32-bit plain (X8R8G8B8) with junk in the unused byte, and with bit fields
    // in V4 and V5 headers, masks in an unusual order.
    Spec s32;
    s32.width = 5;
    s32.height = 3;
    s32.bpp = 32;
    s32.pixels = Rows(5, 3, 32, false, [](int32_t x, int32_t y) { return Rgb24At(x, y) | 0xAB000000u; });
    ASSERT_TRUE(Decodes(Build(s32), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, Reference));
    for (uint32_t header : {108u, 124u, 56u}) {
        Spec f = s32;
        f.headerSize = header;
        f.compression = 3;
        f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000}; // red low, blue high
        f.pixels = Rows(5, 3, 32, false, [](int32_t x, int32_t y) {
            const Rgb& c = Reference(x, y);
            return uint32_t(c[0]) | (uint32_t(c[1]) << 8) | (uint32_t(c[2]) << 16);
        });
        ASSERT_TRUE(Decodes(Build(f), img)) << header;
        EXPECT_TRUE(HasPicture(img, 5, 3, Reference)) << header;
    }

    // Palettised at 8, 4 and 1 bits, both row orders; the OS/2 header with
    // 3-byte palette entries.
    for (uint16_t bpp : {8, 4}) {
        for (bool topDown : {false, true}) {
            ASSERT_TRUE(Decodes(Build(Palettised(bpp, topDown)), img)) << bpp;
            EXPECT_TRUE(HasPicture(img, 5, 3, Reference)) << bpp << " " << topDown;
        }
    }
    ASSERT_TRUE(Decodes(Build(Palettised(1)), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, [](int32_t x, int32_t y) { return kPalette[IndexAt(x, y) & 1]; }));
    Spec core = Palettised(8);
    core.headerSize = 12;
    ASSERT_TRUE(Decodes(Build(core), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, Reference));
    // A palette of clrUsed 0 means the full 2^bpp entries.
    Spec full = Palettised(4);
    full.clrUsed = 0;
    full.palette.resize(16, Rgb{1, 2, 3});
    ASSERT_TRUE(Decodes(Build(full), img));
    EXPECT_TRUE(HasPicture(img, 5, 3, Reference));
}

TEST(BmpDecode, SixteenBitChannelsExpandSoTheyConvertBackExactly) {
    plat::BmpImage img;
    // 5-5-5 plain: white, black, one step of each channel, and a mid value.
    const uint16_t words[5] = {0x7FFF, 0x0000, 0x0421, 0x4000, 0x03E0};
    Spec s;
    s.width = 5;
    s.height = 1;
    s.bpp = 16;
    s.pixels = Rows(5, 1, 16, false, [&](int32_t x, int32_t) { return uint32_t(words[x]); });
    ASSERT_TRUE(Decodes(Build(s), img));
    const Rgb want555[5] = {{255, 255, 255}, {0, 0, 0}, {8, 8, 8}, {132, 0, 0}, {0, 255, 0}};
    EXPECT_TRUE(HasPicture(img, 5, 1, [&](int32_t x, int32_t) { return want555[x]; }));
    for (int x = 0; x < 5; ++x) {
        const uint8_t* p = img.rgb.data() + x * 3;
        EXPECT_EQ(plat::RgbToPixel(plat::PixelFormat::RGB555, p[0], p[1], p[2]), words[x]);
    }

    // 5-6-5 through bit fields after a 40-byte header: every value survives the
    // trip to a 5-6-5 surface.
    Spec f = s;
    f.compression = 3;
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.width = 64;
    f.pixels =
        Rows(64, 1, 16, false, [](int32_t x, int32_t) { return uint32_t((x << 11) | (x << 5) | (x / 2)); });
    ASSERT_TRUE(Decodes(Build(f), img));
    for (int x = 0; x < 64; ++x) {
        const uint8_t* p = img.rgb.data() + x * 3;
        EXPECT_EQ(plat::RgbToPixel(plat::PixelFormat::RGB565, p[0], p[1], p[2]),
                  uint16_t(((x & 31) << 11) | (x << 5) | (x / 2)))
            << x;
    }
}

TEST(BmpDecode, RunLengthPicturesWithRunsDeltasAndSkips) {
    plat::BmpImage img;
    // RLE8, 6x3: row 0 (bottom) = run of 4 x index 1, runs of one 3 and one 2,
    // EOL; row 1 = delta (2, 0) then absolute run of 3 (1, 2, 3) with its pad
    // byte, EOL (the last pixel skipped); row 2 = run of 6 x index 2, end of bitmap.
    Spec s;
    s.width = 6;
    s.height = 3;
    s.bpp = 8;
    s.compression = 1;
    s.palette.assign(std::begin(kPalette), std::end(kPalette));
    s.clrUsed = 4;
    s.pixels = {4, 1, 1, 3, 1, 2, 0, 0, 0, 2, 2, 0, 0, 3, 1, 2, 3, 0, 0, 0, 6, 2, 0, 1};
    ASSERT_TRUE(Decodes(Build(s), img));
    const uint32_t want8[3][6] = {{2, 2, 2, 2, 2, 2}, {0, 0, 1, 2, 3, 0}, {1, 1, 1, 1, 3, 2}};
    EXPECT_TRUE(HasPicture(img, 6, 3, [&](int32_t x, int32_t y) { return kPalette[want8[y][x]]; }));

    // RLE4, 7x2: row 0 = run of 4 alternating (1, 2), absolute run of 3
    // nibbles (3, 1, 2) padded to a word, EOL; row 1 = end of bitmap at once:
    // the whole row was skipped and stays black.
    Spec r4;
    r4.width = 7;
    r4.height = 2;
    r4.bpp = 4;
    r4.compression = 2;
    r4.palette.assign(std::begin(kPalette), std::end(kPalette));
    r4.clrUsed = 4;
    r4.pixels = {4, 0x12, 0, 3, 0x31, 0x20, 0, 0, 0, 1};
    ASSERT_TRUE(Decodes(Build(r4), img));
    const uint32_t want4[2][7] = {{0, 0, 0, 0, 0, 0, 0}, {1, 2, 1, 2, 3, 1, 2}};
    EXPECT_TRUE(HasPicture(img, 7, 2, [&](int32_t x, int32_t y) { return kPalette[want4[y][x]]; }));

    // A picture whose last row ends with EOL and no end-of-bitmap marker is whole.
    Spec tail = s;
    tail.pixels = {6, 1, 0, 0, 6, 2, 0, 0, 6, 3, 0, 0};
    ASSERT_TRUE(Decodes(Build(tail), img));
    EXPECT_TRUE(HasPicture(img, 6, 3, [](int32_t, int32_t y) { return kPalette[3 - y]; }));

    // Runs that go on past the row's end, as common writers make them: what
    // lies inside the row is drawn, the rest dropped, and the next row starts
    // at its own left edge. Row 0 is what ImageMagick writes for a 5-wide row
    // (its last run fills the row out to 8 pixels); row 1 ends with a run one
    // pixel too long; row 2 is an absolute block of 6 whose last pixel falls
    // outside, then a run that starts at the very end of the row.
    Spec past;
    past.width = 5;
    past.height = 3;
    past.bpp = 8;
    past.compression = 1;
    past.palette.assign(std::begin(kPalette), std::end(kPalette));
    past.clrUsed = 4;
    past.pixels = {5, 1, 3, 0, 0, 0, 3, 2, 3, 3, 0, 0, 0, 6, 1, 2, 3, 1, 2, 1, 4, 3, 0, 1};
    ASSERT_TRUE(Decodes(Build(past), img));
    const uint32_t wantPast[3][5] = {{1, 2, 3, 1, 2}, {2, 2, 2, 3, 3}, {1, 1, 1, 1, 1}};
    EXPECT_TRUE(HasPicture(img, 5, 3, [&](int32_t x, int32_t y) { return kPalette[wantPast[y][x]]; }));
    // The same in RLE4: a run of 6 nibbles and an absolute block of 5 on a 4-wide row.
    Spec past4 = past;
    past4.width = 4;
    past4.height = 2;
    past4.bpp = 4;
    past4.compression = 2;
    past4.pixels = {6, 0x12, 0, 0, 0, 5, 0x31, 0x23, 0x10, 0, 0, 0, 1};
    ASSERT_TRUE(Decodes(Build(past4), img));
    const uint32_t wantPast4[2][4] = {{3, 1, 2, 3}, {1, 2, 1, 2}};
    EXPECT_TRUE(HasPicture(img, 4, 2, [&](int32_t x, int32_t y) { return kPalette[wantPast4[y][x]]; }));
}

TEST(BmpDecode, PicturesWrittenByOtherProgramsDecode) {
    // The fuzzer's seeds are files written by ImageMagick: RLE8 with runs past
    // the row's end, 4-bit palettes, 24-bit, and a version-5 header.
    const std::filesystem::path seeds = std::filesystem::path(VEX_SOURCE_DIR) / "tests/fuzz/seeds/fuzz_bmp";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        std::ifstream f(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)),
                                         std::istreambuf_iterator<char>());
        plat::BmpImage img;
        EXPECT_TRUE(Decodes(bytes, img)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 5);
    // The gradient runs red at the top to blue at the bottom, in three whole rows.
    std::ifstream f(seeds / "rle8-gradient-5x3.bmp", std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    plat::BmpImage img;
    ASSERT_TRUE(Decodes(bytes, img));
    const Rgb rows[3] = {{255, 0, 0}, {128, 0, 128}, {0, 0, 255}};
    EXPECT_TRUE(HasPicture(img, 5, 3, [&](int32_t, int32_t y) { return rows[y]; }));
}

TEST(BmpDecode, MalformedFilesAreRefusedWithoutReadingPastThem) {
    plat::BmpImage img;
    auto refused = [&](const std::vector<uint8_t>& file, const std::string& what) {
        img.width = 99;
        const bool ok = plat::DecodeBmp(file.data(), file.size(), img);
        EXPECT_FALSE(ok) << what;
        EXPECT_EQ(img.width, 0) << what;
        EXPECT_TRUE(img.rgb.empty()) << what;
        // Every shorter prefix of a refused file is refused too.
        for (size_t n = 0; n < file.size(); n += 7) {
            std::vector<uint8_t> cut(file.begin(), file.begin() + long(n));
            EXPECT_FALSE(plat::DecodeBmp(cut.data(), cut.size(), img)) << what << " cut at " << n;
        }
    };
    Spec good;
    good.width = 5;
    good.height = 3;
    good.pixels = Rows(5, 3, 24, false, Rgb24At);
    ASSERT_TRUE(Decodes(Build(good), img));

    EXPECT_FALSE(plat::DecodeBmp(nullptr, 0, img));
    refused({}, "zero-length");
    refused({'B', 'M'}, "signature only");
    std::vector<uint8_t> wrongMagic = Build(good);
    wrongMagic[0] = 'X';
    refused(wrongMagic, "signature");

    Spec s = good;
    s.width = 0;
    refused(Build(s), "width 0");
    s = good;
    s.width = -5;
    refused(Build(s), "negative width");
    s = good;
    s.height = 0;
    refused(Build(s), "height 0");
    s = good;
    s.width = 20000;
    refused(Build(s), "huge width");
    s = good;
    s.height = -20000;
    refused(Build(s), "huge top-down height");
    s = good;
    s.width = 0x7FFFFFFF;
    s.height = 0x7FFFFFFF;
    refused(Build(s), "gigantic claim");
    s = good;
    s.bpp = 7;
    refused(Build(s), "7 bits");
    s = good;
    s.compression = 1;
    refused(Build(s), "RLE8 with 24 bits");
    s = good;
    s.compression = 4;
    refused(Build(s), "JPEG");
    s = good;
    s.headerSize = 20;
    refused(Build(s), "unknown header");
    s = good;
    s.headerSize = 12;
    s.bpp = 16;
    refused(Build(s), "16 bits in the old header");
    s = good;
    s.offBitsOverride = 1000;
    refused(Build(s), "offset past the end");
    s = good;
    s.offBitsOverride = 20;
    refused(Build(s), "offset inside the header");

    std::vector<uint8_t> truncated = Build(good);
    truncated.resize(truncated.size() - 4); // the last row's pixels, not just its pad
    refused(truncated, "pixels cut short");
    std::vector<uint8_t> noPad = Build(good);
    noPad.resize(noPad.size() - 1); // only the last row's padding is missing
    EXPECT_TRUE(Decodes(noPad, img)) << "missing final padding";

    // Palette trouble: an index past clrUsed, a palette past the end.
    Spec p = Palettised(8);
    p.clrUsed = 2;
    p.palette.resize(2);
    refused(Build(p), "palette index out of range");
    p = Palettised(8);
    p.clrUsed = 200;
    p.pixels.clear();
    refused(Build(p), "palette past the end");

    // Bit fields: gaps in a mask, a mask beyond 16 bits.
    Spec f = good;
    f.bpp = 16;
    f.compression = 3;
    f.masks = {0xF00F, 0x07E0, 0x001F};
    f.pixels = Rows(5, 3, 16, false, [](int32_t, int32_t) { return 0u; });
    refused(Build(f), "split mask");
    f.masks = {0x1F0000, 0x07E0, 0x001F};
    refused(Build(f), "mask past 16 bits");

    // RLE trouble.
    Spec r;
    r.width = 4;
    r.height = 2;
    r.bpp = 8;
    r.compression = 1;
    r.palette.assign(std::begin(kPalette), std::end(kPalette));
    r.clrUsed = 4;
    r.pixels = {4, 1, 0, 0, 0, 7, 1, 1, 1, 1, 1, 1};
    refused(Build(r), "absolute run past the row and past the data");
    r.pixels = {0, 2, 5, 0, 0, 1};
    refused(Build(r), "delta past the row");
    r.pixels = {0, 2, 0, 3, 0, 1};
    refused(Build(r), "delta past the picture");
    r.pixels = {4, 1, 0, 0, 4, 1};
    refused(Build(r), "no end before the data ends");
    r.pixels = {0, 4, 1, 1};
    refused(Build(r), "absolute run cut short");
    r.pixels = {4, 9, 0, 1};
    refused(Build(r), "RLE palette index out of range");
    r.height = -2;
    r.pixels = {4, 1, 0, 1};
    refused(Build(r), "top-down RLE");
    r.height = 16384;
    r.width = 16384;
    refused(Build(r), "tiny RLE claiming a huge blank picture");
}

using RgbToPixel = FreshGlobals;

TEST_F(RgbToPixel, DropsLowBitsSoDarkColoursBecomeTheKey) {
    using plat::PixelFormat;
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB565, 0, 0, 0), 0);
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB565, 7, 3, 7), 0); // dark: transparent too
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB565, 8, 4, 8), (1 << 11) | (1 << 5) | 1);
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB565, 255, 255, 255), 0xFFFF);
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB555, 7, 7, 7), 0);
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB555, 8, 4, 8), (1 << 10) | 1); // green 4 drops out in 5 bits
    EXPECT_EQ(plat::RgbToPixel(PixelFormat::RGB555, 255, 255, 255), 0x7FFF);
    EXPECT_EQ(plat::ColorRefToPixel(PixelFormat::RGB565, 0x0000FF), 0xF800); // COLORREF red is the low byte
    EXPECT_EQ(plat::ColorRefToPixel(PixelFormat::RGB565, 0xFF0000), 0x001F);
}

TEST_F(RgbToPixel, StretchCopiesScalesAndRefusesLostSurfaces) {
    plat::BmpImage pic;
    pic.width = 2;
    pic.height = 2;
    pic.rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    plat::Surface* s = plat::CreateSurface(2, 2);
    ASSERT_EQ(plat::StretchRgbToSurface(s, pic, 0, 0, 0, 0), plat::kOk);
    EXPECT_EQ(s->Pixel(0, 0), 0xF800);
    EXPECT_EQ(s->Pixel(1, 0), 0x07E0);
    EXPECT_EQ(s->Pixel(0, 1), 0x001F);
    EXPECT_EQ(s->Pixel(1, 1), 0xFFFF);
    EXPECT_EQ(s->lockCount, 0);

    plat::Surface* big = plat::CreateSurface(4, 4);
    ASSERT_EQ(plat::StretchRgbToSurface(big, pic, 0, 0, 2, 2), plat::kOk);
    EXPECT_EQ(big->Pixel(1, 1), 0xF800);
    EXPECT_EQ(big->Pixel(2, 1), 0x07E0);
    EXPECT_EQ(big->Pixel(3, 3), 0xFFFF);
    // A source rectangle reaching outside the picture reads black there.
    ASSERT_EQ(plat::StretchRgbToSurface(s, pic, 1, 1, 2, 2), plat::kOk);
    EXPECT_EQ(s->Pixel(0, 0), 0xFFFF);
    EXPECT_EQ(s->Pixel(1, 0), 0);
    EXPECT_EQ(s->Pixel(1, 1), 0);

    plat::LoseSurfaceForTests(s);
    EXPECT_EQ(plat::StretchRgbToSurface(s, pic, 0, 0, 0, 0), plat::kErrSurfaceLost);
    EXPECT_NE(plat::StretchRgbToSurface(nullptr, pic, 0, 0, 0, 0), plat::kOk);
    EXPECT_NE(plat::StretchRgbToSurface(big, plat::BmpImage{}, 0, 0, 0, 0), plat::kOk);
    plat::DestroySurface(s);
    plat::DestroySurface(big);
}
