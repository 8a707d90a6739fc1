#include "draw_fixture.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "platform/bmp_writer.h"

#include <gmock/gmock.h>

#include <functional>

using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::string Errors(const std::function<void()>& f) {
    ::testing::internal::CaptureStderr();
    f();
    return ::testing::internal::GetCapturedStderr();
}

// 4x2: red, black, a dark grey that has no 16-bit value, white; then green,
// blue, black, red.
uint32_t Sample(int32_t x, int32_t y) {
    static const uint32_t c[2][4] = {{0xFF0000, 0x000000, 0x070307, 0xFFFFFF},
                                     {0x00FF00, 0x0000FF, 0, 0xFF0000}};
    return c[y][x];
}

std::vector<uint8_t> Solid(int32_t w, int32_t h, uint32_t rgb) {
    return testbmp::Picture24(w, h, [rgb](int32_t, int32_t) { return rgb; });
}

} // namespace

class ImageTest : public DrawFixture {};

TEST_F(ImageTest, PicturesLoadByNameInAnyCaseWithBlackAndDarkColoursTransparent) {
    WriteFile("image/Pic.bmp", testbmp::Picture24(4, 2, Sample));
    const int32_t h = kitDraw::LoadObject("IMAGE\\PIC.BMP", 1);
    ASSERT_EQ(h, 4);
    const ImageRecord& rec = imageTable[4];
    EXPECT_STREQ(rec.name, "IMAGE\\PIC.BMP");
    EXPECT_EQ(rec.fromPack, 0);
    EXPECT_EQ(rec.reloadMode, 2);
    EXPECT_EQ(rec.colorKey, 0u);
    EXPECT_EQ(rec.width, 4);
    EXPECT_EQ(rec.height, 2);
    ASSERT_NE(rec.surface, nullptr);
    EXPECT_TRUE(rec.surface->hasColorKey);
    EXPECT_EQ(rec.surface->colorKey, 0);
    EXPECT_EQ(rec.surface->Pixel(0, 0), Px(255, 0, 0));
    EXPECT_EQ(rec.surface->Pixel(1, 0), 0);
    EXPECT_EQ(rec.surface->Pixel(2, 0), 0); // (7, 3, 7) has no 16-bit value: it becomes the key
    EXPECT_EQ(rec.surface->Pixel(3, 0), 0xFFFF);
    EXPECT_EQ(rec.surface->Pixel(1, 1), Px(0, 0, 255));
    EXPECT_EQ(fatalFlag, 0);

    // Keyed drawing leaves the background where the picture is black.
    Fill(backBuffer, 0x1234);
    BlitKeyed(100, 50, h, 0, 0, 4, 2);
    EXPECT_EQ(backBuffer->Pixel(100, 50), Px(255, 0, 0));
    EXPECT_EQ(backBuffer->Pixel(101, 50), 0x1234);
    EXPECT_EQ(backBuffer->Pixel(102, 50), 0x1234);
    EXPECT_EQ(backBuffer->Pixel(102, 51), 0x1234);
    EXPECT_EQ(backBuffer->Pixel(103, 51), Px(255, 0, 0));

    // The top-left rule: the key is the picture's first pixel (red here).
    kitDraw::SetKeyTopLeft();
    const int32_t t = kitDraw::LoadObject("image/pic.BMP", 1);
    ASSERT_EQ(t, 5);
    EXPECT_EQ(imageTable[t].colorKey, 0xFFFFFFFFu);
    EXPECT_EQ(imageTable[t].surface->colorKey, Px(255, 0, 0));
    // A key colour given as a COLORREF: blue is the high byte.
    kitDraw::SetKeyColor(0xFF0000);
    EXPECT_EQ(keyTopLeft, 0);
    const int32_t b = kitDraw::LoadObject("IMAGE/PIC.BMP", 1);
    EXPECT_EQ(imageTable[b].colorKey, 0xFF0000u);
    EXPECT_EQ(imageTable[b].surface->colorKey, Px(0, 0, 255));
}

TEST_F(ImageTest, NamesOfThirtyCharactersLoadAndThirtyOneAreRefused) {
    const std::string name30 = "IMAGE/" + std::string(20, 'A') + ".BMP";
    const std::string name31 = "IMAGE/" + std::string(21, 'A') + ".BMP";
    ASSERT_EQ(name30.size(), 30u);
    ASSERT_EQ(name31.size(), 31u);
    WriteFile(name30, Solid(2, 2, 0xFFFFFF));
    WriteFile(name31, Solid(2, 2, 0xFFFFFF));
    EXPECT_EQ(kitDraw::LoadObject(name30.c_str(), 1), 4);
    EXPECT_STREQ(imageTable[4].name, name30.c_str());
    int32_t got = -1;
    const std::string err = Errors([&] { got = kitDraw::LoadObject(name31.c_str(), 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::LoadObject : ファイル名またはリソース名が長すぎます"));
    EXPECT_EQ(fatalFlag, 1);
    EXPECT_EQ(imageTable[5].name[0], 0); // no slot taken
    EXPECT_EQ(kitDraw::LoadObject(name30.c_str(), 1), 5);

    // Swapping checks the length the same way and leaves the slot alone.
    const std::string swapErr = Errors([&] { got = kitDraw::SwapObject(name31.c_str(), 4, 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(swapErr, HasSubstr("kitDraw::SwapObject : ファイル名またはリソース名が長すぎます"));
    EXPECT_STREQ(imageTable[4].name, name30.c_str());
    EXPECT_NE(imageTable[4].surface, nullptr);
}

TEST_F(ImageTest, The497thLoadFindsNoFreeSlot) {
    WriteFile("IMAGE/DOT.BMP", Solid(1, 1, 0xFFFFFF));
    for (int32_t i = 0; i < 496; ++i)
        ASSERT_EQ(kitDraw::LoadObject("IMAGE/DOT.BMP", 1), 4 + i);
    EXPECT_EQ(fatalFlag, 0);
    int32_t got = -1;
    std::string err = Errors([&] { got = kitDraw::LoadObject("IMAGE/DOT.BMP", 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::LoadObject : オブジェクト数が多過ぎます"));
    err = Errors([&] { got = kitDraw::CreateObject(8, 8, 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::CreateObject : オブジェクト数が多過ぎます"));
    // The library's own slots were never handed out.
    EXPECT_STREQ(imageTable[1].name, "内部用２");
    EXPECT_EQ(imageTable[1].width, kW);

    // A released slot is the next one handed out.
    kitDraw::ReleaseObject(200);
    EXPECT_EQ(imageTable[200].name[0], 0);
    EXPECT_EQ(imageTable[200].surface, nullptr);
    EXPECT_EQ(kitDraw::LoadObject("IMAGE/DOT.BMP", 1), 200);
}

TEST_F(ImageTest, MissingOrBrokenFilesKeepTheirSlotAndLoadingGoesOn) {
    WriteFile("IMAGE/GOOD.BMP", Solid(3, 3, 0x00FF00));
    std::vector<uint8_t> truncated = Solid(40, 40, 0xFF0000);
    truncated.resize(truncated.size() / 2);
    WriteFile("IMAGE/HALF.BMP", truncated);
    WriteFile("IMAGE/EMPTY.BMP", {});
    testbmp::Spec huge;
    huge.width = 100000;
    huge.height = 100000;
    huge.pixels = {1, 2, 3, 4};
    WriteFile("IMAGE/HUGE.BMP", testbmp::Build(huge));

    int32_t got = -1;
    const std::string err = Errors([&] { got = kitDraw::LoadObject("IMAGE/NONE.BMP", 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::LoadObject : BMPファイルを読み込めません"));
    EXPECT_EQ(fatalFlag, 1);
    EXPECT_STREQ(imageTable[4].name, "IMAGE/NONE.BMP"); // taken by name
    EXPECT_EQ(imageTable[4].surface, nullptr);
    EXPECT_EQ(kitDraw::LoadObject("IMAGE/GOOD.BMP", 1), 5);

    for (const char* bad : {"IMAGE/HALF.BMP", "IMAGE/EMPTY.BMP", "IMAGE/HUGE.BMP", "IMAGE"}) {
        const std::string e = Errors([&] { got = kitDraw::LoadObject(bad, 1); });
        EXPECT_EQ(got, 0) << bad;
        EXPECT_THAT(e, HasSubstr("BMPファイルを読み込めません")) << bad;
    }
    EXPECT_EQ(imageTable[9].surface, nullptr);
    EXPECT_EQ(kitDraw::LoadObject("IMAGE/GOOD.BMP", 1), 10);

    // The failed handle 0 draws the scratch image; a slot without a surface
    // and handles outside the table draw nothing.
    Fill(imageTable[0].surface, 0x0F0F);
    Fill(backBuffer, 0);
    BlitOpaque(0, 0, 0, 0, 0, 2, 2);
    EXPECT_EQ(backBuffer->Pixel(1, 1), 0x0F0F);
    BlitOpaque(10, 10, 4, 0, 0, 2, 2);
    BlitOpaque(10, 10, -1, 0, 0, 2, 2);
    BlitOpaque(10, 10, 500, 0, 0, 2, 2);
    EXPECT_EQ(backBuffer->Pixel(10, 10), 0);
    // Releasing a slot without a surface does not free it.
    kitDraw::ReleaseObject(4);
    kitDraw::ReleaseObject(-3);
    kitDraw::ReleaseObject(9999);
    EXPECT_STREQ(imageTable[4].name, "IMAGE/NONE.BMP");
}

TEST_F(ImageTest, CreatedImagesAreEmptyAndAFailedOneKeepsItsName) {
    const int32_t a = kitDraw::CreateObject(32, 16, 1);
    ASSERT_EQ(a, 4);
    EXPECT_STREQ(imageTable[a].name, "*");
    EXPECT_EQ(imageTable[a].width, 32);
    EXPECT_EQ(imageTable[a].height, 16);
    EXPECT_EQ(imageTable[a].surface->Pixel(31, 15), 0);
    EXPECT_TRUE(imageTable[a].surface->hasColorKey);

    plat::FailSurfaceCreationAfterForTests(0);
    int32_t got = -1;
    const std::string err = Errors([&] { got = kitDraw::CreateObject(8, 8, 1); });
    plat::FailSurfaceCreationAfterForTests(-1);
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::CreateObject : スプライトを作成できません"));
    EXPECT_STREQ(imageTable[5].name, "*");
    EXPECT_EQ(imageTable[5].surface, nullptr);
    EXPECT_EQ(kitDraw::CreateObject(0, 8, 1), 0);
    EXPECT_EQ(kitDraw::CreateObject(8, 8, 1), 7);
}

TEST_F(ImageTest, SwappingReplacesThePictureOrLeavesTheSlotWithoutOne) {
    WriteFile("IMAGE/A.BMP", Solid(4, 4, 0xFF0000));
    WriteFile("IMAGE/B.BMP", Solid(8, 2, 0x00FF00));
    const int32_t h = kitDraw::LoadObject("IMAGE/A.BMP", 1);
    EXPECT_EQ(kitDraw::SwapObject("IMAGE/B.BMP", h, 1), 1);
    EXPECT_STREQ(imageTable[h].name, "IMAGE/B.BMP");
    EXPECT_EQ(imageTable[h].width, 8);
    EXPECT_EQ(imageTable[h].height, 2);
    EXPECT_EQ(imageTable[h].surface->Pixel(7, 1), Px(0, 255, 0));

    int32_t got = -1;
    const std::string err = Errors([&] { got = kitDraw::SwapObject("IMAGE/C.BMP", h, 1); });
    EXPECT_EQ(got, 0);
    EXPECT_THAT(err, HasSubstr("kitDraw::SwapObject : BMPファイルを読み込めません"));
    EXPECT_STREQ(imageTable[h].name, "IMAGE/C.BMP");
    EXPECT_EQ(imageTable[h].surface, nullptr);
    EXPECT_EQ(kitDraw::SwapObject("IMAGE/A.BMP", -1, 1), 0);
    EXPECT_EQ(kitDraw::SwapObject("IMAGE/A.BMP", 500, 1), 0);
    EXPECT_EQ(kitDraw::SwapObject("IMAGE/A.BMP", h, 1), 1);
    EXPECT_EQ(imageTable[h].surface->Pixel(3, 3), Px(255, 0, 0));
}

TEST_F(ImageTest, AfterASurfaceLossEveryPictureIsReloaded) {
    WriteFile("IMAGE/SHIP.BMP", testbmp::Picture24(4, 2, Sample));
    WriteFile("IMAGE/KEYED.BMP", Solid(2, 2, 0x0000FF));
    const int32_t ship = kitDraw::LoadObject("IMAGE/SHIP.BMP", 1);
    kitDraw::SetKeyTopLeft();
    const int32_t keyed = kitDraw::LoadObject("IMAGE/KEYED.BMP", 1);
    kitDraw::SetKeyColor(0);
    const int32_t made = kitDraw::CreateObject(4, 4, 1);
    Fill(imageTable[made].surface, 0x5555);
    Errors([] { kitDraw::LoadObject("IMAGE/GONE.BMP", 1); });

    for (auto& rec : imageTable)
        if (rec.surface) plat::LoseSurfaceForTests(rec.surface);
    plat::LoseSurfaceForTests(backBuffer);
    plat::LoseSurfaceForTests(primarySurface);

    // The draw that meets the loss is missing; it repairs everything.
    const std::string err = Errors([&] { BlitOpaque(0, 0, ship, 0, 0, 4, 2); });
    EXPECT_FALSE(plat::IsLost(backBuffer));
    EXPECT_FALSE(plat::IsLost(primarySurface));
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_FALSE(plat::IsLost(imageTable[slot].surface));
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0);
    ASSERT_NE(imageTable[ship].surface, nullptr);
    EXPECT_FALSE(plat::IsLost(imageTable[ship].surface));
    EXPECT_EQ(imageTable[ship].surface->Pixel(0, 0), Px(255, 0, 0));
    EXPECT_EQ(imageTable[ship].surface->Pixel(3, 0), 0xFFFF);
    // A top-left key survives the reload; an image made empty comes back empty.
    EXPECT_EQ(imageTable[keyed].colorKey, 0xFFFFFFFFu);
    EXPECT_EQ(imageTable[keyed].surface->colorKey, Px(0, 0, 255));
    EXPECT_EQ(imageTable[made].surface->Pixel(1, 1), 0);
    EXPECT_FALSE(plat::IsLost(imageTable[made].surface));
    // The missing picture is looked for again.
    EXPECT_THAT(err, HasSubstr("BMPファイルを読み込めません"));
    EXPECT_EQ(imageTable[7].surface, nullptr);

    // The next frame draws normally.
    BlitOpaque(0, 0, ship, 0, 0, 4, 2);
    EXPECT_EQ(backBuffer->Pixel(0, 0), Px(255, 0, 0));
    EXPECT_EQ(backBuffer->Pixel(3, 0), 0xFFFF);
}

TEST_F(ImageTest, ColourFillsOnTheBackBufferAndImages) {
    Fill(backBuffer, 0x1111);
    EXPECT_EQ(kitDraw::Clear(), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(799, 599), 0);
    EXPECT_EQ(kitDraw::FillScreen(), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0xFFFF); // colorMask: white
    EXPECT_EQ(kitDraw::FillRectColor(10, 10, 20, 20, 0x1234), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(10, 10), 0x1234);
    EXPECT_EQ(backBuffer->Pixel(19, 19), 0x1234);
    EXPECT_EQ(backBuffer->Pixel(20, 19), 0xFFFF);
    EXPECT_EQ(kitDraw::ClearRect(12, 12, 14, 14), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(13, 13), 0);
    EXPECT_EQ(backBuffer->Pixel(14, 13), 0x1234);
    EXPECT_EQ(kitDraw::FillRect(10, 10, 20, 20), plat::kOk);
    EXPECT_EQ(kitDraw::FrameRect(10, 10, 20, 20), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(10, 15), 0);
    EXPECT_EQ(backBuffer->Pixel(19, 15), 0);
    EXPECT_EQ(backBuffer->Pixel(15, 10), 0);
    EXPECT_EQ(backBuffer->Pixel(15, 19), 0);
    EXPECT_EQ(backBuffer->Pixel(15, 15), 0xFFFF);
    // Rectangles reaching past the back buffer are cut to it.
    EXPECT_EQ(kitDraw::FillRectColor(790, 590, 900, 700, 0x2222), plat::kOk);
    EXPECT_EQ(backBuffer->Pixel(799, 599), 0x2222);

    Fill(imageTable[2].surface, 0x3333);
    EXPECT_EQ(kitDraw::ClearImage(2), plat::kOk);
    EXPECT_EQ(imageTable[2].surface->Pixel(799, 599), 0);
    EXPECT_NE(kitDraw::ClearImage(-1), plat::kOk);
    EXPECT_NE(kitDraw::ClearImage(42), plat::kOk); // no surface there
    plat::LoseSurfaceForTests(backBuffer);
    EXPECT_EQ(kitDraw::Clear(), plat::kErrSurfaceLost);
}

TEST_F(ImageTest, TintHalvesInsideTheClipAndNeverOutsideTheBackBuffer) {
    Fill(backBuffer, 0xFFFF);
    kitDraw::SetClip(180, 0, 620, 600);
    EXPECT_EQ(kitDraw::TintRect(100, 10, 200, 20, 0xF800), 1);
    const uint16_t tinted = uint16_t(((0xFFFF >> 1) & 0x7BEF) + ((0xF800 >> 1) & 0x7BEF));
    EXPECT_EQ(backBuffer->Pixel(180, 10), tinted);
    EXPECT_EQ(backBuffer->Pixel(199, 19), tinted);
    EXPECT_EQ(backBuffer->Pixel(179, 10), 0xFFFF);
    EXPECT_EQ(backBuffer->Pixel(200, 10), 0xFFFF);
    EXPECT_EQ(backBuffer->Pixel(180, 20), 0xFFFF);
    // Wholly outside the clip: 1 and nothing drawn.
    EXPECT_EQ(kitDraw::TintRect(700, 10, 790, 20, 0), 1);
    EXPECT_EQ(backBuffer->Pixel(700, 10), 0xFFFF);
    // A failed lock.
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(kitDraw::TintRect(200, 10, 210, 20, 0), 0);
    EXPECT_EQ(backBuffer->Pixel(205, 15), 0xFFFF);
    EXPECT_EQ(backBuffer->lockCount, 0);
    // A clip rectangle larger than the screen reaches the edges, no further.
    kitDraw::SetClip(-50, -50, 900, 700);
    Fill(backBuffer, 0);
    EXPECT_EQ(kitDraw::TintRect(-100, -100, 1000, 1000, 0xFFFF), 1);
    EXPECT_EQ(backBuffer->Pixel(0, 0), 0x7BEF);
    EXPECT_EQ(backBuffer->Pixel(799, 599), 0x7BEF);
}

TEST_F(ImageTest, ColourKeysMatchSetAndCopy) {
    plat::Surface* s = imageTable[0].surface;
    s->Row(0)[0] = 0x4321;
    EXPECT_EQ(kitDraw::MatchColor(s, 0), 0u);
    EXPECT_EQ(kitDraw::MatchColor(s, 0x070307), 0u);
    EXPECT_EQ(kitDraw::MatchColor(s, 0xFFFFFF), 0xFFFFu);
    EXPECT_EQ(kitDraw::MatchColor(s, 0xFFFFFFFF), 0x4321u);
    EXPECT_EQ(s->Pixel(0, 0), 0x4321); // the picture is untouched
    plat::FailNextLocksForTests(1);
    EXPECT_EQ(kitDraw::MatchColor(s, 0), 0xFFFFFFFFu);
    EXPECT_EQ(kitDraw::MatchColor(nullptr, 0), 0xFFFFFFFFu);

    EXPECT_EQ(kitDraw::SetImageKey(0, 0x0000FF), plat::kOk);
    EXPECT_EQ(imageTable[0].colorKey, 0x0000FFu);
    EXPECT_EQ(s->colorKey, Px(255, 0, 0));
    EXPECT_EQ(kitDraw::SetImageKeyTopLeft(0), plat::kOk);
    EXPECT_EQ(imageTable[0].colorKey, 0xFFFFFFFFu);
    EXPECT_EQ(s->colorKey, 0x4321);
    EXPECT_EQ(kitDraw::CopyImageKey(3, 0), plat::kOk);
    EXPECT_EQ(imageTable[3].surface->colorKey, 0x4321);
    EXPECT_NE(kitDraw::SetImageKey(600, 0), plat::kOk);
    EXPECT_NE(kitDraw::SetImageKey(99, 0), plat::kOk);
    EXPECT_NE(kitDraw::CopyImageKey(3, 99), plat::kOk);
    EXPECT_EQ(imageTable[99].colorKey, 0u);
}

class Image555Test : public DrawFixture {
  protected:
    plat::PixelFormat Format() const override { return plat::PixelFormat::RGB555; }
};

TEST_F(Image555Test, AFiveFiveFiveScreenGetsFiveFiveFivePixels) {
    WriteFile("IMAGE/P.BMP", testbmp::Picture24(4, 2, Sample));
    const int32_t h = kitDraw::LoadObject("IMAGE/P.BMP", 1);
    ASSERT_EQ(h, 4);
    EXPECT_EQ(imageTable[h].surface->format, plat::PixelFormat::RGB555);
    EXPECT_EQ(imageTable[h].surface->Pixel(0, 0), 0x7C00);
    EXPECT_EQ(imageTable[h].surface->Pixel(0, 1), 0x03E0);
    EXPECT_EQ(imageTable[h].surface->Pixel(3, 0), 0x7FFF);
    EXPECT_EQ(imageTable[h].surface->Pixel(2, 0), 0);
    EXPECT_EQ(kitDraw::MatchColor(imageTable[h].surface, 0xFFFFFF), 0x7FFFu);
    EXPECT_EQ(colorMask, 0x7FFFu);
}
