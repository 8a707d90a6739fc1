#include "draw_fixture.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/pack.h"
#include "kit/draw/present.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/bmp_writer.h"

namespace {

constexpr uint16_t kNew = 0x0841; // the new scene's picture
uint16_t OldPx(int32_t x, int32_t y) { return uint16_t((x * 7 + y * 131 + 3) | 1); }

// The game's generator, run beside the library's to predict each draw.
struct Lcg {
    uint32_t state;
    int Next() {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
};

} // namespace

class PresentTest : public DrawFixture {
  protected:
    void SetUp() override {
        DrawFixture::SetUp();
        transitionKind = transitionCounter = transitionStep = transitionLength = 0;
        vsyncWait = 1;
        for (int32_t y = 0; y < kH; ++y)
            for (int32_t x = 0; x < kW; ++x)
                backBuffer->Row(y)[x] = OldPx(x, y);
    }
    // What the scene switch does: snapshot the finished picture, start the wipe.
    void StartWipe(int32_t kind, int32_t length) {
        transitionKind = kind;
        transitionLength = length;
        ASSERT_EQ(SnapshotToImage(1, 0, 0, screenWidth, screenHeight), plat::kOk);
        transitionCounter = length;
        transitionStep = -1;
    }
    // One frame of the new scene, presented with the wipe at counter c.
    void PresentAt(int32_t c) {
        transitionCounter = c;
        transitionStep = -1;
        Fill(backBuffer, kNew);
        PresentFrame();
    }
    uint16_t Shown(int32_t x, int32_t y) const { return primarySurface->Pixel(x, y); }
};

TEST_F(PresentTest, WithoutATransitionTheBackBufferIsCopiedAsItIs) {
    SetVSyncWait(0);
    EXPECT_EQ(vsyncWait, 0);
    SetVSyncWait(1);
    transitionKind = 3;
    EXPECT_EQ(PresentFrame(), plat::kOk);
    EXPECT_EQ(transitionCounter, 0);
    EXPECT_EQ(transitionStep, 0);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(Shown(0, 0), OldPx(0, 0));
    EXPECT_EQ(Shown(799, 599), OldPx(799, 599));
    EXPECT_EQ(Shown(400, 300), OldPx(400, 300));
    EXPECT_EQ(backBuffer->Pixel(400, 300), OldPx(400, 300)); // presenting leaves the back buffer intact
}

TEST_F(PresentTest, WipeKind3OfLength26FrameByFrameInsideThePlayField) {
    kitDraw::SetClip(180, 0, 620, 600);
    kitSystem::SeedRandom(20240601u);
    Lcg lcg{20240601u};
    StartWipe(3, 26);
    for (int32_t frame = 0; frame < 26; ++frame) {
        const int32_t c = 26 - frame;
        ASSERT_EQ(transitionCounter, c);
        Fill(backBuffer, kNew);
        ASSERT_EQ(PresentFrame(), plat::kOk);
        int32_t wrong = 0, oldRows = 0;
        for (int32_t y = 0; y < kH; ++y) {
            int32_t shift = 0; // where the row's snapshot starts on the screen
            const bool drawn = y % c != 0;
            if (drawn) {
                shift = lcg.Next() % ((26 - c) * 2 + 2) - (26 - c + 1);
                ++oldRows;
                if (frame == 0 && shift != -1 && shift != 0) ++wrong;
            }
            for (int32_t x = 0; x < kW; ++x) {
                const bool inField = x >= 180 && x < 620;
                const uint16_t want = drawn && inField ? OldPx(x - shift, y) : kNew;
                if (Shown(x, y) != want) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "frame " << frame << " (c = " << c << ")";
        if (c == 26) {
            EXPECT_EQ(oldRows, 600 - 24); // rows 0, 26, ..., 598 show the new scene
        }
        if (c == 1) {
            EXPECT_EQ(oldRows, 0);
        }
    }
    EXPECT_EQ(transitionCounter, 0);
    EXPECT_EQ(transitionStep, 0);
    EXPECT_EQ(kitSystem::RandomState(), lcg.state);
    // The next frame is the new scene whole, and no more random numbers go.
    Fill(backBuffer, kNew);
    PresentFrame();
    EXPECT_EQ(Shown(400, 1), kNew);
    EXPECT_EQ(kitSystem::RandomState(), lcg.state);
}

TEST_F(PresentTest, SlidesSplitsAndCurtainsMoveByWholeSteps) {
    StartWipe(5, 30);
    // Slide up, first and last frame: one step of H / s = 20 rows, then 30 steps.
    PresentAt(30);
    EXPECT_EQ(Shown(10, 0), OldPx(10, 20));
    EXPECT_EQ(Shown(10, 579), OldPx(10, 599));
    EXPECT_EQ(Shown(10, 580), kNew);
    PresentAt(1);
    EXPECT_EQ(Shown(10, 0), kNew);
    EXPECT_EQ(transitionCounter, 0);
    transitionKind = 6; // down
    PresentAt(30);
    EXPECT_EQ(Shown(10, 19), kNew);
    EXPECT_EQ(Shown(10, 20), OldPx(10, 0));
    transitionKind = 7; // left: W / s = 26 columns
    PresentAt(30);
    EXPECT_EQ(Shown(0, 5), OldPx(26, 5));
    EXPECT_EQ(Shown(773, 5), OldPx(799, 5));
    EXPECT_EQ(Shown(774, 5), kNew);
    transitionKind = 8; // right
    PresentAt(30);
    EXPECT_EQ(Shown(25, 5), kNew);
    EXPECT_EQ(Shown(26, 5), OldPx(0, 5));
    PresentAt(1);
    EXPECT_EQ(Shown(779, 5), kNew);
    EXPECT_EQ(Shown(780, 5), OldPx(0, 5));
    transitionKind = 9; // halves apart vertically: H / 2 / s = 10
    PresentAt(30);
    EXPECT_EQ(Shown(10, 0), OldPx(10, 10));
    EXPECT_EQ(Shown(10, 289), OldPx(10, 299));
    EXPECT_EQ(Shown(10, 290), kNew);
    EXPECT_EQ(Shown(10, 309), kNew);
    EXPECT_EQ(Shown(10, 310), OldPx(10, 300));
    transitionKind = 10; // halves apart sideways: W / 2 / s = 13
    PresentAt(30);
    EXPECT_EQ(Shown(0, 5), OldPx(13, 5));
    EXPECT_EQ(Shown(386, 5), OldPx(399, 5));
    EXPECT_EQ(Shown(387, 5), kNew);
    EXPECT_EQ(Shown(412, 5), kNew);
    EXPECT_EQ(Shown(413, 5), OldPx(400, 5));
    transitionKind = 11; // curtain shrinking to the left
    PresentAt(30);
    EXPECT_EQ(Shown(779, 5), OldPx(779, 5));
    EXPECT_EQ(Shown(780, 5), kNew);
    PresentAt(1);
    EXPECT_EQ(Shown(25, 5), OldPx(25, 5));
    EXPECT_EQ(Shown(26, 5), kNew);
    transitionKind = 12; // curtain opening from the left
    PresentAt(30);
    EXPECT_EQ(Shown(25, 5), kNew);
    EXPECT_EQ(Shown(26, 5), OldPx(26, 5));
    transitionKind = 2; // bands every s rows, c + 1 rows tall
    PresentAt(30);
    EXPECT_EQ(Shown(5, 29), OldPx(5, 29));
    PresentAt(1);
    EXPECT_EQ(Shown(5, 30), OldPx(5, 30));
    EXPECT_EQ(Shown(5, 31), OldPx(5, 31));
    EXPECT_EQ(Shown(5, 32), kNew);
    transitionKind = 1; // rows with y mod c != 0
    PresentAt(2);
    EXPECT_EQ(Shown(5, 10), kNew);
    EXPECT_EQ(Shown(5, 11), OldPx(5, 11));
    PresentAt(1);
    EXPECT_EQ(Shown(5, 11), kNew);
    // Kind 4: shaken bands, drawing one random number per band.
    transitionKind = 4;
    kitSystem::SeedRandom(7);
    Lcg lcg{7};
    PresentAt(30);
    for (int32_t y = 0; y < 600; y += 30) {
        const int32_t shift = lcg.Next() % 2 - 1;
        EXPECT_EQ(Shown(100, y), OldPx(100 - shift, y)) << y;
    }
    EXPECT_EQ(kitSystem::RandomState(), lcg.state);
}

TEST_F(PresentTest, BrokenWipeSettingsDrawNothingAndStillEnd) {
    StartWipe(2, 26);
    transitionLength = 0; // kinds that step or divide by the length
    for (int32_t kind : {2, 4, 5, 9, 12, 13, 99}) {
        transitionKind = kind;
        transitionCounter = 3;
        transitionStep = -1;
        int32_t frames = 0;
        while (transitionCounter != 0 && frames < 10) {
            Fill(backBuffer, kNew);
            PresentFrame();
            ++frames;
        }
        EXPECT_EQ(frames, 3) << kind;
        EXPECT_EQ(Shown(300, 0), kNew) << kind;
    }
    // The row pattern needs no length: it still draws every row with y mod c != 0.
    transitionKind = 1;
    PresentAt(2);
    EXPECT_EQ(Shown(300, 1), OldPx(300, 1));
    EXPECT_EQ(Shown(300, 2), kNew);
    // A counter above the length would make the shake's range 0.
    transitionLength = 26;
    transitionKind = 3;
    PresentAt(27);
    EXPECT_EQ(Shown(300, 1), OldPx(300, 1)); // no shake, no step
}

TEST_F(PresentTest, FadeOutEndsWhenTheCounterPassesTenAndTheSceneThenChanges) {
    // A ten-frame sheet: frame k is filled with its own colour.
    WriteFile("IMAGE/FADE.BMP", testbmp::Picture24(640, 48, [](int32_t x, int32_t) {
                  return uint32_t(0x100000 * (x / 64 + 1));
              }));
    LoadTransitionSheet("IMAGE/FADE.BMP");
    ASSERT_EQ(transitionSheet, 4);
    auto sheetColour = [](int32_t frame) { return Px(uint8_t(16 * (frame + 1)), 0, 0); };
    transitionKind = 0;

    // The main loop during a fade-out: present only, switch once the step is back to 0.
    int32_t currentScene = 1;
    const int32_t nextScene = 11;
    StartFadeOut();
    int32_t frames = 0;
    while (transitionStep == 1 && frames < 20) {
        const int32_t c = transitionCounter;
        Fill(backBuffer, kNew);
        PresentFrame();
        ++frames;
        EXPECT_EQ(c, frames);
        EXPECT_EQ(Shown(0, 0), sheetColour(c - 1)) << c;
        EXPECT_EQ(Shown(639, 479), sheetColour(c - 1)) << c;
        EXPECT_EQ(Shown(640, 0), kNew);
        EXPECT_EQ(Shown(0, 480), kNew);
        if (transitionStep == 0) currentScene = nextScene;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(transitionCounter, 0);
    EXPECT_EQ(currentScene, 11);

    // The fade-in runs the sheet backwards and stops after the frame drawn with 1.
    StartFadeIn();
    frames = 0;
    while (transitionCounter != 0 && frames < 20) {
        const int32_t c = transitionCounter;
        PresentFrame();
        ++frames;
        EXPECT_EQ(Shown(100, 100), sheetColour(c - 1));
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(transitionStep, 0);
}

TEST_F(PresentTest, SnapshotAndLostSurfacesWhilePresenting) {
    EXPECT_EQ(SnapshotToImage(1, 0, 0, kW, kH), plat::kOk);
    EXPECT_EQ(imageTable[1].surface->Pixel(123, 456), OldPx(123, 456));
    EXPECT_EQ(SnapshotToImage(1, 0, 0, kW + 1, kH), plat::kErrInvalidRect);
    EXPECT_NE(SnapshotToImage(-1, 0, 0, kW, kH), plat::kOk);
    EXPECT_NE(SnapshotToImage(321, 0, 0, kW, kH), plat::kOk);
    EXPECT_EQ(SnapshotToImage(2, 100, 100, 110, 110), plat::kOk);
    EXPECT_EQ(imageTable[2].surface->Pixel(0, 0), OldPx(100, 100));

    plat::LoseSurfaceForTests(backBuffer);
    EXPECT_EQ(SnapshotToImage(1, 0, 0, kW, kH), plat::kErrSurfaceLost);
    EXPECT_FALSE(plat::IsLost(backBuffer));

    // The frame that meets a lost screen is lost; the next one is shown.
    plat::LoseSurfaceForTests(primarySurface);
    Fill(backBuffer, kNew);
    EXPECT_EQ(PresentFrame(), plat::kErrSurfaceLost);
    EXPECT_FALSE(plat::IsLost(primarySurface));
    EXPECT_EQ(Shown(5, 5), 0);
    EXPECT_EQ(PresentFrame(), plat::kOk);
    EXPECT_EQ(Shown(5, 5), kNew);

    // Black is copied like any colour, even from a back buffer that carries a
    // key: the wipe then uncovers black there, not what image 1 held before.
    for (int32_t x = 0; x < 20; ++x)
        backBuffer->Row(7)[x] = OldPx(x, 7);
    backBuffer->Row(7)[9] = 0;
    plat::SetColorKey(backBuffer, 0);
    StartWipe(1, 26);
    EXPECT_EQ(imageTable[1].surface->Pixel(9, 7), 0);
    PresentAt(26); // row 7 comes from the snapshot (7 % 26 != 0)
    EXPECT_EQ(Shown(9, 7), 0);
    EXPECT_EQ(Shown(10, 7), OldPx(10, 7));
}

TEST_F(PresentTest, PageOverlayScrollsWithinItsPage) {
    kitDraw::SetClip(180, 0, 620, 600);
    // The page: row r coloured by r, black in its first column so the tiles show there.
    WriteFile("IMAGE/PAGE.BMP", testbmp::Picture24(440, 1000, [](int32_t x, int32_t y) {
                  return x == 0 ? 0u : uint32_t(((y % 250) + 5) << 16 | 0x0000FF);
              }));
    WriteFile("IMAGE/TILE.BMP", testbmp::Picture24(64, 48, [](int32_t, int32_t) { return 0x00FF00u; }));
    auto pageRow = [](int32_t y) { return Px(uint8_t((y % 250) + 5), 0, 255); };

    TogglePageOverlay();
    EXPECT_EQ(pageOverlayOn, 0); // no page yet
    LoadPageOverlay("IMAGE/PAGE.BMP", "IMAGE/TILE.BMP", 1000);
    EXPECT_EQ(pageImage, 4);
    EXPECT_EQ(pageTileImage, 5);
    TogglePageOverlay();
    EXPECT_EQ(pageOverlayOn, 1);

    frameDt = 1.0f;
    heldKey = 40; // down: 100 pixels a second
    Fill(backBuffer, kNew);
    PresentFrame();
    EXPECT_EQ(Shown(181, 0), pageRow(0));
    EXPECT_EQ(Shown(181, 599), pageRow(599));
    EXPECT_EQ(Shown(180, 10), Px(0, 255, 0)); // a tile through the page's black
    EXPECT_EQ(Shown(100, 10), kNew);          // the overlay is clipped like every draw
    EXPECT_FLOAT_EQ(pageScroll, 100.0f);
    EXPECT_FLOAT_EQ(pageTileOffsetX, -10.0f);
    PresentFrame();
    EXPECT_EQ(Shown(181, 0), pageRow(100));
    heldKey = 39; // right: 300 a second, held at the page's end
    PresentFrame();
    PresentFrame();
    EXPECT_FLOAT_EQ(pageScroll, 400.0f);
    heldKey = 37;
    frameDt = 10.0f;
    PresentFrame();
    EXPECT_FLOAT_EQ(pageScroll, 0.0f);
    // The tile drift wraps once past a whole tile.
    heldKey = 0;
    frameDt = 1.0f;
    pageTileOffsetX = -60.0f;
    pageTileOffsetY = -40.0f;
    PresentFrame();
    EXPECT_FLOAT_EQ(pageTileOffsetX, -6.0f);
    EXPECT_FLOAT_EQ(pageTileOffsetY, -2.0f);
    // Loading again swaps the pictures into the same slots.
    LoadPageOverlay("IMAGE/TILE.BMP", "IMAGE/PAGE.BMP", 48);
    EXPECT_EQ(pageImage, 4);
    EXPECT_EQ(imageTable[4].height, 48);
    EXPECT_EQ(pageHeight, 48);
    TogglePageOverlay();
    EXPECT_EQ(pageOverlayOn, 0);
}

TEST_F(PresentTest, ClipWipesCloseAndOpenTheClipRectangle) {
    kitDraw::SetClip(180, 0, 620, 600);
    frameDt = 0.1f; // with speed 1000: 101 pixels a frame
    EXPECT_EQ(ClipWipeStep(), 0);
    EXPECT_EQ(StartClipWipe(1, 1, 1000.0f, 0), 1);
    EXPECT_EQ(StartClipWipe(1, 2, 1000.0f, 0), 0); // one at a time
    int32_t frames = 0;
    while (clipWipeState == 2 && frames < 100) {
        EXPECT_EQ(ClipWipeStep(), 1);
        ++frames;
    }
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(clipWipeState, -1);
    EXPECT_EQ(clipWipeClosed, 1);
    EXPECT_EQ(clipTop, 606); // the closing edge stops where it passed the other
    EXPECT_EQ(clipBottom, 600);
    Fill(backBuffer, kNew);
    BlitOpaque(180, 0, 1, 0, 0, 400, 600); // a clip closed past itself draws nothing
    EXPECT_EQ(backBuffer->Pixel(180, 599), kNew);

    // Opening from closed first puts the clip back, then collapses it to the centre line.
    EXPECT_EQ(StartClipWipe(0, 5, 1000.0f, 0), 1);
    EXPECT_EQ(clipTop, 300);
    EXPECT_EQ(clipBottom, 300);
    EXPECT_EQ(clipLeft, 180);
    frames = 0;
    while (clipWipeState == 1 && frames < 100) {
        ClipWipeStep();
        ++frames;
    }
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(clipWipeDone, 1);
    EXPECT_EQ(clipTop, 0);
    EXPECT_EQ(clipBottom, 600);

    // Style 8 closes to a centred line of `size` pixels, then to nothing.
    EXPECT_EQ(StartClipWipe(1, 8, 1000.0f, 40), 1);
    ClipWipeStep();
    EXPECT_EQ(clipLeft, 281);
    EXPECT_EQ(clipRight, 519);
    EXPECT_EQ(clipTop, 0);
    ClipWipeStep();
    EXPECT_EQ(clipLeft, 380);
    EXPECT_EQ(clipRight, 420);
    frames = 2;
    while (clipWipeState == 2 && frames < 100) {
        ClipWipeStep();
        ++frames;
    }
    // Top and bottom meet by crossing and stay where they crossed.
    EXPECT_EQ(clipTop, 303);
    EXPECT_EQ(clipBottom, 297);
    // ...and opens again line first: top and bottom, then the sides.
    EXPECT_EQ(StartClipWipe(0, 8, 1000.0f, 40), 1);
    EXPECT_EQ(clipLeft, 380);
    EXPECT_EQ(clipRight, 420);
    while (clipWipeState == 1 && frames < 100) {
        ClipWipeStep();
        if (clipTop != 0) {
            EXPECT_EQ(clipLeft, 380);
        }
        ++frames;
    }
    EXPECT_EQ(clipLeft, 180);
    EXPECT_EQ(clipRight, 620);
    EXPECT_EQ(clipTop, 0);
    EXPECT_EQ(clipBottom, 600);

    // Style 7 closes all four edges; a pair that crosses is set onto the centre.
    EXPECT_EQ(StartClipWipe(1, 7, 1000.0f, 0), 1);
    for (int32_t i = 0; i < 3; ++i)
        ClipWipeStep();
    EXPECT_EQ(clipWipeState, -1);
    EXPECT_EQ(clipLeft, 400);
    EXPECT_EQ(clipRight, 400);
    EXPECT_EQ(clipTop, 300);
    EXPECT_EQ(clipBottom, 300);
    // Style 6 does not: its sides stop where they crossed.
    EXPECT_EQ(StartClipWipe(1, 6, 1000.0f, 0), 1);
    EXPECT_EQ(clipLeft, 180); // the closed clip was put back first
    for (int32_t i = 0; i < 3; ++i)
        ClipWipeStep();
    EXPECT_EQ(clipWipeState, -1);
    EXPECT_EQ(clipLeft, 483);
    EXPECT_EQ(clipRight, 317);

    // Style 0 picks one with the game's random numbers; closing at once.
    kitSystem::SeedRandom(99);
    Lcg lcg{99};
    EXPECT_EQ(StartClipWipe(1, 0, 1000.0f, 0), 1);
    EXPECT_EQ(clipWipeStyle, lcg.Next() % 9 + 1);
    clipWipeState = 0;
    CloseClipNow();
    EXPECT_EQ(clipWipeState, -1);
    EXPECT_EQ(clipRight, clipLeft);
    EXPECT_EQ(clipBottom, clipTop);
    // Drawing with a closed clip draws nothing.
    Fill(backBuffer, kNew);
    BlitOpaque(180, 0, 1, 0, 0, 400, 400);
    EXPECT_EQ(backBuffer->Pixel(180, 0), kNew);
}
