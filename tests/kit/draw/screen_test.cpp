#include "harness/game_harness.h"

#include "kit/draw/image.h"
#include "kit/draw/screen.h"
#include "kit/system/kit_system.h"
#include "platform/display.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// Runs kitDraw::Screen again on a started game with one failure arranged, and
// returns the text of the one error box it showed ("" when none).
std::string FailingScreenText(const std::function<void()>& arrange) {
    kitDraw::Release();
    plat::ClearRecordedMessageBoxesForTests();
    arrange();
    const int32_t r = kitDraw::Screen(800, 600, 2);
    plat::ResetDisplayHooksForTests();
    plat::FailSurfaceCreationAfterForTests(-1);
    kitDraw::Release(); // gives back whatever the failed start-up made
    const auto& boxes = plat::RecordedMessageBoxes();
    if (r != 0 || boxes.size() != 1 || fatalFlag != 1) return "unexpected: r=" + std::to_string(r);
    EXPECT_EQ(boxes[0].caption, "エラー発生");
    return boxes[0].text;
}
} // namespace

TEST(Screen, StartUpStateIn565) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    ASSERT_NE(directDraw, nullptr);
    ASSERT_NE(primarySurface, nullptr);
    ASSERT_NE(backBuffer, nullptr);
    EXPECT_TRUE(primarySurface->isPrimary);
    EXPECT_EQ(backBuffer->width, 800);
    EXPECT_EQ(backBuffer->height, 600);
    EXPECT_EQ(screenWidth, 800);
    EXPECT_EQ(screenHeight, 600);
    EXPECT_EQ(displayDepth, 16);
    EXPECT_EQ(deviceChosen, 1);
    EXPECT_EQ(hwStretch, 0u);
    EXPECT_EQ(fatalFlag, 0);
    // The loader's clip rectangle: the play field.
    EXPECT_EQ(clipLeft, 180);
    EXPECT_EQ(clipTop, 0);
    EXPECT_EQ(clipRight, 620);
    EXPECT_EQ(clipBottom, 600);
    EXPECT_EQ(presentSourceRect.right, 800);
    EXPECT_EQ(presentRect.left, 0);
    EXPECT_EQ(presentRect.bottom, 600);

    const char* names[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};
    for (int i = 0; i < 4; ++i) {
        const ImageRecord& r = imageTable[i];
        ASSERT_NE(r.surface, nullptr) << i;
        EXPECT_STREQ(r.name, names[i]);
        EXPECT_EQ(r.reloadMode, 2);
        EXPECT_EQ(r.fromPack, 0);
        EXPECT_EQ(r.colorKey, 0u);
        EXPECT_EQ(r.width, 800);
        EXPECT_EQ(r.height, 600);
        EXPECT_TRUE(r.surface->hasColorKey);
        EXPECT_EQ(r.surface->colorKey, 0);
    }
    // The game's 164 pictures fill slots 4 to 167; the rest are free.
    for (int i = 168; i < kImageSlots; ++i) {
        ASSERT_EQ(imageTable[i].surface, nullptr);
        ASSERT_EQ(imageTable[i].name[0], 0);
        ASSERT_EQ(imageTable[i].reloadMode, 2);
    }

    // Pixel format and tables of a 5-6-5 screen.
    EXPECT_EQ(redShift, 11);
    EXPECT_EQ(greenShift, 5);
    EXPECT_EQ(greenShift5, 6);
    EXPECT_EQ(halfMask, 0x7BEFu);
    EXPECT_EQ(sineTable[0], 0);
    EXPECT_EQ(sineTable[30], 179);
    EXPECT_EQ(sineTable[90], 360);
    EXPECT_EQ(sineTable[270], -360);
    EXPECT_EQ(additiveTable[0][0][31][31], 31 << 11);
    EXPECT_EQ(subtractiveTable[1][3][5], 0);
    EXPECT_EQ(mixTable[2][0][17][4], 17);
    EXPECT_EQ(mixTable[2][31][17][4], 4);
    EXPECT_EQ(pixelDecodeTable[0xFFFF][1], 31);
}

TEST(Screen, StartUpStateIn555) {
    HarnessOptions o;
    o.pixelFormat555 = true;
    GameHarness h(o);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(redShift, 10);
    EXPECT_EQ(greenShift, 5);
    EXPECT_EQ(blueShift, 0);
    EXPECT_EQ(redBits, 0x1Fu);
    EXPECT_EQ(greenBits, 0x1Fu);
    EXPECT_EQ(redShift5, 10);
    EXPECT_EQ(greenShift5, 5);
    EXPECT_EQ(halfMask, 0x3DEFu);
    EXPECT_EQ(additiveTable[0][0][31][31], 31 << 10);
    EXPECT_EQ(additiveTable[1][0][31][31], 31 << 5);
    EXPECT_EQ(pixelDecodeTable[0x7FFF][0], 31);
    EXPECT_EQ(backBuffer->format, plat::PixelFormat::RGB555);
}

TEST(Screen, EveryFailureReportsItsOwnText) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    using plat::DisplayCall;
    EXPECT_EQ(FailingScreenText([] { plat::FailDisplayCallForTests(DisplayCall::Create, true); }),
              "kitDraw::Screen : DirectDrawが使用できません");
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_EQ(FailingScreenText([] { plat::FailDisplayCallForTests(DisplayCall::CooperativeLevel, true); }),
              "kitDraw::Screen : フルスクリーン化できません");
    EXPECT_EQ(FailingScreenText([] { plat::RefuseDisplayDepthForTests(16); }),
              "kitDraw::Screen : 解像度が変更できません");
    EXPECT_EQ(FailingScreenText([] { plat::FailDisplayCallForTests(DisplayCall::PrimarySurface, true); }),
              "kitDraw::Screen : 表画面が生成できません");
    // Surfaces in order of creation: primary, back buffer, then images 0..3.
    const char* surfaceTexts[5] = {
        "kitDraw::Screen : 裏画面が生成できません",
        "kitDraw::Screen : Bufferスプライトが生成できません",
        "kitDraw::Screen : Screenスプライトが生成できません",
        "kitDraw::Screen : Fontスプライトが生成できません",
        "kitDraw::Screen : Fontバッファスプライトが生成できません",
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(FailingScreenText([i] { plat::FailSurfaceCreationAfterForTests(i + 1); }), surfaceTexts[i]);
    EXPECT_EQ(FailingScreenText([] { plat::FailDisplayCallForTests(DisplayCall::PixelFormat, true); }),
              "kitDraw::Screen : ピクセル情報が取得できません");

    // A depth the display cannot show falls back to the next one given.
    kitDraw::Release();
    plat::ClearRecordedMessageBoxesForTests();
    kitDraw::SetDisplayDepths(32, 24, 16);
    EXPECT_EQ(kitDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(displayDepth, 16);
    EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
    // With no fallback the refused depth is the end.
    kitDraw::Release();
    kitDraw::SetDisplayDepths(32, 0, 0);
    EXPECT_EQ(kitDraw::Screen(800, 600, 2), 0);
    EXPECT_EQ(plat::RecordedMessageBoxes().back().text, "kitDraw::Screen : 解像度が変更できません");
    kitDraw::SetDisplayDepths(16, 0, 0);

    // The game still quits cleanly after a failed start-up.
    h.Tap(plat::kVkEscape);
    EXPECT_EQ(h.RunToExit(), 0);
}

TEST(Screen, StretchCapsComeFromTheKeptDevice) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    // No driver with 3D and textures: the default device and the emulation's caps.
    kitDraw::Release();
    plat::SetDisplayCapsForTests({0, 0}, {plat::kCapsBltStretch, 0});
    ASSERT_EQ(kitDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(deviceChosen, 0);
    EXPECT_EQ(hwStretch, 1u);
    kitDraw::Release();
    plat::SetDisplayCapsForTests({plat::kCaps3D | plat::kCapsBltStretch, plat::kSurfTexture}, {0, 0});
    ASSERT_EQ(kitDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(deviceChosen, 1);
    EXPECT_EQ(hwStretch, 1u);
    kitDraw::Release();
    plat::SetDisplayCapsForTests({plat::kCaps3D, plat::kSurfTexture}, {plat::kCapsBltStretch, 0});
    ASSERT_EQ(kitDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(hwStretch, 0u);
}

TEST(Screen, ReleaseFreesEverySlotOnce) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    // An image loaded into a free slot goes too.
    imageTable[200].surface = plat::CreateSurface(10, 10);
    std::strcpy(imageTable[200].name, "IMAGE/X.BMP");
    imageTable[200].reloadMode = 1;
    kitDraw::Release();
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_EQ(primarySurface, nullptr);
    EXPECT_EQ(backBuffer, nullptr);
    EXPECT_FALSE(plat::DisplayReleasedInItsModeForTests());
    for (int i = 0; i < kImageSlots; ++i) {
        ASSERT_EQ(imageTable[i].surface, nullptr) << i;
        ASSERT_EQ(imageTable[i].name[0], 0) << i;
        ASSERT_EQ(imageTable[i].reloadMode, 2) << i;
        ASSERT_EQ(imageTable[i].width, 0) << i;
    }
    kitDraw::Release(); // nothing left: does nothing
    // Esc after the release: End releases nothing twice.
    h.Tap(plat::kVkEscape);
    EXPECT_EQ(h.RunToExit(), 0);
}

TEST(Screen, EndRunsOnceAndPostsOneClose) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.DrainMessages();
    ASSERT_TRUE(plat::DisplayModeSetForTests());
    const int before = plat::PendingMessagesForTests();
    EXPECT_EQ(kitSystem::End(), 1);
    EXPECT_EQ(plat::PendingMessagesForTests(), before + 1);
    EXPECT_EQ(closingFlag, 2);
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_FALSE(plat::DisplayReleasedInItsModeForTests()); // the desktop's mode came back first
    EXPECT_EQ(instanceMutex, nullptr);
    EXPECT_EQ(kitSystem::End(), 1);
    EXPECT_EQ(plat::PendingMessagesForTests(), before + 1);
    EXPECT_EQ(h.RunToExit(), 0);
}

TEST(Screen, EndPostsNoCloseWhileClosing) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.DrainMessages();
    closingFlag = 1;
    EXPECT_EQ(kitSystem::End(), 1);
    EXPECT_EQ(plat::PendingMessagesForTests(), 0);
    EXPECT_EQ(closingFlag, 2);
    plat::PostAppMessage(plat::kMsgClose, 0, 0);
    EXPECT_EQ(h.RunToExit(), 0);
}
